// Fuzz target for the candidate engine, and a differential test of its two implementations.
// The input describes a valid puzzle (one to four boards of the two kinds, links between
// boards of one size, custom regions that may span boards) and then a sequence of moves: cell
// entries (some out of range), locking, unlocking, restart, "Set Numbers", help on and off,
// and changes of the region mode that change the puzzle's shape under the fast engine's kept
// structure. The same moves run on two copies, one with the fast engine and one with the
// reference engine; after every move both copies must hold the same numbers, locks and
// candidate tracking, flag by flag, and the model's invariants must hold.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Fast_Engine.h"
#include "engine/Number_Locking.h"
#include "model/Board_Geometry.h"

namespace {

// Reads the input byte by byte; past its end every read gives 0.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return pos_ >= size_; }
    unsigned Byte_Value() { return pos_ < size_ ? data_[pos_++] : 0u; }
    // A value in 0 .. count-1 (count > 0).
    int Below(int count) { return static_cast<int>(Byte_Value() % static_cast<unsigned>(count)); }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

[[noreturn]] void Finding(const std::string& what) {
    std::fprintf(stderr, "engine fuzz: %s\n", what.c_str());
    std::abort();
}

Puzzle_State Build_Puzzle(Input& in) {
    Puzzle_State s;
    const int boards = 1 + in.Below(4);
    for (int i = 0; i < boards; ++i) {
        const int kind = in.Below(8);
        if (kind < 4) {
            Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
        } else if (kind < 7) {
            Add_Board_Model(s, Board_Type_6x6, 6, 6, 6, static_cast<Flag>(kind & 1));
        } else {
            // A board of a kind without blocks.
            const Integer n = 1 + in.Below(9);
            Add_Board_Model(s, 7, n, n, n, 0);
        }
        s.Board_Positions.push_back({i * 200, 0});
    }
    s.Board_Overlaps.resize(boards);

    const int links = in.Below(7);
    for (int k = 0; k < links; ++k) {
        const int from = in.Below(boards);
        const int to = in.Below(boards);
        const Integer n = s.Sudoku_Boards[from].Max_Number;
        if (s.Sudoku_Boards[to].Max_Number != n) {
            continue;
        }
        Link_Area a;
        a.This_Col = 1 + in.Below(n);
        a.This_Row = 1 + in.Below(n);
        a.Other_Col = 1 + in.Below(n);
        a.Other_Row = 1 + in.Below(n);
        s.Board_Overlaps[from].Linked_Boards.push_back(to + 1);
        s.Board_Overlaps[from].Link_Areas.push_back(a);
    }

    s.Custom_Regions_On = static_cast<Flag>(in.Below(2));
    s.Regions_Only = static_cast<Flag>(in.Below(4) == 0);
    const int regions = in.Below(5);
    for (int k = 0; k < regions; ++k) {
        std::vector<Region_Cell> region;
        const int first = in.Below(boards);
        const Integer n = s.Sudoku_Boards[first].Max_Number;
        const int cells = in.Below(n + 2); // a region may hold more cells than numbers
        for (int j = 0; j < cells; ++j) {
            int b = in.Below(boards);
            if (s.Sudoku_Boards[b].Max_Number != n) {
                b = first;
            }
            region.push_back({b, in.Below(n), in.Below(n), 0});
        }
        s.Custom_Regions.push_back(std::move(region));
    }
    if (s.Custom_Regions_On) {
        Build_Cell_Regions(s);
    }
    s.Help_Solve = in.Below(2) != 0;
    return s;
}

std::string Cell_Name(std::size_t b, int c, int r) {
    return " in board " + std::to_string(b + 1) + " cell (" + std::to_string(c) + ", " +
           std::to_string(r) + ")";
}

void Compare(const Puzzle_State& fast, const Puzzle_State& reference, int move) {
    const std::string where = " after move " + std::to_string(move);
    if (fast.Game_Modified != reference.Game_Modified) {
        Finding("Game_Modified differs" + where);
    }
    for (std::size_t b = 0; b < fast.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& f = fast.Sudoku_Boards[b];
        const Sudoku_Boards_FrameWork& r = reference.Sudoku_Boards[b];
        for (int c = 0; c < f.Cols; ++c) {
            for (int row = 0; row < f.Rows; ++row) {
                if (f.Cell_Values[c][row] != r.Cell_Values[c][row]) {
                    Finding("the number differs" + Cell_Name(b, c, row) + where);
                }
                if (f.Cell_Locked[c][row] != r.Cell_Locked[c][row]) {
                    Finding("the lock differs" + Cell_Name(b, c, row) + where);
                }
                const Tracking_Array_FrameWork& ft = f.Cell_Tracking[c][row];
                const Tracking_Array_FrameWork& rt = r.Cell_Tracking[c][row];
                if (ft.Possible.size() != rt.Possible.size()) {
                    Finding("Possible has another length" + Cell_Name(b, c, row) + where);
                }
                for (std::size_t n = 0; n < rt.Possible.size(); ++n) {
                    if ((ft.Possible[n] != 0) != (rt.Possible[n] != 0)) {
                        Finding("Possible[" + std::to_string(n) + "] differs" +
                                Cell_Name(b, c, row) + where);
                    }
                }
                if (ft.Candidates != rt.Candidates) {
                    Finding("Candidates differ" + Cell_Name(b, c, row) + where);
                }
                if (ft.Candidate_Count != rt.Candidate_Count) {
                    Finding("Candidate_Count differs" + Cell_Name(b, c, row) + where);
                }
            }
        }
    }
}

template <typename Move> void On_Both(Puzzle_State& fast, Puzzle_State& reference, Move move) {
    Set_Engine_Choice(Engine_Choice::Fast);
    move(fast);
    Set_Engine_Choice(Engine_Choice::Reference);
    move(reference);
    Set_Engine_Choice(Engine_Choice::Fast);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    // Each input starts without structure kept from the one before, so a finding replays
    // from its input alone.
    Fast_Engine_Forget();
    Puzzle_State fast = Build_Puzzle(in);
    const std::string broken = Describe_Invariant_Violation(fast);
    if (!broken.empty()) {
        Finding("the built puzzle breaks an invariant: " + broken);
    }
    if (!Fast_Engine_Handles(fast)) {
        Finding("the fast engine hands a valid puzzle to the reference engine");
    }
    Puzzle_State reference = fast;
    On_Both(fast, reference, [](Puzzle_State& s) { Recompute_All(s); });
    Compare(fast, reference, 0);

    const int boards = static_cast<int>(fast.Sudoku_Boards.size());
    for (int move = 1; move <= 64 && !in.Done(); ++move) {
        const int op = in.Below(32);
        if (op < 24) {
            const int b = in.Below(boards);
            const Integer n = fast.Sudoku_Boards[b].Max_Number;
            const int c = in.Below(n);
            const int r = in.Below(n);
            const Integer value = in.Below(n + 2); // n + 1 is out of range and ignored
            On_Both(fast, reference, [&](Puzzle_State& s) { Set_Cell_Value(s, b, c, r, value); });
        } else if (op == 24) {
            On_Both(fast, reference, [](Puzzle_State& s) { Lock_Numbers(s); });
        } else if (op == 25) {
            On_Both(fast, reference, [](Puzzle_State& s) { Unlock_Numbers(s); });
        } else if (op == 26) {
            On_Both(fast, reference, [](Puzzle_State& s) { Restart_Boards(s); });
        } else if (op == 27 || op == 28) {
            int filled[2] = {0, 0};
            Set_Engine_Choice(Engine_Choice::Fast);
            filled[0] = Set_Numbers_Fill(fast);
            Set_Engine_Choice(Engine_Choice::Reference);
            filled[1] = Set_Numbers_Fill(reference);
            Set_Engine_Choice(Engine_Choice::Fast);
            if (filled[0] != filled[1]) {
                Finding("Set Numbers filled a different number of cells");
            }
        } else if (op == 29) {
            On_Both(fast, reference, [](Puzzle_State& s) {
                s.Help_Solve = !s.Help_Solve;
                Recompute_All(s);
            });
        } else if (op == 30) {
            // The region mode changes the puzzle's shape under the kept structure.
            On_Both(fast, reference, [](Puzzle_State& s) {
                s.Regions_Only = !s.Regions_Only;
                Recompute_All(s);
            });
        } else {
            On_Both(fast, reference, [](Puzzle_State& s) {
                s.Custom_Regions_On = !s.Custom_Regions_On;
                if (s.Custom_Regions_On) {
                    Build_Cell_Regions(s);
                } else {
                    s.Cell_Regions.clear();
                }
                Recompute_All(s);
            });
        }
        Compare(fast, reference, move);
        if (Check_Boards(fast) != Check_Boards(reference)) {
            Finding("the entry check differs after move " + std::to_string(move));
        }
        const std::string problem = Describe_Invariant_Violation(fast);
        if (!problem.empty()) {
            Finding("after move " + std::to_string(move) + ": " + problem);
        }
    }
    return 0;
}
