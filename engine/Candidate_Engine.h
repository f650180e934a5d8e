#pragma once
// The candidate engine: every entry goes through Set_Cell_Value, which stores the number,
// copies it into the boards that share the cell and recomputes, from scratch, which
// numbers are still possible in every cell of every board. The deduction runs a fixed
// number of passes, in a fixed order; its results depend on that order.

#include "model/Board_Model.h"

class Puzzle_Shape;

// Stores n (0 empties) in cell (c, r) of board b, copies it into the directly linked
// boards, sets Game_Modified and recomputes every cell's candidates. A number above the
// board's Max_Number is ignored: nothing is written and Game_Modified is unchanged.
void Set_Cell_Value(Puzzle_State& state, int board, int col, int row, Integer n,
                    const Puzzle_Shape* shape = nullptr);

// Sets Game_Modified and recomputes every candidate from the numbers on the boards. Writes
// no cell and copies nothing between linked boards. Needs at least one board.
void Recompute_All(Puzzle_State& state, const Puzzle_Shape* shape = nullptr);

// The recomputation alone (everything an entry does after storing and copying its number:
// reset, elimination, sync, rebuild and deduction), without touching Game_Modified. Runs
// the engine of Current_Engine_Choice.
void Recompute_Candidates(Puzzle_State& state, const Puzzle_Shape* shape = nullptr);

// Two engines compute the same candidates: the reference engine below is the algorithm
// written out literally, loop by loop; the fast engine (engine/Fast_Engine.h) gives identical
// Possible, Candidates and Candidate_Count for every cell and is the default. The choice is
// per thread, so a tool or a test can run both side by side.
enum class Engine_Choice { Reference, Fast };
void Set_Engine_Choice(Engine_Choice choice);
Engine_Choice Current_Engine_Choice();

// The literal recomputation, whatever the choice.
void Reference_Recompute_Candidates(Puzzle_State& state);

// Candidates and Candidate_Count of every cell of board b rebuilt from Possible.
void Rebuild_Candidates(Puzzle_State& state, int board);
