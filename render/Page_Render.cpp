#include "render/Page_Render.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"
#include "model/Cp1252.h"
#include "render/Board_Drawing.h"

namespace {

// The panel's etched frame: the toolkit's standard palette draws it in these two colours.
const QColor Frame_Dark(159, 159, 159);
const QColor Frame_Light(255, 255, 255);

// A text as a label shows it: from its top left corner, centred in the height of one line.
void Draw_Label(QPainter& painter, int left, int top, const QString& text, const QFont& font,
                const QColor& colour) {
    if (text.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(font);
    const QRect box = metrics.boundingRect(QRect(left, top, 0x3FFFFFFF, 0x3FFFFFFF),
                                           Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(left, top, box.width(), box.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     text);
}

// The info panel: teal, a groove round it (a dark rectangle with a light one just inside
// and below it), the title, "Website: " and the link, clipped to the panel.
void Paint_Info_Panel(QPainter& painter, const Puzzle_State& state) {
    const QRect panel = Info_Panel_Rect(state);
    painter.save();
    painter.translate(panel.topLeft());
    painter.setClipRect(QRect(0, 0, panel.width(), panel.height()));
    const int w = panel.width();
    const int h = panel.height();
    painter.fillRect(QRect(0, 0, w, h), Colour_Of(Colour_Teal));
    // Rectangle outlines as one-pixel fills, so no pen rule moves them.
    const auto line = [&painter](int x, int y, int width, int height, const QColor& colour) {
        painter.fillRect(QRect(x, y, width, height), colour);
    };
    line(0, 0, w - 1, 1, Frame_Dark);
    line(0, h - 2, w - 1, 1, Frame_Dark);
    line(0, 0, 1, h - 1, Frame_Dark);
    line(w - 2, 0, 1, h - 1, Frame_Dark);
    line(1, 1, w - 3, 1, Frame_Light);
    line(1, 2, 1, h - 4, Frame_Light);
    line(0, h - 1, w, 1, Frame_Light);
    line(w - 1, 0, 1, h - 1, Frame_Light);

    const QFont font = Info_Panel_Font(false);
    Draw_Label(painter, Info_Title_Left, Info_Title_Top,
               QString::fromStdString(Cp1252_To_Utf8(state.Puzzle_Title.Text())), font, Qt::black);
    Draw_Label(painter, Info_Website_Left, Info_Website_Top, QStringLiteral("Website: "), font,
               Qt::black);
    Draw_Label(painter, Info_Link_Left, Info_Link_Top,
               QString::fromStdString(Cp1252_To_Utf8(state.Puzzle_Link.Text())),
               Info_Panel_Font(true), Colour_Of(Colour_Silver));
    painter.restore();
}

std::string Export_Message(const QString& reason) {
    return "Cannot export the page: " + reason.toStdString();
}

constexpr int Pdf_Resolution = 3 * 96;

// PDF pages larger than this many points a side are not shown by every reader.
constexpr qreal Largest_Pdf_Points = 14400;

// The page as a PDF of one page its own size (96 pixels an inch), shrunk only where a side
// would pass the largest page readers show.
std::string Write_Pdf(const Puzzle_State& state, QSaveFile& file) {
    const QSize size = Page_Render_Size(state);
    // 96 pixels an inch, as the screen; 72 points an inch.
    qreal points_per_pixel = 0.75;
    const qreal longest = std::max(size.width(), size.height()) * points_per_pixel;
    if (longest > Largest_Pdf_Points) {
        points_per_pixel *= Largest_Pdf_Points / longest;
    }
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("Tessel Sudoku"));
    writer.setTitle(QString::fromStdString(Cp1252_To_Utf8(state.Puzzle_Title.Text())));
    // Three device pixels for each page pixel, so the boards stay sharp when zoomed in.
    writer.setResolution(Pdf_Resolution);
    const QSizeF page(size.width() * points_per_pixel, size.height() * points_per_pixel);
    writer.setPageSize(QPageSize(page, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return Export_Message(QStringLiteral("the PDF could not be started"));
    }
    // Page sizes are whole points: teal fills what the rounding leaves beside the picture.
    const QRectF paper(QPointF(0, 0), writer.pageLayout().fullRectPixels(Pdf_Resolution).size());
    painter.fillRect(paper, Colour_Of(Colour_Teal));
    Paint_Page_Fitted(painter, state, paper);
    painter.end();
    return {};
}

} // namespace

QFont Info_Panel_Font(bool underline) {
    Install_Font_Substitutions();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setUnderline(underline);
    return font;
}

QRect Board_Page_Rect(const Puzzle_State& state, int i) {
    if (i < 0 || i >= static_cast<int>(state.Sudoku_Boards.size())) {
        return {};
    }
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[static_cast<std::size_t>(i)];
    if (Kind_Of(b) == nullptr) {
        return {};
    }
    Board_Position position;
    if (i < static_cast<int>(state.Board_Positions.size())) {
        position = state.Board_Positions[static_cast<std::size_t>(i)];
    }
    const int side = b.Max_Number * Cell_Size;
    return QRect(Page_Pixel(position.X), Page_Pixel(position.Y), side, side);
}

QRect Info_Panel_Rect(const Puzzle_State& state) {
    return QRect(state.Info_Left, state.Info_Top, Info_Panel_Width, Info_Panel_Height);
}

QSize Page_Render_Size(const Puzzle_State& state) {
    QRect area;
    for (int i = 0; i < static_cast<int>(state.Sudoku_Boards.size()); ++i) {
        area = area.united(Board_Page_Rect(state, i));
    }
    if (state.Info_Visible != 0) {
        area = area.united(Info_Panel_Rect(state));
    }
    const auto extent = [](int far_edge) {
        const std::int64_t size = static_cast<std::int64_t>(far_edge) + 1 + Page_Render_Margin;
        return static_cast<int>(std::clamp<std::int64_t>(size, 1, INT32_MAX));
    };
    return {extent(area.right()), extent(area.bottom())};
}

void Paint_Page(QPainter& painter, const Puzzle_State& state, qreal pixel_ratio) {
    painter.fillRect(QRect(QPoint(0, 0), Page_Render_Size(state)), Colour_Of(Colour_Teal));
    if (state.Info_Visible != 0) {
        Paint_Info_Panel(painter, state);
    }
    // A PDF or a printer keeps the pictures as they are: line art with no compression blur.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    // A drawing of its own: the window's kept cells stay as they are.
    Drawing_Resources res;
    res.Device_Pixel_Ratio = pixel_ratio;
    for (int i = 0; i < static_cast<int>(state.Sudoku_Boards.size()); ++i) {
        const QImage picture = Compose_Board_Of_Kind(state, i, res);
        if (!picture.isNull()) {
            painter.drawImage(Board_Page_Rect(state, i).topLeft(), picture);
        }
    }
}

Page_Render_Result Render_Page(const Puzzle_State& state) {
    Page_Render_Result result;
    const QSize size = Page_Render_Size(state);
    if (size.width() > Largest_Page_Side || size.height() > Largest_Page_Side ||
        static_cast<qint64>(size.width()) * size.height() > Largest_Page_Pixels) {
        result.Error = "The page is too large for one picture (" + std::to_string(size.width()) +
                       " x " + std::to_string(size.height()) +
                       " pixels); export it as a PDF instead";
        return result;
    }
    result.Image = QImage(size, QImage::Format_RGB32);
    if (result.Image.isNull()) {
        result.Error = "There is not enough memory for a picture of the page";
        return result;
    }
    QPainter painter(&result.Image);
    Paint_Page(painter, state, 1.0);
    return result;
}

Page_Format Page_Format_Of(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return Page_Format::Png;
    }
    if (suffix == QLatin1String("pdf")) {
        return Page_Format::Pdf;
    }
    return Page_Format::None;
}

std::string Export_Page(const Puzzle_State& state, const QString& path) {
    const Page_Format format = Page_Format_Of(path);
    if (format == Page_Format::None) {
        return "The page is exported as a picture (.png) or a PDF document (.pdf); the name " +
               QFileInfo(path).fileName().toStdString() + " ends in neither";
    }
    Page_Render_Result picture;
    if (format == Page_Format::Png) {
        picture = Render_Page(state);
        if (!picture.Ok()) {
            return picture.Error;
        }
    }
    if (QFileInfo(path).isDir()) {
        return Export_Message(QStringLiteral("the target is a folder"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Export_Message(file.errorString());
    }
    if (format == Page_Format::Png) {
        QImageWriter writer(&file, "png");
        if (!writer.write(picture.Image)) {
            file.cancelWriting();
            return Export_Message(writer.errorString());
        }
    } else {
        const std::string error = Write_Pdf(state, file);
        if (!error.empty()) {
            file.cancelWriting();
            return error;
        }
    }
    if (!file.commit()) {
        return Export_Message(file.errorString());
    }
    return {};
}

QRectF Fit_To_Page(const QSizeF& picture, const QRectF& page) {
    if (picture.width() <= 0 || picture.height() <= 0 || page.isEmpty()) {
        return {page.topLeft(), QSizeF(0, 0)};
    }
    const qreal scale = std::min(page.width() / picture.width(), page.height() / picture.height());
    const QSizeF size(picture.width() * scale, picture.height() * scale);
    return {QPointF(page.left() + (page.width() - size.width()) / 2,
                    page.top() + (page.height() - size.height()) / 2),
            size};
}

void Paint_Page_Fitted(QPainter& painter, const Puzzle_State& state, const QRectF& area) {
    const QSize size = Page_Render_Size(state);
    const QRectF target = Fit_To_Page(QSizeF(size), area);
    if (target.isEmpty()) {
        return;
    }
    const qreal scale = target.width() / size.width();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Board pictures with about one pixel for each pixel they cover, up to four times the
    // screen's: sharp on paper without growing without end.
    const qreal ratio = std::clamp<qreal>(std::ceil(scale - 0.01), 1, 4);
    Paint_Page(painter, state, ratio);
    painter.restore();
}
