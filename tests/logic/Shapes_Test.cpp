// The empty figures of every kind: boards where the figure puts them, linked both ways where
// and only where they overlap, each shared cell on top of its copy, and the figures that
// have a known form (windmill, sohei, butterfly, twin, samurai) built that way.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "logic/Shapes.h"
#include "model/Board_Geometry.h"
#include "model/Puzzle_File.h"
#include "tests/logic/Page_Test_Support.h"

namespace {

using page_test::On_Page;
using page_test::Page_Cell;

Puzzle_State Shape(const std::string& kind, std::uint64_t seed = 1) {
    Puzzle_State p;
    EXPECT_TRUE(Empty_Puzzle_Of_Kind(kind, seed, p)) << kind;
    return p;
}

// For every cell of the page, the boards that cover it.
std::map<Page_Cell, std::set<int>> Coverage(const Puzzle_State& p) {
    std::map<Page_Cell, std::set<int>> out;
    for (int b = 0; b < static_cast<int>(p.Sudoku_Boards.size()); ++b) {
        for (int c = 0; c < p.Sudoku_Boards[b].Cols; ++c) {
            for (int r = 0; r < p.Sudoku_Boards[b].Rows; ++r) {
                out[On_Page(p, b, c, r)].insert(b);
            }
        }
    }
    return out;
}

// How many cells boards a and b share on the page.
int Shared_Cells(const Puzzle_State& p, int a, int b) {
    int n = 0;
    for (const auto& [cell, boards] : Coverage(p)) {
        n += boards.count(a) != 0 && boards.count(b) != 0 ? 1 : 0;
    }
    return n;
}

int Link_Index(const Puzzle_State& p, int from, int to) {
    const auto& links = p.Board_Overlaps[from].Linked_Boards;
    for (std::size_t k = 0; k < links.size(); ++k) {
        if (links[k] == to + 1) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

} // namespace

TEST(Shapes, EveryKindIsListedOnceWithALabel) {
    std::set<std::string> names;
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        EXPECT_TRUE(names.insert(kind.Name).second) << kind.Name;
        EXPECT_FALSE(kind.Label.empty()) << kind.Name;
        EXPECT_TRUE(Is_Puzzle_Kind(kind.Name));
        EXPECT_NE(Puzzle_Kind_Names().find(kind.Name), std::string::npos);
    }
    for (const char* kind : {"classic", "6x6-wide", "6x6-tall", "jigsaw", "symbols", "samurai",
                             "twin", "butterfly", "sohei", "windmill"}) {
        EXPECT_EQ(names.count(kind), 1u) << kind;
    }
    EXPECT_FALSE(Is_Puzzle_Kind("hexagon"));
    Puzzle_State untouched;
    untouched.Puzzle_Title.Assign("kept");
    EXPECT_FALSE(Empty_Puzzle_Of_Kind("hexagon", 1, untouched));
    EXPECT_EQ(untouched.Puzzle_Title.Text(), "kept");
}

TEST(Shapes, BoardsOverlapOnlyWhereLinkedAndLinksMatchThePage) {
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        const Puzzle_State p = Shape(kind.Name);
        const int boards = static_cast<int>(p.Sudoku_Boards.size());
        ASSERT_EQ(boards, kind.Boards) << kind.Name;
        EXPECT_EQ(Describe_Invariant_Violation(p), "") << kind.Name;
        // One cell of margin at the top and the left, positions on the cell grid.
        int left = 1 << 20, top = 1 << 20;
        for (const Board_Position& at : p.Board_Positions) {
            EXPECT_EQ(at.X % 20, 0) << kind.Name;
            EXPECT_EQ(at.Y % 20, 0) << kind.Name;
            left = std::min<int>(left, at.X);
            top = std::min<int>(top, at.Y);
        }
        EXPECT_EQ(left, 20) << kind.Name;
        EXPECT_EQ(top, 20) << kind.Name;
        for (int a = 0; a < boards; ++a) {
            for (int b = 0; b < boards; ++b) {
                if (a == b) {
                    continue;
                }
                const int k = Link_Index(p, a, b);
                const bool overlap = Shared_Cells(p, a, b) > 0;
                EXPECT_EQ(k >= 0, overlap) << kind.Name << " boards " << a << ", " << b;
                EXPECT_EQ(k >= 0, Link_Index(p, b, a) >= 0) << kind.Name << ": both ways";
                if (k < 0) {
                    continue;
                }
                // The shared area of the link is exactly the cells on top of each other.
                const Shared_Area s = Shared_Area_Of(p, a, k);
                int area = 0;
                for (int c = s.First_Col; c <= s.Last_Col; ++c) {
                    for (int r = s.First_Row; r <= s.Last_Row; ++r) {
                        ++area;
                        EXPECT_EQ(On_Page(p, a, c, r),
                                  On_Page(p, b, c + s.Col_Offset, r + s.Row_Offset))
                            << kind.Name;
                    }
                }
                EXPECT_EQ(area, Shared_Cells(p, a, b)) << kind.Name;
            }
        }
        // The file keeps the figure.
        const Puzzle_Read_Result back = Read_Puzzle_Bytes(Write_Puzzle_Bytes(p));
        ASSERT_TRUE(back.Ok()) << kind.Name << ": " << back.Error;
        EXPECT_EQ(Write_Puzzle_Bytes(back.Puzzle), Write_Puzzle_Bytes(p)) << kind.Name;
    }
}

