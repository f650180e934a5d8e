// The tool on boards of 4 to 16 numbers: generate names the kind and its level (and says so
// when a 4x4 is asked for more than it can be), info names the kind and its blocks, import
// takes --tall for a text that does not show its blocks, and render draws the board's page.

#include "tests/tools/Tool_Test_Support.h"

using namespace tool_test;

TEST(Board_Sizes_Tool, GenerateAndInfoNameTheKind) {
    const struct {
        const char* Kind;
        const char* Level;
        const char* Blocks;
    } kinds[] = {{"16x16", "hard", "blocks 4x4"},
                 {"12x12-tall", "expert", "blocks 3x4"},
                 {"8x8-wide", "extreme", "blocks 4x2"}};
    for (const auto& k : kinds) {
        const std::string out = Temp_Path(std::string(k.Kind) + ".zd2");
        const Run_Result r =
            Run_Program({"generate", k.Kind, "--seed", "4", "--level", k.Level, "-o", out});
        ASSERT_EQ(r.Exit, 0) << k.Kind << ": " << r.Err;
        EXPECT_NE(r.Out.find(std::string(k.Kind) + ", seed 4, level " + k.Level + " (asked " +
                             k.Level + ")"),
                  std::string::npos)
            << r.Out;
        EXPECT_EQ(Run_Program({"solve", out}).Out, "unique\n") << k.Kind;
        EXPECT_NE(
            Run_Program({"info", out}).Out.find(std::string("board 0: ") + k.Kind + ", size "),
            std::string::npos);
        EXPECT_NE(Run_Program({"info", out}).Out.find(k.Blocks), std::string::npos);
    }
    const std::string four = Temp_Path("4x4.zd2");
    const Run_Result r = Run_Program({"generate", "4x4", "--level", "hard", "-o", four});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find("level easy (asked hard)"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("a 4x4 puzzle is never harder than easy"), std::string::npos) << r.Out;
    EXPECT_NE(Run_Program({"help"}).Out.find("12x12-tall, 16x16"), std::string::npos);
}

TEST(Board_Sizes_Tool, ImportTallAndRender) {
    // An 8x8 on one line: wide blocks unless --tall.
    std::string line(64, '.');
    line[0] = '8';
    line[9] = '7';
    const std::string text = Temp_Path("eight.txt");
    Write_Text(text, line + "\n");
    const std::string out = Temp_Path("eight.zd2");
    const Run_Result wide = Run_Program({"import", text, "-o", out});
    ASSERT_EQ(wide.Exit, 0) << wide.Err;
    EXPECT_NE(wide.Out.find(": one line, puzzle 1 of 1, 8x8-wide, 2 givens"), std::string::npos)
        << wide.Out;
    const Run_Result tall = Run_Program({"import", text, "--tall", "-o", out});
    ASSERT_EQ(tall.Exit, 0) << tall.Err;
    EXPECT_NE(tall.Out.find("8x8-tall"), std::string::npos) << tall.Out;

    // A 16x16 text drawn: one board of 16 cells of 30 pixels at the one-cell margin.
    std::string sixteen(256, '.');
    sixteen[0] = 'G';
    sixteen[17] = 'a';
    const std::string big = Temp_Path("sixteen.txt");
    Write_Text(big, sixteen + "\n");
    const std::string png = Temp_Path("sixteen.png");
    const Run_Result drawn = Run_Program({"render", big, "--labels", "-o", png});
    ASSERT_EQ(drawn.Exit, 0) << drawn.Err;
    const int side = 31 + 16 * 30 + 8;
    EXPECT_NE(drawn.Out.find("1 board, page " + std::to_string(side) + " x " +
                             std::to_string(side) + " pixels"),
              std::string::npos)
        << drawn.Out;
    EXPECT_TRUE(Exists(png));
}
