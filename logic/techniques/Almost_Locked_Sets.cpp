#include "logic/techniques/Almost_Locked_Sets.h"

#include <algorithm>

namespace als {

namespace {

// Adds every set of the unit's open cells from index `from` on, growing `cells`.
void Grow(const Logic_State& state, int unit, const std::vector<int>& open, std::size_t from,
          int most_cells, std::vector<int>& cells, Number_Set numbers,
          std::vector<Almost_Locked_Set>& out) {
    for (std::size_t i = from; i < open.size(); ++i) {
        const Number_Set with = numbers | state.Candidates(open[i]);
        if (Number_Count(with) > most_cells + 1) {
            continue;
        }
        cells.push_back(open[i]);
        if (Number_Count(with) == static_cast<int>(cells.size()) + 1) {
            Almost_Locked_Set a;
            a.Cells = cells;
            std::sort(a.Cells.begin(), a.Cells.end());
            a.Numbers = with;
            a.Unit = unit;
            out.push_back(std::move(a));
        }
        if (static_cast<int>(cells.size()) < most_cells) {
            Grow(state, unit, open, i + 1, most_cells, cells, with, out);
        }
        cells.pop_back();
    }
}

} // namespace

std::vector<Almost_Locked_Set> Find_Sets(const Logic_State& state, int most_cells) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    std::vector<Almost_Locked_Set> found;
    std::vector<int> open;
    std::vector<int> cells;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        open.clear();
        for (int v : s.Units[u]) {
            if (state.Value(v) == 0 && Number_Count(state.Candidates(v)) >= 2) {
                open.push_back(v);
            }
        }
        // A set of every open cell of the unit would hold as many numbers as cells.
        const int most = std::min(most_cells, static_cast<int>(open.size()) - 1);
        if (most >= 1) {
            Grow(state, static_cast<int>(u), open, 0, most, cells, 0, found);
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Almost_Locked_Set& a, const Almost_Locked_Set& b) {
                         return a.Cells.size() != b.Cells.size() ? a.Cells.size() < b.Cells.size()
                                                                 : a.Cells < b.Cells;
                     });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Almost_Locked_Set& a, const Almost_Locked_Set& b) {
                                return a.Cells == b.Cells;
                            }),
                found.end());
    for (Almost_Locked_Set& a : found) {
        for (int v : a.Cells) {
            for (int u : shape.Units_Of_Var[v]) {
                a.Units_Seen |= std::uint64_t{1} << (u % 64);
            }
        }
    }
    return found;
}

bool Disjoint(const Almost_Locked_Set& a, const Almost_Locked_Set& b) {
    auto i = a.Cells.begin();
    auto j = b.Cells.begin();
    while (i != a.Cells.end() && j != b.Cells.end()) {
        if (*i == *j) {
            return false;
        }
        *i < *j ? ++i : ++j;
    }
    return true;
}

namespace {

// Stops early, leaving the lists part filled, when the search is cancelled.
std::vector<std::vector<Neighbour>> Linked_Neighbours(const Logic_State& state,
                                                      const std::vector<Almost_Locked_Set>& sets) {
    std::vector<std::vector<Neighbour>> neighbours(sets.size());
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (Search_Cancelled()) {
            break;
        }
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            if ((sets[i].Numbers & sets[j].Numbers) == 0 ||
                (sets[i].Units_Seen & sets[j].Units_Seen) == 0 || !Disjoint(sets[i], sets[j])) {
                continue;
            }
            const Number_Set linked = Restricted_Common(state, sets[i], sets[j]);
            if (linked != 0) {
                neighbours[i].push_back({static_cast<int>(j), linked});
                neighbours[j].push_back({static_cast<int>(i), linked});
            }
        }
    }
    return neighbours;
}

} // namespace

