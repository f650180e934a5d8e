// One golden sentence per technique, each on a small hand-made position where that technique
// is the easiest step, with the eliminations it must make.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>

#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

const char* const Empty_Classic = "board 9x9 20 20\n"
                                  ".........\n.........\n.........\n.........\n.........\n"
                                  ".........\n.........\n.........\n.........\n";

Number_Set Set_Of(std::initializer_list<int> numbers) {
    Number_Set set = 0;
    for (int n : numbers) {
        set |= Bit_Of(n);
    }
    return set;
}

// An empty classic board whose cells all hold every candidate; positions are then cut by
// hand. Rows and columns are counted from 1 here, as in the sentences.
class Position {
  public:
    Position() : State(std::make_shared<const Logic_Shape>(Parse(Empty_Classic))) {}

    static int Var(int row, int col) { return (col - 1) * 9 + (row - 1); }
    void Set(int row, int col, std::initializer_list<int> numbers) {
        State.Set_Candidates(Var(row, col), Set_Of(numbers));
    }
    void Remove(int row, int col, int number) { State.Eliminate(Var(row, col), number); }
    // Removes the number from the cells of block 1, except the cells given as {row, column}.
    void Block_1_Only(int number, std::initializer_list<std::array<int, 2>> keep) {
        for (int row = 1; row <= 3; ++row) {
            for (int col = 1; col <= 3; ++col) {
                if (std::find(keep.begin(), keep.end(), std::array<int, 2>{row, col}) ==
                    keep.end()) {
                    Remove(row, col, number);
                }
            }
        }
    }
    // Removes the number from the cells of a row, except the columns given.
    void Row_Only(int row, int number, std::initializer_list<int> keep) {
        for (int col = 1; col <= 9; ++col) {
            if (std::find(keep.begin(), keep.end(), col) == keep.end()) {
                Remove(row, col, number);
            }
        }
    }

    Step First() const {
        Step step;
        EXPECT_TRUE(Next_Step(State, step));
        return step;
    }

    Logic_State State;
};

// The step removes exactly these candidates (row, column, number), in any order.
void Expect_Removes(const Step& step, std::vector<std::array<int, 3>> expected) {
    std::vector<std::array<int, 3>> got;
    for (const Number_Place& e : step.Eliminations) {
        got.push_back({e.Row + 1, e.Col + 1, e.Number});
    }
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected) << step.Text;
}

} // namespace

TEST(Technique_Text, Singles) {
    Puzzle_State p = Parse("board 9x9 20 20\n"
                           "12345678.\n.........\n.........\n.........\n.........\n"
                           ".........\n.........\n.........\n.........\n");
    Logic_State state(std::make_shared<const Logic_Shape>(p));
    Step step;
    ASSERT_TRUE(Next_Step(state, step));
    EXPECT_EQ(step.Kind, Technique::Full_House);
    EXPECT_EQ(step.Text,
              "Full house: row 1, column 9 is the last empty cell of row 1, so it holds 9.");
    ASSERT_EQ(step.Placements.size(), 1U);
    EXPECT_EQ(step.Placements[0], (Number_Place{0, 8, 0, 9}));

    p = Parse("board 9x9 20 20\n"
              "1234.....\n........5\n........6\n........7\n........8\n"
              ".........\n.........\n.........\n.........\n");
    state = Logic_State(std::make_shared<const Logic_Shape>(p));
    ASSERT_TRUE(Next_Step(state, step));
    EXPECT_EQ(step.Kind, Technique::Naked_Single);
    EXPECT_EQ(step.Text, "Naked single: row 1, column 9 can only hold 9.");

    p = Parse("board 9x9 20 20\n"
              ".........\n...9.....\n......9..\n.........\n.9.......\n"
              ".........\n..9......\n.........\n.........\n");
    state = Logic_State(std::make_shared<const Logic_Shape>(p));
    ASSERT_TRUE(Next_Step(state, step));
    EXPECT_EQ(step.Kind, Technique::Hidden_Single);
    EXPECT_EQ(step.Text, "Hidden single: in column 1, only row 1 can hold 9.");
    ASSERT_EQ(step.Units.size(), 1U);
    EXPECT_EQ(step.Units[0], (Unit_Id{Unit_Kind::Column, 0, 0}));
}

TEST(Technique_Text, LockedCandidates) {
    Position p;
    p.Block_1_Only(5, {{1, 1}, {1, 2}});
    const Step step = p.First();
    EXPECT_EQ(step.Kind, Technique::Locked_Candidates);
    EXPECT_EQ(step.Text, "Locked candidates: in block 1, 5 can only go where it meets row 1, so "
                         "the other cells of row 1 cannot hold 5 (column 4, column 5, column 6, "
                         "column 7, column 8 and column 9).");
    Expect_Removes(step, {{1, 4, 5}, {1, 5, 5}, {1, 6, 5}, {1, 7, 5}, {1, 8, 5}, {1, 9, 5}});
    EXPECT_EQ(step.Cells.size(), 2U);
}

