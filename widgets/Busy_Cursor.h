#pragma once
// The hourglass for as long as a command runs.

#include <QApplication>

class Busy_Cursor {
  public:
    Busy_Cursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy_Cursor() { Release(); }
    Busy_Cursor(const Busy_Cursor&) = delete;
    Busy_Cursor& operator=(const Busy_Cursor&) = delete;

    // The ordinary pointer again before the command ends (a message box shows it).
    void Release() {
        if (Held) {
            Held = false;
            QApplication::restoreOverrideCursor();
        }
    }

  private:
    bool Held = true;
};
