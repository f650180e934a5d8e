// The player's marks in the window: the one key table on a digit board, a board of letters and
// a board of other symbols; notes by keys, by note mode and by the notes window, saved and
// opened again; clashes marked at once and gone with their undo; a number highlighted. The
// marks are drawn above the pictures and never into them.

#include <QAction>
#include <QToolButton>
#include <QtTest>

#include "Game_Fixture.h"
#include "app/Play_Marks.h"
#include "io/Puzzle_File.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Notes_Window.h"
#include "widgets/Page_Overlay.h"

class Marks_Window_Test : public QObject {
    Q_OBJECT
  private slots:
    void keyTableOnEveryKindOfBoard();
    void notesByKeysModeAndWindowSavedAndUndone();
    void clashesMarkedAtOnceAndGoneWithTheirUndo();
    void numberHighlightedOnEveryBoard();
};

namespace {

void Key(Game_Fixture& f, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(f.Form1->Frame_Boards_Layout_Page, static_cast<Qt::Key>(key), modifiers);
    QCoreApplication::processEvents();
}

void Type(Game_Fixture& f, char c) {
    QTest::keyClick(f.Form1->Frame_Boards_Layout_Page, c);
    QCoreApplication::processEvents();
}

Page_Overlay* Overlay(Game_Fixture& f) {
    return f.Form1->Frame_Boards_Layout_Page->Overlay();
}

// An empty 9x9 board whose numbers are the given symbols.
Puzzle_State Symbol_Board(const std::vector<Byte>& symbols) {
    Puzzle_State s = Classic_With_Holes({});
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
    for (auto& column : b.Cell_Values) {
        std::fill(column.begin(), column.end(), 0);
    }
    for (auto& column : b.Cell_Locked) {
        std::fill(column.begin(), column.end(), 0);
    }
    b.Use_Symbols = 1;
    b.Symbols = symbols;
    return s;
}

} // namespace

void Marks_Window_Test::keyTableOnEveryKindOfBoard() {
    struct Row {
        const char* Name;
        std::vector<Byte> Symbols; // empty: digits
        char Key;
        int Entered; // the number the key enters, or 0 when it is a command
    };
    const std::vector<Byte> letters = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};
    const std::vector<Byte> others = {'*', '+', '#', '@', '%', 'x', 'y', 'z', '='};
    const Row rows[] = {
        {"digits: 5 enters", {}, '5', 5},
        {"digits: H is the hint", {}, 'h', 0},
        {"letters: H enters 8", letters, 'h', 8},
        {"letters: N is no number there, so note mode", letters, 'n', 0},
        {"letters: digits enter too", letters, '3', 3},
        {"symbols: x enters 6", others, 'X', 6},
        {"symbols: H is the hint", others, 'H', 0},
    };
    for (const Row& row : rows) {
        Game_Fixture f;
        Puzzle_State board =
            row.Symbols.empty() ? Classic_With_Holes({{4, 4}}) : Symbol_Board(row.Symbols);
        f.Open(f.Write(QStringLiteral("keys.zd2"), board));
        f.Form1->Cursor_Keys.Place({0, 4, 4});
        const bool hinted_before = f.Form1->Hint_Shown();
        const bool mode_before = f.Form1->Marks->Note_Mode();
        Type(f, row.Key);
        QVERIFY2(!hinted_before, row.Name);
        if (row.Entered > 0) {
            QVERIFY2(f.Game.Sudoku_Boards[0].Cell_Values[4][4] == row.Entered, row.Name);
            QVERIFY2(!f.Form1->Hint_Shown() && !f.Form1->Marks->Note_Mode(), row.Name);
        } else {
            QVERIFY2(f.Game.Sudoku_Boards[0].Cell_Values[4][4] == 0, row.Name);
            const bool hint = std::toupper(row.Key) == 'H';
            QVERIFY2(f.Form1->Hint_Shown() == hint, row.Name);
            QVERIFY2(f.Form1->Marks->Note_Mode() == (!hint && !mode_before), row.Name);
        }
        // The commands' Ctrl forms never clash: Ctrl+H is the hint on every board.
        f.Form1->Hint_Action->trigger();
        QVERIFY2(f.Form1->Hint_Shown() || f.Game.Sudoku_Boards[0].Cell_Values[4][4] != 0, row.Name);
        f.Game.Game_Modified = false;
    }
}

