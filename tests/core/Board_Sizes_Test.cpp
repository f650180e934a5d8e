// Boards of 4 to 16 numbers: the kind table's rows and their blocks, numbers written as digits
// then letters, files of every kind kept byte for byte, and puzzle texts of every size and
// shape read as the description reader reads the same grid.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "io/Text_Import.h"
#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"
#include "model/Number_Text.h"
#include "tests/core/File_Builder.h"

using namespace File_Builder;

namespace {

// The kinds added beside 9x9 and 6x6: the file's Board_Type and Wide_Blocks, the size and the
// block shape (columns x rows).
struct Size_Case {
    const char* Name;
    Integer Type;
    Flag Wide;
    int N;
    int Block_Width;
    int Block_Height;
};

const Size_Case New_Kinds[] = {
    {"4x4", 4, 0, 4, 2, 2},          {"8x8-wide", 8, 1, 8, 4, 2},     {"8x8-tall", 8, 0, 8, 2, 4},
    {"12x12-wide", 12, 1, 12, 4, 3}, {"12x12-tall", 12, 0, 12, 3, 4}, {"16x16", 16, 0, 16, 4, 4},
};

// A solved grid of a block shape: the rows of each band shift by the block's width.
int Solved(const Size_Case& k, int c, int r) {
    return (r % k.Block_Height * k.Block_Width + r / k.Block_Height + c) % k.N + 1;
}

// Every third cell of the solved grid, row by row, as digits, letters and '.'.
std::string Givens(const Size_Case& k) {
    std::string cells;
    for (int r = 0; r < k.N; ++r) {
        for (int c = 0; c < k.N; ++c) {
            cells += (c + 2 * r) % 3 == 0 ? Number_Text(Solved(k, c, r)) : ".";
        }
    }
    return cells;
}

// The rows of a grid of n cells a row, each passed through wrap(row index, row).
std::string Rows(const std::string& cells, int n,
                 const std::function<std::string(int, const std::string&)>& wrap) {
    std::string out;
    for (int r = 0; r < n; ++r) {
        out += wrap(r, cells.substr(static_cast<std::size_t>(r * n), static_cast<std::size_t>(n)));
    }
    return out;
}

std::string Plain(int, const std::string& row) {
    return row + "\n";
}

// A row cut by '|' into groups of `width` cells.
std::string Barred(const std::string& row, int width) {
    std::string out;
    for (std::size_t i = 0; i < row.size(); ++i) {
        out += (i > 0 && i % static_cast<std::size_t>(width) == 0 ? "|" : "") + row.substr(i, 1);
    }
    return out;
}

// The import is the puzzle the description reader makes of the same rows on a board of the
// kind at 20,20, byte for byte.
void Expect_Import(const Text_Import_Result& r, const std::string& cells, const char* kind, int n) {
    ASSERT_TRUE(r.Ok()) << r.Error;
    const Description_Result d =
        Parse_Description(std::string("board ") + kind + " 20 20\n" + Rows(cells, n, Plain));
    ASSERT_TRUE(d.Ok()) << d.Error;
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), Write_Puzzle_Bytes(d.Puzzle));
    EXPECT_EQ(r.Givens,
              std::count_if(cells.begin(), cells.end(), [](char ch) { return ch != '.'; }));
}

} // namespace

TEST(Board_Sizes, EveryKindHasItsBlocksTypeAndName) {
    for (const Size_Case& k : New_Kinds) {
        SCOPED_TRACE(k.Name);
        const Board_Kind* kind = Find_Board_Kind_Named(k.Name);
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(kind, Find_Board_Kind(k.Type, k.Wide));
        EXPECT_EQ(Numbers_Of_Board_Type(k.Type), k.N);
        Puzzle_State s;
        Add_Board(s, k.Type, k.N, 0, 0, k.Wide);
        const Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
        EXPECT_EQ(Kind_Name(b), k.Name);
        EXPECT_EQ(b.Block_Width_Max + 1, k.Block_Width);
        EXPECT_EQ(b.Block_Height_Max + 1, k.Block_Height);
        EXPECT_EQ((b.Block_Cols_Max + 1) * k.Block_Width, k.N);
        EXPECT_EQ((b.Block_Rows_Max + 1) * k.Block_Height, k.N);
    }
    // Every kind's blocks tile its board: N blocks of N cells, each a rectangle of its shape.
    for (const Board_Kind& kind : Board_Kinds()) {
        SCOPED_TRACE(kind.Name);
        Puzzle_State s;
        Add_Board(s, kind.Board_Type, kind.Max_Number, 0, 0, kind.Wide_Blocks);
        std::map<std::pair<int, int>, std::set<std::pair<int, int>>> blocks;
        for (int c = 0; c < kind.Max_Number; ++c) {
            for (int r = 0; r < kind.Max_Number; ++r) {
                Integer oc = -1;
                Integer orow = -1;
                Block_Origin_Of_Cell(s, 0, c, r, oc, orow);
                EXPECT_TRUE(c - oc >= 0 && c - oc < kind.Block_Width && r - orow >= 0 &&
                            r - orow < kind.Block_Height);
                blocks[{oc, orow}].insert({c, r});
            }
        }
        EXPECT_EQ(static_cast<int>(blocks.size()), kind.Max_Number);
        for (const auto& [origin, cells] : blocks) {
            EXPECT_EQ(static_cast<int>(cells.size()), kind.Max_Number);
        }
        // Room for every number in the palette and among the labels.
        EXPECT_GE(kind.Palette_Columns * kind.Palette_Rows(), kind.Max_Number);
        EXPECT_GE(kind.Label_Lines * kind.Label_Line_Length, kind.Max_Number);
    }
}

