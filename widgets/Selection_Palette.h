#pragma once
// What the selection palettes share: a small "Selections" tool window with one button
// per number and a "Clear" button, placed next to the clicked cell and shown modally.

#include <QDialog>
#include <QToolButton>
#include <vector>

#include "model/Board_Model.h"

class QFrame;
struct Drawing_Resources;

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
    // The palette of boards of this Board_Type, laid out by its row of the kind table: its
    // numbers in rows of the kind's palette columns, "Clear" below them. The owner is the
    // main window, which the palette brings to the front when a button closes it.
    Selection_Palette(Puzzle_State& state, QWidget* owner, Integer board_type, int design_left,
                      int design_top);

    QFrame* Panel1 = nullptr;
    std::vector<Speed_Button*> Number_Buttons; // SpeedButton1 .. SpeedButtonN, Tags 1 .. N
    Speed_Button* SpeedButton10 = nullptr;     // "Clear", Tag 0

    // The Board_Type this palette serves.
    Integer Served_Board_Type() const { return Board_Type; }

    // Every palette of the game, so that any of them can open the one a board's kind needs.
    void Set_Kind_Palettes(const std::vector<Selection_Palette*>& palettes);
    // The palette of the game that serves this Board_Type, or nullptr.
    Selection_Palette* Palette_For(Integer board_type) const;

    // Opens the palette of the hover cell's board kind next to that cell, unless the cell is
    // locked or the hover state names no cell of an existing board.
    void Open_For_Cell();
    // The same for a cell named by the keyboard's cursor rather than the pointer.
    void Open_At(int board, int col, int row);
    // Number buttons enabled for cell (col, row) of board b.
    void Update_Buttons(int board, int col, int row);
    // Captions from the board's symbols (s nonzero) or the digits.
    void Set_Captions(int board, Flag s);
    // Keeps the palette on the screen at its right and bottom edges.
    void FormShow();
    // Any button: close the palette and hand its Tag to the window, which enters it into the
    // hover cell, redraws every board and checks.
    void SpeedButton1Click(Speed_Button* Sender);

    // Draws board i, a board of this palette's kind, into its picture.
    virtual void Draw_Board_Of(int board, Drawing_Resources& res) = 0;

    // Every speed button, in component order (numbers first, then "Clear").
    std::vector<Speed_Button*> Speed_Buttons() const;

  signals:
    // A button chose this number (0 = "Clear") for the hover cell.
    void Number_Chosen(int tag);

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

    Puzzle_State& State;

  private:
    Integer Board_Type = 0;
    int Frame_Checks_Left = 0;
    void Recheck_Frame();
    std::vector<Selection_Palette*> Kind_Palettes;
};
