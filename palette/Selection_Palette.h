#pragma once
// What the two selection palettes share: a small "Selections" tool window with one button
// per number and a "Clear" button, placed next to the clicked cell and shown modally.

#include <QDialog>
#include <QToolButton>
#include <vector>

#include "model/Board_Model.h"

class QFrame;
class TForm1;

// A flat button that never takes the keyboard focus; its Tag is the number it enters.
class Speed_Button : public QToolButton {
    Q_OBJECT
  public:
    Speed_Button(int tag, QWidget* parent);
    int Tag = 0;
};

class Selection_Palette : public QDialog {
    Q_OBJECT
  public:
    // number_count buttons (9 or 6) in rows of three, "Clear" below them.
    Selection_Palette(Puzzle_State& state, TForm1* form, int number_count, int design_left,
                      int design_top);

    QFrame* Panel1 = nullptr;
    std::vector<Speed_Button*> Number_Buttons; // SpeedButton1 .. SpeedButtonN, Tags 1 .. N
    Speed_Button* SpeedButton10 = nullptr;     // "Clear", Tag 0

    // Opens the palette of the hover cell's board kind next to that cell, unless the cell is
    // locked or the hover state names no cell of an existing board.
    void Open_For_Cell();
    // Number buttons enabled for cell (col, row) of board b.
    void Update_Buttons(int board, int col, int row);
    // Captions from the board's symbols (s nonzero) or the digits.
    void Set_Captions(int board, Flag s);
    // Keeps the palette on the screen at its right and bottom edges.
    void FormShow();
    // Any button: enter its Tag into the hover cell, redraw every board, check.
    void SpeedButton1Click(Speed_Button* Sender);

    // Every speed button, in component order (numbers first, then "Clear").
    std::vector<Speed_Button*> Speed_Buttons() const;

  protected:
    void showEvent(QShowEvent* event) override;

    Puzzle_State& State;
    TForm1* Form1;
};
