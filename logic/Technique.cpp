#include "logic/Technique.h"

#include "logic/techniques/Technique_Finders.h"

const std::vector<Technique_Row>& Technique_Registry() {
    static const std::vector<Technique_Row> rows = {
#define TECHNIQUE(Id, Name, Score, Rating, Needs_Unique, Finder)                                   \
    {Technique::Id, Name, Score, Rating, Level_Of_Rating(Rating), Needs_Unique, &Finder},
#include "logic/techniques/Technique_List.h"
#undef TECHNIQUE
    };
    return rows;
}

const Technique_Row& Technique_Info(Technique technique) {
    // The rows are in the identifiers' order: the list makes both.
    return Technique_Registry()[static_cast<std::size_t>(technique)];
}

const char* Technique_Name(Technique technique) {
    return Technique_Info(technique).Name;
}

int Technique_Score(Technique technique) {
    return Technique_Info(technique).Score;
}

int Technique_Rating(Technique technique) {
    return Technique_Info(technique).Rating;
}

Puzzle_Level Technique_Level(Technique technique) {
    return Technique_Info(technique).Level;
}
