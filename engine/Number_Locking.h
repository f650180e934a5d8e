#pragma once
// Locking numbers as givens, restarting the boards and filling single candidates. These
// change the model only; each returns whether the window must redraw every board.

#include "model/Board_Model.h"

class Puzzle_Shape;

// Every cell that holds a number becomes locked, every empty cell unlocked. Game_Modified is
// not touched and nothing is recomputed.
void Lock_Numbers(Puzzle_State& state);

// Every cell becomes unlocked.
void Unlock_Numbers(Puzzle_State& state);

// Empties every unlocked cell (its Possible flags all set) and, when there is a board,
// recomputes everything (which sets Game_Modified). Returns true when there was a board,
// so the window redraws every board.
bool Restart_Boards(Puzzle_State& state, const Puzzle_Shape* shape = nullptr);

// The fill step of "Set Numbers": every empty cell whose Candidate_Count is exactly 1 (as of
// the last recomputation) gets its only candidate, copied into the linked boards. When at
// least one cell was filled, recomputes everything (setting Game_Modified) and returns the
// number of cells filled; 0 means nothing changed and nothing is to be redrawn or checked.
int Set_Numbers_Fill(Puzzle_State& state, const Puzzle_Shape* shape = nullptr);
