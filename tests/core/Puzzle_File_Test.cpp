#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/Puzzle_File.h"
#include "session/Puzzle_Loading.h"
#include "tests/core/File_Builder.h"

namespace fs = std::filesystem;
using namespace File_Builder;

namespace {

// Every field the file stores, compared one by one so a failure names the field.
void Expect_Same_Stored_Fields(const Puzzle_State& a, const Puzzle_State& b) {
    ASSERT_EQ(a.Sudoku_Boards.size(), b.Sudoku_Boards.size());
    for (std::size_t i = 0; i < a.Sudoku_Boards.size(); ++i) {
        SCOPED_TRACE("board " + std::to_string(i + 1));
        const Sudoku_Boards_FrameWork& x = a.Sudoku_Boards[i];
        const Sudoku_Boards_FrameWork& y = b.Sudoku_Boards[i];
        EXPECT_EQ(x.Board_Type, y.Board_Type);
        EXPECT_EQ(x.Cols, y.Cols);
        EXPECT_EQ(x.Rows, y.Rows);
        EXPECT_EQ(x.Max_Number, y.Max_Number);
        EXPECT_EQ(x.Wide_Blocks, y.Wide_Blocks);
        EXPECT_EQ(x.Use_Symbols, y.Use_Symbols);
        EXPECT_EQ(x.Cell_Values, y.Cell_Values);
        EXPECT_EQ(x.Cell_Locked, y.Cell_Locked);
        if (x.Use_Symbols) {
            EXPECT_EQ(x.Symbols, y.Symbols);
        }
        EXPECT_EQ(x.Draw_Block_Lines, y.Draw_Block_Lines);
        EXPECT_EQ(x.Use_Cell_Colours, y.Use_Cell_Colours);
        EXPECT_EQ(x.Cell_Borders, y.Cell_Borders);
        if (x.Use_Cell_Colours) {
            EXPECT_EQ(x.Cell_Colours, y.Cell_Colours);
        }
        EXPECT_EQ(a.Board_Positions[i].X, b.Board_Positions[i].X);
        EXPECT_EQ(a.Board_Positions[i].Y, b.Board_Positions[i].Y);
        EXPECT_EQ(a.Board_Overlaps[i].Linked_Boards, b.Board_Overlaps[i].Linked_Boards);
        ASSERT_EQ(a.Board_Overlaps[i].Link_Areas.size(), b.Board_Overlaps[i].Link_Areas.size());
        for (std::size_t k = 0; k < a.Board_Overlaps[i].Link_Areas.size(); ++k) {
            const Link_Area& p = a.Board_Overlaps[i].Link_Areas[k];
            const Link_Area& q = b.Board_Overlaps[i].Link_Areas[k];
            EXPECT_EQ((std::vector<Integer>{p.This_Col, p.This_Row, p.Other_Col, p.Other_Row}),
                      (std::vector<Integer>{q.This_Col, q.This_Row, q.Other_Col, q.Other_Row}));
        }
    }
    EXPECT_EQ(a.Custom_Regions_On, b.Custom_Regions_On);
    EXPECT_EQ(a.Regions_Only, b.Regions_Only);
    ASSERT_EQ(a.Custom_Regions.size(), b.Custom_Regions.size());
    for (std::size_t k = 0; k < a.Custom_Regions.size(); ++k) {
        ASSERT_EQ(a.Custom_Regions[k].size(), b.Custom_Regions[k].size());
        for (std::size_t j = 0; j < a.Custom_Regions[k].size(); ++j) {
            const Region_Cell& p = a.Custom_Regions[k][j];
            const Region_Cell& q = b.Custom_Regions[k][j];
            EXPECT_EQ((std::vector<Integer>{p.Board, p.Col, p.Row, p.Spare}),
                      (std::vector<Integer>{q.Board, q.Col, q.Row, q.Spare}));
        }
    }
    EXPECT_EQ(a.Info_Visible != 0, b.Info_Visible != 0);
    if (a.Info_Visible) {
        EXPECT_EQ(a.Info_Left, b.Info_Left);
        EXPECT_EQ(a.Info_Top, b.Info_Top);
        EXPECT_TRUE(a.Puzzle_Title == b.Puzzle_Title);
        EXPECT_TRUE(a.Puzzle_Link == b.Puzzle_Link);
    }
}

std::vector<Byte> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<Byte>(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const std::vector<Byte>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class Temp_Folder {
  public:
    Temp_Folder() {
        std::string pattern = (fs::temp_directory_path() / "tessel-file-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        const char* made = mkdtemp(name.data());
        if (made == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = made;
    }
    ~Temp_Folder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& Path() const { return path_; }
    std::size_t Entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(path_), fs::directory_iterator()));
    }

  private:
    fs::path path_;
};

std::vector<Byte> Header_Only(Integer board_count) {
    std::vector<Byte> bytes(13, 0);
    Put_Double(bytes, 0, 1.0);
    Put_Int32(bytes, 9, board_count);
    return bytes;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Layout

TEST(Puzzle_File_Layout, SizesAndOffsetsOfPlainBoards) {
    const std::vector<Byte> one = Write_Puzzle_Bytes(Single_9x9());
    EXPECT_EQ(one.size(), 780u);
    EXPECT_EQ(one.size() - First_Section_Hidden, 767u);
    EXPECT_EQ(Get_Int32(one, 9), 1) << "Board_Count sits at offset 9 without the panel";
    EXPECT_EQ(Get_Int32(one, 13 + Section_Max_Number), 9);

    Puzzle_State shown = Single_9x9();
    shown.Info_Visible = 1;
    const std::vector<Byte> with_panel = Write_Puzzle_Bytes(shown);
    EXPECT_EQ(with_panel.size(), 328u + 767u);
    EXPECT_EQ(Get_Int32(with_panel, 324), 1) << "Board_Count sits at offset 324 with the panel";

    Puzzle_State six;
    Add_Board(six, Board_Type_6x6, 6);
    EXPECT_EQ(Write_Puzzle_Bytes(six).size(), 13u + 362u);
}

TEST(Puzzle_File_Layout, OptionalPartsAddTheirBytes) {
    const std::size_t plain = Write_Puzzle_Bytes(Single_9x9()).size();

    Puzzle_State linked = Single_9x9();
    Add_Board(linked, Board_Type_9x9, 9);
    Link(linked, 0, 1, {7, 7, 1, 1});
    EXPECT_EQ(Write_Puzzle_Bytes(linked).size(), 13u + 2 * 767u + 20u);

    Puzzle_State coloured = Single_9x9();
    coloured.Sudoku_Boards[0].Use_Cell_Colours = 1;
    EXPECT_EQ(Write_Puzzle_Bytes(coloured).size(), plain + 324u);

    Puzzle_State regions = Single_9x9();
    regions.Custom_Regions = {{{0, 1, 2, 0}, {0, 3, 4, 0}}, {}};
    EXPECT_EQ(Write_Puzzle_Bytes(regions).size(), plain + (4u + 2 * 16u) + 4u);
}

TEST(Puzzle_File_Layout, SymbolsSitBetweenLocksAndBlockLines) {
    Puzzle_State s = Single_9x9();
    Sudoku_Boards_FrameWork& b = s.Sudoku_Boards[0];
    b.Use_Symbols = 1;
    b.Symbols = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i'};
    b.Cell_Locked[8][8] = 0x5A;
    b.Draw_Block_Lines = 0x77;
    b.Use_Cell_Colours = 0;
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(s);
    ASSERT_EQ(bytes.size(), 780u + 9u);
    const std::size_t locks = 13 + 30 + 81 * 4;
    EXPECT_EQ(bytes[locks + 80], 0x5A) << "last lock";
    EXPECT_EQ(std::vector<Byte>(bytes.begin() + locks + 81, bytes.begin() + locks + 90), b.Symbols);
    EXPECT_EQ(bytes[locks + 90], 0x77) << "Draw_Block_Lines follows the symbols";

    // Without Use_Symbols the nine bytes are absent and the symbols are not read.
    b.Use_Symbols = 0;
    const std::vector<Byte> plain = Write_Puzzle_Bytes(s);
    EXPECT_EQ(plain[locks + 81], 0x77);
}

TEST(Puzzle_File_Layout, FiveBoardHeader) {
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(Samurai());
    const std::vector<Byte> expected = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0,
                                        0x3F, 0x00, 0x05, 0x00, 0x00, 0x00};
    ASSERT_GE(bytes.size(), expected.size());
    EXPECT_EQ(std::vector<Byte>(bytes.begin(), bytes.begin() + 13), expected);
    EXPECT_EQ(Get_Int32(bytes, 13 + Section_Board_Type), Board_Type_9x9)
        << "the first section starts at offset 13";

    const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Puzzle.Sudoku_Boards.size(), 5u);
    EXPECT_FALSE(r.Puzzle.Info_Visible);
}

