// Finding one's way in the window: the zoom (its actions and keys, clicks on the zoomed page,
// the pictures given back at 100%), the list of keys, About, Quit through the save-changes
// prompt, the progress at the end of the tool bar (kind, level, a clock that stops while a
// dialog is open or the window is minimised), and a hint worked out on the worker.

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include "Game_Fixture.h"
#include "app/Progress_Panel.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Hint_Bar.h"

class Way_Finding_Test : public QObject {
    Q_OBJECT
  private slots:
    void zoomByActionsAndKeys();
    void clicksOnTheZoomedPageLandOnTheirCell();
    void keysListEveryShortcutAndAboutNamesTheGame();
    void quitAsksBeforeChangesAreLost();
    void progressShowsKindLevelAndAPausingClock();
    void hintThinksOnTheWorkerAndAChangeCancelsIt();
};

namespace {

void Key(Game_Fixture& f, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(f.Form1.get(), static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

TMainFrame_Boards_Layout_Page* Page(Game_Fixture& f) {
    return f.Form1->Frame_Boards_Layout_Page;
}

// Clicks the page content at `at` (content pixels) after moving the pointer there, as a player
// would: whatever lies under the point takes the events. The palette a click opens is closed.
// (QVERIFY in a helper returns from it alone; the caller's comparison then fails.)
void Click_Page(Game_Fixture& f, QPoint at) {
    TMainFrame_Boards_Layout_Page* page = Page(f);
    QWidget* content = page->Page_Content();
    page->ensureVisible(at.x(), at.y(), 80, 80);
    QCoreApplication::processEvents();
    QTest::mouseMove(content, at + QPoint(1, 1));
    QTest::mouseMove(content, at);
    QCoreApplication::processEvents();
    QTimer::singleShot(0, [] {
        if (auto* palette = qobject_cast<Selection_Palette*>(QApplication::activeModalWidget())) {
            palette->reject();
        }
    });
    // The press and release go to the widget under the point, as the window would send them.
    QWidget* under = content->childAt(at);
    QVERIFY(under != nullptr);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(content, at));
    QCoreApplication::processEvents();
}

// The keys of the key table's left column, one by one: "Ctrl+F, Ctrl+Shift+F" gives both,
// "Ctrl+Y or Ctrl+Shift+Z" both.
std::set<QString> Listed_Keys() {
    std::set<QString> keys;
    const QRegularExpression bold(QStringLiteral("<b>(.*?)</b>"));
    auto cells = bold.globalMatch(TForm1::Keys_Text());
    while (cells.hasNext()) {
        const QString cell = cells.next().captured(1);
        for (const QString& part :
             cell.split(QRegularExpression(QStringLiteral(",|;| or ")), Qt::SkipEmptyParts)) {
            keys.insert(part.trimmed());
        }
    }
    return keys;
}

// A shortcut as the key table writes it: "Ctrl+Plus" for "Ctrl++", "Enter" for "Return".
QString Table_Name(const QKeySequence& keys) {
    QString text = keys.toString(QKeySequence::PortableText);
    text.replace(QStringLiteral("++"), QStringLiteral("+Plus"));
    text.replace(QStringLiteral("+-"), QStringLiteral("+Minus"));
    text.replace(QStringLiteral("Return"), QStringLiteral("Enter"));
    // One row stands for the digits 1 to 9 with a modifier.
    text.replace(QRegularExpression(QStringLiteral("^(Ctrl|Alt)\\+[1-9]$")),
                 QStringLiteral("\\1+digit"));
    return text;
}

} // namespace

void Way_Finding_Test::zoomByActionsAndKeys() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("zoom.zd2"), Classic_With_Holes({{0, 0}, {4, 4}})));
    QCOMPARE(f.Form1->Zoom(), 1.0);
    const QImage drawn = f.Picture(0)->Picture();
    const QImage page = Page(f)->Page_Content()->grab().toImage();

    // The keys step through 125%, 150%, ...; the picture grows and is drawn at that ratio.
    Key(f, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(f.Form1->Zoom(), 1.25);
    Key(f, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(f.Form1->Zoom(), 1.5);
    QCOMPARE(f.Picture(0)->size(), QSize(405, 405));
    QCOMPARE(f.Picture(0)->pos(), QPoint(47, 47)); // 31 x 1.5, rounded
    QCOMPARE(f.Picture(0)->Picture().devicePixelRatio(), 1.5);
    QCOMPARE(f.Picture(0)->Picture().size(), QSize(405, 405));
    Key(f, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(f.Form1->Zoom(), 1.25);

    // 100% gives the pictures and the page back pixel for pixel.
    Key(f, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(f.Form1->Zoom(), 1.0);
    QCOMPARE(f.Picture(0)->Picture(), drawn);
    QCOMPARE(f.Picture(0)->size(), QSize(270, 270));
    QCOMPARE(Page(f)->Page_Content()->grab().toImage(), page);

    // The actions, as the menu triggers them, and the ends of the range.
    QVERIFY(f.Form1->More_Menu->actions().contains(f.Form1->Zoom_In_Action));
    f.Form1->Zoom_Out_Action->trigger();
    QCOMPARE(f.Form1->Zoom(), 1.0);
    for (int k = 0; k < 9; ++k) {
        f.Form1->Zoom_In_Action->trigger();
    }
    QCOMPARE(f.Form1->Zoom(), 3.0);
    QCOMPARE(f.Picture(0)->size(), QSize(810, 810));
    f.Form1->Zoom_Out_Action->trigger();
    QCOMPARE(f.Form1->Zoom(), 2.5);
    f.Form1->Actual_Size_Action->trigger();
    QCOMPARE(f.Form1->Zoom(), 1.0);
    QCOMPARE(f.Picture(0)->Picture(), drawn);

    // F4 fits the board into the visible page as large as it goes; the next step goes on
    // from there.
    f.Form1->resize(900, 700);
    QCoreApplication::processEvents();
    Key(f, Qt::Key_F4);
    const qreal fitted = f.Form1->Zoom();
    QVERIFY2(fitted > 1.0 && fitted < 3.0, qPrintable(QString::number(fitted)));
    const QSize room = Page(f)->viewport()->size();
    const QRect board = f.Picture(0)->geometry();
    QVERIFY(board.right() < room.width() && board.bottom() < room.height());
    QVERIFY2(board.bottom() + 1 + 2 * 8 >= room.height() - 2 ||
                 board.right() + 1 + 2 * 8 >= room.width() - 2,
             "the fitted board could be larger");
    f.Form1->Actual_Size_Action->trigger();
    f.Form1->Fit_Action->trigger();
    QCOMPARE(f.Form1->Zoom(), fitted);
    Key(f, Qt::Key_Plus, Qt::ControlModifier);
    const qreal next = f.Form1->Zoom();
    QVERIFY(next > fitted);
    QVERIFY2(next == 1.25 || next == 1.5 || next == 1.75 || next == 2.0 || next == 2.5 ||
                 next == 3.0,
             qPrintable(QString::number(next)));
    QVERIFY(next - fitted <= 0.5);
}

void Way_Finding_Test::clicksOnTheZoomedPageLandOnTheirCell() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("samurai.zd2"), Empty_Samurai()));
    const Puzzle_State& s = f.Game;
    // Cells no other board covers: on corner boards 0 and 4 and in the centre board's top
    // middle block; near a cell's edges and in its middle.
    const struct {
        int Board, Col, Row;
    } cells[] = {{0, 1, 1}, {0, 8, 0}, {4, 7, 8}, {2, 4, 1}, {2, 3, 0}};
    const int insides[] = {2, 15, 27};
    for (const qreal zoom : {1.5, 2.0}) {
        f.Form1->Set_Zoom(zoom);
        QCOMPARE(f.Form1->Zoom(), zoom);
        for (const auto& cell : cells) {
            for (const int inside : insides) {
                // Where the cell's picture pixel lies on the zoomed page, worked out from the
                // stored position alone.
                const Board_Position at = s.Board_Positions[cell.Board];
                const auto page_x = [zoom](int stored, int pixel) {
                    return static_cast<int>(std::lround(
                               TMainFrame_Boards_Layout_Page::Page_Pixel(stored) * zoom)) +
                           static_cast<int>(pixel * zoom);
                };
                const QPoint point(page_x(at.X, cell.Col * 30 + inside),
                                   page_x(at.Y, cell.Row * 30 + inside));
                f.Form1->Cursor_Keys.Place({0, 0, 0});
                Click_Page(f, point);
                const Board_Cursor got = f.Form1->Cursor;
                QVERIFY2(got == (Board_Cursor{cell.Board, cell.Col, cell.Row}),
                         qPrintable(QStringLiteral("zoom %1, board %2 cell %3,%4 at %5: got %6 "
                                                   "%7,%8")
                                        .arg(zoom)
                                        .arg(cell.Board)
                                        .arg(cell.Col)
                                        .arg(cell.Row)
                                        .arg(inside)
                                        .arg(got.Board)
                                        .arg(got.Col)
                                        .arg(got.Row)));
            }
        }
    }
}

