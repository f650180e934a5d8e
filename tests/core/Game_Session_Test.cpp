// The game session: every command leaves at most one undo step, undo and redo give back the
// game exactly as it was (numbers, locks and so every candidate), and the steps stay small.

#include <gtest/gtest.h>

#include <random>

#include "Test_Puzzles.h"
#include "engine/Candidate_Engine.h"
#include "session/Game_Session.h"
#include "session/Puzzle_Loading.h"

using namespace test_puzzles;

namespace {

Puzzle_State Loaded(const Test_Puzzle& p, bool help) {
    Puzzle_State game;
    game.Help_Solve = help;
    Puzzle_State copy = p.State;
    Adopt_Loaded_Puzzle(game, std::move(copy));
    return game;
}

// A random command on the session; false when it changed nothing that undo could take back.
bool Random_Command(Game_Session& session, std::mt19937& random) {
    Puzzle_State& g = session.State();
    const int board = static_cast<int>(random() % g.Sudoku_Boards.size());
    const int n = g.Sudoku_Boards[board].Max_Number;
    const int col = static_cast<int>(random() % static_cast<unsigned>(n));
    const int row = static_cast<int>(random() % static_cast<unsigned>(n));
    const std::size_t before = session.Undo_History().size();
    switch (random() % 26) {
    case 20:
    case 21:
    case 22:
    case 23:
        session.Toggle_Note(board, col, row, static_cast<Integer>(1 + random() % n));
        break;
    case 24:
        session.Fill_Notes();
        break;
    case 25:
        session.Clear_Notes();
        break;
    case 0:
        session.Set_Numbers();
        break;
    case 1:
        session.Restart();
        break;
    case 2:
        session.Lock();
        break;
    case 3:
        session.Unlock();
        break;
    default:
        if (!session.Is_Locked(board, col, row)) {
            session.Enter(board, col, row, static_cast<Integer>(random() % (n + 1)));
        }
    }
    return session.Undo_History().size() > before;
}

} // namespace

// Random games on every shape, notes among the commands: after each command the game is kept;
// undoing every step gives back each kept game in turn, and redoing them all gives back the last,
// flag for flag.
TEST(Game_Session, UndoAndRedoGiveBackEveryGameExactly) {
    std::mt19937 random(7);
    for (const Test_Puzzle& p : All_Puzzles()) {
        for (bool help : {false, true}) {
            Puzzle_State game = Loaded(p, help);
            Game_Session session(game);
            std::vector<Puzzle_Data> kept{game};
            for (int i = 0; i < 120; ++i) {
                if (Random_Command(session, random)) {
                    kept.push_back(game);
                } else {
                    kept.back() = game; // an entry of the same number, say: no step
                }
            }
            ASSERT_EQ(session.Undo_History().size() + 1, kept.size()) << p.Name;
            const Puzzle_Data last = game;
            for (std::size_t k = kept.size() - 1; k > 0; --k) {
                ASSERT_TRUE(session.Undo()) << p.Name;
                ASSERT_TRUE(static_cast<const Puzzle_Data&>(game) == kept[k - 1])
                    << p.Name << " after undoing to step " << k - 1;
                EXPECT_TRUE(game.Game_Modified);
            }
            EXPECT_FALSE(session.Undo());
            while (session.Redo()) {
            }
            EXPECT_TRUE(static_cast<const Puzzle_Data&>(game) == last) << p.Name;
        }
    }
}

TEST(Game_Session, ANewCommandDropsWhatCouldBeBroughtBackAndALoadDropsEverything) {
    const Test_Puzzle p = Classic_9x9();
    Puzzle_State game = Loaded(p, false);
    Game_Session session(game);
    int changes = 0;
    session.On_History_Changed = [&changes] { ++changes; };
    int col = 0;
    int row = 0;
    while (game.Sudoku_Boards[0].Cell_Values[col][row] != 0) {
        ++row;
        if (row == 9) {
            row = 0;
            ++col;
        }
    }
    ASSERT_TRUE(session.Enter(0, col, row, p.Solution[0][col][row]));
    EXPECT_EQ(session.Undo_Name(), "Enter " + std::to_string(p.Solution[0][col][row]));
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.Redo_Name(), "Enter " + std::to_string(p.Solution[0][col][row]));
    ASSERT_TRUE(session.Enter(0, col, row, 0)); // emptying an empty cell changes nothing
    EXPECT_TRUE(session.Can_Redo());
    ASSERT_TRUE(session.Redo());
    ASSERT_TRUE(session.Enter(0, col, row, 0));
    EXPECT_FALSE(session.Can_Redo());
    EXPECT_EQ(session.Undo_Name(), "Clear");
    EXPECT_GE(changes, 4);

    // A number above the board's highest, or a cell off the boards, is ignored.
    EXPECT_FALSE(session.Enter(0, col, row, 10));
    EXPECT_FALSE(session.Enter(1, 0, 0, 1));
    EXPECT_FALSE(session.Enter(0, 9, 0, 1));

    Puzzle_State other = p.State;
    session.Adopt(std::move(other));
    EXPECT_FALSE(session.Can_Undo());
    EXPECT_FALSE(session.Can_Redo());
    EXPECT_FALSE(game.Game_Modified);
}

