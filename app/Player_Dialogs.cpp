#include "app/Player_Dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

QString Display_Text(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

bool Qt_Player_Dialogs::Confirm(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), Display_Text(text),
                    QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void Qt_Player_Dialogs::Warning(QWidget* owner, const QString& text) {
    QMessageBox::warning(owner, QStringLiteral("Warning"), Display_Text(text));
}

void Qt_Player_Dialogs::Information(QWidget* owner, const QString& text) {
    QMessageBox::information(owner, QStringLiteral("Information"), Display_Text(text));
}

void Qt_Player_Dialogs::Error(QWidget* owner, const QString& text) {
    QMessageBox::critical(owner, QStringLiteral("Error"), Display_Text(text));
}

QString Qt_Player_Dialogs::Open_File_Name(QWidget* owner, const QString& title,
                                          const QString& filter, const QString& directory) {
    QFileDialog dialog(owner, title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("zd2"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString Qt_Player_Dialogs::Save_File_Name(QWidget* owner, const QString& title,
                                          const QString& filter, const QString& directory) {
    QFileDialog dialog(owner, title, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("zd2"));
    dialog.setSizeGripEnabled(true);
    // The dialog asks before an existing file is overwritten (the toolkit's default).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void Qt_Player_Dialogs::Open_Url(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

void Choose_File_Then(Player_Dialogs& dialogs, QWidget* owner, File_Dialog_Kind kind,
                      const char* title, const char* filter,
                      const std::function<void(const QString&)>& act) {
    const QString caption = QString::fromLatin1(title);
    const QString filters = QString::fromLatin1(filter);
    const QString folder = QStringLiteral(".");
    QString path;
    switch (kind) {
    case File_Dialog_Kind::Open:
        path = dialogs.Open_File_Name(owner, caption, filters, folder);
        break;
    case File_Dialog_Kind::Save:
        path = dialogs.Save_File_Name(owner, caption, filters, folder);
        break;
    case File_Dialog_Kind::Import:
        path = dialogs.Import_File_Name(owner, caption, filters, folder);
        break;
    case File_Dialog_Kind::Export:
        path = dialogs.Export_File_Name(owner, caption, filters, folder);
        break;
    }
    if (!path.isEmpty()) {
        act(path);
    }
}

void Qt_Player_Dialogs::Show_Text(QWidget* owner, const QString& title, const QString& rich_text) {
    QDialog dialog(owner);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* scroller = new QScrollArea(&dialog);
    scroller->setWidgetResizable(true);
    auto* text = new QLabel(rich_text, scroller);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setMargin(8);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    text->setOpenExternalLinks(true);
    scroller->setWidget(text);
    layout->addWidget(scroller);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(560, 520);
    dialog.exec();
}
