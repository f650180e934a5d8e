// Benchmarks of the logic library: a hint on a Samurai in mid-game (the window asks for one
// when the player presses the hint button), grading, and the classic solver.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/Mid_Game.h"
#include "io/Puzzle_File.h"
#include "logic/Classic_Solver.h"
#include "logic/Grading.h"
#include "logic/Hint.h"
#include "logic/Solver.h"

namespace {

Puzzle_State Sample(const char* name) {
    Puzzle_Read_Result r = Read_Puzzle_File(std::string(TESSEL_PUZZLE_DIR) + "/" + name);
    if (!r.Ok()) {
        std::abort();
    }
    return std::move(r.Puzzle);
}

// The Samurai sample with every other empty cell entered right (unlocked), in cell order.
Puzzle_State Samurai_Mid_Game() {
    return Every_Other_Empty_Cell_Entered(Sample("samurai.zd2"));
}

void Hint_Samurai_Mid_Game(benchmark::State& state) {
    const Puzzle_State p = Samurai_Mid_Game();
    for (auto _ : state) {
        const Hint hint = Find_Hint(p);
        benchmark::DoNotOptimize(hint.Steps.data());
        if (hint.Kind != Hint_Kind::Next_Number) {
            state.SkipWithError("no next number");
        }
    }
}
BENCHMARK(Hint_Samurai_Mid_Game)->Unit(benchmark::kMillisecond);

void Hint_Samurai_Start(benchmark::State& state) {
    const Puzzle_State p = Sample("samurai.zd2");
    for (auto _ : state) {
        benchmark::DoNotOptimize(Find_Hint(p).Steps.data());
    }
}
BENCHMARK(Hint_Samurai_Start)->Unit(benchmark::kMillisecond);

void Grade(benchmark::State& state, const char* name) {
    const Puzzle_State p = Sample(name);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Grade_Puzzle(p).Score);
    }
}
BENCHMARK_CAPTURE(Grade, Classic_Hard, "classic-hard.zd2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Grade, Samurai, "samurai.zd2")->Unit(benchmark::kMillisecond);

void Solve_Classic_Hard_1000(benchmark::State& state) {
    std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/hard-classic-1000.txt");
    std::vector<Classic_Grid> grids;
    std::string line;
    std::string error;
    while (std::getline(in, line)) {
        Classic_Grid g{};
        if (Parse_Classic_Line(line, g, error)) {
            grids.push_back(g);
        }
    }
    for (auto _ : state) {
        int solved = 0;
        for (const Classic_Grid& g : grids) {
            solved += Solve_Classic(g, 2).Count;
        }
        benchmark::DoNotOptimize(solved);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(grids.size()));
}
BENCHMARK(Solve_Classic_Hard_1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
