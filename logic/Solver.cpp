#include "logic/Solver.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "logic/Random.h"
#include "model/Board_Geometry.h"

namespace {

int Find_Root(std::vector<int>& parent, int x) {
    while (parent[x] != x) {
        parent[x] = parent[parent[x]];
        x = parent[x];
    }
    return x;
}

int Bit_Count(unsigned v) {
    int n = 0;
    while (v != 0) {
        v &= v - 1;
        ++n;
    }
    return n;
}

int Lowest_Number(unsigned v) {
    int n = 1;
    while ((v & 1U) == 0) {
        v >>= 1;
        ++n;
    }
    return n;
}

} // namespace

Constraint_Structure Build_Constraint_Structure(const Puzzle_State& state) {
    Constraint_Structure s;
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    int cells = 0;
    for (int b = 0; b < boards; ++b) {
        s.Board_Offset.push_back(cells);
        cells += state.Sudoku_Boards[b].Cols * state.Sudoku_Boards[b].Rows;
    }

    // Shared cells: every link joins its two copies, whichever board owns the link.
    std::vector<int> parent(cells);
    std::iota(parent.begin(), parent.end(), 0);
    for (int b = 0; b < boards && b < static_cast<int>(state.Board_Overlaps.size()); ++b) {
        const Sudoku_Grid_FrameWork& o = state.Board_Overlaps[b];
        const std::size_t links = std::min(o.Linked_Boards.size(), o.Link_Areas.size());
        for (std::size_t k = 0; k < links; ++k) {
            const Shared_Area a = Shared_Area_Of(state, b, static_cast<int>(k));
            for (int c = a.First_Col; c <= a.Last_Col; ++c) {
                for (int r = a.First_Row; r <= a.Last_Row; ++r) {
                    const int oc = c + a.Col_Offset;
                    const int orow = r + a.Row_Offset;
                    if (!Cell_Exists(state, b, c, r) ||
                        !Cell_Exists(state, a.Other_Board, oc, orow)) {
                        continue;
                    }
                    const int x = Find_Root(parent, s.Cell_Index(b, c, r, state));
                    const int y = Find_Root(parent, s.Cell_Index(a.Other_Board, oc, orow, state));
                    if (x != y) {
                        parent[std::max(x, y)] = std::min(x, y);
                    }
                }
            }
        }
    }

    s.Places.resize(cells);
    for (int b = 0; b < boards; ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                s.Places[s.Cell_Index(b, c, r, state)] = {b, c, r};
            }
        }
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
    s.Given.assign(s.Var_Count, 0);
    for (int b = 0; b < boards; ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const int v = s.Var_Of_Cell[s.Cell_Index(b, c, r, state)];
                s.Max_Of_Var[v] = std::min<int>(s.Max_Of_Var[v], board.Max_Number);
                const int value = board.Cell_Values[c][r];
                if (value == 0) {
                    continue;
                }
                if (s.Given[v] != 0 && s.Given[v] != value && s.Contradiction.empty()) {
                    s.Contradiction = "copies of a shared cell hold different numbers";
                }
                s.Given[v] = value;
            }
        }
    }
    for (int v = 0; v < s.Var_Count; ++v) {
        if (s.Given[v] > s.Max_Of_Var[v] && s.Contradiction.empty()) {
            s.Contradiction = "a cell holds a number above its board's highest";
        }
    }

    // Units with their identities, in the order of the identities; sorted below.
    std::vector<std::pair<std::vector<int>, Unit_Id>> found;
    auto add_unit = [&](std::vector<int> unit, Unit_Id id) {
        std::vector<int> sorted = unit;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() &&
            s.Contradiction.empty()) {
            s.Contradiction = "a unit holds the same cell twice";
        }
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        if (sorted.size() > 1) {
            found.emplace_back(std::move(sorted), id);
        }
    };
    for (int b = 0; b < boards; ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int r = 0; r < board.Rows; ++r) {
            std::vector<int> unit;
            for (int c = 0; c < board.Cols; ++c) {
                unit.push_back(s.Var_Of_Cell[s.Cell_Index(b, c, r, state)]);
            }
            add_unit(unit, {Unit_Kind::Row, b, r});
        }
        for (int c = 0; c < board.Cols; ++c) {
            std::vector<int> unit;
            for (int r = 0; r < board.Rows; ++r) {
                unit.push_back(s.Var_Of_Cell[s.Cell_Index(b, c, r, state)]);
            }
            add_unit(unit, {Unit_Kind::Column, b, c});
        }
        if (!state.Regions_Only && Has_Block_Kind(board)) {
            for (int by = 0; by <= board.Block_Rows_Max; ++by) {
                for (int bx = 0; bx <= board.Block_Cols_Max; ++bx) {
                    Integer x0 = 0;
                    Integer y0 = 0;
                    Block_Origin_By_Shape(board, bx, by, x0, y0);
                    std::vector<int> unit;
                    for (int x = x0; x <= x0 + board.Block_Width_Max; ++x) {
                        for (int y = y0; y <= y0 + board.Block_Height_Max; ++y) {
                            if (Cell_Exists(state, b, x, y)) {
                                unit.push_back(s.Var_Of_Cell[s.Cell_Index(b, x, y, state)]);
                            }
                        }
                    }
                    add_unit(unit, {Unit_Kind::Block, b, by * (board.Block_Cols_Max + 1) + bx});
                }
            }
        }
    }
    if (state.Custom_Regions_On) {
        for (std::size_t k = 0; k < state.Custom_Regions.size(); ++k) {
            const std::vector<Region_Cell>& region = state.Custom_Regions[k];
            std::vector<int> unit;
            for (const Region_Cell& cell : region) {
                if (Cell_Exists(state, cell.Board, cell.Col, cell.Row)) {
                    unit.push_back(
                        s.Var_Of_Cell[s.Cell_Index(cell.Board, cell.Col, cell.Row, state)]);
                }
            }
            add_unit(unit, {Unit_Kind::Region, -1, static_cast<int>(k)});
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
        }
    }

    s.Peers.assign(s.Var_Count, {});
    for (const std::vector<int>& unit : s.Units) {
        for (int v : unit) {
            for (int w : unit) {
                if (w != v) {
                    s.Peers[v].push_back(w);
                }
            }
        }
    }
    for (std::vector<int>& p : s.Peers) {
        std::sort(p.begin(), p.end());
        p.erase(std::unique(p.begin(), p.end()), p.end());
    }
    return s;
}

