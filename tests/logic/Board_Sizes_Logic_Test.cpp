// The logic on boards of 4 to 16 numbers: generated puzzles of every size with exactly one
// solution, sound steps to the end, the level asked wherever the size reaches it (a 4x4 is
// never harder than easy), and sentences that write the numbers above 9 as letters.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "logic/Generator.h"
#include "logic/Hint.h"
#include "model/Board_Kinds.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

TEST(Board_Sizes_Logic, GeneratedPuzzlesOfEverySizeAreUniqueAndAtTheirLevel) {
    const std::map<std::string, Puzzle_Level> other = {
        {"4x4", Puzzle_Level::Medium},        {"8x8-wide", Puzzle_Level::Extreme},
        {"8x8-tall", Puzzle_Level::Expert},   {"12x12-wide", Puzzle_Level::Hard},
        {"12x12-tall", Puzzle_Level::Medium}, {"16x16", Puzzle_Level::Hard}};
    ASSERT_EQ(other.size(), Board_Size_Kinds().size());
    for (const Puzzle_Kind_Info& kind : Board_Size_Kinds()) {
        for (const Puzzle_Level level : {Puzzle_Level::Easy, other.at(kind.Name)}) {
            const std::string name = kind.Name + " " + Level_Name(level);
            const Generate_Result g = Generate_Puzzle(kind.Name, 3, level);
            ASSERT_TRUE(g.Ok()) << name << ": " << g.Error;
            ASSERT_EQ(g.Puzzle.Sudoku_Boards.size(), 1u) << name;
            EXPECT_EQ(Kind_Name(g.Puzzle.Sudoku_Boards[0]), kind.Name);
            EXPECT_EQ(Count_Solutions(g.Puzzle, 2).Count, 1) << name;
            const Steps_Result steps = Expect_Sound_To_The_End(g.Puzzle, name);
            EXPECT_EQ(Grade_Steps(steps, Build_Constraint_Structure(g.Puzzle).Var_Count).Level,
                      g.Reached)
                << name;
            EXPECT_EQ(g.Reached, std::min(level, Highest_Level_Of_Kind(kind.Name))) << name;
        }
    }
    // A level a 4x4 never reaches is not searched for.
    const Generate_Result four = Generate_Puzzle("4x4", 5, Puzzle_Level::Extreme);
    ASSERT_TRUE(four.Ok());
    EXPECT_EQ(four.Asked, Puzzle_Level::Extreme);
    EXPECT_EQ(four.Reached, Puzzle_Level::Easy);
    EXPECT_LT(four.Grades, 5);
}

// A 16x16 board solved but for one cell: the hint and a wrong entry name its number as the
// board writes it.
TEST(Board_Sizes_Logic, SentencesWriteNumbersAboveNineAsLetters) {
    Puzzle_State p;
    Add_Board_Model(p, Board_Type_16x16, 16, 16, 16, 0);
    p.Board_Overlaps.resize(1);
    p.Board_Positions.resize(1);
    Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
    for (int c = 0; c < 16; ++c) {
        for (int r = 0; r < 16; ++r) {
            b.Cell_Values[c][r] = (r % 4 * 4 + r / 4 + c) % 16 + 1;
            b.Cell_Locked[c][r] = 1;
        }
    }
    ASSERT_EQ(b.Cell_Values[15][15], 15);
    b.Cell_Values[15][15] = 0;
    b.Cell_Locked[15][15] = 0;
    const Hint next = Find_Hint(p);
    ASSERT_EQ(next.Kind, Hint_Kind::Next_Number);
    EXPECT_EQ(next.Steps.back().Text,
              "Full house: row 16, column 16 is the last empty cell of row 16, so it holds F.");
    EXPECT_EQ(next.Placement.front().Number, 15);

    b.Cell_Values[15][15] = 16;
    const Hint wrong = Find_Hint(p);
    ASSERT_EQ(wrong.Kind, Hint_Kind::Wrong_Entries);
    EXPECT_EQ(wrong.Text, "The G in row 16, column 16 is wrong.");
}