namespace {

struct Golden {
    void (*Setup)(Position&);
    Technique Kind;
    const char* Text;
    std::size_t Eliminations;
};

void Expect_Golden(const Golden& g) {
    Position p;
    g.Setup(p);
    const Step step = p.First();
    EXPECT_EQ(step.Kind, g.Kind) << step.Text;
    EXPECT_EQ(step.Text, g.Text);
    EXPECT_EQ(step.Eliminations.size(), g.Eliminations) << step.Text;
}

} // namespace

TEST(Technique_Text, NakedAndHiddenSubsets) {
    const Golden cases[] = {
        {[](Position& p) {
             p.Set(1, 1, {1, 2});
             p.Set(1, 2, {1, 2});
         },
         Technique::Naked_Pair,
         "Naked pair: in block 1, row 1, column 1 and row 1, column 2 can only hold 1 and 2, so "
         "the other cells of block 1 cannot hold them.",
         14},
        {[](Position& p) {
             // 1 and 2 only in the first two cells of block 1 and of row 1.
             for (int n : {1, 2}) {
                 p.Row_Only(1, n, {1, 2});
                 p.Block_1_Only(n, {{1, 1}, {1, 2}});
             }
         },
         Technique::Hidden_Pair,
         "Hidden pair: in block 1, 1 and 2 can only go in row 1, column 1 and row 1, column 2, so "
         "those cells cannot hold any other number.",
         14},
        {[](Position& p) {
             p.Set(1, 1, {1, 2});
             p.Set(1, 2, {2, 3});
             p.Set(1, 3, {1, 3});
         },
         Technique::Naked_Triple,
         "Naked triple: in block 1, row 1, column 1; row 1, column 2 and row 1, column 3 can only "
         "hold 1, 2 and 3, so the other cells of block 1 cannot hold them.",
         18},
        {[](Position& p) {
             for (int n : {1, 2, 3}) {
                 p.Row_Only(1, n, {1, 2, 3});
                 p.Block_1_Only(n, {{1, 1}, {1, 2}, {1, 3}});
             }
         },
         Technique::Hidden_Triple,
         "Hidden triple: in block 1, 1, 2 and 3 can only go in row 1, column 1; row 1, column 2 "
         "and row 1, column 3, so those cells cannot hold any other number.",
         18},
        {[](Position& p) {
             p.Set(1, 1, {1, 2});
             p.Set(1, 2, {2, 3});
             p.Set(1, 3, {3, 4});
             p.Set(2, 1, {1, 4});
         },
         Technique::Naked_Quad,
         "Naked quad: in block 1, row 1, column 1; row 2, column 1; row 1, column 2 and row 1, "
         "column 3 can only hold 1, 2, 3 and 4, so the other cells of block 1 cannot hold them.",
         20},
        {[](Position& p) {
             // 1 to 4 only in row 1, columns 1-3 and row 2, column 1 within block 1.
             for (int n : {1, 2, 3, 4}) {
                 p.Block_1_Only(n, {{1, 1}, {1, 2}, {1, 3}, {2, 1}});
             }
         },
         Technique::Hidden_Quad,
         "Hidden quad: in block 1, 1, 2, 3 and 4 can only go in row 1, column 1; row 2, column 1; "
         "row 1, column 2 and row 1, column 3, so those cells cannot hold any other number.",
         20},
    };
    for (const Golden& g : cases) {
        Expect_Golden(g);
    }
}

TEST(Technique_Text, Fish) {
    {
        Position p;
        p.Row_Only(1, 5, {2, 7});
        p.Row_Only(5, 5, {2, 7});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::X_Wing);
        EXPECT_EQ(step.Text.rfind("X-Wing: in row 1 and row 5, 5 can only go in column 2 and "
                                  "column 7, so no other cell of those columns can hold 5 (row 2, "
                                  "column 2; row 3, column 2;",
                                  0),
                  0U)
            << step.Text;
        EXPECT_EQ(step.Eliminations.size(), 14U);
        EXPECT_EQ(step.Units.size(), 4U);
    }
    {
        Position p;
        p.Row_Only(1, 5, {2, 7});
        p.Row_Only(5, 5, {2, 4});
        p.Row_Only(9, 5, {4, 7});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::Swordfish);
        EXPECT_EQ(step.Text.rfind("Swordfish: in row 1, row 5 and row 9, 5 can only go in column "
                                  "2, column 4 and column 7, so",
                                  0),
                  0U)
            << step.Text;
        EXPECT_EQ(step.Eliminations.size(), 18U);
    }
    {
        Position p;
        // Every pair spans two blocks, so no block or line locks 5 first.
        p.Row_Only(1, 5, {1, 4});
        p.Row_Only(2, 5, {2, 7});
        p.Row_Only(4, 5, {2, 4});
        p.Row_Only(7, 5, {1, 7});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::Jellyfish) << step.Text;
        EXPECT_EQ(step.Text.rfind("Jellyfish: in row 1, row 2, row 4 and row 7, 5 can only go in "
                                  "column 1, column 2, column 4 and column 7, so",
                                  0),
                  0U)
            << step.Text;
        EXPECT_EQ(step.Eliminations.size(), 20U);
        for (const Number_Place& e : step.Eliminations) {
            EXPECT_TRUE(e.Row != 0 && e.Row != 1 && e.Row != 3 && e.Row != 6)
                << "the base rows keep their 5s";
        }
    }
}

