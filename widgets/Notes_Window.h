#pragma once
// The notes window: a small tool window beside the cursor's cell with a toggle button per
// number of the cell's board, pressed where the cell has that note, "Fill" (the cell's
// candidates as its notes) and "Clear". It stays open while the player works and follows the
// cursor; a button asks the window to change the cell's notes, which it does as a step of the
// game. It is not the "Selections" palette: that one enters numbers.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

class QFrame;
class QToolButton;

class Notes_Window : public QDialog {
    Q_OBJECT
  public:
    explicit Notes_Window(QWidget* owner);

    // Shows the notes of a cell of a board of `numbers` numbers, each number written as
    // texts[n-1]; `open` is false for a cell that takes no notes (filled or locked), whose
    // buttons are then disabled. `at` is where the window's top left goes on the screen.
    void Show_Cell(int numbers, std::uint32_t notes, const std::vector<QString>& texts, bool open,
                   const QPoint& at);
    // The buttons' states for the cell as it stands now.
    void Update_Cell(std::uint32_t notes, bool open);

    std::vector<QToolButton*> Number_Buttons; // Tags 1 .. numbers, checkable
    QToolButton* Fill_Button = nullptr;
    QToolButton* Clear_Button = nullptr;

  signals:
    void Note_Toggled(int n);
    void Fill_Clicked();
    void Clear_Clicked();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QFrame* Panel = nullptr;
    int Numbers = 0;
    void Lay_Out(int numbers);
};
