#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <vector>

#include "app/Player_Dialogs.h"
#include "app/Puzzle_Exchange.h"
#include "app/Tool_Images.h"
#include "model/Puzzle_File.h"
#include "page/Board_Picture.h"
#include "page/Boards_Layout.h"
#include "page/Busy_Cursor.h"
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
    Exchange = new Puzzle_Exchange(*this, Dialogs);
    Session.On_History_Changed = [this] { Update_Undo_Actions(); };
    Update_Undo_Actions();
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
            Enter_Number(State.Current_Board, State.Mouse_Col, State.Mouse_Row, tag);
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
    // Opening works on the hover cell, whichever palette is asked: every palette picks the one
    // its board's kind needs, so the 9x9 palette serves a click on any board.
    if (ZD_Board_Original_9x9 != nullptr) {
        ZD_Board_Original_9x9->Open_For_Cell();
    }
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
