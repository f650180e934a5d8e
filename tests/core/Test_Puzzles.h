#pragma once
// Puzzles with known unique solutions, built in code, and a small independent solver used to
// prove that uniqueness. Shared by the core tests.
//
// Each Test_Puzzle holds a Puzzle_State with only the givens on its boards (copies of shared
// cells agree, nothing recomputed yet) and the full solution of every board.

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "model/Board_Geometry.h"
#include "model/Board_Model.h"
#include "tests/Puzzle_Builder.h"

namespace test_puzzles {

using Grid = Cell_Grid<Integer>; // [column][row]

struct Test_Puzzle {
    std::string Name;
    Puzzle_State State;         // givens only
    std::vector<Grid> Solution; // per board
};

// A state with one board of the given kind and the per-board lists sized.
inline Puzzle_State One_Board_State(Integer type, Integer n, Flag wide) {
    return puzzle_builder::One_Board(type, n, wide);
}

// Adds a link from board `from` to board `to` (0-based) with a 1-based Link_Area.
inline void Add_Link(Puzzle_State& s, int from, int to, Link_Area area) {
    puzzle_builder::Link(s, from, to, area);
}

// Two 9x9 boards: board 0 is a corner whose bottom-right block is the top-left block of the
// centre board 1; each carries its own link to the other.
inline Puzzle_State Corner_And_Centre() {
    Puzzle_State s;
    puzzle_builder::Add_Board(s, Board_Type_9x9, 9);
    puzzle_builder::Add_Board(s, Board_Type_9x9, 9);
    Add_Link(s, 0, 1, {7, 7, 1, 1});
    Add_Link(s, 1, 0, {1, 1, 7, 7});
    return s;
}

// Five 9x9 boards in the Samurai layout, in this order: top-left, top-right, centre,
// bottom-left, bottom-right. Each corner shares one block with the centre; both boards of a
// pair carry their own link. Board_Positions are in file units (20 per cell).
inline Puzzle_State Samurai_Layout() {
    return puzzle_builder::Samurai(puzzle_builder::Samurai_Order::Figure);
}

inline std::array<int, 2> Samurai_Offset(int board) {
    return {Samurai_Offsets[board][0], Samurai_Offsets[board][1]};
}

// ---------------------------------------------------------------------------------------
// The solver: every cell of every board becomes a node, copies of a shared cell are merged
// into one node, and the units (rows, columns, blocks unless Regions_Only, custom regions when
// on) are lists of nodes. A plain depth-first search, most constrained node first.

class Unit_Solver {
  public:
    explicit Unit_Solver(const Puzzle_State& s) : state_(s) {
        const int boards = static_cast<int>(s.Sudoku_Boards.size());
        for (int b = 0; b < boards; ++b) {
            first_.push_back(total_);
            total_ += s.Sudoku_Boards[b].Cols * s.Sudoku_Boards[b].Rows;
        }
        parent_.resize(total_);
        std::iota(parent_.begin(), parent_.end(), 0);
        for (int b = 0; b < boards; ++b) {
            for (std::size_t k = 0; k < s.Board_Overlaps[b].Linked_Boards.size(); ++k) {
                const Shared_Area a = Shared_Area_Of(s, b, static_cast<int>(k));
                for (int c = a.First_Col; c <= a.Last_Col; ++c) {
                    for (int r = a.First_Row; r <= a.Last_Row; ++r) {
                        Union(Raw(b, c, r), Raw(a.Other_Board, c + a.Col_Offset, r + a.Row_Offset));
                    }
                }
            }
        }
        node_of_.resize(total_);
        for (int i = 0; i < total_; ++i) {
            if (Find(i) == i) {
                node_of_[i] = nodes_++;
            }
        }
        for (int i = 0; i < total_; ++i) {
            node_of_[i] = node_of_[Find(i)];
        }
        size_.assign(nodes_, 0);
        value_.assign(nodes_, 0);
        units_of_.assign(nodes_, {});
        for (int b = 0; b < boards; ++b) {
            const Sudoku_Boards_FrameWork& board = s.Sudoku_Boards[b];
            const int n = board.Max_Number;
            for (int c = 0; c < n; ++c) {
                for (int r = 0; r < n; ++r) {
                    size_[Node(b, c, r)] = n;
                    if (board.Cell_Values[c][r] != 0) {
                        value_[Node(b, c, r)] = board.Cell_Values[c][r];
                    }
                }
            }
            for (int r = 0; r < n; ++r) {
                std::vector<int> unit;
                for (int c = 0; c < n; ++c)
                    unit.push_back(Node(b, c, r));
                Add_Unit(unit);
            }
            for (int c = 0; c < n; ++c) {
                std::vector<int> unit;
                for (int r = 0; r < n; ++r)
                    unit.push_back(Node(b, c, r));
                Add_Unit(unit);
            }
            if (!s.Regions_Only && Has_Block_Kind(board)) {
                const int w = board.Block_Width_Max + 1;
                const int h = board.Block_Height_Max + 1;
                for (int bx = 0; bx <= board.Block_Cols_Max; ++bx) {
                    for (int by = 0; by <= board.Block_Rows_Max; ++by) {
                        std::vector<int> unit;
                        for (int c = bx * w; c < bx * w + w; ++c)
                            for (int r = by * h; r < by * h + h; ++r)
                                unit.push_back(Node(b, c, r));
                        Add_Unit(unit);
                    }
                }
            }
        }
        if (s.Custom_Regions_On) {
            for (const auto& region : s.Custom_Regions) {
                std::vector<int> unit;
                for (const Region_Cell& cell : region)
                    unit.push_back(Node(cell.Board, cell.Col, cell.Row));
                Add_Unit(unit);
            }
        }
    }

