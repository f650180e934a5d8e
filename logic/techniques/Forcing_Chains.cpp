// Alternating inference chains, Nishio, cell and unit forcing chains and dynamic forcing
// chains: all follow what one assumption about a candidate ("this cell is 5", "this cell is
// not 5") forces, fact by fact, and conclude from where that leads.
//
// A fact is a candidate on or off. From a fact on, every other number of its cell and the
// number in every cell that sees it are off. From a fact off, a cell left with one number
// holds it, and a unit left with one place for a number holds it there. The plain chains use
// only the links the candidates give before the assumption (a cell with two numbers, a unit
// with two places); the dynamic ones use every fact found so far, and the strongest also
// locks a number in where two units meet and a pair of numbers in two cells of a unit. Each fact keeps the facts it came from, so the
// sentence writes the chain out link by link and the overlay draws every link.
//
// - Alternating inference chain: assuming a candidate on (off) leads to a fact and its
//   negation by the plain links, a loop through the candidate: it is off (on).
// - Nishio forcing chain: assuming a candidate on breaks a rule, with the dynamic links of its
//   number alone.
// - Cell (unit) forcing chain: whichever number the cell holds (wherever the unit holds the
//   number), the same fact follows.
// - Dynamic forcing chain: the same with the dynamic links, and also a fact that follows both
//   from a candidate on and from it off.
// Of all the chains found the one with the fewest facts is kept.

#include <algorithm>
#include <cstdint>

#include "logic/techniques/Technique_Finders.h"

namespace {

enum class Mode { Plain, Dynamic, Dynamic_Locked };

int Node_Of(int var, int number, bool on) {
    return (var * 32 + number - 1) * 2 + (on ? 1 : 0);
}
int Var_Of(int node) {
    return node / 64;
}
int Number_Of(int node) {
    return (node / 2) % 32 + 1;
}
bool Is_On(int node) {
    return (node & 1) != 0;
}
int Negation(int node) {
    return node ^ 1;
}

enum class Why : std::uint8_t { Start, Sees, Same_Cell, Last_Number, Only_Place, Locked, Pair };

// Where a run broke a rule: a fact and its negation both follow, a cell has no number left
// or a unit no place for a number.
struct Conflict {
    enum Kind_Type { None, Both_Ways, Empty_Cell, No_Place } Kind = None;
    int Node = -1; // Both_Ways: the fact found second; Empty_Cell: any node of the cell
    int Unit = -1;
    int Number = 0;
    std::vector<int> Parents;
    Why Reason = Why::Start; // Both_Ways: why the second fact followed
    int Start = -1;          // Both_Ways: the start the fact undoes without more, or -1
};

class Propagation {
  public:
    Propagation(const Logic_State& state, Mode mode)
        : State(state), Shape(state.Shape()), How(mode),
          Stamp(static_cast<std::size_t>(state.Var_Count()) * 64, 0),
          Index(Stamp.size(), 0), Reason(Stamp.size(), Why::Start), Reason_Unit(Stamp.size(), -1),
          Parent_Begin(Stamp.size(), 0), Parent_End(Stamp.size(), 0),
          Cands(state.Var_Count(), 0), Values(state.Var_Count(), 0), Second_Unit(Stamp.size(), -1) {}

    // Follows the start facts to everything they force, until no fact is left to follow or,
    // when stop_at_conflict, until a rule breaks.
    // Facts of other numbers than this one are not followed (0: all are).
    int Only_Number = 0;

    void Run(const std::vector<int>& starts, bool stop_at_conflict) {
        ++Current;
        Order.clear();
        Pool.clear();
        Broken = Conflict{};
        Against_Start = Conflict{};
        for (int v = 0; v < State.Var_Count(); ++v) {
            Cands[v] = State.Candidates(v);
            Values[v] = State.Value(v);
        }
        Start_Node = -1;
        for (int s : starts) {
            Derive(s, {}, Why::Start, -1);
        }
        Start_Node = starts.size() == 1 ? starts[0] : -1;
        for (std::size_t next = 0; next < Order.size(); ++next) {
            if (stop_at_conflict && Broken.Kind != Conflict::None) {
                return;
            }
            const int node = Order[next];
            if (Is_On(node)) {
                Follow_On(node);
            } else {
                Follow_Off(node);
            }
        }
    }

    bool Known(int node) const { return Stamp[node] == Current; }
    const std::vector<int>& Found() const { return Order; }