bool Unit_Holds_Every_Number(const Constraint_Structure& structure, int unit) {
    const std::vector<int>& vars = structure.Units[unit];
    const int n = structure.Max_Of_Var[vars[0]];
    if (static_cast<int>(vars.size()) != n) {
        return false;
    }
    for (int v : vars) {
        if (structure.Max_Of_Var[v] != n) {
            return false;
        }
    }
    return true;
}

namespace {

class Search {
  public:
    Search(const Constraint_Structure& s, int limit, Tool_Random* random, long long budget)
        : S(s), Limit(limit), Random(random), Budget(budget) {
        for (std::size_t u = 0; u < S.Units.size(); ++u) {
            if (Unit_Holds_Every_Number(S, static_cast<int>(u))) {
                Full_Units.push_back(static_cast<int>(u));
            }
        }
    }

    Solve_Result Run() {
        std::vector<unsigned> domain(S.Var_Count);
        for (int v = 0; v < S.Var_Count; ++v) {
            domain[v] = (1U << S.Max_Of_Var[v]) - 1U;
        }
        Result.Count = 0;
        if (!S.Contradiction.empty()) {
            return Result;
        }
        std::vector<int> queue;
        std::vector<char> placed(S.Var_Count, 0);
        bool ok = true;
        for (int v = 0; v < S.Var_Count && ok; ++v) {
            if (S.Given[v] != 0) {
                const unsigned bit = 1U << (S.Given[v] - 1);
                if ((domain[v] & bit) == 0) {
                    ok = false;
                } else {
                    domain[v] = bit;
                    queue.push_back(v);
                }
            }
        }
        if (ok && Propagate(domain, placed, queue)) {
            Recurse(domain, placed);
        }
        return Result;
    }

  private:
    const Constraint_Structure& S;
    int Limit;
    Tool_Random* Random;
    long long Budget;
    std::vector<int> Full_Units;
    Solve_Result Result;

