// Writes the malformed puzzle files of this folder, one per fault, and expected.txt: one line
// per file with its name, the kind of message the window shows for it ("error" or
// "information") and the message itself, separated by tabs.
//
//   make_malformed OUTPUT_FOLDER
//
// Each file starts from a valid game written by the game's own writer and breaks exactly
// one thing: a cut at some field, a version other than 1.0, a broken invariant, or a count
// far larger than the file. The messages are written out here by hand, not taken from the
// reader, so the window test compares the reader against what a player should be told.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "io/Puzzle_File.h"
#include "tests/core/File_Builder.h"

namespace {

using namespace File_Builder;

struct Malformed {
    std::string Name;
    std::string Kind;
    std::string Message;
    std::vector<Byte> Bytes;
};

std::vector<Malformed> Files;

void Add(const std::string& name, const std::string& kind, const std::string& message,
         std::vector<Byte> bytes) {
    Files.push_back({name, kind, message, std::move(bytes)});
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "make_malformed: %s\n", what.c_str());
    std::exit(1);
}

// Two linked 9x9 boards behind a shown info panel. Board 1 has symbols, cell colours and a
// link; the region data (one region of two cells) is repeated in both sections.
Puzzle_State Rich_Game() {
    Puzzle_State s;
    Add_Board(s, Board_Type_9x9, 9, 0, 0);
    Add_Board(s, Board_Type_9x9, 9, 240, 0);
    Link(s, 0, 1, {7, 1, 1, 1});
    Link(s, 1, 0, {1, 1, 7, 1});
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
    b.Use_Symbols = 1;
    b.Symbols = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I'};
    b.Use_Cell_Colours = 1;
    b.Cell_Values[0][0] = 4;
    b.Cell_Locked[0][0] = 1;
    s.Custom_Regions_On = 1;
    s.Custom_Regions = {{{0, 0, 0, 0}, {1, 8, 8, 0}}};
    s.Info_Visible = 1;
    s.Info_Left = 12;
    s.Info_Top = 30;
    s.Puzzle_Title.Assign("Malformed");
    s.Puzzle_Link.Assign("https://example.org/malformed");
    return s;
}

// Offsets in the rich game's file, from the layout of the format.
constexpr std::size_t S = First_Section_Shown; // board 1's section
constexpr std::size_t Values = S + 50;         // after one link
constexpr std::size_t Locks = Values + 81 * 4;
constexpr std::size_t Symbols = Locks + 81;
constexpr std::size_t Block_Lines = Symbols + 9;
constexpr std::size_t Attributes = Block_Lines + 2;
constexpr std::size_t Regions_On = Attributes + 81 * 8;
constexpr std::size_t Region_Count = Regions_On + 2;
constexpr std::size_t First_Region_Cells = Region_Count + 4;
constexpr std::size_t First_Region_Cell = First_Region_Cells + 4;
constexpr std::size_t Second_Section = First_Region_Cell + 2 * 16;
constexpr std::size_t Rich_Size = Second_Section + 767 + 20 + 4 + 32;

std::vector<Byte> Cut(std::vector<Byte> bytes, std::size_t keep) {
    bytes.resize(keep);
    return bytes;
}

std::vector<Byte> With_Int32(std::vector<Byte> bytes, std::size_t offset, Integer v) {
    Put_Int32(bytes, offset, v);
    return bytes;
}

std::vector<Byte> With_Version(std::vector<Byte> bytes, double v) {
    Put_Double(bytes, 0, v);
    return bytes;
}

void Truncations(const std::vector<Byte>& rich) {
    const std::string cut = Read_Beyond_End_Message;
    const struct {
        const char* Name;
        std::size_t Keep;
    } cuts[] = {
        {"cut-empty.zd2", 0},
        {"cut-in-version.zd2", 5},
        {"cut-before-info-flag.zd2", 8},
        {"cut-in-info-position.zd2", 11},
        {"cut-in-title.zd2", 40},
        {"cut-in-link-text.zd2", 200},
        {"cut-in-board-count.zd2", S - 2},
        {"cut-in-board-header.zd2", S + 10},
        {"cut-in-links.zd2", S + 40},
        {"cut-in-values.zd2", Values + 150},
        {"cut-in-locks.zd2", Locks + 40},
        {"cut-in-symbols.zd2", Symbols + 4},
        {"cut-in-block-flags.zd2", Block_Lines + 1},
        {"cut-in-cell-attributes.zd2", Attributes + 333},
        {"cut-in-region-flags.zd2", Regions_On + 1},
        {"cut-in-region-count.zd2", Region_Count + 2},
        {"cut-in-region-cells.zd2", First_Region_Cell + 20},
        {"cut-before-second-board.zd2", Second_Section},
        {"cut-one-byte-short.zd2", Rich_Size - 1},
    };
    for (const auto& c : cuts) {
        Add(c.Name, "error", cut, Cut(rich, c.Keep));
    }
}

