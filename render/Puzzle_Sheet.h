#pragma once
// The puzzle sheet: the boards on white paper to solve with a pencil, as the window prints
// them and `tessel-puzzle print` writes them. Black lines (thin between cells, thick round
// blocks, custom regions and each board), givens in black, the player's entries in dark
// grey, candidate labels (with "Show Labels") and notes small and grey, cell colours as
// light grey. A heading names the puzzle, its kind and its level when known; on a page of
// several boards each board's number stands beside it. Everything is scaled to fit inside
// the margins and centred. It draws with QtGui alone and needs a QGuiApplication for the
// fonts.

#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "logic/Grading.h"
#include "model/Board_Model.h"

class QImage;
class QLocale;
class QPainter;

enum class Sheet_Paper { A4, Letter };

// Letter where the locale measures in US units, A4 everywhere else.
Sheet_Paper Locale_Sheet_Paper(const QLocale& locale);
// "a4" or "letter", in any case; false for anything else.
bool Parse_Sheet_Paper(const std::string& word, Sheet_Paper& paper);
const char* Sheet_Paper_Name(Sheet_Paper paper); // "A4", "Letter"
QPageSize Sheet_Page_Size(Sheet_Paper paper);

// The texts above the boards.
struct Sheet_Heading {
    QString Title; // the puzzle's title, else its file's name; may be empty
    QString Kind;  // "Classic 9x9", "Samurai (5 grids)", ...
    std::optional<Puzzle_Level> Level;
};

// The puzzle's own title when it has one, else the file's name without its folder.
QString Sheet_Title(const Puzzle_State& state, const QString& file_name);

// What the boards make: the label of the generator's kind whose figure and board kinds they
// match ("Jigsaw 9x9" when regions replace the blocks, "Letters A to I" for those symbols),
// else the number of boards and their kinds ("2 boards of 6x6-wide"); then what else they
// have (" with symbols", " with extra regions", " with regions instead of blocks"). Empty
// without boards.
QString Sheet_Kind_Text(const Puzzle_State& state);

// The level of the puzzle its givens make (the locked numbers; every number when none is
// locked), when it has one solution that the techniques reach. Grades the puzzle, which may
// take a while on a hard one; nothing is painted.
std::optional<Puzzle_Level> Sheet_Level(const Puzzle_State& state);

// The title, kind and level together, the level as given.
Sheet_Heading Make_Sheet_Heading(const Puzzle_State& state, const QString& file_name,
                                 std::optional<Puzzle_Level> level);

// The line under the title: the kind and the level ("Samurai (5 grids) · Level: Hard"), or
// the level alone when the title line already shows the kind.
QString Sheet_Subtitle(const Sheet_Heading& heading);

// One board on the sheet: its place in cells from the figure's top left corner, and where its
// number stands on a page of several boards: in a cell outside every board, beside its own
// and no other where there is one; else (a board hemmed in all round, as a windmill's centre)
// on its own top left corner.
struct Sheet_Board {
    int Board = 0;
    QRect Cells;
    QPoint Number_Cell;
    bool Number_On_Corner = false;
};

struct Sheet_Layout {
    std::vector<Sheet_Board> Boards; // every board of a kind the game draws, in file order
    bool Numbered = false;           // more than one board: each carries its number
    QSize Figure;                    // cells across and down, the numbers included
    QSize Boards_Extent;             // cells across and down of the boards alone
};

// Where the boards lie on the sheet, by their page cells, and where their numbers go.
Sheet_Layout Lay_Out_Sheet(const Puzzle_State& state);

// Landscape when the boards are wider than high, else portrait.
QPageLayout::Orientation Sheet_Orientation(const Puzzle_State& state);

constexpr qreal Sheet_Margin_Mm = 15;
// A cell is never drawn larger than this, so that a single board stays a comfortable size.
constexpr qreal Largest_Sheet_Cell_Mm = 16;

// Where the parts go on paper of the given size in dots (at dots_per_inch): the heading's
// band at the top margin, the figure below it, centred in what is left.
struct Sheet_Placement {
    QRectF Heading;
    QPointF Figure_Origin; // the top left corner of cell (0, 0) of the layout
    qreal Cell = 0;        // dots per cell
};
Sheet_Placement Place_Sheet(const Sheet_Layout& layout, const QSizeF& paper, qreal dots_per_inch);

// Paints the sheet on paper whose top left corner is the painter's origin, in dots at the
// given resolution.
void Paint_Sheet(QPainter& painter, const QSizeF& paper, qreal dots_per_inch,
                 const Puzzle_State& state, const Sheet_Heading& heading);

// The whole page size of paper turned as the boards ask, in points.
QSizeF Sheet_Paper_Points(const Puzzle_State& state, Sheet_Paper paper);

// The sheet as a picture of the whole paper at the given resolution.
QImage Render_Sheet(const Puzzle_State& state, const Sheet_Heading& heading, Sheet_Paper paper,
                    qreal dots_per_inch);

// The resolution of a sheet written as PDF, as a printer's high resolution.
constexpr int Sheet_Pdf_Resolution = 1200;

// Writes the sheet as a PDF of one page to path, replacing an older file only once written
// completely. Returns an empty string, or why it failed.
std::string Write_Sheet_Pdf(const Puzzle_State& state, const Sheet_Heading& heading,
                            Sheet_Paper paper, const QString& path);
