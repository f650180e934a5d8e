// One golden sentence per technique, each on a small hand-made position where that technique
// is the easiest step, with what it places or removes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <sstream>

#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

// A classic board from its first rows, separated by '/' (the rest of the board empty), whose
// candidates may then be cut by hand. Rows and columns are counted from 1 here, as in the
// sentences.
class Position {
  public:
    explicit Position(std::string rows = "") : State(Shape_Of(rows)) {}

    static int Var(int row, int col) { return (col - 1) * 9 + (row - 1); }
    Position& Set(int row, int col, std::initializer_list<int> numbers) {
        Number_Set set = 0;
        for (int n : numbers) {
            set |= Bit_Of(n);
        }
        State.Set_Candidates(Var(row, col), set);
        return *this;
    }
    // Removes the number from the cells of block 1, except the cells given as {row, column}.
    Position& Block_1_Only(int number, std::initializer_list<std::array<int, 2>> keep) {
        for (int row = 1; row <= 3; ++row) {
            for (int col = 1; col <= 3; ++col) {
                if (std::find(keep.begin(), keep.end(), std::array<int, 2>{row, col}) ==
                    keep.end()) {
                    State.Eliminate(Var(row, col), number);
                }
            }
        }
        return *this;
    }
    // Removes the number from the cells of a row, except the columns given.
    Position& Row_Only(int row, int number, std::initializer_list<int> keep) {
        for (int col = 1; col <= 9; ++col) {
            if (std::find(keep.begin(), keep.end(), col) == keep.end()) {
                State.Eliminate(Var(row, col), number);
            }
        }
        return *this;
    }

    Logic_State State;

  private:
    static std::shared_ptr<const Logic_Shape> Shape_Of(const std::string& rows) {
        std::string line;
        std::istringstream in(rows);
        for (std::string row; std::getline(in, row, '/');) {
            line += row + std::string(9 - row.size(), '.');
        }
        return std::make_shared<const Logic_Shape>(
            Classic_Puzzle(line + std::string(81 - line.size(), '.')));
    }
};

using Change = std::array<int, 3>; // row, column and number, counted from 1

// The first step from the position is of this kind, with this sentence, reasoning from this
// many cells and making this many changes (placements, else eliminations); when given, the
// changes are exactly these, in any order, and the units exactly these.
void Expect_Golden(const Position& p, Technique kind, const std::string& text, std::size_t cells,
                   std::size_t changes, std::vector<Change> exact = {},
                   const std::vector<Unit_Id>& units = {}) {
    SCOPED_TRACE(Technique_Name(kind));
    Step step;
    ASSERT_TRUE(Next_Step(p.State, step));
    EXPECT_EQ(step.Kind, kind);
    EXPECT_EQ(step.Text, text);
    EXPECT_EQ(step.Cells.size(), cells);
    const std::vector<Number_Place>& made = step.Places() ? step.Placements : step.Eliminations;
    EXPECT_EQ(made.size(), changes);
    if (!exact.empty()) {
        std::vector<Change> got;
        for (const Number_Place& e : made) {
            got.push_back({e.Row + 1, e.Col + 1, e.Number});
        }
        std::sort(got.begin(), got.end());
        std::sort(exact.begin(), exact.end());
        EXPECT_EQ(got, exact);
    }
    if (!units.empty()) {
        EXPECT_EQ(step.Units, units);
    }
}

} // namespace

TEST(Technique_Text, Singles) {
    Expect_Golden(Position("12345678"), Technique::Full_House,
                  "Full house: row 1, column 9 is the last empty cell of row 1, so it holds 9.", 1,
                  1, {{1, 9, 9}});
    Expect_Golden(Position("1234/........5/........6/........7/........8"), Technique::Naked_Single,
                  "Naked single: row 1, column 9 can only hold 9.", 1, 1, {{1, 9, 9}});
    Expect_Golden(Position("/...9/......9//.9//..9"), Technique::Hidden_Single,
                  "Hidden single: in column 1, only row 1 can hold 9.", 1, 1, {{1, 1, 9}},
                  {{Unit_Kind::Column, 0, 0}});
}

