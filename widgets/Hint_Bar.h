#pragma once
// The hint bar between the tool bar and the page: the hint's sentence (each step's sentence
// when several lead to the number), the technique's name, an Apply button when the hint ends
// in something to enter, and a close button. Escape hides it too.

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

class Hint_Bar : public QFrame {
    Q_OBJECT
  public:
    explicit Hint_Bar(QWidget* parent);

    // Shows the technique's name (may be empty), the sentences, and Apply when it can apply.
    void Show_Hint(const QString& technique, const QStringList& sentences, bool can_apply,
                   const QString& apply_text);

    QLabel* Technique_Label = nullptr;
    QLabel* Text_Label = nullptr;
    QPushButton* Apply_Button = nullptr;
    QToolButton* Close_Button = nullptr;

  signals:
    void Apply_Clicked();
    void Close_Clicked();
};
