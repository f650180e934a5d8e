#include "logic/Unique_Check.h"

#include <algorithm>

#include "logic/Random.h"

namespace {

// Numbers in a domain (16 bits at most), by table: no popcount instruction is assumed.
struct Bit_Counts {
    unsigned char Count[256];
    constexpr Bit_Counts() : Count() {
        for (int v = 1; v < 256; ++v) {
            Count[v] = static_cast<unsigned char>(Count[v >> 1] + (v & 1));
        }
    }
};
constexpr Bit_Counts Bit_Table;

int Bits(unsigned v) {
    return Bit_Table.Count[v & 255U] + Bit_Table.Count[(v >> 8) & 255U];
}

bool Single(unsigned v) {
    return v != 0 && (v & (v - 1)) == 0;
}

} // namespace

Unique_Check::Unique_Check(const Constraint_Structure& s) : Vars(s.Var_Count) {
    Peer_Start.reserve(Vars + 1);
    for (int v = 0; v < Vars; ++v) {
        Peer_Start.push_back(static_cast<int>(Peer_List.size()));
        Peer_List.insert(Peer_List.end(), s.Peers[v].begin(), s.Peers[v].end());
    }
    Peer_Start.push_back(static_cast<int>(Peer_List.size()));

    for (int u = 0; u < static_cast<int>(s.Units.size()); ++u) {
        if (Unit_Holds_Every_Number(s, u)) {
            const std::vector<int>& unit = s.Units[u];
            Unit_Start.push_back(static_cast<int>(Unit_List.size()));
            Unit_List.insert(Unit_List.end(), unit.begin(), unit.end());
            Unit_Full.push_back(static_cast<Mask>(All_Numbers(s.Max_Of_Var[unit[0]])));
        }
    }
    Unit_Start.push_back(static_cast<int>(Unit_List.size()));

    for (int v = 0; v < Vars; ++v) {
        Full_Domain.push_back(static_cast<Mask>(All_Numbers(s.Max_Of_Var[v])));
    }
    // Every search level fixes at least one more variable, so Vars + 1 levels suffice.
    Stack.assign(static_cast<std::size_t>(Vars + 2) * 2 * Vars, 0);
    Queue.reserve(Vars * 2);
    Weight.assign(Vars, 1);
    std::vector<std::vector<int>> units_of(Vars);
    for (int u = 0; u + 1 < static_cast<int>(Unit_Start.size()); ++u) {
        for (int k = Unit_Start[u]; k < Unit_Start[u + 1]; ++k) {
            units_of[Unit_List[k]].push_back(u);
        }
    }
    for (int v = 0; v < Vars; ++v) {
        Var_Unit_Start.push_back(static_cast<int>(Var_Unit_List.size()));
        Var_Unit_List.insert(Var_Unit_List.end(), units_of[v].begin(), units_of[v].end());
    }
    Var_Unit_Start.push_back(static_cast<int>(Var_Unit_List.size()));
    Unit_Dirty.assign(Unit_Full.size(), 0);
    Dirty_Units.reserve(Unit_Full.size());
}

void Unique_Check::Blame_Unit(int unit) {
    for (int k = Unit_Start[unit]; k < Unit_Start[unit + 1]; ++k) {
        ++Weight[Unit_List[k]];
    }
}

bool Unique_Check::Stopping() {
    if (Found > 0 || Was_Cancelled || Out_Of_Budget) {
        return true;
    }
    if (Budget > 0 && Node_Count >= Budget) {
        Out_Of_Budget = true;
        return true;
    }
    if (Cancel != nullptr && (Node_Count & 255) == 0 && Cancel->load(std::memory_order_relaxed)) {
        Was_Cancelled = true;
        return true;
    }
    return false;
}

bool Unique_Check::Start(const std::vector<int>& values) {
    Mask* d = Domains(0);
    Mask* placed = Placed(0);
    Fail();
    for (int v = 0; v < Vars; ++v) {
        d[v] = Full_Domain[v];
        placed[v] = 0;
    }
    for (int u = 0; u < static_cast<int>(Unit_Full.size()); ++u) {
        Unit_Dirty[u] = 1;
        Dirty_Units.push_back(u);
    }
    for (int v = 0; v < Vars; ++v) {
        if (values[v] == 0) {
            continue;
        }
        const Mask bit = static_cast<Mask>(1U << (values[v] - 1));
        if ((d[v] & bit) == 0) {
            return false;
        }
        d[v] = bit;
        Queue.push_back(v);
    }
    return true;
}

void Unique_Check::Changed(int v) {
    for (int k = Var_Unit_Start[v]; k < Var_Unit_Start[v + 1]; ++k) {
        const int u = Var_Unit_List[k];
        if (!Unit_Dirty[u]) {
            Unit_Dirty[u] = 1;
            Dirty_Units.push_back(u);
        }
    }
}

bool Unique_Check::Fail() {
    Queue.clear();
    for (int u : Dirty_Units) {
        Unit_Dirty[u] = 0;
    }
    Dirty_Units.clear();
    return false;
}

