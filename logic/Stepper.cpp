#include "logic/Stepper.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "logic/techniques/Technique_Finders.h"
#include "model/Number_Text.h"

namespace {

// The search's cancel flag and the board a sentence speaks of, for the step being found on
// this thread.
thread_local const std::atomic<bool>* Cancel_Flag = nullptr;
thread_local int Sentence_Board = -1;
// On two threads (First_Found_On_Two_Threads): the first row found so far to find a step and
// the row this thread tries; a row after one that found a step gives up.
thread_local const std::atomic<int>* First_Found = nullptr;
thread_local int Row_Tried = 0;

bool Outer_Cancelled() {
    return Cancel_Flag != nullptr && Cancel_Flag->load(std::memory_order_relaxed);
}

} // namespace

bool Search_Cancelled() {
    return Outer_Cancelled() ||
           (First_Found != nullptr && First_Found->load(std::memory_order_relaxed) < Row_Tried);
}

Logic_Shape::Logic_Shape(const Puzzle_State& puzzle) : Logic_Shape(puzzle, nullptr) {}

Logic_Shape::Logic_Shape(const Puzzle_State& puzzle, std::shared_ptr<const Puzzle_Shape> shape)
    : Structure(Build_Constraint_Structure(puzzle, std::move(shape))) {
    const Constraint_Structure& s = Structure;
    Single_Board = puzzle.Sudoku_Boards.size() <= 1;
    Units_Of_Var.assign(s.Var_Count, {});
    Full_Unit.assign(s.Units.size(), 0);
    Unit_Numbers.assign(s.Units.size(), 0);
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        for (int v : s.Units[u]) {
            Units_Of_Var[v].push_back(static_cast<int>(u));
        }
        Full_Unit[u] = Unit_Holds_Every_Number(s, static_cast<int>(u)) ? 1 : 0;
        Unit_Numbers[u] = s.Max_Of_Var[s.Units[u][0]];
    }
    for (int v = 0; v < s.Var_Count; ++v) {
        Highest_Number = std::max(Highest_Number, s.Max_Of_Var[v]);
    }
    constexpr int Most_Sight_Vars = 2048;
    if (s.Var_Count <= Most_Sight_Vars) {
        Sight_Stride = static_cast<std::size_t>(s.Var_Count);
        Sight.assign((Sight_Stride * Sight_Stride + 63) / 64, 0);
        for (int v = 0; v < s.Var_Count; ++v) {
            for (int p : s.Peers[v]) {
                const std::size_t bit = static_cast<std::size_t>(v) * Sight_Stride + p;
                Sight[bit / 64] |= std::uint64_t{1} << (bit % 64);
            }
        }
    }
    for (const Sudoku_Boards_FrameWork& board : puzzle.Sudoku_Boards) {
        std::vector<std::string> texts;
        for (int n = 1; n <= board.Max_Number; ++n) {
            texts.push_back(::Number_Text(board, n));
        }
        Number_Texts.push_back(std::move(texts));
    }
}

bool Logic_Shape::Sees_By_Peers(int a, int b) const {
    const std::vector<int>& p = Structure.Peers[a];
    return std::binary_search(p.begin(), p.end(), b);
}

const std::vector<Unit_Id>& Logic_Shape::Other_Ids(int unit) const {
    static const std::vector<Unit_Id> none;
    return unit < static_cast<int>(Structure.Unit_Other_Ids.size()) ? Structure.Unit_Other_Ids[unit]
                                                                    : none;
}

const Unit_Id& Logic_Shape::Named_Id(int unit) const {
    const Unit_Id& id = Structure.Unit_Ids[unit];
    if (Sentence_Board >= 0 && id.Board != Sentence_Board) {
        for (const Unit_Id& other : Other_Ids(unit)) {
            if (other.Board == Sentence_Board) {
                return other;
            }
        }
    }
    return id;
}

int Logic_Shape::Board_Of_Unit(int unit) const {
    const Unit_Id& id = Named_Id(unit);
    return id.Kind == Unit_Kind::Region ? -1 : id.Board;
}

std::uint64_t Logic_Shape::Boards_Of_Unit(int unit) const {
    const auto bit = [](const Unit_Id& id) {
        return id.Kind != Unit_Kind::Region && id.Board >= 0 && id.Board < 64
                   ? std::uint64_t{1} << id.Board
                   : 0;
    };
    std::uint64_t boards = bit(Structure.Unit_Ids[unit]);
    for (const Unit_Id& other : Other_Ids(unit)) {
        boards |= bit(other);
    }
    return boards;
}

