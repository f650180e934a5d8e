// The player's own marks in the core: which cells clash, notes as steps of the session (only
// in empty cells, alike on every copy of a shared cell, taken out by an entry), and notes in
// the puzzle file.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/Entry_Check.h"
#include "io/Puzzle_File.h"
#include "session/Game_Session.h"
#include "session/Puzzle_Loading.h"
#include "tests/Puzzle_Builder.h"

using namespace puzzle_builder;

namespace {

using Cells = std::vector<std::array<int, 3>>; // board, column, row

Cells Clashing(Game_Session& session) {
    Cells out;
    for (const Cell_Address& at : Conflicting_Cells(session.State(), session.Shape().get())) {
        out.push_back({at.Board, at.Col, at.Row});
    }
    std::sort(out.begin(), out.end());
    return out;
}

Puzzle_State Adopted(Puzzle_State puzzle) {
    Puzzle_State game;
    Adopt_Loaded_Puzzle(game, std::move(puzzle));
    return game;
}

struct Clash_Case {
    std::string Name;
    std::function<Puzzle_State()> Make;
    // Entries (board, column, row, number), the last of which makes the clash.
    std::vector<std::array<int, 4>> Entries;
    Cells Expected;
};

} // namespace

// On every kind of unit, the clashing cells are exactly the two of the clash (every copy of a
// shared one), and undoing the entry takes the marks away.
TEST(Conflicts, ExactlyTheCellsOfEachClashOnEveryShape) {
    const std::vector<Clash_Case> cases = {
        {"classic row",
         [] { return One_Board(Board_Type_9x9, 9); },
         {{0, 0, 4, 7}, {0, 8, 4, 7}},
         {{0, 0, 4}, {0, 8, 4}}},
        {"classic block, not row or column",
         [] { return One_Board(Board_Type_9x9, 9); },
         {{0, 3, 3, 2}, {0, 5, 5, 2}},
         {{0, 3, 3}, {0, 5, 5}}},
        {"6x6 wide block (3 by 2)",
         [] { return One_Board(Board_Type_6x6, 6, 1); },
         {{0, 0, 0, 4}, {0, 2, 1, 4}},
         {{0, 0, 0}, {0, 2, 1}}},
        {"6x6 tall blocks keep those apart",
         [] { return One_Board(Board_Type_6x6, 6, 0); },
         {{0, 0, 0, 4}, {0, 2, 1, 4}, {0, 1, 2, 4}},
         {{0, 0, 0}, {0, 1, 2}}},
        {"regions only: a block is no unit, a region is",
         [] {
             Puzzle_State s = One_Board(Board_Type_9x9, 9);
             s.Regions_Only = 1;
             s.Custom_Regions_On = 1;
             s.Custom_Regions = {{{0, 0, 0, 0}, {0, 4, 4, 0}, {0, 8, 8, 0}}};
             return s;
         },
         {{0, 1, 1, 5}, {0, 2, 2, 5}, {0, 8, 8, 5}, {0, 0, 0, 5}},
         {{0, 0, 0}, {0, 8, 8}}},
        {"samurai: a shared cell clashes on both boards",
         [] { return Samurai(Samurai_Order::Figure); },
         {{0, 6, 6, 3}, {2, 5, 0, 3}},
         {{0, 6, 6}, {2, 0, 0}, {2, 5, 0}}},
        {"a region across two boards",
         [] {
             Puzzle_State s = One_Board(Board_Type_9x9, 9);
             Add_Board(s, Board_Type_9x9, 9, 240, 0);
             s.Custom_Regions_On = 1;
             s.Custom_Regions = {{{0, 8, 8, 0}, {1, 0, 0, 0}}};
             return s;
         },
         {{0, 8, 8, 6}, {1, 0, 0, 6}},
         {{0, 8, 8}, {1, 0, 0}}},
    };
    for (const Clash_Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Puzzle_State game = Adopted(c.Make());
        Game_Session session(game);
        for (std::size_t i = 0; i + 1 < c.Entries.size(); ++i) {
            const auto& e = c.Entries[i];
            ASSERT_TRUE(session.Enter(e[0], e[1], e[2], e[3]));
            EXPECT_TRUE(Clashing(session).empty()) << "before the clash, entry " << i + 1;
        }
        const auto& last = c.Entries.back();
        ASSERT_TRUE(session.Enter(last[0], last[1], last[2], last[3]));
        EXPECT_EQ(Clashing(session), c.Expected);
        ASSERT_TRUE(session.Undo());
        EXPECT_TRUE(Clashing(session).empty());
        ASSERT_TRUE(session.Redo());
        EXPECT_EQ(Clashing(session), c.Expected);
    }
}

