#pragma once
// Cells by their place on the page, for tests of figures and of symmetry: a board's cell
// (c, r) stands at its board's position in cells plus (c, r).

#include <algorithm>
#include <map>
#include <utility>

#include "model/Board_Model.h"

namespace page_test {

using Page_Cell = std::pair<int, int>;

inline Page_Cell On_Page(const Puzzle_State& p, int board, int col, int row) {
    return {p.Board_Positions[board].X / 20 + col, p.Board_Positions[board].Y / 20 + row};
}

// The cell half a turn from at, round the centre of the cells of the map.
template <typename T> class Half_Turn {
  public:
    explicit Half_Turn(const std::map<Page_Cell, T>& cells) {
        Low = High = cells.begin()->first;
        for (const auto& entry : cells) {
            const Page_Cell& at = entry.first;
            Low = {std::min(Low.first, at.first), std::min(Low.second, at.second)};
            High = {std::max(High.first, at.first), std::max(High.second, at.second)};
        }
    }
    Page_Cell operator()(const Page_Cell& at) const {
        return {Low.first + High.first - at.first, Low.second + High.second - at.second};
    }

  private:
    Page_Cell Low;
    Page_Cell High;
};

} // namespace page_test
