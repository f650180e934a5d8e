#include "app/Puzzle_Exchange.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "app/Player_Dialogs.h"
#include "io/Puzzle_Source.h"
#include "io/Text_Import.h"
#include "model/Cp1252.h"
#include "render/Page_Render.h"
#include "session/Game_Session.h"
#include "widgets/Busy_Cursor.h"

const char* const Import_Title = "Import Puzzle";
const char* const Import_Filter = "All puzzle files (*.zd2 *.txt *.sdk *.ss *.sdm);;"
                                  "Puzzle text (*.txt);;"
                                  "Puzzle rows (*.sdk);;"
                                  "Puzzle rows with separators (*.ss);;"
                                  "Puzzle lists (*.sdm);;"
                                  "Tessel Sudoku File (*.zd2)";
const char* const Export_Title = "Export the Page";
const char* const Export_Filter = "PNG picture (*.png);;PDF document (*.pdf)";
const char* const Clipboard_Source = "The clipboard";

Puzzle_Exchange::Puzzle_Exchange(QWidget& window, Game_Door& door, Game_Session& session,
                                 Player_Dialogs& dialogs)
    : QObject(&window), Window(window), Door(door), Session(session), Dialogs(dialogs) {
    setObjectName(QStringLiteral("Puzzle_Exchange"));
    Import_Action =
        Add_Action(QStringLiteral("Import Puzzle..."), QKeySequence(Qt::CTRL | Qt::Key_I),
                   QStringLiteral("Open a puzzle of any format the game reads: "
                                  "*.zd2, one-line, .sdk, .ss, .sdm or a description "
                                  "(Ctrl+I)"),
                   &Puzzle_Exchange::Import_Puzzle);
    Paste_Action = Add_Action(QStringLiteral("Paste Puzzle"), QKeySequence::Paste,
                              QStringLiteral("Play the puzzle on the clipboard (Ctrl+V)"),
                              &Puzzle_Exchange::Paste_Puzzle);
    Import_Tall_Action = Add_Action(
        QStringLiteral("Import Puzzle with Tall Blocks..."),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I),
        QStringLiteral("Import a puzzle, a 6x6, 8x8 or 12x12 text with blocks taller than wide "
                       "(Ctrl+Shift+I)"),
        &Puzzle_Exchange::Import_Puzzle_Tall);
    Paste_Tall_Action = Add_Action(
        QStringLiteral("Paste Puzzle with Tall Blocks"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
        QStringLiteral("Play the puzzle on the clipboard, a 6x6, 8x8 or 12x12 board with blocks "
                       "taller than wide (Ctrl+Shift+V)"),
        &Puzzle_Exchange::Paste_Puzzle_Tall);
    Export_Action = Add_Action(QStringLiteral("Export Page..."), QKeySequence(Qt::CTRL | Qt::Key_E),
                               QStringLiteral("Save the page as a PNG picture or a PDF (Ctrl+E)"),
                               &Puzzle_Exchange::Export_Page);
    Print_Action = Add_Action(QStringLiteral("Print Page..."), QKeySequence::Print,
                              QStringLiteral("Print the page, scaled to the paper (Ctrl+P)"),
                              &Puzzle_Exchange::Print_Page);
}

QAction* Puzzle_Exchange::Add_Action(const QString& text, const QKeySequence& keys,
                                     const QString& tip, void (Puzzle_Exchange::*handler)()) {
    auto* action = new QAction(text, &Window);
    action->setShortcut(keys);
    action->setToolTip(tip);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    Window.addAction(action);
    return action;
}

void Puzzle_Exchange::Import_Puzzle() {
    Import_With(false);
}

void Puzzle_Exchange::Import_Puzzle_Tall() {
    Import_With(true);
}

void Puzzle_Exchange::Import_With(bool tall) {
    if (Door.Confirm_Discard_Changes()) {
        Choose_File_Then(Dialogs, &Window, File_Dialog_Kind::Import, Import_Title, Import_Filter,
                         [this, tall](const QString& path) { Open_Path(path, tall); });
    }
}

bool Puzzle_Exchange::Open_Path(const QString& path, bool tall) {
    const std::string name = QFile::encodeName(path).toStdString();
    if (Is_Puzzle_File(name)) {
        return Door.Load_Puzzle_From(path);
    }
    std::string text;
    Text_Import_Result imported;
    {
        Busy_Cursor busy;
        QCoreApplication::processEvents();
        imported.Error = Read_Puzzle_Text_File(name, text);
        if (imported.Ok()) {
            imported = Import_Puzzle_Text(text, 0, name, tall);
        }
    }
    return Show_Imported(text, name, QFileInfo(path).fileName(), tall, std::move(imported));
}

