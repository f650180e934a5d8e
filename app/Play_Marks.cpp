#include "app/Play_Marks.h"

#include <QWidget>
#include <algorithm>

#include "app/Cursor_Play.h"
#include "engine/Entry_Check.h"
#include "model/Cp1252.h"
#include "model/Puzzle_Shape.h"
#include "session/Game_Session.h"
#include "widgets/Board_Picture.h"
#include "widgets/Boards_Layout.h"
#include "widgets/Notes_Window.h"
#include "widgets/Page_Overlay.h"

namespace {

QString Number_Text_Of(const Puzzle_State& state, int board, int n) {
    if (board >= 0 && board < static_cast<int>(state.Sudoku_Boards.size())) {
        const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[board];
        if (b.Use_Symbols && n >= 1 && n <= static_cast<int>(b.Symbols.size())) {
            return QString::fromStdString(Cp1252_Char_To_Utf8(b.Symbols[n - 1]));
        }
        if (n >= 10 && n <= 35 && b.Max_Number > 9) {
            return QString(QChar('A' + (n - 10)));
        }
    }
    return QString::number(n);
}

Note_Set Possible_Set(const Tracking_Array_FrameWork& t) {
    Note_Set set = 0;
    for (std::size_t m = 0; m < t.Possible.size() && m < 32; ++m) {
        set |= t.Possible[m] != 0 ? Note_Set{1} << m : 0;
    }
    return set;
}

} // namespace

Play_Marks::Play_Marks(QWidget& window, Game_Session& session, TMainFrame_Boards_Layout_Page& page,
                       Cursor_Play& cursor)
    : QObject(&window), Window(window), Session(session), Page(page), Cursor(cursor) {
    Page.Overlay()->Number_Text = [this](int board, int n) {
        return Number_Text_Of(Session.State(), board, n);
    };
}

void Play_Marks::Set_Note_Mode(bool on) {
    if (Note_Mode_On == on) {
        return;
    }
    Note_Mode_On = on;
    Page.Overlay()->Set_Note_Mode(on);
    if (Note_Mode_Switched) {
        Note_Mode_Switched(on);
    }
}

void Play_Marks::Set_Conflicts_Shown(bool on) {
    Show_Conflicts = on;
    Refresh();
}

void Play_Marks::Set_Cursor_Number_Highlighted(bool on) {
    Highlight_Cursor_Number = on;
    Refresh();
}

void Play_Marks::Highlight(Integer n) {
    Highlighted_Number = n == Highlighted_Number ? 0 : n;
    Refresh();
}

bool Play_Marks::End_Highlight() {
    if (Highlighted_Number == 0) {
        return false;
    }
    Highlighted_Number = 0;
    Refresh();
    return true;
}

void Play_Marks::Set_Hint_Boards(std::vector<int> boards) {
    Hint_Boards = std::move(boards);
    Refresh();
}