void Way_Finding_Test::keysListEveryShortcutAndAboutNamesTheGame() {
    Game_Fixture f;
    // F1 and the menu's entry show the list of keys.
    Key(f, Qt::Key_F1);
    QCOMPARE(f.Dialogs.Count(QStringLiteral("text")), 1);
    QVERIFY(f.Dialogs.Last_Text().startsWith(QStringLiteral("Keys\n")));
    QVERIFY(f.Form1->More_Menu->actions().contains(f.Form1->Keys_Action));
    f.Form1->Keys_Action->trigger();
    QCOMPARE(f.Dialogs.Count(QStringLiteral("text")), 2);
    const QString keys = f.Dialogs.Last_Text();
    for (const char* known : {"Ctrl+Z", "Ctrl+Plus", "F4", "H or Ctrl+H", "Ctrl+Q", "F1"}) {
        QVERIFY2(keys.contains(QLatin1String(known)), known);
    }
    // Every shortcut of the window is in the table.
    const std::set<QString> listed = Listed_Keys();
    QVERIFY(listed.size() > 20);
    // A standard key's first binding stands for it: its others (Alt+Backspace beside Ctrl+Z)
    // depend on the desktop.
    std::set<QString> other_bindings;
    for (int k = QKeySequence::HelpContents; k <= QKeySequence::Cancel; ++k) {
        const QList<QKeySequence> bindings =
            QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(k));
        for (int b = 1; b < bindings.size(); ++b) {
            other_bindings.insert(Table_Name(bindings[b]));
        }
    }
    for (const QAction* action : f.Form1->findChildren<QAction*>()) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (other_bindings.count(Table_Name(shortcut)) != 0 && shortcut != action->shortcut()) {
                continue;
            }
            QVERIFY2(listed.count(Table_Name(shortcut)) == 1,
                     qPrintable(action->text() + QStringLiteral(": ") + Table_Name(shortcut)));
        }
    }

    // About: the name, the version the application gives (2.0 when it gives none), the
    // licence of the LICENSE file.
    f.Form1->About_Action->trigger();
    QString about = f.Dialogs.Last_Text();
    QVERIFY(about.startsWith(QStringLiteral("About Tessel Sudoku\n")));
    QVERIFY(about.contains(QStringLiteral("<b>Tessel Sudoku</b> 2.0")));
    QVERIFY(about.contains(QStringLiteral("MIT licence")));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.7"));
    f.Form1->About_Action->trigger();
    QCoreApplication::setApplicationVersion(QString());
    about = f.Dialogs.Last_Text();
    QVERIFY(about.contains(QStringLiteral("<b>Tessel Sudoku</b> 2.0.7")));
    QVERIFY(f.Form1->More_Menu->actions().contains(f.Form1->About_Action));
}

