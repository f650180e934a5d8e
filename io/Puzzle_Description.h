#pragma once
// The plain-text puzzle description: `tessel-puzzle make` turns it into a puzzle file.
// The format is documented in README.md, under "Description format".

#include <string>

#include "model/Board_Model.h"

struct Description_Result {
    std::string Error;  // "line N: ..." when the description was refused
    int Error_Line = 0; // the N of the error's "line N: ", 0 when it names no line
    Puzzle_State Puzzle;

    bool Ok() const { return Error.empty(); }
};

Description_Result Parse_Description(const std::string& text);

// True for a word that starts a statement of the description ("board", "samurai", "title",
// ...): a text whose first word is one is read as a description.
bool Is_Description_Statement(const std::string& word);

// A thick edge (Cell_Borders) wherever a cell of a custom region meets a cell of other
// regions or the edge of its board. Needs Cell_Regions built.
void Draw_Region_Borders(Puzzle_State& puzzle);