int Logic_Shape::Writing_Board(int unit) const {
    const int board = Board_Of_Unit(unit);
    return board >= 0 ? board : Board_Of_Var(Structure.Units[unit][0]);
}

int Logic_Shape::Board_Of_Var(int var) const {
    return Structure.Places[Structure.Cells_Of_Var[var].front()].Board;
}

std::string Logic_Shape::Unit_Name(int unit) const {
    const Unit_Id& id = Named_Id(unit);
    std::string name = std::string(Unit_Kind_Name(id.Kind)) + " " + std::to_string(id.Index + 1);
    if (id.Kind != Unit_Kind::Region && !Single_Board && id.Board != Sentence_Board) {
        name += " of board " + std::to_string(id.Board + 1);
    }
    return name;
}

std::string Logic_Shape::Cell_Name(int var, int context_board) const {
    if (context_board < 0) {
        context_board = Sentence_Board;
    }
    const std::vector<int>& cells = Structure.Cells_Of_Var[var];
    Cell_Place place = Structure.Places[cells.front()];
    for (int cell : cells) {
        if (Structure.Places[cell].Board == context_board) {
            place = Structure.Places[cell];
            break;
        }
    }
    std::string name;
    if (!Single_Board && place.Board != context_board) {
        name = "board " + std::to_string(place.Board + 1) + ", ";
    }
    return name + "row " + std::to_string(place.Row + 1) + ", column " +
           std::to_string(place.Col + 1);
}

std::string Logic_Shape::Cell_Name_In(int var, int unit) const {
    const Unit_Id& id = Named_Id(unit);
    if (id.Kind == Unit_Kind::Row || id.Kind == Unit_Kind::Column) {
        for (int cell : Structure.Cells_Of_Var[var]) {
            const Cell_Place& p = Structure.Places[cell];
            if (p.Board == id.Board) {
                return id.Kind == Unit_Kind::Row ? "column " + std::to_string(p.Col + 1)
                                                 : "row " + std::to_string(p.Row + 1);
            }
        }
    }
    return Cell_Name(var, Board_Of_Unit(unit));
}

std::string Logic_Shape::Number_Text(int board, int number) const {
    if (board >= 0 && board < static_cast<int>(Number_Texts.size()) && number >= 1 &&
        number <= static_cast<int>(Number_Texts[board].size())) {
        return Number_Texts[board][number - 1];
    }
    return ::Number_Text(number);
}

Logic_State::Logic_State(std::shared_ptr<const Logic_Shape> shape) : Shape_Ptr(std::move(shape)) {
    const Constraint_Structure& s = Shape_Ptr->Structure;
    Values.assign(s.Var_Count, 0);
    Cands.assign(s.Var_Count, 0);
    for (int v = 0; v < s.Var_Count; ++v) {
        const int n = std::min(s.Max_Of_Var[v], 31);
        Cands[v] = All_Numbers(n);
    }
    for (int v = 0; v < s.Var_Count; ++v) {
        if (s.Given[v] > 0 && s.Given[v] <= 31) {
            Place(v, s.Given[v]);
        }
    }
}

void Logic_State::Place(int var, int number) {
    Values[var] = number;
    Cands[var] = 0;
    const Number_Set bit = Bit_Of(number);
    for (int p : Shape_Ptr->Structure.Peers[var]) {
        Cands[p] &= ~bit;
    }
}

void Logic_State::Eliminate(int var, int number) {
    Cands[var] &= ~Bit_Of(number);
}

void Logic_State::Apply(const Step& step) {
    for (const Var_Number& e : step.Var_Eliminations) {
        Eliminate(e.Var, e.Number);
    }
    for (const Var_Number& p : step.Var_Placements) {
        Place(p.Var, p.Number);
    }
}

bool Logic_State::Solved() const {
    return std::find(Values.begin(), Values.end(), 0) == Values.end();
}

