#include "widgets/Boards_Layout.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/Board_Geometry.h"
#include "model/Cp1252.h"
#include "render/Board_Drawing.h"
#include "render/Page_Render.h"
#include "widgets/Board_Picture.h"
#include "widgets/Page_Overlay.h"

namespace {

// Integer division rounding towards minus infinity, so that a position just left of or
// above a picture never gives column or row 0.
int Floor_Div(int value, int divisor) {
    const int q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

// The scrolled content: the teal page itself. Pointer moves that reach it are moves over
// the bare page (pictures and the info panel keep theirs).
class Page_Canvas : public QWidget {
  public:
    Page_Canvas(TMainFrame_Boards_Layout_Page* page, QWidget* parent)
        : QWidget(parent), Page(page) {
        setMouseTracking(true);
    }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        event->accept();
        Page->FrameMouseMove();
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (Page->Overlay() != nullptr) {
            Page->Overlay()->setGeometry(rect());
        }
    }

  private:
    TMainFrame_Boards_Layout_Page* Page;
};

// The info panel's link label: a left click (press and release on it) opens the link.
class Link_Label : public QLabel {
  public:
    Link_Label(TMainFrame_Boards_Layout_Page* page, QWidget* parent) : QLabel(parent), Page(page) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        Pressed = event->button() == Qt::LeftButton;
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        const bool click = Pressed && event->button() == Qt::LeftButton &&
                           rect().contains(event->position().toPoint());
        Pressed = false;
        if (click) {
            Page->Label3Click();
        }
    }

  private:
    TMainFrame_Boards_Layout_Page* Page;
    bool Pressed = false;
};

void Paint_Teal(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Colour_Of(Colour_Teal));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Creates the picture of board i at (left, top), draws it and puts it above every
// picture before it.
void Create_Picture(TMainFrame_Boards_Layout_Page* page, Puzzle_State& state, int i, int left,
                    int top) {
    auto* picture = new Board_Picture(page->Page_Content());
    picture->Tag = i;
    picture->Set_Zoom(page->Zoom());
    QObject::connect(picture, &Board_Picture::Mouse_Moved, page,
                     &TMainFrame_Boards_Layout_Page::BoardImageMouseMove);
    QObject::connect(picture, &Board_Picture::Clicked, page,
                     &TMainFrame_Boards_Layout_Page::BoardImageClick);
    state.Sudoku_Boards[i].Board_Image = picture;
    if (page->Redraw_Board) {
        page->Redraw_Board(i);
    }
    picture->move(static_cast<int>(std::lround(left * page->Zoom())),
                  static_cast<int>(std::lround(top * page->Zoom())));
    picture->show();
    picture->raise();
    if (page->Overlay() != nullptr) {
        page->Overlay()->raise();
    }
    page->Update_Page_Range();
}

} // namespace

