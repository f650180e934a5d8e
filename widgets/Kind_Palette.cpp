#include "widgets/Kind_Palette.h"

#include <algorithm>

#include "model/Board_Kinds.h"
#include "render/Board_Drawing.h"
#include "widgets/Board_Picture.h"

namespace {

// Where a palette stands before it is first placed next to a cell.
constexpr int Design_Left = 584;
constexpr int Design_Top = 113;

} // namespace

Kind_Palette::Kind_Palette(Puzzle_State& state, QWidget* owner, Integer board_type)
    : Selection_Palette(state, owner, board_type, Design_Left, Design_Top) {
    const Integer n = Numbers_Of_Board_Type(board_type);
    setObjectName(QStringLiteral("Palette_%1x%1").arg(n));
}

void Kind_Palette::Draw_Board_Of(int board, Drawing_Resources& res) {
    Board_Picture* picture = State.Sudoku_Boards[board].Board_Image;
    if (picture == nullptr) {
        return;
    }
    picture->Set_Picture(Compose_Board_Of_Kind(State, board, res));
}

std::vector<Selection_Palette*> Make_Kind_Palettes(Puzzle_State& state, QWidget* owner) {
    std::vector<Selection_Palette*> palettes;
    std::vector<Integer> served = {Board_Type_9x9, Board_Type_6x6};
    for (const Board_Kind& kind : Board_Kinds()) {
        if (std::find(served.begin(), served.end(), kind.Board_Type) == served.end()) {
            served.push_back(kind.Board_Type);
            palettes.push_back(new Kind_Palette(state, owner, kind.Board_Type));
        }
    }
    return palettes;
}
