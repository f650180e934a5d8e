#pragma once
// Where the blocks of a board lie, which cells two linked boards share, and which custom
// regions each cell belongs to. Pure computations on the model.

#include "model/Board_Model.h"

// True for the board kinds that have blocks (9x9 and 6x6). Every kind-dependent call is
// made only for these; a board of another kind has no blocks at all.
bool Has_Block_Kind(const Sudoku_Boards_FrameWork& board);

// The block shape of a new board, by its kind (all four fields 0 for another kind).
void Block_Layout_Of_Kind(Sudoku_Boards_FrameWork& board);

// Shape arithmetic shared by both kinds: they read the shape from the board's own fields.
void Block_Origin_Of_Cell_By_Shape(const Sudoku_Boards_FrameWork& board, int col, int row,
                                   Integer& origin_col, Integer& origin_row);
void Block_Origin_By_Shape(const Sudoku_Boards_FrameWork& board, int block_col, int block_row,
                           Integer& origin_col, Integer& origin_row);

// Dispatch to the kind's own operation by Board_Type. Must only be called when
// Has_Block_Kind(board) holds.
void Block_Origin_Of_Cell(const Puzzle_State& state, int board, int col, int row,
                          Integer& origin_col, Integer& origin_row);
void Block_Origin(const Puzzle_State& state, int board, int block_col, int block_row,
                  Integer& origin_col, Integer& origin_row);

// The Shared_Area of link k of board b: cells (c, r) of b with
// This_Col-1 <= c <= N-Other_Col and This_Row-1 <= r <= N-Other_Row (N of board b).
struct Shared_Area {
    int First_Col = 0;
    int Last_Col = -1;
    int First_Row = 0;
    int Last_Row = -1;
    int Col_Offset = 0; // add to a column of b to get the column on the linked board
    int Row_Offset = 0;
    int Other_Board = 0; // 0-based index of the linked board

    bool Contains(int col, int row) const {
        return col >= First_Col && col <= Last_Col && row >= First_Row && row <= Last_Row;
    }
};
Shared_Area Shared_Area_Of(const Puzzle_State& state, int board, int link);

// Writes n into the copies of cell (c, r) of board b on every board that b links to
// directly. Only Cell_Values is written; nothing is passed on further.
void Copy_To_Linked_Boards(Puzzle_State& state, int board, int col, int row, Integer n);

// Rebuilds Cell_Regions from Custom_Regions.
void Build_Cell_Regions(Puzzle_State& state);
