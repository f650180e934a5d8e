// The main window driven as a player would: pointer moves and clicks on the board pictures,
// the palette, the tool bar and the drop-down menu, with every prompt answered by script.

#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "Game_Fixture.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Original_6x6.h"
#include "widgets/Original_9x9.h"

namespace {

QByteArray Bytes_Of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Enabled_Numbers(Selection_Palette* p) {
    int n = 0;
    for (Speed_Button* b : p->Number_Buttons) {
        n += b->isEnabled() ? 1 : 0;
    }
    return n;
}

} // namespace

class Main_Window_Test : public QObject {
    Q_OBJECT
  private slots:
    void startsEmpty();
    void modifiedPromptGuardsCloseOpenAndRestart();
    void playsAPuzzleToCompletion();
    void duplicateEnding();
    void closeBoxChangesNothing();
    void lockingThenRestart();
    void setNumbersWithHelpOffAndOn();
    void menuCaptionsAndEnabling();
    void paletteButtonsFollowTheHelpModes();
    void hoverAndStackingOnSamurai();
    void clickWithoutHoverCellDoesNothing();
    void refusedFileKeepsTheCurrentGame();
    void saveWritesTheGameAndClearsModified();
    void saveFailureKeepsGameModified();
    void sixBySixPaletteAndSymbols();
    void paletteStaysOnTheScreen();
    void linkRule();
    void boardCountIsGrouped();
};

void Main_Window_Test::startsEmpty() {
    Game_Fixture f;
    QCOMPARE(f.Form1->windowTitle(), QStringLiteral("Tessel Sudoku (V2.0)"));
    QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 0"));
    QCOMPARE(f.Form1->minimumSize(), QSize(400, 400));
    QVERIFY(!f.Form1->ZD_Board_Original_9x9->isVisible());
    QVERIFY(!f.Form1->ZD_Board_Original_6x6->isVisible());
    QVERIFY(!f.Form1->Frame_Boards_Layout_Page->info_Panel->isVisible());
    QCOMPARE(f.Form1->ToolButton3->popupMode(), QToolButton::MenuButtonPopup);
    QCOMPARE(f.Form1->ToolButton3->menu(), f.Form1->PopupMenu1);
    // With no board the save button opens no dialog.
    f.Form1->ToolButton1Click();
    QVERIFY(f.Dialogs.Dialog_Titles.isEmpty());
    QCOMPARE(f.Form1->Save_Action->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(f.Form1->Open_Action->shortcut(), QKeySequence(QKeySequence::Open));
}

void Main_Window_Test::modifiedPromptGuardsCloseOpenAndRestart() {
    Game_Fixture f;
    const QString first = f.Write(QStringLiteral("first.zd2"), Classic_With_Holes({{0, 0}}));
    const QString second = f.Write(QStringLiteral("second.zd2"), Classic_With_Holes({{4, 4}}));
    f.Open(first);
    QVERIFY(!f.Game.Game_Modified);
    QCOMPARE(f.Dialogs.Dialog_Titles.value(0),
             QStringLiteral("Load Tessel Sudoku File (*.zd2)|Tessel Sudoku File (*.zd2)|."));

    // Unchanged: no question anywhere.
    bool can_close = true;
    f.Form1->FormCloseQuery(can_close);
    QVERIFY(can_close);
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 0);

    f.Enter(0, 0, 0, 5);
    QVERIFY(f.Game.Game_Modified);

    // Close: No keeps the window, Yes lets it go.
    f.Dialogs.Answers = {false};
    can_close = true;
    f.Form1->FormCloseQuery(can_close);
    QVERIFY(!can_close);
    QCOMPARE(f.Dialogs.Last_Text(), QString::fromLatin1(Modified_Prompt));
    f.Dialogs.Answers = {true};
    can_close = true;
    f.Form1->FormCloseQuery(can_close);
    QVERIFY(can_close);

    // Open: No keeps the game and shows no dialog.
    const int titles = f.Dialogs.Dialog_Titles.size();
    f.Dialogs.Answers = {false};
    f.Open(second);
    QCOMPARE(f.Dialogs.Dialog_Titles.size(), titles);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 5);

    // Restart: No keeps the entry, Yes empties it and leaves the game modified.
    f.Dialogs.Answers = {false};
    f.Form1->ToolButton3Click();
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 5);
    f.Dialogs.Answers = {true};
    f.Form1->ToolButton3Click();
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
    QVERIFY(f.Game.Game_Modified);

    // Open with Yes replaces the game.
    f.Dialogs.Answers = {true};
    f.Open(second);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], Solved_9x9(0, 0));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[4][4], 0);
    QVERIFY(!f.Game.Game_Modified);

    // Restarting an unchanged game asks nothing, and afterwards the game counts as modified.
    const int confirms = f.Dialogs.Count(QStringLiteral("confirm"));
    f.Form1->ToolButton3Click();
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), confirms);
    QVERIFY(f.Game.Game_Modified);
}

