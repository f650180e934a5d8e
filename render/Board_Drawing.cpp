#include "render/Board_Drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>

#include "model/Board_Kinds.h"
#include "model/Number_Text.h"

namespace {

constexpr int Half_Cell = Cell_Size / 2;

// Number pixel sizes: the boards were laid out at 96 dots per inch, where 15 points are 20
// pixels and 6 points are 8 pixels. Pixel sizes keep the layout the same on every screen.
constexpr int Number_Pixel_Size = 20;
constexpr int Label_Pixel_Size = 8;
// The labels of boards of more than nine numbers, each in its own place of a grid: 7 pixels
// leave a letter 5 pixels high and at most 5 wide in a place 6.5 pixels square. Drawn
// without smoothing, so that the small strokes stay whole pixels.
constexpr int Small_Label_Pixel_Size = 7;
// The grid of labels keeps clear of the 4-pixel block lines, which reach 2 pixels into a
// cell.
constexpr int Label_Grid_Margin = 2;

const QColor Number_Colour(0, 0, 0);
const QColor Line_Colour(0, 0, 0);

QImage New_Bitmap(int width, int height, qreal ratio) {
    QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// One line of the canvas from (x1, y1) to (x2, y2), horizontal or vertical, with a pen of
// the given width. The canvas paints from the first point up to the second point but not
// the second point itself; a pen of width w covers w pixels across the line, starting
// w div 2 pixels before it. So width 4 on x = 90 paints columns 88 to 91, width 2 on y = 1
// rows 0 and 1, width 1 only the line itself. The ends are square: the pen adds nothing
// beyond the first point or before the second. Each line therefore becomes exactly one
// filled rectangle; all our lines run left to right or top to bottom.
void Line_To(QPainter& p, int x1, int y1, int x2, int y2, int width) {
    const int across = y1 - width / 2;
    if (y1 == y2) {
        const int first = x1 < x2 ? x1 : x2 + 1;
        const int length = x1 < x2 ? x2 - x1 : x1 - x2;
        if (length > 0) {
            p.fillRect(QRect(first, across, length, width), Line_Colour);
        }
    } else if (x1 == x2) {
        const int first = y1 < y2 ? y1 : y2 + 1;
        const int length = y1 < y2 ? y2 - y1 : y1 - y2;
        if (length > 0) {
            p.fillRect(QRect(x1 - width / 2, first, width, length), Line_Colour);
        }
    }
}

// Text written opaquely with its top left corner at (x, y): the text's box (its width by
// the font's full line height) is filled with the background first.
void Write_Text(QPainter& p, int x, int y, const QString& text, const QFont& font,
                const QColor& colour, const QColor& background) {
    const QFontMetrics metrics(font);
    p.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), background);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPoint(x, y + metrics.ascent()), text);
}

// The text shown for number v: its symbol when the board uses symbols, else its digit or
// letter.
QString Shown_Number(const Sudoku_Boards_FrameWork& board, int v) {
    return QString::fromStdString(Number_Text(board, v));
}

template <typename T> bool Has_Cell(const Cell_Grid<T>& grid, int col, int row) {
    return col >= 0 && row >= 0 && col < static_cast<int>(grid.size()) &&
           row < static_cast<int>(grid[col].size());
}

// The drawing trusts the reader's checks, but a cell missing from any per-cell array is
// left white rather than read out of bounds.
bool Cell_Is_Drawable(const Sudoku_Boards_FrameWork& b, int col, int row) {
    return Has_Cell(b.Cell_Values, col, row) && Has_Cell(b.Cell_Locked, col, row) &&
           Has_Cell(b.Cell_Tracking, col, row) && Has_Cell(b.Cell_Shaded, col, row) &&
           Has_Cell(b.Cell_Colours, col, row);
}

// The label line height: the height of the text "8" in the label font, i.e. the font's
// full line height (ascent plus descent), as the canvas reports the height of any text.
int Label_Height(const QFont& font) {
    return QFontMetrics(font).size(Qt::TextSingleLine, QStringLiteral("8")).height();
}

// Composed cells kept at most; the cache starts again when it grows past this.
constexpr std::size_t Cell_Cache_Limit = 1024; // about 3.6 MB of 30 x 30 cells

