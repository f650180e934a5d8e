// The solver against puzzles whose number of solutions is known.

#include <gtest/gtest.h>

#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "logic/Solver.h"
#include "model/Board_Geometry.h"

namespace {

Puzzle_State Parse(const std::string& text) {
    Description_Result d = Parse_Description(text);
    EXPECT_TRUE(d.Ok()) << d.Error;
    return std::move(d.Puzzle);
}

Puzzle_State Sample(const std::string& name) {
    Puzzle_Read_Result r = Read_Puzzle_File(std::string(TESSEL_PUZZLE_DIR) + "/" + name);
    EXPECT_TRUE(r.Ok()) << name << ": " << r.Error;
    return std::move(r.Puzzle);
}

const char* const Classic = "board 9x9 20 20\n"
                            "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n"
                            "7...2...6\n.6....28.\n...419..5\n....8..79\n";

bool Valid_Sudoku(const Puzzle_State& p, int board) {
    const auto& v = p.Sudoku_Boards[board].Cell_Values;
    for (int i = 0; i < 9; ++i) {
        unsigned row = 0, col = 0, block = 0;
        for (int j = 0; j < 9; ++j) {
            row |= 1U << v[j][i];
            col |= 1U << v[i][j];
            block |= 1U << v[(i % 3) * 3 + j % 3][(i / 3) * 3 + j / 3];
        }
        if (row != 0x3FE || col != 0x3FE || block != 0x3FE) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(Solver, ClassicHasOneSolutionThatKeepsTheGivens) {
    Puzzle_State p = Parse(Classic);
    const Constraint_Structure s = Build_Constraint_Structure(p);
    const Solve_Result r = Solve_Structure(s, 5);
    ASSERT_EQ(r.Count, 1);
    Puzzle_State solved = p;
    Apply_Solution(solved, s, r.Solution);
    EXPECT_TRUE(Valid_Sudoku(solved, 0));
    for (int c = 0; c < 9; ++c) {
        for (int row = 0; row < 9; ++row) {
            if (p.Sudoku_Boards[0].Cell_Values[c][row] != 0) {
                EXPECT_EQ(solved.Sudoku_Boards[0].Cell_Values[c][row],
                          p.Sudoku_Boards[0].Cell_Values[c][row]);
            }
        }
    }
    // The well-known answer of this puzzle starts 534678912.
    EXPECT_EQ(solved.Sudoku_Boards[0].Cell_Values[2][0], 4);
    EXPECT_EQ(solved.Sudoku_Boards[0].Cell_Values[8][0], 2);
}

TEST(Solver, NoSolution) {
    // The corner sees 1 to 8 in its row and 9 below it: no number is left for it, although
    // no unit repeats a number.
    Puzzle_State p = Parse("board 9x9 20 20\n"
                           ".12345678\n9........\n.........\n.........\n.........\n"
                           ".........\n.........\n.........\n.........\n");
    EXPECT_EQ(Count_Solutions(p, 2).Count, 0);
    // The same with the 9 in the corner's block but outside its row and column.
    p.Sudoku_Boards[0].Cell_Values[0][1] = 0;
    p.Sudoku_Boards[0].Cell_Values[2][2] = 9;
    EXPECT_EQ(Count_Solutions(p, 2).Count, 0);

    // A repeat in a row.
    Puzzle_State dup = Parse(Classic);
    dup.Sudoku_Boards[0].Cell_Values[2][0] = 5;
    EXPECT_EQ(Count_Solutions(dup, 2).Count, 0);
}

TEST(Solver, ExactlyTwoFromAnUnavoidableRectangle) {
    Puzzle_State p = Parse(Classic);
    const Constraint_Structure s = Build_Constraint_Structure(p);
    Apply_Solution(p, s, Solve_Structure(s, 1).Solution);
    auto& v = p.Sudoku_Boards[0].Cell_Values;
    // Two rows of one band, two columns of different stacks, holding a b / b a: swapping the
    // four numbers gives a second grid, and there is no third.
    bool found = false;
    for (int r1 = 0; r1 < 9 && !found; ++r1) {
        for (int r2 = r1 + 1; r2 < (r1 / 3 + 1) * 3 && !found; ++r2) {
            for (int c1 = 0; c1 < 9 && !found; ++c1) {
                for (int c2 = (c1 / 3 + 1) * 3; c2 < 9 && !found; ++c2) {
                    if (v[c1][r1] == v[c2][r2] && v[c2][r1] == v[c1][r2]) {
                        v[c1][r1] = v[c2][r2] = v[c2][r1] = v[c1][r2] = 0;
                        found = true;
                    }
                }
            }
        }
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(Count_Solutions(p, 10).Count, 2);
}

TEST(Solver, ManySolutionsUpToTheLimit) {
    Puzzle_State empty =
        Parse("board 6x6-tall 20 20\n......\n......\n......\n......\n......\n......\n");
    EXPECT_EQ(Count_Solutions(empty, 7).Count, 7);
    Puzzle_State classic = Parse(Classic);
    classic.Sudoku_Boards[0].Cell_Values[0][0] = 0;
    classic.Sudoku_Boards[0].Cell_Values[1][0] = 0;
    classic.Sudoku_Boards[0].Cell_Values[0][1] = 0;
    classic.Sudoku_Boards[0].Cell_Values[4][4] = 0;
    classic.Sudoku_Boards[0].Cell_Values[8][8] = 0;
    classic.Sudoku_Boards[0].Cell_Values[7][8] = 0;
    const Solve_Result r = Count_Solutions(classic, 2);
    EXPECT_EQ(r.Count, 2);
}

TEST(Solver, SamuraiSharedCellsAreOneCell) {
    Puzzle_State p = Sample("samurai.zd2");
    const Constraint_Structure s = Build_Constraint_Structure(p);
    EXPECT_EQ(s.Var_Count, 5 * 81 - 4 * 9);
    const Solve_Result r = Solve_Structure(s, 2);
    ASSERT_EQ(r.Count, 1);
    Apply_Solution(p, s, r.Solution);
    for (int b = 0; b < 5; ++b) {
        EXPECT_TRUE(Valid_Sudoku(p, b)) << b;
    }
    // The corner's bottom-right block is the centre's top-left block.
    for (int c = 6; c < 9; ++c) {
        for (int r2 = 6; r2 < 9; ++r2) {
            EXPECT_EQ(p.Sudoku_Boards[0].Cell_Values[c][r2],
                      p.Sudoku_Boards[2].Cell_Values[c - 6][r2 - 6]);
        }
    }

    // Copies of a shared cell that disagree: no solution.
    Puzzle_State clash = Sample("samurai.zd2");
    int& corner = clash.Sudoku_Boards[0].Cell_Values[8][8];
    int& centre = clash.Sudoku_Boards[2].Cell_Values[2][2];
    const int answer = p.Sudoku_Boards[0].Cell_Values[8][8];
    corner = answer;
    centre = answer % 9 + 1;
    EXPECT_EQ(Count_Solutions(clash, 2).Count, 0);

    // Without the links the five boards are separate puzzles and no longer unique.
    Puzzle_State apart = Sample("samurai.zd2");
    for (auto& o : apart.Board_Overlaps) {
        o = Sudoku_Grid_FrameWork{};
    }
    EXPECT_EQ(Count_Solutions(apart, 2).Count, 2);
}

TEST(Solver, RegionsAndRegionsOnly) {
    // The jigsaw is unique only with its regions; with the flags off the blocks come back.
    Puzzle_State jigsaw = Sample("jigsaw.zd2");
    ASSERT_TRUE(jigsaw.Regions_Only);
    EXPECT_EQ(Count_Solutions(jigsaw, 2).Count, 1);
    Puzzle_State latin = jigsaw;
    latin.Custom_Regions_On = 0;
    EXPECT_EQ(Count_Solutions(latin, 2).Count, 2); // rows and columns only

    // A region across two boards carries the constraint from one board to the other.
    Puzzle_State twin = Sample("twin-region.zd2");
    EXPECT_EQ(Count_Solutions(twin, 2).Count, 1);
    twin.Custom_Regions_On = 0;
    EXPECT_EQ(Count_Solutions(twin, 2).Count, 2);

    // A region may not hold the same cell twice: the check would see a repeat.
    Puzzle_State doubled = Sample("twin-region.zd2");
    doubled.Custom_Regions[0].push_back(doubled.Custom_Regions[0][0]);
    EXPECT_EQ(Count_Solutions(doubled, 2).Count, 0);
}