TEST(Board_Sizes, NumbersAreDigitsThenLettersEitherWay) {
    const std::vector<std::pair<int, std::string>> written = {
        {1, "1"}, {9, "9"}, {10, "A"}, {12, "C"}, {16, "G"}};
    for (const auto& [n, text] : written) {
        EXPECT_EQ(Number_Text(n), text);
    }
    for (int n = 1; n <= 16; ++n) {
        const char ch = Number_Text(n)[0];
        EXPECT_EQ(Number_Of_Char(ch, 16), n) << ch;
        EXPECT_EQ(Number_Of_Char(static_cast<char>(std::tolower(ch)), 16), n) << ch;
        EXPECT_EQ(Number_Of_Char(ch, n - 1), -1) << "above the board's numbers: " << ch;
    }
    for (const char ch : {'0', '.', 'H', 'h', 'x', ' ', '\xC3'}) {
        EXPECT_EQ(Number_Of_Char(ch, 16), -1) << ch;
    }
    // A board with symbols shows them instead.
    Puzzle_State s;
    Add_Board(s, Board_Type_4x4, 4);
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
    b.Use_Symbols = 1;
    b.Symbols = {'w', 'x', 'y', 0xE9};
    EXPECT_EQ(Number_Text(b, 2), "x");
    EXPECT_EQ(Number_Text(b, 4), "\xC3\xA9");
}

TEST(Board_Sizes, FilesOfEveryKindComeBackByteForByte) {
    Puzzle_State all;
    for (const Size_Case& k : New_Kinds) {
        SCOPED_TRACE(k.Name);
        Puzzle_State s;
        const int b = Add_Board(s, k.Type, k.N, 20, 20, k.Wide);
        Sudoku_Boards_FrameWork& board = s.Sudoku_Boards[b];
        for (int c = 0; c < k.N; ++c) {
            for (int r = 0; r < k.N; ++r) {
                board.Cell_Values[c][r] = (c + r) % 3 == 0 ? Solved(k, c, r) : 0;
                board.Cell_Locked[c][r] = c == r ? 1 : 0;
            }
        }
        board.Use_Cell_Colours = 1;
        board.Cell_Colours[k.N - 1][0] = 0x123456;
        const std::vector<Byte> bytes = Write_Puzzle_Bytes(s);
        // Header, then the section: kind, size, flags, position, links, the cells' numbers,
        // locks, the two flags, borders and colours, and the region data.
        const std::size_t cells = static_cast<std::size_t>(k.N * k.N);
        EXPECT_EQ(bytes.size(), 13 + 30 + cells * 4 + cells + 2 + cells * 8 + 6);
        EXPECT_EQ(Get_Int32(bytes, First_Section_Hidden + Section_Board_Type), k.Type);
        const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
        ASSERT_TRUE(r.Ok()) << r.Error;
        EXPECT_TRUE(r.Puzzle == s);
        EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), bytes);
        Add_Board(all, k.Type, k.N, 0, 400 * static_cast<Integer>(all.Sudoku_Boards.size()),
                  k.Wide);
        all.Sudoku_Boards.back() = board;
    }
    // All of them on one page with the 9x9 and 6x6 boards.
    Add_Board(all, Board_Type_9x9, 9, 400, 0);
    Add_Board(all, Board_Type_6x6, 6, 400, 400, 1);
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(all);
    const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(Describe_Invariant_Violation(r.Puzzle), "");
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), bytes);
}

