#include "session/Game_Session.h"

#include <algorithm>
#include <utility>

#include "engine/Candidate_Engine.h"
#include "engine/Number_Locking.h"
#include "model/Board_Geometry.h"
#include "model/Number_Text.h"
#include "model/Puzzle_Shape.h"
#include "session/Puzzle_Loading.h"

namespace {

// Every cell of the puzzle in the groups' numbering, and what it holds.
template <typename Each> void For_Each_Cell(const Puzzle_State& game, Each each) {
    int cell = 0;
    for (const Sudoku_Boards_FrameWork& board : game.Sudoku_Boards) {
        const int n = board.Max_Number > 0 ? board.Max_Number : 0;
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < n; ++r, ++cell) {
                each(cell, board.Cell_Values[c][r], board.Cell_Locked[c][r], Notes_Of(board, c, r));
            }
        }
    }
}

Note_Set Numbers_Up_To(Integer n) {
    return n >= 32 ? ~Note_Set{0} : n <= 0 ? 0 : (Note_Set{1} << n) - 1;
}

// The board keeps a notes grid of its size (a board made elsewhere may have none yet).
void Give_Notes_Grid(Sudoku_Boards_FrameWork& board) {
    const std::size_t n = static_cast<std::size_t>(board.Max_Number > 0 ? board.Max_Number : 0);
    if (board.Cell_Notes.size() != n) {
        board.Cell_Notes.resize(n);
    }
    for (std::vector<Note_Set>& column : board.Cell_Notes) {
        if (column.size() != n) {
            column.resize(n, 0);
        }
    }
}

} // namespace

void Session_Step::Add_Value(int cell, Integer old_value, Integer new_value) {
    // Numbers run from 0 to a board's highest, which is far below a byte; a number outside
    // four bits takes a byte of its own.
    const bool wide = old_value < 0 || old_value > 15 || new_value < 0 || new_value > 15;
    session_bytes::Put_Number(Values, static_cast<unsigned>(cell - Last_Value_Cell) << 1 |
                                          (wide ? 1u : 0u));
    if (wide) {
        Values.push_back(static_cast<std::uint8_t>(old_value));
        Values.push_back(static_cast<std::uint8_t>(new_value));
    } else {
        Values.push_back(static_cast<std::uint8_t>(old_value << 4 | new_value));
    }
    Last_Value_Cell = cell;
    ++Value_Count;
}

void Session_Step::Add_Notes(int cell, Note_Set old_notes, Note_Set new_notes) {
    session_bytes::Put_Number(Notes, static_cast<unsigned>(cell - Last_Note_Cell));
    session_bytes::Put_Number(Notes, old_notes);
    session_bytes::Put_Number(Notes, new_notes);
    Last_Note_Cell = cell;
    ++Note_Count;
}

void Session_Step::Add_Lock(int cell, Byte old_lock, Byte new_lock) {
    session_bytes::Put_Number(Locks, static_cast<unsigned>(cell - Last_Lock_Cell));
    Locks.push_back(old_lock);
    Locks.push_back(new_lock);
    Last_Lock_Cell = cell;
    ++Lock_Count;
}

Game_Session::Game_Session(Puzzle_State& state) : Game(state) {}

const std::shared_ptr<const Puzzle_Shape>& Game_Session::Shape() {
    if (!Game_Shape || !Game_Shape->Fits(Game)) {
        Game_Shape = Shape_Of(Game);
    }
    return Game_Shape;
}

bool Game_Session::Is_Locked(int board, int col, int row) const {
    return Cell_Exists(Game, board, col, row) &&
           Game.Sudoku_Boards[board].Cell_Locked[col][row] != 0;
}

void Game_Session::Begin_Step() {
    Before_Values.clear();
    Before_Locks.clear();
    Before_Notes.clear();
    For_Each_Cell(Game, [this](int, Integer value, Byte lock, Note_Set notes) {
        Before_Values.push_back(value);
        Before_Locks.push_back(lock);
        Before_Notes.push_back(notes);
    });
}

void Game_Session::End_Step(const std::string& name) {
    Tidy_Notes_Of_Filled_Cells();
    Session_Step step;
    step.Name = name;
    For_Each_Cell(Game, [&](int cell, Integer value, Byte lock, Note_Set notes) {
        const std::size_t i = static_cast<std::size_t>(cell);
        if (Before_Values[i] != value) {
            step.Add_Value(cell, Before_Values[i], value);
        }
        if (Before_Locks[i] != lock) {
            step.Add_Lock(cell, Before_Locks[i], lock);
        }
        if (Before_Notes[i] != notes) {
            step.Add_Notes(cell, Before_Notes[i], notes);
        }
    });
    if (step.Empty()) {
        return;
    }
    Undo_Steps.push_back(std::move(step));
    Redo_Steps.clear();
    History_Changed();
}

