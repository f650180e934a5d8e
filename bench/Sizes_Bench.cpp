// The largest board: a hint on a 16x16 (at its start, in mid-game, and where the singles run
// out), and one entry on it as the window makes it
// (the number stored and copied, every candidate recomputed, the board redrawn with labels and
// help on, the entry check), alternately entering a number and clearing it again. The puzzle
// is a hard 16x16 from the generator with a fixed seed; in mid-game every other empty cell
// holds its number.

#include <benchmark/benchmark.h>

#include "bench/Bench_Game.h"
#include "bench/Bench_Puzzles.h"
#include "bench/Mid_Game.h"
#include "logic/Generator.h"
#include "logic/Hint.h"
#include "logic/Solver.h"
#include "logic/Stepper.h"
#include "logic/Technique.h"

namespace {

const Puzzle_State& Hard_16x16() {
    static const Puzzle_State puzzle = Generate_Puzzle("16x16", 1, Puzzle_Level::Hard).Puzzle;
    return puzzle;
}

Puzzle_State Mid_Game_16x16() {
    return Every_Other_Empty_Cell_Entered(Hard_16x16());
}

// The hard 16x16 with every number entered that singles find from its start: the next hint
// needs a harder step.
Puzzle_State Singles_Done_16x16() {
    Puzzle_State p = Hard_16x16();
    for (const Step& step : All_Steps(p).Steps) {
        if (Technique_Level(step.Kind) != Puzzle_Level::Easy) {
            break;
        }
        for (const Number_Place& at : step.Placements) {
            p.Sudoku_Boards[at.Board].Cell_Values[at.Col][at.Row] = at.Number;
        }
    }
    return p;
}

enum class Position { Start, Mid_Game, Singles_Done };

void Hint_16x16(benchmark::State& state, Position position) {
    const Puzzle_State p = position == Position::Start      ? Hard_16x16()
                           : position == Position::Mid_Game ? Mid_Game_16x16()
                                                            : Singles_Done_16x16();
    for (auto _ : state) {
        const Hint hint = Find_Hint(p);
        benchmark::DoNotOptimize(hint.Steps.data());
        if (hint.Kind != Hint_Kind::Next_Number) {
            state.SkipWithError("no next number");
        }
    }
}
BENCHMARK_CAPTURE(Hint_16x16, Start, Position::Start)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Hint_16x16, Mid_Game, Position::Mid_Game)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Hint_16x16, Singles_Done, Position::Singles_Done)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// "/cached" as the game runs (a cell composed before is copied); "/uncached" composes every
// cell of the board anew at each redraw.
void Entry_16x16(benchmark::State& st, bool cached) {
    static const std::string path = Bench_Write(Hard_16x16(), "tessel-bench-16x16.zd2");
    Bench_Game game;
    game.State.Show_Labels = true;
    game.State.Help_Solve = true;
    game.Form->Resources().Use_Cell_Cache = cached;
    if (!game.Load(path)) {
        st.SkipWithError("the puzzle did not load");
        return;
    }
    // The first empty cell and its last candidate.
    const Sudoku_Boards_FrameWork& b = game.State.Sudoku_Boards[0];
    int col = -1;
    int row = 0;
    for (int c = 0; c < b.Cols && col < 0; ++c) {
        for (int r = 0; r < b.Rows; ++r) {
            if (b.Cell_Values[c][r] == 0 && !b.Cell_Tracking[c][r].Candidates.empty()) {
                col = c;
                row = r;
                break;
            }
        }
    }
    if (col < 0) {
        st.SkipWithError("no empty cell");
        return;
    }
    const Integer number = b.Cell_Tracking[col][row].Candidates.back();
    bool filled = false;
    for (auto _ : st) {
        filled = !filled;
        game.Form->Enter_Number(0, col, row, filled ? number : 0);
    }
}
BENCHMARK_CAPTURE(Entry_16x16, cached, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Entry_16x16, uncached, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace
