#include "engine/Fast_Engine.h"

#include <cstdint>
#include <vector>

#include "engine/Candidate_Engine.h"
#include "model/Board_Geometry.h"
#include "model/Puzzle_Shape.h"

// Every step mirrors its counterpart in the reference engine, in the same order; the notes
// beside a step say where it may skip work and why that changes nothing.
//
// Cells are numbered across the puzzle: board b's cell (c, r) is Board_First[b] + c * N + r.
// Possible[i] holds the Possible flags of cell i as bits (number n at bit n-1); Cand[i] the
// Candidates of its last rebuild. During a recomputation bits are only ever cleared (the
// hidden single step keeps one bit that is already set), so Possible[i] is always a subset of
// Cand[i], and a number once struck from a cell stays struck until the next reset.
//
// Storage: the structure and the working arrays live as long as the puzzle's shape; a
// recomputation of an unchanged shape allocates nothing. Candidates lists are refilled in
// place at the end and keep their capacity.

namespace {

using Mask = std::uint16_t;
constexpr int Max_Fast_Number = 16;

int Bit_Count(unsigned m) {
    int n = 0;
    while (m != 0) {
        m &= m - 1;
        ++n;
    }
    return n;
}

// The lowest two numbers of a list, as the pair step reads Candidates[0] and Candidates[1].
Mask First_Two(Mask m) {
    const Mask low = static_cast<Mask>(m & (~m + 1u));
    const Mask rest = static_cast<Mask>(m & ~low);
    return static_cast<Mask>(low | (rest & (~rest + 1u)));
}

Mask Range_Of(int n) {
    return static_cast<Mask>((1u << n) - 1u);
}

struct Engine_Data {
    // The shape the working storage was sized for (compared by address and serial; never
    // read through between recomputations).
    std::uint64_t Serial = 0;
    const Puzzle_Shape* Shape = nullptr;
    bool Regions_On = false;

    // Working state of one recomputation.
    std::vector<Mask> Possible;
    std::vector<Mask> Cand;
    std::vector<std::uint8_t> Empty;
    std::vector<std::uint8_t> Struck;        // the single candidate step has struck its number
    std::vector<std::uint32_t> Region_Stamp; // bumped whenever a member cell changes
    std::vector<std::uint32_t> Single_Clean; // stamp at which no member was ready to strike
    std::vector<std::uint32_t> Hidden_Clean; // stamp at which the hidden step changed nothing
    std::vector<Mask> Hidden_Clean_Range;    // ... counting these numbers
    std::vector<std::uint32_t> Pair_Clean;   // stamp at which the pair step changed nothing
};

thread_local Engine_Data Data;

// Every board holds 1 to 16 numbers in per-cell arrays of its size: checked before a shape
// is made for a puzzle that comes without one, so that a damaged board's size never makes one.
bool Sizes_Fit(const Puzzle_State& state) {
    for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
        const Integer n = b.Max_Number;
        if (n < 1 || n > Max_Fast_Number || static_cast<Integer>(b.Cell_Values.size()) != n ||
            static_cast<Integer>(b.Cell_Tracking.size()) != n) {
            return false;
        }
        for (Integer c = 0; c < n; ++c) {
            if (static_cast<Integer>(b.Cell_Values[c].size()) != n ||
                static_cast<Integer>(b.Cell_Tracking[c].size()) != n) {
                return false;
            }
        }
    }
    return true;
}

// The numbers and per-cell arrays the fast engine relies on; false when the puzzle must go to
// the reference engine. The shape has checked the rest (sizes, blocks, regions).
bool Values_Fit(const Puzzle_State& state) {
    for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
        const Integer n = b.Max_Number;
        for (Integer c = 0; c < n; ++c) {
            const std::vector<Integer>& values = b.Cell_Values[c];
            const std::vector<Tracking_Array_FrameWork>& tracking = b.Cell_Tracking[c];
            for (Integer r = 0; r < n; ++r) {
                if (values[r] < 0 || values[r] > n ||
                    static_cast<Integer>(tracking[r].Possible.size()) != n) {
                    return false;
                }
            }
        }
    }
    return true;
}

