// Grouped alternating inference chains: the alternating chains (Alternating_Chains.cpp) with
// groups of cells as links too. The places of a number in a unit that all lie where it meets
// another unit hold the number together when the unit's other places do not (a strong link to
// the group), and then no other cell of that other unit holds it (a weak link from the group);
// the places ruled out by one fact together leave the rest of the unit the number.

#include "logic/techniques/Chain_Propagation.h"

bool Find_Grouped_Chain(const Logic_State& state, Step& step) {
    return chains::Find_Alternating(state, chains::Mode::Grouped,
                                    "Grouped alternating inference chain", 76, 80, step);
}
