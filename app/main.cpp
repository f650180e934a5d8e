#include "app/Tessel_Application.h"

int main(int argc, char** argv) {
    return Run_Tessel_Sudoku(argc, argv);
}
