#pragma once
// What the window tests share: scripted dialogs that answer prompts and choose files without
// blocking, puzzles built in code and written with the game's own writer, and a way to
// click the modal palette.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/Hint_Presenter.h"
#include "app/New_Puzzle_Dialog.h"
#include "app/Play_Marks.h"
#include "app/Player_Dialogs.h"
#include "app/Tessel_Application.h"
#include "app/Unit1.h"
#include "io/Puzzle_File.h"
#include "model/Board_Geometry.h"
#include "tests/Puzzle_Builder.h"
#include "widgets/Board_Picture.h"
#include "widgets/Selection_Palette.h"

struct Shown_Message {
    QString Kind; // "confirm", "warning", "information", "error"
    QString Text;
};

class Scripted_Dialogs : public Player_Dialogs {
  public:
    std::deque<bool> Answers;  // answers to confirmations, in order; No when empty
    std::deque<QString> Files; // names the file dialogs return, in order; cancel when empty
    std::vector<Shown_Message> Messages;
    QStringList Opened_Urls;
    QStringList Dialog_Titles;
    std::deque<int> Puzzle_Choices; // the puzzle chooser's answers; the first puzzle when empty
    QStringList Chooser_Questions;  // "source|count" of every puzzle chooser shown
    QString Printer_Output;         // the PDF a print goes to; empty: the print is cancelled

    bool Confirm(QWidget*, const QString& text) override {
        Messages.push_back({QStringLiteral("confirm"), text});
        if (Answers.empty()) {
            return false;
        }
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void Warning(QWidget*, const QString& text) override {
        Messages.push_back({QStringLiteral("warning"), text});
    }
    void Information(QWidget*, const QString& text) override {
        Messages.push_back({QStringLiteral("information"), text});
    }
    void Error(QWidget*, const QString& text) override {
        Messages.push_back({QStringLiteral("error"), text});
    }
    QString Open_File_Name(QWidget*, const QString& title, const QString& filter,
                           const QString& directory) override {
        return Next_File(title, filter, directory);
    }
    QString Save_File_Name(QWidget*, const QString& title, const QString& filter,
                           const QString& directory) override {
        return Next_File(title, filter, directory);
    }
    void Open_Url(const QString& url) override { Opened_Urls << url; }
    void Show_Text(QWidget*, const QString& title, const QString& text) override {
        Messages.push_back({QStringLiteral("text"), title + QLatin1Char('\n') + text});
    }
    // The "New Puzzle" dialog: the choices to answer with, in order; cancelled when empty.
    std::deque<New_Puzzle_Choice> New_Puzzles;
    std::vector<New_Puzzle_Choice> New_Puzzle_Offers; // what the dialog opened with
    bool Choose_New_Puzzle(QWidget*, New_Puzzle_Choice& choice) override {
        New_Puzzle_Offers.push_back(choice);
        if (New_Puzzles.empty()) {
            return false;
        }
        choice = New_Puzzles.front();
        New_Puzzles.pop_front();
        return true;
    }
    QString Import_File_Name(QWidget*, const QString& title, const QString& filter,
                             const QString& directory) override {
        return Next_File(title, filter, directory);
    }
    QString Export_File_Name(QWidget*, const QString& title, const QString& filter,
                             const QString& directory) override {
        return Next_File(title, filter, directory);
    }
    int Choose_Puzzle(QWidget*, const QString& source, int count) override {
        Chooser_Questions << source + QLatin1Char('|') + QString::number(count);
        if (Puzzle_Choices.empty()) {
            return 0;
        }
        const int choice = Puzzle_Choices.front();
        Puzzle_Choices.pop_front();
        return choice;
    }
    bool Choose_Printer(QWidget*, QPrinter& printer) override {
        if (Printer_Output.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Printer_Output);
        return true;
    }

    int Count(const QString& kind) const {
        int n = 0;
        for (const Shown_Message& m : Messages) {
            n += m.Kind == kind ? 1 : 0;
        }
        return n;
    }
    QString Last_Text() const { return Messages.empty() ? QString() : Messages.back().Text; }

  private:
    QString Next_File(const QString& title, const QString& filter, const QString& directory) {
        Dialog_Titles << title + QLatin1Char('|') + filter + QLatin1Char('|') + directory;
        if (Files.empty()) {
            return {};
        }
        QString f = Files.front();
        Files.pop_front();
        return f;
    }
};

// A solved 9x9 grid: rows, columns and blocks all hold 1..9.
inline int Solved_9x9(int c, int r) {
    return (3 * (r % 3) + r / 3 + c) % 9 + 1;
}

// A solved 6x6 grid for blocks 3 wide x 2 high.
inline int Solved_6x6_Wide(int c, int r) {
    return (3 * (r % 2) + r / 2 + c) % 6 + 1;
}

inline void Finish_Puzzle(Puzzle_State& s) {
    s.Board_Overlaps.resize(s.Sudoku_Boards.size());
    s.Board_Positions.resize(s.Sudoku_Boards.size());
    for (std::size_t i = 0; i < s.Board_Positions.size(); ++i) {
        s.Board_Positions[i] = {20, 20 + static_cast<Integer>(i) * 200};
    }
}

// A classic board, solved but for the listed cells (column, row) left empty; givens locked.
inline Puzzle_State Classic_With_Holes(const std::vector<std::pair<int, int>>& holes) {
    Puzzle_State s;
    Add_Board_Model(s, 1, 9, 9, 9, 0);
    auto& b = s.Sudoku_Boards[0];
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            b.Cell_Values[c][r] = Solved_9x9(c, r);
            b.Cell_Locked[c][r] = 1;
        }
    }
    for (auto [c, r] : holes) {
        b.Cell_Values[c][r] = 0;
        b.Cell_Locked[c][r] = 0;
    }
    Finish_Puzzle(s);
    return s;
}

