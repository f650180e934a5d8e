// The page drawn as one picture: it shows what the window's page shows, pixel for pixel; the
// export command writes it as PNG or PDF, the tool's `render` draws the same pixels from the
// saved game, and printing scales it to the paper.

#include <QLabel>
#include <QProcess>
#include <QtTest>

#include "Game_Fixture.h"
#include "app/Puzzle_Exchange.h"
#include "page/Boards_Layout.h"
#include "page/Page_Render.h"

namespace {

QByteArray Bytes_Of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage Rgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// What the window's page shows from its top left corner, as large as the page picture.
QImage Window_Page(Game_Fixture& f) {
    QWidget* content = f.Form1->Frame_Boards_Layout_Page->Page_Content();
    const QSize size = Page_Render_Size(f.Game);
    return Rgb32(content->grab(QRect(QPoint(0, 0), size)).toImage());
}

// The first place two pictures differ, for the failure message.
QString First_Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(b.width())
            .arg(b.height());
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return QStringLiteral("pixel %1,%2: %3 and %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
            }
        }
    }
    return {};
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

// Runs `tessel-puzzle ARGS`; the exit code, or -1 when it did not run to its end.
int Run_Tool(const QStringList& args, QString* err = nullptr) {
    QProcess tool;
    tool.start(QStringLiteral(TESSEL_PUZZLE_EXE), args);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    if (err != nullptr) {
        *err = QString::fromUtf8(tool.readAllStandardError());
    }
    return tool.exitCode();
}

} // namespace

class Page_Export_Test : public QObject {
    Q_OBJECT
  private slots:
    void pictureIsWhatTheWindowShows();
    void pageReachesAsFarAsTheWindowsPage();
    void exportWritesPngAndPdf();
    void exportRefusalsChangeNothing();
    void toolDrawsTheSamePixels();
    void printScalesThePageToThePaper();
    void fitToPage();
};

void Page_Export_Test::pictureIsWhatTheWindowShows() {
    Game_Fixture f;
    const QStringList puzzles = {f.Write(QStringLiteral("samurai-panel.zd2"), Samurai_With_Panel()),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/welcome.zd2"),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/6x6-tall.zd2"),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/twin-region.zd2"),
                                 QStringLiteral(TESSEL_PUZZLE_DIR "/symbols.zd2")};
    for (const QString& path : puzzles) {
        f.Open(path);
        QVERIFY2(!f.Game.Sudoku_Boards.empty(), qPrintable(path));
        // An entry without a hover, so the pictures keep the stacking of the file.
        f.Form1->Enter_Number(0, 1, 0, 2);
        for (int modes = 0; modes < 4; ++modes) {
            if ((modes & 1) != (f.Game.Show_Labels ? 1 : 0)) {
                f.Form1->ShowLabels1Click();
            }
            if ((modes & 2) != (f.Game.Help_Solve ? 2 : 0)) {
                f.Form1->HelpmeSolveit1Click();
            }
            const Page_Render_Result page = Render_Page(f.Game);
            QVERIFY2(page.Ok(), page.Error.c_str());
            const QString difference = First_Difference(Rgb32(page.Image), Window_Page(f));
            QVERIFY2(difference.isEmpty(),
                     qPrintable(path + QStringLiteral(" modes %1: ").arg(modes) + difference));
        }
        f.Game.Game_Modified = false;
    }
}

