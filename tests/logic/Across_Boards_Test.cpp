// One golden step across the boards of a multi-grid figure for each family of techniques whose
// reasoning can run from one board into another: singles and subsets (through a custom region
// across boards), intersections, fish, single-number patterns, wings, chains, aligned
// exclusions, almost locked sets and forcing chains. Each puzzle but the sample with a region was
// made by the generator and is kept as it was made; the step is the first of its technique on the
// way through the puzzle that reasons across boards. A fish across boards, rare in made puzzles,
// is set up by hand, as are the subsets; and a step that stands on one board names a row that
// boards share whole as a row of that board.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

using Change = std::array<int, 4>; // board, row, column and number, counted from 1

struct Golden_Across {
    Technique Kind;
    const char* File; // from the source folder
    const char* Text;
    std::vector<Change> Made; // every copy of a shared cell is named
};

// A step reasons across boards when its cells, or the cells of a unit it names (a custom
// region may take cells of several boards), stand on more than one board, and its headline does
// not give one board for all of them.
bool Across_Boards(const Step& step, const Constraint_Structure& s) {
    std::set<int> boards;
    for (const Cell_Place& c : step.Cells) {
        boards.insert(c.Board);
    }
    for (const Unit_Id& u : step.Units) {
        if (u.Board >= 0) {
            boards.insert(u.Board); // a row, column or block
            continue;
        }
        const auto at = std::find(s.Unit_Ids.begin(), s.Unit_Ids.end(), u);
        if (at != s.Unit_Ids.end()) {
            for (int v : s.Units[at - s.Unit_Ids.begin()]) {
                for (int cell : s.Cells_Of_Var[v]) {
                    boards.insert(s.Places[cell].Board);
                }
            }
        }
    }
    const std::string headline = step.Text.substr(0, step.Text.find(':'));
    return boards.size() > 1 && headline.find(" on board ") == std::string::npos;
}

const std::vector<Golden_Across>& Goldens() {
    static const std::vector<Golden_Across> goldens = {
        {Technique::Full_House,
         "puzzles/twin-region.zd2",
         "Full house: board 2, row 4, column 1 is the last empty cell of region 1, so it holds 6.",
         {{2, 4, 1, 6}}},
        {Technique::Locked_Candidates,
         "tests/data/across-boards/butterfly-expert-1.zd2",
         "Locked candidates: in row 1 of board 1, 3 can only go where it meets row 1 of board 2, "
         "so the other cells of row 1 of board 2 cannot hold 3 (column 7, column 8 and column 9).",
         {{2, 1, 7, 3}, {2, 1, 8, 3}, {2, 1, 9, 3}}},
        {Technique::Turbot_Fish,
         "tests/data/across-boards/windmill-extreme-5.zd2",
         "Turbot fish on 4: in column 1 of board 3, 4 can only go in row 9 and row 4, and in "
         "block 2 of board 4 only in row 1, column 5 and row 2, column 6; board 3, row 4, column "
         "1 and board 4, row 1, column 5 see each other, so board 3, row 9, column 1 or board 4, "
         "row 2, column 6 holds 4, and board 4, row 6, column 6 cannot hold 4.",
         {{4, 6, 6, 4}}},
        {Technique::XY_Wing,
         "tests/data/across-boards/butterfly-expert-1.zd2",
         "XY-Wing: whichever number board 1, row 9, column 1 (8 and 9) holds, board 1, row 3, "
         "column 1 (5 and 8) or board 3, row 8, column 1 (5 and 9) holds 5, so board 1, row 7, "
         "column 1, which sees both, cannot hold 5.",
         {{1, 7, 1, 5}, {3, 4, 1, 5}}},
        {Technique::X_Chain,
         "tests/data/across-boards/butterfly-expert-1.zd2",
         "X-chain on 8: board 1, row 9, column 3 or board 1, row 3, column 5 holds 8 (chain "
         "through board 1, row 9, column 3; board 1, row 9, column 1; board 3, row 7, column 1; "
         "board 3, row 7, column 5; board 1, row 7, column 5 and board 1, row 3, column 5), so "
         "board 1, row 3, column 3 cannot hold 8.",
         {{1, 3, 3, 8}}},
        {Technique::Als_Chain,
         "tests/data/across-boards/twin-extreme-10.zd2",
         "ALS chain: the set A (board 1, row 9, column 8) holds only 2 and 6, B (board 1, row 7, "
         "column 9 and board 2, row 4, column 3) only 2, 7 and 9, C (board 2, row 4, column 8; "
         "board 2, row 6, column 8 and board 2, row 4, column 9) only 3, 5, 7 and 9 and D (board "
         "2, row 7, column 6 and board 2, row 7, column 8) only 5, 6 and 7; each has one number "
         "more than cells. Every 2 of A sees every 2 of B, every 9 of B every 9 of C and every 5 "
         "of C every 5 of D; if A holds 2, then B has no 2 and holds 9, so C has no 9 and holds 5, "
         "so D has no 5; so A has no 2 or D no 5, and that one holds all its other numbers, 6 "
         "among them; so board 2, row 7, column 2, which sees every 6 of A and D, cannot hold 6.",
         {{2, 7, 2, 6}}},
        {Technique::Nishio_Chain,
         "tests/data/across-boards/butterfly-extreme-3.zd2",
         "Nishio forcing chain: if board 2, row 3, column 9 is 7, then board 1, row 3, column 4 "
         "is not 7, so board 1, row 3, column 6 is not 7, so board 1, row 3, column 7 is not 7, "
         "so board 1, row 3, column 9 is not 7, so board 2, row 8, column 9 is not 7, so board "
         "1, row 3, column 1 is 7 (the only place left for 7 in row 3 of board 1), so board 4, "
         "row 8, column 9 is 7 (the only place left for 7 in column 9 of board 4), so board 1, "
         "row 1, column 2 is not 7, so board 1, row 2, column 2 is not 7, so board 3, row 8, "
         "column 4 is not 7, so board 3, row 8, column 6 is not 7, so board 3, row 8, column 7 "
         "is not 7, so board 3, row 8, column 9 is not 7, so board 3, row 8, column 2 is 7 (the "
         "only place left for 7 in row 8 of board 3), so board 1, row 4, column 2 is not 7, so "
         "board 1, row 8, column 2 is not 7, so board 1, row 8, column 2 is 7 (the only place "
         "left for 7 in column 2 of board 1), yet it is not 7 already; so board 2, row 3, column "
         "9 cannot hold 7.",
         {{2, 3, 9, 7}}},
    };
    return goldens;
}

