// Continuous nice loops: assuming a candidate off leads, by the plain and grouped links, back
// to the candidate off, through a fact on that excludes it. The loop then holds read either
// way round: whether the candidate is on or off, of the two ends of each weak link in it (a
// fact on that rules the next one out) exactly one is true. So a cell that sees both ends of
// such a link on one number cannot hold that number, and a cell whose two numbers are the ends
// of a link holds one of them and nothing else. The shortest loop that removes something wins.

#include "logic/techniques/Chain_Propagation.h"

using namespace chains;

namespace {

// One weak link of the loop: the cells on the side that holds the number (a fact on, or the
// group on a locked link stands for) and those of the side ruled out.
struct Weak_Link {
    std::vector<int> On;
    std::vector<int> Off;
    int Number_On = 0;
    int Number_Off = 0;
};

// The places of the number in the unit, at the start, that are not among the facts.
std::vector<int> Group_On(const Logic_State& state, int unit, int number,
                          const std::vector<int>& facts) {
    std::vector<int> out;
    for (int w : Places_In_Unit(state, unit, number)) {
        if (std::find(facts.begin(), facts.end(), Node_Of(w, number, false)) == facts.end()) {
            out.push_back(w);
        }
    }
    return out;
}

// The weak links of the loop made of the facts (the start first) and the closing link.
std::vector<Weak_Link> Weak_Links(const Logic_State& state, const Propagation& p,
                                  const std::vector<int>& facts, const Conflict& closing) {
    std::vector<Weak_Link> links;
    auto add = [&](Why why, const std::vector<int>& parents, int unit,
                   const std::vector<int>& ruled_out) {
        if (why != Why::Sees && why != Why::Same_Cell && why != Why::Locked) {
            return;
        }
        Weak_Link l;
        l.Number_Off = Number_Of(ruled_out.front());
        for (int f : ruled_out) {
            l.Off.push_back(Var_Of(f));
        }
        if (why == Why::Locked) {
            l.Number_On = l.Number_Off;
            l.On = Group_On(state, unit, l.Number_On, parents);
        } else {
            l.Number_On = Number_Of(parents.front());
            l.On = {Var_Of(parents.front())};
        }
        links.push_back(std::move(l));
    };
    std::vector<char> done(facts.size(), 0);
    for (std::size_t i = 1; i < facts.size(); ++i) {
        if (done[i]) {
            continue;
        }
        // The facts that came with this one from the same facts: one node of the loop.
        std::vector<int> node;
        for (std::size_t j = i; j < facts.size(); ++j) {
            if (j == i || (Number_Of(facts[j]) == Number_Of(facts[i]) &&
                           p.Parents_Of(facts[j]) == p.Parents_Of(facts[i]))) {
                done[j] = 1;
                node.push_back(facts[j]);
            }
        }
        add(p.Reason_Of(facts[i]), p.Parents_Of(facts[i]), p.Unit_Of(facts[i]), node);
    }
    add(closing.Reason, closing.Parents, closing.Unit, {closing.Node});
    return links;
}

// What the weak links remove: a number from the cells that see every cell of both ends, the
// other numbers from a cell whose two numbers are the ends.
std::vector<Var_Number> Removed(const Logic_State& state, const std::vector<Weak_Link>& links) {
    const Logic_Shape& shape = state.Shape();
    std::vector<Var_Number> out;
    auto add = [&](int var, int number) {
        for (const Var_Number& x : out) {
            if (x.Var == var && x.Number == number) {
                return;
            }
        }
        out.push_back({var, number});
    };
    for (const Weak_Link& l : links) {
        if (l.Number_On != l.Number_Off) {
            if (l.On.size() == 1 && l.Off.size() == 1 && l.On[0] == l.Off[0]) {
                const int v = l.On[0];
                for (Number_Set rest = state.Candidates(v) & ~Bit_Of(l.Number_On) &
                                       ~Bit_Of(l.Number_Off);
                     rest != 0; rest &= rest - 1) {
                    add(v, Lowest_Number_Of(rest));
                }
            }
            continue;
        }
        std::vector<int> ends = l.On;
        ends.insert(ends.end(), l.Off.begin(), l.Off.end());
        const Number_Set bit = Bit_Of(l.Number_On);
        for (int w : shape.Structure.Peers[ends.front()]) {
            if ((state.Candidates(w) & bit) == 0 ||
                std::find(ends.begin(), ends.end(), w) != ends.end()) {
                continue;
            }
            if (std::all_of(ends.begin(), ends.end(), [&](int e) { return shape.Sees(w, e); })) {
                add(w, l.Number_On);
            }
        }
    }
    return out;
}

std::string Removed_Text(const Logic_Shape& shape, const std::vector<Var_Number>& removed) {
    // By number, in the order first met.
    std::vector<int> numbers;
    for (const Var_Number& x : removed) {
        if (std::find(numbers.begin(), numbers.end(), x.Number) == numbers.end()) {
            numbers.push_back(x.Number);
        }
    }
    std::vector<std::string> parts;
    for (int n : numbers) {
        std::vector<int> cells;
        for (const Var_Number& x : removed) {
            if (x.Number == n) {
                cells.push_back(x.Var);
            }
        }
        parts.push_back(Cells_Text(shape, cells, -1) + " cannot hold " +
                        shape.Number_Text(shape.Board_Of_Var(cells.front()), n));
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
    }
    return text;
}

} // namespace

