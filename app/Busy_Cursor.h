#pragma once
// The hourglass for as long as a command runs.

#include <QApplication>

class Busy_Cursor {
  public:
    Busy_Cursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy_Cursor() { QApplication::restoreOverrideCursor(); }
    Busy_Cursor(const Busy_Cursor&) = delete;
    Busy_Cursor& operator=(const Busy_Cursor&) = delete;
};
