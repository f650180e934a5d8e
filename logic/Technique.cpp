#include "logic/Technique.h"

namespace {

struct Technique_Info {
    const char* Name;
    int Score;
    Puzzle_Level Level;
    const char* Summary;
};

// Scores follow the usual weights of solver programs: a step costs more the more a person
// has to look at to find it.
const Technique_Info Infos[Technique_Count] = {
    {"Full house", 4, Puzzle_Level::Easy,
     "A unit has one empty cell left: it takes the missing number."},
    {"Naked single", 4, Puzzle_Level::Easy, "A cell has one candidate left."},
    {"Hidden single", 14, Puzzle_Level::Easy,
     "A number has one place left in a row, column, block or region."},
    {"Locked candidates", 50, Puzzle_Level::Medium,
     "A number's places in one unit all lie in a second unit: the second unit's other cells lose "
     "it "
     "(pointing, claiming, and the same with regions and across boards)."},
    {"Naked pair", 60, Puzzle_Level::Medium,
     "Two cells of a unit hold only the same two numbers: the unit's other cells lose them."},
    {"Hidden pair", 70, Puzzle_Level::Medium,
     "Two numbers have the same two places in a unit: those cells lose every other number."},
    {"Naked triple", 80, Puzzle_Level::Hard,
     "Three cells of a unit hold only three numbers between them: the unit's other cells lose "
     "them."},
    {"Hidden triple", 100, Puzzle_Level::Hard,
     "Three numbers have only three places in a unit: those cells lose every other number."},
    {"Naked quad", 120, Puzzle_Level::Hard,
     "Four cells of a unit hold only four numbers between them: the unit's other cells lose them."},
    {"X-Wing", 140, Puzzle_Level::Hard,
     "A number's places in two rows lie in two columns (or the other way round): the rest of "
     "those columns lose it."},
    {"Hidden quad", 150, Puzzle_Level::Hard,
     "Four numbers have only four places in a unit: those cells lose every other number."},
    {"Swordfish", 150, Puzzle_Level::Hard, "The X-Wing with three rows and three columns."},
    {"Jellyfish", 160, Puzzle_Level::Hard, "The X-Wing with four rows and four columns."},
    {"XY-Wing", 160, Puzzle_Level::Hard,
     "A cell with two numbers sees two cells with one of them each and a shared third number: "
     "a cell that sees both of those loses the third number."},
    {"XYZ-Wing", 180, Puzzle_Level::Hard,
     "The XY-Wing whose middle cell also holds the third number: a cell that sees all three "
     "loses it."},
    {"X-chain", 260, Puzzle_Level::Expert,
     "A chain of places of one number, linked in turn by units where it has only two places and "
     "by cells that see each other: one of the chain's ends holds the number, so a cell that sees "
     "both ends loses it."},
    {"XY-chain", 260, Puzzle_Level::Expert,
     "A chain of cells with two numbers each, each seeing the next and sharing a number with it: "
     "one end holds the number the two ends share, so a cell that sees both ends loses it."},
    {"Trial", 10000, Puzzle_Level::Extreme,
     "Assume a number in a cell and follow the singles (or, failing that, every way on) to a "
     "contradiction: the cell loses the number."},
};

const Technique_Info& Info(Technique technique) {
    return Infos[static_cast<int>(technique)];
}

} // namespace

const char* Technique_Name(Technique technique) {
    return Info(technique).Name;
}

int Technique_Score(Technique technique) {
    return Info(technique).Score;
}

Puzzle_Level Technique_Level(Technique technique) {
    return Info(technique).Level;
}

const char* Technique_Summary(Technique technique) {
    return Info(technique).Summary;
}
