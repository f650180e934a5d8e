#include "render/Puzzle_Sheet.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "logic/Shapes.h"
#include "logic/Solver.h"
#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"
#include "model/Cp1252.h"
#include "model/Number_Text.h"
#include "render/Board_Drawing.h"

namespace {

constexpr qreal Mm_Per_Inch = 25.4;
constexpr qreal Points_Per_Inch = 72;

// Greys of the sheet: no colour anywhere.
const QColor Ink(0, 0, 0);
const QColor Entry_Ink(90, 90, 90);
const QColor Note_Ink(80, 80, 80);
const QColor Label_Ink(150, 150, 150);
const QColor Subtitle_Ink(64, 64, 64);
const QColor Shading(228, 228, 228);

// The heading's type sizes in points, its lines' height as a share of the type size, and the
// room between the heading and the boards.
constexpr qreal Title_Points = 16;
constexpr qreal Subtitle_Points = 11;
constexpr qreal Line_Spacing = 1.35;
constexpr qreal Heading_Gap_Mm = 8;

// Line widths in millimetres, never more than these shares of a cell.
constexpr qreal Thin_Line_Mm = 0.2;
constexpr qreal Thick_Line_Mm = 0.7;
constexpr qreal Thin_Line_Share = 0.02;
constexpr qreal Thick_Line_Share = 0.07;

qreal Dots(qreal mm, qreal dots_per_inch) {
    return mm * dots_per_inch / Mm_Per_Inch;
}

qreal Point_Dots(qreal points, qreal dots_per_inch) {
    return points * dots_per_inch / Points_Per_Inch;
}

QFont Sheet_Font(qreal dots, bool bold) {
    Install_Font_Substitutions();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, qRound(dots)));
    font.setBold(bold);
    return font;
}

QString Sheet_Number_Text(const Sudoku_Boards_FrameWork& board, int n) {
    return QString::fromStdString(Number_Text(board, n));
}

template <typename T> bool Has_Cell(const Cell_Grid<T>& grid, int col, int row) {
    return col >= 0 && row >= 0 && col < static_cast<int>(grid.size()) &&
           row < static_cast<int>(grid[col].size());
}

// ---- the kind

struct Known_Figure {
    QString Name;
    QString Label;
    std::vector<std::pair<Integer, Flag>> Kinds; // per board: type and wide blocks
    std::vector<QPoint> Cells;                   // per board: its top left page cell
};

// Each board's top left page cell, from the top left of them all.
std::vector<QPoint> Relative_Cells(const Puzzle_State& state) {
    std::vector<QPoint> cells;
    long long left = 0;
    long long top = 0;
    for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
        const long long x = Board_Left_Cell(state, b);
        const long long y = Board_Top_Cell(state, b);
        left = b == 0 ? x : std::min(left, x);
        top = b == 0 ? y : std::min(top, y);
    }
    for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
        cells.emplace_back(static_cast<int>(Board_Left_Cell(state, b) - left),
                           static_cast<int>(Board_Top_Cell(state, b) - top));
    }
    return cells;
}

std::vector<std::pair<Integer, Flag>> Board_Kinds_Of(const Puzzle_State& state) {
    std::vector<std::pair<Integer, Flag>> kinds;
    for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
        const Board_Kind* kind = Kind_Of(b);
        kinds.emplace_back(b.Board_Type,
                           kind != nullptr && kind->Shape_By_Wide_Blocks && b.Wide_Blocks != 0);
    }
    return kinds;
}

// The figures of the generator's kinds, made once.
const std::vector<Known_Figure>& Known_Figures() {
    static const std::vector<Known_Figure> figures = [] {
        std::vector<Known_Figure> out;
        for (const Puzzle_Kind_Info& info : Every_Puzzle_Kind()) {
            Puzzle_State empty;
            if (!Empty_Puzzle_Of_Kind(info.Name, 1, empty)) {
                continue;
            }
            out.push_back({QString::fromStdString(info.Name), QString::fromStdString(info.Label),
                           Board_Kinds_Of(empty), Relative_Cells(empty)});
        }
        return out;
    }();
    return figures;
}

const Known_Figure* Figure_Named(const char* name) {
    for (const Known_Figure& figure : Known_Figures()) {
        if (figure.Name == QLatin1String(name)) {
            return &figure;
        }
    }
    return nullptr;
}

