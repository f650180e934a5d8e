// The main window's commands beyond the tool bar's buttons, all reachable with the mouse from
// the "more" button's menu: import, paste, export and print, zoom, the list of keys, About and
// Quit; and the puzzle's progress (kind, level, clock) at the right end of the tool bar.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <atomic>
#include <cmath>
#include <memory>

#include "app/Player_Dialogs.h"
#include "app/Progress_Panel.h"
#include "app/Puzzle_Exchange.h"
#include "app/Tool_Images.h"
#include "app/Unit1.h"
#include "logic/Grading.h"
#include "logic/Shapes.h"
#include "model/Puzzle_Groups.h"
#include "model/Puzzle_Shape.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Selection_Palette.h"

namespace {

// The zoom's steps, in per cent of the page's stored size.
const int Zoom_Steps[] = {100, 125, 150, 175, 200, 250, 300};
constexpr qreal Smallest_Zoom = 1.0;
constexpr qreal Largest_Zoom = 3.0;

// Loaded puzzles of more cells than this are not graded (it would take too long).
constexpr int Largest_Graded_Cells = 2000;

const char* const Key_Rows[][2] = {
    {"Arrows", "move the cell cursor (across boards at their edges)"},
    {"Ctrl+Home", "the cursor to the first board's first cell"},
    {"A number or symbol of the board", "enter it at the cursor (in note mode: note it)"},
    {"Letters A to G", "numbers 10 to 16 on the larger boards"},
    {"0, Delete, Backspace", "clear the cursor's cell"},
    {"Enter, Space", "the \"Selections\" palette at the cursor"},
    {"Ctrl+digit", "note that number in the cursor's cell, or take the note out"},
    {"Alt+digit, Alt+0", "highlight that number on every board; end the highlight"},
    {"H or Ctrl+H", "hint; again enters it"},
    {"N or Ctrl+M", "note mode on or off"},
    {"Ctrl+Enter", "the notes window"},
    {"Ctrl+F, Ctrl+Shift+F", "fill all notes; clear all notes"},
    {"Ctrl+Shift+R", "notes removed on entry, on or off"},
    {"Ctrl+D", "conflicts shown, on or off"},
    {"Ctrl+L", "the cursor's number highlighted, on or off"},
    {"Escape", "hide the hint, else end the highlight"},
    {"Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z", "undo; redo"},
    {"Ctrl+N", "new puzzle"},
    {"Ctrl+O, Ctrl+S, Ctrl+R", "open, save, restart"},
    {"Ctrl+I, Ctrl+V", "import a puzzle of any format; paste one"},
    {"Ctrl+E, Ctrl+P", "export the page as a picture or PDF; print a puzzle sheet"},
    {"Ctrl+Plus, Ctrl+Minus, Ctrl+0, F4", "zoom in, zoom out, 100%, fit to the window"},
    {"F1", "this list of keys"},
    {"Ctrl+Q", "quit"},
};

} // namespace

// A loaded puzzle's grade, worked out on a worker thread.
struct TForm1::Grade_Job {
    Puzzle_State Puzzle;
    std::shared_ptr<const Puzzle_Shape> Shape;
    std::atomic<bool> Cancel{false};
    std::atomic<bool> Done{false};
    bool Graded = false;
    Grade_Result Result;
    std::uint64_t Game = 0; // which game it was for
};

QString TForm1::Keys_Text() {
    QString text = QStringLiteral("<p>A plain key that is a number or symbol of the cursor's board "
                                  "enters it; only otherwise is a plain letter a command. Every "
                                  "command also has a Ctrl or function-key form.</p><table>");
    for (const auto& row : Key_Rows) {
        text += QStringLiteral("<tr><td><b>%1</b>&nbsp;&nbsp;</td><td>%2</td></tr>")
                    .arg(QString::fromLatin1(row[0]).toHtmlEscaped(),
                         QString::fromLatin1(row[1]).toHtmlEscaped());
    }
    return text + QStringLiteral("</table>");
}

QString TForm1::About_Text() {
    return QStringLiteral(
               "<p><b>Tessel Sudoku</b> %1</p>"
               "<p>Sudoku puzzles of one board or many, linked on one page: classic, 6x6, Samurai "
               "and its friends, jigsaws and symbols. Notes, hints that explain every step, new "
               "puzzles at five levels.</p>"
               "<p>Released under the MIT licence.</p>")
        .arg(QCoreApplication::applicationVersion().isEmpty()
                 ? QStringLiteral("2.0")
                 : QCoreApplication::applicationVersion());
}

