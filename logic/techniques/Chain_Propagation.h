#pragma once
// What the chain techniques share: facts (a candidate on or off) and the propagation that
// follows one assumption to everything it forces, keeping for each fact the facts it came
// from; the words that write a chain out link by link; the shortest chain kept as a step.
// Internal to the logic library (logic/techniques).
//
// A fact is a candidate on or off. From a fact on, every other number of its cell and the
// number in every cell that sees it are off. From a fact off, a cell left with one number
// holds it, and a unit left with one place for a number holds it there. The plain chains use
// only the links the candidates give before the assumption (a cell with two numbers, a unit
// with two places); the grouped ones also the cells of a number in a unit that all lie where it
// meets another unit, taken together; the dynamic ones use every fact found so far, and the
// strongest also locks a number in where two units meet and a pair of numbers in two cells of
// a unit.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/techniques/Technique_Finders.h"

namespace chains {

// Plain: the links of the candidates before the assumption. Grouped: those, and the cells of
// a number in a unit taken together when they all lie where it meets another unit (a group)
// or all came from one fact. Dynamic: every fact found so far; Dynamic_Locked also locked
// numbers and pairs.
enum class Mode { Plain, Grouped, Dynamic, Dynamic_Locked };

inline int Node_Of(int var, int number, bool on) {
    return (var * 32 + number - 1) * 2 + (on ? 1 : 0);
}
inline int Var_Of(int node) {
    return node / 64;
}
inline int Number_Of(int node) {
    return (node / 2) % 32 + 1;
}
inline bool Is_On(int node) {
    return (node & 1) != 0;
}
inline int Negation(int node) {
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
    int Second = -1;         // Locked: the unit the number is locked into; Pair: its cells
};

class Propagation {
  public:
    Propagation(const Logic_State& state, Mode mode)
        : State(state), Shape(state.Shape()), How(mode),
          Stamp(static_cast<std::size_t>(state.Var_Count()) * 64, 0),
          Index(Stamp.size(), 0), Reason(Stamp.size(), Why::Start), Reason_Unit(Stamp.size(), -1),
          Parent_Begin(Stamp.size(), 0), Parent_End(Stamp.size(), 0),
          Cands(state.Var_Count(), 0), Values(state.Var_Count(), 0), Second_Unit(Stamp.size(), -1),
          Depth(Stamp.size(), 0) {
        if (!Dynamic()) {
            Index_Places();
        }
    }

    // Follows the start facts to everything they force, until no fact is left to follow or,
    // when stop_at_conflict, until a rule breaks.
    // Facts of other numbers than this one are not followed (0: all are).
    int Only_Number = 0;
    // Facts this many links or more from the start are not followed (a search for the shortest
    // chain sets it from the best found so far).
    int Max_Depth = 1 << 30;

