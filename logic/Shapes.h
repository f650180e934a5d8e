#pragma once
// The kinds of puzzle the generator makes and their empty shapes: boards at their page
// positions, links between every two boards that share cells (made both ways), custom
// regions and their borders. The window draws a kind's picture from its empty puzzle.
//
// Multi-grid kinds are laid out on a page of cells, one cell of margin around them, 20 file
// units a cell; the layouts of every kind stand in one table in Shapes.cpp.

#include <cstdint>
#include <string>
#include <vector>

#include "model/Board_Model.h"

class Tool_Random;

struct Puzzle_Kind_Info {
    std::string Name;  // as the tool spells it: "classic", "samurai", ...
    std::string Label; // for people: "Classic 9x9", "Samurai (5 grids)", ...
    int Boards = 1;
};

// Every kind, in the order a "New Puzzle" dialog lists them.
const std::vector<Puzzle_Kind_Info>& Puzzle_Kinds();

bool Is_Puzzle_Kind(const std::string& name);

// "classic, 6x6-wide, ..." for messages.
std::string Puzzle_Kind_Names();

// The empty puzzle of a kind; false (and out untouched) for an unknown kind. A jigsaw's
// regions are drawn from seed (symmetric by half a turn, as the generator draws them by
// default); every other kind has one shape.
bool Empty_Puzzle_Of_Kind(const std::string& kind, std::uint64_t seed, Puzzle_State& out);

// The same, drawing a jigsaw's regions from random (the generator's own stream), symmetric
// by half a turn when symmetric_regions is set.
bool Build_Kind_Shape(const std::string& kind, Tool_Random& random, bool symmetric_regions,
                      Puzzle_State& out);
