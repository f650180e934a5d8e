#include "model/Board_Kinds.h"

#include <cstring>
#include <string>

const std::vector<Board_Kind>& Board_Kinds() {
    // Board_Type, Wide_Blocks, Shape_By_Wide_Blocks, Max_Number, Block_Width, Block_Height,
    // Palette_Columns, Label_Lines, Label_Line_Length, Thick_Outer_Lines, Frame_Always, Name,
    // Label_Grid. The palettes of the larger kinds lay their buttons out as near a square as
    // the numbers allow.
    static const std::vector<Board_Kind> kinds = {
        {Board_Type_9x9, 0, false, 9, 3, 3, 3, 3, 3, true, false, "9x9"},
        {Board_Type_6x6, 1, true, 6, 3, 2, 3, 2, 3, false, true, "6x6-wide"},
        {Board_Type_6x6, 0, true, 6, 2, 3, 3, 2, 3, false, true, "6x6-tall"},
        {Board_Type_4x4, 0, false, 4, 2, 2, 2, 2, 2, true, true, "4x4"},
        {Board_Type_8x8, 1, true, 8, 4, 2, 3, 2, 4, true, true, "8x8-wide"},
        {Board_Type_8x8, 0, true, 8, 2, 4, 3, 2, 4, true, true, "8x8-tall"},
        {Board_Type_12x12, 1, true, 12, 4, 3, 4, 3, 4, true, true, "12x12-wide", true},
        {Board_Type_12x12, 0, true, 12, 3, 4, 4, 3, 4, true, true, "12x12-tall", true},
        {Board_Type_16x16, 0, false, 16, 4, 4, 4, 4, 4, true, true, "16x16", true},
    };
    return kinds;
}

const Board_Kind* Find_Board_Kind(Integer board_type, Flag wide_blocks) {
    for (const Board_Kind& kind : Board_Kinds()) {
        if (kind.Board_Type == board_type &&
            (!kind.Shape_By_Wide_Blocks || (kind.Wide_Blocks != 0) == (wide_blocks != 0))) {
            return &kind;
        }
    }
    return nullptr;
}

const Board_Kind* Kind_Of(const Sudoku_Boards_FrameWork& board) {
    return Find_Board_Kind(board.Board_Type, board.Wide_Blocks);
}

Integer Numbers_Of_Board_Type(Integer board_type) {
    for (const Board_Kind& kind : Board_Kinds()) {
        if (kind.Board_Type == board_type) {
            return kind.Max_Number;
        }
    }
    return 0;
}

Integer Largest_Max_Number() {
    Integer largest = 0;
    for (const Board_Kind& kind : Board_Kinds()) {
        largest = kind.Max_Number > largest ? kind.Max_Number : largest;
    }
    return largest;
}

const Board_Kind* Find_Board_Kind_Named(const char* name) {
    for (const Board_Kind& kind : Board_Kinds()) {
        if (std::strcmp(kind.Name, name) == 0) {
            return &kind;
        }
    }
    return nullptr;
}

std::string Kind_Name(const Sudoku_Boards_FrameWork& board) {
    const Board_Kind* kind = Kind_Of(board);
    return kind != nullptr ? kind->Name : "type " + std::to_string(board.Board_Type);
}

std::string Board_Kind_Names() {
    std::string names;
    for (const Board_Kind& kind : Board_Kinds()) {
        names += (names.empty() ? "" : ", ") + std::string(kind.Name);
    }
    return names;
}
