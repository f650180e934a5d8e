// The other subcommands as a user runs them: messages, exit codes, and no partial files.

#include "tests/tools/Tool_Test_Support.h"

using namespace tool_test;

TEST(Command_Line, BadArgumentsAreRefused) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{},
          {"frobnicate"},
          {"info"},
          {"info", Sample("classic-easy.zd2"), "extra"},
          {"candidates", Sample("classic-easy.zd2"), "--bogus"},
          {"solve", Sample("classic-easy.zd2"), "--limit", "0"},
          {"solve", Sample("classic-easy.zd2"), "--limit"},
          {"set-numbers", Sample("classic-easy.zd2"), "--repeat", "x"},
          {"generate", "classic", "--level", "insane", "-o", Temp_Path("never.zd2")},
          {"generate", "hexagon", "-o", Temp_Path("never.zd2")},
          {"generate", "classic", "--seed", "-4", "-o", Temp_Path("never.zd2")},
          {"generate", "classic", "--symmetry", "diagonal", "-o", Temp_Path("never.zd2")},
          {"generate", "classic", "--symmetry", "-o", Temp_Path("never.zd2")},
          {"generate", "classic"},
          {"make", Sample("src/classic-easy.txt")}}) {
        const Run_Result r = Run_Program(args);
        EXPECT_EQ(r.Exit, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.Err.find("usage"), std::string::npos);
    }
    EXPECT_FALSE(Exists(Temp_Path("never.zd2")));
}

TEST(Command_Line, RefusedFilesGiveTheReadersMessage) {
    const std::string good = Read_Text(Sample("classic-easy.zd2"));
    const std::string cut = Temp_Path("cut.zd2");
    Write_Text(cut, good.substr(0, 400));
    const std::string newer = Temp_Path("newer.zd2");
    std::string v2 = good;
    v2[7] = '\x40'; // 2.0
    Write_Text(newer, v2);
    for (const std::string command :
         {"info", "check", "candidates", "play", "set-numbers", "solve"}) {
        for (const std::string& file : {cut, newer, Temp_Path("missing.zd2")}) {
            const Run_Result r = Run_Program({command, file});
            EXPECT_EQ(r.Exit, 1) << command << " " << file;
            EXPECT_NE(r.Err.find(file), std::string::npos) << command;
            EXPECT_TRUE(r.Out.empty()) << command;
        }
    }
    EXPECT_NE(Run_Program({"check", newer}).Err.find("new version"), std::string::npos);
    EXPECT_EQ(Run_Program({"check", Sample("samurai.zd2")}).Exit, 0);
}

TEST(Command_Line, SolveVerdictsAndSolvedFile) {
    EXPECT_EQ(Run_Program({"solve", Sample("classic-hard.zd2")}).Out, "unique\n");
    EXPECT_EQ(Run_Program({"solve", Sample("classic-hard.zd2"), "--limit", "1"}).Out,
              "at least 1 solution\n");

    // Clearing givens through play opens the puzzle up; a wrong entry closes it.
    const std::string open = Temp_Path("open.zd2");
    Write_Text(Temp_Path("open.txt"), "board 6x6-wide 20 20\n1.....\n......\n......\n"
                                      "......\n......\n......\n");
    ASSERT_EQ(Run_Program({"make", Temp_Path("open.txt"), "-o", open}).Exit, 0);
    EXPECT_EQ(Run_Program({"solve", open}).Out, "at least 2 solutions\n");
    EXPECT_EQ(Run_Program({"solve", open, "--limit", "5"}).Out, "at least 5 solutions\n");
    const std::string wrong = Temp_Path("wrong.zd2");
    ASSERT_EQ(Run_Program({"play", open, "--move", "0,1,1,1", "-o", wrong}).Exit, 0);
    EXPECT_EQ(Run_Program({"solve", wrong}).Out, "no solution\n");
    const std::string not_written = Temp_Path("not-written.zd2");
    EXPECT_EQ(Run_Program({"solve", wrong, "-o", not_written}).Exit, 1);
    EXPECT_FALSE(Exists(not_written));

    const std::string solved = Temp_Path("solved.zd2");
    ASSERT_EQ(Run_Program({"solve", Sample("samurai.zd2"), "-o", solved}).Exit, 0);
    const Run_Result c = Run_Program({"candidates", solved, "--json"});
    EXPECT_EQ(Parse_Json(c.Out)["check"].Text, "complete");
}