void Versions(const std::vector<Byte>& rich) {
    const std::string newer = New_Version_Message;
    Add("version-2.zd2", "information", newer, With_Version(rich, 2.0));
    Add("version-1.5.zd2", "information", newer, With_Version(rich, 1.5));
    Add("version-zero.zd2", "information", newer, With_Version(rich, 0.0));
    Add("version-just-below-1.zd2", "information", newer,
        With_Version(rich, std::nextafter(1.0, 0.0)));
    Add("version-nan.zd2", "information", newer,
        With_Version(rich, std::numeric_limits<double>::quiet_NaN()));
    // 1.0 written with the bytes the other way round.
    std::vector<Byte> swapped = rich;
    const Byte big_endian_one[8] = {0x3F, 0xF0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i) {
        swapped[i] = big_endian_one[i];
    }
    Add("version-big-endian.zd2", "information", newer, swapped);
    // Only the version of a newer file: nothing after it is read.
    Add("version-2-header-only.zd2", "information", newer, Cut(With_Version(rich, 2.0), 8));
}

void Sizes() {
    const std::vector<Byte> one = Write_Puzzle_Bytes(Single_9x9());
    const std::size_t s = First_Section_Hidden;
    Add("size-kind-1-with-6.zd2", "error",
        "Board 1: Max_Number is 6, but a board of Board_Type 1 holds 9 numbers.",
        With_Int32(one, s + Section_Max_Number, 6));
    {
        Puzzle_State p;
        Add_Board(p, Board_Type_6x6, 6);
        Add("size-kind-2-with-9.zd2", "error",
            "Board 1: Max_Number is 9, but a board of Board_Type 2 holds 6 numbers.",
            With_Int32(Write_Puzzle_Bytes(p), s + Section_Max_Number, 9));
    }
    std::vector<Byte> other = With_Int32(one, s + Section_Board_Type, 7);
    Add("size-zero-numbers.zd2", "error", "Board 1: Max_Number is 0; a board holds 1 to 9 numbers.",
        With_Int32(other, s + Section_Max_Number, 0));
    Add("size-ten-numbers.zd2", "error", "Board 1: Max_Number is 10; a board holds 1 to 9 numbers.",
        With_Int32(other, s + Section_Max_Number, 10));
    Add("size-huge-numbers.zd2", "error",
        "Board 1: Max_Number is 2147483647; a board holds 1 to 9 numbers.",
        With_Int32(With_Int32(With_Int32(other, s + Section_Max_Number, 2147483647),
                              s + Section_Cols, 2147483647),
                   s + Section_Rows, 2147483647));
    Add("size-negative-numbers.zd2", "error",
        "Board 1: Max_Number is -1; a board holds 1 to 9 numbers.",
        With_Int32(other, s + Section_Max_Number, -1));
    Add("size-cols.zd2", "error", "Board 1: Cols is 8, but Max_Number is 9; every board is square.",
        With_Int32(one, s + Section_Cols, 8));
    Add("size-rows.zd2", "error",
        "Board 1: Rows is 10, but Max_Number is 9; every board is square.",
        With_Int32(one, s + Section_Rows, 10));
    // The second board of a Samurai group.
    Add("size-rows-board-2.zd2", "error",
        "Board 2: Rows is 0, but Max_Number is 9; every board is square.",
        With_Int32(Write_Puzzle_Bytes(Samurai()), s + 767 + 20 + Section_Rows, 0));
}

void Cells() {
    Puzzle_State p = Single_9x9();
    p.Sudoku_Boards[0].Cell_Values[2][4] = 10;
    Add("cell-value-too-big.zd2", "error",
        "Board 1, column 3, row 5: Cell_Values holds 10; a cell holds 0 to 9.",
        Write_Puzzle_Bytes(p));
    Puzzle_State q;
    Add_Board(q, Board_Type_6x6, 6);
    q.Sudoku_Boards[0].Cell_Values[5][0] = -1;
    Add("cell-value-negative.zd2", "error",
        "Board 1, column 6, row 1: Cell_Values holds -1; a cell holds 0 to 6.",
        Write_Puzzle_Bytes(q));
}

