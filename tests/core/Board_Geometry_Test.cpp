#include <gtest/gtest.h>

#include "engine/Board_Kind_6x6.h"
#include "engine/Board_Kind_9x9.h"
#include "model/Board_Geometry.h"
#include "tests/core/Test_Puzzles.h"

using namespace test_puzzles;

TEST(Block_Geometry, ShapesByKind) {
    Integer a, b, c, d;
    Board_Kind_9x9::Block_Layout(a, b, c, d);
    EXPECT_EQ((std::array<Integer, 4>{a, b, c, d}), (std::array<Integer, 4>{2, 2, 2, 2}));
    Board_Kind_6x6::Block_Layout(a, b, c, d, 1);
    EXPECT_EQ((std::array<Integer, 4>{a, b, c, d}), (std::array<Integer, 4>{1, 2, 2, 1}));
    Board_Kind_6x6::Block_Layout(a, b, c, d, 0);
    EXPECT_EQ((std::array<Integer, 4>{a, b, c, d}), (std::array<Integer, 4>{2, 1, 1, 2}));

    Puzzle_State other = One_Board_State(7, 4, 0);
    const auto& o = other.Sudoku_Boards[0];
    EXPECT_EQ(o.Block_Cols_Max + o.Block_Rows_Max + o.Block_Width_Max + o.Block_Height_Max, 0);
    EXPECT_FALSE(Has_Block_Kind(o));
}

TEST(Block_Geometry, Origins) {
    Integer c, r;
    Puzzle_State nine = One_Board_State(1, 9, 0);
    Block_Origin_Of_Cell(nine, 0, 8, 8, c, r);
    EXPECT_EQ(c, 6);
    EXPECT_EQ(r, 6);
    Block_Origin(nine, 0, 2, 2, c, r);
    EXPECT_EQ(c, 6);
    EXPECT_EQ(r, 6);

    Puzzle_State wide = One_Board_State(2, 6, 1);
    Block_Origin_Of_Cell(wide, 0, 4, 3, c, r);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 2);
    Block_Origin(wide, 0, 1, 2, c, r);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(r, 4);

    Puzzle_State tall = One_Board_State(2, 6, 0);
    Block_Origin_Of_Cell(tall, 0, 4, 3, c, r);
    EXPECT_EQ(c, 4);
    EXPECT_EQ(r, 3);
}

TEST(Linked_Boards, SamuraiCopyAndEdges) {
    Puzzle_State s = Corner_And_Centre();
    Copy_To_Linked_Boards(s, 0, 6, 6, 5);
    EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[0][0], 5);
    Copy_To_Linked_Boards(s, 0, 8, 8, 4); // last cell of the area
    EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[2][2], 4);
    Copy_To_Linked_Boards(s, 0, 5, 6, 3); // one column before the area
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            if (!((c == 0 && r == 0) || (c == 2 && r == 2))) {
                EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[c][r], 0) << c << "," << r;
            }
        }
    }
    // The centre's link back maps its cells (0..2, 0..2) onto the corner's (6..8, 6..8).
    Copy_To_Linked_Boards(s, 1, 2, 0, 9);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[8][6], 9);
    Copy_To_Linked_Boards(s, 1, 3, 0, 1); // outside the shared block
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[8][6], 9);
}

TEST(Linked_Boards, CopiesOnlyToDirectLinks) {
    Puzzle_State s = Corner_And_Centre();
    Add_Board_Model(s, 1, 9, 9, 9, 0);
    s.Board_Overlaps.resize(3);
    s.Board_Positions.resize(3);
    // Board 2 links to board 3 over the same block: a copy from board 1 must not reach it.
    s.Board_Overlaps[1].Linked_Boards.push_back(3);
    s.Board_Overlaps[1].Link_Areas.push_back({1, 1, 1, 1});
    Copy_To_Linked_Boards(s, 0, 6, 6, 7);
    EXPECT_EQ(s.Sudoku_Boards[1].Cell_Values[0][0], 7);
    EXPECT_EQ(s.Sudoku_Boards[2].Cell_Values[0][0], 0);
    // A board linked to two others copies into both.
    Copy_To_Linked_Boards(s, 1, 0, 0, 2);
    EXPECT_EQ(s.Sudoku_Boards[0].Cell_Values[6][6], 2);
    EXPECT_EQ(s.Sudoku_Boards[2].Cell_Values[0][0], 2);
}

TEST(Custom_Regions, IndexListsRegionsInOrder) {
    Puzzle_State s = Corner_And_Centre();
    s.Custom_Regions = {{{0, 1, 1, 0}, {1, 4, 4, 0}}, {{1, 4, 4, 0}, {0, 2, 2, 0}}};
    s.Custom_Regions_On = 1;
    Build_Cell_Regions(s);
    EXPECT_EQ(s.Cell_Regions[1][4][4].Region_Numbers, (std::vector<Integer>{1, 2}));
    EXPECT_EQ(s.Cell_Regions[0][1][1].Region_Numbers, (std::vector<Integer>{1}));
    EXPECT_TRUE(s.Cell_Regions[0][0][0].Region_Numbers.empty());
    EXPECT_EQ(Describe_Invariant_Violation(s), "");
}

TEST(Board_Model, NewBoardStartsEmpty) {
    Puzzle_State s = One_Board_State(2, 6, 1);
    const auto& b = s.Sudoku_Boards[0];
    for (int c = 0; c < 6; ++c) {
        for (int r = 0; r < 6; ++r) {
            EXPECT_EQ(b.Cell_Tracking[c][r].Candidate_Count, 6);
            EXPECT_TRUE(b.Cell_Tracking[c][r].Candidates.empty());
            EXPECT_EQ(b.Cell_Tracking[c][r].Possible, std::vector<Byte>(6, 1));
            EXPECT_EQ(b.Cell_Colours[c][r], 0xFFFFFF);
        }
    }
    EXPECT_EQ(b.Draw_Block_Lines, 1);
    EXPECT_EQ(b.Symbols.size(), 6u);
    EXPECT_EQ(Describe_Invariant_Violation(s), "");
}