bool Regions_Replace_Blocks(const Puzzle_State& state) {
    return state.Custom_Regions_On != 0 && state.Regions_Only != 0 && !state.Custom_Regions.empty();
}

// ---- the layout

struct Cell_Key {
    long long Col;
    long long Row;
    bool operator<(const Cell_Key& o) const { return Col != o.Col ? Col < o.Col : Row < o.Row; }
};

// The cells of the ring round a board's rectangle, in cells of the figure.
std::vector<QPoint> Ring_Of(const QRect& r) {
    std::vector<QPoint> ring;
    for (int x = r.left() - 1; x <= r.right() + 1; ++x) {
        ring.emplace_back(x, r.top() - 1);
    }
    for (int y = r.top(); y <= r.bottom() + 1; ++y) {
        ring.emplace_back(r.left() - 1, y);
    }
    for (int x = r.left(); x <= r.right() + 1; ++x) {
        ring.emplace_back(x, r.bottom() + 1);
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        ring.emplace_back(r.right() + 1, y);
    }
    return ring;
}

// The cell for board i's number: a free cell of the ring round it whose neighbours belong to
// no other board (nor to another number), nearest the cell diagonally out of its top left
// corner; above the board before beside it at equal distance. False when every cell of the
// ring lies on a board or holds a number.
bool Number_Cell_For(const std::vector<Sheet_Board>& boards, std::size_t i,
                     const std::set<Cell_Key>& taken, QPoint& best) {
    const QRect own = boards[i].Cells;
    auto others_cover = [&](int x, int y) {
        if (taken.count({x, y}) != 0) {
            return true;
        }
        for (std::size_t b = 0; b < boards.size(); ++b) {
            if (b != i && boards[b].Cells.contains(x, y)) {
                return true;
            }
        }
        return false;
    };
    long long best_score = -1;
    for (const QPoint& p : Ring_Of(own)) {
        if (others_cover(p.x(), p.y())) {
            continue;
        }
        int strangers = 0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                strangers += others_cover(p.x() + dx, p.y() + dy) ? 1 : 0;
            }
        }
        const long long distance =
            std::abs(p.x() - (own.left() - 1)) + std::abs(p.y() - (own.top() - 1));
        const bool above = p.y() < own.top();
        const long long score =
            (static_cast<long long>(strangers) * 4 * (own.width() + own.height() + 4) + distance) *
                2 +
            (above ? 0 : 1);
        if (best_score < 0 || score < best_score) {
            best_score = score;
            best = p;
        }
    }
    return best_score >= 0;
}

// ---- painting

struct Sheet_Pens {
    qreal Thin = 1;
    qreal Thick = 2;
};

Sheet_Pens Pens_For(qreal cell, qreal dots_per_inch) {
    return {
        std::max<qreal>(std::min(Dots(Thin_Line_Mm, dots_per_inch), cell * Thin_Line_Share), 0.5),
        std::max<qreal>(std::min(Dots(Thick_Line_Mm, dots_per_inch), cell * Thick_Line_Share),
                        1.0)};
}

QColor Shade_Of(const Sudoku_Boards_FrameWork& b, int c, int r) {
    if (b.Use_Cell_Colours != 0 && Has_Cell(b.Cell_Colours, c, r)) {
        const QColor colour = Colour_Of(b.Cell_Colours[c][r]);
        if (colour == QColor(Qt::white)) {
            return Qt::white;
        }
        // Darker colours as darker greys, all of them light enough to write on.
        const int light = qGray(colour.rgb());
        const int grey = 200 + light * 45 / 255;
        return QColor(grey, grey, grey);
    }
    return Has_Cell(b.Cell_Shaded, c, r) && b.Cell_Shaded[c][r] != 0 ? Shading : QColor(Qt::white);
}

