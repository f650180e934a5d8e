#pragma once
// A puzzle in mid-game: every other empty cell, in cell order, holds its number (unlocked).

#include "logic/Solver.h"
#include "model/Board_Model.h"

inline Puzzle_State Every_Other_Empty_Cell_Entered(Puzzle_State p) {
    const Constraint_Structure s = Build_Constraint_Structure(p);
    const Solve_Result solved = Solve_Structure(s, 1);
    int empty = 0;
    for (int v = 0; v < s.Var_Count; ++v) {
        if (s.Given[v] != 0 || ++empty % 2 == 0) {
            continue;
        }
        for (int cell : s.Cells_Of_Var[v]) {
            const Cell_Place& at = s.Places[cell];
            p.Sudoku_Boards[at.Board].Cell_Values[at.Col][at.Row] = solved.Solution[v];
        }
    }
    return p;
}
