#include "tools/tessel-puzzle/Import_Commands.h"

#include <iostream>
#include <vector>

#include "io/Puzzle_File.h"
#include "io/Text_Import.h"
#include "model/Board_Kinds.h"
#include "tools/tessel-puzzle/Printing.h"

namespace {

// Standard input, cut one byte past the importer's limit so that a longer text is refused
// as too large without being read to its end.
std::string Read_Standard_Input() {
    std::string text;
    std::vector<char> chunk(65536);
    while (text.size() <= Largest_Text_Bytes &&
           (std::cin.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) ||
            std::cin.gcount() > 0)) {
        text.append(chunk.data(), static_cast<std::size_t>(std::cin.gcount()));
    }
    if (text.size() > Largest_Text_Bytes) {
        text.resize(Largest_Text_Bytes + 1);
    }
    return text;
}

} // namespace

int Import_Text(const std::string& path, long long index, bool tall, const std::string& output,
                std::ostream& out, std::ostream& err) {
    std::string text;
    if (path == "-") {
        text = Read_Standard_Input();
    } else {
        const std::string error = Read_Puzzle_Text_File(path, text);
        if (!error.empty()) {
            err << path << ": " << error << '\n';
            return 1;
        }
    }
    const Text_Import_Result imported = Import_Puzzle_Text(
        text, static_cast<std::size_t>(index - 1), path == "-" ? "" : path, tall);
    if (!imported.Ok()) {
        err << path << ": " << imported.Error << '\n';
        return 1;
    }
    const std::string error = Write_Puzzle_File(output, imported.Puzzle);
    if (!error.empty()) {
        err << output << ": " << error << '\n';
        return 1;
    }
    const std::vector<Sudoku_Boards_FrameWork>& boards = imported.Puzzle.Sudoku_Boards;
    out << "wrote " << output << ": " << Text_Format_Name(imported.Format) << ", puzzle "
        << imported.Puzzle_Index + 1 << " of " << imported.Puzzle_Count << ", "
        << (boards.size() == 1 ? Kind_Name(boards[0]) : std::to_string(boards.size()) + " boards")
        << ", " << imported.Givens << (imported.Givens == 1 ? " given" : " givens") << '\n';
    return 0;
}
