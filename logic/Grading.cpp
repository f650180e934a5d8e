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

Puzzle_Level Level_Of_Rating(int rating) {
    for (Puzzle_Level l :
         {Puzzle_Level::Extreme, Puzzle_Level::Expert, Puzzle_Level::Hard, Puzzle_Level::Medium}) {
        if (rating >= Lowest_Rating(l)) {
            return l;
        }
    }
    return Puzzle_Level::Easy;
}

int Lowest_Rating(Puzzle_Level level) {
    switch (level) {
    case Puzzle_Level::Medium:
        return 25;
    case Puzzle_Level::Hard:
        return 40;
    case Puzzle_Level::Expert:
        return 60;
    case Puzzle_Level::Extreme:
        return 80;
    case Puzzle_Level::Easy:
        break;
    }
    return 0;
}

std::string Rating_Text(int rating) {
    return std::to_string(rating / 10) + "." + std::to_string(rating % 10);
}

Grade_Result Grade_Steps(const Steps_Result& steps, int /*cells*/) {
    Grade_Result result;
    result.Solved = steps.Solved;
    for (const Step& step : steps.Steps) {
        result.Score += Technique_Score(step.Kind);
        ++result.Techniques[Technique_Name(step.Kind)];
        result.Rating = std::max(result.Rating, step.Rating);
    }
    result.Level = result.Solved ? Level_Of_Rating(result.Rating) : Puzzle_Level::Extreme;
    return result;
}

Grade_Result Grade_Puzzle(const Puzzle_State& puzzle) {
    return Grade_Puzzle(puzzle, nullptr);
}

Grade_Result Grade_Puzzle(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape) {
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle, std::move(shape)));
    Confirm_Unique_Solution(state);
    const Steps_Result steps = All_Steps(state);
    return Grade_Steps(steps, state.Var_Count());
}

bool Grade_Unique_Puzzle(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape,
                         const std::atomic<bool>& cancel, Grade_Result& grade) {
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle, std::move(shape)));
    if (!Confirm_Unique_Solution(state)) {
        return false;
    }
    Steps_Result steps;
    while (!state.Solved() && state.Broken().empty()) {
        Step step;
        if (cancel.load() || !Next_Step(state, step, Technique::Trial, &cancel)) {
            break;
        }
        state.Apply(step);
        steps.Steps.push_back(std::move(step));
    }
    if (cancel.load()) {
        return false;
    }
    steps.Solved = state.Solved() && state.Broken().empty();
    grade = Grade_Steps(steps, state.Var_Count());
    return true;
}
