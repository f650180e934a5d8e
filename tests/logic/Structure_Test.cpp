// The constraint structure's unit identities and cell places on every board kind.

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

int Count_Kind(const Constraint_Structure& s, Unit_Kind kind) {
    return static_cast<int>(std::count_if(s.Unit_Ids.begin(), s.Unit_Ids.end(),
                                          [&](const Unit_Id& id) { return id.Kind == kind; }));
}

// The unit with this identity holds exactly the variables of these cells.
void Expect_Unit(const Constraint_Structure& s, Unit_Id id, const std::vector<Cell_Place>& cells) {
    const auto it = std::find(s.Unit_Ids.begin(), s.Unit_Ids.end(), id);
    ASSERT_NE(it, s.Unit_Ids.end());
    std::vector<int> vars;
    for (const Cell_Place& c : cells) {
        vars.push_back(Var_At(s, c.Board, c.Col, c.Row));
    }
    std::sort(vars.begin(), vars.end());
    EXPECT_EQ(s.Units[it - s.Unit_Ids.begin()], vars);
}

} // namespace

TEST(Structure, ClassicUnitsAreNamedRowsColumnsAndBlocksRowByRow) {
    const Constraint_Structure s = Build_Constraint_Structure(Sample("classic-easy.zd2"));
    ASSERT_EQ(s.Units.size(), s.Unit_Ids.size());
    EXPECT_EQ(Count_Kind(s, Unit_Kind::Row), 9);
    EXPECT_EQ(Count_Kind(s, Unit_Kind::Column), 9);
    EXPECT_EQ(Count_Kind(s, Unit_Kind::Block), 9);
    // Block 2 (index 1) lies right of block 1; block 4 (index 3) below it.
    Expect_Unit(s, {Unit_Kind::Block, 0, 1},
                {{0, 3, 0},
                 {0, 4, 0},
                 {0, 5, 0},
                 {0, 3, 1},
                 {0, 4, 1},
                 {0, 5, 1},
                 {0, 3, 2},
                 {0, 4, 2},
                 {0, 5, 2}});
    Expect_Unit(s, {Unit_Kind::Row, 0, 2},
                {{0, 0, 2},
                 {0, 1, 2},
                 {0, 2, 2},
                 {0, 3, 2},
                 {0, 4, 2},
                 {0, 5, 2},
                 {0, 6, 2},
                 {0, 7, 2},
                 {0, 8, 2}});
    for (int v = 0; v < s.Var_Count; ++v) {
        ASSERT_EQ(s.Places_Of_Var(v).size(), 1U);
    }
}

TEST(Structure, SixBySixBlocksFollowTheirShape) {
    // Wide blocks: 3 columns by 2 rows, two blocks a row of blocks.
    const Constraint_Structure wide = Build_Constraint_Structure(Sample("6x6-wide.zd2"));
    Expect_Unit(wide, {Unit_Kind::Block, 0, 3},
                {{0, 3, 2}, {0, 4, 2}, {0, 5, 2}, {0, 3, 3}, {0, 4, 3}, {0, 5, 3}});
    // Tall blocks: 2 columns by 3 rows, three blocks a row of blocks.
    const Constraint_Structure tall = Build_Constraint_Structure(Sample("6x6-tall.zd2"));
    Expect_Unit(tall, {Unit_Kind::Block, 0, 4},
                {{0, 2, 3}, {0, 3, 3}, {0, 2, 4}, {0, 3, 4}, {0, 2, 5}, {0, 3, 5}});
    EXPECT_EQ(wide.Max_Of_Var[0], 6);
}

TEST(Structure, SamuraiSharedCellsAreOneVariableWithEveryPlace) {
    const Constraint_Structure s = Build_Constraint_Structure(Sample("samurai.zd2"));
    EXPECT_EQ(s.Var_Count, 5 * 81 - 4 * 9);
    // The corner's shared block is the centre's block 1: one unit, named after board 1.
    EXPECT_EQ(Count_Kind(s, Unit_Kind::Block), 5 * 9 - 4);
    const int shared = Var_At(s, 0, 7, 8);
    EXPECT_EQ(shared, Var_At(s, 2, 1, 2));
    const std::vector<Cell_Place> places = s.Places_Of_Var(shared);
    ASSERT_EQ(places.size(), 2U);
    EXPECT_EQ(places[0], (Cell_Place{0, 7, 8}));
    EXPECT_EQ(places[1], (Cell_Place{2, 1, 2}));
    Expect_Unit(s, {Unit_Kind::Block, 0, 8},
                {{2, 0, 0},
                 {2, 1, 0},
                 {2, 2, 0},
                 {2, 0, 1},
                 {2, 1, 1},
                 {2, 2, 1},
                 {2, 0, 2},
                 {2, 1, 2},
                 {2, 2, 2}});
    EXPECT_EQ(std::find(s.Unit_Ids.begin(), s.Unit_Ids.end(), Unit_Id{Unit_Kind::Block, 2, 0}),
              s.Unit_Ids.end());
}

TEST(Structure, RegionsAcrossBoardsAndRegionsOnly) {
    const Constraint_Structure twin = Build_Constraint_Structure(Sample("twin-region.zd2"));
    Expect_Unit(twin, {Unit_Kind::Region, -1, 0},
                {{0, 5, 3}, {0, 5, 4}, {0, 5, 5}, {1, 0, 3}, {1, 0, 4}, {1, 0, 5}});
    EXPECT_EQ(Count_Kind(twin, Unit_Kind::Block), 12);

    const Constraint_Structure jigsaw = Build_Constraint_Structure(Sample("jigsaw.zd2"));
    EXPECT_EQ(Count_Kind(jigsaw, Unit_Kind::Block), 0);
    EXPECT_EQ(Count_Kind(jigsaw, Unit_Kind::Region), 9);
}

TEST(Structure, UnitNamesAndCellNamesOnOneBoardAndOnMany) {
    const Logic_Shape one(Sample("symbols.zd2"));
    EXPECT_TRUE(one.Single_Board);
    EXPECT_EQ(one.Cell_Name(Var_At(one.Structure, 0, 5, 3)), "row 4, column 6");
    EXPECT_EQ(one.Number_Text(0, 1), "S") << "a symbols board writes its symbols";

    const Logic_Shape five(Sample("samurai.zd2"));
    const Constraint_Structure& s = five.Structure;
    const int shared = Var_At(s, 0, 7, 8);
    EXPECT_EQ(five.Cell_Name(shared), "board 1, row 9, column 8");
    EXPECT_EQ(five.Cell_Name(shared, 2), "row 3, column 2") << "named on the board spoken of";
    const auto unit =
        std::find(s.Unit_Ids.begin(), s.Unit_Ids.end(), Unit_Id{Unit_Kind::Column, 4, 5});
    EXPECT_EQ(five.Unit_Name(static_cast<int>(unit - s.Unit_Ids.begin())), "column 6 of board 5");
    const Logic_Shape twin(Sample("twin-region.zd2"));
    const auto region = std::find(twin.Structure.Unit_Ids.begin(), twin.Structure.Unit_Ids.end(),
                                  Unit_Id{Unit_Kind::Region, -1, 0});
    EXPECT_EQ(twin.Unit_Name(static_cast<int>(region - twin.Structure.Unit_Ids.begin())),
              "region 1");
}
