// Playing in the window beyond the mouse and the palette: undo and redo from the tool bar and
// the keyboard, the cell cursor and keyboard entry, the palette opened and chosen from the
// keyboard. The overlay is drawn above the board pictures and never into them.

#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <map>

#include "Game_Fixture.h"
#include "io/Puzzle_File.h"
#include "logic/Generator.h"
#include "logic/Technique.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Hint_Bar.h"
#include "widgets/Original_9x9.h"
#include "widgets/Page_Overlay.h"

class Play_Window_Test : public QObject {
    Q_OBJECT
  private slots:
    void undoAndRedoButtonsBesideTheThree();
    void undoNamesItsStepsAndGivesThePictureBack();
    void keyboardEntersAtTheCursor();
    void paletteFromTheKeyboard();
    void newPuzzleThroughThePrompt();
    void newPuzzleCancelled();
    void newPuzzleDialogPicturesByKind();
    void hintShownThenApplied();
    void clearingWrongEntriesIsOneStep();
};

namespace {

void Key(Game_Fixture& f, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(f.Form1->Frame_Boards_Layout_Page, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

Page_Overlay* Overlay(Game_Fixture& f) {
    return f.Form1->Frame_Boards_Layout_Page->Overlay();
}

} // namespace

void Play_Window_Test::undoAndRedoButtonsBesideTheThree() {
    Game_Fixture f;
    QToolButton* undo = f.Form1->ToolButton4;
    QToolButton* redo = f.Form1->ToolButton5;
    QVERIFY(undo != nullptr && redo != nullptr);
    // After the three buttons of the game, behind a separator, in the same drawn style.
    const QList<QAction*> items = f.Form1->ToolBar1->actions();
    QVERIFY(items.size() >= 6);
    QVERIFY(items[3]->isSeparator());
    QCOMPARE(f.Form1->ToolBar1->widgetForAction(items[4]), undo);
    QCOMPARE(f.Form1->ToolBar1->widgetForAction(items[5]), redo);
    QCOMPARE(undo->iconSize(), QSize(32, 32));
    QCOMPARE(undo->height(), f.Form1->ToolButton1->height());
    QVERIFY(undo->autoRaise());
    QVERIFY(!f.Form1->Undo_Action->isEnabled());
    QVERIFY(!f.Form1->Redo_Action->isEnabled());
    QVERIFY(f.Form1->Undo_Action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    QVERIFY(f.Form1->Redo_Action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    QVERIFY(
        f.Form1->Redo_Action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    QVERIFY(undo->toolTip().startsWith(QStringLiteral("Undo")));
}

// The soak test plays undo and redo against a shadow on every command; here the tooltips
// that name the step and the picture given back.
void Play_Window_Test::undoNamesItsStepsAndGivesThePictureBack() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("play.zd2"), Classic_With_Holes({{0, 0}, {4, 4}})));
    const QImage start = f.Picture(0)->Picture();
    f.Enter(0, 0, 0, Solved_9x9(0, 0));
    QCOMPARE(f.Form1->Undo_Action->toolTip(),
             QStringLiteral("Undo Enter %1 (Ctrl+Z)").arg(Solved_9x9(0, 0)));
    f.Game.Game_Modified = false;
    f.Form1->ToolButton4->click();
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(f.Picture(0)->Picture(), start);
    QCOMPARE(f.Form1->Redo_Action->toolTip(),
             QStringLiteral("Redo Enter %1 (Ctrl+Y)").arg(Solved_9x9(0, 0)));
    f.Enter(0, 4, 4, Solved_9x9(4, 4));
    f.Dialogs.Answers.push_back(true);
    f.Form1->ToolButton3Click();
    QCOMPARE(f.Form1->Undo_Action->toolTip(), QStringLiteral("Undo Restart (Ctrl+Z)"));
}

void Play_Window_Test::keyboardEntersAtTheCursor() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("keys.zd2"), Classic_With_Holes({{0, 0}, {1, 0}, {2, 0}})));
    const QImage start = f.Picture(0)->Picture();
    QVERIFY(!Overlay(f)->Cursor_Shown());
    Key(f, Qt::Key_Right); // the first key shows the cursor on the first cell
    QVERIFY(Overlay(f)->Cursor_Shown());
    QCOMPARE(f.Form1->Cursor, (Board_Cursor{0, 0, 0}));
    QCOMPARE(f.Picture(0)->Picture(), start); // drawn above the picture, not into it

    Key(f, Qt::Key_0 + Solved_9x9(0, 0));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], Solved_9x9(0, 0));
    Key(f, Qt::Key_Delete);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
    Key(f, Qt::Key_0 + Solved_9x9(0, 0));

    // A locked cell refuses; the cursor moves on over it.
    Key(f, Qt::Key_Down);
    QCOMPARE(f.Form1->Cursor, (Board_Cursor{0, 0, 1}));
    const int locked = f.Game.Sudoku_Boards[0].Cell_Values[0][1];
    Key(f, Qt::Key_Backspace);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][1], locked);

    // Ctrl+Home goes back to the first cell.
    Key(f, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(f.Form1->Cursor, (Board_Cursor{0, 0, 0}));

    // A click on a cell puts the cursor there too.
    f.Hover(0, 5, 6);
    f.Click_Picture(0, QPoint(5 * 30 + 15, 6 * 30 + 15), [](Selection_Palette* p) { p->close(); });
    QCOMPARE(f.Form1->Cursor, (Board_Cursor{0, 5, 6}));
}

