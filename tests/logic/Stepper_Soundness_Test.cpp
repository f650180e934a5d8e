// The stepper against puzzles with one solution, on every shape: no step may place a wrong
// number or remove the right one, and the steps must reach the solution.

#include <gtest/gtest.h>

#include <fstream>

#include "logic/Generator.h"
#include "logic/Hint.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

TEST(Stepper_Soundness, EverySampleSolvedSoundly) {
    for (const std::string& name : Sample_Names()) {
        SCOPED_TRACE(name);
        const Steps_Result r = Expect_Sound_To_The_End(Sample(name), name);
        EXPECT_FALSE(r.Steps.empty());
    }
}

TEST(Stepper_Soundness, GeneratedPuzzlesOfEveryKindSolvedSoundly) {
    for (const char* kind : {"classic", "6x6-wide", "6x6-tall", "samurai", "jigsaw", "symbols"}) {
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            const std::string where = std::string(kind) + " seed " + std::to_string(seed);
            SCOPED_TRACE(where);
            const Generate_Result made = Generate_Puzzle(kind, seed, Puzzle_Level::Hard);
            ASSERT_TRUE(made.Ok()) << made.Error;
            Expect_Sound_To_The_End(made.Puzzle, where);
        }
    }
}

namespace {

// Enters the hint's number on every copy of its cell, as the window does.
void Enter(Puzzle_State& puzzle, const Hint& hint) {
    for (const Number_Place& p : hint.Placement) {
        puzzle.Sudoku_Boards[p.Board].Cell_Values[p.Col][p.Row] = p.Number;
    }
}

} // namespace

TEST(Stepper_Soundness, EverySamplePlayedToTheEndByHintsAlone) {
    for (const std::string& name : Sample_Names()) {
        SCOPED_TRACE(name);
        Puzzle_State puzzle = Sample(name);
        const std::vector<int> solution = Unique_Solution(puzzle);
        ASSERT_FALSE(solution.empty());
        const auto shape = std::make_shared<const Logic_Shape>(puzzle);
        int hints = 0;
        for (;; ++hints) {
            ASSERT_LT(hints, shape->Structure.Var_Count + 1) << "a hint placed nothing";
            const Hint hint = Find_Hint(puzzle);
            if (hint.Kind == Hint_Kind::Already_Solved) {
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
            ASSERT_FALSE(hint.Placement.empty());
            for (const Number_Place& p : hint.Placement) {
                EXPECT_EQ(puzzle.Sudoku_Boards[p.Board].Cell_Values[p.Col][p.Row], 0);
                EXPECT_FALSE(puzzle.Sudoku_Boards[p.Board].Cell_Locked[p.Col][p.Row]);
            }
            Enter(puzzle, hint);
        }
        int empty_at_start = 0;
        for (int v = 0; v < shape->Structure.Var_Count; ++v) {
            empty_at_start += shape->Structure.Given[v] == 0 ? 1 : 0;
        }
        EXPECT_EQ(hints, empty_at_start) << "one hint per empty cell";
        const Constraint_Structure after = Build_Constraint_Structure(puzzle);
        EXPECT_EQ(after.Given, solution);
    }
}

TEST(Stepper_Soundness, HardClassicPuzzlesSolvedSoundly) {
    // Puzzles that need fish, wings, chains and trial steps.
    std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/hard-classic-1000.txt");
    ASSERT_TRUE(in.good());
    std::string line;
    int techniques_seen[Technique_Count] = {};
    for (int i = 0; i < 200 && std::getline(in, line); ++i) {
        std::string text = "board 9x9 20 20\n";
        for (int r = 0; r < 9; ++r) {
            text += line.substr(r * 9, 9) + "\n";
        }
        const Steps_Result r =
            Expect_Sound_To_The_End(Parse(text), "line " + std::to_string(i + 1));
        for (const Step& s : r.Steps) {
            ++techniques_seen[static_cast<int>(s.Kind)];
        }
    }
    for (Technique t :
         {Technique::Locked_Candidates, Technique::Naked_Pair, Technique::X_Wing,
          Technique::XY_Wing, Technique::X_Chain, Technique::XY_Chain, Technique::Trial}) {
        EXPECT_GT(techniques_seen[static_cast<int>(t)], 0) << Technique_Name(t);
    }
}
