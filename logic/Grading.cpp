#include "logic/Grading.h"

#include <algorithm>

#include "logic/Stepper.h"

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

namespace {

// A puzzle that needs many medium or hard steps is a level harder than its hardest
// technique says. The limits are for one 9x9 board and grow with the number of cells.
constexpr int Medium_Score_Limit = 1200;
constexpr int Hard_Score_Limit = 2500;

} // namespace

Grade_Result Grade_Steps(const Steps_Result& steps, int cells) {
    Grade_Result result;
    result.Solved = steps.Solved;
    for (const Step& step : steps.Steps) {
        result.Score += Technique_Score(step.Kind);
        ++result.Techniques[Technique_Name(step.Kind)];
        result.Level = std::max(result.Level, Technique_Level(step.Kind));
    }
    const long long scale = std::max(cells, 1);
    if (!result.Solved) {
        result.Level = Puzzle_Level::Extreme;
    } else if (result.Level == Puzzle_Level::Medium &&
               result.Score * 81LL > Medium_Score_Limit * scale) {
        result.Level = Puzzle_Level::Hard;
    } else if (result.Level == Puzzle_Level::Hard &&
               result.Score * 81LL > Hard_Score_Limit * scale) {
        result.Level = Puzzle_Level::Expert;
    }
    return result;
}

Grade_Result Grade_Puzzle(const Puzzle_State& puzzle) {
    return Grade_Puzzle(puzzle, nullptr);
}

Grade_Result Grade_Puzzle(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape) {
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle, std::move(shape)));
    const Steps_Result steps = All_Steps(state);
    return Grade_Steps(steps, state.Var_Count());
}
