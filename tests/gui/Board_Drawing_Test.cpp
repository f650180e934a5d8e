// Pixel tests of the board pictures: backgrounds, lines, frame, borders, numbers, labels
// and symbols, rendered off screen at pixel ratio 1 unless a test says otherwise.

#include <QImage>
#include <QSet>
#include <QtTest>
#include <algorithm>
#include <cstdlib>

#include "render/Board_Drawing.h"

namespace {

struct Board_Setup {
    Puzzle_State state;
    int board = 0;
};

Board_Setup Nine() {
    Board_Setup s;
    s.board = Add_Board_Model(s.state, Board_Type_9x9, 9, 9, 9, 0);
    return s;
}

Board_Setup Six(Flag wide) {
    Board_Setup s;
    s.board = Add_Board_Model(s.state, Board_Type_6x6, 6, 6, 6, wide);
    return s;
}

QImage Render(const Board_Setup& s, Drawing_Resources& res) {
    const Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[s.board];
    if (b.Board_Type == Board_Type_6x6) {
        return Compose_Board_6x6(s.state, s.board, b.Max_Number, b.Wide_Blocks, res);
    }
    return Compose_Board_9x9(s.state, s.board, b.Max_Number, res);
}

QImage Render(const Board_Setup& s) {
    Drawing_Resources res;
    return Render(s, res);
}

bool Is_Black(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// Pixels whose colour is clearly blue (the label ink, anti-aliased or not).
bool Is_Blueish(QRgb p) {
    return qBlue(p) - std::max(qRed(p), qGreen(p)) > 60;
}
bool Is_Dark(QRgb p) {
    return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90;
}

// A point of cell (c, r) clear of lines, frame, numbers and labels of the middle line.
QRgb Cell_Corner_Pixel(const QImage& image, int c, int r) {
    return image.pixel(c * Cell_Size + 5, r * Cell_Size + 25);
}

// The black pixels along one row (horizontal scan) or one column (vertical scan).
QSet<int> Black_Along(const QImage& image, bool horizontal, int at) {
    QSet<int> black;
    const int length = horizontal ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        if (horizontal ? Is_Black(image, i, at) : Is_Black(image, at, i)) {
            black.insert(i);
        }
    }
    return black;
}

QSet<int> Pixels(std::initializer_list<std::pair<int, int>> ranges) {
    QSet<int> out;
    for (const auto& range : ranges) {
        for (int i = range.first; i <= range.second; ++i) {
            out.insert(i);
        }
    }
    return out;
}

// Bounding box of the pixels of one cell's interior that satisfy the test.
template <typename Test> QRect Ink_Box(const QImage& image, int c, int r, Test test) {
    QRect box;
    for (int y = 3; y < Cell_Size - 2; ++y) {
        for (int x = 3; x < Cell_Size - 2; ++x) {
            if (test(image.pixel(c * Cell_Size + x, r * Cell_Size + y))) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

} // namespace

class Board_Drawing_Test : public QObject {
    Q_OBJECT
  private slots:
    void colour_values_are_blue_green_red();
    void backgrounds_follow_the_rules_in_order();
    void help_colours_only_on_empty_cells_with_help_on();
    void nine_by_nine_lines_with_block_lines();
    void nine_by_nine_lines_without_block_lines();
    void six_by_six_lines_data();
    void six_by_six_lines();
    void region_borders_are_four_pixel_edges();
    void numbers_are_black_and_centred();
    void label_lines_keep_a_space_per_missing_number();
    void labels_only_in_empty_cells_with_labels_on();
    void label_lines_sit_in_their_bands();
    void labels_take_the_cell_colour();
    void symbols_replace_digits();
    void picture_survives_later_drawings();
    void double_pixel_ratio_renders_twice_the_pixels();
    void kept_cells_give_the_same_pixels_as_fresh_ones();
};

void Board_Drawing_Test::colour_values_are_blue_green_red() {
    QCOMPARE(Colour_Of(Colour_Blue), QColor(0, 0, 255));
    QCOMPARE(Colour_Of(Colour_Teal), QColor(0, 128, 128));
    QCOMPARE(Colour_Of(Colour_Pale_Green), QColor(210, 255, 210));
    QCOMPARE(Colour_Of(Colour_Pale_Pink), QColor(255, 240, 240));
    QCOMPARE(Colour_Of(Colour_Red), QColor(255, 0, 0));
    QCOMPARE(Colour_Of(0x00123456), QColor(0x56, 0x34, 0x12));
}

void Board_Drawing_Test::backgrounds_follow_the_rules_in_order() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    const Integer custom = 0x004080FF; // red 255, green 128, blue 64
    b.Cell_Shaded[1][0] = 1;           // pale pink
    b.Use_Cell_Colours = 1;
    for (auto& column : b.Cell_Colours) {
        std::fill(column.begin(), column.end(), Colour_White);
    }
    b.Cell_Colours[2][0] = custom; // custom colour, empty
    b.Cell_Colours[3][0] = custom; // custom colour, unlocked number
    b.Cell_Values[3][0] = 4;
    b.Cell_Colours[4][0] = custom; // custom colour, locked number
    b.Cell_Values[4][0] = 5;
    b.Cell_Locked[4][0] = 1;
    b.Cell_Locked[5][0] = 1; // locked but empty: not green
    b.Cell_Shaded[6][0] = 1; // shading overridden by custom colours
    b.Cell_Colours[6][0] = custom;

    const QImage image = Render(s);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(Cell_Corner_Pixel(image, 0, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(image, 1, 0), qRgb(255, 255, 255)); // custom white wins
    QCOMPARE(Cell_Corner_Pixel(image, 2, 0), qRgb(255, 128, 64));
    QCOMPARE(Cell_Corner_Pixel(image, 3, 0), qRgb(255, 128, 64));
    QCOMPARE(Cell_Corner_Pixel(image, 4, 0), qRgb(210, 255, 210));
    QCOMPARE(Cell_Corner_Pixel(image, 5, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(image, 6, 0), qRgb(255, 128, 64));

    b.Use_Cell_Colours = 0;
    const QImage plain = Render(s);
    QCOMPARE(Cell_Corner_Pixel(plain, 1, 0), qRgb(255, 240, 240));
    QCOMPARE(Cell_Corner_Pixel(plain, 2, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(plain, 4, 0), qRgb(210, 255, 210));
    QCOMPARE(Cell_Corner_Pixel(plain, 6, 0), qRgb(255, 240, 240));
}

void Board_Drawing_Test::help_colours_only_on_empty_cells_with_help_on() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Cell_Tracking[0][0].Candidate_Count = 0;
    b.Cell_Tracking[1][0].Candidate_Count = 1;
    b.Cell_Tracking[2][0].Candidate_Count = 2;
    b.Cell_Tracking[3][0].Candidate_Count = 0; // filled: never red
    b.Cell_Values[3][0] = 7;
    b.Cell_Tracking[4][0].Candidate_Count = 1; // filled and locked: green
    b.Cell_Values[4][0] = 8;
    b.Cell_Locked[4][0] = 1;
    b.Use_Cell_Colours = 1;
    b.Cell_Colours[5][0] = 0x00FF0000; // help overrides a custom colour
    b.Cell_Tracking[5][0].Candidate_Count = 0;

    const QImage off = Render(s);
    QCOMPARE(Cell_Corner_Pixel(off, 0, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(off, 1, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(off, 5, 0), qRgb(0, 0, 255));

    s.state.Help_Solve = true;
    const QImage on = Render(s);
    QCOMPARE(Cell_Corner_Pixel(on, 0, 0), qRgb(255, 0, 0));
    QCOMPARE(Cell_Corner_Pixel(on, 1, 0), qRgb(192, 192, 192));
    QCOMPARE(Cell_Corner_Pixel(on, 2, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(on, 3, 0), qRgb(255, 255, 255));
    QCOMPARE(Cell_Corner_Pixel(on, 4, 0), qRgb(210, 255, 210));
    QCOMPARE(Cell_Corner_Pixel(on, 5, 0), qRgb(255, 0, 0));
    QCOMPARE(Cell_Background(s.state, 0, 0, 0), Colour_Red);
    QCOMPARE(Cell_Background(s.state, 0, 3, 0), Colour_White);
}

void Board_Drawing_Test::nine_by_nine_lines_with_block_lines() {
    const QImage image = Render(Nine());
    QCOMPARE(image.size(), QSize(270, 270));
    // Thin lines at 30, 60, ...; 4-pixel block lines on 90 and 180 (88..91, 178..181); the
    // outer block lines and the 2-pixel frame fill the outermost two pixels on every side.
    const QSet<int> expected = Pixels({{0, 1},
                                       {30, 30},
                                       {60, 60},
                                       {88, 91},
                                       {120, 120},
                                       {150, 150},
                                       {178, 181},
                                       {210, 210},
                                       {240, 240},
                                       {268, 269}});
    QCOMPARE(Black_Along(image, true, 45), expected);  // crosses the vertical lines
    QCOMPARE(Black_Along(image, false, 45), expected); // crosses the horizontal lines
    QCOMPARE(Black_Along(image, true, 100), expected); // a row inside the second block
    for (const QPoint corner : {QPoint(0, 0), QPoint(269, 0), QPoint(0, 269), QPoint(269, 269)}) {
        QVERIFY2(Is_Black(image, corner.x(), corner.y()), "frame corner");
    }
    QCOMPARE(image.pixel(2, 45), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(267, 45), qRgb(255, 255, 255));
}

void Board_Drawing_Test::nine_by_nine_lines_without_block_lines() {
    Board_Setup s = Nine();
    s.state.Sudoku_Boards[0].Draw_Block_Lines = 0;
    const QImage image = Render(s);
    // Only 1-pixel lines; the last one (at 270) lies outside the picture and there is no
    // frame, so the right and bottom edges stay white.
    const QSet<int> expected = Pixels({{0, 0},
                                       {30, 30},
                                       {60, 60},
                                       {90, 90},
                                       {120, 120},
                                       {150, 150},
                                       {180, 180},
                                       {210, 210},
                                       {240, 240}});
    QCOMPARE(Black_Along(image, true, 45), expected);
    QCOMPARE(Black_Along(image, false, 45), expected);
}

void Board_Drawing_Test::six_by_six_lines_data() {
    QTest::addColumn<int>("wide");
    QTest::addColumn<int>("block_lines");
    QTest::addColumn<QSet<int>>("columns"); // black pixels of a horizontal scan
    QTest::addColumn<QSet<int>>("rows");    // black pixels of a vertical scan
    const QSet<int> thin =
        Pixels({{0, 1}, {30, 30}, {60, 60}, {90, 90}, {120, 120}, {150, 150}, {178, 179}});
    const QSet<int> one_block_line =
        Pixels({{0, 1}, {30, 30}, {60, 60}, {88, 91}, {120, 120}, {150, 150}, {178, 179}});
    const QSet<int> two_block_lines =
        Pixels({{0, 1}, {30, 30}, {58, 61}, {90, 90}, {118, 121}, {150, 150}, {178, 179}});
    // Wide blocks (3 across, 2 down): block rows end after rows 2 and 4, one block column
    // line after column 3. Tall blocks the other way round. The frame is always there.
    QTest::newRow("wide") << 1 << 1 << one_block_line << two_block_lines;
    QTest::newRow("tall") << 0 << 1 << two_block_lines << one_block_line;
    QTest::newRow("wide, no block lines") << 1 << 0 << thin << thin;
    QTest::newRow("tall, no block lines") << 0 << 0 << thin << thin;
}

void Board_Drawing_Test::six_by_six_lines() {
    QFETCH(int, wide);
    QFETCH(int, block_lines);
    QFETCH(QSet<int>, columns);
    QFETCH(QSet<int>, rows);
    Board_Setup s = Six(static_cast<Flag>(wide));
    s.state.Sudoku_Boards[0].Draw_Block_Lines = static_cast<Flag>(block_lines);
    const QImage image = Render(s);
    QCOMPARE(image.size(), QSize(180, 180));
    QCOMPARE(Black_Along(image, true, 45), columns);
    QCOMPARE(Black_Along(image, false, 45), rows);
    QCOMPARE(Black_Along(image, true, 165), columns);
}

void Board_Drawing_Test::region_borders_are_four_pixel_edges() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Draw_Block_Lines = 0;
    const QImage before = Render(s);
    b.Cell_Borders[4][1] = {1, 1, 1, 1}; // all four edges of the cell at x 120..149, y 30..59
    b.Cell_Borders[7][7] = {0, 0, 0, 1}; // right edge on x = 240 ...
    b.Cell_Borders[8][7] = {0, 0, 1, 0}; // ... and the same edge from its neighbour
    const QImage after = Render(s);

    QSet<int> expected_changes;
    const auto add = [&](int x, int y, int w, int h) {
        for (int yy = y; yy < y + h; ++yy) {
            for (int xx = x; xx < x + w; ++xx) {
                if (!Is_Black(before, xx, yy)) {
                    expected_changes.insert(yy * 1000 + xx);
                }
            }
        }
    };
    add(120, 28, 30, 4);  // top: columns 120..149, rows 28..31
    add(120, 58, 30, 4);  // bottom: rows 58..61
    add(118, 30, 4, 30);  // left: columns 118..121, rows 30..59
    add(148, 30, 4, 30);  // right: columns 148..151
    add(238, 210, 4, 30); // the shared edge, drawn twice
    QSet<int> changes;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) != before.pixel(x, y)) {
                QVERIFY2(Is_Black(after, x, y), "a border pixel that is not black");
                changes.insert(y * 1000 + x);
            }
        }
    }
    QCOMPARE(changes, expected_changes);
}

void Board_Drawing_Test::numbers_are_black_and_centred() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Cell_Values[4][4] = 8;
    b.Cell_Values[1][1] = 1;
    b.Cell_Locked[1][1] = 1;
    const QImage image = Render(s);
    for (const QPoint cell : {QPoint(4, 4), QPoint(1, 1)}) {
        const QRect ink = Ink_Box(image, cell.x(), cell.y(), Is_Dark);
        QVERIFY2(!ink.isEmpty(), "no number drawn");
        bool pure_black = false;
        for (int y = ink.top(); y <= ink.bottom(); ++y) {
            for (int x = ink.left(); x <= ink.right(); ++x) {
                pure_black |= Is_Black(image, cell.x() * 30 + x, cell.y() * 30 + y);
            }
        }
        QVERIFY2(pure_black, "the number is not black");
        // A 20-pixel bold digit centred on (15, 15) of its cell.
        QVERIFY2(std::abs(ink.center().x() - 15) <= 3,
                 qPrintable(QString::number(ink.center().x())));
        QVERIFY2(std::abs(ink.center().y() - 15) <= 3,
                 qPrintable(QString::number(ink.center().y())));
        QVERIFY(ink.height() >= 10 && ink.height() <= 18);
    }
    // The locked number's cell keeps its green around the digit.
    QCOMPARE(Cell_Corner_Pixel(image, 1, 1), qRgb(210, 255, 210));
    // Empty cells stay clean: no ink at all in an empty cell's interior.
    QVERIFY(Ink_Box(image, 5, 5, Is_Dark).isEmpty());
}

void Board_Drawing_Test::label_lines_keep_a_space_per_missing_number() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    QCOMPARE(Label_Line(b, 0, 0, 0), QStringLiteral("1 2 3"));
    QCOMPARE(Label_Line(b, 0, 0, 1), QStringLiteral("4 5 6"));
    QCOMPARE(Label_Line(b, 0, 0, 2), QStringLiteral("7 8 9"));
    std::vector<Byte>& p = b.Cell_Tracking[0][0].Possible;
    p = {1, 0, 1, 0, 1, 0, 0, 0, 0};
    QCOMPARE(Label_Line(b, 0, 0, 0), QStringLiteral("1  3"));
    QCOMPARE(Label_Line(b, 0, 0, 1), QStringLiteral(" 5 "));
    QCOMPARE(Label_Line(b, 0, 0, 2), QStringLiteral("  "));
    p = {0, 0, 0, 0, 0, 1, 1, 0, 0};
    QCOMPARE(Label_Line(b, 0, 0, 1), QStringLiteral("  6"));
    QCOMPARE(Label_Line(b, 0, 0, 2), QStringLiteral("7  "));
    // A 6x6 board has no numbers 7 to 9: a third line would be blank, never out of range.
    Board_Setup six = Six(1);
    QCOMPARE(Label_Line(six.state.Sudoku_Boards[0], 2, 3, 1), QStringLiteral("4 5 6"));
    QCOMPARE(Label_Line(six.state.Sudoku_Boards[0], 2, 3, 2), QStringLiteral("  "));
}

