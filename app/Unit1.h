#pragma once
// The main window: tool bar (save, open, restart with its drop-down menu), the board page
// and the status bar, the modified prompt, and the menu commands.

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/New_Puzzle_Dialog.h"
#include "logic/Generator.h"
#include "logic/Hint.h"
#include "model/Board_Model.h"
#include "page/Board_Cursor.h"
#include "page/Entry_Check.h"
#include "page/Game_Session.h"
#include "palette/Board_Drawing.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class Player_Dialogs;
class Puzzle_Exchange;
class Selection_Palette;
class TMainFrame_Boards_Layout_Page;
class TZD_Board_Original_6x6;
class TZD_Board_Original_9x9;
class Busy_Cursor;
class Hint_Bar;
class Keyboard_Play;

extern const char* const Modified_Prompt;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(Puzzle_State& state, Player_Dialogs& dialogs);
    ~TForm1() override;

    // The two palettes are created after the main window and attached here.
    void Attach_Palettes(TZD_Board_Original_9x9* palette_9x9, TZD_Board_Original_6x6* palette_6x6);

    TZD_Board_Original_9x9* ZD_Board_Original_9x9 = nullptr;
    TZD_Board_Original_6x6* ZD_Board_Original_6x6 = nullptr;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr; // save
    QToolButton* ToolButton2 = nullptr; // open
    QToolButton* ToolButton3 = nullptr; // restart, with PopupMenu1 on its arrow
    QToolButton* ToolButton4 = nullptr; // undo
    QToolButton* ToolButton5 = nullptr; // redo
    QToolButton* ToolButton6 = nullptr; // new puzzle
    QToolButton* ToolButton7 = nullptr; // hint
    QToolBar* Hint_Tool_Bar = nullptr;  // holds the hint bar, below ToolBar1
    Hint_Bar* HintBar1 = nullptr;
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
    // Import, paste, export and print, beside the game's own commands.
    Puzzle_Exchange* Exchange = nullptr;

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
    bool Load_Puzzle_From(const QString& path);
    // Shows a puzzle that was read or imported completely in place of the current game: the
    // old pictures freed, the puzzle adopted (history emptied), the info panel, the pictures,
    // the palette captions, the board count, and the game not modified.
    void Show_Loaded_Puzzle(Puzzle_State&& loaded);
    // The modified prompt before the game is replaced; true when it may go.
    bool Confirm_Discard_Changes();
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

    // Keyboard play: the cell cursor, drawn above the pictures, and what the keys do at it.
    Board_Cursor Cursor;
    void Move_Cursor(int dx, int dy);
    void Cursor_Home();
    void Place_Cursor(const Board_Cursor& cell);
    void Hide_Cursor();
    // The number n entered at the cursor as the palette would; a locked cell refuses.
    void Enter_At_Cursor(Integer n);
    // The number a typed text stands for on the cursor's board (a digit, or the board's
    // symbol), or -1.
    Integer Number_Of_Key_Text(const QString& text) const;
    void Open_Palette_At_Cursor();

    // A new puzzle: after the modified prompt, the "New Puzzle" dialog, then the generator on
    // a worker thread behind a progress window whose Cancel stops it; the new game replaces
    // the old one as a loaded file does. False when nothing was made (a refused prompt, the
    // dialog or the generation cancelled).
    bool New_Puzzle();
    // Generates the choice's puzzle off the GUI thread while the window goes on; false when
    // cancelled.
    bool Generate_In_Background(const New_Puzzle_Choice& choice, Generate_Result& result);
    New_Puzzle_Choice Last_New_Puzzle; // the dialog opens with the last choice made

    // Hints: the first press shows the hint of the logic library in the hint bar with its
    // cells marked on the page; the next press (or Apply) enters its number through the
    // session, so it can be undone. Any change of the game takes the hint away.
    void Show_Hint();
    void Apply_Hint();
    void Hide_Hint();
    bool Hint_Shown() const { return Shown_Hint.has_value(); }
    const Hint* Current_Hint() const { return Shown_Hint ? &*Shown_Hint : nullptr; }

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
    void Create_Tool_Bar();
    QToolButton* Add_Tool_Button(const char* name, QAction* action);
    void Create_Hint_Bar();
    void Mark_Hint_Cells(const Hint& hint);
    void Update_Undo_Actions();
    void Create_Menu();
    void Create_Status_Bar();
    void Show_Board_Count();

    Puzzle_State& State;
    // Every change of the game goes through the session, which keeps the undo history.
    Game_Session Session;
    Player_Dialogs& Dialogs;
    std::unique_ptr<Drawing_Resources> Drawing;
    // What each board's picture was last drawn from, so unchanged boards are not drawn again.
    Drawn_Boards Drawn;
    // The cell a palette opened from the keyboard enters into (else the hover cell).
    std::optional<Board_Cursor> Palette_Cell;
    std::optional<Hint> Shown_Hint;
    Keyboard_Play* Keys = nullptr;
    bool Closed = false;
};
