#include "widgets/Notes_Window.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int Pitch = 26;
constexpr int Origin = 6;
constexpr int Button_Side = 24;

} // namespace

Notes_Window::Notes_Window(QWidget* owner)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("Notes_Window"));
    setWindowTitle(QStringLiteral("Notes"));
    setModal(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    Panel = new QFrame(this);
    Panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void Notes_Window::Lay_Out(int numbers) {
    if (numbers == Numbers) {
        return;
    }
    for (QToolButton* button : Number_Buttons) {
        delete button;
    }
    Number_Buttons.clear();
    delete Fill_Button;
    delete Clear_Button;
    Numbers = numbers;
    int columns = 3;
    while (columns * columns < numbers) {
        ++columns;
    }
    const int rows = (numbers + columns - 1) / columns;
    QFont number_font(QStringLiteral("Liberation Sans"));
    number_font.setPixelSize(12);
    number_font.setBold(true);
    QPalette purple = palette();
    purple.setColor(QPalette::ButtonText, QColor(130, 0, 180));
    for (int n = 1; n <= numbers; ++n) {
        auto* button = new QToolButton(Panel);
        button->setObjectName(QStringLiteral("Note_Button%1").arg(n));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(number_font);
        button->setPalette(purple);
        button->setGeometry(Origin + ((n - 1) % columns) * Pitch,
                            Origin + ((n - 1) / columns) * Pitch, Button_Side, Button_Side);
        connect(button, &QToolButton::clicked, this, [this, n] { emit Note_Toggled(n); });
        Number_Buttons.push_back(button);
    }
    const int grid = columns * Pitch - 2;
    const int below = Origin + rows * Pitch;
    Fill_Button = new QToolButton(Panel);
    Fill_Button->setObjectName(QStringLiteral("Notes_Fill"));
    Fill_Button->setText(QStringLiteral("Fill"));
    Fill_Button->setToolTip(QStringLiteral("Note every number still possible in this cell"));
    Fill_Button->setFocusPolicy(Qt::NoFocus);
    Fill_Button->setGeometry(Origin, below, grid / 2 - 1, 22);
    Clear_Button = new QToolButton(Panel);
    Clear_Button->setObjectName(QStringLiteral("Notes_Clear"));
    Clear_Button->setText(QStringLiteral("Clear"));
    Clear_Button->setToolTip(QStringLiteral("Take every note out of this cell"));
    Clear_Button->setFocusPolicy(Qt::NoFocus);
    Clear_Button->setGeometry(Origin + grid / 2 + 1, below, grid - grid / 2 - 1, 22);
    connect(Fill_Button, &QToolButton::clicked, this, &Notes_Window::Fill_Clicked);
    connect(Clear_Button, &QToolButton::clicked, this, &Notes_Window::Clear_Clicked);
    const QSize size(2 * Origin + grid, below + 22 + Origin);
    Panel->setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);
}

void Notes_Window::Show_Cell(int numbers, std::uint32_t notes, const std::vector<QString>& texts,
                             bool open, const QPoint& at) {
    Lay_Out(std::clamp(numbers, 1, 32));
    for (int n = 1; n <= Numbers; ++n) {
        Number_Buttons[n - 1]->setText(n <= static_cast<int>(texts.size()) ? texts[n - 1]
                                                                           : QString::number(n));
    }
    Update_Cell(notes, open);
    // On the screen, beside the cell.
    QPoint place = at;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        place.setX(
            std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - width())));
        place.setY(
            std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    }
    move(place);
    if (!isVisible()) {
        show();
    }
}

void Notes_Window::Update_Cell(std::uint32_t notes, bool open) {
    for (int n = 1; n <= Numbers; ++n) {
        QToolButton* button = Number_Buttons[n - 1];
        button->setChecked((notes >> (n - 1) & 1u) != 0);
        button->setEnabled(open);
    }
    Fill_Button->setEnabled(open);
    Clear_Button->setEnabled(open && notes != 0);
}

void Notes_Window::keyPressEvent(QKeyEvent* event) {
    // Keys belong to the game's window: the window keeps the keyboard, and Escape closes.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (parentWidget() != nullptr) {
        QCoreApplication::sendEvent(parentWidget(), event);
        return;
    }
    QDialog::keyPressEvent(event);
}
