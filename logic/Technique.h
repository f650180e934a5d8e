#pragma once
// The solving techniques the stepper knows, as one registry: a row per technique with its
// name, score, level and finder, in the order the stepper tries them (easiest first). The
// rows are listed once, in logic/techniques/Technique_List.h.

#include <vector>

#include "logic/Grading.h"

enum class Technique {
#define TECHNIQUE(Id, Name, Score, Rating, Needs_Unique, Finder) Id,
#include "logic/techniques/Technique_List.h"
#undef TECHNIQUE
};

class Logic_State;
struct Step;

// A finder looks for the easiest step of its technique in the state and fills the step's
// variable-level fields and its sentence; the stepper adds the page-facing lists.
using Technique_Finder = bool (*)(const Logic_State& state, Step& step);

struct Technique_Row {
    Technique Id = Technique::Full_House;
    const char* Name = ""; // "Hidden single", "X-Wing", ...
    int Score = 0;         // added to a puzzle's grade for each step of it
    int Rating = 0;        // on the Sudoku Explainer scale, in tenths: 12 is 1.2
    Puzzle_Level Level = Puzzle_Level::Easy; // the band of the rating
    bool Needs_Unique = false; // only on a puzzle whose single solution is known
    Technique_Finder Find = nullptr;
};

// Every technique, in search order.
const std::vector<Technique_Row>& Technique_Registry();
// The row of a technique.
const Technique_Row& Technique_Info(Technique technique);

constexpr int Technique_Count = 0
#define TECHNIQUE(Id, Name, Score, Rating, Needs_Unique, Finder) +1
#include "logic/techniques/Technique_List.h"
#undef TECHNIQUE
    ;

const char* Technique_Name(Technique technique);
int Technique_Score(Technique technique);
int Technique_Rating(Technique technique); // in tenths
Puzzle_Level Technique_Level(Technique technique);
