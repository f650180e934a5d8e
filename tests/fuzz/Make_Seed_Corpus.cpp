// Writes the seed corpus of the puzzle reader fuzz target (and the test data files) into
// the folder named on the command line, using the game's own writer.

#include <cstdio>
#include <string>

#include "io/Puzzle_File.h"
#include "tests/core/File_Builder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    using namespace File_Builder;

    Puzzle_State game = Samurai();
    game.Sudoku_Boards[0].Cell_Values[6][6] = 4;
    game.Sudoku_Boards[4].Cell_Values[0][0] = 4;
    game.Sudoku_Boards[4].Cell_Values[4][4] = 7;
    game.Sudoku_Boards[4].Cell_Locked[4][4] = 1;
    game.Sudoku_Boards[2].Cell_Values[8][1] = 2;
    game.Info_Visible = 1;
    game.Puzzle_Title.Assign("Five boards");
    game.Puzzle_Link.Assign("https://example.org/five");

    Puzzle_State six;
    Add_Board(six, Board_Type_6x6, 6, 0, 0, 1);
    Add_Board(six, Board_Type_6x6, 6, 140, 0, 0);
    six.Sudoku_Boards[0].Cell_Values[1][2] = 3;
    six.Custom_Regions_On = 1;
    six.Custom_Regions = {{{0, 0, 0, 0}, {1, 5, 5, 0}}};

    Puzzle_State empty;
    empty.Info_Visible = 1;
    empty.Puzzle_Title.Assign("Nothing here");

    const struct {
        const char* Name;
        Puzzle_State State;
    } seeds[] = {
        {"single-9x9.zd2", Single_9x9()},
        {"samurai-game.zd2", game},
        {"every-feature.zd2", Every_Feature()},
        {"six-by-six-regions.zd2", six},
        {"no-boards.zd2", empty},
    };
    for (const auto& seed : seeds) {
        const std::string path = folder + "/" + seed.Name;
        const std::string error = Write_Puzzle_File(path, seed.State);
        if (!error.empty()) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
    }
    return 0;
}