// Everything a composed cell's pixels depend on.
std::string Cell_Key(const Sudoku_Boards_FrameWork& b, int col, int row, Integer background,
                     bool labels, const Board_Kind& kind, qreal ratio) {
    std::string key;
    const auto bg = static_cast<std::uint32_t>(background);
    key.push_back(static_cast<char>(bg & 0xFF));
    key.push_back(static_cast<char>((bg >> 8) & 0xFF));
    key.push_back(static_cast<char>((bg >> 16) & 0xFF));
    key.push_back(static_cast<char>((bg >> 24) & 0xFF));
    const Integer v = b.Cell_Values[col][row];
    key.push_back(static_cast<char>(v & 0xFF));
    key.push_back(static_cast<char>(kind.Label_Lines));
    key.push_back(static_cast<char>(kind.Label_Line_Length));
    key.push_back(static_cast<char>(kind.Label_Grid ? 'G' : '-'));
    key.push_back(static_cast<char>(labels ? 'L' : '-'));
    if (labels) {
        std::uint32_t mask = 0;
        const std::vector<Byte>& possible = b.Cell_Tracking[col][row].Possible;
        for (std::size_t k = 0; k < possible.size() && k < 16; ++k) {
            mask |= possible[k] ? (1u << k) : 0u;
        }
        key.push_back(static_cast<char>(mask & 0xFF));
        key.push_back(static_cast<char>((mask >> 8) & 0xFF));
    }
    char ratio_bytes[sizeof(qreal)];
    std::memcpy(ratio_bytes, &ratio, sizeof ratio);
    key.append(ratio_bytes, sizeof ratio);
    if (b.Use_Symbols && (v != 0 || labels)) {
        key.append(reinterpret_cast<const char*>(b.Symbols.data()), b.Symbols.size());
    }
    return key;
}

// The top of label line `line` of `lines` in a cell, for labels `height` pixels high: three
// lines sit at the top, the middle and the bottom; two lines just above and just below the
// middle.
int Label_Top(int lines, int line, int height) {
    if (lines == 2) {
        return line == 0 ? Half_Cell - height : Half_Cell;
    }
    return line == 0 ? 0 : line == 1 ? Half_Cell - height / 2 : Cell_Size - height;
}

// The candidate labels of an empty cell of a kind that gives each its own place: a grid of
// Label_Lines rows of Label_Line_Length places over the cell inside the margin, every label
// centred in its place in the small label font, on the cell's background.
void Draw_Label_Grid(QPainter& cell, const Sudoku_Boards_FrameWork& b, int col, int row,
                     const Board_Kind& kind, const Drawing_Resources& res) {
    const std::vector<Byte>& possible = b.Cell_Tracking[col][row].Possible;
    const QFontMetrics metrics(res.Small_Label_Font);
    const qreal inside = Cell_Size - 2 * Label_Grid_Margin;
    const qreal width = inside / kind.Label_Line_Length;
    const qreal height = inside / kind.Label_Lines;
    cell.setFont(res.Small_Label_Font);
    cell.setPen(Colour_Of(Colour_Blue));
    for (int line = 0; line < kind.Label_Lines; ++line) {
        for (int place = 0; place < kind.Label_Line_Length; ++place) {
            const int k = line * kind.Label_Line_Length + place;
            if (k >= static_cast<int>(possible.size()) || possible[k] == 0) {
                continue;
            }
            const QString text = Shown_Number(b, k + 1);
            const qreal centre_x = Label_Grid_Margin + (place + 0.5) * width;
            const qreal centre_y = Label_Grid_Margin + (line + 0.5) * height;
            const int x = qRound(centre_x - metrics.horizontalAdvance(text) / 2.0);
            const int baseline = qRound(centre_y + metrics.capHeight() / 2.0);
            cell.drawText(QPoint(x, baseline), text);
        }
    }
}

