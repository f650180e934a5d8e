// Every hint a player asks for, timed: puzzles played from their givens to the end by hints
// alone, the hint's number entered after each (as the window enters it), each hint asked with
// the puzzle's shape made once (as the session holds it). Two sources:
//
// - rated classic lines ("puzzle rating", bench/se-sample.txt): per band of the given rating,
//   the hints asked, their median, 90th and 99th percentile and slowest time, and how many
//   needed the trial step; the goal is every hint up to SE 9.3 in 250 ms;
// - generated puzzles of the kinds asked (at the level asked, over a run of seeds): the same
//   figures per kind; the Samurai's median has a goal of 5 ms.
//
// The slowest hints are listed with their puzzle and the technique of their hardest step.
//
//   tessel_hint_bench [--sample FILE] [--most 9.3] [--every N] [--slowest N]
//                     [--kinds samurai,...] [--level extreme] [--seeds N]
//
// --sample none leaves the rated lines out; --kinds none the generated puzzles.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "logic/Generator.h"
#include "logic/Hint.h"
#include "model/Puzzle_Shape.h"

namespace {

struct Timed_Hint {
    double Ms = 0;
    std::string Puzzle;    // the line, or kind and seed
    std::string Hardest;   // the technique of its hardest step
    int Step_Count = 0;
    bool Trial = false;
};

struct Group_Figures {
    std::vector<Timed_Hint> Hints;
    int Puzzles = 0;
    int Unfinished = 0; // play stopped before the end (no hint, or a wrong kind of hint)
};

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');) {
        if (!part.empty()) {
            out.push_back(part);
        }
    }
    return out;
}

Puzzle_State Classic_From_Line(const std::string& line) {
    Puzzle_State p;
    Add_Board_Model(p, Board_Type_9x9, 9, 9, 9, 0);
    p.Board_Overlaps.resize(1);
    p.Board_Positions.resize(1);
    for (int i = 0; i < 81; ++i) {
        const char ch = line[i];
        const int n = ch >= '1' && ch <= '9' ? ch - '0' : 0;
        p.Sudoku_Boards[0].Cell_Values[i % 9][i / 9] = n;
        p.Sudoku_Boards[0].Cell_Locked[i % 9][i / 9] = n != 0 ? 1 : 0;
    }
    return p;
}

