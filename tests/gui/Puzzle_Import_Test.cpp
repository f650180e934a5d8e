// Puzzles from anywhere through the window: the import command reads every format the game
// knows into a game as the open button would load it, pastes take the clipboard's text, a
// file of many puzzles lets the player pick one, the modified prompt guards all of it, and a
// file named at start-up opens the same way.

#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QtTest>

#include "Game_Fixture.h"
#include "app/Puzzle_Exchange.h"
#include "model/Board_Kinds.h"
#include "model/Text_Import.h"
#include "page/Boards_Layout.h"
#include "page/Puzzle_Loading.h"

namespace {

const QByteArray First =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const QByteArray Second =
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....";
const QByteArray Third =
    ".6.5.1.9.1...9..539....7....4.8...7.......5.8.817.5.3.....5.2............76..8...";

// The rows of a puzzle line, each wrapped as the format writes it.
QByteArray Rows(const QByteArray& puzzle, int n,
                const std::function<QByteArray(QByteArray)>& wrap) {
    QByteArray out;
    for (int r = 0; r < n; ++r) {
        out += wrap(puzzle.mid(r * n, n)) + '\n';
    }
    return out;
}

QString Put(Game_Fixture& f, const QString& name, const QByteArray& bytes) {
    const QString path = f.Folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qWarning("cannot write %s", qPrintable(path));
    }
    return path;
}

// Imports through the command, the dialog answered with the file.
void Import(Game_Fixture& f, const QString& path) {
    f.Dialogs.Files.push_back(path);
    f.Form1->Exchange->Import_Action->trigger();
    f.Dialogs.Files.clear();
}

void Set_Clipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QCoreApplication::processEvents();
}

// The game the core makes of the text: what the window must show after the import.
std::vector<Byte> Core_Game(const QByteArray& text, std::size_t index, const Puzzle_State& modes) {
    Puzzle_State game;
    game.Show_Labels = modes.Show_Labels;
    game.Help_Solve = modes.Help_Solve;
    Text_Import_Result imported = Import_Puzzle_Text(text.toStdString(), index);
    if (!imported.Ok()) {
        qWarning("the core refused the text: %s", imported.Error.c_str());
        return {};
    }
    Adopt_Loaded_Puzzle(game, std::move(imported.Puzzle));
    return Write_Puzzle_Bytes(game);
}

// Everything the window shows of a loaded game, as the open button leaves it.
void Verify_Shown(Game_Fixture& f) {
    const int boards = static_cast<int>(f.Game.Sudoku_Boards.size());
    QVERIFY(boards > 0);
    const QList<Board_Picture*> on_page =
        f.Form1->Frame_Boards_Layout_Page->Page_Content()->findChildren<Board_Picture*>(
            Qt::FindDirectChildrenOnly);
    QCOMPARE(on_page.size(), boards);
    for (int i = 0; i < boards; ++i) {
        QVERIFY(on_page.contains(f.Picture(i)));
        QCOMPARE(f.Picture(i)->Tag, i);
        QVERIFY(!f.Picture(i)->Picture().isNull());
    }
    QCOMPARE(f.Form1->Status_Panels[0]->text(), TForm1::Board_Count_Text(boards));
    QVERIFY(!f.Game.Game_Modified);
    QVERIFY(!f.Form1->Session_Of_Game().Can_Undo());
}

} // namespace

class Puzzle_Import_Test : public QObject {
    Q_OBJECT
  private slots:
    void importDialogOffersEveryFormat();
    void everyFormatLoadsAsAGame();
    void puzzleFilesThroughImportLoadLikeTheOpenButton();
    void manyPuzzlesLetThePlayerChoose();
    void promptGuardsImportAndPaste();
    void pasteTakesTheClipboardsText();
    void importedGameSavesAsAPuzzleFile();
    void startUpFile();
};