// Writes the candidate labels of an empty cell into the cell bitmap (painted by cell).
void Draw_Labels(QPainter& cell, const Sudoku_Boards_FrameWork& b, int col, int row,
                 const QColor& background, const Board_Kind& kind, Drawing_Resources& res,
                 qreal ratio) {
    if (kind.Label_Grid) {
        Draw_Label_Grid(cell, b, col, row, kind, res);
        return;
    }
    const QFontMetrics metrics(res.Label_Font);
    const int height = Label_Height(res.Label_Font);
    for (int line = 0; line < kind.Label_Lines; ++line) {
        const QString text = Label_Line(b, col, row, line);
        const int width = metrics.horizontalAdvance(text);
        if (width <= 0) {
            continue;
        }
        res.Label_Bitmap = New_Bitmap(width, height, ratio);
        {
            QPainter label(&res.Label_Bitmap);
            Write_Text(label, 0, 0, text, res.Label_Font, Colour_Of(Colour_Blue), background);
        }
        cell.drawImage(QPoint(Half_Cell - width / 2, Label_Top(kind.Label_Lines, line, height)),
                       res.Label_Bitmap);
    }
}

// One cell composed in the cell bitmap: its background, then its number or, with labels on
// and the cell empty, its candidate labels.
void Compose_Cell(const Puzzle_State& state, int board, int c, int r, Integer background_value,
                  bool labels, const Board_Kind& kind, Drawing_Resources& res, qreal ratio) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    const QColor background = Colour_Of(background_value);
    const Integer v = b.Cell_Values[c][r];
    QPainter cell(&res.Cell_Bitmap);
    cell.fillRect(QRect(0, 0, Cell_Size, Cell_Size), background);
    if (v != 0) {
        const QString text = Shown_Number(b, v);
        const QFontMetrics metrics(res.Number_Font);
        const int x = Half_Cell - metrics.horizontalAdvance(text) / 2;
        const int y = Half_Cell - metrics.height() / 2;
        Write_Text(cell, x, y, text, res.Number_Font, Number_Colour, background);
    } else if (labels) {
        Draw_Labels(cell, b, c, r, background, kind, res, ratio);
    }
}

// Every cell composed off screen and copied into place, column by column. A cell's pixels
// depend only on its background and on what it shows, so a composed cell is kept and copied
// again wherever the same cell comes back.
void Draw_Cells(QPainter& canvas, const Puzzle_State& state, int board, const Board_Kind& kind,
                Drawing_Resources& res, qreal ratio) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    if (res.Cell_Cache.size() > Cell_Cache_Limit || !res.Use_Cell_Cache) {
        res.Cell_Cache.clear();
    }
    for (int c = 0; c < b.Cols; ++c) {
        for (int r = 0; r < b.Rows; ++r) {
            if (!Cell_Is_Drawable(b, c, r)) {
                continue;
            }
            const Integer background = Cell_Background(state, board, c, r);
            const bool labels = b.Cell_Values[c][r] == 0 && state.Show_Labels;
            const std::string key = Cell_Key(b, c, r, background, labels, kind, ratio);
            auto found = res.Cell_Cache.find(key);
            if (found == res.Cell_Cache.end()) {
                Compose_Cell(state, board, c, r, background, labels, kind, res, ratio);
                // The cache shares the pixels; the next composition writes a copy.
                found = res.Cell_Cache.emplace(key, res.Cell_Bitmap).first;
            }
            canvas.drawImage(QPoint(c * Cell_Size, r * Cell_Size), found->second);
        }
    }
}

// Grid lines, a horizontal then a vertical one for every a from 0 to N. With block lines on,
// a line on a block edge is 4 pixels wide (the board's own block fields say where blocks
// end); the lines along the board's edge count as block edges only on kinds that say so.
void Draw_Grid_Lines(QPainter& canvas, const Sudoku_Boards_FrameWork& b, const Board_Kind& kind,
                     int size) {
    const int side = size * Cell_Size;
    const int block_width = b.Block_Width_Max >= 0 ? b.Block_Width_Max + 1 : 1;
    const int block_height = b.Block_Height_Max >= 0 ? b.Block_Height_Max + 1 : 1;
    const bool block_lines = b.Draw_Block_Lines != 0;
    for (int a = 0; a <= size; ++a) {
        const bool thick_here = block_lines && (kind.Thick_Outer_Lines || (a != 0 && a != size));
        const int across = thick_here && a % block_height == 0 ? 4 : 1; // horizontal line
        const int down = thick_here && a % block_width == 0 ? 4 : 1;    // vertical line
        Line_To(canvas, 0, a * Cell_Size, side, a * Cell_Size, across);
        Line_To(canvas, a * Cell_Size, 0, a * Cell_Size, side, down);
    }
}

