#pragma once
// Drawing of board pictures. Each board is composed cell by cell off screen at 30 logical
// pixels per cell, then grid, block lines, frame and region borders go on top, and the
// finished image is handed to the board's picture in one step. Drawing reads the model and
// never writes it.

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/Board_Model.h"

// Colours as the toolkit values 0x00BBGGRR.
constexpr Integer Colour_White = 0xFFFFFF;
constexpr Integer Colour_Pale_Pink = 0xF0F0FF;  // red 255, green 240, blue 240
constexpr Integer Colour_Pale_Green = 0xD2FFD2; // red 210, green 255, blue 210
constexpr Integer Colour_Red = 0x0000FF;
constexpr Integer Colour_Silver = 0xC0C0C0;
constexpr Integer Colour_Blue = 0xFF0000;
constexpr Integer Colour_Teal = 0x808000;

// 0x00BBGGRR to a Qt colour.
QColor Colour_Of(Integer bgr);

// The shared drawing resources, created once by the main window. The fonts are made at pixel
// sizes (20 and 8 pixels: 15 and 6 points at 96 dots per inch), so a board looks the same
// whatever the screen's logical resolution. Text height, as used for centring numbers and
// for the label line height, is the font's full line height (ascent plus descent).
struct Drawing_Resources {
    Drawing_Resources();

    QImage Board_Bitmap;
    QImage Cell_Bitmap;
    QImage Label_Bitmap;
    QFont Number_Font;              // "MS Sans Serif" 15 pt bold, black
    QFont Label_Font;               // "Times New Roman" 6 pt bold, blue
    QFont Small_Label_Font;         // "Small Fonts" 7 pixels, blue: boards above 9 numbers
    qreal Device_Pixel_Ratio = 1.0; // the screen's; images are rendered at it

    // Composed cells by everything their pixels depend on (background, number or candidate
    // flags, symbols, kind, pixel ratio): a cell seen before is copied, not composed again.
    std::unordered_map<std::string, QImage> Cell_Cache;
    bool Use_Cell_Cache = true; // off: every cell composed anew (the benchmarks' reference)
};

// Installs the font substitutions (Liberation Sans for "MS Sans Serif", Liberation Serif
// for "Times New Roman", Liberation Sans for "Small Fonts"). Called once at start-up,
// before any font is made.
void Install_Font_Substitutions();

// The background colour of a cell by the drawing rules (shaded, custom colour, locked
// number, help colours).
Integer Cell_Background(const Puzzle_State& state, int board, int col, int row);

// One line of candidate labels (numbers kL+1 .. kL+k, k the kind's Label_Line_Length) as
// the cell shows it.
QString Label_Line(const Sudoku_Boards_FrameWork& board, int col, int row, int line);

// Compose the picture of board i (size N, the board's Max_Number).
QImage Compose_Board_9x9(const Puzzle_State& state, int board, int size, Drawing_Resources& res);
QImage Compose_Board_6x6(const Puzzle_State& state, int board, int size, Flag wide_blocks,
                         Drawing_Resources& res);
// The picture of board i by its own kind's row of the kind table (its Max_Number as the
// size); an empty image for a board of a kind the game does not know.
QImage Compose_Board_Of_Kind(const Puzzle_State& state, int board, Drawing_Resources& res);

// Everything the drawing of board i reads: the board's kind, size, symbols, flags, every
// cell's number, lock, shading, colour, Possible flags, Candidate_Count and borders, the two
// display modes and the device pixel ratio.
void Drawing_Inputs(const Puzzle_State& state, int i, const Drawing_Resources& res,
                    std::vector<std::int32_t>& out);
