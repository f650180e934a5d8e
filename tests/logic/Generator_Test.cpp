// Generated puzzles of every kind: exactly one solution, graded as reported, givens locked,
// copies of shared cells equal, symmetric when asked, reproducible byte for byte; and the
// worker-thread controls (progress and cancel).

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

#include "logic/Generator.h"
#include "logic/Solver.h"
#include "model/Board_Geometry.h"
#include "model/Puzzle_File.h"
#include "tests/logic/Page_Test_Support.h"

namespace {

using page_test::Page_Cell;

// Every cell's number by its place on the page. Copies of a shared cell must agree.
std::map<Page_Cell, int> Numbers_On_Page(const Puzzle_State& p, const std::string& name) {
    std::map<Page_Cell, int> out;
    for (std::size_t b = 0; b < p.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = p.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const Page_Cell at = page_test::On_Page(p, static_cast<int>(b), c, r);
                const int n = board.Cell_Values[c][r];
                const auto known = out.find(at);
                if (known != out.end()) {
                    EXPECT_EQ(known->second, n) << name << ": copies of a shared cell differ";
                }
                out[at] = n;
            }
        }
    }
    return out;
}

bool Givens_Symmetric(const std::map<Page_Cell, int>& numbers) {
    const page_test::Half_Turn<int> turn(numbers);
    for (const auto& [at, n] : numbers) {
        const auto turned = numbers.find(turn(at));
        if (turned == numbers.end() || (turned->second != 0) != (n != 0)) {
            return false;
        }
    }
    return true;
}

// Everything a generated puzzle must be, whatever its kind and level.
void Expect_Sound(const Generate_Result& g, const std::string& name, bool symmetric) {
    ASSERT_TRUE(g.Ok()) << name << ": " << g.Error;
    EXPECT_EQ(Count_Solutions(g.Puzzle, 2).Count, 1) << name;
    const Grade_Result grade = Grade_Puzzle(g.Puzzle);
    EXPECT_EQ(grade.Level, g.Reached) << name;
    EXPECT_EQ(grade.Score, g.Score) << name;
    EXPECT_EQ(grade.Techniques, g.Techniques) << name;

    // Givens are locked; nothing else is on the boards.
    for (const auto& board : g.Puzzle.Sudoku_Boards) {
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                EXPECT_EQ(board.Cell_Values[c][r] != 0, board.Cell_Locked[c][r] != 0) << name;
            }
        }
    }
    const std::map<Page_Cell, int> numbers = Numbers_On_Page(g.Puzzle, name);
    int givens = 0;
    for (const auto& [at, n] : numbers) {
        givens += n != 0 ? 1 : 0;
    }
    EXPECT_EQ(givens, g.Givens) << name;
    EXPECT_EQ(g.Symmetric, symmetric) << name;
    if (symmetric) {
        EXPECT_TRUE(Givens_Symmetric(numbers)) << name;
    }

    // The file keeps it, byte for byte.
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(g.Puzzle);
    const Puzzle_Read_Result back = Read_Puzzle_Bytes(bytes);
    ASSERT_TRUE(back.Ok()) << name << ": " << back.Error;
    EXPECT_EQ(Write_Puzzle_Bytes(back.Puzzle), bytes) << name;
}

const Puzzle_Level All_Levels[] = {Puzzle_Level::Easy, Puzzle_Level::Medium, Puzzle_Level::Hard,
                                   Puzzle_Level::Expert, Puzzle_Level::Extreme};

} // namespace

// Easy on every kind and one other level each, so that every level is made on a few kinds;
// a second seed on the single boards.
TEST(Generator, EveryKindIsSoundAtTheLevelsItReaches) {
    const std::map<std::string, Puzzle_Level> other = {
        {"classic", Puzzle_Level::Medium},  {"6x6-wide", Puzzle_Level::Hard},
        {"6x6-tall", Puzzle_Level::Expert}, {"jigsaw", Puzzle_Level::Extreme},
        {"symbols", Puzzle_Level::Hard},    {"samurai", Puzzle_Level::Hard},
        {"twin", Puzzle_Level::Expert},     {"butterfly", Puzzle_Level::Extreme},
        {"sohei", Puzzle_Level::Medium},    {"windmill", Puzzle_Level::Extreme}};
    ASSERT_EQ(other.size(), Puzzle_Kinds().size());
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        for (std::uint64_t seed : {1u, 2u}) {
            if (seed == 2 && kind.Boards > 1) {
                continue;
            }
            for (Puzzle_Level level : {Puzzle_Level::Easy, other.at(kind.Name)}) {
                const std::string name =
                    kind.Name + " seed " + std::to_string(seed) + " " + Level_Name(level);
                const Generate_Result g = Generate_Puzzle(kind.Name, seed, level);
                Expect_Sound(g, name, true);
                EXPECT_EQ(g.Asked, level);
                EXPECT_EQ(g.Level_Reached(), g.Reached == level);
                EXPECT_EQ(g.Puzzle.Sudoku_Boards.size(), static_cast<std::size_t>(kind.Boards));
                if (level == Puzzle_Level::Easy) {
                    EXPECT_EQ(g.Reached, Puzzle_Level::Easy) << name;
                }
            }
        }
    }
}

TEST(Generator, WithoutSymmetryTheGivensMayStandAnywhere) {
    Generate_Options none;
    none.Symmetry = Given_Symmetry::None;
    int asymmetric = 0;
    for (const char* kind : {"classic", "6x6-wide", "jigsaw", "twin", "windmill"}) {
        const Generate_Result g = Generate_Puzzle(kind, 4, Puzzle_Level::Extreme, none);
        Expect_Sound(g, std::string(kind) + " without symmetry", false);
        asymmetric += Givens_Symmetric(Numbers_On_Page(g.Puzzle, kind)) ? 0 : 1;
    }
    EXPECT_GE(asymmetric, 4);
}