// The 2-pixel frame: with block lines, or always on kinds that say so.
void Draw_Frame(QPainter& canvas, const Sudoku_Boards_FrameWork& b, const Board_Kind& kind,
                int size) {
    if (!kind.Frame_Always && b.Draw_Block_Lines == 0) {
        return;
    }
    const int w = size * Cell_Size;
    const int h = w;
    Line_To(canvas, 1, 1, w, 1, 2);
    Line_To(canvas, 1, h - 1, w, h - 1, 2);
    Line_To(canvas, 1, 1, 1, h, 2);
    Line_To(canvas, w - 1, 1, w - 1, h - 1, 2);
}

// Custom-region borders: the top, bottom, left and right edges each cell flags, in 4-pixel
// lines.
void Draw_Cell_Borders(QPainter& canvas, const Sudoku_Boards_FrameWork& b) {
    for (int c = 0; c < b.Cols; ++c) {
        for (int r = 0; r < b.Rows; ++r) {
            if (!Has_Cell(b.Cell_Borders, c, r)) {
                continue;
            }
            const std::array<Byte, 4>& edge = b.Cell_Borders[c][r];
            const int x0 = c * Cell_Size;
            const int x1 = x0 + Cell_Size;
            const int y0 = r * Cell_Size;
            const int y1 = y0 + Cell_Size;
            if (edge[0]) {
                Line_To(canvas, x0, y0, x1, y0, 4);
            }
            if (edge[1]) {
                Line_To(canvas, x0, y1, x1, y1, 4);
            }
            if (edge[2]) {
                Line_To(canvas, x0, y0, x0, y1, 4);
            }
            if (edge[3]) {
                Line_To(canvas, x1, y0, x1, y1, 4);
            }
        }
    }
}

// A board of a kind: white bitmaps, the cells, the grid lines, the frame and the region
// borders, in that order.
QImage Compose_Board(const Puzzle_State& state, int board, int size, const Board_Kind& kind,
                     Drawing_Resources& res) {
    if (board < 0 || board >= static_cast<int>(state.Sudoku_Boards.size()) || size < 0) {
        return {};
    }
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    const qreal ratio = res.Device_Pixel_Ratio > 0 ? res.Device_Pixel_Ratio : 1.0;
    const int side = size * Cell_Size;
    res.Cell_Bitmap = New_Bitmap(Cell_Size, Cell_Size, ratio);
    res.Board_Bitmap = New_Bitmap(side, side, ratio);
    {
        QPainter canvas(&res.Board_Bitmap);
        Draw_Cells(canvas, state, board, kind, res, ratio);
        Draw_Grid_Lines(canvas, b, kind, size);
        Draw_Frame(canvas, b, kind, size);
        Draw_Cell_Borders(canvas, b);
    }
    // The finished picture. Images share their pixels until written, and every drawing
    // starts from a new board bitmap, so later drawings never change a returned picture.
    return res.Board_Bitmap;
}

} // namespace

QColor Colour_Of(Integer bgr) {
    const auto value = static_cast<std::uint32_t>(bgr);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void Install_Font_Substitutions() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Small Fonts"), QStringLiteral("Liberation Sans"));
}

Drawing_Resources::Drawing_Resources() {
    Install_Font_Substitutions();
    Number_Font = QFont(QStringLiteral("MS Sans Serif"));
    Number_Font.setStyleHint(QFont::SansSerif);
    Number_Font.setPixelSize(Number_Pixel_Size);
    Number_Font.setBold(true);
    Label_Font = QFont(QStringLiteral("Times New Roman"));
    Label_Font.setStyleHint(QFont::Serif);
    Label_Font.setPixelSize(Label_Pixel_Size);
    Label_Font.setBold(true);
    Small_Label_Font = QFont(QStringLiteral("Small Fonts"));
    Small_Label_Font.setStyleHint(QFont::SansSerif);
    Small_Label_Font.setPixelSize(Small_Label_Pixel_Size);
    Small_Label_Font.setStyleStrategy(QFont::NoAntialias);
    Cell_Bitmap = New_Bitmap(Cell_Size, Cell_Size, 1.0);
}

