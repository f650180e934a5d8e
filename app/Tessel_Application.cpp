#include "app/Tessel_Application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <memory>

#include "app/Player_Dialogs.h"
#include "app/Puzzle_Exchange.h"
#include "app/Unit1.h"
#include "render/Board_Drawing.h"
#include "widgets/Kind_Palette.h"
#include "widgets/Original_6x6.h"
#include "widgets/Original_9x9.h"

TForm1* Create_Game_Windows(Puzzle_State& game, Player_Dialogs& dialogs) {
    auto* Form1 = new TForm1(game, dialogs);
    auto* palette_9x9 = new TZD_Board_Original_9x9(game, Form1);
    auto* palette_6x6 = new TZD_Board_Original_6x6(game, Form1);
    Form1->Attach_Palettes(palette_9x9, palette_6x6, Make_Kind_Palettes(game, Form1));
    return Form1;
}

int Run_Tessel_Sudoku(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessel Sudoku"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tessel-sudoku"));
    const QIcon icon = QIcon::fromTheme(QStringLiteral("tessel-sudoku"),
                                        QIcon(QStringLiteral(":/icons/tessel-sudoku.svg")));
    QApplication::setWindowIcon(icon);
    Install_Font_Substitutions();

    // A file named on the command line is found from the folder the game was started in,
    // before the window makes its own folder the current one.
    const QString start_up =
        Start_Up_Puzzle_Path(QCoreApplication::arguments(), QDir::currentPath());

    Puzzle_State game;
    Qt_Player_Dialogs dialogs;
    std::unique_ptr<TForm1> Form1(Create_Game_Windows(game, dialogs));
    Form1->showMaximized();
    Form1->Exchange->Open_At_Start_Up(start_up);
    return app.exec();
}
