// Boards of 4 to 16 numbers: the kinds' blocks, numbers as digits then letters, files of
// every kind byte for byte, and texts of every size and shape read as the description reader
// reads the same grid.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <set>

#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "io/Text_Import.h"
#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"
#include "model/Number_Text.h"

namespace {

// The new kinds: name, the file's Board_Type and Wide_Blocks, size, block columns and rows.
struct Size_Case {
    const char* Name;
    Integer Type;
    Flag Wide;
    int N, W, H;
};
const Size_Case New_Kinds[] = {{"4x4", 4, 0, 4, 2, 2},          {"8x8-wide", 8, 1, 8, 4, 2},
                               {"8x8-tall", 8, 0, 8, 2, 4},     {"12x12-wide", 12, 1, 12, 4, 3},
                               {"12x12-tall", 12, 0, 12, 3, 4}, {"16x16", 16, 0, 16, 4, 4}};

// Every third cell of a solved grid, row by row; the rows of each band shift by a block.
std::string Givens(const Size_Case& k) {
    std::string cells;
    for (int r = 0; r < k.N; ++r) {
        for (int c = 0; c < k.N; ++c) {
            const int n = (r % k.H * k.W + r / k.H + c) % k.N + 1;
            cells += (c + 2 * r) % 3 == 0 ? Number_Text(n) : ".";
        }
    }
    return cells;
}

// The rows of a grid, each made by row(index, cells).
std::string Rows(const std::string& cells, int n,
                 const std::function<std::string(int, std::string)>& row) {
    std::string out;
    for (int r = 0; r < n; ++r) {
        out += row(r, cells.substr(static_cast<std::size_t>(r * n), static_cast<std::size_t>(n)));
    }
    return out;
}

std::string Plain(int, std::string row) {
    return row + "\n";
}

void Expect_Import(const Text_Import_Result& r, const std::string& cells, const char* kind, int n) {
    ASSERT_TRUE(r.Ok()) << r.Error;
    const Description_Result d =
        Parse_Description(std::string("board ") + kind + " 20 20\n" + Rows(cells, n, Plain));
    ASSERT_TRUE(d.Ok()) << d.Error;
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), Write_Puzzle_Bytes(d.Puzzle));
}

} // namespace

TEST(Board_Sizes, KindsBlocksAndNumbers) {
    for (const Size_Case& k : New_Kinds) {
        const Board_Kind* kind = Find_Board_Kind_Named(k.Name);
        ASSERT_NE(kind, nullptr) << k.Name;
        EXPECT_EQ(kind, Find_Board_Kind(k.Type, k.Wide)) << k.Name;
        EXPECT_EQ(kind->Max_Number, k.N);
        EXPECT_EQ(kind->Block_Width * 100 + kind->Block_Height, k.W * 100 + k.H) << k.Name;
    }
    // Every kind's blocks tile its board: N blocks of N cells.
    for (const Board_Kind& kind : Board_Kinds()) {
        Puzzle_State s;
        Add_Board_Model(s, kind.Board_Type, kind.Max_Number, kind.Max_Number, kind.Max_Number,
                        kind.Wide_Blocks);
        std::set<std::pair<int, int>> origins;
        std::multiset<std::pair<int, int>> cells;
        for (int c = 0; c < kind.Max_Number; ++c) {
            for (int r = 0; r < kind.Max_Number; ++r) {
                Integer oc = 0, orow = 0;
                Block_Origin_Of_Cell(s, 0, c, r, oc, orow);
                EXPECT_TRUE(c - oc < kind.Block_Width && r - orow < kind.Block_Height);
                origins.insert({oc, orow});
                cells.insert({oc, orow});
            }
        }
        EXPECT_EQ(static_cast<int>(origins.size()), kind.Max_Number) << kind.Name;
        EXPECT_EQ(static_cast<int>(cells.count(*origins.begin())), kind.Max_Number) << kind.Name;
    }
    for (int n = 1; n <= 16; ++n) {
        const char ch = Number_Text(n)[0];
        EXPECT_EQ(ch, n <= 9 ? '0' + n : 'A' + n - 10);
        EXPECT_EQ(Number_Of_Char(static_cast<char>(std::tolower(ch)), 16), n);
        EXPECT_EQ(Number_Of_Char(ch, n - 1), -1) << "above the board's numbers";
    }
    EXPECT_EQ(Number_Of_Char('H', 16), -1);
}

