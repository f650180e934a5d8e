#pragma once
// The "New Puzzle" dialog: every kind the generator makes, each with a small picture of its
// shape, and the level from easy to extreme. OK (Return) takes the choice.

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <cstdint>

#include "logic/Grading.h"

class QComboBox;
class QListWidget;

struct New_Puzzle_Choice {
    QString Kind = QStringLiteral("classic"); // as the generator names it
    Puzzle_Level Level = Puzzle_Level::Medium;
    std::uint64_t Seed = 0; // 0: the window draws one
};

class New_Puzzle_Dialog : public QDialog {
    Q_OBJECT
  public:
    // Opens with `start` chosen.
    New_Puzzle_Dialog(QWidget* owner, const New_Puzzle_Choice& start);

    New_Puzzle_Choice Choice() const;

    QListWidget* Kind_List = nullptr;
    QComboBox* Level_Box = nullptr;
};

// A small picture of a kind's shape: its boards on the teal page, with their block lines and
// region borders, fitted into side x side pixels. A board that writes its numbers as symbols
// shows some of them, so that kind looks unlike the classic one.
QPixmap Kind_Picture(const QString& kind, int side);
