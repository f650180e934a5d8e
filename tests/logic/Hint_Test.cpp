// Hints: wrong entries first, then the solution count of the locked numbers, then the steps
// to the next number.

#include <gtest/gtest.h>

#include <fstream>

#include "logic/Hint.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

const char* const Classic = "board 9x9 20 20\n"
                            "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n"
                            "7...2...6\n.6....28.\n...419..5\n....8..79\n";

void Enter(Puzzle_State& p, int board, int col, int row, int n) {
    p.Sudoku_Boards[board].Cell_Values[col][row] = n;
    p.Sudoku_Boards[board].Cell_Locked[col][row] = 0;
}

} // namespace

TEST(Hint, WrongEntryIsNamedBeforeAnyStep) {
    Puzzle_State p = Parse(Classic);
    // Row 1 column 3 is 4 in the solution; a right entry elsewhere is not named.
    Enter(p, 0, 2, 0, 2);
    Enter(p, 0, 3, 0, 6);
    const Hint hint = Find_Hint(p);
    ASSERT_EQ(hint.Kind, Hint_Kind::Wrong_Entries);
    EXPECT_EQ(hint.Text, "The 2 in row 1, column 3 is wrong.");
    ASSERT_EQ(hint.Wrong.size(), 1U);
    EXPECT_EQ(hint.Wrong[0], (Number_Place{0, 2, 0, 2}));
    EXPECT_TRUE(hint.Steps.empty());

    Enter(p, 0, 8, 8, 1);
    EXPECT_EQ(Find_Hint(p).Text,
              "The 2 in row 1, column 3 and the 1 in row 9, column 9 are wrong.");
}

TEST(Hint, WrongEntryOnASharedCellNamesEveryCopy) {
    Puzzle_State p = Sample("samurai.zd2");
    const std::vector<int> solution = Unique_Solution(p);
    const Constraint_Structure s = Build_Constraint_Structure(p);
    // An empty cell of the top left board's shared block (columns 6-8, rows 6-8).
    for (int c = 6; c < 9; ++c) {
        for (int r = 6; r < 9; ++r) {
            if (p.Sudoku_Boards[0].Cell_Values[c][r] != 0) {
                continue;
            }
            const int v = Var_At(s, 0, c, r);
            const int wrong = solution[v] % 9 + 1;
            Enter(p, 0, c, r, wrong);
            Enter(p, 2, c - 6, r - 6, wrong);
            const Hint hint = Find_Hint(p);
            ASSERT_EQ(hint.Kind, Hint_Kind::Wrong_Entries);
            ASSERT_EQ(hint.Wrong.size(), 2U);
            EXPECT_EQ(hint.Wrong[0], (Number_Place{0, c, r, wrong}));
            EXPECT_EQ(hint.Wrong[1], (Number_Place{2, c - 6, r - 6, wrong}));
            EXPECT_EQ(hint.Text, "The " + std::to_string(wrong) + " in board 1, row " +
                                     std::to_string(r + 1) + ", column " + std::to_string(c + 1) +
                                     " is wrong.");
            return;
        }
    }
    FAIL() << "no empty shared cell";
}

TEST(Hint, SolutionCountComesFromTheLockedNumbersAlone) {
    // Two locked 5s in a row: no solution.
    Puzzle_State none = Parse(Classic);
    none.Sudoku_Boards[0].Cell_Values[8][0] = 5;
    none.Sudoku_Boards[0].Cell_Locked[8][0] = 1;
    Hint hint = Find_Hint(none);
    EXPECT_EQ(hint.Kind, Hint_Kind::No_Solution);
    EXPECT_EQ(hint.Solutions, 0);

    // Unlocked numbers do not make a puzzle unique: with everything unlocked the locked
    // numbers (none) allow many solutions.
    Puzzle_State open = Parse(Classic);
    for (auto& column : open.Sudoku_Boards[0].Cell_Locked) {
        std::fill(column.begin(), column.end(), 0);
    }
    hint = Find_Hint(open);
    EXPECT_EQ(hint.Kind, Hint_Kind::Many_Solutions);
    EXPECT_EQ(hint.Solutions, 2);
    EXPECT_TRUE(hint.Steps.empty());
}

