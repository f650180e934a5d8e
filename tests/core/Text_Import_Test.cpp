// Puzzles written as text: each format read to the right cells, the choice of a puzzle in
// a many-puzzle file, the refusals and their messages, and the imported puzzle as a file
// and as a game.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Puzzle_Description.h"
#include "model/Puzzle_File.h"
#include "model/Text_Import.h"
#include "page/Candidate_Engine.h"
#include "page/Entry_Check.h"
#include "page/Puzzle_Loading.h"

namespace fs = std::filesystem;

namespace {

// A classic puzzle with 17 givens, row by row.
const std::string Classic =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const std::string Other =
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....";
const std::string Third =
    ".6.5.1.9.1...9..539....7....4.8...7.......5.8.817.5.3.....5.2............76..8...";

std::string Row(const std::string& puzzle, int r, int n = 9) {
    return puzzle.substr(static_cast<std::size_t>(r * n), static_cast<std::size_t>(n));
}

// The classic puzzle one row a line, each line wrapped by the function.
template <typename Wrap> std::string Rows_Of(const std::string& puzzle, Wrap wrap) {
    std::string out;
    for (int r = 0; r < 9; ++r) {
        out += wrap(r, Row(puzzle, r));
    }
    return out;
}

std::string Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const Sudoku_Boards_FrameWork& Board(const Text_Import_Result& r) {
    return r.Puzzle.Sudoku_Boards.at(0);
}

// The board holds exactly the puzzle's numbers, each locked, every other cell empty and
// unlocked.
void Expect_Grid(const Text_Import_Result& r, const std::string& puzzle, int n) {
    ASSERT_TRUE(r.Ok()) << r.Error;
    ASSERT_EQ(r.Puzzle.Sudoku_Boards.size(), 1u);
    const Sudoku_Boards_FrameWork& b = Board(r);
    ASSERT_EQ(b.Max_Number, n);
    int givens = 0;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            const char ch = puzzle[static_cast<std::size_t>(row * n + col)];
            const int expected = ch == '.' || ch == '0' ? 0 : ch - '0';
            EXPECT_EQ(b.Cell_Values[col][row], expected) << "column " << col << " row " << row;
            EXPECT_EQ(b.Cell_Locked[col][row] != 0, expected != 0)
                << "column " << col << " row " << row;
            givens += expected != 0;
        }
    }
    EXPECT_EQ(r.Givens, givens);
}

