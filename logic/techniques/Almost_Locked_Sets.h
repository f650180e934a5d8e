#pragma once
// Almost locked sets, shared by the ALS techniques: n open cells of one unit that hold n + 1
// numbers between them. Their cells take different numbers, so a set that loses one of its
// numbers holds each of the others once (it becomes a locked set). Two sets are linked by a
// number both hold when every cell of the one holding it sees every cell of the other holding
// it: at most one of the two then holds the number (a restricted common number).
// Internal to the logic library (logic/techniques).

#include <cstdint>
#include <string>
#include <vector>

#include "logic/techniques/Technique_Finders.h"

namespace als {

struct Almost_Locked_Set {
    std::vector<int> Cells; // variables, in order
    Number_Set Numbers = 0;
    int Unit = 0;
    std::uint64_t Units_Seen = 0; // a bit per unit of its cells (unit % 64): sets whose bits
                                  // do not meet have no cell seeing one of the other
};

// Every almost locked set of at most most_cells cells, each set of cells once, smaller sets
// first.
std::vector<Almost_Locked_Set> Find_Sets(const Logic_State& state, int most_cells);

bool Disjoint(const Almost_Locked_Set& a, const Almost_Locked_Set& b);

// A set linked to another, and the restricted common numbers that link them.
struct Neighbour {
    int Set = 0;
    Number_Set Linked = 0;
};
// The sets of a position (Find_Sets) and, when asked for, each set's linked neighbours (the
// sets sharing no cell with it, in the order of the sets),
// worked out once: the ALS finders ask for them one after another on the same position. Kept
// per thread until a position of other candidates is asked for; the reference holds until then.
struct Set_Graph {
    std::vector<Almost_Locked_Set> Sets;
    std::vector<std::vector<Neighbour>> Neighbours; // empty until asked for
};
const Set_Graph& Graph_Of(const Logic_State& state, int most_cells, bool with_neighbours);

// The numbers both sets hold of which every cell of the one holding it sees every cell of the
// other holding it. The sets must not share a cell.
Number_Set Restricted_Common(const Logic_State& state, const Almost_Locked_Set& a,
                             const Almost_Locked_Set& b);

// The cells outside the sets that hold the number and see every cell of them that holds it.
std::vector<int> Seeing_Every(const Logic_State& state,
                              const std::vector<const Almost_Locked_Set*>& sets, int number);

// The sets named by letter with their cells and numbers: "the set A (row 1, column 1 and row
// 1, column 2) holds only 1, 2 and 5, B (...) only 3, 5 and 7 and C (...) only ...; each has one
// number more than cells".
std::string Sets_Text(const Logic_Shape& shape, const std::vector<const Almost_Locked_Set*>& sets);

// Fills the step's cells and units from the sets, its eliminations of the number from the
// targets, and for the overlay a weak link between each two cells of the linked sets that hold
// a restricted common number.
struct Set_Link {
    const Almost_Locked_Set* From = nullptr;
    const Almost_Locked_Set* To = nullptr;
    int Number = 0;
};
void Fill_Step(const Logic_State& state, const std::vector<const Almost_Locked_Set*>& sets,
               const std::vector<Set_Link>& links, int number, const std::vector<int>& targets,
               Step& step);

} // namespace als
