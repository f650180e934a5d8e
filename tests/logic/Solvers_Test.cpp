// The quick solvers against the plain one: the classic solver of batch runs on hard puzzles,
// and the generator's uniqueness check after givens are taken away; cancelling the latter.

#include <gtest/gtest.h>

#include <atomic>
#include <numeric>

#include "logic/Classic_Solver.h"
#include "logic/Grading.h"
#include "logic/Random.h"
#include "logic/Unique_Check.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

TEST(Classic_Solver, AgreesWithTheGeneralSolverOnHardPuzzles) {
    for (const std::string& line : Hard_Classic_Lines(60)) {
        Classic_Grid grid{};
        std::string error;
        ASSERT_TRUE(Parse_Classic_Line(line, grid, error)) << error;
        const Classic_Solve_Result fast = Solve_Classic(grid, 2);
        const Constraint_Structure s = Build_Constraint_Structure(Classic_Puzzle(line));
        const Solve_Result general = Solve_Structure(s, 2);
        ASSERT_EQ(fast.Count, general.Count) << line;
        ASSERT_EQ(fast.Count, 1) << line;
        for (int i = 0; i < 81; ++i) {
            EXPECT_EQ(fast.Solution[i], general.Solution[Var_At(s, 0, i % 9, i / 9)]);
        }
    }
}

// Givens taken away from random full grids of every kind, one or two at a time, as the
// generator does: the quick verdict must equal a full count by the plain solver. Walking
// down to a nearly minimal puzzle meets both verdicts many times.
TEST(Unique_Check, StillUniqueMatchesAFullCountOnEveryKind) {
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        Constraint_Structure s = Build_Constraint_Structure(Kind_Shape(kind.Name, 7));
        Unique_Check check(s);
        Tool_Random random(11);
        std::vector<int> solution;
        ASSERT_TRUE(check.Random_Solution(random, solution)) << kind.Name;
        std::vector<int> order(s.Var_Count);
        std::iota(order.begin(), order.end(), 0);
        random.Shuffle(order);
        std::vector<int> values = solution;
        int verdicts[2] = {0, 0};
        for (std::size_t k = 0; k + 1 < order.size(); k += 1 + k % 2) {
            const std::vector<int> freed(order.begin() + k, order.begin() + k + 1 + k % 2);
            for (int v : freed) {
                values[v] = 0;
            }
            s.Given = values;
            const bool expected = Solve_Structure(s, 2).Count == 1;
            ASSERT_EQ(check.Still_Unique(values, solution, freed), expected)
                << kind.Name << " step " << k;
            ++verdicts[expected ? 1 : 0];
            if (!expected) {
                for (int v : freed) {
                    values[v] = solution[v];
                }
            }
        }
        EXPECT_GT(verdicts[0], 0) << kind.Name;
        EXPECT_GT(verdicts[1], 0) << kind.Name;
    }
}

// The generator's quick sort of easy puzzles: singles alone fill the grid exactly when the
// stepper solves it with singles only (every other technique is rated above them), along
// the removals from full grids down to minimal puzzles; a clash of givens is never solved.
TEST(Unique_Check, SolvedBySinglesExactlyWhenTheStepperNeedsOnlySingles) {
    for (const char* kind : {"classic", "8x8-wide", "twin", "jigsaw"}) {
        Puzzle_State puzzle = Kind_Shape(kind, 5);
        const Constraint_Structure s = Build_Constraint_Structure(puzzle);
        Unique_Check check(s);
        Tool_Random random(9);
        int verdicts[2] = {0, 0};
        for (int grid = 0; grid < 8 && verdicts[0] == 0; ++grid) {
            std::vector<int> solution;
            ASSERT_TRUE(check.Random_Solution(random, solution)) << kind;
            std::vector<int> order(s.Var_Count);
            std::iota(order.begin(), order.end(), 0);
            random.Shuffle(order);
            std::vector<int> values = solution;
            for (int v : order) {
                values[v] = 0;
                if (!check.Still_Unique(values, solution, {v})) {
                    values[v] = solution[v];
                    continue;
                }
                for (std::size_t cell = 0; cell < s.Places.size(); ++cell) {
                    const Cell_Place& c = s.Places[cell];
                    const int value = values[s.Var_Of_Cell[cell]];
                    puzzle.Sudoku_Boards[c.Board].Cell_Values[c.Col][c.Row] = value;
                    puzzle.Sudoku_Boards[c.Board].Cell_Locked[c.Col][c.Row] = value != 0 ? 1 : 0;
                }
                const Grade_Result grade = Grade_Puzzle(puzzle);
                const bool singles =
                    grade.Solved && grade.Rating < Lowest_Rating(Puzzle_Level::Medium);
                ASSERT_EQ(check.Solved_By_Singles(values), singles) << kind << " " << v;
                ++verdicts[singles ? 1 : 0];
            }
        }
        EXPECT_GT(verdicts[0], 0) << kind;
        EXPECT_GT(verdicts[1], 0) << kind;
        std::vector<int> clash(s.Var_Count, 0);
        clash[s.Units[0][0]] = 1;
        clash[s.Units[0][1]] = 1;
        EXPECT_FALSE(check.Solved_By_Singles(clash)) << kind;
    }
}

TEST(Unique_Check, CancelStopsTheSearch) {
    const Constraint_Structure s = Build_Constraint_Structure(Kind_Shape("samurai", 7));
    Unique_Check check(s);
    std::atomic<bool> cancel{true};
    check.Watch_Cancel(&cancel);
    Tool_Random random(3);
    std::vector<int> grid;
    EXPECT_FALSE(check.Random_Solution(random, grid));
    EXPECT_TRUE(check.Cancelled());
    EXPECT_LT(check.Nodes(), 1000);
}
