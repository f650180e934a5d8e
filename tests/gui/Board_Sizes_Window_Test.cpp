// The boards of 4 to 16 numbers in the window: each kind's picture with labels and help on
// against its golden copy, its palette in the style of the first two, a game finished by
// palette and by keys (letters above 9), and texts pasted with tall blocks.
//
// The golden pictures are tests/data/boards/KIND.png. After a deliberate change of the
// drawing, TESSEL_WRITE_GOLDEN=1 writes them afresh from this test; look at them before they
// are committed.

#include <QClipboard>
#include <QtTest>
#include <cmath>

#include "Game_Fixture.h"
#include "model/Board_Kinds.h"
#include "model/Number_Text.h"
#include "widgets/Boards_Layout.h"

namespace {

struct Kind_Case {
    const char* Name;
    Integer Type;
    Flag Wide;
    int N, W, H;
};
const Kind_Case Kinds[] = {{"4x4", 4, 0, 4, 2, 2},          {"8x8-wide", 8, 1, 8, 4, 2},
                           {"8x8-tall", 8, 0, 8, 2, 4},     {"12x12-wide", 12, 1, 12, 4, 3},
                           {"12x12-tall", 12, 0, 12, 3, 4}, {"16x16", 16, 0, 16, 4, 4}};

int Solved(const Kind_Case& k, int c, int r) {
    return (r % k.H * k.W + r / k.H + c) % k.N + 1;
}

// The solved board with the cells where given(c, r) fails left empty; givens locked.
Puzzle_State Board_Of(const Kind_Case& k, const std::function<bool(int, int)>& given) {
    Puzzle_State s;
    Add_Board_Model(s, k.Type, k.N, k.N, k.N, k.Wide);
    Finish_Puzzle(s);
    for (int c = 0; c < k.N; ++c) {
        for (int r = 0; r < k.N; ++r) {
            const bool g = given(c, r);
            s.Sudoku_Boards[0].Cell_Values[c][r] = g ? Solved(k, c, r) : 0;
            s.Sudoku_Boards[0].Cell_Locked[c][r] = g ? 1 : 0;
        }
    }
    return s;
}

void Key(Game_Fixture& f, int key) {
    QTest::keyClick(f.Form1->Frame_Boards_Layout_Page, static_cast<Qt::Key>(key));
    QCoreApplication::processEvents();
}

} // namespace

class Board_Sizes_Window_Test : public QObject {
    Q_OBJECT
  private slots:
    void everyKindDrawnAndPlayedByPaletteAndKeys();
    void pastedTextsTakeTheBlocksAsked();
};

void Board_Sizes_Window_Test::everyKindDrawnAndPlayedByPaletteAndKeys() {
    for (const Kind_Case& k : Kinds) {
        Game_Fixture f;
        f.Form1->resize(900, 800); // every cell of the largest board within the pointer's reach
        QCOMPARE(f.Form1->findChildren<Selection_Palette*>().size(), 6);

        // The picture: a third given, one number entered, a shaded cell, labels and help on.
        Puzzle_State p = Board_Of(k, [](int c, int r) { return (c + 2 * r) % 3 == 0; });
        p.Sudoku_Boards[0].Cell_Values[1][0] = Solved(k, 1, 0);
        p.Sudoku_Boards[0].Cell_Shaded[2][2] = 1;
        f.Open(f.Write(QStringLiteral("golden.zd2"), p));
        f.Form1->ShowLabels1Click();
        f.Form1->HelpmeSolveit1Click();
        const QImage shown = f.Picture(0)->Picture().convertToFormat(QImage::Format_RGB32);
        const QString path =
            QStringLiteral(TESSEL_TEST_DATA "/boards/%1.png").arg(QLatin1String(k.Name));
        if (qEnvironmentVariableIsSet("TESSEL_WRITE_GOLDEN")) {
            QVERIFY(shown.save(path));
        }
        QCOMPARE(shown.size(), QSize(k.N * Cell_Size, k.N * Cell_Size));
        QVERIFY2(shown == QImage(path).convertToFormat(QImage::Format_RGB32), k.Name);

        // The palette: buttons as near a square as the numbers go, "Clear" below them.
        Selection_Palette* palette = f.Form1->Palette_For(k.Type);
        QVERIFY(palette != nullptr && palette->Served_Board_Type() == k.Type);
        QCOMPARE(palette->windowTitle(), QStringLiteral("Selections"));
        const int columns = static_cast<int>(std::ceil(std::sqrt(k.N)));
        const int rows = (k.N + columns - 1) / columns;
        QCOMPARE(static_cast<int>(palette->Number_Buttons.size()), k.N);
        const Speed_Button* highest = palette->Number_Buttons.back();
        QCOMPARE(highest->text(), QString::fromStdString(Number_Text(k.N)));
        QCOMPARE(highest->geometry().topLeft(),
                 QPoint(8 + (k.N - 1) % columns * 24, 8 + (k.N - 1) / columns * 24));
        QCOMPARE(palette->SpeedButton10->geometry(), QRect(8, 8 + rows * 24, columns * 24 + 1, 22));

        // The last row's last two cells: one by the palette, one by its key (a letter in
        // lower case above 9; a letter beyond the board's numbers does nothing).
        const int last = k.N - 1;
        f.Dialogs.Answers = {true}; // help changed the game: yes, throw it away
        f.Open(f.Write(QStringLiteral("play.zd2"),
                       Board_Of(k, [last](int c, int r) { return r < last || c < last - 1; })));
        f.Enter(0, last, last, Solved(k, last, last));
        QVERIFY2(f.Palette_Seen == palette, k.Name);
        f.Form1->Cursor_Keys.Place({0, last - 1, last});
        Key(f, Qt::Key_Z);
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[last - 1][last], 0);
        const int n = Solved(k, last - 1, last);
        Key(f, n <= 9 ? Qt::Key_0 + n : Qt::Key_A + n - 10);
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[last - 1][last], n);
        QCOMPARE(f.Dialogs.Last_Text(),
                 QStringLiteral("All Sudoku Boards Successfully Completed."));
    }
    // A letter is no number on a 9x9 board.
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("classic.zd2"), Classic_With_Holes({{0, 0}})));
    f.Form1->Cursor_Keys.Place({0, 0, 0});
    Key(f, Qt::Key_A);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
}

// A 12x12 on one line pasted with and without tall blocks.
void Board_Sizes_Window_Test::pastedTextsTakeTheBlocksAsked() {
    Game_Fixture f;
    QString line(144, QLatin1Char('.'));
    line[13] = QLatin1Char('b');
    QGuiApplication::clipboard()->setText(line);
    f.Form1->Exchange->Paste_Tall_Action->trigger();
    QCOMPARE(Kind_Name(f.Game.Sudoku_Boards.at(0)), std::string("12x12-tall"));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[1][1], 11);
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(Kind_Name(f.Game.Sudoku_Boards.at(0)), std::string("12x12-wide"));
}

QTEST_MAIN(Board_Sizes_Window_Test)
#include "Board_Sizes_Window_Test.moc"
