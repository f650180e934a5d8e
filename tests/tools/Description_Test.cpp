// The plain-text description: what each statement builds and what it refuses.

#include <gtest/gtest.h>

#include "io/Puzzle_Description.h"

namespace {

std::string Rows(int n, const std::string& first = "") {
    std::string out = first.empty() ? "" : first + "\n";
    for (int r = first.empty() ? 0 : 1; r < n; ++r) {
        out += std::string(n, '.') + "\n";
    }
    return out;
}

std::string Error_Of(const std::string& text) {
    return Parse_Description(text).Error;
}

// Empty rows of a board of size n.
std::string Empty_Rows(int count, int n) {
    std::string out;
    for (int r = 0; r < count; ++r) {
        out += std::string(n, '.') + "\n";
    }
    return out;
}

} // namespace

TEST(Description, BoardGivensSymbolsAndLocks) {
    const Description_Result d = Parse_Description(
        "# comment\n"
        "board 6x6-tall 40 60 symbols=ABCDEF\n" +
        Rows(6, "A.F |.. .") + "board 9x9 200 20 unlocked no-block-lines\n" + Rows(9, "1........"));
    ASSERT_TRUE(d.Ok()) << d.Error;
    const Puzzle_State& p = d.Puzzle;
    ASSERT_EQ(p.Sudoku_Boards.size(), 2u);
    const auto& six = p.Sudoku_Boards[0];
    EXPECT_EQ(six.Board_Type, 2);
    EXPECT_FALSE(six.Wide_Blocks);
    EXPECT_TRUE(six.Use_Symbols);
    EXPECT_EQ(six.Symbols[5], 'F');
    EXPECT_EQ(six.Cell_Values[0][0], 1);
    EXPECT_EQ(six.Cell_Values[2][0], 6);
    EXPECT_TRUE(six.Cell_Locked[2][0]);
    EXPECT_FALSE(six.Cell_Locked[1][0]);
    EXPECT_EQ(p.Board_Positions[0].X, 40);
    EXPECT_EQ(p.Board_Positions[0].Y, 60);
    const auto& nine = p.Sudoku_Boards[1];
    EXPECT_EQ(nine.Cell_Values[0][0], 1);
    EXPECT_FALSE(nine.Cell_Locked[0][0]);
    EXPECT_FALSE(nine.Draw_Block_Lines);
    EXPECT_FALSE(p.Info_Visible);
}

TEST(Description, SamuraiShorthandLinksCornersToTheCentre) {
    std::string text = "samurai 20 20\n";
    for (int r = 0; r < 21; ++r) {
        std::string row(21, '.');
        if (r == 8) {
            row[8] = '5'; // the top-left corner's last cell, the centre's (2, 2)
        }
        if (r >= 9 && r < 12) {
            row = std::string(6, '-') + std::string(9, '.') + std::string(6, '-');
        }
        text += row + "\n";
    }
    const Description_Result d = Parse_Description(text);
    ASSERT_TRUE(d.Ok()) << d.Error;
    const Puzzle_State& p = d.Puzzle;
    ASSERT_EQ(p.Sudoku_Boards.size(), 5u);
    ASSERT_EQ(p.Board_Overlaps[0].Linked_Boards, std::vector<Integer>{3});
    const Link_Area a = p.Board_Overlaps[0].Link_Areas[0];
    EXPECT_EQ((std::array<Integer, 4>{a.This_Col, a.This_Row, a.Other_Col, a.Other_Row}),
              (std::array<Integer, 4>{7, 7, 1, 1}));
    // The top-right corner's bottom-left block is the centre's top-right block.
    const Link_Area b = p.Board_Overlaps[1].Link_Areas[0];
    EXPECT_EQ((std::array<Integer, 4>{b.This_Col, b.This_Row, b.Other_Col, b.Other_Row}),
              (std::array<Integer, 4>{1, 7, 7, 1}));
    EXPECT_EQ(p.Board_Overlaps[2].Linked_Boards.size(), 4u);
    EXPECT_EQ(p.Sudoku_Boards[0].Cell_Values[8][8], 5);
    EXPECT_EQ(p.Sudoku_Boards[2].Cell_Values[2][2], 5);
    EXPECT_EQ(p.Board_Positions[4].X, 20 + 12 * 20);

    // A number in a gap between the boards has nowhere to go.
    std::string gap = text;
    gap.replace(gap.find("------"), 1, "1");
    EXPECT_NE(Error_Of(gap).find("outside the five boards"), std::string::npos);
}