void Way_Finding_Test::quitAsksBeforeChangesAreLost() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("quit.zd2"), Classic_With_Holes({{0, 0}})));
    f.Form1->Cursor_Keys.Place({0, 0, 0});
    Key(f, Qt::Key_0 + Solved_9x9(0, 0));
    QVERIFY(f.Game.Game_Modified);

    // No: the window stays with the game as it was.
    f.Dialogs.Answers = {false};
    Key(f, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 1);
    QCOMPARE(f.Dialogs.Last_Text(), QString::fromLatin1(Modified_Prompt));
    QVERIFY(f.Form1->isVisible());
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], Solved_9x9(0, 0));
    QVERIFY(f.Game.Game_Modified);

    // Yes through the menu's entry: the window closes.
    f.Dialogs.Answers = {true};
    QVERIFY(f.Form1->More_Menu->actions().contains(f.Form1->Quit_Action));
    f.Form1->Quit_Action->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 2);
    QVERIFY(!f.Form1->isVisible());

    // Unchanged, the game quits without a question.
    Game_Fixture g;
    g.Open(g.Write(QStringLiteral("kept.zd2"), Classic_With_Holes({{0, 0}})));
    Key(g, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(g.Dialogs.Count(QStringLiteral("confirm")), 0);
    QVERIFY(!g.Form1->isVisible());
}