// ---------------------------------------------------------------------------------------
// Reading

TEST(Puzzle_File_Read, OnlyVersionOnePointZeroIsRead) {
    std::vector<Byte> bytes = Write_Puzzle_Bytes(Single_9x9());
    ASSERT_TRUE(Read_Puzzle_Bytes(bytes).Ok());
    for (double version : {2.0, 1.5, 0.0, -1.0, 1.0000000000000002}) {
        Put_Double(bytes, 0, version);
        const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
        EXPECT_EQ(r.Error, New_Version_Message) << "version " << version;
        EXPECT_TRUE(r.Puzzle.Sudoku_Boards.empty());
    }
    std::vector<Byte> zeros(bytes.size(), 0);
    EXPECT_EQ(Read_Puzzle_Bytes(zeros).Error, New_Version_Message);
}

TEST(Puzzle_File_Read, EveryFeatureSurvivesARoundTrip) {
    const Puzzle_State original = Every_Feature();
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(original);
    const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
    ASSERT_TRUE(r.Ok()) << r.Error;
    Expect_Same_Stored_Fields(original, r.Puzzle);
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), bytes);

    // The texts stay single-byte code page 1252, junk after them included.
    EXPECT_EQ(r.Puzzle.Puzzle_Title.Text(), "Samurai \xE9t\xE9");
    EXPECT_EQ(r.Puzzle.Puzzle_Title.Buffer[30], static_cast<Byte>(30 * 7));
    EXPECT_EQ(r.Puzzle.Puzzle_Link.Buffer[255], 0);
    EXPECT_EQ(r.Puzzle.Puzzle_Link.Buffer[100], 155);
    EXPECT_EQ(r.Puzzle.Sudoku_Boards[1].Symbols[5], 0xC9);

    // A fresh board's untouched fields: no shading, pictures unset, blocks of the kind.
    const Sudoku_Boards_FrameWork& wide = r.Puzzle.Sudoku_Boards[5];
    EXPECT_EQ(wide.Block_Width_Max, 2);
    EXPECT_EQ(wide.Block_Height_Max, 1);
    EXPECT_EQ(r.Puzzle.Sudoku_Boards[7].Block_Cols_Max, 0) << "an undrawn kind has no blocks";
    EXPECT_EQ(wide.Board_Image, nullptr);
}

