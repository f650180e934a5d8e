// The main window's files: the open and save buttons, and a puzzle read or imported shown in
// place of the game.

#include <QCoreApplication>
#include <QFile>

#include "app/Player_Dialogs.h"
#include "app/Unit1.h"
#include "io/Puzzle_File.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Busy_Cursor.h"
#include "widgets/Selection_Palette.h"

namespace {

const char* const File_Filter = "Tessel Sudoku File (*.zd2)";
const char* const Open_Title = "Load Tessel Sudoku File (*.zd2)";
const char* const Save_Title = "Save to Tessel Sudoku File (*.zd2)";

} // namespace

bool TForm1::Confirm_Discard_Changes() {
    return !State.Game_Modified || Dialogs.Confirm(this, QString::fromLatin1(Modified_Prompt));
}

void TForm1::ToolButton1Click() {
    if (!State.Sudoku_Boards.empty()) {
        Save_Puzzle_File();
    }
}

void TForm1::ToolButton2Click() {
    Load_Puzzle_File();
}

void TForm1::Load_Puzzle_File() {
    if (Confirm_Discard_Changes()) {
        Choose_File_Then(Dialogs, this, File_Dialog_Kind::Open, Open_Title, File_Filter,
                         [this](const QString& path) { Load_Puzzle_From(path); });
    }
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
    Cursor_Keys.Hide();
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
    Start_Progress(Made_Level);
    Made_Level.clear();
}

void TForm1::Save_Puzzle_File() {
    Choose_File_Then(Dialogs, this, File_Dialog_Kind::Save, Save_Title, File_Filter,
                     [this](const QString& path) { Save_Puzzle_To(path); });
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
