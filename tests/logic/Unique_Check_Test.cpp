// The generator's quick solver against the plain solver: the same uniqueness verdicts after
// givens are taken away, valid random grids, and cancelling.

#include <gtest/gtest.h>

#include <atomic>

#include "logic/Random.h"
#include "logic/Shapes.h"
#include "logic/Solver.h"
#include "logic/Unique_Check.h"

namespace {

Puzzle_State Shape(const std::string& kind) {
    Puzzle_State p;
    EXPECT_TRUE(Empty_Puzzle_Of_Kind(kind, 7, p)) << kind;
    return p;
}

// True when no unit holds a number twice and every variable holds a number in its range.
bool Valid_Fill(const Constraint_Structure& s, const std::vector<int>& values) {
    if (static_cast<int>(values.size()) != s.Var_Count) {
        return false;
    }
    for (int v = 0; v < s.Var_Count; ++v) {
        if (values[v] < 1 || values[v] > s.Max_Of_Var[v]) {
            return false;
        }
    }
    for (const std::vector<int>& unit : s.Units) {
        unsigned seen = 0;
        for (int v : unit) {
            const unsigned bit = 1U << values[v];
            if ((seen & bit) != 0) {
                return false;
            }
            seen |= bit;
        }
    }
    return true;
}

} // namespace

// Givens taken away from random full grids of every kind, one or two at a time, as the
// generator does: the quick verdict must equal a full count by the plain solver. Walking
// down to a nearly minimal puzzle meets both verdicts many times.
TEST(Unique_Check, StillUniqueMatchesAFullCountOnEveryKind) {
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        Constraint_Structure s = Build_Constraint_Structure(Shape(kind.Name));
        Unique_Check check(s);
        Tool_Random random(11);
        std::vector<int> solution;
        ASSERT_TRUE(check.Random_Solution(random, solution)) << kind.Name;
        std::vector<int> order(s.Var_Count);
        for (int v = 0; v < s.Var_Count; ++v) {
            order[v] = v;
        }
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

TEST(Unique_Check, RandomSolutionsAreValidAndFollowTheSeed) {
    for (const char* kind : {"classic", "6x6-tall", "samurai", "butterfly", "windmill"}) {
        const Constraint_Structure s = Build_Constraint_Structure(Shape(kind));
        Unique_Check check(s);
        std::vector<int> a, b, c;
        Tool_Random r1(5), r2(5), r3(6);
        ASSERT_TRUE(check.Random_Solution(r1, a)) << kind;
        ASSERT_TRUE(check.Random_Solution(r2, b)) << kind;
        ASSERT_TRUE(check.Random_Solution(r3, c)) << kind;
        EXPECT_TRUE(Valid_Fill(s, a)) << kind;
        EXPECT_TRUE(Valid_Fill(s, c)) << kind;
        EXPECT_EQ(a, b) << kind;
        EXPECT_NE(a, c) << kind;
    }
}

TEST(Unique_Check, CancelStopsTheSearch) {
    const Constraint_Structure s = Build_Constraint_Structure(Shape("samurai"));
    Unique_Check check(s);
    std::atomic<bool> cancel{true};
    check.Watch_Cancel(&cancel);
    Tool_Random random(3);
    std::vector<int> grid;
    EXPECT_FALSE(check.Random_Solution(random, grid));
    EXPECT_TRUE(check.Cancelled());
    EXPECT_LT(check.Nodes(), 1000);
}
