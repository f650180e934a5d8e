// Fuzz target for the text importer. Any bytes are either refused, with a message and no
// puzzle, or imported to a puzzle that the file reader accepts back unchanged and that plays:
// adopted as a loaded game, candidates computed, numbers entered, the entry check run, and
// the played game saved and read again. The last puzzle it counts must import, the one after
// it must not, and the name hint must never change what is read. Any crash,
// sanitizer report or abort() below is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "io/Puzzle_File.h"
#include "io/Text_Import.h"
#include "session/Puzzle_Loading.h"

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "text import fuzz: %s\n", what);
        std::abort();
    }
}

void Require_Invariants(const Puzzle_State& p) {
    const std::string problem = Describe_Invariant_Violation(p);
    if (!problem.empty()) {
        std::fprintf(stderr, "text import fuzz: %s\n", problem.c_str());
        std::abort();
    }
}

// A grid format gives one board at 20,20 whose numbers are exactly its locked cells.
void Require_Grid_Shape(const Text_Import_Result& r) {
    const Puzzle_State& p = r.Puzzle;
    Require(p.Sudoku_Boards.size() == 1, "a grid text gave other than one board");
    Require(p.Board_Positions[0].X == 20 && p.Board_Positions[0].Y == 20,
            "a grid board is not at 20,20");
    Require(p.Board_Overlaps[0].Linked_Boards.empty(), "a grid board has links");
    Require(!p.Info_Visible && !p.Custom_Regions_On && !p.Regions_Only,
            "a grid text set the panel or the region modes");
    const Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
    int givens = 0;
    for (int c = 0; c < b.Cols; ++c) {
        for (int r = 0; r < b.Rows; ++r) {
            Require((b.Cell_Values[c][r] != 0) == (b.Cell_Locked[c][r] != 0),
                    "a grid cell's lock does not match its number");
            givens += b.Cell_Values[c][r] != 0;
        }
    }
    Require(givens == r.Givens, "the givens count is wrong");
}

void Check_Imported(Text_Import_Result&& r, std::size_t size) {
    Require(r.Ok(), "a counted puzzle was refused");
    Require(!r.Puzzle.Sudoku_Boards.empty(), "an import has no board");
    // As a read file: the region index waits for the load, which builds it.
    Require(r.Puzzle.Cell_Regions.empty(), "an import built the region index");
    if (r.Format != Text_Format::Description) {
        Require_Grid_Shape(r);
    }

    // The reader accepts what the writer makes of it, and gives the same state back.
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(r.Puzzle);
    Puzzle_Read_Result back = Read_Puzzle_Bytes(bytes);
    Require(back.Ok(), "the reader refused an imported puzzle");
    Require(r.Puzzle == back.Puzzle, "an import did not read back as it was");

    // Play it as the window would after a load.
    Puzzle_State game;
    game.Help_Solve = (size & 1) != 0;
    Adopt_Loaded_Puzzle(game, std::move(back.Puzzle));
    Require_Invariants(game);
    Check_Boards(game);
    int entered = 0;
    for (std::size_t b = 0; b < game.Sudoku_Boards.size() && entered < 4; ++b) {
        const Sudoku_Boards_FrameWork& board = game.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols && entered < 4; ++c) {
            for (int row = 0; row < board.Rows && entered < 4; ++row) {
                if (board.Cell_Locked[c][row]) {
                    continue;
                }
                const Integer n = 1 + static_cast<Integer>((size + c + row) % board.Max_Number);
                Set_Cell_Value(game, static_cast<int>(b), c, row, n);
                ++entered;
            }
        }
    }
    Check_Boards(game);
    Require_Invariants(game);
    const std::vector<Byte> saved = Write_Puzzle_Bytes(game);
    const Puzzle_Read_Result played = Read_Puzzle_Bytes(saved);
    Require(played.Ok(), "a played import saved to a file the reader refuses");
    Require(Write_Puzzle_Bytes(played.Puzzle) == saved, "a played import did not read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Text_Import_Result first = Import_Puzzle_Text(text);
    if (!first.Ok()) {
        Require(first.Puzzle.Sudoku_Boards.empty(), "a refused text left boards behind");
        Require(first.Format == Text_Format::None && first.Puzzle_Count == 0,
                "a refused text reports a format");
        return 0;
    }
    Require(first.Puzzle_Count >= 1 && first.Puzzle_Index == 0, "an import counts no puzzle");

    // A hint only names the format: the puzzle is the same under any of them.
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(first.Puzzle);
    for (const char* hint : {"a.sdk", "a.ss", "a.sdm", "a.txt"}) {
        const Text_Import_Result named = Import_Puzzle_Text(text, 0, hint);
        Require(named.Ok() && Write_Puzzle_Bytes(named.Puzzle) == bytes,
                "a name hint changed what was read");
    }

    // The last puzzle counted imports; the one after it does not.
    const std::size_t count = first.Puzzle_Count;
    if (count > 1) {
        Text_Import_Result last = Import_Puzzle_Text(text, count - 1);
        Require(last.Puzzle_Index == count - 1, "the last puzzle has another index");
        Check_Imported(std::move(last), size);
    }
    const Text_Import_Result past = Import_Puzzle_Text(text, count);
    Require(!past.Ok() && past.Puzzle.Sudoku_Boards.empty(), "a puzzle past the count imported");

    Check_Imported(std::move(first), size);
    return 0;
}
