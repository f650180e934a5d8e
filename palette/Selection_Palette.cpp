#include "palette/Selection_Palette.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "app/Busy_Cursor.h"
#include "app/Unit1.h"
#include "model/Cp1252.h"
#include "page/Board_Picture.h"
#include "page/Candidate_Engine.h"
#include "page/Entry_Check.h"

namespace {

constexpr int Button_Pitch = 24;
constexpr int Grid_Origin = 8;
constexpr int Palette_Width = 89;

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

Selection_Palette::Selection_Palette(Puzzle_State& state, TForm1* form, int number_count,
                                     int design_left, int design_top)
    : QDialog(form,
              Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      State(state), Form1(form) {
    setWindowTitle(QStringLiteral("Selections"));
    setFont(Window_Font());
    setModal(true);

    const int rows = number_count / 3;
    const int clear_top = Grid_Origin + rows * Button_Pitch;
    const int height = clear_top + 22 + 3; // 105 with three rows, 81 with two
    setFixedSize(Palette_Width, height);
    move(design_left, design_top);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, Palette_Width, height);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);

    QPalette blue_text = palette();
    // Blue numbers; a disabled button keeps the toolkit's greyed text.
    blue_text.setColor(QPalette::Active, QPalette::ButtonText, QColor(0, 0, 255));
    blue_text.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(0, 0, 255));
    for (int n = 1; n <= number_count; ++n) {
        auto* button = new Speed_Button(n, Panel1);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(n));
        button->setGeometry(Grid_Origin + ((n - 1) % 3) * Button_Pitch,
                            Grid_Origin + ((n - 1) / 3) * Button_Pitch, 23, 22);
        button->setText(QString::number(n));
        button->setFont(Number_Button_Font());
        button->setPalette(blue_text);
        connect(button, &QToolButton::clicked, this, [this, button] { SpeedButton1Click(button); });
        Number_Buttons.push_back(button);
    }
    SpeedButton10 = new Speed_Button(0, Panel1);
    SpeedButton10->setObjectName(QStringLiteral("SpeedButton10"));
    SpeedButton10->setGeometry(Grid_Origin, clear_top, 73, 22);
    SpeedButton10->setText(QStringLiteral("Clear"));
    connect(SpeedButton10, &QToolButton::clicked, this,
            [this] { SpeedButton1Click(SpeedButton10); });
}

std::vector<Speed_Button*> Selection_Palette::Speed_Buttons() const {
    std::vector<Speed_Button*> all = Number_Buttons;
    all.push_back(SpeedButton10);
    return all;
}

void Selection_Palette::Open_For_Cell() {
    const int board = State.Current_Board;
    const int col = State.Mouse_Col;
    const int row = State.Mouse_Row;
    // Only a hover position on a cell of an existing board can be opened.
    if (!Cell_Exists(State, board, col, row)) {
        return;
    }
    const Sudoku_Boards_FrameWork& b = State.Sudoku_Boards[board];
    if (b.Cell_Locked[col][row] != 0) {
        return;
    }
    Selection_Palette* palette = Form1->Palette_For(b.Board_Type);
    if (palette == nullptr || b.Board_Image == nullptr) {
        return;
    }
    // Next to the cell: the palette's outer corner one pixel inside the cell's corner.
    const QPoint cell =
        b.Board_Image->mapToGlobal(QPoint(col * Cell_Size + 1, row * Cell_Size + 1));
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
        if (s != 0 && k < b.Symbols.size()) {
            button->setText(QString::fromStdString(Cp1252_Char_To_Utf8(b.Symbols[k])));
        } else {
            button->setText(QString::number(button->Tag));
        }
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

void Selection_Palette::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void Selection_Palette::SpeedButton1Click(Speed_Button* Sender) {
    Check_Verdict verdict;
    {
        Busy_Cursor busy;
        done(QDialog::Accepted);
        Form1->raise();
        Form1->activateWindow();
        QCoreApplication::processEvents();
        if (!Cell_Exists(State, State.Current_Board, State.Mouse_Col, State.Mouse_Row)) {
            return;
        }
        Set_Cell_Value(State, State.Current_Board, State.Mouse_Col, State.Mouse_Row, Sender->Tag);
        Form1->Redraw_All_Boards();
        QCoreApplication::processEvents();
        verdict = Check_Boards(State);
    }
    // The check's message box shows the ordinary pointer, as a message box does.
    Form1->Show_Check_Result(verdict);
}
