#pragma once
// Grading puzzles by the game's own help, and making new puzzles with exactly one solution.

#include <cstdint>
#include <string>

#include "logic/Grading.h"
#include "model/Board_Model.h"

// True when repeating "Set Numbers" from the numbers on the boards, with help on or off,
// fills every cell and the entry check says the puzzle is complete.
bool Solved_By_Set_Numbers(const Puzzle_State& puzzle, bool help);

// The level by the game's own help: easy when repeating "Set Numbers" with help off solves
// the puzzle, medium when it needs help on, hard when neither does.
Puzzle_Level Grade_By_Game_Help(const Puzzle_State& puzzle);

struct Generate_Result {
    std::string Error; // unknown kind
    Puzzle_State Puzzle;
    Puzzle_Level Reached = Puzzle_Level::Easy;
    int Givens = 0; // distinct cells holding a number (a shared cell counts once)

    bool Ok() const { return Error.empty(); }
};

// Kinds: classic, 6x6-wide, 6x6-tall, samurai, jigsaw, symbols. The same kind, seed and
// level give the same puzzle. When the level cannot be reached within a few attempts the
// closest puzzle is returned and Reached tells its level.
Generate_Result Generate_Puzzle(const std::string& kind, std::uint64_t seed, Puzzle_Level level);