    // The facts the given ones rest on, themselves included, in the order they were found.
    std::vector<int> Ancestors(const std::vector<int>& nodes) {
        std::vector<int> out;
        std::vector<int> stack;
        ++Visit_Mark;
        if (Visited.size() != Stamp.size()) {
            Visited.assign(Stamp.size(), 0);
        }
        for (int n : nodes) {
            stack.push_back(n);
        }
        while (!stack.empty()) {
            const int n = stack.back();
            stack.pop_back();
            if (!Known(n) || Visited[n] == Visit_Mark) {
                continue;
            }
            Visited[n] = Visit_Mark;
            out.push_back(n);
            for (int i = Parent_Begin[n]; i < Parent_End[n]; ++i) {
                stack.push_back(Pool[i]);
            }
        }
        std::sort(out.begin(), out.end(), [&](int a, int b) { return Index[a] < Index[b]; });
        return out;
    }

    // The facts that show the conflict.
    std::vector<int> Conflict_Roots() const {
        std::vector<int> roots = Broken.Parents;
        if (Broken.Kind == Conflict::Both_Ways) {
            roots.push_back(Negation(Broken.Node));
        }
        return roots;
    }

    Why Reason_Of(int node) const { return Reason[node]; }
    int Unit_Of(int node) const { return Reason_Unit[node]; }
    std::vector<int> Parents_Of(int node) const {
        return {Pool.begin() + Parent_Begin[node], Pool.begin() + Parent_End[node]};
    }

    Conflict Broken;        // the first rule broken
    Conflict Against_Start; // the first fact found against a start fact

  private:
    void Derive(int node, std::initializer_list<int> parents, Why why, int unit) {
        Derive_From(node, parents.begin(), parents.end(), why, unit);
    }

    template <typename It> void Derive_From(int node, It first, It last, Why why, int unit) {
        if (Known(node) || (Only_Number != 0 && Number_Of(node) != Only_Number)) {
            return;
        }
        // A number on that the start on rules out at once: the chain has come back to it.
        if (Start_Node >= 0 && Is_On(node) && Is_On(Start_Node) &&
            Against_Start.Kind == Conflict::None) {
            const int y = Var_Of(node);
            const int v = Var_Of(Start_Node);
            const bool same_number = Number_Of(node) == Number_Of(Start_Node);
            if (y == v ? !same_number : same_number && Shape.Sees(y, v)) {
                Against_Start.Kind = Conflict::Both_Ways;
                Against_Start.Node = node;
                Against_Start.Unit = unit;
                Against_Start.Reason = why;
                Against_Start.Start = Start_Node;
                Against_Start.Parents.assign(first, last);
            }
        }
        if (Known(Negation(node))) {
            Conflict c;
            c.Kind = Conflict::Both_Ways;
            c.Node = node;
            c.Unit = unit;
            c.Reason = why;
            c.Parents.assign(first, last);
            if (why == Why::Locked) {
                c.Number = -1; // the locked unit is not kept for a conflict
            }
            // Against the start: its negation, or a fact that follows from the start alone
            // (the chain comes back to where it began).
            const int neg = Negation(node);
            const bool against = Reason[neg] == Why::Start ||
                                 (Parent_End[neg] - Parent_Begin[neg] == 1 &&
                                  Reason[Pool[Parent_Begin[neg]]] == Why::Start);
            if (against && Against_Start.Kind == Conflict::None) {
                Against_Start = c;
            }
            if (Broken.Kind == Conflict::None) {
                Broken = std::move(c);
            }
            return;
        }
        Stamp[node] = Current;
        Index[node] = static_cast<int>(Order.size());
        Reason[node] = why;
        Reason_Unit[node] = unit;
        Parent_Begin[node] = static_cast<int>(Pool.size());
        Pool.insert(Pool.end(), first, last);
        Parent_End[node] = static_cast<int>(Pool.size());
        Order.push_back(node);
    }

    bool Dynamic() const { return How != Mode::Plain; }

    void Follow_On(int node) {
        const int v = Var_Of(node);
        const int n = Number_Of(node);
        const Number_Set base = State.Candidates(v);
        const Number_Set others = (Dynamic() ? Cands[v] : base) & ~Bit_Of(n);
        for (Number_Set rest = others; rest != 0; rest &= rest - 1) {
            Derive(Node_Of(v, Lowest_Number_Of(rest), false), {node}, Why::Same_Cell, -1);
        }
        for (int w : Shape.Structure.Peers[v]) {
            if (((Dynamic() ? Cands[w] : State.Candidates(w)) & Bit_Of(n)) != 0) {
                Derive(Node_Of(w, n, false), {node}, Why::Sees, -1);
            }
        }
        if (Dynamic()) {
            Values[v] = n;
            Cands[v] = 0;
        }
    }

