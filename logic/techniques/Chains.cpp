// X-chains (one number) and XY-chains (cells with two numbers). Both are chains of
// implications "if this end does not hold x, then the other end does"; a cell that sees both
// ends cannot hold x. The shortest chain wins.

#include <algorithm>
#include <deque>

#include "logic/techniques/Technique_Finders.h"

namespace {

// Chains of more cells than this are not looked for: a person does not follow them.
constexpr std::size_t Longest_Chain = 14;

struct Chain_Find {
    std::vector<int> Path; // cells from one end to the other
    std::vector<int> Targets;
    int Number = 0;
};

std::vector<int> Path_Back(const std::vector<int>& parent, int node, int divisor) {
    std::vector<int> path;
    for (int x = node; x >= 0; x = parent[x]) {
        path.push_back(x / divisor);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// Pairs of cells that hold the number in some unit that must hold it, and nowhere else there.
std::vector<std::vector<int>> Strong_Links(const Logic_State& state, int number) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    std::vector<std::vector<int>> links(s.Var_Count);
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        const std::vector<int> places = Open_Places(state, static_cast<int>(u), number);
        if (places.size() == 2) {
            links[places[0]].push_back(places[1]);
            links[places[1]].push_back(places[0]);
        }
    }
    return links;
}

// The breadth-first searches below mark the nodes they reach; only those are cleared again.
struct Search_Marks {
    std::vector<int> Parent; // -2: not reached
    std::vector<int> Depth;
    std::vector<int> Touched;
    long long Budget = 0; // node expansions left for the whole search

    explicit Search_Marks(std::size_t nodes, long long budget)
        : Parent(nodes, -2), Depth(nodes, 0), Budget(budget) {}
    void Clear() {
        for (int x : Touched) {
            Parent[x] = -2;
        }
        Touched.clear();
    }
    void Reach(int node, int from, int depth, std::deque<int>& queue) {
        if (Parent[node] == -2) {
            Parent[node] = from;
            Depth[node] = depth;
            Touched.push_back(node);
            queue.push_back(node);
        }
    }
};

// Node expansions allowed for one chain search over the whole puzzle: keeps a search on a
// very large puzzle bounded.
constexpr long long Chain_Budget = 4000000;

bool Too_Long(std::size_t length, std::size_t longest, const Chain_Find& best) {
    return length > longest || (!best.Path.empty() && length >= best.Path.size());
}

// Breadth-first from every start: node = cell * 2 + (1 when the cell holds the number if the
// start does not). Strong links lead from off to on, sight from on to off.
void Shortest_X_Chain(const Logic_State& state, int number, std::size_t longest,
                      Search_Marks& marks, Chain_Find& best) {
    const Logic_Shape& shape = state.Shape();
    const std::vector<std::vector<int>> strong = Strong_Links(state, number);
    const int vars = state.Var_Count();
    for (int start = 0; start < vars && marks.Budget > 0; ++start) {
        if (strong[start].empty()) {
            continue;
        }
        marks.Clear();
        std::deque<int> queue;
        marks.Reach(start * 2, -1, 0, queue);
        while (!queue.empty() && --marks.Budget > 0) {
            const int node = queue.front();
            queue.pop_front();
            const int v = node / 2;
            const bool on = (node & 1) != 0;
            const int depth = marks.Depth[node];
            if (Too_Long(static_cast<std::size_t>(depth) + 1, longest, best)) {
                continue;
            }
            if (on && depth >= 3 && v != start) {
                std::vector<int> targets = Seeing_All(state, {start, v}, number);
                if (!targets.empty()) {
                    best = {Path_Back(marks.Parent, node, 2), targets, number};
                    break;
                }
            }
            if (!on) {
                for (int w : strong[v]) {
                    marks.Reach(w * 2 + 1, node, depth + 1, queue);
                }
            } else {
                for (int w : shape.Structure.Peers[v]) {
                    if ((state.Candidates(w) & Bit_Of(number)) != 0) {
                        marks.Reach(w * 2, node, depth + 1, queue);
                    }
                }
            }
        }
    }
}

// Node = cell * 32 + the number it holds if the start does not hold the chain's number.
void Shortest_XY_Chain(const Logic_State& state, std::size_t longest, Search_Marks& marks,
                       Chain_Find& best) {
    const Logic_Shape& shape = state.Shape();
    const int vars = state.Var_Count();
    for (int start = 0; start < vars && marks.Budget > 0; ++start) {
        const Number_Set pair = state.Candidates(start);
        if (Number_Count(pair) != 2) {
            continue;
        }
        for (Number_Set rest = pair; rest != 0; rest &= rest - 1) {
            const int x = Lowest_Number_Of(rest);
            const int other = Lowest_Number_Of(pair & ~Bit_Of(x));
            marks.Clear();
            std::deque<int> queue;
            marks.Reach(start * 32 + other, -1, 1, queue);
            while (!queue.empty() && --marks.Budget > 0) {
                const int node = queue.front();
                queue.pop_front();
                const int v = node / 32;
                const int held = node % 32;
                const int depth = marks.Depth[node];
                if (Too_Long(static_cast<std::size_t>(depth), longest, best)) {
                    continue;
                }
                if (held == x && depth >= 3 && v != start) {
                    std::vector<int> targets = Seeing_All(state, {start, v}, x);
                    if (!targets.empty()) {
                        best = {Path_Back(marks.Parent, node, 32), targets, x};
                        break;
                    }
                }
                for (int w : shape.Structure.Peers[v]) {
                    const Number_Set c = state.Candidates(w);
                    if (Number_Count(c) == 2 && (c & Bit_Of(held)) != 0) {
                        marks.Reach(w * 32 + Lowest_Number_Of(c & ~Bit_Of(held)), node, depth + 1,
                                    queue);
                    }
                }
            }
        }
    }
}

void Chain_Step(const Logic_State& state, const Chain_Find& chain, const char* name, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int v : chain.Targets) {
        step.Var_Eliminations.push_back({v, chain.Number});
    }
    step.Cell_Vars = chain.Path;
    const int board = shape.Board_Of_Var(chain.Path.front());
    const std::string number = shape.Number_Text(board, chain.Number);
    step.Text = std::string(name) + " on " + number + ": " +
                Cells_Text(shape, {chain.Path.front()}, -1) + " or " +
                Cells_Text(shape, {chain.Path.back()}, -1) + " holds " + number +
                " (chain through " + Cells_Text(shape, chain.Path, -1) + "), so " +
                Cells_Text(shape, chain.Targets, -1) + " cannot hold " + number + ".";
}

} // namespace

