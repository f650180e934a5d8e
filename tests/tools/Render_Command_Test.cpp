// `tessel-puzzle render`: the page of a puzzle file or text as a PNG or a PDF, drawn without
// a display, with labels and help as asked, and its refusals.

#include <QCoreApplication>
#include <QImage>
#include <sstream>

#include "model/Puzzle_File.h"
#include "page/Page_Render.h"
#include "page/Puzzle_Loading.h"
#include "palette/Board_Drawing.h"
#include "tests/tools/Tool_Test_Support.h"
#include "tools/tessel-puzzle/Commands.h"

using namespace tool_test;

namespace {

QImage Picture_Of(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// The sample as the game loads it, for the page's size.
Puzzle_State Loaded(const std::string& path) {
    Puzzle_State state;
    const std::string error = Load_Puzzle_File_Into(state, path);
    EXPECT_EQ(error, "");
    return state;
}

} // namespace

TEST(Render_Command, DrawsThePageOfAPuzzleFile) {
    const std::string out = Temp_Path("samurai.png");
    const Run_Result r = Run_Program({"render", Sample("samurai.zd2"), "-o", out});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const QImage page = Picture_Of(out);
    const QSize size = Page_Render_Size(Loaded(Sample("samurai.zd2")));
    ASSERT_EQ(page.size(), size);
    EXPECT_EQ(r.Out, "wrote " + out + ": 5 boards, page " + std::to_string(size.width()) + " x " +
                         std::to_string(size.height()) + " pixels\n");
    // The teal page in the corner and beyond the boards, white cells and black lines on them.
    EXPECT_EQ(page.pixel(0, 0), Colour_Of(Colour_Teal).rgb());
    EXPECT_EQ(page.pixel(size.width() - 1, size.height() - 1), Colour_Of(Colour_Teal).rgb());
    EXPECT_EQ(page.pixel(size.width() / 2, 5), Colour_Of(Colour_Teal).rgb()); // between corners
    const Puzzle_State game = Loaded(Sample("samurai.zd2"));
    const QRect first = Board_Page_Rect(game, 0);
    EXPECT_EQ(page.pixel(first.topLeft()), qRgb(0, 0, 0));
    bool white = false;
    bool green = false;
    for (int c = 0; c < 9; ++c) {
        const QRgb inside = page.pixel(first.left() + c * 30 + 4, first.top() + 4);
        const Sudoku_Boards_FrameWork& b = game.Sudoku_Boards[0];
        const bool given = b.Cell_Values[c][0] != 0 && b.Cell_Locked[c][0];
        EXPECT_EQ(inside, given ? Colour_Of(Colour_Pale_Green).rgb() : qRgb(255, 255, 255)) << c;
        (given ? green : white) = true;
    }
    EXPECT_TRUE(white && green);
}

TEST(Render_Command, LabelsAndHelpAsAsked) {
    const std::string plain = Temp_Path("plain.png");
    const std::string labels = Temp_Path("labels.png");
    const std::string help = Temp_Path("help.png");
    ASSERT_EQ(Run_Program({"render", Sample("classic-hard.zd2"), "-o", plain}).Exit, 0);
    ASSERT_EQ(Run_Program({"render", Sample("classic-hard.zd2"), "--labels", "-o", labels}).Exit,
              0);
    ASSERT_EQ(Run_Program({"render", Sample("classic-hard.zd2"), "-o", help, "--help-solve"}).Exit,
              0);
    // Labels are blue numbers in the empty cells; without labels there is no blue at all.
    const auto blue_pixels = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                n += c.blue() > 200 && c.red() < 120 && c.green() < 120;
            }
        }
        return n;
    };
    EXPECT_EQ(blue_pixels(Picture_Of(plain)), 0);
    EXPECT_GT(blue_pixels(Picture_Of(labels)), 100);
    // Help colours the cells by the game's own rules: a single candidate silver.
    Puzzle_State game;
    game.Help_Solve = true;
    ASSERT_EQ(Load_Puzzle_File_Into(game, Sample("classic-hard.zd2")), "");
    const QImage h = Picture_Of(help);
    const QRect at = Board_Page_Rect(game, 0);
    int silver = 0;
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            const QRgb corner = h.pixel(at.left() + c * 30 + 4, at.top() + r * 30 + 4);
            EXPECT_EQ(corner, Colour_Of(Cell_Background(game, 0, c, r)).rgb()) << c << "," << r;
            silver += Cell_Background(game, 0, c, r) == Colour_Silver;
        }
    }
    EXPECT_GT(silver, 0);
}

