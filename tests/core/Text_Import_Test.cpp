// Puzzles written as text: each format read to the right cells, the choice of a puzzle in
// a many-puzzle file, the refusals and their messages, and the imported puzzle as a file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "io/Text_Import.h"

namespace fs = std::filesystem;

namespace {

// A classic puzzle with 17 givens, row by row.
const std::string Classic =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string Other =
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....";
const std::string Third =
    ".6.5.1.9.1...9..539....7....4.8...7.......5.8.817.5.3.....5.2............76..8...";

// The puzzle one row a line, each row (of n cells) wrapped by the function.
template <typename Wrap> std::string Rows_Of(const std::string& puzzle, Wrap wrap, int n = 9) {
    std::string out;
    for (int r = 0; r < n; ++r) {
        out += wrap(r, puzzle.substr(static_cast<std::size_t>(r * n), static_cast<std::size_t>(n)));
    }
    return out;
}

std::string Plain_Row(int, const std::string& row) {
    return row + "\n";
}

// The import gave the file the description reader, which reads grids on its own, makes of
// the puzzle's rows on one board of the kind at 20,20: the same cells, each number locked, and
// the same kind, block shape, place and panel.
void Expect_Grid(const Text_Import_Result& r, const std::string& puzzle,
                 const std::string& kind = "9x9") {
    ASSERT_TRUE(r.Ok()) << r.Error;
    const Description_Result d = Parse_Description(
        "board " + kind + " 20 20\n" + Rows_Of(puzzle, Plain_Row, kind == "9x9" ? 9 : 6));
    ASSERT_TRUE(d.Ok()) << d.Error;
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), Write_Puzzle_Bytes(d.Puzzle));
    EXPECT_EQ(r.Givens, std::count_if(puzzle.begin(), puzzle.end(),
                                      [](char ch) { return ch >= '1' && ch <= '9'; }));
}

// What the writer makes of the puzzle comes back through the reader as the same puzzle.
void Expect_Round_Trip(const Puzzle_State& p) {
    const Puzzle_Read_Result back = Read_Puzzle_Bytes(Write_Puzzle_Bytes(p));
    ASSERT_TRUE(back.Ok()) << back.Error;
    EXPECT_TRUE(p == back.Puzzle);
}

} // namespace

TEST(Text_Import, EveryFormatReadsTheSameBoard) {
    std::string zeros = Classic;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    zeros.insert(27, " ");
    zeros.insert(9, "\xC2\xA0"); // a no-break space, as web pages have them
    const std::string rows = Rows_Of(Classic, Plain_Row);
    const auto bars = [](int, const std::string& row) {
        return row.substr(0, 3) + "|" + row.substr(3, 3) + "|" + row.substr(6) + "\n";
    };
    const auto framed = [](int r, const std::string& row) {
        return std::string(r == 3 || r == 6 ? " |---+---+---|\n" : "") + " |" + row.substr(0, 3) +
               "|" + row.substr(3, 3) + "|" + row.substr(6) + "|\n";
    };
    const struct {
        std::string Text;
        const char* Hint;
        Text_Format Format;
    } cases[] = {
        {Classic, "", Text_Format::Puzzle_Line},
        {"  " + Classic + "\t \n", "", Text_Format::Puzzle_Line},
        {zeros, "", Text_Format::Puzzle_Line},
        {"\xEF\xBB\xBF[Puzzle]\r\n#AAnonymous\r\n#DFrom a newspaper\r\n" +
             Rows_Of(Classic, [](int, const std::string& row) { return row + "  \r\n"; }) +
             "[State]\r\n" + std::string(9, '1') + "\r\n",
         "puzzle.sdk", Text_Format::Sdk},
        {Rows_Of(Classic, [](int, const std::string& row) { return row + "\r"; }), "",
         Text_Format::Sdk},
        {Rows_Of(Classic,
                 [&bars](int r, const std::string& row) {
                     return std::string(r == 3 || r == 6 ? "-----------\n" : "") + bars(r, row);
                 }),
         "", Text_Format::Ss},
        {" *-----------*\n" + Rows_Of(Classic, framed) + " *-----------*\n", "", Text_Format::Ss},
        {Classic + "\n" + Other + "\n", "", Text_Format::Puzzle_Lines},
        {"board 9x9 20 20\n" + rows, "", Text_Format::Description},
        // A hidden panel keeps no texts, as a file keeps none (the round trip shows it).
        {"title Kept nowhere\ninfo hidden\nboard 9x9 20 20\n" + rows, "", Text_Format::Description},
        // The extension only names the format where the content fits two names.
        {Classic, "collection.SDM", Text_Format::Puzzle_Lines},
        {rows, "/home/me/grid.ss", Text_Format::Ss},
        {rows, "many.sdm", Text_Format::Sdk},
        {Rows_Of(Classic, bars), "sdk", Text_Format::Sdk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text + " named " + c.Hint);
        const Text_Import_Result r = Import_Puzzle_Text(c.Text, 0, c.Hint);
        Expect_Grid(r, Classic);
        EXPECT_EQ(r.Format, c.Format);
        Expect_Round_Trip(r.Puzzle);
    }
}

