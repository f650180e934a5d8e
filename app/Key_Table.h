#pragma once
// The one key table of the game. The rule: a plain key that is a number or symbol of the
// cursor's board enters it (digits; letters for numbers above 9; a symbols board's symbols in
// either case). Only otherwise is a plain letter a command: H hint, N note mode. Every command
// also has a Ctrl or function-key form that never clashes (those are the window's actions'
// shortcuts); Ctrl+digit toggles a note, Alt+digit highlights a number.

#include <QString>
#include <Qt>

#include "model/Board_Model.h"

struct Key_Command {
    enum class Action {
        None,      // not a play key: the window's shortcuts may take it
        Enter,     // Number into the cursor's cell (0 clears it)
        Note,      // Number's note toggled in the cursor's cell
        Highlight, // Number highlighted on every board (0 ends the highlight)
        Hint,      // show the hint, or enter the one shown
        Note_Mode, // note mode on or off
        Move,      // the cursor one cell by Dx, Dy
        Home,      // the cursor to the first board's first cell
        Palette,   // the "Selections" palette at the cursor
        Escape,    // hide the hint, else end the highlight
    };
    Action What = Action::None;
    Integer Number = 0;
    int Dx = 0;
    int Dy = 0;
};

// The number a typed text stands for on a board: a digit up to its highest number, on a
// symbols board one of its symbols (as typed, else the one symbol that differs from it in
// case alone), else on a board of more than nine numbers a letter (A = 10); -1 when none.
// 0 is the digit 0.
Integer Number_Of_Key_Text(const Sudoku_Boards_FrameWork& board, const QString& text);

// What a key does. board is the cursor's board (nullptr when the cursor is on none); in note
// mode the keys that would enter a number toggle its note instead.
Key_Command Command_Of_Key(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                           const Sudoku_Boards_FrameWork* board, bool note_mode);
