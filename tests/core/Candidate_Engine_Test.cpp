#include <gtest/gtest.h>

#include "engine/Candidate_Engine.h"
#include "tests/core/Both_Engines.h"
#include "tests/core/Test_Puzzles.h"

using namespace test_puzzles;

class Candidate_Engine : public On_Both_Engines {};
RUN_ON_BOTH_ENGINES(Candidate_Engine);

namespace {

bool Possible(const Puzzle_State& s, int b, int c, int r, int n) {
    return s.Sudoku_Boards[b].Cell_Tracking[c][r].Possible[n - 1] != 0;
}

const Tracking_Array_FrameWork& Track(const Puzzle_State& s, int b, int c, int r) {
    return s.Sudoku_Boards[b].Cell_Tracking[c][r];
}

// Cells given as {column, row, number} written straight into board 0, then recomputed.
Puzzle_State Nine_With(std::initializer_list<std::array<int, 3>> cells, bool help) {
    Puzzle_State s = One_Board_State(Board_Type_9x9, 9, 0);
    for (const auto& cell : cells)
        s.Sudoku_Boards[0].Cell_Values[cell[0]][cell[1]] = cell[2];
    s.Help_Solve = help;
    Recompute_Candidates(s);
    return s;
}

void Expect_Shared_Cells_Agree(const Puzzle_State& s) {
    for (std::size_t b = 0; b < s.Sudoku_Boards.size(); ++b) {
        for (std::size_t k = 0; k < s.Board_Overlaps[b].Linked_Boards.size(); ++k) {
            const Shared_Area a = Shared_Area_Of(s, static_cast<int>(b), static_cast<int>(k));
            for (int c = a.First_Col; c <= a.Last_Col; ++c) {
                for (int r = a.First_Row; r <= a.Last_Row; ++r) {
                    const auto& here = Track(s, static_cast<int>(b), c, r);
                    const auto& there = Track(s, a.Other_Board, c + a.Col_Offset, r + a.Row_Offset);
                    EXPECT_EQ(here.Possible, there.Possible)
                        << "board " << b << " (" << c << ", " << r << ")";
                    EXPECT_EQ(here.Candidates, there.Candidates);
                }
            }
        }
    }
}

} // namespace

TEST_P(Candidate_Engine, Set_Cell_Value_StoresCopiesAndMarksTheGameModified) {
    Puzzle_State s = Corner_And_Centre();
    Set_Cell_Value(s, 0, 6, 6, 5);
    EXPECT_TRUE(s.Game_Modified);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[6][6], 5);
    EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[0][0], 5);
    // The copy removes 5 from its own units on the centre board too.
    EXPECT_FALSE(Possible(s, 1, 8, 0, 5));
    EXPECT_FALSE(Possible(s, 1, 0, 8, 5));
    EXPECT_TRUE(Possible(s, 1, 8, 8, 5));
}

TEST_P(Candidate_Engine,
       Set_Cell_Value_ClearingEmptiesTheCopiesAndFreesTheNumberWhereNothingElseExcludesIt) {
    Puzzle_State s = Corner_And_Centre();
    Set_Cell_Value(s, 0, 6, 6, 5);
    Set_Cell_Value(s, 1, 4, 1, 5); // a second 5 in the centre board's row 1
    ASSERT_FALSE(Possible(s, 0, 0, 6, 5));
    Set_Cell_Value(s, 0, 6, 6, 0);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[6][6], 0);
    EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[0][0], 0);
    EXPECT_TRUE(Possible(s, 0, 0, 6, 5));  // corner's row 6
    EXPECT_TRUE(Possible(s, 0, 6, 6, 5));  // the cell itself
    EXPECT_TRUE(Possible(s, 1, 0, 0, 5));  // its copy
    EXPECT_TRUE(Possible(s, 1, 0, 4, 5));  // centre's column 0
    EXPECT_FALSE(Possible(s, 1, 0, 1, 5)); // still excluded by the 5 in row 1
    EXPECT_FALSE(Possible(s, 1, 3, 0, 5)); // the block of that 5
    EXPECT_TRUE(Possible(s, 1, 2, 2, 5));
}

