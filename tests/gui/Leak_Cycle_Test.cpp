// Repeated sessions of the real window: create it, load a game, play (palette entries, menu
// commands, a refused file, a save), close it and delete it. Every session must give back
// what it took: the widgets it created are gone afterwards, and in the AddressSanitizer build
// LeakSanitizer finds no unreachable memory after the cycles (a leak fails the test there, and
// again at exit).

#include <QLabel>
#include <QtTest>

#include "Game_Fixture.h"
#include "widgets/Boards_Layout.h"

#if defined(__SANITIZE_ADDRESS__)
#define TESSEL_HAS_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSEL_HAS_LSAN 1
#endif
#endif
#if defined(TESSEL_HAS_LSAN)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// One session, from creating the window to deleting it.
void Session(const QString& folder, int cycle) {
    Puzzle_State game;
    Scripted_Dialogs dialogs;
    std::unique_ptr<TForm1> form(Create_Game_Windows(game, dialogs));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    Puzzle_State samurai = Empty_Samurai();
    samurai.Info_Visible = 1;
    samurai.Puzzle_Title.Assign("Leak cycle");
    samurai.Custom_Regions_On = 1;
    samurai.Custom_Regions = {{{2, 0, 0, 0}, {2, 1, 1, 0}, {2, 2, 2, 0}}};
    const QString path = folder + QStringLiteral("/cycle.zd2");
    QVERIFY(Write_Puzzle_File(QFile::encodeName(path).toStdString(), samurai).empty());
    QVERIFY(form->Load_Puzzle_From(path));
    QCOMPARE(game.Sudoku_Boards.size(), std::size_t(5));

    // Entries through the modal palette, on the centre board and a corner.
    for (int k = 0; k < 4; ++k) {
        const int board = k % 2 == 0 ? 2 : 0;
        const int col = (cycle + k) % 9;
        const int row = (2 * k + 1) % 9;
        Board_Picture* picture = game.Sudoku_Boards[board].Board_Image;
        QWidget* content = picture->parentWidget();
        QTest::mouseMove(content, picture->mapTo(content, QPoint(col * 30 + 4, row * 30 + 4)));
        QTest::mouseMove(content, picture->mapTo(content, QPoint(col * 30 + 15, row * 30 + 15)));
        QTimer::singleShot(0, [k] {
            if (auto* p = qobject_cast<Selection_Palette*>(QApplication::activeModalWidget())) {
                p->Speed_Buttons()[static_cast<std::size_t>(k) % p->Speed_Buttons().size()]
                    ->click();
            }
        });
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(col * 30 + 15, row * 30 + 15));
        QCoreApplication::processEvents();
    }
    QVERIFY(game.Game_Modified); // the palette entered something
    form->ShowLabels1Click();
    form->HelpmeSolveit1Click();
    form->LockNumbers1Click();
    form->SetNumbers1Click();
    form->UnlockNumbers1Click();
    dialogs.Answers = {true};
    form->ToolButton3Click();

    // A refused file, then a load of the same game again: the old pictures go.
    dialogs.Answers = {true};
    QVERIFY(
        !form->Load_Puzzle_From(QStringLiteral(TESSEL_TEST_DATA "/malformed/cut-in-values.zd2")));
    QVERIFY(form->Load_Puzzle_From(path));
    QVERIFY(form->Save_Puzzle_To(folder + QStringLiteral("/saved.zd2")));

    // Closing asks while the game is modified; the first answer keeps the window.
    form->HelpmeSolveit1Click();
    QVERIFY(game.Game_Modified);
    dialogs.Answers = {false};
    QVERIFY(!form->close());
    dialogs.Answers = {true};
    QVERIFY(form->close());
}

} // namespace

class Leak_Cycle_Test : public QObject {
    Q_OBJECT
  private slots:
    void repeatedSessionsGiveEverythingBack();
};

void Leak_Cycle_Test::repeatedSessionsGiveEverythingBack() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // The first session fills the caches that live as long as the program (fonts, styles,
    // icons); the widget count after it is the level every later session must come back to.
    Session(folder.path(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const int widgets = QApplication::allWidgets().size();
    for (int cycle = 1; cycle <= 12; ++cycle) {
        Session(folder.path(), cycle);
        if (QTest::currentTestFailed()) {
            return;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::allWidgets().size(), widgets);
    }
#if defined(TESSEL_HAS_LSAN)
    QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#endif
}

QTEST_MAIN(Leak_Cycle_Test)
#include "Leak_Cycle_Test.moc"