TEST(Technique_Text, LockedCandidatesAndSubsets) {
    Expect_Golden(Position().Block_1_Only(5, {{1, 1}, {1, 2}}), Technique::Locked_Candidates,
                  "Locked candidates: in block 1, 5 can only go where it meets row 1, so the other "
                  "cells of row 1 cannot hold 5 (column 4, column 5, column 6, column 7, column 8 "
                  "and column 9).",
                  2, 6, {{1, 4, 5}, {1, 5, 5}, {1, 6, 5}, {1, 7, 5}, {1, 8, 5}, {1, 9, 5}});
    Expect_Golden(Position().Set(1, 1, {1, 2}).Set(1, 2, {1, 2}), Technique::Naked_Pair,
                  "Naked pair: in block 1, row 1, column 1 and row 1, column 2 can only hold 1 and "
                  "2, so the other cells of block 1 cannot hold them.",
                  2, 14);
    Expect_Golden(Position().Set(1, 1, {1, 2}).Set(1, 2, {2, 3}).Set(1, 3, {1, 3}),
                  Technique::Naked_Triple,
                  "Naked triple: in block 1, row 1, column 1; row 1, column 2 and row 1, column 3 "
                  "can only hold 1, 2 and 3, so the other cells of block 1 cannot hold them.",
                  3, 18);
    Expect_Golden(
        Position().Set(1, 1, {1, 2}).Set(1, 2, {2, 3}).Set(1, 3, {3, 4}).Set(2, 1, {1, 4}),
        Technique::Naked_Quad,
        "Naked quad: in block 1, row 1, column 1; row 2, column 1; row 1, column 2 and "
        "row 1, column 3 can only hold 1, 2, 3 and 4, so the other cells of block 1 "
        "cannot hold them.",
        4, 20);
    // The numbers only in the first cells of block 1 (and of row 1, so that no line locks them).
    Position pair, triple, quad;
    for (int n : {1, 2}) {
        pair.Row_Only(1, n, {1, 2}).Block_1_Only(n, {{1, 1}, {1, 2}});
    }
    for (int n : {1, 2, 3}) {
        triple.Row_Only(1, n, {1, 2, 3}).Block_1_Only(n, {{1, 1}, {1, 2}, {1, 3}});
    }
    for (int n : {1, 2, 3, 4}) {
        quad.Block_1_Only(n, {{1, 1}, {1, 2}, {1, 3}, {2, 1}});
    }
    Expect_Golden(pair, Technique::Hidden_Pair,
                  "Hidden pair: in block 1, 1 and 2 can only go in row 1, column 1 and row 1, "
                  "column 2, so those cells cannot hold any other number.",
                  2, 14);
    Expect_Golden(triple, Technique::Hidden_Triple,
                  "Hidden triple: in block 1, 1, 2 and 3 can only go in row 1, column 1; row 1, "
                  "column 2 and row 1, column 3, so those cells cannot hold any other number.",
                  3, 18);
    Expect_Golden(quad, Technique::Hidden_Quad,
                  "Hidden quad: in block 1, 1, 2, 3 and 4 can only go in row 1, column 1; row 2, "
                  "column 1; row 1, column 2 and row 1, column 3, so those cells cannot hold any "
                  "other number.",
                  4, 20);
}

