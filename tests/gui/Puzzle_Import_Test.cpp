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
#include "io/Text_Import.h"
#include "session/Puzzle_Loading.h"
#include "widgets/Boards_Layout.h"

namespace {

const QByteArray First =
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
const QByteArray Second =
    "52...6.........7.13...........4..8..6......5...........418.........3..2...87.....";
const QByteArray Third =
    ".6.5.1.9.1...9..539....7....4.8...7.......5.8.817.5.3.....5.2............76..8...";

// The rows of a puzzle line, each wrapped as the format writes it.
QByteArray Rows(
    const QByteArray& puzzle, int n,
    const std::function<QByteArray(QByteArray)>& wrap = [](QByteArray r) { return r; }) {
    QByteArray out;
    for (int r = 0; r < n; ++r) {
        out += wrap(puzzle.mid(r * n, n)) + '\n';
    }
    return out;
}

// Imports through the command, the dialog answered with the file.
void Import(Game_Fixture& f, const QString& path) {
    f.Dialogs.Files.push_back(path);
    f.Form1->Exchange->Import_Action->trigger();
    f.Dialogs.Files.clear();
}

void Paste(Game_Fixture& f, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QCoreApplication::processEvents();
    f.Form1->Exchange->Paste_Action->trigger();
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
    void everyFormatLoadsAsTheOpenButtonLoads();
    void manyPuzzlesLetThePlayerChoose();
    void promptGuardsImportAndPaste();
    void startUpFile();
};

void Puzzle_Import_Test::everyFormatLoadsAsTheOpenButtonLoads() {
    Game_Fixture f;
    // One of each path through the importer: rows of a 9x9, a 6x6 whose separators make its
    // blocks tall, and a description of two boards; the importer's own tests cover the rest.
    const QByteArray six = "1.......2.......3..4.........56.....";
    const std::pair<const char*, QByteArray> texts[] = {
        {"rows.sdk", "[Puzzle]\n#A someone\n" + Rows(Second, 9)},
        {"six-tall.ss",
         Rows(six, 6,
              [](QByteArray r) { return r.mid(0, 2) + "|" + r.mid(2, 2) + "|" + r.mid(4, 2); })},
        {"two-boards.txt", "title Two boards\nboard 9x9 20 20\n" + Rows(First, 9) +
                               "board 9x9 220 20\n" + Rows(Second, 9)},
    };
    for (const auto& [name, text] : texts) {
        Import(f, f.Put(QString::fromLatin1(name), text));
        QVERIFY2(f.Dialogs.Messages.empty(), qPrintable(f.Dialogs.Last_Text()));
        QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(text, 0, f.Game));
        Verify_Shown(f);
    }
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(2));
    QVERIFY(f.Dialogs.Chooser_Questions.isEmpty()); // a single puzzle asks nothing

    // A puzzle file loads as the open button loads it.
    const QString welcome = QStringLiteral(TESSEL_PUZZLE_DIR "/welcome.zd2");
    f.Open(welcome);
    const std::vector<Byte> opened = Write_Puzzle_Bytes(f.Game);
    f.Open(QStringLiteral(TESSEL_PUZZLE_DIR "/samurai.zd2"));
    Import(f, welcome);
    QVERIFY(f.Dialogs.Messages.empty());
    QCOMPARE(Write_Puzzle_Bytes(f.Game), opened);
    Verify_Shown(f);
}

void Puzzle_Import_Test::manyPuzzlesLetThePlayerChoose() {
    Game_Fixture f;
    const QByteArray text = First + "\n" + Second + "\n" + Third;
    const QString sdm = f.Put(QStringLiteral("three.sdm"), text);

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

    // The same from the clipboard, whose text beyond ASCII arrives as UTF-8: a no-break space
    // between cells is a blank.
    f.Dialogs.Puzzle_Choices = {1};
    Paste(f, QString::fromLatin1(text).replace(0, 1, QStringLiteral("4\u00A0")));
    QCOMPARE(f.Dialogs.Chooser_Questions.last(), QStringLiteral("The clipboard|3"));
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(text, 1, f.Game));
}

