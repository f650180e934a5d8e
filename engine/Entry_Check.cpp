#include "engine/Entry_Check.h"

#include <vector>

#include "model/Board_Geometry.h"
#include "model/Puzzle_Shape.h"

namespace {

// The working state of one check. A scan stops at the first empty cell or the first repeat;
// the two flags summarise what the scans met.
struct Check_Scan {
    const Puzzle_State& state;
    std::vector<Byte> seen; // index n: number n met earlier in the current unit
    bool empty_met = false;
    bool duplicate_met = false;

    void Clear_Seen() {
        for (Byte& flag : seen) {
            flag = 0;
        }
    }

    // Visits one cell of the current scan; false means the scan stops here. A cell that does
    // not exist is passed over. A number outside 1..N of the cell's own board can never be
    // part of a solution, so it stops the scan like a repeat would.
    bool Visit(int b, int c, int r) {
        if (!Cell_Exists(state, b, c, r)) {
            return true;
        }
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        if (c >= static_cast<int>(board.Cell_Values.size()) ||
            r >= static_cast<int>(board.Cell_Values[c].size())) {
            return true;
        }
        const Integer n = board.Cell_Values[c][r];
        if (n == 0) {
            empty_met = true;
            return false;
        }
        if (n < 0 || n > board.Max_Number || n >= static_cast<Integer>(seen.size()) ||
            seen[n] != 0) {
            duplicate_met = true;
            return false;
        }
        seen[n] = 1;
        return true;
    }
};

} // namespace

Check_Verdict Check_Boards(const Puzzle_State& state, const Puzzle_Shape* shape) {
    Integer largest = 0;
    for (const Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        if (board.Max_Number > largest) {
            largest = board.Max_Number;
        }
    }
    Check_Scan scan{state, std::vector<Byte>(static_cast<std::size_t>(largest) + 1, 0)};

    // Rows, columns and blocks of every board, then the custom regions, as the groups list
    // them. A scan stops at its first empty cell or repeat; in a block the stop ends only the
    // current strip (one column of the block), and the block keeps its seen set.
    const Puzzle_Groups& groups = Shape_For(state, shape).Groups;
    for (const Cell_Group& group : groups.Groups) {
        scan.Clear_Seen();
        int strip_col = -1;
        bool stopped = false;
        for (int j = group.Begin; j < group.End; ++j) {
            const Cell_Address& cell = groups.Address[groups.Group_Cells[j]];
            if (group.Kind == Group_Kind::Block && cell.Col != strip_col) {
                strip_col = cell.Col;
                stopped = false;
            }
            if (stopped) {
                continue;
            }
            if (!scan.Visit(cell.Board, cell.Col, cell.Row)) {
                if (group.Kind != Group_Kind::Block) {
                    break;
                }
                stopped = true;
            }
        }
    }

    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    // With no board there is nothing to judge: no puzzle is reported as completed.
    if (scan.empty_met || boards == 0) {
        return Check_Verdict::Nothing_To_Say;
    }
    return scan.duplicate_met ? Check_Verdict::Duplicates : Check_Verdict::All_Completed;
}

const char* Check_Message(Check_Verdict verdict) {
    switch (verdict) {
    case Check_Verdict::Duplicates:
        return "Duplicate Entries have been Found.";
    case Check_Verdict::All_Completed:
        return "All Sudoku Boards Successfully Completed.";
    case Check_Verdict::Nothing_To_Say:
        break;
    }
    return "";
}

std::vector<Cell_Address> Conflicting_Cells(const Puzzle_State& state, const Puzzle_Shape* shape) {
    const Puzzle_Shape& s = Shape_For(state, shape);
    const Puzzle_Groups& groups = s.Groups;
    std::vector<char> clash(static_cast<std::size_t>(groups.Cells), 0);
    const auto value_of = [&](int cell) {
        const Cell_Address& at = groups.Address[static_cast<std::size_t>(cell)];
        const Integer v = state.Sudoku_Boards[at.Board].Cell_Values[at.Col][at.Row];
        return v >= 1 && v <= groups.Board_Size[at.Board] ? v : 0;
    };
    // Per group: where each number was first met, and whether it came again. A cell listed
    // twice (or a copy of a shared cell beside the cell) is one cell, not a clash.
    std::vector<int> first_var;
    std::vector<int> first_cell;
    for (const Cell_Group& group : groups.Groups) {
        first_var.assign(33, -1);
        first_cell.assign(33, -1);
        for (int j = group.Begin; j < group.End; ++j) {
            const int cell = groups.Group_Cells[j];
            const Integer v = value_of(cell);
            if (v == 0 || v > 32) {
                continue;
            }
            const int var = s.Var_Of_Cell[static_cast<std::size_t>(cell)];
            if (first_var[v] < 0) {
                first_var[v] = var;
                first_cell[v] = cell;
            } else if (first_var[v] != var) {
                clash[static_cast<std::size_t>(cell)] = 1;
                clash[static_cast<std::size_t>(first_cell[v])] = 1;
            }
        }
    }
    // Every copy of a clashing cell clashes too: the cell shows on each board that has it.
    for (int cell = 0; cell < groups.Cells; ++cell) {
        if (clash[static_cast<std::size_t>(cell)] == 1) {
            const int var = s.Var_Of_Cell[static_cast<std::size_t>(cell)];
            for (int copy : s.Cells_Of_Var[static_cast<std::size_t>(var)]) {
                if (clash[static_cast<std::size_t>(copy)] == 0) {
                    clash[static_cast<std::size_t>(copy)] = 2;
                }
            }
        }
    }
    std::vector<Cell_Address> out;
    for (int cell = 0; cell < groups.Cells; ++cell) {
        if (clash[static_cast<std::size_t>(cell)] != 0) {
            out.push_back(groups.Address[static_cast<std::size_t>(cell)]);
        }
    }
    return out;
}
