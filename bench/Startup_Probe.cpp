// The game's start-up as main() runs it, timed: the application, the main window and the two
// palettes, shown maximised. When the window is first exposed the probe prints the time since
// the moment given as its first argument (nanoseconds of CLOCK_REALTIME, taken by the script
// just before it started the probe), then loads the Samurai file given as the second argument
// as the open button does, lets the window repaint, prints its resident memory and quits.

#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "bench/Bench_Game.h"
#include "render/Board_Drawing.h"

namespace {

long long Now_Ns() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::string Status_Field(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) {
            return line.substr(std::string(field).size());
        }
    }
    return "?";
}

class Expose_Watch : public QObject {
  public:
    bool Exposed = false;
    long long At = 0;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!Exposed && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(object);
            if (window != nullptr && window->isExposed()) {
                Exposed = true;
                At = Now_Ns();
            }
        }
        return QObject::eventFilter(object, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: tessel_startup_probe START_NS SAMURAI.zd2\n");
        return 2;
    }
    const long long start = std::stoll(argv[1]);
    const std::string samurai = argv[2];

    // As Run_Tessel_Sudoku: the application, its windows, the main window maximised.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessel Sudoku"));
    Install_Font_Substitutions();
    Expose_Watch watch;
    app.installEventFilter(&watch);
    Bench_Game game;
    game.Form->showMaximized();

    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!watch.Exposed) {
            return;
        }
        poll.stop();
        std::printf("window_ms %.3f\n", (watch.At - start) / 1e6);
        std::printf("window_maximized %d\n", game.Form->isMaximized() ? 1 : 0);
        std::printf("rss_empty_kb %s\n", Status_Field("VmRSS:").c_str());
        if (!game.Load(samurai)) {
            std::printf("load_failed 1\n");
            app.exit(1);
            return;
        }
        QCoreApplication::processEvents();
        game.Form->repaint();
        QCoreApplication::processEvents();
        std::printf("boards %zu\n", game.State.Sudoku_Boards.size());
        std::printf("rss_samurai_kb %s\n", Status_Field("VmRSS:").c_str());
        std::printf("hwm_samurai_kb %s\n", Status_Field("VmHWM:").c_str());
        std::fflush(stdout);
        app.quit();
    });
    poll.start();
    return app.exec();
}
