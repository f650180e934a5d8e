// Nishio, cell and unit forcing chains and dynamic forcing chains: all follow what one
// assumption about a candidate ("this cell is 5", "this cell is not 5") forces, fact by fact
// (logic/techniques/Chain_Propagation.h), and conclude from where that leads. Each fact keeps
// the facts it came from, so the sentence writes the chain out link by link and the overlay
// draws every link.
//
// - Nishio forcing chain: assuming a candidate on breaks a rule, with the dynamic links of its
//   number alone.
// - Cell (unit) forcing chain: whichever number the cell holds (wherever the unit holds the
//   number), the same fact follows.
// - Dynamic forcing chain: the same with the dynamic links, and also a fact that follows both
//   from a candidate on and from it off.
// Of all the chains found the one with the fewest facts is kept.

#include "logic/techniques/Chain_Propagation.h"

using namespace chains;

namespace {

// Assumptions of which one must hold: the numbers of a cell, the places of a number in a unit,
// or a candidate on and off.
struct Either_Way {
    std::vector<int> Starts;
    std::string Opening; // what the sentence says of them first
};

// The facts that follow from every assumption of a group, with the sum of the orders they
// were found in each (a stand-in for the chains' length until the best one is written out).
class Common_Facts {
  public:
    explicit Common_Facts(std::size_t nodes) : Count(nodes, 0), Order_Sum(nodes, 0) {}

    void Clear() {
        for (int n : Touched) {
            Count[n] = 0;
            Order_Sum[n] = 0;
        }
        Touched.clear();
        Branches = 0;
    }
    void Add(const Propagation& p) {
        for (int n : p.Found()) {
            if (Count[n] == Branches) {
                if (Count[n] == 0) {
                    Touched.push_back(n);
                }
                ++Count[n];
                Order_Sum[n] += p.Index_Of(n);
            }
        }
        ++Branches;
    }
    // The useful common fact found soonest, or -1.
    int Best(const Logic_State& state, const std::vector<int>& starts, long long& order) const {
        int best = -1;
        for (int n : Touched) {
            if (Count[n] == Branches && Useful(state, n) &&
                std::find(starts.begin(), starts.end(), n) == starts.end() &&
                (best < 0 || Order_Sum[n] < order)) {
                best = n;
                order = Order_Sum[n];
            }
        }
        return best;
    }

  private:
    std::vector<int> Count;
    std::vector<long long> Order_Sum;
    std::vector<int> Touched;
    int Branches = 0;
};

// Writes out the group whose assumptions all lead to the fact and keeps it when shorter.
void Take_Either_Way(Propagation& p, const Logic_Shape& shape, const Either_Way& group,
                     int fact, const char* name, int base_rating, Best_Chain& best) {
    std::vector<Branch> branches;
    int facts = 0;
    std::string text = std::string(name) + ": " + group.Opening;
    for (int start : group.Starts) {
        p.Run({start}, false);
        Branch b = Describe(p, shape, p.Ancestors({fact}));
        facts += b.Facts;
        text += "; " + b.Text;
        branches.push_back(std::move(b));
    }
    text += "; either way " + Fact_Text(shape, fact) + ".";
    if (best.Beats(facts)) {
        best.Take(facts, branches, text, fact, base_rating);
    }
}

// "a", "a or b", "a, b or c".
std::string Or_Words(const std::vector<std::string>& words) {
    std::string text = Join_Words(words);
    const std::size_t and_at = text.rfind(" and ");
    return and_at == std::string::npos ? text : text.replace(and_at, 5, " or ");
}

// Cell and unit groups of at most most_branches assumptions.
std::vector<Either_Way> Groups(const Logic_State& state, int most_branches) {
    const Logic_Shape& shape = state.Shape();
    std::vector<Either_Way> groups;
    for (int v = 0; v < state.Var_Count(); ++v) {
        const Number_Set c = state.Candidates(v);
        if (state.Value(v) != 0 || Number_Count(c) < 2 || Number_Count(c) > most_branches) {
            continue;
        }
        Either_Way g;
        for (Number_Set rest = c; rest != 0; rest &= rest - 1) {
            g.Starts.push_back(Node_Of(v, Lowest_Number_Of(rest), true));
        }
        std::vector<std::string> numbers;
        for (int start : g.Starts) {
            numbers.push_back(Number_Word(shape, start));
        }
        g.Opening = shape.Cell_Name(v) + " holds " + Or_Words(numbers);
        groups.push_back(std::move(g));
    }
    const Constraint_Structure& s = shape.Structure;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        for (int n = 1; n <= shape.Unit_Numbers[u]; ++n) {
            const std::vector<int> places = Open_Places(state, static_cast<int>(u), n);
            if (places.size() < 2 || static_cast<int>(places.size()) > most_branches) {
                continue;
            }
            Either_Way g;
            for (int v : places) {
                g.Starts.push_back(Node_Of(v, n, true));
            }
            const int unit = static_cast<int>(u);
            std::vector<std::string> where;
            for (int v : places) {
                where.push_back(shape.Cell_Name_In(v, unit));
            }
            g.Opening = "in " + shape.Unit_Name(unit) + ", " +
                        shape.Number_Text(shape.Writing_Board(unit), n) + " goes in " + Or_Words(where);
            groups.push_back(std::move(g));
        }
    }
    return groups;
}

