#pragma once
// What the page draws above the board pictures, never into them: the keyboard's cell cursor
// and the cells a hint points at. A transparent layer over the whole page that lets every
// pointer event through to the pictures and the page beneath it.

#include <QColor>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class Page_Overlay : public QWidget {
    Q_OBJECT
  public:
    // How a highlighted cell is marked.
    enum class Mark {
        Unit,      // a cell of a row, column, block or region the reasoning uses
        Reason,    // a cell the reasoning starts from
        Target,    // the cell that gets the number
        Eliminate, // a cell that loses a candidate
        Wrong,     // an entry that differs from the solution
    };
    struct Highlight {
        int Board = 0;
        int Col = 0;
        int Row = 0;
        Mark How = Mark::Unit;
    };

    explicit Page_Overlay(QWidget* parent);

    // The page rectangle of a board's cell, or an empty rectangle when it has none.
    std::function<QRect(int board, int col, int row)> Cell_Rect;

    void Set_Cursor(int board, int col, int row);
    void Hide_Cursor();
    bool Cursor_Shown() const { return Cursor_Board >= 0; }

    void Set_Highlights(std::vector<Highlight> highlights);
    void Clear_Highlights();
    const std::vector<Highlight>& Highlights() const { return Marks; }

    static QColor Cursor_Colour();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int Cursor_Board = -1;
    int Cursor_Col = 0;
    int Cursor_Row = 0;
    std::vector<Highlight> Marks;
};