TEST(Board_Sizes, FilesOfEveryKindComeBackByteForByte) {
    Puzzle_State all;
    for (const Size_Case& k : New_Kinds) {
        const int b = Add_Board_Model(all, k.Type, k.N, k.N, k.N, k.Wide);
        all.Board_Positions.push_back({0, 400 * b});
        Sudoku_Boards_FrameWork& board = all.Sudoku_Boards[static_cast<std::size_t>(b)];
        board.Cell_Values[k.N - 1][0] = k.N;
        board.Cell_Locked[k.N - 1][0] = 1;
        board.Use_Cell_Colours = 1;
    }
    all.Board_Overlaps.resize(all.Sudoku_Boards.size());
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(all);
    // The header, then per section 30 bytes of head, 4 + 1 + 8 bytes a cell and 8 more.
    std::size_t expected = 13;
    for (const Size_Case& k : New_Kinds) {
        expected += 30 + 13 * static_cast<std::size_t>(k.N * k.N) + 8;
    }
    EXPECT_EQ(bytes.size(), expected);
    const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_TRUE(r.Puzzle == all);
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), bytes);
}

// Every size as one line, as rows, with '|' and '-' between blocks, and in lower case; the
// kinds of two shapes wide unless the bars or the import say tall.
TEST(Board_Sizes, TextsOfEverySizeAndShape) {
    for (const Size_Case& k : New_Kinds) {
        SCOPED_TRACE(k.Name);
        const std::string cells = Givens(k);
        std::string lower = cells;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char ch) { return static_cast<char>(std::tolower(ch)); });
        const std::string framed = Rows(cells, k.N, [&](int r, std::string row) {
            for (int c = k.N - k.W; c > 0; c -= k.W) {
                row.insert(static_cast<std::size_t>(c), "|");
            }
            return std::string(r > 0 && r % k.H == 0 ? "-\n" : "") + row + "\n";
        });
        const bool tall = k.W < k.H;
        Expect_Import(Import_Puzzle_Text(cells, 0, "", tall), cells, k.Name, k.N);
        Expect_Import(Import_Puzzle_Text(lower, 0, "", tall), cells, k.Name, k.N);
        Expect_Import(Import_Puzzle_Text(Rows(cells, k.N, Plain), 0, "", tall), cells, k.Name, k.N);
        const Text_Import_Result bars = Import_Puzzle_Text(framed, 0, "", !tall);
        Expect_Import(bars, cells, k.Name, k.N);
        EXPECT_EQ(bars.Format, Text_Format::Ss);
    }
    // Sixteen cells a line: 4x4 puzzles, unless sixteen such lines hold a number above 4.
    const std::string four = Givens(New_Kinds[0]);
    const Text_Import_Result two = Import_Puzzle_Text(four + "\n" + four + "\n", 1);
    Expect_Import(two, four, "4x4", 4);
    EXPECT_EQ(two.Puzzle_Count, 2u);
    std::string fours;
    for (int i = 0; i < 16; ++i) {
        fours += four + "\n";
    }
    EXPECT_EQ(Import_Puzzle_Text(fours).Puzzle_Count, 16u);
}

TEST(Board_Sizes, TextsRefusedWithTheirMessages) {
    std::string clash = Givens(New_Kinds[5]);
    clash[1] = clash[0];
    const std::pair<std::string, std::string> cases[] = {
        {std::string(143, '.') + "D",
         "Line 1 has the number D; a 12x12 board holds 1 to 9 and A to C"},
        {std::string(63, '.'), "Line 1 has 63 cells; a puzzle line needs 64 for an 8x8 board"},
        {"12|34\n34|12\n21|43\n", "The text ends after 3 rows; a 4x4 puzzle has 4"},
        {clash, "Line 1: column 1, row 1 and column 2, row 1 both hold the given 1; a row holds "
                "each number only once"},
    };
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(Import_Puzzle_Text(text).Error, message) << text;
    }
}
