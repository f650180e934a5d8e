#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <atomic>
#include <random>
#include <vector>

#include "app/Hint_Bar.h"
#include "app/Keyboard_Play.h"
#include "app/Player_Dialogs.h"
#include "app/Puzzle_Exchange.h"
#include "app/Tool_Images.h"
#include "logic/Generator.h"
#include "logic/Technique.h"
#include "model/Cp1252.h"
#include "model/Puzzle_File.h"
#include "model/Puzzle_Groups.h"
#include "page/Board_Picture.h"
#include "page/Boards_Layout.h"
#include "page/Busy_Cursor.h"
#include "page/Page_Overlay.h"
#include "palette/Original_6x6.h"
#include "palette/Original_9x9.h"

const char* const Modified_Prompt =
    "Current Sudoku Game have been Modified.\rAre you sure you want to Continue?";

namespace {

const char* const File_Filter = "Tessel Sudoku File (*.zd2)";
const char* const Open_Title = "Load Tessel Sudoku File (*.zd2)";
const char* const Save_Title = "Save to Tessel Sudoku File (*.zd2)";

QFont Window_Font() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

} // namespace

TForm1::TForm1(Puzzle_State& state, Player_Dialogs& dialogs)
    : QMainWindow(nullptr), State(state), Session(state), Dialogs(dialogs) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessel Sudoku (V2.0)"));
    setFont(Window_Font());
    setMinimumSize(400, 400);
    setGeometry(192, 107, 696, 480);
    FormCreate();

    Frame_Boards_Layout_Page = new TMainFrame_Boards_Layout_Page(State, this);
    Frame_Boards_Layout_Page->setObjectName(QStringLiteral("Frame_Boards_Layout_Page"));
    Frame_Boards_Layout_Page->Redraw_Board = [this](int i) { Redraw_Board(i); };
    setCentralWidget(Frame_Boards_Layout_Page);
    connect(Frame_Boards_Layout_Page, &TMainFrame_Boards_Layout_Page::Board_Clicked, this,
            &TForm1::BoardImageClick);
    connect(Frame_Boards_Layout_Page, &TMainFrame_Boards_Layout_Page::Page_Background_Entered, this,
            [this] {
                if (!Status_Panels[1]->text().isEmpty()) {
                    Status_Panels[1]->clear();
                }
            });
    connect(Frame_Boards_Layout_Page, &TMainFrame_Boards_Layout_Page::Link_Clicked, this,
            &TForm1::Label3Click);

    Create_Menu();
    Create_Tool_Bar();
    Create_Status_Bar();
    Create_Hint_Bar();
    Exchange = new Puzzle_Exchange(*this, Dialogs);
    Session.On_History_Changed = [this] {
        Update_Undo_Actions();
        Hide_Hint();
    };
    Update_Undo_Actions();
    Keys = new Keyboard_Play(this);
}

TForm1::~TForm1() {
    if (!Closed) {
        FormClose();
    }
}

void TForm1::Attach_Palettes(TZD_Board_Original_9x9* palette_9x9,
                             TZD_Board_Original_6x6* palette_6x6) {
    ZD_Board_Original_9x9 = palette_9x9;
    ZD_Board_Original_6x6 = palette_6x6;
    const std::vector<Selection_Palette*> palettes{palette_9x9, palette_6x6};
    for (Selection_Palette* palette : palettes) {
        palette->Set_Kind_Palettes(palettes);
        connect(palette, &Selection_Palette::Number_Chosen, this, [this](int tag) {
            const Board_Cursor cell =
                Palette_Cell ? *Palette_Cell
                             : Board_Cursor{State.Current_Board, State.Mouse_Col, State.Mouse_Row};
            Enter_Number(cell.Board, cell.Col, cell.Row, tag);
        });
    }
}