TEST_P(Candidate_Engine, Set_Cell_Value_ANumberAboveTheBoardsRangeChangesNothing) {
    Puzzle_State s = One_Board_State(Board_Type_6x6, 6, 1);
    Set_Cell_Value(s, 0, 0, 0, 3);
    s.Game_Modified = false;
    const Puzzle_State before = s;
    Set_Cell_Value(s, 0, 1, 1, 7);
    EXPECT_FALSE(s.Game_Modified);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values, before.Sudoku_Boards[0].Cell_Values);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(Track(s, 0, c, r).Possible, Track(before, 0, c, r).Possible);
    s.Game_Modified = true;
    Set_Cell_Value(s, 0, 1, 1, 7);
    EXPECT_TRUE(s.Game_Modified);
    // Negative numbers and cells off the board are not entries either.
    s.Game_Modified = false;
    Set_Cell_Value(s, 0, 1, 1, -1);
    Set_Cell_Value(s, 0, 6, 0, 1);
    Set_Cell_Value(s, 1, 0, 0, 1);
    EXPECT_FALSE(s.Game_Modified);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values, before.Sudoku_Boards[0].Cell_Values);
}

TEST_P(Candidate_Engine, Recompute_All_RecomputesWithoutWritingAnyCell) {
    // Board 0 is the centre: its cell (0, 0) is the corner's (6, 6). The two copies differ (as
    // a damaged file may leave them); a recomputation must not overwrite the corner's number.
    Puzzle_State s;
    Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
    Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
    s.Board_Overlaps.resize(2);
    s.Board_Positions.resize(2);
    Add_Link(s, 0, 1, {1, 1, 7, 7});
    Add_Link(s, 1, 0, {7, 7, 1, 1});
    s.Sudoku_Boards[1].Cell_Values[6][6] = 4;
    Recompute_All(s);
    EXPECT_TRUE(s.Game_Modified);
    EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[6][6], 4);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[0][0], 0);
    EXPECT_FALSE(Possible(s, 1, 0, 6, 4));
    EXPECT_FALSE(Possible(s, 0, 0, 0, 4)); // the empty copy takes the intersection

    Puzzle_State quiet = s;
    quiet.Game_Modified = false;
    Recompute_Candidates(quiet);
    EXPECT_FALSE(quiet.Game_Modified);

    Puzzle_State none;
    Recompute_All(none); // no board: nothing to do, nothing marked
    EXPECT_FALSE(none.Game_Modified);
}

