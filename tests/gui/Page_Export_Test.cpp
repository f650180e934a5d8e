// The page drawn as one picture: it shows what the window's page shows, pixel for pixel; the
// export command writes it as PNG or PDF, the tool's `render` writes the same file from the
// saved game, and printing scales it to the paper.

#include <QLabel>
#include <QProcess>
#include <QtTest>

#include "Game_Fixture.h"
#include "app/Puzzle_Exchange.h"
#include "render/Page_Render.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Page_Overlay.h"

namespace {

QByteArray Bytes_Of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage Rgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// A Samurai with its info panel beside it, some givens, a title and a link.
Puzzle_State Samurai_With_Panel() {
    Puzzle_State p = Empty_Samurai();
    for (int c = 0; c < 9; ++c) {
        p.Sudoku_Boards[0].Cell_Values[c][c] = c + 1;
        p.Sudoku_Boards[0].Cell_Locked[c][c] = 1;
    }
    p.Info_Visible = 1;
    p.Info_Left = 700;
    p.Info_Top = 30;
    p.Puzzle_Title.Assign("Samurai (Easy)");
    p.Puzzle_Link.Assign("www.example.org/samurai");
    return p;
}

// Turns "Show Labels" and "Help me Solve it" on or off as bits 0 and 1 of modes say.
void Set_Modes(Game_Fixture& f, int modes) {
    if ((modes & 1) != (f.Game.Show_Labels ? 1 : 0)) {
        f.Form1->ShowLabels1Click();
    }
    if ((modes & 2) != (f.Game.Help_Solve ? 2 : 0)) {
        f.Form1->HelpmeSolveit1Click();
    }
}

} // namespace

class Page_Export_Test : public QObject {
    Q_OBJECT
  private slots:
    void pictureIsWhatTheWindowShows();
    void exportWritesPngOrPdf();
    void toolWritesTheSameFile();
    void printScalesThePageToThePaper();
    void fitToPage();
};

void Page_Export_Test::pictureIsWhatTheWindowShows() {
    Game_Fixture f;
    Puzzle_State far_panel = Samurai_With_Panel();
    far_panel.Info_Left = 900;
    far_panel.Info_Top = 1200;
    Puzzle_State hidden_panel = far_panel;
    hidden_panel.Info_Visible = 0;
    Puzzle_State moved = Classic_With_Holes({{0, 0}});
    moved.Board_Positions[0] = {-40, 395}; // partly left of the page; 395 is not a whole cell

    const QStringList puzzles = {f.Write(QStringLiteral("samurai-panel.zd2"), Samurai_With_Panel()),
                                 f.Write(QStringLiteral("far-panel.zd2"), far_panel),
                                 f.Write(QStringLiteral("hidden-panel.zd2"), hidden_panel),
                                 f.Write(QStringLiteral("moved.zd2"), moved),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/welcome.zd2"),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/6x6-tall.zd2"),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/twin-region.zd2"),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/symbols.zd2")};
    QWidget* content = f.Form1->Frame_Boards_Layout_Page->Page_Content();
    // The pictures are compared: the marks the page draws above them (board numbers, a clash
    // the entry below may make) are not part of the page's picture.
    f.Form1->Frame_Boards_Layout_Page->Overlay()->hide();
    for (const QString& path : puzzles) {
        f.Open(path);
        QVERIFY2(!f.Game.Sudoku_Boards.empty(), qPrintable(path));
        // The page reaches as far as the window's, every board at its picture's place.
        QCOMPARE(Page_Render_Size(f.Game), content->minimumSize());
        for (int i = 0; i < static_cast<int>(f.Game.Sudoku_Boards.size()); ++i) {
            QCOMPARE(Board_Page_Rect(f.Game, i), f.Picture(i)->geometry());
        }
        // An entry without a hover, so the pictures keep the stacking of the file.
        f.Form1->Enter_Number(0, 1, 0, 2);
        for (int modes = 0; modes < 4; ++modes) {
            Set_Modes(f, modes);
            const Page_Render_Result page = Render_Page(f.Game);
            QVERIFY2(page.Ok(), page.Error.c_str());
            const QImage window =
                content->grab(QRect(QPoint(0, 0), Page_Render_Size(f.Game))).toImage();
            QVERIFY2(Rgb32(page.Image) == Rgb32(window),
                     qPrintable(path + QStringLiteral(" modes %1").arg(modes)));
        }
        f.Game.Game_Modified = false;
    }
}

