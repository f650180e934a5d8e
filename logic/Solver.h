#pragma once
// The puzzle's constraint structure and an exact solver on it. The structure is built from
// the model alone (cells, links, blocks, custom regions and the two region flags), so every
// kind of puzzle the game can judge is solved the same way: each group of cells that linked
// boards share is one variable, and each row, column, block (unless Regions_Only) and custom
// region (when on) is a unit whose variables must all differ.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Board_Model.h"
#include "model/Puzzle_Groups.h"
#include "model/Puzzle_Shape.h"

// Numbers as bit sets: bit n-1 set = number n.
using Number_Set = std::uint32_t;

// The lowest set bit's number, and the count of numbers in a set.
inline int Lowest_Number_Of(Number_Set set) {
    return __builtin_ctz(set) + 1;
}
inline int Number_Count(Number_Set set) {
    return __builtin_popcount(set);
}
inline Number_Set Bit_Of(int number) {
    return Number_Set{1} << (number - 1);
}
// The numbers 1 to n.
inline Number_Set All_Numbers(int n) {
    return (Number_Set{1} << n) - 1;
}

// "row", "column", "block" or "region".
const char* Unit_Kind_Name(Unit_Kind kind);

struct Constraint_Structure {
    int Var_Count = 0;
    std::vector<int> Board_Offset;              // first cell index of each board
    std::vector<int> Var_Of_Cell;               // per cell (Board_Offset[b] + c * N + r)
    std::vector<std::vector<int>> Cells_Of_Var; // the cell indices each variable stands for
    std::vector<int> Max_Of_Var;                // the highest number the variable may hold
    std::vector<std::vector<int>> Units;        // variables that must hold different numbers
    std::vector<Unit_Id> Unit_Ids;              // parallel to Units: what each unit is
    std::vector<std::vector<Unit_Id>> Unit_Other_Ids; // parallel: its names on other boards
    std::vector<Cell_Place> Places;             // per cell index, where the cell lies
    std::vector<std::vector<int>> Peers;        // per variable, the others of all its units
    std::vector<int> Given;                     // per variable, 0 or the number on the boards
    std::string Contradiction; // why the puzzle cannot be solved, found while building
    // The shape the structure was made from.
    std::shared_ptr<const Puzzle_Shape> Shape;

    int Cell_Index(int board, int col, int row, const Puzzle_State& state) const {
        return Board_Offset[board] + col * state.Sudoku_Boards[board].Max_Number + row;
    }
    // Every copy of a variable's cell, in board order.
    std::vector<Cell_Place> Places_Of_Var(int var) const {
        std::vector<Cell_Place> out;
        for (int cell : Cells_Of_Var[var]) {
            out.push_back(Places[cell]);
        }
        return out;
    }
};

// True when the unit must hold every number of its boards once: it has as many variables as
// numbers, all of the same highest number. Hidden singles are sound there and only there.
bool Unit_Holds_Every_Number(const Constraint_Structure& structure, int unit);

// Builds the structure. The numbers on the boards (given or entered) become the variables'
// fixed values; copies of a shared cell that disagree, or a unit that holds the same cell
// twice while it holds a number, make Contradiction non-empty. A unit that several boards
// share whole is kept once, under the identity that comes first (boards in file order, on
// each board rows, then columns, then blocks; regions last).
Constraint_Structure Build_Constraint_Structure(const Puzzle_State& state);
// The same from a shape made for the puzzle (its variables and units are taken as they are).
Constraint_Structure Build_Constraint_Structure(const Puzzle_State& state,
                                                std::shared_ptr<const Puzzle_Shape> shape);

struct Solve_Result {
    int Count = 0;             // solutions found, at most the limit
    bool Gave_Up = false;      // the node budget ran out before the search finished
    std::vector<int> Solution; // per variable, the first solution found (empty if none)
    long long Nodes = 0;
};

// Counts solutions up to limit (>= 1). node_budget <= 0 means no budget.
Solve_Result Solve_Structure(const Constraint_Structure& structure, int limit,
                             long long node_budget = 0);

// Convenience: builds the structure of the puzzle and counts its solutions up to limit.
Solve_Result Count_Solutions(const Puzzle_State& state, int limit);

// Writes a solution (per variable) into every cell of the boards. Locks are not touched.
void Apply_Solution(Puzzle_State& state, const Constraint_Structure& structure,
                    const std::vector<int>& solution);
