// Fuzz target for the puzzle file reader. Whatever the reader accepts must satisfy the
// model's invariants and survive everything the game does with a loaded puzzle: adopting it
// (region index, recomputation), checking, locking, entering numbers, saving and reading
// the saved bytes back. Any crash, sanitizer report or abort() below is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/Puzzle_File.h"
#include "page/Candidate_Engine.h"
#include "page/Entry_Check.h"
#include "page/Number_Locking.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "puzzle reader fuzz: %s\n", what);
        std::abort();
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

    // The load sequence of the game, on top of a previous puzzle with help on.
    Puzzle_State game;
    Add_Board_Model(game, Board_Type_6x6, 6, 6, 6, 1);
    game.Board_Overlaps.resize(1);
    game.Board_Positions.resize(1);
    game.Help_Solve = size % 2 != 0;
    game.Game_Modified = true;
    Adopt_Loaded_Puzzle(game, std::move(read.Puzzle));
    Require(!game.Game_Modified, "a load left the game modified");
    if (game.Sudoku_Boards.empty()) {
        return 0;
    }
    const std::string problem = Describe_Invariant_Violation(game);
    if (!problem.empty()) {
        std::fprintf(stderr, "puzzle reader fuzz: %s\n", problem.c_str());
        std::abort();
    }

    // Play: check, lock, enter a few numbers, fill singles, restart, unlock.
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
    Restart_Boards(game);
    Unlock_Numbers(game);
    Check_Boards(game);

    // Whatever play did, the game still saves to a file the reader accepts.
    const Puzzle_Read_Result played = Read_Puzzle_Bytes(Write_Puzzle_Bytes(game));
    Require(played.Ok(), "a played game saved to a file the reader refuses");
    return 0;
}
