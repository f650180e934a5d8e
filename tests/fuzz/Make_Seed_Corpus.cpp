// Writes the seed corpus of the puzzle reader fuzz target (and the test data files) into
// the folder named on the command line, using the game's own writer.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

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

    // One board of each kind of 4 to 16 numbers, a few numbers given and entered (up to the
    // board's highest), the 8x8 with symbols and the 12x12 with cell colours.
    const struct {
        const char* Name;
        Integer Type;
        Integer N;
        Flag Wide;
    } sizes[] = {{"board-4x4.zd2", Board_Type_4x4, 4, 0},
                 {"board-8x8-wide.zd2", Board_Type_8x8, 8, 1},
                 {"board-8x8-tall.zd2", Board_Type_8x8, 8, 0},
                 {"board-12x12-wide.zd2", Board_Type_12x12, 12, 1},
                 {"board-12x12-tall.zd2", Board_Type_12x12, 12, 0},
                 {"board-16x16.zd2", Board_Type_16x16, 16, 0}};
    std::vector<std::pair<std::string, Puzzle_State>> sized;
    for (const auto& size : sizes) {
        Puzzle_State p;
        Add_Board(p, size.Type, size.N, 20, 20, size.Wide);
        Sudoku_Boards_FrameWork& b = p.Sudoku_Boards[0];
        for (int c = 0; c < size.N; ++c) {
            b.Cell_Values[c][c] = c + 1;
            b.Cell_Locked[c][c] = c % 2;
        }
        b.Cell_Values[size.N - 1][0] = size.N;
        if (size.Type == Board_Type_8x8 && size.Wide) {
            b.Use_Symbols = 1;
            b.Symbols = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
        }
        if (size.Type == Board_Type_12x12) {
            b.Use_Cell_Colours = 1;
            b.Cell_Colours[3][4] = 0x00FF8040;
        }
        sized.emplace_back(size.Name, p);
    }

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
    std::vector<std::pair<std::string, Puzzle_State>> all = sized;
    for (const auto& seed : seeds) {
        all.emplace_back(seed.Name, seed.State);
    }
    for (const auto& [name, state] : all) {
        const std::string path = folder + "/" + name;
        const std::string error = Write_Puzzle_File(path, state);
        if (!error.empty()) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
    }
    return 0;
}
