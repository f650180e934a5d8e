#include "tools/tessel-puzzle/Render_Command.h"

#include <QFile>
#include <QGuiApplication>
#include <memory>

#include "io/Puzzle_Source.h"
#include "io/Text_Import.h"
#include "render/Board_Drawing.h"
#include "render/Page_Render.h"
#include "session/Puzzle_Loading.h"

namespace {

// Loads the puzzle as the game would: the file reader or the text importer, then the
// region index and every candidate, with help as asked.
std::string Load_For_Render(const std::string& path, long long index, bool tall, bool help,
                            Puzzle_State& state) {
    state = Puzzle_State{};
    state.Help_Solve = help;
    if (Is_Puzzle_File(path)) {
        return Load_Puzzle_File_Into(state, path);
    }
    Text_Import_Result imported =
        Import_Puzzle_Text_File(path, static_cast<std::size_t>(index - 1), tall);
    if (!imported.Ok()) {
        return imported.Error;
    }
    Adopt_Loaded_Puzzle(state, std::move(imported.Puzzle));
    return {};
}

// The fonts need a GUI application: the tool makes one on the offscreen platform for this
// command alone, unless the process already has one. Qt's own notes (about the runtime
// folder, say) stay off the tool's error output while it lasts.
class Offscreen_Gui {
  public:
    Offscreen_Gui() {
        if (QCoreApplication::instance() != nullptr) {
            return;
        }
        Previous_Handler = qInstallMessageHandler(&Offscreen_Gui::Quiet);
        App = std::make_unique<QGuiApplication>(Argc, Argv);
        Install_Font_Substitutions();
    }
    ~Offscreen_Gui() {
        if (App) {
            App.reset();
            qInstallMessageHandler(Previous_Handler);
        }
    }
    Offscreen_Gui(const Offscreen_Gui&) = delete;
    Offscreen_Gui& operator=(const Offscreen_Gui&) = delete;

  private:
    // The application takes its own options out of the arguments, so each one gets a copy.
    char Program[14] = "tessel-puzzle";
    char Option[10] = "-platform";
    char Platform[10] = "offscreen";
    char* Argv[4] = {Program, Option, Platform, nullptr};
    int Argc = 3;
    std::unique_ptr<QGuiApplication> App;
    static inline QtMessageHandler Previous_Handler = nullptr;

    // Errors still go where they went (Qt hands back its default handler when none was set).
    static void Quiet(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            Previous_Handler(type, context, text);
        }
    }
};

} // namespace

int Render_Puzzle(const std::string& path, long long index, bool tall, const std::string& output,
                  bool labels, bool help, std::ostream& out, std::ostream& err) {
    const QString target = QFile::decodeName(output.c_str());
    if (Page_Format_Of(target) == Page_Format::None) {
        err << "tessel-puzzle: render writes a .png or a .pdf file, not " << output << '\n';
        return 2;
    }
    Puzzle_State state;
    const std::string error = Load_For_Render(path, index, tall, help, state);
    if (!error.empty()) {
        err << path << ": " << error << '\n';
        return 1;
    }
    state.Show_Labels = labels;
    const Offscreen_Gui gui;
    const std::string failure = Export_Page(state, target);
    if (!failure.empty()) {
        err << output << ": " << failure << '\n';
        return 1;
    }
    const QSize size = Page_Render_Size(state);
    out << "wrote " << output << ": " << state.Sudoku_Boards.size()
        << (state.Sudoku_Boards.size() == 1 ? " board" : " boards") << ", page " << size.width()
        << " x " << size.height() << " pixels\n";
    return 0;
}