void Board_Drawing_Test::labels_only_in_empty_cells_with_labels_on() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Cell_Values[1][0] = 3;
    QVERIFY(Ink_Box(Render(s), 0, 0, Is_Blueish).isEmpty()); // labels off

    s.state.Show_Labels = true;
    const QImage image = Render(s);
    const QRect labels = Ink_Box(image, 0, 0, Is_Blueish);
    QVERIFY2(!labels.isEmpty(), "no labels in an empty cell");
    QVERIFY(Ink_Box(image, 1, 0, Is_Blueish).isEmpty()); // a filled cell shows its number only
    QVERIFY(!Ink_Box(image, 1, 0, Is_Dark).isEmpty());
    // "1 2 3" is centred on x = 15 of the cell.
    QVERIFY2(std::abs(labels.center().x() - 15) <= 2,
             qPrintable(QString::number(labels.center().x())));

    // A cell with nothing possible shows only spaces: no ink.
    b.Cell_Tracking[2][0].Possible.assign(9, 0);
    QVERIFY(Ink_Box(Render(s), 2, 0, Is_Blueish).isEmpty());
}

void Board_Drawing_Test::label_lines_sit_in_their_bands() {
    Drawing_Resources res;
    const int height = QFontMetrics(res.Label_Font).height();
    QVERIFY(height > 4 && height < 15);

    // On a 9x9 board: numbers 1-3 at the top, 4-6 around the middle, 7-9 at the bottom.
    Board_Setup s = Nine();
    s.state.Show_Labels = true;
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Cell_Tracking[0][0].Possible = {0, 1, 0, 0, 0, 0, 0, 0, 0};
    b.Cell_Tracking[1][0].Possible = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    b.Cell_Tracking[2][0].Possible = {0, 0, 0, 0, 0, 0, 0, 1, 0};
    QImage image = Render(s, res);
    const QRect top = Ink_Box(image, 0, 0, Is_Blueish);
    const QRect middle = Ink_Box(image, 1, 0, Is_Blueish);
    const QRect bottom = Ink_Box(image, 2, 0, Is_Blueish);
    QVERIFY(!top.isEmpty() && !middle.isEmpty() && !bottom.isEmpty());
    QVERIFY(top.bottom() < height);
    QVERIFY(middle.top() >= 15 - height / 2 && middle.bottom() < 15 - height / 2 + height);
    QVERIFY(bottom.top() >= 30 - height);
    QVERIFY(top.bottom() < middle.top() && middle.bottom() < bottom.top());

    // On a 6x6 board: 1-3 just above the middle, 4-6 just below it.
    Board_Setup six = Six(0);
    six.state.Show_Labels = true;
    Sudoku_Boards_FrameWork& b6 = six.state.Sudoku_Boards[0];
    b6.Cell_Tracking[0][0].Possible = {1, 1, 1, 0, 0, 0};
    b6.Cell_Tracking[1][0].Possible = {0, 0, 0, 1, 1, 1};
    image = Render(six, res);
    const QRect upper = Ink_Box(image, 0, 0, Is_Blueish);
    const QRect lower = Ink_Box(image, 1, 0, Is_Blueish);
    QVERIFY(!upper.isEmpty() && !lower.isEmpty());
    QVERIFY(upper.top() >= 15 - height && upper.bottom() < 15);
    QVERIFY(lower.top() >= 15 && lower.bottom() < 15 + height);
}