// Several entries as one command leave one step, which one undo takes back whole; entries
// Enter would ignore are skipped, and a command of nothing but those leaves no step.
TEST(Game_Session, SeveralEntriesAreOneStep) {
    Puzzle_State game = Loaded(Samurai(), false);
    Game_Session session(game);
    const Puzzle_Data start = game;
    std::vector<Game_Session::Cell_Entry> entries;
    for (int c = 0; c < 9 && entries.size() < 3; ++c) {
        if (!session.Is_Locked(2, c, 4) && game.Sudoku_Boards[2].Cell_Values[c][4] == 0) {
            entries.push_back({2, c, 4, static_cast<Integer>(entries.size() + 1)});
        }
    }
    ASSERT_EQ(entries.size(), 3u);
    entries.push_back({2, 0, 0, 10}); // above the board's highest
    entries.push_back({5, 0, 0, 1});  // no such board
    ASSERT_TRUE(session.Enter_All(entries, "Clear wrong entries"));
    ASSERT_EQ(session.Undo_History().size(), 1u);
    EXPECT_EQ(session.Undo_Name(), "Clear wrong entries");
    EXPECT_EQ(session.Undo_History().back().Changes(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(game.Sudoku_Boards[2].Cell_Values[entries[i].Col][4], entries[i].Number);
    }
    const Puzzle_Data entered = game;
    ASSERT_TRUE(session.Undo());
    EXPECT_TRUE(static_cast<const Puzzle_Data&>(game) == start);
    ASSERT_TRUE(session.Redo());
    EXPECT_TRUE(static_cast<const Puzzle_Data&>(game) == entered);
    EXPECT_FALSE(session.Enter_All({{2, 0, 0, 10}, {5, 0, 0, 1}}, "nothing"));
    EXPECT_EQ(session.Undo_History().size(), 1u);
}

// Locking changes no number: its undo gives the locks back and marks the game modified, and
// the candidates stay as they were.
TEST(Game_Session, LocksAreTakenBackWithoutTouchingCandidates) {
    Puzzle_State game = Loaded(Samurai(), true);
    Game_Session session(game);
    session.Lock();
    game.Game_Modified = false;
    const Puzzle_Data locked = game;
    ASSERT_TRUE(session.Undo());
    EXPECT_TRUE(game.Game_Modified);
    EXPECT_FALSE(static_cast<const Puzzle_Data&>(game) == locked);
    ASSERT_TRUE(session.Redo());
    EXPECT_TRUE(static_cast<const Puzzle_Data&>(game) == locked);
    EXPECT_FALSE(session.Undo_History().back().Changes_Numbers());
}

// A step keeps what changed and nothing more: an entry on a Samurai cell shared by two boards
// records the two copies; a restart of a whole filled Samurai stays near a kilobyte.
TEST(Game_Session, StepsKeepOnlyWhatChanged) {
    const Test_Puzzle p = Samurai();
    Puzzle_State game = Loaded(p, false);
    Game_Session session(game);
    // Corner board 0's cell (8, 8) is the centre board's cell (2, 2).
    ASSERT_EQ(game.Sudoku_Boards[0].Cell_Locked[8][8], 0);
    ASSERT_TRUE(session.Enter(0, 8, 8, p.Solution[0][8][8]));
    const Session_Step& entry = session.Undo_History().back();
    EXPECT_EQ(entry.Changes(), 2u);
    EXPECT_LE(entry.Stored_Bytes(), 8u);

    for (int b = 0; b < 5; ++b) {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                if (!session.Is_Locked(b, c, r)) {
                    game.Sudoku_Boards[b].Cell_Values[c][r] = p.Solution[b][c][r];
                }
            }
        }
    }
    Recompute_All(game);
    ASSERT_TRUE(session.Restart());
    const Session_Step& restart = session.Undo_History().back();
    EXPECT_GT(restart.Changes(), 200u);
    EXPECT_LE(restart.Stored_Bytes(), 2u * restart.Changes());
    EXPECT_LE(restart.Stored_Bytes(), 1024u);
    ASSERT_TRUE(session.Undo());
    for (int b = 0; b < 5; ++b) {
        EXPECT_EQ(game.Sudoku_Boards[b].Cell_Values, p.Solution[b]) << "board " << b;
    }
}
