#include "bench/Bench_Puzzles.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "io/Puzzle_File.h"
#include "model/Board_Geometry.h"

namespace {

// Gives every board the numbers of one pattern laid over the whole page, keeping about
// `percent` per cent of the cells as locked givens. The pattern (3 (y mod 3) + y div 3 + x)
// mod 9 + 1, on page cell (x, y), is a solved grid on every board whose position is a multiple
// of three cells, so copies of a shared cell agree and no board starts with a duplicate.
void Fill_Givens(Puzzle_State& s, int percent, unsigned seed) {
    for (std::size_t b = 0; b < s.Sudoku_Boards.size(); ++b) {
        Sudoku_Boards_FrameWork& board = s.Sudoku_Boards[b];
        const int left = static_cast<int>(Board_Left_Cell(s, static_cast<int>(b)));
        const int top = static_cast<int>(Board_Top_Cell(s, static_cast<int>(b)));
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                const unsigned x = static_cast<unsigned>(left + c);
                const unsigned y = static_cast<unsigned>(top + r);
                std::minstd_rand pick(seed ^ (x * 7919u + y * 104729u));
                if (static_cast<int>(pick() % 100) < percent) {
                    board.Cell_Values[c][r] =
                        static_cast<Integer>((3 * (y % 3) + y / 3 + x) % 9 + 1);
                    board.Cell_Locked[c][r] = 1;
                }
            }
        }
    }
}

} // namespace

Puzzle_State Bench_Samurai() {
    Puzzle_State s;
    Add_Samurai_Boards(s, 0, 0);
    Fill_Givens(s, 33, 5u);
    return s;
}

Puzzle_State Bench_Lattice(int rows, int cols, int region_rows) {
    Puzzle_State s;
    auto index = [cols](int i, int j) { return i * cols + j; };
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            Add_Board_Model(s, Board_Type_9x9, 9, 9, 9, 0);
            // Board (i, j) sits 6 cells right of and below (i, j-1), and 6 cells right of
            // and above (i-1, j): it shares its top-left block with the bottom-right block
            // of (i, j-1) and its bottom-left block with the top-right block of (i-1, j).
            const int x = 6 * (i + j);
            const int y = 6 * (j - i + rows - 1);
            s.Board_Positions.push_back({x * File_Units_Per_Cell, y * File_Units_Per_Cell});
        }
    }
    s.Board_Overlaps.resize(s.Sudoku_Boards.size());
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            if (j > 0) {
                Link_Boards_Both_Ways(s, index(i, j), index(i, j - 1), -6, -6);
            }
            if (i > 0) {
                Link_Boards_Both_Ways(s, index(i, j), index(i - 1, j), -6, 6);
            }
        }
    }
    if (region_rows > 0) {
        // Across each pair (i, j-1), (i, j): five cells of the middle row of the first board
        // and four of the second, outside the block they share.
        for (int i = 0; i < rows && i < region_rows; ++i) {
            for (int j = 1; j < cols; ++j) {
                std::vector<Region_Cell> region;
                for (int c = 0; c < 5; ++c) {
                    region.push_back({index(i, j - 1), c, 4, 0});
                }
                for (int c = 5; c < 9; ++c) {
                    region.push_back({index(i, j), c, 4, 0});
                }
                s.Custom_Regions.push_back(region);
            }
        }
        s.Custom_Regions_On = 1;
        Build_Cell_Regions(s);
    }
    Fill_Givens(s, 30, 11u);
    return s;
}

std::string Bench_Write(const Puzzle_State& puzzle, const std::string& name) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    const std::string error = Write_Puzzle_File(path, puzzle);
    if (!error.empty()) {
        throw std::runtime_error(path + ": " + error);
    }
    return path;
}