// Every size as one line, one row a line, and rows with bars and separator lines between the
// blocks; the kinds of two shapes wide unless the bars or the import say tall.
TEST(Board_Sizes, TextsOfEverySizeAndShape) {
    for (const Size_Case& k : New_Kinds) {
        SCOPED_TRACE(k.Name);
        const std::string cells = Givens(k);
        const bool two_shapes = k.Block_Width != k.Block_Height;
        // Without bars or dashes a text does not show its block shape.
        const bool tall_chosen = two_shapes && !k.Wide;
        const std::string framed = Rows(cells, k.N, [&](int r, const std::string& row) {
            return std::string(r > 0 && r % k.Block_Height == 0 ? "-\n" : "") +
                   Barred(row, k.Block_Width) + "\n";
        });
        const struct {
            std::string Text;
            bool Tall;
            Text_Format Format;
        } texts[] = {
            {cells, tall_chosen, Text_Format::Puzzle_Line},
            {"  " + cells + " \r\n", tall_chosen, Text_Format::Puzzle_Line},
            {Rows(cells, k.N, Plain), tall_chosen, Text_Format::Sdk},
            {"[Puzzle]\n" + Rows(cells, k.N, Plain), tall_chosen, Text_Format::Sdk},
            {framed, false, Text_Format::Ss},
        };
        for (const auto& t : texts) {
            SCOPED_TRACE(t.Text);
            const Text_Import_Result r = Import_Puzzle_Text(t.Text, 0, "", t.Tall);
            Expect_Import(r, cells, k.Name, k.N);
            EXPECT_EQ(r.Format, t.Format);
        }
        // Lower-case letters read as the capitals.
        std::string lower = cells;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char ch) { return static_cast<char>(std::tolower(ch)); });
        Expect_Import(Import_Puzzle_Text(lower, 0, "", tall_chosen), cells, k.Name, k.N);
    }
}

TEST(Board_Sizes, SixteenCellLinesAreRowsOrFourByFourPuzzles) {
    const Size_Case& small = New_Kinds[0];
    const Size_Case& large = New_Kinds[5];
    const std::string one = Givens(small);
    std::string other = one;
    std::swap(other[0], other[1]);
    // Two lines of 16 cells: two 4x4 puzzles; so is a single line.
    const Text_Import_Result two = Import_Puzzle_Text(one + "\n" + other + "\n", 1);
    Expect_Import(two, other, "4x4", 4);
    EXPECT_EQ(two.Format, Text_Format::Puzzle_Lines);
    EXPECT_EQ(two.Puzzle_Count, 2u);
    // Sixteen lines of 16 cells: the rows of a 16x16, unless they hold no number above 4, which
    // no 16x16 puzzle with one solution could; the name never decides.
    const std::string rows = Rows(Givens(large), 16, Plain);
    EXPECT_EQ(Import_Puzzle_Text(rows, 0, "rows.sdm").Puzzle.Sudoku_Boards[0].Max_Number, 16);
    std::string sixteen_puzzles;
    for (int i = 0; i < 16; ++i) {
        sixteen_puzzles += (i % 2 == 0 ? one : other) + "\n";
    }
    const Text_Import_Result listed = Import_Puzzle_Text(sixteen_puzzles, 1, "four.sdk");
    ASSERT_TRUE(listed.Ok()) << listed.Error;
    EXPECT_EQ(listed.Puzzle_Count, 16u);
    Expect_Import(listed, other, "4x4", 4);
    // Bars the other way than the import asks still give the shape they show.
    const Size_Case& wide = New_Kinds[3];
    const std::string barred =
        Rows(Givens(wide), 12, [](int, const std::string& row) { return Barred(row, 4) + "\n"; });
    Expect_Import(Import_Puzzle_Text(barred, 0, "", true), Givens(wide), "12x12-wide", 12);
}

TEST(Board_Sizes, TextsOfTheNewSizesAreRefusedWithTheirMessages) {
    const std::string twelve = Givens(New_Kinds[3]);
    std::string clash = Givens(New_Kinds[5]);
    clash[1] = clash[0]; // the first given again beside it
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string(143, '.') + "D",
         "Line 1 has the number D; a 12x12 board holds 1 to 9 and A to C"},
        {std::string(80, '.') + "A", "Line 1 has the number A; a 9x9 board holds 1 to 9"},
        {std::string(63, '.'), "Line 1 has 63 cells; a puzzle line needs 64 for an 8x8 board"},
        {std::string(250, '.'), "Line 1 has 250 cells; a puzzle line needs 256 for a 16x16 board"},
        {std::string(82, '.'),
         "Line 1 has 82 cells; a puzzle line needs 81, or 36 for a 6x6 board"},
        {std::string(255, '.') + "H", "Line 1 has the character 'H', which is no number"},
        {Rows(twelve, 12, Plain).substr(0, 13 * 11),
         "The text ends after 11 rows; a 12x12 puzzle has 12"},
        {"12|34\n34|12\n21|43\n43|21\n1234\n",
         "Line 5 follows the puzzle's last row; a 4x4 puzzle has 4 rows"},
        {clash, "Line 1: column 1, row 1 and column 2, row 1 both hold the given " +
                    clash.substr(0, 1) + "; a row holds each number only once"},
    };
    for (const auto& [text, message] : cases) {
        const Text_Import_Result r = Import_Puzzle_Text(text);
        EXPECT_EQ(r.Error, message) << text;
        EXPECT_TRUE(r.Puzzle.Sudoku_Boards.empty());
    }
}
