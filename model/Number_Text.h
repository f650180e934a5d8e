#pragma once
// How numbers are written and typed: 1 to 9 as digits, 10 and up as the letters A, B, C, ...
// (a 16x16 board holds 1 to 9 and A to G), or as the board's symbols when it uses them. The
// drawing, the palettes' captions, the importer, the logic's sentences and the keys all
// write and read numbers through these.

#include <string>

#include "model/Board_Model.h"

// "1" to "9", then "A" for 10 up to "Z" for 35; any other number in decimal digits.
std::string Number_Text(int n);

// Number n as board b shows it: its symbol when the board uses symbols, else as above.
std::string Number_Text(const Sudoku_Boards_FrameWork& board, int n);

// The number a digit or letter stands for on a board of max_number numbers ('1' to '9', 'A'
// or 'a' for 10, ...), or -1 when it stands for none of them. Letters stand for numbers
// only on boards of more than nine.
int Number_Of_Char(char ch, int max_number);