void Counts(const std::vector<Byte>& rich) {
    const std::string cut = Read_Beyond_End_Message;
    Add("count-negative-boards.zd2", "error",
        "The file: Board_Count is -1; a count cannot be negative.", With_Int32(rich, S - 4, -1));
    Add("count-negative-links.zd2", "error",
        "Board 1: Link_Count is -3; a count cannot be negative.",
        With_Int32(rich, S + Section_Link_Count, -3));
    Add("count-negative-regions.zd2", "error",
        "Board 1: Region_Count is -5; a count cannot be negative.",
        With_Int32(rich, Region_Count, -5));
    Add("count-negative-region-cells.zd2", "error",
        "Board 1: the cell count of region 1 is -2147483648; a count cannot be negative.",
        With_Int32(rich, First_Region_Cells, -2147483647 - 1));
    // Counts no file of this size could hold are refused before anything is allocated.
    Add("count-huge-boards.zd2", "error", cut, With_Int32(rich, S - 4, 2147483647));
    Add("count-huge-links.zd2", "error", cut, With_Int32(rich, S + Section_Link_Count, 2147483647));
    Add("count-huge-regions.zd2", "error", cut, With_Int32(rich, Region_Count, 2147483647));
    Add("count-huge-region-cells.zd2", "error", cut,
        With_Int32(rich, First_Region_Cells, 2147483647));
    // One board more than the file holds.
    Add("count-one-board-too-many.zd2", "error", cut, With_Int32(rich, S - 4, 3));
}

void Links() {
    Puzzle_State p = Rich_Game();
    p.Board_Overlaps[0].Linked_Boards[0] = 0;
    Add("link-to-board-0.zd2", "error",
        "Board 1, link 1: board 0 does not exist (the file has 2 boards).", Write_Puzzle_Bytes(p));

    p = Rich_Game();
    p.Board_Overlaps[1].Linked_Boards[0] = 3;
    Add("link-past-last-board.zd2", "error",
        "Board 2, link 1: board 3 does not exist (the file has 2 boards).", Write_Puzzle_Bytes(p));

    p = Single_9x9();
    Link(p, 0, 0, {1, 1, 1, 1}); // a board may share cells with itself
    p.Board_Overlaps[0].Linked_Boards[0] = -7;
    Add("link-negative-board.zd2", "error",
        "Board 1, link 1: board -7 does not exist (the file has 1 board).", Write_Puzzle_Bytes(p));

    p = Single_9x9();
    Add_Board(p, Board_Type_6x6, 6, 300, 0);
    Link(p, 0, 1, {1, 1, 1, 1});
    Add("link-other-size.zd2", "error",
        "Board 1, link 1: board 2 holds 6 numbers, but this board holds 9; linked boards must "
        "be the same size.",
        Write_Puzzle_Bytes(p));

    const struct {
        const char* Name;
        Link_Area Area;
        const char* Message;
    } areas[] = {
        {"link-area-this-col-0.zd2",
         {0, 1, 1, 1},
         "Board 1, link 1: This_Col is 0; it must lie in 1..9."},
        {"link-area-this-row-10.zd2",
         {7, 10, 1, 1},
         "Board 1, link 1: This_Row is 10; it must lie in 1..9."},
        {"link-area-other-col-negative.zd2",
         {7, 1, -2147483647 - 1, 1},
         "Board 1, link 1: Other_Col is -2147483648; it must lie in 1..9."},
        {"link-area-other-row-huge.zd2",
         {7, 1, 1, 2147483647},
         "Board 1, link 1: Other_Row is 2147483647; it must lie in 1..9."},
    };
    for (const auto& a : areas) {
        p = Rich_Game();
        p.Board_Overlaps[0].Link_Areas[0] = a.Area;
        Add(a.Name, "error", a.Message, Write_Puzzle_Bytes(p));
    }
}

