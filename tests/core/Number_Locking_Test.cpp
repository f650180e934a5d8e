#include <gtest/gtest.h>

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Number_Locking.h"
#include "tests/core/Test_Puzzles.h"

using namespace test_puzzles;

namespace {

Integer& Cell(Puzzle_State& s, int b, int c, int r) {
    return s.Sudoku_Boards[b].Cell_Values[c][r];
}
Byte Locked(const Puzzle_State& s, int b, int c, int r) {
    return s.Sudoku_Boards[b].Cell_Locked[c][r];
}

// The lock map of every board equals its filled cells.
void Expect_Locks_Match_Numbers(const Puzzle_State& s) {
    for (std::size_t b = 0; b < s.Sudoku_Boards.size(); ++b) {
        const auto& board = s.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c)
            for (int r = 0; r < board.Rows; ++r)
                EXPECT_EQ(board.Cell_Locked[c][r] != 0, board.Cell_Values[c][r] != 0)
                    << b << " (" << c << ", " << r << ")";
    }
}

} // namespace

TEST(Number_Locking, LockTakesExactlyTheFilledCellsAndTouchesNothingElse) {
    Test_Puzzle p = Samurai();
    Puzzle_State& s = p.State;
    Recompute_All(s);
    s.Game_Modified = false;
    s.Sudoku_Boards[1].Cell_Locked[0][0] = 1; // a stale lock on a cell...
    Cell(s, 1, 0, 0) = 0;                     // ...that is empty now
    const Puzzle_State before = s;
    Lock_Numbers(s);
    Expect_Locks_Match_Numbers(s);
    EXPECT_EQ(Locked(s, 1, 0, 0), 0);
    EXPECT_FALSE(s.Game_Modified);
    for (std::size_t b = 0; b < s.Sudoku_Boards.size(); ++b) {
        EXPECT_EQ(s.Sudoku_Boards[b].Cell_Values, before.Sudoku_Boards[b].Cell_Values);
        for (int c = 0; c < 9; ++c)
            for (int r = 0; r < 9; ++r)
                EXPECT_EQ(s.Sudoku_Boards[b].Cell_Tracking[c][r].Candidates,
                          before.Sudoku_Boards[b].Cell_Tracking[c][r].Candidates);
    }
    // Numbers entered afterwards are locked by the next lock too; copies lock together.
    Set_Cell_Value(s, 2, 0, 0, p.Solution[2][0][0]);
    s.Game_Modified = false;
    Lock_Numbers(s);
    EXPECT_NE(Locked(s, 2, 0, 0), 0);
    EXPECT_NE(Locked(s, 0, 6, 6), 0);
    Expect_Locks_Match_Numbers(s);

    Unlock_Numbers(s);
    EXPECT_FALSE(s.Game_Modified);
    for (const auto& board : s.Sudoku_Boards)
        for (const auto& column : board.Cell_Locked)
            for (Byte locked : column)
                EXPECT_EQ(locked, 0);
}

TEST(Number_Locking, LockingAnEmptyBoardLocksNothing) {
    Puzzle_State s = One_Board_State(Board_Type_6x6, 6, 0);
    Lock_Numbers(s);
    for (const auto& column : s.Sudoku_Boards[0].Cell_Locked)
        for (Byte locked : column)
            EXPECT_EQ(locked, 0);
}

TEST(Restart_Boards, KeepsLockedNumbersAndEmptiesTheRest) {
    Test_Puzzle p = Classic_9x9();
    Puzzle_State& s = p.State;
    Lock_Numbers(s); // the givens
    Recompute_All(s);
    Set_Cell_Value(s, 0, 2, 0, 4);
    Set_Cell_Value(s, 0, 3, 0, 6);
    s.Game_Modified = false;
    const Test_Puzzle fresh = Classic_9x9();
    EXPECT_TRUE(Restart_Boards(s));
    EXPECT_TRUE(s.Game_Modified);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values, fresh.State.Sudoku_Boards[0].Cell_Values);
    // The candidates are those of the givens alone.
    Puzzle_State expected = fresh.State;
    Recompute_Candidates(expected);
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r)
            EXPECT_EQ(s.Sudoku_Boards[0].Cell_Tracking[c][r].Possible,
                      expected.Sudoku_Boards[0].Cell_Tracking[c][r].Possible);

    // After unlocking, a restart empties every cell.
    Unlock_Numbers(s);
    EXPECT_TRUE(Restart_Boards(s));
    for (const auto& column : s.Sudoku_Boards[0].Cell_Values)
        for (Integer v : column)
            EXPECT_EQ(v, 0);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Tracking[4][4].Candidate_Count, 9);

    Puzzle_State none;
    EXPECT_FALSE(Restart_Boards(none));
    EXPECT_FALSE(none.Game_Modified);
}

