#pragma once
// Whether two puzzle states are the same in everything a puzzle is made of: what the file
// stores (compared as the writer writes it) and what it does not (candidate tracking, the
// region index, the panel's texts and place, the display modes). Shared by the core tests
// and the fuzz targets.

#include <string>

#include "model/Board_Model.h"
#include "model/Puzzle_File.h"

// An empty string when a and b are the same, else the first thing that differs.
inline std::string State_Difference(const Puzzle_State& a, const Puzzle_State& b) {
    if (Write_Puzzle_Bytes(a) != Write_Puzzle_Bytes(b)) {
        return "the stored fields differ";
    }
    for (std::size_t i = 0; i < a.Sudoku_Boards.size(); ++i) {
        const auto& x = a.Sudoku_Boards[i].Cell_Tracking;
        const auto& y = b.Sudoku_Boards[i].Cell_Tracking;
        if (x.size() != y.size()) {
            return "board " + std::to_string(i + 1) + " has tracking of another shape";
        }
        for (std::size_t c = 0; c < x.size(); ++c) {
            if (x[c].size() != y[c].size()) {
                return "board " + std::to_string(i + 1) + " has tracking of another shape";
            }
            for (std::size_t r = 0; r < x[c].size(); ++r) {
                if (x[c][r].Possible != y[c][r].Possible ||
                    x[c][r].Candidates != y[c][r].Candidates ||
                    x[c][r].Candidate_Count != y[c][r].Candidate_Count) {
                    return "board " + std::to_string(i + 1) + " column " + std::to_string(c + 1) +
                           " row " + std::to_string(r + 1) + " has other candidates";
                }
            }
        }
    }
    if (a.Cell_Regions.size() != b.Cell_Regions.size()) {
        return "one region index is built, the other is not";
    }
    for (std::size_t i = 0; i < a.Cell_Regions.size(); ++i) {
        if (a.Cell_Regions[i].size() != b.Cell_Regions[i].size()) {
            return "the region index differs";
        }
        for (std::size_t c = 0; c < a.Cell_Regions[i].size(); ++c) {
            if (a.Cell_Regions[i][c].size() != b.Cell_Regions[i][c].size()) {
                return "the region index differs";
            }
            for (std::size_t r = 0; r < a.Cell_Regions[i][c].size(); ++r) {
                if (a.Cell_Regions[i][c][r].Region_Numbers !=
                    b.Cell_Regions[i][c][r].Region_Numbers) {
                    return "the region index differs";
                }
            }
        }
    }
    if (a.Puzzle_Title != b.Puzzle_Title || a.Puzzle_Link != b.Puzzle_Link ||
        a.Info_Visible != b.Info_Visible || a.Info_Left != b.Info_Left ||
        a.Info_Top != b.Info_Top) {
        return "the info panel differs";
    }
    if (a.Game_Modified != b.Game_Modified || a.Show_Labels != b.Show_Labels ||
        a.Help_Solve != b.Help_Solve || a.Current_Board != b.Current_Board) {
        return "the display modes differ";
    }
    return {};
}
