#include "widgets/Page_Overlay.h"

#include <QPainter>
#include <algorithm>

Page_Overlay::Page_Overlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

QColor Page_Overlay::Cursor_Colour() {
    return QColor(255, 128, 0);
}

QColor Page_Overlay::Note_Cursor_Colour() {
    return QColor(150, 0, 200);
}

QColor Page_Overlay::Note_Colour() {
    return QColor(130, 0, 180);
}

QColor Page_Overlay::Conflict_Colour() {
    return QColor(220, 0, 0);
}

QColor Page_Overlay::Number_Highlight_Colour() {
    return QColor(255, 200, 0, 95);
}

QPointF Page_Overlay::Note_Spot(int numbers, int n, qreal side) {
    // The label grid: lines of three numbers for up to nine, square grids beyond. On a
    // 30-pixel cell the labels' numbers stand 6 pixels apart across the middle; three lines
    // sit at the top, the middle and the bottom, two just above and below the middle.
    int per_line = 3;
    while (per_line * per_line < numbers) {
        ++per_line;
    }
    const int lines = (numbers + per_line - 1) / per_line;
    const int line = (n - 1) / per_line;
    const int place = (n - 1) % per_line;
    const qreal across = side * 0.2;
    const qreal down = lines == 2 ? side * 0.3 : lines == 3 ? side / 3 : side * 0.2;
    return {side / 2 + (place - (per_line - 1) / 2.0) * across,
            side / 2 + (line - (lines - 1) / 2.0) * down};
}

void Page_Overlay::Set_Notes(std::vector<Cell_Notes> notes) {
    Note_Marks = std::move(notes);
    update();
}

void Page_Overlay::Set_Conflicts(std::vector<Cell> cells) {
    Conflict_Cells = std::move(cells);
    update();
}

void Page_Overlay::Set_Number_Highlight(std::vector<Cell> cells) {
    Number_Cells = std::move(cells);
    update();
}

void Page_Overlay::Set_Note_Mode(bool on) {
    if (Note_Mode_On != on) {
        Note_Mode_On = on;
        update();
    }
}

void Page_Overlay::Paint_Notes(QPainter& p, const Cell_Notes& notes, const QRect& cell) const {
    const qreal side = cell.height();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(side * (notes.Numbers > 9 ? 0.22 : 0.30))));
    p.setFont(font);
    const qreal box = side * 0.24;
    for (int n = 1; n <= notes.Numbers && n <= 32; ++n) {
        if ((notes.Notes >> (n - 1) & 1u) == 0) {
            continue;
        }
        const QPointF centre = QPointF(cell.topLeft()) + Note_Spot(notes.Numbers, n, side);
        const QRectF spot(centre.x() - box / 2, centre.y() - box / 2, box, box);
        const bool labelled = notes.Labels_Shown && (notes.Candidates >> (n - 1) & 1u) != 0;
        if (labelled) {
            // The label already writes the number: ring it.
            p.setPen(QPen(Note_Colour(), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(spot.adjusted(-0.5, -0.5, 0.5, 0.5));
            continue;
        }
        const QString text = Number_Text ? Number_Text(notes.Board, n) : QString::number(n);
        if (notes.Labels_Shown) {
            // No label stands here: the note on a pale patch so that it reads apart.
            p.fillRect(spot, QColor(255, 255, 255, 200));
        }
        p.setPen(Note_Colour());
        p.drawText(spot, Qt::AlignCenter, text);
    }
}

void Page_Overlay::Set_Cursor(int board, int col, int row) {
    Cursor_Board = board;
    Cursor_Col = col;
    Cursor_Row = row;
    update();
}

void Page_Overlay::Hide_Cursor() {
    Cursor_Board = -1;
    update();
}

void Page_Overlay::Set_Highlights(std::vector<Highlight> highlights) {
    Marks = std::move(highlights);
    update();
}

void Page_Overlay::Clear_Highlights() {
    if (!Marks.empty()) {
        Marks.clear();
        update();
    }
}

void Page_Overlay::paintEvent(QPaintEvent* /*event*/) {
    if (!Cell_Rect) {
        return;
    }
    QPainter p(this);
    // The cells of a highlighted number, beneath every other mark.
    for (const Cell& at : Number_Cells) {
        const QRect cell = Cell_Rect(at.Board, at.Col, at.Row);
        if (!cell.isEmpty()) {
            p.fillRect(cell, Number_Highlight_Colour());
        }
    }
    // Units first, so that the cells the reasoning names are drawn over them.
    for (const Mark pass : {Mark::Unit, Mark::Reason, Mark::Eliminate, Mark::Target}) {
        for (const Highlight& h : Marks) {
            if (h.How != pass) {
                continue;
            }
            const QRect cell = Cell_Rect(h.Board, h.Col, h.Row);
            if (cell.isEmpty()) {
                continue;
            }
            switch (h.How) {
            case Mark::Unit:
                p.fillRect(cell, QColor(90, 150, 255, 60));
                break;
            case Mark::Reason:
                p.fillRect(cell, QColor(255, 220, 0, 110));
                break;
            case Mark::Eliminate:
                p.setPen(QPen(QColor(220, 0, 0, 200), 2));
                p.drawLine(cell.topLeft() + QPoint(6, 6), cell.bottomRight() - QPoint(6, 6));
                p.drawLine(cell.topRight() + QPoint(-6, 6), cell.bottomLeft() + QPoint(6, -6));
                break;
            case Mark::Target:
                p.fillRect(cell, QColor(0, 200, 60, 90));
                p.setPen(QPen(QColor(0, 140, 40), 3));
                p.drawRect(cell.adjusted(2, 2, -2, -2));
                break;
            case Mark::Wrong:
                break;
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const Cell_Notes& notes : Note_Marks) {
        const QRect cell = Cell_Rect(notes.Board, notes.Col, notes.Row);
        if (!cell.isEmpty()) {
            Paint_Notes(p, notes, cell);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // A clashing number: underlined in red, with a red corner, unlike a hint's marks.
    for (const Cell& at : Conflict_Cells) {
        const QRect cell = Cell_Rect(at.Board, at.Col, at.Row);
        if (cell.isEmpty()) {
            continue;
        }
        const qreal s = cell.height() / 30.0;
        p.fillRect(QRectF(cell.left() + 6 * s, cell.top() + 24 * s, 18 * s, 3 * s),
                   Conflict_Colour());
        const QPointF corner(cell.right() + 1, cell.top());
        const QPointF triangle[3] = {corner, corner - QPointF(8 * s, 0),
                                     corner + QPointF(0, 8 * s)};
        p.setPen(Qt::NoPen);
        p.setBrush(Conflict_Colour());
        p.drawPolygon(triangle, 3);
        p.setBrush(Qt::NoBrush);
    }
    if (Cursor_Board >= 0) {
        const QRect cell = Cell_Rect(Cursor_Board, Cursor_Col, Cursor_Row);
        if (!cell.isEmpty()) {
            p.setPen(QPen(Note_Mode_On ? Note_Cursor_Colour() : Cursor_Colour(), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
    // A wrong entry's frame lies above the cursor, so that it is seen where the cursor is.
    for (const Highlight& h : Marks) {
        if (h.How != Mark::Wrong) {
            continue;
        }
        const QRect cell = Cell_Rect(h.Board, h.Col, h.Row);
        if (!cell.isEmpty()) {
            p.setPen(QPen(QColor(220, 0, 0), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(2, 2, -2, -2));
        }
    }
}
