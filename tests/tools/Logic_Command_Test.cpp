// hint, steps and grade (text and --json), and the batch forms solve --lines and grade
// --lines, through the program itself.

#include <set>

#include "tests/tools/Tool_Test_Support.h"

using namespace tool_test;

namespace {

std::string Made(const std::string& name, const std::string& description) {
    const std::string txt = Temp_Path(name + ".txt");
    const std::string zd2 = Temp_Path(name + ".zd2");
    if (!Exists(zd2)) {
        Write_Text(txt, description);
        EXPECT_EQ(Run_Program({"make", txt, "-o", zd2}).Exit, 0);
    }
    return zd2;
}

// Checks the fields of one step object and returns the numbers of its placements.
std::vector<std::vector<int>> Expect_Step_Shape(const Json& step) {
    EXPECT_EQ(step.Type, Json::Object);
    EXPECT_EQ(step["technique"].Type, Json::String);
    EXPECT_GT(step["score"].Value, 0);
    EXPECT_FALSE(step["text"].Text.empty());
    for (const char* list : {"placements", "eliminations"}) {
        EXPECT_EQ(step[list].Type, Json::Array) << list;
        for (const Json& p : step[list].Items) {
            EXPECT_EQ(p.Items.size(), 4U) << list;
        }
    }
    EXPECT_TRUE(!step["placements"].Items.empty() || !step["eliminations"].Items.empty());
    for (const Json& c : step["cells"].Items) {
        EXPECT_EQ(c.Items.size(), 3U);
    }
    const std::set<std::string> kinds = {"row", "column", "block", "region"};
    for (const Json& u : step["units"].Items) {
        EXPECT_EQ(kinds.count(u["kind"].Text), 1U) << u["kind"].Text;
        EXPECT_EQ(u["index"].Type, Json::Number);
        EXPECT_EQ(u["board"].Type, u["kind"].Text == "region" ? Json::Null : Json::Number);
    }
    std::vector<std::vector<int>> placed;
    for (const Json& p : step["placements"].Items) {
        placed.push_back(p.Ints());
    }
    return placed;
}

const char* const Open_Board = "board 9x9 20 20\n"
                               "1........\n.........\n.........\n.........\n.........\n"
                               ".........\n.........\n.........\n.........\n";

} // namespace

