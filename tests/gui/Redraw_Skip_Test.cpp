// Redraw_Board leaves a board's picture alone when nothing it is drawn from has changed. The
// pictures must always be the pixels a full drawing gives, and boards an entry does not reach
// must keep their pictures.

#include <QtTest>
#include <random>

#include "Game_Fixture.h"
#include "engine/Candidate_Engine.h"
#include "render/Board_Drawing.h"
#include "widgets/Boards_Layout.h"

namespace {

// A Samurai, a lone 6x6 board with symbols and cell colours, and a custom region across
// two corner boards drawn with borders.
Puzzle_State Test_Puzzle() {
    Puzzle_State s = Empty_Samurai();
    const int six = Add_Board_Model(s, Board_Type_6x6, 6, 6, 6, 1);
    Finish_Puzzle(s);
    s.Board_Positions[six] = {0, 22 * 20};
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[six];
    b.Use_Symbols = 1;
    b.Symbols = {'A', 'B', 'C', 'D', 'E', 'F'};
    b.Use_Cell_Colours = 1;
    b.Cell_Colours[2][3] = 0x80FFFF;
    s.Sudoku_Boards[0].Cell_Values[0][0] = 4;
    s.Sudoku_Boards[0].Cell_Locked[0][0] = 1;
    s.Custom_Regions = {{{0, 0, 1, 0}, {0, 1, 1, 0}, {1, 8, 0, 0}, {1, 8, 1, 0}}};
    s.Custom_Regions_On = 1;
    s.Sudoku_Boards[0].Cell_Borders[0][1] = {1, 1, 1, 0};
    return s;
}

QImage Full_Drawing(TForm1& form, int i) {
    Puzzle_State& state = form.State_Of_Game();
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[i];
    if (b.Board_Type == Board_Type_9x9) {
        return Compose_Board_9x9(state, i, b.Max_Number, form.Resources());
    }
    return Compose_Board_6x6(state, i, b.Max_Number, b.Wide_Blocks, form.Resources());
}

} // namespace

class Redraw_Skip_Test : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir Dir;
    Puzzle_State Game;
    Scripted_Dialogs Dialogs;
    std::unique_ptr<TForm1> Form;

    Board_Picture* Picture(int i) { return Game.Sudoku_Boards[i].Board_Image; }
    QVector<qint64> Keys() {
        QVector<qint64> keys;
        for (int i = 0; i < static_cast<int>(Game.Sudoku_Boards.size()); ++i) {
            keys << Picture(i)->Picture().cacheKey();
        }
        return keys;
    }
    void Expect_Full_Pixels(const char* when) {
        for (int i = 0; i < static_cast<int>(Game.Sudoku_Boards.size()); ++i) {
            const QImage full = Full_Drawing(*Form, i);
            QVERIFY2(!full.isNull(), when);
            QVERIFY2(
                Picture(i)->Picture() == full,
                qPrintable(QStringLiteral("board %1 after %2").arg(i).arg(QLatin1String(when))));
        }
    }
    void Enter(int board, int col, int row, Integer n) {
        Set_Cell_Value(Game, board, col, row, n);
        Form->Redraw_All_Boards();
    }

  private slots:
    void init() {
        Game = Puzzle_State{};
        Form.reset(Create_Game_Windows(Game, Dialogs));
        const QString path = Dir.filePath(QStringLiteral("skip.zd2"));
        QCOMPARE(QString::fromStdString(Write_Puzzle_File(path.toStdString(), Test_Puzzle())),
                 QString());
        QVERIFY(Form->Load_Puzzle_From(path));
        QCOMPARE(static_cast<int>(Game.Sudoku_Boards.size()), 6);
    }
    void cleanup() { Form.reset(); }

    // An entry on the lone board redraws it and no other; one in a corner redraws the corner
    // and the centre it shares a block with, but not the corners it does not reach.
    void unreachedBoardsKeepTheirPictures() {
        QVector<qint64> before = Keys();
        Enter(5, 0, 0, 3);
        QVector<qint64> after = Keys();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(after[i], before[i]);
        }
        QVERIFY(after[5] != before[5]);

        before = after;
        Enter(3, 4, 4, 7); // bottom-left corner, outside the shared block
        after = Keys();
        QVERIFY(after[3] != before[3]);
        QCOMPARE(after[1], before[1]);
        QCOMPARE(after[4], before[4]);
        QCOMPARE(after[5], before[5]);
        Expect_Full_Pixels("entries");

        // The same entry again changes nothing on any board.
        before = after;
        Enter(3, 4, 4, 7);
        QCOMPARE(Keys(), before);
    }

    // A switch of labels or help changes what every board shows: all are drawn again.
    void displayModesRedrawEveryBoard() {
        QVector<qint64> before = Keys();
        Form->ShowLabels1Click();
        QVector<qint64> after = Keys();
        for (int i = 0; i < after.size(); ++i) {
            QVERIFY(after[i] != before[i]);
        }
        Expect_Full_Pixels("labels on");
        before = after;
        Form->HelpmeSolveit1Click();
        after = Keys();
        for (int i = 0; i < after.size(); ++i) {
            QVERIFY(after[i] != before[i]);
        }
        Expect_Full_Pixels("help on");
    }

    // Random entries, clears, locks, restarts and mode switches: after every step each
    // picture is exactly the full drawing of its board.
    void picturesMatchFullDrawingsAfterRandomPlay() {
        std::mt19937 rng(12345u);
        auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        int skipped = 0;
        for (int step = 0; step < 150; ++step) {
            const QVector<qint64> before = Keys();
            const int roll = below(100);
            if (roll < 75) {
                const int b = below(6);
                const int n = Game.Sudoku_Boards[b].Max_Number;
                const int c = below(n);
                const int r = below(n);
                if (Game.Sudoku_Boards[b].Cell_Locked[c][r]) {
                    continue;
                }
                Enter(b, c, r, below(n + 1));
            } else if (roll < 83) {
                Form->ShowLabels1Click();
            } else if (roll < 91) {
                Form->HelpmeSolveit1Click();
            } else if (roll < 95) {
                Form->LockNumbers1Click();
            } else if (roll < 98) {
                Form->UnlockNumbers1Click();
            } else {
                Form->Restart_Boards();
            }
            const QVector<qint64> after = Keys();
            for (int i = 0; i < after.size(); ++i) {
                skipped += after[i] == before[i];
            }
            Expect_Full_Pixels(qPrintable(QStringLiteral("step %1").arg(step)));
        }
        QVERIFY(skipped > 100);
    }

    // A board that gets a new picture control is drawn, whatever it showed before.
    void newPicturesAreDrawn() {
        Form->Frame_Boards_Layout_Page->Add_Board_Picture(2);
        QVERIFY(!Picture(2)->Picture().isNull());
        QVERIFY(Picture(2)->Picture() == Full_Drawing(*Form, 2));
    }
};

QTEST_MAIN(Redraw_Skip_Test)
#include "Redraw_Skip_Test.moc"