// The working storage sized for a shape: made anew only for another shape.
void Prepare(const Puzzle_State& state, const Puzzle_Shape& shape, Engine_Data& d) {
    d.Regions_On = state.Custom_Regions_On != 0;
    if (d.Shape == &shape && d.Serial == shape.Serial) {
        return;
    }
    d.Shape = &shape;
    d.Serial = shape.Serial;
    const int cells = shape.Groups.Cells;
    const int regions = shape.Groups.Regions();
    d.Possible.assign(static_cast<std::size_t>(cells), 0);
    d.Cand.assign(static_cast<std::size_t>(cells), 0);
    d.Empty.assign(static_cast<std::size_t>(cells), 0);
    d.Struck.assign(static_cast<std::size_t>(cells), 0);
    d.Region_Stamp.assign(static_cast<std::size_t>(regions), 0);
    d.Single_Clean.assign(static_cast<std::size_t>(regions), 0);
    d.Hidden_Clean.assign(static_cast<std::size_t>(regions), 0);
    d.Hidden_Clean_Range.assign(static_cast<std::size_t>(regions), 0);
    d.Pair_Clean.assign(static_cast<std::size_t>(regions), 0);
}

// ---------------------------------------------------------------------------------------
// The recomputation.

class Recomputation {
  public:
    Recomputation(Puzzle_State& state, const Puzzle_Shape& shape, Engine_Data& d)
        : State(state), S(shape), G(shape.Groups), D(d) {}

    void Run() {
        Load_Values_And_Reset();
        Eliminate_Placed_Numbers();
        const int boards = static_cast<int>(G.Board_Size.size());
        for (int round = 0; round < 2; ++round) {
            Sync_Linked_Cells();
            Rebuild_All();
            for (int b = 0; b < boards; ++b) {
                Deduction_Passes(b);
            }
        }
        Sync_Linked_Cells();
        Rebuild_All();
        Write_Back();
    }

  private:
    Puzzle_State& State;
    const Puzzle_Shape& S;
    const Puzzle_Groups& G;
    Engine_Data& D;

    // The cells of group k, and the block groups of board b.
    const int* Cells_Begin(int k) const { return G.Group_Cells.data() + G.Groups[k].Begin; }
    const int* Cells_End(int k) const { return G.Group_Cells.data() + G.Groups[k].End; }
    int Blocks_Begin(int b) const { return G.Board_Block_Begin[b]; }
    int Blocks_End(int b) const { return G.Board_Group_Begin[b + 1]; }

    // Every change of a cell's flags or list marks the regions that hold it as changed.
    void Touch(int i) {
        for (int j = G.Member_Begin[i]; j < G.Member_Begin[i + 1]; ++j) {
            ++D.Region_Stamp[G.Members[j]];
        }
    }
    void Set_Possible(int i, Mask m) {
        if (D.Possible[i] != m) {
            D.Possible[i] = m;
            Touch(i);
        }
    }
    void Rebuild_Cell(int i) {
        if (D.Cand[i] != D.Possible[i]) {
            D.Cand[i] = D.Possible[i];
            Touch(i);
        }
    }

    void Load_Values_And_Reset() {
        const int boards = static_cast<int>(G.Board_Size.size());
        for (int b = 0; b < boards; ++b) {
            const Sudoku_Boards_FrameWork& board = State.Sudoku_Boards[b];
            const int n = G.Board_Size[b];
            const Mask all = Range_Of(n);
            int i = G.Board_First[b];
            for (int c = 0; c < n; ++c) {
                const std::vector<Integer>& values = board.Cell_Values[c];
                for (int r = 0; r < n; ++r, ++i) {
                    D.Empty[i] = values[r] == 0;
                    D.Possible[i] = all;
                    D.Struck[i] = 0;
                }
            }
        }
        // Stamps start above every clean mark, so no region counts as clean yet.
        for (std::size_t k = 0; k < D.Region_Stamp.size(); ++k) {
            D.Region_Stamp[k] = 1;
            D.Single_Clean[k] = 0;
            D.Hidden_Clean[k] = 0;
            D.Pair_Clean[k] = 0;
        }
    }

