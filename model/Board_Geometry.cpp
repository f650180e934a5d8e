#include "model/Board_Geometry.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstdint>
#include <utility>

#include "model/Board_Kinds.h"

bool Has_Block_Kind(const Sudoku_Boards_FrameWork& board) {
    return Kind_Of(board) != nullptr;
}

void Block_Layout_Of(const Board_Kind& kind, Integer& Block_Cols_Max, Integer& Block_Rows_Max,
                     Integer& Block_Width_Max, Integer& Block_Height_Max) {
    Block_Cols_Max = kind.Max_Number / kind.Block_Width - 1;
    Block_Rows_Max = kind.Max_Number / kind.Block_Height - 1;
    Block_Width_Max = kind.Block_Width - 1;
    Block_Height_Max = kind.Block_Height - 1;
}

void Block_Layout_Of_Kind(Sudoku_Boards_FrameWork& board) {
    if (const Board_Kind* kind = Kind_Of(board)) {
        Block_Layout_Of(*kind, board.Block_Cols_Max, board.Block_Rows_Max, board.Block_Width_Max,
                        board.Block_Height_Max);
    } else {
        board.Block_Cols_Max = 0;
        board.Block_Rows_Max = 0;
        board.Block_Width_Max = 0;
        board.Block_Height_Max = 0;
    }
}

void Block_Origin_Of_Cell_By_Shape(const Sudoku_Boards_FrameWork& board, int col, int row,
                                   Integer& origin_col, Integer& origin_row) {
    assert(col >= 0 && row >= 0);
    const int w = board.Block_Width_Max + 1;
    const int h = board.Block_Height_Max + 1;
    origin_col = (col / w) * w;
    origin_row = (row / h) * h;
}

void Block_Origin_By_Shape(const Sudoku_Boards_FrameWork& board, int block_col, int block_row,
                           Integer& origin_col, Integer& origin_row) {
    origin_col = block_col * (board.Block_Width_Max + 1);
    origin_row = block_row * (board.Block_Height_Max + 1);
}

void Block_Origin_Of_Cell(const Puzzle_State& state, int board, int col, int row,
                          Integer& origin_col, Integer& origin_row) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    assert(Has_Block_Kind(b));
    Block_Origin_Of_Cell_By_Shape(b, col, row, origin_col, origin_row);
}

void Block_Origin(const Puzzle_State& state, int board, int block_col, int block_row,
                  Integer& origin_col, Integer& origin_row) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    assert(Has_Block_Kind(b));
    Block_Origin_By_Shape(b, block_col, block_row, origin_col, origin_row);
}

Shared_Area Shared_Area_Of(const Puzzle_State& state, int board, int link) {
    const Sudoku_Grid_FrameWork& overlaps = state.Board_Overlaps[board];
    const Link_Area& area = overlaps.Link_Areas[link];
    const int n = state.Sudoku_Boards[board].Max_Number;
    Shared_Area s;
    s.First_Col = area.This_Col - 1;
    s.Last_Col = n - area.Other_Col;
    s.First_Row = area.This_Row - 1;
    s.Last_Row = n - area.Other_Row;
    s.Col_Offset = area.Other_Col - area.This_Col;
    s.Row_Offset = area.Other_Row - area.This_Row;
    s.Other_Board = overlaps.Linked_Boards[link] - 1;
    return s;
}

void Link_Boards_Both_Ways(Puzzle_State& state, int a, int b, int dx, int dy) {
    // A board lying d cells further on starts its shared area at its own first cell and at
    // cell d + 1 (1-based) of the other board.
    auto starts = [](int d) {
        return d >= 0 ? std::pair<int, int>{d + 1, 1} : std::pair<int, int>{1, -d + 1};
    };
    const auto [a_col, b_col] = starts(dx);
    const auto [a_row, b_row] = starts(dy);
    state.Board_Overlaps[a].Linked_Boards.push_back(b + 1);
    state.Board_Overlaps[a].Link_Areas.push_back({a_col, a_row, b_col, b_row});
    state.Board_Overlaps[b].Linked_Boards.push_back(a + 1);
    state.Board_Overlaps[b].Link_Areas.push_back({b_col, b_row, a_col, a_row});
}

void Link_Samurai_Boards(Puzzle_State& state, int first) {
    const int* centre = Samurai_Offsets[Samurai_Centre];
    for (int k = 0; k < Samurai_Boards; ++k) {
        if (k != Samurai_Centre) {
            Link_Boards_Both_Ways(state, first + k, first + Samurai_Centre,
                                  centre[0] - Samurai_Offsets[k][0],
                                  centre[1] - Samurai_Offsets[k][1]);
        }
    }
}

int Add_Samurai_Boards(Puzzle_State& state, Integer x, Integer y) {
    const int first = static_cast<int>(state.Sudoku_Boards.size());
    for (const auto& offset : Samurai_Offsets) {
        Add_Board_Model(state, Board_Type_9x9, 9, 9, 9, 0);
        state.Board_Overlaps.emplace_back();
        state.Board_Positions.push_back(
            {x + offset[0] * File_Units_Per_Cell, y + offset[1] * File_Units_Per_Cell});
    }
    Link_Samurai_Boards(state, first);
    return first;
}

void Copy_To_Linked_Boards(Puzzle_State& state, int board, int col, int row, Integer n) {
    if (board >= static_cast<int>(state.Board_Overlaps.size())) {
        return;
    }
    const int links = static_cast<int>(state.Board_Overlaps[board].Linked_Boards.size());
    for (int k = 0; k < links; ++k) {
        const Shared_Area s = Shared_Area_Of(state, board, k);
        if (!s.Contains(col, row)) {
            continue;
        }
        Sudoku_Boards_FrameWork& other = state.Sudoku_Boards[s.Other_Board];
        other.Cell_Values[col + s.Col_Offset][row + s.Row_Offset] = n;
    }
}

void Build_Cell_Regions(Puzzle_State& state) {
    const std::size_t boards = state.Sudoku_Boards.size();
    state.Cell_Regions.assign(boards, {});
    for (std::size_t b = 0; b < boards; ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        state.Cell_Regions[b].assign(board.Cols,
                                     std::vector<Custom_Regions_DataGrid_FrameWork>(board.Rows));
    }
    for (std::size_t k = 0; k < state.Custom_Regions.size(); ++k) {
        for (const Region_Cell& cell : state.Custom_Regions[k]) {
            state.Cell_Regions[cell.Board][cell.Col][cell.Row].Region_Numbers.push_back(
                static_cast<Integer>(k + 1));
        }
    }
}

int Page_Pixel(Integer v) {
    // Computed wide so that no stored value can overflow; page positions stay in range.
    const std::int64_t pixel = static_cast<std::int64_t>(v / File_Units_Per_Cell) * Cell_Size + 1;
    return static_cast<int>(std::clamp<std::int64_t>(pixel, INT32_MIN, INT32_MAX));
}

long long Board_Left_Cell(const Puzzle_State& state, int board) {
    return board >= 0 && board < static_cast<int>(state.Board_Positions.size())
               ? state.Board_Positions[board].X / File_Units_Per_Cell
               : 0;
}

long long Board_Top_Cell(const Puzzle_State& state, int board) {
    return board >= 0 && board < static_cast<int>(state.Board_Positions.size())
               ? state.Board_Positions[board].Y / File_Units_Per_Cell
               : 0;
}
