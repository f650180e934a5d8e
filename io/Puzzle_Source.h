#pragma once
// Which reader a puzzle file goes to when any format may come: the puzzle file reader
// (*.zd2) or the text importer. The window's import command, a file given at start-up and
// `tessel-puzzle render` all decide the same way.

#include <string>

// The first bytes of every puzzle file: its version, 1.0 as a little-endian double.
constexpr unsigned char Puzzle_File_Header[8] = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F};

// True for a name ending in .zd2 (in any case) and for a file that starts with the puzzle
// file's header: the puzzle file reader reads those, and its messages tell what is wrong with
// them. Everything else is read as a puzzle text.
bool Is_Puzzle_File(const std::string& path);
