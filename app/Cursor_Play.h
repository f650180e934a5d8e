#pragma once
// The keyboard's cell cursor on the page and what the keys do at it: moved across the boards,
// placed by a click or a hint, a number entered at it as the palette would enter it (a locked
// cell refuses), the palette opened at it. Drawn by the page's overlay, above the pictures.

#include <QString>
#include <functional>

#include "model/Board_Model.h"
#include "session/Board_Cursor.h"

class Game_Session;
class TMainFrame_Boards_Layout_Page;

class Cursor_Play {
  public:
    // The page is attached once the window has made it.
    explicit Cursor_Play(Game_Session& session);
    void Attach_Page(TMainFrame_Boards_Layout_Page* page) { Page = page; }

    // Where the cursor is (Board -1: nowhere yet).
    Board_Cursor Cursor;

    // The window's one door for a number entered into a cell.
    std::function<void(int board, int col, int row, Integer n)> Enter_Number;
    // Opens the palette of the cell's board kind at the cell.
    std::function<void(int board, int col, int row)> Open_Palette;
    // Told whenever the cursor is placed.
    std::function<void()> Moved;

    // The first move shows the cursor where it was, or on the first board's first cell; the
    // next ones move it one cell on the page.
    void Move(int dx, int dy);
    void Home();
    void Place(const Board_Cursor& cell);
    void Hide();
    bool Shown() const;

    // The number n entered at the cursor as the palette would; a locked cell refuses.
    void Enter_Here(Integer n);
    // The number a typed text stands for on the cursor's board (a digit, a letter of a number
    // above 9 in either case, or the board's symbol), or -1.
    Integer Number_Of_Key_Text(const QString& text) const;
    void Open_Palette_Here();
    // The cursor's board, or nullptr while it is on no cell.
    const Sudoku_Boards_FrameWork* Board() const;
    bool On_Cell() const;

  private:
    Game_Session& Session;
    TMainFrame_Boards_Layout_Page* Page = nullptr;
};
