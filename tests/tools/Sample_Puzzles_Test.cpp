// The sample puzzles: valid, made from their descriptions, unique, and playable to
// completion by replaying their solution through the program.

#include "tests/tools/Tool_Test_Support.h"

#include "io/Puzzle_File.h"
#include "logic/Game_Help.h"
#include "logic/Generator.h"
#include "logic/Solver.h"

using namespace tool_test;

namespace {

const char* const Samples[] = {"classic-easy", "classic-hard", "6x6-wide", "6x6-tall", "samurai",
                               "jigsaw",       "twin-region",  "symbols",  "welcome"};

Puzzle_State Read(const std::string& name) {
    Puzzle_Read_Result r = Read_Puzzle_File(Sample(name + ".zd2"));
    EXPECT_TRUE(r.Ok()) << name << ": " << r.Error;
    return std::move(r.Puzzle);
}

} // namespace

TEST(Sample_Puzzles, CheckedMadeFromTheirDescriptionsAndKeptByteForByte) {
    for (const char* name : Samples) {
        const std::string file = Sample(std::string(name) + ".zd2");
        const Run_Result check = Run_Program({"check", file});
        EXPECT_EQ(check.Exit, 0) << name << ": " << check.Err;

        const std::string made = Temp_Path(std::string(name) + "-made.zd2");
        const Run_Result make =
            Run_Program({"make", Sample(std::string("src/") + name + ".txt"), "-o", made});
        ASSERT_EQ(make.Exit, 0) << name << ": " << make.Err;
        EXPECT_EQ(Read_Text(made), Read_Text(file)) << name << " differs from its description";

        // Loading and saving without a move gives back the same bytes.
        const std::string saved = Temp_Path(std::string(name) + "-saved.zd2");
        ASSERT_EQ(Run_Program({"play", file, "-o", saved}).Exit, 0) << name;
        EXPECT_EQ(Read_Text(saved), Read_Text(file)) << name;
    }
}

TEST(Sample_Puzzles, UniqueAndGraded) {
    for (const char* name : Samples) {
        EXPECT_EQ(Run_Program({"solve", Sample(std::string(name) + ".zd2")}).Out, "unique\n")
            << name;
    }
    EXPECT_EQ(Grade_By_Game_Help(Read("classic-easy")), Puzzle_Level::Easy);
    EXPECT_EQ(Grade_By_Game_Help(Read("classic-hard")), Puzzle_Level::Hard);
}

TEST(Sample_Puzzles, KindsAndPanel) {
    const Puzzle_State samurai = Read("samurai");
    EXPECT_EQ(samurai.Sudoku_Boards.size(), 5u);
    const Puzzle_State jigsaw = Read("jigsaw");
    EXPECT_TRUE(jigsaw.Regions_Only && jigsaw.Custom_Regions_On);
    const Puzzle_State twin = Read("twin-region");
    ASSERT_EQ(twin.Custom_Regions.size(), 1u);
    EXPECT_NE(twin.Custom_Regions[0].front().Board, twin.Custom_Regions[0].back().Board);
    EXPECT_TRUE(Read("symbols").Sudoku_Boards[0].Use_Symbols);
    EXPECT_TRUE(Read("6x6-wide").Sudoku_Boards[0].Wide_Blocks);
    EXPECT_FALSE(Read("6x6-tall").Sudoku_Boards[0].Wide_Blocks);
    const Puzzle_State welcome = Read("welcome");
    EXPECT_TRUE(welcome.Info_Visible);
    EXPECT_FALSE(welcome.Puzzle_Title.Text().empty());
    EXPECT_EQ(welcome.Puzzle_Link.Text().rfind("https://", 0), 0u);
    // The board sits below the info panel (8 + 49 pixels high; 20 file units = 30 pixels).
    EXPECT_GE(welcome.Board_Positions[0].Y * 30 / 20, 8 + 49);
}

TEST(Sample_Puzzles, ReplayingTheSolutionCompletesThem) {
    for (const char* name : Samples) {
        Puzzle_State p = Read(name);
        const Constraint_Structure s = Build_Constraint_Structure(p);
        const Solve_Result solved = Solve_Structure(s, 1);
        ASSERT_EQ(solved.Count, 1) << name;
        Puzzle_State answer = p;
        Apply_Solution(answer, s, solved.Solution);
        // One move per empty cell; a shared cell is entered once, its copies follow.
        std::vector<std::string> args = {"play", Sample(std::string(name) + ".zd2"), "--json"};
        std::vector<char> entered(s.Var_Count, 0);
        for (std::size_t b = 0; b < p.Sudoku_Boards.size(); ++b) {
            const auto& board = p.Sudoku_Boards[b];
            for (int c = 0; c < board.Cols; ++c) {
                for (int r = 0; r < board.Rows; ++r) {
                    const int v = s.Var_Of_Cell[s.Cell_Index(static_cast<int>(b), c, r, p)];
                    if (board.Cell_Values[c][r] != 0 || entered[v]) {
                        continue;
                    }
                    entered[v] = 1;
                    args.push_back("--move");
                    args.push_back(std::to_string(b) + "," + std::to_string(c) + "," +
                                   std::to_string(r) + "," +
                                   std::to_string(answer.Sudoku_Boards[b].Cell_Values[c][r]));
                }
            }
        }
        const Run_Result run = Run_Program(args);
        ASSERT_EQ(run.Exit, 0) << name << ": " << run.Err;
        const Json j = Parse_Json(run.Out);
        EXPECT_EQ(j["check"].Text, "complete") << name;
        for (std::size_t b = 0; b < p.Sudoku_Boards.size(); ++b) {
            for (int c = 0; c < p.Sudoku_Boards[b].Cols; ++c) {
                for (int r = 0; r < p.Sudoku_Boards[b].Rows; ++r) {
                    EXPECT_EQ(j["boards"][b]["cells"][c][r]["value"].Value,
                              answer.Sudoku_Boards[b].Cell_Values[c][r])
                        << name << " board " << b;
                }
            }
        }
    }
}
