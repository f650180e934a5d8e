#include "logic/Generator.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "logic/Random.h"
#include "logic/Solver.h"
#include "logic/Stepper.h"
#include "logic/Unique_Check.h"
#include "model/Board_Geometry.h"

const char* Symmetry_Name(Given_Symmetry symmetry) {
    return symmetry == Given_Symmetry::None ? "none" : "rotational";
}

bool Parse_Symmetry(const std::string& word, Given_Symmetry& symmetry) {
    for (Given_Symmetry s : {Given_Symmetry::None, Given_Symmetry::Rotational}) {
        if (word == Symmetry_Name(s)) {
            symmetry = s;
            return true;
        }
    }
    return false;
}

namespace {

int Level_Index(Puzzle_Level level) {
    return static_cast<int>(level);
}

// The highest rating of a level, in tenths (0 for the highest level: no ceiling).
int Top_Rating(Puzzle_Level level) {
    return level == Puzzle_Level::Extreme
               ? 0
               : Lowest_Rating(static_cast<Puzzle_Level>(Level_Index(level) + 1)) - 1;
}

// How much searching a level may take, counted in puzzles graded (grading costs most; each
// grid tried costs one grade and a few more when it is looked through). Easy is met by
// nearly every grid; the others are rarer, and on a 6x6 board, whose grades are cheap, much
// rarer.
struct Search_Budget {
    int Grades = 0;
    int Grid_Tries = 50;      // full grids (or jigsaw layouts) one search for a grid may try
    long long Grid_Nodes = 0; // search nodes one full grid may take
};

Search_Budget Budget_For(Puzzle_Level level, int vars) {
    static const int grades[] = {60, 150, 150, 150, 300};
    Search_Budget b;
    b.Grades = grades[Level_Index(level)] * (vars <= 36 ? 6 : vars <= 64 ? 4 : 1);
    b.Grid_Nodes = 20000LL * (vars / 81 + 1);
    return b;
}

struct Candidate {
    Puzzle_State Puzzle; // a jigsaw's layout may change between grids, so the whole puzzle
    Grade_Result Grade;
    int Givens = 0;
    int Order = 0; // which grade of the search it was, from 1
};

class Generator {
  public:
    Generator(const std::string& kind, std::uint64_t seed, Puzzle_Level level,
              const Generate_Options& options)
        : Kind(kind), Random(seed), Target(level), Options(options) {}

    Generate_Result Run();

  private:
    std::string Kind;
    Tool_Random Random;
    Puzzle_Level Target;
    const Generate_Options& Options;
    Search_Budget Budget;

    Puzzle_State Shape; // the empty figure; graded puzzles are written into Work
    Puzzle_State Work;
    Constraint_Structure Structure;
    std::unique_ptr<Unique_Check> Check;
    std::vector<std::vector<int>> Orbits; // variables given or emptied together
    bool Symmetric = false;
    std::vector<int> Solution;

    int Grades = 0;
    bool Have_Best = false;
    Candidate Best; // the closest of the puzzles graded whole
    // The puzzles graded only up to the level asked, found above it, in the order graded.
    std::vector<Candidate> Above;
    // The puzzles singles alone solve, found when the level asked is above easy: they are
    // graded only when the closest must be chosen and nothing closer than easy was found.
    std::vector<Candidate> Easy;

    bool Cancelled() const {
        return (Options.Cancel != nullptr && Options.Cancel->load(std::memory_order_relaxed)) ||
               (Check && Check->Cancelled());
    }
    bool Out_Of_Grades() const { return Grades >= Budget.Grades; }
    bool Done() const { return Cancelled() || (Have_Best && Best.Grade.Level == Target); }

