#include "widgets/Original_6x6.h"

#include "render/Board_Drawing.h"
#include "widgets/Board_Picture.h"

TZD_Board_Original_6x6::TZD_Board_Original_6x6(Puzzle_State& state, QWidget* owner)
    : Selection_Palette(state, owner, Board_Type_6x6, 192, 103) {
    setObjectName(QStringLiteral("ZD_Board_Original_6x6"));
}

void TZD_Board_Original_6x6::Draw_Board(int board, int size, Flag Wide_Blocks,
                                        Drawing_Resources& res) {
    Board_Picture* picture = State.Sudoku_Boards[board].Board_Image;
    if (picture == nullptr) {
        return;
    }
    picture->Set_Picture(Compose_Board_6x6(State, board, size, Wide_Blocks, res));
}

void TZD_Board_Original_6x6::Draw_Board_Of(int board, Drawing_Resources& res) {
    const Sudoku_Boards_FrameWork& b = State.Sudoku_Boards[board];
    Draw_Board(board, b.Max_Number, b.Wide_Blocks, res);
}
