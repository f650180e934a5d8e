// The classic fast path against the general solver.

#include <gtest/gtest.h>

#include <fstream>

#include "logic/Classic_Solver.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

Puzzle_State Classic_Puzzle(const Classic_Grid& grid) {
    std::string text = "board 9x9 20 20\n";
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            text += grid[r * 9 + c] == 0 ? '.' : static_cast<char>('0' + grid[r * 9 + c]);
        }
        text += '\n';
    }
    return Parse(text);
}

} // namespace

TEST(Classic_Solver, AgreesWithTheGeneralSolverOnHardPuzzles) {
    std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/hard-classic-1000.txt");
    ASSERT_TRUE(in.good());
    std::string line;
    for (int i = 0; i < 60 && std::getline(in, line); ++i) {
        Classic_Grid grid{};
        std::string error;
        ASSERT_TRUE(Parse_Classic_Line(line, grid, error)) << error;
        const Classic_Solve_Result fast = Solve_Classic(grid, 2);
        const Puzzle_State p = Classic_Puzzle(grid);
        const Constraint_Structure s = Build_Constraint_Structure(p);
        const Solve_Result general = Solve_Structure(s, 2);
        ASSERT_EQ(fast.Count, general.Count) << line;
        ASSERT_EQ(fast.Count, 1) << line;
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 9; ++c) {
                EXPECT_EQ(fast.Solution[r * 9 + c], general.Solution[Var_At(s, 0, c, r)]);
            }
        }
    }
}

TEST(Classic_Solver, CountsNoneAndSeveral) {
    Classic_Grid grid{};
    EXPECT_EQ(Solve_Classic(grid, 2).Count, 2) << "the empty grid";
    EXPECT_EQ(Solve_Classic(grid, 1).Count, 1);
    // The corner sees 1 to 8 in its row and 9 below it.
    for (int c = 1; c < 9; ++c) {
        grid[c] = static_cast<std::int8_t>(c);
    }
    grid[9] = 9;
    EXPECT_EQ(Solve_Classic(grid, 2).Count, 0);
    // Two equal givens in a block.
    Classic_Grid twice{};
    twice[0] = 4;
    twice[10] = 4;
    EXPECT_EQ(Solve_Classic(twice, 2).Count, 0);
}

TEST(Classic_Solver, ReadsLinesOfDigitsAndDots) {
    Classic_Grid grid{};
    std::string error;
    std::string line(81, '.');
    line[0] = '5';
    line[80] = '0';
    EXPECT_TRUE(Parse_Classic_Line("  " + line + "\r", grid, error)) << error;
    EXPECT_EQ(grid[0], 5);
    EXPECT_EQ(grid[80], 0);
    EXPECT_FALSE(Parse_Classic_Line(line.substr(1), grid, error));
    EXPECT_EQ(error, "a line holds 81 cells, this one 80");
    line[40] = 'x';
    EXPECT_FALSE(Parse_Classic_Line(line, grid, error));
    EXPECT_EQ(error, "cell 41 is 'x', not a digit or .");
}
