// A long session of the real window: thousands of random palette entries, keys, menu
// commands, undos and redos, hints, restarts, saves and loads (good files and bad ones), each
// answered by script. After every step the game is compared with a shadow copy that went
// through the same step in the core with the reference engine, the model's invariants are
// checked, the copies of shared cells agree wherever they agreed before, and every board has
// its picture with the right Tag and size.
//
// Beside its game the shadow keeps its own history (its state before every step that can be
// taken back), the hint the window should show and where the keyboard's cursor should be. The
// window's history must hold as many steps as the shadow's, one for each command that changed
// numbers or locks, and a load must empty it. Undo and redo come from the tool buttons and
// from their shortcuts sent to the window as key events; the shadow steps back and forth by
// value and, like the window, counts as modified afterwards. A third of the steps that changed
// the game, picked at random, are at once taken back and brought back (an undo the other way
// round): the game must then be, value for value and every board's picture pixel for pixel,
// as it was before the step and as it was after it.
//
// Keys go to the page: arrows and Ctrl+Home move the cursor, digits, Delete, Backspace and
// letters (a symbols board's symbols among them) enter at it, Enter opens the palette there; a
// locked cell refuses. Every change that ends with the entry check must show the same message
// whichever way it came. H shows the hint without changing the game, and H again or Apply
// enters it, or clears the wrong entries it names, as one step; a hint that has nothing to
// enter (no solution, several, already solved) changes nothing.
//
// TESSEL_SOAK_STEPS sets the number of steps (fewer by default under AddressSanitizer);
// TESSEL_SOAK_SEED the random seed.

#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <cctype>
#include <optional>
#include <random>

#include "Game_Fixture.h"
#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Number_Locking.h"
#include "logic/Hint.h"
#include "model/Board_Geometry.h"
#include "session/Board_Cursor.h"
#include "session/Puzzle_Loading.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Hint_Bar.h"
#include "widgets/Page_Overlay.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int Default_Steps = 5000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int Default_Steps = 5000;
#else
constexpr int Default_Steps = 10000;
#endif
#else
constexpr int Default_Steps = 10000;
#endif

// The share of each kind of step, in percent: a step of a kind is rolled below its bound and
// at or above the one before; saves take the rest.
constexpr int Load_Below = 3;
constexpr int Palette_Below = 55;
constexpr int Keys_Below = 72;
constexpr int Undo_Below = 80;
constexpr int Hint_Below = 83;
constexpr int Command_Below = 97;

