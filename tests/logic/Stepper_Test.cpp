// The stepper against hard classic puzzles and bank puzzles rated up to 9.3 with one solution:
// no step may place a wrong number or remove the right one, and the steps must reach the
// solution without the trial step (generated puzzles of every kind are checked the same way in
// Generator_Test, the samples by hints in Hint_Test). Uniqueness techniques stay off on
// puzzles with two solutions. Grades by the hardest step's rating. The structure and names on a
// Samurai: a shared cell is one variable with every place, a block two boards share is one unit.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "logic/Grading.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

TEST(Stepper_Soundness, HardClassicPuzzlesSolvedSoundly) {
    // Puzzles that need fish, wings, chains and trial steps.
    int techniques_seen[Technique_Count] = {};
    int i = 0;
    for (const std::string& line : Hard_Classic_Lines(200)) {
        const Steps_Result r =
            Expect_Sound_To_The_End(Classic_Puzzle(line), "line " + std::to_string(++i));
        for (const Step& s : r.Steps) {
            ++techniques_seen[static_cast<int>(s.Kind)];
        }
    }
    for (Technique t : {Technique::Locked_Candidates, Technique::Naked_Pair, Technique::X_Wing,
                        Technique::XY_Wing, Technique::Alternating_Chain}) {
        EXPECT_GT(techniques_seen[static_cast<int>(t)], 0) << Technique_Name(t);
    }
    EXPECT_EQ(techniques_seen[static_cast<int>(Technique::Trial)], 0);
}

TEST(Stepper_Soundness, BankPuzzlesUpToNinePointThreeSolvedSoundlyWithoutTrial) {
    int techniques_seen[Technique_Count] = {};
    for (const auto& [line, rating] : Rated_Sample(3)) {
        const Steps_Result r = Expect_Sound_To_The_End(Classic_Puzzle(line), line);
        for (const Step& s : r.Steps) {
            ++techniques_seen[static_cast<int>(s.Kind)];
            EXPECT_NE(s.Kind, Technique::Trial) << line << " (" << rating << ")";
            EXPECT_GE(s.Rating, Technique_Rating(s.Kind)) << s.Text;
        }
    }
    for (Technique t :
         {Technique::Skyscraper, Technique::Finned_X_Wing, Technique::Unique_Rectangle_1,
          Technique::WXYZ_Wing, Technique::Alternating_Chain, Technique::Dynamic_Chain}) {
        EXPECT_GT(techniques_seen[static_cast<int>(t)], 0) << Technique_Name(t);
    }
}

TEST(Stepper_Soundness, UniquenessTechniquesNeverOnAPuzzleWithTwoSolutions) {
    // Bank puzzles with givens taken away, one at a time, until they have two solutions.
    int checked = 0;
    for (const auto& [line, rating] : Rated_Sample(40)) {
        std::string open = line;
        for (std::size_t i = 0; i < open.size(); ++i) {
            if (open[i] == '0') {
                continue;
            }
            const char given = open[i];
            open[i] = '0';
            if (Unique_Solution(Classic_Puzzle(open)).empty()) {
                break;
            }
            open[i] = given == '0' ? '0' : open[i];
        }
        const Puzzle_State puzzle = Classic_Puzzle(open);
        ASSERT_TRUE(Unique_Solution(puzzle).empty()) << open;
        ++checked;
        Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
        EXPECT_FALSE(Confirm_Unique_Solution(state)) << open;
        for (const Step& s : All_Steps(state).Steps) {
            EXPECT_FALSE(Technique_Info(s.Kind).Needs_Unique) << open << ": " << s.Text;
        }
        const Grade_Result grade = Grade_Puzzle(puzzle);
        for (const Technique_Row& row : Technique_Registry()) {
            if (row.Needs_Unique) {
                EXPECT_EQ(grade.Techniques.count(row.Name), 0U) << open << ": " << row.Name;
            }
        }
    }
    EXPECT_GE(checked, 10);
}