void Game_Session::Tidy_Notes_Of_Filled_Cells() {
    const Puzzle_Shape& shape = *Shape();
    const Puzzle_Groups& groups = shape.Groups;
    std::vector<std::pair<int, Integer>> filled;
    For_Each_Cell(Game, [&](int cell, Integer value, Byte, Note_Set) {
        const std::size_t i = static_cast<std::size_t>(cell);
        if (value != 0 && i < Before_Values.size() && Before_Values[i] != value) {
            filled.emplace_back(cell, value);
        }
    });
    for (const auto& [cell, value] : filled) {
        const Cell_Address& at = groups.Address[static_cast<std::size_t>(cell)];
        Sudoku_Boards_FrameWork& board = Game.Sudoku_Boards[at.Board];
        if (Notes_Of(board, at.Col, at.Row) != 0) {
            board.Cell_Notes[at.Col][at.Row] = 0;
        }
        if (!Auto_Remove_Notes || value < 1 || value > 32) {
            continue;
        }
        const Note_Set bit = Note_Set{1} << (value - 1);
        for (int j = shape.Peer_Begin[cell]; j < shape.Peer_Begin[cell + 1]; ++j) {
            const Cell_Address& peer = groups.Address[static_cast<std::size_t>(shape.Peers[j])];
            Sudoku_Boards_FrameWork& other = Game.Sudoku_Boards[peer.Board];
            if ((Notes_Of(other, peer.Col, peer.Row) & bit) != 0) {
                other.Cell_Notes[peer.Col][peer.Row] &= ~bit;
            }
        }
    }
}

void Game_Session::Set_Notes_Of_Copies(int cell, Note_Set notes) {
    const Puzzle_Shape& shape = *Shape();
    const int var = shape.Var_Of_Cell[static_cast<std::size_t>(cell)];
    for (int copy : shape.Cells_Of_Var[static_cast<std::size_t>(var)]) {
        const Cell_Address& at = shape.Groups.Address[static_cast<std::size_t>(copy)];
        Sudoku_Boards_FrameWork& board = Game.Sudoku_Boards[at.Board];
        Give_Notes_Grid(board);
        board.Cell_Notes[at.Col][at.Row] = notes;
    }
}

Note_Set Game_Session::Notes(int board, int col, int row) const {
    return Cell_Exists(Game, board, col, row) ? Notes_Of(Game.Sudoku_Boards[board], col, row) : 0;
}

bool Game_Session::Takes_Notes(int board, int col, int row) const {
    if (!Cell_Exists(Game, board, col, row)) {
        return false;
    }
    const Sudoku_Boards_FrameWork& b = Game.Sudoku_Boards[board];
    return b.Cell_Values[col][row] == 0 && b.Cell_Locked[col][row] == 0;
}

bool Game_Session::Set_Notes(int board, int col, int row, Note_Set notes, const std::string& name) {
    if (!Takes_Notes(board, col, row)) {
        return false;
    }
    notes &= Numbers_Up_To(Game.Sudoku_Boards[board].Max_Number);
    if (notes == Notes_Of(Game.Sudoku_Boards[board], col, row)) {
        return false;
    }
    Begin_Step();
    Set_Notes_Of_Copies(Shape()->Groups.Cell(board, col, row), notes);
    Game.Game_Modified = true;
    End_Step(name);
    return true;
}

bool Game_Session::Toggle_Note(int board, int col, int row, Integer n) {
    if (!Takes_Notes(board, col, row) || n < 1 || n > 32 ||
        n > Game.Sudoku_Boards[board].Max_Number) {
        return false;
    }
    const Note_Set bit = Note_Set{1} << (n - 1);
    const Note_Set notes = Notes_Of(Game.Sudoku_Boards[board], col, row);
    return Set_Notes(board, col, row, notes ^ bit,
                     ((notes & bit) != 0 ? "Remove note " : "Note ") + std::to_string(n));
}

int Game_Session::Fill_Notes() {
    if (Game.Sudoku_Boards.empty()) {
        return 0;
    }
    Begin_Step();
    int changed = 0;
    const Puzzle_Groups& groups = Shape()->Groups;
    for (int cell = 0; cell < groups.Cells; ++cell) {
        const Cell_Address& at = groups.Address[static_cast<std::size_t>(cell)];
        Sudoku_Boards_FrameWork& board = Game.Sudoku_Boards[at.Board];
        if (board.Cell_Values[at.Col][at.Row] != 0) {
            continue;
        }
        Note_Set candidates = 0;
        const std::vector<Byte>& possible = board.Cell_Tracking[at.Col][at.Row].Possible;
        for (std::size_t m = 0; m < possible.size() && m < 32; ++m) {
            candidates |= possible[m] != 0 ? Note_Set{1} << m : 0;
        }
        candidates &= Numbers_Up_To(board.Max_Number);
        if (Notes_Of(board, at.Col, at.Row) != candidates) {
            Give_Notes_Grid(board);
            board.Cell_Notes[at.Col][at.Row] = candidates;
            ++changed;
        }
    }
    if (changed > 0) {
        Game.Game_Modified = true;
    }
    End_Step("Fill Notes");
    return changed;
}

bool Game_Session::Clear_Notes() {
    if (!Has_Notes(Game)) {
        return false;
    }
    Begin_Step();
    for (Sudoku_Boards_FrameWork& board : Game.Sudoku_Boards) {
        for (std::vector<Note_Set>& column : board.Cell_Notes) {
            std::fill(column.begin(), column.end(), 0);
        }
    }
    Game.Game_Modified = true;
    End_Step("Clear Notes");
    return true;
}