bool Find_X_Chain(const Logic_State& state, Step& step) {
    Chain_Find best;
    Search_Marks marks(2 * static_cast<std::size_t>(state.Var_Count()), Chain_Budget);
    for (int n = 1; n <= state.Shape().Highest_Number; ++n) {
        Shortest_X_Chain(state, n, Longest_Chain, marks, best);
        if (best.Path.size() == 4) {
            break; // no chain is shorter
        }
    }
    if (best.Path.empty()) {
        return false;
    }
    Chain_Step(state, best, "X-chain", step);
    step.Rating = 66 + Chain_Length_Rating(static_cast<int>(best.Path.size()) + 2);
    for (std::size_t i = 0; i + 1 < best.Path.size(); ++i) {
        step.Var_Links.push_back(
            {best.Path[i], best.Path[i + 1], best.Number, best.Number, i % 2 == 0});
    }
    // The units of the strong links: every other link, from the first.
    const Logic_Shape& shape = state.Shape();
    for (std::size_t i = 0; i + 1 < best.Path.size(); i += 2) {
        const int a = best.Path[i];
        const int b = best.Path[i + 1];
        for (int u : shape.Units_Of_Var[a]) {
            if (shape.Unit_Contains(u, b) && Open_Places(state, u, best.Number).size() == 2) {
                step.Unit_Indices.push_back(u);
                break;
            }
        }
    }
    return true;
}

bool Find_XY_Chain(const Logic_State& state, Step& step) {
    Chain_Find best;
    Search_Marks marks(32 * static_cast<std::size_t>(state.Var_Count()), Chain_Budget);
    Shortest_XY_Chain(state, Longest_Chain, marks, best);
    if (best.Path.empty()) {
        return false;
    }
    Chain_Step(state, best, "XY-chain", step);
    step.Rating = 66 + Chain_Length_Rating(2 * static_cast<int>(best.Path.size()) + 2);
    // From each cell, the number it holds if the one before does not, to the next cell.
    int held = Lowest_Number_Of(state.Candidates(best.Path.front()) & ~Bit_Of(best.Number));
    for (std::size_t i = 0; i + 1 < best.Path.size(); ++i) {
        step.Var_Links.push_back({best.Path[i], best.Path[i + 1], held, held, false});
        held = Lowest_Number_Of(state.Candidates(best.Path[i + 1]) & ~Bit_Of(held));
    }
    return true;
}