TEST(Description, JoinShareCellsAndRefuseDisagreement) {
    const std::string two = "board 6x6-wide 20 20\n" + Rows(6) + "board 6x6-wide 80 40\n" +
                            Rows(6, "4.....") + "join 0 1\n";
    const Description_Result d = Parse_Description(two);
    ASSERT_TRUE(d.Ok()) << d.Error;
    // Board 1 starts at cell (3, 1) of board 0: its given lands in board 0's copy.
    EXPECT_EQ(d.Puzzle.Sudoku_Boards[0].Cell_Values[3][1], 4);
    EXPECT_TRUE(d.Puzzle.Sudoku_Boards[0].Cell_Locked[3][1]);

    // Board 0 holds 5 where board 1's given 4 lands.
    const std::string clash = "board 6x6-wide 20 20\n......\n...5..\n" + Empty_Rows(4, 6) +
                              "board 6x6-wide 80 40\n" + Rows(6, "4.....") + "join 0 1\n";
    EXPECT_NE(Error_Of(clash).find("different numbers"), std::string::npos);

    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n" + Rows(6) + "board 6x6-wide 150 20\n" + Rows(6) +
                       "join 0 1\n")
                  .find("do not overlap"),
              std::string::npos);
}

TEST(Description, RegionsBordersColoursAndInfo) {
    const Description_Result d = Parse_Description("title Caf\xC3\xA9\n"
                                                   "link https://example.org/a\n"
                                                   "board 6x6-wide 20 60\n" +
                                                   Rows(6) + "board 6x6-wide 160 60\n" + Rows(6) +
                                                   "region 0:5,0 0:5,1 0:5,2 1:0,0 1:0,1 1:0,2\n"
                                                   "borders regions\n"
                                                   "colour 1 2 3 4 5 #FF8000\n"
                                                   "border 0 0 0 tl\n");
    ASSERT_TRUE(d.Ok()) << d.Error;
    const Puzzle_State& p = d.Puzzle;
    EXPECT_TRUE(p.Info_Visible);
    EXPECT_EQ(p.Info_Left, 10);
    EXPECT_EQ(p.Info_Top, 8);
    EXPECT_EQ(p.Puzzle_Title.Text(), "Caf\xE9"); // code page 1252
    EXPECT_EQ(p.Puzzle_Link.Text(), "https://example.org/a");
    ASSERT_EQ(p.Custom_Regions.size(), 1u);
    EXPECT_TRUE(p.Custom_Regions_On);
    EXPECT_FALSE(p.Regions_Only);
    EXPECT_EQ(p.Custom_Regions[0][3].Board, 1);
    // Region edges: (5,0) on board 0 has its top and both sides thick, not its bottom.
    const auto e = p.Sudoku_Boards[0].Cell_Borders[5][0];
    EXPECT_EQ((std::array<Byte, 4>{e[0], e[1], e[2], e[3]}), (std::array<Byte, 4>{1, 0, 1, 1}));
    EXPECT_EQ(p.Sudoku_Boards[0].Cell_Borders[5][2][1], 1);
    EXPECT_EQ(p.Sudoku_Boards[0].Cell_Borders[4][4][1], 0); // outside every region
    // #RRGGBB is kept as 0x00BBGGRR over the rectangle.
    EXPECT_TRUE(p.Sudoku_Boards[1].Use_Cell_Colours);
    EXPECT_EQ(p.Sudoku_Boards[1].Cell_Colours[3][4], 0x0080FF);
    EXPECT_EQ(p.Sudoku_Boards[1].Cell_Colours[1][4], 0xFFFFFF);
    EXPECT_FALSE(p.Sudoku_Boards[0].Use_Cell_Colours);
    EXPECT_EQ(p.Sudoku_Boards[0].Cell_Borders[0][0][0], 1);
    EXPECT_EQ(p.Sudoku_Boards[0].Cell_Borders[0][0][2], 1);
}

