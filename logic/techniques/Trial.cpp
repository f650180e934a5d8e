// The last resort: assume a number in a cell and follow the singles until a rule breaks;
// the cell then cannot hold the number. When the singles alone never break a rule, a bounded
// search tries every way on from the assumption instead.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

namespace {

struct Work {
    std::vector<int> Values;
    std::vector<Number_Set> Cands;
};

struct Propagation {
    const Logic_Shape& Shape;
    std::string Reason; // why the rules broke, for the explanation

    // Places the number and follows naked and hidden singles. False when a rule breaks.
    bool Place_And_Follow(Work& w, int var, int number) {
        std::vector<Var_Number> queue{{var, number}};
        const Constraint_Structure& s = Shape.Structure;
        for (;;) {
            while (!queue.empty()) {
                const Var_Number p = queue.back();
                queue.pop_back();
                if (w.Values[p.Var] == p.Number) {
                    continue;
                }
                if (w.Values[p.Var] != 0 || (w.Cands[p.Var] & Bit_Of(p.Number)) == 0) {
                    Reason = Shape.Cell_Name(p.Var) + " would need two numbers";
                    return false;
                }
                w.Values[p.Var] = p.Number;
                w.Cands[p.Var] = 0;
                const Number_Set bit = Bit_Of(p.Number);
                for (int q : s.Peers[p.Var]) {
                    if (w.Values[q] == p.Number) {
                        Reason = Shape.Cell_Name(q) + " and " + Shape.Cell_Name(p.Var) +
                                 " would both hold " +
                                 Shape.Number_Text(Shape.Board_Of_Var(q), p.Number);
                        return false;
                    }
                    if ((w.Cands[q] & bit) == 0 || w.Values[q] != 0) {
                        continue;
                    }
                    w.Cands[q] &= ~bit;
                    if (w.Cands[q] == 0) {
                        Reason = Shape.Cell_Name(q) + " would have no number left";
                        return false;
                    }
                    if (Number_Count(w.Cands[q]) == 1) {
                        queue.push_back({q, Lowest_Number_Of(w.Cands[q])});
                    }
                }
            }
            for (std::size_t u = 0; u < s.Units.size(); ++u) {
                if (!Shape.Full_Unit[u]) {
                    continue;
                }
                Number_Set once = 0;
                Number_Set seen = 0;
                Number_Set placed = 0;
                for (int v : s.Units[u]) {
                    const Number_Set c = w.Cands[v];
                    once = (once & ~c) | (c & ~seen);
                    seen |= c;
                    if (w.Values[v] != 0) {
                        placed |= Bit_Of(w.Values[v]);
                    }
                }
                const Number_Set missing = All_Numbers(Shape.Unit_Numbers[u]) & ~placed & ~seen;
                if (missing != 0) {
                    const int unit = static_cast<int>(u);
                    Reason =
                        Shape.Unit_Name(unit) + " would have no place left for " +
                        Shape.Number_Text(Shape.Writing_Board(unit), Lowest_Number_Of(missing));
                    return false;
                }
                once &= ~placed;
                for (int v : s.Units[u]) {
                    const Number_Set hit = w.Cands[v] & once;
                    if (hit != 0) {
                        queue.push_back({v, Lowest_Number_Of(hit)});
                    }
                }
            }
            if (queue.empty()) {
                return true;
            }
        }
    }

    enum class Outcome { Solution, None, Unknown };

    // Whether any way on from here fills every cell, within the node budget.
    Outcome Search(Work& w, long long& budget) {
        if (--budget < 0) {
            return Outcome::Unknown;
        }
        int best = -1;
        for (std::size_t v = 0; v < w.Values.size(); ++v) {
            if (w.Values[v] == 0 &&
                (best < 0 || Number_Count(w.Cands[v]) < Number_Count(w.Cands[best]))) {
                best = static_cast<int>(v);
            }
        }
        if (best < 0) {
            return Outcome::Solution;
        }
        bool unknown = false;
        for (Number_Set rest = w.Cands[best]; rest != 0; rest &= rest - 1) {
            Work next = w;
            if (!Place_And_Follow(next, best, Lowest_Number_Of(rest))) {
                continue;
            }
            const Outcome o = Search(next, budget);
            if (o == Outcome::Solution) {
                return o;
            }
            unknown = unknown || o == Outcome::Unknown;
        }
        return unknown ? Outcome::Unknown : Outcome::None;
    }
};

// Nodes the search may visit for one assumption, and for all of them together.
constexpr long long Search_Budget_Each = 2000;
constexpr long long Search_Budget_All = 40000;

} // namespace

bool Find_Trial(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    Work start;
    for (int v = 0; v < state.Var_Count(); ++v) {
        start.Values.push_back(state.Value(v));
        start.Cands.push_back(state.Candidates(v));
    }
    std::vector<int> order;
    for (int v = 0; v < state.Var_Count(); ++v) {
        if (state.Value(v) == 0) {
            order.push_back(v);
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return Number_Count(state.Candidates(a)) < Number_Count(state.Candidates(b));
    });
    Propagation p{shape, {}};
    auto make_step = [&](int v, int n, const std::string& how) {
        step.Cell_Vars = {v};
        step.Var_Eliminations = {{v, n}};
        step.Text = "Trial: if " + shape.Cell_Name(v) + " held " +
                    shape.Number_Text(shape.Board_Of_Var(v), n) + ", " + how +
                    ", so it cannot hold " + shape.Number_Text(shape.Board_Of_Var(v), n) + ".";
    };
    for (int v : order) {
        for (Number_Set rest = state.Candidates(v); rest != 0; rest &= rest - 1) {
            const int n = Lowest_Number_Of(rest);
            Work w = start;
            if (!p.Place_And_Follow(w, v, n)) {
                make_step(v, n, "the singles that follow would break a rule: " + p.Reason);
                return true;
            }
        }
    }
    long long all = Search_Budget_All;
    for (int v : order) {
        for (Number_Set rest = state.Candidates(v); rest != 0 && all > 0; rest &= rest - 1) {
            const int n = Lowest_Number_Of(rest);
            Work w = start;
            long long budget = std::min(Search_Budget_Each, all);
            const long long before = budget;
            const bool follows = p.Place_And_Follow(w, v, n);
            const Propagation::Outcome o =
                follows ? p.Search(w, budget) : Propagation::Outcome::None;
            all -= before - std::max(budget, 0LL);
            if (o == Propagation::Outcome::None) {
                make_step(v, n, "every way on from there would break a rule");
                return true;
            }
        }
    }
    return false;
}
