// The engine must never rule out the true number of a cell, whatever it deduces, and the
// copies of a shared cell must always agree. Checked on puzzles with known unique solutions.

#include <gtest/gtest.h>

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Number_Locking.h"
#include "tests/core/Both_Engines.h"
#include "tests/core/Test_Puzzles.h"

using namespace test_puzzles;

class Soundness : public On_Both_Engines {};
RUN_ON_BOTH_ENGINES(Soundness);

namespace {

// Every empty cell still allows its solution value; the lists describe Possible.
void Expect_Sound(const Test_Puzzle& p, const std::string& when) {
    const Puzzle_State& s = p.State;
    for (std::size_t b = 0; b < s.Sudoku_Boards.size(); ++b) {
        const auto& board = s.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const Tracking_Array_FrameWork& t = board.Cell_Tracking[c][r];
                std::vector<Integer> listed;
                for (int n = 1; n <= board.Max_Number; ++n)
                    if (t.Possible[n - 1] != 0)
                        listed.push_back(n);
                ASSERT_EQ(t.Candidates, listed) << p.Name << " " << when;
                ASSERT_EQ(t.Candidate_Count, static_cast<Integer>(listed.size()));
                if (board.Cell_Values[c][r] == 0) {
                    const Integer v = p.Solution[b][c][r];
                    ASSERT_NE(t.Possible[v - 1], 0)
                        << p.Name << " " << when << ": board " << b << " cell (" << c << ", " << r
                        << ") lost its solution value " << v;
                }
            }
        }
    }
}

void Expect_Copies_Agree(const Puzzle_State& s, const std::string& when) {
    for (std::size_t b = 0; b < s.Sudoku_Boards.size(); ++b) {
        for (std::size_t k = 0; k < s.Board_Overlaps[b].Linked_Boards.size(); ++k) {
            const Shared_Area a = Shared_Area_Of(s, static_cast<int>(b), static_cast<int>(k));
            for (int c = a.First_Col; c <= a.Last_Col; ++c) {
                for (int r = a.First_Row; r <= a.Last_Row; ++r) {
                    const auto& here = s.Sudoku_Boards[b].Cell_Tracking[c][r];
                    const auto& there = s.Sudoku_Boards[a.Other_Board]
                                            .Cell_Tracking[c + a.Col_Offset][r + a.Row_Offset];
                    ASSERT_EQ(s.Sudoku_Boards[b].Cell_Values[c][r],
                              s.Sudoku_Boards[a.Other_Board]
                                  .Cell_Values[c + a.Col_Offset][r + a.Row_Offset])
                        << when;
                    ASSERT_EQ(here.Possible, there.Possible)
                        << when << ": board " << b << " cell (" << c << ", " << r << ")";
                    ASSERT_EQ(here.Candidates, there.Candidates) << when;
                }
            }
        }
    }
}

void Expect_Filled_Correctly(const Test_Puzzle& p, const std::string& when) {
    for (std::size_t b = 0; b < p.State.Sudoku_Boards.size(); ++b) {
        const auto& board = p.State.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c)
            for (int r = 0; r < board.Rows; ++r)
                if (board.Cell_Values[c][r] != 0) {
                    ASSERT_EQ(board.Cell_Values[c][r], p.Solution[b][c][r])
                        << p.Name << " " << when << ": board " << b << " cell (" << c << ", " << r
                        << ")";
                }
    }
}

int Empty_Cells(const Puzzle_State& s) {
    int empty = 0;
    for (const auto& board : s.Sudoku_Boards)
        for (const auto& column : board.Cell_Values)
            for (Integer v : column)
                empty += v == 0 ? 1 : 0;
    return empty;
}

} // namespace

TEST(Test_Puzzles, SolutionsAreValidAndUnique) {
    for (Test_Puzzle& p : All_Puzzles()) {
        EXPECT_TRUE(Is_Valid_Solution(p.State, p.Solution)) << p.Name;
        Unit_Solver solver(p.State);
        ASSERT_EQ(solver.Count(2), 1) << p.Name;
        EXPECT_EQ(solver.To_Grids(solver.Found()[0]), p.Solution) << p.Name;
        EXPECT_GT(Empty_Cells(p.State), 0) << p.Name;
        EXPECT_TRUE(Describe_Invariant_Violation(p.State).empty()) << p.Name;
    }
}

