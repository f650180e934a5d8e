#pragma once
// Hints in the window: the first press shows the logic's hint in the hint bar below the tool
// bar with its cells marked on the page; the next press (or Apply) enters its number through
// the session, so it can be undone. Any change of the game takes the hint away.
//
// The hint is worked out on a worker thread. The window waits for it a frame's time; a hint
// that takes longer shows "Thinking..." in the bar and appears when it is ready. Any change
// of the game, Escape or the close button cancels it.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "logic/Hint.h"

class Busy_Cursor;
class Cursor_Play;
class Game_Session;
class Hint_Bar;
class QMainWindow;
class QThread;
class QTimer;
class QToolBar;
class TMainFrame_Boards_Layout_Page;

class Hint_Presenter : public QObject {
    Q_OBJECT
  public:
    // Makes the hint bar on its own tool bar row of the window, hidden.
    Hint_Presenter(QMainWindow& window, Game_Session& session, TMainFrame_Boards_Layout_Page& page,
                   Cursor_Play& cursor);
    ~Hint_Presenter() override;

    QToolBar* Hint_Tool_Bar = nullptr; // holds the hint bar, below the main tool bar
    Hint_Bar* Bar = nullptr;

    // What a change ends with once the hint's number has gone in (redraw, check, message).
    std::function<void(Busy_Cursor*)> Finish_Change;
    // Told whenever the boards a hint speaks of change (none when no hint is shown).
    std::function<void(const std::vector<int>& boards)> Boards_Named;

    // How long the window waits for a hint before it says it is thinking, in milliseconds.
    int Frame_Budget_Ms = 16;

    // The hint button and its key: shows the hint, or enters the one shown.
    void Next();
    void Show();
    void Apply();
    void Hide();
    bool Shown() const { return Shown_Hint.has_value(); }
    // A hint is being worked out and not shown yet.
    bool Thinking() const { return Job != nullptr; }
    const Hint* Current() const { return Shown_Hint ? &*Shown_Hint : nullptr; }

  private:
    struct Work;

    QMainWindow& Window;
    Game_Session& Session;
    TMainFrame_Boards_Layout_Page& Page;
    Cursor_Play& Cursor;
    std::optional<Hint> Shown_Hint;
    std::shared_ptr<Work> Job;                     // the hint being worked out
    std::vector<std::unique_ptr<QThread>> Workers; // running or finished, joined in time
    QTimer* Poll = nullptr;

    void Present(Hint hint);
    void Check_Job();
    void Cancel_Job();
    void Mark_Cells(const Hint& hint);
};
