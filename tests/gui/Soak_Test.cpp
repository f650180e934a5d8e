// A long session of the real window: thousands of random palette entries, menu commands,
// restarts, saves and loads (good files and bad ones), each answered by script. After every
// step the game is compared with a shadow copy that went through the same step in the core
// with the reference engine, the model's invariants are checked, the copies of shared cells
// agree wherever they agreed before, and every board has its picture with the right Tag and
// size.
//
// TESSEL_SOAK_STEPS sets the number of steps (fewer by default under AddressSanitizer);
// TESSEL_SOAK_SEED the random seed.

#include <QDirIterator>
#include <QLabel>
#include <QtTest>

#include <random>

#include "Game_Fixture.h"
#include "model/Board_Geometry.h"
#include "page/Boards_Layout.h"
#include "page/Candidate_Engine.h"
#include "page/Number_Locking.h"
#include "page/Puzzle_Loading.h"

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
                const QString cell =
                    QStringLiteral(" on board %1 at (%2, %3)").arg(b).arg(c).arg(r);
                if (g.Cell_Values[c][r] != s.Cell_Values[c][r]) {
                    return QStringLiteral("number %1, expected %2")
                               .arg(g.Cell_Values[c][r])
                               .arg(s.Cell_Values[c][r]) +
                           cell;
                }
                if (g.Cell_Locked[c][r] != s.Cell_Locked[c][r]) {
                    return QStringLiteral("lock differs") + cell;
                }
                const Tracking_Array_FrameWork& gt = g.Cell_Tracking[c][r];
                const Tracking_Array_FrameWork& st = s.Cell_Tracking[c][r];
                if (gt.Possible != st.Possible || gt.Candidates != st.Candidates ||
                    gt.Candidate_Count != st.Candidate_Count) {
                    return QStringLiteral("candidate tracking differs") + cell;
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
    bool track_copies = false; // the copies agreed at the last load and links are mirrored
    int entries = 0, commands = 0, loads = 0, good_loads = 0, saves = 0, out_of_view = 0,
        entered = 0;
    // Big enough for most puzzles to be seen whole.
    f.Form1->resize(1400, 1000);
    QCoreApplication::processEvents();

    for (int step = 0; step < steps; ++step) {
        QString what;
        const int roll = below(100);
        const bool has_boards = !f.Game.Sudoku_Boards.empty();
        if (!has_boards || roll < 3) {
            // A load, through the open button; the prompt is answered at random.
            const Load_Choice& file = files[below(static_cast<int>(files.size()))];
            const bool yes = below(4) != 0;
            const bool asked = f.Game.Game_Modified;
            f.Dialogs.Answers = {yes};
            const std::size_t messages = f.Dialogs.Messages.size();
            f.Open(file.Path);
            f.Dialogs.Answers.clear();
            f.Dialogs.Files.clear(); // a refused prompt leaves the file unasked for
            what = QStringLiteral("load %1 (%2)").arg(file.Path, yes ? "yes" : "no");
            ++loads;
            if (asked && !yes) {
                QVERIFY2(f.Dialogs.Messages.size() == messages + 1, qPrintable(what));
            } else if (file.Good) {
                Puzzle_Read_Result read =
                    Read_Puzzle_File(QFile::encodeName(file.Path).toStdString());
                QVERIFY2(read.Ok(), qPrintable(what));
                On_Reference(shadow, [&](Puzzle_State& s) {
                    Adopt_Loaded_Puzzle(s, std::move(read.Puzzle));
                });
                track_copies = Copies_Agree(shadow) && Links_Are_Mirrored(shadow);
                ++good_loads;
            } else {
                QVERIFY2(f.Dialogs.Messages.size() == messages + (asked ? 2 : 1), qPrintable(what));
                QVERIFY2(f.Dialogs.Messages.back().Kind != QLatin1String("confirm"),
                         qPrintable(what));
            }
        } else if (roll < 80) {
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
                            [&](Selection_Palette* p) {
                                std::vector<Speed_Button*> usable;
                                for (Speed_Button* button : p->Speed_Buttons()) {
                                    if (button->isEnabled()) {
                                        usable.push_back(button);
                                    }
                                }
                                if (usable.empty()) {
                                    p->reject();
                                    return;
                                }
                                Speed_Button* button =
                                    usable[below(static_cast<int>(usable.size()))];
                                chosen = button->Tag;
                                button->click();
                            });
            const bool locked = shadow.Sudoku_Boards[hb].Cell_Locked[c][r] != 0;
            QVERIFY2((f.Palette_Seen != nullptr) == !locked,
                     "the palette opens on unlocked cells only");
            if (chosen >= 0) {
                ++entered;
                On_Reference(shadow, [&](Puzzle_State& s) { Set_Cell_Value(s, hb, c, r, chosen); });
            }
            what = QStringLiteral("entry %1 on board %2 at (%3, %4)")
                       .arg(chosen)
                       .arg(hb)
                       .arg(c)
                       .arg(r);
            ++entries;
        } else if (roll < 97) {
            ++commands;
            switch (below(8)) {
            case 0:
                f.Form1->LockNumbers1Click();
                On_Reference(shadow, [](Puzzle_State& s) { Lock_Numbers(s); });
                what = QStringLiteral("Lock Numbers");
                break;
            case 1:
                f.Form1->UnlockNumbers1Click();
                On_Reference(shadow, [](Puzzle_State& s) { Unlock_Numbers(s); });
                what = QStringLiteral("Unlock Numbers");
                break;
            case 2:
            case 3:
                f.Form1->SetNumbers1Click();
                On_Reference(shadow, [](Puzzle_State& s) { Set_Numbers_Fill(s); });
                what = QStringLiteral("Set Numbers");
                break;
            case 4:
                f.Form1->ShowLabels1Click();
                shadow.Show_Labels = !shadow.Show_Labels;
                what = QStringLiteral("Show Labels");
                break;
            case 5:
                f.Form1->HelpmeSolveit1Click();
                On_Reference(shadow, [](Puzzle_State& s) {
                    s.Help_Solve = !s.Help_Solve;
                    Recompute_All(s);
                });
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
                what = QStringLiteral("Restart");
                break;
            }
            default:
                // The drop-down menu is prepared as it would be before it opens.
                f.Form1->PopupMenu1Popup();
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

        const QString context = QStringLiteral("step %1, %2: ").arg(step).arg(what);
        const std::string broken = Describe_Invariant_Violation(f.Game);
        QVERIFY2(broken.empty(), qPrintable(context + QString::fromStdString(broken)));
        const QString differs = Difference(f.Game, shadow);
        QVERIFY2(differs.isEmpty(), qPrintable(context + differs));
        if (track_copies) {
            QVERIFY2(Copies_Agree(f.Game),
                     qPrintable(context + QStringLiteral("shared copies disagree")));
        }
        const QString pictures = Picture_Problem(f);
        QVERIFY2(pictures.isEmpty(), qPrintable(context + pictures));
        QVERIFY2(QApplication::activeModalWidget() == nullptr,
                 qPrintable(context + "a dialog is left open"));
        QCOMPARE(f.Form1->Status_Panels[0]->text(),
                 TForm1::Board_Count_Text(static_cast<qlonglong>(f.Game.Sudoku_Boards.size())));
    }
    qInfo("%d steps: %d entries (%d numbers or clears), %d commands, %d loads (%d good), "
          "%d saves, %d cells out of view",
          steps, entries, entered, commands, loads, good_loads, saves, out_of_view);
    QVERIFY(entries > steps / 2);
    QVERIFY(entered > steps / 4);
    QVERIFY(good_loads > 0);
}

QTEST_MAIN(Soak_Test)
#include "Soak_Test.moc"
