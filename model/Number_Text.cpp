#include "model/Number_Text.h"

#include "model/Cp1252.h"

namespace {

constexpr int Letters = 26;

} // namespace

std::string Number_Text(int n) {
    if (n >= 1 && n <= 9) {
        return std::string(1, static_cast<char>('0' + n));
    }
    if (n >= 10 && n < 10 + Letters) {
        return std::string(1, static_cast<char>('A' + (n - 10)));
    }
    return std::to_string(n);
}

std::string Number_Text(const Sudoku_Boards_FrameWork& board, int n) {
    if (board.Use_Symbols && n >= 1 && n <= static_cast<int>(board.Symbols.size())) {
        return Cp1252_Char_To_Utf8(board.Symbols[n - 1]);
    }
    return Number_Text(n);
}

int Number_Of_Char(char ch, int max_number) {
    int n = -1;
    if (ch >= '1' && ch <= '9') {
        n = ch - '0';
    } else if (ch >= 'A' && ch < 'A' + Letters) {
        n = 10 + (ch - 'A');
    } else if (ch >= 'a' && ch < 'a' + Letters) {
        n = 10 + (ch - 'a');
    }
    return n <= max_number ? n : -1;
}
