#pragma once
// Loading a puzzle into the current game: the file's puzzle replaces the current one and the
// candidates are computed for it. Lies above the file reader because it runs the engine.

#include <memory>
#include <string>

#include "model/Board_Model.h"

class Puzzle_Shape;

// The rest of a successful load: the file's puzzle replaces the current one (boards,
// positions, links, info panel; regions and texts as the file has them), the region index is
// built when regions are on, everything is recomputed when there is a board, and
// Game_Modified ends clear. Show_Labels, Help_Solve and the hover state are kept.
// The caller frees the old pictures first.
void Adopt_Loaded_Puzzle(Puzzle_State& current, Puzzle_State&& loaded);
// The same, handing out the puzzle's shape, made once for it.
void Adopt_Loaded_Puzzle(Puzzle_State& current, Puzzle_State&& loaded,
                         std::shared_ptr<const Puzzle_Shape>* shape);

// Reads, validates and adopts in one step. On failure returns the message and leaves
// current exactly as it was.
std::string Load_Puzzle_File_Into(Puzzle_State& current, const std::string& path);
