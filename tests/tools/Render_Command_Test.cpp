// `tessel-puzzle render`: the page of a puzzle file or text as a PNG or a PDF, drawn without
// a display, and its refusals. That it draws the window's page pixel for pixel, with labels
// and help as asked, is checked against the window in tests/gui/Page_Export_Test.cpp.

#include <QCoreApplication>
#include <QImage>
#include <sstream>

#include "render/Page_Render.h"
#include "session/Puzzle_Loading.h"
#include "tests/tools/Tool_Test_Support.h"
#include "tools/tessel-puzzle/Commands.h"

using namespace tool_test;

TEST(Render_Command, WritesThePageAsPngOrPdf) {
    Puzzle_State game;
    ASSERT_EQ(Load_Puzzle_File_Into(game, Sample("samurai.zd2")), "");
    const QSize size = Page_Render_Size(game);
    for (const char* name : {"samurai.png", "samurai.pdf"}) {
        const std::string out = Temp_Path(name);
        const Run_Result r = Run_Program({"render", Sample("samurai.zd2"), "-o", out});
        ASSERT_EQ(r.Exit, 0) << r.Err;
        EXPECT_EQ(r.Out, "wrote " + out + ": 5 boards, page " + std::to_string(size.width()) +
                             " x " + std::to_string(size.height()) + " pixels\n");
    }
    EXPECT_EQ(QImage(QString::fromStdString(Temp_Path("samurai.png"))).size(), size);
    EXPECT_EQ(Read_Text(Temp_Path("samurai.pdf")).rfind("%PDF-", 0), 0u);
}

TEST(Render_Command, Refusals) {
    // An output in neither format: a usage error, nothing written.
    Run_Result r = Run_Program({"render", Sample("welcome.zd2"), "-o", Temp_Path("page.jpg")});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err, "tessel-puzzle: render writes a .png or a .pdf file, not " +
                         Temp_Path("page.jpg") + "\n");
    EXPECT_FALSE(Exists(Temp_Path("page.jpg")));

    // A refused puzzle: the reader's or the importer's message.
    r = Run_Program({"render", Temp_Path("missing.zd2"), "-o", Temp_Path("m.png")});
    EXPECT_EQ(r.Err, Temp_Path("missing.zd2") + ": File not found\n");
    const std::string bad = std::string(TESSEL_TEST_DATA) + "/malformed-text/ss-row-ten-cells.ss";
    r = Run_Program({"render", bad, "-o", Temp_Path("bad.png")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err, "ss-row-ten-cells.ss, line 6: this row has 10 cells, but each row of a 9x9 "
                     "puzzle has 9.\n");
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
        EXPECT_FALSE(QImage(QString::fromStdString(target)).isNull());
    }
    // The other commands make none.
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(Run_Tool({"check", Sample("6x6-wide.zd2")}, out, err), 0);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}
