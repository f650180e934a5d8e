#include "widgets/Selection_Palette.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "model/Board_Kinds.h"
#include "model/Cp1252.h"
#include "model/Number_Text.h"
#include "widgets/Board_Picture.h"
#include "widgets/Busy_Cursor.h"

namespace {

constexpr int Button_Pitch = 24;
constexpr int Grid_Origin = 8;
constexpr int Button_Height = 22;

QFont Window_Font() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QFont Number_Button_Font() {
    QFont font = Window_Font();
    font.setBold(true);
    return font;
}

} // namespace

Speed_Button::Speed_Button(int tag, QWidget* parent) : QToolButton(parent), Tag(tag) {
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

Selection_Palette::Selection_Palette(Puzzle_State& state, QWidget* owner, Integer board_type,
                                     int design_left, int design_top)
    : QDialog(owner,
              Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      State(state), Board_Type(board_type) {
    setWindowTitle(QStringLiteral("Selections"));
    setFont(Window_Font());
    setModal(true);

    // Every variant of a kind has the same numbers, so any row of the type lays it out.
    const Board_Kind& kind = *Find_Board_Kind(board_type, 0);
    const int number_count = kind.Max_Number;
    const int columns = kind.Palette_Columns;
    const int grid_width = columns * Button_Pitch + 1; // 73 with three columns
    const int clear_top = Grid_Origin + kind.Palette_Rows() * Button_Pitch;
    const int width = 2 * Grid_Origin + grid_width;   // 89 with three columns
    const int height = clear_top + Button_Height + 3; // 105 with three rows, 81 with two
    setFixedSize(width, height);
    move(design_left, design_top);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, width, height);
    // Lowered outer and raised inner bevel: an etched groove round the panel, as on the
    // page's info panel.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);

    QPalette blue_text = palette();
    // Blue numbers; a disabled button keeps the toolkit's greyed text.
    blue_text.setColor(QPalette::Active, QPalette::ButtonText, QColor(0, 0, 255));
    blue_text.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(0, 0, 255));
    for (int n = 1; n <= number_count; ++n) {
        auto* button = new Speed_Button(n, Panel1);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(n));
        button->setGeometry(Grid_Origin + ((n - 1) % columns) * Button_Pitch,
                            Grid_Origin + ((n - 1) / columns) * Button_Pitch, Button_Pitch - 1,
                            Button_Height);
        button->setText(QString::fromStdString(Number_Text(n)));
        button->setFont(Number_Button_Font());
        button->setPalette(blue_text);
        connect(button, &QToolButton::clicked, this, [this, button] { SpeedButton1Click(button); });
        Number_Buttons.push_back(button);
    }
    SpeedButton10 = new Speed_Button(0, Panel1);
    // Named after the last number button, as "SpeedButton10" follows the nine.
    SpeedButton10->setObjectName(
        QStringLiteral("SpeedButton%1").arg(std::max(10, number_count + 1)));
    SpeedButton10->setGeometry(Grid_Origin, clear_top, grid_width, Button_Height);
    SpeedButton10->setText(QStringLiteral("Clear"));
    connect(SpeedButton10, &QToolButton::clicked, this,
            [this] { SpeedButton1Click(SpeedButton10); });
}

std::vector<Speed_Button*> Selection_Palette::Speed_Buttons() const {
    std::vector<Speed_Button*> all = Number_Buttons;
    all.push_back(SpeedButton10);
    return all;
}

void Selection_Palette::Set_Kind_Palettes(const std::vector<Selection_Palette*>& palettes) {
    Kind_Palettes = palettes;
}

Selection_Palette* Selection_Palette::Palette_For(Integer board_type) const {
    for (Selection_Palette* palette : Kind_Palettes) {
        if (palette != nullptr && palette->Served_Board_Type() == board_type) {
            return palette;
        }
    }
    return nullptr;
}

void Selection_Palette::Open_For_Cell() {
    Open_At(State.Current_Board, State.Mouse_Col, State.Mouse_Row);
}

void Selection_Palette::Open_At(int board, int col, int row) {
    // Only a cell of an existing board can be opened.
    if (!Cell_Exists(State, board, col, row)) {
        return;
    }
    const Sudoku_Boards_FrameWork& b = State.Sudoku_Boards[board];
    if (b.Cell_Locked[col][row] != 0) {
        return;
    }
    Selection_Palette* palette = Palette_For(b.Board_Type);
    if (palette == nullptr || b.Board_Image == nullptr) {
        return;
    }
    // Next to the cell: the palette's outer corner one pixel inside the cell's corner.
    const qreal zoom = b.Board_Image->Zoom();
    const QPoint cell = b.Board_Image->mapToGlobal(
        QPoint(static_cast<int>(std::lround(col * Cell_Size * zoom)) + 1,
               static_cast<int>(std::lround(row * Cell_Size * zoom)) + 1));
    palette->move(cell);
    palette->Update_Buttons(b.Board_Image->Tag, col, row);
    palette->exec();
}