void Regions() {
    const struct {
        const char* Name;
        Region_Cell Cell;
        const char* Message;
    } cells[] = {
        {"region-board-negative.zd2",
         {-1, 0, 0, 0},
         "Board 2, region 1, cell 2: Board -1 does not exist (boards are numbered 0..1 in "
         "regions)."},
        {"region-board-past-last.zd2",
         {2, 0, 0, 0},
         "Board 2, region 1, cell 2: Board 2 does not exist (boards are numbered 0..1 in "
         "regions)."},
        {"region-col-outside.zd2",
         {1, 9, 0, 0},
         "Board 2, region 1, cell 2: Col 9 is outside board 2 (columns 0..8)."},
        {"region-row-outside.zd2",
         {0, 3, -1, 0},
         "Board 2, region 1, cell 2: Row -1 is outside board 1 (rows 0..8)."},
    };
    for (const auto& c : cells) {
        Puzzle_State p = Rich_Game();
        p.Custom_Regions[0][1] = c.Cell;
        Add(c.Name, "error", c.Message, Write_Puzzle_Bytes(p));
    }

    Puzzle_State p = Single_9x9();
    Add_Board(p, Board_Type_6x6, 6, 300, 0);
    p.Custom_Regions_On = 1;
    p.Custom_Regions = {{{0, 0, 0, 0}, {1, 0, 0, 0}}};
    Add("region-mixed-sizes.zd2", "error",
        "Board 2, region 1, cell 2: board 2 holds 6 numbers, but the region's first cell lies "
        "on board 1 with 9; a region's boards must be the same size.",
        Write_Puzzle_Bytes(p));

    // Only the last section's region data is kept, so that is the copy that is checked even
    // when the first section's copy is sound.
    std::vector<Byte> last = Write_Puzzle_Bytes(Rich_Game());
    Put_Int32(last, Rich_Size - 16 + 4, 11); // the last cell's Col, in the second section
    Add("region-bad-in-last-section.zd2", "error",
        "Board 2, region 1, cell 2: Col 11 is outside board 2 (columns 0..8).", last);
}

// The player's notes after the boards: a good block on the rich game, then each way a block
// can be damaged. A damaged block refuses the whole file.
void Notes(const std::vector<Byte>& rich) {
    Puzzle_State noted = Rich_Game();
    noted.Sudoku_Boards[0].Cell_Notes[1][1] = 0x005; // 1 and 3
    const std::vector<Byte> good = Write_Puzzle_Bytes(noted);
    if (!Read_Puzzle_Bytes(good).Ok() || good.size() != rich.size() + 4 + 4 + 4 + 16) {
        Fail("the noted rich game is not what the notes block should make of it");
    }
    const std::size_t block = rich.size(); // where the tag starts
    const std::string damaged = "The notes saved after the boards are damaged: ";
    std::vector<Byte> cut(good.begin(), good.end() - 6);
    Add("notes-cut.zd2", "error", damaged + "the block's length does not fit the file.", cut);
    std::vector<Byte> no_length(good.begin(), good.begin() + static_cast<long>(block) + 6);
    Add("notes-cut-in-length.zd2", "error", damaged + "the block is cut off before its length.",
        no_length);
    std::vector<Byte> counted = good;
    Put_Int32(counted, block + 8, 2);
    Add("notes-count-too-big.zd2", "error",
        damaged + "the block's length does not match its count of cells.", counted);
    const struct {
        const char* Name;
        std::size_t Field; // 0 board, 1 column, 2 row, 3 notes
        Integer Value;
        const char* Why;
    } fields[] = {
        {"notes-board-missing.zd2", 0, 2,
         "cell 1 of the block names a board the file does not have"},
        {"notes-col-outside.zd2", 1, 9, "cell 1 of the block lies outside its board"},
        {"notes-row-negative.zd2", 2, -1, "cell 1 of the block lies outside its board"},
        {"notes-above-highest.zd2", 3, 0x205,
         "cell 1 of the block notes no number of its board, or one above its highest"},
        {"notes-none.zd2", 3, 0,
         "cell 1 of the block notes no number of its board, or one above its highest"},
        {"notes-on-a-number.zd2", 1, 0, "cell 1 of the block holds a number"},
    };
    for (const auto& f : fields) {
        std::vector<Byte> bytes = good;
        Put_Int32(bytes, block + 12 + 4 * f.Field, f.Value);
        if (f.Field == 1 && f.Value == 0) {
            Put_Int32(bytes, block + 12 + 8, 0); // board 1's (0, 0) holds a 4
        }
        Add(f.Name, "error", damaged + f.Why + ".", bytes);
    }
    Puzzle_State twice = noted;
    twice.Sudoku_Boards[0].Cell_Notes[2][2] = 0x010;
    std::vector<Byte> listed_twice = Write_Puzzle_Bytes(twice);
    Put_Int32(listed_twice, block + 12 + 16, 0);
    Put_Int32(listed_twice, block + 12 + 16 + 4, 1);
    Put_Int32(listed_twice, block + 12 + 16 + 8, 1);
    Add("notes-listed-twice.zd2", "error", damaged + "cell 2 of the block is listed twice.",
        listed_twice);
    // Board 1's columns 6..8 are board 2's columns 0..2: a note on one copy alone.
    Puzzle_State one_copy = Rich_Game();
    one_copy.Sudoku_Boards[0].Cell_Notes[7][3] = 0x100;
    Add("notes-one-copy.zd2", "error",
        damaged + "the copies of a cell that boards 1 and 2 share hold different notes.",
        Write_Puzzle_Bytes(one_copy));
}

