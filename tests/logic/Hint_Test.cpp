// Hints: wrong entries first, then the solution count of the locked numbers, then the steps
// to the next number, only those it needs.

#include <gtest/gtest.h>

#include <algorithm>

#include "logic/Hint.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

const char* const Classic = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28...."
                            "419..5....8..79";

void Enter(Puzzle_State& p, int board, int col, int row, int n) {
    p.Sudoku_Boards[board].Cell_Values[col][row] = n;
    p.Sudoku_Boards[board].Cell_Locked[col][row] = 0;
}

} // namespace

TEST(Hint, WrongEntriesAreNamedBeforeAnyStepWithEveryCopy) {
    Puzzle_State p = Classic_Puzzle(Classic);
    // Row 1 column 3 is 4 in the solution; a right entry elsewhere is not named.
    Enter(p, 0, 2, 0, 2);
    Enter(p, 0, 3, 0, 6);
    const Hint hint = Find_Hint(p);
    ASSERT_EQ(hint.Kind, Hint_Kind::Wrong_Entries);
    EXPECT_EQ(hint.Text, "The 2 in row 1, column 3 is wrong.");
    EXPECT_EQ(hint.Wrong, (std::vector<Number_Place>{{0, 2, 0, 2}}));
    EXPECT_TRUE(hint.Steps.empty());
    Enter(p, 0, 8, 8, 1);
    EXPECT_EQ(Find_Hint(p).Text,
              "The 2 in row 1, column 3 and the 1 in row 9, column 9 are wrong.");

    // An empty cell of the top left board's shared block on the Samurai, on both boards.
    Puzzle_State samurai = Sample("samurai.zd2");
    ASSERT_EQ(samurai.Sudoku_Boards[0].Cell_Values[7][6], 0);
    const int wrong =
        Unique_Solution(samurai)[Var_At(Build_Constraint_Structure(samurai), 0, 7, 6)] % 9 + 1;
    Enter(samurai, 0, 7, 6, wrong);
    Enter(samurai, 2, 1, 0, wrong);
    const Hint shared = Find_Hint(samurai);
    ASSERT_EQ(shared.Kind, Hint_Kind::Wrong_Entries);
    EXPECT_EQ(shared.Wrong, (std::vector<Number_Place>{{0, 7, 6, wrong}, {2, 1, 0, wrong}}));
    EXPECT_EQ(shared.Text,
              "The " + std::to_string(wrong) + " in board 1, row 7, column 8 is wrong.");
}

TEST(Hint, SolutionCountComesFromTheLockedNumbersAlone) {
    // Two locked 5s in a row: no solution.
    Puzzle_State none = Classic_Puzzle(Classic);
    none.Sudoku_Boards[0].Cell_Values[8][0] = 5;
    none.Sudoku_Boards[0].Cell_Locked[8][0] = 1;
    Hint hint = Find_Hint(none);
    EXPECT_EQ(hint.Kind, Hint_Kind::No_Solution);
    EXPECT_EQ(hint.Solutions, 0);

    // Unlocked numbers do not make a puzzle unique: with everything unlocked the locked
    // numbers (none) allow many solutions.
    Puzzle_State open = Classic_Puzzle(Classic);
    for (auto& column : open.Sudoku_Boards[0].Cell_Locked) {
        std::fill(column.begin(), column.end(), 0);
    }
    hint = Find_Hint(open);
    EXPECT_EQ(hint.Kind, Hint_Kind::Many_Solutions);
    EXPECT_EQ(hint.Solutions, 2);
    EXPECT_TRUE(hint.Steps.empty());
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
    } else if (last.Kind != Technique::Full_House && last.Kind != Technique::Hidden_Single) {
        // A placement by a chain or BUG+1: its technique still finds a step from the kept ones.
        Step again;
        EXPECT_TRUE(Technique_Info(last.Kind).Find(state, again))
            << Technique_Name(last.Kind) << ": " << last.Text;
    } else {
        ASSERT_EQ(last.Unit_Indices.size(), 1U);
        for (int v : state.Shape().Structure.Units[last.Unit_Indices[0]]) {
            if (v != placed.Var) {
                EXPECT_EQ(state.Candidates(v) & Bit_Of(placed.Number), 0U) << last.Text;
            }
        }
    }
}