TEST(Puzzle_File_Read, FlagsAreKeptAsStoredButThePanelFlagIsWrittenAsOne) {
    Puzzle_State s = Every_Feature();
    s.Info_Visible = 0x42;
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(s);
    EXPECT_EQ(bytes[8], 1);
    std::vector<Byte> odd = bytes;
    odd[8] = 0x42;
    const Puzzle_Read_Result r = Read_Puzzle_Bytes(odd);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Puzzle.Regions_Only, 2);
    EXPECT_EQ(r.Puzzle.Sudoku_Boards[3].Wide_Blocks, 3);
    EXPECT_EQ(r.Puzzle.Sudoku_Boards[0].Cell_Locked[0][0], 0x80);
    EXPECT_EQ(r.Puzzle.Sudoku_Boards[2].Use_Cell_Colours, 0x11);
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), bytes);
}

TEST(Puzzle_File_Read, TrailingBytesAreIgnoredAndEmptyFilesHaveNoBoards) {
    std::vector<Byte> bytes = Write_Puzzle_Bytes(Samurai());
    const std::vector<Byte> clean = bytes;
    bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 1, 2, 3});
    const Puzzle_Read_Result r = Read_Puzzle_Bytes(bytes);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), clean);

    const Puzzle_Read_Result empty = Read_Puzzle_Bytes(Header_Only(0));
    ASSERT_TRUE(empty.Ok()) << empty.Error;
    EXPECT_TRUE(empty.Puzzle.Sudoku_Boards.empty());
}

