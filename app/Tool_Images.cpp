#include "app/Tool_Images.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

QPixmap Blank() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Folder(QPainter& p, QPointF at, QColor body, QColor flap) {
    const QPen outline(QColor(96, 72, 0), 1);
    p.setPen(outline);
    QPainterPath back;
    back.moveTo(at + QPointF(0, 3));
    back.lineTo(at + QPointF(6, 3));
    back.lineTo(at + QPointF(8, 0));
    back.lineTo(at + QPointF(14, 0));
    back.lineTo(at + QPointF(15, 3));
    back.lineTo(at + QPointF(22, 3));
    back.lineTo(at + QPointF(22, 17));
    back.lineTo(at + QPointF(0, 17));
    back.closeSubpath();
    p.setBrush(body.darker(115));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(at + QPointF(0, 17));
    front.lineTo(at + QPointF(3, 6));
    front.lineTo(at + QPointF(25, 6));
    front.lineTo(at + QPointF(22, 17));
    front.closeSubpath();
    p.setBrush(flap);
    p.drawPath(front);
}

// A thick arrow that bends round from the right and points to the left, blue like a
// classic desktop's undo arrow; mirrored for redo.
QPixmap Bent_Arrow(bool mirrored) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(3, 12);   // the point
    arrow.lineTo(12, 3.5); // upper barb
    arrow.lineTo(12, 8.5); // into the shaft
    arrow.cubicTo(22, 8.5, 29, 13, 28, 22);
    arrow.cubicTo(27, 27, 23, 29, 19, 29);
    arrow.cubicTo(22, 26, 23, 23, 22, 20);
    arrow.cubicTo(21, 16.5, 17, 15.5, 12, 15.5);
    arrow.lineTo(12, 20.5); // lower barb
    arrow.closeSubpath();
    QLinearGradient fill(0, 3, 0, 29);
    fill.setColorAt(0.0, QColor(120, 170, 250));
    fill.setColorAt(0.6, QColor(40, 100, 220));
    fill.setColorAt(1.0, QColor(20, 60, 160));
    p.setPen(QPen(QColor(10, 40, 110), 1));
    p.setBrush(fill);
    p.drawPath(arrow);
    return pixmap;
}

} // namespace

QPixmap Save_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(16, 16);
    QRadialGradient shine(QPointF(11, 10), 18);
    shine.setColorAt(0.0, QColor(250, 250, 255));
    shine.setColorAt(0.35, QColor(190, 215, 240));
    shine.setColorAt(0.6, QColor(235, 200, 240));
    shine.setColorAt(0.85, QColor(200, 235, 210));
    shine.setColorAt(1.0, QColor(170, 180, 200));
    p.setPen(QPen(QColor(90, 90, 110), 1));
    p.setBrush(shine);
    p.drawEllipse(centre, 14.5, 14.5);
    p.setBrush(QColor(220, 220, 228));
    p.drawEllipse(centre, 5, 5);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(120, 120, 140), 1));
    p.drawEllipse(centre, 2.2, 2.2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 100 * 16, 60 * 16);
    return pixmap;
}

QPixmap Open_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Folder(p, QPointF(5.5, 3.5), QColor(230, 190, 60), QColor(245, 210, 90));
    Folder(p, QPointF(3.5, 8.5), QColor(230, 190, 60), QColor(250, 220, 110));
    Folder(p, QPointF(1.5, 13.5), QColor(230, 190, 60), QColor(255, 228, 125));
    return pixmap;
}

QPixmap Restart_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-45);
    // Body of the pencil, pointing to the lower left.
    QLinearGradient body(0, -4, 0, 4);
    body.setColorAt(0.0, QColor(255, 215, 70));
    body.setColorAt(0.5, QColor(245, 180, 30));
    body.setColorAt(1.0, QColor(200, 130, 10));
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(body);
    p.drawRect(QRectF(-8, -4, 18, 8));
    // Eraser and its metal band.
    p.setBrush(QColor(235, 120, 140));
    p.drawRoundedRect(QRectF(12, -4, 4, 8), 1.5, 1.5);
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(10, -4, 2.5, 8));
    // Sharpened wood and the lead.
    QPainterPath tip;
    tip.moveTo(-8, -4);
    tip.lineTo(-15, 0);
    tip.lineTo(-8, 4);
    tip.closeSubpath();
    p.setBrush(QColor(240, 205, 160));
    p.drawPath(tip);
    QPainterPath lead;
    lead.moveTo(-12.5, -1.4);
    lead.lineTo(-15, 0);
    lead.lineTo(-12.5, 1.4);
    lead.closeSubpath();
    p.setBrush(QColor(50, 50, 50));
    p.drawPath(lead);
    return pixmap;
}

QPixmap Undo_Image() {
    return Bent_Arrow(false);
}

QPixmap Redo_Image() {
    return Bent_Arrow(true);
}

