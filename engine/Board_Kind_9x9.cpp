#include "engine/Board_Kind_9x9.h"

#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"

void Board_Kind_9x9::Block_Layout(Integer& Block_Cols_Max, Integer& Block_Rows_Max,
                                  Integer& Block_Width_Max, Integer& Block_Height_Max) {
    Block_Layout_Of(*Find_Board_Kind(Board_Type_9x9, 0), Block_Cols_Max, Block_Rows_Max,
                    Block_Width_Max, Block_Height_Max);
}

void Board_Kind_9x9::Block_Origin_Of_Cell(const Puzzle_State& state, int board, int col, int row,
                                          Integer& origin_col, Integer& origin_row) {
    Block_Origin_Of_Cell_By_Shape(state.Sudoku_Boards[board], col, row, origin_col, origin_row);
}

void Board_Kind_9x9::Block_Origin(const Puzzle_State& state, int board, int block_col,
                                  int block_row, Integer& origin_col, Integer& origin_row) {
    Block_Origin_By_Shape(state.Sudoku_Boards[board], block_col, block_row, origin_col, origin_row);
}