void TForm1::Create_More_Controls() {
    Zoom_In_Action = Add_Action(QStringLiteral("Zoom In"), QKeySequence::ZoomIn,
                                QStringLiteral("Make the page larger (Ctrl+Plus)"));
    connect(Zoom_In_Action, &QAction::triggered, this, [this] { Step_Zoom(1); });
    Zoom_Out_Action = Add_Action(QStringLiteral("Zoom Out"), QKeySequence::ZoomOut,
                                 QStringLiteral("Make the page smaller (Ctrl+Minus)"));
    connect(Zoom_Out_Action, &QAction::triggered, this, [this] { Step_Zoom(-1); });
    Actual_Size_Action =
        Add_Action(QStringLiteral("Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0),
                   QStringLiteral("The page at 100% (Ctrl+0)"));
    connect(Actual_Size_Action, &QAction::triggered, this, [this] { Set_Zoom(1.0); });
    Fit_Action = Add_Action(QStringLiteral("Fit to Window"), QKeySequence(Qt::Key_F4),
                            QStringLiteral("Zoom so that every board fits the window (F4)"));
    connect(Fit_Action, &QAction::triggered, this, [this] {
        Set_Zoom(Frame_Boards_Layout_Page->Fitting_Zoom(Smallest_Zoom, Largest_Zoom));
    });
    Keys_Action = Add_Action(QStringLiteral("Keys..."), QKeySequence::HelpContents,
                             QStringLiteral("Every key of the game (F1)"));
    connect(Keys_Action, &QAction::triggered, this,
            [this] { Dialogs.Show_Text(this, QStringLiteral("Keys"), Keys_Text()); });
    About_Action = Add_Action(QStringLiteral("About Tessel Sudoku..."), QKeySequence(),
                              QStringLiteral("The game's name, version and licence"));
    connect(About_Action, &QAction::triggered, this, [this] {
        Dialogs.Show_Text(this, QStringLiteral("About Tessel Sudoku"), About_Text());
    });
    Quit_Action = Add_Action(QStringLiteral("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
                             QStringLiteral("Close the game, asking first when it has changes "
                                            "(Ctrl+Q)"));
    connect(Quit_Action, &QAction::triggered, this, &TForm1::close);

    More_Menu = new QMenu(this);
    More_Menu->setObjectName(QStringLiteral("More_Menu"));
    More_Menu->addAction(New_Action);
    More_Menu->addAction(Exchange->Import_Action);
    More_Menu->addAction(Exchange->Paste_Action);
    More_Menu->addAction(Exchange->Export_Action);
    More_Menu->addAction(Exchange->Print_Action);
    More_Menu->addSeparator();
    More_Menu->addAction(Zoom_In_Action);
    More_Menu->addAction(Zoom_Out_Action);
    More_Menu->addAction(Actual_Size_Action);
    More_Menu->addAction(Fit_Action);
    More_Menu->addSeparator();
    More_Menu->addAction(Note_Mode_Action);
    More_Menu->addAction(Notes_Window_Action);
    More_Menu->addAction(Conflicts_Action);
    More_Menu->addMenu(Highlight_Menu);
    More_Menu->addSeparator();
    More_Menu->addAction(Keys_Action);
    More_Menu->addAction(About_Action);
    More_Menu->addSeparator();
    More_Menu->addAction(Quit_Action);
    More_Menu->setToolTipsVisible(true);
    auto* more = new QAction(QIcon(More_Image()), QStringLiteral("More"), this);
    more->setToolTip(QStringLiteral("Every command: import, paste, export, print, zoom, notes, "
                                    "keys, About, Quit"));
    ToolBar1->addSeparator();
    ToolButton10 = Add_Tool_Button("ToolButton10", more);
    ToolButton10->setMenu(More_Menu);
    ToolButton10->setPopupMode(QToolButton::InstantPopup);

    // The puzzle's progress at the right end.
    auto* spring = new QWidget(ToolBar1);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    ToolBar1->addWidget(spring);
    Progress = new Progress_Panel(ToolBar1);
    Progress->Playing = [this] {
        if (isMinimized() || !isVisible()) {
            return false;
        }
        // A dialog or a message box stops the clock; the palette does not.
        QWidget* modal = QApplication::activeModalWidget();
        return modal == nullptr || qobject_cast<Selection_Palette*>(modal) != nullptr;
    };
    ToolBar1->addWidget(Progress);
    Grade_Poll = new QTimer(this);
    Grade_Poll->setInterval(50);
    connect(Grade_Poll, &QTimer::timeout, this, &TForm1::Check_Grade);
}

qreal TForm1::Zoom() const {
    return Frame_Boards_Layout_Page->Zoom();
}

void TForm1::Set_Zoom(qreal zoom) {
    Frame_Boards_Layout_Page->Set_Zoom(std::clamp(zoom, Smallest_Zoom, Largest_Zoom));
}

void TForm1::Step_Zoom(int direction) {
    const int now = static_cast<int>(std::lround(Zoom() * 100));
    int next = now;
    if (direction > 0) {
        for (int step : Zoom_Steps) {
            if (step > now) {
                next = step;
                break;
            }
        }
    } else {
        for (int step : Zoom_Steps) {
            if (step < now) {
                next = step;
            }
        }
    }
    Set_Zoom(next / 100.0);
}

QString TForm1::Kind_Description() const {
    const std::size_t boards = State.Sudoku_Boards.size();
    if (boards == 0) {
        return {};
    }
    // A shape the generator makes (jigsaws by their regions only being on).
    std::vector<Integer> key;
    std::vector<Integer> theirs;
    Puzzle_Shape_Key(State, key);
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        Puzzle_State shape;
        if (!Empty_Puzzle_Of_Kind(kind.Name, 1, shape)) {
            continue;
        }
        Puzzle_Shape_Key(shape, theirs);
        const bool regions = shape.Regions_Only != 0 && State.Regions_Only != 0 &&
                             shape.Sudoku_Boards.size() == boards;
        const bool symbols =
            std::any_of(shape.Sudoku_Boards.begin(), shape.Sudoku_Boards.end(),
                        [](const Sudoku_Boards_FrameWork& b) { return b.Use_Symbols != 0; }) ==
            std::any_of(State.Sudoku_Boards.begin(), State.Sudoku_Boards.end(),
                        [](const Sudoku_Boards_FrameWork& b) { return b.Use_Symbols != 0; });
        if ((theirs == key || regions) && symbols) {
            return QString::fromStdString(kind.Label);
        }
    }
    if (boards == 1) {
        const Integer n = State.Sudoku_Boards[0].Max_Number;
        return QStringLiteral("%1x%1").arg(n);
    }
    return QStringLiteral("%1 boards").arg(boards);
}

void TForm1::Start_Progress(const QString& level) {
    if (Progress == nullptr) {
        return;
    }
    ++Game_Serial;
    if (Grade != nullptr) {
        Grade->Cancel.store(true);
        Grade.reset();
    }
    if (State.Sudoku_Boards.empty()) {
        Progress->Clear();
        return;
    }
    Progress->Start(Kind_Description(), level);
    if (!level.isEmpty()) {
        return;
    }
    // A loaded puzzle is graded off the GUI thread; the level shows when it is known.
    int cells = 0;
    for (const Sudoku_Boards_FrameWork& b : State.Sudoku_Boards) {
        cells += b.Max_Number * b.Max_Number;
    }
    if (cells > Largest_Graded_Cells) {
        return;
    }
    auto job = std::make_shared<Grade_Job>();
    job->Puzzle = State;
    job->Shape = Session.Shape();
    job->Game = Game_Serial;
    Grade = job;
    std::unique_ptr<QThread> worker(QThread::create([job] {
        job->Graded = Grade_Unique_Puzzle(job->Puzzle, job->Shape, job->Cancel, job->Result);
        job->Done.store(true);
    }));
    worker->start();
    Grade_Workers.push_back(std::move(worker));
    Grade_Poll->start();
}

void TForm1::Check_Grade() {
    Grade_Workers.erase(
        std::remove_if(Grade_Workers.begin(), Grade_Workers.end(),
                       [](const std::unique_ptr<QThread>& w) { return w->isFinished(); }),
        Grade_Workers.end());
    if (Grade == nullptr || !Grade->Done.load()) {
        if (Grade_Workers.empty()) {
            Grade_Poll->stop();
        }
        return;
    }
    const std::shared_ptr<Grade_Job> job = std::move(Grade);
    Grade.reset();
    if (job->Game == Game_Serial && job->Graded && job->Result.Solved) {
        Progress->Set_Level(
            QStringLiteral("%1 (%2)").arg(QLatin1String(Level_Name(job->Result.Level)),
                                          QString::fromStdString(Rating_Text(job->Result.Rating))));
    }
}

void TForm1::Wait_For_Workers() {
    if (Grade != nullptr) {
        Grade->Cancel.store(true);
    }
    for (const std::unique_ptr<QThread>& worker : Grade_Workers) {
        worker->wait();
    }
    Grade_Workers.clear();
}
