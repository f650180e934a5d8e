#pragma once
// The 6x6 selection palette: serves boards of Board_Type 2 (numbers 1 to 6), holds the
// kind's block geometry and draws its boards.

#include "engine/Board_Kind_6x6.h"
#include "widgets/Selection_Palette.h"

class TZD_Board_Original_6x6 : public Selection_Palette, public Board_Kind_6x6 {
    Q_OBJECT
  public:
    TZD_Board_Original_6x6(Puzzle_State& state, QWidget* owner);

    // Draws board i (size N, its Wide_Blocks) into its picture with the shared drawing
    // resources.
    void Draw_Board(int board, int size, Flag Wide_Blocks, Drawing_Resources& res);
    void Draw_Board_Of(int board, Drawing_Resources& res) override;
};
