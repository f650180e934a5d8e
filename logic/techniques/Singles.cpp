// Full house, naked single and hidden single: the steps that place a number.

#include "logic/techniques/Technique_Finders.h"

namespace {

void Place_Step(int var, int number, Step& step) {
    step.Cell_Vars.push_back(var);
    step.Var_Placements.push_back({var, number});
}

} // namespace

bool Find_Full_House(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        if (!shape.Full_Unit[u]) {
            continue;
        }
        int empty = -1;
        int count = 0;
        for (int v : s.Units[u]) {
            if (state.Value(v) == 0) {
                empty = v;
                ++count;
            }
        }
        if (count != 1) {
            continue;
        }
        const int unit = static_cast<int>(u);
        const Number_Set missing =
            All_Numbers(shape.Unit_Numbers[u]) & ~Placed_In_Unit(state, unit);
        if (Number_Count(missing) != 1 || (state.Candidates(empty) & missing) == 0) {
            continue; // a broken unit; the state's check reports it
        }
        const int n = Lowest_Number_Of(missing);
        const int board = shape.Board_Of_Unit(unit);
        Place_Step(empty, n, step);
        step.Unit_Indices.push_back(unit);
        step.Text = "Full house: " + shape.Cell_Name(empty, board) + " is the last empty cell of " +
                    shape.Unit_Name(unit) + ", so it holds " +
                    shape.Number_Text(shape.Writing_Board(unit), n) + ".";
        return true;
    }
    return false;
}

bool Find_Naked_Single(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int v = 0; v < state.Var_Count(); ++v) {
        if (state.Value(v) == 0 && Number_Count(state.Candidates(v)) == 1) {
            const int n = Lowest_Number_Of(state.Candidates(v));
            Place_Step(v, n, step);
            step.Text = "Naked single: " + shape.Cell_Name(v) + " can only hold " +
                        shape.Number_Text(shape.Board_Of_Var(v), n) + ".";
            return true;
        }
    }
    return false;
}

bool Find_Hidden_Single(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        if (!shape.Full_Unit[u]) {
            continue;
        }
        // once: numbers seen in exactly one unplaced cell so far.
        Number_Set once = 0;
        Number_Set seen = 0;
        for (int v : s.Units[u]) {
            const Number_Set c = state.Candidates(v);
            once = (once & ~c) | (c & ~seen);
            seen |= c;
        }
        once &= ~Placed_In_Unit(state, static_cast<int>(u));
        if (once == 0) {
            continue;
        }
        const int n = Lowest_Number_Of(once);
        for (int v : s.Units[u]) {
            if ((state.Candidates(v) & Bit_Of(n)) != 0) {
                const int unit = static_cast<int>(u);
                Place_Step(v, n, step);
                step.Unit_Indices.push_back(unit);
                // A block is easier to scan than a line or a region.
                step.Rating = s.Unit_Ids[u].Kind == Unit_Kind::Block ? 12 : 15;
                step.Text = "Hidden single: in " + shape.Unit_Name(unit) + ", only " +
                            shape.Cell_Name_In(v, unit) + " can hold " +
                            shape.Number_Text(shape.Writing_Board(unit), n) + ".";
                return true;
            }
        }
    }
    return false;
}
