#include "model/Board_Model.h"

#include <algorithm>
#include <sstream>

#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"

int Add_Board_Model(Puzzle_State& state, Integer board_type, Integer cols, Integer rows,
                    Integer max_number, Flag wide_blocks) {
    state.Sudoku_Boards.emplace_back();
    Sudoku_Boards_FrameWork& board = state.Sudoku_Boards.back();
    board.Board_Type = board_type;
    board.Cols = cols;
    board.Rows = rows;
    board.Max_Number = max_number;
    board.Wide_Blocks = wide_blocks;
    board.Symbols.assign(max_number, 0);
    board.Cell_Values.assign(cols, std::vector<Integer>(rows, 0));
    board.Cell_Locked.assign(cols, std::vector<Byte>(rows, 0));
    board.Draw_Block_Lines = 1;
    board.Use_Cell_Colours = 0;
    board.Cell_Shaded.assign(cols, std::vector<Byte>(rows, 0));
    board.Cell_Borders.assign(cols, std::vector<std::array<Byte, 4>>(rows, {0, 0, 0, 0}));
    board.Cell_Colours.assign(cols, std::vector<Integer>(rows, 0xFFFFFF));
    board.Cell_Notes.assign(cols, std::vector<Note_Set>(rows, 0));
    Tracking_Array_FrameWork fresh;
    fresh.Possible.assign(max_number, 1);
    fresh.Candidate_Count = cols;
    board.Cell_Tracking.assign(cols, std::vector<Tracking_Array_FrameWork>(rows, fresh));
    Block_Layout_Of_Kind(board);
    return static_cast<int>(state.Sudoku_Boards.size()) - 1;
}

bool operator==(const Tracking_Array_FrameWork& a, const Tracking_Array_FrameWork& b) {
    return a.Possible == b.Possible && a.Candidates == b.Candidates &&
           a.Candidate_Count == b.Candidate_Count;
}

bool operator==(const Link_Area& a, const Link_Area& b) {
    return a.This_Col == b.This_Col && a.This_Row == b.This_Row && a.Other_Col == b.Other_Col &&
           a.Other_Row == b.Other_Row;
}

bool operator==(const Region_Cell& a, const Region_Cell& b) {
    return a.Board == b.Board && a.Col == b.Col && a.Row == b.Row && a.Spare == b.Spare;
}

bool operator==(const Board_Position& a, const Board_Position& b) {
    return a.X == b.X && a.Y == b.Y;
}

bool operator==(const Sudoku_Grid_FrameWork& a, const Sudoku_Grid_FrameWork& b) {
    return a.Linked_Boards == b.Linked_Boards && a.Link_Areas == b.Link_Areas;
}

bool operator==(const Custom_Regions_DataGrid_FrameWork& a,
                const Custom_Regions_DataGrid_FrameWork& b) {
    return a.Region_Numbers == b.Region_Numbers;
}

Note_Set Notes_Of(const Sudoku_Boards_FrameWork& board, int col, int row) {
    if (col < 0 || row < 0 || col >= static_cast<int>(board.Cell_Notes.size()) ||
        row >= static_cast<int>(board.Cell_Notes[col].size())) {
        return 0;
    }
    return board.Cell_Notes[col][row];
}

