#include <gtest/gtest.h>

#include <string>

#include "engine/Entry_Check.h"
#include "tests/core/Test_Puzzles.h"

using namespace test_puzzles;

namespace {

Puzzle_State Solved_Nine() {
    Test_Puzzle p = Classic_9x9();
    p.State.Sudoku_Boards[0].Cell_Values = p.Solution[0];
    return p.State;
}

Integer& Cell(Puzzle_State& s, int b, int c, int r) {
    return s.Sudoku_Boards[b].Cell_Values[c][r];
}

// Two solved 9x9 boards without links.
Puzzle_State Two_Solved_Nines() {
    Puzzle_State s = Solved_Nine();
    const Grid solution = s.Sudoku_Boards[0].Cell_Values;
    Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
    s.Board_Overlaps.resize(2);
    s.Board_Positions.resize(2);
    s.Sudoku_Boards[1].Cell_Values = solution;
    return s;
}

} // namespace

TEST(Entry_Check, MessagesOfTheVerdicts) {
    EXPECT_EQ(std::string(Check_Message(Check_Verdict::Duplicates)),
              "Duplicate Entries have been Found.");
    EXPECT_EQ(std::string(Check_Message(Check_Verdict::All_Completed)),
              "All Sudoku Boards Successfully Completed.");
    EXPECT_EQ(std::string(Check_Message(Check_Verdict::Nothing_To_Say)), "");
}

TEST(Entry_Check, SolvedRepeatedAndUnfinishedBoards) {
    Puzzle_State s = Solved_Nine();
    EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed);

    Puzzle_State repeat = s;
    Cell(repeat, 0, 0, 0) = Cell(repeat, 0, 1, 0); // same number twice in row 0
    EXPECT_EQ(Check_Boards(repeat), Check_Verdict::Duplicates);

    // One empty cell silences the check, although a repeat stands elsewhere.
    Cell(repeat, 0, 8, 8) = 0;
    EXPECT_EQ(Check_Boards(repeat), Check_Verdict::Nothing_To_Say);

    // "Clear" on a solved puzzle: nothing to say.
    Puzzle_State cleared = s;
    Cell(cleared, 0, 4, 4) = 0;
    EXPECT_EQ(Check_Boards(cleared), Check_Verdict::Nothing_To_Say);

    // Two boards, one solved and one with an empty cell.
    Puzzle_State two = Two_Solved_Nines();
    EXPECT_EQ(Check_Boards(two), Check_Verdict::All_Completed);
    Cell(two, 1, 3, 5) = 0;
    EXPECT_EQ(Check_Boards(two), Check_Verdict::Nothing_To_Say);

    EXPECT_EQ(Check_Boards(Puzzle_State{}), Check_Verdict::Nothing_To_Say);
}

// The empty cell (2, 2) is reached by no scan: row 2 stops at (1, 2), column 2 at (2, 1) and
// the third strip of block (0, 0) at (2, 1), each at a repeat.
TEST(Entry_Check, AnEmptyCellBehindRepeatsIsNotNoticed) {
    Puzzle_State s = Solved_Nine();
    Cell(s, 0, 1, 2) = Cell(s, 0, 0, 2);
    Cell(s, 0, 2, 1) = Cell(s, 0, 2, 0);
    Cell(s, 0, 2, 2) = 0;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Duplicates);

    // With only the row repeat, the column scan reaches the empty cell.
    Puzzle_State row_only = Solved_Nine();
    Cell(row_only, 0, 1, 2) = Cell(row_only, 0, 0, 2);
    Cell(row_only, 0, 2, 2) = 0;
    EXPECT_EQ(Check_Boards(row_only), Check_Verdict::Nothing_To_Say);
}

// Rows and columns of (c + r) mod 9 are all correct, its blocks repeat numbers, but never
// within one strip (column) of a block: only a seen set kept across the block's strips finds
// them.
TEST(Entry_Check, BlockRepeatsWithAndWithoutTheBlockRule) {
    Puzzle_State s = One_Board_State(Board_Type_9x9, 9, 0);
    for (int c = 0; c < 9; ++c)
        for (int r = 0; r < 9; ++r)
            Cell(s, 0, c, r) = (c + r) % 9 + 1;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Duplicates);
    s.Regions_Only = 1;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed);
    // A custom region that repeats a number: (0, 1) and (1, 0) both hold 2.
    s.Custom_Regions_On = 1;
    s.Custom_Regions = {{{0, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}}};
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Duplicates);
    s.Custom_Regions = {{{0, 0, 0, 0}, {0, 0, 1, 0}, {0, 2, 0, 0}}};
    EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed);
    // Regions are not read while they are off.
    s.Custom_Regions = {{{0, 0, 1, 0}, {0, 1, 0, 0}}};
    s.Custom_Regions_On = 0;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed);
}

TEST(Entry_Check, ARegionAcrossTwoBoards) {
    Puzzle_State s = Two_Solved_Nines();
    s.Custom_Regions_On = 1;
    // The same cell of both boards holds the same number.
    s.Custom_Regions = {{{0, 0, 0, 0}, {1, 0, 0, 0}}};
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Duplicates);
    s.Custom_Regions = {{{0, 0, 0, 0}, {1, 1, 0, 0}}};
    EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed);
    // An empty cell of the region on board 2 is met by the region scan too.
    Cell(s, 1, 1, 0) = 0;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Nothing_To_Say);
}

TEST(Entry_Check, SixBySixIsJudgedByItsOwnBlockShape) {
    for (const bool wide : {true, false}) {
        Puzzle_State s = One_Board_State(Board_Type_6x6, 6, wide ? 1 : 0);
        s.Sudoku_Boards[0].Cell_Values = Six_Solution(wide);
        EXPECT_EQ(Check_Boards(s), Check_Verdict::All_Completed) << wide;
        // The same numbers on the other shape repeat inside a block.
        Puzzle_State other = One_Board_State(Board_Type_6x6, 6, wide ? 0 : 1);
        other.Sudoku_Boards[0].Cell_Values = Six_Solution(wide);
        EXPECT_EQ(Check_Boards(other), Check_Verdict::Duplicates) << wide;
    }
}

// Damaged data: a number out of range never counts as solved, and a region cell off the
// boards is passed over without being read.
TEST(Entry_Check, OutOfRangeDataIsNeverASolution) {
    Puzzle_State s = Solved_Nine();
    Cell(s, 0, 4, 4) = 10;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Duplicates);
    Cell(s, 0, 4, 4) = -1;
    EXPECT_EQ(Check_Boards(s), Check_Verdict::Duplicates);

    Puzzle_State r = Solved_Nine();
    r.Custom_Regions_On = 1;
    r.Custom_Regions = {{{0, 0, 0, 0}, {3, 0, 0, 0}, {0, 9, 0, 0}, {0, 1, 0, 0}}};
    EXPECT_EQ(Check_Boards(r), Check_Verdict::All_Completed);
}
