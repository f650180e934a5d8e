// `tessel-puzzle import`: what it writes and reports, which puzzle of a many-puzzle file it
// takes, and how it refuses.

#include <iostream>
#include <sstream>

#include "io/Puzzle_File.h"
#include "io/Text_Import.h"
#include "tests/tools/Tool_Test_Support.h"
#include "tools/tessel-puzzle/Commands.h"

using namespace tool_test;

namespace {

const std::string First =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string Second =
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....";

// Runs the tool in this process with the text as its standard input.
Run_Result Run_With_Input(const std::vector<std::string>& args, const std::string& input) {
    std::istringstream in(input);
    std::streambuf* const saved = std::cin.rdbuf(in.rdbuf());
    std::ostringstream out;
    std::ostringstream err;
    Run_Result r;
    r.Exit = Run_Tool(args, out, err);
    std::cin.rdbuf(saved);
    std::cin.clear();
    r.Out = out.str();
    r.Err = err.str();
    return r;
}

} // namespace

TEST(Import_Command, PicksThePuzzleOfAnSdmFileAndReportsIt) {
    const std::string sdm = Temp_Path("three.sdm");
    Write_Text(sdm, First + "\r\n" + Second + "\r\n" + First + "\r\n");
    const std::string out = Temp_Path("second.zd2");
    const Run_Result r = Run_Program({"import", sdm, "--index", "2", "-o", out});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, "wrote " + out + ": sdm, puzzle 2 of 3, 9x9, 17 givens\n");
    const Puzzle_Read_Result written = Read_Puzzle_File(out);
    ASSERT_TRUE(written.Ok()) << written.Error;
    EXPECT_EQ(written.Puzzle.Sudoku_Boards.at(0).Cell_Values[0][0], 5); // the second's "52..."

    // The first puzzle without --index: the file the importer's puzzle makes.
    const std::string first = Temp_Path("first.zd2");
    ASSERT_EQ(Run_Program({"import", sdm, "-o", first}).Exit, 0);
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(Import_Puzzle_Text(First).Puzzle);
    EXPECT_EQ(Read_Text(first), std::string(bytes.begin(), bytes.end()));
}

TEST(Import_Command, ReadsStandardInput) {
    const std::string out = Temp_Path("from-input.zd2");
    std::string rows;
    for (int k = 0; k < 6; ++k) {
        rows += k == 0 ? "1.|..|..\n" : "..|..|..\n";
    }
    const Run_Result six = Run_With_Input({"import", "-", "-o", out}, rows);
    ASSERT_EQ(six.Exit, 0) << six.Err;
    EXPECT_EQ(six.Out, "wrote " + out + ": ss, puzzle 1 of 1, 6x6-tall, 1 given\n");

    // Too much input is refused without being read to its end.
    const Run_Result huge =
        Run_With_Input({"import", "-", "-o", out}, std::string(9 * 1024 * 1024, '.'));
    EXPECT_EQ(huge.Exit, 1);
    EXPECT_EQ(huge.Err, "standard input is too large to be a puzzle (more than 8 MiB).\n");
}

TEST(Import_Command, RefusalsWriteNothing) {
    const std::string out = Temp_Path("never-imported.zd2");
    const std::string sdm = Temp_Path("two.sdm");
    Write_Text(sdm, First + "\n" + Second + "\n");
    const Run_Result past = Run_Program({"import", sdm, "--index", "3", "-o", out});
    EXPECT_EQ(past.Exit, 1);
    EXPECT_EQ(past.Err, "two.sdm holds 2 puzzles; there is no puzzle 3.\n");
    EXPECT_TRUE(past.Out.empty());

    // Usage errors: no output, an index that is no whole number from 1, another command's option.
    const Run_Result no_output = Run_Program({"import", sdm});
    EXPECT_EQ(no_output.Exit, 2);
    EXPECT_NE(no_output.Err.find("import needs -o FILE"), std::string::npos);
    const Run_Result zero = Run_Program({"import", sdm, "--index", "0", "-o", out});
    EXPECT_EQ(zero.Exit, 2);
    EXPECT_NE(zero.Err.find("--index needs a whole number from 1"), std::string::npos);
    EXPECT_EQ(Run_Program({"import", sdm, "--limit", "2", "-o", out}).Exit, 2);
    EXPECT_FALSE(Exists(out));
}

TEST(Import_Command, DescriptionsAndTheUsageText) {
    const std::string out = Temp_Path("samurai-imported.zd2");
    const Run_Result r = Run_Program({"import", Sample("src/samurai.txt"), "-o", out});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find(": description, puzzle 1 of 1, 5 boards, "), std::string::npos) << r.Out;
    EXPECT_EQ(Run_Program({"check", out}).Exit, 0);
    EXPECT_NE(Run_Program({"help"}).Out.find("import FILE [--index K] -o OUT"), std::string::npos);
}
