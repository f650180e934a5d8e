#include "logic/Solver.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "model/Board_Geometry.h"
#include "model/Puzzle_Groups.h"

namespace {

int Find_Root(std::vector<int>& parent, int x) {
    while (parent[x] != x) {
        parent[x] = parent[parent[x]];
        x = parent[x];
    }
    return x;
}

} // namespace

const char* Unit_Kind_Name(Unit_Kind kind) {
    switch (kind) {
    case Unit_Kind::Column:
        return "column";
    case Unit_Kind::Block:
        return "block";
    case Unit_Kind::Region:
        return "region";
    case Unit_Kind::Row:
        break;
    }
    return "row";
}

Constraint_Structure Build_Constraint_Structure(const Puzzle_State& state) {
    Constraint_Structure s;
    // The rows, columns, blocks, regions and shared cells are the puzzle's groups; the
    // structure merges the copies of shared cells into variables over them.
    const Puzzle_Groups& groups = Groups_Of(state);
    const int cells = groups.Cells;
    s.Board_Offset.assign(groups.Board_First.begin(), groups.Board_First.end() - 1);

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
    s.Given.assign(s.Var_Count, 0);
    for (int i = 0; i < cells; ++i) {
        const Cell_Address& at = groups.Address[i];
        const int v = s.Var_Of_Cell[i];
        s.Max_Of_Var[v] = std::min<int>(s.Max_Of_Var[v], groups.Board_Size[at.Board]);
        const int value = state.Sudoku_Boards[at.Board].Cell_Values[at.Col][at.Row];
        if (value == 0) {
            continue;
        }
        if (s.Given[v] != 0 && s.Given[v] != value && s.Contradiction.empty()) {
            s.Contradiction = "copies of a shared cell hold different numbers";
        }
        s.Given[v] = value;
    }
    for (int v = 0; v < s.Var_Count; ++v) {
        if (s.Given[v] > s.Max_Of_Var[v] && s.Contradiction.empty()) {
            s.Contradiction = "a cell holds a number above its board's highest";
        }
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
    Search(const Constraint_Structure& s, int limit, long long budget)
        : S(s), Limit(limit), Budget(budget) {
        for (std::size_t u = 0; u < S.Units.size(); ++u) {
            if (Unit_Holds_Every_Number(S, static_cast<int>(u))) {
                Full_Units.push_back(static_cast<int>(u));
            }
        }
    }

    Solve_Result Run() {
        std::vector<unsigned> domain(S.Var_Count);
        for (int v = 0; v < S.Var_Count; ++v) {
            domain[v] = All_Numbers(S.Max_Of_Var[v]);
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
                if (seen != All_Numbers(n)) {
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
            const int count = Number_Count(domain[v]);
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
                    Result.Solution[v] = Lowest_Number_Of(domain[v]);
                }
            }
            ++Result.Count;
            return;
        }
        for (unsigned rest = domain[best]; rest != 0; rest &= rest - 1) {
            std::vector<unsigned> next = domain;
            std::vector<char> next_placed = placed;
            next[best] = rest & (~rest + 1U);
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

Solve_Result Solve_Structure(const Constraint_Structure& structure, int limit,
                             long long node_budget) {
    Search search(structure, std::max(limit, 1), node_budget);
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