// The sample descriptions the sample puzzles are made from.
std::vector<std::string> Sample_Descriptions() {
    std::vector<std::string> paths;
    for (const auto& entry : fs::directory_iterator(std::string(TESSEL_PUZZLE_DIR) + "/src")) {
        paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Each format.

TEST(Text_Import, OneLineIsAClassicBoardAtTheGeneratorsPlace) {
    const Text_Import_Result r = Import_Puzzle_Text("  " + Classic + "\t \n");
    Expect_Grid(r, Classic, 9);
    EXPECT_EQ(r.Format, Text_Format::Puzzle_Line);
    EXPECT_EQ(r.Puzzle_Count, 1u);
    EXPECT_EQ(r.Givens, 17);
    const Sudoku_Boards_FrameWork& b = Board(r);
    EXPECT_EQ(b.Board_Type, Board_Type_9x9);
    EXPECT_EQ(b.Block_Width_Max, 2);
    EXPECT_EQ(b.Cell_Values[0][0], 4); // row 1 starts with 4 ...
    EXPECT_EQ(b.Cell_Values[8][0], 5); // ... and ends with 5
    EXPECT_EQ(b.Cell_Values[1][1], 3); // row 2, column 2
    EXPECT_EQ(b.Cell_Values[2][8], 4); // row 9 is "1.4......"
    EXPECT_EQ(b.Cell_Values[8][8], 0);
    EXPECT_EQ(r.Puzzle.Board_Positions.at(0).X, 20);
    EXPECT_EQ(r.Puzzle.Board_Positions.at(0).Y, 20);
    EXPECT_TRUE(r.Puzzle.Board_Overlaps.at(0).Linked_Boards.empty());
    EXPECT_FALSE(r.Puzzle.Info_Visible);
    EXPECT_FALSE(r.Puzzle.Custom_Regions_On);
    EXPECT_EQ(Describe_Invariant_Violation(r.Puzzle), "");

    // Zeros for empty cells, and blanks between groups of cells, read the same.
    std::string zeros = Classic;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    zeros.insert(27, " ");
    zeros.insert(9, "\xC2\xA0"); // a no-break space, as web pages have them
    Expect_Grid(Import_Puzzle_Text(zeros), Classic, 9);
}

TEST(Text_Import, SdkRowsWithHeaderCommentsAndWindowsLineEnds) {
    const std::string text =
        "\xEF\xBB\xBF[Puzzle]\r\n#AAnonymous\r\n#DFrom a newspaper\r\n" +
        Rows_Of(Classic, [](int, const std::string& row) { return row + "  \r\n"; }) +
        "[State]\r\n" + std::string(9, '1') + "\r\n";
    const Text_Import_Result r = Import_Puzzle_Text(text, 0, "puzzle.sdk");
    Expect_Grid(r, Classic, 9);
    EXPECT_EQ(r.Format, Text_Format::Sdk);

    // Without a header, with old Mac line ends and blanks between cells.
    const Text_Import_Result spaced =
        Import_Puzzle_Text(Rows_Of(Classic, [](int, const std::string& row) {
            std::string spaced_row;
            for (char ch : row) {
                spaced_row += std::string(1, ch) + " ";
            }
            return spaced_row + "\r";
        }));
    Expect_Grid(spaced, Classic, 9);
    EXPECT_EQ(spaced.Format, Text_Format::Sdk);
}

TEST(Text_Import, SsRowsWithSeparatorsAndFrames) {
    const auto plain = [](int r, const std::string& row) {
        return std::string(r == 3 || r == 6 ? "-----------\n" : "") + row.substr(0, 3) + "|" +
               row.substr(3, 3) + "|" + row.substr(6) + "\n";
    };
    const Text_Import_Result r = Import_Puzzle_Text(Rows_Of(Classic, plain));
    Expect_Grid(r, Classic, 9);
    EXPECT_EQ(r.Format, Text_Format::Ss);

    const auto framed = [](int r, const std::string& row) {
        return std::string(r == 3 || r == 6 ? " |---+---+---|\n" : "") + " |" + row.substr(0, 3) +
               "|" + row.substr(3, 3) + "|" + row.substr(6) + "|\n";
    };
    const Text_Import_Result f =
        Import_Puzzle_Text(" *-----------*\n" + Rows_Of(Classic, framed) + " *-----------*\n");
    Expect_Grid(f, Classic, 9);
    EXPECT_EQ(f.Format, Text_Format::Ss);

    const auto spaced = [](int r, const std::string& row) {
        std::string out = r == 3 || r == 6 ? "------+-------+------\n" : "";
        for (int c = 0; c < 9; ++c) {
            out += std::string(c > 0 && c % 3 == 0 ? "| " : "") + row[c] + " ";
        }
        return out + "\n";
    };
    Expect_Grid(Import_Puzzle_Text(Rows_Of(Classic, spaced)), Classic, 9);
}

TEST(Text_Import, SdmPicksThePuzzleByIndex) {
    const std::string text =
        "# three puzzles\n" + Classic + "\n\n" + Other + "\r\n" + Third + "\n   \n";
    const Text_Import_Result counted = Import_Puzzle_Text(text);
    ASSERT_TRUE(counted.Ok()) << counted.Error;
    EXPECT_EQ(counted.Format, Text_Format::Puzzle_Lines);
    EXPECT_EQ(counted.Puzzle_Count, 3u);

    const Text_Import_Result first = Import_Puzzle_Text(text);
    Expect_Grid(first, Classic, 9);
    EXPECT_EQ(first.Puzzle_Index, 0u);
    const Text_Import_Result second = Import_Puzzle_Text(text, 1);
    Expect_Grid(second, Other, 9);
    EXPECT_EQ(second.Puzzle_Index, 1u);
    EXPECT_EQ(second.Puzzle_Count, 3u);
    Expect_Grid(Import_Puzzle_Text(text, 2), Third, 9);

    const Text_Import_Result past = Import_Puzzle_Text(text, 3);
    EXPECT_EQ(past.Error, "The text holds 3 puzzles; there is no puzzle 4");
    EXPECT_TRUE(past.Puzzle.Sudoku_Boards.empty());
    EXPECT_EQ(Import_Puzzle_Text(Classic, 1).Error,
              "The text holds 1 puzzle; there is no puzzle 2");
    EXPECT_EQ(Import_Puzzle_Text(
                  Rows_Of(Classic, [](int, const std::string& row) { return row + "\n"; }), 1)
                  .Error,
              "The text holds 1 puzzle; there is no puzzle 2");

    // 9x9 and 6x6 lines may stand in one file.
    const Text_Import_Result six = Import_Puzzle_Text(Classic + "\n" + std::string(36, '.'), 1);
    ASSERT_TRUE(six.Ok()) << six.Error;
    EXPECT_EQ(Board(six).Max_Number, 6);
}

TEST(Text_Import, SixBySixBlocksAreThreeWideUnlessBarsCutPairs) {
    const std::string six = "1.....2......3......4......5......6.";
    const Text_Import_Result line = Import_Puzzle_Text(six);
    Expect_Grid(line, six, 6);
    const Sudoku_Boards_FrameWork& b = Board(line);
    EXPECT_EQ(b.Board_Type, Board_Type_6x6);
    EXPECT_TRUE(b.Wide_Blocks);
    EXPECT_EQ(b.Block_Width_Max, 2);   // 3 cells wide
    EXPECT_EQ(b.Block_Height_Max, 1);  // 2 high
    EXPECT_EQ(b.Cell_Values[3][4], 5); // row 5 is "...5.."

    std::string pairs;
    std::string triples;
    std::string plain;
    for (int r = 0; r < 6; ++r) {
        const std::string row = Row(six, r, 6);
        pairs += row.substr(0, 2) + "|" + row.substr(2, 2) + "|" + row.substr(4) + "\n";
        triples += row.substr(0, 3) + " | " + row.substr(3) + "\n";
        plain += row + "\n";
        if (r == 2) {
            pairs += "--+--+--\n";
        }
    }
    const Text_Import_Result tall = Import_Puzzle_Text(pairs);
    Expect_Grid(tall, six, 6);
    EXPECT_FALSE(Board(tall).Wide_Blocks);
    EXPECT_EQ(Board(tall).Block_Width_Max, 1);
    EXPECT_EQ(tall.Format, Text_Format::Ss);
    EXPECT_TRUE(Board(Import_Puzzle_Text(triples)).Wide_Blocks);
    EXPECT_TRUE(Board(Import_Puzzle_Text(plain)).Wide_Blocks);

    // The block shape decides which givens clash: 1 at column 1, row 1 and column 3, row 2
    // share a wide block but not a tall one.
    const std::string rows = "1.....\n..1...\n......\n......\n......\n......\n";
    EXPECT_EQ(Import_Puzzle_Text(rows).Error,
              "Column 1, row 1 and column 3, row 2 both hold the given 1; a block holds each "
              "number only once");
    EXPECT_TRUE(Import_Puzzle_Text("1.|..|..\n..|1.|..\n" + std::string("......\n") +
                                   "......\n......\n......\n")
                    .Ok());
}

TEST(Text_Import, TheSameGridInEveryFormatGivesTheSameFile) {
    const std::vector<Byte> line = Write_Puzzle_Bytes(Import_Puzzle_Text(Classic).Puzzle);
    const std::string description =
        "board 9x9 20 20\n" +
        Rows_Of(Classic, [](int, const std::string& row) { return row + "\n"; });
    for (const std::string& text :
         {Rows_Of(Classic, [](int, const std::string& row) { return row + "\n"; }),
          "[Puzzle]\n" + Rows_Of(Classic, [](int, const std::string& row) { return row + "\n"; }),
          Rows_Of(Classic,
                  [](int, const std::string& row) {
                      return row.substr(0, 3) + "|" + row.substr(3, 3) + "|" + row.substr(6) + "\n";
                  }),
          Classic + "\n" + Other + "\n", description}) {
        const Text_Import_Result r = Import_Puzzle_Text(text);
        ASSERT_TRUE(r.Ok()) << r.Error << "\n" << text;
        EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), line) << text;
    }
}