void Play_Window_Test::paletteFromTheKeyboard() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("palette.zd2"), Classic_With_Holes({{3, 3}, {8, 8}})));
    // The pointer rests on another cell: the palette opened from the keyboard enters at the
    // cursor, not under the pointer.
    f.Hover(0, 8, 8);
    f.Form1->Cursor_Keys.Place({0, 3, 3});
    Selection_Palette* seen = nullptr;
    QTimer::singleShot(0, [&seen] {
        seen = qobject_cast<Selection_Palette*>(QApplication::activeModalWidget());
        if (seen != nullptr) {
            QTest::keyClick(seen, static_cast<Qt::Key>(Qt::Key_0 + Solved_9x9(3, 3)));
        }
    });
    Key(f, Qt::Key_Return);
    QVERIFY(seen == f.Form1->ZD_Board_Original_9x9);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[3][3], Solved_9x9(3, 3));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[8][8], 0);

    // Escape closes it as its close box does.
    seen = nullptr;
    QTimer::singleShot(0, [&seen] {
        seen = qobject_cast<Selection_Palette*>(QApplication::activeModalWidget());
        if (seen != nullptr) {
            QTest::keyClick(seen, Qt::Key_Escape);
        }
    });
    f.Game.Game_Modified = false;
    Key(f, Qt::Key_Space);
    QVERIFY(seen != nullptr);
    QVERIFY(!seen->isVisible());
    QVERIFY(!f.Game.Game_Modified);
}

