#pragma once
// The stepper: finds the easiest next logical step from the numbers on the boards, the way a
// person solves, and explains it. It works on every shape the file format holds (any number
// of boards, shared cells, custom regions across boards, Regions_Only) through the puzzle's
// constraint structure: each shared cell is one variable, each row, column, block and region
// one unit. Candidates are the logical ones: computed from the numbers on the boards and then
// narrowed by the steps taken, never the game engine's Possible flags.
//
// Qt-free; no state outside the objects, so separate threads may each run their own.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "logic/Solver.h"
#include "logic/Technique.h"
#include "model/Board_Model.h"

// A number on one copy of a cell.
struct Number_Place {
    int Board = 0;
    int Col = 0;
    int Row = 0;
    int Number = 0;

    bool operator==(const Number_Place& o) const {
        return Board == o.Board && Col == o.Col && Row == o.Row && Number == o.Number;
    }
};

struct Var_Number {
    int Var = 0;
    int Number = 0;
};

// One link of a chain for the overlay: from a candidate to the next one it bears on. Strong:
// the first not holding its number makes the second hold its own; else the first holding its
// number keeps the second from holding its own.
struct Step_Link {
    Cell_Place From;
    Cell_Place To;
    int Number_From = 0;
    int Number_To = 0;
    bool Strong = false;
};

struct Var_Link {
    int From = 0;
    int To = 0;
    int Number_From = 0;
    int Number_To = 0;
    bool Strong = false;
};

// One step of reasoning. The page-facing lists name every copy of a shared cell.
struct Step {
    Technique Kind = Technique::Naked_Single;
    std::vector<Unit_Id> Units;             // the units the step reasons with
    std::vector<Cell_Place> Cells;          // the cells it reasons from, every copy
    std::vector<Number_Place> Placements;   // numbers it places, every copy
    std::vector<Number_Place> Eliminations; // candidates it removes, every copy
    std::vector<Step_Link> Links;           // a chain's links, in the order they are read
    std::string Text;                       // one sentence, numbers from 1
    int Rating = 0; // on the Sudoku Explainer scale, in tenths; a chain's grows with its length

    // The same by variable and unit index of the structure.
    std::vector<int> Unit_Indices;
    std::vector<int> Cell_Vars;
    std::vector<Var_Number> Var_Placements;
    std::vector<Var_Number> Var_Eliminations;
    std::vector<Var_Link> Var_Links;

    bool Places() const { return !Var_Placements.empty(); }
};

// What the stepper needs of a puzzle's shape, worked out once: the constraint structure,
// which units must hold every number once, the units of each variable, and how numbers are
// written on each board.
class Logic_Shape {
  public:
    explicit Logic_Shape(const Puzzle_State& puzzle);
    // The same from the puzzle's shape, made once for it (the session's).
    Logic_Shape(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape);

    Constraint_Structure Structure;
    std::vector<std::vector<int>> Units_Of_Var;
    std::vector<char> Full_Unit;   // per unit: it holds every number of its boards once
    std::vector<int> Unit_Numbers; // per unit: its boards' highest number
    std::vector<std::vector<std::string>> Number_Texts; // [board][n-1], UTF-8
    bool Single_Board = true;
    int Highest_Number = 0;

    bool Sees(int a, int b) const { // a and b share a unit
        if (!Sight.empty()) {
            const std::size_t bit = static_cast<std::size_t>(a) * Sight_Stride + b;
            return (Sight[bit / 64] >> (bit % 64) & 1) != 0;
        }
        return Sees_By_Peers(a, b);
    }
    bool Unit_Contains(int unit, int var) const {
        for (int u : Units_Of_Var[var]) {
            if (u == unit) {
                return true;
            }
        }
        return false;
    }