TEST(Text_Import, TheExtensionOnlyNamesTheFormat) {
    const std::string rows =
        Rows_Of(Classic, [](int, const std::string& row) { return row + "\n"; });
    EXPECT_EQ(Import_Puzzle_Text(Classic, 0, "collection.SDM").Format, Text_Format::Puzzle_Lines);
    EXPECT_EQ(Import_Puzzle_Text(Classic, 0, "notes.txt").Format, Text_Format::Puzzle_Line);
    EXPECT_EQ(Import_Puzzle_Text(rows, 0, "/home/me/grid.ss").Format, Text_Format::Ss);
    EXPECT_EQ(Import_Puzzle_Text(rows, 0, ".sdk").Format, Text_Format::Sdk);
    EXPECT_EQ(Import_Puzzle_Text("..1|...|...\n" + rows.substr(10), 0, "sdk").Format,
              Text_Format::Sdk);
    // Content the extension does not fit is still read by its content.
    Expect_Grid(Import_Puzzle_Text(rows, 0, "many.sdm"), Classic, 9);
    Expect_Grid(Import_Puzzle_Text(Classic, 0, "one.sdk"), Classic, 9);
    EXPECT_STREQ(Text_Format_Name(Text_Format::Puzzle_Lines), "sdm");
    EXPECT_STREQ(Text_Format_Name(Text_Format::Puzzle_Line), "one line");
}