TEST(Technique_Text, Fish) {
    Expect_Golden(
        Position().Row_Only(1, 5, {2, 7}).Row_Only(5, 5, {2, 7}), Technique::X_Wing,
        "X-Wing: in row 1 and row 5, 5 can only go in column 2 and column 7, so no other cell "
        "of those columns can hold 5 (row 2, column 2; row 3, column 2; row 4, column 2; row "
        "6, column 2; row 7, column 2; row 8, column 2; row 9, column 2; row 2, column 7; row "
        "3, column 7; row 4, column 7; row 6, column 7; row 7, column 7; row 8, column 7 and "
        "row 9, column 7).",
        4, 14, {},
        {{Unit_Kind::Row, 0, 0},
         {Unit_Kind::Row, 0, 4},
         {Unit_Kind::Column, 0, 1},
         {Unit_Kind::Column, 0, 6}});
    Expect_Golden(
        Position().Row_Only(1, 5, {2, 7}).Row_Only(5, 5, {2, 4}).Row_Only(9, 5, {4, 7}),
        Technique::Swordfish,
        "Swordfish: in row 1, row 5 and row 9, 5 can only go in column 2, column 4 and column "
        "7, so no other cell of those columns can hold 5 (row 2, column 2; row 3, column 2; "
        "row 4, column 2; row 6, column 2; row 7, column 2; row 8, column 2; row 2, column 4; "
        "row 3, column 4; row 4, column 4; row 6, column 4; row 7, column 4; row 8, column 4; "
        "row 2, column 7; row 3, column 7; row 4, column 7; row 6, column 7; row 7, column 7 "
        "and row 8, column 7).",
        6, 18);
}

TEST(Technique_Text, WingsAndChains) {
    Expect_Golden(Position().Set(1, 1, {1, 2}).Set(1, 5, {1, 3}).Set(5, 1, {2, 3}),
                  Technique::XY_Wing,
                  "XY-Wing: whichever number row 1, column 1 (1 and 2) holds, row 5, column 1 (2 "
                  "and 3) or row 1, column 5 (1 and 3) holds 3, so row 5, column 5, which sees "
                  "both, cannot hold 3.",
                  3, 1, {{5, 5, 3}});
    Expect_Golden(Position().Set(1, 1, {1, 2, 3}).Set(2, 2, {1, 3}).Set(1, 5, {2, 3}),
                  Technique::XYZ_Wing,
                  "XYZ-Wing: one of row 1, column 1 (1, 2 and 3), row 2, column 2 (1 and 3) and "
                  "row 1, column 5 (2 and 3) holds 3, so row 1, column 2 and row 1, column 3, "
                  "which see all three, cannot hold 3.",
                  3, 2, {{1, 2, 3}, {1, 3, 3}});
    Expect_Golden(Position().Row_Only(1, 5, {2, 7}).Row_Only(5, 5, {2, 8}), Technique::Skyscraper,
                  "Skyscraper on 5: in row 1, 5 can only go in column 7 and column 2, and in row 5 "
                  "only in column 2 and column 8; row 1, column 2 and row 5, column 2 see each "
                  "other, so row 1, column 7 or row 5, column 8 holds 5, and row 4, column 7; row "
                  "6, column 7; row 2, column 8 and row 3, column 8 cannot hold 5.",
                  4, 4, {{4, 7, 5}, {6, 7, 5}, {2, 8, 5}, {3, 8, 5}});
    Expect_Golden(
        Position().Set(1, 1, {1, 2}).Set(1, 5, {2, 3}).Set(5, 5, {3, 4}).Set(5, 9, {1, 4}),
        Technique::XY_Chain,
        "XY-chain on 1: row 1, column 1 or row 5, column 9 holds 1 (chain through row 1, "
        "column 1; row 1, column 5; row 5, column 5 and row 5, column 9), so row 5, "
        "column 1 and row 1, column 9 cannot hold 1.",
        4, 2, {{5, 1, 1}, {1, 9, 1}});
}

