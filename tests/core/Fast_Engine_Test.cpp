// The fast candidate engine against the reference engine: thousands of random puzzles (one
// board, linked boards, Samurai, chains of 6x6 boards, boards of other kinds, custom regions
// across boards, Regions_Only, stale region indexes) each played through a random sequence of
// entries, clears, ignored numbers, help switches and shape changes. After every step the
// two engines' Possible, Candidates and Candidate_Count must agree in every cell.
//
// TESSEL_FAST_ENGINE_SOAK=K runs K times as many puzzles.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Candidate_Engine.h"
#include "engine/Fast_Engine.h"
#include "model/Board_Geometry.h"
#include "model/Board_Model.h"

namespace {

class Engine_Scope {
  public:
    explicit Engine_Scope(Engine_Choice choice) : saved_(Current_Engine_Choice()) {
        Set_Engine_Choice(choice);
    }
    ~Engine_Scope() { Set_Engine_Choice(saved_); }
    Engine_Scope(const Engine_Scope&) = delete;
    Engine_Scope& operator=(const Engine_Scope&) = delete;

  private:
    Engine_Choice saved_;
};

struct Rng {
    std::mt19937 g;
    explicit Rng(unsigned seed) : g(seed) {}
    int Below(int n) { return n <= 0 ? 0 : static_cast<int>(g() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
};

void Link(Puzzle_State& s, int from, int to, Link_Area area) {
    s.Board_Overlaps[from].Linked_Boards.push_back(to + 1);
    s.Board_Overlaps[from].Link_Areas.push_back(area);
}

// Both boards carry their own link over the shared rectangle.
void Link_Both(Puzzle_State& s, int a, int b, Link_Area area) {
    Link(s, a, b, area);
    Link(s, b, a, {area.Other_Col, area.Other_Row, area.This_Col, area.This_Row});
}

int Add(Puzzle_State& s, Integer type, Integer n, Flag wide) {
    const int b = Add_Board_Model(s, type, n, n, n, wide);
    s.Board_Overlaps.resize(s.Sudoku_Boards.size());
    s.Board_Positions.resize(s.Sudoku_Boards.size());
    return b;
}

// A random link area of two boards of size n: the top-left of the shared rectangle on each.
Link_Area Random_Area(Rng& rng, int n) {
    if (rng.Chance(50)) {
        return {1 + rng.Below(n), 1 + rng.Below(n), 1, 1};
    }
    return {1, 1 + rng.Below(n), 1 + rng.Below(n), 1};
}

struct Features {
    bool Links = false;
    bool Regions = false;
    bool Regions_Only = false;
    bool Other_Kind = false;
};

// A custom region of `cells` cells drawn from the boards of size n (duplicates possible).
std::vector<Region_Cell> Random_Region(Rng& rng, const Puzzle_State& s, int n, int cells) {
    std::vector<int> boards;
    for (int b = 0; b < static_cast<int>(s.Sudoku_Boards.size()); ++b) {
        if (s.Sudoku_Boards[b].Max_Number == n) {
            boards.push_back(b);
        }
    }
    std::vector<Region_Cell> region;
    for (int i = 0; i < cells; ++i) {
        if (!region.empty() && rng.Chance(5)) {
            region.push_back(region[rng.Below(static_cast<int>(region.size()))]);
            continue;
        }
        const int b = boards[rng.Below(static_cast<int>(boards.size()))];
        region.push_back({b, rng.Below(n), rng.Below(n), rng.Below(3)});
    }
    return region;
}

Puzzle_State Random_Puzzle(Rng& rng, Features& f) {
    Puzzle_State s;
    switch (rng.Below(8)) {
    case 0:
        Add(s, Board_Type_9x9, 9, 0);
        break;
    case 1:
        Add(s, Board_Type_6x6, 6, rng.Chance(50));
        break;
    case 2: { // Samurai: four corners each share a block with the centre
        for (int i = 0; i < 5; ++i) {
            Add(s, Board_Type_9x9, 9, 0);
        }
        Link_Both(s, 0, 2, {7, 7, 1, 1});
        Link_Both(s, 1, 2, {1, 7, 7, 1});
        Link_Both(s, 3, 2, {7, 1, 1, 7});
        Link_Both(s, 4, 2, {1, 1, 7, 7});
        f.Links = true;
        break;
    }
    case 3: { // two 9x9 boards sharing a random rectangle, sometimes linked one way only
        Add(s, Board_Type_9x9, 9, 0);
        Add(s, Board_Type_9x9, 9, 0);
        const Link_Area area = Random_Area(rng, 9);
        if (rng.Chance(80)) {
            Link_Both(s, 0, 1, area);
        } else {
            Link(s, 0, 1, area);
        }
        f.Links = true;
        break;
    }
    case 4: { // a chain of 6x6 boards
        const int boards = 2 + rng.Below(3);
        const Flag wide = rng.Chance(50);
        for (int i = 0; i < boards; ++i) {
            Add(s, Board_Type_6x6, 6, rng.Chance(70) ? wide : !wide);
        }
        for (int i = 0; i + 1 < boards; ++i) {
            Link_Both(s, i, i + 1, Random_Area(rng, 6));
        }
        f.Links = true;
        break;
    }
    case 5: { // a board of another kind: no blocks
        const int n = 3 + rng.Below(7);
        Add(s, 7, n, 0);
        if (rng.Chance(50)) {
            Add(s, 7, n, 0);
            Link_Both(s, 0, 1, Random_Area(rng, n));
            f.Links = true;
        }
        f.Other_Kind = true;
        break;
    }
    case 6: // boards of both kinds side by side
        Add(s, Board_Type_9x9, 9, 0);
        Add(s, Board_Type_6x6, 6, 1);
        Add(s, Board_Type_6x6, 6, 0);
        break;
    default: { // three 9x9 boards in a row, neighbours sharing a block
        for (int i = 0; i < 3; ++i) {
            Add(s, Board_Type_9x9, 9, 0);
        }
        Link_Both(s, 0, 1, {7, 1 + 3 * rng.Below(3), 1, 1});
        Link_Both(s, 1, 2, {7, 1, 1, 1 + 3 * rng.Below(3)});
        f.Links = true;
        break;
    }
    }

    if (rng.Chance(65)) {
        const int regions = 1 + rng.Below(8);
        for (int k = 0; k < regions; ++k) {
            const int b = rng.Below(static_cast<int>(s.Sudoku_Boards.size()));
            const int n = s.Sudoku_Boards[b].Max_Number;
            s.Custom_Regions.push_back(Random_Region(rng, s, n, 2 + rng.Below(n)));
        }
        s.Custom_Regions_On = rng.Chance(85);
        Build_Cell_Regions(s);
        if (rng.Chance(15)) {
            // The index describes an earlier list of regions: the engine follows the index
            // for the regions of a cell and the list for everything else.
            const int b = rng.Below(static_cast<int>(s.Sudoku_Boards.size()));
            const int n = s.Sudoku_Boards[b].Max_Number;
            s.Custom_Regions[rng.Below(static_cast<int>(s.Custom_Regions.size()))] =
                Random_Region(rng, s, n, 2 + rng.Below(n));
        }
    }
    s.Regions_Only = rng.Chance(20);
    s.Help_Solve = rng.Chance(60);
    return s;
}

// The differences between two states' candidate tracking, as text; empty when they agree.
std::string Difference(const Puzzle_State& reference, const Puzzle_State& fast) {
    std::ostringstream out;
    for (std::size_t b = 0; b < reference.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& x = reference.Sudoku_Boards[b];
        const Sudoku_Boards_FrameWork& y = fast.Sudoku_Boards[b];
        for (std::size_t c = 0; c < x.Cell_Tracking.size(); ++c) {
            for (std::size_t r = 0; r < x.Cell_Tracking[c].size(); ++r) {
                const Tracking_Array_FrameWork& p = x.Cell_Tracking[c][r];
                const Tracking_Array_FrameWork& q = y.Cell_Tracking[c][r];
                if (p.Possible != q.Possible || p.Candidates != q.Candidates ||
                    p.Candidate_Count != q.Candidate_Count ||
                    x.Cell_Values[c][r] != y.Cell_Values[c][r]) {
                    out << "board " << b << " cell (" << c << ", " << r << ") differs; ";
                }
            }
        }
    }
    if (reference.Game_Modified != fast.Game_Modified) {
        out << "Game_Modified differs";
    }
    return out.str();
}

struct Coverage {
    long Compared = 0;
    long Help = 0;
    long Links = 0;
    long Regions = 0;
    long Regions_Only = 0;
    long Other_Kind = 0;
    long Dead_Cells = 0;   // empty cells left without a candidate
    long Single_Cells = 0; // empty cells left with one candidate
    long Shape_Changes = 0;
};

void Note(Coverage& cov, const Puzzle_State& s, const Features& f) {
    ++cov.Compared;
    cov.Help += s.Help_Solve;
    cov.Links += f.Links;
    cov.Regions += s.Custom_Regions_On != 0;
    cov.Regions_Only += s.Regions_Only != 0;
    cov.Other_Kind += f.Other_Kind;
    for (const Sudoku_Boards_FrameWork& b : s.Sudoku_Boards) {
        for (int c = 0; c < b.Max_Number; ++c) {
            for (int r = 0; r < b.Max_Number; ++r) {
                if (b.Cell_Values[c][r] == 0) {
                    cov.Dead_Cells += b.Cell_Tracking[c][r].Candidate_Count == 0;
                    cov.Single_Cells += b.Cell_Tracking[c][r].Candidate_Count == 1;
                }
            }
        }
    }
}

// One random step, applied in the same way to both states.
void Random_Step(Rng& rng, Puzzle_State& ref, Puzzle_State& fast, Coverage& cov) {
    const int roll = rng.Below(100);
    auto recompute_both = [&] {
        {
            Engine_Scope e(Engine_Choice::Reference);
            Recompute_All(ref);
        }
        Engine_Scope e(Engine_Choice::Fast);
        Recompute_All(fast);
    };
    if (roll < 80) {
        const int b = rng.Below(static_cast<int>(ref.Sudoku_Boards.size()));
        const Sudoku_Boards_FrameWork& board = ref.Sudoku_Boards[b];
        const int n = board.Max_Number;
        const int c = rng.Below(n);
        const int r = rng.Below(n);
        const std::vector<Integer>& cand = board.Cell_Tracking[c][r].Candidates;
        Integer number = 0;
        if (roll < 60 && !cand.empty()) {
            number = cand[rng.Below(static_cast<int>(cand.size()))]; // a plausible entry
        } else if (roll < 70) {
            number = 0; // a clear
        } else {
            number = rng.Below(n + 3); // anything, numbers above N are ignored
        }
        {
            Engine_Scope e(Engine_Choice::Reference);
            Set_Cell_Value(ref, b, c, r, number);
        }
        Engine_Scope e(Engine_Choice::Fast);
        Set_Cell_Value(fast, b, c, r, number);
    } else if (roll < 87) {
        ref.Help_Solve = fast.Help_Solve = !ref.Help_Solve;
        recompute_both();
    } else if (roll < 91) {
        ref.Regions_Only = fast.Regions_Only = !ref.Regions_Only;
        ++cov.Shape_Changes;
        recompute_both();
    } else if (roll < 95 && !ref.Custom_Regions.empty()) {
        // A region takes another cell; the index is rebuilt or, now and then, left stale.
        const int k = rng.Below(static_cast<int>(ref.Custom_Regions.size()));
        std::vector<Region_Cell>& region = ref.Custom_Regions[k];
        const int n = ref.Sudoku_Boards[region[0].Board].Max_Number;
        region[rng.Below(static_cast<int>(region.size()))] = Random_Region(rng, ref, n, 1)[0];
        if (rng.Chance(80)) {
            Build_Cell_Regions(ref);
        }
        fast.Custom_Regions = ref.Custom_Regions;
        fast.Cell_Regions = ref.Cell_Regions;
        ++cov.Shape_Changes;
        recompute_both();
    } else if (roll < 98 && !ref.Custom_Regions.empty()) {
        ref.Custom_Regions_On = fast.Custom_Regions_On = !ref.Custom_Regions_On;
        ++cov.Shape_Changes;
        recompute_both();
    } else {
        recompute_both();
    }
}

long Soak_Factor() {
    const char* soak = std::getenv("TESSEL_FAST_ENGINE_SOAK");
    const long k = soak != nullptr ? std::atol(soak) : 1;
    return k < 1 ? 1 : k;
}

TEST(Fast_Engine, MatchesTheReferenceOnRandomPuzzlesAndMoves) {
    const long puzzles = 1000 * Soak_Factor();
    Rng rng(20240611u);
    Coverage cov;
    for (long p = 0; p < puzzles; ++p) {
        Features f;
        Puzzle_State ref = Random_Puzzle(rng, f);
        Puzzle_State fast = ref;
        ASSERT_TRUE(Fast_Engine_Handles(fast)) << "puzzle " << p;
        const int steps = 6 + rng.Below(20);
        for (int step = 0; step < steps; ++step) {
            Random_Step(rng, ref, fast, cov);
            const std::string diff = Difference(ref, fast);
            ASSERT_TRUE(diff.empty()) << "puzzle " << p << " step " << step << ": " << diff;
            Note(cov, ref, f);
        }
    }
    // The sequences must reach the situations the engines treat differently.
    EXPECT_GT(cov.Help, cov.Compared / 4);
    EXPECT_GT(cov.Links, cov.Compared / 4);
    EXPECT_GT(cov.Regions, cov.Compared / 4);
    EXPECT_GT(cov.Regions_Only, cov.Compared / 20);
    EXPECT_GT(cov.Other_Kind, cov.Compared / 20);
    EXPECT_GT(cov.Dead_Cells, cov.Compared / 10);
    EXPECT_GT(cov.Single_Cells, cov.Compared);
    EXPECT_GT(cov.Shape_Changes, puzzles);
}

// Nearly full boards are where hidden singles and pairs fire most; fill most of a Samurai and
// a region puzzle by the candidates and compare after every entry with help on.
TEST(Fast_Engine, MatchesTheReferenceOnNearlySolvedBoards) {
    Rng rng(7u);
    for (int p = 0; p < 25; ++p) {
        Features f;
        Puzzle_State ref = Random_Puzzle(rng, f);
        ref.Help_Solve = true;
        Recompute_All(ref);
        Puzzle_State fast = ref;
        int cells = 0;
        int entries = 0;
        for (const Sudoku_Boards_FrameWork& b : ref.Sudoku_Boards) {
            cells += b.Max_Number * b.Max_Number;
        }
        for (int step = 0; step < cells; ++step) {
            const int b = rng.Below(static_cast<int>(ref.Sudoku_Boards.size()));
            const int n = ref.Sudoku_Boards[b].Max_Number;
            const int c = rng.Below(n);
            const int r = rng.Below(n);
            const Tracking_Array_FrameWork& t = ref.Sudoku_Boards[b].Cell_Tracking[c][r];
            if (ref.Sudoku_Boards[b].Cell_Values[c][r] != 0 || t.Candidates.empty()) {
                continue;
            }
            const Integer number = t.Candidates[rng.Below(static_cast<int>(t.Candidates.size()))];
            {
                Engine_Scope e(Engine_Choice::Reference);
                Set_Cell_Value(ref, b, c, r, number);
            }
            {
                Engine_Scope e(Engine_Choice::Fast);
                Set_Cell_Value(fast, b, c, r, number);
            }
            ++entries;
            const std::string diff = Difference(ref, fast);
            ASSERT_TRUE(diff.empty()) << "puzzle " << p << " step " << step << ": " << diff;
        }
        EXPECT_GT(entries, cells / 8) << "puzzle " << p;
    }
}

// The kept structure belongs to a shape: one state whose links and regions change in place,
// and two different puzzles recomputed in turn, must each get their own answer.
TEST(Fast_Engine, NoticesShapeChangesOfTheSameState) {
    Puzzle_State fast;
    Add(fast, Board_Type_9x9, 9, 0);
    Add(fast, Board_Type_9x9, 9, 0);
    Link_Both(fast, 0, 1, {7, 7, 1, 1});
    fast.Sudoku_Boards[0].Cell_Values[8][8] = 5;
    fast.Sudoku_Boards[1].Cell_Values[2][2] = 5;
    fast.Custom_Regions = {{{0, 0, 0, 0}, {1, 8, 8, 0}}};
    fast.Custom_Regions_On = 1;
    Build_Cell_Regions(fast);

    auto both = [](Puzzle_State& state) {
        Puzzle_State ref = state;
        {
            Engine_Scope e(Engine_Choice::Reference);
            Recompute_All(ref);
        }
        Engine_Scope e(Engine_Choice::Fast);
        Recompute_All(state);
        return Difference(ref, state);
    };
    EXPECT_EQ(both(fast), "");
    fast.Sudoku_Boards[0].Cell_Values[0][0] = 3; // a value only: same shape
    EXPECT_EQ(both(fast), "");
    EXPECT_EQ(fast.Sudoku_Boards[1].Cell_Tracking[8][8].Possible[2], 0); // via the region

    fast.Board_Overlaps[0].Link_Areas[0] = {4, 4, 1, 1}; // the link moves
    fast.Board_Overlaps[1].Link_Areas[0] = {1, 1, 4, 4};
    EXPECT_EQ(both(fast), "");
    fast.Custom_Regions[0][1] = {1, 7, 8, 0}; // a region moves
    Build_Cell_Regions(fast);
    EXPECT_EQ(both(fast), "");
    EXPECT_EQ(fast.Sudoku_Boards[1].Cell_Tracking[7][8].Possible[2], 0);
    EXPECT_EQ(fast.Sudoku_Boards[1].Cell_Tracking[8][8].Possible[2], 1);
    fast.Regions_Only = 1;
    EXPECT_EQ(both(fast), "");
    fast.Custom_Regions_On = 0;
    EXPECT_EQ(both(fast), "");

    Puzzle_State other;
    Add(other, Board_Type_6x6, 6, 1);
    other.Sudoku_Boards[0].Cell_Values[0][0] = 6;
    EXPECT_EQ(both(other), "");
    EXPECT_EQ(both(fast), "");
    Fast_Engine_Forget();
    EXPECT_EQ(both(fast), "");
}

// Data the fast engine does not model goes to the reference engine, with its guards.
TEST(Fast_Engine, HandsBrokenPuzzlesToTheReference) {
    Puzzle_State s;
    Add(s, Board_Type_9x9, 9, 0);
    EXPECT_TRUE(Fast_Engine_Handles(s));

    Puzzle_State big_number = s;
    big_number.Sudoku_Boards[0].Cell_Values[4][4] = 12;
    Puzzle_State short_flags = s;
    short_flags.Sudoku_Boards[0].Cell_Tracking[1][2].Possible.resize(4);
    Puzzle_State stray_region = s;
    stray_region.Custom_Regions = {{{0, 1, 1, 0}, {3, 0, 0, 0}}};
    stray_region.Custom_Regions_On = 1;
    for (Puzzle_State* broken : {&big_number, &short_flags, &stray_region}) {
        EXPECT_FALSE(Fast_Engine_Handles(*broken));
        Puzzle_State ref = *broken;
        {
            Engine_Scope e(Engine_Choice::Reference);
            Recompute_Candidates(ref);
        }
        Engine_Scope e(Engine_Choice::Fast);
        Recompute_Candidates(*broken);
        EXPECT_EQ(Difference(ref, *broken), "");
    }
}

} // namespace
