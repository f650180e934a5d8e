// The board page: stored positions to pixels, creating, stacking and freeing the pictures,
// the scroll range, the info panel, and picking the cell under the pointer.

#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "render/Board_Drawing.h"
#include "widgets/Board_Picture.h"
#include "widgets/Boards_Layout.h"

namespace {

// A page wired to the board drawing, as the main window wires it.
struct Page_Setup {
    Puzzle_State state;
    Drawing_Resources res;
    std::unique_ptr<TMainFrame_Boards_Layout_Page> page;

    Page_Setup() {
        page = std::make_unique<TMainFrame_Boards_Layout_Page>(state);
        page->Redraw_Board = [this](int i) {
            const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[i];
            const QImage image = b.Board_Type == Board_Type_6x6
                                     ? Compose_Board_6x6(state, i, b.Max_Number, b.Wide_Blocks, res)
                                     : Compose_Board_9x9(state, i, b.Max_Number, res);
            b.Board_Image->Set_Picture(image);
        };
    }

    void Add_Nine(int left, int top) {
        const Integer b = static_cast<Integer>(state.Sudoku_Boards.size()) + 1;
        page->Add_Board(b, Board_Type_9x9, 9, 9, 9, left, top, 0);
    }

    QList<Board_Picture*> Pictures() const {
        return page->Page_Content()->findChildren<Board_Picture*>(Qt::FindDirectChildrenOnly);
    }

    // The picture on top at a point of the page.
    Board_Picture* Top_At(QPoint at) const {
        return qobject_cast<Board_Picture*>(page->Page_Content()->childAt(at));
    }

    Board_Picture* Picture(int i) const { return state.Sudoku_Boards[i].Board_Image; }

    void Show() {
        page->resize(700, 500);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    // A pointer move to a point of the page content, delivered as the window system would.
    void Move_To(QPoint at) {
        QTest::mouseMove(page->Page_Content(), at);
        QCoreApplication::processEvents();
    }
};

} // namespace

class Boards_Layout_Test : public QObject {
    Q_OBJECT
  private slots:
    void page_pixel_snaps_to_whole_cells();
    void pictures_are_placed_sized_and_stacked();
    void pictures_of_boards_already_in_the_model();
    void clearing_removes_every_picture_of_the_old_puzzle();
    void scroll_range_covers_every_board();
    void info_panel_follows_the_puzzle();
    void hover_picks_the_topmost_picture();
    void cell_boundaries_and_the_bare_page();
    void only_a_left_click_on_a_picture_opens();
};

void Boards_Layout_Test::page_pixel_snaps_to_whole_cells() {
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(0), 1);
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(19), 1);
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(20), 31);
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(120), 181);
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(130), 181);
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(139), 181);
    // Division truncates towards zero.
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(-10), 1);
    QCOMPARE(TMainFrame_Boards_Layout_Page::Page_Pixel(-20), -29);
    // A huge stored value does not wrap round to a negative position.
    QVERIFY(TMainFrame_Boards_Layout_Page::Page_Pixel(INT32_MAX) > 0);
    QVERIFY(TMainFrame_Boards_Layout_Page::Page_Pixel(INT32_MIN) < 0);
}

void Boards_Layout_Test::pictures_are_placed_sized_and_stacked() {
    Page_Setup s;
    s.Add_Nine(1, 1);
    s.page->Add_Board(2, Board_Type_6x6, 6, 6, 6, 181, 121, 1);
    s.Add_Nine(121, 91);

    QCOMPARE(s.state.Sudoku_Boards.size(), std::size_t(3));
    QCOMPARE(s.Pictures().size(), 3);
    const QRect expected[] = {{1, 1, 270, 270}, {181, 121, 180, 180}, {121, 91, 270, 270}};
    for (int i = 0; i < 3; ++i) {
        Board_Picture* picture = s.Picture(i);
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->Tag, i);
        QCOMPARE(picture->parentWidget(), s.page->Page_Content());
        QCOMPARE(picture->geometry(), expected[i]);
        QVERIFY(!picture->isHidden());
        QCOMPARE(picture->Picture().size(), expected[i].size());
    }
    // A 6x6 board was drawn as one: its picture has the 6x6 frame at the right edge.
    QCOMPARE(s.Picture(1)->Picture().pixel(179, 45), qRgb(0, 0, 0));
    // Later boards lie above earlier ones where they overlap.
    QCOMPARE(s.Top_At(QPoint(200, 200)), s.Picture(2)); // all three overlap here
    QCOMPARE(s.Top_At(QPoint(200, 100)), s.Picture(2)); // boards 0 and 2
    QCOMPARE(s.Top_At(QPoint(190, 130)), s.Picture(2));
    QCOMPARE(s.Top_At(QPoint(50, 50)), s.Picture(0));
    QCOMPARE(s.Top_At(QPoint(370, 250)), s.Picture(2));
}

