#include "app/Progress_Panel.h"

#include <QTimer>

Progress_Panel::Progress_Panel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Progress_Panel"));
    setMargin(6);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setToolTip(QStringLiteral("The puzzle's kind and level, and the time played"));
    Ticker = new QTimer(this);
    Ticker->setInterval(250);
    connect(Ticker, &QTimer::timeout, this, &Progress_Panel::Tick);
    Ticker->start();
    Since_Tick.start();
}

QString Progress_Panel::Time_Text(qint64 ms) {
    const qint64 seconds = ms / 1000;
    const qint64 hours = seconds / 3600;
    const QString minutes_seconds =
        QStringLiteral("%1:%2")
            .arg((seconds / 60) % 60, hours > 0 ? 2 : 1, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QStringLiteral("%1:%2").arg(hours).arg(minutes_seconds) : minutes_seconds;
}

void Progress_Panel::Start(const QString& kind, const QString& level) {
    Kind = kind;
    Level = level;
    Played = 0;
    Done = false;
    Clock_On = true;
    Since_Tick.restart();
    Show();
}

void Progress_Panel::Set_Level(const QString& level) {
    Level = level;
    Show();
}

void Progress_Panel::Clear() {
    Kind.clear();
    Level.clear();
    Played = 0;
    Clock_On = false;
    Done = false;
    Show();
}

void Progress_Panel::Solved() {
    if (Clock_On) {
        Tick();
    }
    Clock_On = false;
    Done = true;
    Show();
}

void Progress_Panel::Tick() {
    const qint64 elapsed = Since_Tick.restart();
    if (Clock_On && (!Playing || Playing())) {
        Played += elapsed;
        Show();
    }
}

void Progress_Panel::Show() {
    QStringList parts;
    if (!Kind.isEmpty()) {
        parts << Kind;
    }
    if (!Level.isEmpty()) {
        parts << Level;
    }
    if (Clock_On || Done) {
        parts << (Done ? QStringLiteral("solved in %1") : QStringLiteral("%1"))
                     .arg(Time_Text(Played));
    }
    setText(parts.join(QString::fromUtf8("  \xc2\xb7  ")));
}
