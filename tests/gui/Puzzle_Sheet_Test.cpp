// The puzzle sheet: boards in black and grey on white paper inside the margins, the heading,
// each board's number; the window's Print paints it, `tessel-puzzle print` writes the same
// page. Printed pages are read back with pdftoppm (poppler-utils).

#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "Game_Fixture.h"
#include "app/Puzzle_Exchange.h"
#include "logic/Shapes.h"
#include "render/Puzzle_Sheet.h"
#include "session/Puzzle_Loading.h"

namespace {

QSize Media_Box(const QString& path) {
    QFile f(path);
    const QByteArray pdf = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    const int at = pdf.indexOf("/MediaBox [0 0 ");
    const QList<QByteArray> sides = pdf.mid(at + 15, pdf.indexOf(']', at) - at - 15).split(' ');
    return at < 0 || sides.size() != 2
               ? QSize()
               : QSize(qRound(sides[0].toDouble()), qRound(sides[1].toDouble()));
}

QImage Pdf_Picture(const QString& pdf, int dpi) {
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, pdf + QStringLiteral("-page")});
    tool.waitForFinished(60000);
    return QImage(pdf + QStringLiteral("-page.png")).convertToFormat(QImage::Format_Grayscale8);
}

// The darkest grey in an area (255: white), and the pixels of the picture that have colour.
int Darkest(const QImage& image, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        }
    }
    return darkest;
}

int Coloured(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p) ? 1 : 0;
        }
    }
    return n;
}

// The share of pixels with no pixel within half their grey at the same place or one beside
// it in the other picture, either way round: rasterizers shade edges differently, but a line,
// a digit or a colour that one picture lacks counts. At 300 dots an inch the printed and the
// painted sheet differ in a few pixels in a million; one digit is some hundreds.
double Differing_Share(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.convertToFormat(QImage::Format_Grayscale8);
    auto unmatched = [](const QImage& one, const QImage& other) {
        long long n = 0;
        for (int r = 1; r + 1 < one.height(); ++r) {
            for (int c = 1; c + 1 < one.width(); ++c) {
                bool found = false;
                for (int d = 0; d < 9 && !found; ++d) {
                    found = std::abs(other.constScanLine(r + d / 3 - 1)[c + d % 3 - 1] -
                                     one.constScanLine(r)[c]) <= 128;
                }
                n += found ? 0 : 1;
            }
        }
        return n;
    };
    return a.size() != b.size() ? 1.0
                                : static_cast<double>(std::max(unmatched(x, y), unmatched(y, x))) /
                                      (static_cast<double>(a.width()) * a.height());
}

// An area of the figure from its corners, in cells.
QRect Box(const Sheet_Placement& place, qreal left, qreal top, qreal right, qreal bottom) {
    return QRectF(place.Figure_Origin + QPointF(left, top) * place.Cell,
                  place.Figure_Origin + QPointF(right, bottom) * place.Cell)
        .toAlignedRect();
}

Puzzle_State Kind_Puzzle(const std::string& kind) {
    Puzzle_State p;
    Empty_Puzzle_Of_Kind(kind, 3, p);
    return p;
}

Puzzle_State Side_By_Side() {
    Puzzle_State p;
    puzzle_builder::Add_Board(p, Board_Type_9x9, 9, 20, 20);
    puzzle_builder::Add_Board(p, Board_Type_9x9, 9, 240, 20);
    return p;
}

} // namespace

class Puzzle_Sheet_Test : public QObject {
    Q_OBJECT
  private slots:
    void boardsInBlackAndGreyOnWhite();
    void headingAndLevel();
    void boardsNumberedBesideThemselves();
    void kindOfThePuzzle();
    void numbersAboveNineAsLetters();
    void paperAndOrientation();
    void windowAndToolPrintTheSheet();
};