    bool Make_Shape();
    void Find_Orbits();
    bool New_Solution();
    void Write(const std::vector<int>& values, Puzzle_State& p) const;
    bool Grade_Unless_Cancelled(const Puzzle_State& puzzle, Grade_Result& grade, int ceiling,
                                bool& above) const;
    Grade_Result Grade(const std::vector<int>& values);
    void Report_Progress(const Grade_Result& last) const;
    bool Better(const Grade_Result& grade, int givens) const;
    bool Closer_Than_Easy(const std::vector<Candidate>& graded) const;
    bool Closest_Above();
    void Free_Orbit(std::vector<int>& values, int orbit) const;
    void Give_Orbit(std::vector<int>& values, int orbit) const;
    bool Given(const std::vector<int>& values, int orbit) const {
        return values[Orbits[orbit][0]] != 0;
    }
    std::vector<int> Remove_While_Unique(std::vector<int>& values, const std::vector<int>& order);
    void Bisect(const std::vector<int>& start, const std::vector<int>& removed);
    void Explore(std::vector<int> values);
};

bool Generator::Make_Shape() {
    if (!Build_Kind_Shape(Kind, Random, Options.Symmetry == Given_Symmetry::Rotational, Shape)) {
        return false;
    }
    Work = Shape;
    Structure = Build_Constraint_Structure(Shape);
    Check = std::make_unique<Unique_Check>(Structure);
    Check->Watch_Cancel(Options.Cancel);
    Find_Orbits();
    return true;
}

// Pairs every variable with the one half a turn round the figure's centre on the page.
// Without symmetry, or when some cell has no partner, each variable stands alone.
void Generator::Find_Orbits() {
    std::map<std::pair<int, int>, int> var_at;
    int min_x = 1 << 30, min_y = 1 << 30, max_x = -(1 << 30), max_y = -(1 << 30);
    for (int v = 0; v < Structure.Var_Count; ++v) {
        for (int cell : Structure.Cells_Of_Var[v]) {
            const Cell_Place& c = Structure.Places[cell];
            const int x = Board_Left_Cell(Shape, c.Board) + c.Col;
            const int y = Board_Top_Cell(Shape, c.Board) + c.Row;
            var_at[{x, y}] = v;
            min_x = std::min(min_x, x);
            min_y = std::min(min_y, y);
            max_x = std::max(max_x, x);
            max_y = std::max(max_y, y);
        }
    }
    std::vector<int> partner(Structure.Var_Count, -1);
    Symmetric = Options.Symmetry == Given_Symmetry::Rotational;
    for (const auto& [xy, v] : var_at) {
        const auto other = var_at.find({min_x + max_x - xy.first, min_y + max_y - xy.second});
        if (other == var_at.end()) {
            Symmetric = false;
            break;
        }
        partner[v] = other->second;
    }
    Orbits.clear();
    std::vector<char> seen(Structure.Var_Count, 0);
    for (int v = 0; v < Structure.Var_Count; ++v) {
        if (seen[v]) {
            continue;
        }
        seen[v] = 1;
        Orbits.push_back({v});
        if (Symmetric && !seen[partner[v]]) {
            seen[partner[v]] = 1;
            Orbits.back().push_back(partner[v]);
        }
    }
}

// A random full grid. A jigsaw layout without one is drawn again.
bool Generator::New_Solution() {
    for (int tries = 0; tries < Budget.Grid_Tries && !Cancelled(); ++tries) {
        if (Check->Random_Solution(Random, Solution, Budget.Grid_Nodes)) {
            return true;
        }
        if (Kind == "jigsaw" && !Make_Shape()) {
            return false;
        }
    }
    return false;
}

void Generator::Write(const std::vector<int>& values, Puzzle_State& p) const {
    for (std::size_t cell = 0; cell < Structure.Places.size(); ++cell) {
        const Cell_Place& c = Structure.Places[cell];
        const int value = values[Structure.Var_Of_Cell[cell]];
        Sudoku_Boards_FrameWork& board = p.Sudoku_Boards[c.Board];
        board.Cell_Values[c.Col][c.Row] = value;
        board.Cell_Locked[c.Col][c.Row] = value != 0 ? 1 : 0;
    }
}

// Closer to the level asked wins; at equal distance the easier. At the level asked, fewer
// givens win; below it, the higher score; above it, the lower.
bool Generator::Better(const Grade_Result& grade, int givens) const {
    if (!Have_Best) {
        return true;
    }
    const int t = Level_Index(Target);
    const int mine = Level_Index(grade.Level);
    const int theirs = Level_Index(Best.Grade.Level);
    if (std::abs(mine - t) != std::abs(theirs - t)) {
        return std::abs(mine - t) < std::abs(theirs - t);
    }
    if (mine != theirs) {
        return mine < theirs;
    }
    if (mine == t) {
        return givens < Best.Givens;
    }
    return mine < t ? grade.Score > Best.Grade.Score : grade.Score < Best.Grade.Score;
}

// Grade_Puzzle taken one step at a time, so that a cancel waits for one step, not for a
// whole grade (a few grades of a big figure take several hundred milliseconds). The steps
// and so the grade are Grade_Puzzle's. With a ceiling (a level's top rating), the grading
// stops where a step would go above it and says so in above. False when cancelled.
bool Generator::Grade_Unless_Cancelled(const Puzzle_State& puzzle, Grade_Result& grade, int ceiling,
                                       bool& above) const {
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle, Structure.Shape));
    state.Set_Unique_Solution_Known(true); // only unique puzzles are graded
    state.Set_Rating_Ceiling(ceiling);
    Steps_Result all;
    for (;;) {
        if (Cancelled()) {
            return false;
        }
        Steps_Result one = All_Steps(state, 1, Options.Two_Threads);
        if (one.Steps.empty() || one.Solved) {
            all.Solved = one.Solved;
            all.Steps.insert(all.Steps.end(), one.Steps.begin(), one.Steps.end());
            break;
        }
        all.Steps.push_back(std::move(one.Steps.front()));
    }
    grade = Grade_Steps(all, state.Var_Count());
    above = ceiling > 0 && !all.Solved;
    return true;
}