// Naked singles through the queue, then hidden singles in the units whose domains changed
// since they were last looked at (the state before was a fixed point), until nothing moves.
bool Unique_Check::Propagate(int depth) {
    Mask* d = Domains(depth);
    Mask* placed = Placed(depth);
    for (;;) {
        while (!Queue.empty()) {
            const int v = Queue.back();
            Queue.pop_back();
            if (placed[v]) {
                continue;
            }
            placed[v] = 1;
            const Mask bit = d[v];
            for (int k = Peer_Start[v]; k < Peer_Start[v + 1]; ++k) {
                const int p = Peer_List[k];
                if ((d[p] & bit) == 0) {
                    continue;
                }
                d[p] = static_cast<Mask>(d[p] & ~bit);
                if (d[p] == 0) {
                    ++Weight[p];
                    return Fail();
                }
                Changed(p);
                if (Single(d[p])) {
                    Queue.push_back(p);
                }
            }
        }
        if (Dirty_Units.empty()) {
            return true;
        }
        // Hidden singles: a number with one place left in a unit that must hold it.
        const int u = Dirty_Units.back();
        Dirty_Units.pop_back();
        Unit_Dirty[u] = 0;
        unsigned once = 0;
        unsigned seen = 0;
        for (int k = Unit_Start[u]; k < Unit_Start[u + 1]; ++k) {
            const unsigned m = d[Unit_List[k]];
            once = (once & ~m) | (m & ~seen);
            seen |= m;
        }
        if (seen != Unit_Full[u]) {
            Blame_Unit(u);
            return Fail();
        }
        if (once == 0) {
            continue;
        }
        for (int k = Unit_Start[u]; k < Unit_Start[u + 1]; ++k) {
            const int v = Unit_List[k];
            const unsigned hit = d[v] & once;
            if (hit == 0 || placed[v]) {
                continue;
            }
            if (!Single(hit)) {
                Blame_Unit(u);
                return Fail(); // one cell is the only place of two numbers
            }
            if (hit != d[v]) {
                d[v] = static_cast<Mask>(hit);
                Changed(v);
            }
            Queue.push_back(v);
        }
    }
}

void Unique_Check::Search(int depth) {
    if (Stopping()) {
        return;
    }
    ++Node_Count;
    const Mask* d = Domains(depth);
    // After propagation the open variables are exactly those with two or more numbers left.
    // Among them the one with the fewest numbers per weight: variables that took part in
    // failures before come first, which keeps the search where the contradiction is instead
    // of branching again and again on unrelated cells (on a Samurai, another grid).
    int best = -1;
    int best_count = 0;
    int best_weight = 1;
    for (int v = 0; v < Vars; ++v) {
        const int count = Bits(d[v]);
        if (count > 1 && (best < 0 || count * best_weight < best_count * Weight[v])) {
            best = v;
            best_count = count;
            best_weight = Weight[v];
        }
    }
    if (best < 0) {
        ++Found;
        if (Solution_Out != nullptr && Found == 1) {
            Solution_Out->resize(Vars);
            for (int v = 0; v < Vars; ++v) {
                (*Solution_Out)[v] = Lowest_Number_Of(d[v]);
            }
        }
        return;
    }
    int numbers[16];
    int count = 0;
    for (unsigned m = d[best]; m != 0; m &= m - 1) {
        numbers[count++] = Lowest_Number_Of(m);
    }
    if (Random != nullptr) {
        for (int i = count - 1; i > 0; --i) {
            std::swap(numbers[i], numbers[Random->Below(i + 1)]);
        }
    }
    const std::size_t level = static_cast<std::size_t>(2) * Vars;
    for (int i = 0; i < count; ++i) {
        Mask* next = Domains(depth + 1);
        std::copy(Domains(depth), Domains(depth) + level, next);
        next[best] = static_cast<Mask>(1U << (numbers[i] - 1));
        Queue.clear();
        Queue.push_back(best);
        Changed(best);
        if (Propagate(depth + 1)) {
            Search(depth + 1);
        }
        if (Stopping()) {
            return;
        }
    }
}

void Unique_Check::Prepare(Tool_Random* random, std::vector<int>* solution, long long node_budget) {
    Found = 0;
    Random = random;
    Solution_Out = solution;
    Out_Of_Budget = false;
    Budget = node_budget > 0 ? Node_Count + node_budget : 0;
}

bool Unique_Check::Still_Unique(const std::vector<int>& values, const std::vector<int>& solution,
                                const std::vector<int>& freed) {
    Prepare(nullptr, nullptr, 0);
    for (std::size_t i = 0; i < freed.size(); ++i) {
        Found = 0;
        if (!Start(values)) {
            return false;
        }
        Mask* d = Domains(0);
        for (std::size_t j = 0; j < i; ++j) {
            d[freed[j]] = static_cast<Mask>(1U << (solution[freed[j]] - 1));
            Queue.push_back(freed[j]);
        }
        const int v = freed[i];
        d[v] = static_cast<Mask>(d[v] & ~(1U << (solution[v] - 1)));
        if (d[v] == 0) {
            continue;
        }
        if (Single(d[v])) {
            Queue.push_back(v);
        }
        if (Propagate(0)) {
            Search(0);
        }
        if (Found > 0) {
            return false;
        }
        if (Was_Cancelled) {
            return false;
        }
    }
    return true;
}

bool Unique_Check::Solved_By_Singles(const std::vector<int>& values) {
    if (!Start(values) || !Propagate(0)) {
        return false;
    }
    const Mask* d = Domains(0);
    return std::all_of(d, d + Vars, [](Mask m) { return Single(m); });
}

bool Unique_Check::Random_Solution(Tool_Random& random, std::vector<int>& solution,
                                   long long node_budget) {
    Prepare(&random, &solution, node_budget);
    // The weights learnt by earlier searches speed up later ones without changing their
    // verdicts, but they would steer a random grid: it starts from none, so that it depends
    // on the random stream alone.
    std::fill(Weight.begin(), Weight.end(), 1);
    if (Start(std::vector<int>(Vars, 0)) && Propagate(0)) {
        Search(0);
    }
    const bool found = Found > 0;
    Prepare(nullptr, nullptr, 0);
    return found;
}
