#include "app/Tessel_Application.h"

#include <QApplication>

int Run_Tessel_Sudoku(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