TEST(Conflicts, DamagedGivensAndOutOfRangeNumbers) {
    // Givens that clash in a damaged file are marked like entries; a number above the board's
    // highest clashes with nothing.
    Puzzle_State s = One_Board(Board_Type_9x9, 9);
    s.Sudoku_Boards[0].Cell_Values[0][0] = 9;
    s.Sudoku_Boards[0].Cell_Values[0][5] = 9;
    s.Sudoku_Boards[0].Cell_Locked[0][0] = 1;
    s.Sudoku_Boards[0].Cell_Locked[0][5] = 1;
    s.Sudoku_Boards[0].Cell_Values[4][4] = 12;
    s.Sudoku_Boards[0].Cell_Values[4][6] = 12;
    const std::vector<Cell_Address> found = Conflicting_Cells(s);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Col * 10 + found[0].Row, 0);
    EXPECT_EQ(found[1].Col * 10 + found[1].Row, 5);
}

TEST(Notes, OnlyEmptyUnlockedCellsAndEveryCopyOfASharedCell) {
    Puzzle_State game = Adopted(Samurai(Samurai_Order::Figure));
    game.Sudoku_Boards[1].Cell_Values[4][4] = 2;
    game.Sudoku_Boards[1].Cell_Locked[4][4] = 1;
    Game_Session session(game);
    EXPECT_FALSE(session.Toggle_Note(1, 4, 4, 3)) << "a locked number";
    EXPECT_FALSE(session.Toggle_Note(0, 0, 0, 0));
    EXPECT_FALSE(session.Toggle_Note(0, 0, 0, 10));
    EXPECT_FALSE(session.Toggle_Note(0, 9, 0, 1));
    EXPECT_FALSE(game.Game_Modified);
    EXPECT_TRUE(session.Undo_History().empty());

    // Board 0's (7, 8) is the centre's (1, 2).
    ASSERT_TRUE(session.Toggle_Note(0, 7, 8, 4));
    ASSERT_TRUE(session.Toggle_Note(2, 1, 2, 6));
    EXPECT_EQ(session.Notes(0, 7, 8), 0x28u);
    EXPECT_EQ(session.Notes(2, 1, 2), 0x28u);
    EXPECT_TRUE(game.Game_Modified);
    EXPECT_EQ(session.Undo_Name(), "Note 6");
    ASSERT_TRUE(session.Toggle_Note(0, 7, 8, 4));
    EXPECT_EQ(session.Undo_Name(), "Remove note 4");
    EXPECT_EQ(session.Notes(2, 1, 2), 0x20u);
    ASSERT_TRUE(session.Undo());
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.Notes(2, 1, 2), 0x08u);
    EXPECT_EQ(session.Notes(0, 7, 8), 0x08u);

    // A filled cell refuses notes; entering a number into a noted cell takes them away.
    ASSERT_TRUE(session.Enter(2, 1, 2, 5));
    EXPECT_EQ(session.Notes(0, 7, 8), 0u);
    EXPECT_FALSE(session.Toggle_Note(2, 1, 2, 1));
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.Notes(0, 7, 8), 0x08u) << "one undo brings the entry's notes back";
}

TEST(Notes, AnEntryTakesItsNumberOutOfTheCellsThatSeeIt) {
    for (const bool automatic : {true, false}) {
        SCOPED_TRACE(automatic ? "removed" : "kept");
        Puzzle_State game = Adopted(One_Board(Board_Type_9x9, 9));
        Game_Session session(game);
        session.Auto_Remove_Notes = automatic;
        ASSERT_TRUE(session.Set_Notes(0, 0, 5, 0x1FF, "Note all")); // same column
        ASSERT_TRUE(session.Set_Notes(0, 7, 0, 0x1FF, "Note all")); // same row
        ASSERT_TRUE(session.Set_Notes(0, 2, 2, 0x1FF, "Note all")); // same block
        ASSERT_TRUE(session.Set_Notes(0, 5, 5, 0x1FF, "Note all")); // none of these
        const std::size_t steps = session.Undo_History().size();
        ASSERT_TRUE(session.Enter(0, 0, 0, 7));
        EXPECT_EQ(session.Undo_History().size(), steps + 1) << "one step for all of it";
        const Note_Set without_7 = 0x1FF & ~(Note_Set{1} << 6);
        EXPECT_EQ(session.Notes(0, 0, 5), automatic ? without_7 : 0x1FFu);
        EXPECT_EQ(session.Notes(0, 7, 0), automatic ? without_7 : 0x1FFu);
        EXPECT_EQ(session.Notes(0, 2, 2), automatic ? without_7 : 0x1FFu);
        EXPECT_EQ(session.Notes(0, 5, 5), 0x1FFu);
        ASSERT_TRUE(session.Undo());
        EXPECT_EQ(session.Notes(0, 0, 5), 0x1FFu);
    }
}