void Game_Session::History_Changed() const {
    if (On_History_Changed) {
        On_History_Changed();
    }
}

bool Game_Session::Enter(int board, int col, int row, Integer n, const std::string& name) {
    return Enter_All({{board, col, row, n}},
                     name.empty() ? (n == 0 ? std::string("Clear") : "Enter " + Number_Text(n))
                                  : name);
}

bool Game_Session::Enter_All(const std::vector<Cell_Entry>& entries, const std::string& name) {
    bool taken = false;
    for (const Cell_Entry& e : entries) {
        if (!Cell_Exists(Game, e.Board, e.Col, e.Row) || e.Number < 0 ||
            e.Number > Game.Sudoku_Boards[e.Board].Max_Number) {
            continue;
        }
        if (!taken) {
            Begin_Step();
            taken = true;
        }
        Set_Cell_Value(Game, e.Board, e.Col, e.Row, e.Number, Shape().get());
    }
    if (taken) {
        End_Step(name);
    }
    return taken;
}

int Game_Session::Set_Numbers() {
    Begin_Step();
    const int filled = Set_Numbers_Fill(Game, Shape().get());
    End_Step("Set Numbers");
    return filled;
}

bool Game_Session::Restart() {
    Begin_Step();
    const bool done = Restart_Boards(Game, Shape().get());
    // The notes go with the numbers: every cell a restart leaves empty starts without notes.
    if (done) {
        for (Sudoku_Boards_FrameWork& board : Game.Sudoku_Boards) {
            for (std::size_t c = 0; c < board.Cell_Notes.size(); ++c) {
                for (std::size_t r = 0; r < board.Cell_Notes[c].size(); ++r) {
                    board.Cell_Notes[c][r] = 0;
                }
            }
        }
    }
    End_Step("Restart");
    return done;
}

void Game_Session::Lock() {
    Begin_Step();
    Lock_Numbers(Game);
    End_Step("Lock Numbers");
}

void Game_Session::Unlock() {
    Begin_Step();
    Unlock_Numbers(Game);
    End_Step("Unlock Numbers");
}

void Game_Session::Toggle_Labels() {
    Game.Show_Labels = !Game.Show_Labels;
}

void Game_Session::Toggle_Help() {
    Game.Help_Solve = !Game.Help_Solve;
    if (!Game.Sudoku_Boards.empty()) {
        Recompute_All(Game, Shape().get());
    }
}

void Game_Session::Adopt(Puzzle_State&& loaded) {
    Adopt_Loaded_Puzzle(Game, std::move(loaded), &Game_Shape);
    Clear_History();
}

void Game_Session::Saved() {
    Game.Game_Modified = false;
}

void Game_Session::Clear_History() {
    Undo_Steps.clear();
    Redo_Steps.clear();
    History_Changed();
}

void Game_Session::Apply(const Session_Step& step, bool forward) {
    const Puzzle_Groups& groups = Shape()->Groups;
    step.For_Each_Value([&](int cell, Integer old_value, Integer new_value) {
        const Cell_Address& at = groups.Address[static_cast<std::size_t>(cell)];
        Game.Sudoku_Boards[at.Board].Cell_Values[at.Col][at.Row] = forward ? new_value : old_value;
    });
    step.For_Each_Lock([&](int cell, Byte old_lock, Byte new_lock) {
        const Cell_Address& at = groups.Address[static_cast<std::size_t>(cell)];
        Game.Sudoku_Boards[at.Board].Cell_Locked[at.Col][at.Row] = forward ? new_lock : old_lock;
    });
    step.For_Each_Notes([&](int cell, Note_Set old_notes, Note_Set new_notes) {
        const Cell_Address& at = groups.Address[static_cast<std::size_t>(cell)];
        Sudoku_Boards_FrameWork& board = Game.Sudoku_Boards[at.Board];
        Give_Notes_Grid(board);
        board.Cell_Notes[at.Col][at.Row] = forward ? new_notes : old_notes;
    });
    if (step.Changes_Numbers()) {
        Recompute_All(Game, Shape().get());
    }
    Game.Game_Modified = true;
}

bool Game_Session::Undo() {
    if (Undo_Steps.empty()) {
        return false;
    }
    Apply(Undo_Steps.back(), false);
    Redo_Steps.push_back(std::move(Undo_Steps.back()));
    Undo_Steps.pop_back();
    History_Changed();
    return true;
}

bool Game_Session::Redo() {
    if (Redo_Steps.empty()) {
        return false;
    }
    Apply(Redo_Steps.back(), true);
    Undo_Steps.push_back(std::move(Redo_Steps.back()));
    Redo_Steps.pop_back();
    History_Changed();
    return true;
}

std::string Game_Session::Undo_Name() const {
    return Undo_Steps.empty() ? std::string() : Undo_Steps.back().Name;
}

std::string Game_Session::Redo_Name() const {
    return Redo_Steps.empty() ? std::string() : Redo_Steps.back().Name;
}
