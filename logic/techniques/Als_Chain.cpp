// ALS chain: almost locked sets A, B, C, ... that share no cell, each linked to the next by a
// restricted common number, never two links in a row on the same number. If A holds the
// first link's number, B has none of it and holds all its other numbers, the second link's
// among them, so C has none of that and holds the third link's, and so on: the last set has
// none of the last link's number. Else A has none of the first link's number. Either way A or
// the last set holds all its numbers but that link's, so a number z both hold besides those is
// in one of them, and a cell that sees every z of both cannot hold it. Chains of four and five
// sets (two are the ALS-XZ, three the ALS-XY-Wing); the fewest sets win, then the fewest cells.

#include <algorithm>

#include "logic/techniques/Almost_Locked_Sets.h"

using namespace als;

namespace {

// Sets of more cells than this are not looked for: a person does not find them.
constexpr int Most_Cells = 4;
constexpr int Fewest_Sets = 4;
constexpr int Most_Sets = 5;
// Links tried at most in one search, per set of the position, so that a crowded position stays
// quick; the search is the same every time, so the step found is too.
constexpr long Most_Tries_Per_Set = 100;

struct Found {
    std::vector<int> Sets;
    std::vector<int> Links; // the number linking each set to the next
    int Z = 0;
    std::vector<int> Targets;
    std::size_t Cells = 0;
};

class Chain_Search {
  public:
    Chain_Search(const Logic_State& state, const std::vector<Almost_Locked_Set>& sets,
                 const std::vector<std::vector<Neighbour>>& neighbours)
        : State(state), Sets(sets), Near(neighbours), Used(state.Var_Count(), 0) {}

    // The chain of this many sets with the fewest cells, the first found among equals.
    bool Run(int length) {
        Length = length;
        for (std::size_t a = 0; a < Sets.size() && !Stopped(); ++a) {
            Path = {static_cast<int>(a)};
            Links.clear();
            Mark(static_cast<int>(a), 1);
            Extend(Sets[a].Cells.size());
            Mark(static_cast<int>(a), 0);
        }
        return !Best.Sets.empty();
    }

    Found Best;

  private:
    const Logic_State& State;
    const std::vector<Almost_Locked_Set>& Sets;
    const std::vector<std::vector<Neighbour>>& Near;
    const long Most_Tries = Most_Tries_Per_Set * static_cast<long>(Sets.size());
    int Length = 0;
    long Tries = 0;
    std::vector<int> Path;
    std::vector<int> Links;
    std::vector<char> Used; // per variable: a cell of a set on the path

    void Mark(int set, char used) {
        for (int v : Sets[set].Cells) {
            Used[v] = used;
        }
    }

    bool Stopped() const { return Tries >= Most_Tries || Search_Cancelled(); }

    bool Fits(int set) const {
        return std::none_of(Sets[set].Cells.begin(), Sets[set].Cells.end(),
                            [&](int v) { return Used[v] != 0; });
    }

    void Extend(std::size_t cells) {
        if (static_cast<int>(Path.size()) == Length) {
            Conclude(cells);
            return;
        }
        const int previous = Links.empty() ? 0 : Links.back();
        const bool last = static_cast<int>(Path.size()) + 1 == Length;
        const Almost_Locked_Set& first = Sets[Path.front()];
        for (const Neighbour& n : Near[Path.back()]) {
            if ((++Tries & 1023) == 0 && Stopped()) {
                return;
            }
            const std::size_t more = cells + Sets[n.Set].Cells.size();
            // The last set comes after the first in the list (each chain is tried one way) and
            // shares a number with it besides the first link's.
            if ((!Best.Sets.empty() && more >= Best.Cells) ||
                (last && (n.Set < Path.front() ||
                          (first.Numbers & Sets[n.Set].Numbers & ~Bit_Of(Links.front())) == 0)) ||
                !Fits(n.Set)) {
                continue;
            }
            Path.push_back(n.Set);
            Mark(n.Set, 1);
            for (Number_Set xs = n.Linked & ~(previous != 0 ? Bit_Of(previous) : 0); xs != 0;
                 xs &= xs - 1) {
                Links.push_back(Lowest_Number_Of(xs));
                Extend(more);
                Links.pop_back();
            }
            Mark(n.Set, 0);
            Path.pop_back();
        }
    }

    void Conclude(std::size_t cells) {
        const Almost_Locked_Set& a = Sets[Path.front()];
        const Almost_Locked_Set& b = Sets[Path.back()];
        for (Number_Set zs = a.Numbers & b.Numbers & ~Bit_Of(Links.front()) & ~Bit_Of(Links.back());
             zs != 0; zs &= zs - 1) {
            const int z = Lowest_Number_Of(zs);
            std::vector<int> targets = Seeing_Every(State, {&a, &b}, z);
            if (!targets.empty()) {
                Best = {Path, Links, z, std::move(targets), cells};
                return;
            }
        }
    }
};

} // namespace

bool Find_Als_Chain(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Set_Graph& graph = Graph_Of(state, Most_Cells, true);
    const std::vector<Almost_Locked_Set>& sets = graph.Sets;
    const std::vector<std::vector<Neighbour>>& neighbours = graph.Neighbours;
    Chain_Search search(state, sets, neighbours);
    bool found = false;
    for (int length = Fewest_Sets; length <= Most_Sets && !found; ++length) {
        found = search.Run(length);
    }
    if (!found || Search_Cancelled()) {
        return false;
    }
    const Found& best = search.Best;
    std::vector<const Almost_Locked_Set*> chain;
    std::vector<Set_Link> links;
    for (std::size_t i = 0; i < best.Sets.size(); ++i) {
        chain.push_back(&sets[best.Sets[i]]);
        if (i > 0) {
            links.push_back({chain[i - 1], chain[i], best.Links[i - 1]});
        }
    }
    Fill_Step(state, chain, links, best.Z, best.Targets, step);
    const int board = shape.Board_Of_Var(chain.front()->Cells.front());
    auto number = [&](int n) { return shape.Number_Text(board, n); };
    auto letter = [](std::size_t i) { return std::string(1, static_cast<char>('A' + i)); };
    const std::size_t last = chain.size() - 1;
    std::string sees;
    for (std::size_t i = 0; i < last; ++i) {
        const std::string x = number(best.Links[i]);
        sees += i == 0 ? "Every " + x + " of A sees every " + x + " of B"
                       : (i + 1 == last ? " and every " : ", every ") + x + " of " + letter(i) +
                             " every " + x + " of " + letter(i + 1);
    }
    std::string follows = "if A holds " + number(best.Links[0]);
    for (std::size_t i = 1; i < last; ++i) {
        follows += std::string(i == 1 ? ", then " : ", so ") + letter(i) + " has no " +
                   number(best.Links[i - 1]) + " and holds " + number(best.Links[i]);
    }
    follows += ", so " + letter(last) + " has no " + number(best.Links[last - 1]);
    const std::string z = number(best.Z);
    step.Text = "ALS chain: " + Sets_Text(shape, chain) + ". " + sees + "; " + follows +
                "; so A has no " + number(best.Links[0]) + " or " + letter(last) + " no " +
                number(best.Links[last - 1]) + ", and that one holds all its other numbers, " + z +
                " among them; so " + Cells_Text(shape, best.Targets, -1) + ", which see" +
                (best.Targets.size() == 1 ? "s" : "") + " every " + z + " of A and " +
                letter(last) + ", cannot hold " + z + ".";
    step.Rating = 80 + static_cast<int>(chain.size()) - 3;
    return true;
}
