// Fuzz target for the puzzle file reader. Whatever the reader accepts must satisfy the
// model's invariants and survive everything the game does with a loaded puzzle: adopting it
// (region index, recomputation with help off and on, both engines agreeing), checking,
// locking, entering numbers, "Set Numbers", restart, saving and reading the saved bytes back
// identically. The stepper gives a hint and takes a few steps on it too. Any crash, sanitizer
// report or abort() below is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Fast_Engine.h"
#include "engine/Number_Locking.h"
#include "io/Puzzle_File.h"
#include "logic/Hint.h"
#include "logic/Stepper.h"
#include "session/Puzzle_Loading.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "puzzle reader fuzz: %s\n", what);
        std::abort();
    }
}

// Both engines must agree, flag by flag, on the candidates of the game as it stands.
void Require_Engines_Agree(const Puzzle_State& game) {
    Puzzle_State reference = game;
    Reference_Recompute_Candidates(reference);
    Puzzle_State fast = game;
    Fast_Recompute_Candidates(fast);
    for (std::size_t b = 0; b < game.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& f = fast.Sudoku_Boards[b];
        const Sudoku_Boards_FrameWork& r = reference.Sudoku_Boards[b];
        for (int c = 0; c < r.Cols; ++c) {
            for (int row = 0; row < r.Rows; ++row) {
                const Tracking_Array_FrameWork& ft = f.Cell_Tracking[c][row];
                const Tracking_Array_FrameWork& rt = r.Cell_Tracking[c][row];
                Require(ft.Possible == rt.Possible, "the engines disagree on Possible");
                Require(ft.Candidates == rt.Candidates, "the engines disagree on Candidates");
                Require(ft.Candidate_Count == rt.Candidate_Count,
                        "the engines disagree on Candidate_Count");
            }
        }
    }
}

void Require_Invariants(const Puzzle_State& game) {
    const std::string problem = Describe_Invariant_Violation(game);
    if (!problem.empty()) {
        std::fprintf(stderr, "puzzle reader fuzz: %s\n", problem.c_str());
        std::abort();
    }
}

void Play_Loaded(Puzzle_State&& loaded, bool help, std::size_t size) {
    Puzzle_State game;
    Add_Board_Model(game, Board_Type_6x6, 6, 6, 6, 1);
    game.Board_Overlaps.resize(1);
    game.Board_Positions.resize(1);
    game.Help_Solve = help;
    game.Game_Modified = true;
    Adopt_Loaded_Puzzle(game, std::move(loaded));
    Require(!game.Game_Modified, "a load left the game modified");
    Require(game.Help_Solve == help, "a load changed Help_Solve");
    if (game.Sudoku_Boards.empty()) {
        return;
    }
    Require_Invariants(game);
    Require_Engines_Agree(game);

    // Play: check, lock, enter a few numbers, fill singles, restart, unlock, help the other
    // way round.
    Check_Message(Check_Boards(game));
    Lock_Numbers(game);
    for (std::size_t b = 0; b < game.Sudoku_Boards.size() && b < 4; ++b) {
        const Sudoku_Boards_FrameWork& board = game.Sudoku_Boards[b];
        const int n = board.Max_Number;
        const int c = static_cast<int>((size + b) % static_cast<std::size_t>(n));
        const int r = static_cast<int>((size / 3 + b) % static_cast<std::size_t>(n));
        Set_Cell_Value(game, static_cast<int>(b), c, r, 1 + static_cast<Integer>(b) % n);
        Set_Cell_Value(game, static_cast<int>(b), r, c, 0);
    }
    Check_Boards(game);
    Set_Numbers_Fill(game);
    Require_Invariants(game);
    Require_Engines_Agree(game);
    Restart_Boards(game);
    Unlock_Numbers(game);
    game.Help_Solve = !help;
    Recompute_All(game);
    Require_Engines_Agree(game);
    Check_Boards(game);

    // Whatever play did, the game still saves to a file that reads back identically.
    const std::vector<Byte> saved = Write_Puzzle_Bytes(game);
    Puzzle_Read_Result played = Read_Puzzle_Bytes(saved);
    Require(played.Ok(), "a played game saved to a file the reader refuses");
    Require(Write_Puzzle_Bytes(played.Puzzle) == saved, "a played game did not read back as saved");
    for (std::size_t b = 0; b < game.Sudoku_Boards.size(); ++b) {
        Require(played.Puzzle.Sudoku_Boards[b].Cell_Values == game.Sudoku_Boards[b].Cell_Values,
                "the numbers read back differ from the saved ones");
        Require(played.Puzzle.Sudoku_Boards[b].Cell_Locked == game.Sudoku_Boards[b].Cell_Locked,
                "the locks read back differ from the saved ones");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<Byte> bytes(data, data + size);
    Puzzle_Read_Result read = Read_Puzzle_Bytes(bytes);
    if (!read.Ok()) {
        Require(read.Puzzle.Sudoku_Boards.empty(), "a refused file left boards behind");
        return 0;
    }

    // The writer writes exactly what the reader reads.
    const std::vector<Byte> saved = Write_Puzzle_Bytes(read.Puzzle);
    Puzzle_Read_Result again = Read_Puzzle_Bytes(saved);
    Require(again.Ok(), "the reader refused what the writer wrote");
    Require(Write_Puzzle_Bytes(again.Puzzle) == saved, "a saved file changed on a second save");

    // A hint and the first steps: whatever they say, they must end. The trial step, which may
    // search, is left out where the hint found no single solution, to keep runs quick.
    if (!read.Puzzle.Sudoku_Boards.empty()) {
        const Hint hint = Find_Hint(read.Puzzle);
        Require(!hint.Text.empty(), "a hint without a sentence");
        Require(hint.Kind != Hint_Kind::Next_Number || !hint.Placement.empty(),
                "a hint without its number");
        const std::vector<Technique_Row>& rows = Technique_Registry();
        const Technique hardest =
            hint.Kind == Hint_Kind::Next_Number ? rows.back().Id : rows[rows.size() - 2].Id;
        Logic_State state(std::make_shared<const Logic_Shape>(read.Puzzle));
        Step step;
        for (int i = 0; i < 40 && Next_Step(state, step, hardest); ++i) {
            Require(step.Places() || !step.Eliminations.empty(), "a step that changes nothing");
            state.Apply(step);
        }
    }

    // The load sequence of the game on top of a previous puzzle, once with help off and once
    // with help on, then play.
    for (const bool help : {false, true}) {
        Puzzle_State loaded = help ? std::move(read.Puzzle) : read.Puzzle;
        Play_Loaded(std::move(loaded), help, size);
    }
    return 0;
}