TEST(Hint, StepsEndInTheFirstPlacementAndSolvedPuzzleSaysSo) {
    Puzzle_State p = Sample("classic-hard.zd2");
    const std::vector<int> solution = Unique_Solution(p);
    const auto shape = std::make_shared<const Logic_Shape>(p);
    // Play by hints until one needs eliminations before its number.
    bool saw_chain = false;
    for (int i = 0; i < 81; ++i) {
        const Hint hint = Find_Hint(p);
        if (hint.Kind == Hint_Kind::Already_Solved) {
            EXPECT_EQ(hint.Text, "The puzzle is solved.");
            break;
        }
        ASSERT_EQ(hint.Kind, Hint_Kind::Next_Number);
        saw_chain = saw_chain || hint.Steps.size() > 1;
        for (const Step& s : hint.Steps) {
            Expect_Step_Sound(*shape, solution, s, "classic-hard");
        }
        for (const Number_Place& at : hint.Placement) {
            Enter(p, at.Board, at.Col, at.Row, at.Number);
        }
    }
    EXPECT_TRUE(saw_chain) << "the hard sample needs eliminations before some numbers";
    EXPECT_EQ(Find_Hint(p).Kind, Hint_Kind::Already_Solved);
}

namespace {

// After the hint's steps alone, its number is a single: the cell has no other candidate, or
// the unit no other place for it.
void Expect_Number_Follows(const Puzzle_State& p, const Hint& hint) {
    Logic_State state(std::make_shared<const Logic_Shape>(p));
    for (std::size_t i = 0; i + 1 < hint.Steps.size(); ++i) {
        state.Apply(hint.Steps[i]);
    }
    const Step& last = hint.Steps.back();
    const Var_Number placed = last.Var_Placements.at(0);
    ASSERT_NE(state.Candidates(placed.Var) & Bit_Of(placed.Number), 0U) << last.Text;
    if (last.Kind == Technique::Naked_Single) {
        EXPECT_EQ(state.Candidates(placed.Var), Bit_Of(placed.Number)) << last.Text;
    } else {
        ASSERT_EQ(last.Unit_Indices.size(), 1U);
        for (int v : state.Shape().Structure.Units[last.Unit_Indices[0]]) {
            if (v != placed.Var) {
                EXPECT_EQ(state.Candidates(v) & Bit_Of(placed.Number), 0U) << last.Text;
            }
        }
    }
}

} // namespace

TEST(Hint, KeepsOnlyTheStepsItsNumberNeeds) {
    std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/hard-classic-1000.txt");
    std::string line;
    int shortened = 0;
    for (int i = 0; i < 20 && std::getline(in, line); ++i) {
        std::string text = "board 9x9 20 20\n";
        for (int r = 0; r < 9; ++r) {
            text += line.substr(r * 9, 9) + "\n";
        }
        Puzzle_State p = Parse(text);
        for (;;) {
            const Hint hint = Find_Hint(p);
            if (hint.Kind != Hint_Kind::Next_Number) {
                EXPECT_EQ(hint.Kind, Hint_Kind::Already_Solved) << hint.Text;
                break;
            }
            Expect_Number_Follows(p, hint);
            // The stepper's own way to the next number, without leaving anything out.
            Logic_State state(std::make_shared<const Logic_Shape>(p));
            std::size_t taken = 0;
            Step step;
            while (Next_Step(state, step) && !step.Places()) {
                state.Apply(step);
                ++taken;
            }
            EXPECT_LE(hint.Steps.size(), taken + 1);
            shortened += hint.Steps.size() < taken + 1 ? 1 : 0;
            for (const Number_Place& at : hint.Placement) {
                Enter(p, at.Board, at.Col, at.Row, at.Number);
            }
        }
    }
    EXPECT_GT(shortened, 0) << "some hints leave out steps elsewhere on the board";
}
