#pragma once
// Block geometry of the 9x9 board kind (Board_Type 1): 3 x 3 blocks of 3 x 3 cells, as the
// kind table gives it.
// The 9x9 selection palette derives from this class, so these are the palette's own
// operations as well.

#include "model/Board_Model.h"

class Board_Kind_9x9 {
  public:
    static void Block_Layout(Integer& Block_Cols_Max, Integer& Block_Rows_Max,
                             Integer& Block_Width_Max, Integer& Block_Height_Max);
    static void Block_Origin_Of_Cell(const Puzzle_State& state, int board, int col, int row,
                                     Integer& origin_col, Integer& origin_row);
    static void Block_Origin(const Puzzle_State& state, int board, int block_col, int block_row,
                             Integer& origin_col, Integer& origin_row);
};
