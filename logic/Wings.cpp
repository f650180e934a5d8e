// XY-Wing and XYZ-Wing.

#include "logic/Technique_Finders.h"

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
    const std::string pivot_text =
        shape.Cell_Name(pivot) + " (" + Numbers_Text(shape, board, state.Candidates(pivot)) + ")";
    const std::string first_text =
        shape.Cell_Name(first) + " (" + Numbers_Text(shape, board, state.Candidates(first)) + ")";
    const std::string second_text =
        shape.Cell_Name(second) + " (" + Numbers_Text(shape, board, state.Candidates(second)) + ")";
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

bool Find_XY_Wing(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int pivot = 0; pivot < state.Var_Count(); ++pivot) {
        const Number_Set xy = state.Candidates(pivot);
        if (state.Value(pivot) != 0 || Number_Count(xy) != 2) {
            continue;
        }
        const std::vector<int>& peers = shape.Structure.Peers[pivot];
        for (int a : peers) {
            const Number_Set xz = state.Candidates(a);
            if (Number_Count(xz) != 2 || Number_Count(xz & xy) != 1 || xz == xy) {
                continue;
            }
            const Number_Set x = xz & xy;
            const Number_Set z = xz & ~xy;
            const Number_Set y = xy & ~x;
            for (int b : peers) {
                if (b == a || state.Candidates(b) != (y | z)) {
                    continue;
                }
                if (Wing_Step(state, Technique::XY_Wing, pivot, a, b, Lowest_Number_Of(z), step)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool Find_XYZ_Wing(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int pivot = 0; pivot < state.Var_Count(); ++pivot) {
        const Number_Set xyz = state.Candidates(pivot);
        if (state.Value(pivot) != 0 || Number_Count(xyz) != 3) {
            continue;
        }
        const std::vector<int>& peers = shape.Structure.Peers[pivot];
        for (int a : peers) {
            const Number_Set xz = state.Candidates(a);
            if (Number_Count(xz) != 2 || (xz & ~xyz) != 0) {
                continue;
            }
            for (int b : peers) {
                const Number_Set yz = state.Candidates(b);
                if (b <= a || Number_Count(yz) != 2 || (yz & ~xyz) != 0 || yz == xz) {
                    continue;
                }
                const int z = Lowest_Number_Of(xz & yz);
                if (Wing_Step(state, Technique::XYZ_Wing, pivot, a, b, z, step)) {
                    return true;
                }
            }
        }
    }
    return false;
}
