#pragma once
// Playing from the keyboard: the arrow keys move the cell cursor (across boards at their
// edges), Ctrl+Home puts it on the first board's first cell, digits and a symbols board's
// symbols enter a number, 0, Delete and Backspace clear, and Enter or Space opens the palette
// at the cursor. The keys reach the page, whose scrolling would otherwise take the arrows.

#include <QObject>

class QKeyEvent;
class TForm1;

class Keyboard_Play : public QObject {
    Q_OBJECT
  public:
    explicit Keyboard_Play(TForm1* form);

    // Handles one key press; true when the key was a play key.
    bool Key_Pressed(const QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TForm1* Form;
};
