// Loading a 1000-board file (a 25 x 40 lattice with 39 custom regions along its first row:
// the file repeats the regions in every board section, so more would pass the reader's size
// limit) as the open button does: read and validate the file, adopt it
// (region index, full recomputation), create every board's picture and draw it. "/fast" uses
// the fast engine, "/reference" the literal one with every cell composed anew; the first
// drawing of a board is always a full drawing.

#include <benchmark/benchmark.h>

#include "bench/Bench_Game.h"
#include "bench/Bench_Puzzles.h"
#include "engine/Candidate_Engine.h"

namespace {

const std::string& Big_File() {
    static const std::string path =
        Bench_Write(Bench_Lattice(25, 40, 1), "tessel-bench-lattice-1000.zd2");
    return path;
}

void Load(benchmark::State& st, Engine_Choice engine) {
    const std::string& path = Big_File();
    Set_Engine_Choice(engine);
    Bench_Game game;
    game.Form->Resources().Use_Cell_Cache = engine == Engine_Choice::Fast;
    for (auto _ : st) {
        if (!game.Load(path)) {
            st.SkipWithError("the puzzle did not load");
            break;
        }
    }
    st.counters["boards"] = static_cast<double>(game.State.Sudoku_Boards.size());
    Set_Engine_Choice(Engine_Choice::Fast);
}

const bool Registered = [] {
    benchmark::RegisterBenchmark("Load1000/fast",
                                 [](benchmark::State& st) { Load(st, Engine_Choice::Fast); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("Load1000/reference",
                                 [](benchmark::State& st) { Load(st, Engine_Choice::Reference); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
    return true;
}();

} // namespace
