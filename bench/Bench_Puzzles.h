#pragma once
// The puzzles of the benchmarks, built in code with a fixed seed.

#include <string>

#include "model/Board_Model.h"

// Five 9x9 boards in the Samurai layout, each corner sharing a block with the centre, with
// about a third of the cells given (locked).
Puzzle_State Bench_Samurai();

// rows x cols 9x9 boards in a lattice turned by 45 degrees, so that every board shares each
// corner block with one neighbour; in the first region_rows rows of the lattice, one custom
// region of nine cells across every pair of neighbours along a row; about 30 per cent of
// the cells given (locked).
Puzzle_State Bench_Lattice(int rows, int cols, int region_rows);

// Writes the puzzle to a file in the system's temporary folder and returns its path.
std::string Bench_Write(const Puzzle_State& puzzle, const std::string& name);
