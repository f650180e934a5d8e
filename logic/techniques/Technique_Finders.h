#pragma once
// The stepper's technique finders, one family per file in this folder. Each looks for the
// easiest step of its technique in the state and fills the step's variable-level fields and
// text; the stepper adds the page-facing lists. Internal to the logic library.

#include <initializer_list>
#include <string>
#include <vector>

#include "logic/Stepper.h"

// Every technique's finder, as the list names it.
#define TECHNIQUE(Id, Name, Score, Rating, Needs_Unique, Finder)                                   \
    bool Finder(const Logic_State& state, Step& step);
#include "logic/techniques/Technique_List.h"
#undef TECHNIQUE

// The families' searches that several techniques share.
bool Find_Naked_Subset(const Logic_State& state, int size, Step& step);
bool Find_Hidden_Subset(const Logic_State& state, int size, Step& step);
bool Find_Fish(const Logic_State& state, int size, Step& step);
bool Find_Wing(const Logic_State& state, Technique kind, Step& step); // XY- or XYZ-Wing

// Helpers shared by the finders.

// The tenths a chain's rating grows by with its length in candidates, as the Sudoku Explainer
// scale counts it: nothing up to 6, then a tenth more past 6, 8, 10, 14, 18, 26, 34, 50, ...
int Chain_Length_Rating(int nodes);
// The caller of Next_Step asked the search to stop: the slow finders give up.
bool Search_Cancelled();

// The numbers placed in a unit.
Number_Set Placed_In_Unit(const Logic_State& state, int unit);
// The unplaced variables of a unit that still have the number.
std::vector<int> Places_In_Unit(const Logic_State& state, int unit, int number);
// The same in a unit that must hold every number once and does not hold this one yet; empty
// for any other unit.
std::vector<int> Open_Places(const Logic_State& state, int unit, int number);
// The variables other than the given ones that see every one of them and still have the
// number, in order.
std::vector<int> Seeing_All(const Logic_State& state, std::initializer_list<int> cells, int number);
// "a", "a and b", "a, b and c".
std::string Join_Words(const std::vector<std::string>& words);
// The numbers of a set as written on a board, joined.
std::string Numbers_Text(const Logic_Shape& shape, int board, Number_Set numbers);
// The cells named with a context board, joined.
std::string Cells_Text(const Logic_Shape& shape, const std::vector<int>& vars, int context_board);
// The cells named within a unit, joined.
std::string Cells_In_Unit_Text(const Logic_Shape& shape, const std::vector<int>& vars, int unit);
// Adds an elimination of every number of the set that the variable still has.
void Add_Eliminations(const Logic_State& state, int var, Number_Set numbers, Step& step);
// Calls visit(combination) for every k-subset of 0..n-1 (as indices) until it returns true.
template <typename Visit> bool For_Each_Combination(int n, int k, Visit visit) {
    if (k > n || k <= 0) {
        return false;
    }
    std::vector<int> pick(k);
    for (int i = 0; i < k; ++i) {
        pick[i] = i;
    }
    for (;;) {
        if (visit(pick)) {
            return true;
        }
        int i = k - 1;
        while (i >= 0 && pick[i] == n - k + i) {
            --i;
        }
        if (i < 0) {
            return false;
        }
        ++pick[i];
        for (int j = i + 1; j < k; ++j) {
            pick[j] = pick[j - 1] + 1;
        }
    }
}
