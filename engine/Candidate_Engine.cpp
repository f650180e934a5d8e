#include "engine/Candidate_Engine.h"

#include <cassert>

#include "engine/Fast_Engine.h"
#include "model/Board_Geometry.h"

// The reference engine. Every step below is written out plainly, loop by loop, in the order
// the game has always used: the results depend on that order (a cell narrowed by one step is
// seen narrowed by every later step of the same pass), so the loops must not be reordered,
// merged or cut short.
//
// Guards: every flag access goes through Is_Possible / Clear_Possible, which treat a number
// outside a cell's own Possible array as not possible there and never write outside it; cells
// named by links and custom regions are skipped when they do not exist. With consistent
// puzzle data none of these guards changes a result.

namespace {

// ---------------------------------------------------------------------------------------
// Small helpers.

bool Is_Possible(const Tracking_Array_FrameWork& t, int n) {
    return n >= 1 && n <= static_cast<int>(t.Possible.size()) && t.Possible[n - 1] != 0;
}

void Clear_Possible(Tracking_Array_FrameWork& t, int n) {
    if (n >= 1 && n <= static_cast<int>(t.Possible.size())) {
        t.Possible[n - 1] = 0;
    }
}

// The board's number range, the size every row and column loop runs over. Boards are square;
// the loops also stay inside the arrays should a board's fields disagree.
int Size_Of(const Sudoku_Boards_FrameWork& board) {
    int n = board.Max_Number;
    if (n > static_cast<int>(board.Cell_Values.size())) {
        n = static_cast<int>(board.Cell_Values.size());
    }
    if (n > static_cast<int>(board.Cell_Tracking.size())) {
        n = static_cast<int>(board.Cell_Tracking.size());
    }
    for (int c = 0; c < n; ++c) {
        if (n > static_cast<int>(board.Cell_Values[c].size())) {
            n = static_cast<int>(board.Cell_Values[c].size());
        }
        if (n > static_cast<int>(board.Cell_Tracking[c].size())) {
            n = static_cast<int>(board.Cell_Tracking[c].size());
        }
    }
    return n < 0 ? 0 : n;
}

bool Inside(const Puzzle_State& state, int b, int c, int r) {
    if (b < 0 || b >= static_cast<int>(state.Sudoku_Boards.size())) {
        return false;
    }
    const int n = Size_Of(state.Sudoku_Boards[b]);
    return c >= 0 && r >= 0 && c < n && r < n;
}

bool Blocks_Apply(const Puzzle_State& state, const Sudoku_Boards_FrameWork& board) {
    return !state.Regions_Only && Has_Block_Kind(board);
}

// The 1-based region numbers of a cell, or nullptr when the index has no entry for it.
const std::vector<Integer>* Regions_Of(const Puzzle_State& state, int b, int c, int r) {
    if (b < 0 || b >= static_cast<int>(state.Cell_Regions.size())) {
        return nullptr;
    }
    const auto& board = state.Cell_Regions[b];
    if (c < 0 || c >= static_cast<int>(board.size())) {
        return nullptr;
    }
    if (r < 0 || r >= static_cast<int>(board[c].size())) {
        return nullptr;
    }
    return &board[c][r].Region_Numbers;
}

// The region with 1-based number k, or nullptr for 0 and numbers outside the list.
const std::vector<Region_Cell>* Region_Numbered(const Puzzle_State& state, Integer k) {
    if (k < 1 || k > static_cast<Integer>(state.Custom_Regions.size())) {
        return nullptr;
    }
    return &state.Custom_Regions[k - 1];
}

Tracking_Array_FrameWork& Tracking_At(Puzzle_State& state, int b, int c, int r) {
    return state.Sudoku_Boards[b].Cell_Tracking[c][r];
}

Integer Value_At(const Puzzle_State& state, int b, int c, int r) {
    return state.Sudoku_Boards[b].Cell_Values[c][r];
}

void Rebuild_Cell(Tracking_Array_FrameWork& t) {
    t.Candidates.clear();
    for (int n = 1; n <= static_cast<int>(t.Possible.size()); ++n) {
        if (t.Possible[n - 1] != 0) {
            t.Candidates.push_back(n);
        }
    }
    t.Candidate_Count = static_cast<Integer>(t.Candidates.size());
}

bool Same_Pair(const Tracking_Array_FrameWork& p, const Tracking_Array_FrameWork& q) {
    return q.Candidate_Count == 2 && q.Candidates.size() >= 2 && p.Candidates.size() >= 2 &&
           q.Candidates[0] == p.Candidates[0] && q.Candidates[1] == p.Candidates[1];
}

bool Has_Pair_Count(const Tracking_Array_FrameWork& t) {
    return t.Candidate_Count == 2 && t.Candidates.size() >= 2;
}

// ---------------------------------------------------------------------------------------
// The steps of a recomputation.

void Reset_Possible(Puzzle_State& state) {
    for (Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        for (auto& column : board.Cell_Tracking) {
            for (Tracking_Array_FrameWork& t : column) {
                for (Byte& flag : t.Possible) {
                    flag = 1;
                }
            }
        }
    }
}

// Clears n in every cell of every custom region that holds cell (b, c, r). When skip_self is
// set the cell itself is left alone.
void Clear_In_Regions_Of(Puzzle_State& state, int b, int c, int r, int n, bool skip_self) {
    const std::vector<Integer>* numbers = Regions_Of(state, b, c, r);
    if (numbers == nullptr) {
        return;
    }
    for (const Integer k : *numbers) {
        const std::vector<Region_Cell>* region = Region_Numbered(state, k);
        if (region == nullptr) {
            continue;
        }
        for (const Region_Cell& cell : *region) {
            if (skip_self && cell.Board == b && cell.Col == c && cell.Row == r) {
                continue;
            }
            if (Inside(state, cell.Board, cell.Col, cell.Row)) {
                Clear_Possible(Tracking_At(state, cell.Board, cell.Col, cell.Row), n);
            }
        }
    }
}

void Eliminate_Placed_Numbers(Puzzle_State& state) {
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    for (int b = 0; b < boards; ++b) {
        const int size = Size_Of(state.Sudoku_Boards[b]);
        for (int c = 0; c < size; ++c) {
            for (int r = 0; r < size; ++r) {
                const int n = Value_At(state, b, c, r);
                if (n <= 0) {
                    continue;
                }
                for (int c2 = 0; c2 < size; ++c2) {
                    Clear_Possible(Tracking_At(state, b, c2, r), n);
                }
                for (int r2 = 0; r2 < size; ++r2) {
                    Clear_Possible(Tracking_At(state, b, c, r2), n);
                }
                const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
                if (Blocks_Apply(state, board)) {
                    Integer oc = 0;
                    Integer orow = 0;
                    Block_Origin_Of_Cell(state, b, c, r, oc, orow);
                    for (int x = oc; x <= oc + board.Block_Width_Max; ++x) {
                        for (int y = orow; y <= orow + board.Block_Height_Max; ++y) {
                            if (Inside(state, b, x, y)) {
                                Clear_Possible(Tracking_At(state, b, x, y), n);
                            }
                        }
                    }
                }
                if (state.Custom_Regions_On) {
                    Clear_In_Regions_Of(state, b, c, r, n, false);
                }
            }
        }
    }
}

// Both copies of every shared cell end with the intersection of their possible numbers.
void Sync_Linked_Cells(Puzzle_State& state) {
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    for (int b = 0; b < boards && b < static_cast<int>(state.Board_Overlaps.size()); ++b) {
        const Sudoku_Grid_FrameWork& overlaps = state.Board_Overlaps[b];
        const int links =
            static_cast<int>(overlaps.Linked_Boards.size() < overlaps.Link_Areas.size()
                                 ? overlaps.Linked_Boards.size()
                                 : overlaps.Link_Areas.size());
        const int max_b = state.Sudoku_Boards[b].Max_Number;
        for (int k = 0; k < links; ++k) {
            const Shared_Area area = Shared_Area_Of(state, b, k);
            const int t = area.Other_Board;
            if (t < 0 || t >= boards) {
                continue;
            }
            const int max_t = state.Sudoku_Boards[t].Max_Number;
            for (int c = area.First_Col; c <= area.Last_Col; ++c) {
                for (int r = area.First_Row; r <= area.Last_Row; ++r) {
                    const int c2 = c + area.Col_Offset;
                    const int r2 = r + area.Row_Offset;
                    if (!Inside(state, b, c, r) || !Inside(state, t, c2, r2)) {
                        continue;
                    }
                    Tracking_Array_FrameWork& here = Tracking_At(state, b, c, r);
                    Tracking_Array_FrameWork& there = Tracking_At(state, t, c2, r2);
                    for (int n = 1; n <= max_b; ++n) {
                        if (!Is_Possible(there, n)) {
                            Clear_Possible(here, n);
                        }
                        if (n > max_t) {
                            Clear_Possible(here, n);
                        } else if (!Is_Possible(here, n)) {
                            Clear_Possible(there, n);
                        }
                    }
                }
            }
        }
    }
}

void Single_Candidate_Step(Puzzle_State& state, int b, int c, int r) {
    if (!Inside(state, b, c, r) || Value_At(state, b, c, r) != 0) {
        return;
    }
    const Tracking_Array_FrameWork& cell = Tracking_At(state, b, c, r);
    int count = 0;
    int n = 0;
    for (int m = 1; m <= static_cast<int>(cell.Possible.size()); ++m) {
        if (cell.Possible[m - 1] != 0) {
            ++count;
            n = m;
        }
    }
    if (count != 1) {
        return;
    }
    const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
    const int size = Size_Of(board);
    for (int c2 = 0; c2 < size; ++c2) {
        if (c2 != c) {
            Clear_Possible(Tracking_At(state, b, c2, r), n);
        }
    }
    for (int r2 = 0; r2 < size; ++r2) {
        if (r2 != r) {
            Clear_Possible(Tracking_At(state, b, c, r2), n);
        }
    }
    if (Blocks_Apply(state, board)) {
        Integer oc = 0;
        Integer orow = 0;
        Block_Origin_Of_Cell(state, b, c, r, oc, orow);
        for (int x = oc; x <= oc + board.Block_Width_Max; ++x) {
            for (int y = orow; y <= orow + board.Block_Height_Max; ++y) {
                if ((x != c || y != r) && Inside(state, b, x, y)) {
                    Clear_Possible(Tracking_At(state, b, x, y), n);
                }
            }
        }
    }
    if (state.Custom_Regions_On) {
        Clear_In_Regions_Of(state, b, c, r, n, true);
    }
}

// Leaves n as the only possible number of the cell.
void Keep_Only(Tracking_Array_FrameWork& t, int n) {
    for (Byte& flag : t.Possible) {
        flag = 0;
    }
    t.Possible[n - 1] = 1;
}

void Hidden_Single_Step(Puzzle_State& state, int b) {
    const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
    const int size = board.Max_Number < 0 ? 0 : board.Max_Number;
    std::vector<int> counter(static_cast<std::size_t>(size), 0);

    if (Blocks_Apply(state, board)) {
        for (int bi = 0; bi <= board.Block_Cols_Max; ++bi) {
            for (int bj = 0; bj <= board.Block_Rows_Max; ++bj) {
                Integer oc = 0;
                Integer orow = 0;
                Block_Origin(state, b, bi, bj, oc, orow);
                const int last_c = oc + board.Block_Width_Max;
                const int last_r = orow + board.Block_Height_Max;
                for (int& k : counter) {
                    k = 0;
                }
                for (int x = oc; x <= last_c; ++x) {
                    for (int y = orow; y <= last_r; ++y) {
                        if (!Inside(state, b, x, y) || Value_At(state, b, x, y) != 0) {
                            continue;
                        }
                        const Tracking_Array_FrameWork& t = Tracking_At(state, b, x, y);
                        for (int n = 1; n <= size; ++n) {
                            if (Is_Possible(t, n)) {
                                ++counter[n - 1];
                            }
                        }
                    }
                }
                for (int n = 1; n <= size; ++n) {
                    if (counter[n - 1] != 1) {
                        continue;
                    }
                    for (int x = oc; x <= last_c; ++x) {
                        for (int y = orow; y <= last_r; ++y) {
                            if (!Inside(state, b, x, y) || Value_At(state, b, x, y) != 0) {
                                continue;
                            }
                            Tracking_Array_FrameWork& t = Tracking_At(state, b, x, y);
                            if (Is_Possible(t, n)) {
                                Keep_Only(t, n);
                            }
                        }
                    }
                }
            }
        }
    }

    if (state.Custom_Regions_On) {
        for (const std::vector<Region_Cell>& region : state.Custom_Regions) {
            for (int& k : counter) {
                k = 0;
            }
            for (const Region_Cell& cell : region) {
                if (!Inside(state, cell.Board, cell.Col, cell.Row) ||
                    Value_At(state, cell.Board, cell.Col, cell.Row) != 0) {
                    continue;
                }
                const Tracking_Array_FrameWork& t =
                    Tracking_At(state, cell.Board, cell.Col, cell.Row);
                for (int n = 1; n <= size; ++n) {
                    if (Is_Possible(t, n)) {
                        ++counter[n - 1];
                    }
                }
            }
            for (int n = 1; n <= size; ++n) {
                if (counter[n - 1] != 1) {
                    continue;
                }
                for (const Region_Cell& cell : region) {
                    if (!Inside(state, cell.Board, cell.Col, cell.Row) ||
                        Value_At(state, cell.Board, cell.Col, cell.Row) != 0) {
                        continue;
                    }
                    Tracking_Array_FrameWork& t =
                        Tracking_At(state, cell.Board, cell.Col, cell.Row);
                    if (Is_Possible(t, n)) {
                        Keep_Only(t, n);
                    }
                }
            }
        }
    }
}

// Clears the pair (a, d) from one cell and rebuilds its list at once.
void Strike_Pair(Tracking_Array_FrameWork& t, int a, int d) {
    Clear_Possible(t, a);
    Clear_Possible(t, d);
    Rebuild_Cell(t);
}

void Pair_Step(Puzzle_State& state, int b) {
    const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
    const int size = Size_Of(board);

    // Rows and columns, row by row.
    for (int r = 0; r < size; ++r) {
        for (int c = 0; c < size; ++c) {
            if (Value_At(state, b, c, r) != 0) {
                continue;
            }
            const Tracking_Array_FrameWork& p = Tracking_At(state, b, c, r);
            if (!Has_Pair_Count(p)) {
                continue;
            }
            const int a = p.Candidates[0];
            const int d = p.Candidates[1];
            for (int c2 = c + 1; c2 < size; ++c2) {
                if (Value_At(state, b, c2, r) != 0 || !Same_Pair(p, Tracking_At(state, b, c2, r))) {
                    continue;
                }
                for (int x = 0; x < size; ++x) {
                    if (x != c && x != c2 && Value_At(state, b, x, r) == 0) {
                        Strike_Pair(Tracking_At(state, b, x, r), a, d);
                    }
                }
            }
            for (int r2 = r + 1; r2 < size; ++r2) {
                if (Value_At(state, b, c, r2) != 0 || !Same_Pair(p, Tracking_At(state, b, c, r2))) {
                    continue;
                }
                for (int y = 0; y < size; ++y) {
                    if (y != r && y != r2 && Value_At(state, b, c, y) == 0) {
                        Strike_Pair(Tracking_At(state, b, c, y), a, d);
                    }
                }
            }
        }
    }

    // Blocks.
    if (Blocks_Apply(state, board)) {
        for (int bi = 0; bi <= board.Block_Cols_Max; ++bi) {
            for (int bj = 0; bj <= board.Block_Rows_Max; ++bj) {
                Integer oc = 0;
                Integer orow = 0;
                Block_Origin(state, b, bi, bj, oc, orow);
                const int last_c = oc + board.Block_Width_Max;
                const int last_r = orow + board.Block_Height_Max;
                for (int pc = oc; pc <= last_c; ++pc) {
                    for (int pr = orow; pr <= last_r; ++pr) {
                        if (!Inside(state, b, pc, pr) || Value_At(state, b, pc, pr) != 0) {
                            continue;
                        }
                        const Tracking_Array_FrameWork& p = Tracking_At(state, b, pc, pr);
                        if (!Has_Pair_Count(p)) {
                            continue;
                        }
                        const int a = p.Candidates[0];
                        const int d = p.Candidates[1];
                        for (int qc = oc; qc <= last_c; ++qc) {
                            for (int qr = orow; qr <= last_r; ++qr) {
                                if ((qc == pc && qr == pr) || !Inside(state, b, qc, qr) ||
                                    Value_At(state, b, qc, qr) != 0 ||
                                    !Same_Pair(p, Tracking_At(state, b, qc, qr))) {
                                    continue;
                                }
                                for (int x = oc; x <= last_c; ++x) {
                                    for (int y = orow; y <= last_r; ++y) {
                                        if ((x == pc && y == pr) || (x == qc && y == qr) ||
                                            !Inside(state, b, x, y) ||
                                            Value_At(state, b, x, y) != 0) {
                                            continue;
                                        }
                                        Strike_Pair(Tracking_At(state, b, x, y), a, d);
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    // Custom regions: a pair is P and a later cell Q of the same region's list.
    if (state.Custom_Regions_On) {
        for (const std::vector<Region_Cell>& region : state.Custom_Regions) {
            const int cells = static_cast<int>(region.size());
            for (int i = 0; i < cells; ++i) {
                const Region_Cell& pc = region[i];
                if (!Inside(state, pc.Board, pc.Col, pc.Row) ||
                    Value_At(state, pc.Board, pc.Col, pc.Row) != 0) {
                    continue;
                }
                const Tracking_Array_FrameWork& p = Tracking_At(state, pc.Board, pc.Col, pc.Row);
                if (!Has_Pair_Count(p)) {
                    continue;
                }
                for (int j = i + 1; j < cells; ++j) {
                    const Region_Cell& qc = region[j];
                    if (!Inside(state, qc.Board, qc.Col, qc.Row) ||
                        Value_At(state, qc.Board, qc.Col, qc.Row) != 0 ||
                        !Same_Pair(p, Tracking_At(state, qc.Board, qc.Col, qc.Row))) {
                        continue;
                    }
                    // A cell listed twice in a region may have been struck as "another"
                    // cell: the pair is always P's list as it stands.
                    const int a = p.Candidates[0];
                    const int d = p.Candidates[1];
                    for (int k = 0; k < cells; ++k) {
                        const Region_Cell& x = region[k];
                        if (k == i || k == j || !Inside(state, x.Board, x.Col, x.Row) ||
                            Value_At(state, x.Board, x.Col, x.Row) != 0) {
                            continue;
                        }
                        Strike_Pair(Tracking_At(state, x.Board, x.Col, x.Row), a, d);
                    }
                }
            }
        }
    }
}

void Deduction_Passes(Puzzle_State& state, int b) {
    for (int pass = 0; pass < 6; ++pass) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        if (Blocks_Apply(state, board)) {
            for (int bi = 0; bi <= board.Block_Cols_Max; ++bi) {
                for (int bj = 0; bj <= board.Block_Rows_Max; ++bj) {
                    Integer oc = 0;
                    Integer orow = 0;
                    Block_Origin(state, b, bi, bj, oc, orow);
                    for (int x = oc; x <= oc + board.Block_Width_Max; ++x) {
                        for (int y = orow; y <= orow + board.Block_Height_Max; ++y) {
                            Single_Candidate_Step(state, b, x, y);
                        }
                    }
                }
            }
        }
        if (state.Custom_Regions_On) {
            for (std::size_t k = 0; k < state.Custom_Regions.size(); ++k) {
                for (std::size_t i = 0; i < state.Custom_Regions[k].size(); ++i) {
                    const Region_Cell cell = state.Custom_Regions[k][i];
                    Single_Candidate_Step(state, cell.Board, cell.Col, cell.Row);
                }
            }
        }
        if (state.Help_Solve) {
            Hidden_Single_Step(state, b);
            Rebuild_Candidates(state, b);
            Pair_Step(state, b);
        }
    }
}

void Check_Invariants([[maybe_unused]] const Puzzle_State& state) {
#ifndef NDEBUG
    assert(Describe_Invariant_Violation(state).empty());
#endif
}

} // namespace

void Rebuild_Candidates(Puzzle_State& state, int board) {
    if (board < 0 || board >= static_cast<int>(state.Sudoku_Boards.size())) {
        return;
    }
    Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    const int size = Size_Of(b);
    for (int c = 0; c < size; ++c) {
        for (int r = 0; r < size; ++r) {
            Rebuild_Cell(b.Cell_Tracking[c][r]);
        }
    }
}

namespace {
thread_local Engine_Choice Chosen_Engine = Engine_Choice::Fast;
} // namespace

void Set_Engine_Choice(Engine_Choice choice) {
    Chosen_Engine = choice;
}

Engine_Choice Current_Engine_Choice() {
    return Chosen_Engine;
}

void Recompute_Candidates(Puzzle_State& state, const Puzzle_Shape* shape) {
    if (Chosen_Engine == Engine_Choice::Fast) {
        Fast_Recompute_Candidates(state, shape);
    } else {
        Reference_Recompute_Candidates(state);
    }
}

void Reference_Recompute_Candidates(Puzzle_State& state) {
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    Reset_Possible(state);
    Eliminate_Placed_Numbers(state);
    for (int round = 0; round < 2; ++round) {
        Sync_Linked_Cells(state);
        for (int b = 0; b < boards; ++b) {
            Rebuild_Candidates(state, b);
        }
        for (int b = 0; b < boards; ++b) {
            Deduction_Passes(state, b);
        }
    }
    Sync_Linked_Cells(state);
    for (int b = 0; b < boards; ++b) {
        Rebuild_Candidates(state, b);
    }
}

void Set_Cell_Value(Puzzle_State& state, int board, int col, int row, Integer n,
                    const Puzzle_Shape* shape) {
    Check_Invariants(state);
    // A number outside 0..N, or a cell that does not exist, is not an entry.
    if (!Inside(state, board, col, row) || n < 0 || n > state.Sudoku_Boards[board].Max_Number) {
        return;
    }
    state.Game_Modified = true;
    state.Sudoku_Boards[board].Cell_Values[col][row] = n;
    Copy_To_Linked_Boards(state, board, col, row, n);
    Recompute_Candidates(state, shape);
}

void Recompute_All(Puzzle_State& state, const Puzzle_Shape* shape) {
    Check_Invariants(state);
    if (state.Sudoku_Boards.empty()) {
        return;
    }
    state.Game_Modified = true;
    Recompute_Candidates(state, shape);
}
