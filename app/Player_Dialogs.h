#pragma once
// Every question, message and file dialog the game shows goes through this interface, so
// tests can answer prompts and choose files without blocking.

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;
struct New_Puzzle_Choice;

class Player_Dialogs {
  public:
    virtual ~Player_Dialogs() = default;

    // A Yes/No confirmation; true only for Yes.
    virtual bool Confirm(QWidget* owner, const QString& text) = 0;
    // A warning box (caption "Warning") with one OK button.
    virtual void Warning(QWidget* owner, const QString& text) = 0;
    // An information box (caption "Information") with one OK button.
    virtual void Information(QWidget* owner, const QString& text) = 0;
    // A message about a failed file operation, with one OK button.
    virtual void Error(QWidget* owner, const QString& text) = 0;

    // The open and save dialogs; an empty result means cancelled.
    virtual QString Open_File_Name(QWidget* owner, const QString& title, const QString& filter,
                                   const QString& directory) = 0;
    virtual QString Save_File_Name(QWidget* owner, const QString& title, const QString& filter,
                                   const QString& directory) = 0;

    // Hands a web address to the desktop's default handler.
    virtual void Open_Url(const QString& url) = 0;

    // The import dialog: an existing file of any of the filters (separated by ";;"), no
    // extension added; the export dialog: a file to write, ".png" added to a bare name. An
    // empty result means cancelled.
    virtual QString Import_File_Name(QWidget* owner, const QString& title, const QString& filter,
                                     const QString& directory) = 0;
    virtual QString Export_File_Name(QWidget* owner, const QString& title, const QString& filter,
                                     const QString& directory) = 0;
    // Which of the count puzzles of the source (a file name, or the clipboard) to play: its
    // index from 0, the first offered; -1 means cancelled.
    virtual int Choose_Puzzle(QWidget* owner, const QString& source, int count) = 0;
    // The system's print dialog on the printer; true when the player chose to print.
    virtual bool Choose_Printer(QWidget* owner, QPrinter& printer) = 0;
    // The "New Puzzle" dialog, opening with `choice` chosen; true with the player's choice
    // in it when they pressed OK.
    virtual bool Choose_New_Puzzle(QWidget* owner, New_Puzzle_Choice& choice) = 0;
    // A window of text (the list of keys, the About box) with a Close button.
    virtual void Show_Text(QWidget* owner, const QString& title, const QString& rich_text) = 0;
};

// The real dialogs of the toolkit.
class Qt_Player_Dialogs : public Player_Dialogs {
  public:
    bool Confirm(QWidget* owner, const QString& text) override;
    void Warning(QWidget* owner, const QString& text) override;
    void Information(QWidget* owner, const QString& text) override;
    void Error(QWidget* owner, const QString& text) override;
    QString Open_File_Name(QWidget* owner, const QString& title, const QString& filter,
                           const QString& directory) override;
    QString Save_File_Name(QWidget* owner, const QString& title, const QString& filter,
                           const QString& directory) override;
    void Open_Url(const QString& url) override;
    QString Import_File_Name(QWidget* owner, const QString& title, const QString& filter,
                             const QString& directory) override;
    QString Export_File_Name(QWidget* owner, const QString& title, const QString& filter,
                             const QString& directory) override;
    int Choose_Puzzle(QWidget* owner, const QString& source, int count) override;
    bool Choose_Printer(QWidget* owner, QPrinter& printer) override;
    bool Choose_New_Puzzle(QWidget* owner, New_Puzzle_Choice& choice) override;
    void Show_Text(QWidget* owner, const QString& title, const QString& rich_text) override;
};

// The four file dialogs: the open and save dialogs of puzzle files, the import dialog and the
// export dialog.
enum class File_Dialog_Kind { Open, Save, Import, Export };

// The file dialog of this kind with its title and filter, starting in the current folder
// (the program's, where the sample puzzles are); then act on the chosen file. Nothing happens
// when the dialog is cancelled.
void Choose_File_Then(Player_Dialogs& dialogs, QWidget* owner, File_Dialog_Kind kind,
                      const char* title, const char* filter,
                      const std::function<void(const QString&)>& act);

// Message texts keep the carriage return of the game's own texts; a message box shows it as
// a line break.
QString Display_Text(const QString& text);
