#pragma once
// The main window: tool bar (save, open, restart with its drop-down menu), the board page
// and the status bar, the modified prompt, and the menu commands. Its member definitions
// live by concern: Unit1.cpp (making the window, closing it), Unit1_Files.cpp (open, save,
// a puzzle shown in place of the game), Unit1_Play.cpp (entries, redraws, the entry check,
// undo and redo, the palettes), Unit1_Menu.cpp (the drop-down menu's commands) and
// Unit1_New_Puzzle.cpp. Hints, the making of new puzzles and the cell cursor are objects of
// their own that the window owns.

#include <QMainWindow>
#include <memory>
#include <optional>
#include <vector>

#include "app/Cursor_Play.h"
#include "app/New_Puzzle_Dialog.h"
#include "app/Puzzle_Exchange.h"
#include "engine/Entry_Check.h"
#include "logic/Hint.h"
#include "model/Board_Model.h"
#include "render/Board_Drawing.h"
#include "session/Board_Cursor.h"
#include "session/Game_Session.h"
#include "widgets/Drawn_Boards.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class Busy_Cursor;
class Generation_Runner;
class Hint_Bar;
class Hint_Presenter;
class Keyboard_Play;
class Progress_Panel;
class QThread;
class QTimer;
class Play_Marks;
class Player_Dialogs;
class Selection_Palette;
class TMainFrame_Boards_Layout_Page;
class TZD_Board_Original_6x6;
class TZD_Board_Original_9x9;

extern const char* const Modified_Prompt;

class TForm1 : public QMainWindow, public Game_Door {
    Q_OBJECT
  public:
    TForm1(Puzzle_State& state, Player_Dialogs& dialogs);
    ~TForm1() override;

    // The palettes are created after the main window and attached here: the 9x9 and the 6x6
    // one, and those of the other board kinds.
    void Attach_Palettes(TZD_Board_Original_9x9* palette_9x9, TZD_Board_Original_6x6* palette_6x6,
                         const std::vector<Selection_Palette*>& others = {});

    TZD_Board_Original_9x9* ZD_Board_Original_9x9 = nullptr;
    TZD_Board_Original_6x6* ZD_Board_Original_6x6 = nullptr;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;  // save
    QToolButton* ToolButton2 = nullptr;  // open
    QToolButton* ToolButton3 = nullptr;  // restart, with PopupMenu1 on its arrow
    QToolButton* ToolButton4 = nullptr;  // undo
    QToolButton* ToolButton5 = nullptr;  // redo
    QToolButton* ToolButton6 = nullptr;  // new puzzle
    QToolButton* ToolButton7 = nullptr;  // hint
    QToolButton* ToolButton8 = nullptr;  // notes: note mode, with the notes commands on its arrow
    QToolButton* ToolButton9 = nullptr;  // marks: conflicts and highlighting
    QToolButton* ToolButton10 = nullptr; // more: every command in one menu
    TMainFrame_Boards_Layout_Page* Frame_Boards_Layout_Page = nullptr;
    QLabel* Status_Panels[3] = {nullptr, nullptr, nullptr};
    QMenu* PopupMenu1 = nullptr;
    QAction* LockNumbers1 = nullptr;
    QAction* UnlockNumbers1 = nullptr;
    QAction* SetNumbers1 = nullptr;
    QAction* N1 = nullptr;
    QAction* ShowLabels1 = nullptr;
    QAction* HelpmeSolveit1 = nullptr;
    QAction* Save_Action = nullptr;
    QAction* Open_Action = nullptr;
    QAction* Restart_Action = nullptr;
    QAction* Undo_Action = nullptr;
    QAction* Redo_Action = nullptr;
    QAction* Hint_Action = nullptr;
    QAction* New_Action = nullptr;
    // The player's marks.
    QAction* Note_Mode_Action = nullptr;
    QAction* Notes_Window_Action = nullptr;
    QAction* Fill_Notes_Action = nullptr;
    QAction* Clear_Notes_Action = nullptr;
    QAction* Auto_Remove_Notes_Action = nullptr;
    QAction* Conflicts_Action = nullptr;
    QAction* Cursor_Number_Action = nullptr;
    QMenu* Notes_Menu = nullptr;
    QMenu* Marks_Menu = nullptr;
    QMenu* Highlight_Menu = nullptr;
    // Zoom, the list of keys, About, Quit, and the menu of every command.
    QAction* Zoom_In_Action = nullptr;
    QAction* Zoom_Out_Action = nullptr;
    QAction* Actual_Size_Action = nullptr;
    QAction* Fit_Action = nullptr;
    QAction* Keys_Action = nullptr;
    QAction* About_Action = nullptr;
    QAction* Quit_Action = nullptr;
    QMenu* More_Menu = nullptr;
    // The puzzle's kind, level and clock at the right end of the tool bar.
    Progress_Panel* Progress = nullptr;

    // The page's zoom (1 = 100%), in steps from 100% to 300%.
    qreal Zoom() const;
    void Set_Zoom(qreal zoom);
    void Step_Zoom(int direction);
    // What the puzzle is, for people: a kind the generator makes, else its size or boards.
    QString Kind_Description() const;
    static QString Keys_Text();
    static QString About_Text();