TEST(Shapes, EveryFigureLooksTheSameTurnedHalfway) {
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        const auto cover = Coverage(Shape(kind.Name));
        const page_test::Half_Turn<std::set<int>> turn(cover);
        for (const auto& [cell, boards] : cover) {
            ASSERT_EQ(cover.count(turn(cell)), 1u) << kind.Name;
            EXPECT_EQ(cover.at(turn(cell)).size(), boards.size()) << kind.Name;
        }
    }
}

TEST(Shapes, WindmillSailsShareTwoBlocksWithTheCentreAndTurnByAQuarter) {
    const Puzzle_State p = Shape("windmill");
    const int centre = 2;
    for (int sail : {0, 1, 3, 4}) {
        EXPECT_EQ(Shared_Cells(p, sail, centre), 18) << sail;
        for (int other : {0, 1, 3, 4}) {
            if (other != sail) {
                EXPECT_EQ(Shared_Cells(p, sail, other), 0) << sail << " " << other;
            }
        }
    }
    // The centre's middle block is the centre's alone; its other eight blocks are shared.
    const auto cover = Coverage(p);
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const bool middle = c / 3 == 1 && r / 3 == 1;
            EXPECT_EQ(cover.at(On_Page(p, centre, c, r)).size(), middle ? 1u : 2u) << c << r;
        }
    }
    // 21 cells square; turned a quarter, every cell lands on a cell.
    int cells = 0;
    for (const auto& [cell, boards] : cover) {
        ++cells;
        const Page_Cell turned{1 + 20 - (cell.second - 1), cell.first};
        EXPECT_EQ(cover.count(turned), 1u);
    }
    EXPECT_EQ(cells, 5 * 81 - 4 * 18);
}

