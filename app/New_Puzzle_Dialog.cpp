#include "app/New_Puzzle_Dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "app/Player_Dialogs.h"
#include "logic/Shapes.h"
#include "model/Board_Geometry.h"
#include "render/Board_Drawing.h"

namespace {

const Puzzle_Level Levels[] = {Puzzle_Level::Easy, Puzzle_Level::Medium, Puzzle_Level::Hard,
                               Puzzle_Level::Expert, Puzzle_Level::Extreme};

QString Level_Label(Puzzle_Level level) {
    QString name = QString::fromLatin1(Level_Name(level));
    name[0] = name[0].toUpper();
    return name;
}

} // namespace

QPixmap Kind_Picture(const QString& kind, int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Colour_Of(Colour_Teal));
    Puzzle_State shape;
    if (!Empty_Puzzle_Of_Kind(kind.toStdString(), 1, shape) || shape.Sudoku_Boards.empty()) {
        return pixmap;
    }
    // The figure's extent in cells.
    int right = 0;
    int bottom = 0;
    int left = 1 << 30;
    int top = 1 << 30;
    for (std::size_t b = 0; b < shape.Sudoku_Boards.size(); ++b) {
        const int x = static_cast<int>(Board_Left_Cell(shape, static_cast<int>(b)));
        const int y = static_cast<int>(Board_Top_Cell(shape, static_cast<int>(b)));
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + shape.Sudoku_Boards[b].Cols);
        bottom = std::max(bottom, y + shape.Sudoku_Boards[b].Rows);
    }
    const int extent = std::max(right - left, bottom - top);
    const double cell = (side - 4.0) / extent;
    const QPointF origin((side - cell * (right - left)) / 2, (side - cell * (bottom - top)) / 2);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t b = 0; b < shape.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = shape.Sudoku_Boards[b];
        const QPointF at =
            origin + QPointF((Board_Left_Cell(shape, static_cast<int>(b)) - left) * cell,
                             (Board_Top_Cell(shape, static_cast<int>(b)) - top) * cell);
        const QRectF area(at, QSizeF(board.Cols * cell, board.Rows * cell));
        p.fillRect(area, Qt::white);
        const int width = board.Block_Width_Max + 1;
        const int height = board.Block_Height_Max + 1;
        for (int a = 0; a <= board.Cols; ++a) {
            const bool block = board.Draw_Block_Lines && a % width == 0;
            p.setPen(QPen(block ? QColor(0, 0, 0) : QColor(190, 190, 190), block ? 1.2 : 0.5));
            p.drawLine(at + QPointF(a * cell, 0), at + QPointF(a * cell, board.Rows * cell));
        }
        for (int a = 0; a <= board.Rows; ++a) {
            const bool block = board.Draw_Block_Lines && a % height == 0;
            p.setPen(QPen(block ? QColor(0, 0, 0) : QColor(190, 190, 190), block ? 1.2 : 0.5));
            p.drawLine(at + QPointF(0, a * cell), at + QPointF(board.Cols * cell, a * cell));
        }
        // Region borders, for a jigsaw.
        p.setPen(QPen(QColor(0, 0, 0), 1.2));
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const auto& edge = board.Cell_Borders[c][r];
                const QPointF corner = at + QPointF(c * cell, r * cell);
                if (edge[0]) {
                    p.drawLine(corner, corner + QPointF(cell, 0));
                }
                if (edge[1]) {
                    p.drawLine(corner + QPointF(0, cell), corner + QPointF(cell, cell));
                }
                if (edge[2]) {
                    p.drawLine(corner, corner + QPointF(0, cell));
                }
                if (edge[3]) {
                    p.drawLine(corner + QPointF(cell, 0), corner + QPointF(cell, cell));
                }
            }
        }
        p.setPen(QPen(QColor(0, 0, 0), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(area);
    }
    return pixmap;
}

New_Puzzle_Dialog::New_Puzzle_Dialog(QWidget* owner, const New_Puzzle_Choice& start)
    : QDialog(owner) {
    setObjectName(QStringLiteral("New_Puzzle_Dialog"));
    setWindowTitle(QStringLiteral("New Puzzle"));

    Kind_List = new QListWidget(this);
    Kind_List->setObjectName(QStringLiteral("Kind_List"));
    Kind_List->setViewMode(QListView::IconMode);
    Kind_List->setIconSize(QSize(72, 72));
    Kind_List->setGridSize(QSize(132, 112));
    Kind_List->setMovement(QListView::Static);
    Kind_List->setResizeMode(QListView::Adjust);
    Kind_List->setWordWrap(true);
    Kind_List->setMinimumSize(6 * 132 + 24, 3 * 112 + 12);
    for (const Puzzle_Kind_Info& kind : Every_Puzzle_Kind()) {
        const QString name = QString::fromStdString(kind.Name);
        auto* item = new QListWidgetItem(QIcon(Kind_Picture(name, 72)),
                                         QString::fromStdString(kind.Label), Kind_List);
        item->setData(Qt::UserRole, name);
        item->setToolTip(QString::fromStdString(kind.Label));
        if (name == start.Kind) {
            Kind_List->setCurrentItem(item);
        }
    }
    if (Kind_List->currentItem() == nullptr && Kind_List->count() > 0) {
        Kind_List->setCurrentRow(0);
    }

    Level_Box = new QComboBox(this);
    Level_Box->setObjectName(QStringLiteral("Level_Box"));
    for (const Puzzle_Level level : Levels) {
        Level_Box->addItem(Level_Label(level), static_cast<int>(level));
        if (level == start.Level) {
            Level_Box->setCurrentIndex(Level_Box->count() - 1);
        }
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Kind_List, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    auto* kind_label = new QLabel(QStringLiteral("&Kind of puzzle:"), this);
    kind_label->setBuddy(Kind_List);
    layout->addWidget(kind_label);
    layout->addWidget(Kind_List);
    auto* level_row = new QHBoxLayout();
    auto* level_label = new QLabel(QStringLiteral("&Level:"), this);
    level_label->setBuddy(Level_Box);
    level_row->addWidget(level_label);
    level_row->addWidget(Level_Box);
    level_row->addStretch(1);
    layout->addLayout(level_row);
    layout->addWidget(buttons);
    Kind_List->setFocus();
}

New_Puzzle_Choice New_Puzzle_Dialog::Choice() const {
    New_Puzzle_Choice choice;
    if (const QListWidgetItem* item = Kind_List->currentItem()) {
        choice.Kind = item->data(Qt::UserRole).toString();
    }
    choice.Level = static_cast<Puzzle_Level>(Level_Box->currentData().toInt());
    return choice;
}

bool Qt_Player_Dialogs::Choose_New_Puzzle(QWidget* owner, New_Puzzle_Choice& choice) {
    New_Puzzle_Dialog dialog(owner, choice);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    choice = dialog.Choice();
    return true;
}