// ---------------------------------------------------------------------------------------
// Descriptions.

TEST(Text_Import, SampleDescriptionsImportAsTheToolMakesThem) {
    const std::vector<std::string> paths = Sample_Descriptions();
    ASSERT_GE(paths.size(), 8u);
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const std::string text = Read_File(path);
        const Text_Import_Result r = Import_Puzzle_Text_File(path);
        ASSERT_TRUE(r.Ok()) << r.Error;
        EXPECT_EQ(r.Format, Text_Format::Description);
        const Description_Result made = Parse_Description(text);
        ASSERT_TRUE(made.Ok());
        EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), Write_Puzzle_Bytes(made.Puzzle));
        // As a file is read: no region index yet.
        EXPECT_TRUE(r.Puzzle.Cell_Regions.empty());
        EXPECT_EQ(r.Puzzle.Custom_Regions.size(), made.Puzzle.Custom_Regions.size());
    }
}

TEST(Text_Import, SamuraiGivensCountSharedCellsOnce) {
    const std::string path = std::string(TESSEL_PUZZLE_DIR) + "/src/samurai.txt";
    const std::string text = Read_File(path);
    int digits = 0;
    for (std::size_t at = text.find("samurai 20 20"); at < text.size(); ++at) {
        digits += text[at] >= '1' && text[at] <= '9';
    }
    digits -= 2; // the two 2s of "samurai 20 20"
    const Text_Import_Result r = Import_Puzzle_Text(text);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Puzzle.Sudoku_Boards.size(), 5u);
    EXPECT_EQ(r.Givens, digits);
}

TEST(Text_Import, DescriptionsRefuseClashingGivensOnly) {
    // Nine rows of a board: the first two as given, the others empty.
    const auto rows = [](const std::string& first, const std::string& second = ".........") {
        std::string out = first + "\n" + second + "\n";
        for (int r = 2; r < 9; ++r) {
            out += ".........\n";
        }
        return out;
    };
    const std::string twice = rows("3.......3");
    EXPECT_EQ(Import_Puzzle_Text("board 9x9 20 20\n" + twice).Error,
              "Column 1, row 1 and column 9, row 1 both hold the given 3; a row holds each number "
              "only once");
    // Numbers that are not givens may repeat: the player can change them.
    EXPECT_TRUE(Import_Puzzle_Text("board 9x9 20 20 unlocked\n" + twice).Ok());
    // With several boards the message names the board.
    EXPECT_EQ(
        Import_Puzzle_Text("board 9x9 20 20\n" + rows(".........") + "board 9x9 240 20\n" + twice)
            .Error,
        "Board 2: column 1, row 1 and column 9, row 1 both hold the given 3; a row holds each "
        "number only once");
    // A symbol is named by its symbol.
    EXPECT_EQ(
        Import_Puzzle_Text("board 9x9 20 20 symbols=ABCDEFGHI\n" + rows("A........", ".A......."))
            .Error,
        "Column 1, row 1 and column 2, row 2 both hold the given A; a block holds each "
        "number only once");
    // With regions only, blocks are no unit.
    EXPECT_TRUE(
        Import_Puzzle_Text("regions-only\nboard 9x9 20 20\n" + rows("1........", ".1......."))
            .Ok());
    // The cells of a region across boards are named with their boards.
    EXPECT_EQ(Import_Puzzle_Text("board 9x9 20 20\n" + rows("1........") + "board 9x9 240 20\n" +
                                 rows(".........", ".......1.") + "region 0:0,0 1:7,1\n")
                  .Error,
              "Board 1, column 1, row 1 and board 2, column 8, row 2 both hold the given 1; a "
              "region holds each number only once");
    // A region that names both copies of a shared cell holds that cell once: board 1 lies
    // eight cells right of and below board 0, so they share one corner cell.
    std::string corner;
    for (int r = 0; r < 8; ++r) {
        corner += ".........\n";
    }
    EXPECT_TRUE(Import_Puzzle_Text("board 9x9 20 20\n" + corner + "........4\nboard 9x9 180 180\n" +
                                   "4........\n" + corner + "join 0 1\nregion 0:8,8 1:0,0\n")
                    .Ok());
}