void Line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2) {
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

// The small numbers of an empty cell: the candidate labels (with "Show Labels") and the
// player's notes, on the label grid of the board's kind.
void Paint_Marks(QPainter& p, const Puzzle_State& state, const Sudoku_Boards_FrameWork& b, int c,
                 int r, const QRectF& cell) {
    const Note_Set notes = Notes_Of(b, c, r);
    const bool labels = state.Show_Labels && Has_Cell(b.Cell_Tracking, c, r);
    if (notes == 0 && !labels) {
        return;
    }
    const Board_Kind* kind = Kind_Of(b);
    int per_line = kind != nullptr ? kind->Label_Line_Length : 3;
    while (per_line * per_line < b.Max_Number) {
        ++per_line;
    }
    const int lines = std::max(1, (b.Max_Number + per_line - 1) / per_line);
    const QRectF inner = cell.adjusted(cell.width() * 0.08, cell.height() * 0.08,
                                       -cell.width() * 0.08, -cell.height() * 0.08);
    const qreal across = inner.width() / per_line;
    const qreal down = inner.height() / std::max(lines, 3);
    const qreal top = inner.top() + (inner.height() - down * lines) / 2;
    const QFont label_font = Sheet_Font(std::min(across, down) * 0.8, false);
    const QFont note_font = Sheet_Font(std::min(across, down) * 0.8, true);
    const std::vector<Byte>* possible = labels ? &b.Cell_Tracking[c][r].Possible : nullptr;
    for (int n = 1; n <= b.Max_Number; ++n) {
        const bool noted = n <= 32 && (notes >> (n - 1) & 1u) != 0;
        const bool label = possible != nullptr && n - 1 < static_cast<int>(possible->size()) &&
                           (*possible)[static_cast<std::size_t>(n - 1)] != 0;
        if (!noted && !label) {
            continue;
        }
        const QRectF spot(inner.left() + ((n - 1) % per_line) * across,
                          top + ((n - 1) / per_line) * down, across, down);
        p.setFont(noted ? note_font : label_font);
        p.setPen(noted ? Note_Ink : Label_Ink);
        p.drawText(spot, Qt::AlignCenter, Sheet_Number_Text(b, n));
    }
}

void Paint_Heading(QPainter& p, const Sheet_Heading& heading, const QRectF& band,
                   qreal dots_per_inch) {
    const QString title = heading.Title.isEmpty() ? heading.Kind : heading.Title;
    const QString subtitle = Sheet_Subtitle(heading);
    const qreal title_line = Point_Dots(Title_Points * Line_Spacing, dots_per_inch);
    const QFont title_font = Sheet_Font(Point_Dots(Title_Points, dots_per_inch), true);
    p.setFont(title_font);
    p.setPen(Ink);
    const QRectF title_box(band.left(), band.top(), band.width(), title_line);
    p.drawText(title_box, Qt::AlignHCenter | Qt::AlignVCenter,
               QFontMetricsF(title_font).elidedText(title, Qt::ElideRight, band.width()));
    if (subtitle.isEmpty()) {
        return;
    }
    const QFont sub_font = Sheet_Font(Point_Dots(Subtitle_Points, dots_per_inch), false);
    p.setFont(sub_font);
    p.setPen(Subtitle_Ink);
    p.drawText(
        QRectF(band.left(), title_box.bottom(), band.width(), band.bottom() - title_box.bottom()),
        Qt::AlignHCenter | Qt::AlignVCenter,
        QFontMetricsF(sub_font).elidedText(subtitle, Qt::ElideRight, band.width()));
}

// Every board in four passes, so that no board's fill or thin lines cover another's thick
// ones where boards overlap: shading, thin lines, thick lines, then the numbers of each page
// cell once.
void Paint_Boards(QPainter& p, const Puzzle_State& state, const Sheet_Layout& layout,
                  const Sheet_Placement& place, qreal dots_per_inch) {
    const qreal cell = place.Cell;
    const Sheet_Pens pens = Pens_For(cell, dots_per_inch);
    auto cell_rect = [&](const Sheet_Board& sb, int c, int r) {
        return QRectF(place.Figure_Origin.x() + (sb.Cells.left() + c) * cell,
                      place.Figure_Origin.y() + (sb.Cells.top() + r) * cell, cell, cell);
    };

    for (const Sheet_Board& sb : layout.Boards) {
        const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[static_cast<std::size_t>(sb.Board)];
        for (int c = 0; c < b.Cols; ++c) {
            for (int r = 0; r < b.Rows; ++r) {
                p.fillRect(cell_rect(sb, c, r), Shade_Of(b, c, r));
            }
        }
    }

    p.setPen(QPen(Ink, pens.Thin, Qt::SolidLine, Qt::FlatCap));
    for (const Sheet_Board& sb : layout.Boards) {
        const QRectF whole(place.Figure_Origin.x() + sb.Cells.left() * cell,
                           place.Figure_Origin.y() + sb.Cells.top() * cell, sb.Cells.width() * cell,
                           sb.Cells.height() * cell);
        for (int a = 1; a < sb.Cells.width(); ++a) {
            Line(p, whole.left() + a * cell, whole.top(), whole.left() + a * cell, whole.bottom());
        }
        for (int a = 1; a < sb.Cells.height(); ++a) {
            Line(p, whole.left(), whole.top() + a * cell, whole.right(), whole.top() + a * cell);
        }
    }

    p.setPen(QPen(Ink, pens.Thick, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (const Sheet_Board& sb : layout.Boards) {
        const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[static_cast<std::size_t>(sb.Board)];
        const QRectF whole(place.Figure_Origin.x() + sb.Cells.left() * cell,
                           place.Figure_Origin.y() + sb.Cells.top() * cell, sb.Cells.width() * cell,
                           sb.Cells.height() * cell);
        if (b.Draw_Block_Lines != 0) {
            const int block_width = b.Block_Width_Max >= 0 ? b.Block_Width_Max + 1 : 1;
            const int block_height = b.Block_Height_Max >= 0 ? b.Block_Height_Max + 1 : 1;
            for (int a = block_width; a < b.Cols; a += block_width) {
                Line(p, whole.left() + a * cell, whole.top(), whole.left() + a * cell,
                     whole.bottom());
            }
            for (int a = block_height; a < b.Rows; a += block_height) {
                Line(p, whole.left(), whole.top() + a * cell, whole.right(),
                     whole.top() + a * cell);
            }
        }
        for (int c = 0; c < b.Cols; ++c) {
            for (int r = 0; r < b.Rows; ++r) {
                if (!Has_Cell(b.Cell_Borders, c, r)) {
                    continue;
                }
                const std::array<Byte, 4>& edge = b.Cell_Borders[c][r];
                const QRectF box = cell_rect(sb, c, r);
                if (edge[0] != 0) {
                    Line(p, box.left(), box.top(), box.right(), box.top());
                }
                if (edge[1] != 0) {
                    Line(p, box.left(), box.bottom(), box.right(), box.bottom());
                }
                if (edge[2] != 0) {
                    Line(p, box.left(), box.top(), box.left(), box.bottom());
                }
                if (edge[3] != 0) {
                    Line(p, box.right(), box.top(), box.right(), box.bottom());
                }
            }
        }
        p.drawRect(whole);
    }

    const QFont given_font = Sheet_Font(cell * 0.6, true);
    const QFont entry_font = Sheet_Font(cell * 0.6, false);
    std::set<Cell_Key> written;
    for (const Sheet_Board& sb : layout.Boards) {
        const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[static_cast<std::size_t>(sb.Board)];
        for (int c = 0; c < b.Cols; ++c) {
            for (int r = 0; r < b.Rows; ++r) {
                if (!Has_Cell(b.Cell_Values, c, r) ||
                    !written.insert({sb.Cells.left() + c, sb.Cells.top() + r}).second) {
                    continue;
                }
                const QRectF box = cell_rect(sb, c, r);
                const Integer v = b.Cell_Values[c][r];
                if (v == 0) {
                    Paint_Marks(p, state, b, c, r, box);
                    continue;
                }
                const bool given = Has_Cell(b.Cell_Locked, c, r) && b.Cell_Locked[c][r] != 0;
                p.setFont(given ? given_font : entry_font);
                p.setPen(given ? Ink : Entry_Ink);
                p.drawText(box, Qt::AlignCenter, Sheet_Number_Text(b, v));
            }
        }
    }
}

// Each board's number in a ring, in the cell the layout chose for it or on its corner.
void Paint_Board_Numbers(QPainter& p, const Sheet_Layout& layout, const Sheet_Placement& place,
                         qreal dots_per_inch) {
    if (!layout.Numbered) {
        return;
    }
    const qreal cell = place.Cell;
    const QFont font = Sheet_Font(cell * 0.42, true);
    const QFont corner_font = Sheet_Font(cell * 0.36, true);
    for (const Sheet_Board& sb : layout.Boards) {
        const QPointF centre = place.Figure_Origin +
                               (sb.Number_On_Corner ? QPointF(sb.Cells.topLeft())
                                                    : QPointF(sb.Number_Cell) + QPointF(0.5, 0.5)) *
                                   cell;
        const qreal radius = cell * (sb.Number_On_Corner ? 0.3 : 0.35);
        const QRectF ring(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
        // On a corner the ring covers the lines that meet there.
        p.setBrush(sb.Number_On_Corner ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
        p.setPen(QPen(Ink, Pens_For(cell, dots_per_inch).Thin));
        p.drawEllipse(ring);
        p.setFont(sb.Number_On_Corner ? corner_font : font);
        p.setPen(Ink);
        p.drawText(ring, Qt::AlignCenter, QString::number(sb.Board + 1));
    }
}

std::string Sheet_Message(const QString& reason) {
    return "Cannot write the puzzle sheet: " + reason.toStdString();
}

} // namespace

Sheet_Paper Locale_Sheet_Paper(const QLocale& locale) {
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? Sheet_Paper::Letter
                                                                   : Sheet_Paper::A4;
}

bool Parse_Sheet_Paper(const std::string& word, Sheet_Paper& paper) {
    const QString w = QString::fromStdString(word).toLower();
    if (w == QLatin1String("a4")) {
        paper = Sheet_Paper::A4;
        return true;
    }
    if (w == QLatin1String("letter")) {
        paper = Sheet_Paper::Letter;
        return true;
    }
    return false;
}

const char* Sheet_Paper_Name(Sheet_Paper paper) {
    return paper == Sheet_Paper::Letter ? "Letter" : "A4";
}

QPageSize Sheet_Page_Size(Sheet_Paper paper) {
    return QPageSize(paper == Sheet_Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

QString Sheet_Title(const Puzzle_State& state, const QString& file_name) {
    const QString title =
        QString::fromStdString(Cp1252_To_Utf8(state.Puzzle_Title.Text())).trimmed();
    return title.isEmpty() ? QFileInfo(file_name).fileName() : title;
}

QString Sheet_Kind_Text(const Puzzle_State& state) {
    if (state.Sudoku_Boards.empty()) {
        return {};
    }
    const std::vector<std::pair<Integer, Flag>> kinds = Board_Kinds_Of(state);
    const std::vector<QPoint> cells = Relative_Cells(state);
    const bool regions_only = Regions_Replace_Blocks(state);
    const bool extra_regions =
        state.Custom_Regions_On != 0 && !regions_only && !state.Custom_Regions.empty();
    QString text;
    bool regions_said = false;
    for (const Known_Figure& figure : Known_Figures()) {
        if (figure.Kinds == kinds && figure.Cells == cells) {
            text = figure.Label;
            break;
        }
    }
    bool symbols_said = false;
    if (!text.isEmpty() && state.Sudoku_Boards.size() == 1 &&
        state.Sudoku_Boards[0].Board_Type == Board_Type_9x9) {
        const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[0];
        const Known_Figure* jigsaw = Figure_Named("jigsaw");
        const Known_Figure* letters = Figure_Named("symbols");
        if (regions_only && jigsaw != nullptr) {
            text = jigsaw->Label;
            regions_said = true;
        } else if (b.Use_Symbols != 0 && letters != nullptr &&
                   std::string(b.Symbols.begin(), b.Symbols.end()) == "ABCDEFGHI") {
            text = letters->Label;
            symbols_said = true;
        }
    }
    if (text.isEmpty()) {
        std::set<std::string> names;
        for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
            names.insert(Kind_Name(b));
        }
        QStringList list;
        for (const std::string& name : names) {
            list << QString::fromStdString(name);
        }
        const QString last = list.isEmpty() ? QString() : list.takeLast();
        const QString kinds =
            list.isEmpty() ? last
                           : list.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
        const int count = static_cast<int>(state.Sudoku_Boards.size());
        text = count == 1 ? kinds : QStringLiteral("%1 boards of %2").arg(count).arg(kinds);
    }
    QStringList with;
    bool any_symbols = false;
    for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
        any_symbols = any_symbols || b.Use_Symbols != 0;
    }
    if (any_symbols && !symbols_said) {
        with << QStringLiteral("symbols");
    }
    if (regions_only && !regions_said) {
        with << QStringLiteral("regions instead of blocks");
    } else if (extra_regions) {
        with << QStringLiteral("extra regions");
    }
    return with.isEmpty() ? text
                          : text + QStringLiteral(" with ") + with.join(QStringLiteral(" and "));
}

std::optional<Puzzle_Level> Sheet_Level(const Puzzle_State& state) {
    if (state.Sudoku_Boards.empty()) {
        return std::nullopt;
    }
    Puzzle_State givens;
    static_cast<Puzzle_Data&>(givens) = state;
    bool any_locked = false;
    for (const Sudoku_Boards_FrameWork& b : givens.Sudoku_Boards) {
        for (const auto& column : b.Cell_Locked) {
            for (const Byte locked : column) {
                any_locked = any_locked || locked != 0;
            }
        }
    }
    if (any_locked) {
        for (Sudoku_Boards_FrameWork& b : givens.Sudoku_Boards) {
            for (int c = 0; c < b.Cols; ++c) {
                for (int r = 0; r < b.Rows; ++r) {
                    if (Has_Cell(b.Cell_Values, c, r) &&
                        !(Has_Cell(b.Cell_Locked, c, r) && b.Cell_Locked[c][r] != 0)) {
                        b.Cell_Values[c][r] = 0;
                    }
                }
            }
        }
    }
    if (Count_Solutions(givens, 2).Count != 1) {
        return std::nullopt;
    }
    const Grade_Result grade = Grade_Puzzle(givens);
    if (!grade.Solved) {
        return std::nullopt;
    }
    return grade.Level;
}

Sheet_Heading Make_Sheet_Heading(const Puzzle_State& state, const QString& file_name,
                                 std::optional<Puzzle_Level> level) {
    return {Sheet_Title(state, file_name), Sheet_Kind_Text(state), level};
}

QString Sheet_Subtitle(const Sheet_Heading& heading) {
    QString level;
    if (heading.Level) {
        level = QString::fromLatin1(Level_Name(*heading.Level));
        if (!level.isEmpty()) {
            level[0] = level[0].toUpper();
        }
        level = QStringLiteral("Level: ") + level;
    }
    if (heading.Title.isEmpty() || heading.Kind.isEmpty()) {
        return level;
    }
    return level.isEmpty() ? heading.Kind : heading.Kind + QStringLiteral(" \u00B7 ") + level;
}

Sheet_Layout Lay_Out_Sheet(const Puzzle_State& state) {
    Sheet_Layout layout;
    long long left = 0;
    long long top = 0;
    bool first = true;
    for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
        if (Kind_Of(state.Sudoku_Boards[static_cast<std::size_t>(b)]) == nullptr) {
            continue;
        }
        const long long x = Board_Left_Cell(state, b);
        const long long y = Board_Top_Cell(state, b);
        left = first ? x : std::min(left, x);
        top = first ? y : std::min(top, y);
        first = false;
    }
    for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[static_cast<std::size_t>(b)];
        if (Kind_Of(board) == nullptr) {
            continue;
        }
        const QRect cells(static_cast<int>(Board_Left_Cell(state, b) - left),
                          static_cast<int>(Board_Top_Cell(state, b) - top), board.Cols, board.Rows);
        layout.Boards.push_back({b, cells, QPoint()});
    }
    QRect extent;
    for (const Sheet_Board& sb : layout.Boards) {
        extent = extent.united(sb.Cells);
    }
    layout.Boards_Extent = extent.size();
    layout.Numbered = layout.Boards.size() > 1;
    if (layout.Numbered) {
        std::set<Cell_Key> taken;
        for (std::size_t i = 0; i < layout.Boards.size(); ++i) {
            Sheet_Board& board = layout.Boards[i];
            QPoint p;
            if (Number_Cell_For(layout.Boards, i, taken, p)) {
                board.Number_Cell = p;
                taken.insert({p.x(), p.y()});
                extent = extent.united(QRect(p, QSize(1, 1)));
            } else {
                board.Number_On_Corner = true;
            }
        }
    }
    // The figure starts at its top left cell, numbers included.
    const QPoint shift = -extent.topLeft();
    for (Sheet_Board& sb : layout.Boards) {
        sb.Cells.translate(shift);
        sb.Number_Cell += shift;
    }
    layout.Figure = extent.size();
    return layout;
}

QPageLayout::Orientation Sheet_Orientation(const Puzzle_State& state) {
    const QSize extent = Lay_Out_Sheet(state).Boards_Extent;
    return extent.width() > extent.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

Sheet_Placement Place_Sheet(const Sheet_Layout& layout, const QSizeF& paper, qreal dots_per_inch) {
    Sheet_Placement place;
    const qreal margin = Dots(Sheet_Margin_Mm, dots_per_inch);
    const qreal heading =
        Point_Dots((Title_Points + Subtitle_Points) * Line_Spacing, dots_per_inch);
    const qreal width = std::max<qreal>(paper.width() - 2 * margin, 0);
    place.Heading = QRectF(margin, margin, width, heading);
    const qreal figure_top = place.Heading.bottom() + Dots(Heading_Gap_Mm, dots_per_inch);
    const QRectF area(margin, figure_top, width,
                      std::max<qreal>(paper.height() - margin - figure_top, 0));
    if (layout.Figure.isEmpty()) {
        place.Figure_Origin = area.topLeft();
        return place;
    }
    place.Cell =
        std::min({area.width() / layout.Figure.width(), area.height() / layout.Figure.height(),
                  Dots(Largest_Sheet_Cell_Mm, dots_per_inch)});
    place.Figure_Origin =
        QPointF(area.left() + (area.width() - place.Cell * layout.Figure.width()) / 2,
                area.top() + (area.height() - place.Cell * layout.Figure.height()) / 2);
    return place;
}

void Paint_Sheet(QPainter& painter, const QSizeF& paper, qreal dots_per_inch,
                 const Puzzle_State& state, const Sheet_Heading& heading) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), paper), Qt::white);
    const Sheet_Layout layout = Lay_Out_Sheet(state);
    const Sheet_Placement place = Place_Sheet(layout, paper, dots_per_inch);
    Paint_Heading(painter, heading, place.Heading, dots_per_inch);
    if (place.Cell > 0) {
        Paint_Boards(painter, state, layout, place, dots_per_inch);
        Paint_Board_Numbers(painter, layout, place, dots_per_inch);
    }
    painter.restore();
}

