// The boards of 4 to 16 numbers in the window: each kind's picture with labels and help on
// against its golden copy, each Board_Type's palette in the style of the first two, a game
// finished by palette and by keys (letters for numbers above 9), and the candidate labels of
// the largest boards each in its own place of the cell.
//
// The golden pictures are tests/data/boards/KIND.png. After a deliberate change of the
// drawing, TESSEL_WRITE_GOLDEN=1 writes them afresh from this test; look at them before they
// are committed.

#include <QClipboard>
#include <QListWidget>
#include <QtTest>
#include <cmath>

#include "Game_Fixture.h"
#include "logic/Shapes.h"
#include "model/Board_Kinds.h"
#include "model/Number_Text.h"
#include "render/Board_Drawing.h"
#include "widgets/Boards_Layout.h"

namespace {

struct Kind_Case {
    const char* Name;
    Integer Type;
    Flag Wide;
    int N;
    int Block_Width;
    int Block_Height;
};

const Kind_Case Kinds[] = {
    {"4x4", 4, 0, 4, 2, 2},          {"8x8-wide", 8, 1, 8, 4, 2},     {"8x8-tall", 8, 0, 8, 2, 4},
    {"12x12-wide", 12, 1, 12, 4, 3}, {"12x12-tall", 12, 0, 12, 3, 4}, {"16x16", 16, 0, 16, 4, 4},
};

int Solved(const Kind_Case& k, int c, int r) {
    return (r % k.Block_Height * k.Block_Width + r / k.Block_Height + c) % k.N + 1;
}

// A board of the kind with a third of its solution given and the listed cells left to enter.
Puzzle_State Board_Of(const Kind_Case& k, const std::vector<std::pair<int, int>>& open) {
    Puzzle_State s;
    Add_Board_Model(s, k.Type, k.N, k.N, k.N, k.Wide);
    Finish_Puzzle(s);
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
    for (int c = 0; c < k.N; ++c) {
        for (int r = 0; r < k.N; ++r) {
            const bool given = (c + 2 * r) % 3 == 0;
            b.Cell_Values[c][r] = given ? Solved(k, c, r) : 0;
            b.Cell_Locked[c][r] = given ? 1 : 0;
        }
    }
    for (const auto& [c, r] : open) {
        b.Cell_Values[c][r] = 0;
        b.Cell_Locked[c][r] = 0;
    }
    return s;
}

// Every cell given but the listed ones.
Puzzle_State Nearly_Solved(const Kind_Case& k, const std::vector<std::pair<int, int>>& open) {
    Puzzle_State s = Board_Of(k, open);
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
    for (int c = 0; c < k.N; ++c) {
        for (int r = 0; r < k.N; ++r) {
            b.Cell_Values[c][r] = Solved(k, c, r);
            b.Cell_Locked[c][r] = 1;
        }
    }
    for (const auto& [c, r] : open) {
        b.Cell_Values[c][r] = 0;
        b.Cell_Locked[c][r] = 0;
    }
    return s;
}

void Key(Game_Fixture& f, int key) {
    QTest::keyClick(f.Form1->Frame_Boards_Layout_Page, static_cast<Qt::Key>(key));
    QCoreApplication::processEvents();
}

bool Is_Blueish(QRgb p) {
    return qBlue(p) - std::max(qRed(p), qGreen(p)) > 60;
}

// The bounding box of the label ink in a cell.
QRect Label_Ink(const QImage& image, int c, int r) {
    QRect box;
    for (int y = 0; y < Cell_Size; ++y) {
        for (int x = 0; x < Cell_Size; ++x) {
            if (Is_Blueish(image.pixel(c * Cell_Size + x, r * Cell_Size + y))) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

} // namespace

class Board_Sizes_Window_Test : public QObject {
    Q_OBJECT
  private slots:
    void pictureOfEveryKindIsItsGoldenCopy();
    void onePaletteForEachBoardType();
    void gamesFinishedByPaletteAndKeys();
    void labelsOfTheLargestBoardsEachInTheirPlace();
    void pastedTextsAndNewPuzzlesOfEverySize();
};

void Board_Sizes_Window_Test::pictureOfEveryKindIsItsGoldenCopy() {
    const bool write = qEnvironmentVariableIsSet("TESSEL_WRITE_GOLDEN");
    for (const Kind_Case& k : Kinds) {
        Game_Fixture f;
        // Two numbers entered, one of them the board's highest, and a shaded cell.
        Puzzle_State p = Board_Of(k, {});
        Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
        b.Cell_Values[1][0] = Solved(k, 1, 0);
        for (int c = 0; c < k.N; ++c) {
            if (b.Cell_Values[c][1] == 0 && Solved(k, c, 1) == k.N) {
                b.Cell_Values[c][1] = k.N;
            }
        }
        b.Cell_Shaded[2][2] = 1;
        f.Open(f.Write(QStringLiteral("golden.zd2"), p));
        f.Form1->ShowLabels1Click();
        f.Form1->HelpmeSolveit1Click();
        const QImage shown = f.Picture(0)->Picture().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(k.N * Cell_Size, k.N * Cell_Size));
        const QString path =
            QStringLiteral(TESSEL_TEST_DATA "/boards/%1.png").arg(QLatin1String(k.Name));
        if (write) {
            QVERIFY(shown.save(path));
        }
        const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!golden.isNull(), qPrintable(path));
        QCOMPARE(golden.size(), shown.size());
        int differing = 0;
        QPoint first;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixel(x, y) != golden.pixel(x, y) && differing++ == 0) {
                    first = QPoint(x, y);
                }
            }
        }
        QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1: %2 pixels differ, first at %3,%4")
                                                .arg(QLatin1String(k.Name))
                                                .arg(differing)
                                                .arg(first.x())
                                                .arg(first.y())));
    }
}