void TForm1::FormCreate() {
    State.Game_Modified = false;
    State.Sudoku_Boards.clear();
    State.Board_Positions.clear();
    Drawing = std::make_unique<Drawing_Resources>();
    Drawing->Device_Pixel_Ratio = devicePixelRatioF();
    // The file dialogs start in the program's folder, where the sample puzzles are.
    const QString folder = QCoreApplication::applicationDirPath();
    if (!folder.isEmpty() && !QDir::setCurrent(folder)) {
        Dialogs.Error(this, QStringLiteral("The folder %1 cannot be made the current folder.")
                                .arg(QDir::toNativeSeparators(folder)));
    }
    State.Show_Labels = false;
    State.Help_Solve = false;
}

void TForm1::Create_Tool_Bar() {
    ToolBar1 = new QToolBar(QStringLiteral("ToolBar1"), this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    Save_Action = new QAction(QIcon(Save_Image()), QStringLiteral("Save"), this);
    Save_Action->setShortcut(QKeySequence::Save);
    Save_Action->setToolTip(QStringLiteral("Save the game to a puzzle file (Ctrl+S)"));
    connect(Save_Action, &QAction::triggered, this, &TForm1::ToolButton1Click);

    Open_Action = new QAction(QIcon(Open_Image()), QStringLiteral("Open"), this);
    Open_Action->setShortcut(QKeySequence::Open);
    Open_Action->setToolTip(QStringLiteral("Open a puzzle file (Ctrl+O)"));
    connect(Open_Action, &QAction::triggered, this, &TForm1::ToolButton2Click);

    Restart_Action = new QAction(QIcon(Restart_Image()), QStringLiteral("Restart"), this);
    Restart_Action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Restart_Action->setToolTip(
        QStringLiteral("Restart: empty every cell that is not locked (Ctrl+R); "
                       "the arrow opens the menu"));
    connect(Restart_Action, &QAction::triggered, this, &TForm1::ToolButton3Click);

    ToolButton1 = Add_Tool_Button("ToolButton1", Save_Action);
    ToolButton2 = Add_Tool_Button("ToolButton2", Open_Action);
    ToolButton3 = Add_Tool_Button("ToolButton3", Restart_Action);
    ToolButton3->setMenu(PopupMenu1);
    ToolButton3->setPopupMode(QToolButton::MenuButtonPopup);

    // Beside the three buttons of the game: taking moves back and bringing them back.
    ToolBar1->addSeparator();
    Undo_Action = new QAction(QIcon(Undo_Image()), QStringLiteral("Undo"), this);
    Undo_Action->setShortcuts({QKeySequence::Undo});
    connect(Undo_Action, &QAction::triggered, this, &TForm1::ToolButton4Click);
    Redo_Action = new QAction(QIcon(Redo_Image()), QStringLiteral("Redo"), this);
    Redo_Action->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Redo_Action, &QAction::triggered, this, &TForm1::ToolButton5Click);
    ToolButton4 = Add_Tool_Button("ToolButton4", Undo_Action);
    ToolButton5 = Add_Tool_Button("ToolButton5", Redo_Action);

    ToolBar1->addSeparator();
    New_Action = new QAction(QIcon(New_Puzzle_Image()), QStringLiteral("New Puzzle"), this);
    New_Action->setShortcut(QKeySequence::New);
    New_Action->setToolTip(
        QStringLiteral("New Puzzle: make a puzzle of any kind and level (Ctrl+N)"));
    connect(New_Action, &QAction::triggered, this, &TForm1::ToolButton6Click);
    ToolButton6 = Add_Tool_Button("ToolButton6", New_Action);
    Hint_Action = new QAction(QIcon(Hint_Image()), QStringLiteral("Hint"), this);
    Hint_Action->setShortcut(QKeySequence(Qt::Key_H));
    Hint_Action->setToolTip(QStringLiteral("Hint: the next number and why (H); H again enters it"));
    connect(Hint_Action, &QAction::triggered, this, &TForm1::ToolButton7Click);
    ToolButton7 = Add_Tool_Button("ToolButton7", Hint_Action);
}

