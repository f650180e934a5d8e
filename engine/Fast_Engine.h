#pragma once
// The fast candidate engine. It runs the same recomputation as the reference engine
// (engine/Candidate_Engine.cpp), step by step in the same order, and ends with the same
// Possible, Candidates and Candidate_Count in every cell. What makes it fast:
//
// - The structure of the puzzle (cells of every row, column, block and custom region, the
//   peers of every cell, the cell pairs of every link) is the puzzle's shape, made once when
//   the puzzle is adopted (model/Puzzle_Shape.h) and handed in by the session. A caller that
//   holds no shape gets the one Shape_Of keeps, made again whenever the puzzle's shape
//   (boards, links, regions, region index, Regions_Only or Custom_Regions_On) has changed.
//   The working storage is sized once per shape.
// - During the recomputation the Possible flags of a cell are one bit set, and Candidates
//   as of the last rebuild another; the cells' own arrays are written once at the end.
// - A single candidate step that has already struck its number from the cell's peers is not
//   repeated: flags are only ever cleared during a recomputation, so the peers still lack
//   the number and the cell can only hold that number or nothing, and a repeat would change
//   nothing.
//
// Puzzles that break the model's invariants (per-cell arrays of the wrong shape, numbers
// out of range, regions naming missing cells, more than 16 numbers) go to the reference
// engine, whose guards define the result for them.

#include "model/Board_Model.h"

class Puzzle_Shape;

// The recomputation of an entry: reset, elimination, two rounds of sync, rebuild and deduction,
// and the last sync and rebuild. Game_Modified is not touched.
void Fast_Recompute_Candidates(Puzzle_State& state, const Puzzle_Shape* shape = nullptr);

// True when the fast engine computes this puzzle itself rather than handing it on.
bool Fast_Engine_Handles(const Puzzle_State& state, const Puzzle_Shape* shape = nullptr);

// Drops the kept structure and working storage (the next recomputation rebuilds them).
void Fast_Engine_Forget();