void Page_Export_Test::exportWritesPngOrPdf() {
    Game_Fixture f;
    // Nothing on the page: no dialog.
    f.Form1->Exchange->Export_Action->trigger();
    QVERIFY(f.Dialogs.Dialog_Titles.isEmpty());

    f.Open(f.Write(QStringLiteral("game.zd2"), Samurai_With_Panel()));
    f.Form1->Enter_Number(2, 4, 4, 5);
    f.Form1->ShowLabels1Click();
    const std::vector<Byte> game = Write_Puzzle_Bytes(f.Game);

    const QString png = f.Folder.filePath(QStringLiteral("page.PNG"));
    f.Dialogs.Dialog_Titles.clear();
    f.Dialogs.Files = {png};
    f.Form1->Exchange->Export_Action->trigger();
    QCOMPARE(f.Dialogs.Dialog_Titles.value(0),
             QStringLiteral("Export the Page|PNG picture (*.png);;PDF document (*.pdf)|."));
    QImage written(png);
    QVERIFY2(!written.isNull(), "the export wrote a PNG");
    QCOMPARE(Rgb32(written), Rgb32(Render_Page(f.Game).Image));

    const QString pdf = f.Folder.filePath(QStringLiteral("page.pdf"));
    QVERIFY(f.Form1->Exchange->Export_Page_To(pdf));
    const QByteArray document = Bytes_Of(pdf);
    QVERIFY(document.startsWith("%PDF-"));
    // One page the page's own size at 96 pixels an inch (in whole points), each board a
    // sharp picture on it.
    const QSize size = Page_Render_Size(f.Game);
    QVERIFY2(document.contains(QStringLiteral("/MediaBox [0 0 %1.000000 %2.000000]")
                                   .arg(qRound(size.width() * 0.75))
                                   .arg(qRound(size.height() * 0.75))
                                   .toLatin1()),
             "the PDF page has the page's size");
    QCOMPARE(document.count("/Width 810"), 5);

    QCOMPARE(f.Dialogs.Count(QStringLiteral("error")), 0);

    // Refusals: a name in neither format, a folder as the target. They write nothing and
    // leave no temporary file behind.
    const QStringList before = QDir(f.Folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    f.Dialogs.Files = {f.Folder.filePath(QStringLiteral("page.jpg"))};
    f.Form1->Exchange->Export_Action->trigger();
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("The page is exported as a picture (.png) or a PDF document (.pdf); "
                            "the name page.jpg ends in neither"));
    QVERIFY(QDir(f.Folder.path()).mkdir(QStringLiteral("folder.pdf")));
    QVERIFY(!f.Form1->Exchange->Export_Page_To(f.Folder.filePath(QStringLiteral("folder.pdf"))));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("Cannot export the page: the target is a folder"));
    QStringList after = QDir(f.Folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    after.removeOne(QStringLiteral("folder.pdf"));
    QCOMPARE(after, before);

    // Exporting is no change of the game.
    QCOMPARE(Write_Puzzle_Bytes(f.Game), game);
    QVERIFY(f.Game.Game_Modified);
}