    void Follow_Off(int node) {
        const int v = Var_Of(node);
        const int n = Number_Of(node);
        const Number_Set base = State.Candidates(v);
        if (Dynamic()) {
            if (Values[v] != 0) {
                return; // placed by an earlier fact: the rest follows from that one
            }
            Cands[v] &= ~Bit_Of(n);
            if (Cands[v] == 0) {
                if (Broken.Kind == Conflict::None) {
                    Broken.Kind = Conflict::Empty_Cell;
                    Broken.Node = node;
                    Broken.Parents.clear();
                    for (Number_Set rest = base; rest != 0; rest &= rest - 1) {
                        Broken.Parents.push_back(Node_Of(v, Lowest_Number_Of(rest), false));
                    }
                }
                return;
            }
            if (Number_Count(Cands[v]) == 2 && How == Mode::Dynamic_Locked) {
                Follow_Pair(v);
            }
            if (Number_Count(Cands[v]) == 1) {
                const int m = Lowest_Number_Of(Cands[v]);
                std::vector<int>& parents = Cell_Parents;
                parents.clear();
                for (Number_Set rest = base & ~Bit_Of(m); rest != 0; rest &= rest - 1) {
                    parents.push_back(Node_Of(v, Lowest_Number_Of(rest), false));
                }
                Derive_From(Node_Of(v, m, true), parents.begin(), parents.end(), Why::Last_Number,
                            -1);
            }
        } else if (Number_Count(base) == 2) {
            Derive(Node_Of(v, Lowest_Number_Of(base & ~Bit_Of(n)), true), {node}, Why::Last_Number,
                   -1);
        }
        for (int u : Shape.Units_Of_Var[v]) {
            if (Shape.Full_Unit[u] && n <= Shape.Unit_Numbers[u]) {
                Follow_Unit(node, u, n);
            }
        }
    }

    // A cell left with two numbers and another of a unit left with the same two: the other
    // cells of the unit cannot hold them.
    void Follow_Pair(int v) {
        const Number_Set pair = Cands[v];
        for (int u : Shape.Units_Of_Var[v]) {
            for (int w : Shape.Structure.Units[u]) {
                if (w == v || Values[w] != 0 || Cands[w] != pair) {
                    continue;
                }
                std::vector<int>& parents = Pair_Parents;
                parents.clear();
                for (int x : {v, w}) {
                    for (Number_Set rest = State.Candidates(x) & ~pair; rest != 0;
                         rest &= rest - 1) {
                        parents.push_back(Node_Of(x, Lowest_Number_Of(rest), false));
                    }
                }
                for (int x : Shape.Structure.Units[u]) {
                    if (x == v || x == w) {
                        continue;
                    }
                    for (Number_Set rest = Cands[x] & pair; rest != 0; rest &= rest - 1) {
                        const int off = Node_Of(x, Lowest_Number_Of(rest), false);
                        Derive_From(off, parents.begin(), parents.end(), Why::Pair, u);
                        if (Known(off) && Reason[off] == Why::Pair) {
                            Second_Unit[off] = v * 65536 + w;
                        }
                    }
                }
            }
        }
    }

    void Follow_Unit(int node, int u, int n) {
        const std::vector<int>& unit = Shape.Structure.Units[u];
        if (!Dynamic()) {
            int other = -1;
            int count = 0;
            for (int w : unit) {
                if (State.Value(w) == n) {
                    return;
                }
                if ((State.Candidates(w) & Bit_Of(n)) != 0) {
                    ++count;
                    if (w != Var_Of(node)) {
                        other = w;
                    }
                }
            }
            if (count == 2 && other >= 0) {
                Derive(Node_Of(other, n, true), {node}, Why::Only_Place, u);
            }
            return;
        }
        Left.clear();
        for (int w : unit) {
            if (Values[w] == n) {
                return;
            }
            if ((Cands[w] & Bit_Of(n)) != 0) {
                Left.push_back(w);
            }
        }
        // The facts that took the number from the unit's other places.
        std::vector<int>& parents = Unit_Parents;
        parents.clear();
        for (int w : unit) {
            if ((State.Candidates(w) & Bit_Of(n)) != 0 &&
                std::find(Left.begin(), Left.end(), w) == Left.end()) {
                parents.push_back(Node_Of(w, n, false));
            }
        }
        if (Left.empty()) {
            if (Broken.Kind == Conflict::None) {
                Broken.Kind = Conflict::No_Place;
                Broken.Node = node;
                Broken.Unit = u;
                Broken.Number = n;
                Broken.Parents = parents;
            }
            return;
        }
        if (Left.size() == 1) {
            Derive_From(Node_Of(Left[0], n, true), parents.begin(), parents.end(), Why::Only_Place,
                        u);
            return;
        }
        if (How != Mode::Dynamic_Locked) {
            return;
        }
        for (int b : Shape.Units_Of_Var[Left[0]]) {
            if (b == u || !std::all_of(Left.begin(), Left.end(),
                                       [&](int w) { return Shape.Unit_Contains(b, w); })) {
                continue;
            }
            for (int x : Shape.Structure.Units[b]) {
                if ((Cands[x] & Bit_Of(n)) != 0 && !Shape.Unit_Contains(u, x)) {
                    const int off = Node_Of(x, n, false);
                    Derive_From(off, parents.begin(), parents.end(), Why::Locked, u);
                    if (Known(off) && Reason[off] == Why::Locked) {
                        Second_Unit[off] = b;
                    }
                }
            }
        }
    }

