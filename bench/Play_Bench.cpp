// One entry, as a palette button makes it: Set_Cell_Value, the redraw of every board, and
// Check_Boards; with labels and help on. "/fast" is the game as it runs (fast engine, boards
// whose drawing inputs did not change are not drawn again); "/reference" is the literal
// engine with every board drawn from scratch, every cell composed anew. Each iteration alternately
// enters a number and clears it again. "_Window_Entry" makes the entry as the window's keys
// and palettes do (Enter_Number: the game session's undo step, the candidates, the redraw, the
// check, and the player's marks on the page: clashes, notes and board outlines), so that it
// can be set beside the plain entry.

#include <benchmark/benchmark.h>

#include "bench/Bench_Game.h"
#include "bench/Bench_Puzzles.h"
#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "widgets/Selection_Palette.h"

namespace {

void Draw_Every_Board(TForm1& form, const Puzzle_State& state) {
    for (int i = 0; i < static_cast<int>(state.Sudoku_Boards.size()); ++i) {
        if (Selection_Palette* palette = form.Palette_For(state.Sudoku_Boards[i].Board_Type)) {
            palette->Draw_Board_Of(i, form.Resources());
        }
    }
}

// The first empty cell of the board's top-left block (a shared block in both puzzles) and a
// number it may take.
void Pick_Cell(const Puzzle_State& s, int board, int& col, int& row, Integer& number) {
    const Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[board];
    for (col = 0; col < 3; ++col) {
        for (row = 0; row < 3; ++row) {
            const std::vector<Integer>& cand = b.Cell_Tracking[col][row].Candidates;
            if (b.Cell_Values[col][row] == 0 && !cand.empty()) {
                number = cand.back();
                return;
            }
        }
    }
    col = row = 0;
    number = 0;
}

void Entry(benchmark::State& st, const std::string& path, int board, Engine_Choice engine,
           bool whole_entry, bool window = false) {
    Set_Engine_Choice(engine);
    Bench_Game game;
    game.State.Show_Labels = true;
    game.State.Help_Solve = true;
    game.Form->Resources().Use_Cell_Cache = engine == Engine_Choice::Fast;
    if (!game.Load(path)) {
        st.SkipWithError("the puzzle did not load");
        return;
    }
    int col = 0;
    int row = 0;
    Integer number = 0;
    Pick_Cell(game.State, board, col, row, number);
    bool filled = false;
    if (window) {
        for (auto _ : st) {
            filled = !filled;
            game.Form->Enter_Number(board, col, row, filled ? number : 0);
        }
        return;
    }
    for (auto _ : st) {
        filled = !filled;
        Set_Cell_Value(game.State, board, col, row, filled ? number : 0);
        if (whole_entry) {
            if (engine == Engine_Choice::Fast) {
                game.Form->Redraw_All_Boards();
            } else {
                Draw_Every_Board(*game.Form, game.State);
            }
            benchmark::DoNotOptimize(Check_Boards(game.State));
        }
    }
    Set_Engine_Choice(Engine_Choice::Fast);
}

const std::string& Samurai_File() {
    static const std::string path = Bench_Write(Bench_Samurai(), "tessel-bench-samurai.zd2");
    return path;
}

const std::string& Lattice_File() {
    static const std::string path =
        Bench_Write(Bench_Lattice(10, 10, 10), "tessel-bench-lattice-100.zd2");
    return path;
}

void Register(const char* name, const std::string& (*file)(), int board, bool whole) {
    for (const Engine_Choice engine : {Engine_Choice::Fast, Engine_Choice::Reference}) {
        const std::string full =
            std::string(name) + (engine == Engine_Choice::Fast ? "/fast" : "/reference");
        benchmark::RegisterBenchmark(
            full.c_str(), [=](benchmark::State& st) { Entry(st, file(), board, engine, whole); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);
    }
}

const bool Registered = [] {
    Register("Samurai_Entry", Samurai_File, 2, true);
    Register("Samurai_Engine_Only", Samurai_File, 2, false);
    Register("Lattice100_Entry", Lattice_File, 55, true);
    Register("Lattice100_Engine_Only", Lattice_File, 55, false);
    benchmark::RegisterBenchmark("Lattice100_Window_Entry/fast",
                                 [](benchmark::State& st) {
                                     Entry(st, Lattice_File(), 55, Engine_Choice::Fast, true, true);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Repetitions(7)
        ->ReportAggregatesOnly(true);
    return true;
}();

} // namespace
