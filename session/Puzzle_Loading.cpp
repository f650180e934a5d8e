#include "session/Puzzle_Loading.h"

#include <utility>

#include "engine/Candidate_Engine.h"
#include "io/Puzzle_File.h"
#include "model/Board_Geometry.h"
#include "model/Puzzle_Shape.h"

void Adopt_Loaded_Puzzle(Puzzle_State& current, Puzzle_State&& loaded) {
    Adopt_Loaded_Puzzle(current, std::move(loaded), nullptr);
}

void Adopt_Loaded_Puzzle(Puzzle_State& current, Puzzle_State&& loaded,
                         std::shared_ptr<const Puzzle_Shape>* shape) {
    const bool has_boards = !loaded.Sudoku_Boards.empty();
    current.Sudoku_Boards = std::move(loaded.Sudoku_Boards);
    current.Board_Overlaps = std::move(loaded.Board_Overlaps);
    current.Board_Positions = std::move(loaded.Board_Positions);

    // A hidden panel keeps the texts and the place of the previous puzzle.
    current.Info_Visible = loaded.Info_Visible;
    if (loaded.Info_Visible) {
        current.Info_Left = loaded.Info_Left;
        current.Info_Top = loaded.Info_Top;
        current.Puzzle_Title = loaded.Puzzle_Title;
        current.Puzzle_Link = loaded.Puzzle_Link;
    }

    // The region data comes from the last board section; a file without boards has none and
    // leaves the previous data in place.
    if (has_boards) {
        current.Custom_Regions_On = loaded.Custom_Regions_On;
        current.Regions_Only = loaded.Regions_Only;
        current.Custom_Regions = std::move(loaded.Custom_Regions);
    }
    // The region index describes the boards it was built for; it never outlives them.
    if (has_boards && current.Custom_Regions_On) {
        Build_Cell_Regions(current);
    } else {
        current.Cell_Regions.clear();
    }
    // The shape is made once here, for the puzzle as adopted.
    std::shared_ptr<const Puzzle_Shape> made = Make_Puzzle_Shape(current);
    if (has_boards) {
        Recompute_All(current, made.get());
    }
    if (shape != nullptr) {
        *shape = std::move(made);
    }
    current.Game_Modified = false;
}

std::string Load_Puzzle_File_Into(Puzzle_State& current, const std::string& path) {
    Puzzle_Read_Result result = Read_Puzzle_File(path);
    if (!result.Ok()) {
        return result.Error;
    }
    Adopt_Loaded_Puzzle(current, std::move(result.Puzzle));
    return {};
}
