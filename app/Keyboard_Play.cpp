#include "app/Keyboard_Play.h"

#include <QKeyEvent>

#include "app/Unit1.h"
#include "page/Boards_Layout.h"

Keyboard_Play::Keyboard_Play(TForm1* form) : QObject(form), Form(form) {
    TMainFrame_Boards_Layout_Page* page = Form->Frame_Boards_Layout_Page;
    page->setFocusPolicy(Qt::StrongFocus);
    page->installEventFilter(this);
    page->viewport()->installEventFilter(this);
    Form->installEventFilter(this);
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
        Form->Cursor_Home();
        return true;
    }
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    switch (key) {
    case Qt::Key_Left:
        Form->Move_Cursor(-1, 0);
        return true;
    case Qt::Key_Right:
        Form->Move_Cursor(1, 0);
        return true;
    case Qt::Key_Up:
        Form->Move_Cursor(0, -1);
        return true;
    case Qt::Key_Down:
        Form->Move_Cursor(0, 1);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        Form->Enter_At_Cursor(0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Form->Open_Palette_At_Cursor();
        return true;
    case Qt::Key_Escape:
        if (Form->Hint_Shown()) {
            Form->Hide_Hint();
            return true;
        }
        return false;
    default:
        break;
    }
    const Integer n = Form->Number_Of_Key_Text(event.text());
    if (n >= 0) {
        Form->Enter_At_Cursor(n);
        return true;
    }
    return false;
}