void Boards_Layout_Test::pictures_of_boards_already_in_the_model() {
    Page_Setup s;
    Add_Board_Model(s.state, Board_Type_9x9, 9, 9, 9, 0);
    Add_Board_Model(s.state, Board_Type_9x9, 9, 9, 9, 0);
    s.state.Board_Positions = {{0, 0}, {120, 130}};
    s.state.Sudoku_Boards[1].Cell_Values[0][0] = 4;
    s.page->Add_Board_Picture(0);
    s.page->Add_Board_Picture(1);
    QCOMPARE(s.Pictures().size(), 2);
    QCOMPARE(s.Picture(0)->geometry(), QRect(1, 1, 270, 270));
    QCOMPARE(s.Picture(1)->geometry(), QRect(181, 181, 270, 270));
    QCOMPARE(s.Picture(1)->Tag, 1);
    QCOMPARE(s.Top_At(QPoint(200, 200)), s.Picture(1));
    // Making a board's picture again replaces the old one instead of adding a second.
    Board_Picture* old = s.Picture(1);
    QPointer<Board_Picture> watch(old);
    s.page->Add_Board_Picture(1);
    QVERIFY(watch.isNull());
    QCOMPARE(s.Pictures().size(), 2);
    // Freeing the pictures leaves the boards in the model.
    s.page->Free_Board_Pictures();
    QCOMPARE(s.Pictures().size(), 0);
    QCOMPARE(s.state.Sudoku_Boards.size(), std::size_t(2));
    QCOMPARE(s.state.Sudoku_Boards[1].Cell_Values[0][0], 4);
    QVERIFY(s.Picture(0) == nullptr && s.Picture(1) == nullptr);
}

void Boards_Layout_Test::clearing_removes_every_picture_of_the_old_puzzle() {
    Page_Setup s;
    for (int i = 0; i < 5; ++i) {
        s.Add_Nine(1 + 120 * i, 1 + 60 * i);
    }
    s.state.Board_Positions.resize(5);
    QList<QPointer<Board_Picture>> first;
    for (int i = 0; i < 5; ++i) {
        first.append(s.Picture(i));
    }
    s.page->Clear_Boards();
    QCOMPARE(s.Pictures().size(), 0);
    QVERIFY(s.state.Sudoku_Boards.empty());
    QVERIFY(s.state.Board_Positions.empty());
    for (const auto& picture : first) {
        QVERIFY(picture.isNull()); // freed, not just hidden
    }

    s.Add_Nine(1, 1);
    s.page->Add_Board(2, Board_Type_6x6, 6, 6, 6, 271, 1, 0);
    QCOMPARE(s.Pictures().size(), 2);
    QCOMPARE(s.Picture(0)->Tag, 0);
    QCOMPARE(s.Picture(1)->Tag, 1);
    QCOMPARE(s.Picture(1)->size(), QSize(180, 180));
}

void Boards_Layout_Test::scroll_range_covers_every_board() {
    Page_Setup s;
    s.Show();
    QCOMPARE(s.page->horizontalScrollBar()->maximum(), 0);
    s.Add_Nine(901, 601);
    QCoreApplication::processEvents();
    QWidget* content = s.page->Page_Content();
    QVERIFY(content->width() >= 901 + 270);
    QVERIFY(content->height() >= 601 + 270);
    QVERIFY(s.page->horizontalScrollBar()->maximum() > 0);
    QVERIFY(s.page->verticalScrollBar()->maximum() > 0);
    QVERIFY(s.page->horizontalScrollBar()->hasTracking());
    QVERIFY(s.page->verticalScrollBar()->hasTracking());
    // Scrolled to the end, the far corner of the board is in view.
    s.page->horizontalScrollBar()->setValue(s.page->horizontalScrollBar()->maximum());
    s.page->verticalScrollBar()->setValue(s.page->verticalScrollBar()->maximum());
    const QPoint corner = s.Picture(0)->mapTo(s.page->viewport(), QPoint(269, 269));
    QVERIFY(s.page->viewport()->rect().contains(corner));
    // With the boards gone the page shrinks back to the visible area.
    s.page->Clear_Boards();
    QCoreApplication::processEvents();
    QCOMPARE(s.page->horizontalScrollBar()->maximum(), 0);
    // The page is teal.
    QCOMPARE(content->palette().color(QPalette::Window), QColor(0, 128, 128));
}