TEST(Notes, FillClearAndRestartAreStepsOfTheirOwn) {
    Puzzle_State game = Adopted(One_Board(Board_Type_6x6, 6, 1));
    Game_Session session(game);
    ASSERT_TRUE(session.Enter(0, 0, 0, 1));
    EXPECT_EQ(session.Fill_Notes(), 35);
    // Row 0 lost 1 from its candidates, so its notes lack it; a far cell has all six.
    EXPECT_EQ(session.Notes(0, 5, 0), 0x3Eu);
    EXPECT_EQ(session.Notes(0, 5, 5), 0x3Fu);
    EXPECT_EQ(session.Undo_Name(), "Fill Notes");
    ASSERT_TRUE(session.Restart());
    EXPECT_EQ(session.Notes(0, 5, 5), 0u);
    EXPECT_EQ(session.Undo_Name(), "Restart");
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.Notes(0, 5, 5), 0x3Fu);
    EXPECT_EQ(game.Sudoku_Boards[0].Cell_Values[0][0], 1);
    ASSERT_TRUE(session.Clear_Notes());
    EXPECT_FALSE(Has_Notes(game));
    EXPECT_FALSE(session.Clear_Notes()) << "nothing left to clear";
}

TEST(Notes_File, RoundTripAndAFileWithoutNotesAsBefore) {
    Puzzle_State plain = Samurai(Samurai_Order::Figure);
    plain.Sudoku_Boards[3].Cell_Values[4][4] = 8;
    const std::vector<Byte> before = Write_Puzzle_Bytes(plain);
    Puzzle_State noted = plain;
    noted.Sudoku_Boards[0].Cell_Notes[7][8] = 0x28; // shared with the centre's (1, 2)
    noted.Sudoku_Boards[2].Cell_Notes[1][2] = 0x28;
    noted.Sudoku_Boards[4].Cell_Notes[0][0] = 0x101; // shared with the centre's (6, 6)
    noted.Sudoku_Boards[2].Cell_Notes[6][6] = 0x101;
    noted.Sudoku_Boards[3].Cell_Notes[4][4] = 0x3; // a filled cell keeps no notes
    const std::vector<Byte> after = Write_Puzzle_Bytes(noted);
    ASSERT_EQ(after.size(), before.size() + 12 + 4 * 16);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()))
        << "the boards are written as without notes";
    const Puzzle_Read_Result read = Read_Puzzle_Bytes(after);
    ASSERT_TRUE(read.Ok()) << read.Error;
    noted.Sudoku_Boards[3].Cell_Notes[4][4] = 0;
    EXPECT_TRUE(static_cast<const Puzzle_Data&>(read.Puzzle) == noted);
    EXPECT_EQ(Write_Puzzle_Bytes(read.Puzzle), after);

    // Without notes, the file is as it was; bytes after the boards that are no notes block
    // are still ignored, also after a notes block.
    const Puzzle_Read_Result again = Read_Puzzle_Bytes(before);
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(Write_Puzzle_Bytes(again.Puzzle), before);
    std::vector<Byte> trailing = before;
    trailing.insert(trailing.end(), {'T', 'S', 'N', 0, 1, 2});
    ASSERT_TRUE(Read_Puzzle_Bytes(trailing).Ok());
    std::vector<Byte> block_then_junk = after;
    block_then_junk.insert(block_then_junk.end(), {0xDE, 0xAD});
    const Puzzle_Read_Result junk = Read_Puzzle_Bytes(block_then_junk);
    ASSERT_TRUE(junk.Ok()) << junk.Error;
    EXPECT_EQ(Write_Puzzle_Bytes(junk.Puzzle), after);
}
