// Grades by the hardest technique needed and the score.

#include <gtest/gtest.h>

#include "logic/Grading.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

TEST(Grading, SamplesGetTheLevelOfTheirHardestStep) {
    const Grade_Result easy = Grade_Puzzle(Sample("classic-easy.zd2"));
    EXPECT_TRUE(easy.Solved);
    EXPECT_EQ(easy.Level, Puzzle_Level::Easy);
    int steps = 0;
    for (const auto& [name, count] : easy.Techniques) {
        EXPECT_TRUE(name == "Full house" || name == "Naked single" || name == "Hidden single")
            << name;
        steps += count;
    }
    const Constraint_Structure s = Build_Constraint_Structure(Sample("classic-easy.zd2"));
    int empty = 0;
    for (int g : s.Given) {
        empty += g == 0 ? 1 : 0;
    }
    EXPECT_EQ(steps, empty) << "one single per empty cell";

    const Grade_Result hard = Grade_Puzzle(Sample("classic-hard.zd2"));
    EXPECT_TRUE(hard.Solved);
    EXPECT_EQ(hard.Level, Puzzle_Level::Extreme);
    EXPECT_EQ(hard.Techniques.count("Trial"), 1U);
    int score = 0;
    for (const auto& [name, count] : hard.Techniques) {
        for (int t = 0; t < Technique_Count; ++t) {
            if (name == Technique_Name(static_cast<Technique>(t))) {
                score += count * Technique_Score(static_cast<Technique>(t));
            }
        }
    }
    EXPECT_EQ(hard.Score, score);
}

TEST(Grading, LevelRisesWithAHighScoreAndUnsolvedIsExtreme) {
    Steps_Result steps;
    Step pair;
    pair.Kind = Technique::Naked_Pair;
    steps.Solved = true;
    steps.Steps.assign(20, pair); // 1200 on 81 cells: still medium
    EXPECT_EQ(Grade_Steps(steps, 81).Level, Puzzle_Level::Medium);
    steps.Steps.push_back(pair); // 1260
    EXPECT_EQ(Grade_Steps(steps, 81).Level, Puzzle_Level::Hard);
    EXPECT_EQ(Grade_Steps(steps, 369).Level, Puzzle_Level::Medium) << "a Samurai allows more";
    steps.Solved = false;
    const Grade_Result stuck = Grade_Steps(steps, 81);
    EXPECT_EQ(stuck.Level, Puzzle_Level::Extreme);
    EXPECT_FALSE(stuck.Solved);
    EXPECT_EQ(stuck.Techniques.at("Naked pair"), 21);
}

TEST(Grading, NamesRoundTrip) {
    for (Puzzle_Level l : {Puzzle_Level::Easy, Puzzle_Level::Medium, Puzzle_Level::Hard,
                           Puzzle_Level::Expert, Puzzle_Level::Extreme}) {
        Puzzle_Level back = Puzzle_Level::Easy;
        ASSERT_TRUE(Parse_Level(Level_Name(l), back));
        EXPECT_EQ(back, l);
    }
    Puzzle_Level unused = Puzzle_Level::Easy;
    EXPECT_FALSE(Parse_Level("impossible", unused));
}
