// Naked and hidden pairs, triples and quads.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

namespace {

const char* Subset_Word(int size) {
    return size == 2 ? "pair" : size == 3 ? "triple" : "quad";
}

// The common end of both finders: a subset counts when it removes something.
bool Subset_Found(int unit, const std::vector<int>& cells, Step& step) {
    if (step.Var_Eliminations.empty()) {
        return false;
    }
    step.Unit_Indices = {unit};
    step.Cell_Vars = cells;
    return true;
}

} // namespace

// k cells of a unit whose candidates together are k numbers: those numbers go in those
// cells, so no other cell of the unit holds them. Sound in any unit, full or not.
bool Find_Naked_Subset(const Logic_State& state, int size, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        std::vector<int> open;
        std::vector<int> small;
        for (int v : s.Units[u]) {
            if (state.Value(v) != 0) {
                continue;
            }
            open.push_back(v);
            const int count = Number_Count(state.Candidates(v));
            if (count >= 2 && count <= size) {
                small.push_back(v);
            }
        }
        if (static_cast<int>(open.size()) <= size) {
            continue;
        }
        const int unit = static_cast<int>(u);
        const bool found = For_Each_Combination(
            static_cast<int>(small.size()), size, [&](const std::vector<int>& pick) {
                Number_Set together = 0;
                std::vector<int> cells;
                for (int i : pick) {
                    together |= state.Candidates(small[i]);
                    cells.push_back(small[i]);
                }
                if (Number_Count(together) != size) {
                    return false;
                }
                step.Var_Eliminations.clear();
                for (int v : open) {
                    if (std::find(cells.begin(), cells.end(), v) == cells.end()) {
                        Add_Eliminations(state, v, together, step);
                    }
                }
                if (!Subset_Found(unit, cells, step)) {
                    return false;
                }
                step.Text =
                    std::string("Naked ") + Subset_Word(size) + ": in " + shape.Unit_Name(unit) +
                    ", " + Cells_In_Unit_Text(shape, cells, unit) + " can only hold " +
                    Numbers_Text(shape, shape.Writing_Board(unit), together) +
                    ", so the other cells of " + shape.Unit_Name(unit) + " cannot hold them.";
                return true;
            });
        if (found) {
            return true;
        }
    }
    return false;
}

// k numbers whose places in a unit that holds every number are together k cells: those cells
// hold those numbers, so they hold nothing else.
bool Find_Hidden_Subset(const Logic_State& state, int size, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        if (!shape.Full_Unit[u]) {
            continue;
        }
        const std::vector<int>& unit_vars = s.Units[u];
        const int unit = static_cast<int>(u);
        const Number_Set placed = Placed_In_Unit(state, unit);
        std::vector<int> numbers;
        std::vector<std::uint32_t> where; // per number, its places as positions in the unit
        int open = 0;
        for (int v : unit_vars) {
            open += state.Value(v) == 0 ? 1 : 0;
        }
        if (open <= size) {
            continue;
        }
        for (int n = 1; n <= shape.Unit_Numbers[u]; ++n) {
            if ((placed & Bit_Of(n)) != 0) {
                continue;
            }
            std::uint32_t positions = 0;
            for (std::size_t i = 0; i < unit_vars.size(); ++i) {
                if ((state.Candidates(unit_vars[i]) & Bit_Of(n)) != 0) {
                    positions |= std::uint32_t{1} << i;
                }
            }
            const int count = Number_Count(positions);
            if (count >= 2 && count <= size) {
                numbers.push_back(n);
                where.push_back(positions);
            }
        }
        const bool found = For_Each_Combination(
            static_cast<int>(numbers.size()), size, [&](const std::vector<int>& pick) {
                std::uint32_t positions = 0;
                Number_Set kept = 0;
                for (int i : pick) {
                    positions |= where[i];
                    kept |= Bit_Of(numbers[i]);
                }
                if (Number_Count(positions) != size) {
                    return false;
                }
                std::vector<int> cells;
                step.Var_Eliminations.clear();
                for (std::size_t i = 0; i < unit_vars.size(); ++i) {
                    if ((positions & (std::uint32_t{1} << i)) != 0) {
                        cells.push_back(unit_vars[i]);
                        Add_Eliminations(state, unit_vars[i], ~kept, step);
                    }
                }
                if (!Subset_Found(unit, cells, step)) {
                    return false;
                }
                step.Text = std::string("Hidden ") + Subset_Word(size) + ": in " +
                            shape.Unit_Name(unit) + ", " +
                            Numbers_Text(shape, shape.Writing_Board(unit), kept) +
                            " can only go in " + Cells_In_Unit_Text(shape, cells, unit) +
                            ", so those cells cannot hold any other number.";
                return true;
            });
        if (found) {
            return true;
        }
    }
    return false;
}

bool Find_Naked_Pair(const Logic_State& state, Step& step) {
    return Find_Naked_Subset(state, 2, step);
}

bool Find_Naked_Triple(const Logic_State& state, Step& step) {
    return Find_Naked_Subset(state, 3, step);
}

bool Find_Naked_Quad(const Logic_State& state, Step& step) {
    return Find_Naked_Subset(state, 4, step);
}

bool Find_Hidden_Pair(const Logic_State& state, Step& step) {
    return Find_Hidden_Subset(state, 2, step);
}

bool Find_Hidden_Triple(const Logic_State& state, Step& step) {
    return Find_Hidden_Subset(state, 3, step);
}

bool Find_Hidden_Quad(const Logic_State& state, Step& step) {
    return Find_Hidden_Subset(state, 4, step);
}
