#include "widgets/Page_Overlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

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

namespace {

bool Same(const Page_Overlay::Cell& a, const Page_Overlay::Cell& b) {
    return a.Board == b.Board && a.Col == b.Col && a.Row == b.Row;
}

bool Same(const Page_Overlay::Cell_Notes& a, const Page_Overlay::Cell_Notes& b) {
    return a.Board == b.Board && a.Col == b.Col && a.Row == b.Row && a.Notes == b.Notes &&
           a.Numbers == b.Numbers && a.Labels_Shown == b.Labels_Shown &&
           a.Candidates == b.Candidates;
}

bool Same(const Page_Overlay::Board_Label& a, const Page_Overlay::Board_Label& b) {
    return a.Board == b.Board && a.Area == b.Area && a.Outlined == b.Outlined;
}

template <typename T> bool Same_Lists(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](const T& x, const T& y) { return Same(x, y); });
}

} // namespace

// Only the cells whose marks change are painted again: the layer is transparent, so what it
// repaints is painted from the pictures up.
template <typename T> void Page_Overlay::Replace_Cells(std::vector<T>& kept, std::vector<T> now) {
    if (Same_Lists(kept, now)) {
        return;
    }
    QRegion changed;
    for (const std::vector<T>* list : {&kept, &now}) {
        for (const T& at : *list) {
            changed += Cell_Rect ? Cell_Rect(at.Board, at.Col, at.Row) : QRect();
        }
    }
    kept = std::move(now);
    update(changed);
}

void Page_Overlay::Set_Notes(std::vector<Cell_Notes> notes) {
    Replace_Cells(Note_Marks, std::move(notes));
}

void Page_Overlay::Set_Conflicts(std::vector<Cell> cells) {
    Replace_Cells(Conflict_Cells, std::move(cells));
}

void Page_Overlay::Set_Number_Highlight(std::vector<Cell> cells) {
    Replace_Cells(Number_Cells, std::move(cells));
}

void Page_Overlay::Set_Links(std::vector<Link> links) {
    Chain_Links = std::move(links);
    update();
}

void Page_Overlay::Set_Board_Labels(std::vector<Board_Label> labels) {
    if (Same_Lists(Labels, labels)) {
        return;
    }
    // A board's outline and number tab lie round its picture, a few pixels out and above.
    QRegion changed;
    for (const std::vector<Board_Label>* list : {&Labels, &labels}) {
        for (const Board_Label& label : *list) {
            const QRect outer = label.Area.adjusted(-6, -40, 6, 6);
            changed += QRegion(outer).subtracted(label.Area.adjusted(6, 30, -6, -6));
        }
    }
    Labels = std::move(labels);
    update(changed);
}

void Page_Overlay::Set_Empty_Text(const QString& text) {
    if (Empty_Page_Text != text) {
        Empty_Page_Text = text;
        update();
    }
}

void Page_Overlay::Paint_Links(QPainter& p) const {
    for (const Link& link : Chain_Links) {
        const QRect from = Cell_Rect(link.From.Board, link.From.Col, link.From.Row);
        const QRect to = Cell_Rect(link.To.Board, link.To.Col, link.To.Row);
        if (from.isEmpty() || to.isEmpty()) {
            continue;
        }
        const QPointF a =
            QPointF(from.topLeft()) + Note_Spot(link.Numbers, link.Number_From, from.height());
        const QPointF b =
            QPointF(to.topLeft()) + Note_Spot(link.Numbers, link.Number_To, to.height());
        const qreal length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length < 1) {
            continue;
        }
        // Stop short of the candidates so that their numbers stay readable.
        const QPointF unit((b.x() - a.x()) / length, (b.y() - a.y()) / length);
        const qreal gap = from.height() * 0.12;
        const QPointF start = a + unit * gap;
        const QPointF end = b - unit * gap;
        QPen pen(link.Strong ? QColor(0, 90, 200, 220) : QColor(230, 110, 0, 220),
                 std::max(1.0, from.height() / 20.0));
        pen.setStyle(link.Strong ? Qt::SolidLine : Qt::DashLine);
        p.setPen(pen);
        p.drawLine(start, end);
        // The arrow's head.
        const QPointF side(-unit.y(), unit.x());
        const qreal head = from.height() * 0.15;
        const QPointF tip[3] = {end, end - unit * head + side * head * 0.5,
                                end - unit * head - side * head * 0.5};
        p.setPen(Qt::NoPen);
        p.setBrush(pen.color());
        p.drawPolygon(tip, 3);
        p.setBrush(Qt::NoBrush);
    }
}