    void Eliminate_Placed_Numbers() {
        const int boards = static_cast<int>(G.Board_Size.size());
        for (int b = 0; b < boards; ++b) {
            const Sudoku_Boards_FrameWork& board = State.Sudoku_Boards[b];
            const int n = G.Board_Size[b];
            int i = G.Board_First[b];
            for (int c = 0; c < n; ++c) {
                for (int r = 0; r < n; ++r, ++i) {
                    const Integer v = board.Cell_Values[c][r];
                    if (v <= 0) {
                        continue;
                    }
                    const Mask keep = static_cast<Mask>(~(1u << (v - 1)));
                    Set_Possible(i, D.Possible[i] & keep);
                    for (int j = S.Peer_Begin[i]; j < S.Peer_Begin[i + 1]; ++j) {
                        const int p = S.Peers[j];
                        Set_Possible(p, D.Possible[p] & keep);
                    }
                }
            }
        }
    }

    void Sync_Linked_Cells() {
        for (const Linked_Cells& s : G.Links) {
            const Mask here = static_cast<Mask>(D.Possible[s.Here] & D.Possible[s.There]);
            Set_Possible(s.Here, here);
            Set_Possible(s.There,
                         D.Possible[s.There] & static_cast<Mask>(here | ~Range_Of(s.Here_Numbers)));
        }
    }

    void Rebuild_Board(int b) {
        for (int i = G.Board_First[b]; i < G.Board_First[b + 1]; ++i) {
            Rebuild_Cell(i);
        }
    }
    void Rebuild_All() {
        for (int i = 0; i < G.Cells; ++i) {
            Rebuild_Cell(i);
        }
    }

    // True when cell i would strike its number: empty, exactly one number possible, and
    // not struck yet.
    bool Ready(int i) const {
        const Mask m = D.Possible[i];
        return D.Empty[i] && !D.Struck[i] && m != 0 && (m & (m - 1)) == 0;
    }

    // Once a cell has struck its only number n from its peers, the peers keep n struck and the
    // cell holds n or nothing: striking again would change nothing, so it is not repeated.
    void Single_Candidate_Step(int i) {
        if (!Ready(i)) {
            return;
        }
        D.Struck[i] = 1;
        const Mask keep = static_cast<Mask>(~D.Possible[i]);
        for (int j = S.Peer_Begin[i]; j < S.Peer_Begin[i + 1]; ++j) {
            const int p = S.Peers[j];
            Set_Possible(p, D.Possible[p] & keep);
        }
    }

    void Deduction_Passes(int b) {
        const int regions = G.Regions();
        for (int pass = 0; pass < 6; ++pass) {
            if (G.Board_Blocks[b]) {
                for (int k = Blocks_Begin(b); k < Blocks_End(b); ++k) {
                    for (const int* p = Cells_Begin(k); p != Cells_End(k); ++p) {
                        Single_Candidate_Step(*p);
                    }
                }
            }
            if (D.Regions_On) {
                // A region none of whose cells changed since all of them were found not
                // ready has nothing to strike.
                for (int k = 0; k < regions; ++k) {
                    const std::uint32_t stamp = D.Region_Stamp[k];
                    if (D.Single_Clean[k] == stamp) {
                        continue;
                    }
                    const int group = G.Region_Group_Begin + k;
                    for (const int* p = Cells_Begin(group); p != Cells_End(group); ++p) {
                        Single_Candidate_Step(*p);
                    }
                    if (D.Region_Stamp[k] == stamp) {
                        D.Single_Clean[k] = stamp;
                    }
                }
            }
            if (State.Help_Solve) {
                Hidden_Single_Step(b);
                Rebuild_Board(b);
                Pair_Step(b);
            }
        }
    }

