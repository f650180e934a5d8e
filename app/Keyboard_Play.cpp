#include "app/Keyboard_Play.h"

#include <QKeyEvent>

#include "app/Cursor_Play.h"
#include "app/Hint_Presenter.h"
#include "widgets/Boards_Layout.h"

Keyboard_Play::Keyboard_Play(QWidget& window, TMainFrame_Boards_Layout_Page& page,
                             Cursor_Play& cursor, Hint_Presenter& hints)
    : QObject(&window), Cursor(cursor), Hints(hints) {
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
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event.key();
    if (key == Qt::Key_Home && modifiers == Qt::ControlModifier) {
        Cursor.Home();
        return true;
    }
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    switch (key) {
    case Qt::Key_Left:
        Cursor.Move(-1, 0);
        return true;
    case Qt::Key_Right:
        Cursor.Move(1, 0);
        return true;
    case Qt::Key_Up:
        Cursor.Move(0, -1);
        return true;
    case Qt::Key_Down:
        Cursor.Move(0, 1);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        Cursor.Enter_Here(0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Cursor.Open_Palette_Here();
        return true;
    case Qt::Key_Escape:
        if (Hints.Shown()) {
            Hints.Hide();
            return true;
        }
        return false;
    default:
        break;
    }
    const Integer n = Cursor.Number_Of_Key_Text(event.text());
    if (n >= 0) {
        Cursor.Enter_Here(n);
        return true;
    }
    return false;
}