void Main_Window_Test::playsAPuzzleToCompletion() {
    Game_Fixture f;
    const std::vector<std::pair<int, int>> holes = {{0, 0}, {4, 4}, {8, 2}, {3, 7}};
    f.Open(f.Write(QStringLiteral("play.zd2"), Classic_With_Holes(holes)));
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(1));
    QVERIFY(f.Picture(0) != nullptr);
    const QImage before = f.Picture(0)->Picture();
    for (std::size_t i = 0; i < holes.size(); ++i) {
        auto [c, r] = holes[i];
        f.Enter(0, c, r, Solved_9x9(c, r));
        QVERIFY2(f.Palette_Seen == f.Form1->ZD_Board_Original_9x9, "the 9x9 palette opens");
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[c][r], Solved_9x9(c, r));
        if (i + 1 < holes.size()) {
            QCOMPARE(f.Dialogs.Messages.size(), std::size_t(0));
        }
    }
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.Messages[0].Kind, QStringLiteral("information"));
    QCOMPARE(f.Dialogs.Messages[0].Text,
             QStringLiteral("All Sudoku Boards Successfully Completed."));
    QVERIFY(!f.Form1->ZD_Board_Original_9x9->isVisible());
    QVERIFY2(f.Picture(0)->Picture() != before, "the board was redrawn");

    // "Clear" on a cell of the solved puzzle: the next check says nothing.
    f.Enter(0, 0, 0, 0);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(1));
}

void Main_Window_Test::duplicateEnding() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("dup.zd2"), Classic_With_Holes({{0, 0}})));
    const int wrong = Solved_9x9(0, 0) % 9 + 1;
    f.Enter(0, 0, 0, wrong);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], wrong);
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.Messages[0].Kind, QStringLiteral("warning"));
    QCOMPARE(f.Dialogs.Messages[0].Text, QStringLiteral("Duplicate Entries have been Found."));
}

void Main_Window_Test::closeBoxChangesNothing() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("close.zd2"), Classic_With_Holes({{0, 0}})));
    f.Hover(0, 0, 0);
    f.Click_Picture(0, QPoint(15, 15), [](Selection_Palette* p) { p->close(); });
    QVERIFY(f.Palette_Seen != nullptr);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 0);
    QVERIFY(!f.Game.Game_Modified);
    QVERIFY(f.Dialogs.Messages.empty());
}