TEST(Grading, RatingIsTheHardestStepsAndLevelItsBandUnsolvedIsExtreme) {
    Steps_Result steps;
    Step pair;
    pair.Kind = Technique::Naked_Pair;
    pair.Rating = 30;
    Step chain;
    chain.Kind = Technique::X_Chain;
    chain.Rating = 68;
    steps.Solved = true;
    steps.Steps.assign(20, pair);
    EXPECT_EQ(Grade_Steps(steps, 81).Rating, 30);
    EXPECT_EQ(Grade_Steps(steps, 81).Level, Puzzle_Level::Medium);
    steps.Steps.push_back(chain);
    EXPECT_EQ(Grade_Steps(steps, 81).Rating, 68);
    EXPECT_EQ(Grade_Steps(steps, 369).Level, Puzzle_Level::Expert) << "the same on a Samurai";
    steps.Solved = false;
    const Grade_Result stuck = Grade_Steps(steps, 81);
    EXPECT_EQ(stuck.Level, Puzzle_Level::Extreme);
    EXPECT_FALSE(stuck.Solved);
    EXPECT_EQ(stuck.Techniques.at("Naked pair"), 20);
    for (int rating : {10, 24, 25, 39, 40, 59, 60, 79, 80, 110}) {
        EXPECT_GE(rating, Lowest_Rating(Level_Of_Rating(rating)));
    }
    EXPECT_EQ(Level_Of_Rating(24), Puzzle_Level::Easy);
    EXPECT_EQ(Level_Of_Rating(80), Puzzle_Level::Extreme);
    EXPECT_EQ(Rating_Text(45), "4.5");
}

namespace {

int Unit_Of(const Constraint_Structure& s, Unit_Id id) {
    return static_cast<int>(std::find(s.Unit_Ids.begin(), s.Unit_Ids.end(), id) -
                            s.Unit_Ids.begin());
}

} // namespace

TEST(Structure, SamuraiSharedCellsAreOneVariableWithEveryPlace) {
    const Logic_Shape shape(Sample("samurai.zd2"));
    const Constraint_Structure& s = shape.Structure;
    EXPECT_EQ(s.Var_Count, 5 * 81 - 4 * 9);
    const int shared = Var_At(s, 0, 7, 8);
    EXPECT_EQ(shared, Var_At(s, 2, 1, 2));
    EXPECT_EQ(s.Places_Of_Var(shared), (std::vector<Cell_Place>{{0, 7, 8}, {2, 1, 2}}));
    // The corner's shared block is the centre's block 1: one unit, named after board 1.
    EXPECT_EQ(std::count_if(s.Unit_Ids.begin(), s.Unit_Ids.end(),
                            [](const Unit_Id& id) { return id.Kind == Unit_Kind::Block; }),
              5 * 9 - 4);
    std::vector<int> block;
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < 3; ++r) {
            block.push_back(Var_At(s, 2, c, r));
        }
    }
    std::sort(block.begin(), block.end());
    ASSERT_LT(Unit_Of(s, {Unit_Kind::Block, 0, 8}), static_cast<int>(s.Units.size()));
    EXPECT_EQ(s.Units[Unit_Of(s, {Unit_Kind::Block, 0, 8})], block);
    EXPECT_EQ(Unit_Of(s, {Unit_Kind::Block, 2, 0}), static_cast<int>(s.Units.size()));

    EXPECT_EQ(shape.Cell_Name(shared), "board 1, row 9, column 8");
    EXPECT_EQ(shape.Cell_Name(shared, 2), "row 3, column 2") << "named on the board spoken of";
    EXPECT_EQ(shape.Unit_Name(Unit_Of(s, {Unit_Kind::Column, 4, 5})), "column 6 of board 5");
    const Logic_Shape twin(Sample("twin-region.zd2"));
    EXPECT_EQ(twin.Unit_Name(Unit_Of(twin.Structure, {Unit_Kind::Region, -1, 0})), "region 1");
    const Logic_Shape one(Sample("symbols.zd2"));
    EXPECT_EQ(one.Cell_Name(Var_At(one.Structure, 0, 5, 3)), "row 4, column 6");
    EXPECT_EQ(one.Number_Text(0, 1), "S") << "a symbols board writes its symbols";
}

