#pragma once
// The solving techniques the stepper knows, easiest first, with the name a player reads, the
// score a step of it adds to a puzzle's grade and the level it belongs to.

#include "logic/Grading.h"

enum class Technique {
    Full_House,
    Naked_Single,
    Hidden_Single,
    Locked_Candidates,
    Naked_Pair,
    Hidden_Pair,
    Naked_Triple,
    Hidden_Triple,
    Naked_Quad,
    X_Wing,
    Hidden_Quad,
    Swordfish,
    Jellyfish,
    XY_Wing,
    XYZ_Wing,
    X_Chain,
    XY_Chain,
    Trial,
};

constexpr int Technique_Count = static_cast<int>(Technique::Trial) + 1;

// "Hidden single", "X-Wing", ...
const char* Technique_Name(Technique technique);
int Technique_Score(Technique technique);
Puzzle_Level Technique_Level(Technique technique);