// Five empty 9x9 boards in the Samurai layout: corners 0, 1, 3, 4 share one block each
// with the centre board 2.
inline Puzzle_State Empty_Samurai() {
    return puzzle_builder::Samurai(puzzle_builder::Samurai_Order::Figure);
}

class Game_Fixture {
  public:
    Game_Fixture() : Form1(Create_Game_Windows(Game, Dialogs)) {
        // The tests read a hint the moment its key is pressed: the window waits for it.
        Form1->Hints->Frame_Budget_Ms = 600000;
        Form1->show();
        QVERIFY2(QTest::qWaitForWindowExposed(Form1.get()), "main window not shown");
    }
    ~Game_Fixture() {
        Game.Game_Modified = false; // no prompt when the fixture goes
        Form1->close();
    }

    QString Write(const QString& name, const Puzzle_State& puzzle) {
        const QString path = Folder.filePath(name);
        const std::string failure =
            Write_Puzzle_File(QFile::encodeName(path).toStdString(), puzzle);
        if (!failure.empty()) {
            qWarning("writing %s failed: %s", qPrintable(path), failure.c_str());
        }
        return path;
    }

    // Writes the bytes to a file of the name in the fixture's folder; its path.
    QString Put(const QString& name, const QByteArray& bytes) {
        const QString path = Folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qWarning("cannot write %s", qPrintable(path));
        }
        return path;
    }

    // Loads through the open button, answering the dialog with the file.
    void Open(const QString& path) {
        Dialogs.Files.push_back(path);
        Form1->ToolButton2Click();
        Dialogs.Files.clear(); // a name the dialog did not take must not reach a later save
    }

    Board_Picture* Picture(int board) const { return Game.Sudoku_Boards[board].Board_Image; }

    // A pointer move onto cell (col, row) of the board's picture, at the given offset inside it.
    void Hover(int board, int col, int row, QPoint inside = QPoint(15, 15)) {
        QWidget* content = Picture(board)->parentWidget();
        const QPoint at = Picture(board)->mapTo(content, QPoint(col * 30, row * 30) + inside);
        // A move to where the pointer already is sends nothing: step beside it first.
        QTest::mouseMove(content, at + QPoint(1, 1));
        QTest::mouseMove(content, at);
        QCoreApplication::processEvents();
    }

    // Clicks the picture under the last hover; while the palette is up, `choose` runs on it.
    void Click_Picture(int board, QPoint at,
                       const std::function<void(Selection_Palette*)>& choose) {
        Palette_Seen = nullptr;
        QTimer::singleShot(0, [this, choose] {
            auto* palette = qobject_cast<Selection_Palette*>(QApplication::activeModalWidget());
            Palette_Seen = palette;
            if (palette != nullptr) {
                choose(palette);
            }
        });
        QTest::mouseClick(Picture(board), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

    // Hover onto the cell, click it and press the palette button of this Tag (0 = Clear).
    void Enter(int board, int col, int row, int tag) {
        Hover(board, col, row);
        Click_Picture(board, QPoint(col * 30 + 15, row * 30 + 15), [tag](Selection_Palette* p) {
            for (Speed_Button* button : p->Speed_Buttons()) {
                if (button->Tag == tag) {
                    button->click();
                    return;
                }
            }
        });
    }

    Puzzle_State Game;
    Scripted_Dialogs Dialogs;
    QTemporaryDir Folder;
    std::unique_ptr<TForm1> Form1;
    Selection_Palette* Palette_Seen = nullptr;
};
