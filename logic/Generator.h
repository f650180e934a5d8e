#pragma once
// Making new puzzles with exactly one solution at a level graded by Grade_Puzzle.
//
// For a "New Puzzle" dialog: Every_Puzzle_Kind() and Empty_Puzzle_Of_Kind() (logic/Shapes.h)
// list the kinds and give each one's empty shape to draw; Generate_Puzzle() runs on a worker
// thread, reports progress through a callback and stops soon after its cancel flag is set.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "logic/Grading.h"
#include "logic/Shapes.h"
#include "model/Board_Model.h"

// Where the givens stand: anywhere, or each with its partner half a turn round the centre
// of the figure on the page (on every kind: all of them look the same turned that way).
enum class Given_Symmetry { None, Rotational };

const char* Symmetry_Name(Given_Symmetry symmetry); // "none", "rotational"
bool Parse_Symmetry(const std::string& word, Given_Symmetry& symmetry);

struct Generate_Progress {
    double Fraction = 0.0; // share of the search budget spent, 0 to 1
    int Grades = 0;        // puzzles graded so far
    bool Has_Best = false;
    Puzzle_Level Best_Level = Puzzle_Level::Easy; // the closest level found so far
};

struct Generate_Options {
    Given_Symmetry Symmetry = Given_Symmetry::Rotational;
    // When set, generation stops soon after *Cancel becomes true and the result says
    // Cancelled. Read from the generating thread only.
    const std::atomic<bool>* Cancel = nullptr;
    // Called on the generating thread after every puzzle graded.
    std::function<void(const Generate_Progress&)> Progress;
    // Grades every puzzle of the search whole, even one that goes above the level asked
    // (slower; the puzzle made is the same).
    bool Grade_Every_Puzzle_Whole = false;
    // How many puzzles the search may grade at most (0: as many as the level's budget).
    int Most_Grades = 0;
    // Grades with the slow techniques of each step tried on two threads (the same puzzles,
    // sooner on a machine with two cores free).
    bool Two_Threads = false;
};

struct Generate_Result {
    std::string Error;      // unknown kind, or no full grid found
    bool Cancelled = false; // stopped by the cancel flag; Puzzle is then empty
    Puzzle_State Puzzle;    // the givens, locked; every other cell empty
    Puzzle_Level Asked = Puzzle_Level::Easy;
    Puzzle_Level Reached = Puzzle_Level::Easy; // Grade_Puzzle(Puzzle).Level
    int Score = 0;                             // Grade_Puzzle(Puzzle).Score
    std::map<std::string, int> Techniques;     // Grade_Puzzle(Puzzle).Techniques
    bool Symmetric = false;                    // the givens are symmetric by half a turn
    int Givens = 0;                            // cells holding a number (a shared cell counts once)
    int Grades = 0;                            // puzzles graded during the search

    bool Ok() const { return Error.empty() && !Cancelled; }
    bool Level_Reached() const { return Ok() && Reached == Asked; }
};

// Kinds: those of Every_Puzzle_Kind(). The same kind, seed, level and symmetry give the same
// puzzle, byte for byte. The search is bounded; when it ends without the level asked, the
// closest puzzle found is returned (ties go to the easier one) and Reached tells its level.
// A level above the kind's hardest (Highest_Level_Of_Kind) is not searched for: the puzzle is
// one of the hardest level instead.
Generate_Result Generate_Puzzle(const std::string& kind, std::uint64_t seed, Puzzle_Level level,
                                const Generate_Options& options = {});