void Page_Export_Test::pageReachesAsFarAsTheWindowsPage() {
    Game_Fixture f;
    TMainFrame_Boards_Layout_Page* page = f.Form1->Frame_Boards_Layout_Page;
    // The panel's size and its texts' places are the window's.
    QCOMPARE(page->info_Panel->size(), QSize(Info_Panel_Width, Info_Panel_Height));
    QCOMPARE(page->Label1->pos(), QPoint(Info_Title_Left, Info_Title_Top));
    QCOMPARE(page->Label2->pos(), QPoint(Info_Website_Left, Info_Website_Top));
    QCOMPARE(page->Label3->pos(), QPoint(Info_Link_Left, Info_Link_Top));

    Puzzle_State far_panel = Samurai_With_Panel();
    far_panel.Info_Left = 900;
    far_panel.Info_Top = 1200;
    Puzzle_State hidden_panel = far_panel;
    hidden_panel.Info_Visible = 0;
    Puzzle_State moved = Classic_With_Holes({{0, 0}});
    moved.Board_Positions[0] = {-40, 395}; // partly left of the page; 395 is not a whole cell
    const std::vector<std::pair<const char*, Puzzle_State>> cases = {
        {"far-panel.zd2", far_panel},
        {"hidden-panel.zd2", hidden_panel},
        {"moved.zd2", moved},
        {"samurai.zd2", Empty_Samurai()}};
    for (const auto& [name, puzzle] : cases) {
        f.Open(f.Write(QString::fromLatin1(name), puzzle));
        QVERIFY2(!f.Game.Sudoku_Boards.empty(), name);
        QCOMPARE(Page_Render_Size(f.Game), page->Page_Content()->minimumSize());
        for (int i = 0; i < static_cast<int>(f.Game.Sudoku_Boards.size()); ++i) {
            QCOMPARE(Board_Page_Rect(f.Game, i), f.Picture(i)->geometry());
        }
    }
    // The panel far below and right of the boards makes the page reach it; hidden it doesn't.
    QCOMPARE(Page_Render_Size(far_panel), QSize(900 + 270 + 8, 1200 + 49 + 8));
    QVERIFY(Page_Render_Size(hidden_panel).width() < 900);
}

void Page_Export_Test::exportWritesPngAndPdf() {
    Game_Fixture f;
    // Nothing on the page: no dialog.
    f.Form1->Exchange->Export_Action->trigger();
    QVERIFY(f.Dialogs.Dialog_Titles.isEmpty());
    QCOMPARE(f.Form1->Exchange->Export_Action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

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
    // The panel's right edge and the Samurai's 21 rows of cells from pixel 1, and the margin.
    QCOMPARE(written.size(), QSize(700 + 270 + 8, 1 + 21 * 30 + 8));
    QCOMPARE(Rgb32(written), Rgb32(Render_Page(f.Game).Image));
    QCOMPARE(written.pixel(0, 0), Colour_Of(Colour_Teal).rgb());

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

    // Exporting is no change of the game.
    QCOMPARE(Write_Puzzle_Bytes(f.Game), game);
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(f.Dialogs.Count(QStringLiteral("error")), 0);
}

void Page_Export_Test::exportRefusalsChangeNothing() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("game.zd2"), Classic_With_Holes({{0, 0}})));
    const QStringList before = QDir(f.Folder.path()).entryList(QDir::AllEntries | QDir::Hidden);

    // A name in neither format.
    f.Dialogs.Files = {f.Folder.filePath(QStringLiteral("page.jpg"))};
    f.Form1->Exchange->Export_Action->trigger();
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("The page is exported as a picture (.png) or a PDF document (.pdf); "
                            "the name page.jpg ends in neither"));

    // A folder that is not there, and a folder as the target.
    QVERIFY(!f.Form1->Exchange->Export_Page_To(f.Folder.filePath(QStringLiteral("none/page.png"))));
    QVERIFY(f.Dialogs.Last_Text().startsWith(QStringLiteral("Cannot export the page: ")));
    QVERIFY(QDir(f.Folder.path()).mkdir(QStringLiteral("folder.pdf")));
    QVERIFY(!f.Form1->Exchange->Export_Page_To(f.Folder.filePath(QStringLiteral("folder.pdf"))));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("Cannot export the page: the target is a folder"));

    // A cancelled dialog does nothing.
    const std::size_t messages = f.Dialogs.Messages.size();
    f.Form1->Exchange->Export_Action->trigger();
    QCOMPARE(f.Dialogs.Messages.size(), messages);

    QStringList after = QDir(f.Folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
    after.removeOne(QStringLiteral("folder.pdf"));
    QCOMPARE(after, before); // nothing written, no temporary file left behind
}

