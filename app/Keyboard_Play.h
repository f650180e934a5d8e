#pragma once
// Playing from the keyboard by the key table (app/Key_Table.h): the arrows move the cell
// cursor (across boards at their edges), Ctrl+Home puts it on the first board's first cell,
// a number or symbol of the cursor's board enters it (or toggles its note in note mode),
// Ctrl+digit toggles a note, Alt+digit highlights a number, 0, Delete and Backspace clear,
// Enter or Space opens the palette at the cursor, H asks for a hint and N switches note mode
// where they are not numbers of the board, and Escape hides the hint or ends a highlight.
// The keys reach the page, whose scrolling would otherwise take the arrows.

#include <QObject>

class Cursor_Play;
class Hint_Presenter;
class Play_Marks;
class QKeyEvent;
class QWidget;
class TMainFrame_Boards_Layout_Page;

class Keyboard_Play : public QObject {
    Q_OBJECT
  public:
    // Watches the window and its page for keys; the cursor, the hints and the marks do what
    // they ask.
    Keyboard_Play(QWidget& window, TMainFrame_Boards_Layout_Page& page, Cursor_Play& cursor,
                  Hint_Presenter& hints, Play_Marks& marks);

    // Handles one key press; true when the key was a play key.
    bool Key_Pressed(const QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Cursor_Play& Cursor;
    Hint_Presenter& Hints;
    Play_Marks& Marks;
};
