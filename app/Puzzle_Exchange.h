#pragma once
// Puzzles from anywhere and out again: the window's commands that import a puzzle of any
// format the game reads, paste one from the clipboard, export the page as a picture or a PDF
// and print it, and the puzzle file the desktop hands the game at start-up. They sit beside
// the tool bar's buttons as window actions with their own shortcuts and dialogs, and load
// through the window's own path for a read puzzle.

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

class QAction;
class QPrinter;
class QWidget;
class Game_Session;
class Player_Dialogs;
struct Puzzle_State;
struct Text_Import_Result;

// What the exchange asks of the window that shows the game: the modified prompt, a puzzle file
// loaded as the open button loads it, and a puzzle read or imported shown in place of the game.
class Game_Door {
  public:
    virtual ~Game_Door() = default;
    // The modified prompt before the game is replaced; true when it may go.
    virtual bool Confirm_Discard_Changes() = 0;
    // Loads the puzzle file at path; true when it was loaded.
    virtual bool Load_Puzzle_From(const QString& path) = 0;
    // Shows a puzzle read or imported completely in place of the current game.
    virtual void Show_Loaded_Puzzle(Puzzle_State&& loaded) = 0;
};

extern const char* const Import_Title;     // "Import Puzzle"
extern const char* const Import_Filter;    // all puzzle files first, then each format
extern const char* const Export_Title;     // "Export the Page"
extern const char* const Export_Filter;    // PNG, then PDF
extern const char* const Clipboard_Source; // how the puzzle chooser names the clipboard

class Puzzle_Exchange : public QObject {
    Q_OBJECT
  public:
    // Creates the actions on the window, where their shortcuts work wherever the focus
    // is. The window owns the exchange.
    Puzzle_Exchange(QWidget& window, Game_Door& door, Game_Session& session,
                    Player_Dialogs& dialogs);

    QAction* Import_Action = nullptr; // "Import Puzzle...", Ctrl+I
    QAction* Paste_Action = nullptr;  // "Paste Puzzle", Ctrl+V
    // The same with tall blocks for a 6x6, 8x8 or 12x12 text that does not show its blocks:
    // Ctrl+Shift+I and Ctrl+Shift+V.
    QAction* Import_Tall_Action = nullptr;
    QAction* Paste_Tall_Action = nullptr;
    QAction* Export_Action = nullptr; // "Export Page...", Ctrl+E
    QAction* Print_Action = nullptr;  // "Print Page...", Ctrl+P

    // The modified prompt, the import dialog, then the chosen file as Open_Path loads it.
    void Import_Puzzle();
    // The clipboard's text as a puzzle: refused with the importer's message before anything
    // is asked, else the modified prompt and, for several puzzles, the choice of one.
    void Paste_Puzzle();
    // The same two, tall blocks chosen.
    void Import_Puzzle_Tall();
    void Paste_Puzzle_Tall();
    // The export dialog, then the page written as the file name's extension says.
    void Export_Page();
    // The system's print dialog, then the page printed, scaled to the paper.
    void Print_Page();

    // Loads a file of any format the game reads, after the prompt: a puzzle file (*.zd2, or
    // a file with its header) as the open button loads it, anything else through the text
    // importer, with the choice of one puzzle when it holds several. A refusal shows its
    // message and changes nothing. True when a puzzle was loaded. A text's 6x6, 8x8 or
    // 12x12 board gets tall blocks when tall is set and the text does not show its blocks.
    bool Open_Path(const QString& path, bool tall = false);

    // Writes the page to path (.png or .pdf); a failure shows its message. True when written.
    bool Export_Page_To(const QString& path);
    // Prints the page on a printer that is set up; false when it could not be started.
    bool Print_Page_On(QPrinter& printer);

    // The puzzle file the game was started with, loaded once the window is up (no prompt:
    // the game is empty then).
    void Open_At_Start_Up(const QString& path);

  private:
    QWidget& Window;
    Game_Door& Door;
    Game_Session& Session;
    Player_Dialogs& Dialogs;

    // Shows the first puzzle of a text as imported (name: the file's name or path, or empty),
    // or its refusal; for a text of several puzzles the player chooses one first, named in the
    // chooser by source, and any but the first is imported then.
    bool Show_Imported(const std::string& text, const std::string& name, const QString& source,
                       bool tall, Text_Import_Result&& imported);
    void Import_With(bool tall);
    void Paste_With(bool tall);

    QAction* Add_Action(const QString& text, const QKeySequence& keys, const QString& tip,
                        void (Puzzle_Exchange::*handler)());
};

// The puzzle file named on the command line (the first argument after the program's name
// that Qt did not take for itself and that is no option; a file: address is taken as its
// path), made absolute against folder, the one the game was started in; empty when none.
QString Start_Up_Puzzle_Path(const QStringList& arguments, const QString& folder);
