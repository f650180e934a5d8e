// hint, steps and grade (text and --json), and the batch forms solve --lines and grade
// --lines, through the program itself.

#include <set>

#include "tests/tools/Tool_Test_Support.h"

using namespace tool_test;

namespace {

// A board with a single given: many solutions, and no logical step.
std::string Open_Board() {
    const std::string txt = Temp_Path("open-board.txt");
    const std::string zd2 = Temp_Path("open-board.zd2");
    std::string text = "board 9x9 20 20\n1........\n";
    for (int r = 1; r < 9; ++r) {
        text += ".........\n";
    }
    Write_Text(txt, text);
    EXPECT_EQ(Run_Program({"make", txt, "-o", zd2}).Exit, 0);
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

} // namespace

TEST(Logic_Commands, HintNamesTheNextNumberWrongEntriesAndSolutionCounts) {
    Run_Result r = Run_Program({"hint", Sample("classic-easy.zd2"), "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out.find('\n'), r.Out.size() - 1) << "one line";
    const auto placed = Expect_Step_Shape(Parse_Json(r.Out));
    ASSERT_EQ(placed.size(), 1U);
    EXPECT_EQ(placed[0], (std::vector<int>{0, 0, 4, 4})) << "row 5, column 1 can only hold 4";
    EXPECT_EQ(Run_Program({"hint", Sample("classic-easy.zd2")}).Out,
              "Naked single: row 5, column 1 can only hold 4.\n");

    // Row 5, column 1 must hold 4: a 5 there is wrong.
    const std::string wrong = Temp_Path("wrong-entry.zd2");
    ASSERT_EQ(
        Run_Program({"play", Sample("classic-easy.zd2"), "--move", "0,0,4,5", "-o", wrong}).Exit,
        0);
    r = Run_Program({"hint", wrong, "--json"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    ASSERT_EQ(j["wrong"].Items.size(), 1U);
    EXPECT_EQ(j["wrong"][0].Ints(), (std::vector<int>{0, 0, 4, 5}));
    EXPECT_EQ(Run_Program({"hint", wrong}).Out, "The 5 in row 5, column 1 is wrong.\n");

    r = Run_Program({"hint", Open_Board(), "--json"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "{\"solutions\": 2}\n");
}

TEST(Logic_Commands, StepsJsonSolvesEverySampleAndStopsWhereNoLogicIsLeft) {
    for (const char* name : {"classic-hard.zd2", "samurai.zd2", "twin-region.zd2", "jigsaw.zd2"}) {
        const Run_Result r = Run_Program({"steps", Sample(name), "--json"});
        ASSERT_EQ(r.Exit, 0) << name << r.Err;
        const Json j = Parse_Json(r.Out);
        EXPECT_TRUE(j["solved"].Truth) << name;
        std::set<std::vector<int>> cells;
        bool both = false; // the Samurai's shared cells are filled on both boards at once
        for (const Json& step : j["steps"].Items) {
            const auto placed = Expect_Step_Shape(step);
            both = both || placed.size() == 2;
            for (const auto& p : placed) {
                EXPECT_TRUE(cells.insert({p[0], p[1], p[2]}).second) << "a cell filled twice";
            }
        }
        EXPECT_FALSE(cells.empty());
        EXPECT_EQ(both, std::string(name) == "samurai.zd2") << name;
    }

    // Steps stop with a message when no logic is left.
    const Run_Result r = Run_Program({"steps", Open_Board()});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_EQ(r.Out, "not solved\n");
    EXPECT_NE(r.Err.find("no logical step is left"), std::string::npos) << r.Err;
}

TEST(Logic_Commands, GradeJsonCountsTechniques) {
    const Run_Result r = Run_Program({"grade", Sample("classic-hard.zd2"), "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    const Json j = Parse_Json(r.Out);
    // Solved by named techniques alone now: rated on the SE scale, its level the band.
    EXPECT_EQ(j["level"].Text, "hard");
    EXPECT_GE(j["rating"].Value, 4.0);
    EXPECT_LT(j["rating"].Value, 6.0);
    EXPECT_GT(j["score"].Value, 1000);
    EXPECT_EQ(j["techniques"].Type, Json::Object);
    EXPECT_EQ(j["techniques"]["Trial"].Type, Json::Null);
}

TEST(Logic_Commands, LinesGiveOneResultALine) {
    const std::string lines = Temp_Path("lines.txt");
    const std::string classic =
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    std::string wrong = classic;
    wrong[40] = 'x';
    Write_Text(lines, classic + "\n\n" + std::string(81, '.') + "\nnot a puzzle\n" + ".12345678" +
                          "9" + std::string(71, '0') + "\n  " + classic + "\r\n" + wrong + "\n");
    Run_Result r = Run_Program({"solve", "--lines", lines});
    EXPECT_EQ(r.Exit, 1) << "a line was not a puzzle";
    // The empty grid: at least two solutions, the first one the search meets.
    EXPECT_EQ(r.Out, "1 534678912672195348198342567859761423426853791713924856961537284287419635"
                     "345286179\n"
                     "2 123456789456789123789123456231674895875912364694538217317265948542897631"
                     "968341572\ninvalid\n0\n1 5346789126721953481983425678597614234268537917139248"
                     "56961537284287419635345286179\ninvalid\n");
    EXPECT_NE(r.Err.find("line 4: a line holds 81 cells, this one 12"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("line 7: cell 41 is 'x', not a digit or ."), std::string::npos) << r.Err;

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