void Page_Export_Test::toolWritesTheSameFile() {
    Game_Fixture f;
    const QString game = f.Folder.filePath(QStringLiteral("played.zd2"));
    f.Open(f.Write(QStringLiteral("start.zd2"), Samurai_With_Panel()));
    f.Form1->Enter_Number(2, 0, 0, 7);
    f.Form1->Enter_Number(4, 8, 8, 3);
    QVERIFY(f.Form1->Save_Puzzle_To(game));
    // A puzzle of a many-puzzle text too, imported in the window and drawn by the tool.
    const QString sdm = f.Put(
        QStringLiteral("two.sdm"),
        "1...............................................................................9\n"
        "..3.........................................................................5....\n");

    // Runs 0 to 3: the saved game in each mode; run 4: the text's second puzzle.
    const char* const options[] = {"", "--labels", "--help-solve", "--labels --help-solve",
                                   "--index 2"};
    for (int run = 0; run < 5; ++run) {
        if (run == 4) {
            f.Game.Game_Modified = false;
            f.Dialogs.Puzzle_Choices = {1};
            QVERIFY(f.Form1->Exchange->Open_Path(sdm));
            QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[2][0], 3);
        }
        Set_Modes(f, run % 4);
        const QString window_png = f.Folder.filePath(QStringLiteral("window-%1.png").arg(run));
        const QString tool_png = f.Folder.filePath(QStringLiteral("tool-%1.png").arg(run));
        QVERIFY(f.Form1->Exchange->Export_Page_To(window_png));
        const QStringList args =
            QStringList{QStringLiteral("render"), run == 4 ? sdm : game, QStringLiteral("-o"),
                        tool_png} +
            QString::fromLatin1(options[run]).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QProcess tool;
        tool.start(QStringLiteral(TESSEL_PUZZLE_EXE), args);
        QVERIFY(tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit);
        QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
        const QByteArray from_window = Bytes_Of(window_png);
        QVERIFY(!from_window.isEmpty());
        QVERIFY2(Bytes_Of(tool_png) == from_window, qPrintable(QStringLiteral("run %1").arg(run)));
    }
}

void Page_Export_Test::printScalesThePageToThePaper() {
    Game_Fixture f;
    // Nothing on the page: no print dialog.
    f.Dialogs.Printer_Output = f.Folder.filePath(QStringLiteral("empty.pdf"));
    f.Form1->Exchange->Print_Action->trigger();
    QVERIFY(!QFileInfo::exists(f.Dialogs.Printer_Output));

    // A page wider than high goes on paper turned sideways, each board a sharper picture.
    f.Open(f.Write(QStringLiteral("wide.zd2"), Samurai_With_Panel()));
    f.Dialogs.Printer_Output = f.Folder.filePath(QStringLiteral("printed.pdf"));
    f.Form1->Exchange->Print_Action->trigger();
    const QByteArray printed = Bytes_Of(f.Dialogs.Printer_Output);
    QVERIFY(printed.startsWith("%PDF-"));
    QCOMPARE(printed.count("/Width 1080"), 5); // four times the screen's 270 pixels
    const int box = printed.indexOf("/MediaBox [0 0 ");
    QVERIFY(box > 0);
    const QList<QByteArray> sides =
        printed.mid(box + 15, printed.indexOf(']', box) - box - 15).trimmed().split(' ');
    QCOMPARE(sides.size(), 2);
    QVERIFY2(sides[0].toDouble() > sides[1].toDouble(), "landscape paper");
    QCOMPARE(f.Dialogs.Count(QStringLiteral("error")), 0);
}

void Page_Export_Test::fitToPage() {
    const QRectF portrait(10, 20, 600, 800);
    // Wider than the page: the full width, in the middle from top to bottom.
    QCOMPARE(Fit_To_Page(QSizeF(300, 100), portrait), QRectF(10, 320, 600, 200));
    // Higher: the full height, in the middle from side to side; small pictures grow.
    QCOMPARE(Fit_To_Page(QSizeF(10, 40), portrait), QRectF(210, 20, 200, 800));
    // Nothing to place, or no room.
    QVERIFY(Fit_To_Page(QSizeF(0, 100), portrait).isEmpty());
    QVERIFY(Fit_To_Page(QSizeF(100, 100), QRectF(0, 0, 0, 50)).isEmpty());
}

QTEST_MAIN(Page_Export_Test)
#include "Page_Export_Test.moc"
