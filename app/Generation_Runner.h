#pragma once
// Making a new puzzle off the GUI thread: the generator runs on a worker thread behind a
// window-modal progress window whose Cancel (or close box, or Escape) stops it, while the
// window goes on being drawn.

#include <QObject>

#include "app/New_Puzzle_Dialog.h"
#include "logic/Generator.h"

class QWidget;

class Generation_Runner : public QObject {
    Q_OBJECT
  public:
    explicit Generation_Runner(QWidget* window);

    // Generates the choice's puzzle into result; false when cancelled.
    bool Run(const New_Puzzle_Choice& choice, Generate_Result& result);

  private:
    QWidget* Window;
};