    int Node(int b, int c, int r) const { return node_of_[Raw(b, c, r)]; }

    // Counts solutions up to `limit`; the first ones found are kept in Found().
    int Count(int limit) {
        found_.clear();
        limit_ = limit;
        count_ = 0;
        std::vector<int> v = value_;
        for (int i = 0; i < nodes_; ++i) {
            if (v[i] != 0 && (Used_By_Peers(v, i) >> v[i] & 1u) != 0) {
                return 0; // the givens already clash
            }
        }
        unit_mask_.assign(units_.size(), 0);
        for (std::size_t u = 0; u < units_.size(); ++u)
            for (int p : units_[u])
                unit_mask_[u] |= 1u << v[p];
        for (auto& m : unit_mask_)
            m &= ~1u;
        Search(v);
        return count_;
    }
    const std::vector<std::vector<int>>& Found() const { return found_; }

    // The number a node holds in a solution, as a per-board grid.
    std::vector<Grid> To_Grids(const std::vector<int>& v) const {
        std::vector<Grid> grids;
        for (std::size_t b = 0; b < state_.Sudoku_Boards.size(); ++b) {
            const int n = state_.Sudoku_Boards[b].Max_Number;
            Grid g(n, std::vector<Integer>(n, 0));
            for (int c = 0; c < n; ++c)
                for (int r = 0; r < n; ++r)
                    g[c][r] = v[Node(static_cast<int>(b), c, r)];
            grids.push_back(g);
        }
        return grids;
    }

  private:
    int Raw(int b, int c, int r) const { return first_[b] + c * state_.Sudoku_Boards[b].Rows + r; }
    int Find(int i) {
        while (parent_[i] != i)
            i = parent_[i] = parent_[parent_[i]];
        return i;
    }
    void Union(int a, int b) { parent_[Find(a)] = Find(b); }
    void Add_Unit(std::vector<int> unit) {
        std::sort(unit.begin(), unit.end());
        unit.erase(std::unique(unit.begin(), unit.end()), unit.end());
        const int u = static_cast<int>(units_.size());
        for (int a : unit)
            units_of_[a].push_back(u);
        units_.push_back(unit);
    }
    // Numbers (as bits) taken by the other nodes of the node's units.
    std::uint32_t Used_By_Peers(const std::vector<int>& v, int i) const {
        std::uint32_t used = 0;
        for (int u : units_of_[i])
            for (int p : units_[u])
                if (p != i)
                    used |= 1u << v[p];
        return used & ~1u;
    }
    std::uint32_t Used_In_Units(int i) const {
        std::uint32_t used = 0;
        for (int u : units_of_[i])
            used |= unit_mask_[u];
        return used;
    }
    void Search(std::vector<int>& v) {
        if (count_ >= limit_)
            return;
        int best = -1;
        int best_options = 100;
        std::uint32_t best_free = 0;
        for (int i = 0; i < nodes_; ++i) {
            if (v[i] != 0)
                continue;
            const std::uint32_t used = Used_In_Units(i);
            std::uint32_t free = 0;
            int options = 0;
            for (int n = 1; n <= size_[i]; ++n) {
                if ((used >> n & 1u) == 0) {
                    free |= 1u << n;
                    ++options;
                }
            }
            if (options < best_options) {
                best = i;
                best_options = options;
                best_free = free;
                if (options <= 1)
                    break;
            }
        }
        if (best < 0) {
            ++count_;
            found_.push_back(v);
            return;
        }
        for (int n = 1; n <= size_[best]; ++n) {
            if ((best_free >> n & 1u) == 0)
                continue;
            v[best] = n;
            for (int u : units_of_[best])
                unit_mask_[u] |= 1u << n;
            Search(v);
            for (int u : units_of_[best])
                unit_mask_[u] &= ~(1u << n);
            v[best] = 0;
            if (count_ >= limit_)
                return;
        }
    }

