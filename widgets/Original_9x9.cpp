#include "widgets/Original_9x9.h"

#include "render/Board_Drawing.h"
#include "widgets/Board_Picture.h"

TZD_Board_Original_9x9::TZD_Board_Original_9x9(Puzzle_State& state, QWidget* owner)
    : Selection_Palette(state, owner, Board_Type_9x9, 584, 113) {
    setObjectName(QStringLiteral("ZD_Board_Original_9x9"));
}

void TZD_Board_Original_9x9::Draw_Board(int board, int size, Drawing_Resources& res) {
    Board_Picture* picture = State.Sudoku_Boards[board].Board_Image;
    if (picture == nullptr) {
        return;
    }
    picture->Set_Picture(Compose_Board_9x9(State, board, size, res));
}

void TZD_Board_Original_9x9::Draw_Board_Of(int board, Drawing_Resources& res) {
    Draw_Board(board, State.Sudoku_Boards[board].Max_Number, res);
}