    // Import, paste, export and print, beside the game's own commands.
    Puzzle_Exchange* Exchange = nullptr;
    // Hints: the bar below the tool bar and the marks on the page.
    Hint_Presenter* Hints = nullptr;
    Hint_Bar* HintBar1 = nullptr; // the hint presenter's bar
    // New puzzles made on a worker thread.
    Generation_Runner* Runner = nullptr;
    // Notes, conflicts and highlighting on the page.
    Play_Marks* Marks = nullptr;

    void FormCreate();
    void FormShow();
    void FormCloseQuery(bool& CanClose);
    void FormClose();
    void ToolButton1Click();
    void ToolButton2Click();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton7Click();
    void PopupMenu1Popup();
    void LockNumbers1Click();
    void UnlockNumbers1Click();
    void SetNumbers1Click();
    void ShowLabels1Click();
    void HelpmeSolveit1Click();
    void BoardImageClick();
    void Label3Click(const QString& link);

    void Load_Puzzle_File();
    void Save_Puzzle_File();
    // Loads the file at path (after the prompt and the dialog); true when it was loaded.
    bool Load_Puzzle_From(const QString& path) override;
    // Shows a puzzle that was read or imported completely in place of the current game: the
    // old pictures freed, the puzzle adopted (history emptied), the info panel, the pictures,
    // the palette captions, the board count, and the game not modified.
    void Show_Loaded_Puzzle(Puzzle_State&& loaded) override;
    // The modified prompt before the game is replaced; true when it may go.
    bool Confirm_Discard_Changes() override;
    // Saves to path; true when the file was written.
    bool Save_Puzzle_To(const QString& path);
    void Restart_Boards();

    // The one door for a number entered into a cell (0 empties it): the number is stored and
    // copied, the candidates recomputed, and the change finished as every change is.
    void Enter_Number(int board, int col, int row, Integer n);
    // What every change of the numbers ends with: every board redrawn, pending window messages
    // let through so the pictures appear, the entry check, and its message once the hourglass
    // (when the change showed one) is gone.
    void After_Change(Busy_Cursor* busy);

    // A new puzzle: after the modified prompt, the "New Puzzle" dialog, then the generator on
    // a worker thread behind a progress window whose Cancel stops it; the new game replaces
    // the old one as a loaded file does. False when nothing was made (a refused prompt, the
    // dialog or the generation cancelled).
    bool New_Puzzle();
    New_Puzzle_Choice Last_New_Puzzle; // the dialog opens with the last choice made

    bool Hint_Shown() const;
    const Hint* Current_Hint() const;

    void Redraw_Board(int i);
    void Redraw_All_Boards();
    void Show_Check_Result(Check_Verdict verdict);
    Selection_Palette* Palette_For(Integer board_type) const;
    Drawing_Resources& Resources() { return *Drawing; }
    Puzzle_State& State_Of_Game() { return State; }
    Game_Session& Session_Of_Game() { return Session; }

    // "Total Boards: " and the count grouped by the locale's thousands separator.
    static QString Board_Count_Text(qlonglong count);
    // The web address the link text stands for, or an empty string when it is none.
    static QString Link_Address(const QString& link);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Puzzle_State& State;
    // Every change of the game goes through the session, which keeps the undo history.
    Game_Session Session;

  public:
    // The keyboard's cell cursor and what the keys do at it.
    Cursor_Play Cursor_Keys{Session};
    const Board_Cursor& Cursor = Cursor_Keys.Cursor;

  private:
    void Create_Tool_Bar();
    void Create_Marks_Controls();
    void Create_More_Controls();
    // A new game on the page: the progress starts again (the level given, else graded).
    void Start_Progress(const QString& level);
    void Check_Grade();
    void Wait_For_Workers();
    struct Grade_Job;
    std::shared_ptr<Grade_Job> Grade;
    std::vector<std::unique_ptr<QThread>> Grade_Workers;
    QTimer* Grade_Poll = nullptr;
    std::uint64_t Game_Serial = 0;
    QString Made_Level; // the level of a puzzle made here, for the progress once it shows
    // A step of undo or redo that leaves the boards full says the check's message only when
    // it filled them.
    void After_Undo_Or_Redo(Busy_Cursor* busy, bool was_full);
    QAction* Add_Action(const QString& text, const QKeySequence& keys, const QString& tip);
    QToolButton* Add_Tool_Button(const char* name, QAction* action);
    void Update_Undo_Actions();
    void Create_Menu();
    void Create_Status_Bar();
    void Show_Board_Count();
    // Opens the palette of the cell's board kind at a cell the keyboard's cursor names.
    void Open_Palette_At(int board, int col, int row);

    Player_Dialogs& Dialogs;
    std::unique_ptr<Drawing_Resources> Drawing;
    // What each board's picture was last drawn from, so unchanged boards are not drawn again.
    Drawn_Boards Drawn;
    // The cell a palette opened from the keyboard enters into (else the hover cell).
    std::optional<Board_Cursor> Palette_Cell;
    Keyboard_Play* Keys = nullptr;
    bool Closed = false;
};
