#include "logic/techniques/Chain_Propagation.h"

namespace chains {

std::string Number_Word(const Logic_Shape& shape, int node) {
    return shape.Number_Text(shape.Board_Of_Var(Var_Of(node)), Number_Of(node));
}

std::string Fact_Text(const Logic_Shape& shape, int node) {
    return shape.Cell_Name(Var_Of(node)) + (Is_On(node) ? " is " : " is not ") +
           Number_Word(shape, node);
}

// Why a fact followed, in a few words, or nothing when seeing it is enough.
std::string Reason_Text(const Logic_Shape& shape, Why why, int unit, int locked_unit, int node) {
    switch (why) {
    case Why::Last_Number:
        return " (its last number)";
    case Why::Only_Place:
        return " (the only place left for " + Number_Word(shape, node) + " in " +
               shape.Unit_Name(unit) + ")";
    case Why::Locked:
        return locked_unit >= 0 ? " (" + Number_Word(shape, node) + " in " +
                                      shape.Unit_Name(unit) + " is where it meets " +
                                      shape.Unit_Name(locked_unit) + ")"
                                : "";
    case Why::Pair:
        return locked_unit >= 0
                   ? " (" + shape.Cell_Name(locked_unit / 65536) + " and " +
                         shape.Cell_Name(locked_unit % 65536) + " hold only two numbers in " +
                         shape.Unit_Name(unit) + ")"
                   : "";
    case Why::Start:
    case Why::Sees:
    case Why::Same_Cell:
        break;
    }
    return {};
}

// One line of reasoning: the facts from an assumption to where they lead, with the cells,

// "if A is 5, then B is not 5, so C is 5 (...), ..." for the facts in the order found; the
// first is the assumption.
Branch Describe(const Propagation& p, const Logic_Shape& shape, const std::vector<int>& facts) {
    Branch b;
    b.Facts = static_cast<int>(facts.size());
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const int f = facts[i];
        const Why why = p.Reason_Of(f);
        b.Text += i == 0 ? "if " : i == 1 ? ", then " : ", so ";
        b.Text += Fact_Text(shape, f) + Reason_Text(shape, why, p.Unit_Of(f), p.Locked_Unit(f), f);
        b.Vars.push_back(Var_Of(f));
        if (why == Why::Only_Place || why == Why::Locked || why == Why::Pair) {
            b.Units.push_back(p.Unit_Of(f));
        }
        for (int parent : p.Parents_Of(f)) {
            b.Links.push_back(
                {Var_Of(parent), Var_Of(f), Number_Of(parent), Number_Of(f), Is_On(f)});
        }
    }
    return b;
}

// The branch that ends in the conflict, and the words for it.
Branch Describe_Conflict(Propagation& p, const Logic_Shape& shape, const Conflict& c) {
    std::vector<int> roots = c.Parents;
    if (c.Kind == Conflict::Both_Ways && c.Start < 0) {
        roots.push_back(Negation(c.Node));
    }
    Branch b = Describe(p, shape, p.Ancestors(roots));
    ++b.Facts;
    b.Vars.push_back(Var_Of(c.Node));
    switch (c.Kind) {
    case Conflict::Both_Ways: {
        b.Text += ", so " + Fact_Text(shape, c.Node) +
                  Reason_Text(shape, c.Reason, c.Unit, c.Second, c.Node);
        if (c.Start >= 0) {
            if (Var_Of(c.Start) != Var_Of(c.Node)) {
                b.Text += ", which sees " + shape.Cell_Name(Var_Of(c.Start));
            }
        } else if (p.Reason_Of(Negation(c.Node)) != Why::Start) {
            b.Text += ", yet it " + std::string(Is_On(c.Node) ? "is not " : "is ") +
                      Number_Word(shape, c.Node) + " already";
        }
        for (int parent : c.Parents) {
            b.Links.push_back({Var_Of(parent), Var_Of(c.Node), Number_Of(parent),
                               Number_Of(c.Node), Is_On(c.Node)});
        }
        if ((c.Reason == Why::Only_Place || c.Reason == Why::Locked || c.Reason == Why::Pair) &&
            c.Unit >= 0) {
            b.Units.push_back(c.Unit);
        }
        break;
    }
    case Conflict::Empty_Cell:
        b.Text += ", and " + shape.Cell_Name(Var_Of(c.Node)) + " has no number left";
        break;
    case Conflict::No_Place:
        b.Text += ", and " + shape.Unit_Name(c.Unit) + " has no place left for " +
                  shape.Number_Text(shape.Writing_Board(c.Unit), c.Number);
        b.Units.push_back(c.Unit);
        break;
    case Conflict::None:
        break;
    }
    return b;
}

std::string Cannot_Text(const Logic_Shape& shape, int node) {
    return shape.Cell_Name(Var_Of(node)) + (Is_On(node) ? " holds " : " cannot hold ") +
           Number_Word(shape, node);
}

// The open candidates of the state as facts on.
std::vector<int> Open_Candidates(const Logic_State& state) {
    std::vector<int> out;
    for (int v = 0; v < state.Var_Count(); ++v) {
        if (state.Value(v) == 0) {
            for (Number_Set rest = state.Candidates(v); rest != 0; rest &= rest - 1) {
                out.push_back(Node_Of(v, Lowest_Number_Of(rest), true));
            }
        }
    }
    return out;
}

// A fact worth concluding: it places a number or removes a candidate still there.
bool Useful(const Logic_State& state, int node) {
    const int v = Var_Of(node);
    return state.Value(v) == 0 && (state.Candidates(v) & Bit_Of(Number_Of(node))) != 0;
}

} // namespace chains