// The Twin sample's two boards, emptied (every cell open with every number), and its custom
// region's variables, which stand on both boards.
struct Empty_Twin {
    std::shared_ptr<const Logic_Shape> Shape;
    std::vector<int> Region;

    int Board_Of(int v) const {
        return Shape->Structure.Places[Shape->Structure.Cells_Of_Var[v][0]].Board;
    }
    // The first variable of the region on the board, after skip others there.
    int Region_Cell(int board, int skip = 0) const {
        for (int v : Region) {
            if (Board_Of(v) == board && skip-- == 0) {
                return v;
            }
        }
        return -1;
    }
};

Empty_Twin Make_Empty_Twin() {
    Puzzle_State twin = Sample("twin-region.zd2");
    for (Sudoku_Boards_FrameWork& board : twin.Sudoku_Boards) {
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                board.Cell_Values[c][r] = 0;
                board.Cell_Locked[c][r] = 0;
            }
        }
    }
    Empty_Twin t;
    t.Shape = std::make_shared<const Logic_Shape>(twin);
    const Constraint_Structure& s = t.Shape->Structure;
    for (std::size_t k = 0; k < s.Unit_Ids.size(); ++k) {
        if (s.Unit_Ids[k].Kind == Unit_Kind::Region) {
            t.Region = s.Units[k];
        }
    }
    return t;
}

} // namespace