void Way_Finding_Test::progressShowsKindLevelAndAPausingClock() {
    Game_Fixture f;
    Progress_Panel* progress = f.Form1->Progress;
    QVERIFY(progress->text().isEmpty());
    qint64 now = 0;
    progress->Set_Clock([&now] { return now; });

    // A loaded puzzle: its kind at once, the level once graded, the clock from nought.
    f.Open(f.Write(QStringLiteral("clock.zd2"), Classic_With_Holes({{0, 0}, {4, 4}})));
    QVERIFY(progress->text().startsWith(QStringLiteral("Classic 9x9")));
    QTRY_VERIFY(progress->text().contains(QStringLiteral("easy (")));
    QVERIFY(progress->Running());
    now += 65000;
    progress->Tick();
    QCOMPARE(progress->Played_Ms(), qint64(65000));
    QVERIFY(progress->text().endsWith(QStringLiteral("1:05")));

    // A dialog stops the clock; its time is not counted when it closes.
    {
        QDialog dialog(f.Form1.get());
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QTRY_COMPARE(QApplication::activeModalWidget(), &dialog);
        now += 30000;
        progress->Tick();
        QCOMPARE(progress->Played_Ms(), qint64(65000));
        dialog.close();
    }
    QCoreApplication::processEvents();
    now += 1000;
    progress->Tick();
    QCOMPARE(progress->Played_Ms(), qint64(66000));

    // The palette is part of play: the clock goes on while it is open.
    f.Hover(0, 4, 4);
    f.Click_Picture(0, QPoint(4 * 30 + 15, 4 * 30 + 15), [&](Selection_Palette* palette) {
        now += 2000;
        progress->Tick();
        palette->reject();
    });
    QVERIFY(f.Palette_Seen != nullptr);
    QCOMPARE(progress->Played_Ms(), qint64(68000));

    // Minimised, the clock stops.
    f.Form1->showMinimized();
    QCoreApplication::processEvents();
    now += 50000;
    progress->Tick();
    QCOMPARE(progress->Played_Ms(), qint64(68000));
    f.Form1->showNormal();
    QCoreApplication::processEvents();
    now += 1000;
    progress->Tick();
    QCOMPARE(progress->Played_Ms(), qint64(69000));

    // Solved: the time taken, and no more counted.
    f.Form1->Cursor_Keys.Place({0, 0, 0});
    Key(f, Qt::Key_0 + Solved_9x9(0, 0));
    f.Form1->Cursor_Keys.Place({0, 4, 4});
    Key(f, Qt::Key_0 + Solved_9x9(4, 4));
    QVERIFY(!progress->Running());
    QVERIFY(progress->text().endsWith(QStringLiteral("solved in 1:09")));
    now += 10000;
    progress->Tick();
    QCOMPARE(progress->Played_Ms(), qint64(69000));

    // A puzzle made here: its kind and the level it was made at; the clock starts again.
    New_Puzzle_Choice letters;
    letters.Kind = QStringLiteral("symbols");
    letters.Level = Puzzle_Level::Easy;
    letters.Seed = 5;
    f.Dialogs.New_Puzzles = {letters};
    f.Dialogs.Answers = {true};
    QVERIFY(f.Form1->New_Puzzle());
    QVERIFY2(progress->text().startsWith(QStringLiteral("Letters A to I")),
             qPrintable(progress->text()));
    QVERIFY(progress->text().contains(QStringLiteral("easy")));
    QCOMPARE(progress->Played_Ms(), qint64(0));
    QVERIFY(progress->Running());
}