void Puzzle_Sheet_Test::boardsInBlackAndGreyOnWhite() {
    // Row 0 empty but for an entry in (0, 0); (1, 0) has the candidate 2 and a note of 1.
    Puzzle_State p = Classic_With_Holes(
        {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}});
    Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
    b.Cell_Values[0][0] = Solved_9x9(0, 0);
    std::fill(b.Cell_Tracking[1][0].Possible.begin(), b.Cell_Tracking[1][0].Possible.end(), 0);
    b.Cell_Tracking[1][0].Possible[1] = 1;
    b.Cell_Shaded[4][4] = 1;
    const Sheet_Heading heading = Make_Sheet_Heading(p, QStringLiteral("c.zd2"), {});
    const QImage sheet = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    QCOMPARE(sheet.size(), QSize(826, 1169)); // 595 x 842 points
    QCOMPARE(Coloured(sheet), 0);
    // Nothing in the 15 mm margins; a single board's cells 16 mm at most, centred across.
    const int margin = 59;
    QCOMPARE(Darkest(sheet, QRect(0, 0, 826, margin)), 255);
    QCOMPARE(Darkest(sheet, QRect(0, 1169 - margin, 826, margin)), 255);
    QCOMPARE(Darkest(sheet, QRect(0, 0, margin, 1169)), 255);
    QCOMPARE(Darkest(sheet, QRect(826 - margin, 0, margin, 1169)), 255);
    const Sheet_Placement place = Place_Sheet(Lay_Out_Sheet(p), QSizeF(sheet.size()), 100);
    QVERIFY(qAbs(place.Cell - 16 / 25.4 * 100) < 0.01);
    QVERIFY(qAbs(place.Figure_Origin.x() + 4.5 * place.Cell - 413) < 1);

    // Block lines and the frame black and thicker than the cell lines.
    const int y = Box(place, 5, 5, 6, 6).center().y();
    auto dark_across = [&](qreal col) {
        int n = 0;
        const int x = qRound(place.Figure_Origin.x() + col * place.Cell);
        for (int i = x - 4; i <= x + 4; ++i) {
            n += qGray(sheet.pixel(i, y)) < 128 ? 1 : 0;
        }
        return n;
    };
    QVERIFY(dark_across(3) >= 2 && dark_across(0) >= 2);
    QVERIFY(dark_across(3) > dark_across(1));
    QVERIFY(Darkest(sheet, Box(place, 0.98, 5.5, 1.02, 5.5)) < 200);

    // Givens black, the entry dark grey, the empty cell white, the shading light grey.
    QVERIFY(Darkest(sheet, Box(place, 4.12, 5.12, 4.88, 5.88)) < 40);
    const int entry = Darkest(sheet, Box(place, 0.12, 0.12, 0.88, 0.88));
    QVERIFY2(entry > 60 && entry < 140, qPrintable(QString::number(entry)));
    QCOMPARE(Darkest(sheet, Box(place, 1.12, 0.12, 1.88, 0.88)), 255);
    const int shade = qGray(sheet.pixel(Box(place, 4.05, 4.05, 4.1, 4.1).topLeft()));
    QVERIFY(shade >= 200 && shade < 245);

    // Labels light grey in their place of the cell's three by three (2: top middle), the
    // player's note darker (1: top left); nothing else in the cell.
    p.Show_Labels = true;
    const QImage labelled = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    const int label = Darkest(labelled, Box(place, 1.4, 0.12, 1.6, 0.32));
    QVERIFY2(label > 100 && label < 230, qPrintable(QString::number(label)));
    QCOMPARE(Darkest(labelled, Box(place, 1.12, 0.4, 1.88, 0.88)), 255);
    b.Cell_Notes.assign(9, std::vector<Note_Set>(9, 0));
    b.Cell_Notes[1][0] = 1;
    const QImage noted = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    QVERIFY(Darkest(noted, Box(place, 1.12, 0.12, 1.32, 0.32)) < label);
    QCOMPARE(Darkest(noted, Box(place, 1.12, 0.4, 1.88, 0.88)), 255);

    // A coloured cell as a grey, darker for a darker colour.
    b.Use_Cell_Colours = 1;
    b.Cell_Colours.assign(9, std::vector<Integer>(9, Colour_White));
    b.Cell_Colours[8][8] = Colour_Red;
    b.Cell_Colours[7][8] = Colour_Pale_Pink;
    const QImage colours = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    QCOMPARE(Coloured(colours), 0);
    const int red = qGray(colours.pixel(Box(place, 8.05, 8.05, 8.1, 8.1).topLeft()));
    const int pink = qGray(colours.pixel(Box(place, 7.05, 8.05, 7.1, 8.1).topLeft()));
    QVERIFY(red >= 200 && red < pink && pink < 255);
}