    std::vector<std::vector<int>> units_;
    std::vector<std::uint32_t> unit_mask_;
    const Puzzle_State& state_;
    std::vector<int> first_;
    int total_ = 0;
    std::vector<int> parent_;
    std::vector<int> node_of_;
    int nodes_ = 0;
    std::vector<int> size_;
    std::vector<int> value_;
    std::vector<std::vector<int>> units_of_;
    std::vector<std::vector<int>> found_;
    int limit_ = 0;
    int count_ = 0;
};

// Writes n into cell (c, r) of board b and into every copy of it.
inline void Place_Given(Puzzle_State& s, int b, int c, int r, Integer n) {
    s.Sudoku_Boards[b].Cell_Values[c][r] = n;
    Copy_To_Linked_Boards(s, b, c, r, n);
}

// Adds givens from the solution until the puzzle has exactly one solution: wherever a second
// solution differs, the first differing cell becomes a given.
inline void Make_Unique(Test_Puzzle& p) {
    for (;;) {
        Unit_Solver solver(p.State);
        const int count = solver.Count(2);
        if (count <= 1) {
            return;
        }
        bool placed = false;
        for (const auto& v : solver.Found()) {
            const std::vector<Grid> grids = solver.To_Grids(v);
            for (std::size_t b = 0; b < grids.size() && !placed; ++b) {
                for (std::size_t c = 0; c < grids[b].size() && !placed; ++c) {
                    for (std::size_t r = 0; r < grids[b][c].size() && !placed; ++r) {
                        if (grids[b][c][r] != p.Solution[b][c][r]) {
                            Place_Given(p.State, static_cast<int>(b), static_cast<int>(c),
                                        static_cast<int>(r), p.Solution[b][c][r]);
                            placed = true;
                        }
                    }
                }
            }
            if (placed)
                break;
        }
        if (!placed)
            return; // cannot happen for a valid solution
    }
}

// Keeps the solution value as a given wherever keep(global column, global row) holds.
inline void Keep_Givens(Test_Puzzle& p, const std::function<bool(int, int)>& keep,
                        const std::function<std::array<int, 2>(int)>& offset) {
    for (std::size_t b = 0; b < p.Solution.size(); ++b) {
        const std::array<int, 2> o = offset(static_cast<int>(b));
        for (std::size_t c = 0; c < p.Solution[b].size(); ++c) {
            for (std::size_t r = 0; r < p.Solution[b][c].size(); ++r) {
                if (keep(o[0] + static_cast<int>(c), o[1] + static_cast<int>(r))) {
                    p.State.Sudoku_Boards[b].Cell_Values[c][r] = p.Solution[b][c][r];
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------------------
// The puzzles.

// A well-known classic with a unique solution; rows written top to bottom.
inline Test_Puzzle Classic_9x9() {
    const char* givens[9] = {"53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
                             "7...2...6", ".6....28.", "...419..5", "....8..79"};
    const char* solved[9] = {"534678912", "672195348", "198342567", "859761423", "426853791",
                             "713924856", "961537284", "287419635", "345286179"};
    Test_Puzzle p;
    p.Name = "classic 9x9";
    p.State = One_Board_State(Board_Type_9x9, 9, 0);
    Grid sol(9, std::vector<Integer>(9, 0));
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            sol[c][r] = solved[r][c] - '0';
            if (givens[r][c] != '.') {
                p.State.Sudoku_Boards[0].Cell_Values[c][r] = givens[r][c] - '0';
            }
        }
    }
    p.Solution = {sol};
    return p;
}

// A 6x6 solution by pattern, shuffled within bands and stacks and relabelled: with
// wide blocks (3 columns x 2 rows) or tall ones (2 columns x 3 rows).
inline Grid Six_Solution(bool wide) {
    const std::array<int, 6> relabel = {4, 1, 6, 2, 5, 3};
    Grid g(6, std::vector<Integer>(6, 0));
    for (int c = 0; c < 6; ++c) {
        for (int r = 0; r < 6; ++r) {
            // Along the blocks' long side the pattern shifts by the block's width.
            const int along = wide ? c : r;
            const int across = wide ? r : c;
            const int v = (along + 3 * (across % 2) + across / 2) % 6;
            g[c][r] = relabel[v];
        }
    }
    // Swap two rows inside the first band and two columns inside the last stack; both keep
    // every row, column and block intact.
    if (wide) {
        std::swap(g[3], g[5]);
        for (auto& column : g)
            std::swap(column[2], column[3]);
    } else {
        std::swap(g[2], g[3]);
        for (auto& column : g)
            std::swap(column[3], column[5]);
    }
    return g;
}

inline Test_Puzzle Six_By_Six(bool wide) {
    Test_Puzzle p;
    p.Name = wide ? "6x6 wide blocks" : "6x6 tall blocks";
    p.State = One_Board_State(Board_Type_6x6, 6, wide ? 1 : 0);
    p.Solution = {Six_Solution(wide)};
    Keep_Givens(
        p, [](int x, int y) { return (x * 5 + y * 7 + x * y) % 10 < 3; },
        [](int) {
            return std::array<int, 2>{0, 0};
        });
    Make_Unique(p);
    return p;
}

// A Samurai solution from one pattern over the whole 21 x 21 page grid: every 9x9 window whose
// corner lies on a multiple of 3 is a valid board, so the five boards agree on their shared
// blocks. Rows are shuffled inside each band of 3 and columns inside each stack of 3.
inline int Samurai_Value(int x, int y) {
    const std::array<std::array<int, 3>, 3> shuffles = {{{0, 1, 2}, {2, 0, 1}, {1, 2, 0}}};
    const std::array<int, 9> relabel = {7, 3, 9, 1, 5, 8, 2, 6, 4};
    const int xs = (x / 3) * 3 + shuffles[(x / 3) % 3][x % 3];
    const int ys = (y / 3) * 3 + shuffles[(y / 3 + 1) % 3][y % 3];
    return relabel[(3 * (ys % 3) + ys / 3 + xs) % 9];
}

inline Test_Puzzle Samurai() {
    Test_Puzzle p;
    p.Name = "samurai";
    p.State = Samurai_Layout();
    for (int b = 0; b < 5; ++b) {
        const std::array<int, 2> o = Samurai_Offset(b);
        Grid g(9, std::vector<Integer>(9, 0));
        for (int c = 0; c < 9; ++c)
            for (int r = 0; r < 9; ++r)
                g[c][r] = Samurai_Value(o[0] + c, o[1] + r);
        p.Solution.push_back(g);
    }
    Keep_Givens(
        p, [](int x, int y) { return (x * 7 + y * 13 + x * y) % 10 < 4; }, Samurai_Offset);
    Make_Unique(p);
    return p;
}

inline std::vector<Test_Puzzle> All_Puzzles() {
    return {Classic_9x9(), Six_By_Six(true), Six_By_Six(false), Samurai()};
}

// True when every row, column and block of every board of the grids holds 1..N once and the
// copies of shared cells agree: an independent check that a solution is valid.
inline bool Is_Valid_Solution(const Puzzle_State& layout, const std::vector<Grid>& grids) {
    Puzzle_State s = layout;
    for (std::size_t b = 0; b < grids.size(); ++b)
        s.Sudoku_Boards[b].Cell_Values = grids[b];
    for (std::size_t b = 0; b < grids.size(); ++b) {
        for (std::size_t k = 0; k < s.Board_Overlaps[b].Linked_Boards.size(); ++k) {
            const Shared_Area a = Shared_Area_Of(s, static_cast<int>(b), static_cast<int>(k));
            for (int c = a.First_Col; c <= a.Last_Col; ++c)
                for (int r = a.First_Row; r <= a.Last_Row; ++r)
                    if (grids[b][c][r] != grids[a.Other_Board][c + a.Col_Offset][r + a.Row_Offset])
                        return false;
        }
    }
    for (auto& board : s.Sudoku_Boards)
        for (auto& column : board.Cell_Values)
            for (Integer& v : column)
                if (v < 1 || v > board.Max_Number)
                    return false;
    Puzzle_State empty = s;
    for (auto& board : empty.Sudoku_Boards)
        for (auto& column : board.Cell_Values)
            std::fill(column.begin(), column.end(), 0);
    // The filled grids must be the only completion of themselves, i.e. break no unit.
    for (std::size_t b = 0; b < grids.size(); ++b)
        empty.Sudoku_Boards[b].Cell_Values = grids[b];
    Unit_Solver solver(empty);
    return solver.Count(1) == 1;
}

} // namespace test_puzzles