void Marks_Window_Test::notesByKeysModeAndWindowSavedAndUndone() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("notes.zd2"), Empty_Samurai()));
    const QImage picture = f.Picture(0)->Picture();
    f.Form1->Cursor_Keys.Place({0, 7, 8}); // the centre board's (1, 2) too

    // Ctrl+digit notes; note mode makes plain digits note; N switches it back.
    Key(f, Qt::Key_4, Qt::ControlModifier);
    QCOMPARE(f.Form1->Session_Of_Game().Notes(2, 1, 2), Note_Set{0x08});
    Key(f, Qt::Key_N);
    QVERIFY(f.Form1->Marks->Note_Mode());
    QVERIFY(f.Form1->Note_Mode_Action->isChecked());
    QVERIFY(Overlay(f)->Note_Mode());
    Key(f, Qt::Key_6);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[7][8], 0);
    QCOMPARE(f.Form1->Session_Of_Game().Notes(0, 7, 8), Note_Set{0x28});
    Key(f, Qt::Key_N);
    QVERIFY(!f.Form1->Marks->Note_Mode());
    QVERIFY(f.Game.Game_Modified);

    // Drawn on the overlay, on both boards that show the cell, never into the pictures.
    QCOMPARE(f.Picture(0)->Picture(), picture);
    int shown = 0;
    for (const Page_Overlay::Cell_Notes& n : Overlay(f)->Notes()) {
        shown += n.Notes == 0x28 ? 1 : 0;
    }
    QCOMPARE(shown, 2);

    // The notes window with the mouse: it opens at the cursor, a click on a cell takes it
    // there instead of opening the palette, and its buttons toggle notes.
    f.Form1->Notes_Window_Action->trigger();
    Notes_Window* window = f.Form1->Marks->Window_Of_Notes();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(window->Number_Buttons[3]->isChecked() && window->Number_Buttons[5]->isChecked());
    QVERIFY(!window->Number_Buttons[0]->isChecked());
    f.Hover(1, 2, 2);
    QTest::mouseClick(f.Picture(1), Qt::LeftButton, {}, QPoint(2 * 30 + 15, 2 * 30 + 15));
    QCoreApplication::processEvents();
    QCOMPARE(f.Form1->Cursor, (Board_Cursor{1, 2, 2}));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    window->Number_Buttons[8]->click();
    QCOMPARE(f.Form1->Session_Of_Game().Notes(1, 2, 2), Note_Set{0x100});
    window->Fill_Button->click();
    QCOMPARE(f.Form1->Session_Of_Game().Notes(1, 2, 2), Note_Set{0x1FF});
    window->close();

    // Undone one by one, brought back, saved and opened again.
    QVERIFY(f.Form1->Session_Of_Game().Undo());
    QCOMPARE(f.Form1->Session_Of_Game().Notes(1, 2, 2), Note_Set{0x100});
    QVERIFY(f.Form1->Session_Of_Game().Redo());
    const QString path = f.Write(QStringLiteral("saved-notes.zd2"), Puzzle_State{});
    QVERIFY(f.Form1->Save_Puzzle_To(path));
    QVERIFY(!f.Game.Game_Modified);
    f.Open(path);
    QCOMPARE(f.Form1->Session_Of_Game().Notes(2, 1, 2), Note_Set{0x28});
    QCOMPARE(f.Form1->Session_Of_Game().Notes(1, 2, 2), Note_Set{0x1FF});

    // An entry takes its number out of the notes that see it, in the same step.
    f.Form1->Cursor_Keys.Place({2, 1, 3}); // below the noted centre cell
    Key(f, Qt::Key_6);
    QCOMPARE(f.Form1->Session_Of_Game().Notes(2, 1, 2), Note_Set{0x08});
    f.Form1->ToolButton4->click();
    QCOMPARE(f.Form1->Session_Of_Game().Notes(2, 1, 2), Note_Set{0x28});
    f.Game.Game_Modified = false;
}