TEST_P(Candidate_Engine, NewBoardsReportColsCandidatesUntilTheFirstRecomputation) {
    Puzzle_State s = One_Board_State(Board_Type_9x9, 9, 0);
    EXPECT_EQ(Track(s, 0, 3, 3).Candidate_Count, 9);
    EXPECT_TRUE(Track(s, 0, 3, 3).Candidates.empty());
    Recompute_Candidates(s);
    EXPECT_EQ(Track(s, 0, 3, 3).Candidates, (std::vector<Integer>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_P(Candidate_Engine, ASingleCandidateClearsItsUnitsButStaysEmptyWithHelpOff) {
    // Row 0 holds 1..8: (8, 0) can only be 9.
    Puzzle_State s = Nine_With(
        {{0, 0, 1}, {1, 0, 2}, {2, 0, 3}, {3, 0, 4}, {4, 0, 5}, {5, 0, 6}, {6, 0, 7}, {7, 0, 8}},
        false);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[8][0], 0);
    EXPECT_EQ(Track(s, 0, 8, 0).Candidates, (std::vector<Integer>{9}));
    EXPECT_EQ(Track(s, 0, 8, 0).Candidate_Count, 1);
    EXPECT_FALSE(Possible(s, 0, 8, 5, 9)); // its column
    EXPECT_FALSE(Possible(s, 0, 6, 1, 9)); // its block
    EXPECT_FALSE(Possible(s, 0, 7, 2, 9));
    EXPECT_TRUE(Possible(s, 0, 0, 5, 9)); // elsewhere 9 stays
    EXPECT_TRUE(Possible(s, 0, 5, 1, 9));
}

TEST_P(Candidate_Engine, HiddenSingleOfABlockButNotOfARow) {
    // 1 fits only (0, 0) in block (0, 0): rows 1 and 2 and columns 1 and 2 hold a 1.
    const std::initializer_list<std::array<int, 3>> block_case = {
        {3, 1, 1}, {6, 2, 1}, {1, 4, 1}, {2, 7, 1}};
    Puzzle_State on = Nine_With(block_case, true);
    EXPECT_EQ(Track(on, 0, 0, 0).Candidates, (std::vector<Integer>{1}));
    Puzzle_State off = Nine_With(block_case, false);
    EXPECT_EQ(Track(off, 0, 0, 0).Candidate_Count, 9);

    // 2 fits only (0, 4) in row 4 (columns 1, 2, 6 and 7 hold a 2, columns 3, 4, 5 and 8 of
    // the row are filled), but three cells of block (0, 1). Rows are not searched.
    Puzzle_State row = Nine_With(
        {{1, 0, 2}, {2, 8, 2}, {6, 1, 2}, {7, 6, 2}, {3, 4, 1}, {4, 4, 3}, {5, 4, 4}, {8, 4, 5}},
        true);
    EXPECT_EQ(Track(row, 0, 0, 4).Candidates, (std::vector<Integer>{2, 6, 7, 8, 9}));
    for (int c : {1, 2, 6, 7})
        EXPECT_FALSE(Possible(row, 0, c, 4, 2)) << c;
    EXPECT_TRUE(Possible(row, 0, 0, 3, 2));
    EXPECT_TRUE(Possible(row, 0, 0, 5, 2));
}

TEST_P(Candidate_Engine, WhenOneCellIsTheOnlyPlaceOfTwoNumbersTheLowerWins) {
    // In block (0, 0) both 1 and 2 fit only (0, 0).
    Puzzle_State s = Nine_With(
        {{3, 1, 1}, {6, 2, 1}, {1, 4, 1}, {2, 7, 1}, {4, 1, 2}, {7, 2, 2}, {1, 5, 2}, {2, 6, 2}},
        true);
    EXPECT_EQ(Track(s, 0, 0, 0).Candidates, (std::vector<Integer>{1}));
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            EXPECT_FALSE(Possible(s, 0, c, r, 2)) << c << "," << r;
}

TEST_P(Candidate_Engine, NakedPairInARowWithHelpOnOnly) {
    // Columns 0 and 5 hold 1..7 in rows 1..7: (0, 0) and (5, 0) both keep {8, 9}.
    const std::initializer_list<std::array<int, 3>> cells = {
        {0, 1, 1}, {0, 2, 2}, {0, 3, 3}, {0, 4, 4}, {0, 5, 5}, {0, 6, 6}, {0, 7, 7},
        {5, 1, 3}, {5, 2, 4}, {5, 3, 5}, {5, 4, 6}, {5, 5, 7}, {5, 6, 1}, {5, 7, 2}};
    Puzzle_State on = Nine_With(cells, true);
    EXPECT_EQ(Track(on, 0, 0, 0).Candidates, (std::vector<Integer>{8, 9}));
    EXPECT_EQ(Track(on, 0, 5, 0).Candidates, (std::vector<Integer>{8, 9}));
    for (int c : {1, 2, 3, 4, 6, 7, 8}) {
        EXPECT_FALSE(Possible(on, 0, c, 0, 8)) << c;
        EXPECT_FALSE(Possible(on, 0, c, 0, 9)) << c;
        EXPECT_GT(Track(on, 0, c, 0).Candidate_Count, 2) << c;
    }
    EXPECT_TRUE(Possible(on, 0, 3, 4, 8)); // another row keeps them
    EXPECT_TRUE(Possible(on, 0, 3, 4, 9));

    Puzzle_State off = Nine_With(cells, false);
    for (int c : {1, 2, 3, 4, 6, 7, 8}) {
        EXPECT_TRUE(Possible(off, 0, c, 0, 8)) << c;
        EXPECT_TRUE(Possible(off, 0, c, 0, 9)) << c;
    }
}

TEST_P(Candidate_Engine, RegionsOnlyLeavesBlocksOutButKeepsRowsColumnsAndRegions) {
    for (const Flag only : {Flag{0}, Flag{1}}) {
        Puzzle_State s = One_Board_State(Board_Type_9x9, 9, 0);
        s.Regions_Only = only;
        s.Custom_Regions_On = 1;
        s.Custom_Regions = {{{0, 0, 0, 0}, {0, 8, 8, 0}, {0, 4, 6, 0}}};
        Build_Cell_Regions(s);
        Set_Cell_Value(s, 0, 0, 0, 5);
        EXPECT_EQ(Possible(s, 0, 1, 1, 5), only != 0) << "block mate";
        EXPECT_FALSE(Possible(s, 0, 4, 0, 5)); // row
        EXPECT_FALSE(Possible(s, 0, 0, 4, 5)); // column
        EXPECT_FALSE(Possible(s, 0, 8, 8, 5)); // region
        EXPECT_FALSE(Possible(s, 0, 4, 6, 5));
        EXPECT_TRUE(Possible(s, 0, 7, 7, 5));
    }
}

TEST_P(Candidate_Engine, BoardsOfAnotherKindHaveNoBlocks) {
    // A 4x4 board of an unknown kind: rows and columns still apply, blocks do not exist.
    Puzzle_State s;
    Add_Board_Model(s, 7, 4, 4, 4, 0);
    s.Board_Overlaps.resize(1);
    s.Board_Positions.resize(1);
    s.Help_Solve = true;
    s.Sudoku_Boards[0].Cell_Values[0][0] = 1;
    Recompute_Candidates(s);
    EXPECT_FALSE(Possible(s, 0, 3, 0, 1));
    EXPECT_FALSE(Possible(s, 0, 0, 3, 1));
    EXPECT_TRUE(Possible(s, 0, 1, 1, 1));
}

TEST_P(Candidate_Engine, CustomRegionsOnBoardsOfAnotherSizeStayInsideTheirCells) {
    // Board 0 is 9x9, board 1 is 6x6; the region lies on board 1 only, so it is counted for
    // numbers 1..9 while board 0 runs its steps, but no flag above 6 exists there.
    Puzzle_State s;
    Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
    Add_Board_Model(s, Board_Type_6x6, 6, 6, 6, 1);
    s.Board_Overlaps.resize(2);
    s.Board_Positions.resize(2);
    s.Custom_Regions_On = 1;
    s.Regions_Only = 1;
    s.Custom_Regions = {
        {{1, 0, 0, 0}, {1, 1, 1, 0}, {1, 2, 2, 0}, {1, 3, 3, 0}, {1, 4, 4, 0}, {1, 5, 5, 0}}};
    Build_Cell_Regions(s);
    s.Help_Solve = true;
    ASSERT_TRUE(Describe_Invariant_Violation(s).empty());
    Set_Cell_Value(s, 1, 0, 0, 6);
    for (int i = 1; i < 6; ++i)
        EXPECT_FALSE(Possible(s, 1, i, i, 6));
    EXPECT_EQ(Track(s, 1, 1, 1).Possible.size(), 6u);
    EXPECT_EQ(Track(s, 0, 1, 1).Candidate_Count, 9);
}

TEST_P(Candidate_Engine, SamuraiSharedCellsListTheSameCandidatesAfterEveryEntry) {
    Test_Puzzle p = Samurai();
    for (const bool help : {false, true}) {
        Puzzle_State s = p.State;
        s.Help_Solve = help;
        Recompute_All(s);
        Expect_Shared_Cells_Agree(s);
        // Entries in a shared block, in a corner board and a clear in the centre.
        const std::array<std::array<int, 4>, 4> entries = {
            {{0, 7, 7, 0}, {2, 1, 0, 0}, {4, 3, 3, 0}, {2, 8, 8, 0}}};
        for (const auto& e : entries) {
            int b = e[0], c = e[1], r = e[2];
            const Integer n = s.Sudoku_Boards[b].Cell_Values[c][r] == 0 ? p.Solution[b][c][r] : 0;
            Set_Cell_Value(s, b, c, r, n);
            Expect_Shared_Cells_Agree(s);
        }
    }
}

// Golden: a 6x6 board with wide blocks and only 1, 2, 3, 4 in row 0, help on. Worked out by
// hand:
// - row 0: the filled cells keep what their row, column and block leave, {5, 6}; (4, 0) and
//   (5, 0) are {5, 6} too.
// - row 1: block (0, 0) holds 1, 2, 3, so (0..2, 1) are {4, 5, 6}. Block (1, 0) holds 4 and
//   the pair {5, 6}, so (3..5, 1) lose 4 and then 5 and 6: {1, 2, 3}.
// - rows 2..5: only column exclusions: columns 0..3 lose one number each (5 left), columns 4
//   and 5 keep all 6.
// No hidden single exists (every number has at least two places in every block) and no other
// pair forms. With help off, (3..5, 1) keep {1, 2, 3, 5, 6}.
TEST_P(Candidate_Engine, GoldenCountsOfASmallSixBySix) {
    Puzzle_State s = One_Board_State(Board_Type_6x6, 6, 1);
    for (int c = 0; c < 4; ++c)
        s.Sudoku_Boards[0].Cell_Values[c][0] = c + 1;
    s.Help_Solve = true;
    Recompute_All(s);
    const int expected[6][6] = {// [row][column]
                                {2, 2, 2, 2, 2, 2}, {3, 3, 3, 3, 3, 3}, {5, 5, 5, 5, 6, 6},
                                {5, 5, 5, 5, 6, 6}, {5, 5, 5, 5, 6, 6}, {5, 5, 5, 5, 6, 6}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(Track(s, 0, c, r).Candidate_Count, expected[r][c]) << c << "," << r;
    EXPECT_EQ(Track(s, 0, 0, 0).Candidates, (std::vector<Integer>{5, 6}));
    EXPECT_EQ(Track(s, 0, 4, 1).Candidates, (std::vector<Integer>{1, 2, 3}));
    EXPECT_EQ(Track(s, 0, 1, 1).Candidates, (std::vector<Integer>{4, 5, 6}));
    EXPECT_EQ(Track(s, 0, 3, 4).Candidates, (std::vector<Integer>{1, 2, 3, 5, 6}));

    s.Help_Solve = false;
    Recompute_All(s);
    EXPECT_EQ(Track(s, 0, 4, 1).Candidates, (std::vector<Integer>{1, 2, 3, 5, 6}));
    EXPECT_EQ(Track(s, 0, 3, 1).Candidates, (std::vector<Integer>{1, 2, 3, 5, 6}));
}

// A link carried by one board only still leaves both copies with the intersection.
TEST_P(Candidate_Engine, AOneWayLinkNarrowsBothCopies) {
    Puzzle_State s;
    Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
    Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
    s.Board_Overlaps.resize(2);
    s.Board_Positions.resize(2);
    Add_Link(s, 0, 1, {7, 7, 1, 1});          // board 0's (6..8, 6..8) is board 1's (0..2, 0..2)
    s.Sudoku_Boards[1].Cell_Values[5][0] = 3; // only board 1's copy of (6, 6) sees this 3
    s.Sudoku_Boards[0].Cell_Values[0][6] = 4; // only board 0's copy sees this 4
    Recompute_Candidates(s);
    EXPECT_FALSE(Possible(s, 0, 6, 6, 3));
    EXPECT_FALSE(Possible(s, 1, 0, 0, 4));
    EXPECT_EQ(Track(s, 0, 6, 6).Possible, Track(s, 1, 0, 0).Possible);
    EXPECT_EQ(Track(s, 0, 6, 6).Candidates, (std::vector<Integer>{1, 2, 5, 6, 7, 8, 9}));
}

// Damaged data (as a broken file could leave it) is passed over without reading or writing
// outside any array; the sound parts of the puzzle are still computed.
TEST_P(Candidate_Engine, DamagedLinksAndRegionsAreSkipped) {
    Puzzle_State s = One_Board_State(Board_Type_9x9, 9, 0);
    s.Board_Overlaps[0].Linked_Boards = {5, 1};
    s.Board_Overlaps[0].Link_Areas = {{1, 1, 1, 1}, {8, 8, 1, 1}};
    s.Custom_Regions_On = 1;
    s.Custom_Regions = {{{0, 0, 0, 0}, {0, 4, 4, 0}}};
    Build_Cell_Regions(s); // the index trusts its regions: damage them afterwards
    s.Custom_Regions[0] = {{0, 0, 0, 0}, {3, 1, 1, 0}, {0, 12, 0, 0}, {0, 4, 4, 0}};
    s.Cell_Regions[0][0][0].Region_Numbers = {0, 1, 99};
    s.Sudoku_Boards[0].Cell_Values[0][0] = 7;
    s.Help_Solve = true;
    Recompute_Candidates(s);
    EXPECT_FALSE(Possible(s, 0, 4, 4, 7)); // the region's sound cell
    EXPECT_FALSE(Possible(s, 0, 8, 0, 7));
    EXPECT_TRUE(Possible(s, 0, 5, 5, 7));
}
