#include "app/Exchange_Dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/Player_Dialogs.h"

Puzzle_Chooser::Puzzle_Chooser(QWidget* owner, const QString& source, int count) : QDialog(owner) {
    setObjectName(QStringLiteral("Puzzle_Chooser"));
    setWindowTitle(QStringLiteral("Choose a Puzzle"));
    auto* layout = new QVBoxLayout(this);
    Question = new QLabel(QStringLiteral("%1 holds %2 puzzles.\nWhich one do you want to play?")
                              .arg(source)
                              .arg(count),
                          this);
    Question->setTextFormat(Qt::PlainText);
    layout->addWidget(Question);
    Number = new QSpinBox(this);
    Number->setObjectName(QStringLiteral("Puzzle_Number"));
    Number->setRange(1, count > 1 ? count : 1);
    Number->setValue(1);
    Number->setPrefix(QStringLiteral("Puzzle "));
    Number->setSuffix(QStringLiteral(" of %1").arg(count));
    layout->addWidget(Number);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Number->setFocus();
    Number->selectAll();
}

int Puzzle_Chooser::Chosen_Index() const {
    return Number->value() - 1;
}

namespace {

// The file the player chose in the dialog, or an empty name when it was cancelled.
QString Chosen_File(QFileDialog& dialog) {
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    return chosen ? dialog.selectedFiles().constFirst() : QString();
}

} // namespace

QString Qt_Player_Dialogs::Import_File_Name(QWidget* owner, const QString& title,
                                            const QString& filter, const QString& directory) {
    QFileDialog dialog(owner, title, directory, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen_File(dialog);
}

QString Qt_Player_Dialogs::Export_File_Name(QWidget* owner, const QString& title,
                                            const QString& filter, const QString& directory) {
    QFileDialog dialog(owner, title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // A bare name takes the extension of the format chosen in the dialog.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f.contains(QLatin1String("*.pdf")) ? QStringLiteral("pdf")
                                                                   : QStringLiteral("png"));
    });
    dialog.setSizeGripEnabled(true);
    // The dialog asks before an existing file is overwritten (the toolkit's default).
    return Chosen_File(dialog);
}

int Qt_Player_Dialogs::Choose_Puzzle(QWidget* owner, const QString& source, int count) {
    Puzzle_Chooser chooser(owner, source, count);
    return chooser.exec() == QDialog::Accepted ? chooser.Chosen_Index() : -1;
}

bool Qt_Player_Dialogs::Choose_Printer(QWidget* owner, QPrinter& printer) {
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Print the Page"));
    return dialog.exec() == QDialog::Accepted;
}