void Main_Window_Test::lockingThenRestart() {
    Game_Fixture f;
    Puzzle_State p = Classic_With_Holes({{0, 0}, {1, 1}});
    for (auto& col : p.Sudoku_Boards[0].Cell_Locked) {
        std::fill(col.begin(), col.end(), 0); // nothing locked yet
    }
    f.Open(f.Write(QStringLiteral("lock.zd2"), p));
    // An unlocked cell holding a number opens the palette.
    f.Enter(0, 5, 5, 0);
    QVERIFY(f.Palette_Seen != nullptr);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[5][5], 0);
    f.Enter(0, 5, 5, Solved_9x9(5, 5));
    f.Game.Game_Modified = false;

    f.Form1->LockNumbers1Click();
    QVERIFY(!f.Game.Game_Modified);
    const auto& b = f.Game.Sudoku_Boards[0];
    QCOMPARE(int(b.Cell_Locked[5][5]), 1);
    QCOMPARE(int(b.Cell_Locked[0][0]), 0);

    // A locked cell opens nothing.
    f.Hover(0, 5, 5);
    f.Click_Picture(0, QPoint(5 * 30 + 15, 5 * 30 + 15), [](Selection_Palette* p) { p->close(); });
    QVERIFY(f.Palette_Seen == nullptr);
    QVERIFY(!f.Form1->ZD_Board_Original_9x9->isVisible());

    f.Enter(0, 0, 0, Solved_9x9(0, 0));
    f.Dialogs.Answers = {true};
    f.Form1->ToolButton3Click();
    QCOMPARE(b.Cell_Values[0][0], 0);
    QCOMPARE(b.Cell_Values[5][5], Solved_9x9(5, 5));

    f.Form1->UnlockNumbers1Click();
    f.Dialogs.Answers = {true};
    f.Form1->ToolButton3Click();
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            QCOMPARE(b.Cell_Values[c][r], 0);
        }
    }
}

void Main_Window_Test::setNumbersWithHelpOffAndOn() {
    Game_Fixture f;
    // One empty cell per row, in different columns and blocks: each has a single candidate.
    std::vector<std::pair<int, int>> holes;
    for (int r = 0; r < 9; ++r) {
        holes.push_back({(r * 4) % 9, r});
    }
    f.Open(f.Write(QStringLiteral("set.zd2"), Classic_With_Holes(holes)));
    f.Form1->SetNumbers1Click();
    for (auto [c, r] : holes) {
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[c][r], Solved_9x9(c, r));
    }
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("All Sudoku Boards Successfully Completed."));

    // Nothing left to fill: nothing happens, nothing is reported.
    f.Game.Game_Modified = false;
    const std::size_t messages = f.Dialogs.Messages.size();
    f.Form1->SetNumbers1Click();
    QVERIFY(!f.Game.Game_Modified);
    QCOMPARE(f.Dialogs.Messages.size(), messages);

    // A whole block empty: with help off each cell still sees only its row and column
    // numbers; help on adds hidden singles. Either way only right numbers are placed.
    std::vector<std::pair<int, int>> block;
    for (int c = 3; c < 6; ++c) {
        for (int r = 3; r < 6; ++r) {
            block.push_back({c, r});
        }
    }
    f.Open(f.Write(QStringLiteral("block.zd2"), Classic_With_Holes(block)));
    f.Form1->HelpmeSolveit1Click();
    QVERIFY(f.Game.Help_Solve);
    QVERIFY(f.Game.Game_Modified);
    f.Form1->SetNumbers1Click();
    for (auto [c, r] : block) {
        QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[c][r], Solved_9x9(c, r));
    }
}

void Main_Window_Test::menuCaptionsAndEnabling() {
    Game_Fixture f;
    f.Form1->PopupMenu1Popup();
    QVERIFY(!f.Form1->LockNumbers1->isEnabled());
    QVERIFY(!f.Form1->UnlockNumbers1->isEnabled());
    QVERIFY(!f.Form1->SetNumbers1->isEnabled());
    QVERIFY(f.Form1->ShowLabels1->isEnabled());
    QVERIFY(f.Form1->HelpmeSolveit1->isEnabled());
    QVERIFY(f.Form1->N1->isSeparator());
    QCOMPARE(f.Form1->ShowLabels1->text(), QStringLiteral("Show Labels"));
    QCOMPARE(f.Form1->HelpmeSolveit1->text(), QStringLiteral("Help me Solve it"));

    // Without a board the two switches only invert their flag.
    f.Form1->HelpmeSolveit1Click();
    QVERIFY(f.Game.Help_Solve);
    QVERIFY(!f.Game.Game_Modified);
    f.Form1->HelpmeSolveit1Click();

    f.Open(f.Write(QStringLiteral("menu.zd2"), Classic_With_Holes({{2, 2}})));
    f.Form1->PopupMenu1Popup();
    QVERIFY(f.Form1->LockNumbers1->isEnabled());
    QVERIFY(f.Form1->SetNumbers1->isEnabled());

    f.Form1->ShowLabels1Click();
    QVERIFY(!f.Game.Game_Modified); // labels change nothing in the game
    f.Form1->PopupMenu1Popup();
    QCOMPARE(f.Form1->ShowLabels1->text(), QStringLiteral("Hide Labels"));
    f.Form1->HelpmeSolveit1Click();
    QVERIFY(f.Game.Game_Modified); // help recomputes
    f.Form1->PopupMenu1Popup();
    QCOMPARE(f.Form1->HelpmeSolveit1->text(), QStringLiteral("Don't Help me Solve it"));
    f.Form1->ShowLabels1Click();
    f.Form1->HelpmeSolveit1Click();
    f.Form1->PopupMenu1Popup();
    QCOMPARE(f.Form1->ShowLabels1->text(), QStringLiteral("Show Labels"));
    QCOMPARE(f.Form1->HelpmeSolveit1->text(), QStringLiteral("Help me Solve it"));
}