  public:
    // For a fact off by Locked: the unit the number is locked into; by Pair: the pair's cells
    // (first * 65536 + second).
    int Locked_Unit(int node) const { return Second_Unit[node]; }
    int Index_Of(int node) const { return Index[node]; }

  private:
    const Logic_State& State;
    const Logic_Shape& Shape;
    Mode How;
    int Current = 0;
    int Start_Node = -1;
    std::vector<int> Stamp;
    std::vector<int> Index;
    std::vector<Why> Reason;
    std::vector<int> Reason_Unit;
    std::vector<int> Parent_Begin;
    std::vector<int> Parent_End;
    std::vector<int> Pool;
    std::vector<int> Order;
    std::vector<Number_Set> Cands;
    std::vector<int> Values;
    std::vector<int> Left;
    std::vector<int> Unit_Parents;
    std::vector<int> Cell_Parents;
    std::vector<int> Pair_Parents;
    std::vector<int> Second_Unit;
    std::vector<int> Visited;
    int Visit_Mark = 0;
};

} // namespace

namespace {

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
// units and links the overlay shows.
struct Branch {
    std::string Text;
    std::vector<int> Vars;
    std::vector<int> Units;
    std::vector<Var_Link> Links;
    int Facts = 0;
};

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
                  Reason_Text(shape, c.Reason, c.Unit, -1, c.Node);
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
        if (c.Reason == Why::Only_Place && c.Unit >= 0) {
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

// The shortest chain found so far, as a step.
struct Best_Chain {
    bool Found = false;
    int Facts = 0;
    Step Made;

    bool Beats(int facts) const { return !Found || facts < Facts; }

    void Take(int facts, const std::vector<Branch>& branches, const std::string& text, int node,
              int base_rating) {
        Found = true;
        Facts = facts;
        Made = Step{};
        const int v = Var_Of(node);
        const int n = Number_Of(node);
        if (Is_On(node)) {
            Made.Var_Placements.push_back({v, n});
        } else {
            Made.Var_Eliminations.push_back({v, n});
        }
        for (const Branch& b : branches) {
            for (int x : b.Vars) {
                if (std::find(Made.Cell_Vars.begin(), Made.Cell_Vars.end(), x) ==
                    Made.Cell_Vars.end()) {
                    Made.Cell_Vars.push_back(x);
                }
            }
            for (int u : b.Units) {
                if (std::find(Made.Unit_Indices.begin(), Made.Unit_Indices.end(), u) ==
                    Made.Unit_Indices.end()) {
                    Made.Unit_Indices.push_back(u);
                }
            }
            Made.Var_Links.insert(Made.Var_Links.end(), b.Links.begin(), b.Links.end());
        }
        Made.Text = text;
        Made.Rating = base_rating + Chain_Length_Rating(facts);
    }

    bool Give(Step& step) const {
        if (!Found) {
            return false;
        }
        const Technique kind = step.Kind;
        step = Made;
        step.Kind = kind;
        return true;
    }
};

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

// Plain chains: a candidate on that forces itself off, or off that forces itself on.
bool Alternating(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    Propagation p(state, Mode::Plain);
    Best_Chain best;
    for (int on : Open_Candidates(state)) {
        for (const int start : {on, Negation(on)}) {
            if (Search_Cancelled()) {
                return false;
            }
            // With the plain links every conflict closes a loop through the start: the two
            // ways from it meet in a fact and its negation.
            p.Run({start}, true);
            const Conflict c = p.Against_Start.Kind != Conflict::None ? p.Against_Start : p.Broken;
            if (c.Kind == Conflict::None) {
                continue;
            }
            Branch b = Describe_Conflict(p, shape, c);
            if (!best.Beats(b.Facts)) {
                continue;
            }
            // A chain on one number all along rates lower than one that mixes numbers.
            bool one_number = true;
            for (const Var_Link& l : b.Links) {
                one_number = one_number && l.Number_From == l.Number_To;
            }
            const std::string text = "Alternating inference chain: " + b.Text + "; so " +
                                     Cannot_Text(shape, Negation(start)) + ".";
            best.Take(b.Facts, {b}, text, Negation(start), one_number ? 66 : 70);
        }
    }
    return best.Give(step);
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

bool Find_Alternating_Chain(const Logic_State& state, Step& step) {
    return Alternating(state, step);
}

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
