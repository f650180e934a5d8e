#include "widgets/Hint_Bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

namespace {

// Four lines of the window's font: most hints fit, longer ones scroll.
constexpr int Text_Height = 64;

} // namespace

Hint_Bar::Hint_Bar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Hint_Bar"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette bar = palette();
    bar.setColor(QPalette::Window, QColor(255, 255, 225)); // the pale yellow of a tooltip
    setPalette(bar);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->setSpacing(10);

    Technique_Label = new QLabel(this);
    Technique_Label->setObjectName(QStringLiteral("Hint_Technique"));
    QFont bold = Technique_Label->font();
    bold.setBold(true);
    Technique_Label->setFont(bold);
    Technique_Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Technique_Label, 0, Qt::AlignTop);

    // The sentences scroll inside the bar, which keeps one height: a long hint does not push
    // the page down.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("Hint_Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFixedHeight(Text_Height);
    scroller->viewport()->setAutoFillBackground(false);
    Text_Label = new QLabel(scroller);
    Text_Label->setObjectName(QStringLiteral("Hint_Text"));
    Text_Label->setTextFormat(Qt::PlainText);
    Text_Label->setWordWrap(true);
    Text_Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Text_Label->setAutoFillBackground(false);
    scroller->setWidget(Text_Label);
    layout->addWidget(scroller, 1);

    Apply_Button = new QPushButton(QStringLiteral("Apply"), this);
    Apply_Button->setObjectName(QStringLiteral("Hint_Apply"));
    Apply_Button->setFocusPolicy(Qt::NoFocus);
    Apply_Button->setToolTip(QStringLiteral("Enter the hint's number (H)"));
    layout->addWidget(Apply_Button, 0, Qt::AlignTop);

    Close_Button = new QToolButton(this);
    Close_Button->setObjectName(QStringLiteral("Hint_Close"));
    Close_Button->setAutoRaise(true);
    Close_Button->setFocusPolicy(Qt::NoFocus);
    Close_Button->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    Close_Button->setToolTip(QStringLiteral("Hide the hint (Escape)"));
    layout->addWidget(Close_Button, 0, Qt::AlignTop);

    connect(Apply_Button, &QPushButton::clicked, this, &Hint_Bar::Apply_Clicked);
    connect(Close_Button, &QToolButton::clicked, this, &Hint_Bar::Close_Clicked);
}

void Hint_Bar::Show_Hint(const QString& technique, const QStringList& sentences, bool can_apply,
                         const QString& apply_text) {
    Technique_Label->setText(technique);
    Technique_Label->setVisible(!technique.isEmpty());
    Text_Label->setText(sentences.join(QLatin1Char('\n')));
    Apply_Button->setText(apply_text);
    Apply_Button->setVisible(can_apply);
}
