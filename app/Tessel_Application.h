#pragma once
// Program start: the application, its main window and the palettes.

class Player_Dialogs;
class TForm1;
struct Puzzle_State;

// Creates the main window on the game's state, then the 9x9 and the 6x6 palette and one for
// each other board kind (hidden), attached to it. The window owns the palettes.
TForm1* Create_Game_Windows(Puzzle_State& game, Player_Dialogs& dialogs);

int Run_Tessel_Sudoku(int argc, char** argv);