void Marks_Window_Test::clashesMarkedAtOnceAndGoneWithTheirUndo() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("clash.zd2"), Classic_With_Holes({{0, 0}, {5, 0}})));
    const QImage picture = f.Picture(0)->Picture();
    const int wrong = f.Game.Sudoku_Boards[0].Cell_Values[8][0];
    f.Form1->Cursor_Keys.Place({0, 0, 0});
    Key(f, Qt::Key_0 + wrong);
    std::vector<std::array<int, 2>> marked;
    for (const Page_Overlay::Cell& c : Overlay(f)->Conflicts()) {
        marked.push_back({c.Col, c.Row});
    }
    std::sort(marked.begin(), marked.end());
    // The entry clashes with the same number in its row (and maybe its column and block).
    QVERIFY(marked.size() >= 2);
    QVERIFY(std::find(marked.begin(), marked.end(), std::array<int, 2>{0, 0}) != marked.end());
    QVERIFY(std::find(marked.begin(), marked.end(), std::array<int, 2>{8, 0}) != marked.end());
    // Switched off, no marks; the pictures are the same all along.
    f.Form1->Conflicts_Action->trigger();
    QVERIFY(Overlay(f)->Conflicts().empty());
    f.Form1->Conflicts_Action->trigger();
    QVERIFY(!Overlay(f)->Conflicts().empty());
    f.Form1->ToolButton4->click();
    QVERIFY(Overlay(f)->Conflicts().empty());
    QVERIFY(f.Picture(0)->Picture() == picture);
    f.Game.Game_Modified = false;
}

void Marks_Window_Test::numberHighlightedOnEveryBoard() {
    Game_Fixture f;
    f.Open(QStringLiteral(TESSEL_PUZZLE_DIR "/samurai.zd2"));
    int fives = 0;
    for (const Sudoku_Boards_FrameWork& b : f.Game.Sudoku_Boards) {
        for (const auto& column : b.Cell_Values) {
            fives += static_cast<int>(std::count(column.begin(), column.end(), 5));
        }
    }
    QVERIFY(fives > 0);
    f.Form1->Cursor_Keys.Hide();
    Key(f, Qt::Key_5, Qt::AltModifier);
    QCOMPARE(f.Form1->Marks->Highlighted(), 5);
    QCOMPARE(static_cast<int>(Overlay(f)->Number_Highlight().size()), fives);
    // A note of 5 lights up its cell too; Escape ends the highlight.
    f.Form1->Cursor_Keys.Place({0, 0, 0});
    Board_Cursor empty{-1, 0, 0};
    for (int c = 0; c < 9 && empty.Board < 0; ++c) {
        for (int r = 0; r < 9 && empty.Board < 0; ++r) {
            if (f.Game.Sudoku_Boards[1].Cell_Values[c][r] == 0) {
                empty = {1, c, r};
            }
        }
    }
    QVERIFY(f.Form1->Session_Of_Game().Toggle_Note(empty.Board, empty.Col, empty.Row, 5));
    QCOMPARE(static_cast<int>(Overlay(f)->Number_Highlight().size()), fives + 1);
    Key(f, Qt::Key_Escape);
    QCOMPARE(f.Form1->Marks->Highlighted(), 0);
    f.Game.Game_Modified = false;
}

QTEST_MAIN(Marks_Window_Test)
#include "Marks_Window_Test.moc"