bool Is_Cell_Group(const Either_Way& g) {
    return Var_Of(g.Starts[0]) == Var_Of(g.Starts[1]);
}

// A candidate on that breaks a rule, with the plain or the dynamic links.
void Contradictions(const Logic_State& state, Propagation& p, const char* name, int base_rating,
                    bool off_too, Best_Chain& best, int only_number = 0) {
    const Logic_Shape& shape = state.Shape();
    for (int on : Open_Candidates(state)) {
        for (const int start : {on, Negation(on)}) {
            if (Search_Cancelled() || (start != on && !off_too) ||
                (only_number != 0 && Number_Of(on) != only_number)) {
                continue;
            }
            p.Run({start}, true);
            if (p.Broken.Kind == Conflict::None) {
                continue;
            }
            const Conflict c = p.Broken;
            Branch b = Describe_Conflict(p, shape, c);
            if (best.Beats(b.Facts)) {
                const std::string text = std::string(name) + ": " + b.Text + "; so " +
                                         Cannot_Text(shape, Negation(start)) + ".";
                best.Take(b.Facts, {b}, text, Negation(start), base_rating);
                p.Max_Depth = best.Facts - 2;
            }
        }
    }
}

// Groups of assumptions of which one holds and that all force the same fact.
void Forcing_Groups(const Logic_State& state, Propagation& p, bool cells, bool units,
                    bool on_and_off, int most_branches, const char* name, int base_rating,
                    Best_Chain& best) {
    const Logic_Shape& shape = state.Shape();
    std::vector<Either_Way> groups;
    for (Either_Way& g : Groups(state, most_branches)) {
        if (Is_Cell_Group(g) ? cells : units) {
            groups.push_back(std::move(g));
        }
    }
    if (on_and_off) {
        for (int on : Open_Candidates(state)) {
            groups.push_back({{on, Negation(on)},
                              shape.Cell_Name(Var_Of(on)) + " is " + Number_Word(shape, on) +
                                  " or it is not"});
        }
    }
    Common_Facts common(static_cast<std::size_t>(state.Var_Count()) * 64);
    const Either_Way* chosen = nullptr;
    int chosen_fact = -1;
    long long chosen_order = 0;
    for (const Either_Way& g : groups) {
        if (Search_Cancelled()) {
            return;
        }
        common.Clear();
        bool broken = false;
        for (int start : g.Starts) {
            p.Run({start}, true);
            if (p.Broken.Kind != Conflict::None) {
                broken = true; // a contradiction, left to the finders of those
                break;
            }
            common.Add(p);
        }
        long long order = 0;
        const int fact = broken ? -1 : common.Best(state, g.Starts, order);
        if (fact >= 0 && (chosen == nullptr || order < chosen_order)) {
            chosen = &g;
            chosen_fact = fact;
            chosen_order = order;
        }
    }
    if (chosen != nullptr) {
        Take_Either_Way(p, shape, *chosen, chosen_fact, name, base_rating, best);
    }
}

} // namespace

// Nishio: the dynamic links of one number alone, from a candidate on to a conflict.
bool Find_Nishio_Chain(const Logic_State& state, Step& step) {
    Propagation p(state, Mode::Dynamic);
    Best_Chain best;
    for (int n = 1; n <= state.Shape().Highest_Number; ++n) {
        p.Only_Number = n;
        Contradictions(state, p, "Nishio forcing chain", 75, false, best, n);
    }
    return best.Give(step);
}

bool Find_Cell_Forcing_Chain(const Logic_State& state, Step& step) {
    Propagation p(state, Mode::Plain);
    Best_Chain best;
    Forcing_Groups(state, p, true, false, false, 4, "Cell forcing chain", 80, best);
    return best.Give(step);
}

bool Find_Unit_Forcing_Chain(const Logic_State& state, Step& step) {
    Propagation p(state, Mode::Plain);
    Best_Chain best;
    Forcing_Groups(state, p, false, true, false, 4, "Unit forcing chain", 80, best);
    return best.Give(step);
}

namespace {

bool Dynamic_Chain(const Logic_State& state, Mode mode, const char* name, int base_rating,
                   Step& step) {
    Propagation p(state, mode);
    Best_Chain best;
    Contradictions(state, p, name, base_rating, true, best);
    p.Max_Depth = 1 << 30;
    if (!best.Found) {
        Forcing_Groups(state, p, true, true, true, 4, name,
                       base_rating, best);
    }
    return !Search_Cancelled() && best.Give(step);
}

} // namespace

bool Find_Dynamic_Chain(const Logic_State& state, Step& step) {
    return Dynamic_Chain(state, Mode::Dynamic, "Dynamic forcing chain", 85, step);
}

bool Find_Dynamic_Chain_Plus(const Logic_State& state, Step& step) {
    return Dynamic_Chain(state, Mode::Dynamic_Locked, "Dynamic forcing chain with locked sets",
                         90, step);
}

