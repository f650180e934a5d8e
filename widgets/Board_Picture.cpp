#include "widgets/Board_Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

Board_Picture::Board_Picture(QWidget* parent) : QWidget(parent) {
    // Moves without a button pressed must arrive too: they pick the cell under the pointer.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Board_Picture::Set_Picture(const QImage& image) {
    Image = image;
    // The control takes the picture's size in logical pixels (N x 30 square), whatever
    // the screen's pixel ratio the image was rendered at.
    setFixedSize(Image.deviceIndependentSize().toSize());
    update();
}

void Board_Picture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), Image);
}

void Board_Picture::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // While a button is held the picture keeps receiving moves even outside itself; only
    // positions on the picture name one of its cells.
    const QPointF at = event->position();
    const int x = static_cast<int>(std::floor(at.x()));
    const int y = static_cast<int>(std::floor(at.y()));
    if (rect().contains(x, y)) {
        emit Mouse_Moved(this, x, y);
    }
}

void Board_Picture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        Left_Pressed = true;
    }
}

void Board_Picture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool click = Left_Pressed && rect().contains(event->position().toPoint());
    Left_Pressed = false;
    // A click is a left press and release on this picture. Nothing of the picture is used
    // after the click has been handled: the handler may free it (a new puzzle loaded).
    if (click) {
        emit Clicked(this);
    }
}