void Main_Window_Test::paletteButtonsFollowTheHelpModes() {
    Game_Fixture f;
    Puzzle_State p = Classic_With_Holes({{0, 0}, {1, 0}});
    p.Sudoku_Boards[0].Cell_Locked[2][0] = 0; // a filled cell that can be picked
    f.Open(f.Write(QStringLiteral("buttons.zd2"), p));
    Selection_Palette* nine = f.Form1->ZD_Board_Original_9x9;

    nine->Update_Buttons(0, 0, 0);
    QCOMPARE(Enabled_Numbers(nine), 9); // both modes off: every number
    nine->Update_Buttons(0, 2, 0);
    QCOMPARE(Enabled_Numbers(nine), 9);

    f.Form1->ShowLabels1Click();
    nine->Update_Buttons(0, 0, 0);
    // Row 0 lacks two numbers, column 0 only one of them.
    QCOMPARE(Enabled_Numbers(nine), 1);
    QVERIFY(nine->Number_Buttons[Solved_9x9(0, 0) - 1]->isEnabled());
    nine->Update_Buttons(0, 2, 0);
    QCOMPARE(Enabled_Numbers(nine), 0); // a filled cell offers only "Clear"
    QVERIFY(nine->SpeedButton10->isEnabled());
}

void Main_Window_Test::hoverAndStackingOnSamurai() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("samurai.zd2"), Empty_Samurai()));
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(5));
    QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 5"));
    QCOMPARE(f.Picture(2)->pos(), QPoint(6 * 30 + 1, 6 * 30 + 1));
    QCOMPARE(f.Picture(2)->size(), QSize(270, 270));

    // Board 0 is already current at the first puzzle, so it is not raised: its shared block
    // is picked on the centre board, which lies above it.
    f.Hover(0, 1, 1);
    QCOMPARE(f.Game.Current_Board, 0);
    f.Hover(0, 7, 7);
    QCOMPARE(f.Game.Current_Board, 2);
    QCOMPARE(f.Game.Mouse_Col, 1);
    QCOMPARE(f.Game.Mouse_Row, 1);

    // Entering corner board 1's own area raises it; its shared block is then its own.
    f.Hover(1, 4, 4);
    QCOMPARE(f.Game.Current_Board, 1);
    f.Hover(1, 1, 7);
    QCOMPARE(f.Game.Current_Board, 1);
    QCOMPARE(f.Game.Mouse_Col, 1);
    QCOMPARE(f.Game.Mouse_Row, 7);

    // Pixel 29 is still column 0, pixel 30 is column 1.
    f.Hover(1, 3, 3, QPoint(29, 0));
    QCOMPARE(f.Game.Mouse_Col, 3);
    f.Hover(1, 3, 3, QPoint(30, 0));
    QCOMPARE(f.Game.Mouse_Col, 4);

    // An entry into the shared block reaches the centre board's copy.
    f.Enter(1, 1, 7, 4);
    QCOMPARE(f.Game.Sudoku_Boards[1].Cell_Values[1][7], 4);
    QCOMPARE(f.Game.Sudoku_Boards[2].Cell_Values[7][1], 4);
}