void Puzzle_Import_Test::importDialogOffersEveryFormat() {
    Game_Fixture f;
    QCOMPARE(f.Form1->Exchange->Import_Action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    QCOMPARE(f.Form1->Exchange->Paste_Action->shortcut(), QKeySequence(QKeySequence::Paste));
    QVERIFY(f.Form1->actions().contains(f.Form1->Exchange->Import_Action));
    f.Form1->Exchange->Import_Action->trigger(); // cancelled: nothing happens
    QCOMPARE(f.Dialogs.Dialog_Titles,
             QStringList{QStringLiteral(
                 "Import Puzzle|All puzzle files (*.zd2 *.txt *.sdk *.ss *.sdm);;"
                 "Puzzle text (*.txt);;Puzzle rows (*.sdk);;Puzzle rows with separators (*.ss);;"
                 "Puzzle lists (*.sdm);;Tessel Sudoku File (*.zd2)|.")});
    QVERIFY(f.Dialogs.Messages.empty());
    QVERIFY(f.Game.Sudoku_Boards.empty());
    // The open button's dialog is still the puzzle file's alone.
    f.Form1->ToolButton2Click();
    QCOMPARE(f.Dialogs.Dialog_Titles.value(1),
             QStringLiteral("Load Tessel Sudoku File (*.zd2)|Tessel Sudoku File (*.zd2)|."));
}

void Puzzle_Import_Test::everyFormatLoadsAsAGame() {
    struct Case {
        const char* Name;
        QByteArray Text;
        const char* Kind;
        int Boards;
        int Col, Row, Given; // one given of the first board
    };
    const QByteArray six = "1.....|..2...|....3.|.4....|.....5|6.....";
    const QByteArray description = "title Two boards\n"
                                   "board 9x9 20 20\n" +
                                   Rows(First, 9, [](QByteArray r) { return r; }) +
                                   "board 9x9 220 20\n" +
                                   Rows(Second, 9, [](QByteArray r) { return r; });
    // One of each path through the importer: rows of a 9x9, a 6x6 whose separators make its
    // blocks tall, and a description of two boards; the importer's own tests cover the rest.
    const std::vector<Case> cases = {
        {"rows.sdk", "[Puzzle]\n#A someone\n" + Rows(Second, 9, [](QByteArray r) { return r; }),
         "9x9", 1, 1, 0, 2},
        {"six-tall.ss",
         Rows(QByteArray(six).replace("|", ""), 6,
              [](QByteArray r) { return r.mid(0, 2) + "|" + r.mid(2, 2) + "|" + r.mid(4, 2); }),
         "6x6-tall", 1, 2, 1, 2},
        {"two-boards.txt", description, "9x9", 2, 8, 0, 5},
    };
    Game_Fixture f;
    for (const Case& c : cases) {
        Import(f, Put(f, QString::fromLatin1(c.Name), c.Text));
        QVERIFY2(f.Dialogs.Messages.empty(), qPrintable(f.Dialogs.Last_Text()));
        QCOMPARE(static_cast<int>(f.Game.Sudoku_Boards.size()), c.Boards);
        const Sudoku_Boards_FrameWork& b = f.Game.Sudoku_Boards[0];
        QCOMPARE(QString::fromStdString(Kind_Name(b)), QString::fromLatin1(c.Kind));
        QCOMPARE(b.Cell_Values[c.Col][c.Row], c.Given);
        QVERIFY(b.Cell_Locked[c.Col][c.Row]);
        Verify_Shown(f);
        QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(c.Text, 0, f.Game));
        // The palette's captions follow the imported board.
        Selection_Palette* palette = f.Form1->Palette_For(b.Board_Type);
        QVERIFY(palette != nullptr);
        QCOMPARE(palette->Number_Buttons[0]->text(), QStringLiteral("1"));
    }
    // The candidates are computed, ready to play: an empty cell of the first row cannot
    // take the row's 4.
    const Tracking_Array_FrameWork& empty = f.Game.Sudoku_Boards[0].Cell_Tracking[1][0];
    QVERIFY(empty.Candidate_Count > 0);
    QCOMPARE(empty.Possible[3], Byte(0));
}

