#pragma once
// The 9x9 selection palette: serves boards of Board_Type 1 (numbers 1 to 9), holds the
// kind's block geometry and draws its boards.

#include "engine/Board_Kind_9x9.h"
#include "widgets/Selection_Palette.h"

class TZD_Board_Original_9x9 : public Selection_Palette, public Board_Kind_9x9 {
    Q_OBJECT
  public:
    TZD_Board_Original_9x9(Puzzle_State& state, QWidget* owner);

    // Draws board i (size N) into its picture with the shared drawing resources.
    void Draw_Board(int board, int size, Drawing_Resources& res);
    void Draw_Board_Of(int board, Drawing_Resources& res) override;
};