QPixmap Hint_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays round the bulb.
    p.setPen(QPen(QColor(230, 170, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(16, 12);
    for (int k = 0; k < 7; ++k) {
        const double angle = (180.0 + 30.0 * k) * 3.14159265358979 / 180.0;
        const QPointF direction(std::cos(angle), std::sin(angle));
        p.drawLine(centre + direction * 11.5, centre + direction * 14.5);
    }
    // The glass.
    QRadialGradient glow(QPointF(13.5, 9.5), 10);
    glow.setColorAt(0.0, QColor(255, 255, 235));
    glow.setColorAt(0.5, QColor(255, 235, 120));
    glow.setColorAt(1.0, QColor(240, 190, 30));
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(glow);
    QPainterPath glass;
    glass.moveTo(12, 21);
    glass.cubicTo(11.5, 17.5, 7.5, 16, 7.5, 11.5);
    glass.cubicTo(7.5, 6.5, 11.5, 3, 16, 3);
    glass.cubicTo(20.5, 3, 24.5, 6.5, 24.5, 11.5);
    glass.cubicTo(24.5, 16, 20.5, 17.5, 20, 21);
    glass.closeSubpath();
    p.drawPath(glass);
    // The screw base.
    p.setBrush(QColor(175, 175, 185));
    p.setPen(QPen(QColor(90, 90, 100), 1));
    p.drawRoundedRect(QRectF(12, 21, 8, 6), 1.5, 1.5);
    p.drawLine(QPointF(12, 23.5), QPointF(20, 23.5));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(13.5, 27, 5, 2.5), 1, 1);
    return pixmap;
}

QPixmap New_Puzzle_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A sheet with a small grid of three by three blocks.
    p.setPen(QPen(QColor(70, 70, 80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 6.5, 21, 21));
    p.setPen(QPen(QColor(170, 170, 180), 0.8));
    for (int k = 1; k < 9; ++k) {
        if (k % 3 != 0) {
            p.drawLine(QPointF(3.5 + k * 21.0 / 9, 6.5), QPointF(3.5 + k * 21.0 / 9, 27.5));
            p.drawLine(QPointF(3.5, 6.5 + k * 21.0 / 9), QPointF(24.5, 6.5 + k * 21.0 / 9));
        }
    }
    p.setPen(QPen(QColor(40, 40, 50), 1.2));
    for (int k = 1; k < 3; ++k) {
        p.drawLine(QPointF(3.5 + k * 7.0, 6.5), QPointF(3.5 + k * 7.0, 27.5));
        p.drawLine(QPointF(3.5, 6.5 + k * 7.0), QPointF(24.5, 6.5 + k * 7.0));
    }
    // A star in the top right corner: the puzzle is new.
    QPainterPath star;
    const QPointF centre(24, 8);
    for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? 7.5 : 3.2;
        const double angle = (-90.0 + 36.0 * k) * 3.14159265358979 / 180.0;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (k == 0) {
            star.moveTo(point);
        } else {
            star.lineTo(point);
        }
    }
    star.closeSubpath();
    QRadialGradient shine(centre, 8);
    shine.setColorAt(0.0, QColor(255, 250, 200));
    shine.setColorAt(1.0, QColor(250, 190, 20));
    p.setPen(QPen(QColor(170, 110, 0), 1));
    p.setBrush(shine);
    p.drawPath(star);
    return pixmap;
}

QPixmap Notes_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A cell with small numbers noted in it, and a pencil across its corner.
    p.setPen(QPen(QColor(70, 70, 80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 3.5, 22, 22));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(7);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(130, 0, 180));
    const char* noted[3] = {"1 3", " 5 ", "7  "};
    for (int line = 0; line < 3; ++line) {
        p.drawText(QRectF(4, 4 + line * 7, 21, 7), Qt::AlignCenter,
                   QString::fromLatin1(noted[line]));
    }
    p.save();
    p.translate(26, 26);
    p.rotate(-45);
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(250, 200, 60));
    p.drawRect(QRectF(-2.5, -14, 5, 11));
    p.setBrush(QColor(240, 210, 170));
    QPainterPath tip;
    tip.moveTo(-2.5, -3);
    tip.lineTo(2.5, -3);
    tip.lineTo(0, 2);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
    return pixmap;
}

QPixmap Marks_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Two cells with the same number, the second underlined in red, and a highlighted third.
    p.setPen(QPen(QColor(70, 70, 80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 9.5, 13, 13));
    p.drawRect(QRectF(15.5, 9.5, 13, 13));
    p.fillRect(QRectF(3, 10, 12, 12), QColor(255, 200, 0, 140));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(2.5, 9.5, 13, 13), Qt::AlignCenter, QStringLiteral("5"));
    p.drawText(QRectF(15.5, 9.5, 13, 13), Qt::AlignCenter, QStringLiteral("5"));
    p.fillRect(QRectF(18, 20, 8, 2), QColor(220, 0, 0));
    QPainterPath corner;
    corner.moveTo(28.5, 9.5);
    corner.lineTo(24.5, 9.5);
    corner.lineTo(28.5, 13.5);
    corner.closeSubpath();
    p.fillPath(corner, QColor(220, 0, 0));
    return pixmap;
}

QPixmap More_Image() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Three lines of a menu, with a dot before each.
    for (int k = 0; k < 3; ++k) {
        const qreal y = 9.5 + k * 7;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 170));
        p.drawEllipse(QPointF(7, y), 2.2, 2.2);
        p.setPen(QPen(QColor(60, 60, 70), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, y), QPointF(27, y));
    }
    return pixmap;
}