void Play_Marks::Refresh() {
    const Puzzle_State& state = Session.State();
    Page_Overlay& overlay = *Page.Overlay();

    // The page's boards, numbered at their corners, outlined where the cursor or a hint is.
    overlay.Set_Empty_Text(state.Sudoku_Boards.empty()
                               ? QStringLiteral("Open a puzzle (Ctrl+O), make a new one (Ctrl+N) "
                                                "or paste one (Ctrl+V).")
                               : QString());
    std::vector<Page_Overlay::Board_Label> labels;
    const bool several = state.Sudoku_Boards.size() > 1;
    for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
        const Board_Picture* picture = state.Sudoku_Boards[b].Board_Image;
        if (picture == nullptr || !several) {
            continue;
        }
        const bool outlined =
            (Cursor.On_Cell() && Cursor.Cursor.Board == b) ||
            std::find(Hint_Boards.begin(), Hint_Boards.end(), b) != Hint_Boards.end();
        labels.push_back({b, picture->geometry(), outlined});
    }
    overlay.Set_Board_Labels(std::move(labels));

    std::vector<Page_Overlay::Cell_Notes> notes;
    for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int c = 0; c < static_cast<int>(board.Cell_Notes.size()) && c < board.Cols; ++c) {
            for (int r = 0; r < static_cast<int>(board.Cell_Notes[c].size()) && r < board.Rows;
                 ++r) {
                const Note_Set set = board.Cell_Notes[c][r];
                if (set == 0 || board.Cell_Values[c][r] != 0) {
                    continue;
                }
                notes.push_back({b, c, r, set, board.Max_Number, state.Show_Labels,
                                 Possible_Set(board.Cell_Tracking[c][r])});
            }
        }
    }
    overlay.Set_Notes(std::move(notes));

    std::vector<Page_Overlay::Cell> clashes;
    if (Show_Conflicts && !state.Sudoku_Boards.empty()) {
        for (const Cell_Address& at : Conflicting_Cells(state, Session.Shape().get())) {
            clashes.push_back({at.Board, at.Col, at.Row});
        }
    }
    overlay.Set_Conflicts(std::move(clashes));

    // The number highlighted: the one asked for, else the number in the cursor's cell.
    Integer n = Highlighted_Number;
    if (n == 0 && Highlight_Cursor_Number && Cursor.On_Cell()) {
        n = state.Sudoku_Boards[Cursor.Cursor.Board]
                .Cell_Values[Cursor.Cursor.Col][Cursor.Cursor.Row];
    }
    std::vector<Page_Overlay::Cell> lit;
    if (n > 0 && n <= 32) {
        const Note_Set bit = Note_Set{1} << (n - 1);
        for (int b = 0; b < static_cast<int>(state.Sudoku_Boards.size()); ++b) {
            const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
            for (int c = 0; c < board.Cols; ++c) {
                for (int r = 0; r < board.Rows; ++r) {
                    const Integer value = board.Cell_Values[c][r];
                    const bool noted =
                        value == 0 && ((Notes_Of(board, c, r) & bit) != 0 ||
                                       (state.Show_Labels &&
                                        (Possible_Set(board.Cell_Tracking[c][r]) & bit) != 0));
                    if (value == n || noted) {
                        lit.push_back({b, c, r});
                    }
                }
            }
        }
    }
    overlay.Set_Number_Highlight(std::move(lit));
    Refresh_Notes_Window(false);
}

void Play_Marks::Toggle_Note_At_Cursor(Integer n) {
    if (!Cursor.On_Cell()) {
        return;
    }
    if (Session.Toggle_Note(Cursor.Cursor.Board, Cursor.Cursor.Col, Cursor.Cursor.Row, n) &&
        Notes_Changed) {
        Notes_Changed();
    }
}

bool Play_Marks::Notes_Window_Open() const {
    return Notes != nullptr && Notes->isVisible();
}

void Play_Marks::Open_Notes_Window() {
    if (!Cursor.On_Cell()) {
        Cursor.Move(0, 0);
        if (!Cursor.On_Cell()) {
            return;
        }
    }
    if (Notes == nullptr) {
        Notes = new Notes_Window(&Window);
        const auto finish = [this](bool changed) {
            if (changed && Notes_Changed) {
                Notes_Changed();
            }
        };
        connect(Notes, &Notes_Window::Note_Toggled, this,
                [this](int n) { Toggle_Note_At_Cursor(n); });
        connect(Notes, &Notes_Window::Fill_Clicked, this, [this, finish] {
            const Board_Cursor& at = Cursor.Cursor;
            if (!Cursor.On_Cell()) {
                return;
            }
            const Tracking_Array_FrameWork& t =
                Session.State().Sudoku_Boards[at.Board].Cell_Tracking[at.Col][at.Row];
            finish(
                Session.Set_Notes(at.Board, at.Col, at.Row, Possible_Set(t), "Fill cell's notes"));
        });
        connect(Notes, &Notes_Window::Clear_Clicked, this, [this, finish] {
            const Board_Cursor& at = Cursor.Cursor;
            finish(Cursor.On_Cell() &&
                   Session.Set_Notes(at.Board, at.Col, at.Row, 0, "Clear cell's notes"));
        });
    }
    Refresh_Notes_Window(true);
}

void Play_Marks::Refresh_Notes_Window(bool open) {
    if (Notes == nullptr || (!open && !Notes->isVisible())) {
        return;
    }
    if (!Cursor.On_Cell()) {
        Notes->hide();
        return;
    }
    const Board_Cursor& at = Cursor.Cursor;
    const Sudoku_Boards_FrameWork& board = Session.State().Sudoku_Boards[at.Board];
    std::vector<QString> texts;
    for (int n = 1; n <= board.Max_Number; ++n) {
        texts.push_back(Number_Text_Of(Session.State(), at.Board, n));
    }
    const QRect cell = Page.Cell_Rect(at.Board, at.Col, at.Row);
    const QPoint corner = Page.Page_Content()->mapToGlobal(cell.topRight() + QPoint(6, 0));
    Notes->Show_Cell(board.Max_Number, Session.Notes(at.Board, at.Col, at.Row), texts,
                     Session.Takes_Notes(at.Board, at.Col, at.Row), corner);
}
