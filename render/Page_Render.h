#pragma once
// The board page drawn as one picture, the way the window shows it: the teal page, the info
// panel when it is shown, and every board's picture at its place on top, in file order, each
// composed by the drawing the window uses (labels and help colours as the game has them on).
// The window exports it (it prints the puzzle sheet instead: render/Puzzle_Sheet.h);
// `tessel-puzzle render` writes it without a display. It needs a QGuiApplication for the
// fonts, and no widget.

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <string>

#include "model/Board_Model.h"

class QPainter;

// The info panel's size, and where its three texts stand inside it (the title, "Website: "
// and the link): the window's page lays it out by these too.
constexpr int Info_Panel_Width = 270;
constexpr int Info_Panel_Height = 49;
constexpr int Info_Title_Left = 8;
constexpr int Info_Title_Top = 8;
constexpr int Info_Website_Left = 8;
constexpr int Info_Website_Top = 24;
constexpr int Info_Link_Left = 56;
constexpr int Info_Link_Top = 24;

// The panel's texts: 11-pixel "MS Sans Serif" (black; the link silver and underlined).
QFont Info_Panel_Font(bool underline);

// Room left beyond the right-most and bottom-most thing on the page, so that its edge is
// visible; the window's page leaves it too.
constexpr int Page_Render_Margin = 8;

// A page picture (PNG) is refused beyond these sizes; a PDF or a print has no such limit.
constexpr int Largest_Page_Side = 32767;
constexpr qint64 Largest_Page_Pixels = 64LL * 1024 * 1024;

// The place of board i's picture on the page and its size (empty for a board of a kind the
// game cannot draw).
QRect Board_Page_Rect(const Puzzle_State& state, int i);
// The place of the info panel on the page.
QRect Info_Panel_Rect(const Puzzle_State& state);

// The page's size in pixels: from its top left corner to the far edges of the boards and
// of the info panel when it is shown, and the margin beyond.
QSize Page_Render_Size(const Puzzle_State& state);

// Paints the page in page pixels onto the painter, the board pictures composed at the given
// pixel ratio (1 for a picture at screen size; more for a sharper PDF or print).
void Paint_Page(QPainter& painter, const Puzzle_State& state, qreal pixel_ratio);

struct Page_Render_Result {
    std::string Error; // empty when the picture was drawn
    QImage Image;

    bool Ok() const { return Error.empty(); }
};

// The page as one picture at screen size, or a refusal when it is too large for one.
Page_Render_Result Render_Page(const Puzzle_State& state);

enum class Page_Format { None, Png, Pdf };

// The format a file name asks for by its extension (.png or .pdf, in any case).
Page_Format Page_Format_Of(const QString& path);

// Writes the page to path as PNG or PDF, the format from the file name's extension; the
// file replaces an older one only once it was written completely. Returns an empty string,
// or the message the window shows.
std::string Export_Page(const Puzzle_State& state, const QString& path);

// Where a picture of the given size goes on a page: as large as fits, the sides in their
// proportion, in the middle.
QRectF Fit_To_Page(const QSizeF& picture, const QRectF& page);

// Paints the page onto the painter scaled into the area (a printer's page), the board
// pictures composed sharply enough for the scale.
void Paint_Page_Fitted(QPainter& painter, const Puzzle_State& state, const QRectF& area);