void Puzzle_Import_Test::promptGuardsImportAndPaste() {
    Game_Fixture f;
    Import(f, f.Put(QStringLiteral("first.txt"), First));
    f.Form1->Enter_Number(0, 1, 0, 9);
    QVERIFY(f.Game.Game_Modified);
    const std::vector<Byte> played = Write_Puzzle_Bytes(f.Game);
    const QString second = f.Put(QStringLiteral("second.txt"), Second);

    // No: no dialog, nothing changes, the game stays modified and can still be taken back.
    f.Dialogs.Answers = {false};
    f.Dialogs.Files.push_back(second);
    f.Form1->Exchange->Import_Action->trigger();
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.Messages[0].Text, QString::fromLatin1(Modified_Prompt));
    // The first import's dialog only: all puzzle files first, in the game's folder.
    QCOMPARE(f.Dialogs.Dialog_Titles,
             QStringList{QStringLiteral(
                 "Import Puzzle|All puzzle files (*.zd2 *.txt *.sdk *.ss *.sdm);;"
                 "Puzzle text (*.txt);;Puzzle rows (*.sdk);;Puzzle rows with separators (*.ss);;"
                 "Puzzle lists (*.sdm);;Tessel Sudoku File (*.zd2)|.")});
    f.Dialogs.Files.clear();
    QCOMPARE(Write_Puzzle_Bytes(f.Game), played);
    QVERIFY(f.Game.Game_Modified);
    QVERIFY(f.Form1->Session_Of_Game().Can_Undo());

    // A usable clipboard: the same prompt, No keeps the game.
    f.Dialogs.Answers = {false};
    Paste(f, QString::fromLatin1(Second));
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 2);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), played);

    // An unusable one (a text that is no puzzle, a picture): the importer's message,
    // and no question first.
    Paste(f, QStringLiteral("1234"));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("The pasted text, line 1: this row has 4 cells, but each row of a 9x9 "
                            "puzzle has 9."));
    auto* picture = new QMimeData;
    picture->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(picture);
    f.Form1->Exchange->Paste_Action->trigger();
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("The pasted text holds no puzzle."));
    QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 2);
    QCOMPARE(f.Dialogs.Count(QStringLiteral("error")), 2);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), played);

    // Yes: the import goes ahead.
    f.Dialogs.Answers = {true};
    Import(f, second);
    QCOMPARE(Write_Puzzle_Bytes(f.Game), Core_Game(Second, 0, f.Game));
    Verify_Shown(f);
}

void Puzzle_Import_Test::startUpFile() {
    // The first argument that is no option, found from the folder the game started in; a
    // file: address is taken as its path.
    const QString folder = QStringLiteral("/home/player/puzzles");
    const QString program = QStringLiteral("tessel-sudoku");
    QCOMPARE(Start_Up_Puzzle_Path({program, QStringLiteral("--verbose"), QStringLiteral("../b.sdm"),
                                   QStringLiteral("c.txt")},
                                  folder),
             QStringLiteral("/home/player/b.sdm"));
    QCOMPARE(Start_Up_Puzzle_Path({program, QStringLiteral("file:///tmp/x%20y.ss")}, folder),
             QStringLiteral("/tmp/x y.ss"));

    // A refused puzzle text at start-up: its message over the empty game.
    Game_Fixture f;
    f.Form1->Exchange->Open_At_Start_Up(
        QStringLiteral(TESSEL_TEST_DATA "/malformed-text/sdk-short-row.sdk"));
    QTRY_COMPARE(f.Dialogs.Messages.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.Messages[0].Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("sdk-short-row.sdk, line 5: this row has 8 cells, "
                            "but each row of a 9x9 puzzle has 9."));
    QVERIFY(f.Game.Sudoku_Boards.empty());
    QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 0"));
    // A good one: loaded once the window's events run, with no question.
    f.Form1->Exchange->Open_At_Start_Up(f.Put(QStringLiteral("start.txt"), First));
    QVERIFY(f.Game.Sudoku_Boards.empty());
    QTRY_COMPARE(f.Game.Sudoku_Boards.size(), std::size_t(1));
    QCOMPARE(f.Dialogs.Messages.size(), std::size_t(1));
    Verify_Shown(f);
}

QTEST_MAIN(Puzzle_Import_Test)
#include "Puzzle_Import_Test.moc"
