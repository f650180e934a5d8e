#pragma once
// The groups of cells a puzzle's rules speak of, worked out once per puzzle shape: the rows,
// columns and blocks of every board, the custom regions, and the pairs of cells that linked
// boards share. The fast candidate engine, the entry check and the solver all read them from
// here, so the rules of a puzzle are written down once.
//
// Cells are numbered across the puzzle: board b's cell (c, r) is Board_First[b] + c * N + r,
// N being the board's Max_Number. Only cells that lie on their board are ever listed, so a
// damaged puzzle (a region naming a missing cell, block fields that do not fit) never sends a
// reader outside the boards.

#include <cstdint>
#include <vector>

#include "model/Board_Model.h"

enum class Group_Kind { Row, Column, Block, Region };

struct Cell_Group {
    Group_Kind Kind = Group_Kind::Row;
    int Board = -1; // the board of a row, column or block; -1 for a region
    // Row or column number; a block's number counted row by row over the board's blocks; a
    // region's position in Custom_Regions. All from 0.
    int Index = 0;
    int Begin = 0; // the group's cells are Group_Cells[Begin .. End)
    int End = 0;
};

struct Cell_Address {
    int Board = 0;
    int Col = 0;
    int Row = 0;
};

// One cell of a link's shared area and its copy on the linked board.
struct Linked_Cells {
    int Here = 0;         // the cell on the board that owns the link
    int There = 0;        // its copy on the linked board
    int Here_Numbers = 0; // N of the owning board
};

struct Puzzle_Groups {
    int Cells = 0;
    std::vector<int> Board_First; // one more than the boards: the first cell of each board
    std::vector<int> Board_Size;  // N of each board
    std::vector<std::uint8_t> Board_Blocks; // the block rule applies to the board
    std::vector<Cell_Address> Address;      // where each cell lies

    // Every group, in the order the rules are checked: for each board its rows (row 0 first,
    // cells left to right), its columns (cells top to bottom), and, where the block rule
    // applies, its blocks (block columns outer, block rows inner; cells columns outer, rows
    // inner); then the custom regions when they are on, cells in their stored order
    // (a cell listed twice stays listed twice).
    std::vector<Cell_Group> Groups;
    std::vector<int> Group_Cells;
    std::vector<int> Board_Group_Begin; // one more than the boards: the first group of each
    std::vector<int> Board_Block_Begin; // one more than the boards: the first block group of each
    int Region_Group_Begin = 0;         // the first region group

    // The block group that holds each cell, or -1.
    std::vector<int> Block_Of_Cell;
    // The region groups whose lists hold each cell (each region once), by Custom_Regions.
    std::vector<int> Member_Begin; // Cells + 1
    std::vector<int> Members;      // region numbers from 0

    // The cells of every link's shared area, boards in order, links in order, cells columns
    // outer and rows inner.
    std::vector<Linked_Cells> Links;

    int Cell(int board, int col, int row) const {
        return Board_First[board] + col * Board_Size[board] + row;
    }
    int Regions() const { return static_cast<int>(Groups.size()) - Region_Group_Begin; }
    const Cell_Group& Region(int k) const { return Groups[Region_Group_Begin + k]; }
};

// Writes into key everything the groups are built from (boards with their kinds, sizes and
// block fields, links, the region flags and, when they are on, the regions). Two puzzles
// with the same key have the same groups.
void Puzzle_Shape_Key(const Puzzle_State& state, std::vector<Integer>& key);

// Builds the groups of the puzzle as it stands.
Puzzle_Groups Build_Puzzle_Groups(const Puzzle_State& state);
