// The main window's new puzzles: the "New Puzzle" dialog, then the generator behind its
// progress window, then the new game in place of the old one.

#include <QDateTime>
#include <random>

#include "app/Generation_Runner.h"
#include "app/Player_Dialogs.h"
#include "app/Unit1.h"
#include "logic/Grading.h"
#include "widgets/Busy_Cursor.h"

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
    if (!Runner->Run(choice, made) || !made.Ok()) {
        if (!made.Error.empty()) {
            Dialogs.Error(this, QString::fromStdString(made.Error));
        }
        return false;
    }
    {
        Busy_Cursor busy;
        Made_Level = QLatin1String(Level_Name(made.Reached));
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
