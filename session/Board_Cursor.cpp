#include "session/Board_Cursor.h"

#include "model/Board_Geometry.h"

namespace {

bool Holds(const Puzzle_State& state, int board, long long x, long long y) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    const long long left = Board_Left_Cell(state, board);
    const long long top = Board_Top_Cell(state, board);
    return x >= left && y >= top && x < left + b.Cols && y < top + b.Rows;
}

// How far a search along a line of the page looks for the next board.
constexpr long long Search_Cells = 4096;

} // namespace

Board_Cursor First_Cell(const Puzzle_State& state) {
    Board_Cursor cursor;
    if (!state.Sudoku_Boards.empty() && state.Sudoku_Boards[0].Cols > 0 &&
        state.Sudoku_Boards[0].Rows > 0) {
        cursor.Board = 0;
    }
    return cursor;
}

int Board_At_Page_Cell(const Puzzle_State& state, long long x, long long y, int preferred) {
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    if (preferred >= 0 && preferred < boards && Holds(state, preferred, x, y)) {
        return preferred;
    }
    for (int b = 0; b < boards; ++b) {
        if (Holds(state, b, x, y)) {
            return b;
        }
    }
    return -1;
}

Board_Cursor Move_Cursor(const Puzzle_State& state, Board_Cursor cursor, int dx, int dy) {
    if (!cursor.On_Board() || cursor.Board >= static_cast<int>(state.Sudoku_Boards.size()) ||
        !Cell_Exists(state, cursor.Board, cursor.Col, cursor.Row)) {
        return First_Cell(state);
    }
    if (dx == 0 && dy == 0) {
        return cursor;
    }
    const long long x0 = Board_Left_Cell(state, cursor.Board) + cursor.Col;
    const long long y0 = Board_Top_Cell(state, cursor.Board) + cursor.Row;
    for (long long step = 1; step <= Search_Cells; ++step) {
        const long long x = x0 + dx * step;
        const long long y = y0 + dy * step;
        const int board = Board_At_Page_Cell(state, x, y, cursor.Board);
        if (board >= 0) {
            return {board, static_cast<int>(x - Board_Left_Cell(state, board)),
                    static_cast<int>(y - Board_Top_Cell(state, board))};
        }
    }
    return cursor;
}