struct Play {
    int Shortened = 0;         // hints that left out steps of the stepper's own way
    bool Steps_Before = false; // some hint needed steps before its number
};

// Plays the puzzle to the end by hints alone, entering each number on every copy of its cell
// as the window does: one hint per empty cell, each with sound steps of which only the last
// places a number, that number following from them alone, and no more steps than the
// stepper's own way to a number.
void Expect_Played_By_Hints(Puzzle_State puzzle, const std::string& name, Play& play) {
    SCOPED_TRACE(name);
    const std::vector<int> solution = Unique_Solution(puzzle);
    ASSERT_FALSE(solution.empty());
    const auto shape = std::make_shared<const Logic_Shape>(puzzle);
    int hints = 0;
    for (;; ++hints) {
        ASSERT_LT(hints, shape->Structure.Var_Count + 1) << "a hint placed nothing";
        const Hint hint = Find_Hint(puzzle);
        if (hint.Kind == Hint_Kind::Already_Solved) {
            EXPECT_EQ(hint.Text, "The puzzle is solved.");
            break;
        }
        ASSERT_EQ(hint.Kind, Hint_Kind::Next_Number) << hint.Text;
        ASSERT_FALSE(hint.Steps.empty());
        EXPECT_EQ(hint.Text, hint.Steps.back().Text);
        for (std::size_t i = 0; i < hint.Steps.size(); ++i) {
            Expect_Step_Sound(*shape, solution, hint.Steps[i], name);
            EXPECT_EQ(hint.Steps[i].Places(), i + 1 == hint.Steps.size())
                << "only the last step places a number";
        }
        Expect_Number_Follows(puzzle, hint);
        Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
        std::size_t taken = 0;
        Step step;
        while (Next_Step(state, step) && !step.Places()) {
            state.Apply(step);
            ++taken;
        }
        EXPECT_LE(hint.Steps.size(), taken + 1);
        play.Shortened += hint.Steps.size() < taken + 1 ? 1 : 0;
        play.Steps_Before = play.Steps_Before || hint.Steps.size() > 1;
        ASSERT_FALSE(hint.Placement.empty());
        for (const Number_Place& p : hint.Placement) {
            EXPECT_EQ(puzzle.Sudoku_Boards[p.Board].Cell_Values[p.Col][p.Row], 0);
            EXPECT_FALSE(puzzle.Sudoku_Boards[p.Board].Cell_Locked[p.Col][p.Row]);
            puzzle.Sudoku_Boards[p.Board].Cell_Values[p.Col][p.Row] = p.Number;
        }
    }
    EXPECT_EQ(hints, std::count(shape->Structure.Given.begin(), shape->Structure.Given.end(), 0))
        << "one hint per empty cell";
    EXPECT_EQ(Build_Constraint_Structure(puzzle).Given, solution);
}

} // namespace

TEST(Hint, EverySampleAndHardPuzzlePlayedToTheEndByHintsAlone) {
    Play play;
    for (const std::string& name : Sample_Names()) {
        Expect_Played_By_Hints(Sample(name), name, play);
    }
    EXPECT_TRUE(play.Steps_Before) << "the hard sample needs eliminations before some numbers";
    int i = 0;
    for (const std::string& line : Hard_Classic_Lines(20)) {
        Expect_Played_By_Hints(Classic_Puzzle(line), "line " + std::to_string(++i), play);
    }
    EXPECT_GT(play.Shortened, 0) << "some hints leave out steps elsewhere on the board";
}
