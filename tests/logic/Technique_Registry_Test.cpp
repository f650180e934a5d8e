// The technique registry: every row is complete, the rows are in their identifiers' order,
// the stepper tries them in that order and stops at the hardest one allowed.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "logic/Technique.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

TEST(Technique_Registry, EveryRowHasANameAScoreALevelAndAFinder) {
    const std::vector<Technique_Row>& rows = Technique_Registry();
    ASSERT_EQ(static_cast<int>(rows.size()), Technique_Count);
    std::set<std::string> names;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Technique_Row& row = rows[i];
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(static_cast<std::size_t>(row.Id), i) << "rows out of their identifiers' order";
        EXPECT_EQ(&Technique_Info(row.Id), &row);
        EXPECT_GT(std::string(row.Name).size(), 2u);
        EXPECT_TRUE(names.insert(row.Name).second) << "a name used twice";
        EXPECT_GT(row.Score, 0);
        EXPECT_NE(row.Find, nullptr);
        if (i > 0) {
            // Harder techniques come later: neither the level nor the score goes down.
            EXPECT_GE(static_cast<int>(row.Level), static_cast<int>(rows[i - 1].Level));
            EXPECT_GE(row.Score, rows[i - 1].Score);
        }
    }
    // The last resort is last and rated above every named technique; each level is the band
    // of the rating.
    EXPECT_EQ(rows.back().Id, Technique::Trial);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Level, Level_Of_Rating(rows[i].Rating)) << rows[i].Name;
        if (i + 1 < rows.size()) {
            EXPECT_LT(rows[i].Rating, rows.back().Rating) << rows[i].Name;
        }
    }
}

TEST(Technique_Registry, TheStepperTakesTheFirstRowThatFindsAStepUpToTheHardestAllowed) {
    // A hard classic: its first step needs more than singles at some point of the way.
    for (const std::string& line : Hard_Classic_Lines(20)) {
        Logic_State state(std::make_shared<const Logic_Shape>(Classic_Puzzle(line)));
        Step step;
        while (Next_Step(state, step)) {
            // No easier row finds a step in this position.
            for (const Technique_Row& row : Technique_Registry()) {
                if (row.Id == step.Kind) {
                    break;
                }
                Step easier;
                EXPECT_FALSE(row.Find(state, easier))
                    << row.Name << " before " << Technique_Name(step.Kind);
            }
            if (step.Kind != Technique::Full_House && step.Kind != Technique::Naked_Single &&
                step.Kind != Technique::Hidden_Single) {
                // Allowed no further than the row before it, the stepper finds nothing.
                const int at = static_cast<int>(step.Kind);
                Step capped;
                EXPECT_FALSE(Next_Step(state, capped, static_cast<Technique>(at - 1)));
                return;
            }
            state.Apply(step);
        }
    }
    ADD_FAILURE() << "no hard classic needed more than singles";
}