    // Places every variable in the queue (its domain is a single number) and follows naked
    // and hidden singles until nothing changes. False on a contradiction.
    bool Propagate(std::vector<unsigned>& domain, std::vector<char>& placed,
                   std::vector<int>& queue) const {
        for (;;) {
            while (!queue.empty()) {
                const int v = queue.back();
                queue.pop_back();
                if (placed[v]) {
                    continue;
                }
                placed[v] = 1;
                const unsigned bit = domain[v];
                for (int p : S.Peers[v]) {
                    if ((domain[p] & bit) == 0) {
                        continue;
                    }
                    if (placed[p]) {
                        return false;
                    }
                    domain[p] &= ~bit;
                    if (domain[p] == 0) {
                        return false;
                    }
                    if ((domain[p] & (domain[p] - 1)) == 0) {
                        queue.push_back(p);
                    }
                }
            }
            for (int u : Full_Units) {
                const std::vector<int>& unit = S.Units[u];
                unsigned once = 0;
                unsigned seen = 0;
                for (int v : unit) {
                    once = (once & ~domain[v]) | (domain[v] & ~seen);
                    seen |= domain[v];
                }
                const int n = S.Max_Of_Var[unit[0]];
                if (seen != (1U << n) - 1U) {
                    return false;
                }
                if (once == 0) {
                    continue;
                }
                for (int v : unit) {
                    const unsigned hit = domain[v] & once;
                    if (hit == 0 || placed[v]) {
                        continue;
                    }
                    if ((hit & (hit - 1)) != 0) {
                        return false; // one cell is the only place of two numbers
                    }
                    domain[v] = hit;
                    queue.push_back(v);
                }
            }
            if (queue.empty()) {
                return true;
            }
        }
    }

    void Recurse(std::vector<unsigned>& domain, std::vector<char>& placed) {
        if (Result.Count >= Limit || Result.Gave_Up) {
            return;
        }
        ++Result.Nodes;
        if (Budget > 0 && Result.Nodes > Budget) {
            Result.Gave_Up = true;
            return;
        }
        int best = -1;
        int best_count = 100;
        for (int v = 0; v < S.Var_Count; ++v) {
            if (placed[v]) {
                continue;
            }
            const int count = Bit_Count(domain[v]);
            if (count < best_count) {
                best = v;
                best_count = count;
                if (count == 2) {
                    break;
                }
            }
        }
        if (best < 0) {
            if (Result.Count == 0) {
                Result.Solution.resize(S.Var_Count);
                for (int v = 0; v < S.Var_Count; ++v) {
                    Result.Solution[v] = Lowest_Number(domain[v]);
                }
            }
            ++Result.Count;
            return;
        }
        std::vector<int> numbers;
        for (unsigned d = domain[best]; d != 0; d &= d - 1) {
            numbers.push_back(Lowest_Number(d));
        }
        if (Random != nullptr) {
            Random->Shuffle(numbers);
        }
        for (int n : numbers) {
            std::vector<unsigned> next = domain;
            std::vector<char> next_placed = placed;
            next[best] = 1U << (n - 1);
            std::vector<int> queue{best};
            if (Propagate(next, next_placed, queue)) {
                Recurse(next, next_placed);
            }
            if (Result.Count >= Limit || Result.Gave_Up) {
                return;
            }
        }
    }
};

} // namespace

Solve_Result Solve_Structure(const Constraint_Structure& structure, int limit, Tool_Random* random,
                             long long node_budget) {
    Search search(structure, std::max(limit, 1), random, node_budget);
    return search.Run();
}

Solve_Result Count_Solutions(const Puzzle_State& state, int limit) {
    return Solve_Structure(Build_Constraint_Structure(state), limit);
}

void Apply_Solution(Puzzle_State& state, const Constraint_Structure& structure,
                    const std::vector<int>& solution) {
    for (std::size_t b = 0; b < state.Sudoku_Boards.size(); ++b) {
        Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const int v =
                    structure.Var_Of_Cell[structure.Cell_Index(static_cast<int>(b), c, r, state)];
                board.Cell_Values[c][r] = solution[v];
            }
        }
    }
}
