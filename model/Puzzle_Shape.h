#pragma once
// The shape of a puzzle: everything its rules are made of, worked out once when a puzzle is
// adopted and never changed afterwards. A puzzle of another shape (other boards, kinds, block
// fields, links, region flags, regions or region index) gets a new object. The candidate
// engine, the entry check, the session, the stepper and the generator all read the same one.
//
// It holds the groups of cells (rows, columns, blocks, regions, the cell pairs of links), the
// peers each cell strikes its number in, and the variables of the rules: each set of copies
// of a shared cell is one variable, each row, column, block and region that is not a copy of
// another one unit over the variables.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Board_Model.h"
#include "model/Puzzle_Groups.h"

// What a unit is on the page, for explanations: a row, column or block of one board (index
// from 0: rows top to bottom, columns left to right, blocks row by row), or a custom region
// (index from 0 in file order; Board is -1).
using Unit_Kind = Group_Kind;

struct Unit_Id {
    Unit_Kind Kind = Unit_Kind::Row;
    int Board = 0;
    int Index = 0;

    bool operator==(const Unit_Id& o) const {
        return Kind == o.Kind && Board == o.Board && Index == o.Index;
    }
};

// One cell on the page: board index, column and row, all from 0.
struct Cell_Place {
    int Board = 0;
    int Col = 0;
    int Row = 0;

    bool operator==(const Cell_Place& o) const {
        return Board == o.Board && Col == o.Col && Row == o.Row;
    }
};

class Puzzle_Shape {
  public:
    // One number per shape object ever made, so that a reader can tell shapes apart without
    // comparing them.
    std::uint64_t Serial = 0;
    // Everything the shape was made from (the groups' key and the region index).
    std::vector<Integer> Key;

    Puzzle_Groups Groups;

    // For every cell, the cells its number is struck from: its row, its column, its block
    // where the block rule applies, and the custom regions its Cell_Regions entry names (when
    // regions are on); each once, the cell itself left out.
    std::vector<int> Peer_Begin; // cells + 1
    std::vector<int> Peers;
    // The shape is one the fast candidate engine computes itself: every board holds 1 to 16
    // numbers, blocks tile their boards and regions name cells of the boards.
    bool Fast_Engine_Shape = false;

    // The variables: every cell stands for one, the copies of a shared cell for the same.
    int Var_Count = 0;
    std::vector<int> Var_Of_Cell;               // per cell
    std::vector<std::vector<int>> Cells_Of_Var; // the cells each variable stands for
    std::vector<int> Max_Of_Var;                // the highest number the variable may hold
    std::vector<Cell_Place> Places;             // per cell, where it lies
    // The units over the variables, sorted, each a different set of two or more variables;
    // a unit that several boards share whole is kept once, under the identity that comes
    // first (boards in file order, on each board rows, then columns, then blocks; regions
    // last).
    std::vector<std::vector<int>> Units;
    std::vector<Unit_Id> Unit_Ids;           // parallel to Units
    // Parallel to Units: the identities of the unit on the other boards that share it whole
    // (a row of a board that is also a row of another), in the same order; mostly empty.
    std::vector<std::vector<Unit_Id>> Unit_Other_Ids;
    std::vector<std::vector<int>> Var_Peers; // per variable, the others of all its units
    // Why the shape can hold no solution (a unit listing the same cell twice), or empty.
    std::string Contradiction;

    // The puzzle has the boards this shape was made for: as many, of the same sizes, with
    // per-cell arrays of those sizes, so that nothing read through the shape lies outside the
    // boards.
    bool Fits(const Puzzle_State& state) const;
    // The shape was made from this puzzle as it stands (compares the whole key).
    bool Describes(const Puzzle_State& state) const;
};

// Writes into key everything a shape is made from.
void Puzzle_Shape_Key_Of(const Puzzle_State& state, std::vector<Integer>& key);

// Makes the shape of the puzzle as it stands.
std::shared_ptr<const Puzzle_Shape> Make_Puzzle_Shape(const Puzzle_State& state);

// The shape of the puzzle for a caller that holds none (a tool, a test, a worker): kept per
// thread and made again only when the puzzle's key differs from the kept one's. The session
// holds the shape of its game itself.
std::shared_ptr<const Puzzle_Shape> Shape_Of(const Puzzle_State& state);

// The shape a caller holds when it fits the puzzle, else the one Shape_Of finds (a caller that
// holds none passes nullptr). The reference lasts until the next Shape_Of on this thread.
const Puzzle_Shape& Shape_For(const Puzzle_State& state, const Puzzle_Shape* held);

// The groups of the puzzle's shape, as Shape_Of finds it.
const Puzzle_Groups& Groups_Of(const Puzzle_State& state);
