#pragma once
// The puzzles of the benchmarks, built in code with a fixed seed.

#include <string>

#include "model/Board_Model.h"

// Five 9x9 boards in the Samurai layout, each corner sharing a block with the centre, with
// a game in progress: 30 numbers entered on every board by the candidates.
Puzzle_State Bench_Samurai();

// rows x cols 9x9 boards in a lattice turned by 45 degrees, so that every board shares each
// corner block with one neighbour; one custom region of nine cells across every pair of
// neighbours along one direction; a game in progress (givens locked).
Puzzle_State Bench_Lattice(int rows, int cols, bool regions);

// Writes the puzzle to a file in the system's temporary folder and returns its path.
std::string Bench_Write(const Puzzle_State& puzzle, const std::string& name);
