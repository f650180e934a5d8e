#include "logic/Solver.h"

#include <algorithm>
#include <utility>

#include "model/Board_Geometry.h"
#include "model/Puzzle_Shape.h"

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
    return Build_Constraint_Structure(state, Shape_Of(state));
}

Constraint_Structure Build_Constraint_Structure(const Puzzle_State& state,
                                                std::shared_ptr<const Puzzle_Shape> shape) {
    if (!shape || !shape->Fits(state)) {
        shape = Shape_Of(state);
    }
    const Puzzle_Shape& p = *shape;
    const Puzzle_Groups& groups = p.Groups;
    Constraint_Structure s;
    s.Board_Offset.assign(groups.Board_First.begin(), groups.Board_First.end() - 1);
    s.Var_Count = p.Var_Count;
    s.Var_Of_Cell = p.Var_Of_Cell;
    s.Cells_Of_Var = p.Cells_Of_Var;
    s.Max_Of_Var = p.Max_Of_Var;
    s.Units = p.Units;
    s.Unit_Ids = p.Unit_Ids;
    s.Unit_Other_Ids = p.Unit_Other_Ids;
    s.Places = p.Places;
    s.Peers = p.Var_Peers;

    // The numbers on the boards are the variables' fixed values.
    s.Given.assign(s.Var_Count, 0);
    for (int i = 0; i < groups.Cells; ++i) {
        const Cell_Address& at = groups.Address[i];
        const int v = s.Var_Of_Cell[i];
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
    // A unit that lists the same cell twice can hold no solution.
    if (s.Contradiction.empty() && !p.Contradiction.empty()) {
        s.Contradiction = p.Contradiction;
    }
    s.Shape = std::move(shape);
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
