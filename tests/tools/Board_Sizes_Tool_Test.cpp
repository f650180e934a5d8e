// The tool on boards of other sizes: generate names the kind and level (and says when a 4x4
// is asked for more than it can be), info its blocks, and import takes --tall.

#include "tests/tools/Tool_Test_Support.h"

using namespace tool_test;

TEST(Board_Sizes_Tool, GenerateInfoAndImportTall) {
    const std::string big = Temp_Path("16x16.zd2");
    const Run_Result hard =
        Run_Program({"generate", "16x16", "--seed", "4", "--level", "hard", "-o", big});
    EXPECT_NE(hard.Out.find("16x16, seed 4, level hard (asked hard)"), std::string::npos)
        << hard.Out << hard.Err;
    EXPECT_NE(Run_Program({"info", big}).Out.find("board 0: 16x16, size 16, blocks 4x4"),
              std::string::npos);
    const Run_Result four =
        Run_Program({"generate", "4x4", "--level", "hard", "-o", Temp_Path("4x4.zd2")});
    EXPECT_NE(four.Out.find("level easy (asked hard), score"), std::string::npos) << four.Out;
    EXPECT_NE(four.Out.find("a 4x4 puzzle is never harder than easy"), std::string::npos);

    const std::string text = Temp_Path("eight.txt");
    Write_Text(text, std::string(63, '.') + "8\n");
    const std::string out = Temp_Path("eight.zd2");
    EXPECT_NE(Run_Program({"import", text, "-o", out}).Out.find(", 8x8-wide, 1 given"),
              std::string::npos);
    EXPECT_NE(Run_Program({"import", text, "--tall", "-o", out}).Out.find(", 8x8-tall, 1 given"),
              std::string::npos);
}