QSizeF Sheet_Paper_Points(const Puzzle_State& state, Sheet_Paper paper) {
    const QSizeF size = Sheet_Page_Size(paper).size(QPageSize::Point);
    return Sheet_Orientation(state) == QPageLayout::Landscape ? size.transposed() : size;
}

QImage Render_Sheet(const Puzzle_State& state, const Sheet_Heading& heading, Sheet_Paper paper,
                    qreal dots_per_inch) {
    const QSizeF points = Sheet_Paper_Points(state, paper);
    const QSize dots(qRound(points.width() * dots_per_inch / Points_Per_Inch),
                     qRound(points.height() * dots_per_inch / Points_Per_Inch));
    QImage image(dots, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDotsPerMeterX(qRound(dots_per_inch / Mm_Per_Inch * 1000));
    image.setDotsPerMeterY(qRound(dots_per_inch / Mm_Per_Inch * 1000));
    QPainter painter(&image);
    Paint_Sheet(painter, QSizeF(dots), dots_per_inch, state, heading);
    return image;
}

std::string Write_Sheet_Pdf(const Puzzle_State& state, const Sheet_Heading& heading,
                            Sheet_Paper paper, const QString& path) {
    if (QFileInfo(path).isDir()) {
        return Sheet_Message(QStringLiteral("the target is a folder"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Sheet_Message(file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Tessel Sudoku"));
        writer.setTitle(heading.Title.isEmpty() ? heading.Kind : heading.Title);
        writer.setResolution(Sheet_Pdf_Resolution);
        writer.setPageLayout(
            QPageLayout(Sheet_Page_Size(paper), Sheet_Orientation(state), QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return Sheet_Message(QStringLiteral("the PDF could not be started"));
        }
        const QSizeF paper_dots = writer.pageLayout().fullRectPixels(Sheet_Pdf_Resolution).size();
        Paint_Sheet(painter, paper_dots, Sheet_Pdf_Resolution, state, heading);
        painter.end();
    }
    if (!file.commit()) {
        return Sheet_Message(file.errorString());
    }
    return {};
}