void Page_Overlay::Paint_Board_Labels(QPainter& p) const {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    for (const Board_Label& label : Labels) {
        if (label.Area.isEmpty()) {
            continue;
        }
        const qreal s = std::max(1.0, label.Area.width() / 270.0);
        if (label.Outlined) {
            p.setPen(QPen(QColor(0, 110, 220, 210), std::max(2.0, 3 * s)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(label.Area).adjusted(-2, -2, 1, 1));
        }
        // The number in a small tab on the board's top left corner, outside the cells where
        // the page has room above the board, else over the corner cell's top edge.
        font.setPixelSize(std::max(9, static_cast<int>(11 * std::min(s, 2.0))));
        p.setFont(font);
        const QString text = QString::number(label.Board + 1);
        const QFontMetrics metrics(font);
        const int w = metrics.horizontalAdvance(text) + 8;
        const int h = metrics.height() + 1;
        QRect tab(label.Area.left(), label.Area.top() - h - 1, w, h);
        const bool room = tab.top() >= 0 &&
                          std::none_of(Labels.begin(), Labels.end(), [&](const Board_Label& other) {
                              return other.Board != label.Board && other.Area.intersects(tab);
                          });
        if (!room) {
            tab.moveTop(label.Area.top());
        }
        p.fillRect(tab, label.Outlined ? QColor(0, 110, 220) : QColor(40, 40, 40, 200));
        p.setPen(Qt::white);
        p.drawText(tab, Qt::AlignCenter, text);
    }
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
    if (Cell_Rect && Cursor_Board >= 0) {
        update(Cell_Rect(Cursor_Board, Cursor_Col, Cursor_Row));
    }
    Cursor_Board = board;
    Cursor_Col = col;
    Cursor_Row = row;
    if (Cell_Rect) {
        update(Cell_Rect(board, col, row));
    } else {
        update();
    }
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
            case Mark::Eliminate: {
                // The number it removes, in red and struck through, where its label stands.
                const qreal side = cell.height();
                const QPointF spot =
                    QPointF(cell.topLeft()) + Note_Spot(h.Numbers, std::max(1, h.Number), side);
                const qreal box = side * 0.26;
                const QRectF place(spot.x() - box / 2, spot.y() - box / 2, box, box);
                p.fillRect(place, QColor(255, 255, 255, 230));
                QFont font(QStringLiteral("Liberation Sans"));
                font.setBold(true);
                font.setPixelSize(std::max(6, static_cast<int>(side * 0.30)));
                p.setFont(font);
                p.setPen(QColor(220, 0, 0));
                p.drawText(place, Qt::AlignCenter,
                           Number_Text ? Number_Text(h.Board, h.Number)
                                       : QString::number(h.Number));
                p.setPen(QPen(QColor(220, 0, 0), std::max(1.0, side / 22.0)));
                p.drawLine(place.bottomLeft(), place.topRight());
                break;
            }
            case Mark::Target: {
                // A target: a green ring round the cell's middle, not a cross.
                p.fillRect(cell, QColor(0, 200, 60, 70));
                p.setPen(QPen(QColor(0, 140, 40), std::max(2.0, cell.height() / 10.0)));
                p.setRenderHint(QPainter::Antialiasing, true);
                const qreal r = cell.height() * 0.40;
                p.drawEllipse(QPointF(cell.center()) + QPointF(0.5, 0.5), r, r);
                p.setRenderHint(QPainter::Antialiasing, false);
                break;
            }
            case Mark::Wrong:
                break;
            }
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    Paint_Links(p);
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
    Paint_Board_Labels(p);
    if (!Empty_Page_Text.isEmpty()) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(16);
        p.setFont(font);
        const QRect box = rect().adjusted(20, 20, -20, -20);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, Empty_Page_Text);
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
