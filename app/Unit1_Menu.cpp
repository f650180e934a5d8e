// The main window's drop-down menu on the restart button: locking and unlocking, "Set
// Numbers", and the two display modes.

#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "app/Play_Marks.h"
#include "app/Unit1.h"
#include "widgets/Busy_Cursor.h"

void TForm1::Create_Menu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    LockNumbers1 =
        PopupMenu1->addAction(QStringLiteral("Lock Numbers"), this, &TForm1::LockNumbers1Click);
    UnlockNumbers1 =
        PopupMenu1->addAction(QStringLiteral("Unlock Numbers"), this, &TForm1::UnlockNumbers1Click);
    SetNumbers1 =
        PopupMenu1->addAction(QStringLiteral("Set Numbers"), this, &TForm1::SetNumbers1Click);
    N1 = PopupMenu1->addSeparator();
    ShowLabels1 =
        PopupMenu1->addAction(QStringLiteral("Show Labels"), this, &TForm1::ShowLabels1Click);
    HelpmeSolveit1 = PopupMenu1->addAction(QStringLiteral("Help me Solve it"), this,
                                           &TForm1::HelpmeSolveit1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm1::PopupMenu1Popup);
    // The menu took the pointer's leaving of the restart button; unless the pointer is back
    // over it, the button is drawn flat again as the menu closes.
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (ToolButton3 == nullptr) {
                return;
            }
            const QPoint at = ToolButton3->mapFromGlobal(QCursor::pos());
            if (!ToolButton3->rect().contains(at)) {
                ToolButton3->setAttribute(Qt::WA_UnderMouse, false);
            }
            ToolButton3->setDown(false);
            ToolButton3->update();
        });
    });
}

void TForm1::PopupMenu1Popup() {
    ToolButton3->setDown(false);
    const bool has_boards = !State.Sudoku_Boards.empty();
    LockNumbers1->setEnabled(has_boards);
    UnlockNumbers1->setEnabled(has_boards);
    SetNumbers1->setEnabled(has_boards);
    ShowLabels1->setEnabled(true);
    HelpmeSolveit1->setEnabled(true);
    ShowLabels1->setText(State.Show_Labels ? QStringLiteral("Hide Labels")
                                           : QStringLiteral("Show Labels"));
    HelpmeSolveit1->setText(State.Help_Solve ? QStringLiteral("Don't Help me Solve it")
                                             : QStringLiteral("Help me Solve it"));
}

void TForm1::LockNumbers1Click() {
    Busy_Cursor busy;
    Session.Lock();
    Redraw_All_Boards();
}

void TForm1::UnlockNumbers1Click() {
    Busy_Cursor busy;
    Session.Unlock();
    Redraw_All_Boards();
}

void TForm1::SetNumbers1Click() {
    if (State.Sudoku_Boards.empty() || Session.Set_Numbers() == 0) {
        return;
    }
    After_Change(nullptr);
}

void TForm1::ShowLabels1Click() {
    Session.Toggle_Labels();
    Busy_Cursor busy;
    Redraw_All_Boards();
    Marks->Refresh();
}

void TForm1::HelpmeSolveit1Click() {
    Busy_Cursor busy;
    Session.Toggle_Help();
    if (!State.Sudoku_Boards.empty()) {
        Redraw_All_Boards();
    }
    Marks->Refresh();
}
