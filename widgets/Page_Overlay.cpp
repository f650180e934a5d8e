#include "widgets/Page_Overlay.h"

#include <QPainter>

Page_Overlay::Page_Overlay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

QColor Page_Overlay::Cursor_Colour() {
    return QColor(255, 128, 0);
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
    // Units first, so that the cells the reasoning names are drawn over them.
    for (const Mark pass : {Mark::Unit, Mark::Reason, Mark::Eliminate, Mark::Target, Mark::Wrong}) {
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
                p.setPen(QPen(QColor(220, 0, 0), 3));
                p.drawRect(cell.adjusted(2, 2, -2, -2));
                break;
            }
        }
    }
    if (Cursor_Board >= 0) {
        const QRect cell = Cell_Rect(Cursor_Board, Cursor_Col, Cursor_Row);
        if (!cell.isEmpty()) {
            p.setPen(QPen(Cursor_Colour(), 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
}
