// XY-Wing and XYZ-Wing.

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
