#pragma once
// The game session: every change of the game goes through one of its commands, and each
// command that changes numbers or locks leaves one step in the undo history. Qt-free; the
// window, the palettes, the keyboard, the tool and the tests all play through it.
//
// A step keeps only what changed: for every cell whose number or lock changed, the cell and
// its value and lock byte before and after. Candidates are derived from the numbers, so undo
// and redo restore the numbers and locks and recompute. The display modes ("Show Labels",
// "Help me Solve it") are views of the game, not moves: they leave no step.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Board_Model.h"

class Puzzle_Shape;

// What changed in one command: the cells whose number changed, with the number before and
// after, and the cells whose lock changed, with the lock byte before and after.
class Session_Step {
  public:
    std::string Name; // what the command was ("Enter 5", "Restart", "Set Numbers", ...)

    bool Empty() const { return Value_Count == 0 && Lock_Count == 0 && Note_Count == 0; }
    // Changes kept: one for each number, each lock and each cell's notes that changed.
    std::size_t Changes() const {
        return static_cast<std::size_t>(Value_Count + Lock_Count + Note_Count);
    }
    // Bytes of change data the step keeps.
    std::size_t Stored_Bytes() const { return Values.size() + Locks.size() + Notes.size(); }
    bool Changes_Numbers() const { return Value_Count > 0; }
    bool Changes_Notes() const { return Note_Count > 0; }

    // Cells are numbered as Puzzle_Groups numbers them and come in ascending order.
    void Add_Value(int cell, Integer old_value, Integer new_value);
    void Add_Lock(int cell, Byte old_lock, Byte new_lock);
    void Add_Notes(int cell, Note_Set old_notes, Note_Set new_notes);

    // Calls visit(cell, old, new) for every number (lock) that changed.
    template <typename Visit> void For_Each_Value(Visit visit) const;
    template <typename Visit> void For_Each_Lock(Visit visit) const;
    template <typename Visit> void For_Each_Notes(Visit visit) const;

  private:
    // A number change is the distance from the previous change's cell, doubled and marked in
    // its lowest bit when the numbers need a byte each, as a variable-length number; then the
    // old and the new number in one byte (four bits each), or in two bytes. A lock change is
    // the distance, then the old and the new lock byte. So an entry keeps about two bytes for
    // each copy of its cell, and a restart of a whole Samurai well under a kilobyte.
    std::vector<std::uint8_t> Values;
    std::vector<std::uint8_t> Locks;
    // A cell's notes: the distance, then the old and the new set as variable-length numbers.
    std::vector<std::uint8_t> Notes;
    int Value_Count = 0;
    int Lock_Count = 0;
    int Note_Count = 0;
    int Last_Value_Cell = 0;
    int Last_Lock_Cell = 0;
    int Last_Note_Cell = 0;
};

class Game_Session {
  public:
    explicit Game_Session(Puzzle_State& state);

    Puzzle_State& State() { return Game; }
    const Puzzle_State& State() const { return Game; }

    // A number entered into a cell as the palette would (0 empties it): ignored, leaving no
    // step, for a cell that does not exist or a number above the board's highest; otherwise
    // stored, copied into the linked boards and everything recomputed (Game_Modified set).
    // Returns false when ignored. Locked cells are not refused here: the palette never opens
    // on one and Is_Locked tells the keyboard.
    bool Enter(int board, int col, int row, Integer n, const std::string& name = {});
    bool Is_Locked(int board, int col, int row) const;
    // Several numbers entered in order as one command, each as Enter takes it (the ones Enter
    // would ignore are skipped), leaving one step with this name. False when all were ignored.
    struct Cell_Entry {
        int Board = 0;
        int Col = 0;
        int Row = 0;
        Integer Number = 0;
    };
    bool Enter_All(const std::vector<Cell_Entry>& entries, const std::string& name);

    // "Set Numbers": the number of cells filled (0: nothing changed, no step).
    int Set_Numbers();
    // Restart: every unlocked cell emptied; false when there is no board.
    bool Restart();
    // "Lock Numbers" and "Unlock Numbers" (they do not mark the game modified).
    void Lock();
    void Unlock();

    // The player's notes (pencil marks). Only an empty cell takes notes, and only numbers of
    // its board; every copy of a shared cell gets the same notes. Each change is a step.
    // Toggle_Note: n noted or un-noted in the cell; false (no step) when refused.
    bool Toggle_Note(int board, int col, int row, Integer n);
    // The cell's notes become these (numbers above the board's highest left out); false (no
    // step) when refused or nothing changes.
    bool Set_Notes(int board, int col, int row, Note_Set notes, const std::string& name);
    // True when the cell may take notes: it exists, is empty and is not locked.
    bool Takes_Notes(int board, int col, int row) const;
    Note_Set Notes(int board, int col, int row) const;
    // Every empty cell's notes become its candidates as they stand; the count of cells changed.
    int Fill_Notes();
    // Every note gone; false when there was none.
    bool Clear_Notes();
    // A number entered takes that number out of the notes of every cell that sees the cell,
    // in the same step (on unless switched off). The cell itself always loses its notes.
    bool Auto_Remove_Notes = true;

