#include "app/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "app/Generation_Runner.h"
#include "app/Hint_Presenter.h"
#include "app/Keyboard_Play.h"
#include "app/Play_Marks.h"
#include "app/Player_Dialogs.h"
#include "app/Tool_Images.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Original_6x6.h"
#include "widgets/Original_9x9.h"

const char* const Modified_Prompt =
    "Current Sudoku Game have been Modified.\rAre you sure you want to Continue?";

namespace {

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
    Cursor_Keys.Attach_Page(Frame_Boards_Layout_Page);
    Cursor_Keys.Enter_Number = [this](int board, int col, int row, Integer n) {
        Enter_Number(board, col, row, n);
    };
    Cursor_Keys.Open_Palette = [this](int board, int col, int row) {
        Open_Palette_At(board, col, row);
    };
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
    Hints = new Hint_Presenter(*this, Session, *Frame_Boards_Layout_Page, Cursor_Keys);
    Marks = new Play_Marks(*this, Session, *Frame_Boards_Layout_Page, Cursor_Keys);
    Cursor_Keys.Moved = [this] { Marks->Refresh(); };
    Create_Marks_Controls();
    HintBar1 = Hints->Bar;
    Hints->Finish_Change = [this](Busy_Cursor* busy) { After_Change(busy); };
    Hints->Boards_Named = [this](const std::vector<int>& boards) {
        Marks->Set_Hint_Boards(boards);
    };
    Runner = new Generation_Runner(this);
    Exchange = new Puzzle_Exchange(*this, *this, Session, Dialogs);
    Session.On_History_Changed = [this] {
        Update_Undo_Actions();
        Hints->Hide();
        Marks->Refresh();
    };
    Update_Undo_Actions();
    Keys = new Keyboard_Play(*this, *Frame_Boards_Layout_Page, Cursor_Keys, *Hints, *Marks);
    connect(Frame_Boards_Layout_Page, &TMainFrame_Boards_Layout_Page::Zoom_Changed, this,
            [this](qreal zoom) {
                if (Drawing) {
                    Drawing->Device_Pixel_Ratio = devicePixelRatioF() * zoom;
                }
                Redraw_All_Boards();
                Marks->Refresh();
                if (Cursor_Keys.On_Cell()) {
                    Frame_Boards_Layout_Page->Show_Cell(Cursor.Board, Cursor.Col, Cursor.Row);
                }
            });
    Create_More_Controls();
    Start_Progress(QString());
    Marks->Refresh();
}

TForm1::~TForm1() {
    Wait_For_Workers();
    if (!Closed) {
        FormClose();
    }
}

void TForm1::Attach_Palettes(TZD_Board_Original_9x9* palette_9x9,
                             TZD_Board_Original_6x6* palette_6x6,
                             const std::vector<Selection_Palette*>& others) {
    ZD_Board_Original_9x9 = palette_9x9;
    ZD_Board_Original_6x6 = palette_6x6;
    std::vector<Selection_Palette*> palettes{palette_9x9, palette_6x6};
    palettes.insert(palettes.end(), others.begin(), others.end());
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
    // Plain H comes through the key table (a board of letters types H as a number).
    Hint_Action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    Hint_Action->setToolTip(
        QStringLiteral("Hint: the next number and why (H or Ctrl+H); again enters it"));
    connect(Hint_Action, &QAction::triggered, this, &TForm1::ToolButton7Click);
    ToolButton7 = Add_Tool_Button("ToolButton7", Hint_Action);
}

QAction* TForm1::Add_Action(const QString& text, const QKeySequence& keys, const QString& tip) {
    auto* action = new QAction(text, this);
    action->setShortcut(keys);
    action->setToolTip(tip);
    addAction(action); // the shortcut works wherever the focus is
    return action;
}