TEST(Logic_Commands, HintJsonIsOneStepEndingInANumber) {
    const Run_Result r = Run_Program({"hint", Sample("classic-easy.zd2"), "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out.find('\n'), r.Out.size() - 1) << "one line";
    const Json j = Parse_Json(r.Out);
    const auto placed = Expect_Step_Shape(j);
    ASSERT_EQ(placed.size(), 1U);
    EXPECT_EQ(placed[0], (std::vector<int>{0, 0, 4, 4})) << "row 5, column 1 can only hold 4";

    const Run_Result text = Run_Program({"hint", Sample("classic-easy.zd2")});
    EXPECT_EQ(text.Out, "Naked single: row 5, column 1 can only hold 4.\n");
}

TEST(Logic_Commands, HintNamesWrongEntriesAndSolutionCounts) {
    // Row 5, column 1 must hold 4: a 5 there is wrong.
    const std::string wrong = Temp_Path("wrong-entry.zd2");
    ASSERT_EQ(
        Run_Program({"play", Sample("classic-easy.zd2"), "--move", "0,0,4,5", "-o", wrong}).Exit,
        0);
    Run_Result r = Run_Program({"hint", wrong, "--json"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    ASSERT_EQ(j["wrong"].Items.size(), 1U);
    EXPECT_EQ(j["wrong"][0].Ints(), (std::vector<int>{0, 0, 4, 5}));
    EXPECT_EQ(Run_Program({"hint", wrong}).Out, "The 5 in row 5, column 1 is wrong.\n");

    r = Run_Program({"hint", Made("open-board", Open_Board), "--json"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "{\"solutions\": 2}\n");
    r = Run_Program({"hint",
                     Made("no-solution", "board 9x9 20 20\n"
                                         ".12345678\n9........\n.........\n.........\n"
                                         ".........\n.........\n.........\n.........\n"
                                         ".........\n"),
                     "--json"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "{\"solutions\": 0}\n");
}

TEST(Logic_Commands, StepsJsonSolvesEverySample) {
    for (const char* name : {"classic-hard.zd2", "samurai.zd2", "twin-region.zd2", "jigsaw.zd2"}) {
        const Run_Result r = Run_Program({"steps", Sample(name), "--json"});
        ASSERT_EQ(r.Exit, 0) << name << r.Err;
        const Json j = Parse_Json(r.Out);
        EXPECT_TRUE(j["solved"].Truth) << name;
        std::set<std::vector<int>> cells;
        for (const Json& step : j["steps"].Items) {
            for (const auto& p : Expect_Step_Shape(step)) {
                EXPECT_TRUE(cells.insert({p[0], p[1], p[2]}).second) << "a cell filled twice";
            }
        }
        EXPECT_FALSE(cells.empty());
    }
    // The Samurai's shared cells are filled on both boards at once.
    const Json samurai = Parse_Json(Run_Program({"steps", Sample("samurai.zd2"), "--json"}).Out);
    bool both = false;
    for (const Json& step : samurai["steps"].Items) {
        both = both || step["placements"].Items.size() == 2;
    }
    EXPECT_TRUE(both);
}

TEST(Logic_Commands, StepsStopWithAMessageWhenNoLogicIsLeft) {
    const Run_Result r = Run_Program({"steps", Made("open-board", Open_Board)});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "not solved\n");
    EXPECT_NE(r.Err.find("no logical step is left"), std::string::npos) << r.Err;
}

TEST(Logic_Commands, GradeJsonCountsTechniques) {
    const Run_Result r = Run_Program({"grade", Sample("classic-hard.zd2"), "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    EXPECT_EQ(j["level"].Text, "extreme");
    EXPECT_EQ(j["techniques"]["Trial"].Value, 1);
    const Json steps = Parse_Json(Run_Program({"steps", Sample("classic-hard.zd2"), "--json"}).Out);
    double score = 0;
    for (const Json& step : steps["steps"].Items) {
        score += step["score"].Value;
    }
    EXPECT_EQ(j["score"].Value, score);
    const Json easy = Parse_Json(Run_Program({"grade", Sample("6x6-wide.zd2"), "--json"}).Out);
    EXPECT_EQ(easy["level"].Text, "easy");
}

TEST(Logic_Commands, LinesGiveOneResultALine) {
    const std::string lines = Temp_Path("lines.txt");
    const std::string classic =
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    Write_Text(lines, classic + "\n\n" + std::string(81, '.') + "\nnot a puzzle\n" + ".12345678" +
                          "9" + std::string(71, '0') + "\n");
    Run_Result r = Run_Program({"solve", "--lines", lines});
    EXPECT_EQ(r.Exit, 1) << "a line was not a puzzle";
    // The empty grid: at least two solutions, the first one the search meets.
    EXPECT_EQ(r.Out, "1 534678912672195348198342567859761423426853791713924856961537284287419635"
                     "345286179\n"
                     "2 123456789456789123789123456231674895875912364694538217317265948542897631"
                     "968341572\ninvalid\n0\n");
    EXPECT_NE(r.Err.find("line 4: a line holds 81 cells, this one 12"), std::string::npos) << r.Err;

    Write_Text(lines, classic + "\n");
    r = Run_Program({"grade", "--lines", lines});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out.rfind("easy ", 0), 0U) << r.Out;
}

TEST(Logic_Commands, RefusalsAndBadArguments) {
    const std::string junk = Temp_Path("junk.zd2");
    Write_Text(junk, "not a puzzle");
    for (const char* command : {"hint", "steps", "grade"}) {
        const Run_Result r = Run_Program({command, junk});
        EXPECT_EQ(r.Exit, 1) << command;
        EXPECT_NE(r.Err.find(junk), std::string::npos) << r.Err;
    }
    EXPECT_EQ(Run_Program({"hint", junk, "--lines"}).Exit, 2);
    EXPECT_EQ(Run_Program({"grade", "--lines", "--json", junk}).Exit, 2);
    EXPECT_EQ(Run_Program({"solve", "--lines", junk, "-o", junk}).Exit, 2);
    EXPECT_EQ(Run_Program({"solve", "--lines", Temp_Path("missing.txt")}).Exit, 1);
}
