#pragma once
// Block geometry of the 6x6 board kind (Board_Type 2): with Wide_Blocks set, blocks of
// 3 columns x 2 rows (2 across, 3 down); clear, 2 columns x 3 rows (3 across, 2 down).
// The 6x6 selection palette derives from this class. Every operation takes the board's
// Wide_Blocks as its last argument; the origin operations read the shape from the board's
// own fields and do not use it.

#include "model/Board_Model.h"

class Board_Kind_6x6 {
  public:
    static void Block_Layout(Integer& Block_Cols_Max, Integer& Block_Rows_Max,
                             Integer& Block_Width_Max, Integer& Block_Height_Max, Flag Wide_Blocks);
    static void Block_Origin_Of_Cell(const Puzzle_State& state, int board, int col, int row,
                                     Integer& origin_col, Integer& origin_row, Flag Wide_Blocks);
    static void Block_Origin(const Puzzle_State& state, int board, int block_col, int block_row,
                             Integer& origin_col, Integer& origin_row, Flag Wide_Blocks);
};
