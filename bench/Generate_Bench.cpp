// Generation speed: for each kind and level, the median and slowest time of Generate_Puzzle
// over a run of seeds, how often the level was reached and the median number of givens and
// grades, and how many of the puzzles made needed the trial step. The goals (classic below
// extreme in 100 ms, a hard and an extreme Samurai and a hard 16x16 in 2 s, a 4x4 or 8x8 in
// 50 ms, as medians) are printed beside the figures they apply to.
//
//   tessel_generate_bench [--seeds N] [--kinds a,b,...] [--levels a,b,...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "logic/Generator.h"
#include "logic/Technique.h"

namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        if (!part.empty()) {
            out.push_back(part);
        }
    }
    return out;
}

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The goal for a kind and level in milliseconds, 0 for none.
double Goal_Ms(const std::string& kind, Puzzle_Level level) {
    if (kind == "classic" && level != Puzzle_Level::Extreme) {
        return 100.0;
    }
    if (kind == "samurai" && (level == Puzzle_Level::Hard || level == Puzzle_Level::Extreme)) {
        return 2000.0;
    }
    if (kind == "16x16" && level == Puzzle_Level::Hard) {
        return 2000.0;
    }
    if (kind == "4x4" || kind == "8x8-wide" || kind == "8x8-tall") {
        return 50.0;
    }
    return 0.0;
}

} // namespace

int main(int argc, char** argv) {
    int seeds = 20;
    std::vector<std::string> kinds = {"classic", "samurai"};
    std::vector<std::string> level_names = {"easy", "medium", "hard", "expert", "extreme"};
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--seeds") {
            seeds = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--kinds") {
            kinds = Split(argv[i + 1]);
            if (kinds.size() == 1 && kinds[0] == "all") {
                kinds.clear();
                for (const Puzzle_Kind_Info& kind : Every_Puzzle_Kind()) {
                    kinds.push_back(kind.Name);
                }
            }
        } else if (option == "--levels") {
            level_names = Split(argv[i + 1]);
        } else {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    std::printf("%-10s %-8s %10s %10s %8s %7s %7s %6s %s\n", "kind", "level", "median ms", "max ms",
                "reached", "givens", "grades", "trial", "goal");
    for (const std::string& kind : kinds) {
        for (const std::string& name : level_names) {
            Puzzle_Level level = Puzzle_Level::Easy;
            if (!Parse_Level(name, level)) {
                std::fprintf(stderr, "unknown level %s\n", name.c_str());
                return 2;
            }
            std::vector<double> times;
            std::vector<int> givens;
            std::vector<int> grades;
            int reached = 0;
            int trial = 0;
            for (int seed = 1; seed <= seeds; ++seed) {
                const auto start = std::chrono::steady_clock::now();
                Generate_Options options; // as the window and the tool make puzzles
                options.Two_Threads = true;
                const Generate_Result g = Generate_Puzzle(kind, seed, level, options);
                const auto end = std::chrono::steady_clock::now();
                if (!g.Ok()) {
                    std::fprintf(stderr, "%s: %s\n", kind.c_str(), g.Error.c_str());
                    return 1;
                }
                times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
                givens.push_back(g.Givens);
                grades.push_back(g.Grades);
                reached += g.Level_Reached() ? 1 : 0;
                trial += g.Techniques.count(Technique_Name(Technique::Trial)) > 0 ? 1 : 0;
            }
            const double median = Median(times);
            const double goal = Goal_Ms(kind, level);
            std::string verdict;
            if (goal > 0) {
                const bool met = median <= goal;
                verdict = (met ? "met: <= " : "MISSED: <= ") +
                          std::to_string(static_cast<int>(goal)) + " ms";
            }
            std::printf("%-10s %-8s %10.1f %10.1f %5d/%-2d %7d %7d %6d %s\n", kind.c_str(),
                        name.c_str(), median, *std::max_element(times.begin(), times.end()),
                        reached, seeds, Median(givens), Median(grades), trial, verdict.c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}