void TForm1::Create_Hint_Bar() {
    addToolBarBreak(Qt::TopToolBarArea);
    Hint_Tool_Bar = new QToolBar(QStringLiteral("Hint"), this);
    Hint_Tool_Bar->setObjectName(QStringLiteral("Hint_Tool_Bar"));
    Hint_Tool_Bar->setMovable(false);
    Hint_Tool_Bar->setFloatable(false);
    Hint_Tool_Bar->setContextMenuPolicy(Qt::PreventContextMenu);
    HintBar1 = new Hint_Bar(Hint_Tool_Bar);
    HintBar1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Hint_Tool_Bar->addWidget(HintBar1);
    addToolBar(Qt::TopToolBarArea, Hint_Tool_Bar);
    Hint_Tool_Bar->hide();
    connect(HintBar1, &Hint_Bar::Apply_Clicked, this, &TForm1::Apply_Hint);
    connect(HintBar1, &Hint_Bar::Close_Clicked, this, &TForm1::Hide_Hint);
}

QToolButton* TForm1::Add_Tool_Button(const char* name, QAction* action) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(QString::fromLatin1(name));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setFixedHeight(49);
    button->setMinimumWidth(50);
    ToolBar1->addWidget(button);
    addAction(action); // the shortcut works wherever the focus is
    return button;
}

void TForm1::Update_Undo_Actions() {
    if (Undo_Action == nullptr || Redo_Action == nullptr) {
        return;
    }
    const auto describe = [](const char* verb, const std::string& step, const char* keys) {
        return step.empty()
                   ? QStringLiteral("%1 (%2)").arg(QLatin1String(verb), QLatin1String(keys))
                   : QStringLiteral("%1 %2 (%3)")
                         .arg(QLatin1String(verb), QString::fromStdString(step),
                              QLatin1String(keys));
    };
    Undo_Action->setEnabled(Session.Can_Undo());
    Undo_Action->setToolTip(describe("Undo", Session.Undo_Name(), "Ctrl+Z"));
    Redo_Action->setEnabled(Session.Can_Redo());
    Redo_Action->setToolTip(describe("Redo", Session.Redo_Name(), "Ctrl+Y"));
}

void TForm1::Create_Menu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    LockNumbers1 =
        PopupMenu1->addAction(QStringLiteral("Lock Numbers"), this, &TForm1::LockNumbers1Click);
    UnlockNumbers1 =
        PopupMenu1->addAction(QStringLiteral("Unlock Numbers"), this, &TForm1::UnlockNumbers1Click);
    SetNumbers1 =
        PopupMenu1->addAction(QStringLiteral("Set Numbers"), this, &TForm1::SetNumbers1Click);
    N1 = PopupMenu1->addSeparator();
    ShowLabels1 =
        PopupMenu1->addAction(QStringLiteral("Show Labels"), this, &TForm1::ShowLabels1Click);
    HelpmeSolveit1 = PopupMenu1->addAction(QStringLiteral("Help me Solve it"), this,
                                           &TForm1::HelpmeSolveit1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm1::PopupMenu1Popup);
    // The menu took the pointer's leaving of the restart button; unless the pointer is back
    // over it, the button is drawn flat again as the menu closes.
    connect(PopupMenu1, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (ToolButton3 == nullptr) {
                return;
            }
            const QPoint at = ToolButton3->mapFromGlobal(QCursor::pos());
            if (!ToolButton3->rect().contains(at)) {
                ToolButton3->setAttribute(Qt::WA_UnderMouse, false);
            }
            ToolButton3->setDown(false);
            ToolButton3->update();
        });
    });
}

void TForm1::Create_Status_Bar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[3] = {120, 120, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setAlignment(i < 2 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(panel);
        Status_Panels[i] = panel;
    }
    Show_Board_Count();
}

QString TForm1::Board_Count_Text(qlonglong count) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return QStringLiteral("Total Boards: ") + locale.toString(count);
}