TEST(Text_Import, SdmPicksThePuzzleByIndex) {
    const std::string text =
        "# three puzzles\n" + Classic + "\n\n" + Other + "\r\n" + Third + "\n   \n";
    const Text_Import_Result first = Import_Puzzle_Text(text);
    Expect_Grid(first, Classic);
    EXPECT_EQ(first.Format, Text_Format::Puzzle_Lines);
    EXPECT_EQ(first.Puzzle_Count, 3u);
    EXPECT_EQ(first.Puzzle_Index, 0u);
    const Text_Import_Result second = Import_Puzzle_Text(text, 1);
    Expect_Grid(second, Other);
    EXPECT_EQ(second.Puzzle_Index, 1u);
    EXPECT_EQ(second.Puzzle_Count, 3u);
    Expect_Grid(Import_Puzzle_Text(text, 2), Third);

    const Text_Import_Result past = Import_Puzzle_Text(text, 3);
    EXPECT_EQ(past.Error, "The pasted text holds 3 puzzles; there is no puzzle 4.");
    EXPECT_TRUE(past.Puzzle.Sudoku_Boards.empty());
    EXPECT_EQ(Import_Puzzle_Text(Classic, 1).Error,
              "The pasted text holds 1 puzzle; there is no puzzle 2.");
    EXPECT_EQ(Import_Puzzle_Text(Rows_Of(Classic, Plain_Row), 1).Error,
              "The pasted text holds 1 puzzle; there is no puzzle 2.");

    // 9x9 and 6x6 lines may stand in one file.
    const Text_Import_Result six = Import_Puzzle_Text(Classic + "\n" + std::string(36, '.'), 1);
    ASSERT_TRUE(six.Ok()) << six.Error;
    EXPECT_EQ(six.Puzzle.Sudoku_Boards[0].Max_Number, 6);
}

TEST(Text_Import, SixBySixBlocksAreThreeWideUnlessBarsCutPairs) {
    const std::string six = "1.....2......3......4......5......6.";
    Expect_Grid(Import_Puzzle_Text(six), six, "6x6-wide");
    const Text_Import_Result tall = Import_Puzzle_Text(Rows_Of(
        six,
        [](int r, const std::string& row) {
            return row.substr(0, 2) + "|" + row.substr(2, 2) + "|" + row.substr(4) + "\n" +
                   (r == 2 ? "--+--+--\n" : "");
        },
        6));
    Expect_Grid(tall, six, "6x6-tall");
    EXPECT_EQ(tall.Format, Text_Format::Ss);
    const auto triples = [](int, const std::string& row) {
        return row.substr(0, 3) + " | " + row.substr(3) + "\n";
    };
    Expect_Grid(Import_Puzzle_Text(Rows_Of(six, triples, 6)), six, "6x6-wide");
    Expect_Grid(Import_Puzzle_Text(Rows_Of(six, Plain_Row, 6)), six, "6x6-wide");

    // The block shape decides which givens clash: 1 at column 1, row 1 and column 3, row 2
    // share a wide block (tests/data/malformed-text/6x6-block-clash.txt) but not a tall one.
    const Text_Import_Result apart =
        Import_Puzzle_Text("1.|..|..\n..|1.|..\n......\n......\n......\n......\n");
    EXPECT_TRUE(apart.Ok()) << apart.Error;
}

// Every sample imports as `make` writes it. That each reads back the same with no region
// index built yet is the fuzz target's check, run over these files too.
TEST(Text_Import, SampleDescriptionsImportAsTheToolMakesThem) {
    int samples = 0;
    for (const auto& entry : fs::directory_iterator(std::string(TESSEL_PUZZLE_DIR) + "/src")) {
        const std::string path = entry.path().string();
        SCOPED_TRACE(path);
        std::string text;
        ASSERT_EQ(Read_Puzzle_Text_File(path, text), "");
        const Text_Import_Result r = Import_Puzzle_Text(text, 0, path);
        ASSERT_TRUE(r.Ok()) << r.Error;
        EXPECT_EQ(r.Format, Text_Format::Description);
        const Description_Result made = Parse_Description(text);
        ASSERT_TRUE(made.Ok());
        EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), Write_Puzzle_Bytes(made.Puzzle));
        // The Samurai's givens count each shared cell once: as its digits are written.
        if (entry.path().filename() == "samurai.txt") {
            const std::size_t grid = text.find("samurai 20 20") + 13;
            EXPECT_EQ(r.Givens, std::count_if(text.begin() + grid, text.end(),
                                              [](char ch) { return ch >= '1' && ch <= '9'; }));
            EXPECT_EQ(r.Puzzle.Sudoku_Boards.size(), 5u);
        }
        ++samples;
    }
    EXPECT_GE(samples, 8);
}

