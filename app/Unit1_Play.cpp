// The main window's play: a number entered, the redraws and the entry check that finish every
// change, undo and redo, restart, the palettes, the hint button.

#include <QCoreApplication>

#include "app/Hint_Presenter.h"
#include "app/Play_Marks.h"
#include "app/Player_Dialogs.h"
#include "app/Progress_Panel.h"
#include "app/Unit1.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Busy_Cursor.h"
#include "widgets/Original_9x9.h"

void TForm1::ToolButton3Click() {
    if (!Confirm_Discard_Changes()) {
        return;
    }
    Restart_Boards();
}

void TForm1::Restart_Boards() {
    Busy_Cursor busy;
    if (Session.Restart()) {
        Redraw_All_Boards();
    }
}

namespace {

bool Every_Cell_Filled(const Puzzle_State& state) {
    for (const Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        for (const std::vector<Integer>& column : board.Cell_Values) {
            for (const Integer v : column) {
                if (v == 0) {
                    return false;
                }
            }
        }
    }
    return !state.Sudoku_Boards.empty();
}

} // namespace

void TForm1::ToolButton4Click() {
    Busy_Cursor busy;
    const bool was_full = Every_Cell_Filled(State);
    if (Session.Undo()) {
        After_Undo_Or_Redo(&busy, was_full);
    }
}

void TForm1::ToolButton5Click() {
    Busy_Cursor busy;
    const bool was_full = Every_Cell_Filled(State);
    if (Session.Redo()) {
        After_Undo_Or_Redo(&busy, was_full);
    }
}

void TForm1::After_Undo_Or_Redo(Busy_Cursor* busy, bool was_full) {
    if (!was_full) {
        After_Change(busy);
        return;
    }
    // The boards were full before the step: what the check would say was said when they
    // filled, and is not said again after every undo.
    Redraw_All_Boards();
    QCoreApplication::processEvents();
}

void TForm1::Redraw_Board(int i) {
    if (!Drawing) {
        return;
    }
    Selection_Palette* palette = Palette_For(State.Sudoku_Boards[i].Board_Type);
    if (palette == nullptr || Drawn.Unchanged(State, i, *Drawing)) {
        return;
    }
    palette->Draw_Board_Of(i, *Drawing);
    Drawn.Remember(State, i, *Drawing);
}

void TForm1::Enter_Number(int board, int col, int row, Integer n) {
    Busy_Cursor busy;
    if (!Cell_Exists(State, board, col, row)) {
        return;
    }
    Session.Enter(board, col, row, n);
    After_Change(&busy);
}

void TForm1::After_Change(Busy_Cursor* busy) {
    Redraw_All_Boards();
    QCoreApplication::processEvents();
    const Check_Verdict verdict = Check_Boards(State, Session.Shape().get());
    if (busy != nullptr) {
        // The check's message box shows the ordinary pointer, as a message box does.
        busy->Release();
    }
    if (verdict == Check_Verdict::All_Completed && Progress != nullptr) {
        Progress->Solved();
    }
    Show_Check_Result(verdict);
}

void TForm1::Redraw_All_Boards() {
    for (int i = 0; i < static_cast<int>(State.Sudoku_Boards.size()); ++i) {
        Redraw_Board(i);
    }
}

void TForm1::Show_Check_Result(Check_Verdict verdict) {
    switch (verdict) {
    case Check_Verdict::Duplicates:
        Dialogs.Warning(this, QString::fromLatin1(Check_Message(verdict)));
        break;
    case Check_Verdict::All_Completed:
        Dialogs.Information(this, QString::fromLatin1(Check_Message(verdict)));
        break;
    case Check_Verdict::Nothing_To_Say:
        break;
    }
}

Selection_Palette* TForm1::Palette_For(Integer board_type) const {
    return ZD_Board_Original_9x9 != nullptr ? ZD_Board_Original_9x9->Palette_For(board_type)
                                            : nullptr;
}

void TForm1::BoardImageClick() {
    const Board_Cursor hover{State.Current_Board, State.Mouse_Col, State.Mouse_Row};
    if (Cell_Exists(State, hover.Board, hover.Col, hover.Row)) {
        Cursor_Keys.Place(hover);
        // While the notes window is open, a click takes it to the cell instead of opening
        // the palette: the window is for noting with the mouse.
        if (Marks->Notes_Window_Open()) {
            return;
        }
    }
    // Opening works on the hover cell, whichever palette is asked: every palette picks the one
    // its board's kind needs, so the 9x9 palette serves a click on any board.
    if (ZD_Board_Original_9x9 != nullptr) {
        ZD_Board_Original_9x9->Open_For_Cell();
    }
}

void TForm1::Open_Palette_At(int board, int col, int row) {
    if (!Cell_Exists(State, board, col, row) || ZD_Board_Original_9x9 == nullptr) {
        return;
    }
    Palette_Cell = Board_Cursor{board, col, row};
    ZD_Board_Original_9x9->Open_At(board, col, row);
    Palette_Cell.reset();
}

void TForm1::ToolButton7Click() {
    Hints->Next();
}

bool TForm1::Hint_Shown() const {
    return Hints != nullptr && Hints->Shown();
}

const Hint* TForm1::Current_Hint() const {
    return Hints != nullptr ? Hints->Current() : nullptr;
}