TEST(Text_Import, HiddenPanelKeepsNoTexts) {
    std::string rows;
    for (int r = 0; r < 9; ++r) {
        rows += ".........\n";
    }
    const Text_Import_Result hidden =
        Import_Puzzle_Text("title Kept nowhere\ninfo hidden\nboard 9x9 20 20\n" + rows);
    ASSERT_TRUE(hidden.Ok()) << hidden.Error;
    EXPECT_FALSE(hidden.Puzzle.Info_Visible);
    EXPECT_EQ(hidden.Puzzle.Puzzle_Title.Text(), "");
    const Text_Import_Result shown =
        Import_Puzzle_Text("title Shown\ninfo 30 40\nboard 9x9 20 20\n" + rows);
    ASSERT_TRUE(shown.Ok()) << shown.Error;
    EXPECT_TRUE(shown.Puzzle.Info_Visible);
    EXPECT_EQ(shown.Puzzle.Puzzle_Title.Text(), "Shown");
    EXPECT_EQ(shown.Puzzle.Info_Left, 30);
}

// ---------------------------------------------------------------------------------------
// Refusals.

// The faults of tests/data/malformed-text are checked from the files (below); these are the
// ones a file there does not show.
TEST(Text_Import, RefusalsNameTheFaultAndBuildNothing) {
    const std::string rows =
        Rows_Of(Classic, [](int, const std::string& row) { return row + "\n"; });
    const std::map<std::string, std::string> refused = {
        {"\xEF\xBB\xBF\r\n \xC2\xA0\r\n# nothing\r\n", "The text holds no puzzle"},
        {Classic + "\n" + Classic + "1\n",
         "Line 2 has 82 cells; a puzzle line needs 81, or 36 for a 6x6 board"},
        {Classic.substr(0, 80) + "\xC3\xA9",
         "Line 1 has the character '\xC3\xA9', which is no number"},
        {Classic.substr(0, 80) + "\xC3", "Line 1 has the byte 0xC3, which is no number"},
        {Classic.substr(0, 80) + "\xED\xA0\x80", "Line 1 has the byte 0xED, which is no number"},
        {Classic.substr(0, 80) + "\x1B", "Line 1 has the byte 0x1B, which is no number"},
        {"......\n......\n", "The text ends after 2 rows; a 6x6 puzzle has 6"},
        {"1....\n", "Line 1 has 5 cells; a row needs 9"},
        {rows + "\n.........\n", "Line 11 follows the puzzle's last row; a 9x9 puzzle has 9 rows"},
        {"board 7x7 20 20\n", "Line 1: unknown board kind \"7x7\" (9x9, 6x6-wide, 6x6-tall)"},
        {"\xFE\xFF" + std::string("\0001\0.", 4),
         "The text is UTF-16; only UTF-8 text can be read"},
    };
    for (const auto& [text, message] : refused) {
        const Text_Import_Result r = Import_Puzzle_Text(text);
        EXPECT_EQ(r.Error, message) << text;
        EXPECT_TRUE(r.Puzzle.Sudoku_Boards.empty()) << text;
        EXPECT_EQ(r.Format, Text_Format::None) << text;
        EXPECT_EQ(r.Puzzle_Count, 0u) << text;
    }
}

