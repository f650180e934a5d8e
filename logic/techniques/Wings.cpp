// XY-Wing, XYZ-Wing, WXYZ-Wing and aligned pair exclusion.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

namespace {

// pivot with the numbers of the wing, two pincers that see it; z is the number the pincers
// share. Fills the step when some cell loses z.
bool Wing_Step(const Logic_State& state, Technique kind, int pivot, int first, int second, int z,
               Step& step) {
    const Logic_Shape& shape = state.Shape();
    // Seeing_All leaves out the cells it is given, and an XY-Wing's pivot does not hold z.
    const std::vector<int> kept = kind == Technique::XYZ_Wing
                                      ? Seeing_All(state, {first, second, pivot}, z)
                                      : Seeing_All(state, {first, second}, z);
    if (kept.empty()) {
        return false;
    }
    for (int v : kept) {
        step.Var_Eliminations.push_back({v, z});
    }
    step.Cell_Vars = {pivot, first, second};
    const int board = shape.Board_Of_Var(pivot);
    const std::string number = shape.Number_Text(board, z);
    const auto with_numbers = [&](int v) {
        return shape.Cell_Name(v) + " (" + Numbers_Text(shape, board, state.Candidates(v)) + ")";
    };
    const std::string pivot_text = with_numbers(pivot);
    const std::string first_text = with_numbers(first);
    const std::string second_text = with_numbers(second);
    if (kind == Technique::XY_Wing) {
        step.Text = "XY-Wing: whichever number " + pivot_text + " holds, " + first_text + " or " +
                    second_text + " holds " + number + ", so " + Cells_Text(shape, kept, -1) +
                    ", which see" + (kept.size() == 1 ? "s" : "") + " both, cannot hold " + number +
                    ".";
    } else {
        step.Text = "XYZ-Wing: one of " + pivot_text + ", " + first_text + " and " + second_text +
                    " holds " + number + ", so " + Cells_Text(shape, kept, -1) + ", which see" +
                    (kept.size() == 1 ? "s" : "") + " all three, cannot hold " + number + ".";
    }
    return true;
}

} // namespace