void Play_Window_Test::newPuzzleThroughThePrompt() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("old.zd2"), Classic_With_Holes({{0, 0}})));
    f.Enter(0, 0, 0, 0); // changed: the prompt guards the old game
    QVERIFY(f.Game.Game_Modified);

    // No to the prompt: no dialog, nothing changes.
    f.Dialogs.Answers = {false};
    QVERIFY(!f.Form1->New_Puzzle());
    QVERIFY(f.Dialogs.New_Puzzle_Offers.empty());
    QVERIFY(f.Game.Game_Modified);

    // The dialog opens on classic and medium the first time, on the last choice afterwards.
    New_Puzzle_Choice samurai;
    samurai.Kind = QStringLiteral("samurai");
    samurai.Level = Puzzle_Level::Easy;
    samurai.Seed = 7;
    f.Dialogs.Answers = {true};
    f.Dialogs.New_Puzzles = {samurai};
    QVERIFY(f.Form1->New_Puzzle());
    QCOMPARE(f.Dialogs.New_Puzzle_Offers.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.New_Puzzle_Offers[0].Kind, QStringLiteral("classic"));
    QVERIFY(f.Dialogs.New_Puzzle_Offers[0].Level == Puzzle_Level::Medium);
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(5));
    QVERIFY(!f.Game.Game_Modified);
    QVERIFY(!f.Form1->Undo_Action->isEnabled());
    QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 5"));
    for (int b = 0; b < 5; ++b) {
        QVERIFY(f.Picture(b) != nullptr);
    }
    // The same kind, seed and level as the tool's: the same puzzle.
    const Generate_Result same = Generate_Puzzle("samurai", 7, Puzzle_Level::Easy);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Write_Puzzle_Bytes(same.Puzzle));

    f.Dialogs.New_Puzzles.clear();
    QVERIFY(!f.Form1->New_Puzzle()); // the dialog cancelled
    QCOMPARE(f.Dialogs.New_Puzzle_Offers.back().Kind, QStringLiteral("samurai"));
    QVERIFY(f.Dialogs.New_Puzzle_Offers.back().Level == Puzzle_Level::Easy);
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(5));
}

void Play_Window_Test::newPuzzleCancelled() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("kept.zd2"), Classic_With_Holes({{0, 0}, {5, 5}})));
    const std::vector<Byte> kept = Write_Puzzle_Bytes(f.Game);
    New_Puzzle_Choice hard;
    hard.Kind = QStringLiteral("windmill");
    hard.Level = Puzzle_Level::Extreme;
    hard.Seed = 3;
    f.Dialogs.New_Puzzles = {hard};
    // Cancel as soon as the progress window is up; the window keeps handling events meanwhile.
    bool cancelled = false;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        auto* progress =
            f.Form1->findChild<QProgressDialog*>(QStringLiteral("New_Puzzle_Progress"));
        if (progress != nullptr && !cancelled) {
            auto* button = progress->findChild<QPushButton*>();
            if (button != nullptr) {
                cancelled = true;
                button->click();
            }
        }
    });
    cancel.start(5);
    QVERIFY(!f.Form1->New_Puzzle());
    cancel.stop();
    QVERIFY(cancelled);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), kept);
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(0));
}