Integer Cell_Background(const Puzzle_State& state, int board, int col, int row) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    Integer colour = b.Cell_Shaded[col][row] ? Colour_Pale_Pink : Colour_White;
    if (b.Use_Cell_Colours) {
        colour = b.Cell_Colours[col][row];
    }
    const Integer v = b.Cell_Values[col][row];
    if (v != 0 && b.Cell_Locked[col][row]) {
        colour = Colour_Pale_Green;
    }
    if (v == 0 && state.Help_Solve) {
        const Integer count = b.Cell_Tracking[col][row].Candidate_Count;
        if (count == 0) {
            colour = Colour_Red;
        } else if (count == 1) {
            colour = Colour_Silver;
        }
    }
    return colour;
}

QString Label_Line(const Sudoku_Boards_FrameWork& board, int col, int row, int line) {
    const std::vector<Byte>& possible = board.Cell_Tracking[col][row].Possible;
    const Board_Kind* kind = Kind_Of(board);
    const int length = kind != nullptr ? kind->Label_Line_Length : 3;
    QString text;
    for (int k = length * line; k < length * line + length; ++k) {
        if (k < static_cast<int>(possible.size()) && possible[k]) {
            text += Shown_Number(board, k + 1);
            text += QLatin1Char(' ');
        } else {
            text += QLatin1Char(' ');
        }
    }
    text.chop(1);
    return text;
}

QImage Compose_Board_9x9(const Puzzle_State& state, int board, int size, Drawing_Resources& res) {
    return Compose_Board(state, board, size, *Find_Board_Kind(Board_Type_9x9, 0), res);
}

QImage Compose_Board_6x6(const Puzzle_State& state, int board, int size, Flag wide_blocks,
                         Drawing_Resources& res) {
    return Compose_Board(state, board, size, *Find_Board_Kind(Board_Type_6x6, wide_blocks), res);
}

QImage Compose_Board_Of_Kind(const Puzzle_State& state, int board, Drawing_Resources& res) {
    if (board < 0 || board >= static_cast<int>(state.Sudoku_Boards.size())) {
        return {};
    }
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
    const Board_Kind* kind = Kind_Of(b);
    return kind != nullptr ? Compose_Board(state, board, b.Max_Number, *kind, res) : QImage();
}

void Drawing_Inputs(const Puzzle_State& state, int i, const Drawing_Resources& res,
                    std::vector<std::int32_t>& out) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[i];
    out.clear();
    std::int64_t ratio_bits = 0;
    static_assert(sizeof(ratio_bits) == sizeof(res.Device_Pixel_Ratio), "a double is 8 bytes");
    std::memcpy(&ratio_bits, &res.Device_Pixel_Ratio, sizeof(ratio_bits));
    out.insert(out.end(), {b.Board_Type, b.Max_Number, b.Cols, b.Rows, b.Wide_Blocks, b.Use_Symbols,
                           b.Draw_Block_Lines, b.Use_Cell_Colours, state.Show_Labels,
                           state.Help_Solve, static_cast<std::int32_t>(ratio_bits & 0xFFFFFFFF),
                           static_cast<std::int32_t>(ratio_bits >> 32),
                           static_cast<std::int32_t>(b.Symbols.size())});
    out.insert(out.end(), b.Symbols.begin(), b.Symbols.end());
    for (int c = 0; c < b.Cols; ++c) {
        for (int r = 0; r < b.Rows; ++r) {
            if (!Cell_Is_Drawable(b, c, r)) {
                out.push_back(-1);
                continue;
            }
            const Tracking_Array_FrameWork& t = b.Cell_Tracking[c][r];
            out.insert(out.end(), {b.Cell_Values[c][r], b.Cell_Locked[c][r], b.Cell_Shaded[c][r],
                                   b.Cell_Colours[c][r], t.Candidate_Count,
                                   static_cast<std::int32_t>(t.Possible.size())});
            for (const Byte flag : t.Possible) {
                out.push_back(flag != 0);
            }
        }
    }
    for (int c = 0; c < b.Cols; ++c) {
        for (int r = 0; r < b.Rows; ++r) {
            if (!Has_Cell(b.Cell_Borders, c, r)) {
                out.push_back(-1);
                continue;
            }
            const std::array<Byte, 4>& e = b.Cell_Borders[c][r];
            out.push_back((e[0] != 0) | (e[1] != 0) << 1 | (e[2] != 0) << 2 | (e[3] != 0) << 3);
        }
    }
}
