#include "logic/Game_Help.h"

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Number_Locking.h"
#include "model/Board_Geometry.h"

bool Solved_By_Set_Numbers(const Puzzle_State& puzzle, bool help) {
    Puzzle_State play = puzzle;
    play.Help_Solve = help;
    if (play.Sudoku_Boards.empty()) {
        return false;
    }
    if (play.Custom_Regions_On) {
        Build_Cell_Regions(play);
    }
    Recompute_All(play);
    // Each round fills at least one cell, so the rounds are bounded by the cell count.
    while (Set_Numbers_Fill(play) > 0) {
    }
    for (const Sudoku_Boards_FrameWork& board : play.Sudoku_Boards) {
        for (const auto& column : board.Cell_Values) {
            for (Integer v : column) {
                if (v == 0) {
                    return false;
                }
            }
        }
    }
    return Check_Boards(play) == Check_Verdict::All_Completed;
}

Puzzle_Level Grade_By_Game_Help(const Puzzle_State& puzzle) {
    if (Solved_By_Set_Numbers(puzzle, false)) {
        return Puzzle_Level::Easy;
    }
    if (Solved_By_Set_Numbers(puzzle, true)) {
        return Puzzle_Level::Medium;
    }
    return Puzzle_Level::Hard;
}