void Puzzle_Sheet_Test::headingAndLevel() {
    Puzzle_State p;
    QCOMPARE(Load_Puzzle_File_Into(p, TESSEL_PUZZLE_DIR "/classic-easy.zd2"), std::string());
    QCOMPARE(Sheet_Title(p, QStringLiteral("/home/a/monday.zd2")), QStringLiteral("monday.zd2"));
    p.Puzzle_Title.Assign("Caf\xe9"); // code page 1252
    QCOMPARE(Sheet_Title(p, QStringLiteral("/home/a/monday.zd2")),
             QString::fromUtf8("Caf\xc3\xa9"));
    Sheet_Heading heading = Make_Sheet_Heading(p, QString(), Puzzle_Level::Hard);
    QCOMPARE(Sheet_Subtitle(heading), QString::fromUtf8("Classic 9x9 \xc2\xb7 Level: Hard"));
    heading.Title.clear(); // the kind on the title line, the level below
    QCOMPARE(Sheet_Subtitle(heading), QStringLiteral("Level: Hard"));

    // The heading centred in its band, the title black and the line below it grey; another
    // title changes nothing below the band.
    heading = Make_Sheet_Heading(p, QString(), Puzzle_Level::Hard);
    const QImage sheet = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    const QRect band =
        Place_Sheet(Lay_Out_Sheet(p), QSizeF(sheet.size()), 100).Heading.toAlignedRect();
    QVERIFY(Darkest(sheet, band.adjusted(0, 0, 0, -band.height() / 2)) < 40);
    const int sub = Darkest(sheet, band.adjusted(0, band.height() * 3 / 5, 0, 0));
    QVERIFY(sub > 40 && sub < 128);
    QCOMPARE(Darkest(sheet, band.adjusted(0, 0, -band.width() / 2 - 130, 0)), 255);
    QCOMPARE(Darkest(sheet, band.adjusted(band.width() / 2 + 130, 0, 0, 0)), 255);
    heading.Title = QStringLiteral("A much longer title for the same puzzle");
    const QImage other = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    const QRect below(0, band.bottom() + 1, sheet.width(), sheet.height() - band.bottom() - 1);
    QVERIFY(other.copy(band) != sheet.copy(band));
    QCOMPARE(other.copy(below), sheet.copy(below));

    // The level is the givens': wrong entries do not change it. None without one solution.
    const std::optional<Puzzle_Level> level = Sheet_Level(p);
    QVERIFY(level.has_value());
    QCOMPARE(*level, Grade_Puzzle(p).Level);
    Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
    for (int c = 0, wrong = 0; c < 9 && wrong < 3; ++c) {
        if (b.Cell_Values[c][0] == 0) {
            b.Cell_Values[c][0] =
                b.Cell_Values[(c + 1) % 9][0] + (b.Cell_Values[(c + 1) % 9][0] == 0);
            ++wrong;
        }
    }
    QVERIFY(!Grade_Puzzle(p).Solved);
    QCOMPARE(Sheet_Level(p), level);
    QVERIFY(!Sheet_Level(Kind_Puzzle("classic")).has_value());
}

