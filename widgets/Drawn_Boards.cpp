#include "widgets/Drawn_Boards.h"

#include "widgets/Board_Picture.h"

bool Drawn_Boards::Unchanged(const Puzzle_State& state, int i, const Drawing_Resources& res) {
    if (Boards.size() != state.Sudoku_Boards.size()) {
        Boards.resize(state.Sudoku_Boards.size());
    }
    const Board_Picture* picture = state.Sudoku_Boards[i].Board_Image;
    if (picture == nullptr) {
        return false;
    }
    Drawing_Inputs(state, i, res, Scratch);
    const Drawn_Board& drawn = Boards[static_cast<std::size_t>(i)];
    return drawn.Picture == picture && drawn.Image_Key == picture->Picture().cacheKey() &&
           drawn.Number_Font == res.Number_Font && drawn.Label_Font == res.Label_Font &&
           drawn.Inputs == Scratch;
}

void Drawn_Boards::Remember(const Puzzle_State& state, int i, const Drawing_Resources& res) {
    Drawn_Board& drawn = Boards[static_cast<std::size_t>(i)];
    const Board_Picture* picture = state.Sudoku_Boards[i].Board_Image;
    if (picture == nullptr) {
        drawn = Drawn_Board{};
        return;
    }
    drawn.Picture = picture;
    drawn.Image_Key = picture->Picture().cacheKey();
    drawn.Number_Font = res.Number_Font;
    drawn.Label_Font = res.Label_Font;
    drawn.Inputs.swap(Scratch);
}