// A puzzle is graded only as far as the level asked: the search turns on whether a grade is
// above it, and the puzzles found above it are graded whole only when none reaches the level
// asked and the closest is chosen (Closest_Above). So the puzzles made are those of grading
// every puzzle whole, sooner.
//
// When the level asked is above easy, a puzzle that naked and hidden singles solve is easy
// (the stepper tries them first, and a single left after any steps is still there after
// more): it is below the level asked without stepping through it, and kept aside in Easy.
Grade_Result Generator::Grade(const std::vector<int>& values) {
    Write(values, Work);
    int givens = 0;
    for (int v : values) {
        givens += v != 0 ? 1 : 0;
    }
    Grade_Result grade;
    bool above = false;
    const bool quick = !Options.Grade_Every_Puzzle_Whole;
    if (quick && Target != Puzzle_Level::Easy && Check->Solved_By_Singles(values)) {
        if (Cancelled()) {
            return grade;
        }
        ++Grades;
        grade.Solved = true;
        Easy.push_back({Work, grade, givens, Grades});
        Report_Progress(grade);
        return grade;
    }
    const int ceiling = quick ? Top_Rating(Target) : 0;
    if (!Grade_Unless_Cancelled(Work, grade, ceiling, above)) {
        return grade; // the search stops; this grade counts for nothing
    }
    ++Grades;
    if (above) {
        grade.Level = static_cast<Puzzle_Level>(Level_Index(Target) + 1); // at least
        Above.push_back({Work, grade, givens, Grades});
    } else if (Better(grade, givens)) {
        Best = {Work, grade, givens, Grades};
        Have_Best = true;
    }
    Report_Progress(grade);
    return grade;
}

void Generator::Report_Progress(const Grade_Result& last) const {
    if (Options.Progress) {
        Generate_Progress progress;
        progress.Grades = Grades;
        progress.Fraction = std::min(1.0, static_cast<double>(Grades) / Budget.Grades);
        progress.Has_Best = Have_Best || !Above.empty() || !Easy.empty();
        progress.Best_Level = Have_Best ? Best.Grade.Level : last.Level;
        Options.Progress(progress);
    }
}

// Whether the best puzzle below the level asked or one of graded is closer to it than easy is
// (an easy puzzle is then never the closest).
bool Generator::Closer_Than_Easy(const std::vector<Candidate>& graded) const {
    const int t = Level_Index(Target);
    const auto closer = [t](const Candidate& c) {
        return std::abs(Level_Index(c.Grade.Level) - t) < t;
    };
    return (Have_Best && closer(Best)) || std::any_of(graded.begin(), graded.end(), closer);
}

// When no puzzle reached the level asked: grades the puzzles found above it whole (and the
// easy ones kept aside, when none is closer than easy) and makes the closest of all the best,
// as if every puzzle had been graded whole in its turn (the first of equals wins). False when
// cancelled.
bool Generator::Closest_Above() {
    if (Have_Best && Best.Grade.Level == Target) {
        return true;
    }
    std::vector<Candidate> order;
    const auto grade_whole = [&](std::vector<Candidate>& kept) {
        for (Candidate& c : kept) {
            bool above = false;
            if (!Grade_Unless_Cancelled(c.Puzzle, c.Grade, 0, above)) {
                return false;
            }
            order.push_back(std::move(c));
        }
        kept.clear();
        return true;
    };
    if (!grade_whole(Above) || (!Closer_Than_Easy(order) && !grade_whole(Easy))) {
        return false;
    }
    Easy.clear();
    if (Have_Best) {
        order.push_back(std::move(Best));
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Candidate& a, const Candidate& b) { return a.Order < b.Order; });
    Have_Best = false;
    for (Candidate& c : order) {
        if (Better(c.Grade, c.Givens)) {
            Best = std::move(c);
            Have_Best = true;
        }
    }
    return true;
}