// The dialog's picture of a kind: the letters board shows its letters over the classic
// board's lines, so the two kinds can be told apart; every kind has a picture of its own.
void Play_Window_Test::newPuzzleDialogPicturesByKind() {
    New_Puzzle_Choice start;
    start.Kind = QStringLiteral("symbols");
    New_Puzzle_Dialog dialog(nullptr, start);
    QCOMPARE(dialog.Choice().Kind, QStringLiteral("symbols"));
    std::map<QString, QImage> pictures;
    for (int i = 0; i < dialog.Kind_List->count(); ++i) {
        const QListWidgetItem* item = dialog.Kind_List->item(i);
        pictures[item->data(Qt::UserRole).toString()] =
            item->icon().pixmap(QSize(72, 72)).toImage().convertToFormat(QImage::Format_RGB32);
    }
    const QImage& classic = pictures.at(QStringLiteral("classic"));
    const QImage& letters = pictures.at(QStringLiteral("symbols"));
    QCOMPARE(letters.size(), classic.size());
    // The letters are dark marks inside the board's white square (from 2 to 70 in a picture
    // of 72: two pixels of teal on each side); the lines and the page stay as they are.
    int marked = 0;
    for (int y = 0; y < letters.height(); ++y) {
        for (int x = 0; x < letters.width(); ++x) {
            const QRgb a = classic.pixel(x, y);
            const QRgb b = letters.pixel(x, y);
            if (a == b) {
                continue;
            }
            ++marked;
            QVERIFY2(x > 2 && x < 70 && y > 2 && y < 70,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            QVERIFY(qGray(b) < qGray(a));
        }
    }
    QVERIFY2(marked > 60, qPrintable(QString::number(marked)));
    // The letters kind looks like no other kind.
    for (const auto& [kind, picture] : pictures) {
        QVERIFY2(kind == QStringLiteral("symbols") || picture != letters, qPrintable(kind));
    }
}

void Play_Window_Test::hintShownThenApplied() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("hint.zd2"), Classic_With_Holes({{0, 0}, {4, 4}})));
    const Puzzle_Data before = f.Game;
    Key(f, Qt::Key_H);
    QVERIFY(f.Form1->Hint_Shown());
    QVERIFY(f.Form1->Hints->Hint_Tool_Bar->isVisible());
    QVERIFY(static_cast<const Puzzle_Data&>(f.Game) == before); // showing changes nothing
    const Hint* hint = f.Form1->Current_Hint();
    QVERIFY(hint != nullptr && hint->Kind == Hint_Kind::Next_Number);
    // The bar shows the technique's name and the sentence of the step that places the
    // number, without saying the name twice.
    const QString name = QString::fromLatin1(Technique_Name(hint->Steps.back().Kind));
    QCOMPARE(f.Form1->HintBar1->Technique_Label->text(), name);
    const QString sentence = QString::fromStdString(hint->Steps.back().Text);
    QVERIFY(sentence.startsWith(name + QStringLiteral(": ")));
    QVERIFY(f.Form1->HintBar1->Text_Label->text().endsWith(sentence.mid(name.size() + 3)));
    QVERIFY(!f.Form1->HintBar1->Text_Label->text().contains(name + QStringLiteral(": ")));
    QVERIFY(f.Form1->HintBar1->Apply_Button->isVisible());
    // The target cell is marked above the board, not drawn into it.
    const Number_Place target = hint->Placement.front();
    bool marked = false;
    for (const Page_Overlay::Highlight& h : Overlay(f)->Highlights()) {
        marked = marked || (h.How == Page_Overlay::Mark::Target && h.Board == target.Board &&
                            h.Col == target.Col && h.Row == target.Row);
    }
    QVERIFY(marked);

    // The bar's Apply enters the solution's number; the marks go with the bar.
    f.Form1->HintBar1->Apply_Button->click();
    QVERIFY(!f.Form1->Hint_Shown());
    QVERIFY(Overlay(f)->Highlights().empty());
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[target.Col][target.Row], target.Number);
    QCOMPARE(target.Number, Solved_9x9(target.Col, target.Row));
}

// The hint that names wrong entries clears them all as one step: one undo brings every one
// of them back.
void Play_Window_Test::clearingWrongEntriesIsOneStep() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("wrong.zd2"), Classic_With_Holes({{0, 0}, {4, 4}, {8, 8}})));
    const int wrong_1 = Solved_9x9(0, 0) % 9 + 1;
    const int wrong_2 = Solved_9x9(4, 4) % 9 + 1;
    f.Enter(0, 0, 0, wrong_1);
    f.Enter(0, 4, 4, wrong_2);
    const Puzzle_Data entered = f.Game;
    QCOMPARE(f.Form1->Session_Of_Game().Undo_History().size(), std::size_t(2));
    Key(f, Qt::Key_H);
    QVERIFY(f.Form1->Hint_Shown());
    QVERIFY(f.Form1->Current_Hint()->Kind == Hint_Kind::Wrong_Entries);
    QCOMPARE(f.Form1->HintBar1->Apply_Button->text(), QStringLiteral("Clear"));
    int marked = 0;
    for (const Page_Overlay::Highlight& h : Overlay(f)->Highlights()) {
        marked += h.How == Page_Overlay::Mark::Wrong ? 1 : 0;
    }
    QCOMPARE(marked, 2);
    Key(f, Qt::Key_H);
    QVERIFY(!f.Form1->Hint_Shown());
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[4][4], 0);
    QCOMPARE(f.Form1->Session_Of_Game().Undo_History().size(), std::size_t(3));
    Key(f, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(static_cast<const Puzzle_Data&>(f.Game) == entered);
}

QTEST_MAIN(Play_Window_Test)
#include "Play_Window_Test.moc"