// Boards of the kinds of 4 to 16 numbers: only their own number count, square, numbers up to
// their size, links only to boards of that size, and cut short in their cells.
void Board_Sizes() {
    const std::size_t s = First_Section_Hidden;
    Puzzle_State sixteen;
    Add_Board(sixteen, Board_Type_16x16, 16);
    Add("size-kind-16-with-9.zd2", "error",
        "Board 1: Max_Number is 9, but a board of Board_Type 16 holds 16 numbers.",
        With_Int32(Write_Puzzle_Bytes(sixteen), s + Section_Max_Number, 9));
    Puzzle_State four;
    Add_Board(four, Board_Type_4x4, 4);
    Add("size-kind-4-with-16.zd2", "error",
        "Board 1: Max_Number is 16, but a board of Board_Type 4 holds 4 numbers.",
        With_Int32(Write_Puzzle_Bytes(four), s + Section_Max_Number, 16));
    Puzzle_State twelve;
    Add_Board(twelve, Board_Type_12x12, 12, 0, 0, 1);
    Add("size-kind-12-cols-16.zd2", "error",
        "Board 1: Cols is 16, but Max_Number is 12; every board is square.",
        With_Int32(Write_Puzzle_Bytes(twelve), s + Section_Cols, 16));
    // A 16x16 board under a Board_Type the reader does not know, as an older build sees one.
    Add("size-other-kind-16.zd2", "error",
        "Board 1: Max_Number is 16; a board holds 1 to 9 numbers.",
        With_Int32(Write_Puzzle_Bytes(sixteen), s + Section_Board_Type, 7));
    Puzzle_State eight;
    Add_Board(eight, Board_Type_8x8, 8);
    eight.Sudoku_Boards[0].Cell_Values[7][7] = 9;
    Add("cell-value-9-on-8x8.zd2", "error",
        "Board 1, column 8, row 8: Cell_Values holds 9; a cell holds 0 to 8.",
        Write_Puzzle_Bytes(eight));
    Puzzle_State high = sixteen;
    high.Sudoku_Boards[0].Cell_Values[15][0] = 17;
    Add("cell-value-17-on-16x16.zd2", "error",
        "Board 1, column 16, row 1: Cell_Values holds 17; a cell holds 0 to 16.",
        Write_Puzzle_Bytes(high));
    Puzzle_State pair = sixteen;
    Add_Board(pair, Board_Type_12x12, 12, 400, 0, 0);
    Link(pair, 0, 1, {1, 1, 1, 1});
    Add("link-16x16-to-12x12.zd2", "error",
        "Board 1, link 1: board 2 holds 12 numbers, but this board holds 16; linked boards must "
        "be the same size.",
        Write_Puzzle_Bytes(pair));
    // Cut inside the numbers of the 16x16 board's last column.
    Add("cut-in-16x16-values.zd2", "error", Read_Beyond_End_Message,
        Cut(Write_Puzzle_Bytes(sixteen), s + 30 + 255 * 4 + 2));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const std::vector<Byte> rich = Write_Puzzle_Bytes(Rich_Game());
    if (rich.size() != Rich_Size) {
        Fail("the rich game is " + std::to_string(rich.size()) + " bytes, not " +
             std::to_string(Rich_Size));
    }
    if (!Read_Puzzle_Bytes(rich).Ok()) {
        Fail("the rich game itself is refused");
    }
    Truncations(rich);
    Versions(rich);
    Sizes();
    Cells();
    Counts(rich);
    Links();
    Regions();
    Notes(rich);
    Board_Sizes();

    std::ofstream manifest(folder + "/expected.txt", std::ios::binary);
    for (const Malformed& m : Files) {
        std::ofstream out(folder + "/" + m.Name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(m.Bytes.data()),
                  static_cast<std::streamsize>(m.Bytes.size()));
        if (!out) {
            Fail("cannot write " + m.Name);
        }
        manifest << m.Name << '\t' << m.Kind << '\t' << m.Message << '\n';
    }
    if (!manifest) {
        Fail("cannot write expected.txt");
    }
    std::printf("wrote %zu malformed files\n", Files.size());
    return 0;
}