void Board_Drawing_Test::labels_take_the_cell_colour() {
    Board_Setup s = Nine();
    s.state.Show_Labels = true;
    s.state.Help_Solve = true;
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Cell_Tracking[4][4].Candidate_Count = 1;
    b.Cell_Tracking[4][4].Possible = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    const QImage image = Render(s);
    // Silver everywhere in the cell except label ink: the label strips are not white.
    for (int y = 122; y < 148; ++y) {
        for (int x = 122; x < 148; ++x) {
            QVERIFY2(image.pixel(x, y) != qRgb(255, 255, 255), "white label background");
        }
    }
    QVERIFY(!Ink_Box(image, 4, 4, Is_Blueish).isEmpty());
}

void Board_Drawing_Test::symbols_replace_digits() {
    Board_Setup s = Nine();
    Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
    b.Symbols = {'A', 'B', 'C', 'D', 'E', 'F', 'G', 0xC4, 0xE9};
    b.Cell_Values[1][0] = 1;
    b.Cell_Values[2][0] = 1;
    QCOMPARE(Label_Line(b, 4, 0, 0), QStringLiteral("1 2 3")); // symbols off: digits
    const QImage digits = Render(s);
    b.Use_Symbols = 1;
    QCOMPARE(Label_Line(b, 4, 0, 0), QStringLiteral("A B C"));
    QCOMPARE(Label_Line(b, 4, 0, 2), QString::fromUtf8("G \xC3\x84 \xC3\xA9")); // G Ä é
    const QImage symbols = Render(s);
    QVERIFY(digits.copy(30, 0, 30, 30) != symbols.copy(30, 0, 30, 30));
    // Both cells hold the same symbol and look the same inside their lines.
    QCOMPARE(symbols.copy(32, 2, 25, 26), symbols.copy(62, 2, 25, 26));
    // The labels follow the symbols as well.
    s.state.Show_Labels = true;
    b.Use_Symbols = 0;
    const QImage digit_labels = Render(s);
    b.Use_Symbols = 1;
    const QImage symbol_labels = Render(s);
    QVERIFY(digit_labels.copy(120, 0, 30, 30) != symbol_labels.copy(120, 0, 30, 30));
}

