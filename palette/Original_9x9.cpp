#include "palette/Original_9x9.h"

#include "app/Unit1.h"
#include "page/Board_Picture.h"
#include "palette/Board_Drawing.h"

TZD_Board_Original_9x9::TZD_Board_Original_9x9(Puzzle_State& state, TForm1* form)
    : Selection_Palette(state, form, 9, 584, 113) {
    setObjectName(QStringLiteral("ZD_Board_Original_9x9"));
}

void TZD_Board_Original_9x9::Draw_Board(int board, int size) {
    Board_Picture* picture = State.Sudoku_Boards[board].Board_Image;
    if (picture == nullptr) {
        return;
    }
    picture->Set_Picture(Compose_Board_9x9(State, board, size, Form1->Resources()));
}
