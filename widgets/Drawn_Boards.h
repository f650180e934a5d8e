#pragma once
// The record of what every board's picture on the page was last drawn from, so that a board
// whose drawing would come out the same is not drawn again.

#include <QFont>
#include <cstdint>
#include <vector>

#include "model/Board_Model.h"
#include "render/Board_Drawing.h"

class Board_Picture;

// What a board's picture was last drawn from. A drawing depends only on these inputs, so a
// board whose inputs are the same as at its last drawing, and whose picture still holds that
// drawing, is not drawn again: the new drawing would have the same pixels.
struct Drawn_Board {
    const Board_Picture* Picture = nullptr;
    qint64 Image_Key = 0; // the drawn image, as the picture holds it
    QFont Number_Font;
    QFont Label_Font;
    std::vector<std::int32_t> Inputs;
};

// The record of what every board's picture was last drawn from.
class Drawn_Boards {
  public:
    // True when board i's picture already shows what drawing it now would show.
    bool Unchanged(const Puzzle_State& state, int i, const Drawing_Resources& res);
    // Board i has just been drawn from the inputs the last Unchanged(state, i, res) read.
    void Remember(const Puzzle_State& state, int i, const Drawing_Resources& res);

  private:
    std::vector<Drawn_Board> Boards;
    std::vector<std::int32_t> Scratch;
};