    // Counts, over the empty cells of one unit, how many hold each number (numbers in range
    // only), then for each number held by exactly one cell, in ascending order, keeps that
    // number alone in the cells that still hold it.
    void Hidden_In_Unit(const int* cells, const int* end, Mask range) {
        Mask once = 0;
        Mask twice = 0;
        for (const int* p = cells; p != end; ++p) {
            if (D.Empty[*p]) {
                const Mask m = static_cast<Mask>(D.Possible[*p] & range);
                twice = static_cast<Mask>(twice | (once & m));
                once = static_cast<Mask>(once | m);
            }
        }
        Mask exactly = static_cast<Mask>(once & ~twice);
        while (exactly != 0) {
            const Mask n = static_cast<Mask>(exactly & (~exactly + 1u));
            exactly = static_cast<Mask>(exactly & ~n);
            for (const int* p = cells; p != end; ++p) {
                if (D.Empty[*p] && (D.Possible[*p] & n) != 0) {
                    Set_Possible(*p, n);
                }
            }
        }
    }

    void Hidden_Single_Step(int b) {
        const Mask range = Range_Of(G.Board_Size[b]);
        if (G.Board_Blocks[b]) {
            for (int k = Blocks_Begin(b); k < Blocks_End(b); ++k) {
                Hidden_In_Unit(Cells_Begin(k), Cells_End(k), range);
            }
        }
        if (D.Regions_On) {
            // The step reads and writes only the region's cells: run again on cells that
            // have not changed since a run that changed nothing, it changes nothing.
            const int regions = G.Regions();
            for (int k = 0; k < regions; ++k) {
                const std::uint32_t stamp = D.Region_Stamp[k];
                if (D.Hidden_Clean[k] == stamp && D.Hidden_Clean_Range[k] == range) {
                    continue;
                }
                const int group = G.Region_Group_Begin + k;
                Hidden_In_Unit(Cells_Begin(group), Cells_End(group), range);
                if (D.Region_Stamp[k] == stamp) {
                    D.Hidden_Clean[k] = stamp;
                    D.Hidden_Clean_Range[k] = range;
                }
            }
        }
    }

    // P's list as the pair step compares it: count 2 and the same first two entries.
    bool Same_Pair(int p, int q) const {
        return Bit_Count(D.Cand[q]) == 2 && Bit_Count(D.Cand[p]) >= 2 &&
               First_Two(D.Cand[p]) == D.Cand[q];
    }
    bool Has_Pair_Count(int i) const { return Bit_Count(D.Cand[i]) == 2; }

    void Strike_Pair(int i, Mask pair) {
        Set_Possible(i, D.Possible[i] & static_cast<Mask>(~pair));
        Rebuild_Cell(i);
    }

    void Pair_Step(int b) {
        Pair_Step_Rows_And_Columns(b);
        if (G.Board_Blocks[b]) {
            Pair_Step_Blocks(b);
        }
        if (D.Regions_On) {
            Pair_Step_Regions();
        }
    }