TEST(Puzzle_File_Read, TheLastSectionsRegionsAreKept) {
    // Two one-board files whose sections carry different region data, spliced into one.
    Puzzle_State first = Single_9x9();
    first.Custom_Regions_On = 0;
    first.Custom_Regions = {{{0, 0, 0, 0}}, {{0, 1, 1, 0}}, {{0, 2, 2, 0}}};
    Puzzle_State second = Single_9x9();
    second.Custom_Regions_On = 1;
    second.Regions_Only = 1;
    second.Custom_Regions = {{{1, 4, 4, 9}, {0, 8, 8, 0}}};
    const std::vector<Byte> a = Write_Puzzle_Bytes(first);
    const std::vector<Byte> b = Write_Puzzle_Bytes(second);
    std::vector<Byte> spliced = Header_Only(2);
    spliced.insert(spliced.end(), a.begin() + 13, a.end());
    spliced.insert(spliced.end(), b.begin() + 13, b.end());

    const Puzzle_Read_Result r = Read_Puzzle_Bytes(spliced);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Puzzle.Custom_Regions_On, 1);
    EXPECT_EQ(r.Puzzle.Regions_Only, 1);
    ASSERT_EQ(r.Puzzle.Custom_Regions.size(), 1u);
    ASSERT_EQ(r.Puzzle.Custom_Regions[0].size(), 2u);
    EXPECT_EQ(r.Puzzle.Custom_Regions[0][0].Board, 1);
    EXPECT_EQ(r.Puzzle.Custom_Regions[0][0].Spare, 9);

    // The writer repeats one copy in every section.
    const std::vector<Byte> rewritten = Write_Puzzle_Bytes(r.Puzzle);
    const std::size_t section = (rewritten.size() - 13) / 2;
    EXPECT_TRUE(std::equal(rewritten.begin() + 13 + section - 40, rewritten.begin() + 13 + section,
                           rewritten.end() - 40));
}

TEST(Puzzle_File_Read, EveryCutOfAValidFileEndsEarly) {
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(Every_Feature());
    ASSERT_TRUE(Read_Puzzle_Bytes(bytes).Ok());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::vector<Byte> cut(bytes.begin(), bytes.begin() + length);
        const Puzzle_Read_Result r = Read_Puzzle_Bytes(cut);
        ASSERT_EQ(r.Error, Read_Beyond_End_Message) << "cut at " << length;
        ASSERT_TRUE(r.Puzzle.Sudoku_Boards.empty()) << "cut at " << length;
    }
}

TEST(Puzzle_File_Read, CountsBeyondTheFilesLengthEndEarlyAtOnce) {
    // 20 bytes claiming two billion boards.
    std::vector<Byte> bytes = Header_Only(2000000000);
    bytes.resize(20, 0);
    EXPECT_EQ(Read_Puzzle_Bytes(bytes).Error, Read_Beyond_End_Message);

    // Huge link, region and region-cell counts in an otherwise valid file.
    const std::vector<Byte> valid = Write_Puzzle_Bytes(Single_9x9());
    std::vector<Byte> links = valid;
    Put_Int32(links, 13 + Section_Link_Count, 0x7FFFFFFF);
    EXPECT_EQ(Read_Puzzle_Bytes(links).Error, Read_Beyond_End_Message);

    std::vector<Byte> regions = valid;
    Put_Int32(regions, valid.size() - 4, 0x40000000);
    EXPECT_EQ(Read_Puzzle_Bytes(regions).Error, Read_Beyond_End_Message);

    Puzzle_State one_region = Single_9x9();
    one_region.Custom_Regions = {{{0, 0, 0, 0}}};
    std::vector<Byte> cells = Write_Puzzle_Bytes(one_region);
    Put_Int32(cells, cells.size() - 20, 0x10000000);
    EXPECT_EQ(Read_Puzzle_Bytes(cells).Error, Read_Beyond_End_Message);
}