TEST(Technique_Text, Wings) {
    {
        Position p;
        p.Set(1, 1, {1, 2});
        p.Set(1, 5, {1, 3});
        p.Set(5, 1, {2, 3});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::XY_Wing);
        EXPECT_EQ(step.Text, "XY-Wing: whichever number row 1, column 1 (1 and 2) holds, row 5, "
                             "column 1 (2 and 3) or row 1, column 5 (1 and 3) holds 3, so row 5, "
                             "column 5, which sees both, cannot hold 3.");
        Expect_Removes(step, {{5, 5, 3}});
    }
    {
        Position p;
        p.Set(1, 1, {1, 2, 3});
        p.Set(2, 2, {1, 3});
        p.Set(1, 5, {2, 3});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::XYZ_Wing);
        EXPECT_EQ(step.Text, "XYZ-Wing: one of row 1, column 1 (1, 2 and 3), row 2, column 2 (1 "
                             "and 3) and row 1, column 5 (2 and 3) holds 3, so row 1, column 2 and "
                             "row 1, column 3, which see all three, cannot hold 3.");
        Expect_Removes(step, {{1, 2, 3}, {1, 3, 3}});
    }
}

TEST(Technique_Text, Chains) {
    {
        Position p;
        p.Row_Only(1, 5, {2, 7});
        p.Row_Only(5, 5, {2, 8});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::X_Chain);
        EXPECT_EQ(step.Text, "X-chain on 5: row 1, column 7 or row 5, column 8 holds 5 (chain "
                             "through row 1, column 7; row 1, column 2; row 5, column 2 and row 5, "
                             "column 8), so row 4, column 7; row 6, column 7; row 2, column 8 and "
                             "row 3, column 8 cannot hold 5.");
        Expect_Removes(step, {{4, 7, 5}, {6, 7, 5}, {2, 8, 5}, {3, 8, 5}});
    }
    {
        Position p;
        p.Set(1, 1, {1, 2});
        p.Set(1, 5, {2, 3});
        p.Set(5, 5, {3, 4});
        p.Set(5, 9, {1, 4});
        const Step step = p.First();
        EXPECT_EQ(step.Kind, Technique::XY_Chain);
        EXPECT_EQ(step.Text, "XY-chain on 1: row 1, column 1 or row 5, column 9 holds 1 (chain "
                             "through row 1, column 1; row 1, column 5; row 5, column 5 and row 5, "
                             "column 9), so row 5, column 1 and row 1, column 9 cannot hold 1.");
        Expect_Removes(step, {{5, 1, 1}, {1, 9, 1}});
    }
}

TEST(Technique_Text, TrialIsTheLastResortAndNamedAsSuch) {
    const Puzzle_State puzzle = Sample("classic-hard.zd2");
    const Steps_Result r = All_Steps(puzzle);
    ASSERT_TRUE(r.Solved);
    const auto trial = std::find_if(r.Steps.begin(), r.Steps.end(),
                                    [](const Step& s) { return s.Kind == Technique::Trial; });
    ASSERT_NE(trial, r.Steps.end());
    EXPECT_EQ(trial->Text.rfind("Trial: if row ", 0), 0U) << trial->Text;
    EXPECT_NE(trial->Text.find("the singles that follow would break a rule"), std::string::npos)
        << trial->Text;
    ASSERT_EQ(trial->Eliminations.size(), 1U);
    ASSERT_EQ(trial->Cells.size(), 1U);
    EXPECT_EQ(trial->Cells[0].Col, trial->Eliminations[0].Col);
    // Nothing easier applied at that point.
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
    for (auto it = r.Steps.begin(); it != trial; ++it) {
        state.Apply(*it);
    }
    Step easier;
    EXPECT_FALSE(Next_Step(state, easier, Technique::XY_Chain));
}
