#pragma once
// Puzzles written as text, the way players find them on web pages and in other Sudoku
// programs' files: a classic 9x9 (or a board of another size, 4x4 to 16x16) on one line, one
// row a line (.sdk), rows with `|` and `-` separators (.ss), many puzzles one a line (.sdm),
// and the description format of `tessel-puzzle make`. Numbers above 9 are the letters A to
// G. The format is told from the content; README.md, under "Other
// puzzle formats", lists the rules.
//
// An import either refuses the text with a message the window shows as it stands, and
// builds nothing, or gives a puzzle in the shape the *.zd2 reader gives one: a grid format
// makes one board at X = Y = 20 (a one-cell margin) whose numbers are locked givens, with
// the info panel hidden; the region index is not built and no candidate is computed, so the
// window adopts it with Adopt_Loaded_Puzzle like a loaded file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Board_Model.h"

enum class Text_Format {
    None,         // nothing recognised (only with a refusal)
    Puzzle_Line,  // one puzzle on one line: 81 cells (9x9), 36 (6x6), 16, 64, 144 or 256
    Puzzle_Lines, // .sdm: one puzzle a line, any number of lines
    Sdk,          // .sdk: one row a line, an optional [Puzzle] header, # comments
    Ss,           // .ss: rows with | between blocks and ----------- between block rows
    Description,  // the description format of tessel-puzzle make
};

// "one line", "sdm", "sdk", "ss", "description" ("none" for None).
const char* Text_Format_Name(Text_Format format);

// Texts longer than this are refused before they are looked at (and files before they are
// read into memory).
constexpr std::uint64_t Largest_Text_Bytes = 8u * 1024u * 1024u;

// A puzzle of a text, with the text's format and how many puzzles it holds: the window
// imports the first and lets the player pick another when Puzzle_Count is above 1.
struct Text_Import_Result {
    std::string Error; // empty when the puzzle was imported
    Puzzle_State Puzzle;
    Text_Format Format = Text_Format::None;
    std::size_t Puzzle_Count = 0; // puzzles the text holds
    std::size_t Puzzle_Index = 0; // the one imported, from 0
    int Givens = 0;               // locked numbers, a cell shared by boards counted once

    bool Ok() const { return Error.empty(); }
};

// Imports puzzle number index (from 0) of the text. An index past the last puzzle is
// refused, naming how many the text holds. name_hint is a file name or path (or only its
// extension, with or without the dot). The content decides how a text is read; the extension
// only names the format where the content fits two names: a single puzzle line in a *.sdm
// file is reported as sdm, rows without separators in a *.ss file as ss. A board of a kind
// with two block shapes (6x6, 8x8, 12x12) has wide blocks unless tall_blocks is set or the
// bars of its first row show the shape.
Text_Import_Result Import_Puzzle_Text(const std::string& text, std::size_t index = 0,
                                      const std::string& name_hint = "", bool tall_blocks = false);

// Reads a whole text file of at most Largest_Text_Bytes. Returns an empty string, or the
// message the window shows (the reader's "File not found", "File access denied", ...).
std::string Read_Puzzle_Text_File(const std::string& path, std::string& text);

// Reads the file and imports it, with the path as the name hint.
Text_Import_Result Import_Puzzle_Text_File(const std::string& path, std::size_t index = 0,
                                           bool tall_blocks = false);
