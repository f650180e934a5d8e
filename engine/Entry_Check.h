#pragma once
// The entry check: once no scanned cell is empty, tells whether the puzzle is solved.

#include <vector>

#include "model/Board_Model.h"
#include "model/Puzzle_Groups.h"

class Puzzle_Shape;

enum class Check_Verdict {
    Nothing_To_Say, // some scan met an empty cell
    Duplicates,     // "Duplicate Entries have been Found."
    All_Completed,  // "All Sudoku Boards Successfully Completed."
};

// Scans rows, columns, blocks (unless Regions_Only) and custom regions (when on) of every
// board. Changes nothing.
Check_Verdict Check_Boards(const Puzzle_State& state, const Puzzle_Shape* shape = nullptr);

// The message the window shows for a verdict (empty for Nothing_To_Say).
const char* Check_Message(Check_Verdict verdict);

// The cells whose number also stands in another cell of one of their units (the units the
// check judges by: rows, columns, blocks unless Regions_Only, custom regions when on), every
// copy of a shared cell with it; each cell once, in the shape's numbering (board by board,
// columns outer, rows inner). A number outside its board's range clashes with nothing.
std::vector<Cell_Address> Conflicting_Cells(const Puzzle_State& state,
                                            const Puzzle_Shape* shape = nullptr);