void TForm1::Show_Board_Count() {
    Status_Panels[0]->setText(Board_Count_Text(static_cast<qlonglong>(State.Sudoku_Boards.size())));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::FormShow() {
    Show_Board_Count();
}

bool TForm1::Confirm_Discard_Changes() {
    return !State.Game_Modified || Dialogs.Confirm(this, QString::fromLatin1(Modified_Prompt));
}

void TForm1::FormCloseQuery(bool& CanClose) {
    if (!Confirm_Discard_Changes()) {
        CanClose = false;
    }
}

void TForm1::FormClose() {
    Frame_Boards_Layout_Page->Clear_Boards();
    Drawing.reset();
    Closed = true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (!CanClose) {
        event->ignore();
        return;
    }
    if (ZD_Board_Original_9x9 != nullptr) {
        ZD_Board_Original_9x9->hide();
    }
    if (ZD_Board_Original_6x6 != nullptr) {
        ZD_Board_Original_6x6->hide();
    }
    FormClose();
    event->accept();
}

void TForm1::ToolButton1Click() {
    if (!State.Sudoku_Boards.empty()) {
        Save_Puzzle_File();
    }
}

void TForm1::ToolButton2Click() {
    Load_Puzzle_File();
}

void TForm1::ToolButton3Click() {
    if (!Confirm_Discard_Changes()) {
        return;
    }
    Restart_Boards();
}

void TForm1::Restart_Boards() {
    Busy_Cursor busy;
    if (Session.Restart()) {
        Redraw_All_Boards();
    }
}

void TForm1::ToolButton4Click() {
    Busy_Cursor busy;
    if (Session.Undo()) {
        After_Change(&busy);
    }
}

void TForm1::ToolButton5Click() {
    Busy_Cursor busy;
    if (Session.Redo()) {
        After_Change(&busy);
    }
}

void TForm1::Load_Puzzle_File() {
    if (!Confirm_Discard_Changes()) {
        return;
    }
    const QString path =
        Dialogs.Open_File_Name(this, QString::fromLatin1(Open_Title),
                               QString::fromLatin1(File_Filter), QStringLiteral("."));
    if (path.isEmpty()) {
        return;
    }
    Load_Puzzle_From(path);
}

bool TForm1::Load_Puzzle_From(const QString& path) {
    QString refusal;
    {
        Busy_Cursor busy;
        QCoreApplication::processEvents();
        Puzzle_Read_Result result = Read_Puzzle_File(QFile::encodeName(path).toStdString());
        if (result.Ok()) {
            Show_Loaded_Puzzle(std::move(result.Puzzle));
            return true;
        }
        refusal = QString::fromStdString(result.Error);
    }
    if (refusal == QString::fromLatin1(New_Version_Message)) {
        Dialogs.Information(this, refusal);
    } else {
        Dialogs.Error(this, refusal);
    }
    return false;
}

void TForm1::Show_Loaded_Puzzle(Puzzle_State&& loaded) {
    // The old puzzle goes only once the new one was read completely.
    Frame_Boards_Layout_Page->Free_Board_Pictures();
    Hide_Cursor();
    Session.Adopt(std::move(loaded));
    Frame_Boards_Layout_Page->Show_Info_Panel();
    for (int i = 0; i < static_cast<int>(State.Sudoku_Boards.size()); ++i) {
        Frame_Boards_Layout_Page->Add_Board_Picture(i);
        if (Selection_Palette* palette = Palette_For(State.Sudoku_Boards[i].Board_Type)) {
            palette->Set_Captions(i, State.Sudoku_Boards[i].Use_Symbols);
        }
    }
    Frame_Boards_Layout_Page->Update_Page_Range();
    Show_Board_Count();
    State.Game_Modified = false;
}

void TForm1::Save_Puzzle_File() {
    const QString path =
        Dialogs.Save_File_Name(this, QString::fromLatin1(Save_Title),
                               QString::fromLatin1(File_Filter), QStringLiteral("."));
    if (path.isEmpty()) {
        return;
    }
    Save_Puzzle_To(path);
}

bool TForm1::Save_Puzzle_To(const QString& path) {
    std::string failure;
    {
        Busy_Cursor busy;
        QCoreApplication::processEvents();
        failure = Write_Puzzle_File(QFile::encodeName(path).toStdString(), State);
        if (failure.empty()) {
            Session.Saved();
            return true;
        }
    }
    Dialogs.Error(this, QString::fromStdString(failure));
    return false;
}

void TForm1::Redraw_Board(int i) {
    if (!Drawing) {
        return;
    }
    Selection_Palette* palette = Palette_For(State.Sudoku_Boards[i].Board_Type);
    if (palette == nullptr || Drawn.Unchanged(State, i, *Drawing)) {
        return;
    }
    palette->Draw_Board_Of(i, *Drawing);
    Drawn.Remember(State, i, *Drawing);
}

void TForm1::Enter_Number(int board, int col, int row, Integer n) {
    Busy_Cursor busy;
    if (!Cell_Exists(State, board, col, row)) {
        return;
    }
    Session.Enter(board, col, row, n);
    After_Change(&busy);
}

void TForm1::After_Change(Busy_Cursor* busy) {
    Redraw_All_Boards();
    QCoreApplication::processEvents();
    const Check_Verdict verdict = Check_Boards(State);
    if (busy != nullptr) {
        // The check's message box shows the ordinary pointer, as a message box does.
        busy->Release();
    }
    Show_Check_Result(verdict);
}

void TForm1::Redraw_All_Boards() {
    for (int i = 0; i < static_cast<int>(State.Sudoku_Boards.size()); ++i) {
        Redraw_Board(i);
    }
}

void TForm1::Show_Check_Result(Check_Verdict verdict) {
    switch (verdict) {
    case Check_Verdict::Duplicates:
        Dialogs.Warning(this, QString::fromLatin1(Check_Message(verdict)));
        break;
    case Check_Verdict::All_Completed:
        Dialogs.Information(this, QString::fromLatin1(Check_Message(verdict)));
        break;
    case Check_Verdict::Nothing_To_Say:
        break;
    }
}

Selection_Palette* TForm1::Palette_For(Integer board_type) const {
    return ZD_Board_Original_9x9 != nullptr ? ZD_Board_Original_9x9->Palette_For(board_type)
                                            : nullptr;
}

void TForm1::BoardImageClick() {
    const Board_Cursor hover{State.Current_Board, State.Mouse_Col, State.Mouse_Row};
    if (Cell_Exists(State, hover.Board, hover.Col, hover.Row)) {
        Place_Cursor(hover);
    }
    // Opening works on the hover cell, whichever palette is asked: every palette picks the one
    // its board's kind needs, so the 9x9 palette serves a click on any board.
    if (ZD_Board_Original_9x9 != nullptr) {
        ZD_Board_Original_9x9->Open_For_Cell();
    }
}

void TForm1::Place_Cursor(const Board_Cursor& cell) {
    if (!Cell_Exists(State, cell.Board, cell.Col, cell.Row)) {
        return;
    }
    Cursor = cell;
    Frame_Boards_Layout_Page->Overlay()->Set_Cursor(cell.Board, cell.Col, cell.Row);
    Frame_Boards_Layout_Page->Show_Cell(cell.Board, cell.Col, cell.Row);
}

void TForm1::Hide_Cursor() {
    Cursor = Board_Cursor{};
    Frame_Boards_Layout_Page->Overlay()->Hide_Cursor();
}

void TForm1::Move_Cursor(int dx, int dy) {
    // The first key shows the cursor where it was, or on the first board's first cell; a
    // cursor off the boards starts again there too.
    if (!Frame_Boards_Layout_Page->Overlay()->Cursor_Shown()) {
        Place_Cursor(Cell_Exists(State, Cursor.Board, Cursor.Col, Cursor.Row) ? Cursor
                                                                              : First_Cell(State));
        return;
    }
    Place_Cursor(::Move_Cursor(State, Cursor, dx, dy));
}

void TForm1::Cursor_Home() {
    Place_Cursor(First_Cell(State));
}

Integer TForm1::Number_Of_Key_Text(const QString& text) const {
    if (!Cell_Exists(State, Cursor.Board, Cursor.Col, Cursor.Row) || text.size() != 1) {
        return -1;
    }
    const Sudoku_Boards_FrameWork& board = State.Sudoku_Boards[Cursor.Board];
    const QChar key = text.at(0);
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9')) {
        const Integer n = key.digitValue();
        return n <= board.Max_Number ? n : -1;
    }
    if (!board.Use_Symbols) {
        return -1;
    }
    // The symbol as typed, else the only symbol that differs from it in case alone.
    const auto only_symbol = [&](Qt::CaseSensitivity sensitivity) {
        Integer found = -1;
        for (std::size_t k = 0; k < board.Symbols.size(); ++k) {
            const QString symbol = QString::fromStdString(Cp1252_Char_To_Utf8(board.Symbols[k]));
            if (symbol.compare(text, sensitivity) == 0) {
                if (found >= 0) {
                    return Integer{-1};
                }
                found = static_cast<Integer>(k) + 1;
            }
        }
        return found;
    };
    const Integer exact = only_symbol(Qt::CaseSensitive);
    return exact >= 0 ? exact : only_symbol(Qt::CaseInsensitive);
}

