// The keyboard's cursor moves on the page's grid of cells: within its board, onto the board
// that continues the page at an edge, across gaps between boards, through shared cells.

#include <gtest/gtest.h>

#include "Test_Puzzles.h"
#include "session/Board_Cursor.h"

using namespace test_puzzles;

namespace {

Board_Cursor Walk(const Puzzle_State& s, Board_Cursor at, int dx, int dy, int steps) {
    for (int i = 0; i < steps; ++i) {
        at = Move_Cursor(s, at, dx, dy);
    }
    return at;
}

} // namespace

// The Samurai: corners at (0, 0), (12, 0), (0, 12), (12, 12) cells, the centre at (6, 6).
TEST(Board_Cursor, CrossesTheSamuraiAsOnePage) {
    const Puzzle_State s = Samurai_Layout();
    EXPECT_EQ(First_Cell(s), (Board_Cursor{0, 0, 0}));

    // Along the top row: board 0's nine cells, over the gap, on into board 1.
    EXPECT_EQ(Walk(s, {0, 0, 0}, 1, 0, 8), (Board_Cursor{0, 8, 0}));
    EXPECT_EQ(Walk(s, {0, 0, 0}, 1, 0, 9), (Board_Cursor{1, 0, 0}));
    EXPECT_EQ(Walk(s, {0, 0, 0}, 1, 0, 17), (Board_Cursor{1, 8, 0}));
    // Past the last board the cursor stays.
    EXPECT_EQ(Walk(s, {0, 0, 0}, 1, 0, 30), (Board_Cursor{1, 8, 0}));
    EXPECT_EQ(Move_Cursor(s, {0, 0, 0}, -1, 0), (Board_Cursor{0, 0, 0}));

    // Row 7 of board 0 goes on into the centre board beyond the shared block, and the shared
    // block itself is walked on the board the cursor is on.
    EXPECT_EQ(Walk(s, {0, 5, 7}, 1, 0, 1), (Board_Cursor{0, 6, 7}));
    EXPECT_EQ(Walk(s, {0, 5, 7}, 1, 0, 4), (Board_Cursor{2, 3, 1}));
    EXPECT_EQ(Walk(s, {2, 3, 1}, -1, 0, 3), (Board_Cursor{2, 0, 1}));
    EXPECT_EQ(Walk(s, {2, 3, 1}, -1, 0, 4), (Board_Cursor{0, 5, 7}));

    // Down the centre's first column: through its shared top-left block, its own rows, into
    // the bottom-left corner's shared block, where the centre stays the cursor's board.
    EXPECT_EQ(Walk(s, {2, 0, 0}, 0, 1, 8), (Board_Cursor{2, 0, 8}));
    EXPECT_EQ(Walk(s, {2, 0, 0}, 0, 1, 9), (Board_Cursor{3, 6, 3}));
    EXPECT_EQ(Walk(s, {0, 0, 8}, 0, 1, 1), (Board_Cursor{3, 0, 0}));
}

TEST(Board_Cursor, SeparateBoardsAndNoBoards) {
    Puzzle_State s;
    EXPECT_FALSE(First_Cell(s).On_Board());
    EXPECT_FALSE(Move_Cursor(s, {}, 1, 0).On_Board());

    // Two 6x6 boards side by side with a gap of two cells, the second one row lower.
    Add_Board_Model(s, Board_Type_6x6, 6, 6, 6, 1);
    Add_Board_Model(s, Board_Type_6x6, 6, 6, 6, 0);
    s.Board_Overlaps.resize(2);
    s.Board_Positions = {{20, 20}, {20 + 8 * 20, 40}};
    EXPECT_EQ(Walk(s, {0, 0, 3}, 1, 0, 6), (Board_Cursor{1, 0, 2}));
    // Row 0 of the first board has no cell of the second board to its right.
    EXPECT_EQ(Walk(s, {0, 0, 0}, 1, 0, 9), (Board_Cursor{0, 5, 0}));
    // A cursor on a board that is gone starts again at the first cell.
    EXPECT_EQ(Move_Cursor(s, {4, 0, 0}, 1, 0), (Board_Cursor{0, 0, 0}));
    EXPECT_EQ(Move_Cursor(s, {0, 6, 0}, 0, 1), (Board_Cursor{0, 0, 0}));
    EXPECT_EQ(Board_At_Page_Cell(s, 9, 3, -1), 1);
    EXPECT_EQ(Board_At_Page_Cell(s, 8, 3, -1), -1);
}
