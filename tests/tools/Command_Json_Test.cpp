// The --json output of candidates, play and set-numbers, read back and checked cell by cell,
// and the refusals of play.

#include "tests/tools/Tool_Test_Support.h"

using namespace tool_test;

namespace {

// A 6x6 board (blocks 3 wide, 2 high) whose top row holds 1 to 5: the last cell of that row
// can only be 6, which the engine then removes from its column and block.
const char* const Small_Puzzle = "board 6x6-wide 20 20\n"
                                 "12345.\n"
                                 "......\n"
                                 "......\n"
                                 "......\n"
                                 "......\n"
                                 "......\n";

std::string Small_File() {
    const std::string txt = Temp_Path("small.txt");
    const std::string zd2 = Temp_Path("small.zd2");
    if (!Exists(zd2)) {
        Write_Text(txt, Small_Puzzle);
        EXPECT_EQ(Run_Program({"make", txt, "-o", zd2}).Exit, 0);
    }
    return zd2;
}

const Json& Cell(const Json& j, int board, int col, int row) {
    return j["boards"][board]["cells"][col][row];
}

} // namespace

TEST(Candidates_Json, SmallPuzzleCellByCell) {
    const Run_Result r = Run_Program({"candidates", Small_File(), "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    ASSERT_EQ(j["boards"].Items.size(), 1u);
    EXPECT_EQ(j["boards"][0]["type"].Value, 2);
    EXPECT_EQ(j["boards"][0]["size"].Value, 6);
    ASSERT_EQ(j["boards"][0]["cells"].Items.size(), 6u);
    EXPECT_EQ(j["boards"][0]["cells"][0].Items.size(), 6u);
    EXPECT_EQ(j["check"].Text, "none");

    // Givens: locked, and with 1..5 placed and 6 fixed in the row nothing is left for them.
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(Cell(j, 0, c, 0)["value"].Value, c + 1);
        EXPECT_TRUE(Cell(j, 0, c, 0)["locked"].Truth);
        EXPECT_EQ(Cell(j, 0, c, 0)["possible"].Ints(), std::vector<int>{});
    }
    const Json& last = Cell(j, 0, 5, 0);
    EXPECT_EQ(last["value"].Value, 0);
    EXPECT_FALSE(last["locked"].Truth);
    EXPECT_EQ(last["possible"].Ints(), std::vector<int>{6});
    EXPECT_EQ(last["candidates"].Ints(), std::vector<int>{6});

    // The block of the top right: 4 and 5 placed, 6 fixed.
    EXPECT_EQ(Cell(j, 0, 3, 1)["possible"].Ints(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Cell(j, 0, 5, 1)["possible"].Ints(), (std::vector<int>{1, 2, 3}));
    // The block of the top left holds 1, 2 and 3.
    EXPECT_EQ(Cell(j, 0, 1, 1)["possible"].Ints(), (std::vector<int>{4, 5, 6}));
    // Column 0 below the block only loses 1; column 5 only loses the fixed 6.
    EXPECT_EQ(Cell(j, 0, 0, 4)["possible"].Ints(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(Cell(j, 0, 5, 5)["candidates"].Ints(), (std::vector<int>{1, 2, 3, 4, 5}));
    // Away from the top blocks a cell only loses the given of its column.
    EXPECT_EQ(Cell(j, 0, 2, 4)["possible"].Ints(), (std::vector<int>{1, 2, 4, 5, 6}));
}

TEST(Play_Json, MovesInOrderThenVerdict) {
    // Fill the last cell of the top row, then put a 6 into column 5 again lower down and
    // clear it: the order matters, the clear wins.
    const Run_Result r = Run_Program(
        {"play", Small_File(), "--json", "--move", "0,5,0,6", "0,5,3,6", "--move", "0,5,3,0"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    EXPECT_EQ(Cell(j, 0, 5, 0)["value"].Value, 6);
    EXPECT_FALSE(Cell(j, 0, 5, 0)["locked"].Truth);
    EXPECT_EQ(Cell(j, 0, 5, 3)["value"].Value, 0);
    // With the row full its placed numbers are gone from every cell of column 5 below.
    EXPECT_EQ(Cell(j, 0, 5, 3)["possible"].Ints(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(j["check"].Text, "none");
}

TEST(Play_Json, DuplicateVerdictOnceFull) {
    // Fill the whole board with rows shifted by one: rows and columns are right, the
    // 3-wide blocks repeat numbers.
    std::vector<std::string> args = {"play", Small_File(), "--json"};
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            if (r == 0 && c < 5) {
                continue;
            }
            args.push_back("--move");
            args.push_back("0," + std::to_string(c) + "," + std::to_string(r) + "," +
                           std::to_string((c + r) % 6 + 1));
        }
    }
    const Run_Result r = Run_Program(args);
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(Parse_Json(r.Out)["check"].Text, "duplicates");
}

TEST(Play_Refusals, NothingIsWritten) {
    const std::string out = Temp_Path("refused.zd2");
    for (const std::vector<std::string>& move :
         {std::vector<std::string>{"--move", "1,0,0,1"},  // no board 1
          std::vector<std::string>{"--move", "0,6,0,1"},  // column outside the board
          std::vector<std::string>{"--move", "0,0,-1,1"}, // row outside the board
          std::vector<std::string>{"--move", "0,5,1,7"},  // 7 on a 6x6 board
          std::vector<std::string>{"--move", "0,0,0,2"},  // a locked given
          std::vector<std::string>{"--move", "0,1,2"}}) { // not four numbers
        std::vector<std::string> args = {"play", Small_File(), "-o", out};
        args.insert(args.end(), move.begin(), move.end());
        const Run_Result r = Run_Program(args);
        EXPECT_NE(r.Exit, 0) << move[1];
        EXPECT_FALSE(r.Err.empty()) << move[1];
        EXPECT_FALSE(Exists(out)) << move[1];
    }
}

TEST(Set_Numbers_Json, HelpDecidesWhetherTheMediumSampleIsFinished) {
    const Run_Result off =
        Run_Program({"set-numbers", Sample("6x6-wide.zd2"), "--repeat", "100", "--json"});
    const Run_Result on = Run_Program(
        {"set-numbers", Sample("6x6-wide.zd2"), "--repeat", "100", "--help-solve", "--json"});
    ASSERT_EQ(off.Exit, 0) << off.Err;
    ASSERT_EQ(on.Exit, 0) << on.Err;
    EXPECT_EQ(Parse_Json(off.Out)["check"].Text, "none");
    const Json j = Parse_Json(on.Out);
    EXPECT_EQ(j["check"].Text, "complete");
    for (const Json& column : j["boards"][0]["cells"].Items) {
        for (const Json& cell : column.Items) {
            EXPECT_GE(cell["value"].Value, 1);
        }
    }
}

TEST(Set_Numbers_Json, RepeatCountsRounds) {
    // One round on the small puzzle fills exactly the one single it has.
    const Run_Result r = Run_Program({"set-numbers", Small_File(), "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    int filled = 0;
    for (const Json& column : j["boards"][0]["cells"].Items) {
        for (const Json& cell : column.Items) {
            filled += cell["value"].Value != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(filled, 6);
    EXPECT_EQ(Cell(j, 0, 5, 0)["value"].Value, 6);
}
