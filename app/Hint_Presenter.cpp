#include "app/Hint_Presenter.h"

#include <QMainWindow>
#include <QPushButton>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "app/Cursor_Play.h"
#include "logic/Technique.h"
#include "model/Number_Text.h"
#include "model/Puzzle_Shape.h"
#include "session/Game_Session.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Busy_Cursor.h"
#include "widgets/Hint_Bar.h"
#include "widgets/Page_Overlay.h"

// One hint being worked out: the worker's own copy of the puzzle, the cancel flag, and the
// result once it is done.
struct Hint_Presenter::Work {
    Puzzle_State Puzzle;
    std::shared_ptr<const Puzzle_Shape> Shape;
    std::atomic<bool> Cancel{false};
    std::mutex Lock;
    std::condition_variable Finished;
    bool Done = false;
    Hint Result;
};

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
    Poll = new QTimer(this);
    Poll->setInterval(15);
    connect(Poll, &QTimer::timeout, this, &Hint_Presenter::Check_Job);
}

Hint_Presenter::~Hint_Presenter() {
    Cancel_Job();
    for (const std::unique_ptr<QThread>& worker : Workers) {
        worker->wait();
    }
}

void Hint_Presenter::Next() {
    if (Shown_Hint && Bar->Apply_Button->isVisible()) {
        Apply();
    } else if (!Thinking()) {
        Show();
    }
}

void Hint_Presenter::Show() {
    const Puzzle_State& state = Session.State();
    if (state.Sudoku_Boards.empty()) {
        Hide();
        Shown_Hint = Hint{};
        Shown_Hint->Kind = Hint_Kind::Undecided;
        Bar->Show_Hint(QString(),
                       {QStringLiteral("No puzzle is open. Open one (Ctrl+O), make a new one "
                                       "(Ctrl+N) or paste one (Ctrl+V), then ask again.")},
                       false, QString());
        Hint_Tool_Bar->show();
        return;
    }
    Cancel_Job();
    auto job = std::make_shared<Work>();
    job->Puzzle = state;
    job->Shape = Session.Shape();
    // The worker's copy keeps no link to the page's pictures.
    for (Sudoku_Boards_FrameWork& board : job->Puzzle.Sudoku_Boards) {
        board.Board_Image = nullptr;
    }
    Job = job;
    std::unique_ptr<QThread> worker(QThread::create([job] {
        Hint hint = Find_Hint(job->Puzzle, job->Shape, &job->Cancel);
        std::lock_guard<std::mutex> hold(job->Lock);
        job->Result = std::move(hint);
        job->Done = true;
        job->Finished.notify_all();
    }));
    worker->start();
    Workers.push_back(std::move(worker));
    {
        // A frame's time: most hints are ready by then and show at once.
        std::unique_lock<std::mutex> hold(job->Lock);
        job->Finished.wait_for(hold, std::chrono::milliseconds(Frame_Budget_Ms),
                               [&job] { return job->Done; });
    }
    Check_Job();
    if (Job != nullptr) {
        Bar->Show_Hint(QString(), {QStringLiteral("Thinking...")}, false, QString());
        Hint_Tool_Bar->show();
        Poll->start();
    }
}

void Hint_Presenter::Check_Job() {
    // Finished workers are joined; the running one stays.
    Workers.erase(std::remove_if(Workers.begin(), Workers.end(),
                                 [](const std::unique_ptr<QThread>& w) { return w->isFinished(); }),
                  Workers.end());
    if (Job == nullptr) {
        Poll->stop();
        return;
    }
    Hint hint;
    {
        std::lock_guard<std::mutex> hold(Job->Lock);
        if (!Job->Done) {
            return;
        }
        hint = std::move(Job->Result);
    }
    Job.reset();
    Poll->stop();
    Present(std::move(hint));
}

void Hint_Presenter::Cancel_Job() {
    if (Job != nullptr) {
        Job->Cancel.store(true);
        Job.reset();
    }
    if (Poll != nullptr) {
        Poll->stop();
    }
}

