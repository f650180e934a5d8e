#include "model/Puzzle_Shape.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <numeric>
#include <utility>

#include "model/Board_Geometry.h"

namespace {

constexpr int Largest_Fast_Number = 16;

std::atomic<std::uint64_t> Next_Serial{1};

// The region index as the candidate engine reads it: for every cell its list, or -1 where the
// index has no entry for it.
void Add_Region_Index(const Puzzle_State& state, std::vector<Integer>& key) {
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    for (int b = 0; b < boards; ++b) {
        const Integer n = std::max<Integer>(state.Sudoku_Boards[b].Max_Number, 0);
        for (Integer c = 0; c < n; ++c) {
            for (Integer r = 0; r < n; ++r) {
                if (b >= static_cast<int>(state.Cell_Regions.size()) ||
                    c >= static_cast<Integer>(state.Cell_Regions[b].size()) ||
                    r >= static_cast<Integer>(state.Cell_Regions[b][c].size())) {
                    key.push_back(-1);
                    continue;
                }
                const std::vector<Integer>& numbers = state.Cell_Regions[b][c][r].Region_Numbers;
                key.push_back(static_cast<Integer>(numbers.size()));
                key.insert(key.end(), numbers.begin(), numbers.end());
            }
        }
    }
}

bool Inside_Board(const Puzzle_State& state, Integer b, Integer c, Integer r) {
    if (b < 0 || b >= static_cast<Integer>(state.Sudoku_Boards.size())) {
        return false;
    }
    const Integer n = state.Sudoku_Boards[b].Max_Number;
    return c >= 0 && r >= 0 && c < n && r < n;
}

bool Fast_Engine_Can_Take(const Puzzle_State& state) {
    for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
        const Integer n = b.Max_Number;
        if (n < 1 || n > Largest_Fast_Number) {
            return false;
        }
        // The blocks must tile the board, so that every cell lies in exactly one block.
        const auto tiles = [n](Integer count_max, Integer size_max) {
            return size_max >= 0 && size_max < n &&
                   (static_cast<long long>(count_max) + 1) * (size_max + 1) == n;
        };
        if (Has_Block_Kind(b) && (!tiles(b.Block_Cols_Max, b.Block_Width_Max) ||
                                  !tiles(b.Block_Rows_Max, b.Block_Height_Max))) {
            return false;
        }
    }
    if (state.Custom_Regions_On) {
        for (const std::vector<Region_Cell>& region : state.Custom_Regions) {
            for (const Region_Cell& cell : region) {
                if (!Inside_Board(state, cell.Board, cell.Col, cell.Row)) {
                    return false;
                }
            }
        }
    }
    return true;
}

void Add_Peers(const Puzzle_State& state, Puzzle_Shape& s) {
    const Puzzle_Groups& g = s.Groups;
    const int cells = g.Cells;
    s.Peer_Begin.assign(static_cast<std::size_t>(cells) + 1, 0);
    std::vector<int> seen(static_cast<std::size_t>(cells), -1);
    for (int self = 0; self < cells; ++self) {
        s.Peer_Begin[self] = static_cast<int>(s.Peers.size());
        const Cell_Address& at = g.Address[self];
        seen[self] = self;
        const auto add_group = [&](int k) {
            for (int j = g.Groups[k].Begin; j < g.Groups[k].End; ++j) {
                const int i = g.Group_Cells[j];
                if (seen[i] != self) {
                    seen[i] = self;
                    s.Peers.push_back(i);
                }
            }
        };
        const int first = g.Board_Group_Begin[at.Board];
        const int n = g.Board_Size[at.Board];
        add_group(first + at.Row);
        add_group(first + n + at.Col);
        if (g.Board_Blocks[at.Board] && g.Block_Of_Cell[self] >= 0) {
            add_group(g.Block_Of_Cell[self]);
        }
        // The regions a cell strikes in are those its index entry lists.
        if (state.Custom_Regions_On && at.Board < static_cast<int>(state.Cell_Regions.size()) &&
            at.Col < static_cast<int>(state.Cell_Regions[at.Board].size()) &&
            at.Row < static_cast<int>(state.Cell_Regions[at.Board][at.Col].size())) {
            for (const Integer k : state.Cell_Regions[at.Board][at.Col][at.Row].Region_Numbers) {
                if (k >= 1 && k <= g.Regions()) {
                    add_group(g.Region_Group_Begin + k - 1);
                }
            }
        }
    }
    s.Peer_Begin[cells] = static_cast<int>(s.Peers.size());
}

int Find_Root(std::vector<int>& parent, int x) {
    while (parent[x] != x) {
        parent[x] = parent[parent[x]];
        x = parent[x];
    }
    return x;
}