bool Has_Notes(const Puzzle_Data& data) {
    for (const Sudoku_Boards_FrameWork& board : data.Sudoku_Boards) {
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const Note_Set range = board.Max_Number >= 32 ? ~Note_Set{0}
                                       : board.Max_Number <= 0
                                           ? 0
                                           : (Note_Set{1} << board.Max_Number) - 1;
                if ((Notes_Of(board, c, r) & range) != 0 &&
                    c < static_cast<int>(board.Cell_Values.size()) &&
                    r < static_cast<int>(board.Cell_Values[c].size()) &&
                    board.Cell_Values[c][r] == 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

namespace {

// Notes compare as sets per cell: a board that keeps no notes grid has none.
bool Same_Notes(const Sudoku_Boards_FrameWork& a, const Sudoku_Boards_FrameWork& b) {
    const auto rows_of = [](const Sudoku_Boards_FrameWork& board, std::size_t c) {
        return c < board.Cell_Notes.size() ? board.Cell_Notes[c].size() : std::size_t{0};
    };
    const std::size_t cols = std::max(a.Cell_Notes.size(), b.Cell_Notes.size());
    for (std::size_t c = 0; c < cols; ++c) {
        const std::size_t rows = std::max(rows_of(a, c), rows_of(b, c));
        for (std::size_t r = 0; r < rows; ++r) {
            if (Notes_Of(a, static_cast<int>(c), static_cast<int>(r)) !=
                Notes_Of(b, static_cast<int>(c), static_cast<int>(r))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool operator==(const Sudoku_Boards_FrameWork& a, const Sudoku_Boards_FrameWork& b) {
    return a.Board_Type == b.Board_Type && a.Cols == b.Cols && a.Rows == b.Rows &&
           a.Max_Number == b.Max_Number && a.Cell_Values == b.Cell_Values &&
           a.Cell_Locked == b.Cell_Locked && a.Cell_Tracking == b.Cell_Tracking &&
           a.Block_Cols_Max == b.Block_Cols_Max && a.Block_Rows_Max == b.Block_Rows_Max &&
           a.Block_Width_Max == b.Block_Width_Max && a.Block_Height_Max == b.Block_Height_Max &&
           a.Wide_Blocks == b.Wide_Blocks && a.Use_Symbols == b.Use_Symbols &&
           a.Symbols == b.Symbols && a.Draw_Block_Lines == b.Draw_Block_Lines &&
           a.Cell_Borders == b.Cell_Borders && a.Cell_Shaded == b.Cell_Shaded &&
           a.Use_Cell_Colours == b.Use_Cell_Colours && a.Cell_Colours == b.Cell_Colours &&
           Same_Notes(a, b);
}

bool operator==(const Puzzle_Data& a, const Puzzle_Data& b) {
    return a.Sudoku_Boards == b.Sudoku_Boards && a.Board_Overlaps == b.Board_Overlaps &&
           a.Board_Positions == b.Board_Positions && a.Custom_Regions_On == b.Custom_Regions_On &&
           a.Regions_Only == b.Regions_Only && a.Custom_Regions == b.Custom_Regions &&
           a.Cell_Regions == b.Cell_Regions && a.Puzzle_Title == b.Puzzle_Title &&
           a.Puzzle_Link == b.Puzzle_Link && a.Info_Visible == b.Info_Visible &&
           a.Info_Left == b.Info_Left && a.Info_Top == b.Info_Top;
}

bool Cell_Exists(const Puzzle_State& state, int board, int col, int row) {
    if (board < 0 || board >= static_cast<int>(state.Sudoku_Boards.size())) {
        return false;
    }
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    return col >= 0 && row >= 0 && col < b.Cols && row < b.Rows;
}

namespace {

template <typename T> bool Grid_Has_Shape(const Cell_Grid<T>& grid, int cols, int rows) {
    if (static_cast<int>(grid.size()) != cols) {
        return false;
    }
    for (const auto& column : grid) {
        if (static_cast<int>(column.size()) != rows) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string Describe_Invariant_Violation(const Puzzle_State& state) {
    std::ostringstream out;
    const int boards = static_cast<int>(state.Sudoku_Boards.size());
    if (static_cast<int>(state.Board_Overlaps.size()) != boards ||
        static_cast<int>(state.Board_Positions.size()) != boards) {
        out << "board, overlap and position lists differ in length";
        return out.str();
    }
    for (int i = 0; i < boards; ++i) {
        const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[i];
        const int n = b.Max_Number;
        if (b.Cols != n || b.Rows != n || n < 1 || n > Largest_Max_Number()) {
            out << "board " << i + 1 << " is not square with 1.." << Largest_Max_Number()
                << " numbers";
            return out.str();
        }
        const Integer kind_numbers = Numbers_Of_Board_Type(b.Board_Type);
        if (kind_numbers != 0 && n != kind_numbers) {
            out << "board " << i + 1 << " has a size that does not fit its kind";
            return out.str();
        }
        if (!Grid_Has_Shape(b.Cell_Values, n, n) || !Grid_Has_Shape(b.Cell_Locked, n, n) ||
            !Grid_Has_Shape(b.Cell_Tracking, n, n) || !Grid_Has_Shape(b.Cell_Borders, n, n) ||
            !Grid_Has_Shape(b.Cell_Shaded, n, n) || !Grid_Has_Shape(b.Cell_Colours, n, n) ||
            static_cast<int>(b.Symbols.size()) != n) {
            out << "board " << i + 1 << " has per-cell arrays of the wrong shape";
            return out.str();
        }
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < n; ++r) {
                if (b.Cell_Values[c][r] < 0 || b.Cell_Values[c][r] > n) {
                    out << "board " << i + 1 << " cell (" << c << ", " << r
                        << ") holds a number out of range";
                    return out.str();
                }
                if (static_cast<int>(b.Cell_Tracking[c][r].Possible.size()) != n) {
                    out << "board " << i + 1 << " cell (" << c << ", " << r
                        << ") has the wrong number of Possible flags";
                    return out.str();
                }
            }
        }
        const Sudoku_Grid_FrameWork& o = state.Board_Overlaps[i];
        if (o.Linked_Boards.size() != o.Link_Areas.size()) {
            out << "board " << i + 1 << " has link lists of different lengths";
            return out.str();
        }
        for (std::size_t k = 0; k < o.Linked_Boards.size(); ++k) {
            const int t = o.Linked_Boards[k];
            const Link_Area& a = o.Link_Areas[k];
            if (t < 1 || t > boards || state.Sudoku_Boards[t - 1].Max_Number != n ||
                a.This_Col < 1 || a.This_Col > n || a.This_Row < 1 || a.This_Row > n ||
                a.Other_Col < 1 || a.Other_Col > n || a.Other_Row < 1 || a.Other_Row > n) {
                out << "board " << i + 1 << " link " << k + 1 << " leaves the puzzle";
                return out.str();
            }
        }
    }
    for (std::size_t k = 0; k < state.Custom_Regions.size(); ++k) {
        int size = -1;
        for (const Region_Cell& cell : state.Custom_Regions[k]) {
            if (!Cell_Exists(state, cell.Board, cell.Col, cell.Row)) {
                out << "region " << k + 1 << " names a cell outside the boards";
                return out.str();
            }
            const int n = state.Sudoku_Boards[cell.Board].Max_Number;
            if (size >= 0 && n != size) {
                out << "region " << k + 1 << " spans boards of different sizes";
                return out.str();
            }
            size = n;
        }
    }
    if (state.Custom_Regions_On) {
        if (static_cast<int>(state.Cell_Regions.size()) != boards) {
            out << "the custom-region index is not built";
            return out.str();
        }
        for (int i = 0; i < boards; ++i) {
            const int n = state.Sudoku_Boards[i].Max_Number;
            if (!Grid_Has_Shape(state.Cell_Regions[i], n, n)) {
                out << "the custom-region index of board " << i + 1 << " has the wrong shape";
                return out.str();
            }
        }
    }
    return {};
}