TEST(Render_Command, ReadsPuzzleTextsAndPicksOneOfMany) {
    const std::string sdm = Temp_Path("render-three.sdm");
    Write_Text(
        sdm, "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......\n"
             "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....\n"
             ".6.5.1.9.1...9..539....7....4.8...7.......5.8.817.5.3.....5.2............76..8...\n");
    // The text's second puzzle drawn, the same as that puzzle imported and then drawn.
    const std::string direct = Temp_Path("render-second.png");
    const std::string imported = Temp_Path("render-second.zd2");
    const std::string via_file = Temp_Path("render-second-file.png");
    ASSERT_EQ(Run_Program({"render", sdm, "--index", "2", "-o", direct}).Exit, 0);
    ASSERT_EQ(Run_Program({"import", sdm, "--index", "2", "-o", imported}).Exit, 0);
    ASSERT_EQ(Run_Program({"render", imported, "-o", via_file}).Exit, 0);
    EXPECT_EQ(Picture_Of(direct), Picture_Of(via_file));
    const std::string first = Temp_Path("render-first.png");
    ASSERT_EQ(Run_Program({"render", sdm, "-o", first}).Exit, 0);
    EXPECT_NE(Picture_Of(first), Picture_Of(direct));

    const Run_Result past = Run_Program({"render", sdm, "--index", "4", "-o", Temp_Path("x.png")});
    EXPECT_EQ(past.Exit, 1);
    EXPECT_EQ(past.Err, sdm + ": The text holds 3 puzzles; there is no puzzle 4\n");
}

TEST(Render_Command, WritesAPdfThePagesSize) {
    const std::string out = Temp_Path("welcome.pdf");
    const Run_Result r = Run_Program({"render", Sample("welcome.zd2"), "-o", out});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const std::string pdf = Read_Text(out);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    const QSize size = Page_Render_Size(Loaded(Sample("welcome.zd2")));
    const std::string box = "/MediaBox [0 0 " + std::to_string(qRound(size.width() * 0.75)) +
                            ".000000 " + std::to_string(qRound(size.height() * 0.75)) + ".000000]";
    EXPECT_NE(pdf.find(box), std::string::npos) << box;
    EXPECT_NE(pdf.find("/Width 810"), std::string::npos); // the board, three times as sharp
}

TEST(Render_Command, Refusals) {
    // No output, or one in neither format: a usage error, nothing written.
    Run_Result r = Run_Program({"render", Sample("welcome.zd2")});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_NE(r.Err.find("render needs -o"), std::string::npos);
    r = Run_Program({"render", Sample("welcome.zd2"), "-o", Temp_Path("page.jpg")});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err, "tessel-puzzle: render writes a .png or a .pdf file, not " +
                         Temp_Path("page.jpg") + "\n");
    EXPECT_FALSE(Exists(Temp_Path("page.jpg")));

    // A refused puzzle: the reader's or the importer's message.
    r = Run_Program({"render", Temp_Path("missing.zd2"), "-o", Temp_Path("m.png")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err, Temp_Path("missing.zd2") + ": File not found\n");
    const std::string bad = std::string(TESSEL_TEST_DATA) + "/malformed-text/ss-row-ten-cells.ss";
    r = Run_Program({"render", bad, "-o", Temp_Path("bad.png")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err, bad + ": Line 6 has 10 cells; a row needs 9\n");
    EXPECT_FALSE(Exists(Temp_Path("bad.png")));

    // A target that cannot be written.
    r = Run_Program({"render", Sample("welcome.zd2"), "-o", Temp_Path("no-folder/page.png")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err.rfind(Temp_Path("no-folder/page.png") + ": Cannot export the page: ", 0), 0u)
        << r.Err;
}

TEST(Render_Command, TheGuiApplicationLastsForTheCommandAlone) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    for (int round = 0; round < 2; ++round) {
        std::ostringstream out;
        std::ostringstream err;
        const std::string target = Temp_Path("in-process-" + std::to_string(round) + ".png");
        EXPECT_EQ(Run_Tool({"render", Sample("6x6-wide.zd2"), "-o", target}, out, err), 0)
            << err.str();
        EXPECT_EQ(QCoreApplication::instance(), nullptr);
        EXPECT_FALSE(Picture_Of(target).isNull());
    }
    // The other commands make none.
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(Run_Tool({"check", Sample("6x6-wide.zd2")}, out, err), 0);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}