// Descriptions whose givens clash are refused (tests/data/malformed-text shows each kind);
// these repeat numbers that do not clash.
TEST(Text_Import, RepeatedNumbersThatDoNotClashImport) {
    // Nine rows of a board: the first two as given, the others empty.
    const std::string empty = Rows_Of(std::string(81, '.'), Plain_Row);
    const auto rows = [&empty](const std::string& first, const std::string& second) {
        return first + "\n" + second + "\n" + empty.substr(20);
    };
    const std::string corner = empty.substr(10); // eight empty rows
    for (const std::string& text : {
             // Numbers that are not givens: the player can change them.
             "board 9x9 20 20 unlocked\n" + rows("3.......3", "........."),
             // With regions only, blocks are no unit.
             "regions-only\nboard 9x9 20 20\n" + rows("1........", ".1......."),
             // A region that names both copies of a shared cell holds that cell once: board 1
             // lies eight cells right of and below board 0, so they share one corner cell.
             "board 9x9 20 20\n" + corner + "........4\nboard 9x9 180 180\n4........\n" + corner +
                 "join 0 1\nregion 0:8,8 1:0,0\n",
         }) {
        const Text_Import_Result r = Import_Puzzle_Text(text);
        EXPECT_TRUE(r.Ok()) << text << r.Error;
    }
}

TEST(Text_Import, HugeTextsAreRefusedBeforeReading) {
    const std::string huge(static_cast<std::size_t>(Largest_Text_Bytes) + 1, '.');
    EXPECT_EQ(Import_Puzzle_Text(huge).Error,
              "The pasted text is too large to be a puzzle (more than 8 MiB).");
    // Up to the limit, even a text of nothing but line ends is looked at as it stands.
    const std::string blank_lines(static_cast<std::size_t>(Largest_Text_Bytes) - 81, '\r');
    EXPECT_EQ(Import_Puzzle_Text(blank_lines).Error, "The pasted text holds no puzzle.");
    EXPECT_EQ(Import_Puzzle_Text(blank_lines + Classic).Puzzle_Count, 1u);

    const fs::path folder =
        fs::temp_directory_path() / ("tessel-text-import-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path big = folder / "big.sdm";
    {
        std::ofstream out(big, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(Largest_Text_Bytes));
        out.put('\n');
    }
    EXPECT_EQ(Import_Puzzle_Text_File(big.string()).Error,
              "big.sdm is too large to be a puzzle (more than 8 MiB).");
    fs::remove_all(folder);
}

TEST(Text_Import, MalformedFilesGiveTheirMessages) {
    const std::string folder = std::string(TESSEL_TEST_DATA) + "/malformed-text";
    std::ifstream manifest(folder + "/expected.txt");
    std::vector<std::string> listed;
    std::string line;
    while (std::getline(manifest, line)) {
        const std::size_t tab = line.find('\t');
        const std::size_t second = line.find('\t', tab + 1);
        ASSERT_NE(second, std::string::npos) << line;
        const std::string name = line.substr(0, tab);
        EXPECT_EQ(line.substr(tab + 1, second - tab - 1), "error");
        const Text_Import_Result r = Import_Puzzle_Text_File(folder + "/" + name);
        EXPECT_EQ(r.Error, line.substr(second + 1)) << name;
        EXPECT_TRUE(r.Puzzle.Sudoku_Boards.empty()) << name;
        listed.push_back(name);
    }
    EXPECT_GE(listed.size(), 37u);
    // Every file of the folder is listed, so none goes unchecked.
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "expected.txt" || name == ".gitattributes" ||
                    std::count(listed.begin(), listed.end(), name) == 1)
            << name;
    }
}

