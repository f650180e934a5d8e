#pragma once
// The picture control of one board: shows a finished board image, sizes itself to it and
// reports pointer moves over it and left clicks on it; the page decides what they mean.

#include <QImage>
#include <QWidget>

class Board_Picture : public QWidget {
    Q_OBJECT
  public:
    explicit Board_Picture(QWidget* parent);

    int Tag = 0; // the board's index in Sudoku_Boards

    // Takes a copy of the image and resizes the control to its size in logical pixels, times
    // the page's zoom.
    void Set_Picture(const QImage& image);
    const QImage& Picture() const { return Image; }

    // The page's zoom: the picture shows at this many times its size (the image is drawn at
    // that pixel ratio, so it stays sharp). Pointer positions are reported in picture pixels,
    // at 100% whatever the zoom.
    void Set_Zoom(qreal zoom);
    qreal Zoom() const { return Zoom_Factor; }

  signals:
    // The pointer moved to (x, y) of the picture, in picture pixels.
    void Mouse_Moved(Board_Picture* picture, int x, int y);
    // A left press and release on the picture.
    void Clicked(Board_Picture* picture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage Image;
    bool Left_Pressed = false;
    qreal Zoom_Factor = 1.0;
};