// Walks each puzzle once, keeping the first step across boards of each technique asked of it.
TEST(Across_Boards, EveryFamilyThatCanCrossBoardsHasAGoldenStep) {
    std::map<std::string, std::vector<const Golden_Across*>> by_file;
    for (const Golden_Across& g : Goldens()) {
        by_file[g.File].push_back(&g);
    }
    for (const auto& [file, goldens] : by_file) {
        SCOPED_TRACE(file);
        Puzzle_Read_Result read = Read_Puzzle_File(std::string(TESSEL_SOURCE_DIR) + "/" + file);
        ASSERT_TRUE(read.Ok()) << read.Error;
        const std::vector<int> solution = Unique_Solution(read.Puzzle);
        ASSERT_FALSE(solution.empty());
        Logic_State state(std::make_shared<const Logic_Shape>(read.Puzzle));
        ASSERT_TRUE(Confirm_Unique_Solution(state));
        std::map<Technique, Step> first;
        for (Step step; first.size() < goldens.size() && Next_Step(state, step);) {
            const bool asked =
                std::any_of(goldens.begin(), goldens.end(),
                            [&](const Golden_Across* g) { return g->Kind == step.Kind; });
            if (asked && Across_Boards(step, state.Shape().Structure) &&
                first.count(step.Kind) == 0) {
                Expect_Step_Sound(state.Shape(), solution, step, file);
                first[step.Kind] = step;
            }
            state.Apply(step);
        }
        for (const Golden_Across* g : goldens) {
            SCOPED_TRACE(Technique_Name(g->Kind));
            const auto found = first.find(g->Kind);
            ASSERT_NE(found, first.end());
            const Step& step = found->second;
            EXPECT_EQ(step.Text, g->Text);
            std::vector<Change> made;
            for (const Number_Place& e : step.Places() ? step.Placements : step.Eliminations) {
                made.push_back({e.Board + 1, e.Row + 1, e.Col + 1, e.Number});
            }
            std::sort(made.begin(), made.end());
            std::vector<Change> expected = g->Made;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(made, expected);
        }
    }
}