// A comment after the cells of a puzzle line, as puzzle banks write the source and the rating:
// '#' after a blank, on a single line and on every line of a many-puzzle file. Whole-line
// comments of an .sdk file stay comments.
TEST(Text_Import, CommentsAfterPuzzleLines) {
    for (const std::string& text : {
             Classic + "  # from the bank, SE 9.0",
             Classic + "\t# 1.2.3.4.5.6.7.8.9",
             Classic + "\xC2\xA0# after a no-break space",
             "# the bank's first puzzle\n" + Classic + " #\n",
         }) {
        SCOPED_TRACE(text);
        const Text_Import_Result r = Import_Puzzle_Text(text);
        Expect_Grid(r, Classic);
        EXPECT_EQ(r.Format, Text_Format::Puzzle_Line);
    }

    const std::string sdm = "# three puzzles\n" + Classic + "  # SE 9.0\r\n" + Other +
                            "\t# SE 2.3, from a newspaper\n\n" + Third + "\n# the end\n";
    const Text_Import_Result first = Import_Puzzle_Text(sdm, 0, "bank.sdm");
    Expect_Grid(first, Classic);
    EXPECT_EQ(first.Format, Text_Format::Puzzle_Lines);
    EXPECT_EQ(first.Puzzle_Count, 3u);
    Expect_Grid(Import_Puzzle_Text(sdm, 1, "bank.sdm"), Other);
    Expect_Grid(Import_Puzzle_Text(sdm, 2, "bank.sdm"), Third);

    // The comment is not counted as cells: sixteen cells and a comment are a 4x4 line.
    const Text_Import_Result four = Import_Puzzle_Text("1...........3.2.  # a 4x4, rated 1.2");
    ASSERT_TRUE(four.Ok()) << four.Error;
    EXPECT_EQ(four.Puzzle.Sudoku_Boards[0].Max_Number, 4);
    EXPECT_EQ(four.Givens, 3);

    // A '#' that follows a cell directly is no comment, and says how to write one.
    EXPECT_EQ(Import_Puzzle_Text(Classic + "#SE 9.0", 0, "bank.sdm").Error,
              "bank.sdm, line 1: \"#\" is not a number or an empty cell (. or 0); a comment "
              "needs a space before its #.");
    // A comment holds no puzzle.
    EXPECT_EQ(Import_Puzzle_Text("  # only a comment\n").Error, "The pasted text holds no puzzle.");
}

// A refusal names the text (the file's base name, or "the pasted text") and the line the fault
// is on, counting every line of the text: comments, blank lines, headers, each line end
// (\n, \r\n or \r) once.
TEST(Text_Import, RefusalsNameTheFileAndTheLine) {
    std::string rows = "[Puzzle]\r\n# by someone\r\n\r\n" + Rows_Of(Classic, Plain_Row);
    const std::size_t third_row = rows.find(Classic.substr(18, 9));
    rows[third_row + 4] = 'x';
    const std::string bad_x = "line 6: \"x\" is not a number or an empty cell (. or 0).";
    EXPECT_EQ(Import_Puzzle_Text(rows, 0, "/home/me/puzzles/puzzle.sdk").Error,
              "puzzle.sdk, " + bad_x);
    EXPECT_EQ(Import_Puzzle_Text(rows, 0, "puzzle.sdk").Error, "puzzle.sdk, " + bad_x);
    EXPECT_EQ(Import_Puzzle_Text(rows).Error, "The pasted text, " + bad_x);

    // A clash of rows names the line of the later cell: the 4 of row 1 again in row 8 of the
    // same column, on line 12 after three lines before the grid and one separator.
    std::string clash = Classic;
    clash[7 * 9] = '4';
    std::string framed = "[Puzzle]\n#A me\n\n";
    for (int r = 0; r < 9; ++r) {
        framed += (r == 6 ? "---+---+---\n" : "") +
                  clash.substr(static_cast<std::size_t>(r * 9), 9) + "\n";
    }
    EXPECT_EQ(Import_Puzzle_Text(framed, 0, "clash.ss").Error,
              "clash.ss, line 12: column 1, row 1 and column 1, row 8 both hold 4, but a column "
              "may hold each number only once.");

    // The number's own character, in the case it was written.
    EXPECT_EQ(Import_Puzzle_Text("# 9x9\n" + Classic.substr(0, 80) + "a", 0, "a.txt").Error,
              "a.txt, line 2: \"a\" is not a number or an empty cell (. or 0).");
    EXPECT_EQ(Import_Puzzle_Text(std::string(35, '.') + "9", 0, "six.txt").Error,
              "six.txt, line 1: the number 9 does not fit a 6x6 board, which holds 1 to 6.");

    // Bytes that are no text at all, such as a picture's.
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    EXPECT_EQ(Import_Puzzle_Text(png, 0, "/tmp/photo.png").Error,
              "photo.png is not a puzzle written as text (it holds bytes that are not text).");

    // A file that cannot be read is named too.
    const fs::path folder =
        fs::temp_directory_path() / ("tessel-text-names-" + std::to_string(getpid()));
    fs::create_directories(folder);
    EXPECT_EQ(Import_Puzzle_Text_File((folder / "missing.txt").string()).Error,
              "missing.txt: File not found.");
    const fs::path bank = folder / "bank.sdm";
    {
        std::ofstream out(bank, std::ios::binary);
        out << Classic << "  # SE 9.0\n" << Other << "\n";
    }
    EXPECT_EQ(Import_Puzzle_Text_File(bank.string(), 2).Error,
              "bank.sdm holds 2 puzzles; there is no puzzle 3.");
    fs::remove_all(folder);
}