    void Run(const std::vector<int>& starts, bool stop_at_conflict) {
        ++Current;
        Order.clear();
        Pool.clear();
        Broken = Conflict{};
        Against_Start = Conflict{};
        Loops.clear();
        if (Dynamic()) {
            for (int v = 0; v < State.Var_Count(); ++v) {
                Cands[v] = State.Candidates(v);
                Values[v] = State.Value(v);
            }
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
            if (Depth[node] >= Max_Depth) {
                continue;
            }
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
    // From a single start off (plain and grouped links): the ways the start followed again
    // from a fact on that excludes it, after at least two more facts: each closes a loop, the
    // first found the shortest (at most a few are kept).
    std::vector<Conflict> Loops;

  private:
    void Derive(int node, std::initializer_list<int> parents, Why why, int unit) {
        Derive_From(node, parents.begin(), parents.end(), why, unit);
    }

    static constexpr std::size_t Most_Loops = 6;

    template <typename It>
    void Derive_From(int node, It first, It last, Why why, int unit, int second = -1) {
        if (node == Start_Node && !Is_On(node) && !Dynamic() && Loops.size() < Most_Loops &&
            (why == Why::Sees || why == Why::Same_Cell || why == Why::Locked)) {
            int depth = 0;
            for (It i = first; i != last; ++i) {
                depth = std::max(depth, Depth[*i]);
            }
            if (depth >= 2) {
                Conflict loop;
                loop.Kind = Conflict::Both_Ways;
                loop.Node = node;
                loop.Unit = unit;
                loop.Reason = why;
                loop.Second = second;
                loop.Parents.assign(first, last);
                Loops.push_back(std::move(loop));
            }
        }
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
            c.Second = second;
            c.Parents.assign(first, last);
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
        Second_Unit[node] = second;
        Parent_Begin[node] = static_cast<int>(Pool.size());
        int depth = -1;
        for (It i = first; i != last; ++i) {
            depth = std::max(depth, Depth[*i]);
        }
        Depth[node] = depth + 1;
        Pool.insert(Pool.end(), first, last);
        Parent_End[node] = static_cast<int>(Pool.size());
        Order.push_back(node);
    }

    bool Dynamic() const { return How == Mode::Dynamic || How == Mode::Dynamic_Locked; }

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
                        Derive_From(off, parents.begin(), parents.end(), Why::Pair, u,
                                    v * 65536 + w);
                    }
                }
            }
        }
    }

    void Follow_Unit(int node, int u, int n) {
        const std::vector<int>& unit = Shape.Structure.Units[u];
        if (!Dynamic()) {
            const int* first = Places_Of(u, n);
            const int count = static_cast<int>(Places_Of(u, n + 1) - first);
            if (count == 2) {
                const int other = first[0] == Var_Of(node) ? first[1] : first[0];
                Derive(Node_Of(other, n, true), {node}, Why::Only_Place, u);
            } else if (How == Mode::Grouped && count > 2) {
                Follow_Group(node, u, n);
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
        Conclude_Places(node, u, n, parents, How == Mode::Dynamic_Locked, true);
    }

    // The places of each number in each unit that must hold every number, at the start: the
    // plain and grouped links. Places_Of(u, n + 1) ends those of n.
    void Index_Places() {
        const Constraint_Structure& s = Shape.Structure;
        Place_Start.assign(s.Units.size() * 32 + 1, 0);
        Place_Cells.clear();
        for (std::size_t u = 0; u < s.Units.size(); ++u) {
            Number_Set placed = 0;
            for (int w : s.Units[u]) {
                placed |= State.Value(w) != 0 ? Bit_Of(State.Value(w)) : 0;
            }
            for (int n = 1; n <= 32; ++n) {
                Place_Start[u * 32 + n - 1] = static_cast<int>(Place_Cells.size());
                if (!Shape.Full_Unit[u] || n > Shape.Unit_Numbers[u] ||
                    (placed & Bit_Of(n)) != 0) {
                    continue;
                }
                for (int w : s.Units[u]) {
                    if ((State.Candidates(w) & Bit_Of(n)) != 0) {
                        Place_Cells.push_back(w);
                    }
                }
            }
        }
        Place_Start.back() = static_cast<int>(Place_Cells.size());
    }
    const int* Places_Of(int u, int n) const {
        return Place_Cells.data() + Place_Start[static_cast<std::size_t>(u) * 32 + n - 1];
    }

    bool Same_Parents(int a, int b) const {
        const int length = Parent_End[a] - Parent_Begin[a];
        return length > 0 && length == Parent_End[b] - Parent_Begin[b] &&
               std::equal(Pool.begin() + Parent_Begin[a], Pool.begin() + Parent_End[a],
                          Pool.begin() + Parent_Begin[b]);
    }

    // The grouped links of a number in a unit that holds it in more than two places: the fact
    // off and the others of the unit that came from the same facts are one node of the chain
    // (a group off); when one place is left, it holds the number; when the places left all lie
    // where the unit meets another unit (a group on), the other cells of that unit cannot hold
    // it.
    void Follow_Group(int node, int u, int n) {
        const int v = Var_Of(node);
        std::vector<int>& group = Unit_Parents;
        group.clear();
        Left.clear();
        for (const int* w_at = Places_Of(u, n); w_at != Places_Of(u, n + 1); ++w_at) {
            const int w = *w_at;
            const int off = Node_Of(w, n, false);
            if (w == v || (Known(off) && Same_Parents(off, node))) {
                group.push_back(off);
            } else {
                Left.push_back(w);
            }
        }
        Conclude_Places(node, u, n, group, true, false);
    }

    // What the places Left of number n in unit u give, the facts in parents having taken its
    // other places: none left breaks a rule; one left holds the number; places that all lie in
    // another unit too lock the number there, so that unit's other cells cannot hold it (when
    // locked). live: the candidates are the run's own (a dynamic run), not the start's.
    void Conclude_Places(int node, int u, int n, const std::vector<int>& parents, bool locked,
                         bool live) {
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
        if (!locked) {
            return;
        }
        for (int b : Shape.Units_Of_Var[Left[0]]) {
            if (b == u || !std::all_of(Left.begin(), Left.end(),
                                       [&](int w) { return Shape.Unit_Contains(b, w); })) {
                continue;
            }
            for (int x : Shape.Structure.Units[b]) {
                const Number_Set candidates = live ? Cands[x] : State.Candidates(x);
                if ((candidates & Bit_Of(n)) != 0 && !Shape.Unit_Contains(u, x)) {
                    Derive_From(Node_Of(x, n, false), parents.begin(), parents.end(), Why::Locked,
                                u, b);
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
    std::vector<int> Depth; // facts from the start to the fact, along its longest line
    std::vector<int> Place_Start;
    std::vector<int> Place_Cells;
    std::vector<int> Visited;
    int Visit_Mark = 0;
};


std::string Number_Word(const Logic_Shape& shape, int node);
// "row 1, column 3 is 5", "... is not 5".
std::string Fact_Text(const Logic_Shape& shape, int node);
// Why a fact followed, in a few words, or nothing when seeing it is enough.
std::string Reason_Text(const Logic_Shape& shape, Why why, int unit, int locked_unit, int node);

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
Branch Describe(const Propagation& p, const Logic_Shape& shape, const std::vector<int>& facts);
// The branch that ends in the conflict, and the words for it.
Branch Describe_Conflict(Propagation& p, const Logic_Shape& shape, const Conflict& c);

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

// "row 1, column 3 cannot hold 5" ("holds" for a fact on).
std::string Cannot_Text(const Logic_Shape& shape, int node);
// The open candidates of the state as facts on.
std::vector<int> Open_Candidates(const Logic_State& state);
// A fact worth concluding: it places a number or removes a candidate still there.
bool Useful(const Logic_State& state, int node);

// The alternating chains with the links of the mode (plain or grouped), rated one_number when
// every link stays on one number, else mixed (in tenths, before the length).
bool Find_Alternating(const Logic_State& state, Mode mode, const char* name, int one_number,
                      int mixed, Step& step);

} // namespace chains