// Each broken invariant is refused with its own message naming board, field and value.
TEST(Puzzle_File_Read, EachInvariantViolationHasItsOwnMessage) {
    struct Case {
        const char* Name;
        std::function<std::vector<Byte>()> Make;
        std::string Expected;
    };
    // Board 1: 9x9, board 2: 9x9 linked to board 1, board 3: 6x6.
    const auto base = [] {
        Puzzle_State s = Single_9x9();
        Add_Board(s, Board_Type_9x9, 9);
        Add_Board(s, Board_Type_6x6, 6);
        Link(s, 1, 0, {1, 1, 7, 7});
        s.Custom_Regions = {{{0, 0, 0, 0}, {1, 8, 8, 0}}};
        return s;
    };
    const std::size_t s1 = 13;
    const std::size_t s2 = 13 + 767 + (4 + 2 * 16);      // board 1 carries the region
    const std::size_t s3 = s2 + 767 + 20 + (4 + 2 * 16); // board 2 also its link
    const auto patched = [&](std::size_t offset, Integer value) {
        std::vector<Byte> bytes = Write_Puzzle_Bytes(base());
        Put_Int32(bytes, offset, value);
        return bytes;
    };
    const auto written = [&](const std::function<void(Puzzle_State&)>& change) {
        Puzzle_State s = base();
        change(s);
        return Write_Puzzle_Bytes(s);
    };
    const std::vector<Case> cases = {
        {"9x9 kind with 6 numbers", [&] { return patched(s1 + Section_Max_Number, 6); },
         "Board 1: Max_Number is 6, but a board of Board_Type 1 holds 9 numbers."},
        {"6x6 kind with 9 numbers", [&] { return patched(s3 + Section_Max_Number, 9); },
         "Board 3: Max_Number is 9, but a board of Board_Type 2 holds 6 numbers."},
        {"other kind too large",
         [&] {
             std::vector<Byte> b = patched(s1 + Section_Board_Type, 5);
             Put_Int32(b, s1 + Section_Max_Number, 10);
             return b;
         },
         "Board 1: Max_Number is 10; a board holds 1 to 9 numbers."},
        {"other kind empty",
         [&] {
             std::vector<Byte> b = patched(s1 + Section_Board_Type, 0);
             Put_Int32(b, s1 + Section_Max_Number, 0);
             return b;
         },
         "Board 1: Max_Number is 0; a board holds 1 to 9 numbers."},
        {"not square (cols)", [&] { return patched(s2 + Section_Cols, 8); },
         "Board 2: Cols is 8, but Max_Number is 9; every board is square."},
        {"not square (rows)", [&] { return patched(s1 + Section_Rows, 12); },
         "Board 1: Rows is 12, but Max_Number is 9; every board is square."},
        {"cell value too high",
         [&] { return written([](Puzzle_State& s) { s.Sudoku_Boards[2].Cell_Values[1][4] = 7; }); },
         "Board 3, column 2, row 5: Cell_Values holds 7; a cell holds 0 to 6."},
        {"cell value negative",
         [&] {
             return written([](Puzzle_State& s) { s.Sudoku_Boards[0].Cell_Values[0][0] = -1; });
         },
         "Board 1, column 1, row 1: Cell_Values holds -1; a cell holds 0 to 9."},
        {"negative board count", [&] { return patched(9, -3); },
         "The file: Board_Count is -3; a count cannot be negative."},
        {"negative link count", [&] { return patched(s1 + Section_Link_Count, -1); },
         "Board 1: Link_Count is -1; a count cannot be negative."},
        {"negative region count",
         [&] {
             std::vector<Byte> b = Write_Puzzle_Bytes(base());
             Put_Int32(b, s1 + 767 - 4, -2);
             return b;
         },
         "Board 1: Region_Count is -2; a count cannot be negative."},
        {"negative region cell count",
         [&] {
             std::vector<Byte> b = Write_Puzzle_Bytes(base());
             Put_Int32(b, s1 + 767, -5);
             return b;
         },
         "Board 1: the cell count of region 1 is -5; a count cannot be negative."},
        {"link to a missing board",
         [&] { return written([](Puzzle_State& s) { s.Board_Overlaps[1].Linked_Boards[0] = 7; }); },
         "Board 2, link 1: board 7 does not exist (the file has 3 boards)."},
        {"link to board 0",
         [&] { return written([](Puzzle_State& s) { s.Board_Overlaps[1].Linked_Boards[0] = 0; }); },
         "Board 2, link 1: board 0 does not exist (the file has 3 boards)."},
        {"link between sizes",
         [&] { return written([](Puzzle_State& s) { s.Board_Overlaps[1].Linked_Boards[0] = 3; }); },
         "Board 2, link 1: board 3 holds 6 numbers, but this board holds 9; linked boards "
         "must be the same size."},
        {"link area outside",
         [&] {
             return written(
                 [](Puzzle_State& s) { s.Board_Overlaps[1].Link_Areas[0].Other_Row = 10; });
         },
         "Board 2, link 1: Other_Row is 10; it must lie in 1..9."},
        {"link area zero",
         [&] {
             return written(
                 [](Puzzle_State& s) { s.Board_Overlaps[1].Link_Areas[0].This_Col = 0; });
         },
         "Board 2, link 1: This_Col is 0; it must lie in 1..9."},
        {"region on a missing board",
         [&] { return written([](Puzzle_State& s) { s.Custom_Regions[0][1].Board = 3; }); },
         "Board 3, region 1, cell 2: Board 3 does not exist (boards are numbered 0..2 in "
         "regions)."},
        {"region column outside",
         [&] { return written([](Puzzle_State& s) { s.Custom_Regions[0][0].Col = 9; }); },
         "Board 3, region 1, cell 1: Col 9 is outside board 1 (columns 0..8)."},
        {"region row negative",
         [&] { return written([](Puzzle_State& s) { s.Custom_Regions[0][1].Row = -1; }); },
         "Board 3, region 1, cell 2: Row -1 is outside board 2 (rows 0..8)."},
        {"region across sizes",
         [&] {
             return written([](Puzzle_State& s) { s.Custom_Regions[0].push_back({2, 5, 5, 0}); });
         },
         "Board 3, region 1, cell 3: board 3 holds 6 numbers, but the region's first cell lies "
         "on board 1 with 9; a region's boards must be the same size."},
    };

    ASSERT_TRUE(Read_Puzzle_Bytes(Write_Puzzle_Bytes(base())).Ok());
    std::set<std::string> seen;
    for (const Case& c : cases) {
        const Puzzle_Read_Result r = Read_Puzzle_Bytes(c.Make());
        EXPECT_EQ(r.Error, c.Expected) << c.Name;
        EXPECT_TRUE(r.Puzzle.Sudoku_Boards.empty()) << c.Name;
        seen.insert(r.Error);
    }
    EXPECT_EQ(seen.size(), cases.size()) << "two violations share a message";
}