// A subset stands in one unit, and only a custom region takes cells of two boards: on the
// emptied Twin, two cells of its region, one on each board, are left with 1 and 2 by hand. The
// first step is the pair, across the boards.
TEST(Across_Boards, ANakedPairInARegionAcrossTwoBoards) {
    const Empty_Twin twin = Make_Empty_Twin();
    Logic_State state(twin.Shape);
    const std::vector<int> pair = {twin.Region_Cell(0), twin.Region_Cell(1)};
    ASSERT_TRUE(pair[0] >= 0 && pair[1] >= 0);
    for (int v : pair) {
        state.Set_Candidates(v, Bit_Of(1) | Bit_Of(2));
    }
    Step step;
    ASSERT_TRUE(Next_Step(state, step));
    EXPECT_EQ(step.Kind, Technique::Naked_Pair);
    EXPECT_EQ(step.Text,
              "Naked pair: in region 1, board 1, row 4, column 6 and board 2, row 4, column 1 can "
              "only hold 1 and 2, so the other cells of region 1 cannot hold them.");
    EXPECT_TRUE(Across_Boards(step, twin.Shape->Structure));
    std::vector<std::pair<int, int>> made;
    for (const Var_Number& e : step.Var_Eliminations) {
        made.emplace_back(e.Var, e.Number);
    }
    std::vector<std::pair<int, int>> expected;
    for (int v : twin.Region) {
        if (std::find(pair.begin(), pair.end(), v) == pair.end()) {
            expected.emplace_back(v, 1);
            expected.emplace_back(v, 2);
        }
    }
    std::sort(made.begin(), made.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(made, expected);
}

// The aligned pair exclusion across the emptied Twin's region, asked for itself (techniques
// tried before it find the pair of 1 and 3 first): a cell of board 1 with 1 and 2, one of
// board 2 with 1 and 3, and another of board 2 with 1 and 3 that sees both. If the first held
// 1, the second would hold 3 and leave the third empty.
TEST(Across_Boards, AnAlignedPairExclusionInARegionAcrossTwoBoards) {
    const Empty_Twin twin = Make_Empty_Twin();
    Logic_State state(twin.Shape);
    const int a = twin.Region_Cell(0);
    const int b = twin.Region_Cell(1);
    const int c = twin.Region_Cell(1, 1);
    ASSERT_TRUE(a >= 0 && b >= 0 && c >= 0);
    state.Set_Candidates(a, Bit_Of(1) | Bit_Of(2));
    state.Set_Candidates(b, Bit_Of(1) | Bit_Of(3));
    state.Set_Candidates(c, Bit_Of(1) | Bit_Of(3));
    Step step;
    ASSERT_TRUE(Technique_Info(Technique::Aligned_Pair_Exclusion).Find(state, step));
    EXPECT_EQ(
        step.Text,
        "Aligned pair exclusion: if board 1, row 4, column 6 held 1, board 2, row 4, column "
        "1 (1 and 3) could hold none of its numbers: each would leave board 2, row 5, column 1 "
        "empty or repeat 1; so board 1, row 4, column 6 cannot hold 1.");
    std::set<int> boards; // the finder alone names variables; the stepper adds their places
    for (int v : step.Cell_Vars) {
        boards.insert(twin.Board_Of(v));
    }
    EXPECT_EQ(boards.size(), 2U);
    ASSERT_EQ(step.Var_Eliminations.size(), 1U);
    EXPECT_EQ(step.Var_Eliminations[0].Var, a);
    EXPECT_EQ(step.Var_Eliminations[0].Number, 1);
}

// An X-Wing across the two boards of an emptied Twin: in rows 1 and 2 of board 2, 5 is left
// in column 1, whose cells there board 1 shares (its column 7), and in column 6. Column 7 of
// board 1 covers the first places, column 6 of board 2 the others, so neither column can hold
// 5 outside those rows, on either board.
TEST(Across_Boards, AnXWingWhoseCoversStandOnTwoBoards) {
    const auto shape = std::make_shared<const Logic_Shape>(Kind_Shape("twin"));
    const Constraint_Structure& s = shape->Structure;
    Logic_State state(shape);
    for (int col = 0; col < 9; ++col) {
        if (col != 0 && col != 5) {
            state.Eliminate(Var_At(s, 1, col, 0), 5);
            state.Eliminate(Var_At(s, 1, col, 1), 5);
        }
    }
    Step step;
    ASSERT_TRUE(Technique_Info(Technique::X_Wing).Find(state, step));
    EXPECT_EQ(step.Text,
              "X-Wing: in row 1 of board 2 and row 2 of board 2, 5 can only go in column 7 of "
              "board 1 and column 6 of board 2, so no other cell of those columns can hold 5 "
              "(board 1, row 1, column 7; board 1, row 2, column 7; board 1, row 3, column 7; "
              "board 1, row 4, column 7; board 1, row 5, column 7; board 1, row 6, column 7; "
              "board 1, row 9, column 7; board 2, row 3, column 6; board 2, row 4, column 6; "
              "board 2, row 5, column 6; board 2, row 6, column 6; board 2, row 7, column 6; "
              "board 2, row 8, column 6 and board 2, row 9, column 6).");
    std::set<int> removed;
    for (const Var_Number& e : step.Var_Eliminations) {
        EXPECT_EQ(e.Number, 5);
        removed.insert(e.Var);
    }
    std::set<int> expected;
    for (int row = 0; row < 9; ++row) {
        if (row != 6 && row != 7) {
            expected.insert(Var_At(s, 0, 6, row)); // row 9 there is row 3 of board 2
        }
        if (row > 1) {
            expected.insert(Var_At(s, 1, 5, row));
        }
    }
    EXPECT_EQ(removed, expected);
    std::set<int> boards;
    for (int u : step.Unit_Indices) {
        boards.insert(shape->Board_Of_Unit(u));
    }
    EXPECT_EQ(boards, (std::set<int>{0, 1}));
}

// Rows 4 to 9 of a Butterfly's board 1 are rows 1 to 6 of its board 3. An X-Wing in two
// columns of board 3 whose covers are such rows stands on board 3 alone, and its sentence
// names every row and cell there, not row 9 of board 1 for row 6 of board 3.
TEST(Across_Boards, ARowTwoBoardsShareIsNamedOnTheBoardOfTheStep) {
    Puzzle_Read_Result read = Read_Puzzle_File(std::string(TESSEL_SOURCE_DIR) +
                                               "/tests/data/across-boards/butterfly-extreme-3.zd2");
    ASSERT_TRUE(read.Ok()) << read.Error;
    Logic_State state(std::make_shared<const Logic_Shape>(read.Puzzle));
    ASSERT_TRUE(Confirm_Unique_Solution(state));
    Step step;
    while (Next_Step(state, step) && step.Kind != Technique::X_Wing) {
        state.Apply(step);
    }
    ASSERT_EQ(step.Kind, Technique::X_Wing);
    EXPECT_EQ(step.Text,
              "X-Wing on board 3: in column 1 and column 8, 6 can only go in row 6 and row 7, so "
              "no other cell of those rows can hold 6 (row 6, column 3; row 7, column 2; row 7, "
              "column 3 and row 7, column 7).");
}