void Puzzle_Sheet_Test::boardsNumberedBesideThemselves() {
    for (const Puzzle_Kind_Info& kind : Puzzle_Kinds()) {
        const Sheet_Layout layout = Lay_Out_Sheet(Kind_Puzzle(kind.Name));
        QCOMPARE(int(layout.Boards.size()), kind.Boards);
        QCOMPARE(layout.Numbered, kind.Boards > 1);
        QSet<QPair<int, int>> numbers;
        for (const Sheet_Board& own : layout.Boards) {
            const QByteArray what =
                QByteArray::fromStdString(kind.Name) + " " + QByteArray::number(own.Board + 1);
            // Only the windmill's centre, hemmed in by its sails, has no free cell beside it.
            QCOMPARE(own.Number_On_Corner, kind.Name == "windmill" && own.Board == 2);
            if (!layout.Numbered || own.Number_On_Corner) {
                continue;
            }
            const QPoint at = own.Number_Cell;
            QVERIFY2(!numbers.contains({at.x(), at.y()}), what);
            numbers.insert({at.x(), at.y()});
            QVERIFY2(QRect(QPoint(0, 0), layout.Figure).contains(at), what);
            QVERIFY2(own.Cells.adjusted(-1, -1, 1, 1).contains(at) && !own.Cells.contains(at),
                     what);
            for (const Sheet_Board& other : layout.Boards) {
                QVERIFY2(&other == &own || !other.Cells.adjusted(-1, -1, 1, 1).contains(at), what);
            }
        }
    }
    // On the sheet each number in its ring.
    const Puzzle_State samurai = Kind_Puzzle("samurai");
    const Sheet_Layout layout = Lay_Out_Sheet(samurai);
    QCOMPARE(layout.Boards[0].Number_Cell, layout.Boards[0].Cells.topLeft() - QPoint(1, 1));
    const QImage sheet =
        Render_Sheet(samurai, Make_Sheet_Heading(samurai, QString(), {}), Sheet_Paper::A4, 100);
    const Sheet_Placement place = Place_Sheet(layout, QSizeF(sheet.size()), 100);
    for (const Sheet_Board& b : layout.Boards) {
        const qreal x = b.Number_Cell.x();
        const qreal y = b.Number_Cell.y();
        QVERIFY(Darkest(sheet, Box(place, x + 0.4, y + 0.4, x + 0.6, y + 0.6)) < 80);
        QVERIFY(Darkest(sheet, Box(place, x + 0.1, y + 0.45, x + 0.2, y + 0.55)) < 200);
        QCOMPARE(Darkest(sheet, Box(place, x + 0.02, y + 0.02, x + 0.08, y + 0.08)), 255);
    }
}

void Puzzle_Sheet_Test::kindOfThePuzzle() {
    for (const Puzzle_Kind_Info& kind : Every_Puzzle_Kind()) {
        Puzzle_State p = Kind_Puzzle(kind.Name);
        for (Board_Position& at : p.Board_Positions) {
            at = {at.X + 60, at.Y + 200};
        }
        QCOMPARE(Sheet_Kind_Text(p), QString::fromStdString(kind.Label));
    }
    Puzzle_State moved = Kind_Puzzle("twin");
    moved.Board_Positions[1].X += 20;
    QCOMPARE(Sheet_Kind_Text(moved), QStringLiteral("2 boards of 9x9"));
    puzzle_builder::Add_Board(moved, Board_Type_6x6, 6, 600, 20, 1);
    moved.Custom_Regions_On = moved.Regions_Only = 1;
    moved.Custom_Regions.push_back({{0, 0, 0, 0}});
    QCOMPARE(Sheet_Kind_Text(moved),
             QStringLiteral("3 boards of 6x6-wide and 9x9 with regions instead of blocks"));
    for (const auto& [name, text] : std::vector<std::pair<const char*, const char*>>{
             {"twin-region.zd2", "2 boards of 6x6-wide with extra regions"},
             {"symbols.zd2", "Classic 9x9 with symbols"},
             {"jigsaw.zd2", "Jigsaw 9x9"}}) {
        Puzzle_State sample;
        QCOMPARE(Load_Puzzle_File_Into(sample, std::string(TESSEL_PUZZLE_DIR "/") + name),
                 std::string());
        QCOMPARE(Sheet_Kind_Text(sample), QString::fromLatin1(text));
    }
}

