#pragma once
// Grading a puzzle by the techniques a person needs to solve it from its givens.

#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "model/Board_Model.h"

class Puzzle_Shape;

// The levels are bands of the rating on the Sudoku Explainer scale, the same on every shape.
enum class Puzzle_Level {
    Easy,    // below 2.5: singles
    Medium,  // 2.5 to 3.9: locked candidates, pairs, triples, X-Wing, swordfish
    Hard,    // 4.0 to 5.9: wings, short single-number chains, unique rectangles, quads
    Expert,  // 6.0 to 7.9: chains, Nishio forcing chains
    Extreme, // 8.0 and up: forcing chains, dynamic forcing chains, trial
};

const char* Level_Name(Puzzle_Level level);
bool Parse_Level(const std::string& word, Puzzle_Level& level);
// The level whose band holds a rating in tenths (25 is 2.5), and the lowest rating of a level.
Puzzle_Level Level_Of_Rating(int rating);
int Lowest_Rating(Puzzle_Level level);
// "4.5" for 45.
std::string Rating_Text(int rating);

struct Grade_Result {
    Puzzle_Level Level = Puzzle_Level::Easy;
    int Score = 0;  // the sum of the scores of every step taken
    int Rating = 0; // the hardest step's rating in tenths, on the Sudoku Explainer scale
    std::map<std::string, int> Techniques; // technique name -> how often it was used
    bool Solved = false;                   // the steps reached a full grid
};

// Solves from the numbers on the boards with the stepper and grades what it needed. The
// rating is the hardest step's and the level the band it falls in; extreme when the steps do
// not reach a full grid (Solved is then false). The solver is asked first: only a puzzle with
// one solution may be solved with the techniques that rest on uniqueness.
Grade_Result Grade_Puzzle(const Puzzle_State& puzzle);
// The same with the puzzle's shape, made once for it (a generator grades many puzzles of one
// shape).
Grade_Result Grade_Puzzle(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape);

// The grade of a puzzle with exactly one solution, a step at a time until cancel becomes true
// (for a window that grades on a worker). False, and grade untouched, when the puzzle has not
// exactly one solution or the grading was cancelled.
bool Grade_Unique_Puzzle(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape,
                         const std::atomic<bool>& cancel, Grade_Result& grade);

struct Steps_Result;
// The grade of steps already taken, on a puzzle of the given number of cells (a shared cell
// counted once).
Grade_Result Grade_Steps(const Steps_Result& steps, int cells);
