// Bad files and failed saves through the real window: every malformed file of
// tests/data/malformed is refused with its own message while the game on the page stays as
// it was, and a save that cannot be done reports why, leaves the previous file as it was and
// keeps the game marked as modified.

#include <QDirIterator>
#include <QLabel>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Game_Fixture.h"
#include "app/Puzzle_Exchange.h"
#include "widgets/Boards_Layout.h"

namespace {

QByteArray Bytes_Of(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Put_Bytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every entry below a folder with its size and modification time, to see that nothing was
// written, created or removed there.
QStringList Listing(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        out << info.filePath() + QLatin1Char(' ') + QString::number(info.size()) +
                   QLatin1Char(' ') + QString::number(info.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

struct Expected_Refusal {
    QString Name;
    QString Kind;
    QString Message;
};

QVector<Expected_Refusal> Expected_Refusals(const QString& folder) {
    QVector<Expected_Refusal> out;
    QFile manifest(folder + QStringLiteral("/expected.txt"));
    if (!manifest.open(QIODevice::ReadOnly)) {
        return out;
    }
    while (!manifest.atEnd()) {
        const QString line = QString::fromUtf8(manifest.readLine()).chopped(1);
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() == 3) {
            out.push_back({parts[0], parts[1], parts[2]});
        }
    }
    return out;
}

// What must not change when a load is refused: the game as the writer would save it, the
// pictures on the page, the board count in the status bar and the modified mark.
struct Game_Snapshot {
    std::vector<Byte> Saved;
    std::vector<Board_Picture*> Pictures;
    QString Status;
    bool Modified = false;
    bool Info_Shown = false;

    static Game_Snapshot Of(Game_Fixture& f) {
        Game_Snapshot s;
        s.Saved = Write_Puzzle_Bytes(f.Game);
        for (const Sudoku_Boards_FrameWork& b : f.Game.Sudoku_Boards) {
            s.Pictures.push_back(b.Board_Image);
        }
        s.Status = f.Form1->Status_Panels[0]->text();
        s.Modified = f.Game.Game_Modified;
        s.Info_Shown = f.Form1->Frame_Boards_Layout_Page->info_Panel->isVisible();
        return s;
    }
    bool operator==(const Game_Snapshot& o) const {
        return Saved == o.Saved && Pictures == o.Pictures && Status == o.Status &&
               Modified == o.Modified && Info_Shown == o.Info_Shown;
    }
};

// A Samurai group with an info panel, loaded and then changed by an entry.
void Load_Changed_Game(Game_Fixture& f) {
    Puzzle_State p = Empty_Samurai();
    p.Info_Visible = 1;
    p.Puzzle_Title.Assign("Before");
    p.Custom_Regions_On = 1;
    p.Custom_Regions = {{{0, 0, 0, 0}, {0, 1, 1, 0}}};
    f.Open(f.Write(QStringLiteral("before.zd2"), p));
    QCOMPARE(f.Game.Sudoku_Boards.size(), std::size_t(5));
    // A pointer move to where the pointer already is sends no event, and the previous test
    // may have left it on that very cell: move elsewhere first.
    f.Hover(2, 0, 0);
    f.Enter(2, 4, 4, 7);
    QCOMPARE(f.Game.Sudoku_Boards[2].Cell_Values[4][4], 7);
    QVERIFY(f.Game.Game_Modified);
}

// Runs the save with the process's effective user switched to `nobody` when it is root, so
// that the permission bits of a folder apply. Returns false when that is not possible.
bool As_Unprivileged(const std::function<void()>& action) {
    if (geteuid() != 0) {
        action();
        return true;
    }
    const uid_t nobody = 65534;
    if (setegid(nobody) != 0 || seteuid(nobody) != 0) {
        // Back to root's group; should even that fail, the test below says so.
        const bool regained = setegid(0) == 0;
        static_cast<void>(regained);
        return false;
    }
    action();
    const bool back = seteuid(0) == 0 && setegid(0) == 0;
    return back;
}

// Loads every malformed file of the folder (listed in its expected.txt, at least at_least
// of them) over a changed Samurai game through `load`, the prompt answered Yes: each shows
// the prompt, then its own message, and nothing else, while the game as the writer would
// save it, its pictures, the status bar, the modified mark and the undo history stay as they
// were and nothing is written in either folder.
void Verify_Every_Refusal(Game_Fixture& f, const QString& malformed, int at_least,
                          const std::function<void(const QString&)>& load) {
    const QVector<Expected_Refusal> refusals = Expected_Refusals(malformed);
    QVERIFY2(refusals.size() >= at_least, "expected.txt lists the malformed files");

    Load_Changed_Game(f);
    const Game_Snapshot before = Game_Snapshot::Of(f);
    const QStringList source_files = Listing(malformed);
    const QStringList temp_files = Listing(f.Folder.path());

    int seen = 0;
    for (const Expected_Refusal& r : refusals) {
        const QString path = malformed + QLatin1Char('/') + r.Name;
        QVERIFY2(QFileInfo::exists(path), qPrintable(r.Name));
        const std::size_t messages = f.Dialogs.Messages.size();
        f.Dialogs.Answers = {true}; // discard the changes: the game is still modified
        load(path);
        // The prompt, then the refusal, and nothing else.
        QCOMPARE(f.Dialogs.Messages.size(), messages + 2);
        QCOMPARE(f.Dialogs.Messages[messages].Kind, QStringLiteral("confirm"));
        const Shown_Message& shown = f.Dialogs.Messages.back();
        QVERIFY2(shown.Kind == r.Kind && shown.Text == r.Message,
                 qPrintable(r.Name + QStringLiteral(": ") + shown.Kind + QStringLiteral(" ") +
                            shown.Text));
        QVERIFY2(Game_Snapshot::Of(f) == before, qPrintable(r.Name));
        QVERIFY2(f.Form1->Session_Of_Game().Can_Undo(), qPrintable(r.Name));
        const std::string problem = Describe_Invariant_Violation(f.Game);
        QVERIFY2(problem.empty(), problem.c_str());
        ++seen;
    }
    QCOMPARE(seen, refusals.size());
    QCOMPARE(Listing(malformed), source_files);
    QCOMPARE(Listing(f.Folder.path()), temp_files);
}

// The same files on an empty page: no prompt, and the page stays empty.
void Verify_Refusals_On_An_Empty_Page(Game_Fixture& f, const QString& malformed,
                                      const std::function<void(const QString&)>& load) {
    for (const Expected_Refusal& r : Expected_Refusals(malformed)) {
        load(malformed + QLatin1Char('/') + r.Name);
        QCOMPARE(f.Dialogs.Count(QStringLiteral("confirm")), 0);
        QCOMPARE(f.Dialogs.Last_Text(), r.Message);
        QVERIFY(f.Game.Sudoku_Boards.empty());
        QVERIFY(!f.Game.Game_Modified);
        QCOMPARE(f.Form1->Status_Panels[0]->text(), QStringLiteral("Total Boards: 0"));
        QVERIFY(f.Form1->Frame_Boards_Layout_Page->findChildren<Board_Picture*>().isEmpty());
    }
}

} // namespace

class Bad_Input_Test : public QObject {
    Q_OBJECT
  private slots:
    void everyMalformedFileIsRefusedAndChangesNothing();
    void malformedFilesOnAnEmptyPage();
    void everyMalformedTextIsRefusedAndChangesNothing();
    void saveOntoAFolderOrADevice();
    void saveOntoAFullVolume();
    void saveIntoAFolderWithoutWritePermission();
};

void Bad_Input_Test::everyMalformedFileIsRefusedAndChangesNothing() {
    Game_Fixture f;
    Verify_Every_Refusal(f, QStringLiteral(TESSEL_TEST_DATA "/malformed"), 40,
                         [&f](const QString& path) { f.Open(path); });
    if (QTest::currentTestFailed()) {
        return;
    }

    // The game still plays and saves after all that.
    f.Enter(2, 0, 0, 3);
    QCOMPARE(f.Game.Sudoku_Boards[0].Cell_Values[6][6], 3); // the copy in corner board 1
    const QString saved = f.Folder.filePath(QStringLiteral("after.zd2"));
    QVERIFY(f.Form1->Save_Puzzle_To(saved));
    QVERIFY(!f.Game.Game_Modified);
    const std::vector<Byte> game = Write_Puzzle_Bytes(f.Game);
    QCOMPARE(Bytes_Of(saved),
             QByteArray(reinterpret_cast<const char*>(game.data()), int(game.size())));
}

void Bad_Input_Test::malformedFilesOnAnEmptyPage() {
    Game_Fixture f;
    Verify_Refusals_On_An_Empty_Page(f, QStringLiteral(TESSEL_TEST_DATA "/malformed"),
                                     [&f](const QString& path) { f.Open(path); });
}

void Bad_Input_Test::everyMalformedTextIsRefusedAndChangesNothing() {
    // The puzzle texts of every format, through the import command; none asks for a puzzle
    // to be chosen.
    const auto import = [](Game_Fixture& f) {
        return [&f](const QString& path) {
            f.Dialogs.Files.push_back(path);
            f.Form1->Exchange->Import_Action->trigger();
            f.Dialogs.Files.clear();
        };
    };
    const QString malformed = QStringLiteral(TESSEL_TEST_DATA "/malformed-text");
    {
        Game_Fixture f;
        Verify_Every_Refusal(f, malformed, 37, import(f));
        QVERIFY(f.Dialogs.Chooser_Questions.isEmpty());
    }
    Game_Fixture empty;
    Verify_Refusals_On_An_Empty_Page(empty, malformed, import(empty));
}

void Bad_Input_Test::saveOntoAFolderOrADevice() {
    Game_Fixture f;
    Load_Changed_Game(f);

    // A folder with a file in it, chosen as the target.
    QDir folder(f.Folder.path());
    QVERIFY(folder.mkdir(QStringLiteral("target.zd2")));
    const QString inside = f.Folder.filePath(QStringLiteral("target.zd2/keep.txt"));
    QVERIFY(Put_Bytes(inside, "kept"));
    const QStringList listing = Listing(f.Folder.path());
    QVERIFY(!f.Form1->Save_Puzzle_To(f.Folder.filePath(QStringLiteral("target.zd2"))));
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("Cannot save the puzzle: the target is a folder"));
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(Listing(f.Folder.path()), listing);
    QCOMPARE(Bytes_Of(inside), QByteArray("kept"));

    // The same through the save button and its dialog.
    f.Dialogs.Files.push_back(f.Folder.filePath(QStringLiteral("target.zd2")));
    f.Form1->ToolButton1Click();
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("Cannot save the puzzle: the target is a folder"));
    QVERIFY(f.Game.Game_Modified);