// A 16x16 board writes 10 to 16 as A to G, as the window does: its sheet is the sheet of the
// same board using the symbols 1 to 9 and A to G.
void Puzzle_Sheet_Test::numbersAboveNineAsLetters() {
    Puzzle_State p;
    puzzle_builder::Add_Board(p, Board_Type_16x16, 16, 20, 20);
    Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
    for (int n = 1; n <= 16; ++n) {
        b.Cell_Values[n - 1][(n - 1) % 4 * 4] = n;
        b.Cell_Locked[n - 1][(n - 1) % 4 * 4] = 1;
    }
    const Sheet_Heading heading = Make_Sheet_Heading(p, QStringLiteral("s.zd2"), {});
    const QImage plain = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    const Sheet_Placement place = Place_Sheet(Lay_Out_Sheet(p), QSizeF(plain.size()), 100);
    const std::string letters = "123456789ABCDEFG";
    b.Use_Symbols = 1;
    b.Symbols.assign(letters.begin(), letters.end());
    const QImage symbols = Render_Sheet(p, heading, Sheet_Paper::A4, 100);
    const QRect figure = Box(place, 0, 0, 16, 16);
    QCOMPARE(plain.copy(figure), symbols.copy(figure));
    QVERIFY(Darkest(plain, Box(place, 15.12, 12.12, 15.88, 12.88)) < 40); // the G is there
}

void Puzzle_Sheet_Test::paperAndOrientation() {
    QCOMPARE(Locale_Sheet_Paper(QLocale(QLocale::English, QLocale::UnitedStates)),
             Sheet_Paper::Letter);
    QCOMPARE(Locale_Sheet_Paper(QLocale(QLocale::English, QLocale::UnitedKingdom)),
             Sheet_Paper::A4);
    Sheet_Paper paper = Sheet_Paper::A4;
    QVERIFY(Parse_Sheet_Paper("Letter", paper) && paper == Sheet_Paper::Letter);
    QVERIFY(Parse_Sheet_Paper("a4", paper) && paper == Sheet_Paper::A4);
    QVERIFY(!Parse_Sheet_Paper("a5", paper));
    // Sideways when the boards (not their numbers) are wider than high.
    QCOMPARE(Sheet_Orientation(Kind_Puzzle("samurai")), QPageLayout::Portrait);
    const Puzzle_State wide = Side_By_Side();
    QCOMPARE(Sheet_Orientation(wide), QPageLayout::Landscape);
    const QImage sheet =
        Render_Sheet(wide, Make_Sheet_Heading(wide, QString(), {}), Sheet_Paper::Letter, 100);
    QCOMPARE(sheet.size(), QSize(1100, 850));
    // As wide as the margins let it be, in the middle.
    const Sheet_Layout layout = Lay_Out_Sheet(wide);
    const Sheet_Placement place = Place_Sheet(layout, QSizeF(sheet.size()), 100);
    const qreal margin = 15 / 25.4 * 100;
    QVERIFY(qAbs(place.Figure_Origin.x() - margin) < 0.5);
    QVERIFY(qAbs(place.Cell * layout.Figure.width() - (1100 - 2 * margin)) < 0.5);
    QVERIFY(place.Figure_Origin.y() > place.Heading.bottom());
}

