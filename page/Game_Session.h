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
#include <string>
#include <vector>

#include "model/Board_Model.h"

// What changed in one command.
class Session_Step {
  public:
    std::string Name; // what the command was ("Enter 5", "Restart", "Set Numbers", ...)

    bool Empty() const { return Count == 0; }
    std::size_t Changes() const { return static_cast<std::size_t>(Count); }
    // Bytes of change data the step keeps.
    std::size_t Stored_Bytes() const { return Bytes.size(); }
    bool Changes_Numbers() const { return Numbers_Changed; }

    // Records that cell `cell` (numbered as Puzzle_Groups numbers cells) went from value and
    // lock `old_value`, `old_lock` to `new_value`, `new_lock`. Cells come in ascending order.
    void Add(int cell, int old_value, Byte old_lock, int new_value, Byte new_lock);

    // Calls visit(cell, old_value, old_lock, new_value, new_lock) for every change.
    template <typename Visit> void For_Each(Visit visit) const;

  private:
    // Each change: the distance to the previous change's cell (a variable-length number), then
    // old value, old lock, new value, new lock, one byte each. Most steps are a few cells; a
    // restart of a whole Samurai is a few hundred.
    std::vector<std::uint8_t> Bytes;
    int Count = 0;
    int Last_Cell = 0;
    bool Numbers_Changed = false;
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

    // "Set Numbers": the number of cells filled (0: nothing changed, no step).
    int Set_Numbers();
    // Restart: every unlocked cell emptied; false when there is no board.
    bool Restart();
    // "Lock Numbers" and "Unlock Numbers" (they do not mark the game modified).
    void Lock();
    void Unlock();

    // The display modes. Switching help recomputes every candidate when there is a board.
    void Toggle_Labels();
    void Toggle_Help();

    // A loaded or new puzzle replaces the game (the caller has freed the old pictures); the
    // history starts empty.
    void Adopt(Puzzle_State&& loaded);
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
    std::vector<Session_Step> Undo_Steps;
    std::vector<Session_Step> Redo_Steps;
    // Numbers and locks before a command, to find what it changed.
    std::vector<Integer> Before_Values;
    std::vector<Byte> Before_Locks;

    void Begin_Step();
    void End_Step(const std::string& name);
    void Apply(const Session_Step& step, bool forward);
    void History_Changed() const;
};

template <typename Visit> void Session_Step::For_Each(Visit visit) const {
    std::size_t i = 0;
    int cell = 0;
    while (i < Bytes.size()) {
        unsigned delta = 0;
        int shift = 0;
        for (;;) {
            const std::uint8_t b = Bytes[i++];
            delta |= static_cast<unsigned>(b & 0x7F) << shift;
            shift += 7;
            if ((b & 0x80) == 0) {
                break;
            }
        }
        cell += static_cast<int>(delta);
        const int old_value = Bytes[i];
        const Byte old_lock = Bytes[i + 1];
        const int new_value = Bytes[i + 2];
        const Byte new_lock = Bytes[i + 3];
        i += 4;
        visit(cell, old_value, old_lock, new_value, new_lock);
    }
}
