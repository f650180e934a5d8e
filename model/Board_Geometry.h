#pragma once
// Where the blocks of a board lie, which cells two linked boards share, and which custom
// regions each cell belongs to. Pure computations on the model.

#include "model/Board_Model.h"

struct Board_Kind;

// True for the board kinds of the kind table, which have blocks. Every kind-dependent call
// is made only for these; a board of another kind has no blocks at all.
bool Has_Block_Kind(const Sudoku_Boards_FrameWork& board);

// The four block fields of a board of this kind (each one less than the count it stands for).
void Block_Layout_Of(const Board_Kind& kind, Integer& Block_Cols_Max, Integer& Block_Rows_Max,
                     Integer& Block_Width_Max, Integer& Block_Height_Max);

// The block shape of a new board, by its kind (all four fields 0 for another kind).
void Block_Layout_Of_Kind(Sudoku_Boards_FrameWork& board);

// Shape arithmetic shared by both kinds: they read the shape from the board's own fields.
void Block_Origin_Of_Cell_By_Shape(const Sudoku_Boards_FrameWork& board, int col, int row,
                                   Integer& origin_col, Integer& origin_row);
void Block_Origin_By_Shape(const Sudoku_Boards_FrameWork& board, int block_col, int block_row,
                           Integer& origin_col, Integer& origin_row);

// The same on board b of the puzzle, whose kind has blocks (Has_Block_Kind holds). Both
// kinds read the shape from the board's own fields, so one computation serves them all.
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

// Links boards a and b both ways, b lying dx columns right and dy rows down of a (either may
// be negative); the shared area is where the two boards lie on top of each other.
void Link_Boards_Both_Ways(Puzzle_State& state, int a, int b, int dx, int dy);

// The five boards of a Samurai in file order (top left, top right, centre, bottom left,
// bottom right) as their offsets in cells from the top left board; each corner board shares
// one block with the centre board.
constexpr int Samurai_Boards = 5;
constexpr int Samurai_Centre = 2;
constexpr int Samurai_Offsets[Samurai_Boards][2] = {{0, 0}, {12, 0}, {6, 6}, {0, 12}, {12, 12}};
constexpr int Samurai_Side = 21; // cells across the whole figure

// Links every corner board of a Samurai whose first board has index first to the centre.
void Link_Samurai_Boards(Puzzle_State& state, int first);

// Appends the five empty 9x9 boards of a Samurai, the top left one at (x, y) in file units,
// with their positions and links. Returns the index of the first.
int Add_Samurai_Boards(Puzzle_State& state, Integer x, Integer y);

// Writes n into the copies of cell (c, r) of board b on every board that b links to
// directly. Only Cell_Values is written; nothing is passed on further.
void Copy_To_Linked_Boards(Puzzle_State& state, int board, int col, int row, Integer n);

// Rebuilds Cell_Regions from Custom_Regions.
void Build_Cell_Regions(Puzzle_State& state);

// Where boards lie on the page. A stored position is in file units of 20 per cell; the page
// snaps it to whole cells of Cell_Size pixels, one pixel in: (v div 20) x 30 + 1.
int Page_Pixel(Integer v);

// The page cell of board b's top-left cell (a board without a stored position lies at 0, 0).
// Boards lie on one grid of page cells, so a cell of one board and a cell of another are the
// same page cell when they lie on top of each other.
long long Board_Left_Cell(const Puzzle_State& state, int board);
long long Board_Top_Cell(const Puzzle_State& state, int board);