void Puzzle_Sheet_Test::windowAndToolPrintTheSheet() {
    Game_Fixture f;
    f.Dialogs.Printer_Output = f.Folder.filePath(QStringLiteral("empty.pdf"));
    f.Form1->Exchange->Print_Action->trigger();
    QVERIFY(!QFileInfo::exists(f.Dialogs.Printer_Output)); // nothing open: no dialog

    // The locale's paper, turned as the boards ask.
    const QLocale before;
    const auto print = [&](const QString& name, const QLocale& locale) {
        QLocale::setDefault(locale);
        f.Dialogs.Printer_Output = f.Folder.filePath(name);
        f.Form1->Exchange->Print_Action->trigger();
        QLocale::setDefault(before);
        return f.Dialogs.Printer_Output;
    };
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    f.Open(f.Write(QStringLiteral("wide.zd2"), Side_By_Side()));
    QCOMPARE(Media_Box(print(QStringLiteral("wide.pdf"), germany)), QSize(842, 595));
    f.Open(QStringLiteral(TESSEL_PUZZLE_DIR "/samurai.zd2"));
    QCOMPARE(Media_Box(print(QStringLiteral("letter.pdf"), us)), QSize(612, 792));
    const QString a4 = print(QStringLiteral("a4.pdf"), germany);
    QCOMPARE(Media_Box(a4), QSize(595, 842));
    QCOMPARE(f.Dialogs.Count(QStringLiteral("error")), 0);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        QSKIP("pdftoppm (poppler-utils) reads the printed pages back");
    }

    // The printed page is the sheet the painter draws (pdftoppm rounds 2479.2 x 3508.3 up);
    // a given fewer would show.
    const QImage printed = Pdf_Picture(a4, 300).copy(0, 0, 2479, 3508);
    Puzzle_State samurai;
    QCOMPARE(Load_Puzzle_File_Into(samurai, TESSEL_PUZZLE_DIR "/samurai.zd2"), std::string());
    const Sheet_Heading heading = Make_Sheet_Heading(samurai, QString(), Sheet_Level(samurai));
    QVERIFY(heading.Level.has_value());
    const double share =
        Differing_Share(printed, Render_Sheet(samurai, heading, Sheet_Paper::A4, 300));
    QVERIFY2(share < 1e-5, qPrintable(QString::number(share)));
    samurai.Sudoku_Boards[0].Cell_Values[1][0] = 0;
    QVERIFY(Differing_Share(printed, Render_Sheet(samurai, heading, Sheet_Paper::A4, 300)) > 3e-5);

    // The tool writes the window's page, pixel for pixel, with and without the labels (a title,
    // so that both head it alike; the window knows no file name).
    Puzzle_State twin;
    QCOMPARE(Load_Puzzle_File_Into(twin, TESSEL_PUZZLE_DIR "/twin-region.zd2"), std::string());
    twin.Info_Visible = 1; // a title is kept with the info panel
    twin.Puzzle_Title.Assign("Twin for the printer");
    const QString file = f.Write(QStringLiteral("twin.zd2"), twin);
    f.Open(file);
    long long ink[2] = {0, 0};
    for (const bool labels : {false, true}) {
        if (f.Game.Show_Labels != labels) {
            f.Form1->ShowLabels1Click();
        }
        const QString suffix = labels ? QStringLiteral("-labels.pdf") : QStringLiteral(".pdf");
        const QImage window = Pdf_Picture(print(QStringLiteral("window") + suffix, us), 72);
        QStringList args = {
            QStringLiteral("print"),   file,
            QStringLiteral("-o"),      f.Folder.filePath(QStringLiteral("tool") + suffix),
            QStringLiteral("--paper"), QStringLiteral("letter")};
        if (labels) {
            args << QStringLiteral("--labels");
        }
        QProcess tool;
        tool.start(QStringLiteral(TESSEL_PUZZLE_EXE), args);
        QVERIFY(tool.waitForFinished(120000) && tool.exitCode() == 0);
        QCOMPARE(window.size(), QSize(792, 612));
        QCOMPARE(Pdf_Picture(f.Folder.filePath(QStringLiteral("tool") + suffix), 72), window);
        for (int y = 0; y < window.height(); ++y) {
            for (int x = 0; x < window.width(); ++x) {
                ink[labels] += 255 - window.constScanLine(y)[x];
            }
        }
    }
    QVERIFY2(ink[1] > ink[0] + ink[0] / 100, "the labels are on the paper");
}

QTEST_MAIN(Puzzle_Sheet_Test)
#include "Puzzle_Sheet_Test.moc"
