#pragma once
// Grading puzzles by the game's own help, and making new puzzles with exactly one solution.

#include <cstdint>
#include <string>

#include "model/Board_Model.h"

enum class Puzzle_Level {
    Easy,   // solved by repeating "Set Numbers" with help off
    Medium, // needs "Help me Solve it"
    Hard,   // solved by neither
};

const char* Level_Name(Puzzle_Level level);
bool Parse_Level(const std::string& word, Puzzle_Level& level);

// True when repeating "Set Numbers" from the numbers on the boards, with help on or off,
// fills every cell and the entry check says the puzzle is complete.
bool Solved_By_Set_Numbers(const Puzzle_State& puzzle, bool help);

Puzzle_Level Grade_Puzzle(const Puzzle_State& puzzle);

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
