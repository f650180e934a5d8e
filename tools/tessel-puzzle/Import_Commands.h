#pragma once
// `tessel-puzzle import`: a puzzle written as text, saved as a puzzle file.

#include <ostream>
#include <string>

// Imports puzzle number index (from 1) of the text file at path ("-" for standard input),
// with tall blocks where the text leaves the shape open and tall is set, and writes it to
// output. Exit codes as the other commands: 0 done, 1 the text was refused or the file could
// not be written.
int Import_Text(const std::string& path, long long index, bool tall, const std::string& output,
                std::ostream& out, std::ostream& err);