TEST(Set_Numbers_Fill, FillsSingleCandidatesWithTheirCopiesAndRecomputes) {
    // The corner board's row 6 holds 1..8 except at (6, 6), the first cell of the shared block.
    Puzzle_State s = Corner_And_Centre();
    const int row[9] = {1, 2, 3, 4, 5, 6, 0, 7, 8};
    for (int c = 0; c < 9; ++c)
        Place_Given(s, 0, c, 6, row[c]);
    Recompute_All(s);
    s.Game_Modified = false;
    ASSERT_EQ(s.Sudoku_Boards[0].Cell_Tracking[6][6].Candidates, (std::vector<Integer>{9}));
    EXPECT_EQ(Set_Numbers_Fill(s), 1);
    EXPECT_EQ(Cell(s, 0, 6, 6), 9);
    EXPECT_EQ(Cell(s, 1, 0, 0), 9);
    EXPECT_TRUE(s.Game_Modified);
    EXPECT_FALSE(s.Sudoku_Boards[1].Cell_Tracking[0][5].Possible[8]); // recomputed

    // Nothing left to fill: nothing changes, Game_Modified stays as it was.
    s.Game_Modified = false;
    const Puzzle_State before = s;
    EXPECT_EQ(Set_Numbers_Fill(s), 0);
    EXPECT_FALSE(s.Game_Modified);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values, before.Sudoku_Boards[0].Cell_Values);
}

// The cells are judged by the lists of the last recomputation, which filling does not
// change, and locks are not consulted: two cells of one row that both list only 4 are both
// filled, and the check then finds the repeat once the board is full.
TEST(Set_Numbers_Fill, JudgesByTheLastListsAndIgnoresLocks) {
    Puzzle_State s = One_Board_State(Board_Type_6x6, 6, 1);
    s.Sudoku_Boards[0].Cell_Values = Six_Solution(true);
    for (int c : {0, 1}) {
        Cell(s, 0, c, 0) = 0;
        auto& t = s.Sudoku_Boards[0].Cell_Tracking[c][0];
        t.Candidates = {4};
        t.Candidate_Count = 1;
    }
    s.Sudoku_Boards[0].Cell_Locked[1][0] = 1;
    // A cell whose Possible holds one number but whose list says two is not filled.
    Cell(s, 0, 5, 5) = 0;
    auto& stale = s.Sudoku_Boards[0].Cell_Tracking[5][5];
    stale.Possible.assign(6, 0);
    stale.Possible[1] = 1;
    stale.Candidates = {2, 3};
    stale.Candidate_Count = 2;
    EXPECT_EQ(Set_Numbers_Fill(s), 2);
    EXPECT_EQ(Cell(s, 0, 0, 0), 4);
    EXPECT_EQ(Cell(s, 0, 1, 0), 4);
    EXPECT_EQ(Cell(s, 0, 5, 5), 0);
    EXPECT_NE(s.Sudoku_Boards[0].Cell_Locked[1][0], 0);
}

TEST(Set_Numbers_Fill, CompletingThePuzzleLetsTheCheckReportIt) {
    Test_Puzzle p = Six_By_Six(false);
    Puzzle_State& s = p.State;
    s.Sudoku_Boards[0].Cell_Values = p.Solution[0];
    Cell(s, 0, 2, 3) = 0;
    Recompute_All(s);
    EXPECT_EQ(Set_Numbers_Fill(s), 1);
    EXPECT_EQ(Cell(s, 0, 2, 3), p.Solution[0][2][3]);
    EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed);
}
