#pragma once
// Helpers shared by the logic tests: puzzles from descriptions, sample files, the hard classic
// lines and the generator's figures, their unique solution, the check that steps agree with
// it, and cells by their place on the page.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "logic/Shapes.h"
#include "logic/Solver.h"
#include "logic/Stepper.h"

namespace logic_test {

inline Puzzle_State Parse(const std::string& text) {
    Description_Result d = Parse_Description(text);
    EXPECT_TRUE(d.Ok()) << d.Error;
    return std::move(d.Puzzle);
}

inline Puzzle_State Sample(const std::string& name) {
    Puzzle_Read_Result r = Read_Puzzle_File(std::string(TESSEL_PUZZLE_DIR) + "/" + name);
    EXPECT_TRUE(r.Ok()) << name << ": " << r.Error;
    return std::move(r.Puzzle);
}

inline const std::vector<std::string>& Sample_Names() {
    static const std::vector<std::string> names = {
        "classic-easy.zd2", "classic-hard.zd2", "6x6-wide.zd2", "6x6-tall.zd2", "samurai.zd2",
        "jigsaw.zd2",       "twin-region.zd2",  "symbols.zd2",  "welcome.zd2"};
    return names;
}

// Every step-th line of bench/se-sample.txt, the bank puzzles rated on the Sudoku Explainer
// scale: the puzzle and its rating in tenths.
inline std::vector<std::pair<std::string, int>> Rated_Sample(std::size_t step) {
    std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/se-sample.txt");
    std::vector<std::pair<std::string, int>> out;
    std::size_t i = 0;
    for (std::string puzzle, rating; in >> puzzle >> rating; ++i) {
        if (i % step == 0) {
            out.emplace_back(puzzle, static_cast<int>(std::stod(rating) * 10 + 0.5));
        }
    }
    EXPECT_FALSE(out.empty());
    return out;
}

// The first lines of bench/hard-classic-1000.txt: 81 digits each, row by row, 0 for empty.
inline std::vector<std::string> Hard_Classic_Lines(std::size_t count) {
    std::ifstream in(std::string(TESSEL_SOURCE_DIR) + "/bench/hard-classic-1000.txt");
    std::vector<std::string> lines;
    for (std::string line; lines.size() < count && std::getline(in, line);) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines.size(), count);
    return lines;
}

inline Puzzle_State Classic_Puzzle(const std::string& line) {
    std::string text = "board 9x9 20 20\n";
    for (int r = 0; r < 9; ++r) {
        text += line.substr(r * 9, 9) + "\n";
    }
    return Parse(text);
}

// The empty figure of a kind the generator makes.
inline Puzzle_State Kind_Shape(const std::string& kind, std::uint64_t seed = 1) {
    Puzzle_State p;
    EXPECT_TRUE(Empty_Puzzle_Of_Kind(kind, seed, p)) << kind;
    return p;
}

// The puzzle's solution per variable of its structure; empty unless there is exactly one.
inline std::vector<int> Unique_Solution(const Puzzle_State& puzzle) {
    const Solve_Result r = Solve_Structure(Build_Constraint_Structure(puzzle), 2);
    return r.Count == 1 ? r.Solution : std::vector<int>{};
}

// The variable of a cell on the page.
inline int Var_At(const Constraint_Structure& s, int board, int col, int row) {
    for (std::size_t cell = 0; cell < s.Places.size(); ++cell) {
        if (s.Places[cell] == Cell_Place{board, col, row}) {
            return s.Var_Of_Cell[cell];
        }
    }
    return -1;
}

// Every placement equals the solution's number and no elimination removes it, for the
// variables and for every copy named on the page; every copy is named.
inline void Expect_Step_Sound(const Logic_Shape& shape, const std::vector<int>& solution,
                              const Step& step, const std::string& where) {
    const Constraint_Structure& s = shape.Structure;
    std::size_t placed_copies = 0;
    std::size_t removed_copies = 0;
    for (const Var_Number& p : step.Var_Placements) {
        EXPECT_EQ(p.Number, solution[p.Var]) << where << ": " << step.Text;
        placed_copies += s.Cells_Of_Var[p.Var].size();
    }
    for (const Var_Number& e : step.Var_Eliminations) {
        EXPECT_NE(e.Number, solution[e.Var]) << where << ": " << step.Text;
        removed_copies += s.Cells_Of_Var[e.Var].size();
    }
    EXPECT_EQ(step.Placements.size(), placed_copies) << where << ": " << step.Text;
    EXPECT_EQ(step.Eliminations.size(), removed_copies) << where << ": " << step.Text;
    for (const Number_Place& p : step.Placements) {
        EXPECT_EQ(p.Number, solution[Var_At(s, p.Board, p.Col, p.Row)]) << where;
    }
    for (const Number_Place& e : step.Eliminations) {
        EXPECT_NE(e.Number, solution[Var_At(s, e.Board, e.Col, e.Row)]) << where;
    }
    EXPECT_FALSE(step.Text.empty()) << where;
    EXPECT_TRUE(step.Places() || !step.Var_Eliminations.empty()) << where << ": " << step.Text;
}

// Runs the stepper from the numbers on the boards to the end and checks every step (sound
// steps that fill every cell reach the solution). Returns the steps taken.
inline Steps_Result Expect_Sound_To_The_End(const Puzzle_State& puzzle, const std::string& where) {
    const std::vector<int> solution = Unique_Solution(puzzle);
    EXPECT_FALSE(solution.empty()) << where << ": the puzzle has no unique solution";
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
    EXPECT_EQ(Confirm_Unique_Solution(state), !solution.empty()) << where;
    Steps_Result result = All_Steps(state);
    if (solution.empty()) {
        return result;
    }
    for (const Step& step : result.Steps) {
        Expect_Step_Sound(state.Shape(), solution, step, where);
    }
    EXPECT_TRUE(result.Solved) << where << ": " << result.Stop_Reason;
    return result;
}

// A cell by its place on the page: its board's position in cells plus its column and row.
using Page_Cell = std::pair<int, int>;

inline Page_Cell On_Page(const Puzzle_State& p, int board, int col, int row) {
    return {p.Board_Positions[board].X / 20 + col, p.Board_Positions[board].Y / 20 + row};
}

// Turns a cell half a turn round the centre of the cells of the map.
template <typename T> auto Half_Turn(const std::map<Page_Cell, T>& cells) {
    Page_Cell low = cells.begin()->first;
    Page_Cell high = low;
    for (const auto& entry : cells) {
        low = {std::min(low.first, entry.first.first), std::min(low.second, entry.first.second)};
        high = {std::max(high.first, entry.first.first), std::max(high.second, entry.first.second)};
    }
    return [low, high](Page_Cell at) {
        return Page_Cell{low.first + high.first - at.first, low.second + high.second - at.second};
    };
}

} // namespace logic_test