    // Words for explanations. The context board is the board the sentence already speaks
    // of; a cell on it is named without its board (-1: none).
    std::string Unit_Name(int unit) const;
    std::string Cell_Name(int var, int context_board = -1) const;
    // A cell of a unit named within it: "column 3" in a row, "row 5" in a column, else as
    // Cell_Name with the unit's board.
    std::string Cell_Name_In(int var, int unit) const;
    std::string Number_Text(int board, int number) const; // as written on the board
    int Board_Of_Unit(int unit) const;                    // -1 for a region
    // Every board the unit lies on whole (as bits, boards 0 to 63; 0 for a region).
    std::uint64_t Boards_Of_Unit(int unit) const;
    int Board_Of_Var(int var) const;   // the board of its first copy
    int Writing_Board(int unit) const; // the board whose numbers a sentence on the unit writes

  private:
    bool Sees_By_Peers(int a, int b) const;
    // The unit's names on the other boards that share it whole (often none).
    const std::vector<Unit_Id>& Other_Ids(int unit) const;
    // The identity a sentence names the unit by: on the board the sentence speaks of when
    // the unit lies whole on it (a row two boards share), else the first.
    const Unit_Id& Named_Id(int unit) const;
    // Who sees whom as a bit matrix, on puzzles of up to a few thousand cells (the finders ask
    // it all the time); on larger ones the peer lists are searched.
    std::vector<std::uint64_t> Sight;
    std::size_t Sight_Stride = 0;
};

// The candidate state the stepper works on.
class Logic_State {
  public:
    // Candidates from the numbers in the shape's structure (given or entered).
    explicit Logic_State(std::shared_ptr<const Logic_Shape> shape);

    const Logic_Shape& Shape() const { return *Shape_Ptr; }
    int Var_Count() const { return static_cast<int>(Values.size()); }
    int Value(int var) const { return Values[var]; }
    Number_Set Candidates(int var) const { return Cands[var]; } // empty once placed
    // For tests and tools that set up a position by hand.
    void Set_Candidates(int var, Number_Set numbers) { Cands[var] = numbers; }

    void Place(int var, int number);
    void Eliminate(int var, int number);
    void Apply(const Step& step);

    // The puzzle is known to have exactly one solution (the solver said so): the techniques
    // that rest on uniqueness may be used. Off unless a caller that checked sets it.
    bool Unique_Solution_Known() const { return Unique_Known; }
    void Set_Unique_Solution_Known(bool known) { Unique_Known = known; }

    // Techniques rated above this (in tenths) are not tried; 0 tries every one. The registry
    // lists the techniques by rating at each level's border, so a search with the ceiling at
    // a level's top finds the same steps as one without, until a step would go above it.
    int Rating_Ceiling() const { return Ceiling; }
    void Set_Rating_Ceiling(int rating) { Ceiling = rating; }

    bool Solved() const;
    // Why no solution can follow from here (a cell without candidates, a unit missing a
    // number, two equal numbers in a unit), or empty.
    std::string Broken() const;

  private:
    std::shared_ptr<const Logic_Shape> Shape_Ptr;
    std::vector<int> Values;
    std::vector<Number_Set> Cands;
    bool Unique_Known = false;
    int Ceiling = 0;
};

// The easiest step from the state, trying techniques in order of difficulty (up to and
// including the last one allowed). False when none applies or the state is broken.
// When cancel is given and becomes true, the search stops soon and finds no step (the chain
// searches, the slow ones, look at it). With two_threads the slow techniques are tried on this
// thread and one more at once (a hint, which a person waits for); the step is the same.
bool Next_Step(const Logic_State& state, Step& step, Technique hardest = Technique::Trial,
               const std::atomic<bool>* cancel = nullptr, bool two_threads = false);

// Asks the solver whether the state's puzzle has exactly one solution and, when it has, lets
// the techniques that rest on uniqueness be used. Returns what the solver said.
bool Confirm_Unique_Solution(Logic_State& state);

struct Steps_Result {
    std::vector<Step> Steps;
    bool Solved = false;
    std::string Stop_Reason; // when not solved: why the steps ended
};

// Every step from the numbers on the boards until the puzzle is full or no step is left
// (at most max_steps steps when max_steps > 0).
// With two_threads the slow techniques are tried on two threads (see Next_Step); the steps are
// the same.
Steps_Result All_Steps(const Puzzle_State& puzzle, std::size_t max_steps = 0);
Steps_Result All_Steps(Logic_State& state, std::size_t max_steps = 0, bool two_threads = false);
