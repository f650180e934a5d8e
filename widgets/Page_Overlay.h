#pragma once
// What the page draws above the board pictures, never into them: the keyboard's cell cursor,
// the cells a hint points at, the player's notes, the cells whose numbers clash and the cells
// of a highlighted number. A transparent layer over the whole page that lets every pointer
// event through to the pictures and the page beneath it.

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class Page_Overlay : public QWidget {
    Q_OBJECT
  public:
    // A cell on the page.
    struct Cell {
        int Board = 0;
        int Col = 0;
        int Row = 0;
    };
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
        int Number = 0;  // the number an elimination removes (drawn struck through at its place)
        int Numbers = 9; // the board's highest number, for where that number's place is
    };
    // A link of a chain between two candidates: strong (one of them is true) or weak (not both).
    struct Link {
        Cell From;
        Cell To;
        int Number_From = 0;
        int Number_To = 0;
        bool Strong = false;
        int Numbers = 9;
    };
    // A board's place on the page and its number, as the page shows them.
    struct Board_Label {
        int Board = 0;
        QRect Area; // the board's picture on the page
        bool Outlined = false;
    };

    // The player's notes of one cell, as bits (bit n-1 = n), on a board of Numbers numbers.
    // Where the picture shows the candidate labels (Labels_Shown), a noted candidate is
    // ringed where its label stands and a note that is no longer a candidate is written in
    // the labels' gap; otherwise every note is written in the label's place.
    struct Cell_Notes {
        int Board = 0;
        int Col = 0;
        int Row = 0;
        std::uint32_t Notes = 0;
        int Numbers = 9;
        bool Labels_Shown = false;
        std::uint32_t Candidates = 0;
    };

    explicit Page_Overlay(QWidget* parent);

    // How number n is written on a board (its digit, letter or symbol).
    std::function<QString(int board, int n)> Number_Text;

    // The page rectangle of a board's cell, or an empty rectangle when it has none.
    std::function<QRect(int board, int col, int row)> Cell_Rect;

    void Set_Cursor(int board, int col, int row);
    void Hide_Cursor();
    bool Cursor_Shown() const { return Cursor_Board >= 0; }

    void Set_Highlights(std::vector<Highlight> highlights);
    void Clear_Highlights();
    const std::vector<Highlight>& Highlights() const { return Marks; }

    // The player's marks: notes, clashing numbers, the cells of a highlighted number.
    void Set_Notes(std::vector<Cell_Notes> notes);
    void Set_Conflicts(std::vector<Cell> cells);
    void Set_Number_Highlight(std::vector<Cell> cells);
    const std::vector<Cell_Notes>& Notes() const { return Note_Marks; }
    const std::vector<Cell>& Conflicts() const { return Conflict_Cells; }
    const std::vector<Cell>& Number_Highlight() const { return Number_Cells; }
    // A chain's links, drawn as arrows between the candidates' places (strong solid, weak
    // dashed).
    void Set_Links(std::vector<Link> links);
    const std::vector<Link>& Links() const { return Chain_Links; }
    // Every board's number at its corner, and an outline round the ones marked.
    void Set_Board_Labels(std::vector<Board_Label> labels);
    const std::vector<Board_Label>& Board_Labels() const { return Labels; }
    // A text shown in the middle of the page while it holds no board (empty: none).
    void Set_Empty_Text(const QString& text);
    const QString& Empty_Text() const { return Empty_Page_Text; }

    // In note mode the cursor is drawn in the notes' colour.
    void Set_Note_Mode(bool on);
    bool Note_Mode() const { return Note_Mode_On; }

    static QColor Cursor_Colour();
    static QColor Note_Cursor_Colour();
    static QColor Note_Colour();
    static QColor Conflict_Colour();
    static QColor Number_Highlight_Colour();
    // Where the note of number n sits in a cell of the given side, on a board of `numbers`
    // numbers: in the grid the candidate labels use (three lines of three on a 9x9 board, two
    // lines of three on a 6x6 board, square grids beyond).
    static QPointF Note_Spot(int numbers, int n, qreal side);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int Cursor_Board = -1;
    int Cursor_Col = 0;
    int Cursor_Row = 0;
    std::vector<Highlight> Marks;
    std::vector<Cell_Notes> Note_Marks;
    std::vector<Cell> Conflict_Cells;
    std::vector<Cell> Number_Cells;
    bool Note_Mode_On = false;
    std::vector<Link> Chain_Links;
    std::vector<Board_Label> Labels;
    QString Empty_Page_Text;

    void Paint_Notes(QPainter& p, const Cell_Notes& notes, const QRect& cell) const;
    template <typename T> void Replace_Cells(std::vector<T>& kept, std::vector<T> now);
    void Paint_Links(QPainter& p) const;
    void Paint_Board_Labels(QPainter& p) const;
};
