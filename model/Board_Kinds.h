#pragma once
// The board kinds the game knows, one row each: the size, the block shape, how the palette
// lays out its number buttons, how an empty cell lays out its candidate labels, how the
// picture draws its outer lines, and the name. Every choice that depends on a board's kind
// reads this table, so a new kind is a row here plus its drawing.

#include <vector>

#include "model/Board_Model.h"

struct Board_Kind {
    Integer Board_Type = 0;
    Flag Wide_Blocks = 0; // the variant of a kind whose block shape depends on Wide_Blocks
    bool Shape_By_Wide_Blocks = false; // false: Wide_Blocks is ignored (9x9)
    Integer Max_Number = 0;            // N: the board is N x N cells and holds 1 .. N
    Integer Block_Width = 0;           // columns of one block
    Integer Block_Height = 0;          // rows of one block
    int Palette_Columns = 0;           // number buttons per palette row
    int Label_Lines = 0;               // lines of candidate labels in an empty cell
    int Label_Line_Length = 0;         // numbers per label line
    bool Thick_Outer_Lines = false;    // the grid lines at 0 and N are block lines
    bool Frame_Always = false;         // the 2-pixel frame is drawn without block lines too
    const char* Name = "";             // as the tool and the description format spell it
    // Each candidate label in its own place of a grid of Label_Lines rows and
    // Label_Line_Length columns, in the small label font (boards of more than nine numbers);
    // otherwise lines of labels with a space for each missing number.
    bool Label_Grid = false;

    int Palette_Rows() const { return (Max_Number + Palette_Columns - 1) / Palette_Columns; }
};

// Every row: 9x9, 6x6-wide, 6x6-tall, 4x4, 8x8-wide, 8x8-tall, 12x12-wide, 12x12-tall, 16x16.
const std::vector<Board_Kind>& Board_Kinds();

// A board of a Board_Type the game does not know holds at most this many numbers, as every
// such board always has: a file of a later kind with more is refused rather than half read.
constexpr Integer Largest_Number_Of_Other_Kinds = 9;

// The row of a board kind, or nullptr for a Board_Type the game does not know (such a
// board has no blocks, no palette and no drawing).
const Board_Kind* Find_Board_Kind(Integer board_type, Flag wide_blocks);
const Board_Kind* Kind_Of(const Sudoku_Boards_FrameWork& board);

// N of every board of this Board_Type, or 0 for a type the game does not know.
Integer Numbers_Of_Board_Type(Integer board_type);

// The highest N of any kind: no board holds more numbers.
Integer Largest_Max_Number();

// The row with this name ("9x9", "6x6-wide", ..., "16x16"), or nullptr.
const Board_Kind* Find_Board_Kind_Named(const char* name);

// The name of a board's kind, or "type T" for a Board_Type the game does not know.
std::string Kind_Name(const Sudoku_Boards_FrameWork& board);

// Every row's name, in table order, joined by ", " ("9x9, 6x6-wide, ...") for messages.
std::string Board_Kind_Names();