bool Find_Nice_Loop(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    Propagation p(state, Mode::Grouped);
    bool found = false;
    int best_facts = 0;
    for (int on : Open_Candidates(state)) {
        if (Search_Cancelled()) {
            return false;
        }
        const int start = Negation(on);
        p.Run({start}, true);
        for (const Conflict& closing : p.Loops) {
            const std::vector<int> facts = p.Ancestors(closing.Parents);
            const int count = static_cast<int>(facts.size()) + 1;
            if (found && count >= best_facts) {
                continue;
            }
            const std::vector<Var_Number> removed =
                Removed(state, Weak_Links(state, p, facts, closing));
            if (removed.empty()) {
                continue;
            }
            Branch b = Describe(p, shape, facts);
            b.Text += ", so " + Fact_Text(shape, start) +
                      Reason_Text(shape, closing.Reason, closing.Unit, closing.Second, start) +
                      " again";
            for (int parent : closing.Parents) {
                b.Links.push_back(
                    {Var_Of(parent), Var_Of(start), Number_Of(parent), Number_Of(start), false});
            }
            if (closing.Reason == Why::Locked) {
                b.Units.push_back(closing.Unit);
            }
            // A loop on one number all along rates lower than one that mixes numbers; a loop
            // through a group of cells, higher.
            bool one_number = true;
            bool grouped = closing.Parents.size() > 1 || closing.Reason == Why::Locked;
            for (const Var_Link& l : b.Links) {
                one_number = one_number && l.Number_From == l.Number_To;
            }
            for (int f : facts) {
                grouped = grouped || p.Parents_Of(f).size() > 1 || p.Reason_Of(f) == Why::Locked;
            }
            step = Step{};
            step.Kind = Technique::Nice_Loop;
            step.Var_Eliminations = removed;
            for (int f : facts) {
                if (std::find(step.Cell_Vars.begin(), step.Cell_Vars.end(), Var_Of(f)) ==
                    step.Cell_Vars.end()) {
                    step.Cell_Vars.push_back(Var_Of(f));
                }
            }
            for (int u : b.Units) {
                if (std::find(step.Unit_Indices.begin(), step.Unit_Indices.end(), u) ==
                    step.Unit_Indices.end()) {
                    step.Unit_Indices.push_back(u);
                }
            }
            step.Var_Links = b.Links;
            step.Text = "Nice loop: " + b.Text +
                        ". The loop closes, so it holds either way round, and of the two ends of "
                        "each weak link in it exactly one is true: " +
                        Removed_Text(shape, removed) + ".";
            step.Rating = (one_number ? 66 : 70) + (grouped ? 2 : 0) + Chain_Length_Rating(count);
            found = true;
            best_facts = count;
            p.Max_Depth = best_facts - 2;
        }
    }
    return found;
}