void Generator::Free_Orbit(std::vector<int>& values, int orbit) const {
    for (int v : Orbits[orbit]) {
        values[v] = 0;
    }
}

void Generator::Give_Orbit(std::vector<int>& values, int orbit) const {
    for (int v : Orbits[orbit]) {
        values[v] = Solution[v];
    }
}

// Empties the orbits of order one by one, keeping each emptied while the puzzle stays
// unique. Returns the orbits emptied, in order. values must be unique to start with.
std::vector<int> Generator::Remove_While_Unique(std::vector<int>& values,
                                                const std::vector<int>& order) {
    std::vector<int> removed;
    for (int orbit : order) {
        if (Cancelled()) {
            break;
        }
        Free_Orbit(values, orbit);
        if (Check->Still_Unique(values, Solution, Orbits[orbit])) {
            removed.push_back(orbit);
        } else {
            Give_Orbit(values, orbit);
        }
    }
    return removed;
}

// start minus the first i orbits of removed is unique for every i, and mostly harder the
// larger i is; the whole removal was graded above the level asked. Halving the steps finds
// where the grade crosses the level (about log2 of the steps grades); every puzzle graded on
// the way competes for the closest.
void Generator::Bisect(const std::vector<int>& start, const std::vector<int>& removed) {
    int lo = 0; // the start, nearly full, is easy
    int hi = static_cast<int>(removed.size());
    while (hi - lo > 1 && !Cancelled() && !Out_Of_Grades()) {
        const int mid = (lo + hi) / 2;
        std::vector<int> values = start;
        for (int i = 0; i < mid; ++i) {
            Free_Orbit(values, removed[i]);
        }
        (Grade(values).Level <= Target ? lo : hi) = mid;
    }
}

// One full grid: givens taken away in random order while the puzzle stays unique, then the
// result graded. When that is above the level asked, the puzzles along the removals are
// looked through for it. (Walking on from the border, taking givens away and putting others
// back, found the level no sooner than fresh grids do: levels jump by more than one step when
// a single given goes, and fresh grids cross the border in new places.)
void Generator::Explore(std::vector<int> values) {
    std::vector<int> order(Orbits.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        order[k] = static_cast<int>(k);
    }
    Random.Shuffle(order);
    const std::vector<int> full = values;
    const std::vector<int> removed = Remove_While_Unique(values, order);
    if (Cancelled() || Out_Of_Grades()) {
        return;
    }
    if (Grade(values).Level > Target) {
        Bisect(full, removed);
    }
}

Generate_Result Generator::Run() {
    Generate_Result result;
    result.Asked = Target;
    // A level the kind never reaches is not searched for: the hardest it reaches stands in.
    Target = std::min(Target, Highest_Level_Of_Kind(Kind));
    if (!Make_Shape()) {
        result.Error = "unknown kind \"" + Kind + "\" (" + Puzzle_Kind_Names() + ")";
        return result;
    }
    Budget = Budget_For(Target, Structure.Var_Count);
    if (Options.Most_Grades > 0) {
        Budget.Grades = std::min(Budget.Grades, Options.Most_Grades);
    }
    while (!Done() && !Out_Of_Grades()) {
        if (!New_Solution()) {
            if (!Cancelled()) {
                result.Error = "no full grid found for this kind";
                return result;
            }
            break;
        }
        Explore(Solution);
    }
    if (Cancelled() || !Closest_Above()) {
        result.Cancelled = true;
        return result;
    }
    if (!Have_Best) {
        result.Error = "no puzzle was made";
        return result;
    }
    result.Puzzle = std::move(Best.Puzzle);
    result.Reached = Best.Grade.Level;
    result.Score = Best.Grade.Score;
    result.Techniques = Best.Grade.Techniques;
    result.Symmetric = Symmetric;
    result.Givens = Best.Givens;
    result.Grades = Grades;
    return result;
}

} // namespace

Generate_Result Generate_Puzzle(const std::string& kind, std::uint64_t seed, Puzzle_Level level,
                                const Generate_Options& options) {
    Generator generator(kind, seed, level, options);
    return generator.Run();
}
