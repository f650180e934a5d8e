#pragma once
// The keyboard's cell cursor: a cell of one board, moved one cell at a time across the page.
// Boards lie on one grid of page cells (a stored position of 20 units is one cell), so the
// cursor moves on that grid: within its board while the board goes on, onto the board that
// continues the page in that direction at the board's edge, across gaps between boards, and
// through the shared cells of linked boards as through any other cell (a shared cell is one
// cell of the page). Qt-free.

#include "model/Board_Model.h"

struct Board_Cursor {
    int Board = -1; // -1: no cell
    int Col = 0;
    int Row = 0;

    bool On_Board() const { return Board >= 0; }
    bool operator==(const Board_Cursor& other) const {
        return Board == other.Board && Col == other.Col && Row == other.Row;
    }
};

// The top-left cell of the first board, or no cell when there is no board.
Board_Cursor First_Cell(const Puzzle_State& state);

// The cell one step (dx, dy) further on the page, each of them -1, 0 or 1: the cursor's own
// board when it holds that cell, else the first board in file order that does; where no board
// holds it, the nearest cell further along that line that a board holds. Stays where it is
// when no board lies that way. A cursor off the boards goes to the first cell.
Board_Cursor Move_Cursor(const Puzzle_State& state, Board_Cursor cursor, int dx, int dy);

// The board that holds page cell (x, y), preferring `preferred`; -1 when none does.
int Board_At_Page_Cell(const Puzzle_State& state, long long x, long long y, int preferred);