void Board_Sizes_Window_Test::onePaletteForEachBoardType() {
    Game_Fixture f;
    const QList<Selection_Palette*> all = f.Form1->findChildren<Selection_Palette*>();
    QCOMPARE(all.size(), 6); // 9x9, 6x6, 4x4, 8x8, 12x12 and 16x16
    for (const Kind_Case& k : Kinds) {
        Selection_Palette* p = f.Form1->Palette_For(k.Type);
        QVERIFY(p != nullptr);
        QCOMPARE(p->Served_Board_Type(), k.Type);
        QCOMPARE(p->windowTitle(), QStringLiteral("Selections"));
        QCOMPARE(all.count(p), 1);
        // As near a square as the numbers go, "Clear" across the whole width below.
        const int columns = static_cast<int>(std::ceil(std::sqrt(k.N)));
        const int rows = (k.N + columns - 1) / columns;
        QCOMPARE(static_cast<int>(p->Number_Buttons.size()), k.N);
        for (int n = 1; n <= k.N; ++n) {
            const Speed_Button* button = p->Number_Buttons[static_cast<std::size_t>(n) - 1];
            QCOMPARE(button->Tag, n);
            QCOMPARE(button->text(), QString::fromStdString(Number_Text(n)));
            QCOMPARE(button->geometry(),
                     QRect(8 + (n - 1) % columns * 24, 8 + (n - 1) / columns * 24, 23, 22));
        }
        QCOMPARE(p->SpeedButton10->geometry(), QRect(8, 8 + rows * 24, columns * 24 + 1, 22));
        QCOMPARE(p->SpeedButton10->text(), QStringLiteral("Clear"));
        QCOMPARE(p->size(), QSize(16 + columns * 24 + 1, 8 + rows * 24 + 22 + 3));
    }
    QCOMPARE(f.Form1->Palette_For(16)->Number_Buttons[9]->text(), QStringLiteral("A"));
    QCOMPARE(f.Form1->Palette_For(16)->Number_Buttons[15]->text(), QStringLiteral("G"));
}

void Board_Sizes_Window_Test::gamesFinishedByPaletteAndKeys() {
    for (const Kind_Case& k : Kinds) {
        Game_Fixture f;
        // The last row's last cells hold the board's highest numbers on the larger boards.
        const std::pair<int, int> by_palette{k.N - 1, k.N - 1};
        const std::pair<int, int> by_key{k.N - 2, k.N - 1};
        // Big enough for the pointer to reach every cell of the largest board.
        f.Form1->resize(900, 800);
        f.Open(f.Write(QStringLiteral("play.zd2"), Nearly_Solved(k, {by_palette, by_key})));
        QCOMPARE(f.Picture(0)->size(), QSize(k.N * Cell_Size, k.N * Cell_Size));

        const int first = Solved(k, by_palette.first, by_palette.second);
        f.Enter(0, by_palette.first, by_palette.second, first);
        QVERIFY2(f.Palette_Seen == f.Form1->Palette_For(k.Type), k.Name);
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[by_palette.first][by_palette.second], first);

        // The keys: a letter of a number the board does not hold does nothing; the number's
        // own key, a letter in lower case above 9, enters it and completes the game.
        const int second = Solved(k, by_key.first, by_key.second);
        f.Form1->Cursor_Keys.Place({0, by_key.first, by_key.second});
        Key(f, Qt::Key_Z);
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[by_key.first][by_key.second], 0);
        const char typed = static_cast<char>(std::tolower(Number_Text(second)[0]));
        Key(f, second <= 9 ? Qt::Key_0 + second : Qt::Key_A + (typed - 'a'));
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[by_key.first][by_key.second], second);
        QCOMPARE(f.Dialogs.Last_Text(),
                 QStringLiteral("All Sudoku Boards Successfully Completed."));
    }

    // On a 9x9 board a letter is no number.
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("classic.zd2"), Classic_With_Holes({{0, 0}})));
    f.Form1->Cursor_Keys.Place({0, 0, 0});
    Key(f, Qt::Key_A);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);

    // In the 16x16 palette a letter key picks its number.
    Game_Fixture g;
    g.Form1->resize(900, 800);
    const Kind_Case& large = Kinds[5];
    const std::pair<int, int> cell{0, 15};
    g.Open(g.Write(QStringLiteral("large.zd2"), Nearly_Solved(large, {cell})));
    const int wanted = Solved(large, cell.first, cell.second);
    QVERIFY(wanted > 9);
    g.Hover(0, cell.first, cell.second);
    g.Click_Picture(0, QPoint(cell.first * 30 + 15, cell.second * 30 + 15),
                    [wanted](Selection_Palette* p) {
                        QTest::keyClick(p, static_cast<Qt::Key>(Qt::Key_A + wanted - 10));
                    });
    QCOMPARE(g.Game.Sudoku_Boards[0].Cell_Values[cell.first][cell.second], wanted);
}

