#include "app/Generation_Runner.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <memory>

Generation_Runner::Generation_Runner(QWidget* window) : QObject(window), Window(window) {}

bool Generation_Runner::Run(const New_Puzzle_Choice& choice, Generate_Result& result) {
    std::atomic<bool> cancel{false};
    std::atomic<int> percent{0};
    Generate_Options options;
    options.Cancel = &cancel;
    options.Two_Threads = true;
    options.Progress = [&percent](const Generate_Progress& progress) {
        percent.store(static_cast<int>(progress.Fraction * 100));
    };
    const std::string kind = choice.Kind.toStdString();
    const std::uint64_t seed = choice.Seed;
    const Puzzle_Level level = choice.Level;
    std::unique_ptr<QThread> worker(QThread::create([&result, &options, kind, seed, level] {
        result = Generate_Puzzle(kind, seed, level, options);
    }));

    QProgressDialog progress(QStringLiteral("Making a new puzzle..."), QStringLiteral("Cancel"), 0,
                             100, Window);
    progress.setObjectName(QStringLiteral("New_Puzzle_Progress"));
    progress.setWindowTitle(QStringLiteral("New Puzzle"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    // Its Cancel button, its close box and Escape all stop the generator.
    connect(&progress, &QProgressDialog::canceled, this, [&cancel] { cancel.store(true); });
    connect(&progress, &QDialog::rejected, this, [&cancel] { cancel.store(true); });
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this,
            [&progress, &percent] { progress.setValue(std::min(percent.load(), 99)); });
    QEventLoop waiting;
    connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    ticker.start(50);
    worker->start();
    waiting.exec();
    worker->wait();
    ticker.stop();
    const bool made = !cancel.load() && !result.Cancelled;
    progress.disconnect(this);
    progress.close();
    return made;
}
