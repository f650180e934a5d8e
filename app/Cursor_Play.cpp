#include "app/Cursor_Play.h"

#include "model/Cp1252.h"
#include "model/Number_Text.h"
#include "session/Game_Session.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Page_Overlay.h"

Cursor_Play::Cursor_Play(Game_Session& session) : Session(session) {}

void Cursor_Play::Place(const Board_Cursor& cell) {
    if (!Cell_Exists(Session.State(), cell.Board, cell.Col, cell.Row)) {
        return;
    }
    Cursor = cell;
    if (Page != nullptr) {
        Page->Overlay()->Set_Cursor(cell.Board, cell.Col, cell.Row);
        Page->Show_Cell(cell.Board, cell.Col, cell.Row);
    }
}

void Cursor_Play::Hide() {
    Cursor = Board_Cursor{};
    if (Page != nullptr) {
        Page->Overlay()->Hide_Cursor();
    }
}

bool Cursor_Play::Shown() const {
    return Page != nullptr && Page->Overlay()->Cursor_Shown();
}

void Cursor_Play::Move(int dx, int dy) {
    const Puzzle_State& state = Session.State();
    // The first key shows the cursor where it was, or on the first board's first cell; a
    // cursor off the boards starts again there too.
    if (!Shown()) {
        Place(Cell_Exists(state, Cursor.Board, Cursor.Col, Cursor.Row) ? Cursor
                                                                       : First_Cell(state));
        return;
    }
    Place(Move_Cursor(state, Cursor, dx, dy));
}

void Cursor_Play::Home() {
    Place(First_Cell(Session.State()));
}

Integer Cursor_Play::Number_Of_Key_Text(const QString& text) const {
    const Puzzle_State& state = Session.State();
    if (!Cell_Exists(state, Cursor.Board, Cursor.Col, Cursor.Row) || text.size() != 1) {
        return -1;
    }
    const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[Cursor.Board];
    const QChar key = text.at(0);
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        const Integer n = key.digitValue();
        return n <= board.Max_Number ? n : -1;
    }
    if (!board.Use_Symbols) {
        return key.unicode() < 0x80 ? Number_Of_Char(key.toLatin1(), board.Max_Number) : -1;
    }
    // The symbol as typed, else the only symbol that differs from it in case alone.
    const auto only_symbol = [&](Qt::CaseSensitivity sensitivity) {
        Integer found = -1;
        for (std::size_t k = 0; k < board.Symbols.size(); ++k) {
            const QString symbol = QString::fromStdString(Cp1252_Char_To_Utf8(board.Symbols[k]));
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

void Cursor_Play::Enter_Here(Integer n) {
    if (!Cell_Exists(Session.State(), Cursor.Board, Cursor.Col, Cursor.Row) ||
        Session.Is_Locked(Cursor.Board, Cursor.Col, Cursor.Row) || !Enter_Number) {
        return;
    }
    Enter_Number(Cursor.Board, Cursor.Col, Cursor.Row, n);
}

void Cursor_Play::Open_Palette_Here() {
    if (!Cell_Exists(Session.State(), Cursor.Board, Cursor.Col, Cursor.Row) || !Open_Palette) {
        return;
    }
    Open_Palette(Cursor.Board, Cursor.Col, Cursor.Row);
}
