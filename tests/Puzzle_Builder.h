#pragma once
// The one builder of puzzle states for tests: boards with their positions and link lists,
// links, and the five boards of a Samurai in the board order a test asks for. Every state
// built here keeps the model's invariants, so the reader accepts what the writer makes of it.

#include "model/Board_Geometry.h"
#include "model/Board_Model.h"

namespace puzzle_builder {

// Appends a board with its position (file units) and an empty link list; returns its index.
inline int Add_Board(Puzzle_State& s, Integer type, Integer n, Integer x = 0, Integer y = 0,
                     Flag wide = 0) {
    const int i = Add_Board_Model(s, type, n, n, n, wide);
    s.Board_Positions.push_back({x, y});
    s.Board_Overlaps.emplace_back();
    return i;
}

// A state with one board of the given kind.
inline Puzzle_State One_Board(Integer type, Integer n, Flag wide = 0) {
    Puzzle_State s;
    Add_Board(s, type, n, 0, 0, wide);
    return s;
}

// A link from board `from` to board `to` (both 0-based), stored 1-based, with a 1-based area.
inline void Link(Puzzle_State& s, int from, int to, Link_Area area) {
    s.Board_Overlaps[from].Linked_Boards.push_back(to + 1);
    s.Board_Overlaps[from].Link_Areas.push_back(area);
}

// The order of a Samurai's five boards: as the figure reads (top left, top right, centre,
// bottom left, bottom right, the order of the game's own files), or the four corners in that
// order with the centre last.
enum class Samurai_Order { Figure, Centre_Last };

// Five 9x9 boards, each corner sharing one block with the centre, links both ways.
inline Puzzle_State Samurai(Samurai_Order order) {
    Puzzle_State s;
    if (order == Samurai_Order::Figure) {
        Add_Samurai_Boards(s, 0, 0);
        return s;
    }
    const int corners[4] = {0, 1, 3, 4}; // rows of Samurai_Offsets
    for (int k : corners) {
        Add_Board(s, Board_Type_9x9, 9, Samurai_Offsets[k][0] * File_Units_Per_Cell,
                  Samurai_Offsets[k][1] * File_Units_Per_Cell);
    }
    const int centre =
        Add_Board(s, Board_Type_9x9, 9, Samurai_Offsets[Samurai_Centre][0] * File_Units_Per_Cell,
                  Samurai_Offsets[Samurai_Centre][1] * File_Units_Per_Cell);
    // The corner block of each corner board (1-based start) and the centre block it covers.
    const Integer corner[4][2] = {{7, 7}, {1, 7}, {7, 1}, {1, 1}};
    const Integer middle[4][2] = {{1, 1}, {7, 1}, {1, 7}, {7, 7}};
    for (int k = 0; k < 4; ++k) {
        Link(s, k, centre, {corner[k][0], corner[k][1], middle[k][0], middle[k][1]});
        Link(s, centre, k, {middle[k][0], middle[k][1], corner[k][0], corner[k][1]});
    }
    return s;
}

} // namespace puzzle_builder