void Boards_Layout_Test::info_panel_follows_the_puzzle() {
    Page_Setup s;
    QVERIFY(s.page->info_Panel->isHidden());
    QCOMPARE(s.page->info_Panel->geometry(), QRect(10, 8, 270, 49));
    QCOMPARE(s.page->Label2->text(), QStringLiteral("Website: "));

    s.state.Puzzle_Title.Assign("Caf\xE9 \x93Samurai\x94");
    s.state.Puzzle_Link.Assign("www.example.com/<b>x</b>");
    s.state.Info_Visible = 1;
    s.state.Info_Left = 300;
    s.state.Info_Top = 700;
    s.page->Show_Info_Panel();
    QVERIFY(!s.page->info_Panel->isHidden());
    QCOMPARE(s.page->info_Panel->pos(), QPoint(300, 700)); // used as stored, unconverted
    QCOMPARE(s.page->Label1->text(),
             QString::fromUtf8("Caf\xC3\xA9 \xE2\x80\x9CSamurai\xE2\x80\x9D"));
    QCOMPARE(s.page->Label3->text(), QStringLiteral("www.example.com/<b>x</b>"));
    QCOMPARE(s.page->Label3->textFormat(), Qt::PlainText);
    QVERIFY(s.page->Page_Content()->minimumHeight() >= 700 + 49);

    s.Show();
    QSignalSpy link(s.page.get(), &TMainFrame_Boards_Layout_Page::Link_Clicked);
    QTest::mouseClick(s.page->Label3, Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(link.count(), 0);
    QTest::mouseClick(s.page->Label3, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(link.count(), 1);
    QCOMPARE(link.at(0).at(0).toString(), QStringLiteral("www.example.com/<b>x</b>"));

    s.state.Info_Visible = 0;
    s.page->Show_Info_Panel();
    QVERIFY(s.page->info_Panel->isHidden());
}

void Boards_Layout_Test::hover_picks_the_topmost_picture() {
    // Two boards sharing a block: board 1 starts six cells right of board 0, so board 0's
    // columns 6 to 8 are board 1's columns 0 to 2.
    Page_Setup s;
    s.Add_Nine(1, 1);
    s.Add_Nine(181, 1);
    s.Show();
    Board_Picture* zero = s.Picture(0);
    Board_Picture* one = s.Picture(1);
    const QPoint own_zero(50, 50);
    const QPoint shared(200, 80);
    const QPoint own_one(400, 80);
    QCOMPARE(s.state.Current_Board, 0);
    QCOMPARE(s.Top_At(shared), one);

    // Board 0 is already current: entering it does not bring it to the front, so the
    // shared block entered from board 0 picks board 1's cell.
    s.Move_To(own_zero);
    QCOMPARE(s.state.Current_Board, 0);
    QCOMPARE(s.state.Mouse_Col, 1);
    QCOMPARE(s.state.Mouse_Row, 1);
    QCOMPARE(s.Top_At(shared), one);
    s.Move_To(shared);
    QCOMPARE(s.state.Current_Board, 1);
    QCOMPARE(s.state.Mouse_Col, 0);
    QCOMPARE(s.state.Mouse_Row, 2);

    // Back into board 0's own area: it becomes current and comes to the front ...
    s.Move_To(own_zero);
    QCOMPARE(s.state.Current_Board, 0);
    QCOMPARE(s.Top_At(shared), zero);
    // ... so now the shared block picks board 0's cell.
    s.Move_To(shared);
    QCOMPARE(s.state.Current_Board, 0);
    QCOMPARE(s.state.Mouse_Col, 6);
    QCOMPARE(s.state.Mouse_Row, 2);
    // On into board 1's own area: board 1 current and on top; back into the shared block
    // keeps it.
    s.Move_To(own_one);
    QCOMPARE(s.state.Current_Board, 1);
    QCOMPARE(s.Top_At(shared), one);
    s.Move_To(shared);
    QCOMPARE(s.state.Current_Board, 1);
    QCOMPARE(s.state.Mouse_Col, 0);

    // Re-entering the current picture leaves the stacking alone, even when it is below.
    zero->raise();
    s.Move_To(QPoint(300, 200)); // board 1's own area
    QCOMPARE(s.state.Current_Board, 1);
    QCOMPARE(s.Top_At(shared), zero);
}

void Boards_Layout_Test::cell_boundaries_and_the_bare_page() {
    Page_Setup s;
    s.Add_Nine(1, 1);
    s.Add_Nine(301, 1);
    s.Show();
    QSignalSpy background(s.page.get(), &TMainFrame_Boards_Layout_Page::Page_Background_Entered);
    // The picture starts at page pixel 1: page x 30 is picture x 29.
    s.Move_To(QPoint(30, 31));
    QCOMPARE(s.state.Mouse_Col, 0);
    QCOMPARE(s.state.Mouse_Row, 1);
    s.Move_To(QPoint(31, 30));
    QCOMPARE(s.state.Mouse_Col, 1);
    QCOMPARE(s.state.Mouse_Row, 0);
    s.Move_To(QPoint(270, 270)); // picture (269, 269)
    QCOMPARE(s.state.Mouse_Col, 8);
    QCOMPARE(s.state.Mouse_Row, 8);
    QCOMPARE(background.count(), 0);

    s.Move_To(QPoint(320, 100));
    QCOMPARE(s.state.Current_Board, 1);
    // Between the boards, and below them: the bare page.
    s.Move_To(QPoint(285, 100));
    QCOMPARE(s.state.Mouse_Col, -1);
    QCOMPARE(s.state.Mouse_Row, -1);
    QCOMPARE(s.state.Current_Board, 1);
    QVERIFY(background.count() >= 1);
    s.Move_To(QPoint(50, 400));
    QCOMPARE(s.state.Mouse_Col, -1);
    QCOMPARE(s.state.Current_Board, 1);

    // The info panel is a child of the page, not bare page: it leaves the hover alone.
    s.state.Info_Visible = 1;
    s.state.Info_Left = 10;
    s.state.Info_Top = 300;
    s.page->Show_Info_Panel();
    s.Move_To(QPoint(100, 100));
    QCOMPARE(s.state.Mouse_Col, 3);
    const int before = background.count();
    s.Move_To(QPoint(200, 320));
    QCOMPARE(s.state.Mouse_Col, 3);
    QCOMPARE(background.count(), before);

    // Direct calls with picture coordinates: integer division, and no column 0 for a
    // position left of the picture.
    s.page->BoardImageMouseMove(s.Picture(0), 59, 60);
    QCOMPARE(s.state.Mouse_Col, 1);
    QCOMPARE(s.state.Mouse_Row, 2);
    s.page->BoardImageMouseMove(s.Picture(0), -1, 0);
    QCOMPARE(s.state.Mouse_Col, -1);
}

void Boards_Layout_Test::only_a_left_click_on_a_picture_opens() {
    Page_Setup s;
    s.Add_Nine(1, 1);
    s.Show();
    QSignalSpy clicked(s.page.get(), &TMainFrame_Boards_Layout_Page::Board_Clicked);
    Board_Picture* picture = s.Picture(0);
    QTest::mouseClick(picture, Qt::RightButton, {}, QPoint(100, 100));
    QTest::mouseClick(picture, Qt::MiddleButton, {}, QPoint(100, 100));
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(clicked.count(), 1);
    // Pressed on the picture and released off it: no click.
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(400, 100));
    QCOMPARE(clicked.count(), 1);
    // A click on the bare page is no board click.
    QTest::mouseClick(s.page->Page_Content(), Qt::LeftButton, {}, QPoint(400, 400));
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(Boards_Layout_Test)
#include "Boards_Layout_Test.moc"