void Add_Variables(Puzzle_Shape& s) {
    const Puzzle_Groups& groups = s.Groups;
    const int cells = groups.Cells;

    // Shared cells: every link joins its two copies, whichever board owns the link.
    std::vector<int> parent(cells);
    std::iota(parent.begin(), parent.end(), 0);
    for (const Linked_Cells& pair : groups.Links) {
        const int x = Find_Root(parent, pair.Here);
        const int y = Find_Root(parent, pair.There);
        if (x != y) {
            parent[std::max(x, y)] = std::min(x, y);
        }
    }

    s.Places.resize(cells);
    for (int i = 0; i < cells; ++i) {
        const Cell_Address& at = groups.Address[i];
        s.Places[i] = {at.Board, at.Col, at.Row};
    }

    s.Var_Of_Cell.assign(cells, -1);
    for (int i = 0; i < cells; ++i) {
        const int root = Find_Root(parent, i);
        if (s.Var_Of_Cell[root] < 0) {
            s.Var_Of_Cell[root] = s.Var_Count++;
            s.Cells_Of_Var.emplace_back();
        }
        s.Var_Of_Cell[i] = s.Var_Of_Cell[root];
        s.Cells_Of_Var[s.Var_Of_Cell[i]].push_back(i);
    }

    s.Max_Of_Var.assign(s.Var_Count, std::numeric_limits<int>::max());
    for (int i = 0; i < cells; ++i) {
        const int v = s.Var_Of_Cell[i];
        s.Max_Of_Var[v] =
            std::min<int>(s.Max_Of_Var[v], groups.Board_Size[groups.Address[i].Board]);
    }

    // Units with their identities, in the groups' order; sorted below.
    std::vector<std::pair<std::vector<int>, Unit_Id>> found;
    for (const Cell_Group& group : groups.Groups) {
        std::vector<int> sorted;
        for (int j = group.Begin; j < group.End; ++j) {
            sorted.push_back(s.Var_Of_Cell[groups.Group_Cells[j]]);
        }
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() &&
            s.Contradiction.empty()) {
            s.Contradiction = "a unit holds the same cell twice";
        }
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        if (sorted.size() > 1) {
            found.emplace_back(std::move(sorted), Unit_Id{group.Kind, group.Board, group.Index});
        }
    }

    // Identical units (a row shared whole by two boards) need checking only once; the
    // stable sort keeps the identity met first.
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (s.Units.empty() || found[i].first != s.Units.back()) {
            s.Units.push_back(std::move(found[i].first));
            s.Unit_Ids.push_back(found[i].second);
            s.Unit_Other_Ids.emplace_back();
        } else {
            s.Unit_Other_Ids.back().push_back(found[i].second);
        }
    }

    s.Var_Peers.assign(s.Var_Count, {});
    for (const std::vector<int>& unit : s.Units) {
        for (int v : unit) {
            for (int w : unit) {
                if (w != v) {
                    s.Var_Peers[v].push_back(w);
                }
            }
        }
    }
    for (std::vector<int>& p : s.Var_Peers) {
        std::sort(p.begin(), p.end());
        p.erase(std::unique(p.begin(), p.end()), p.end());
    }
}

struct Kept_Shape {
    std::vector<Integer> Scratch;
    std::shared_ptr<const Puzzle_Shape> Shape;
};

thread_local Kept_Shape Kept;

} // namespace

void Puzzle_Shape_Key_Of(const Puzzle_State& state, std::vector<Integer>& key) {
    Puzzle_Shape_Key(state, key);
    if (state.Custom_Regions_On) {
        Add_Region_Index(state, key);
    }
}

std::shared_ptr<const Puzzle_Shape> Make_Puzzle_Shape(const Puzzle_State& state) {
    auto shape = std::make_shared<Puzzle_Shape>();
    shape->Serial = Next_Serial.fetch_add(1);
    Puzzle_Shape_Key_Of(state, shape->Key);
    shape->Groups = Build_Puzzle_Groups(state);
    Add_Peers(state, *shape);
    shape->Fast_Engine_Shape = Fast_Engine_Can_Take(state);
    Add_Variables(*shape);
    return shape;
}

bool Puzzle_Shape::Fits(const Puzzle_State& state) const {
    const std::size_t boards = Groups.Board_Size.size();
    if (state.Sudoku_Boards.size() != boards) {
        return false;
    }
    for (std::size_t b = 0; b < boards; ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        const std::size_t n = static_cast<std::size_t>(Groups.Board_Size[b]);
        if (board.Max_Number != Groups.Board_Size[b] || board.Cell_Values.size() != n ||
            board.Cell_Locked.size() != n || board.Cell_Tracking.size() != n) {
            return false;
        }
        for (std::size_t c = 0; c < n; ++c) {
            if (board.Cell_Values[c].size() != n || board.Cell_Locked[c].size() != n ||
                board.Cell_Tracking[c].size() != n) {
                return false;
            }
        }
    }
    return true;
}

bool Puzzle_Shape::Describes(const Puzzle_State& state) const {
    std::vector<Integer> key;
    Puzzle_Shape_Key_Of(state, key);
    return key == Key;
}

std::shared_ptr<const Puzzle_Shape> Shape_Of(const Puzzle_State& state) {
    Puzzle_Shape_Key_Of(state, Kept.Scratch);
    if (!Kept.Shape || Kept.Scratch != Kept.Shape->Key) {
        Kept.Shape = Make_Puzzle_Shape(state);
    }
    return Kept.Shape;
}

const Puzzle_Shape& Shape_For(const Puzzle_State& state, const Puzzle_Shape* held) {
    if (held != nullptr && held->Fits(state)) {
        return *held;
    }
    Shape_Of(state);
    return *Kept.Shape;
}

const Puzzle_Groups& Groups_Of(const Puzzle_State& state) {
    return Shape_Of(state)->Groups;
}
