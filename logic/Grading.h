#pragma once
// Grading a puzzle by the techniques a person needs to solve it from its givens.

#include <map>
#include <string>

#include "model/Board_Model.h"

enum class Puzzle_Level {
    Easy,    // singles only
    Medium,  // adds locked candidates and pairs
    Hard,    // adds triples, quads, fish and wings
    Expert,  // adds chains
    Extreme, // needs the trial step
};

const char* Level_Name(Puzzle_Level level);
bool Parse_Level(const std::string& word, Puzzle_Level& level);

struct Grade_Result {
    Puzzle_Level Level = Puzzle_Level::Easy;
    int Score = 0;                         // the sum of the scores of every step taken
    std::map<std::string, int> Techniques; // technique name -> how often it was used
    bool Solved = false;                   // the steps reached a full grid
};

// Solves from the numbers on the boards with the stepper and grades what it needed.
Grade_Result Grade_Puzzle(const Puzzle_State& puzzle);
