#include "app/Keyboard_Play.h"

#include <QKeyEvent>

#include "app/Cursor_Play.h"
#include "app/Hint_Presenter.h"
#include "app/Key_Table.h"
#include "app/Play_Marks.h"
#include "widgets/Boards_Layout.h"

Keyboard_Play::Keyboard_Play(QWidget& window, TMainFrame_Boards_Layout_Page& page,
                             Cursor_Play& cursor, Hint_Presenter& hints, Play_Marks& marks)
    : QObject(&window), Cursor(cursor), Hints(hints), Marks(marks) {
    page.setFocusPolicy(Qt::StrongFocus);
    page.installEventFilter(this);
    page.viewport()->installEventFilter(this);
    window.installEventFilter(this);
}

bool Keyboard_Play::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return Key_Pressed(static_cast<const QKeyEvent&>(*event));
    }
    return false;
}

bool Keyboard_Play::Key_Pressed(const QKeyEvent& event) {
    using Action = Key_Command::Action;
    const Key_Command command = Command_Of_Key(event.key(), event.modifiers(), event.text(),
                                               Cursor.Board(), Marks.Note_Mode());
    switch (command.What) {
    case Action::None:
        return false;
    case Action::Enter:
        Cursor.Enter_Here(command.Number);
        return true;
    case Action::Note:
        Marks.Toggle_Note_At_Cursor(command.Number);
        return true;
    case Action::Highlight:
        if (command.Number == 0) {
            Marks.End_Highlight();
        } else {
            Marks.Highlight(command.Number);
        }
        return true;
    case Action::Hint:
        Hints.Next();
        return true;
    case Action::Note_Mode:
        Marks.Set_Note_Mode(!Marks.Note_Mode());
        return true;
    case Action::Move:
        Cursor.Move(command.Dx, command.Dy);
        return true;
    case Action::Home:
        Cursor.Home();
        return true;
    case Action::Palette:
        Cursor.Open_Palette_Here();
        return true;
    case Action::Escape:
        if (Hints.Shown()) {
            Hints.Hide();
            return true;
        }
        return Marks.End_Highlight();
    }
    return false;
}
