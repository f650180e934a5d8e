#include "logic/Shapes.h"

#include <cstdlib>

#include "io/Puzzle_Description.h"
#include "logic/Random.h"
#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"

namespace {

// One kind: its boards (all of one board kind, named as in model/Board_Kinds.h) and where
// each stands, in cells from the top left of the figure. Every two boards that overlap are
// linked. The kinds of one board of 4, 8, 12 or 16 numbers are listed apart from the others
// (Board_Size_Kinds).
struct Kind_Layout {
    const char* Name;
    const char* Label;
    const char* Board_Kind_Name;
    std::vector<std::pair<int, int>> Offsets;
    bool Other_Size = false;
    Puzzle_Level Highest = Puzzle_Level::Extreme;
};

// The Samurai as the core lays it out.
std::vector<std::pair<int, int>> Samurai_Figure() {
    std::vector<std::pair<int, int>> offsets;
    for (const auto& offset : Samurai_Offsets) {
        offsets.emplace_back(offset[0], offset[1]);
    }
    return offsets;
}

// The figures, drawn on a grid of cells (# a board's cell, * a cell two or more boards share):
//
//   samurai: corners at 0 and 12, the centre board at 6,6 shares a corner block with each.
//   twin: two boards at 0,0 and 6,6 share one corner block.
//   butterfly: four boards at 0 and 3 in each direction fill a 12x12 square; every two of
//     them overlap (by 6x6, 6x9 or 9x6 cells).
//   sohei: boards above (6,0), left (0,6), right (12,6) and below (6,12) an empty centre;
//     each shares a corner block with its two neighbours and none with the board opposite.
//   windmill: a centre board at 6,6 and four sails turning round it, above (3,0), right
//     (12,3), below (9,12) and left (0,9). Each sail shares a strip of two blocks (3x6 cells)
//     with the centre, the sails share nothing with each other, and the centre's middle block
//     belongs to it alone. The figure looks the same turned by a quarter.
const std::vector<Kind_Layout>& Layouts() {
    static const std::vector<Kind_Layout> layouts = {
        {"classic", "Classic 9x9", "9x9", {{0, 0}}},
        {"6x6-wide", "6x6, blocks 3 wide", "6x6-wide", {{0, 0}}},
        {"6x6-tall", "6x6, blocks 3 high", "6x6-tall", {{0, 0}}},
        // Every 4x4 puzzle with one solution is solved by singles alone (every set of up to
        // six givens on each of the 288 grids: 1,351,296 puzzles, all easy).
        {"4x4", "4x4, blocks 2x2", "4x4", {{0, 0}}, true, Puzzle_Level::Easy},
        {"8x8-wide", "8x8, blocks 4 wide", "8x8-wide", {{0, 0}}, true},
        {"8x8-tall", "8x8, blocks 4 high", "8x8-tall", {{0, 0}}, true},
        {"12x12-wide", "12x12, blocks 4 wide", "12x12-wide", {{0, 0}}, true},
        {"12x12-tall", "12x12, blocks 4 high", "12x12-tall", {{0, 0}}, true},
        {"16x16", "16x16, blocks 4x4", "16x16", {{0, 0}}, true},
        {"jigsaw", "Jigsaw 9x9", "9x9", {{0, 0}}},
        {"symbols", "Letters A to I", "9x9", {{0, 0}}},
        {"samurai", "Samurai (5 grids)", "9x9", Samurai_Figure()},
        {"twin", "Twin (2 grids)", "9x9", {{0, 0}, {6, 6}}},
        {"butterfly", "Butterfly (4 grids)", "9x9", {{0, 0}, {3, 0}, {0, 3}, {3, 3}}},
        {"sohei", "Sohei (4 grids)", "9x9", {{6, 0}, {0, 6}, {12, 6}, {6, 12}}},
        {"windmill", "Windmill (5 grids)", "9x9", {{3, 0}, {12, 3}, {6, 6}, {0, 9}, {9, 12}}},
    };
    return layouts;
}

const Kind_Layout* Find_Layout(const std::string& name) {
    for (const Kind_Layout& layout : Layouts()) {
        if (name == layout.Name) {
            return &layout;
        }
    }
    return nullptr;
}

constexpr int Margin = File_Units_Per_Cell;

std::vector<int> Neighbours(int i) {
    std::vector<int> out;
    const int c = i / 9;
    const int r = i % 9;
    if (c > 0) {
        out.push_back(i - 9);
    }
    if (c < 8) {
        out.push_back(i + 9);
    }
    if (r > 0) {
        out.push_back(i - 1);
    }
    if (r < 8) {
        out.push_back(i + 1);
    }
    return out;
}

bool Region_Connected(const std::vector<int>& region_of, int region) {
    std::vector<int> stack;
    std::vector<char> seen(81, 0);
    int size = 0;
    for (int i = 0; i < 81; ++i) {
        size += region_of[i] == region ? 1 : 0;
        if (stack.empty() && region_of[i] == region) {
            stack.push_back(i);
            seen[i] = 1;
        }
    }
    int reached = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++reached;
        for (int j : Neighbours(i)) {
            if (!seen[j] && region_of[j] == region) {
                seen[j] = 1;
                stack.push_back(j);
            }
        }
    }
    return reached == size;
}