std::string Logic_State::Broken() const {
    const Logic_Shape& shape = *Shape_Ptr;
    const Constraint_Structure& s = shape.Structure;
    if (!s.Contradiction.empty()) {
        return s.Contradiction;
    }
    for (int v = 0; v < Var_Count(); ++v) {
        if (Values[v] == 0 && Cands[v] == 0) {
            return shape.Cell_Name(v) + " has no number left";
        }
    }
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        Number_Set placed = 0;
        Number_Set open = 0;
        for (int v : s.Units[u]) {
            if (Values[v] != 0) {
                if ((placed & Bit_Of(Values[v])) != 0) {
                    return shape.Unit_Name(static_cast<int>(u)) + " holds " +
                           shape.Number_Text(shape.Board_Of_Var(v), Values[v]) + " twice";
                }
                placed |= Bit_Of(Values[v]);
            }
            open |= Cands[v];
        }
        if (shape.Full_Unit[u]) {
            const Number_Set missing = All_Numbers(shape.Unit_Numbers[u]) & ~placed & ~open;
            if (missing != 0) {
                return shape.Unit_Name(static_cast<int>(u)) + " has no place left for " +
                       shape.Number_Text(shape.Writing_Board(static_cast<int>(u)),
                                         Lowest_Number_Of(missing));
            }
        }
    }
    return {};
}

// ---------------------------------------------------------------------------------------
// Helpers shared by the finders.

Number_Set Placed_In_Unit(const Logic_State& state, int unit) {
    Number_Set placed = 0;
    for (int v : state.Shape().Structure.Units[unit]) {
        if (state.Value(v) != 0) {
            placed |= Bit_Of(state.Value(v));
        }
    }
    return placed;
}

std::vector<int> Places_In_Unit(const Logic_State& state, int unit, int number) {
    std::vector<int> places;
    const Number_Set bit = Bit_Of(number);
    for (int v : state.Shape().Structure.Units[unit]) {
        if ((state.Candidates(v) & bit) != 0) {
            places.push_back(v);
        }
    }
    return places;
}

std::vector<int> Open_Places(const Logic_State& state, int unit, int number) {
    const Logic_Shape& shape = state.Shape();
    if (!shape.Full_Unit[unit] || shape.Unit_Numbers[unit] < number ||
        (Placed_In_Unit(state, unit) & Bit_Of(number)) != 0) {
        return {};
    }
    return Places_In_Unit(state, unit, number);
}

std::vector<int> Seeing_All(const Logic_State& state, std::initializer_list<int> cells,
                            int number) {
    const Logic_Shape& shape = state.Shape();
    std::vector<int> out;
    for (int v : shape.Structure.Peers[*cells.begin()]) {
        if ((state.Candidates(v) & Bit_Of(number)) == 0) {
            continue;
        }
        bool all = true;
        for (auto other = cells.begin() + 1; other != cells.end() && all; ++other) {
            all = v != *other && shape.Sees(v, *other);
        }
        if (all) {
            out.push_back(v);
        }
    }
    return out;
}

int Chain_Length_Rating(int nodes) {
    int added = 0;
    int ceiling = 4;
    bool odd = false;
    for (const int length = nodes - 2; length > ceiling; odd = !odd) {
        ++added;
        ceiling = odd ? ceiling * 4 / 3 : ceiling * 3 / 2;
    }
    return added;
}

std::string Join_Words(const std::vector<std::string>& words) {
    // Names that hold commas themselves are kept apart by semicolons.
    const bool commas = std::any_of(words.begin(), words.end(), [](const std::string& w) {
        return w.find(',') != std::string::npos;
    });
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) {
            out += i + 1 == words.size() ? " and " : commas ? "; " : ", ";
        }
        out += words[i];
    }
    return out;
}

std::string Numbers_Text(const Logic_Shape& shape, int board, Number_Set numbers) {
    std::vector<std::string> words;
    for (Number_Set rest = numbers; rest != 0; rest &= rest - 1) {
        words.push_back(shape.Number_Text(board, Lowest_Number_Of(rest)));
    }
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        out += (i == 0 ? "" : i + 1 == words.size() ? " and " : ", ") + words[i];
    }
    return out;
}

std::string Cells_Text(const Logic_Shape& shape, const std::vector<int>& vars, int context_board) {
    std::vector<std::string> words;
    for (int v : vars) {
        words.push_back(shape.Cell_Name(v, context_board));
    }
    return Join_Words(words);
}

std::string Cells_In_Unit_Text(const Logic_Shape& shape, const std::vector<int>& vars, int unit) {
    std::vector<std::string> words;
    for (int v : vars) {
        words.push_back(shape.Cell_Name_In(v, unit));
    }
    return Join_Words(words);
}