void Main_Window_Test::clickWithoutHoverCellDoesNothing() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("nohover.zd2"), Classic_With_Holes({{0, 0}})));
    f.Game.Mouse_Col = -1;
    f.Game.Mouse_Row = -1;
    f.Form1->BoardImageClick();
    f.Game.Current_Board = 7;
    f.Game.Mouse_Col = 0;
    f.Game.Mouse_Row = 0;
    f.Form1->BoardImageClick();
    QVERIFY(!f.Form1->ZD_Board_Original_9x9->isVisible());
    QVERIFY(!f.Game.Game_Modified);
}

void Main_Window_Test::refusedFileKeepsTheCurrentGame() {
    Game_Fixture f;
    const QString good = f.Write(QStringLiteral("good.zd2"), Classic_With_Holes({{0, 0}}));
    f.Open(good);
    f.Enter(0, 0, 0, 3);
    QVERIFY(f.Game.Game_Modified);

    // A truncated copy of a good file.
    QByteArray cut = Bytes_Of(good);
    cut.chop(100);
    const QString truncated = f.Folder.filePath(QStringLiteral("cut.zd2"));
    QFile out(truncated);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(cut);
    out.close();

    f.Dialogs.Answers = {true};
    f.Open(truncated);
    QCOMPARE(f.Dialogs.Last_Text(), QString::fromLatin1(Read_Beyond_End_Message));
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(1));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 3);
    QVERIFY(f.Picture(0) != nullptr);
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 1"));

    // A file of another version.
    QByteArray newer = Bytes_Of(good);
    newer[6] = 0;
    newer[7] = 0x40; // 2.0
    const QString version = f.Folder.filePath(QStringLiteral("v2.zd2"));
    QFile v(version);
    QVERIFY(v.open(QIODevice::WriteOnly));
    v.write(newer);
    v.close();
    f.Dialogs.Answers = {true};
    f.Open(version);
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("A new version of Tessel Sudoku seems to be available."));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 3);

    f.Dialogs.Answers = {true};
    f.Open(f.Folder.filePath(QStringLiteral("missing.zd2")));
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], 3);
}

void Main_Window_Test::saveWritesTheGameAndClearsModified() {
    Game_Fixture f;
    const QString path = f.Write(QStringLiteral("save.zd2"), Classic_With_Holes({{0, 0}, {1, 1}}));
    f.Open(path);
    const QString copy = f.Folder.filePath(QStringLiteral("copy.zd2"));
    f.Dialogs.Files.push_back(copy);
    f.Form1->ToolButton1Click();
    QCOMPARE(Bytes_Of(copy), Bytes_Of(path)); // loading never fills cells

    f.Enter(0, 0, 0, Solved_9x9(0, 0));
    f.Form1->LockNumbers1Click();
    f.Dialogs.Files.push_back(copy);
    f.Form1->ToolButton1Click();
    QVERIFY(!f.Game.Game_Modified);
    QCOMPARE(f.Dialogs.Dialog_Titles.last(),
             QStringLiteral("Save to Tessel Sudoku File (*.zd2)|Tessel Sudoku File (*.zd2)|."));

    f.Open(copy);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[0][0], Solved_9x9(0, 0));
    QCOMPARE(int(f.Game.Sudoku_Boards[0].Cell_Locked[0][0]), 1);
    QCOMPARE(int(f.Game.Sudoku_Boards[0].Cell_Locked[1][1]), 0);
    QVERIFY(!f.Game.Game_Modified);
}

void Main_Window_Test::saveFailureKeepsGameModified() {
    Game_Fixture f;
    f.Open(f.Write(QStringLiteral("fail.zd2"), Classic_With_Holes({{0, 0}})));
    f.Enter(0, 0, 0, 1);
    QVERIFY(QDir(f.Folder.path()).mkdir(QStringLiteral("a-folder")));
    f.Dialogs.Files.push_back(f.Folder.filePath(QStringLiteral("a-folder")));
    f.Form1->ToolButton1Click();
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QVERIFY(f.Game.Game_Modified);
    QVERIFY(QFileInfo(f.Folder.filePath(QStringLiteral("a-folder"))).isDir());
}

