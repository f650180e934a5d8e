#pragma once
// The puzzle file (*.zd2): a little-endian binary stream with a version 1.0 header, an
// optional info-panel block and one section per board. The reader reads a whole file into
// a fresh puzzle and validates it completely, or returns an error and nothing else; the
// writer writes exactly what the reader reads, atomically.

#include <cstdint>
#include <string>
#include <vector>

#include "model/Board_Model.h"

struct Puzzle_Read_Result {
    std::string Error;   // empty when the file was read and validated completely
    Puzzle_State Puzzle; // the file's contents; pictures unset, candidates not computed

    bool Ok() const { return Error.empty(); }
};

// Messages that the window shows as they stand.
extern const char* const New_Version_Message;     // "A new version of Tessel Sudoku seems..."
extern const char* const Read_Beyond_End_Message; // "Read beyond end of file"

Puzzle_Read_Result Read_Puzzle_Bytes(const std::vector<Byte>& bytes);

// Reads the whole file at path into bytes. A file (or a device or pipe) longer than limit
// bytes is refused with too_large before it is read into memory. Returns an empty string, or
// the message the window shows ("File not found", "File access denied", ...); on failure
// bytes ends empty.
std::string Read_Whole_File(const std::string& path, std::uint64_t limit,
                            const std::string& too_large, std::vector<Byte>& bytes);
Puzzle_Read_Result Read_Puzzle_File(const std::string& path);

std::vector<Byte> Write_Puzzle_Bytes(const Puzzle_State& state);

// Writes the game to path through a temporary file beside it that replaces the target only
// once everything was written and flushed. Returns an empty string on success, else a
// message; on failure the previous file is left as it was. Game_Modified is not touched.
std::string Write_Puzzle_File(const std::string& path, const Puzzle_State& state);