void TForm1::Enter_At_Cursor(Integer n) {
    if (!Cell_Exists(State, Cursor.Board, Cursor.Col, Cursor.Row) ||
        Session.Is_Locked(Cursor.Board, Cursor.Col, Cursor.Row)) {
        return;
    }
    Enter_Number(Cursor.Board, Cursor.Col, Cursor.Row, n);
}

void TForm1::ToolButton6Click() {
    New_Puzzle();
}

bool TForm1::New_Puzzle() {
    if (!Confirm_Discard_Changes()) {
        return false;
    }
    New_Puzzle_Choice choice = Last_New_Puzzle;
    if (!Dialogs.Choose_New_Puzzle(this, choice)) {
        return false;
    }
    Last_New_Puzzle = choice;
    Last_New_Puzzle.Seed = 0;
    if (choice.Seed == 0) {
        choice.Seed = (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^
                      static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    }
    Generate_Result made;
    if (!Generate_In_Background(choice, made) || !made.Ok()) {
        if (!made.Error.empty()) {
            Dialogs.Error(this, QString::fromStdString(made.Error));
        }
        return false;
    }
    {
        Busy_Cursor busy;
        Show_Loaded_Puzzle(std::move(made.Puzzle));
    }
    if (!made.Level_Reached()) {
        Dialogs.Information(
            this, QStringLiteral("No %1 puzzle of this kind turned up in time; this one is %2.")
                      .arg(QLatin1String(Level_Name(made.Asked)),
                           QLatin1String(Level_Name(made.Reached))));
    }
    return true;
}

bool TForm1::Generate_In_Background(const New_Puzzle_Choice& choice, Generate_Result& result) {
    std::atomic<bool> cancel{false};
    std::atomic<int> percent{0};
    Generate_Options options;
    options.Cancel = &cancel;
    options.Progress = [&percent](const Generate_Progress& progress) {
        percent.store(static_cast<int>(progress.Fraction * 100));
    };
    const std::string kind = choice.Kind.toStdString();
    const std::uint64_t seed = choice.Seed;
    const Puzzle_Level level = choice.Level;
    std::unique_ptr<QThread> worker(QThread::create([&result, &options, kind, seed, level] {
        result = Generate_Puzzle(kind, seed, level, options);
    }));

    QProgressDialog progress(QStringLiteral("Making a new puzzle..."), QStringLiteral("Cancel"), 0,
                             100, this);
    progress.setObjectName(QStringLiteral("New_Puzzle_Progress"));
    progress.setWindowTitle(QStringLiteral("New Puzzle"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    // Its Cancel button, its close box and Escape all stop the generator.
    connect(&progress, &QProgressDialog::canceled, this, [&cancel] { cancel.store(true); });
    connect(&progress, &QDialog::rejected, this, [&cancel] { cancel.store(true); });
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this,
            [&progress, &percent] { progress.setValue(std::min(percent.load(), 99)); });
    QEventLoop waiting;
    connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    ticker.start(50);
    worker->start();
    waiting.exec();
    worker->wait();
    ticker.stop();
    const bool made = !cancel.load() && !result.Cancelled;
    progress.disconnect(this);
    progress.close();
    return made;
}

void TForm1::ToolButton7Click() {
    if (Shown_Hint && HintBar1->Apply_Button->isVisible()) {
        Apply_Hint();
    } else {
        Show_Hint();
    }
}

void TForm1::Show_Hint() {
    if (State.Sudoku_Boards.empty()) {
        return;
    }
    Hint hint;
    {
        Busy_Cursor busy;
        hint = Find_Hint(State);
    }
    QString technique;
    QStringList sentences;
    QString apply;
    bool can_apply = false;
    switch (hint.Kind) {
    case Hint_Kind::Next_Number:
        technique = QString::fromLatin1(Technique_Name(hint.Steps.back().Kind));
        for (const Step& step : hint.Steps) {
            sentences << QString::fromStdString(step.Text);
        }
        // The bar names the technique of the step that places the number; its sentence
        // goes on from there.
        if (sentences.back().startsWith(technique + QStringLiteral(": "))) {
            QString rest = sentences.back().mid(technique.size() + 2);
            rest[0] = rest[0].toUpper();
            sentences.back() = rest;
        }
        can_apply = !hint.Placement.empty();
        apply = QStringLiteral("Apply");
        break;
    case Hint_Kind::Wrong_Entries:
        technique = QStringLiteral("Wrong entry");
        sentences << QString::fromStdString(hint.Text);
        can_apply = !hint.Wrong.empty();
        apply = QStringLiteral("Clear");
        break;
    default:
        sentences << QString::fromStdString(hint.Text);
        break;
    }
    Mark_Hint_Cells(hint);
    Shown_Hint = std::move(hint);
    HintBar1->Show_Hint(technique, sentences, can_apply, apply);
    Hint_Tool_Bar->show();
}

void TForm1::Mark_Hint_Cells(const Hint& hint) {
    std::vector<Page_Overlay::Highlight> marks;
    const Puzzle_Groups& groups = Groups_Of(State);
    for (const Step& step : hint.Steps) {
        for (const Unit_Id& unit : step.Units) {
            for (const Cell_Group& group : groups.Groups) {
                if (group.Kind != unit.Kind || group.Board != unit.Board ||
                    group.Index != unit.Index) {
                    continue;
                }
                for (int j = group.Begin; j < group.End; ++j) {
                    const Cell_Address& at = groups.Address[groups.Group_Cells[j]];
                    marks.push_back({at.Board, at.Col, at.Row, Page_Overlay::Mark::Unit});
                }
            }
        }
        for (const Cell_Place& cell : step.Cells) {
            marks.push_back({cell.Board, cell.Col, cell.Row, Page_Overlay::Mark::Reason});
        }
        for (const Number_Place& gone : step.Eliminations) {
            marks.push_back({gone.Board, gone.Col, gone.Row, Page_Overlay::Mark::Eliminate});
        }
    }
    for (const Number_Place& target : hint.Placement) {
        marks.push_back({target.Board, target.Col, target.Row, Page_Overlay::Mark::Target});
    }
    for (const Number_Place& wrong : hint.Wrong) {
        marks.push_back({wrong.Board, wrong.Col, wrong.Row, Page_Overlay::Mark::Wrong});
    }
    Frame_Boards_Layout_Page->Overlay()->Set_Highlights(std::move(marks));
    const std::vector<Number_Place>& focus = !hint.Placement.empty() ? hint.Placement : hint.Wrong;
    if (!focus.empty()) {
        Frame_Boards_Layout_Page->Show_Cell(focus.front().Board, focus.front().Col,
                                            focus.front().Row);
    }
}

void TForm1::Apply_Hint() {
    if (!Shown_Hint) {
        return;
    }
    const Hint hint = std::move(*Shown_Hint);
    Hide_Hint();
    Busy_Cursor busy;
    if (hint.Kind == Hint_Kind::Next_Number && !hint.Placement.empty()) {
        const Number_Place& p = hint.Placement.front();
        Place_Cursor({p.Board, p.Col, p.Row});
        Session.Enter(p.Board, p.Col, p.Row, p.Number, "Hint " + std::to_string(p.Number));
    } else if (hint.Kind == Hint_Kind::Wrong_Entries) {
        // Every wrong entry goes in one step, so one undo brings them all back.
        std::vector<Game_Session::Cell_Entry> clears;
        for (const Number_Place& p : hint.Wrong) {
            clears.push_back({p.Board, p.Col, p.Row, 0});
        }
        Session.Enter_All(clears, hint.Wrong.size() == 1
                                      ? "Clear wrong " + std::to_string(hint.Wrong.front().Number)
                                      : std::string("Clear wrong entries"));
    } else {
        return;
    }
    After_Change(&busy);
}

void TForm1::Hide_Hint() {
    Shown_Hint.reset();
    if (Hint_Tool_Bar != nullptr) {
        Hint_Tool_Bar->hide();
    }
    if (Frame_Boards_Layout_Page != nullptr) {
        Frame_Boards_Layout_Page->Overlay()->Clear_Highlights();
    }
}

void TForm1::Open_Palette_At_Cursor() {
    if (!Cell_Exists(State, Cursor.Board, Cursor.Col, Cursor.Row) ||
        ZD_Board_Original_9x9 == nullptr) {
        return;
    }
    Palette_Cell = Cursor;
    ZD_Board_Original_9x9->Open_At(Cursor.Board, Cursor.Col, Cursor.Row);
    Palette_Cell.reset();
}

void TForm1::PopupMenu1Popup() {
    ToolButton3->setDown(false);
    const bool has_boards = !State.Sudoku_Boards.empty();
    LockNumbers1->setEnabled(has_boards);
    UnlockNumbers1->setEnabled(has_boards);
    SetNumbers1->setEnabled(has_boards);
    ShowLabels1->setEnabled(true);
    HelpmeSolveit1->setEnabled(true);
    ShowLabels1->setText(State.Show_Labels ? QStringLiteral("Hide Labels")
                                           : QStringLiteral("Show Labels"));
    HelpmeSolveit1->setText(State.Help_Solve ? QStringLiteral("Don't Help me Solve it")
                                             : QStringLiteral("Help me Solve it"));
}

void TForm1::LockNumbers1Click() {
    Busy_Cursor busy;
    Session.Lock();
    Redraw_All_Boards();
}

void TForm1::UnlockNumbers1Click() {
    Busy_Cursor busy;
    Session.Unlock();
    Redraw_All_Boards();
}

void TForm1::SetNumbers1Click() {
    if (State.Sudoku_Boards.empty() || Session.Set_Numbers() == 0) {
        return;
    }
    After_Change(nullptr);
}

void TForm1::ShowLabels1Click() {
    Session.Toggle_Labels();
    Busy_Cursor busy;
    Redraw_All_Boards();
}

void TForm1::HelpmeSolveit1Click() {
    Busy_Cursor busy;
    Session.Toggle_Help();
    if (!State.Sudoku_Boards.empty()) {
        Redraw_All_Boards();
    }
}

QString TForm1::Link_Address(const QString& link) {
    QString text = link.trimmed();
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        text.prepend(QLatin1String("http://"));
    }
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty()) {
        return {};
    }
    return text;
}

void TForm1::Label3Click(const QString& link) {
    QCoreApplication::processEvents();
    const QString address = Link_Address(link);
    if (!address.isEmpty()) {
        Dialogs.Open_Url(address);
    }
    QCoreApplication::processEvents();
}