void Puzzle_Import_Test::puzzleFilesThroughImportLoadLikeTheOpenButton() {
    Game_Fixture f;
    const QString welcome = QStringLiteral(TESSEL_PUZZLE_DIR "/welcome.zd2");
    f.Open(welcome);
    const std::vector<Byte> opened = Write_Puzzle_Bytes(f.Game);
    const QString title = f.Form1->Frame_Boards_Layout_Page->Label1->text();
    f.Open(QStringLiteral(TESSEL_PUZZLE_DIR "/samurai.zd2"));

    Import(f, welcome);
    QVERIFY(f.Dialogs.Messages.empty());
    QCOMPARE(Write_Puzzle_Bytes(f.Game), opened);
    QVERIFY(f.Form1->Frame_Boards_Layout_Page->info_Panel->isVisible());
    QCOMPARE(f.Form1->Frame_Boards_Layout_Page->Label1->text(), title);
    Verify_Shown(f);

    // A saved game under a text's name still goes to the puzzle file reader by its header.
    QFile::copy(welcome, f.Folder.filePath(QStringLiteral("saved.txt")));
    f.Open(QStringLiteral(TESSEL_PUZZLE_DIR "/6x6-wide.zd2"));
    Import(f, f.Folder.filePath(QStringLiteral("saved.txt")));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), opened);

    // A *.zd2 name goes to the reader whatever it holds, and its refusals are the reader's:
    // a text's first bytes are no version 1.0, which the reader takes for a newer version
    // (an information box); a cut file is an error.
    Import(f, Put(f, QStringLiteral("text.zd2"), First));
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("information"));
    QCOMPARE(f.Dialogs.Last_Text(), QString::fromLatin1(New_Version_Message));
    Import(f, QStringLiteral(TESSEL_TEST_DATA "/malformed/cut-in-values.zd2"));
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(), QString::fromLatin1(Read_Beyond_End_Message));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), opened);
    // A text that is not there: the reader's message for it.
    Import(f, f.Folder.filePath(QStringLiteral("missing.sdk")));
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("File not found"));
}

void Puzzle_Import_Test::manyPuzzlesLetThePlayerChoose() {
    Game_Fixture f;
    const QString sdm = Put(f, QStringLiteral("three.sdm"), First + "\n" + Second + "\n" + Third);
    const QByteArray text = First + "\n" + Second + "\n" + Third;

    // The first one unless the player picks another.
    Import(f, sdm);
    QCOMPARE(f.Dialogs.Chooser_Questions, QStringList{QStringLiteral("three.sdm|3")});
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(text, 0, f.Game));
    f.Dialogs.Puzzle_Choices = {2};
    Import(f, sdm);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(text, 2, f.Game));
    Verify_Shown(f);

    // Cancelling the choice changes nothing and says nothing.
    const std::vector<Byte> before = Write_Puzzle_Bytes(f.Game);
    Board_Picture* picture = f.Picture(0);
    f.Dialogs.Puzzle_Choices = {-1};
    Import(f, sdm);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), before);
    QCOMPARE(f.Picture(0), picture);
    QVERIFY(f.Dialogs.Messages.empty());

    // The same from the clipboard.
    Set_Clipboard(QString::fromLatin1(text));
    f.Dialogs.Puzzle_Choices = {1};
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(f.Dialogs.Chooser_Questions.last(), QStringLiteral("The clipboard|3"));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(text, 1, f.Game));

    // A single puzzle asks nothing.
    const int asked = f.Dialogs.Chooser_Questions.size();
    Import(f, Put(f, QStringLiteral("single.sdm"), Second + "\n"));
    QCOMPARE(f.Dialogs.Chooser_Questions.size(), asked);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(Second, 0, f.Game));
}

