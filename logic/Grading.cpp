#include "logic/Grading.h"

#include "logic/Generator.h"

const char* Level_Name(Puzzle_Level level) {
    switch (level) {
    case Puzzle_Level::Medium:
        return "medium";
    case Puzzle_Level::Hard:
        return "hard";
    case Puzzle_Level::Expert:
        return "expert";
    case Puzzle_Level::Extreme:
        return "extreme";
    case Puzzle_Level::Easy:
        break;
    }
    return "easy";
}

bool Parse_Level(const std::string& word, Puzzle_Level& level) {
    for (Puzzle_Level l : {Puzzle_Level::Easy, Puzzle_Level::Medium, Puzzle_Level::Hard,
                           Puzzle_Level::Expert, Puzzle_Level::Extreme}) {
        if (word == Level_Name(l)) {
            level = l;
            return true;
        }
    }
    return false;
}

// Until the stepper grades by technique, the level is the game's own help's.
Grade_Result Grade_Puzzle(const Puzzle_State& puzzle) {
    Grade_Result result;
    result.Level = Grade_By_Game_Help(puzzle);
    result.Solved = true;
    return result;
}
