#include "logic/Hint.h"

#include <memory>

#include "logic/techniques/Technique_Finders.h"

namespace {

// Nodes the search for the solution may visit: far beyond any puzzle a person plays, but it
// keeps a hint on a very odd file from running for long.
constexpr long long Search_Budget = 2000000;

// The puzzle with only its locked numbers.
Puzzle_State Locked_Only(const Puzzle_State& puzzle) {
    Puzzle_State locked = puzzle;
    for (Sudoku_Boards_FrameWork& board : locked.Sudoku_Boards) {
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                if (!board.Cell_Locked[c][r]) {
                    board.Cell_Values[c][r] = 0;
                }
            }
        }
    }
    return locked;
}

std::string Wrong_Text(const Logic_Shape& shape, const std::vector<Var_Number>& wrong) {
    std::vector<std::string> parts;
    for (const Var_Number& w : wrong) {
        parts.push_back("the " + shape.Number_Text(shape.Board_Of_Var(w.Var), w.Number) + " in " +
                        shape.Cell_Name(w.Var));
    }
    std::string text = Join_Words(parts);
    text[0] = 'T';
    return text + (wrong.size() == 1 ? " is wrong." : " are wrong.");
}

// Leaves out the elimination steps the placement does not need. A step reasons only from the
// candidates of its units and cells (the trial step from everything), so a step whose
// eliminations touch none of the cells that later needed steps reason from can go: without
// it, every later step sees the same candidates where it looks.
void Keep_Needed_Steps(const Logic_Shape& shape, std::vector<Step>& steps) {
    std::vector<char> looked_at(shape.Structure.Var_Count, 0);
    bool everything = false;
    auto look_at = [&](const Step& step) {
        // The trial step and BUG+1 reason from every cell.
        everything =
            everything || step.Kind == Technique::Trial || step.Kind == Technique::Bug_Plus_One;
        for (int v : step.Cell_Vars) {
            looked_at[v] = 1;
        }
        for (int u : step.Unit_Indices) {
            for (int v : shape.Structure.Units[u]) {
                looked_at[v] = 1;
            }
        }
    };
    std::vector<char> keep(steps.size(), 0);
    keep.back() = 1;
    look_at(steps.back());
    for (std::size_t i = steps.size() - 1; i-- > 0;) {
        for (const Var_Number& e : steps[i].Var_Eliminations) {
            keep[i] = keep[i] || everything || looked_at[e.Var];
        }
        if (keep[i]) {
            look_at(steps[i]);
        }
    }
    std::vector<Step> needed;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (keep[i]) {
            needed.push_back(std::move(steps[i]));
        }
    }
    steps = std::move(needed);
}

} // namespace

Hint Find_Hint(const Puzzle_State& puzzle) {
    return Find_Hint(puzzle, nullptr);
}

Hint Find_Hint(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> puzzle_shape,
               const std::atomic<bool>* cancel) {
    Hint hint;
    if (!puzzle_shape || !puzzle_shape->Fits(puzzle)) {
        puzzle_shape = Shape_Of(puzzle);
    }
    const auto shape = std::make_shared<const Logic_Shape>(puzzle, puzzle_shape);
    const Constraint_Structure& s = shape->Structure;
    const Solve_Result solved = Solve_Structure(
        Build_Constraint_Structure(Locked_Only(puzzle), puzzle_shape), 2, Search_Budget);
    hint.Solutions = solved.Count;
    if (solved.Gave_Up) {
        hint.Kind = Hint_Kind::Undecided;
        hint.Text = "The puzzle is too large or too open to work out its solution.";
        return hint;
    }
    if (solved.Count == 0) {
        hint.Kind = Hint_Kind::No_Solution;
        hint.Text = "The puzzle has no solution: its locked numbers break the rules.";
        return hint;
    }
    if (solved.Count > 1) {
        hint.Kind = Hint_Kind::Many_Solutions;
        hint.Text = "The puzzle has more than one solution, so no number can be worked out for "
                    "sure.";
        return hint;
    }

    // Entered numbers that differ from the solution, each cell once.
    std::vector<Var_Number> wrong;
    std::vector<char> named(s.Var_Count, 0);
    for (std::size_t b = 0; b < puzzle.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = puzzle.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const int value = board.Cell_Values[c][r];
                const int v = s.Var_Of_Cell[s.Cell_Index(static_cast<int>(b), c, r, puzzle)];
                if (board.Cell_Locked[c][r] || value == 0 || value == solved.Solution[v]) {
                    continue;
                }
                hint.Wrong.push_back({static_cast<int>(b), c, r, value});
                if (!named[v]) {
                    named[v] = 1;
                    wrong.push_back({v, value});
                }
            }
        }
    }
    if (!wrong.empty()) {
        hint.Kind = Hint_Kind::Wrong_Entries;
        hint.Text = Wrong_Text(*shape, wrong);
        return hint;
    }

    Logic_State state(shape);
    state.Set_Unique_Solution_Known(true);
    if (state.Solved()) {
        hint.Kind = Hint_Kind::Already_Solved;
        hint.Text = "The puzzle is solved.";
        return hint;
    }
    // Every step removes a candidate or places a number, so the steps are bounded.
    for (;;) {
        Step step;
        const bool found = Next_Step(state, step, Technique::Trial, cancel, true);
        if (cancel != nullptr && cancel->load()) {
            hint = Hint{};
            hint.Kind = Hint_Kind::Undecided;
            hint.Cancelled = true;
            hint.Text = "The hint was cancelled.";
            return hint;
        }
        if (!found) {
            hint.Kind = Hint_Kind::No_Logical_Step;
            hint.Text = "No logical step is left from here.";
            hint.Steps.clear();
            return hint;
        }
        state.Apply(step);
        hint.Steps.push_back(std::move(step));
        if (hint.Steps.back().Places()) {
            Keep_Needed_Steps(*shape, hint.Steps);
            hint.Kind = Hint_Kind::Next_Number;
            hint.Placement = hint.Steps.back().Placements;
            hint.Text = hint.Steps.back().Text;
            return hint;
        }
    }
}