    // A device that is always full.
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
        QSKIP("no /dev/full here");
    }
    QVERIFY(!f.Form1->Save_Puzzle_To(QStringLiteral("/dev/full")));
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QVERIFY(f.Dialogs.Last_Text().startsWith(QStringLiteral("Cannot save the puzzle: ")));
    QVERIFY(f.Game.Game_Modified);
    struct stat info {};
    QCOMPARE(stat("/dev/full", &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
}

void Bad_Input_Test::saveOntoAFullVolume() {
    // The file size limit stands in for a small volume: the write stops part way, as on a
    // full disk, even for root.
    Game_Fixture f;
    Load_Changed_Game(f);
    const QString path = f.Folder.filePath(QStringLiteral("game.zd2"));
    const QByteArray previous = Bytes_Of(f.Folder.filePath(QStringLiteral("before.zd2")));
    QVERIFY(previous.size() > 2048);
    QVERIFY(Put_Bytes(path, previous));
    const QStringList listing = Listing(f.Folder.path());

    struct rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    void (*old_handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = f.Form1->Save_Puzzle_To(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);

    QVERIFY(!written);
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(),
             QStringLiteral("Cannot save the puzzle: ") + QString::fromLocal8Bit(strerror(EFBIG)));
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(Bytes_Of(path), previous);
    QCOMPARE(Listing(f.Folder.path()), listing); // no temporary file left behind

    // With room again the same save goes through.
    QVERIFY(f.Form1->Save_Puzzle_To(path));
    QVERIFY(!f.Game.Game_Modified);
    QVERIFY(Bytes_Of(path) != previous);
}

void Bad_Input_Test::saveIntoAFolderWithoutWritePermission() {
    Game_Fixture f;
    Load_Changed_Game(f);
    QDir top(f.Folder.path());
    QVERIFY(top.mkdir(QStringLiteral("locked")));
    const QString locked = f.Folder.filePath(QStringLiteral("locked"));
    const QString path = locked + QStringLiteral("/game.zd2");
    const QByteArray previous = Bytes_Of(f.Folder.filePath(QStringLiteral("before.zd2")));
    QVERIFY(Put_Bytes(path, previous));
    QVERIFY(chmod(QFile::encodeName(path).constData(), 0666) == 0);
    QVERIFY(chmod(QFile::encodeName(locked).constData(), 0555) == 0);
    QVERIFY(chmod(QFile::encodeName(f.Folder.path()).constData(), 0755) == 0);
    const QStringList listing = Listing(locked);

    bool written = true;
    const bool ran = As_Unprivileged([&] { written = f.Form1->Save_Puzzle_To(path); });
    chmod(QFile::encodeName(locked).constData(), 0755);
    if (!ran) {
        QSKIP("running as root without a way to drop the privilege to write anywhere");
    }
    QVERIFY(!written);
    QCOMPARE(f.Dialogs.Messages.back().Kind, QStringLiteral("error"));
    QCOMPARE(f.Dialogs.Last_Text(), QStringLiteral("Cannot save the puzzle: File access denied"));
    QVERIFY(f.Game.Game_Modified);
    QCOMPARE(Bytes_Of(path), previous);
    QCOMPARE(Listing(locked), listing);
}

QTEST_MAIN(Bad_Input_Test)
#include "Bad_Input_Test.moc"
