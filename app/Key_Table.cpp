#include "app/Key_Table.h"

#include "model/Cp1252.h"
#include "model/Number_Text.h"

Integer Number_Of_Key_Text(const Sudoku_Boards_FrameWork& board, const QString& text) {
    if (text.size() != 1) {
        return -1;
    }
    const QChar key = text.at(0);
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        const Integer n = key.digitValue();
        return n <= board.Max_Number ? n : -1;
    }
    if (board.Use_Symbols) {
        // The symbol as typed, else the only symbol that differs from it in case alone.
        const auto only_symbol = [&](Qt::CaseSensitivity sensitivity) {
            Integer found = -1;
            for (std::size_t k = 0; k < board.Symbols.size(); ++k) {
                const QString symbol =
                    QString::fromStdString(Cp1252_Char_To_Utf8(board.Symbols[k]));
                if (symbol.compare(text, sensitivity) == 0) {
                    if (found >= 0) {
                        return Integer{-1};
                    }
                    found = static_cast<Integer>(k) + 1;
                }
            }
            return found;
        };
        const Integer exact = only_symbol(Qt::CaseSensitive);
        return exact >= 0 ? exact : only_symbol(Qt::CaseInsensitive);
    }
    // Numbers above 9 are letters: A = 10, B = 11, ... (not on a symbols board).
    return key.unicode() < 0x80 ? Number_Of_Char(key.toLatin1(), board.Max_Number) : -1;
}

namespace {

// The digit of a digit key (main keys or keypad), or -1.
int Digit_Of_Key(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}

} // namespace

Key_Command Command_Of_Key(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                           const Sudoku_Boards_FrameWork* board, bool note_mode) {
    using Action = Key_Command::Action;
    Key_Command command;
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (held == Qt::ControlModifier) {
        if (key == Qt::Key_Home) {
            command.What = Action::Home;
        }
        const int digit = Digit_Of_Key(key);
        if (digit >= 1 && board != nullptr && digit <= board->Max_Number) {
            command.What = Action::Note;
            command.Number = digit;
        }
        return command;
    }
    if (held == Qt::AltModifier) {
        const int digit = Digit_Of_Key(key);
        if (digit >= 0 && (board == nullptr || digit <= board->Max_Number)) {
            command.What = Action::Highlight;
            command.Number = digit;
        }
        return command;
    }
    if (held != Qt::NoModifier) {
        return command;
    }
    switch (key) {
    case Qt::Key_Left:
        return {Action::Move, 0, -1, 0};
    case Qt::Key_Right:
        return {Action::Move, 0, 1, 0};
    case Qt::Key_Up:
        return {Action::Move, 0, 0, -1};
    case Qt::Key_Down:
        return {Action::Move, 0, 0, 1};
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return {Action::Enter, 0, 0, 0};
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return {Action::Palette, 0, 0, 0};
    case Qt::Key_Escape:
        return {Action::Escape, 0, 0, 0};
    default:
        break;
    }
    // A number or symbol of the cursor's board first; only then a letter's command.
    const Integer n = board != nullptr ? Number_Of_Key_Text(*board, text) : -1;
    if (n > 0) {
        return {note_mode ? Action::Note : Action::Enter, n, 0, 0};
    }
    if (n == 0) {
        return {Action::Enter, 0, 0, 0};
    }
    if (key == Qt::Key_H) {
        return {Action::Hint, 0, 0, 0};
    }
    if (key == Qt::Key_N) {
        return {Action::Note_Mode, 0, 0, 0};
    }
    return command;
}
