#pragma once
// `tessel-puzzle render`: the page of a puzzle drawn as the game's window exports it, as a
// PNG picture or a PDF, without a display.

#include <ostream>
#include <string>

// Loads the puzzle at path (a puzzle file, or a puzzle text: puzzle number index from 1, tall
// blocks as for import) as the game loads it, with "Show Labels" and "Help me Solve it" as
// asked, and writes its page to output, the format from output's extension. Exit codes as
// the other commands: 0 done, 1 the puzzle was refused or the file could not be written, 2 a
// bad output name.
int Render_Puzzle(const std::string& path, long long index, bool tall, const std::string& output,
                  bool labels, bool help, std::ostream& out, std::ostream& err);