// The pivot holds xy (XY-Wing) or xyz (XYZ-Wing); pincer a holds xz and pincer b yz, each
// seeing the pivot. In an XY-Wing a shares only x with the pivot and b holds the other two; in
// an XYZ-Wing both pincers hold two of the pivot's three numbers (each pair is tried once).
bool Find_Wing(const Logic_State& state, Technique kind, Step& step) {
    const bool xyz = kind == Technique::XYZ_Wing;
    const Logic_Shape& shape = state.Shape();
    for (int pivot = 0; pivot < state.Var_Count(); ++pivot) {
        const Number_Set p = state.Candidates(pivot);
        if (state.Value(pivot) != 0 || Number_Count(p) != (xyz ? 3 : 2)) {
            continue;
        }
        const std::vector<int>& peers = shape.Structure.Peers[pivot];
        for (int a : peers) {
            const Number_Set xz = state.Candidates(a);
            if (Number_Count(xz) != 2 || Number_Count(xz & p) != (xyz ? 2 : 1)) {
                continue;
            }
            for (int b : peers) {
                const Number_Set yz = state.Candidates(b);
                const bool fits = xyz ? b > a && Number_Count(yz) == 2 && (yz & ~p) == 0 && yz != xz
                                      : b != a && yz == ((p & ~xz) | (xz & ~p));
                if (fits && Wing_Step(state, kind, pivot, a, b, Lowest_Number_Of(xz & yz), step)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool Find_XY_Wing(const Logic_State& state, Step& step) {
    return Find_Wing(state, Technique::XY_Wing, step);
}

bool Find_XYZ_Wing(const Logic_State& state, Step& step) {
    return Find_Wing(state, Technique::XYZ_Wing, step);
}

// WXYZ-Wing: four cells, a pivot and three that see it, holding four numbers between them,
// where every number but one (z) stands only in cells that all see each other. Of each such
// number the four hold at most one, so z stands in at least one of them: a cell that sees
// every one of them holding z cannot hold it.
bool Find_WXYZ_Wing(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int pivot = 0; pivot < state.Var_Count(); ++pivot) {
        const Number_Set p = state.Candidates(pivot);
        if (state.Value(pivot) != 0 || Number_Count(p) < 2 || Number_Count(p) > 4) {
            continue;
        }
        std::vector<int> wings;
        for (int v : shape.Structure.Peers[pivot]) {
            const int count = Number_Count(state.Candidates(v));
            if (count >= 2 && count <= 4 && Number_Count(state.Candidates(v) | p) <= 4) {
                wings.push_back(v);
            }
        }
        const bool found = For_Each_Combination(
            static_cast<int>(wings.size()), 3, [&](const std::vector<int>& pick) {
                const int cells[4] = {pivot, wings[pick[0]], wings[pick[1]], wings[pick[2]]};
                Number_Set all = 0;
                for (int v : cells) {
                    all |= state.Candidates(v);
                }
                if (Number_Count(all) != 4) {
                    return false;
                }
                int z = 0;
                for (Number_Set rest = all; rest != 0; rest &= rest - 1) {
                    const int n = Lowest_Number_Of(rest);
                    bool restricted = true;
                    for (int i = 0; i < 4 && restricted; ++i) {
                        for (int j = i + 1; j < 4 && restricted; ++j) {
                            restricted = (state.Candidates(cells[i]) & Bit_Of(n)) == 0 ||
                                         (state.Candidates(cells[j]) & Bit_Of(n)) == 0 ||
                                         shape.Sees(cells[i], cells[j]);
                        }
                    }
                    if (!restricted) {
                        if (z != 0) {
                            return false;
                        }
                        z = n;
                    }
                }
                if (z == 0) {
                    return false; // four cells with four numbers that all see: a naked quad
                }
                std::vector<int> holders;
                for (int v : cells) {
                    if ((state.Candidates(v) & Bit_Of(z)) != 0) {
                        holders.push_back(v);
                    }
                }
                std::vector<int> targets;
                for (int v : shape.Structure.Peers[holders[0]]) {
                    if ((state.Candidates(v) & Bit_Of(z)) != 0 &&
                        std::find(std::begin(cells), std::end(cells), v) == std::end(cells) &&
                        std::all_of(holders.begin(), holders.end(),
                                    [&](int h) { return shape.Sees(v, h); })) {
                        targets.push_back(v);
                    }
                }
                if (targets.empty()) {
                    return false;
                }
                for (int v : targets) {
                    step.Var_Eliminations.push_back({v, z});
                }
                step.Cell_Vars.assign(std::begin(cells), std::end(cells));
                const int board = shape.Board_Of_Var(pivot);
                std::vector<std::string> named;
                for (int v : cells) {
                    named.push_back(shape.Cell_Name(v) + " (" +
                                    Numbers_Text(shape, board, state.Candidates(v)) + ")");
                }
                const std::string number = shape.Number_Text(board, z);
                step.Text = "WXYZ-Wing: " + Join_Words(named) + " hold only " +
                            Numbers_Text(shape, board, all) + ", each but " + number +
                            " at most once, so one of them holds " + number + ", and " +
                            Cells_Text(shape, targets, -1) + ", which see" +
                            (targets.size() == 1 ? "s" : "") + " every one holding " + number +
                            ", cannot hold " + number + ".";
                return true;
            });
        if (found) {
            return true;
        }
    }
    return false;
}

// Aligned pair exclusion: two cells that share a unit. A pair of numbers for them is ruled out
// when they see each other and the numbers are equal, or when a cell that sees both has no
// number but those two. A number of the first cell that every pair rules out cannot stand
// there.
bool Find_Aligned_Pair_Exclusion(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int a = 0; a < state.Var_Count(); ++a) {
        if (state.Value(a) != 0 || Number_Count(state.Candidates(a)) < 2) {
            continue;
        }
        for (int b : shape.Structure.Peers[a]) {
            if (state.Value(b) != 0 || Number_Count(state.Candidates(b)) < 2) {
                continue;
            }
            // The cells that see both and hold at most two numbers.
            std::vector<int> both;
            for (int c : shape.Structure.Peers[a]) {
                if (c != b && state.Value(c) == 0 && Number_Count(state.Candidates(c)) == 2 &&
                    shape.Sees(c, b)) {
                    both.push_back(c);
                }
            }
            for (Number_Set rest = state.Candidates(a); rest != 0; rest &= rest - 1) {
                const int x = Lowest_Number_Of(rest);
                std::vector<int> blockers;
                bool all_out = true;
                for (Number_Set other = state.Candidates(b); other != 0 && all_out;
                     other &= other - 1) {
                    const int y = Lowest_Number_Of(other);
                    if (x == y) {
                        continue;
                    }
                    const auto c = std::find_if(both.begin(), both.end(), [&](int v) {
                        return state.Candidates(v) == (Bit_Of(x) | Bit_Of(y));
                    });
                    all_out = c != both.end();
                    if (all_out) {
                        blockers.push_back(*c);
                    }
                }
                if (!all_out || blockers.empty()) {
                    continue;
                }
                step.Var_Eliminations = {{a, x}};
                step.Cell_Vars = {a, b};
                for (int c : blockers) {
                    if (std::find(step.Cell_Vars.begin(), step.Cell_Vars.end(), c) ==
                        step.Cell_Vars.end()) {
                        step.Cell_Vars.push_back(c);
                    }
                }
                const int board = shape.Board_Of_Var(a);
                const std::string number = shape.Number_Text(board, x);
                const std::vector<int> emptied(step.Cell_Vars.begin() + 2, step.Cell_Vars.end());
                step.Text = "Aligned pair exclusion: if " + shape.Cell_Name(a) + " held " + number +
                            ", " + shape.Cell_Name(b) + " (" +
                            Numbers_Text(shape, board, state.Candidates(b)) +
                            ") could hold none of its numbers: each would leave " +
                            (emptied.size() > 1 ? "one of " : "") + Cells_Text(shape, emptied, -1) +
                            " empty or repeat " + number + "; so " + shape.Cell_Name(a) +
                            " cannot hold " + number + ".";
                return true;
            }
        }
    }
    return false;
}
