#pragma once
// The player's own marks on the page, above the pictures: notes (pencil marks) with the note
// mode and the notes window, the clashing numbers marked the moment they stand, and a number
// highlighted on every board. Switches start in their defaults at every start: conflicts
// shown, note mode off, notes taken out of the cells that see an entry, the cursor's number
// highlighted.

#include <QObject>
#include <functional>
#include <vector>

#include "model/Board_Model.h"

class Cursor_Play;
class Game_Session;
class Notes_Window;
class QWidget;
class TMainFrame_Boards_Layout_Page;

class Play_Marks : public QObject {
    Q_OBJECT
  public:
    Play_Marks(QWidget& window, Game_Session& session, TMainFrame_Boards_Layout_Page& page,
               Cursor_Play& cursor);

    // Draws the marks anew from the game (after every change, a load, a mode switched).
    void Refresh();

    bool Note_Mode() const { return Note_Mode_On; }
    void Set_Note_Mode(bool on);
    bool Conflicts_Shown() const { return Show_Conflicts; }
    void Set_Conflicts_Shown(bool on);
    bool Cursor_Number_Highlighted() const { return Highlight_Cursor_Number; }
    void Set_Cursor_Number_Highlighted(bool on);

    // The number highlighted on every board (0: none).
    Integer Highlighted() const { return Highlighted_Number; }
    // Highlights n, or ends the highlight when n is already highlighted or 0.
    void Highlight(Integer n);
    // Ends the highlight; false when there was none.
    bool End_Highlight();

    // n's note toggled in the cursor's cell (a step of the game).
    void Toggle_Note_At_Cursor(Integer n);

    // The notes window at the cursor's cell; it follows the cursor while it is open.
    void Open_Notes_Window();
    bool Notes_Window_Open() const;
    Notes_Window* Window_Of_Notes() const { return Notes; }

    // The boards a hint speaks of: outlined on the page with the cursor's board.
    void Set_Hint_Boards(std::vector<int> boards);

    // Told after a change of notes through the marks (a step to finish like any other).
    std::function<void()> Notes_Changed;
    // Told when note mode is switched (by its key or its control).
    std::function<void(bool)> Note_Mode_Switched;

  private:
    QWidget& Window;
    Game_Session& Session;
    TMainFrame_Boards_Layout_Page& Page;
    Cursor_Play& Cursor;
    Notes_Window* Notes = nullptr;
    bool Note_Mode_On = false;
    bool Show_Conflicts = true;
    bool Highlight_Cursor_Number = true;
    Integer Highlighted_Number = 0;
    std::vector<int> Hint_Boards;

    // The notes window shows the cursor's cell; it opens when asked, else only follows.
    void Refresh_Notes_Window(bool open);
};