// Nine connected regions of nine cells each, every region turned by half a turn another
// region (or itself) when symmetric.
bool Regions_Valid(const std::vector<int>& region_of, bool symmetric) {
    int size[9] = {};
    for (int i = 0; i < 81; ++i) {
        ++size[region_of[i]];
        if (symmetric && region_of[80 - i] != 8 - region_of[i]) {
            return false;
        }
    }
    for (int k = 0; k < 9; ++k) {
        if (size[k] != 9 || !Region_Connected(region_of, k)) {
            return false;
        }
    }
    return true;
}

// A jigsaw layout made by trading cells between neighbouring regions, starting from the
// standard blocks (cell index = column * 9 + row). A symmetric layout trades each pair of
// cells together with the pair half a turn away.
std::vector<int> Random_Jigsaw(Tool_Random& random, bool symmetric) {
    std::vector<int> region_of(81);
    for (int i = 0; i < 81; ++i) {
        region_of[i] = (i / 9 / 3) * 3 + (i % 9) / 3;
    }
    int trades = 0;
    for (int tries = 0; tries < 20000 && trades < 120; ++tries) {
        const int x = random.Below(81);
        const std::vector<int> nx = Neighbours(x);
        const int y = nx[random.Below(static_cast<int>(nx.size()))];
        const int a = region_of[x];
        const int b = region_of[y];
        if (a == b) {
            continue;
        }
        // x moves from a to b; some cell z of b next to a moves back to a.
        std::vector<int> back;
        for (int z = 0; z < 81; ++z) {
            if (z == x || region_of[z] != b) {
                continue;
            }
            for (int w : Neighbours(z)) {
                if (region_of[w] == a && w != x) {
                    back.push_back(z);
                    break;
                }
            }
        }
        if (back.empty()) {
            continue;
        }
        const int z = back[random.Below(static_cast<int>(back.size()))];
        const std::vector<int> before = region_of;
        region_of[x] = b;
        region_of[z] = a;
        if (symmetric) {
            region_of[80 - x] = 8 - b;
            region_of[80 - z] = 8 - a;
        }
        if (Regions_Valid(region_of, symmetric)) {
            ++trades;
        } else {
            region_of = before;
        }
    }
    return region_of;
}

void Add_Jigsaw_Regions(Puzzle_State& p, int board, const std::vector<int>& region_of) {
    p.Sudoku_Boards[board].Draw_Block_Lines = 0;
    p.Custom_Regions_On = 1;
    p.Regions_Only = 1;
    p.Custom_Regions.assign(9, {});
    for (int i = 0; i < 81; ++i) {
        p.Custom_Regions[region_of[i]].push_back({board, i / 9, i % 9, 0});
    }
    Build_Cell_Regions(p);
    Draw_Region_Borders(p);
}