void Add_Eliminations(const Logic_State& state, int var, Number_Set numbers, Step& step) {
    for (Number_Set hit = state.Candidates(var) & numbers; hit != 0; hit &= hit - 1) {
        step.Var_Eliminations.push_back({var, Lowest_Number_Of(hit)});
    }
}

// ---------------------------------------------------------------------------------------

namespace {

void Add_Copies(const Logic_Shape& shape, const std::vector<Var_Number>& from,
                std::vector<Number_Place>& to) {
    for (const Var_Number& x : from) {
        for (const Cell_Place& p : shape.Structure.Places_Of_Var(x.Var)) {
            to.push_back({p.Board, p.Col, p.Row, x.Number});
        }
    }
}

// A copy of each of two variables, on one board when they share one.
std::pair<Cell_Place, Cell_Place> Copies_Near(const Logic_Shape& shape, int a, int b) {
    const std::vector<Cell_Place> from = shape.Structure.Places_Of_Var(a);
    const std::vector<Cell_Place> to = shape.Structure.Places_Of_Var(b);
    for (const Cell_Place& f : from) {
        for (const Cell_Place& t : to) {
            if (f.Board == t.Board) {
                return {f, t};
            }
        }
    }
    return {from.front(), to.front()};
}

// Fills the page-facing lists from the variable-level ones.
void Finish_Step(const Logic_Shape& shape, Step& step) {
    step.Units.clear();
    for (int u : step.Unit_Indices) {
        step.Units.push_back(shape.Structure.Unit_Ids[u]);
    }
    step.Cells.clear();
    for (int v : step.Cell_Vars) {
        for (const Cell_Place& p : shape.Structure.Places_Of_Var(v)) {
            step.Cells.push_back(p);
        }
    }
    step.Placements.clear();
    step.Eliminations.clear();
    Add_Copies(shape, step.Var_Placements, step.Placements);
    Add_Copies(shape, step.Var_Eliminations, step.Eliminations);
    step.Links.clear();
    for (const Var_Link& l : step.Var_Links) {
        const auto [from, to] = Copies_Near(shape, l.From, l.To);
        step.Links.push_back({from, to, l.Number_From, l.Number_To, l.Strong});
    }
}

// The one board on which every cell and unit of the step lies, or -1.
int Board_Of_Step(const Logic_Shape& shape, const Step& step) {
    std::uint64_t boards = ~std::uint64_t{0};
    auto on = [&](int var) {
        std::uint64_t mine = 0;
        for (const Cell_Place& p : shape.Structure.Places_Of_Var(var)) {
            mine |= p.Board < 64 ? std::uint64_t{1} << p.Board : 0;
        }
        boards &= mine;
    };
    for (int v : step.Cell_Vars) {
        on(v);
    }
    for (const Var_Number& x : step.Var_Placements) {
        on(x.Var);
    }
    for (const Var_Number& x : step.Var_Eliminations) {
        on(x.Var);
    }
    for (const Var_Link& l : step.Var_Links) {
        on(l.From);
        on(l.To);
    }
    for (int u : step.Unit_Indices) {
        boards &= shape.Boards_Of_Unit(u);
    }
    return boards == 0 ? -1 : __builtin_ctzll(boards);
}

bool Run_Finder(const Technique_Row& row, const Logic_State& state, Step& step) {
    step = Step{};
    step.Kind = row.Id;
    return row.Find(state, step);
}

// The rows from this one on take up to a few milliseconds each on a hard position, and most
// of them find nothing there: a search on two threads tries them two at a time.
constexpr Technique First_Shared_Row = Technique::Naked_Quad;

bool Above_Ceiling(const Technique_Row& row, const Logic_State& state) {
    return state.Rating_Ceiling() > 0 && row.Rating > state.Rating_Ceiling();
}

bool Allowed(const Technique_Row& row, const Logic_State& state) {
    return !row.Needs_Unique || state.Unique_Solution_Known();
}

// The first of the rows that finds a step, trying them on this thread and one more, each
// taking the next row not yet tried; rows after one that found a step are not started. The
// step is the one trying them in order finds. -1 when none finds one.
int First_Found_On_Two_Threads(const std::vector<const Technique_Row*>& rows,
                               const Logic_State& state, Step& step) {
    std::atomic<int> next{0};
    std::atomic<int> first{static_cast<int>(rows.size())};
    std::vector<Step> steps(rows.size());
    const std::atomic<bool>* cancel = Cancel_Flag;
    auto work = [&] {
        First_Found = &first;
        for (int i = next.fetch_add(1); i < first.load() && !Outer_Cancelled();
             i = next.fetch_add(1)) {
            Row_Tried = i;
            if (Run_Finder(*rows[i], state, steps[i])) {
                int seen = first.load();
                while (i < seen && !first.compare_exchange_weak(seen, i)) {
                }
            }
        }
        First_Found = nullptr;
    };
    std::thread helper([&] {
        Cancel_Flag = cancel;
        work();
    });
    work();
    helper.join();
    const int found = first.load();
    if (found >= static_cast<int>(rows.size()) || Outer_Cancelled()) {
        return -1;
    }
    step = std::move(steps[found]);
    return found;
}

// The easiest step from a state that is neither solved nor broken.
// The registry's rows are tried in their order, up to and including the hardest allowed.
// A step whose cells all lie on one board of several is found again with that board as the
// sentence's, so that it says "on board B" once instead of after every cell.
bool First_Step(const Logic_State& state, Step& step, Technique hardest, bool two_threads) {
    const Logic_Shape& shape = state.Shape();
    const Technique_Row* found = nullptr;
    std::vector<const Technique_Row*> shared;
    for (const Technique_Row& row : Technique_Registry()) {
        if (Search_Cancelled()) {
            return false;
        }
        if (Above_Ceiling(row, state)) {
            continue;
        }
        if (two_threads && row.Id >= First_Shared_Row) {
            if (Allowed(row, state)) {
                shared.push_back(&row);
            }
        } else if (Allowed(row, state) && Run_Finder(row, state, step)) {
            found = &row;
            break;
        }
        if (row.Id == hardest) {
            break;
        }
    }
    if (found == nullptr && !shared.empty()) {
        const int at = First_Found_On_Two_Threads(shared, state, step);
        found = at >= 0 ? shared[at] : nullptr;
    }
    if (found == nullptr) {
        return false;
    }
    const Technique_Row& row = *found;
    const int board = shape.Single_Board ? -1 : Board_Of_Step(shape, step);
    if (board >= 0 && step.Text.find("board ") != std::string::npos) {
        Step again;
        Sentence_Board = board;
        const bool again_found = Run_Finder(row, state, again);
        Sentence_Board = -1;
        const std::size_t colon = again.Text.find(':');
        if (again_found && colon != std::string::npos) {
            again.Text.insert(colon, " on board " + std::to_string(board + 1));
            step = std::move(again);
        }
    }
    if (step.Rating == 0) {
        step.Rating = row.Rating;
    }
    Finish_Step(shape, step);
    return true;
}

} // namespace

