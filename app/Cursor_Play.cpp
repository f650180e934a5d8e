#include "app/Cursor_Play.h"

#include "app/Key_Table.h"
#include "session/Game_Session.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Page_Overlay.h"

Cursor_Play::Cursor_Play(Game_Session& session) : Session(session) {}

void Cursor_Play::Place(const Board_Cursor& cell) {
    if (!Cell_Exists(Session.State(), cell.Board, cell.Col, cell.Row)) {
        return;
    }
    Cursor = cell;
    if (Moved) {
        Moved();
    }
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
    if (!Cell_Exists(state, Cursor.Board, Cursor.Col, Cursor.Row)) {
        return -1;
    }
    return ::Number_Of_Key_Text(state.Sudoku_Boards[Cursor.Board], text);
}

const Sudoku_Boards_FrameWork* Cursor_Play::Board() const {
    const Puzzle_State& state = Session.State();
    return Cell_Exists(state, Cursor.Board, Cursor.Col, Cursor.Row)
               ? &state.Sudoku_Boards[Cursor.Board]
               : nullptr;
}

bool Cursor_Play::On_Cell() const {
    return Board() != nullptr;
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