const Set_Graph& Graph_Of(const Logic_State& state, int most_cells, bool with_neighbours) {
    struct Cached {
        const Logic_Shape* Shape = nullptr;
        int Most_Cells = 0;
        std::vector<Number_Set> Candidates;
        std::vector<int> Values;
        bool Has_Neighbours = false;
        Set_Graph Graph;
    };
    thread_local Cached cache;
    const int vars = state.Var_Count();
    bool same = cache.Shape == &state.Shape() && cache.Most_Cells == most_cells &&
                static_cast<int>(cache.Candidates.size()) == vars;
    for (int v = 0; same && v < vars; ++v) {
        same = cache.Candidates[v] == state.Candidates(v) && cache.Values[v] == state.Value(v);
    }
    if (!same) {
        cache.Shape = &state.Shape();
        cache.Most_Cells = most_cells;
        cache.Candidates.resize(vars);
        cache.Values.resize(vars);
        for (int v = 0; v < vars; ++v) {
            cache.Candidates[v] = state.Candidates(v);
            cache.Values[v] = state.Value(v);
        }
        cache.Graph.Sets = Find_Sets(state, most_cells);
        cache.Graph.Neighbours.clear();
        cache.Has_Neighbours = false;
    }
    if (with_neighbours && !cache.Has_Neighbours) {
        cache.Graph.Neighbours = Linked_Neighbours(state, cache.Graph.Sets);
        // A cancelled search leaves the lists part filled: they are made again next time.
        cache.Has_Neighbours = !Search_Cancelled();
    }
    return cache.Graph;
}

Number_Set Restricted_Common(const Logic_State& state, const Almost_Locked_Set& a,
                             const Almost_Locked_Set& b) {
    if ((a.Units_Seen & b.Units_Seen) == 0) {
        return 0;
    }
    const Logic_Shape& shape = state.Shape();
    Number_Set linked = a.Numbers & b.Numbers;
    for (int x : a.Cells) {
        const Number_Set here = state.Candidates(x) & linked;
        if (here == 0) {
            continue;
        }
        for (int y : b.Cells) {
            const Number_Set both = here & state.Candidates(y);
            if (both != 0 && !shape.Sees(x, y)) {
                linked &= ~both;
            }
        }
    }
    return linked;
}

std::vector<int> Seeing_Every(const Logic_State& state,
                              const std::vector<const Almost_Locked_Set*>& sets, int number) {
    const Logic_Shape& shape = state.Shape();
    const Number_Set bit = Bit_Of(number);
    std::vector<int> holders;
    std::vector<int> inside;
    for (const Almost_Locked_Set* a : sets) {
        for (int v : a->Cells) {
            inside.push_back(v);
            if ((state.Candidates(v) & bit) != 0) {
                holders.push_back(v);
            }
        }
    }
    std::vector<int> out;
    if (holders.empty()) {
        return out;
    }
    for (int w : shape.Structure.Peers[holders.front()]) {
        if ((state.Candidates(w) & bit) != 0 &&
            std::find(inside.begin(), inside.end(), w) == inside.end() &&
            std::all_of(holders.begin() + 1, holders.end(),
                        [&](int h) { return shape.Sees(w, h); })) {
            out.push_back(w);
        }
    }
    return out;
}

std::string Sets_Text(const Logic_Shape& shape, const std::vector<const Almost_Locked_Set*>& sets) {
    std::string text = "the set ";
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const Almost_Locked_Set& a = *sets[i];
        text += i == 0 ? "" : i + 1 == sets.size() ? " and " : ", ";
        text += std::string(1, static_cast<char>('A' + i)) + " (" + Cells_Text(shape, a.Cells, -1) +
                ") " + (i == 0 ? "holds only " : "only ") +
                Numbers_Text(shape, shape.Board_Of_Var(a.Cells.front()), a.Numbers);
    }
    return text + "; each has one number more than cells";
}

void Fill_Step(const Logic_State& state, const std::vector<const Almost_Locked_Set*>& sets,
               const std::vector<Set_Link>& links, int number, const std::vector<int>& targets,
               Step& step) {
    for (const Almost_Locked_Set* a : sets) {
        step.Cell_Vars.insert(step.Cell_Vars.end(), a->Cells.begin(), a->Cells.end());
        if (std::find(step.Unit_Indices.begin(), step.Unit_Indices.end(), a->Unit) ==
            step.Unit_Indices.end()) {
            step.Unit_Indices.push_back(a->Unit);
        }
    }
    for (int v : targets) {
        step.Var_Eliminations.push_back({v, number});
    }
    for (const Set_Link& l : links) {
        const Number_Set bit = Bit_Of(l.Number);
        for (int x : l.From->Cells) {
            for (int y : l.To->Cells) {
                if ((state.Candidates(x) & bit) != 0 && (state.Candidates(y) & bit) != 0) {
                    step.Var_Links.push_back({x, y, l.Number, l.Number, false});
                }
            }
        }
    }
}

} // namespace als
