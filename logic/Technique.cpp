#include "logic/Technique.h"

namespace {

struct Technique_Info {
    const char* Name;
    int Score;
    Puzzle_Level Level;
};

// Scores follow the usual weights of solver programs: a step costs more the more a person
// has to look at to find it.
const Technique_Info Infos[Technique_Count] = {
    {"Full house", 4, Puzzle_Level::Easy},     {"Naked single", 4, Puzzle_Level::Easy},
    {"Hidden single", 14, Puzzle_Level::Easy}, {"Locked candidates", 50, Puzzle_Level::Medium},
    {"Naked pair", 60, Puzzle_Level::Medium},  {"Hidden pair", 70, Puzzle_Level::Medium},
    {"Naked triple", 80, Puzzle_Level::Hard},  {"Hidden triple", 100, Puzzle_Level::Hard},
    {"Naked quad", 120, Puzzle_Level::Hard},   {"X-Wing", 140, Puzzle_Level::Hard},
    {"Hidden quad", 150, Puzzle_Level::Hard},  {"Swordfish", 150, Puzzle_Level::Hard},
    {"Jellyfish", 160, Puzzle_Level::Hard},    {"XY-Wing", 160, Puzzle_Level::Hard},
    {"XYZ-Wing", 180, Puzzle_Level::Hard},     {"X-chain", 260, Puzzle_Level::Expert},
    {"XY-chain", 260, Puzzle_Level::Expert},   {"Trial", 10000, Puzzle_Level::Extreme},
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
