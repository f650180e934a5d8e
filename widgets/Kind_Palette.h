#pragma once
// The selection palette of a board kind added after the first two: serves the boards of one
// Board_Type (4x4, 8x8, 12x12 or 16x16), laid out and drawn by that kind's row of the kind
// table, in the style of the 9x9 and 6x6 palettes.

#include "widgets/Selection_Palette.h"

class Kind_Palette : public Selection_Palette {
    Q_OBJECT
  public:
    // Named "Palette_NxN" after the kind's size.
    Kind_Palette(Puzzle_State& state, QWidget* owner, Integer board_type);

    void Draw_Board_Of(int board, Drawing_Resources& res) override;
};

// The palettes of every kind of the table but 9x9 and 6x6, one a Board_Type, made for the
// window (which owns them).
std::vector<Selection_Palette*> Make_Kind_Palettes(Puzzle_State& state, QWidget* owner);