void TForm1::Create_Marks_Controls() {
    // Notes: the button switches note mode; its arrow opens the notes commands.
    Note_Mode_Action = Add_Action(QStringLiteral("Note Mode"), QKeySequence(Qt::CTRL | Qt::Key_M),
                                  QStringLiteral("Note mode: number keys toggle notes instead "
                                                 "of entering numbers (N or Ctrl+M)"));
    Note_Mode_Action->setIcon(QIcon(Notes_Image()));
    Note_Mode_Action->setCheckable(true);
    connect(Note_Mode_Action, &QAction::toggled, this,
            [this](bool on) { Marks->Set_Note_Mode(on); });
    Marks->Note_Mode_Switched = [this](bool on) {
        if (Note_Mode_Action->isChecked() != on) {
            Note_Mode_Action->setChecked(on);
        }
    };
    Notes_Window_Action =
        Add_Action(QStringLiteral("Notes Window..."), QKeySequence(Qt::CTRL | Qt::Key_Return),
                   QStringLiteral("A window with a button per number for the cursor's cell's notes "
                                  "(Ctrl+Enter)"));
    connect(Notes_Window_Action, &QAction::triggered, this, [this] { Marks->Open_Notes_Window(); });
    Fill_Notes_Action = Add_Action(
        QStringLiteral("Fill All Notes"), QKeySequence(Qt::CTRL | Qt::Key_F),
        QStringLiteral("Note in every empty cell the numbers still possible there (Ctrl+F)"));
    connect(Fill_Notes_Action, &QAction::triggered, this, [this] { Session.Fill_Notes(); });
    Clear_Notes_Action = Add_Action(
        QStringLiteral("Clear All Notes"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
        QStringLiteral("Take every note off the boards (Ctrl+Shift+F)"));
    connect(Clear_Notes_Action, &QAction::triggered, this, [this] { Session.Clear_Notes(); });
    Auto_Remove_Notes_Action = Add_Action(
        QStringLiteral("Remove Notes on Entry"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
        QStringLiteral("A number entered takes its note out of every cell that sees it "
                       "(Ctrl+Shift+R)"));
    Auto_Remove_Notes_Action->setCheckable(true);
    Auto_Remove_Notes_Action->setChecked(Session.Auto_Remove_Notes);
    connect(Auto_Remove_Notes_Action, &QAction::toggled, this,
            [this](bool on) { Session.Auto_Remove_Notes = on; });
    Notes_Menu = new QMenu(this);
    Notes_Menu->setObjectName(QStringLiteral("Notes_Menu"));
    Notes_Menu->addAction(Note_Mode_Action);
    Notes_Menu->addAction(Notes_Window_Action);
    Notes_Menu->addSeparator();
    Notes_Menu->addAction(Fill_Notes_Action);
    Notes_Menu->addAction(Clear_Notes_Action);
    Notes_Menu->addSeparator();
    Notes_Menu->addAction(Auto_Remove_Notes_Action);

    // Marks: clashes and highlighting.
    Conflicts_Action = Add_Action(
        QStringLiteral("Show Conflicts"), QKeySequence(Qt::CTRL | Qt::Key_D),
        QStringLiteral("Mark in red every number that stands twice in a row, column, block or "
                       "region (Ctrl+D)"));
    Conflicts_Action->setCheckable(true);
    Conflicts_Action->setChecked(Marks->Conflicts_Shown());
    connect(Conflicts_Action, &QAction::toggled, this,
            [this](bool on) { Marks->Set_Conflicts_Shown(on); });
    Cursor_Number_Action = Add_Action(
        QStringLiteral("Highlight the Cursor's Number"), QKeySequence(Qt::CTRL | Qt::Key_L),
        QStringLiteral("Light up every cell of the number in the cursor's cell (Ctrl+L)"));
    Cursor_Number_Action->setCheckable(true);
    Cursor_Number_Action->setChecked(Marks->Cursor_Number_Highlighted());
    connect(Cursor_Number_Action, &QAction::toggled, this,
            [this](bool on) { Marks->Set_Cursor_Number_Highlighted(on); });
    Highlight_Menu = new QMenu(QStringLiteral("Highlight Number"), this);
    Highlight_Menu->setObjectName(QStringLiteral("Highlight_Menu"));
    connect(Highlight_Menu, &QMenu::aboutToShow, this, [this] {
        Highlight_Menu->clear();
        Integer largest = 9;
        if (const Sudoku_Boards_FrameWork* board = Cursor_Keys.Board()) {
            largest = board->Max_Number;
        } else if (!State.Sudoku_Boards.empty()) {
            largest = State.Sudoku_Boards.front().Max_Number;
        }
        for (Integer n = 1; n <= largest; ++n) {
            QAction* item = Highlight_Menu->addAction(n <= 9 ? QStringLiteral("%1\tAlt+%1").arg(n)
                                                             : QString(QChar('A' + n - 10)));
            item->setCheckable(true);
            item->setChecked(Marks->Highlighted() == n);
            connect(item, &QAction::triggered, this, [this, n] { Marks->Highlight(n); });
        }
        Highlight_Menu->addSeparator();
        QAction* none = Highlight_Menu->addAction(QStringLiteral("None\tEscape"));
        none->setEnabled(Marks->Highlighted() != 0);
        connect(none, &QAction::triggered, this, [this] { Marks->End_Highlight(); });
    });
    Marks_Menu = new QMenu(this);
    Marks_Menu->setObjectName(QStringLiteral("Marks_Menu"));
    Marks_Menu->addAction(Conflicts_Action);
    Marks_Menu->addMenu(Highlight_Menu);
    Marks_Menu->addAction(Cursor_Number_Action);

    ToolBar1->addSeparator();
    ToolButton8 = Add_Tool_Button("ToolButton8", Note_Mode_Action);
    ToolButton8->setMenu(Notes_Menu);
    ToolButton8->setPopupMode(QToolButton::MenuButtonPopup);
    auto* marks = new QAction(QIcon(Marks_Image()), QStringLiteral("Marks"), this);
    marks->setToolTip(QStringLiteral("Marks: conflicts shown in red, a number highlighted"));
    ToolButton9 = Add_Tool_Button("ToolButton9", marks);
    ToolButton9->setMenu(Marks_Menu);
    ToolButton9->setPopupMode(QToolButton::InstantPopup);
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