void Hint_Presenter::Present(Hint hint) {
    QString technique;
    QStringList sentences;
    QString apply;
    bool can_apply = false;
    switch (hint.Kind) {
    case Hint_Kind::Next_Number: {
        // The headline names the hardest technique the hint uses.
        const Step* hardest = &hint.Steps.back();
        for (const Step& step : hint.Steps) {
            if (step.Rating > hardest->Rating) {
                hardest = &step;
            }
        }
        technique = QString::fromLatin1(Technique_Name(hardest->Kind));
        for (const Step& step : hint.Steps) {
            sentences << QString::fromStdString(step.Text);
        }
        // When the last step is the one named, its sentence goes on from the headline.
        if (hardest == &hint.Steps.back() &&
            sentences.back().startsWith(technique + QStringLiteral(": "))) {
            QString rest = sentences.back().mid(technique.size() + 2);
            rest[0] = rest[0].toUpper();
            sentences.back() = rest;
        }
        can_apply = !hint.Placement.empty();
        apply = QStringLiteral("Apply");
        break;
    }
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
    std::vector<Page_Overlay::Link> links;
    std::set<int> boards;
    const Puzzle_State& state = Session.State();
    const Puzzle_Groups& groups = Session.Shape()->Groups;
    const auto numbers_of = [&state](int board) {
        return board >= 0 && board < static_cast<int>(state.Sudoku_Boards.size())
                   ? state.Sudoku_Boards[board].Max_Number
                   : 9;
    };
    const auto is_target = [&hint](int board, int col, int row) {
        return std::any_of(hint.Placement.begin(), hint.Placement.end(),
                           [&](const Number_Place& p) {
                               return p.Board == board && p.Col == col && p.Row == row;
                           });
    };
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
                    boards.insert(at.Board);
                }
            }
        }
        for (const Cell_Place& cell : step.Cells) {
            marks.push_back({cell.Board, cell.Col, cell.Row, Page_Overlay::Mark::Reason});
            boards.insert(cell.Board);
        }
        for (const Number_Place& gone : step.Eliminations) {
            // The target is marked as the target, not as a cell that loses a number.
            if (!is_target(gone.Board, gone.Col, gone.Row)) {
                marks.push_back({gone.Board, gone.Col, gone.Row, Page_Overlay::Mark::Eliminate,
                                 gone.Number, numbers_of(gone.Board)});
            }
        }
        for (const Step_Link& link : step.Links) {
            links.push_back({{link.From.Board, link.From.Col, link.From.Row},
                             {link.To.Board, link.To.Col, link.To.Row},
                             link.Number_From,
                             link.Number_To,
                             link.Strong,
                             numbers_of(link.From.Board)});
        }
    }
    for (const Number_Place& target : hint.Placement) {
        marks.push_back({target.Board, target.Col, target.Row, Page_Overlay::Mark::Target});
        boards.insert(target.Board);
    }
    for (const Number_Place& wrong : hint.Wrong) {
        marks.push_back({wrong.Board, wrong.Col, wrong.Row, Page_Overlay::Mark::Wrong});
        boards.insert(wrong.Board);
    }
    Page.Overlay()->Set_Highlights(std::move(marks));
    Page.Overlay()->Set_Links(std::move(links));
    if (Boards_Named) {
        Boards_Named(std::vector<int>(boards.begin(), boards.end()));
    }
    // The page shows the target, and the cells it is reasoned from where they fit with it.
    const std::vector<Number_Place>& focus = !hint.Placement.empty() ? hint.Placement : hint.Wrong;
    if (!focus.empty()) {
        QRect all = Page.Cell_Rect(focus.front().Board, focus.front().Col, focus.front().Row);
        for (const Page_Overlay::Highlight& h : Page.Overlay()->Highlights()) {
            if (h.How == Page_Overlay::Mark::Reason || h.How == Page_Overlay::Mark::Target) {
                all = all.united(Page.Cell_Rect(h.Board, h.Col, h.Row));
            }
        }
        const QSize room = Page.viewport()->size();
        if (all.width() <= room.width() && all.height() <= room.height()) {
            Page.ensureVisible(all.center().x(), all.center().y(), all.width() / 2 + 4,
                               all.height() / 2 + 4);
        }
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
    Cancel_Job();
    Shown_Hint.reset();
    if (Hint_Tool_Bar != nullptr) {
        Hint_Tool_Bar->hide();
    }
    Page.Overlay()->Clear_Highlights();
    Page.Overlay()->Set_Links({});
    if (Boards_Named) {
        Boards_Named({});
    }
}