TMainFrame_Boards_Layout_Page::TMainFrame_Boards_Layout_Page(Puzzle_State& state, QWidget* parent)
    : QScrollArea(parent), State(state) {
    Install_Font_Substitutions();
    setFrameShape(QFrame::NoFrame);
    Paint_Teal(this);
    Paint_Teal(viewport());
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    Content = new Page_Canvas(this, nullptr);
    Paint_Teal(Content);

    info_Panel = new QFrame(Content);
    info_Panel->setObjectName(QStringLiteral("info_Panel"));
    info_Panel->setGeometry(10, 8, Info_Panel_Width, Info_Panel_Height);
    // Lowered outer and raised inner bevel: an etched groove round the panel.
    info_Panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    info_Panel->setLineWidth(1);
    info_Panel->setMidLineWidth(0);
    Paint_Teal(info_Panel);
    // The panel is a child of the page, not the bare page: moves over it are not the
    // page background's.
    info_Panel->setAttribute(Qt::WA_NoMousePropagation);

    Label1 = new QLabel(info_Panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(Info_Panel_Font(false));
    Label1->setText(QStringLiteral("Samurai (Easy)"));
    Label1->move(Info_Title_Left, Info_Title_Top);
    Label1->adjustSize();

    Label2 = new QLabel(info_Panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setFont(Info_Panel_Font(false));
    Label2->setText(QStringLiteral("Website: "));
    Label2->move(Info_Website_Left, Info_Website_Top);
    Label2->adjustSize();

    Label3 = new Link_Label(this, info_Panel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(Info_Panel_Font(true));
    QPalette link_palette = Label3->palette();
    link_palette.setColor(QPalette::WindowText, Colour_Of(Colour_Silver));
    Label3->setPalette(link_palette);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->move(Info_Link_Left, Info_Link_Top);
    Label3->adjustSize();

    info_Panel->hide();

    Overlay_Layer = new Page_Overlay(Content);
    Overlay_Layer->setObjectName(QStringLiteral("Page_Overlay"));
    Overlay_Layer->Cell_Rect = [this](int board, int col, int row) {
        return Cell_Rect(board, col, row);
    };
    Overlay_Layer->setGeometry(Content->rect());
    Overlay_Layer->show();

    setWidget(Content);
    // The content fills at least the visible part of the page, so that every spot not
    // covered by a child is the bare page; it grows beyond it as the boards need.
    setWidgetResizable(true);
    Update_Page_Range();
}

TMainFrame_Boards_Layout_Page::~TMainFrame_Boards_Layout_Page() {
    // The model outlives the page: leave it no pointer to a freed picture.
    Free_Board_Pictures();
}

int TMainFrame_Boards_Layout_Page::Page_Pixel(Integer v) {
    return ::Page_Pixel(v);
}

void TMainFrame_Boards_Layout_Page::Add_Board(Integer /*b*/, Integer board_type, Integer cols,
                                              Integer rows, Integer max_number, int left, int top,
                                              Flag wide_blocks) {
    // The new board's index is its number less one: the model appends it at the end.
    const int i = Add_Board_Model(State, board_type, cols, rows, max_number, wide_blocks);
    Create_Picture(this, State, i, left, top);
}

void TMainFrame_Boards_Layout_Page::Add_Board_Picture(int i) {
    if (i < 0 || i >= static_cast<int>(State.Sudoku_Boards.size())) {
        return;
    }
    // A picture the board already has is replaced, not leaked.
    Picture_Link& old = State.Sudoku_Boards[i].Board_Image;
    if (old != nullptr &&
        Content->findChildren<Board_Picture*>(Qt::FindDirectChildrenOnly).contains(old)) {
        delete old.Get();
    }
    old = nullptr;
    Board_Position position;
    if (i < static_cast<int>(State.Board_Positions.size())) {
        position = State.Board_Positions[i];
    }
    Create_Picture(this, State, i, Page_Pixel(position.X), Page_Pixel(position.Y));
}

void TMainFrame_Boards_Layout_Page::Free_Board_Pictures() {
    const QList<Board_Picture*> owned =
        Content->findChildren<Board_Picture*>(Qt::FindDirectChildrenOnly);
    for (int i = static_cast<int>(State.Sudoku_Boards.size()) - 1; i >= 0; --i) {
        Picture_Link& picture = State.Sudoku_Boards[i].Board_Image;
        if (picture != nullptr && owned.contains(picture)) {
            delete picture.Get();
        }
        picture = nullptr;
    }
    // Pictures no board names any more (the model was replaced under them) go as well.
    const QList<Board_Picture*> rest =
        Content->findChildren<Board_Picture*>(Qt::FindDirectChildrenOnly);
    for (auto it = rest.rbegin(); it != rest.rend(); ++it) {
        delete *it;
    }
    Update_Page_Range();
}

void TMainFrame_Boards_Layout_Page::Clear_Boards() {
    Free_Board_Pictures();
    State.Sudoku_Boards.clear();
    State.Board_Positions.clear();
}

void TMainFrame_Boards_Layout_Page::Show_Info_Panel() {
    Label1->setText(QString::fromStdString(Cp1252_To_Utf8(State.Puzzle_Title.Text())));
    Label1->adjustSize();
    Label3->setText(QString::fromStdString(Cp1252_To_Utf8(State.Puzzle_Link.Text())));
    Label3->adjustSize();
    info_Panel->move(static_cast<int>(std::lround(State.Info_Left * Zoom_Factor)),
                     static_cast<int>(std::lround(State.Info_Top * Zoom_Factor)));
    info_Panel->setVisible(State.Info_Visible != 0);
    Update_Page_Range();
}

void TMainFrame_Boards_Layout_Page::BoardImageMouseMove(Board_Picture* Sender, int X, int Y) {
    if (Sender == nullptr) {
        return;
    }
    if (Sender->Tag != State.Current_Board) {
        State.Current_Board = Sender->Tag;
        Sender->raise();
        Overlay_On_Top();
    }
    State.Mouse_Col = Floor_Div(X, Cell_Size);
    State.Mouse_Row = Floor_Div(Y, Cell_Size);
}

void TMainFrame_Boards_Layout_Page::Overlay_On_Top() {
    if (Overlay_Layer != nullptr) {
        Overlay_Layer->raise();
    }
}

QRect TMainFrame_Boards_Layout_Page::Cell_Rect(int board, int col, int row) const {
    if (!Cell_Exists(State, board, col, row)) {
        return {};
    }
    const Board_Picture* picture = State.Sudoku_Boards[board].Board_Image;
    if (picture == nullptr) {
        return {};
    }
    if (Zoom_Factor == 1.0) {
        return QRect(picture->pos() + QPoint(col * Cell_Size, row * Cell_Size),
                     QSize(Cell_Size, Cell_Size));
    }
    const auto at = [this](int v) { return static_cast<int>(std::lround(v * Zoom_Factor)); };
    const QPoint corner = picture->pos() + QPoint(at(col * Cell_Size), at(row * Cell_Size));
    return QRect(corner, picture->pos() +
                             QPoint(at((col + 1) * Cell_Size) - 1, at((row + 1) * Cell_Size) - 1));
}

void TMainFrame_Boards_Layout_Page::Show_Cell(int board, int col, int row) {
    const QRect cell = Cell_Rect(board, col, row);
    if (!cell.isEmpty()) {
        ensureVisible(cell.center().x(), cell.center().y(), cell.width(), cell.height());
    }
}

void TMainFrame_Boards_Layout_Page::Set_Zoom(qreal zoom) {
    if (zoom <= 0 || zoom == Zoom_Factor) {
        return;
    }
    Zoom_Factor = zoom;
    for (int i = 0; i < static_cast<int>(State.Sudoku_Boards.size()); ++i) {
        Board_Picture* picture = State.Sudoku_Boards[i].Board_Image;
        if (picture == nullptr) {
            continue;
        }
        picture->Set_Zoom(zoom);
        Board_Position position;
        if (i < static_cast<int>(State.Board_Positions.size())) {
            position = State.Board_Positions[i];
        }
        picture->move(static_cast<int>(std::lround(Page_Pixel(position.X) * zoom)),
                      static_cast<int>(std::lround(Page_Pixel(position.Y) * zoom)));
    }
    info_Panel->move(static_cast<int>(std::lround(State.Info_Left * zoom)),
                     static_cast<int>(std::lround(State.Info_Top * zoom)));
    emit Zoom_Changed(zoom);
    Update_Page_Range();
    Overlay_Layer->update();
}

qreal TMainFrame_Boards_Layout_Page::Fitting_Zoom(qreal smallest, qreal largest) const {
    QRect area;
    for (int i = 0; i < static_cast<int>(State.Sudoku_Boards.size()); ++i) {
        Board_Position position;
        if (i < static_cast<int>(State.Board_Positions.size())) {
            position = State.Board_Positions[i];
        }
        const int side = State.Sudoku_Boards[i].Max_Number * Cell_Size;
        area = area.united(QRect(Page_Pixel(position.X), Page_Pixel(position.Y), side, side));
    }
    if (area.isEmpty()) {
        return 1.0;
    }
    const QSize room = viewport()->size();
    const qreal across = (room.width() - 2.0 * Page_Render_Margin) / (area.right() + 1.0);
    const qreal down = (room.height() - 2.0 * Page_Render_Margin) / (area.bottom() + 1.0);
    return std::clamp(std::min(across, down), smallest, largest);
}

void TMainFrame_Boards_Layout_Page::FrameMouseMove() {
    State.Mouse_Col = -1;
    State.Mouse_Row = -1;
    emit Page_Background_Entered();
}

void TMainFrame_Boards_Layout_Page::BoardImageClick(Board_Picture* /*Sender*/) {
    // The palette works on the hover state, not on the clicked picture.
    emit Board_Clicked();
}

void TMainFrame_Boards_Layout_Page::Label3Click() {
    emit Link_Clicked(Label3->text());
}

void TMainFrame_Boards_Layout_Page::Update_Page_Range() {
    if (Content == nullptr) {
        return;
    }
    QRect area(0, 0, 0, 0);
    for (Board_Picture* picture :
         Content->findChildren<Board_Picture*>(Qt::FindDirectChildrenOnly)) {
        area = area.united(picture->geometry());
    }
    if (info_Panel != nullptr && !info_Panel->isHidden()) {
        area = area.united(info_Panel->geometry());
    }
    const auto extent = [](int far_edge) {
        const std::int64_t size = static_cast<std::int64_t>(far_edge) + 1 + Page_Render_Margin;
        return static_cast<int>(std::clamp<std::int64_t>(size, 0, QWIDGETSIZE_MAX));
    };
    Content->setMinimumSize(extent(area.right()), extent(area.bottom()));
    Content->updateGeometry();
}