TEST_P(Soundness, GivensKeepEverySolutionValue) {
    for (const bool help : {false, true}) {
        for (Test_Puzzle& p : All_Puzzles()) {
            p.State.Help_Solve = help;
            Recompute_All(p.State);
            const std::string when = help ? "help on" : "help off";
            Expect_Sound(p, when);
            Expect_Copies_Agree(p.State, p.Name + " " + when);
        }
    }
}

// Entering the solution cell by cell, in a scattered order, never rules out a true number.
TEST_P(Soundness, EveryStateOnTheWayToTheSolution) {
    for (const bool help : {false, true}) {
        for (Test_Puzzle& p : All_Puzzles()) {
            p.State.Help_Solve = help;
            Recompute_All(p.State);
            std::vector<std::array<int, 3>> open;
            for (std::size_t b = 0; b < p.State.Sudoku_Boards.size(); ++b) {
                const auto& board = p.State.Sudoku_Boards[b];
                for (int c = 0; c < board.Cols; ++c)
                    for (int r = 0; r < board.Rows; ++r)
                        if (board.Cell_Values[c][r] == 0)
                            open.push_back({static_cast<int>(b), c, r});
            }
            // A fixed scatter: every 7th open cell in turn.
            std::vector<std::array<int, 3>> order;
            for (std::size_t start = 0; start < 7; ++start)
                for (std::size_t i = start; i < open.size(); i += 7)
                    order.push_back(open[i]);
            ASSERT_EQ(order.size(), open.size());
            int step = 0;
            for (const auto& cell : order) {
                if (p.State.Sudoku_Boards[cell[0]].Cell_Values[cell[1]][cell[2]] != 0) {
                    continue; // already filled as the copy of a shared cell
                }
                Set_Cell_Value(p.State, cell[0], cell[1], cell[2],
                               p.Solution[cell[0]][cell[1]][cell[2]]);
                const std::string when =
                    std::string(help ? "help on" : "help off") + " entry " + std::to_string(step++);
                Expect_Sound(p, when);
                Expect_Copies_Agree(p.State, p.Name + " " + when);
                if (::testing::Test::HasFatalFailure())
                    return;
            }
            EXPECT_EQ(Empty_Cells(p.State), 0) << p.Name;
            EXPECT_EQ(Check_Boards(p.State), Check_Verdict::All_Completed) << p.Name;
        }
    }
}

// "Set Numbers" repeated with help on fills only true numbers, and keeps going while it can.
TEST_P(Soundness, RepeatedSetNumbersNeverPlacesAWrongNumber) {
    for (Test_Puzzle& p : All_Puzzles()) {
        p.State.Help_Solve = true;
        Recompute_All(p.State);
        const int empty_before = Empty_Cells(p.State);
        int rounds = 0;
        int filled_total = 0;
        while (rounds < 500) {
            const int filled = Set_Numbers_Fill(p.State);
            if (filled == 0)
                break;
            filled_total += filled;
            ++rounds;
            Expect_Filled_Correctly(p, "round " + std::to_string(rounds));
            Expect_Sound(p, "round " + std::to_string(rounds));
            Expect_Copies_Agree(p.State, p.Name + " round " + std::to_string(rounds));
            if (::testing::Test::HasFatalFailure())
                return;
        }
        EXPECT_LT(rounds, 500) << p.Name;
        EXPECT_GT(filled_total, 0) << p.Name << ": nothing was ever filled";
        EXPECT_LT(Empty_Cells(p.State), empty_before) << p.Name;
        if (Empty_Cells(p.State) == 0) {
            EXPECT_EQ(Check_Boards(p.State), Check_Verdict::All_Completed) << p.Name;
        }
    }
}