// Plays the puzzle to the end by hints, timing each; false when it stopped early.
bool Play_By_Hints(Puzzle_State p, const std::string& name, Group_Figures& figures) {
    const std::shared_ptr<const Puzzle_Shape> shape = Make_Puzzle_Shape(p);
    ++figures.Puzzles;
    for (;;) {
        const auto start = std::chrono::steady_clock::now();
        const Hint hint = Find_Hint(p, shape);
        const auto end = std::chrono::steady_clock::now();
        if (hint.Kind == Hint_Kind::Already_Solved) {
            return true;
        }
        Timed_Hint t;
        t.Ms = std::chrono::duration<double, std::milli>(end - start).count();
        t.Puzzle = name;
        t.Step_Count = static_cast<int>(hint.Steps.size());
        int hardest = -1;
        for (const Step& s : hint.Steps) {
            t.Trial = t.Trial || s.Kind == Technique::Trial;
            if (s.Rating > hardest) {
                hardest = s.Rating;
                t.Hardest = Technique_Name(s.Kind);
            }
        }
        figures.Hints.push_back(t);
        if (hint.Kind != Hint_Kind::Next_Number) {
            ++figures.Unfinished;
            std::fprintf(stderr, "%s: %s\n", name.c_str(), hint.Text.c_str());
            return false;
        }
        for (const Number_Place& at : hint.Placement) {
            p.Sudoku_Boards[at.Board].Cell_Values[at.Col][at.Row] = at.Number;
        }
    }
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t at = static_cast<std::size_t>(share * (values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

void Print_Header() {
    std::printf("%-14s %7s %6s %9s %8s %8s %9s %6s %s\n", "group", "puzzles", "hints",
                "median ms", "p90 ms", "p99 ms", "max ms", "trial", "goal");
}

void Print_Row(const std::string& label, const Group_Figures& g, const std::string& goal) {
    std::vector<double> ms;
    int trial = 0;
    for (const Timed_Hint& h : g.Hints) {
        ms.push_back(h.Ms);
        trial += h.Trial ? 1 : 0;
    }
    std::printf("%-14s %7d %6zu %9.2f %8.2f %8.2f %9.2f %6d %s\n", label.c_str(), g.Puzzles,
                g.Hints.size(), Percentile(ms, 0.5), Percentile(ms, 0.9), Percentile(ms, 0.99),
                ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()), trial, goal.c_str());
    if (g.Unfinished > 0) {
        std::printf("%-14s %d puzzles stopped before the end\n", "", g.Unfinished);
    }
    std::fflush(stdout);
}

std::string Verdict(bool met, const std::string& what) {
    return (met ? "met: " : "MISSED: ") + what;
}

} // namespace

int main(int argc, char** argv) {
    std::string sample = std::string(TESSEL_SOURCE_DIR) + "/bench/se-sample.txt";
    double most = 9.3;
    int every = 1;
    int slowest = 10;
    std::vector<std::string> kinds = {"samurai"};
    std::string level_name = "extreme";
    int seeds = 5;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--sample") {
            sample = value;
        } else if (option == "--most") {
            most = std::atof(value.c_str());
        } else if (option == "--every") {
            every = std::max(1, std::atoi(value.c_str()));
        } else if (option == "--slowest") {
            slowest = std::max(0, std::atoi(value.c_str()));
        } else if (option == "--kinds") {
            kinds = value == "none" ? std::vector<std::string>{} : Split(value);
        } else if (option == "--level") {
            level_name = value;
        } else if (option == "--seeds") {
            seeds = std::max(1, std::atoi(value.c_str()));
        } else {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    Puzzle_Level level = Puzzle_Level::Extreme;
    if (!Parse_Level(level_name, level)) {
        std::fprintf(stderr, "unknown level %s\n", level_name.c_str());
        return 2;
    }

    std::vector<Timed_Hint> all;
    Print_Header();
    if (sample != "none") {
        std::ifstream in(sample);
        if (!in) {
            std::fprintf(stderr, "%s cannot be read\n", sample.c_str());
            return 1;
        }
        // Bands of the given rating: below 6.0, then a band per whole number.
        std::map<int, Group_Figures> bands;
        Group_Figures up_to_most;
        int line_number = 0;
        for (std::string line; std::getline(in, line);) {
            std::istringstream fields(line);
            std::string puzzle;
            double rating = 0;
            if (!(fields >> puzzle >> rating) || puzzle.size() != 81 || rating > most + 1e-9 ||
                line_number++ % every != 0) {
                continue;
            }
            Group_Figures one;
            Play_By_Hints(Classic_From_Line(puzzle), puzzle, one);
            for (Group_Figures* g : {&bands[rating < 6.0 ? 5 : static_cast<int>(rating)],
                                     &up_to_most}) {
                g->Puzzles += one.Puzzles;
                g->Unfinished += one.Unfinished;
                g->Hints.insert(g->Hints.end(), one.Hints.begin(), one.Hints.end());
            }
            all.insert(all.end(), one.Hints.begin(), one.Hints.end());
        }
        for (const auto& [band, g] : bands) {
            char label[32];
            if (band == 5) {
                std::snprintf(label, sizeof label, "SE below 6.0");
            } else {
                std::snprintf(label, sizeof label, "SE %d.0-%d.9", band, band);
            }
            Print_Row(label, g, "");
        }
        double max_ms = 0;
        for (const Timed_Hint& h : up_to_most.Hints) {
            max_ms = std::max(max_ms, h.Ms);
        }
        char label[32];
        std::snprintf(label, sizeof label, "SE to %.1f", most);
        Print_Row(label, up_to_most, Verdict(max_ms <= 250.0, "every hint <= 250 ms"));
    }
    for (const std::string& kind : kinds) {
        Group_Figures g;
        for (int seed = 1; seed <= seeds; ++seed) {
            const Generate_Result made = Generate_Puzzle(kind, seed, level);
            if (!made.Ok()) {
                std::fprintf(stderr, "%s: %s\n", kind.c_str(), made.Error.c_str());
                return 1;
            }
            Play_By_Hints(made.Puzzle, kind + " " + level_name + " seed " + std::to_string(seed),
                          g);
        }
        std::vector<double> ms;
        for (const Timed_Hint& h : g.Hints) {
            ms.push_back(h.Ms);
        }
        Print_Row(kind + " " + level_name, g,
                  kind == "samurai" ? Verdict(Percentile(ms, 0.5) <= 5.0, "median <= 5 ms") : "");
        all.insert(all.end(), g.Hints.begin(), g.Hints.end());
    }
    std::sort(all.begin(), all.end(),
              [](const Timed_Hint& a, const Timed_Hint& b) { return a.Ms > b.Ms; });
    if (slowest > 0 && !all.empty()) {
        std::printf("\nslowest hints:\n");
    }
    for (int i = 0; i < slowest && i < static_cast<int>(all.size()); ++i) {
        const Timed_Hint& h = all[i];
        std::printf("%9.2f ms  %2d steps  %-40s %s\n", h.Ms, h.Step_Count, h.Hardest.c_str(),
                    h.Puzzle.c_str());
    }
    return 0;
}