void Board_Drawing_Test::picture_survives_later_drawings() {
    Drawing_Resources res;
    Board_Setup s = Nine();
    s.state.Sudoku_Boards[0].Cell_Values[0][0] = 5;
    const QImage first = Render(s, res);
    const QImage kept = first.copy();
    Board_Setup other = Six(1);
    other.state.Help_Solve = true;
    other.state.Sudoku_Boards[0].Cell_Tracking[0][0].Candidate_Count = 0;
    const QImage second = Render(other, res);
    QCOMPARE(second.size(), QSize(180, 180));
    QCOMPARE(first, kept);
}

void Board_Drawing_Test::double_pixel_ratio_renders_twice_the_pixels() {
    Drawing_Resources res;
    res.Device_Pixel_Ratio = 2.0;
    Board_Setup s = Nine();
    s.state.Sudoku_Boards[0].Cell_Values[4][4] = 8;
    const QImage image = Render(s, res);
    QCOMPARE(image.size(), QSize(540, 540));
    QCOMPARE(image.deviceIndependentSize(), QSizeF(270, 270));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    // The thin line on x = 30 covers two device pixels, the block line 88..91 eight.
    QVERIFY(Is_Black(image, 60, 90) && Is_Black(image, 61, 90));
    QCOMPARE(image.pixel(62, 90), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(59, 90), qRgb(255, 255, 255));
    for (int x = 176; x < 184; ++x) {
        QVERIFY(Is_Black(image, x, 90));
    }
    QCOMPARE(image.pixel(175, 90), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(184, 90), qRgb(255, 255, 255));
    // The number is drawn at the higher resolution, still centred in its cell.
    QRect ink;
    for (int y = 246; y < 294; ++y) {
        for (int x = 246; x < 294; ++x) {
            if (Is_Dark(image.pixel(x, y))) {
                ink = ink.united(QRect(x, y, 1, 1));
            }
        }
    }
    QVERIFY(!ink.isEmpty());
    QVERIFY(std::abs(ink.center().x() - 270) <= 5 && std::abs(ink.center().y() - 270) <= 5);
    QVERIFY(ink.height() >= 20);
}

