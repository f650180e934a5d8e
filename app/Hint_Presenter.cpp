#include "app/Hint_Presenter.h"

#include <QMainWindow>
#include <QPushButton>
#include <QStringList>
#include <QToolBar>

#include "app/Cursor_Play.h"
#include "logic/Technique.h"
#include "model/Number_Text.h"
#include "model/Puzzle_Shape.h"
#include "session/Game_Session.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Busy_Cursor.h"
#include "widgets/Hint_Bar.h"
#include "widgets/Page_Overlay.h"

Hint_Presenter::Hint_Presenter(QMainWindow& window, Game_Session& session,
                               TMainFrame_Boards_Layout_Page& page, Cursor_Play& cursor)
    : QObject(&window), Window(window), Session(session), Page(page), Cursor(cursor) {
    window.addToolBarBreak(Qt::TopToolBarArea);
    Hint_Tool_Bar = new QToolBar(QStringLiteral("Hint"), &window);
    Hint_Tool_Bar->setObjectName(QStringLiteral("Hint_Tool_Bar"));
    Hint_Tool_Bar->setMovable(false);
    Hint_Tool_Bar->setFloatable(false);
    Hint_Tool_Bar->setContextMenuPolicy(Qt::PreventContextMenu);
    Bar = new Hint_Bar(Hint_Tool_Bar);
    Bar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Hint_Tool_Bar->addWidget(Bar);
    window.addToolBar(Qt::TopToolBarArea, Hint_Tool_Bar);
    Hint_Tool_Bar->hide();
    connect(Bar, &Hint_Bar::Apply_Clicked, this, &Hint_Presenter::Apply);
    connect(Bar, &Hint_Bar::Close_Clicked, this, &Hint_Presenter::Hide);
}

void Hint_Presenter::Next() {
    if (Shown_Hint && Bar->Apply_Button->isVisible()) {
        Apply();
    } else {
        Show();
    }
}

void Hint_Presenter::Show() {
    const Puzzle_State& state = Session.State();
    if (state.Sudoku_Boards.empty()) {
        return;
    }
    Hint hint;
    {
        Busy_Cursor busy;
        hint = Find_Hint(state, Session.Shape());
    }
    QString technique;
    QStringList sentences;
    QString apply;
    bool can_apply = false;
    switch (hint.Kind) {
    case Hint_Kind::Next_Number:
        technique = QString::fromLatin1(Technique_Name(hint.Steps.back().Kind));
        for (const Step& step : hint.Steps) {
            sentences << QString::fromStdString(step.Text);
        }
        // The bar names the technique of the step that places the number; its sentence
        // goes on from there.
        if (sentences.back().startsWith(technique + QStringLiteral(": "))) {
            QString rest = sentences.back().mid(technique.size() + 2);
            rest[0] = rest[0].toUpper();
            sentences.back() = rest;
        }
        can_apply = !hint.Placement.empty();
        apply = QStringLiteral("Apply");
        break;
    case Hint_Kind::Wrong_Entries:
        technique = QStringLiteral("Wrong entry");
        sentences << QString::fromStdString(hint.Text);
        can_apply = !hint.Wrong.empty();
        apply = QStringLiteral("Clear");
        break;
    default:
        sentences << QString::fromStdString(hint.Text);
        break;
    }
    Mark_Cells(hint);
    Shown_Hint = std::move(hint);
    Bar->Show_Hint(technique, sentences, can_apply, apply);
    Hint_Tool_Bar->show();
}

void Hint_Presenter::Mark_Cells(const Hint& hint) {
    std::vector<Page_Overlay::Highlight> marks;
    const Puzzle_Groups& groups = Session.Shape()->Groups;
    for (const Step& step : hint.Steps) {
        for (const Unit_Id& unit : step.Units) {
            for (const Cell_Group& group : groups.Groups) {
                if (group.Kind != unit.Kind || group.Board != unit.Board ||
                    group.Index != unit.Index) {
                    continue;
                }
                for (int j = group.Begin; j < group.End; ++j) {
                    const Cell_Address& at = groups.Address[groups.Group_Cells[j]];
                    marks.push_back({at.Board, at.Col, at.Row, Page_Overlay::Mark::Unit});
                }
            }
        }
        for (const Cell_Place& cell : step.Cells) {
            marks.push_back({cell.Board, cell.Col, cell.Row, Page_Overlay::Mark::Reason});
        }
        for (const Number_Place& gone : step.Eliminations) {
            marks.push_back({gone.Board, gone.Col, gone.Row, Page_Overlay::Mark::Eliminate});
        }
    }
    for (const Number_Place& target : hint.Placement) {
        marks.push_back({target.Board, target.Col, target.Row, Page_Overlay::Mark::Target});
    }
    for (const Number_Place& wrong : hint.Wrong) {
        marks.push_back({wrong.Board, wrong.Col, wrong.Row, Page_Overlay::Mark::Wrong});
    }
    Page.Overlay()->Set_Highlights(std::move(marks));
    const std::vector<Number_Place>& focus = !hint.Placement.empty() ? hint.Placement : hint.Wrong;
    if (!focus.empty()) {
        Page.Show_Cell(focus.front().Board, focus.front().Col, focus.front().Row);
    }
}

void Hint_Presenter::Apply() {
    if (!Shown_Hint) {
        return;
    }
    const Hint hint = std::move(*Shown_Hint);
    Hide();
    Busy_Cursor busy;
    if (hint.Kind == Hint_Kind::Next_Number && !hint.Placement.empty()) {
        const Number_Place& p = hint.Placement.front();
        Cursor.Place({p.Board, p.Col, p.Row});
        Session.Enter(p.Board, p.Col, p.Row, p.Number, "Hint " + Number_Text(p.Number));
    } else if (hint.Kind == Hint_Kind::Wrong_Entries) {
        // Every wrong entry goes in one step, so one undo brings them all back.
        std::vector<Game_Session::Cell_Entry> clears;
        for (const Number_Place& p : hint.Wrong) {
            clears.push_back({p.Board, p.Col, p.Row, 0});
        }
        Session.Enter_All(clears, hint.Wrong.size() == 1
                                      ? "Clear wrong " + Number_Text(hint.Wrong.front().Number)
                                      : std::string("Clear wrong entries"));
    } else {
        return;
    }
    if (Finish_Change) {
        Finish_Change(&busy);
    }
}

void Hint_Presenter::Hide() {
    Shown_Hint.reset();
    if (Hint_Tool_Bar != nullptr) {
        Hint_Tool_Bar->hide();
    }
    Page.Overlay()->Clear_Highlights();
}