    // The display modes. Switching help recomputes every candidate when there is a board.
    void Toggle_Labels();
    void Toggle_Help();

    // A loaded or new puzzle replaces the game (the caller has freed the old pictures); the
    // history starts empty and the puzzle's shape is made.
    void Adopt(Puzzle_State&& loaded);

    // The shape of the game's puzzle, made when it was adopted. The session is what changes
    // the game; should the state have been given other boards behind its back, the shape is
    // made again for them.
    const std::shared_ptr<const Puzzle_Shape>& Shape();
    // The game was saved: nothing to change but the modified mark.
    void Saved();

    bool Can_Undo() const { return !Undo_Steps.empty(); }
    bool Can_Redo() const { return !Redo_Steps.empty(); }
    // Takes back the last step (or brings back the last step taken back): numbers and locks
    // as they were, every candidate recomputed, the game marked modified. False when there is
    // nothing to take back (or bring back).
    bool Undo();
    bool Redo();
    // The name of the step Undo (Redo) would take back (bring back); empty when none.
    std::string Undo_Name() const;
    std::string Redo_Name() const;

    // The steps that can be taken back, oldest first, and those that can be brought back,
    // the next one last.
    const std::vector<Session_Step>& Undo_History() const { return Undo_Steps; }
    const std::vector<Session_Step>& Redo_History() const { return Redo_Steps; }
    void Clear_History();

    // Called whenever a step is added, taken back or brought back, or the history cleared.
    std::function<void()> On_History_Changed;

  private:
    Puzzle_State& Game;
    std::shared_ptr<const Puzzle_Shape> Game_Shape;
    std::vector<Session_Step> Undo_Steps;
    std::vector<Session_Step> Redo_Steps;
    // Numbers and locks before a command, to find what it changed.
    std::vector<Integer> Before_Values;
    std::vector<Byte> Before_Locks;
    std::vector<Note_Set> Before_Notes;

    void Begin_Step();
    void End_Step(const std::string& name);
    // Notes of the cells a command filled go, and (when on) the number from their peers' notes.
    void Tidy_Notes_Of_Filled_Cells();
    void Set_Notes_Of_Copies(int cell, Note_Set notes);
    void Apply(const Session_Step& step, bool forward);
    void History_Changed() const;
};

namespace session_bytes {

inline void Put_Number(std::vector<std::uint8_t>& out, unsigned value) {
    do {
        const std::uint8_t low = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
        out.push_back(value != 0 ? static_cast<std::uint8_t>(low | 0x80) : low);
    } while (value != 0);
}

inline unsigned Get_Number(const std::vector<std::uint8_t>& in, std::size_t& i) {
    unsigned value = 0;
    int shift = 0;
    for (;;) {
        const std::uint8_t b = in[i++];
        value |= static_cast<unsigned>(b & 0x7F) << shift;
        shift += 7;
        if ((b & 0x80) == 0) {
            return value;
        }
    }
}

} // namespace session_bytes

template <typename Visit> void Session_Step::For_Each_Value(Visit visit) const {
    std::size_t i = 0;
    int cell = 0;
    while (i < Values.size()) {
        const unsigned head = session_bytes::Get_Number(Values, i);
        cell += static_cast<int>(head >> 1);
        if ((head & 1u) == 0) {
            const std::uint8_t both = Values[i++];
            visit(cell, static_cast<Integer>(both >> 4), static_cast<Integer>(both & 0x0F));
        } else {
            const Integer old_value = Values[i];
            const Integer new_value = Values[i + 1];
            i += 2;
            visit(cell, old_value, new_value);
        }
    }
}

template <typename Visit> void Session_Step::For_Each_Notes(Visit visit) const {
    std::size_t i = 0;
    int cell = 0;
    while (i < Notes.size()) {
        cell += static_cast<int>(session_bytes::Get_Number(Notes, i));
        const Note_Set old_notes = session_bytes::Get_Number(Notes, i);
        const Note_Set new_notes = session_bytes::Get_Number(Notes, i);
        visit(cell, old_notes, new_notes);
    }
}

template <typename Visit> void Session_Step::For_Each_Lock(Visit visit) const {
    std::size_t i = 0;
    int cell = 0;
    while (i < Locks.size()) {
        cell += static_cast<int>(session_bytes::Get_Number(Locks, i));
        visit(cell, static_cast<Byte>(Locks[i]), static_cast<Byte>(Locks[i + 1]));
        i += 2;
    }
}
