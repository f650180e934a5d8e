#pragma once
// A fast exact solver for the classic 9x9 puzzle alone (rows, columns, 3x3 blocks): bit sets
// of candidates, naked and hidden singles, and a search on the cell with the fewest
// candidates, all on fixed-size arrays copied per branch, so nothing is allocated per node.
// The general solver (Solver.h) handles every other shape; this one serves batch runs.

#include <array>
#include <cstdint>
#include <string>

using Classic_Grid = std::array<std::int8_t, 81>; // row by row, 0 = empty

struct Classic_Solve_Result {
    int Count = 0;           // solutions found, at most the limit
    Classic_Grid Solution{}; // the first one found
};

// Counts the solutions up to limit (>= 1).
Classic_Solve_Result Solve_Classic(const Classic_Grid& grid, int limit);

// Reads 81 characters: digits 1-9, and 0 or . for an empty cell (surrounding blanks and a
// carriage return are ignored). False, with a reason, for anything else.
bool Parse_Classic_Line(const std::string& line, Classic_Grid& grid, std::string& error);