void Puzzle_Import_Test::promptGuardsImportAndPaste() {
    Game_Fixture f;
    Import(f, Put(f, QStringLiteral("first.txt"), First));
    f.Form1->Enter_Number(0, 1, 0, 9);
    QVERIFY(f.Game.Game_Modified);
    const std::vector<Byte> played = Write_Puzzle_Bytes(f.Game);
    const QString second = Put(f, QStringLiteral("second.txt"), Second);

    // No: no dialog, nothing changes, the game stays modified and can still be taken back.
    f.Dialogs.Answers = {false};
    f.Dialogs.Files.push_back(second);
    f.Form1->Exchange->Import_Action->trigger();
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.Messages[0].Kind, QStringLiteral("confirm"));
    QCOMPARE(f.Dialogs.Messages[0].Text, QString::fromLatin1(Modified_Prompt));
    QCOMPARE(f.Dialogs.Dialog_Titles.size(), 1); // the first import's dialog only
    f.Dialogs.Files.clear();
    QCOMPARE(Write_Puzzle_Bytes(f.Game), played);
    QVERIFY(f.Game.Game_Modified);
    QVERIFY(f.Form1->Session_Of_Game().Can_Undo());

    // A usable clipboard: the same prompt, No keeps the game.
    Set_Clipboard(QString::fromLatin1(Second));
    f.Dialogs.Answers = {false};
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 2);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), played);

    // An unusable one: the importer's message, and no question first.
    Set_Clipboard(QStringLiteral("1234"));
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 2);
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("Line 1 has 4 cells; a row needs 9"));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), played);

    // Yes: the import goes ahead.
    f.Dialogs.Answers = {true};
    Import(f, second);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(Second, 0, f.Game));
    Verify_Shown(f);
}

void Puzzle_Import_Test::pasteTakesTheClipboardsText() {
    Game_Fixture f;
    // A description, as a player copies it from a page.
    const QByteArray description =
        "board 6x6-tall 20 20\n" +
        Rows("1.....2.....3.....4.....5.....6.....", 6, [](QByteArray r) { return r; }) +
        "title Pasted\n";
    Set_Clipboard(QString::fromLatin1(description));
    f.Form1->Exchange->Paste_Action->trigger();
    QVERIFY2(f.Dialogs.Messages.empty(), qPrintable(f.Dialogs.Last_Text()));
    QCOMPARE(QString::fromStdString(Kind_Name(f.Game.Sudoku_Boards.at(0))),
             QStringLiteral("6x6-tall"));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(description, 0, f.Game));
    Verify_Shown(f);

    // Text beyond ASCII arrives as UTF-8: a no-break space between cells is a blank.
    const QString spaced = QString::fromLatin1(First).replace(0, 1, QStringLiteral("4\u00A0"));
    Set_Clipboard(spaced);
    f.Form1->Exchange->Paste_Action->trigger();
    QVERIFY2(f.Dialogs.Messages.empty(), qPrintable(f.Dialogs.Last_Text()));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(First, 0, f.Game));

    // Nothing to paste: an empty clipboard, or one holding a picture.
    const std::vector<Byte> before = Write_Puzzle_Bytes(f.Game);
    QGuiApplication::clipboard()->clear();
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("The text holds no puzzle"));
    auto* picture = new QMimeData;
    picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(picture);
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(f.Dialogs.Count(QStringLiteral("error")), 2);
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("The text holds no puzzle"));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), before);
}

