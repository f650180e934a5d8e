#pragma once
// The picture control of one board: shows a finished board image, sizes itself to it and
// hands its pointer events to the page.

#include <QImage>
#include <QWidget>

class TMainFrame_Boards_Layout_Page;

class Board_Picture : public QWidget {
    Q_OBJECT
  public:
    Board_Picture(TMainFrame_Boards_Layout_Page* page, QWidget* parent);

    int Tag = 0; // the board's index in Sudoku_Boards

    // Takes a copy of the image and resizes the control to its size in logical pixels.
    void Set_Picture(const QImage& image);
    const QImage& Picture() const { return Image; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    TMainFrame_Boards_Layout_Page* Page;
    QImage Image;
    bool Left_Pressed = false;
};