bool Puzzle_Exchange::Show_Imported(const std::string& text, const std::string& name,
                                    const QString& source, bool tall,
                                    Text_Import_Result&& imported) {
    if (imported.Ok() && imported.Puzzle_Count > 1) {
        const int count = imported.Puzzle_Count > static_cast<std::size_t>(INT32_MAX)
                              ? INT32_MAX
                              : static_cast<int>(imported.Puzzle_Count);
        const int chosen = Dialogs.Choose_Puzzle(&Window, source, count);
        if (chosen < 0 || chosen >= count) {
            return false;
        }
        if (chosen > 0) {
            Busy_Cursor busy;
            QCoreApplication::processEvents();
            imported = Import_Puzzle_Text(text, static_cast<std::size_t>(chosen), name, tall);
        }
    }
    if (!imported.Ok()) {
        Dialogs.Error(&Window, QString::fromStdString(imported.Error));
        return false;
    }
    Busy_Cursor busy;
    Door.Show_Loaded_Puzzle(std::move(imported.Puzzle));
    return true;
}

void Puzzle_Exchange::Paste_Puzzle() {
    Paste_With(false);
}

void Puzzle_Exchange::Paste_Puzzle_Tall() {
    Paste_With(true);
}

void Puzzle_Exchange::Paste_With(bool tall) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const std::string text =
        data != nullptr && data->hasText() ? data->text().toStdString() : std::string();
    Text_Import_Result imported;
    {
        Busy_Cursor busy;
        imported = Import_Puzzle_Text(text, 0, std::string(), tall);
    }
    if (!imported.Ok()) {
        Dialogs.Error(&Window, QString::fromStdString(imported.Error));
        return;
    }
    if (!Door.Confirm_Discard_Changes()) {
        return;
    }
    Show_Imported(text, std::string(), QString::fromLatin1(Clipboard_Source), tall,
                  std::move(imported));
}

void Puzzle_Exchange::Export_Page() {
    if (!Session.State().Sudoku_Boards.empty()) {
        Choose_File_Then(Dialogs, &Window, File_Dialog_Kind::Export, Export_Title, Export_Filter,
                         [this](const QString& path) { Export_Page_To(path); });
    }
}

bool Puzzle_Exchange::Export_Page_To(const QString& path) {
    std::string failure;
    {
        Busy_Cursor busy;
        QCoreApplication::processEvents();
        failure = ::Export_Page(Session.State(), path);
    }
    if (failure.empty()) {
        return true;
    }
    Dialogs.Error(&Window, QString::fromStdString(failure));
    return false;
}

void Puzzle_Exchange::Print_Page() {
    const Puzzle_State& state = Session.State();
    if (state.Sudoku_Boards.empty()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    const QSize page = Page_Render_Size(state);
    printer.setPageOrientation(page.width() > page.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
    const QString title = QString::fromStdString(Cp1252_To_Utf8(state.Puzzle_Title.Text()));
    printer.setDocName(
        state.Info_Visible != 0 && !title.isEmpty() ? title : QStringLiteral("Tessel Sudoku"));
    if (Dialogs.Choose_Printer(&Window, printer)) {
        Print_Page_On(printer);
    }
}

bool Puzzle_Exchange::Print_Page_On(QPrinter& printer) {
    bool started = false;
    {
        Busy_Cursor busy;
        QCoreApplication::processEvents();
        QPainter painter;
        started = painter.begin(&printer);
        if (started) {
            Paint_Page_Fitted(
                painter, Session.State(),
                QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()));
            started = painter.end();
        }
    }
    if (!started) {
        Dialogs.Error(&Window, QStringLiteral("The page could not be printed: the printer did not "
                                              "start"));
    }
    return started;
}

void Puzzle_Exchange::Open_At_Start_Up(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    QTimer::singleShot(0, this, [this, path] { Open_Path(path); });
}

QString Start_Up_Puzzle_Path(const QStringList& arguments, const QString& folder) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-'))) {
            continue;
        }
        // A desktop may hand over a file address instead of a path.
        const QString path =
            argument.startsWith(QLatin1String("file:")) ? QUrl(argument).toLocalFile() : argument;
        return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
    }
    return {};
}