// ---------------------------------------------------------------------------------------
// Files

TEST(Puzzle_File_Io, OpenFailuresAreNamed) {
    Temp_Folder folder;
    EXPECT_EQ(Read_Puzzle_File(folder / "missing.zd2").Error, "File not found");
    EXPECT_EQ(Read_Puzzle_File(folder / "no/such/folder.zd2").Error, "File not found");

    const Puzzle_Read_Result dir = Read_Puzzle_File(folder.Path().string());
    EXPECT_FALSE(dir.Ok());
    EXPECT_NE(dir.Error, Read_Beyond_End_Message);

    if (geteuid() != 0) {
        const std::string locked = folder / "locked.zd2";
        Spit(locked, Write_Puzzle_Bytes(Single_9x9()));
        chmod(locked.c_str(), 0);
        EXPECT_EQ(Read_Puzzle_File(locked).Error, "File access denied");
    }
}

TEST(Puzzle_File_Io, SaveWritesWhatLoadReadsAndKeepsPermissions) {
    Temp_Folder folder;
    const std::string path = folder / "game.zd2";
    Spit(path, {1, 2, 3});
    chmod(path.c_str(), 0640);
    const Puzzle_State original = Every_Feature();
    ASSERT_EQ(Write_Puzzle_File(path, original), "");
    EXPECT_EQ(Slurp(path), Write_Puzzle_Bytes(original));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.Entries(), 1u) << "no temporary file is left behind";

    const Puzzle_Read_Result r = Read_Puzzle_File(path);
    ASSERT_TRUE(r.Ok()) << r.Error;
    Expect_Same_Stored_Fields(original, r.Puzzle);

    // A save through a symbolic link replaces the file it points to and keeps the link.
    const std::string alias = folder / "alias.zd2";
    fs::create_symlink(path, alias);
    ASSERT_EQ(Write_Puzzle_File(alias, Single_9x9()), "");
    EXPECT_TRUE(fs::is_symlink(alias));
    EXPECT_EQ(Slurp(path).size(), 780u);
}

TEST(Puzzle_File_Io, FailedSavesLeaveTheOldFileAsItWas) {
    Temp_Folder folder;
    const Puzzle_State game = Every_Feature();

    // A folder at the target.
    const std::string dir = folder / "folder.zd2";
    fs::create_directory(dir);
    fs::path inside = fs::path(dir) / "keep";
    Spit(inside.string(), {9});
    EXPECT_NE(Write_Puzzle_File(dir, game), "");
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_EQ(Slurp(inside.string()), std::vector<Byte>{9});

    // A folder that does not exist, and a path through a regular file.
    EXPECT_NE(Write_Puzzle_File(folder / "nowhere/game.zd2", game), "");
    EXPECT_NE(Write_Puzzle_File(inside.string() + "/game.zd2", game), "");

    // A device is never replaced, even where the process could write to its folder.
    if (fs::exists("/dev/full")) {
        EXPECT_NE(Write_Puzzle_File("/dev/full", game), "");
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }

    // The volume fills up in the middle of the write: the file size limit stops the write
    // even for root.
    const std::string path = folder / "game.zd2";
    const std::vector<Byte> old_bytes = Write_Puzzle_Bytes(Samurai());
    Spit(path, old_bytes);
    ASSERT_GT(Write_Puzzle_Bytes(game).size(), 1024u);
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = Write_Puzzle_File(path, game);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(message, "");
    EXPECT_EQ(Slurp(path), old_bytes);

    // A folder without write permission (root writes anyway, so only for other users).
    if (geteuid() != 0) {
        chmod(folder.Path().c_str(), 0500);
        EXPECT_NE(Write_Puzzle_File(path, game), "");
        chmod(folder.Path().c_str(), 0700);
        EXPECT_EQ(Slurp(path), old_bytes);
    }
    std::size_t entries = folder.Entries();
    EXPECT_EQ(entries, 2u) << "only the game and the folder remain: no temporary file";
}