namespace {

// A golden step from a bank puzzle (the Sudoku Exchange bank, public domain): the first step of
// the technique on the way through the puzzle, with its sentence and what it removes or places.
struct Bank_Golden {
    Technique Kind;
    const char* Puzzle;
    const char* Text;
    std::vector<Change> Made;
};

void Expect_Bank_Goldens(const std::vector<Bank_Golden>& goldens) {
    for (const Bank_Golden& g : goldens) {
        SCOPED_TRACE(Technique_Name(g.Kind));
        Logic_State state(std::make_shared<const Logic_Shape>(Classic_Puzzle(g.Puzzle)));
        ASSERT_TRUE(Confirm_Unique_Solution(state));
        Step step;
        bool found = false;
        while (!found && Next_Step(state, step)) {
            found = step.Kind == g.Kind;
            state.Apply(step);
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(step.Text, g.Text);
        std::vector<Change> made;
        for (const Number_Place& e : step.Places() ? step.Placements : step.Eliminations) {
            made.push_back({e.Row + 1, e.Col + 1, e.Number});
        }
        std::sort(made.begin(), made.end());
        std::vector<Change> expected = g.Made;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(made, expected);
    }
}

} // namespace

TEST(Technique_Text, NamedPatternsUniquenessAndFishFromTheBank) {
    Expect_Bank_Goldens({
        {Technique::Two_String_Kite,
         "000050030708100000005002980001607040400000008020504600054300100000001406010020000",
         "Two-string kite on 7: in row 9, 7 can only go in column 8 and column 3, and in column 2 "
         "only in row 8 and row 5; row 9, column 3 and row 8, column 2 see each other, so row 9, "
         "column 8 or row 5, column 2 holds 7, and row 5, column 8 cannot hold 7.",
         {{5, 8, 7}}},
        {Technique::Turbot_Fish,
         "007036400000801600360040007740000060806000204020000073500090046004607000002350100",
         "Turbot fish on 9: in row 3, 9 can only go in column 6 and column 7, and in block 6 only "
         "in row 6, column 7 and row 5, column 8; row 3, column 7 and row 6, column 7 see each "
         "other, so row 3, column 6 or row 5, column 8 holds 9, and row 5, column 6 cannot hold 9.",
         {{5, 6, 9}}},
        {Technique::Empty_Rectangle,
         "053000790080000060090507080320000014000020000000605000060000030900080002700050008",
         "Empty rectangle on 1: in block 1, 1 can only go in column 1 or row 3; in row 6 it can "
         "only go in column 1 and column 5; if row 3, column 5 held 1, row 6, column 5 would not, "
         "row 6, column 1 would, and block 1 would have no place left for 1; so it cannot hold 1.",
         {{3, 5, 1}}},
        {Technique::Finned_X_Wing,
         "020070003007900540409003000300008000060407080000200006000300207052006800700040090",
         "Finned X-Wing: in row 1 and row 9, 8 can only go in column 2 and column 4 or in the fins "
         "row 1, column 1 and row 1, column 3, so row 3, column 2, in those columns and seeing the "
         "fins, cannot hold 8.",
         {{3, 2, 8}}},
        {Technique::Unique_Rectangle_1,
         "000409010140006080002080500520000007006070800800000053007060900050300028060902000",
         "Unique rectangle type 1: row 1, column 3; row 2, column 3; row 2, column 5 and row 1, "
         "column 5 must not be left with only 3 and 5, or the puzzle would have two solutions, so "
         "row 2, column 5 cannot hold 3 or 5.",
         {{2, 5, 3}, {2, 5, 5}}},
        {Technique::Unique_Rectangle_4,
         "000009700400000096000048053004006002060805030800700600320470000640000009005900000",
         "Unique rectangle type 4: row 8, column 6; row 9, column 6; row 9, column 7 and row 8, "
         "column 7 must not be left with only 2 and 3, or the puzzle would have two solutions; in "
         "column 7, 3 can only go in row 8 and row 9, so neither can hold 2.",
         {{8, 7, 2}, {9, 7, 2}}},
        {Technique::WXYZ_Wing,
         "000010060900800000001764800007000580802000309069000400004582600000001007020040000",
         "WXYZ-Wing: row 6, column 4 (1 and 3); row 1, column 4 (2, 3 and 9); row 8, column 4 (3 "
         "and 9) and row 6, column 9 (1 and 2) hold only 1, 2, 3 and 9, each but 2 at most once, "
         "so one of them holds 2, and row 1, column 9, which sees every one holding 2, cannot hold "
         "2.",
         {{1, 9, 2}}},
        {Technique::Bug_Plus_One,
         "000047002102000009006039050000000840060050030038000000010380200700000408600720000",
         "BUG+1: every open cell but row 7, column 3 has two numbers, and each number stands twice "
         "in its units but 9 three times around that cell; without 9 the puzzle would have no or "
         "two solutions, so row 7, column 3 holds 9.",
         {{7, 3, 9}}},
        {Technique::Finned_Swordfish,
         "600800005000070300740500120009040000400030007000010500027004083004050000300007002",
         "Finned Swordfish: in column 1, column 5 and column 7, 9 can only go in row 2, row 7 and "
         "row 8 or in the fin row 3, column 5, so row 2, column 6, in those rows and seeing the "
         "fin, cannot hold 9.",
         {{2, 6, 9}}},
        {Technique::Finned_Jellyfish,
         "000018540400500100900002007000003010502000408010800000300700001004001005078390000",
         "Finned Jellyfish: in column 1, column 3, column 4 and column 9, 6 can only go in row 1, "
         "row 4, row 6 and row 8 or in the fin row 2, column 3, so row 1, column 2, in those rows "
         "and seeing the fin, cannot hold 6.",
         {{1, 2, 6}}},
        {Technique::Unique_Rectangle_2,
         "602000730001070902007000005000005040063040250020600000900000300305010600016000504",
         "Unique rectangle type 2: row 5, column 4; row 9, column 4; row 9, column 6 and row 5, "
         "column 6 must not be left with only 7 and 8, or the puzzle would have two solutions, so "
         "row 9, column 4 and row 9, column 6 holds 3, and row 9, column 5, which sees both, "
         "cannot hold 3.",
         {{9, 5, 3}}},
        {Technique::Unique_Rectangle_3,
         "010000000020800694060950000000040170006705200075030000000067030652008010000000080",
         "Unique rectangle type 3: row 1, column 7; row 1, column 1; row 3, column 1 and row 3, "
         "column 7 must not be left with only 3 and 7, or the puzzle would have two solutions, so "
         "row 1 and row 3 hold one of 8 and 9; with row 7 they hold 8 and 9 in column 1, so row 9 "
         "cannot hold them.",
         {{9, 1, 9}}},
        {Technique::Hidden_Rectangle,
         "000010060900800000001764800007000580802000309069000400004582600000001007020040000",
         "Hidden rectangle: row 5, column 4; row 5, column 2; row 4, column 2 and row 4, column 4 "
         "must not be left with only 1 and 4, or the puzzle would have two solutions; 1 can only "
         "go in row 5, column 2 and row 4, column 2 in block 4 and in row 4, column 4 and row 4, "
         "column 2 in row 4, so if row 4, column 2 held 4 the four would hold only 1 and 4; it "
         "cannot hold 4.",
         {{4, 2, 4}}},
        {Technique::Jellyfish,
         "690000000102000000040018903900370100000609000003082009201960040000000502000000096",
         "Jellyfish: in row 2, row 4, row 6 and row 7, 5 can only go in column 2, column 6, column "
         "8 and column 9, so no other cell of those columns can hold 5 (row 1, column 6).",
         {{1, 6, 5}}},
    });
}

// The sets of cells taken together: an aligned triple, and almost locked sets linked by a
// number that at most one of them holds.
TEST(Technique_Text, AlignedTripleAndAlmostLockedSetsFromTheBank) {
    Expect_Bank_Goldens({
        {Technique::Aligned_Triple_Exclusion,
         "010700060400300005006001900004000086000020000590000400003900100100008009020006050",
         "Aligned triple exclusion: row 9, column 4; row 4, column 5 and row 6, column 5 all see "
         "row 4, column 4 (1 and 5); row 5, column 4 (4, 5 and 8) and row 7, column 5 (4, 5 and "
         "7). Fill the three with their numbers, never one number twice where two of them see "
         "each other and never taking every number of one of those cells: no such way puts 5 in "
         "row 4, column 5, so row 4, column 5 cannot hold 5.",
         {{4, 5, 5}}},
        {Technique::Als_Xz,
         "502300041900200600080000009000901036000080000490503000700000010009005004810007902",
         "ALS-XZ: the set A (row 4, column 5) holds only 4 and 7 and B (row 1, column 5; row 1, "
         "column 6; row 2, column 6 and row 3, column 6) only 4, 6, 7, 8 and 9; each has one "
         "number more than cells. Every 7 of A sees every 7 of B, so A or B has no 7 and holds "
         "all its other numbers, 4 among them; so row 2, column 5; row 3, column 5 and row 5, "
         "column 6, which see every 4 of both, cannot hold 4.",
         {{2, 5, 4}, {3, 5, 4}, {5, 6, 4}}},
        {Technique::Als_Xy_Wing,
         "000300800700050040000000092003640900007805600006017500890000000030090001005003000",
         "ALS-XY-Wing: the set A (row 8, column 3) holds only 2 and 4, B (row 2, column 4; row "
         "3, column 4 and row 9, column 4) only 1, 2, 4 and 7 and C (row 3, column 3; row 3, "
         "column 5; row 3, column 6 and row 3, column 7) only 1, 4, 6, 7 and 8; each has one "
         "number more than cells. Every 4 of A sees every 4 of C and every 7 of B every 7 of C; C "
         "cannot lose both 4 and 7, so A has no 4 or B no 7, and that one holds all its other "
         "numbers, 2 among them; so row 8, column 4, which sees every 2 of A and B, cannot hold "
         "2.",
         {{8, 4, 2}}},
        {Technique::Dynamic_Chain_Plus,
         "060008400001009006200060050150000000009010700000000089010020004300500200002300090",
         "Dynamic forcing chain with locked sets: if row 4, column 8 is 3, then row 2, column 8 is"
         " not 3, so row 5, column 8 is not 3, so row 4, column 9 is not 3, so row 4, column 9 is "
         "2 (its last number), so row 2, column 7 is not 3 (3 in column 9 is where it meets block "
         "3), so row 5, column 8 is not 2, so row 5, column 8 is 4 (its last number), so row 5, "
         "column 1 is not 4, so row 5, column 2 is not 4, so row 5, column 4 is not 4, so row 5, "
         "column 2 is not 8 (row 5, column 4 and row 5, column 1 hold only two numbers in row 5), "
         "so row 5, column 2 is 3 (its last number), so row 2, column 2 is not 3, so row 6, column"
         " 3 is not 3, so row 2, column 5 is 3 (the only place left for 3 in row 2), so row 6, "
         "column 5 is 3 (the only place left for 3 in row 6), so row 6, column 5 is not 3, yet it "
         "is 3 already; so row 4, column 8 cannot hold 3.",
         {{4, 8, 3}}},
    });
}

// The chains on the hard sample are written out fact by fact, each fact's links drawn, and the
// trial step is not needed.
TEST(Technique_Text, ForcingChainsAreWrittenOutLinkByLink) {
    int chains = 0;
    for (const auto& [line, rating] : Rated_Sample(11)) {
        if (rating < 70) {
            continue;
        }
        Logic_State state(std::make_shared<const Logic_Shape>(Classic_Puzzle(line)));
        Confirm_Unique_Solution(state);
        for (const Step& s : All_Steps(state).Steps) {
            EXPECT_NE(s.Kind, Technique::Trial);
            const Technique chain_kinds[] = {
                Technique::Nice_Loop,          Technique::Alternating_Chain,
                Technique::Grouped_Chain,      Technique::Nishio_Chain,
                Technique::Cell_Forcing_Chain, Technique::Unit_Forcing_Chain,
                Technique::Dynamic_Chain,      Technique::Dynamic_Chain_Plus};
            if (std::find(std::begin(chain_kinds), std::end(chain_kinds), s.Kind) ==
                std::end(chain_kinds)) {
                continue;
            }
            ++chains;
            SCOPED_TRACE(s.Text);
            EXPECT_EQ(s.Text.rfind(std::string(Technique_Name(s.Kind)) + ": ", 0), 0U);
            EXPECT_NE(s.Text.find("if row "), std::string::npos);
            EXPECT_NE(s.Text.find(", then row "), std::string::npos);
            EXPECT_EQ(s.Text.find("break a rule"), std::string::npos);
            ASSERT_FALSE(s.Links.empty());
            // Every link joins two cells the step names, and a link to a number on is strong.
            for (const Step_Link& l : s.Links) {
                for (const Cell_Place& c : {l.From, l.To}) {
                    EXPECT_NE(std::find(s.Cells.begin(), s.Cells.end(), c), s.Cells.end());
                }
            }
            EXPECT_GE(s.Rating, Technique_Rating(s.Kind));
        }
    }
    EXPECT_GT(chains, 5);
}

// The aligned pair exclusion is the easiest step at no position of the bank sample's puzzles
// (the techniques tried before it find a step first), so its golden step is the one it finds
// when asked at the first position on the way through a bank puzzle where it finds one.
TEST(Technique_Text, AlignedPairExclusionAskedOnTheWayThroughABankPuzzle) {
    const std::string line =
        "002000708700035040800006005000040900008791500004060000200600007060450001407000600";
    Logic_State state(std::make_shared<const Logic_Shape>(Classic_Puzzle(line)));
    ASSERT_TRUE(Confirm_Unique_Solution(state));
    const std::vector<int> solution = Unique_Solution(Classic_Puzzle(line));
    Step step;
    Step pair;
    bool found = false;
    while (!found && Next_Step(state, step)) {
        found = Technique_Info(Technique::Aligned_Pair_Exclusion).Find(state, pair);
        if (!found) {
            state.Apply(step);
        }
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(pair.Text,
              "Aligned pair exclusion: if row 7, column 2 held 3, row 8, column 1 (3 and 9) could "
              "hold none of its numbers: each would leave row 8, column 3 empty or repeat "
              "3; so row 7, column 2 cannot hold 3.");
    ASSERT_EQ(pair.Var_Eliminations.size(), 1U);
    EXPECT_EQ(pair.Var_Eliminations[0].Var, Position::Var(7, 2));
    EXPECT_EQ(pair.Var_Eliminations[0].Number, 3);
    EXPECT_NE(solution[Position::Var(7, 2)], 3);
}

// Two cells that see both: each number the second cell could take beside 1 empties one of them.
TEST(Technique_Text, AlignedPairExclusionWithTwoCellsLeftEmpty) {
    Position p;
    p.Set(1, 1, {1, 2}).Set(1, 2, {1, 3, 4}).Set(2, 3, {1, 3}).Set(3, 3, {1, 4});
    Step step;
    ASSERT_TRUE(Technique_Info(Technique::Aligned_Pair_Exclusion).Find(p.State, step));
    EXPECT_EQ(step.Text,
              "Aligned pair exclusion: if row 1, column 1 held 1, row 1, column 2 (1, 3 and 4) "
              "could hold none of its numbers: each would leave one of row 2, column 3 and row 3, "
              "column 3 empty or repeat 1; so row 1, column 1 cannot hold 1.");
    std::vector<std::pair<int, int>> removed;
    for (const Var_Number& e : step.Var_Eliminations) {
        removed.emplace_back(e.Var, e.Number);
    }
    EXPECT_EQ(removed, (std::vector<std::pair<int, int>>{{Position::Var(1, 1), 1}}));
}
