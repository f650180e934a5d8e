#include "model/Board_Kinds.h"

#include <cstring>
#include <string>

const std::vector<Board_Kind>& Board_Kinds() {
    static const std::vector<Board_Kind> kinds = [] {
        std::vector<Board_Kind> rows(3);
        Board_Kind& nine = rows[0];
        nine.Board_Type = Board_Type_9x9;
        nine.Max_Number = 9;
        nine.Block_Width = 3;
        nine.Block_Height = 3;
        nine.Palette_Columns = 3;
        nine.Label_Lines = 3;
        nine.Label_Line_Length = 3;
        nine.Thick_Outer_Lines = true;
        nine.Name = "9x9";

        Board_Kind& wide = rows[1];
        wide.Board_Type = Board_Type_6x6;
        wide.Wide_Blocks = 1;
        wide.Shape_By_Wide_Blocks = true;
        wide.Max_Number = 6;
        wide.Block_Width = 3;
        wide.Block_Height = 2;
        wide.Palette_Columns = 3;
        wide.Label_Lines = 2;
        wide.Label_Line_Length = 3;
        wide.Frame_Always = true;
        wide.Name = "6x6-wide";

        Board_Kind& tall = rows[2] = wide;
        tall.Wide_Blocks = 0;
        tall.Block_Width = 2;
        tall.Block_Height = 3;
        tall.Name = "6x6-tall";
        return rows;
    }();
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