    // Rows and columns, row by row.
    void Pair_Step_Rows_And_Columns(int b) {
        const int n = G.Board_Size[b];
        const int first = G.Board_First[b];
        auto at = [&](int c, int r) { return first + c * n + r; };
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                const int p = at(c, r);
                if (!D.Empty[p] || !Has_Pair_Count(p)) {
                    continue;
                }
                const Mask pair = D.Cand[p];
                for (int c2 = c + 1; c2 < n; ++c2) {
                    const int q = at(c2, r);
                    if (!D.Empty[q] || !Same_Pair(p, q)) {
                        continue;
                    }
                    for (int x = 0; x < n; ++x) {
                        const int o = at(x, r);
                        if (x != c && x != c2 && D.Empty[o]) {
                            Strike_Pair(o, pair);
                        }
                    }
                }
                for (int r2 = r + 1; r2 < n; ++r2) {
                    const int q = at(c, r2);
                    if (!D.Empty[q] || !Same_Pair(p, q)) {
                        continue;
                    }
                    for (int y = 0; y < n; ++y) {
                        const int o = at(c, y);
                        if (y != r && y != r2 && D.Empty[o]) {
                            Strike_Pair(o, pair);
                        }
                    }
                }
            }
        }
    }

    // Blocks: every other cell Q of the block, before or after P.
    void Pair_Step_Blocks(int b) {
        for (int k = Blocks_Begin(b); k < Blocks_End(b); ++k) {
            const int* cells = Cells_Begin(k);
            const int size = static_cast<int>(Cells_End(k) - cells);
            for (int pi = 0; pi < size; ++pi) {
                const int p = cells[pi];
                if (!D.Empty[p] || !Has_Pair_Count(p)) {
                    continue;
                }
                const Mask pair = D.Cand[p];
                for (int qi = 0; qi < size; ++qi) {
                    const int q = cells[qi];
                    if (qi == pi || !D.Empty[q] || !Same_Pair(p, q)) {
                        continue;
                    }
                    for (int xi = 0; xi < size; ++xi) {
                        if (xi != pi && xi != qi && D.Empty[cells[xi]]) {
                            Strike_Pair(cells[xi], pair);
                        }
                    }
                }
            }
        }
    }

    // Custom regions: Q later in the region's list than P. As in the reference, the pair is
    // read from P's list as it stands, since a cell listed twice can strike itself. The step
    // reads and writes only the region's cells, so a region unchanged since a run that changed
    // nothing is left out.
    void Pair_Step_Regions() {
        const int regions = G.Regions();
        for (int k = 0; k < regions; ++k) {
            const std::uint32_t stamp = D.Region_Stamp[k];
            if (D.Pair_Clean[k] == stamp) {
                continue;
            }
            const int group = G.Region_Group_Begin + k;
            const int* cells = Cells_Begin(group);
            const int size = static_cast<int>(Cells_End(group) - cells);
            for (int i = 0; i < size; ++i) {
                const int p = cells[i];
                if (!D.Empty[p] || !Has_Pair_Count(p)) {
                    continue;
                }
                for (int j = i + 1; j < size; ++j) {
                    const int q = cells[j];
                    if (!D.Empty[q] || !Same_Pair(p, q)) {
                        continue;
                    }
                    const Mask pair = First_Two(D.Cand[p]);
                    for (int x = 0; x < size; ++x) {
                        if (x != i && x != j && D.Empty[cells[x]]) {
                            Strike_Pair(cells[x], pair);
                        }
                    }
                }
            }
            if (D.Region_Stamp[k] == stamp) {
                D.Pair_Clean[k] = stamp;
            }
        }
    }

    void Write_Back() {
        const int boards = static_cast<int>(G.Board_Size.size());
        for (int b = 0; b < boards; ++b) {
            Sudoku_Boards_FrameWork& board = State.Sudoku_Boards[b];
            const int n = G.Board_Size[b];
            int i = G.Board_First[b];
            for (int c = 0; c < n; ++c) {
                std::vector<Tracking_Array_FrameWork>& column = board.Cell_Tracking[c];
                for (int r = 0; r < n; ++r, ++i) {
                    Tracking_Array_FrameWork& t = column[r];
                    const Mask possible = D.Possible[i];
                    const Mask cand = D.Cand[i];
                    t.Candidates.clear();
                    for (int m = 0; m < n; ++m) {
                        t.Possible[m] = static_cast<Byte>((possible >> m) & 1u);
                        if ((cand >> m) & 1u) {
                            t.Candidates.push_back(m + 1);
                        }
                    }
                    t.Candidate_Count = static_cast<Integer>(t.Candidates.size());
                }
            }
        }
    }
};

} // namespace

bool Fast_Engine_Handles(const Puzzle_State& state, const Puzzle_Shape* shape) {
    if ((shape == nullptr || !shape->Fits(state)) && !Sizes_Fit(state)) {
        return false;
    }
    const Puzzle_Shape& s = Shape_For(state, shape);
    return s.Fast_Engine_Shape && s.Fits(state) && Values_Fit(state);
}

void Fast_Recompute_Candidates(Puzzle_State& state, const Puzzle_Shape* shape) {
    if ((shape == nullptr || !shape->Fits(state)) && !Sizes_Fit(state)) {
        Reference_Recompute_Candidates(state);
        return;
    }
    const Puzzle_Shape& s = Shape_For(state, shape);
    if (!s.Fast_Engine_Shape || !s.Fits(state) || !Values_Fit(state)) {
        Reference_Recompute_Candidates(state);
        return;
    }
    Prepare(state, s, Data);
    Recomputation(state, s, Data).Run();
}

void Fast_Engine_Forget() {
    Data = Engine_Data{};
}