// The techniques that look at several cells' numbers together (aligned triples, almost locked
// sets) asked at every position on the way through the hard bank puzzles and a sample of the
// hardest list, not only where they are the easiest step: each step they find removes only
// numbers the solution does not put there, and each finds some.
TEST(Stepper_Soundness, SetTechniquesAskedEverywhereRemoveOnlyWrongNumbers) {
    const Technique asked[] = {Technique::Aligned_Triple_Exclusion, Technique::Als_Xz,
                               Technique::Als_Xy_Wing, Technique::Als_Chain};
    int found[std::size(asked)] = {};
    std::vector<std::string> lines;
    for (const auto& [line, rating] : Rated_Sample(4)) {
        if (rating >= 70) {
            lines.push_back(line);
        }
    }
    std::ifstream hardest(std::string(TESSEL_SOURCE_DIR) + "/bench/hardest-sample.txt");
    for (std::string line, rating; lines.size() < 70 && hardest >> line >> rating;) {
        lines.push_back(line);
    }
    for (const std::string& line : lines) {
        const Puzzle_State puzzle = Classic_Puzzle(line);
        const std::vector<int> solution = Unique_Solution(puzzle);
        ASSERT_FALSE(solution.empty()) << line;
        Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
        Step step;
        for (int moves = 0; moves < 60 && Next_Step(state, step); ++moves) {
            for (std::size_t t = 0; t < std::size(asked); ++t) {
                Step found_step;
                if (!Technique_Info(asked[t]).Find(state, found_step)) {
                    continue;
                }
                ++found[t];
                EXPECT_FALSE(found_step.Var_Eliminations.empty()) << found_step.Text;
                EXPECT_EQ(found_step.Text.rfind(std::string(Technique_Name(asked[t])) + ": ", 0),
                          0U);
                for (const Var_Number& e : found_step.Var_Eliminations) {
                    EXPECT_NE(e.Number, solution[e.Var]) << line << ": " << found_step.Text;
                    EXPECT_NE(state.Candidates(e.Var) & Bit_Of(e.Number), 0U) << found_step.Text;
                }
            }
            state.Apply(step);
        }
    }
    for (std::size_t t = 0; t < std::size(asked); ++t) {
        EXPECT_GT(found[t], 10) << Technique_Name(asked[t]);
    }
}

// The slow techniques tried on two threads at once (as a hint tries them) give the step one
// thread finds, at every position on the way through the hardest bank puzzles of the sample and
// a Butterfly whose steps cross boards; capped below a technique, neither finds it; cancelled
// before the start, neither finds anything.
TEST(Stepper, TwoThreadsFindTheStepOneThreadFinds) {
    std::vector<Puzzle_State> puzzles;
    for (const auto& [line, rating] : Rated_Sample(1)) {
        if (rating >= 90 && puzzles.size() < 4) {
            puzzles.push_back(Classic_Puzzle(line));
        }
    }
    Puzzle_Read_Result butterfly = Read_Puzzle_File(
        std::string(TESSEL_SOURCE_DIR) + "/tests/data/across-boards/butterfly-extreme-4.zd2");
    ASSERT_TRUE(butterfly.Ok()) << butterfly.Error;
    puzzles.push_back(std::move(butterfly.Puzzle));
    int compared = 0;
    int slow = 0; // steps that needed the techniques shared between the threads
    for (const Puzzle_State& puzzle : puzzles) {
        Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
        ASSERT_TRUE(Confirm_Unique_Solution(state));
        Step one;
        while (Next_Step(state, one)) {
            Step two;
            ASSERT_TRUE(Next_Step(state, two, Technique::Trial, nullptr, true)) << one.Text;
            EXPECT_EQ(two.Kind, one.Kind);
            EXPECT_EQ(two.Text, one.Text);
            EXPECT_EQ(two.Eliminations, one.Eliminations) << one.Text;
            EXPECT_EQ(two.Placements, one.Placements) << one.Text;
            EXPECT_EQ(two.Rating, one.Rating) << one.Text;
            ++compared;
            if (one.Kind >= Technique::Nice_Loop) {
                ++slow;
                const Technique easier = static_cast<Technique>(static_cast<int>(one.Kind) - 1);
                Step capped;
                EXPECT_EQ(Next_Step(state, capped, easier, nullptr, true),
                          Next_Step(state, capped, easier))
                    << one.Text;
            }
            state.Apply(one);
        }
        EXPECT_TRUE(state.Solved());
    }
    EXPECT_GT(compared, 200);
    EXPECT_GT(slow, 20);
    const std::atomic<bool> cancelled{true};
    Logic_State hard(std::make_shared<const Logic_Shape>(puzzles.front()));
    Step none;
    EXPECT_FALSE(Next_Step(hard, none, Technique::Trial, &cancelled, true));
}
