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

#include "logic/Grading.h"
#include "model/Board_Model.h"

class Tool_Random;

struct Puzzle_Kind_Info {
    std::string Name;  // as the tool spells it: "classic", "samurai", "16x16", ...
    std::string Label; // for people: "Classic 9x9", "Samurai (5 grids)", ...
    int Boards = 1;
};

// The kinds on boards of 9 and 6 numbers: classic, 6x6-wide, 6x6-tall, the jigsaw, symbols
// and the multi-grid figures.
const std::vector<Puzzle_Kind_Info>& Puzzle_Kinds();
// One board of another size each: 4x4, 8x8-wide, 8x8-tall, 12x12-wide, 12x12-tall, 16x16.
const std::vector<Puzzle_Kind_Info>& Board_Size_Kinds();
// Both, in the order a "New Puzzle" dialog lists them (the single boards by size first).
const std::vector<Puzzle_Kind_Info>& Every_Puzzle_Kind();

// A kind of Every_Puzzle_Kind.
bool Is_Puzzle_Kind(const std::string& name);

// The hardest level a puzzle of the kind can have: easy for a 4x4, extreme for the others.
Puzzle_Level Highest_Level_Of_Kind(const std::string& name);

// "classic, 6x6-wide, 6x6-tall, 4x4, ..." for messages: every kind.
std::string Puzzle_Kind_Names();

// The empty puzzle of a kind; false (and out untouched) for an unknown kind. A jigsaw's
// regions are drawn from seed (symmetric by half a turn, as the generator draws them by
// default); every other kind has one shape.
bool Empty_Puzzle_Of_Kind(const std::string& kind, std::uint64_t seed, Puzzle_State& out);

// The same, drawing a jigsaw's regions from random (the generator's own stream), symmetric
// by half a turn when symmetric_regions is set.
bool Build_Kind_Shape(const std::string& kind, Tool_Random& random, bool symmetric_regions,
                      Puzzle_State& out);