void Way_Finding_Test::hintThinksOnTheWorkerAndAChangeCancelsIt() {
    // Declared before the window so that they outlive its workers.
    std::atomic<bool> release{false};
    std::atomic<int> searches{0};
    std::atomic<int> cancelled{0};
    Game_Fixture f;
    Hint_Presenter* hints = f.Form1->Hints;
    hints->Frame_Budget_Ms = 0;
    hints->Finder = [&](const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape,
                        const std::atomic<bool>* cancel) {
        ++searches;
        while (!release.load() && !cancel->load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (cancel->load()) {
            ++cancelled;
        }
        return Find_Hint(puzzle, std::move(shape), cancel);
    };
    f.Open(f.Write(QStringLiteral("think.zd2"), Classic_With_Holes({{0, 0}, {4, 4}, {8, 8}})));

    // The bar says it is thinking; H again starts no second search.
    Key(f, Qt::Key_H);
    QVERIFY(hints->Thinking());
    QVERIFY(!f.Form1->Hint_Shown());
    QVERIFY(hints->Hint_Tool_Bar->isVisible());
    QCOMPARE(f.Form1->HintBar1->Text_Label->text(), QStringLiteral("Thinking..."));
    QTRY_COMPARE(searches.load(), 1); // the worker has started
    Key(f, Qt::Key_H);
    QTest::qWait(50);
    QCOMPARE(searches.load(), 1);
    // Once the worker is done, the hint takes the bar's place.
    release = true;
    QTRY_VERIFY(f.Form1->Hint_Shown());
    QVERIFY(!hints->Thinking());
    QVERIFY(f.Form1->Current_Hint()->Kind == Hint_Kind::Next_Number);
    QVERIFY(f.Form1->HintBar1->Text_Label->text() != QStringLiteral("Thinking..."));
    Key(f, Qt::Key_Escape);
    QVERIFY(!f.Form1->Hint_Shown());

    // A change while it thinks cancels the search; its hint never shows.
    release = false;
    Key(f, Qt::Key_H);
    QVERIFY(hints->Thinking());
    f.Form1->Cursor_Keys.Place({0, 4, 4});
    Key(f, Qt::Key_0 + Solved_9x9(4, 4));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[4][4], Solved_9x9(4, 4));
    QVERIFY(!hints->Thinking());
    QVERIFY(!hints->Hint_Tool_Bar->isVisible());
    QTRY_COMPARE(cancelled.load(), 1);
    QTest::qWait(100);
    QVERIFY(!f.Form1->Hint_Shown());
    QVERIFY(!hints->Hint_Tool_Bar->isVisible());
    QCOMPARE(searches.load(), 2);

    // The next hint speaks of the position after the change.
    release = true;
    Key(f, Qt::Key_H);
    QTRY_VERIFY(f.Form1->Hint_Shown());
    const Hint* hint = f.Form1->Current_Hint();
    QVERIFY(hint->Kind == Hint_Kind::Next_Number);
    QVERIFY(!hint->Placement.empty());
    const Number_Place& place = hint->Placement.front();
    QVERIFY((place.Col == 0 && place.Row == 0) || (place.Col == 8 && place.Row == 8));
}

QTEST_MAIN(Way_Finding_Test)
#include "Way_Finding_Test.moc"
