#pragma once
// Grading a puzzle by the techniques a person needs to solve it from its givens.

#include <map>
#include <memory>
#include <string>

#include "model/Board_Model.h"

class Puzzle_Shape;

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

// Solves from the numbers on the boards with the stepper and grades what it needed. The
// level is that of the hardest technique used, one higher when the score is high for the
// puzzle's size (medium to hard above 1200, hard to expert above 2500, per 81 cells), and
// extreme when the steps do not reach a full grid (Solved is then false).
Grade_Result Grade_Puzzle(const Puzzle_State& puzzle);
// The same with the puzzle's shape, made once for it (a generator grades many puzzles of one
// shape).
Grade_Result Grade_Puzzle(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape);

struct Steps_Result;
// The grade of steps already taken, on a puzzle of the given number of cells (a shared cell
// counted once).
Grade_Result Grade_Steps(const Steps_Result& steps, int cells);