void Puzzle_Import_Test::importedGameSavesAsAPuzzleFile() {
    Game_Fixture f;
    const QByteArray sdk = "[Puzzle]\n" + Rows(First, 9, [](QByteArray r) { return r; });
    Import(f, Put(f, QStringLiteral("game.sdk"), sdk));
    f.Form1->Enter_Number(0, 1, 0, 6);
    const QString saved = f.Folder.filePath(QStringLiteral("game.zd2"));
    f.Dialogs.Dialog_Titles.clear();
    f.Dialogs.Files = {saved};
    f.Form1->ToolButton1Click();
    QCOMPARE(f.Dialogs.Dialog_Titles,
             QStringList{QStringLiteral(
                 "Save to Tessel Sudoku File (*.zd2)|Tessel Sudoku File (*.zd2)|.")});
    QVERIFY(!f.Game.Game_Modified);
    const Puzzle_Read_Result back = Read_Puzzle_File(QFile::encodeName(saved).toStdString());
    QVERIFY2(back.Ok(), back.Error.c_str());
    QCOMPARE(Write_Puzzle_Bytes(back.Puzzle), Write_Puzzle_Bytes(f.Game));
    QCOMPARE(back.Puzzle.Sudoku_Boards[0].Cell_Values[1][0], 6);
    QVERIFY(!back.Puzzle.Sudoku_Boards[0].Cell_Locked[1][0]);
    QVERIFY(back.Puzzle.Sudoku_Boards[0].Cell_Locked[0][0]);
}

void Puzzle_Import_Test::startUpFile() {
    // The first argument that is no option, found from the folder the game started in.
    const QString folder = QStringLiteral("/home/player/puzzles");
    QCOMPARE(Start_Up_Puzzle_Path({QStringLiteral("tessel-sudoku")}, folder), QString());
    QCOMPARE(
        Start_Up_Puzzle_Path({QStringLiteral("tessel-sudoku"), QStringLiteral("a.zd2")}, folder),
        QStringLiteral("/home/player/puzzles/a.zd2"));
    QCOMPARE(Start_Up_Puzzle_Path({QStringLiteral("tessel-sudoku"), QStringLiteral("--verbose"),
                                   QStringLiteral("../b.sdm"), QStringLiteral("c.txt")},
                                  folder),
             QStringLiteral("/home/player/b.sdm"));
    QCOMPARE(Start_Up_Puzzle_Path({QStringLiteral("tessel-sudoku"), QStringLiteral("/tmp/x y.ss")},
                                  folder),
             QStringLiteral("/tmp/x y.ss"));
    QCOMPARE(Start_Up_Puzzle_Path(
                 {QStringLiteral("tessel-sudoku"), QStringLiteral("file:///tmp/x%20y.ss")}, folder),
             QStringLiteral("/tmp/x y.ss"));

    {
        // A puzzle text at start-up: loaded once the window is up, with no question.
        Game_Fixture f;
        f.Form1->Exchange->Open_At_Start_Up(Put(f, QStringLiteral("start.txt"), First));
        QVERIFY(f.Game.Sudoku_Boards.empty()); // not before the window's events run
        QTRY_COMPARE(f.Game.Sudoku_Boards.size(), std::size_t(1));
        QVERIFY(f.Dialogs.Messages.empty());
        Verify_Shown(f);
    }
    {
        // A refused one: its message over the empty game.
        Game_Fixture f;
        f.Form1->Exchange->Open_At_Start_Up(
            QStringLiteral(TESSEL_TEST_DATA "/malformed-text/sdk-short-row.sdk"));
        QTRY_COMPARE(f.Dialogs.Messages.size(), std::size_t(1));
        QCOMPARE(f.Dialogs.Messages[0].Kind, QStringLiteral("error"));
        QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("Line 5 has 8 cells; a row needs 9"));
        QVERIFY(f.Game.Sudoku_Boards.empty());
        QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 0"));
    }
    {
        // No file: nothing happens.
        Game_Fixture f;
        f.Form1->Exchange->Open_At_Start_Up(QString());
        QTest::qWait(20);
        QVERIFY(f.Dialogs.Messages.empty());
        QVERIFY(f.Game.Sudoku_Boards.empty());
    }
}

QTEST_MAIN(Puzzle_Import_Test)
#include "Puzzle_Import_Test.moc"
