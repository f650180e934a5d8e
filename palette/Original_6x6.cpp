#include "palette/Original_6x6.h"

#include "app/Unit1.h"
#include "page/Board_Picture.h"
#include "palette/Board_Drawing.h"

TZD_Board_Original_6x6::TZD_Board_Original_6x6(Puzzle_State& state, TForm1* form)
    : Selection_Palette(state, form, 6, 192, 103) {
    setObjectName(QStringLiteral("ZD_Board_Original_6x6"));
}

void TZD_Board_Original_6x6::Draw_Board(int board, int size, Flag Wide_Blocks) {
    Board_Picture* picture = State.Sudoku_Boards[board].Board_Image;
    if (picture == nullptr) {
        return;
    }
    picture->Set_Picture(Compose_Board_6x6(State, board, size, Wide_Blocks, Form1->Resources()));
}