bool Next_Step(const Logic_State& state, Step& step, Technique hardest,
               const std::atomic<bool>* cancel, bool two_threads) {
    if (state.Solved() || !state.Broken().empty()) {
        return false;
    }
    const std::atomic<bool>* before = Cancel_Flag;
    Cancel_Flag = cancel;
    const bool found = First_Step(state, step, hardest, two_threads);
    Cancel_Flag = before;
    return found;
}

bool Confirm_Unique_Solution(Logic_State& state) {
    // Far beyond any puzzle a person plays; past it the uniqueness techniques stay off.
    constexpr long long budget = 2000000;
    const Solve_Result solved = Solve_Structure(state.Shape().Structure, 2, budget);
    state.Set_Unique_Solution_Known(solved.Count == 1 && !solved.Gave_Up);
    return state.Unique_Solution_Known();
}

// The state is checked once a step: Broken() looks at every cell and unit.
Steps_Result All_Steps(Logic_State& state, std::size_t max_steps, bool two_threads) {
    Steps_Result result;
    for (;;) {
        if (state.Solved()) {
            result.Stop_Reason = state.Broken();
            result.Solved = result.Stop_Reason.empty();
            return result;
        }
        if (max_steps > 0 && result.Steps.size() >= max_steps) {
            result.Stop_Reason = "the step limit was reached";
            return result;
        }
        const std::string broken = state.Broken();
        if (!broken.empty()) {
            result.Stop_Reason = "no solution: " + broken;
            return result;
        }
        Step step;
        if (!First_Step(state, step, Technique::Trial, two_threads)) {
            result.Stop_Reason = "no logical step is left";
            return result;
        }
        state.Apply(step);
        result.Steps.push_back(std::move(step));
    }
}

Steps_Result All_Steps(const Puzzle_State& puzzle, std::size_t max_steps) {
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
    return All_Steps(state, max_steps);
}
