#pragma once
// Playing from the keyboard: the arrow keys move the cell cursor (across boards at their
// edges), Ctrl+Home puts it on the first board's first cell, digits and a symbols board's
// symbols enter a number, 0, Delete and Backspace clear, and Enter or Space opens the palette
// at the cursor. The keys reach the page, whose scrolling would otherwise take the arrows.

#include <QObject>

class Cursor_Play;
class Hint_Presenter;
class QKeyEvent;
class QWidget;
class TMainFrame_Boards_Layout_Page;

class Keyboard_Play : public QObject {
    Q_OBJECT
  public:
    // Watches the window and its page for keys; the cursor and the hints do what they ask.
    Keyboard_Play(QWidget& window, TMainFrame_Boards_Layout_Page& page, Cursor_Play& cursor,
                  Hint_Presenter& hints);

    // Handles one key press; true when the key was a play key.
    bool Key_Pressed(const QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Cursor_Play& Cursor;
    Hint_Presenter& Hints;
};
