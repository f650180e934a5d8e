#pragma once
// The tool's views of a puzzle: the JSON object other programs read, the readable grid of
// numbers and possible numbers, and the summary of `info`.

#include <string>

#include "engine/Entry_Check.h"
#include "model/Board_Model.h"
#include "model/Number_Text.h"

// "none", "duplicates" or "complete".
const char* Verdict_Word(Check_Verdict verdict);

// {"boards": [...], "check": ...} with cells [column][row], followed by a newline.
std::string State_Json(const Puzzle_State& state, Check_Verdict verdict);

// Every board as a grid: a cell's number (or symbol), or its possible numbers in brackets.
std::string State_Text(const Puzzle_State& state);

// Boards, links, regions, flags, title and link.
std::string Info_Text(const Puzzle_State& state);