// Files the writer produced come back byte for byte after a load and a save.
TEST(Puzzle_File_Io, StoredPuzzlesRoundTripByteForByte) {
    std::size_t checked = 0;
    for (const char* dir : {TESSEL_TEST_DATA, TESSEL_PUZZLE_DIR}) {
        if (!fs::is_directory(dir)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            if (entry.path().extension() != ".zd2") {
                continue;
            }
            SCOPED_TRACE(entry.path().string());
            const Puzzle_Read_Result r = Read_Puzzle_File(entry.path().string());
            ASSERT_TRUE(r.Ok()) << r.Error;
            EXPECT_EQ(Write_Puzzle_Bytes(r.Puzzle), Slurp(entry.path().string()));
            ++checked;
        }
    }
    EXPECT_GE(checked, 2u) << "the test data folder holds written puzzle files";
}

// ---------------------------------------------------------------------------------------
// The load sequence

namespace {

// Everything a load could change, captured for comparison.
struct Snapshot {
    std::vector<Byte> Stored;
    std::vector<std::vector<Byte>> Possible;
    std::vector<Integer> Counts;
    std::size_t Region_Index_Boards;
    bool Modified;
    Flag Visible;
    Integer Left;
    Integer Top;

    explicit Snapshot(const Puzzle_State& s)
        : Stored(Write_Puzzle_Bytes(s)), Region_Index_Boards(s.Cell_Regions.size()),
          Modified(s.Game_Modified), Visible(s.Info_Visible), Left(s.Info_Left), Top(s.Info_Top) {
        for (const Sudoku_Boards_FrameWork& b : s.Sudoku_Boards) {
            for (const auto& column : b.Cell_Tracking) {
                for (const Tracking_Array_FrameWork& t : column) {
                    Possible.push_back(t.Possible);
                    Counts.push_back(t.Candidate_Count);
                }
            }
        }
    }
    bool operator==(const Snapshot& o) const {
        return Stored == o.Stored && Possible == o.Possible && Counts == o.Counts &&
               Region_Index_Boards == o.Region_Index_Boards && Modified == o.Modified &&
               Visible == o.Visible && Left == o.Left && Top == o.Top;
    }
};

} // namespace

TEST(Puzzle_File_Load, ARefusedFileLeavesTheCurrentGameAsItWas) {
    Temp_Folder folder;
    const std::string good = folder / "good.zd2";
    ASSERT_EQ(Write_Puzzle_File(good, Every_Feature()), "");
    Puzzle_State current;
    ASSERT_EQ(Load_Puzzle_File_Into(current, good), "");
    current.Sudoku_Boards[4].Cell_Values[8][0] = 2; // played after the load
    current.Game_Modified = true;
    current.Show_Labels = true;
    const Snapshot before(current);

    std::vector<Byte> bytes = Write_Puzzle_Bytes(Samurai());
    std::vector<Byte> newer = bytes;
    Put_Double(newer, 0, 2.0);
    std::vector<Byte> cut(bytes.begin(), bytes.begin() + 2000);
    std::vector<Byte> bad_link = bytes;
    Put_Int32(bad_link, 13 + Section_First_Link, 9);
    const struct {
        const char* Name;
        std::vector<Byte> Bytes;
        std::string Message;
    } refused[] = {
        {"newer.zd2", newer, New_Version_Message},
        {"cut.zd2", cut, Read_Beyond_End_Message},
        {"bad-link.zd2", bad_link,
         "Board 1, link 1: board 9 does not exist (the file has 5 boards)."},
    };
    for (const auto& r : refused) {
        Spit(folder / r.Name, r.Bytes);
        EXPECT_EQ(Load_Puzzle_File_Into(current, folder / r.Name), r.Message) << r.Name;
        EXPECT_TRUE(Snapshot(current) == before) << r.Name;
    }
    EXPECT_EQ(Load_Puzzle_File_Into(current, folder / "missing.zd2"), "File not found");
    EXPECT_TRUE(Snapshot(current) == before);
    EXPECT_TRUE(current.Show_Labels);
}