TEST(Description, RegionMapAndRegionsOnly) {
    std::string map = "region-map 0\n";
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            map.push_back(static_cast<char>('a' + r)); // rows as regions
        }
        map += "\n";
    }
    const Description_Result d =
        Parse_Description("board 6x6-wide 20 20\n" + Rows(6) + map + "regions-only\n");
    ASSERT_TRUE(d.Ok()) << d.Error;
    ASSERT_EQ(d.Puzzle.Custom_Regions.size(), 6u);
    EXPECT_EQ(d.Puzzle.Custom_Regions[2].size(), 6u);
    EXPECT_EQ(d.Puzzle.Custom_Regions[2][4].Row, 2);
    EXPECT_TRUE(d.Puzzle.Regions_Only);
}

TEST(Description, RefusalsNameTheLine) {
    EXPECT_EQ(Error_Of(""), "the description has no board");
    EXPECT_EQ(Error_Of("board 9x9 20 20\n" + Empty_Rows(8, 9) + "12345678\n"),
              "line 10: a row of this board needs 9 cells, it has 8");
    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n7.....\n").find("line 2: '7' is no number"),
              std::string::npos);
    EXPECT_NE(Error_Of("board 7x7 20 20\n").find("unknown board kind"), std::string::npos);
    EXPECT_NE(Error_Of("board 9x9 20\n").find("line 1"), std::string::npos);
    EXPECT_NE(Error_Of("board 9x9 20 20 symbols=ABC\n").find("exactly 9"), std::string::npos);
    EXPECT_NE(Error_Of("board 9x9 20 20 symbols=AABCDEFGH\n").find("differ"), std::string::npos);
    EXPECT_NE(Error_Of("board 9x9 20 20\n" + Empty_Rows(3, 9)).find("ends inside"),
              std::string::npos);
    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n" + Rows(6) + "region 0:6,0\n").find("not on board"),
              std::string::npos);
    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n" + Rows(6) + "region 1:0,0\n").find("no board 1"),
              std::string::npos);
    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n" + Rows(6) + "frobnicate\n").find("line 8"),
              std::string::npos);
    EXPECT_NE(Error_Of("title " + std::string(51, 'x') + "\nboard 6x6-wide 20 20\n" + Rows(6))
                  .find("longer than 50"),
              std::string::npos);
    EXPECT_NE(Error_Of("title \xE2\x98\x85\n").find("1252"), std::string::npos); // a star
    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n" + Rows(6) + "borders regions\n")
                  .find("at least one region"),
              std::string::npos);
    // A region across boards of different sizes is refused by the model's own check.
    EXPECT_NE(Error_Of("board 6x6-wide 20 20\n" + Rows(6) + "board 9x9 200 20\n" + Rows(9) +
                       "region 0:0,0 1:0,0\n")
                  .find("different sizes"),
              std::string::npos);
}

TEST(Description, LinesOfOtherBlanksAreSkipped) {
    // A form feed or vertical tab alone on a line is no statement and no row.
    const Description_Result d = Parse_Description("\v\nboard 6x6-wide 20 20\n\f\n1.....\n \f\t\n" +
                                                   Empty_Rows(5, 6) + "\f# note\n");
    ASSERT_TRUE(d.Ok()) << d.Error;
    EXPECT_EQ(d.Puzzle.Sudoku_Boards.at(0).Cell_Values[0][0], 1);
}
