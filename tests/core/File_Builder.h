#pragma once
// Small builders of valid puzzle states and of puzzle file images for tests. Every state
// built here satisfies the model's invariants (square boards, links and regions inside the
// puzzle), so the reader accepts what the writer makes of it.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "model/Board_Model.h"
#include "tests/Puzzle_Builder.h"

namespace File_Builder {

using puzzle_builder::Add_Board;
using puzzle_builder::Link;

// One 9x9 board, nothing else.
inline Puzzle_State Single_9x9() {
    Puzzle_State s;
    Add_Board(s, Board_Type_9x9, 9);
    return s;
}

// Five 9x9 boards: four corner boards, each sharing one block with the centre board (the
// last one), with links both ways.
inline Puzzle_State Samurai() {
    return puzzle_builder::Samurai(puzzle_builder::Samurai_Order::Centre_Last);
}

// A puzzle that uses every stored feature: a Samurai group with numbers (some locked) that
// agree on the shared blocks, symbols, cell colours and borders, two 6x6 boards (wide and
// narrow blocks), a board of a kind the game does not draw, custom regions that span
// boards, Regions_Only, odd flag values, and an info panel with junk after both texts.
inline Puzzle_State Every_Feature() {
    Puzzle_State s = Samurai();
    // A valid corner/centre agreement: the centre's top-left block equals board 1's
    // bottom-right block. Digits chosen so no row, column or block repeats.
    s.Sudoku_Boards[0].Cell_Values[6][6] = 5;
    s.Sudoku_Boards[4].Cell_Values[0][0] = 5;
    s.Sudoku_Boards[0].Cell_Locked[6][6] = 1;
    s.Sudoku_Boards[4].Cell_Locked[0][0] = 1;
    s.Sudoku_Boards[0].Cell_Values[0][0] = 3;
    s.Sudoku_Boards[0].Cell_Locked[0][0] = 0x80; // any nonzero lock is kept as it is
    s.Sudoku_Boards[1].Cell_Values[4][4] = 9;
    s.Sudoku_Boards[2].Cell_Values[2][5] = 1;

    Sudoku_Boards_FrameWork& sym = s.Sudoku_Boards[1];
    sym.Use_Symbols = 1;
    const Byte symbols[9] = {'A', 'B', 'C', 'D', 'E', 0xC9, 0xE9, 0x80, 'Z'};
    sym.Symbols.assign(symbols, symbols + 9);

    Sudoku_Boards_FrameWork& coloured = s.Sudoku_Boards[2];
    coloured.Use_Cell_Colours = 0x11;
    coloured.Draw_Block_Lines = 0;
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            coloured.Cell_Colours[c][r] = 0x00808000 + c * 16 + r;
        }
    }
    s.Sudoku_Boards[3].Cell_Borders[0][0] = {1, 0, 0xFF, 1};
    s.Sudoku_Boards[3].Cell_Borders[8][3] = {0, 2, 0, 0};
    s.Sudoku_Boards[3].Wide_Blocks = 3; // ignored by the 9x9 kind, kept by the file

    const int wide = Add_Board(s, Board_Type_6x6, 6, 600, 0, 1);
    const int narrow = Add_Board(s, Board_Type_6x6, 6, 600, 200, 0);
    const int other = Add_Board(s, 7, 4, 600, 400);
    s.Sudoku_Boards[wide].Cell_Values[5][5] = 6;
    s.Sudoku_Boards[narrow].Cell_Values[0][1] = 2;
    s.Sudoku_Boards[narrow].Cell_Values[0][5] = 6; // the copy of the wide board's (5, 5)
    s.Sudoku_Boards[narrow].Use_Symbols = 1;
    s.Sudoku_Boards[narrow].Symbols = {'1', '2', '3', 'x', 'y', 'z'};
    s.Sudoku_Boards[other].Cell_Values[3][3] = 4;
    // The two 6x6 boards share their last and first column.
    Link(s, wide, narrow, {6, 1, 1, 1});
    Link(s, narrow, wide, {1, 1, 6, 1});

    s.Custom_Regions_On = 1;
    s.Regions_Only = 2;
    s.Custom_Regions = {
        // a diagonal on the centre board
        {{4, 0, 0, 0},
         {4, 1, 1, 0},
         {4, 2, 2, 0},
         {4, 3, 3, 0},
         {4, 4, 4, 0},
         {4, 5, 5, 0},
         {4, 6, 6, 0},
         {4, 7, 7, 0},
         {4, 8, 8, 0}},
        // a region spanning both 6x6 boards, with Spare values kept
        {{wide, 0, 0, 11},
         {wide, 1, 0, -1},
         {wide, 2, 0, 0},
         {narrow, 3, 5, 7},
         {narrow, 4, 5, 0},
         {narrow, 5, 5, 123456}},
        {}, // an empty region
    };

    s.Info_Visible = 1;
    s.Info_Left = 37;
    s.Info_Top = -4;
    s.Puzzle_Title.Assign("Samurai \xE9t\xE9");
    s.Puzzle_Link.Assign("https://example.org/puzzles?id=1");
    for (std::size_t i = 20; i < s.Puzzle_Title.Buffer.size(); ++i) {
        s.Puzzle_Title.Buffer[i] = static_cast<Byte>(i * 7);
    }
    for (std::size_t i = 40; i < s.Puzzle_Link.Buffer.size(); ++i) {
        s.Puzzle_Link.Buffer[i] = static_cast<Byte>(255 - i);
    }
    return s;
}

// Little-endian access to a file image.
inline void Put_Int32(std::vector<Byte>& bytes, std::size_t offset, Integer value) {
    std::uint32_t u;
    std::memcpy(&u, &value, 4);
    for (int i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<Byte>(u >> (8 * i));
    }
}
inline Integer Get_Int32(const std::vector<Byte>& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) {
        u = (u << 8) | bytes.at(offset + i);
    }
    Integer v;
    std::memcpy(&v, &u, 4);
    return v;
}
inline void Put_Double(std::vector<Byte>& bytes, std::size_t offset, double value) {
    std::uint64_t u;
    std::memcpy(&u, &value, 8);
    for (int i = 0; i < 8; ++i) {
        bytes.at(offset + i) = static_cast<Byte>(u >> (8 * i));
    }
}

// Offsets inside a board section (from its first byte).
constexpr std::size_t Section_Board_Type = 0;
constexpr std::size_t Section_Cols = 4;
constexpr std::size_t Section_Rows = 8;
constexpr std::size_t Section_Max_Number = 12;
constexpr std::size_t Section_Link_Count = 26;
constexpr std::size_t Section_First_Link = 30;

// The first board section of a file with the info panel hidden / shown.
constexpr std::size_t First_Section_Hidden = 13;
constexpr std::size_t First_Section_Shown = 328;

} // namespace File_Builder