TEST(Puzzle_File_Load, ALoadedGameIsRecomputedAndUnmodified) {
    Temp_Folder folder;
    Puzzle_State saved = Every_Feature();
    saved.Sudoku_Boards[0].Cell_Values[1][0] = 7; // entered, not locked
    const std::string path = folder / "game.zd2";
    ASSERT_EQ(Write_Puzzle_File(path, saved), "");

    Puzzle_State current = Samurai();
    current.Game_Modified = true;
    current.Show_Labels = true;
    current.Help_Solve = true;
    current.Current_Board = 3;
    current.Mouse_Col = -1;
    current.Mouse_Row = 5;
    ASSERT_EQ(Load_Puzzle_File_Into(current, path), "");

    EXPECT_FALSE(current.Game_Modified);
    EXPECT_TRUE(current.Show_Labels);
    EXPECT_TRUE(current.Help_Solve);
    EXPECT_EQ(current.Current_Board, 3);
    EXPECT_EQ(current.Mouse_Col, -1);
    EXPECT_EQ(current.Mouse_Row, 5);
    EXPECT_EQ(Describe_Invariant_Violation(current), "");
    Expect_Same_Stored_Fields(saved, current);
    EXPECT_EQ(Write_Puzzle_Bytes(current), Write_Puzzle_Bytes(saved))
        << "recomputation after a load fills no cell";

    // Candidates are computed: the 7 in row 0 of board 1 rules out 7 along that row.
    const Tracking_Array_FrameWork& t = current.Sudoku_Boards[0].Cell_Tracking[5][0];
    ASSERT_EQ(t.Possible.size(), 9u);
    EXPECT_EQ(t.Possible[6], 0);
    EXPECT_EQ(t.Candidate_Count, static_cast<Integer>(t.Candidates.size()));

    // The region index is built: the centre board's diagonal is region 1.
    ASSERT_EQ(current.Cell_Regions.size(), current.Sudoku_Boards.size());
    EXPECT_EQ(current.Cell_Regions[4][3][3].Region_Numbers, std::vector<Integer>{1});
    EXPECT_TRUE(current.Cell_Regions[4][3][4].Region_Numbers.empty());
}

TEST(Puzzle_File_Load, AHiddenPanelOrAnEmptyFileKeepsWhatTheFileLacks) {
    Temp_Folder folder;
    const std::string shown = folder / "shown.zd2";
    ASSERT_EQ(Write_Puzzle_File(shown, Every_Feature()), "");
    Puzzle_State current;
    ASSERT_EQ(Load_Puzzle_File_Into(current, shown), "");
    const Short_String<50> title = current.Puzzle_Title;
    const Short_String<255> link = current.Puzzle_Link;
    ASSERT_EQ(current.Info_Left, 37);

    // Hidden panel: the previous texts stay (and are shown nowhere).
    const std::string hidden = folder / "hidden.zd2";
    ASSERT_EQ(Write_Puzzle_File(hidden, Samurai()), "");
    ASSERT_EQ(Load_Puzzle_File_Into(current, hidden), "");
    EXPECT_EQ(current.Info_Visible, 0);
    EXPECT_TRUE(current.Puzzle_Title == title);
    EXPECT_TRUE(current.Puzzle_Link == link);
    EXPECT_EQ(current.Sudoku_Boards.size(), 5u);
    EXPECT_EQ(current.Custom_Regions_On, 0) << "the file's sections say no regions";
    EXPECT_TRUE(current.Custom_Regions.empty());

    // No boards: the region data of the previous puzzle stays, the boards go.
    ASSERT_EQ(Load_Puzzle_File_Into(current, shown), "");
    const auto regions = current.Custom_Regions;
    current.Game_Modified = true;
    const std::string empty = folder / "empty.zd2";
    Spit(empty, Header_Only(0));
    ASSERT_EQ(Load_Puzzle_File_Into(current, empty), "");
    EXPECT_TRUE(current.Sudoku_Boards.empty());
    EXPECT_TRUE(current.Board_Overlaps.empty());
    EXPECT_TRUE(current.Board_Positions.empty());
    EXPECT_EQ(current.Custom_Regions_On, 1);
    EXPECT_EQ(current.Regions_Only, 2);
    EXPECT_EQ(current.Custom_Regions.size(), regions.size());
    EXPECT_TRUE(current.Cell_Regions.empty()) << "no index of boards that are gone";
    EXPECT_FALSE(current.Game_Modified);
}
