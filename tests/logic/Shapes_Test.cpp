// The empty figures of every kind: boards where the figure puts them, linked both ways where
// and only where they overlap, each shared cell on top of its copy, and the figures that
// have a known form (windmill, sohei, butterfly, twin, samurai) built that way.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/Board_Geometry.h"
#include "tests/logic/Logic_Test_Support.h"

using namespace logic_test;

namespace {

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

TEST(Shapes, EveryKindOverlapsOnlyWhereLinkedAndLinksMatchThePage) {
    std::set<std::string> names;
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        SCOPED_TRACE(kind.Name);
        EXPECT_TRUE(names.insert(kind.Name).second) << "listed once";
        EXPECT_FALSE(kind.Label.empty());
        EXPECT_TRUE(Is_Puzzle_Kind(kind.Name));
        const Puzzle_State p = Kind_Shape(kind.Name);
        const int boards = static_cast<int>(p.Sudoku_Boards.size());
        ASSERT_EQ(boards, kind.Boards);
        EXPECT_EQ(Describe_Invariant_Violation(p), "");
        // One cell of margin at the top and the left, positions on the cell grid.
        int left = 1 << 20, top = 1 << 20;
        for (const Board_Position& at : p.Board_Positions) {
            EXPECT_EQ(at.X % 20, 0);
            EXPECT_EQ(at.Y % 20, 0);
            left = std::min<int>(left, at.X);
            top = std::min<int>(top, at.Y);
        }
        EXPECT_EQ(left, 20);
        EXPECT_EQ(top, 20);
        for (int a = 0; a < boards; ++a) {
            for (int b = 0; b < boards; ++b) {
                const int k = Link_Index(p, a, b);
                EXPECT_EQ(k >= 0, a != b && Shared_Cells(p, a, b) > 0) << a << ", " << b;
                EXPECT_EQ(k >= 0, Link_Index(p, b, a) >= 0) << "both ways";
                if (k < 0) {
                    continue;
                }
                // The shared area of the link is exactly the cells on top of each other.
                const Shared_Area s = Shared_Area_Of(p, a, k);
                for (int c = s.First_Col; c <= s.Last_Col; ++c) {
                    for (int r = s.First_Row; r <= s.Last_Row; ++r) {
                        EXPECT_EQ(On_Page(p, a, c, r),
                                  On_Page(p, b, c + s.Col_Offset, r + s.Row_Offset));
                    }
                }
                EXPECT_EQ((s.Last_Col - s.First_Col + 1) * (s.Last_Row - s.First_Row + 1),
                          Shared_Cells(p, a, b));
            }
        }
    }
    EXPECT_EQ(names, (std::set<std::string>{"classic", "6x6-wide", "6x6-tall", "jigsaw", "symbols",
                                            "samurai", "twin", "butterfly", "sohei", "windmill"}));
    EXPECT_FALSE(Is_Puzzle_Kind("hexagon"));
}

// The figures with a known form share the cells it says, two boards at a time.
TEST(Shapes, FiguresShareTheCellsTheirFormSays) {
    const std::map<std::string, std::map<std::pair<int, int>, int>> figures = {
        {"samurai", {{{0, 2}, 9}, {{1, 2}, 9}, {{2, 3}, 9}, {{2, 4}, 9}}},
        {"twin", {{{0, 1}, 9}}},
        {"butterfly",
         {{{0, 1}, 54}, {{0, 2}, 54}, {{0, 3}, 36}, {{1, 2}, 36}, {{1, 3}, 54}, {{2, 3}, 54}}},
        {"sohei", {{{0, 1}, 9}, {{0, 2}, 9}, {{1, 3}, 9}, {{2, 3}, 9}}},
        {"windmill", {{{0, 2}, 18}, {{1, 2}, 18}, {{2, 3}, 18}, {{2, 4}, 18}}}};
    for (const auto& [kind, shared] : figures) {
        const Puzzle_State p = Kind_Shape(kind);
        for (int a = 0; a < static_cast<int>(p.Sudoku_Boards.size()); ++a) {
            for (int b = a + 1; b < static_cast<int>(p.Sudoku_Boards.size()); ++b) {
                const auto said = shared.find({a, b});
                EXPECT_EQ(Shared_Cells(p, a, b), said == shared.end() ? 0 : said->second)
                    << kind << " boards " << a << ", " << b;
            }
        }
    }
    // The windmill, turned a quarter, lands every cell on a cell.
    const auto cover = Coverage(Kind_Shape("windmill"));
    for (const auto& [cell, boards] : cover) {
        EXPECT_EQ(cover.count({1 + 20 - (cell.second - 1), cell.first}), 1u);
    }
}

TEST(Shapes, JigsawRegionsAreConnectedNinesSymmetricByHalfATurn) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const Puzzle_State p = Kind_Shape("jigsaw", seed);
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
        EXPECT_TRUE(irregular);
        for (int k = 0; k < 9; ++k) {
            // Flood from the region's first cell; it must reach all nine.
            std::vector<std::pair<int, int>> todo{
                {p.Custom_Regions[k][0].Col, p.Custom_Regions[k][0].Row}};
            std::set<std::pair<int, int>> reached(todo.begin(), todo.end());
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
            EXPECT_EQ(reached.size(), 9u) << "region " << k;
        }
        // Every cell of a region turns into one same region; a thick edge where two meet.
        std::map<int, int> turned;
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                const auto to = turned.emplace(region_of[c][r], region_of[8 - c][8 - r]).first;
                EXPECT_EQ(to->second, region_of[8 - c][8 - r]);
                if (c + 1 < 9) {
                    EXPECT_EQ(p.Sudoku_Boards[0].Cell_Borders[c][r][3] != 0,
                              region_of[c][r] != region_of[c + 1][r]);
                }
            }
        }
    }
    // Seeds draw different layouts.
    EXPECT_NE(Write_Puzzle_Bytes(Kind_Shape("jigsaw", 1)),
              Write_Puzzle_Bytes(Kind_Shape("jigsaw", 2)));
}
