#pragma once
// The dialogs of importing, exporting and printing that the toolkit has no ready box for:
// the choice of one puzzle of many.

#include <QDialog>

class QLabel;
class QSpinBox;

// "Which puzzle?": a spin box from 1 to the number of puzzles, the first chosen at the start,
// with OK and Cancel.
class Puzzle_Chooser : public QDialog {
    Q_OBJECT
  public:
    Puzzle_Chooser(QWidget* owner, const QString& source, int count);

    // The chosen puzzle's index from 0.
    int Chosen_Index() const;

    QLabel* Question = nullptr;
    QSpinBox* Number = nullptr;
};
