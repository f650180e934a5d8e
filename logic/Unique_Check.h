#pragma once
// A compact exact solver for the generator's inner loop: is a puzzle still unique once a few
// givens are taken away, and a random full grid of a shape. It works on the variables of a
// Constraint_Structure (copies of a shared cell are one variable) with flat peer and unit
// tables and one preallocated domain buffer per search depth, so a check allocates nothing.
// Branching prefers cells that took part in earlier contradictions; those weights carry over
// from one check to the next, which speeds up the many checks on one grid without changing
// any verdict.
//
// One checker serves one structure on one thread; make one per worker.

#include <atomic>
#include <cstdint>
#include <vector>

#include "logic/Solver.h"

class Tool_Random;

class Unique_Check {
  public:
    explicit Unique_Check(const Constraint_Structure& structure);

    // Stops every search early (it then reports as if it found nothing) once *cancel is true.
    // The flag is read every few hundred search nodes.
    void Watch_Cancel(const std::atomic<bool>* cancel) { Cancel = cancel; }
    bool Cancelled() const { return Was_Cancelled; }

    // `values` is a puzzle (0 = open, one entry per variable; the structure's own givens are
    // ignored) with exactly one solution, `solution`, from which the variables in `freed` have
    // just been emptied (values[v] == 0 for each). True when it still has exactly one
    // solution. Each freed variable is searched once for a solution that differs from
    // `solution` there while agreeing on the freed variables before it, which is much quicker
    // than counting to two.
    bool Still_Unique(const std::vector<int>& values, const std::vector<int>& solution,
                      const std::vector<int>& freed);

    // True when naked and hidden singles alone fill every variable of `values` (0 = open, one
    // entry per variable) without a clash: the puzzle then has one solution, found without
    // guessing or any harder step.
    bool Solved_By_Singles(const std::vector<int>& values);

    // A full solution with the values of every branch tried in random order. False when the
    // shape has none or node_budget search nodes were spent (node_budget <= 0: no budget).
    bool Random_Solution(Tool_Random& random, std::vector<int>& solution,
                         long long node_budget = 0);

    long long Nodes() const { return Node_Count; }

  private:
    using Mask = std::uint16_t;

    int Vars = 0;
    std::vector<int> Peer_Start; // Vars + 1 offsets into Peer_List
    std::vector<int> Peer_List;
    std::vector<int> Unit_Start; // offsets into Unit_List, one unit per entry, plus the end
    std::vector<int> Unit_List;  // only units in which every number must appear once
    std::vector<Mask> Unit_Full; // the numbers each of those units must hold
    std::vector<Mask> Full_Domain;
    std::vector<int> Var_Unit_Start; // per variable, the units above that hold it
    std::vector<int> Var_Unit_List;
    std::vector<char> Unit_Dirty; // a domain in the unit changed since it was looked at
    std::vector<int> Dirty_Units;
    std::vector<int> Weight; // per variable, 1 + the failures it took part in

    // Per depth: the domains, then one placed flag per variable, as masks of the same width.
    std::vector<Mask> Stack;
    std::vector<int> Queue;

    const std::atomic<bool>* Cancel = nullptr;
    bool Was_Cancelled = false;
    long long Node_Count = 0;
    long long Budget = 0;
    bool Out_Of_Budget = false;
    Tool_Random* Random = nullptr;
    int Found = 0; // solutions found; every search stops at the first
    std::vector<int>* Solution_Out = nullptr;

    Mask* Domains(int depth) { return Stack.data() + static_cast<std::size_t>(depth) * 2 * Vars; }
    Mask* Placed(int depth) { return Domains(depth) + Vars; }

    void Prepare(Tool_Random* random, std::vector<int>* solution, long long node_budget);
    // Loads depth 0 from values; false when two givens already clash.
    bool Start(const std::vector<int>& values);
    bool Propagate(int depth);
    void Changed(int v);
    bool Fail();
    void Blame_Unit(int unit);
    void Search(int depth);
    bool Stopping();
};