// The kinds of the table that keep() keeps, in its order.
template <typename Keep> std::vector<Puzzle_Kind_Info> Kinds_Where(Keep keep) {
    std::vector<Puzzle_Kind_Info> out;
    for (const Kind_Layout& layout : Layouts()) {
        if (keep(layout)) {
            out.push_back({layout.Name, layout.Label, static_cast<int>(layout.Offsets.size())});
        }
    }
    return out;
}

} // namespace

const std::vector<Puzzle_Kind_Info>& Puzzle_Kinds() {
    static const std::vector<Puzzle_Kind_Info> kinds =
        Kinds_Where([](const Kind_Layout& layout) { return !layout.Other_Size; });
    return kinds;
}

const std::vector<Puzzle_Kind_Info>& Board_Size_Kinds() {
    static const std::vector<Puzzle_Kind_Info> kinds =
        Kinds_Where([](const Kind_Layout& layout) { return layout.Other_Size; });
    return kinds;
}

const std::vector<Puzzle_Kind_Info>& Every_Puzzle_Kind() {
    static const std::vector<Puzzle_Kind_Info> kinds =
        Kinds_Where([](const Kind_Layout& /*layout*/) { return true; });
    return kinds;
}

bool Is_Puzzle_Kind(const std::string& name) {
    return Find_Layout(name) != nullptr;
}

Puzzle_Level Highest_Level_Of_Kind(const std::string& name) {
    const Kind_Layout* layout = Find_Layout(name);
    return layout != nullptr ? layout->Highest : Puzzle_Level::Extreme;
}

std::string Puzzle_Kind_Names() {
    std::string names;
    for (const Kind_Layout& layout : Layouts()) {
        names += (names.empty() ? "" : ", ") + std::string(layout.Name);
    }
    return names;
}

bool Build_Kind_Shape(const std::string& kind, Tool_Random& random, bool symmetric_regions,
                      Puzzle_State& out) {
    const Kind_Layout* layout = Find_Layout(kind);
    if (layout == nullptr) {
        return false;
    }
    const Board_Kind& board = *Find_Board_Kind_Named(layout->Board_Kind_Name);
    const int size = board.Max_Number;
    Puzzle_State p;
    p.Info_Visible = 0;
    for (const auto& [x, y] : layout->Offsets) {
        Add_Board_Model(p, board.Board_Type, size, size, size, board.Wide_Blocks);
        p.Board_Overlaps.emplace_back();
        p.Board_Positions.push_back(
            {Margin + x * File_Units_Per_Cell, Margin + y * File_Units_Per_Cell});
    }
    const int boards = static_cast<int>(layout->Offsets.size());
    for (int a = 0; a < boards; ++a) {
        for (int b = a + 1; b < boards; ++b) {
            const int dx = layout->Offsets[b].first - layout->Offsets[a].first;
            const int dy = layout->Offsets[b].second - layout->Offsets[a].second;
            if (std::abs(dx) < size && std::abs(dy) < size) {
                Link_Boards_Both_Ways(p, a, b, dx, dy);
            }
        }
    }
    if (kind == "symbols") {
        p.Sudoku_Boards[0].Use_Symbols = 1;
        const std::string symbols = "ABCDEFGHI";
        for (int k = 0; k < 9; ++k) {
            p.Sudoku_Boards[0].Symbols[k] = static_cast<Byte>(symbols[k]);
        }
    } else if (kind == "jigsaw") {
        Add_Jigsaw_Regions(p, 0, Random_Jigsaw(random, symmetric_regions));
    }
    out = std::move(p);
    return true;
}

bool Empty_Puzzle_Of_Kind(const std::string& kind, std::uint64_t seed, Puzzle_State& out) {
    Tool_Random random(seed);
    return Build_Kind_Shape(kind, random, true, out);
}