int Environment_Number(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The shadow's step runs on the reference engine, the window's on the default one.
template <typename Step> void On_Reference(Puzzle_State& shadow, Step step) {
    const Engine_Choice before = Current_Engine_Choice();
    Set_Engine_Choice(Engine_Choice::Reference);
    step(shadow);
    Set_Engine_Choice(before);
}

// An empty string when the game and the shadow hold the same numbers, locks, candidate
// tracking and modes, else the first difference.
QString Difference(const Puzzle_State& game, const Puzzle_State& shadow) {
    if (game.Sudoku_Boards.size() != shadow.Sudoku_Boards.size()) {
        return QStringLiteral("board count %1, expected %2")
            .arg(game.Sudoku_Boards.size())
            .arg(shadow.Sudoku_Boards.size());
    }
    if (game.Game_Modified != shadow.Game_Modified) {
        return QStringLiteral("Game_Modified is %1").arg(game.Game_Modified);
    }
    if (game.Help_Solve != shadow.Help_Solve || game.Show_Labels != shadow.Show_Labels) {
        return QStringLiteral("the help modes differ");
    }
    for (std::size_t b = 0; b < game.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& g = game.Sudoku_Boards[b];
        const Sudoku_Boards_FrameWork& s = shadow.Sudoku_Boards[b];
        for (int c = 0; c < s.Cols; ++c) {
            for (int r = 0; r < s.Rows; ++r) {
                const auto cell = [&] {
                    return QStringLiteral(" on board %1 at (%2, %3)").arg(b).arg(c).arg(r);
                };
                if (g.Cell_Values[c][r] != s.Cell_Values[c][r]) {
                    return QStringLiteral("number %1, expected %2")
                               .arg(g.Cell_Values[c][r])
                               .arg(s.Cell_Values[c][r]) +
                           cell();
                }
                if (g.Cell_Locked[c][r] != s.Cell_Locked[c][r]) {
                    return QStringLiteral("lock differs") + cell();
                }
                const Tracking_Array_FrameWork& gt = g.Cell_Tracking[c][r];
                const Tracking_Array_FrameWork& st = s.Cell_Tracking[c][r];
                if (gt.Possible != st.Possible || gt.Candidates != st.Candidates ||
                    gt.Candidate_Count != st.Candidate_Count) {
                    return QStringLiteral("candidate tracking differs") + cell();
                }
            }
        }
    }
    return {};
}

// True when every link has a partner link on the other board that maps the same cells back.
bool Links_Are_Mirrored(const Puzzle_State& s) {
    for (int b = 0; b < static_cast<int>(s.Sudoku_Boards.size()); ++b) {
        for (int k = 0; k < static_cast<int>(s.Board_Overlaps[b].Linked_Boards.size()); ++k) {
            const Shared_Area a = Shared_Area_Of(s, b, k);
            bool mirrored = false;
            const int t = a.Other_Board;
            for (int j = 0; j < static_cast<int>(s.Board_Overlaps[t].Linked_Boards.size()); ++j) {
                const Shared_Area back = Shared_Area_Of(s, t, j);
                mirrored = mirrored ||
                           (back.Other_Board == b && back.First_Col == a.First_Col + a.Col_Offset &&
                            back.Last_Col == a.Last_Col + a.Col_Offset &&
                            back.First_Row == a.First_Row + a.Row_Offset &&
                            back.Last_Row == a.Last_Row + a.Row_Offset);
            }
            if (!mirrored) {
                return false;
            }
        }
    }
    return true;
}

// True when every cell and its copies on the linked boards hold the same number and lock.
bool Copies_Agree(const Puzzle_State& s) {
    for (int b = 0; b < static_cast<int>(s.Sudoku_Boards.size()); ++b) {
        for (int k = 0; k < static_cast<int>(s.Board_Overlaps[b].Linked_Boards.size()); ++k) {
            const Shared_Area a = Shared_Area_Of(s, b, k);
            const Sudoku_Boards_FrameWork& here = s.Sudoku_Boards[b];
            const Sudoku_Boards_FrameWork& there = s.Sudoku_Boards[a.Other_Board];
            for (int c = a.First_Col; c <= a.Last_Col; ++c) {
                for (int r = a.First_Row; r <= a.Last_Row; ++r) {
                    const int oc = c + a.Col_Offset;
                    const int orow = r + a.Row_Offset;
                    if (here.Cell_Values[c][r] != there.Cell_Values[oc][orow] ||
                        (here.Cell_Locked[c][r] != 0) != (there.Cell_Locked[oc][orow] != 0)) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

QString Picture_Problem(Game_Fixture& f) {
    const Puzzle_State& s = f.Game;
    const QList<Board_Picture*> on_page =
        f.Form1->Frame_Boards_Layout_Page->findChildren<Board_Picture*>();
    if (on_page.size() != static_cast<int>(s.Sudoku_Boards.size())) {
        return QStringLiteral("%1 pictures on the page for %2 boards")
            .arg(on_page.size())
            .arg(s.Sudoku_Boards.size());
    }
    for (int b = 0; b < static_cast<int>(s.Sudoku_Boards.size()); ++b) {
        const Sudoku_Boards_FrameWork& board = s.Sudoku_Boards[b];
        if (board.Board_Image == nullptr || !on_page.contains(board.Board_Image)) {
            return QStringLiteral("board %1 has no picture on the page").arg(b);
        }
        if (board.Board_Image->Tag != b) {
            return QStringLiteral("board %1's picture has Tag %2")
                .arg(b)
                .arg(board.Board_Image->Tag);
        }
        if (board.Board_Type == Board_Type_9x9 || board.Board_Type == Board_Type_6x6) {
            const QSize side(board.Cols * Cell_Size, board.Rows * Cell_Size);
            if (board.Board_Image->size() != side || board.Board_Image->Picture().isNull()) {
                return QStringLiteral("board %1's picture is not %2 pixels square")
                    .arg(b)
                    .arg(side.width());
            }
        }
    }
    return {};
}

// An empty string when the window holds after a step: the model's invariants, the shadow's
// numbers, locks, candidates and modes, the copies of shared cells (when tracked), the
// pictures, no dialog left open and the board count in the status bar.
QString Step_Problem(Game_Fixture& f, const Puzzle_State& shadow, bool track_copies) {
    const std::string broken = Describe_Invariant_Violation(f.Game);
    if (!broken.empty()) {
        return QString::fromStdString(broken);
    }
    const QString differs = Difference(f.Game, shadow);
    if (!differs.isEmpty()) {
        return differs;
    }
    if (track_copies && !Copies_Agree(f.Game)) {
        return QStringLiteral("shared copies disagree");
    }
    const QString pictures = Picture_Problem(f);
    if (!pictures.isEmpty()) {
        return pictures;
    }
    if (QApplication::activeModalWidget() != nullptr) {
        return QStringLiteral("a dialog is left open");
    }
    const QString count =
        TForm1::Board_Count_Text(static_cast<qlonglong>(f.Game.Sudoku_Boards.size()));
    if (f.Form1->Status_Panels[0]->text() != count) {
        return QStringLiteral("the status bar shows \"%1\", expected \"%2\"")
            .arg(f.Form1->Status_Panels[0]->text(), count);
    }
    return {};
}

// What the shadow keeps beside its game: its own history, the hint the window should show and
// the keyboard's cursor.
struct Shadow_Play {
    std::vector<Puzzle_State> Undo; // the shadow before each step that can be taken back
    std::vector<Puzzle_State> Redo; // the states taken back, the next to bring back last
    std::optional<Hint> Shown_Hint;
    Board_Cursor Cursor;
    bool Cursor_Shown = false;
};

bool Numbers_Differ(const Puzzle_State& a, const Puzzle_State& b) {
    if (a.Sudoku_Boards.size() != b.Sudoku_Boards.size()) {
        return true;
    }
    for (std::size_t i = 0; i < a.Sudoku_Boards.size(); ++i) {
        if (a.Sudoku_Boards[i].Cell_Values != b.Sudoku_Boards[i].Cell_Values) {
            return true;
        }
    }
    return false;
}

bool Numbers_Or_Locks_Differ(const Puzzle_State& a, const Puzzle_State& b) {
    if (Numbers_Differ(a, b)) {
        return true;
    }
    for (std::size_t i = 0; i < a.Sudoku_Boards.size(); ++i) {
        if (a.Sudoku_Boards[i].Cell_Locked != b.Sudoku_Boards[i].Cell_Locked) {
            return true;
        }
    }
    return false;
}

// The shadow's undo (from = Undo, to = Redo) or redo (the other way round): the numbers and
// locks of the state kept last in `from`, the present one kept in `to`. The candidates follow
// from the numbers under the present modes: they are the kept state's when "Help me Solve it"
// is as it was then, else computed again. The game counts as modified. False when `from` is
// empty, and then nothing changes.
bool Step_Shadow(Puzzle_State& shadow, std::vector<Puzzle_State>& from,
                 std::vector<Puzzle_State>& to) {
    if (from.empty()) {
        return false;
    }
    Puzzle_State target = std::move(from.back());
    from.pop_back();
    const bool recompute = target.Help_Solve != shadow.Help_Solve && Numbers_Differ(shadow, target);
    to.push_back(shadow);
    for (std::size_t i = 0; i < shadow.Sudoku_Boards.size(); ++i) {
        Sudoku_Boards_FrameWork& board = shadow.Sudoku_Boards[i];
        board.Cell_Values = std::move(target.Sudoku_Boards[i].Cell_Values);
        board.Cell_Locked = std::move(target.Sudoku_Boards[i].Cell_Locked);
        if (target.Help_Solve == shadow.Help_Solve) {
            board.Cell_Tracking = std::move(target.Sudoku_Boards[i].Cell_Tracking);
        }
    }
    if (recompute) {
        On_Reference(shadow, [](Puzzle_State& s) { Recompute_All(s); });
    }
    shadow.Game_Modified = true;
    return true;
}

// An undo (redo) through one of its ways, `way` picking which: the tool button, or a shortcut
// (Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z) sent to the window as a key event. Returns the way taken.
QString Press_Undo_Or_Redo(Game_Fixture& f, bool undo, int way) {
    QString how;
    if (undo && way % 2 == 0) {
        f.Form1->ToolButton4->click();
        how = QStringLiteral("the undo button");
    } else if (undo) {
        QTest::keyClick(f.Form1.get(), Qt::Key_Z, Qt::ControlModifier);
        how = QStringLiteral("Ctrl+Z");
    } else if (way % 3 == 0) {
        f.Form1->ToolButton5->click();
        how = QStringLiteral("the redo button");
    } else if (way % 3 == 1) {
        QTest::keyClick(f.Form1.get(), Qt::Key_Y, Qt::ControlModifier);
        how = QStringLiteral("Ctrl+Y");
    } else {
        QTest::keyClick(f.Form1.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        how = QStringLiteral("Ctrl+Shift+Z");
    }
    QCoreApplication::processEvents();
    return how;
}

// Every board's picture as it stands.
std::vector<QImage> Pictures_Of(const Puzzle_State& game) {
    std::vector<QImage> pictures;
    for (const Sudoku_Boards_FrameWork& board : game.Sudoku_Boards) {
        pictures.push_back(board.Board_Image != nullptr ? board.Board_Image->Picture() : QImage());
    }
    return pictures;
}

// An empty string when the game and its pictures are those expected, else what differs.
QString Game_Or_Picture_Change(const Puzzle_State& game, const Puzzle_Data& expected,
                               const std::vector<QImage>& expected_pictures) {
    if (!(static_cast<const Puzzle_Data&>(game) == expected)) {
        return QStringLiteral("the game differs");
    }
    const std::vector<QImage> pictures = Pictures_Of(game);
    for (std::size_t b = 0; b < pictures.size(); ++b) {
        if (b >= expected_pictures.size() || pictures[b] != expected_pictures[b]) {
            return QStringLiteral("board %1's picture differs").arg(b);
        }
    }
    return {};
}

// An empty string when the messages shown since `from` are those of the entry check on the
// shadow (when `checked`: none while a cell is empty, else the verdict's), or none at all.
QString Message_Problem(const Scripted_Dialogs& dialogs, std::size_t from,
                        const Puzzle_State& shadow, bool checked) {
    std::vector<Shown_Message> expected;
    const Check_Verdict verdict = checked ? Check_Boards(shadow) : Check_Verdict::Nothing_To_Say;
    if (verdict == Check_Verdict::Duplicates) {
        expected.push_back(
            {QStringLiteral("warning"), QString::fromLatin1(Check_Message(verdict))});
    } else if (verdict == Check_Verdict::All_Completed) {
        expected.push_back(
            {QStringLiteral("information"), QString::fromLatin1(Check_Message(verdict))});
    }
    const std::size_t shown = dialogs.Messages.size() - from;
    if (shown != expected.size()) {
        return QStringLiteral("%1 messages shown, expected %2").arg(shown).arg(expected.size());
    }
    for (std::size_t i = 0; i < shown; ++i) {
        const Shown_Message& m = dialogs.Messages[from + i];
        if (m.Kind != expected[i].Kind || m.Text != expected[i].Text) {
            return QStringLiteral("the message %1 \"%2\", expected %3 \"%4\"")
                .arg(m.Kind, m.Text, expected[i].Kind, expected[i].Text);
        }
    }
    return {};
}

// Every cell of every board holds a number.
bool Every_Cell_Filled(const Puzzle_State& state) {
    for (const Sudoku_Boards_FrameWork& board : state.Sudoku_Boards) {
        for (const std::vector<Integer>& column : board.Cell_Values) {
            if (std::find(column.begin(), column.end(), 0) != column.end()) {
                return false;
            }
        }
    }
    return !state.Sudoku_Boards.empty();
}

// The number a typed letter stands for on a board: its symbol written so, else the one symbol
// that differs from it in case alone; -1 when none (and on a board of digits).
Integer Letter_Number(const Sudoku_Boards_FrameWork& board, char letter) {
    if (!board.Use_Symbols) {
        return -1;
    }
    std::vector<Integer> same, same_but_case;
    for (std::size_t k = 0; k < board.Symbols.size(); ++k) {
        const int symbol = board.Symbols[k];
        if (symbol == letter) {
            same.push_back(static_cast<Integer>(k) + 1);
        }
        if (symbol < 0x80 && std::tolower(symbol) == std::tolower(letter)) {
            same_but_case.push_back(static_cast<Integer>(k) + 1);
        }
    }
    if (!same.empty()) {
        return same.size() == 1 ? same.front() : -1;
    }
    return same_but_case.size() == 1 ? same_but_case.front() : -1;
}

// An empty string when the window's history, hint and cursor are the shadow's.
QString Play_Problem(Game_Fixture& f, const Shadow_Play& play) {
    const Game_Session& session = f.Form1->Session_Of_Game();
    if (session.Undo_History().size() != play.Undo.size() ||
        session.Redo_History().size() != play.Redo.size()) {
        return QStringLiteral("the history holds %1 steps to undo and %2 to redo, expected %3 "
                              "and %4")
            .arg(session.Undo_History().size())
            .arg(session.Redo_History().size())
            .arg(play.Undo.size())
            .arg(play.Redo.size());
    }
    if (f.Form1->Undo_Action->isEnabled() == play.Undo.empty() ||
        f.Form1->Redo_Action->isEnabled() == play.Redo.empty()) {
        return QStringLiteral("undo or redo is enabled with nothing to take or bring back");
    }
    if (f.Form1->Hint_Shown() != play.Shown_Hint.has_value() ||
        f.Form1->Hints->Hint_Tool_Bar->isHidden() == play.Shown_Hint.has_value()) {
        return QStringLiteral("the hint is %1, expected %2")
            .arg(f.Form1->Hint_Shown() ? "shown" : "hidden", play.Shown_Hint ? "shown" : "hidden");
    }
    if (play.Shown_Hint) {
        const Hint& shown = *f.Form1->Current_Hint();
        if (shown.Kind != play.Shown_Hint->Kind || shown.Text != play.Shown_Hint->Text ||
            shown.Placement != play.Shown_Hint->Placement ||
            shown.Wrong != play.Shown_Hint->Wrong) {
            return QStringLiteral("the hint \"%1\", expected \"%2\"")
                .arg(QString::fromStdString(shown.Text),
                     QString::fromStdString(play.Shown_Hint->Text));
        }
    }
    if (!(f.Form1->Cursor == play.Cursor) ||
        f.Form1->Frame_Boards_Layout_Page->Overlay()->Cursor_Shown() != play.Cursor_Shown) {
        return QStringLiteral("the cursor is on board %1 at (%2, %3), expected board %4 at (%5, "
                              "%6)")
            .arg(f.Form1->Cursor.Board)
            .arg(f.Form1->Cursor.Col)
            .arg(f.Form1->Cursor.Row)
            .arg(play.Cursor.Board)
            .arg(play.Cursor.Col)
            .arg(play.Cursor.Row);
    }
    return {};
}

struct Load_Choice {
    QString Path;
    bool Good = false;
};

} // namespace

class Soak_Test : public QObject {
    Q_OBJECT
  private slots:
    void randomSession();
};

void Soak_Test::randomSession() {
    const int steps = Environment_Number("TESSEL_SOAK_STEPS", Default_Steps);
    const int seed = Environment_Number("TESSEL_SOAK_SEED", 20240611);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };

    Game_Fixture f;

    // What can be loaded: copies of the sample puzzles, puzzles made here, bad files, a
    // missing file. Nothing in the source tree is ever a save target.
    std::vector<Load_Choice> files;
    QDirIterator samples(QStringLiteral(TESSEL_PUZZLE_DIR), {QStringLiteral("*.zd2")}, QDir::Files);
    while (samples.hasNext()) {
        const QFileInfo sample(samples.next());
        const QString copy = f.Folder.filePath(QStringLiteral("sample-") + sample.fileName());
        QVERIFY(QFile::copy(sample.filePath(), copy));
        files.push_back({copy, true});
    }
    QVERIFY(files.size() >= 3);
    files.push_back({f.Write(QStringLiteral("samurai.zd2"), Empty_Samurai()), true});
    files.push_back({f.Write(QStringLiteral("holes.zd2"),
                             Classic_With_Holes({{0, 0}, {4, 4}, {8, 8}, {3, 5}, {5, 3}})),
                     true});
    {
        Puzzle_State six;
        Add_Board_Model(six, Board_Type_6x6, 6, 6, 6, 1);
        Add_Board_Model(six, Board_Type_6x6, 6, 6, 6, 0);
        Finish_Puzzle(six);
        six.Board_Overlaps[0].Linked_Boards.push_back(2);
        six.Board_Overlaps[0].Link_Areas.push_back({4, 1, 1, 1});
        six.Board_Overlaps[1].Linked_Boards.push_back(1);
        six.Board_Overlaps[1].Link_Areas.push_back({1, 1, 4, 1});
        six.Custom_Regions_On = 1;
        six.Custom_Regions = {{{0, 0, 0, 0}, {0, 1, 1, 0}, {1, 5, 5, 0}, {1, 4, 4, 0}}};
        files.push_back({f.Write(QStringLiteral("six.zd2"), six), true});
    }
    for (const char* bad : {"cut-in-values.zd2", "version-2.zd2", "link-other-size.zd2",
                            "count-huge-boards.zd2", "region-col-outside.zd2"}) {
        files.push_back(
            {QStringLiteral(TESSEL_TEST_DATA "/malformed/") + QLatin1String(bad), false});
    }
    files.push_back({f.Folder.filePath(QStringLiteral("missing.zd2")), false});
    const QString save_path = f.Folder.filePath(QStringLiteral("soak-save.zd2"));

    Puzzle_State shadow = f.Game;
    Shadow_Play play;
    bool track_copies = false; // the copies agreed at the last load and links are mirrored
    int entries = 0, commands = 0, loads = 0, good_loads = 0, saves = 0, out_of_view = 0,
        entered = 0;
    int keys = 0, moves = 0, key_entries = 0, refused = 0, undos = 0, undone = 0, redos = 0,
        redone = 0, hints = 0, hints_shown = 0, hints_applied = 0, hints_idle = 0,
        hints_not_unique = 0, back_and_forth = 0, undo_after_load = 0;
    // Big enough for most puzzles to be seen whole.
    f.Form1->resize(1400, 1000);
    QCoreApplication::processEvents();
    TMainFrame_Boards_Layout_Page* page = f.Form1->Frame_Boards_Layout_Page;

    // A usable button of the palette pressed at random (its Tag, 0 = Clear), or the palette
    // closed when none is usable (-1).
    auto press_palette_button = [&](Selection_Palette* p) {
        std::vector<Speed_Button*> usable;
        for (Speed_Button* button : p->Speed_Buttons()) {
            if (button->isEnabled()) {
                usable.push_back(button);
            }
        }
        if (usable.empty()) {
            p->reject();
            return -1;
        }
        Speed_Button* button = usable[below(static_cast<int>(usable.size()))];
        const int tag = button->Tag;
        button->click();
        return tag;
    };
    // The cell's number n (0 empties) entered in the shadow, as a command that can be undone.
    auto shadow_enter = [&](const Board_Cursor& at, Integer n) {
        On_Reference(shadow,
                     [&](Puzzle_State& s) { Set_Cell_Value(s, at.Board, at.Col, at.Row, n); });
    };

    for (int step = 0; step < steps; ++step) {
        QString what;
        // After an undo, another undo or a redo often follows at once.
        const int roll = !play.Redo.empty() && below(2) == 0
                             ? Keys_Below + below(Undo_Below - Keys_Below)
                             : below(100);
        const bool has_boards = !f.Game.Sudoku_Boards.empty();
        // What the step may be compared with: the shadow before it, and for a third of the
        // steps (and every hint) the window's game and pictures, to take the step back and
        // bring it back afterwards.
        Puzzle_State shadow_before = shadow;
        const bool try_back_and_forth = below(3) == 0;
        const bool hint_step = has_boards && roll >= Undo_Below && roll < Hint_Below;
        const bool keep_before = try_back_and_forth || hint_step;
        const Puzzle_Data game_before = keep_before ? Puzzle_Data(f.Game) : Puzzle_Data();
        const std::vector<QImage> pictures_before =
            keep_before ? Pictures_Of(f.Game) : std::vector<QImage>();
        const std::size_t messages_before = f.Dialogs.Messages.size();
        bool loaded = false;   // a puzzle was loaded: the history starts empty
        bool recorded = false; // a command that leaves a step when it changes the game
        int history_move = 0;  // -1: an undo that took a step back, 1: a redo that brought one
        int checked = -1;      // 1: ends with the entry check, 0: shows no message, -1: any
        if (!has_boards || roll < Load_Below) {
            // A load, through the open button; the prompt is answered at random.
            const Load_Choice& file = files[below(static_cast<int>(files.size()))];
            const bool yes = below(4) != 0;
            const bool asked = f.Game.Game_Modified;
            f.Dialogs.Answers = {yes};
            f.Open(file.Path);
            f.Dialogs.Answers.clear();
            f.Dialogs.Files.clear(); // a refused prompt leaves the file unasked for
            what = QStringLiteral("load %1 (%2)").arg(file.Path, yes ? "yes" : "no");
            ++loads;
            if (asked && !yes) {
                QVERIFY2(f.Dialogs.Messages.size() == messages_before + 1, qPrintable(what));
            } else if (file.Good) {
                Puzzle_Read_Result read =
                    Read_Puzzle_File(QFile::encodeName(file.Path).toStdString());
                QVERIFY2(read.Ok(), qPrintable(what));
                On_Reference(shadow, [&](Puzzle_State& s) {
                    Adopt_Loaded_Puzzle(s, std::move(read.Puzzle));
                });
                track_copies = Copies_Agree(shadow) && Links_Are_Mirrored(shadow);
                play.Undo.clear();
                play.Redo.clear();
                play.Shown_Hint.reset();
                play.Cursor = Board_Cursor{};
                play.Cursor_Shown = false;
                loaded = true;
                ++good_loads;
            } else {
                QVERIFY2(f.Dialogs.Messages.size() == messages_before + (asked ? 2 : 1),
                         qPrintable(what));
                QVERIFY2(f.Dialogs.Messages.back().Kind != QLatin1String("confirm"),
                         qPrintable(what));
            }
        } else if (roll < Palette_Below) {
            // A palette entry on a random cell.
            const int b = below(static_cast<int>(f.Game.Sudoku_Boards.size()));
            const Sudoku_Boards_FrameWork& board = f.Game.Sudoku_Boards[b];
            if (board.Board_Type != Board_Type_9x9 && board.Board_Type != Board_Type_6x6) {
                continue; // not drawn, so not clickable
            }
            const int aim_col = below(board.Cols);
            const int aim_row = below(board.Rows);
            // A cell scrolled out of the page's view cannot be pointed at.
            const QPoint centre(aim_col * Cell_Size + 15, aim_row * Cell_Size + 15);
            if (!f.Picture(b)->visibleRegion().contains(centre) ||
                !f.Picture(b)->visibleRegion().contains(centre - QPoint(11, 11))) {
                ++out_of_view;
                continue;
            }
            // Two moves, so the pointer really moves even when it is on this cell already.
            f.Hover(b, aim_col, aim_row, QPoint(4, 4));
            f.Hover(b, aim_col, aim_row);
            // Where boards overlap the pointer may be over another board's picture: the hover
            // state names the cell under the pointer, and that is where the entry goes.
            const int hb = f.Game.Current_Board;
            const int c = f.Game.Mouse_Col;
            const int r = f.Game.Mouse_Row;
            QVERIFY2(Cell_Exists(f.Game, hb, c, r), "the hover state names a cell");
            QVERIFY2(hb != b || (c == aim_col && r == aim_row),
                     "the hover state follows the pointer");
            int chosen = -1;
            f.Click_Picture(b, QPoint(aim_col * Cell_Size + 15, aim_row * Cell_Size + 15),
                            [&](Selection_Palette* p) { chosen = press_palette_button(p); });
            const bool locked = shadow.Sudoku_Boards[hb].Cell_Locked[c][r] != 0;
            QVERIFY2((f.Palette_Seen != nullptr) == !locked,
                     "the palette opens on unlocked cells only");
            // A click puts the keyboard's cursor on the cell, locked or not.
            play.Cursor = Board_Cursor{hb, c, r};
            play.Cursor_Shown = true;
            if (chosen >= 0) {
                ++entered;
                shadow_enter(play.Cursor, chosen);
            }
            recorded = true;
            checked = chosen >= 0 ? 1 : 0;
            what = QStringLiteral("entry %1 on board %2 at (%3, %4)")
                       .arg(chosen)
                       .arg(hb)
                       .arg(c)
                       .arg(r);
            ++entries;
        } else if (roll < Keys_Below) {
            // A key on the page: a cursor move, or an entry at the cursor.
            ++keys;
            const int kind = below(12);
            const int cursor_board = play.Cursor.Board;
            const bool on_cell =
                Cell_Exists(shadow, cursor_board, play.Cursor.Col, play.Cursor.Row);
            if (kind < 5) {
                // The first key shows the cursor where it was, or on the first cell.
                static const int dx[4] = {-1, 1, 0, 0};
                static const int dy[4] = {0, 0, -1, 1};
                static const Qt::Key arrow[4] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                                 Qt::Key_Down};
                const int a = kind % 4;
                if (kind == 4) {
                    QTest::keyClick(page, Qt::Key_Home, Qt::ControlModifier);
                    play.Cursor = First_Cell(shadow);
                    what = QStringLiteral("key Ctrl+Home");
                } else {
                    QTest::keyClick(page, arrow[a]);
                    play.Cursor = !play.Cursor_Shown || !on_cell
                                      ? (on_cell ? play.Cursor : First_Cell(shadow))
                                      : Move_Cursor(shadow, play.Cursor, dx[a], dy[a]);
                    what = QStringLiteral("arrow key %1").arg(a);
                }
                play.Cursor_Shown = true;
                checked = 0;
                ++moves;
            } else {
                // A number at the cursor: the shadow enters it where the window would.
                Integer n = -1;
                int chosen = -1;
                bool palette_seen = false;
                if (kind < 8) {
                    const int digit = below(10);
                    QTest::keyClick(page, static_cast<Qt::Key>(Qt::Key_0 + digit));
                    n = on_cell && digit <= shadow.Sudoku_Boards[cursor_board].Max_Number ? digit
                                                                                          : -1;
                    what = QStringLiteral("key %1").arg(digit);
                } else if (kind == 8) {
                    const bool del = below(2) == 0;
                    QTest::keyClick(page, del ? Qt::Key_Delete : Qt::Key_Backspace);
                    n = 0;
                    what = del ? QStringLiteral("key Delete") : QStringLiteral("key Backspace");
                } else if (kind < 11) {
                    // A letter: one of the board's symbols, or any letter but H and N (the
                    // hint's and note mode's keys where they are no number), in either case.
                    static const char letters[] = "ABCDEFGIJKLMOPQRSTUVWXYZ";
                    char letter = letters[below(static_cast<int>(sizeof letters) - 1)];
                    if (on_cell && shadow.Sudoku_Boards[cursor_board].Use_Symbols &&
                        below(2) == 0) {
                        const std::vector<Byte>& symbols =
                            shadow.Sudoku_Boards[cursor_board].Symbols;
                        const Byte symbol = symbols[below(static_cast<int>(symbols.size()))];
                        if (symbol < 0x80 && std::isalpha(symbol) && std::toupper(symbol) != 'H' &&
                            std::toupper(symbol) != 'N') {
                            letter = static_cast<char>(symbol);
                        }
                    }
                    letter = below(2) == 0 ? static_cast<char>(std::tolower(letter)) : letter;
                    QTest::keyClick(page, letter);
                    n = on_cell ? Letter_Number(shadow.Sudoku_Boards[cursor_board], letter) : -1;
                    what = QStringLiteral("key %1").arg(QLatin1Char(letter));
                } else {
                    // Enter opens the palette at the cursor.
                    QTimer::singleShot(0, [&] {
                        auto* p =
                            qobject_cast<Selection_Palette*>(QApplication::activeModalWidget());
                        if (p != nullptr) {
                            palette_seen = true;
                            chosen = press_palette_button(p);
                        }
                    });
                    QTest::keyClick(page, below(2) == 0 ? Qt::Key_Return : Qt::Key_Space);
                    QCoreApplication::processEvents();
                    what = QStringLiteral("palette at the cursor: %1").arg(chosen);
                }
                QCoreApplication::processEvents();
                const bool locked =
                    on_cell && shadow.Sudoku_Boards[cursor_board]
                                       .Cell_Locked[play.Cursor.Col][play.Cursor.Row] != 0;
                if (kind == 11) {
                    const bool drawn =
                        on_cell && f.Game.Sudoku_Boards[cursor_board].Board_Image != nullptr;
                    QVERIFY2(palette_seen == (drawn && !locked),
                             "Enter opens the palette on an unlocked cursor cell only");
                    n = chosen;
                }
                const bool enters = on_cell && !locked && n >= 0;
                if (enters) {
                    shadow_enter(play.Cursor, n);
                    ++key_entries;
                }
                refused += on_cell && locked && (n >= 0 || kind == 11) ? 1 : 0;
                recorded = true;
                checked = enters ? 1 : 0;
                what += QStringLiteral(" at board %1 (%2, %3)")
                            .arg(cursor_board)
                            .arg(play.Cursor.Col)
                            .arg(play.Cursor.Row);
            }
        } else if (roll < Undo_Below) {
            // An undo or a redo, through a button or a shortcut; mostly a redo when there is
            // something to bring back.
            const bool undo = play.Redo.empty() ? below(6) != 0 : below(3) == 0;
            // A step taken back or brought back while every cell is filled says nothing
            // again: the check spoke when they filled.
            const bool was_full = Every_Cell_Filled(shadow);
            what = Press_Undo_Or_Redo(f, undo, below(6));
            const bool moved = undo ? Step_Shadow(shadow, play.Undo, play.Redo)
                                    : Step_Shadow(shadow, play.Redo, play.Undo);
            history_move = moved ? (undo ? -1 : 1) : 0;
            checked = moved && !was_full ? 1 : 0;
            undos += undo ? 1 : 0;
            undone += undo && moved ? 1 : 0;
            redos += undo ? 0 : 1;
            redone += !undo && moved ? 1 : 0;
        } else if (roll < Hint_Below) {
            // A hint: H or its button shows it, which changes nothing in the game; then, most
            // times at once, H again or Apply enters it, or Escape or the close box hides it.
            ++hints;
            if (!play.Shown_Hint) {
                if (below(2) == 0) {
                    QTest::keyClick(page, Qt::Key_H, Qt::ControlModifier);
                } else {
                    f.Form1->ToolButton7->click();
                }
                QCoreApplication::processEvents();
                play.Shown_Hint = Find_Hint(shadow);
                what = QStringLiteral("show a hint \"%1\"")
                           .arg(QString::fromStdString(play.Shown_Hint->Text));
                const QString unchanged =
                    Game_Or_Picture_Change(f.Game, game_before, pictures_before);
                QVERIFY2(unchanged.isEmpty(), qPrintable(what + QStringLiteral(": ") + unchanged));
                const QString shown = Play_Problem(f, play);
                QVERIFY2(shown.isEmpty(), qPrintable(what + QStringLiteral(": ") + shown));
                ++hints_shown;
            }
            checked = 0;
            const int way = below(5);
            if (way == 4) {
                what += QStringLiteral(", left shown");
            } else if (way == 3) {
                if (below(2) == 0) {
                    QTest::keyClick(page, Qt::Key_Escape);
                } else {
                    f.Form1->HintBar1->Close_Button->click();
                }
                play.Shown_Hint.reset();
                what += QStringLiteral(", hidden");
            } else {
                const Hint hint = *play.Shown_Hint;
                const bool enters = hint.Kind == Hint_Kind::Next_Number && !hint.Placement.empty();
                const bool clears = hint.Kind == Hint_Kind::Wrong_Entries && !hint.Wrong.empty();
                QVERIFY2(f.Form1->HintBar1->Apply_Button->isVisible() == (enters || clears),
                         "Apply is offered when the hint has something to enter");
                if (enters || clears) {
                    if (way == 0) {
                        QTest::keyClick(page, Qt::Key_H, Qt::ControlModifier);
                    } else {
                        f.Form1->HintBar1->Apply_Button->click();
                    }
                    if (enters) {
                        const Number_Place& p = hint.Placement.front();
                        play.Cursor = Board_Cursor{p.Board, p.Col, p.Row};
                        play.Cursor_Shown = true;
                        shadow_enter(play.Cursor, p.Number);
                    }
                    if (clears) {
                        for (const Number_Place& p : hint.Wrong) {
                            shadow_enter(Board_Cursor{p.Board, p.Col, p.Row}, 0);
                        }
                    }
                    play.Shown_Hint.reset();
                    recorded = true;
                    checked = 1;
                    ++hints_applied;
                } else {
                    // Nothing to enter: H shows the hint again, and applying it (though no
                    // button offers that) only hides it.
                    if (way == 0) {
                        QTest::keyClick(page, Qt::Key_H, Qt::ControlModifier);
                        play.Shown_Hint = Find_Hint(shadow);
                    } else {
                        f.Form1->Hints->Apply();
                        play.Shown_Hint.reset();
                    }
                    QCoreApplication::processEvents();
                    const QString unchanged =
                        Game_Or_Picture_Change(f.Game, game_before, pictures_before);
                    QVERIFY2(unchanged.isEmpty(), qPrintable(QString::fromStdString(hint.Text) +
                                                             QStringLiteral(": ") + unchanged));
                    ++hints_idle;
                    hints_not_unique += hint.Solutions != 1 ? 1 : 0;
                }
                QCoreApplication::processEvents();
                what += QStringLiteral(", applied (way %1) \"%2\"")
                            .arg(way)
                            .arg(QString::fromStdString(hint.Text));
            }
        } else if (roll < Command_Below) {
            ++commands;
            switch (below(8)) {
            case 0:
                f.Form1->LockNumbers1Click();
                On_Reference(shadow, [](Puzzle_State& s) { Lock_Numbers(s); });
                recorded = true;
                checked = 0;
                what = QStringLiteral("Lock Numbers");
                break;
            case 1:
                f.Form1->UnlockNumbers1Click();
                On_Reference(shadow, [](Puzzle_State& s) { Unlock_Numbers(s); });
                recorded = true;
                checked = 0;
                what = QStringLiteral("Unlock Numbers");
                break;
            case 2:
            case 3: {
                f.Form1->SetNumbers1Click();
                int filled = 0;
                On_Reference(shadow, [&](Puzzle_State& s) { filled = Set_Numbers_Fill(s); });
                recorded = true;
                checked = filled > 0 ? 1 : 0;
                what = QStringLiteral("Set Numbers");
                break;
            }
            case 4:
                f.Form1->ShowLabels1Click();
                shadow.Show_Labels = !shadow.Show_Labels;
                checked = 0;
                what = QStringLiteral("Show Labels");
                break;
            case 5:
                f.Form1->HelpmeSolveit1Click();
                On_Reference(shadow, [](Puzzle_State& s) {
                    s.Help_Solve = !s.Help_Solve;
                    Recompute_All(s);
                });
                checked = 0;
                what = QStringLiteral("Help me Solve it");
                break;
            case 6: {
                const bool yes = below(2) != 0;
                const bool asked = f.Game.Game_Modified;
                f.Dialogs.Answers = {yes};
                f.Form1->ToolButton3Click();
                f.Dialogs.Answers.clear();
                if (!asked || yes) {
                    On_Reference(shadow, [](Puzzle_State& s) { Restart_Boards(s); });
                }
                recorded = true;
                what = QStringLiteral("Restart");
                break;
            }
            default:
                // The drop-down menu is prepared as it would be before it opens.
                f.Form1->PopupMenu1Popup();
                checked = 0;
                what = QStringLiteral("menu popup");
                break;
            }
        } else {
            // A save through the save button.
            f.Dialogs.Files.push_back(save_path);
            f.Form1->ToolButton1Click();
            QVERIFY2(f.Dialogs.Files.empty(), "the save took its file name");
            shadow.Game_Modified = false;
            const Puzzle_Read_Result back =
                Read_Puzzle_File(QFile::encodeName(save_path).toStdString());
            QVERIFY2(back.Ok(),
                     qPrintable(QString::fromStdString(back.Error) + f.Dialogs.Last_Text()));
            QVERIFY2(Write_Puzzle_Bytes(back.Puzzle) == Write_Puzzle_Bytes(f.Game),
                     "the saved game reads back as it was saved");
            what = QStringLiteral("save");
            ++saves;
        }

        // A command that changed numbers or locks leaves one step, and whatever changes them
        // takes the hint away.
        const bool changed = !loaded && Numbers_Or_Locks_Differ(shadow_before, shadow);
        if (recorded && changed) {
            play.Undo.push_back(std::move(shadow_before));
            play.Redo.clear();
        }
        if (changed) {
            play.Shown_Hint.reset();
        }

        const QString context = QStringLiteral("step %1, %2: ").arg(step).arg(what);
        const QString problem = Step_Problem(f, shadow, track_copies);
        QVERIFY2(problem.isEmpty(), qPrintable(context + problem));
        const QString play_problem = Play_Problem(f, play);
        QVERIFY2(play_problem.isEmpty(), qPrintable(context + play_problem));
        if (checked >= 0) {
            const QString messages =
                Message_Problem(f.Dialogs, messages_before, shadow, checked == 1);
            QVERIFY2(messages.isEmpty(), qPrintable(context + messages));
        }

        // A change taken back and brought back at once (an undo the other way round) leaves
        // the game and its pictures as they were before and after it. After a load an undo
        // finds nothing to take back.
        if (try_back_and_forth && ((changed && (recorded || history_move != 0)) || loaded)) {
            const Puzzle_Data game_after = f.Game;
            const std::vector<QImage> pictures_after = Pictures_Of(f.Game);
            const bool modified_after = f.Game.Game_Modified;
            for (int pass = 0; pass < (loaded ? 1 : 2); ++pass) {
                const bool undo = loaded || (pass == 0) == (history_move >= 0);
                const std::size_t messages = f.Dialogs.Messages.size();
                const bool was_full = Every_Cell_Filled(shadow);
                const QString how = Press_Undo_Or_Redo(f, undo, below(6));
                const bool moved = undo ? Step_Shadow(shadow, play.Undo, play.Redo)
                                        : Step_Shadow(shadow, play.Redo, play.Undo);
                const QString again = context + how + QStringLiteral(" after it: ");
                QVERIFY2(moved != loaded, qPrintable(again + "the shadow's history"));
                const bool back = pass == 0 && !loaded;
                const QString change =
                    Game_Or_Picture_Change(f.Game, back ? game_before : game_after,
                                           back ? pictures_before : pictures_after);
                QVERIFY2(change.isEmpty(), qPrintable(again + change));
                QVERIFY2(f.Game.Game_Modified == (loaded ? modified_after : true),
                         qPrintable(again + "Game_Modified"));
                play.Shown_Hint.reset();
                const QString problem_again = Step_Problem(f, shadow, track_copies);
                QVERIFY2(problem_again.isEmpty(), qPrintable(again + problem_again));
                const QString play_again = Play_Problem(f, play);
                QVERIFY2(play_again.isEmpty(), qPrintable(again + play_again));
                const QString messages_again =
                    Message_Problem(f.Dialogs, messages, shadow, !loaded && !was_full);
                QVERIFY2(messages_again.isEmpty(), qPrintable(again + messages_again));
            }
            back_and_forth += loaded ? 0 : 1;
            undo_after_load += loaded ? 1 : 0;
        }
    }
    qInfo("%d steps: %d entries (%d numbers or clears), %d keys (%d cursor moves, %d numbers "
          "or clears, %d refused on locked cells), %d undos (%d took a step back), %d redos "
          "(%d brought one back), %d hint steps (%d hints shown, %d applied, %d with nothing to "
          "enter, %d of them on puzzles without one solution), %d commands, "
          "%d loads (%d good, %d followed by an undo that did nothing), %d saves, %d cells out "
          "of view; %d changes taken back and brought back at once",
          steps, entries, entered, keys, moves, key_entries, refused, undos, undone, redos, redone,
          hints, hints_shown, hints_applied, hints_idle, hints_not_unique, commands, loads,
          good_loads, undo_after_load, saves, out_of_view, back_and_forth);
    QVERIFY(entries > steps / 3);
    QVERIFY(entered > steps / 5);
    QVERIFY(key_entries > steps / 50);
    QVERIFY(undone > steps / 100 && redone > steps / 100);
    QVERIFY(hints_applied > 0 && hints_not_unique > 0);
    QVERIFY(back_and_forth > steps / 10);
    QVERIFY(undo_after_load > 0);
    QVERIFY(good_loads > 0);
}

QTEST_MAIN(Soak_Test)
#include "Soak_Test.moc"