TEST(Shapes, SoheiButterflyTwinAndSamuraiFigures) {
    // Sohei: each board shares a corner block with its two neighbours, not with the one
    // opposite, and the centre of the figure is empty.
    const Puzzle_State sohei = Shape("sohei");
    for (int a = 0; a < 4; ++a) {
        int neighbours = 0;
        for (int b = 0; b < 4; ++b) {
            const int shared = a == b ? 0 : Shared_Cells(sohei, a, b);
            EXPECT_TRUE(shared == 0 || shared == 9) << a << " " << b;
            neighbours += shared == 9 ? 1 : 0;
        }
        EXPECT_EQ(neighbours, 2) << a;
    }
    const auto sohei_cover = Coverage(sohei);
    EXPECT_EQ(sohei_cover.count({1 + 10, 1 + 10}), 0u);

    // Butterfly: a full 12x12 square, every two boards linked.
    const Puzzle_State butterfly = Shape("butterfly");
    const auto wings = Coverage(butterfly);
    EXPECT_EQ(wings.size(), 144u);
    for (int b = 0; b < 4; ++b) {
        EXPECT_EQ(butterfly.Board_Overlaps[b].Linked_Boards.size(), 3u);
    }

    // Twin: one corner block shared.
    const Puzzle_State twin = Shape("twin");
    EXPECT_EQ(Shared_Cells(twin, 0, 1), 9);
    EXPECT_EQ(Coverage(twin).size(), 2u * 81 - 9);

    // Samurai: the centre board shares a block with each corner board.
    const Puzzle_State samurai = Shape("samurai");
    EXPECT_EQ(samurai.Board_Overlaps[2].Linked_Boards.size(), 4u);
    for (int corner : {0, 1, 3, 4}) {
        EXPECT_EQ(Shared_Cells(samurai, corner, 2), 9);
    }
}

TEST(Shapes, JigsawRegionsAreConnectedNinesSymmetricByHalfATurn) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const Puzzle_State p = Shape("jigsaw", seed);
        ASSERT_EQ(p.Custom_Regions.size(), 9u);
        EXPECT_TRUE(p.Regions_Only);
        EXPECT_TRUE(p.Custom_Regions_On);
        EXPECT_FALSE(p.Sudoku_Boards[0].Draw_Block_Lines);
        int region_of[9][9];
        bool irregular = false;
        for (int k = 0; k < 9; ++k) {
            ASSERT_EQ(p.Custom_Regions[k].size(), 9u);
            for (const Region_Cell& cell : p.Custom_Regions[k]) {
                region_of[cell.Col][cell.Row] = k;
                irregular = irregular || cell.Col / 3 != p.Custom_Regions[k][0].Col / 3 ||
                            cell.Row / 3 != p.Custom_Regions[k][0].Row / 3;
            }
        }
        EXPECT_TRUE(irregular) << seed;
        for (int k = 0; k < 9; ++k) {
            // Flood from the region's first cell; it must reach all nine.
            std::set<std::pair<int, int>> reached{
                {p.Custom_Regions[k][0].Col, p.Custom_Regions[k][0].Row}};
            std::vector<std::pair<int, int>> todo(reached.begin(), reached.end());
            while (!todo.empty()) {
                const auto [c, r] = todo.back();
                todo.pop_back();
                for (const auto& [nc, nr] :
                     {std::pair<int, int>{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}}) {
                    if (nc >= 0 && nc < 9 && nr >= 0 && nr < 9 && region_of[nc][nr] == k &&
                        reached.insert({nc, nr}).second) {
                        todo.push_back({nc, nr});
                    }
                }
            }
            EXPECT_EQ(reached.size(), 9u) << "region " << k << ", seed " << seed;
        }
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                // The region half a turn away is the turned region.
                const int here = region_of[c][r];
                const int there = region_of[8 - c][8 - r];
                for (int c2 = 0; c2 < 9; ++c2) {
                    for (int r2 = 0; r2 < 9; ++r2) {
                        if (region_of[c2][r2] == here) {
                            EXPECT_EQ(region_of[8 - c2][8 - r2], there);
                        }
                    }
                }
            }
        }
        // A thick edge where two regions meet.
        for (int c = 0; c + 1 < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                const bool edge = region_of[c][r] != region_of[c + 1][r];
                EXPECT_EQ(p.Sudoku_Boards[0].Cell_Borders[c][r][3] != 0, edge);
            }
        }
    }
    // Seeds draw different layouts.
    EXPECT_NE(Write_Puzzle_Bytes(Shape("jigsaw", 1)), Write_Puzzle_Bytes(Shape("jigsaw", 2)));
}
