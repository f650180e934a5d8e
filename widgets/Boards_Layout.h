#pragma once
// The board page: a teal scrolling page holding the info panel and one picture per board,
// each at its stored position, stacked in file order. Cell picking (pointer moves and
// clicks over the pictures) lives here too.

#include <QScrollArea>
#include <functional>

#include "model/Board_Model.h"

class QLabel;
class QFrame;
class QWidget;
class Board_Picture;
class Page_Overlay;

class TMainFrame_Boards_Layout_Page : public QScrollArea {
    Q_OBJECT
  public:
    explicit TMainFrame_Boards_Layout_Page(Puzzle_State& state, QWidget* parent = nullptr);
    ~TMainFrame_Boards_Layout_Page() override;

    // Draws board i into its picture; set by the main window (its Redraw_Board).
    std::function<void(int)> Redraw_Board;

    // Stored coordinate (20 units per cell) to page pixels: (v div 20) x 30 + 1.
    static int Page_Pixel(Integer v);

    // Appends a new empty board to the model (board number b = new index + 1) and creates its
    // picture at (left, top) page pixels, drawn once.
    void Add_Board(Integer b, Integer board_type, Integer cols, Integer rows, Integer max_number,
                   int left, int top, Flag wide_blocks);

    // Creates the picture of board i, which already exists in the model, at the page position
    // of its stored Board_Positions entry, draws it and places it above the pictures before.
    void Add_Board_Picture(int i);

    // Frees every picture (last first) and empties Sudoku_Boards and Board_Positions.
    void Clear_Boards();

    // Frees every picture but leaves the model alone (before a loaded puzzle replaces it).
    void Free_Board_Pictures();

    // The info panel shown or hidden and placed from the state, captions from the texts.
    void Show_Info_Panel();

    QFrame* info_Panel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // The widget that holds the pictures (the scrolled content).
    QWidget* Page_Content() const { return Content; }

    // The layer above the pictures: the keyboard's cursor and a hint's cells.
    Page_Overlay* Overlay() const { return Overlay_Layer; }
    // The rectangle of a board's cell on the page content, empty when the board has no
    // picture or no such cell.
    QRect Cell_Rect(int board, int col, int row) const;
    // Scrolls the page so that the cell can be seen.
    void Show_Cell(int board, int col, int row);

    // Pointer handlers, called by the pictures and the page content.
    void BoardImageMouseMove(Board_Picture* Sender, int X, int Y);
    void FrameMouseMove();
    void BoardImageClick(Board_Picture* Sender);
    void Label3Click();

    // Resizes the scrolled content so that every picture and the info panel can be reached.
    void Update_Page_Range();

    // The zoom of the page: every place and size on it times this (1 shows the page as
    // stored; the pictures are drawn at the zoom's pixel ratio by their owner, told by
    // Zoom_Changed). The hover state and the cells stay in picture pixels at 100%.
    qreal Zoom() const { return Zoom_Factor; }
    void Set_Zoom(qreal zoom);
    // The zoom at which every board of the page fits the visible part (at most `largest`).
    qreal Fitting_Zoom(qreal smallest, qreal largest) const;

  signals:
    // The zoom changed: the pictures must be drawn again at the new pixel ratio.
    void Zoom_Changed(qreal zoom);
    // A left click on a board picture: the window opens the palette for the hover cell.
    void Board_Clicked();
    // The pointer is over the bare page: the window clears its second status panel.
    void Page_Background_Entered();
    // The info panel's link was clicked with this text.
    void Link_Clicked(const QString& link);

  private:
    Puzzle_State& State;
    QWidget* Content = nullptr;
    Page_Overlay* Overlay_Layer = nullptr;
    qreal Zoom_Factor = 1.0;

    // Keeps the overlay above every picture.
    void Overlay_On_Top();
};