void Main_Window_Test::sixBySixPaletteAndSymbols() {
    Game_Fixture f;
    Puzzle_State p;
    Add_Board_Model(p, 2, 6, 6, 6, 1);
    Finish_Puzzle(p);
    auto& b = p.Sudoku_Boards[0];
    b.Use_Symbols = 1;
    b.Symbols = {'A', 'B', 'C', 'D', 'E', 'F'};
    for (int c = 0; c < 6; ++c) {
        for (int r = 0; r < 6; ++r) {
            b.Cell_Values[c][r] = Solved_6x6_Wide(c, r);
        }
    }
    b.Cell_Values[2][3] = 0;
    f.Open(f.Write(QStringLiteral("six.zd2"), p));
    QCOMPARE(f.Picture(0)->size(), QSize(180, 180));
    Selection_Palette* six = f.Form1->ZD_Board_Original_6x6;
    QCOMPARE(six->Number_Buttons.size(), std::size_t(6));
    QCOMPARE(six->Number_Buttons[0]->text(), QStringLiteral("A"));
    QCOMPARE(six->Number_Buttons[5]->text(), QStringLiteral("F"));
    QCOMPARE(six->size(), QSize(89, 81));
    QCOMPARE(f.Form1->ZD_Board_Original_9x9->size(), QSize(89, 105));
    QCOMPARE(six->SpeedButton10->geometry(), QRect(8, 56, 73, 22));

    f.Enter(0, 2, 3, Solved_6x6_Wide(2, 3));
    QVERIFY(f.Palette_Seen == six);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[2][3], Solved_6x6_Wide(2, 3));
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("All Sudoku Boards Successfully Completed."));
}

void Main_Window_Test::paletteStaysOnTheScreen() {
    Game_Fixture f;
    Selection_Palette* nine = f.Form1->ZD_Board_Original_9x9;
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize outer = nine->frameGeometry().size();
    // Past the right and bottom edges: moved back until the outer edge touches the screen's.
    nine->move(screen.width() - 10, screen.height() - 5);
    nine->FormShow();
    QCOMPARE(nine->frameGeometry().topLeft(),
             QPoint(screen.width() - outer.width(), screen.height() - outer.height()));
    // Past the left or top edge it stays where it was put.
    nine->move(-20, -30);
    nine->FormShow();
    QCOMPARE(nine->frameGeometry().topLeft(), QPoint(-20, -30));
}

void Main_Window_Test::linkRule() {
    QCOMPARE(TForm1::Link_Address(QStringLiteral("https://example.org/p")),
             QStringLiteral("https://example.org/p"));
    QCOMPARE(TForm1::Link_Address(QStringLiteral("www.example.org")),
             QStringLiteral("http://www.example.org"));
    QCOMPARE(TForm1::Link_Address(QStringLiteral("/usr/bin/xterm")), QString());
    QCOMPARE(TForm1::Link_Address(QStringLiteral("file:///etc/passwd")), QString());
    QCOMPARE(TForm1::Link_Address(QStringLiteral("calc.exe")), QString());
    QCOMPARE(TForm1::Link_Address(QStringLiteral("")), QString());

    Game_Fixture f;
    f.Form1->Label3Click(QStringLiteral("javascript:alert(1)"));
    f.Form1->Label3Click(QStringLiteral("www.example.org"));
    QCOMPARE(f.Dialogs.Opened_Urls, QStringList{QStringLiteral("http://www.example.org")});
}

void Main_Window_Test::boardCountIsGrouped() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(TForm1::Board_Count_Text(5), QStringLiteral("Total Boards: 5"));
    QCOMPARE(TForm1::Board_Count_Text(1234), QStringLiteral("Total Boards: 1,234"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(TForm1::Board_Count_Text(1234567), QStringLiteral("Total Boards: 1.234.567"));
    QLocale::setDefault(QLocale::system());
}

QTEST_MAIN(Main_Window_Test)
#include "Main_Window_Test.moc"