TEST(Text_Import, HugeTextsAreRefusedBeforeReading) {
    const std::string huge(static_cast<std::size_t>(Largest_Text_Bytes) + 1, '.');
    EXPECT_EQ(Import_Puzzle_Text(huge).Error,
              "The text is too large to be a puzzle text (more than 8 MiB)");
    // Up to the limit, even a text of nothing but line ends is looked at as it stands.
    const std::string blank_lines(static_cast<std::size_t>(Largest_Text_Bytes) - 81, '\r');
    EXPECT_EQ(Import_Puzzle_Text(blank_lines).Error, "The text holds no puzzle");
    EXPECT_EQ(Import_Puzzle_Text(blank_lines + Classic).Puzzle_Count, 1u);

    const fs::path folder = fs::temp_directory_path() / "tessel-text-import-test";
    fs::create_directories(folder);
    const fs::path big = folder / "big.sdm";
    {
        std::ofstream out(big, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(Largest_Text_Bytes));
        out.put('\n');
    }
    EXPECT_EQ(Import_Puzzle_Text_File(big.string()).Error,
              "The file is too large to be a puzzle text (more than 8 MiB)");
    EXPECT_EQ(Import_Puzzle_Text_File((folder / "missing.sdk").string()).Error, "File not found");
    EXPECT_EQ(Import_Puzzle_Text_File(folder.string()).Error,
              "Cannot read the file: it is a folder");
    fs::remove_all(folder);

    // A large collection within the limit is read.
    std::string many;
    for (int i = 0; i < 20000; ++i) {
        many += (i % 2 == 0 ? Classic : Other) + "\r\n";
    }
    const Text_Import_Result last = Import_Puzzle_Text(many, 19999);
    Expect_Grid(last, Other, 9);
    EXPECT_EQ(last.Puzzle_Count, 20000u);
}

TEST(Text_Import, MalformedFilesGiveTheirMessages) {
    const std::string folder = std::string(TESSEL_TEST_DATA) + "/malformed-text";
    std::ifstream manifest(folder + "/expected.txt");
    std::set<std::string> listed;
    std::string line;
    while (std::getline(manifest, line)) {
        const std::size_t tab = line.find('\t');
        const std::size_t second = line.find('\t', tab + 1);
        ASSERT_NE(second, std::string::npos) << line;
        const std::string name = line.substr(0, tab);
        EXPECT_EQ(line.substr(tab + 1, second - tab - 1), "error");
        const std::string message = line.substr(second + 1);
        const Text_Import_Result r = Import_Puzzle_Text_File(folder + "/" + name);
        EXPECT_EQ(r.Error, message) << name;
        EXPECT_TRUE(r.Puzzle.Sudoku_Boards.empty()) << name;
        listed.insert(name);
    }
    EXPECT_GE(listed.size(), 20u);
    // Every file of the folder is listed, so none goes unchecked.
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "expected.txt" || name == ".gitattributes" || listed.count(name) == 1)
            << name;
    }
}

// ---------------------------------------------------------------------------------------
// The imported puzzle as a file and as a game.

TEST(Text_Import, ImportsSaveAndReadBackIdentically) {
    std::vector<std::string> texts = {Classic, "1.....2......3......4......5......6.",
                                      Classic + "\n" + Other + "\n"};
    for (const std::string& path : Sample_Descriptions()) {
        texts.push_back(Read_File(path));
    }
    for (const std::string& text : texts) {
        const Text_Import_Result r = Import_Puzzle_Text(text);
        ASSERT_TRUE(r.Ok()) << r.Error;
        const Puzzle_Read_Result back = Read_Puzzle_Bytes(Write_Puzzle_Bytes(r.Puzzle));
        ASSERT_TRUE(back.Ok()) << back.Error;
        EXPECT_TRUE(r.Puzzle == back.Puzzle) << text.substr(0, 40);
    }
}

TEST(Text_Import, AnImportedPuzzlePlays) {
    Text_Import_Result r = Import_Puzzle_Text(Classic);
    ASSERT_TRUE(r.Ok());
    Puzzle_State game;
    game.Help_Solve = true;
    Adopt_Loaded_Puzzle(game, std::move(r.Puzzle));
    const Sudoku_Boards_FrameWork& b = game.Sudoku_Boards[0];
    // Row 1 holds 4, 8 and 5: none of them is possible elsewhere in it.
    for (int n : {4, 8, 5}) {
        EXPECT_FALSE(b.Cell_Tracking[1][0].Possible[n - 1]) << n;
    }
    EXPECT_TRUE(b.Cell_Tracking[1][0].Possible[0]);
    EXPECT_EQ(Check_Boards(game), Check_Verdict::Nothing_To_Say);
    Set_Cell_Value(game, 0, 1, 0, 1);
    EXPECT_EQ(game.Sudoku_Boards[0].Cell_Values[1][0], 1);
    EXPECT_TRUE(game.Game_Modified);
    EXPECT_EQ(Describe_Invariant_Violation(game), "");
}
