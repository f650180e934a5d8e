// `tessel-puzzle print`: the puzzle sheet as a PDF on the paper asked or the locale's, its
// report, its refusals, and a program without the widget library. That its page is the
// window's printed page is checked in tests/gui/Puzzle_Sheet_Test.cpp.

#include <QCoreApplication>
#include <cstdlib>
#include <sstream>

#include "io/Puzzle_File.h"
#include "logic/Grading.h"
#include "tests/Puzzle_Builder.h"
#include "tests/tools/Tool_Test_Support.h"
#include "tools/tessel-puzzle/Commands.h"

using namespace tool_test;

namespace {

// The page's size in whole points, as "WxH".
std::string Media_Box(const std::string& path) {
    const std::string pdf = Read_Text(path);
    const std::size_t at = pdf.find("/MediaBox [0 0 ");
    double w = 0;
    double h = 0;
    std::istringstream(at == std::string::npos ? "" : pdf.substr(at + 15, 40)) >> w >> h;
    return std::to_string(int(w + 0.5)) + "x" + std::to_string(int(h + 0.5));
}

Run_Result Run_In_Locale(const char* locale, const std::vector<std::string>& args) {
    setenv("LC_ALL", locale, 1);
    const Run_Result r = Run_Program(args);
    unsetenv("LC_ALL");
    return r;
}

} // namespace

TEST(Print_Command, WritesTheSheetOnThePaperAskedOrTheLocales) {
    const std::string samurai = Sample("samurai.zd2");
    const Puzzle_Read_Result read = Read_Puzzle_File(samurai);
    ASSERT_TRUE(read.Ok());
    const std::string out = Temp_Path("samurai.pdf");
    Run_Result r = Run_In_Locale("en_US.UTF-8", {"print", samurai, "-o", out, "--paper", "a4"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, "wrote " + out + ": 5 boards, A4 portrait, Samurai (5 grids), level " +
                         Level_Name(Grade_Puzzle(read.Puzzle).Level) + "\n");
    EXPECT_EQ(Read_Text(out).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(Media_Box(out), "595x842");
    r = Run_In_Locale("de_DE.UTF-8", {"print", "--paper", "LETTER", samurai, "-o", out});
    EXPECT_NE(r.Out.find(": 5 boards, Letter portrait, "), std::string::npos) << r.Out;
    EXPECT_EQ(Media_Box(out), "612x792");
    // Without --paper: Letter where the locale measures in US units, else A4.
    Run_In_Locale("en_US.UTF-8", {"print", samurai, "-o", out});
    EXPECT_EQ(Media_Box(out), "612x792");
    Run_In_Locale("de_DE.UTF-8", {"print", samurai, "-o", out});
    EXPECT_EQ(Media_Box(out), "595x842");

    // Boards side by side with no title and no givens: sideways, the file's name for a title
    // (in the PDF's title, UTF-16 after a byte order mark), no level (many solutions).
    Puzzle_State wide;
    puzzle_builder::Add_Board(wide, Board_Type_9x9, 9, 20, 20);
    puzzle_builder::Add_Board(wide, Board_Type_9x9, 9, 240, 20);
    const std::string file = Temp_Path("wide.zd2");
    ASSERT_EQ(Write_Puzzle_File(file, wide), "");
    r = Run_Program({"print", file, "-o", out, "--paper", "a4"});
    EXPECT_EQ(r.Out, "wrote " + out + ": 2 boards, A4 landscape, 2 boards of 9x9, level unknown\n");
    EXPECT_EQ(Media_Box(out), "842x595");
    std::string title = "/Title (\xFE\xFF";
    for (const char c : std::string("wide.zd2")) {
        title += std::string(1, '\0') + c;
    }
    EXPECT_NE(Read_Text(out).find(title + ")"), std::string::npos);

    // A puzzle text, one of several, as render reads it.
    const std::string list = Temp_Path("two.sdm");
    Write_Text(list, std::string(81, '0') + "\n530070000600195000098000060800060003400803001"
                                            "700020006060000280000419005000080079\n");
    r = Run_Program({"print", list, "--index", "2", "-o", out, "--paper", "a4"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find(": 1 board, A4 portrait, Classic 9x9, level "), std::string::npos);
    EXPECT_EQ(r.Out.find("level unknown"), std::string::npos) << r.Out;
}

TEST(Print_Command, Refusals) {
    const std::string welcome = Sample("welcome.zd2");
    // Usage errors (2), nothing written: not a PDF, an unknown paper, no output, an option of
    // render's.
    Run_Result r = Run_Program({"print", welcome, "-o", Temp_Path("sheet.png")});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err,
              "tessel-puzzle: print writes a .pdf file, not " + Temp_Path("sheet.png") + "\n");
    r = Run_Program({"print", welcome, "-o", Temp_Path("a5.pdf"), "--paper", "a5"});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Err.rfind("tessel-puzzle: --paper is a4 or letter, not \"a5\"\nusage:", 0), 0u);
    r = Run_Program({"print", welcome, "--labels"});
    EXPECT_EQ(r.Err.rfind("tessel-puzzle: print needs -o OUT.pdf\n", 0), 0u) << r.Err;
    EXPECT_EQ(Run_Program({"print", welcome, "-o", Temp_Path("h.pdf"), "--help-solve"}).Exit, 2);
    EXPECT_FALSE(Exists(Temp_Path("sheet.png")) || Exists(Temp_Path("a5.pdf")) ||
                 Exists(Temp_Path("h.pdf")));

    // A refused puzzle, a target that cannot be written (1).
    r = Run_Program({"print", Temp_Path("missing.zd2"), "-o", Temp_Path("m.pdf")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Err, Temp_Path("missing.zd2") + ": File not found\n");
    EXPECT_FALSE(Exists(Temp_Path("m.pdf")));
    r = Run_Program({"print", welcome, "-o", Temp_Path("no-folder/sheet.pdf")});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(
        r.Err.rfind(Temp_Path("no-folder/sheet.pdf") + ": Cannot write the puzzle sheet: ", 0), 0u)
        << r.Err;
}

TEST(Print_Command, NeedsNoWidgetLibrary) {
    // In process the GUI application lasts for the command alone, as for render.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    std::ostringstream out;
    std::ostringstream err;
    const std::string target = Temp_Path("in-process.pdf");
    EXPECT_EQ(Run_Tool({"print", Sample("6x6-wide.zd2"), "-o", target, "--labels"}, out, err), 0)
        << err.str();
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(Read_Text(target).rfind("%PDF-", 0), 0u);

    // The program loads neither Qt Widgets nor Qt Print Support.
    const std::string listing = Temp_Path("ldd.txt");
    ASSERT_EQ(
        std::system(("ldd '" + std::string(TESSEL_PUZZLE_EXE) + "' >'" + listing + "'").c_str()),
        0);
    const std::string libraries = Read_Text(listing);
    EXPECT_NE(libraries.find("libQt6Gui"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt6Widgets"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("libQt6PrintSupport"), std::string::npos) << libraries;
}
