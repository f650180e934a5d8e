#pragma once
// The puzzle's progress at the right end of the tool bar: its kind and level when known (a
// puzzle made here, or one graded when it was loaded) and a clock of the time played. The
// clock stops while the window is minimised and while a dialog or message box is open (not
// while a palette is), and at the end shows the time taken.

#include <QElapsedTimer>
#include <QLabel>
#include <QString>
#include <functional>

class QTimer;

class Progress_Panel : public QLabel {
    Q_OBJECT
  public:
    explicit Progress_Panel(QWidget* parent);

    // A new game: the clock starts again at nought.
    void Start(const QString& kind, const QString& level);
    // The level worked out later (grading a loaded puzzle).
    void Set_Level(const QString& level);
    // No puzzle: nothing shown, the clock stopped.
    void Clear();
    // The puzzle is solved: the clock stops and says how long it took.
    void Solved();
    // Counts the time since the last tick when the game is being played; the window asks
    // whether it is.
    void Tick();
    std::function<bool()> Playing;

    qint64 Played_Ms() const { return Played; }
    bool Running() const { return Clock_On; }
    static QString Time_Text(qint64 ms);

  private:
    QString Kind;
    QString Level;
    qint64 Played = 0;
    bool Clock_On = false;
    bool Done = false;
    QElapsedTimer Since_Tick;
    QTimer* Ticker = nullptr;
    void Show();
};
