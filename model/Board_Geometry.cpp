#include "model/Board_Geometry.h"

#include <cassert>

#include "palette/Board_Kind_6x6.h"
#include "palette/Board_Kind_9x9.h"

bool Has_Block_Kind(const Sudoku_Boards_FrameWork& board) {
    return board.Board_Type == Board_Type_9x9 || board.Board_Type == Board_Type_6x6;
}

void Block_Layout_Of_Kind(Sudoku_Boards_FrameWork& board) {
    if (board.Board_Type == Board_Type_9x9) {
        Board_Kind_9x9::Block_Layout(board.Block_Cols_Max, board.Block_Rows_Max,
                                     board.Block_Width_Max, board.Block_Height_Max);
    } else if (board.Board_Type == Board_Type_6x6) {
        Board_Kind_6x6::Block_Layout(board.Block_Cols_Max, board.Block_Rows_Max,
                                     board.Block_Width_Max, board.Block_Height_Max,
                                     board.Wide_Blocks);
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
    if (b.Board_Type == Board_Type_9x9) {
        Board_Kind_9x9::Block_Origin_Of_Cell(state, board, col, row, origin_col, origin_row);
    } else {
        Board_Kind_6x6::Block_Origin_Of_Cell(state, board, col, row, origin_col, origin_row,
                                             b.Wide_Blocks);
    }
}

void Block_Origin(const Puzzle_State& state, int board, int block_col, int block_row,
                  Integer& origin_col, Integer& origin_row) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    assert(Has_Block_Kind(b));
    if (b.Board_Type == Board_Type_9x9) {
        Board_Kind_9x9::Block_Origin(state, board, block_col, block_row, origin_col, origin_row);
    } else {
        Board_Kind_6x6::Block_Origin(state, board, block_col, block_row, origin_col, origin_row,
                                     b.Wide_Blocks);
    }
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
