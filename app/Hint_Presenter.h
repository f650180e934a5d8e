#pragma once
// Hints in the window: the first press shows the logic's hint in the hint bar below the tool
// bar with its cells marked on the page; the next press (or Apply) enters its number through
// the session, so it can be undone. Any change of the game takes the hint away.

#include <QObject>
#include <functional>
#include <optional>

#include "logic/Hint.h"

class Busy_Cursor;
class Cursor_Play;
class Game_Session;
class Hint_Bar;
class QMainWindow;
class QToolBar;
class TMainFrame_Boards_Layout_Page;

class Hint_Presenter : public QObject {
    Q_OBJECT
  public:
    // Makes the hint bar on its own tool bar row of the window, hidden.
    Hint_Presenter(QMainWindow& window, Game_Session& session, TMainFrame_Boards_Layout_Page& page,
                   Cursor_Play& cursor);

    QToolBar* Hint_Tool_Bar = nullptr; // holds the hint bar, below the main tool bar
    Hint_Bar* Bar = nullptr;

    // What a change ends with once the hint's number has gone in (redraw, check, message).
    std::function<void(Busy_Cursor*)> Finish_Change;

    // The hint button and its key: shows the hint, or enters the one shown.
    void Next();
    void Show();
    void Apply();
    void Hide();
    bool Shown() const { return Shown_Hint.has_value(); }
    const Hint* Current() const { return Shown_Hint ? &*Shown_Hint : nullptr; }

  private:
    QMainWindow& Window;
    Game_Session& Session;
    TMainFrame_Boards_Layout_Page& Page;
    Cursor_Play& Cursor;
    std::optional<Hint> Shown_Hint;

    void Mark_Cells(const Hint& hint);
};