// The labels of a 12x12 and a 16x16 board sit in a grid of 4 columns and 3 or 4 rows: a cell
// with one candidate left shows it in that candidate's place.
void Board_Sizes_Window_Test::labelsOfTheLargestBoardsEachInTheirPlace() {
    for (const Kind_Case& k : {Kinds[3], Kinds[5]}) {
        Puzzle_State s = Board_Of(k, {});
        s.Show_Labels = true;
        Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
        const int rows = k.N / 4;
        // Cell (1, 0) keeps only the first number, (2, 0) only the last, (4, 0) every number.
        for (auto& column : b.Cell_Tracking) {
            for (Tracking_Array_FrameWork& t : column) {
                t.Possible.assign(static_cast<std::size_t>(k.N), 0);
            }
        }
        b.Cell_Tracking[1][0].Possible[0] = 1;
        b.Cell_Tracking[2][0].Possible[static_cast<std::size_t>(k.N) - 1] = 1;
        b.Cell_Tracking[4][0].Possible.assign(static_cast<std::size_t>(k.N), 1);
        for (const int c : {1, 2, 4}) {
            b.Cell_Values[c][0] = 0;
        }
        Drawing_Resources res;
        const QImage image = Compose_Board_Of_Kind(s, 0, res);
        const qreal place_width = 26.0 / 4;
        const qreal place_height = 26.0 / rows;
        const QRect one = Label_Ink(image, 1, 0);
        const QRect last = Label_Ink(image, 2, 0);
        QVERIFY(!one.isEmpty() && !last.isEmpty());
        QVERIFY2(one.right() < 2 + place_width + 1 && one.bottom() < 2 + place_height + 1,
                 qPrintable(QStringLiteral("%1,%2").arg(one.right()).arg(one.bottom())));
        QVERIFY2(last.left() >= 2 + 3 * place_width - 1 &&
                     last.top() >= 2 + (rows - 1) * place_height - 1,
                 qPrintable(QStringLiteral("%1,%2").arg(last.left()).arg(last.top())));
        // All of them stay inside the cell, clear of its lines.
        const QRect every = Label_Ink(image, 4, 0);
        QVERIFY(every.left() >= 2 && every.top() >= 2 && every.right() <= 28 &&
                every.bottom() <= 28);
        QVERIFY(every.width() > 20 && every.height() > 20);
    }
}

// A 12x12 on one line pasted with and without tall blocks, and the New Puzzle dialog's kinds.
void Board_Sizes_Window_Test::pastedTextsAndNewPuzzlesOfEverySize() {
    Game_Fixture f;
    QString line(144, QLatin1Char('.'));
    line[0] = QLatin1Char('C');
    line[13] = QLatin1Char('b');
    QGuiApplication::clipboard()->setText(line);
    f.Form1->Exchange->Paste_Tall_Action->trigger();
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(1));
    QCOMPARE(Kind_Name(f.Game.Sudoku_Boards[0]), std::string("12x12-tall"));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[1][1], 11);
    QCOMPARE(f.Picture(0)->size(), QSize(360, 360));
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(Kind_Name(f.Game.Sudoku_Boards[0]), std::string("12x12-wide"));

    New_Puzzle_Dialog dialog(f.Form1.get(), New_Puzzle_Choice{});
    const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("Kind_List"));
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), static_cast<int>(Every_Puzzle_Kind().size()));
    // Every size with the picture of its board: the middle of the icon lies on the board, not
    // on the teal page around it.
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        names << list->item(i)->data(Qt::UserRole).toString();
    }
    for (const Kind_Case& k : Kinds) {
        const int row = static_cast<int>(names.indexOf(QLatin1String(k.Name)));
        QVERIFY2(row >= 0, k.Name);
        const QImage icon = list->item(row)->icon().pixmap(72, 72).toImage();
        QVERIFY2(icon.pixel(36, 36) != Colour_Of(Colour_Teal).rgb(), k.Name);
    }
}

QTEST_MAIN(Board_Sizes_Window_Test)
#include "Board_Sizes_Window_Test.moc"