TEST(Command_Line, MakeRefusesBadDescriptionsWithoutWriting) {
    const std::string txt = Temp_Path("bad.txt");
    const std::string out = Temp_Path("bad.zd2");
    Write_Text(txt, "board 9x9 20 20\n123\n");
    const Run_Result r = Run_Program({"make", txt, "-o", out});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("line 2"), std::string::npos);
    EXPECT_FALSE(Exists(out));
    EXPECT_EQ(Run_Program({"make", Temp_Path("absent.txt"), "-o", out}).Exit, 1);
    EXPECT_FALSE(Exists(out));
}

TEST(Command_Line, GenerateReportsTheLevelAndIsReproducible) {
    const std::string a = Temp_Path("gen-a.zd2");
    const std::string b = Temp_Path("gen-b.zd2");
    const Run_Result r =
        Run_Program({"generate", "6x6-tall", "--seed", "9", "--level", "easy", "-o", a});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find("level easy (asked easy), score "), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("seed 9"), std::string::npos);
    EXPECT_NE(r.Out.find(", symmetric"), std::string::npos);
    ASSERT_EQ(Run_Program({"generate", "6x6-tall", "--seed", "9", "--level", "easy", "-o", b}).Exit,
              0);
    EXPECT_EQ(Read_Text(a), Read_Text(b));
    EXPECT_EQ(Run_Program({"solve", a}).Out, "unique\n");
    // Easy needs singles only, which "Set Numbers" with help finds.
    const Run_Result filled =
        Run_Program({"set-numbers", a, "--help-solve", "--repeat", "100", "--json"});
    EXPECT_EQ(Parse_Json(filled.Out)["check"].Text, "complete");
}

TEST(Command_Line, GenerateTheNewFiguresWithAndWithoutSymmetry) {
    const std::string w = Temp_Path("windmill.zd2");
    const Run_Result r = Run_Program(
        {"generate", "windmill", "--seed", "3", "--symmetry", "none", "--level", "hard", "-o", w});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find("windmill, seed 3, level "), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("(asked hard)"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("not symmetric"), std::string::npos) << r.Out;
    EXPECT_EQ(Run_Program({"solve", w}).Out, "unique\n");
    EXPECT_NE(Run_Program({"info", w}).Out.find("boards: 5"), std::string::npos);
    for (const char* kind : {"twin", "butterfly", "sohei"}) {
        const std::string out = Temp_Path(std::string(kind) + ".zd2");
        const Run_Result k = Run_Program({"generate", kind, "--seed", "1", "-o", out});
        ASSERT_EQ(k.Exit, 0) << kind << ": " << k.Err;
        EXPECT_NE(k.Out.find("(asked medium)"), std::string::npos) << k.Out;
        EXPECT_EQ(Run_Program({"solve", out}).Out, "unique\n") << kind;
    }
}

TEST(Command_Line, InfoSummarises) {
    const Run_Result r = Run_Program({"info", Sample("welcome.zd2")});
    ASSERT_EQ(r.Exit, 0);
    EXPECT_NE(r.Out.find("title: Welcome"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("link: https://"), std::string::npos);
    EXPECT_NE(r.Out.find("info panel: shown at 10,8"), std::string::npos);
    const Run_Result s = Run_Program({"info", Sample("samurai.zd2")});
    EXPECT_NE(s.Out.find("boards: 5"), std::string::npos);
    EXPECT_NE(s.Out.find("link to board 2: this (7,7) other (1,1)"), std::string::npos) << s.Out;
    const Run_Result j = Run_Program({"info", Sample("jigsaw.zd2")});
    EXPECT_NE(j.Out.find("regions only: yes"), std::string::npos);
    EXPECT_NE(j.Out.find("9 region(s)"), std::string::npos);
}
