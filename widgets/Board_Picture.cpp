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
    // the screen's pixel ratio the image was rendered at, times the zoom.
    const QSizeF size = Image.deviceIndependentSize() * Zoom_Factor;
    setFixedSize(QSize(static_cast<int>(std::lround(size.width())),
                       static_cast<int>(std::lround(size.height()))));
    update();
}

void Board_Picture::Set_Zoom(qreal zoom) {
    Zoom_Factor = zoom > 0 ? zoom : 1.0;
}

void Board_Picture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (Zoom_Factor == 1.0) {
        painter.drawImage(QPoint(0, 0), Image);
    } else {
        painter.drawImage(QRectF(rect()), Image);
    }
}

void Board_Picture::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // While a button is held the picture keeps receiving moves even outside itself; only
    // positions on the picture name one of its cells.
    const QPointF at = event->position();
    if (rect().contains(static_cast<int>(std::floor(at.x())),
                        static_cast<int>(std::floor(at.y())))) {
        emit Mouse_Moved(this, static_cast<int>(std::floor(at.x() / Zoom_Factor)),
                         static_cast<int>(std::floor(at.y() / Zoom_Factor)));
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
