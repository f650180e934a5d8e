// Techniques that rest on the puzzle having one solution, used only when the solver has said
// so: unique rectangles (types 1 to 4), the hidden rectangle and BUG+1.
//
// A deadly pattern is four open cells a, b, c, d on two numbers x and y, a and d opposite,
// where every unit that holds one of them holds exactly two, one of {a, d} and one of {b, c}.
// If a and d held x and b and c held y, swapping the two numbers would give a second
// solution; the givens are not among them, so one solution means the cells cannot all be left
// with only x and y. This is a rule on units, so it holds on any shape: across boards, on
// shared cells and with custom regions.
//
// BUG+1: when every open cell but one has two numbers, and each number stands twice in every
// unit where it stands at all, except three times in the units of the cell with three, that
// number is the one the cell holds: without it the numbers would pair up into none or at
// least two solutions.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

namespace {

struct Rectangle {
    int Cells[4]; // a, b, c, d: a and d opposite
    int X = 0;
    int Y = 0;
};

bool Deadly(const Logic_Shape& shape, const int cells[4]) {
    for (int i = 0; i < 4; ++i) {
        for (int u : shape.Units_Of_Var[cells[i]]) {
            int count = 0;
            int other = -1;
            for (int j = 0; j < 4; ++j) {
                if (shape.Unit_Contains(u, cells[j])) {
                    ++count;
                    if (j != i) {
                        other = j;
                    }
                }
            }
            if (count != 2 || other == 3 - i) {
                return false;
            }
        }
    }
    return true;
}

// Calls visit for every deadly pattern with one corner (a) left with only its two numbers,
// until it returns true.
template <typename Visit> bool For_Each_Rectangle(const Logic_State& state, Visit visit) {
    const Logic_Shape& shape = state.Shape();
    const auto& peers = shape.Structure.Peers;
    for (int a = 0; a < state.Var_Count(); ++a) {
        const Number_Set xy = state.Candidates(a);
        if (Number_Count(xy) != 2) {
            continue;
        }
        auto holds = [&](int v) { return (state.Candidates(v) & xy) == xy; };
        for (int b : peers[a]) {
            if (!holds(b)) {
                continue;
            }
            for (int c : peers[a]) {
                if (c <= b || !holds(c) || shape.Sees(b, c)) {
                    continue;
                }
                for (int d : peers[b]) {
                    if (d == a || !holds(d) || !shape.Sees(c, d)) {
                        continue;
                    }
                    Rectangle r{{a, b, c, d}, Lowest_Number_Of(xy),
                                Lowest_Number_Of(xy & (xy - 1))};
                    if (Deadly(shape, r.Cells) && visit(r)) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

std::string Corners_Text(const Logic_Shape& shape, const Rectangle& r) {
    return Cells_Text(shape, {r.Cells[0], r.Cells[1], r.Cells[3], r.Cells[2]}, -1);
}

std::string Pair_Text(const Logic_Shape& shape, const Rectangle& r) {
    const int board = shape.Board_Of_Var(r.Cells[0]);
    return shape.Number_Text(board, r.X) + " and " + shape.Number_Text(board, r.Y);
}

std::string Deadly_Text(const Logic_Shape& shape, const Rectangle& r) {
    return Corners_Text(shape, r) + " must not be left with only " + Pair_Text(shape, r) +
           ", or the puzzle would have two solutions";
}

// The corners with numbers beside x and y.
std::vector<int> Roof(const Logic_State& state, const Rectangle& r) {
    std::vector<int> roof;
    for (int v : r.Cells) {
        if (state.Candidates(v) != (Bit_Of(r.X) | Bit_Of(r.Y))) {
            roof.push_back(v);
        }
    }
    return roof;
}

void Start(const Rectangle& r, Step& step) {
    step.Cell_Vars.assign(std::begin(r.Cells), std::end(r.Cells));
}

// The units that hold both cells.
std::vector<int> Shared_Units(const Logic_Shape& shape, int a, int b) {
    std::vector<int> out;
    for (int u : shape.Units_Of_Var[a]) {
        if (shape.Unit_Contains(u, b)) {
            out.push_back(u);
        }
    }
    return out;
}

} // namespace

bool Find_Unique_Rectangle_1(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    return For_Each_Rectangle(state, [&](const Rectangle& r) {
        const std::vector<int> roof = Roof(state, r);
        if (roof.size() != 1) {
            return false;
        }
        Start(r, step);
        Add_Eliminations(state, roof[0], Bit_Of(r.X) | Bit_Of(r.Y), step);
        const int board = shape.Board_Of_Var(roof[0]);
        step.Text = "Unique rectangle type 1: " + Deadly_Text(shape, r) + ", so " +
                    shape.Cell_Name(roof[0]) + " cannot hold " + shape.Number_Text(board, r.X) +
                    " or " + shape.Number_Text(board, r.Y) + ".";
        return true;
    });
}

bool Find_Unique_Rectangle_2(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    return For_Each_Rectangle(state, [&](const Rectangle& r) {
        const std::vector<int> roof = Roof(state, r);
        const Number_Set xy = Bit_Of(r.X) | Bit_Of(r.Y);
        if (roof.size() != 2 || !shape.Sees(roof[0], roof[1])) {
            return false;
        }
        const Number_Set extra = state.Candidates(roof[0]) & ~xy;
        if (Number_Count(extra) != 1 || (state.Candidates(roof[1]) & ~xy) != extra) {
            return false;
        }
        const int z = Lowest_Number_Of(extra);
        const std::vector<int> targets = Seeing_All(state, {roof[0], roof[1]}, z);
        if (targets.empty()) {
            return false;
        }
        Start(r, step);
        for (int v : targets) {
            step.Var_Eliminations.push_back({v, z});
        }
        const std::string number = shape.Number_Text(shape.Board_Of_Var(roof[0]), z);
        step.Text = "Unique rectangle type 2: " + Deadly_Text(shape, r) + ", so " +
                    Cells_Text(shape, roof, -1) + " holds " + number + ", and " +
                    Cells_Text(shape, targets, -1) + ", which see" +
                    (targets.size() == 1 ? "s" : "") + " both, cannot hold " + number + ".";
        return true;
    });
}

bool Find_Unique_Rectangle_4(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    return For_Each_Rectangle(state, [&](const Rectangle& r) {
        const std::vector<int> roof = Roof(state, r);
        if (roof.size() != 2) {
            return false;
        }
        for (int u : Shared_Units(shape, roof[0], roof[1])) {
            for (const auto& [x, y] : {std::pair{r.X, r.Y}, std::pair{r.Y, r.X}}) {
                if (Open_Places(state, u, x).size() != 2) {
                    continue;
                }
                Start(r, step);
                step.Unit_Indices = {u};
                for (int v : roof) {
                    step.Var_Eliminations.push_back({v, y});
                }
                const int board = shape.Writing_Board(u);
                step.Text = "Unique rectangle type 4: " + Deadly_Text(shape, r) + "; in " +
                            shape.Unit_Name(u) + ", " + shape.Number_Text(board, x) +
                            " can only go in " + Cells_In_Unit_Text(shape, roof, u) +
                            ", so neither can hold " + shape.Number_Text(board, y) + ".";
                return true;
            }
        }
        return false;
    });
}

bool Find_Unique_Rectangle_3(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    return For_Each_Rectangle(state, [&](const Rectangle& r) {
        const std::vector<int> roof = Roof(state, r);
        const Number_Set xy = Bit_Of(r.X) | Bit_Of(r.Y);
        if (roof.size() != 2) {
            return false;
        }
        // The roof holds one of its extra numbers: with k other cells of a unit holding only
        // k + 1 numbers with them, those numbers are locked in there.
        const Number_Set extra = (state.Candidates(roof[0]) | state.Candidates(roof[1])) & ~xy;
        for (int u : Shared_Units(shape, roof[0], roof[1])) {
            std::vector<int> others;
            for (int v : shape.Structure.Units[u]) {
                if (state.Value(v) == 0 && v != roof[0] && v != roof[1] &&
                    Number_Count(state.Candidates(v)) <= 4) {
                    others.push_back(v);
                }
            }
            for (int k = 1; k <= 3; ++k) {
                const bool found = For_Each_Combination(
                    static_cast<int>(others.size()), k, [&](const std::vector<int>& pick) {
                        Number_Set all = extra;
                        std::vector<int> subset;
                        for (int i : pick) {
                            all |= state.Candidates(others[i]);
                            subset.push_back(others[i]);
                        }
                        if (Number_Count(all) != k + 1) {
                            return false;
                        }
                        step.Var_Eliminations.clear();
                        std::vector<int> targets;
                        for (int v : others) {
                            if (std::find(subset.begin(), subset.end(), v) == subset.end() &&
                                (state.Candidates(v) & all) != 0) {
                                targets.push_back(v);
                                Add_Eliminations(state, v, all, step);
                            }
                        }
                        for (int v : shape.Structure.Units[u]) {
                            if (state.Value(v) == 0 && v != roof[0] && v != roof[1] &&
                                Number_Count(state.Candidates(v)) > 4 &&
                                (state.Candidates(v) & all) != 0) {
                                targets.push_back(v);
                                Add_Eliminations(state, v, all, step);
                            }
                        }
                        if (targets.empty()) {
                            return false;
                        }
                        Start(r, step);
                        step.Cell_Vars.insert(step.Cell_Vars.end(), subset.begin(), subset.end());
                        step.Unit_Indices = {u};
                        step.Rating = 45 + k;
                        const int board = shape.Writing_Board(u);
                        step.Text = "Unique rectangle type 3: " + Deadly_Text(shape, r) +
                                    ", so " + Cells_In_Unit_Text(shape, roof, u) + " hold" +
                                    " one of " + Numbers_Text(shape, board, extra) +
                                    "; with " + Cells_In_Unit_Text(shape, subset, u) +
                                    " they hold " + Numbers_Text(shape, board, all) + " in " +
                                    shape.Unit_Name(u) + ", so " +
                                    Cells_In_Unit_Text(shape, targets, u) +
                                    " cannot hold them.";
                        return true;
                    });
                if (found) {
                    return true;
                }
            }
        }
        return false;
    });
}

bool Find_Hidden_Rectangle(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    return For_Each_Rectangle(state, [&](const Rectangle& r) {
        const int b = r.Cells[1];
        const int c = r.Cells[2];
        const int d = r.Cells[3];
        if (Number_Count(state.Candidates(d)) == 2) {
            return false;
        }
        for (const auto& [x, y] : {std::pair{r.X, r.Y}, std::pair{r.Y, r.X}}) {
            int via_b = -1;
            int via_c = -1;
            for (int u : Shared_Units(shape, b, d)) {
                via_b = via_b < 0 && Open_Places(state, u, x).size() == 2 ? u : via_b;
            }
            for (int u : Shared_Units(shape, c, d)) {
                via_c = via_c < 0 && Open_Places(state, u, x).size() == 2 ? u : via_c;
            }
            if (via_b < 0 || via_c < 0) {
                continue;
            }
            Start(r, step);
            step.Unit_Indices = {via_b, via_c};
            step.Var_Eliminations.push_back({d, y});
            const int board = shape.Board_Of_Var(d);
            const std::string xs = shape.Number_Text(board, x);
            const std::string ys = shape.Number_Text(board, y);
            step.Text = "Hidden rectangle: " + Deadly_Text(shape, r) + "; " + xs +
                        " can only go in " + Cells_Text(shape, {b, d}, -1) + " in " +
                        shape.Unit_Name(via_b) + " and in " + Cells_Text(shape, {c, d}, -1) +
                        " in " + shape.Unit_Name(via_c) + ", so if " + shape.Cell_Name(d) +
                        " held " + ys + " the four would hold only " + Pair_Text(shape, r) +
                        "; it cannot hold " + ys + ".";
            return true;
        }
        return false;
    });
}

bool Find_Bug_Plus_One(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    int three = -1;
    for (int v = 0; v < state.Var_Count(); ++v) {
        const int count = Number_Count(state.Candidates(v));
        if (state.Value(v) != 0) {
            continue;
        }
        if (count == 3 && three < 0) {
            three = v;
        } else if (count != 2) {
            return false;
        }
    }
    if (three < 0) {
        return false;
    }
    int z = 0;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        const bool holds_three = shape.Unit_Contains(static_cast<int>(u), three);
        for (Number_Set rest = All_Numbers(shape.Unit_Numbers[u]); rest != 0; rest &= rest - 1) {
            const int n = Lowest_Number_Of(rest);
            const std::size_t count = Places_In_Unit(state, static_cast<int>(u), n).size();
            if (count == 0 || count == 2) {
                continue;
            }
            if (count != 3 || !holds_three || (z != 0 && z != n) ||
                (state.Candidates(three) & Bit_Of(n)) == 0) {
                return false;
            }
            z = n;
        }
    }
    if (z == 0) {
        return false;
    }
    for (int u : shape.Units_Of_Var[three]) {
        if (Places_In_Unit(state, u, z).size() != 3) {
            return false; // without z this unit would not pair its numbers up
        }
    }
    step.Cell_Vars = {three};
    step.Var_Placements = {{three, z}};
    const std::string number = shape.Number_Text(shape.Board_Of_Var(three), z);
    step.Text = "BUG+1: every open cell but " + shape.Cell_Name(three) +
                " has two numbers, and each number stands twice in its units but " + number +
                " three times around that cell; without " + number +
                " the puzzle would have no or two solutions, so " + shape.Cell_Name(three) +
                " holds " + number + ".";
    return true;
}
