#include "engine/Number_Locking.h"

#include "engine/Candidate_Engine.h"
#include "model/Board_Geometry.h"

void Lock_Numbers(Puzzle_State& state) {
    for (Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        for (std::size_t c = 0; c < board.Cell_Locked.size() && c < board.Cell_Values.size(); ++c) {
            for (std::size_t r = 0;
                 r < board.Cell_Locked[c].size() && r < board.Cell_Values[c].size(); ++r) {
                board.Cell_Locked[c][r] = board.Cell_Values[c][r] != 0 ? 1 : 0;
            }
        }
    }
}

void Unlock_Numbers(Puzzle_State& state) {
    for (Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        for (auto& column : board.Cell_Locked) {
            for (Byte& locked : column) {
                locked = 0;
            }
        }
    }
}

bool Restart_Boards(Puzzle_State& state, const Puzzle_Shape* shape) {
    for (Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        for (std::size_t c = 0; c < board.Cell_Locked.size() && c < board.Cell_Values.size(); ++c) {
            for (std::size_t r = 0;
                 r < board.Cell_Locked[c].size() && r < board.Cell_Values[c].size(); ++r) {
                if (board.Cell_Locked[c][r] != 0) {
                    continue;
                }
                board.Cell_Values[c][r] = 0;
                if (c < board.Cell_Tracking.size() && r < board.Cell_Tracking[c].size()) {
                    for (Byte& flag : board.Cell_Tracking[c][r].Possible) {
                        flag = 1;
                    }
                }
            }
        }
    }
    if (state.Sudoku_Boards.empty()) {
        return false;
    }
    Recompute_All(state, shape);
    return true;
}

int Set_Numbers_Fill(Puzzle_State& state, const Puzzle_Shape* shape) {
    int filled = 0;
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    for (int b = 0; b < boards; ++b) {
        Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                if (!Cell_Exists(state, b, c, r) ||
                    c >= static_cast<int>(board.Cell_Values.size()) ||
                    r >= static_cast<int>(board.Cell_Values[c].size()) ||
                    c >= static_cast<int>(board.Cell_Tracking.size()) ||
                    r >= static_cast<int>(board.Cell_Tracking[c].size())) {
                    continue;
                }
                const Tracking_Array_FrameWork& t = board.Cell_Tracking[c][r];
                if (board.Cell_Values[c][r] != 0 || t.Candidate_Count != 1 ||
                    t.Candidates.empty()) {
                    continue;
                }
                const Integer n = t.Candidates[0];
                if (n < 1 || n > board.Max_Number) {
                    continue;
                }
                board.Cell_Values[c][r] = n;
                Copy_To_Linked_Boards(state, b, c, r, n);
                ++filled;
            }
        }
    }
    if (filled > 0) {
        Recompute_All(state, shape);
    }
    return filled;
}