void Page_Export_Test::toolDrawsTheSamePixels() {
    Game_Fixture f;
    const QString game = f.Folder.filePath(QStringLiteral("played.zd2"));
    f.Open(f.Write(QStringLiteral("start.zd2"), Samurai_With_Panel()));
    f.Form1->Enter_Number(2, 0, 0, 7);
    f.Form1->Enter_Number(4, 8, 8, 3);
    QVERIFY(f.Form1->Save_Puzzle_To(game));

    for (int modes = 0; modes < 4; ++modes) {
        const bool labels = (modes & 1) != 0;
        const bool help = (modes & 2) != 0;
        if (labels != f.Game.Show_Labels) {
            f.Form1->ShowLabels1Click();
        }
        if (help != f.Game.Help_Solve) {
            f.Form1->HelpmeSolveit1Click();
        }
        const QString window_png = f.Folder.filePath(QStringLiteral("window-%1.png").arg(modes));
        const QString tool_png = f.Folder.filePath(QStringLiteral("tool-%1.png").arg(modes));
        QVERIFY(f.Form1->Exchange->Export_Page_To(window_png));
        QStringList args = {QStringLiteral("render"), game, QStringLiteral("-o"), tool_png};
        if (labels) {
            args << QStringLiteral("--labels");
        }
        if (help) {
            args << QStringLiteral("--help-solve");
        }
        QString err;
        QCOMPARE(Run_Tool(args, &err), 0);
        const QImage from_window(window_png);
        const QImage from_tool(tool_png);
        QVERIFY(!from_window.isNull() && !from_tool.isNull());
        const QString difference = First_Difference(Rgb32(from_window), Rgb32(from_tool));
        QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("modes %1: ").arg(modes) +
                                                  difference + QLatin1Char(' ') + err));
    }

    // A puzzle of a many-puzzle text, imported in the window and drawn by the tool.
    const QString sdm = f.Folder.filePath(QStringLiteral("two.sdm"));
    QFile text(sdm);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(
        "1...............................................................................9\n"
        "..3.........................................................................5....\n");
    text.close();
    f.Game.Game_Modified = false;
    f.Dialogs.Puzzle_Choices = {1};
    QVERIFY(f.Form1->Exchange->Open_Path(sdm));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[2][0], 3);
    const QString window_png = f.Folder.filePath(QStringLiteral("window-sdm.png"));
    const QString tool_png = f.Folder.filePath(QStringLiteral("tool-sdm.png"));
    QVERIFY(f.Form1->Exchange->Export_Page_To(window_png));
    QStringList args = {QStringLiteral("render"),  sdm,
                        QStringLiteral("--index"), QStringLiteral("2"),
                        QStringLiteral("-o"),      tool_png};
    if (f.Game.Show_Labels) {
        args << QStringLiteral("--labels");
    }
    if (f.Game.Help_Solve) {
        args << QStringLiteral("--help-solve");
    }
    QCOMPARE(Run_Tool(args), 0);
    QCOMPARE(Rgb32(QImage(tool_png)), Rgb32(QImage(window_png)));
}

void Page_Export_Test::printScalesThePageToThePaper() {
    Game_Fixture f;
    // Nothing on the page: no print dialog.
    f.Dialogs.Printer_Output = f.Folder.filePath(QStringLiteral("empty.pdf"));
    f.Form1->Exchange->Print_Action->trigger();
    QVERIFY(!QFileInfo::exists(f.Dialogs.Printer_Output));
    QCOMPARE(f.Form1->Exchange->Print_Action->shortcut(), QKeySequence(QKeySequence::Print));

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

    // A cancelled print dialog prints nothing.
    f.Dialogs.Printer_Output.clear();
    QVERIFY(QFile::remove(f.Folder.filePath(QStringLiteral("printed.pdf"))));
    f.Form1->Exchange->Print_Action->trigger();
    QVERIFY(!QFileInfo::exists(f.Folder.filePath(QStringLiteral("printed.pdf"))));
}

void Page_Export_Test::fitToPage() {
    const QRectF portrait(10, 20, 600, 800);
    // Wider than the page: the full width, in the middle from top to bottom.
    QCOMPARE(Fit_To_Page(QSizeF(300, 100), portrait), QRectF(10, 320, 600, 200));
    // Higher: the full height, in the middle from side to side; small pictures grow.
    QCOMPARE(Fit_To_Page(QSizeF(10, 40), portrait), QRectF(210, 20, 200, 800));
    // The same proportion as the page: all of it.
    QCOMPARE(Fit_To_Page(QSizeF(1200, 1600), portrait), portrait);
    // Nothing to place, or no room.
    QVERIFY(Fit_To_Page(QSizeF(0, 100), portrait).isEmpty());
    QVERIFY(Fit_To_Page(QSizeF(100, 100), QRectF(0, 0, 0, 50)).isEmpty());
}

QTEST_MAIN(Page_Export_Test)
#include "Page_Export_Test.moc"
