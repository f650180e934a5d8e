#pragma once
// A hint for the player: the wrong numbers on the boards first, else the next number to
// enter with every step of reasoning that leads to it. Qt-free; the window calls Find_Hint
// (on any thread) and shows Text in its bar and the steps' cells and units on the boards.

#include <memory>
#include <string>
#include <vector>

#include "logic/Stepper.h"
#include "model/Board_Model.h"

enum class Hint_Kind {
    Next_Number,     // Steps end in the placement of Placement
    Wrong_Entries,   // Wrong lists entered numbers that differ from the solution
    No_Solution,     // the locked numbers allow no solution
    Many_Solutions,  // the locked numbers allow more than one
    Undecided,       // the search for the solution gave up (only on very odd puzzles)
    Already_Solved,  // every cell is filled and right
    No_Logical_Step, // the stepper found no way on (not expected on a puzzle with one solution)
};

struct Hint {
    Hint_Kind Kind = Hint_Kind::Next_Number;
    std::string Text;                    // one sentence for the bar
    std::vector<Number_Place> Wrong;     // every copy of each wrong entry, with its number
    std::vector<Step> Steps;             // up to and including the first placement
    std::vector<Number_Place> Placement; // every copy of the cell to fill, with the number
    int Solutions = 1;                   // of the locked numbers: 0, 1, or 2 for "several"
    bool Cancelled = false;              // stopped by the cancel flag (Kind is then Undecided)
};

// The puzzle's solution is that of its locked numbers alone; the numbers entered (unlocked)
// are compared with it. When they all agree, the steps start from every number on the
// boards.
Hint Find_Hint(const Puzzle_State& puzzle);
// The same with the puzzle's shape, made once for it (the session's). When cancel is given and
// becomes true, the search stops soon and the hint says Cancelled; the chain searches, the
// slow part of a hint on a very hard position, look at it between candidates. The slow
// techniques of each step are tried on two threads (see Next_Step); the hint is the same.
Hint Find_Hint(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape,
               const std::atomic<bool>* cancel = nullptr);
