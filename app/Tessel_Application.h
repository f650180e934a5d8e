#pragma once
// Program start: the application, its main window and the two palettes.

int Run_Tessel_Sudoku(int argc, char** argv);
