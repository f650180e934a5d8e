#pragma once
// A game window for the benchmarks: the real main window and palettes on the offscreen
// platform, never shown, with dialogs that answer nothing.

#include <memory>
#include <string>

#include "app/New_Puzzle_Dialog.h"
#include "app/Player_Dialogs.h"
#include "app/Tessel_Application.h"
#include "app/Unit1.h"
#include "model/Board_Model.h"
#include "render/Board_Drawing.h"

class Silent_Dialogs : public Player_Dialogs {
  public:
    bool Confirm(QWidget*, const QString&) override { return true; }
    void Warning(QWidget*, const QString&) override {}
    void Information(QWidget*, const QString&) override {}
    void Error(QWidget*, const QString&) override {}
    QString Open_File_Name(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString Save_File_Name(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    void Open_Url(const QString&) override {}
    QString Import_File_Name(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString Export_File_Name(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int Choose_Puzzle(QWidget*, const QString&, int) override { return 0; }
    bool Choose_Printer(QWidget*, QPrinter&) override { return false; }
    bool Choose_New_Puzzle(QWidget*, New_Puzzle_Choice&) override { return false; }
    void Show_Text(QWidget*, const QString&, const QString&) override {}
};

struct Bench_Game {
    Puzzle_State State;
    Silent_Dialogs Dialogs;
    std::unique_ptr<TForm1> Form{Create_Game_Windows(State, Dialogs)};

    bool Load(const std::string& path) {
        return Form->Load_Puzzle_From(QString::fromStdString(path));
    }
};
