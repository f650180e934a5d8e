#pragma once
// How far the game's own help gets on a puzzle: "Set Numbers" repeated with "Help me Solve it"
// off or on. A yardstick beside the stepper's grade.

#include "logic/Grading.h"
#include "model/Board_Model.h"

// True when repeating "Set Numbers" from the numbers on the boards, with help on or off,
// fills every cell and the entry check says the puzzle is complete.
bool Solved_By_Set_Numbers(const Puzzle_State& puzzle, bool help);

// The level by the game's own help: easy when repeating "Set Numbers" with help off solves
// the puzzle, medium when it needs help on, hard when neither does.
Puzzle_Level Grade_By_Game_Help(const Puzzle_State& puzzle);