TEST(Generator, NineByNineKindsReachEveryLevel) {
    for (const char* kind : {"classic", "twin"}) {
        for (Puzzle_Level level : All_Levels) {
            const Generate_Result g = Generate_Puzzle(kind, 5, level);
            EXPECT_EQ(g.Reached, level) << kind << " " << Level_Name(level);
            EXPECT_TRUE(g.Level_Reached());
            EXPECT_EQ(Grade_Puzzle(g.Puzzle).Level, level) << kind << " " << Level_Name(level);
        }
    }
    // A 6x6 board is rarely medium, but hard and expert come readily.
    for (Puzzle_Level level : {Puzzle_Level::Easy, Puzzle_Level::Hard, Puzzle_Level::Expert}) {
        EXPECT_EQ(Generate_Puzzle("6x6-wide", 5, level).Reached, level) << Level_Name(level);
    }
}

TEST(Generator, SameChoicesSameBytesAnyOtherChoiceAnotherPuzzle) {
    Generate_Options none;
    none.Symmetry = Given_Symmetry::None;
    for (const char* kind : {"classic", "jigsaw", "twin"}) {
        const auto made = [&](std::uint64_t seed, Puzzle_Level level, const Generate_Options& o) {
            return Write_Puzzle_Bytes(Generate_Puzzle(kind, seed, level, o).Puzzle);
        };
        const auto a = made(42, Puzzle_Level::Medium, {});
        EXPECT_EQ(a, made(42, Puzzle_Level::Medium, {})) << kind;
        EXPECT_NE(a, made(43, Puzzle_Level::Medium, {})) << kind;
        EXPECT_NE(a, made(42, Puzzle_Level::Easy, {})) << kind;
        EXPECT_NE(a, made(42, Puzzle_Level::Medium, none)) << kind;
    }
}

TEST(Generator, ProgressIsReportedAndCancelStops) {
    std::vector<Generate_Progress> seen;
    Generate_Options watched;
    watched.Progress = [&](const Generate_Progress& p) { seen.push_back(p); };
    const Generate_Result g = Generate_Puzzle("butterfly", 2, Puzzle_Level::Hard, watched);
    ASSERT_TRUE(g.Ok());
    ASSERT_EQ(static_cast<int>(seen.size()), g.Grades);
    for (std::size_t k = 0; k < seen.size(); ++k) {
        EXPECT_EQ(seen[k].Grades, static_cast<int>(k + 1));
        EXPECT_GT(seen[k].Fraction, 0.0);
        EXPECT_LE(seen[k].Fraction, 1.0);
        EXPECT_TRUE(seen[k].Has_Best);
        if (k > 0) {
            EXPECT_GE(seen[k].Fraction, seen[k - 1].Fraction);
        }
    }
    EXPECT_EQ(seen.back().Best_Level, g.Reached);

    // Cancelled before it starts, and from the progress callback after the first grade.
    std::atomic<bool> cancel{true};
    Generate_Options cancelled;
    cancelled.Cancel = &cancel;
    const Generate_Result none = Generate_Puzzle("windmill", 2, Puzzle_Level::Extreme, cancelled);
    EXPECT_TRUE(none.Cancelled);
    EXPECT_FALSE(none.Ok());
    EXPECT_TRUE(none.Puzzle.Sudoku_Boards.empty());

    cancel = false;
    int calls = 0;
    cancelled.Progress = [&](const Generate_Progress&) {
        ++calls;
        cancel = true;
    };
    const Generate_Result stopped = Generate_Puzzle("classic", 2, Puzzle_Level::Extreme, cancelled);
    EXPECT_TRUE(stopped.Cancelled);
    EXPECT_EQ(calls, 1);
}

// The window generates on a worker thread: two generations at once must not disturb each
// other, and a flag set by another thread stops one.
TEST(Generator, WorkerThreadsRunAtOnceAndStopFromOutside) {
    const auto bytes = [](const char* kind, Puzzle_Level level) {
        return Write_Puzzle_Bytes(Generate_Puzzle(kind, 8, level).Puzzle);
    };
    const auto classic = bytes("classic", Puzzle_Level::Hard);
    const auto twin = bytes("twin", Puzzle_Level::Medium);
    std::vector<Byte> classic_2, twin_2;
    std::thread a([&] { classic_2 = bytes("classic", Puzzle_Level::Hard); });
    std::thread b([&] { twin_2 = bytes("twin", Puzzle_Level::Medium); });
    a.join();
    b.join();
    EXPECT_EQ(classic, classic_2);
    EXPECT_EQ(twin, twin_2);

    // A 6x6 extreme that the budget does not reach takes well over a thousand grades; the
    // flag is set once the first is reported.
    std::atomic<bool> cancel{false};
    std::atomic<int> grades{0};
    Generate_Options options;
    options.Cancel = &cancel;
    options.Progress = [&](const Generate_Progress& p) { grades = p.Grades; };
    Generate_Result result;
    std::thread worker(
        [&] { result = Generate_Puzzle("6x6-wide", 2, Puzzle_Level::Extreme, options); });
    while (grades == 0) {
        std::this_thread::yield();
    }
    cancel = true;
    worker.join();
    EXPECT_TRUE(result.Cancelled);
    EXPECT_LT(grades, 1000);
}

TEST(Generator, UnknownKindIsAnError) {
    const Generate_Result g = Generate_Puzzle("hexagon", 3, Puzzle_Level::Easy);
    EXPECT_FALSE(g.Ok());
    EXPECT_FALSE(g.Cancelled);
    EXPECT_NE(g.Error.find("classic"), std::string::npos) << g.Error;
}
