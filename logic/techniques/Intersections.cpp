// Locked candidates: when every place of a number in one unit also lies in a second unit,
// the number is in that intersection, so the second unit's other cells cannot hold it. This
// covers pointing (block to line), claiming (line to block) and the same between regions,
// lines and blocks, on any board and across boards.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

bool Find_Locked_Candidates(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    for (std::size_t a = 0; a < s.Units.size(); ++a) {
        if (!shape.Full_Unit[a]) {
            continue;
        }
        const int unit_a = static_cast<int>(a);
        const Number_Set open = ~Placed_In_Unit(state, unit_a);
        for (int n = 1; n <= shape.Unit_Numbers[a]; ++n) {
            if ((open & Bit_Of(n)) == 0) {
                continue;
            }
            const std::vector<int> places = Places_In_Unit(state, unit_a, n);
            if (places.size() < 2) {
                continue;
            }
            for (int b : shape.Units_Of_Var[places[0]]) {
                if (b == unit_a || !std::all_of(places.begin(), places.end(),
                                                [&](int v) { return shape.Unit_Contains(b, v); })) {
                    continue;
                }
                std::vector<int> targets;
                for (int v : s.Units[b]) {
                    if ((state.Candidates(v) & Bit_Of(n)) != 0 && !shape.Unit_Contains(unit_a, v)) {
                        targets.push_back(v);
                        step.Var_Eliminations.push_back({v, n});
                    }
                }
                if (targets.empty()) {
                    continue;
                }
                const int board_a = shape.Board_Of_Unit(unit_a);
                const int board = board_a >= 0 ? board_a : shape.Board_Of_Var(places[0]);
                const std::string number = shape.Number_Text(board, n);
                step.Unit_Indices = {unit_a, b};
                // Pointing (from a block to a line) is the easier to see; claiming the other.
                step.Rating = s.Unit_Ids[a].Kind == Unit_Kind::Block ? 26 : 28;
                step.Cell_Vars = places;
                step.Text = "Locked candidates: in " + shape.Unit_Name(unit_a) + ", " + number +
                            " can only go where it meets " + shape.Unit_Name(b) +
                            ", so the other cells of " + shape.Unit_Name(b) + " cannot hold " +
                            number + " (" + Cells_In_Unit_Text(shape, targets, b) + ").";
                return true;
            }
        }
    }
    return false;
}