void Selection_Palette::Update_Buttons(int board, int col, int row) {
    const Sudoku_Boards_FrameWork& b = State.Sudoku_Boards[board];
    const bool helping = State.Show_Labels || State.Help_Solve;
    const std::vector<Byte>& possible = b.Cell_Tracking[col][row].Possible;
    for (Speed_Button* button : Speed_Buttons()) {
        if (button->Tag <= 0) {
            continue;
        }
        if (!helping) {
            button->setEnabled(true);
        } else if (b.Cell_Values[col][row] != 0) {
            button->setEnabled(false);
        } else {
            const std::size_t k = static_cast<std::size_t>(button->Tag - 1);
            button->setEnabled(k < possible.size() && possible[k] != 0);
        }
    }
}

void Selection_Palette::Set_Captions(int board, Flag s) {
    const Sudoku_Boards_FrameWork& b = State.Sudoku_Boards[board];
    for (Speed_Button* button : Speed_Buttons()) {
        if (button->Tag <= 0) {
            continue;
        }
        const std::size_t k = static_cast<std::size_t>(button->Tag - 1);
        button->setText(QString::fromStdString(s != 0 && k < b.Symbols.size()
                                                   ? Cp1252_Char_To_Utf8(b.Symbols[k])
                                                   : Number_Text(button->Tag)));
    }
}

void Selection_Palette::FormShow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect frame = frameGeometry();
    const QSize screen_size = screen->geometry().size();
    int left = frame.left();
    int top = frame.top();
    if (screen_size.width() < left + frame.width()) {
        left = screen_size.width() - frame.width();
    }
    if (screen_size.height() < top + frame.height()) {
        top = screen_size.height() - frame.height();
    }
    if (left != frame.left() || top != frame.top()) {
        move(left, top);
    }
}

void Selection_Palette::keyPressEvent(QKeyEvent* event) {
    // The keyboard chooses as a click would: a digit or the board's symbol picks that
    // number's button when it is enabled, 0, Delete and Backspace pick "Clear"; Escape closes
    // the palette as its close box does.
    int tag = -1;
    const int key = event->key();
    if (key == Qt::Key_0 || key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        tag = 0;
    } else if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        tag = key - Qt::Key_0;
    } else {
        for (Speed_Button* button : Number_Buttons) {
            if (!event->text().isEmpty() && button->text() == event->text()) {
                tag = button->Tag;
            }
        }
        // A letter of a number above 9 in either case, where the button shows that letter.
        const QString typed = event->text();
        const int n =
            typed.size() == 1 && typed.at(0).unicode() < 0x80
                ? Number_Of_Char(typed.at(0).toLatin1(), static_cast<int>(Number_Buttons.size()))
                : -1;
        if (tag < 0 && n > 9 &&
            Number_Buttons[static_cast<std::size_t>(n - 1)]->text() ==
                QString::fromStdString(Number_Text(n))) {
            tag = n;
        }
    }
    for (Speed_Button* button : Speed_Buttons()) {
        if (tag >= 0 && button->Tag == tag) {
            if (button->isEnabled()) {
                button->click();
            }
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void Selection_Palette::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
    // On a first showing the window manager tells the size of the palette's frame only a
    // little after the palette appears; once it has, the palette is kept on the screen again
    // with the whole frame.
    if (frameGeometry().size() == size()) {
        Frame_Checks_Left = 40;
        QTimer::singleShot(5, this, &Selection_Palette::Recheck_Frame);
    }
}

void Selection_Palette::Recheck_Frame() {
    if (!isVisible() || Frame_Checks_Left <= 0) {
        return;
    }
    --Frame_Checks_Left;
    if (frameGeometry().size() != size()) {
        FormShow();
        Frame_Checks_Left = 0;
        return;
    }
    QTimer::singleShot(5, this, &Selection_Palette::Recheck_Frame);
}

void Selection_Palette::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() || !isVisible()) {
        return;
    }
    // Some window managers offer to minimise a modal tool window whatever it asks for, and
    // take its owner along. The palette then closes as its close box would, and the game
    // comes back as it was.
    QTimer::singleShot(0, this, [this] {
        reject();
        if (QWidget* window = parentWidget()) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->show();
            window->raise();
            window->activateWindow();
        }
    });
}

void Selection_Palette::SpeedButton1Click(Speed_Button* Sender) {
    {
        Busy_Cursor busy;
        done(QDialog::Accepted);
        if (QWidget* window = parentWidget()) {
            window->raise();
            window->activateWindow();
        }
        QCoreApplication::processEvents();
    }
    // The window enters the number, redraws every board and checks, under its own hourglass
    // until the check's message.
    emit Number_Chosen(Sender->Tag);
}