void Board_Drawing_Test::kept_cells_give_the_same_pixels_as_fresh_ones() {
    // One set of resources draws many random boards, so its kept cells come from other
    // boards, other kinds, symbols and modes; each picture must equal one composed from
    // scratch.
    Drawing_Resources kept;
    std::srand(7);
    int reused = 0;
    for (int round = 0; round < 60; ++round) {
        Board_Setup s = round % 3 == 0 ? Six(round % 2) : Nine();
        Sudoku_Boards_FrameWork& b = s.state.Sudoku_Boards[0];
        const int n = b.Max_Number;
        s.state.Show_Labels = std::rand() % 4 != 0;
        s.state.Help_Solve = std::rand() % 2 == 0;
        b.Use_Symbols = std::rand() % 5 == 0;
        for (int k = 0; k < n; ++k) {
            b.Symbols[k] = static_cast<Byte>((round % 2 ? 'a' : 'A') + k);
        }
        b.Use_Cell_Colours = std::rand() % 4 == 0;
        for (int c = 0; c < n; ++c) {
            for (int r = 0; r < n; ++r) {
                b.Cell_Values[c][r] = std::rand() % 3 == 0 ? 1 + std::rand() % n : 0;
                b.Cell_Locked[c][r] = std::rand() % 2;
                b.Cell_Shaded[c][r] = std::rand() % 6 == 0;
                b.Cell_Colours[c][r] = std::rand() % 2 ? 0xFFE0C0 : 0xC0E0FF;
                Tracking_Array_FrameWork& t = b.Cell_Tracking[c][r];
                t.Candidate_Count = 0;
                for (Byte& flag : t.Possible) {
                    flag = std::rand() % 3 == 0;
                    t.Candidate_Count += flag;
                }
            }
        }
        const std::size_t before = kept.Cell_Cache.size();
        const QImage with_kept_cells = Render(s, kept);
        reused += kept.Cell_Cache.size() - before < std::size_t(n * n) ? 1 : 0;
        Drawing_Resources fresh;
        fresh.Use_Cell_Cache = false;
        QCOMPARE(with_kept_cells, Render(s, fresh));
    }
    QVERIFY2(reused > 30, "most boards reuse kept cells");
}

QTEST_MAIN(Board_Drawing_Test)
#include "Board_Drawing_Test.moc"
