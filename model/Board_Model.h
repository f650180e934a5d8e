#pragma once
// The in-memory state of the current game: every board with its numbers, locks,
// candidate tracking and drawing attributes, the links between boards that share
// cells, the custom regions, the info panel texts and the display modes.
//
// This header and everything in the core library use the C++ standard library only.
// Per-cell arrays are indexed [column][row], both 0-based. A cell holds 0 (empty)
// or 1..N with N = Max_Number; the flag of number n sits at index n-1.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The picture control of a board lives in the window library; the model only keeps a
// non-owning link to it and never looks inside.
class Board_Picture;

// A board's link to its picture on the page. The picture belongs to the page, not to the game
// data: a copy of a board starts without a picture, copying game data onto a board keeps that
// board's own picture, and comparing boards never looks at it. Moving a board (in a list that
// grows or shrinks) takes its picture along.
class Picture_Link {
  public:
    Picture_Link() = default;
    Picture_Link(Board_Picture* picture) : Picture(picture) {} // NOLINT: a link is a pointer
    Picture_Link(const Picture_Link& /*other*/) {}
    Picture_Link(Picture_Link&& other) noexcept : Picture(other.Picture) {
        other.Picture = nullptr;
    }
    Picture_Link& operator=(const Picture_Link& /*other*/) { return *this; }
    Picture_Link& operator=(Picture_Link&& other) noexcept {
        Picture = other.Picture;
        other.Picture = nullptr;
        return *this;
    }
    Picture_Link& operator=(Board_Picture* picture) {
        Picture = picture;
        return *this;
    }
    ~Picture_Link() = default;

    operator Board_Picture*() const { return Picture; } // NOLINT: reads like the pointer
    Board_Picture* operator->() const { return Picture; }
    Board_Picture* Get() const { return Picture; }

  private:
    Board_Picture* Picture = nullptr;
};

using Integer = std::int32_t;
using Byte = std::uint8_t;
using Flag = std::uint8_t; // 0 = false, anything else = true; kept as stored

// Board kinds recognised by the kind-dependent operations (palette, drawing, blocks). The
// first two are 1 and 2; every later kind's Board_Type is its size.
constexpr Integer Board_Type_9x9 = 1;
constexpr Integer Board_Type_6x6 = 2;
constexpr Integer Board_Type_4x4 = 4;
constexpr Integer Board_Type_8x8 = 8;
constexpr Integer Board_Type_12x12 = 12;
constexpr Integer Board_Type_16x16 = 16;

// Pixels per cell in every board picture.
constexpr int Cell_Size = 30;

// A board's stored position is in file units, this many to a cell.
constexpr Integer File_Units_Per_Cell = 20;

struct Tracking_Array_FrameWork {
    std::vector<Byte> Possible;      // N entries, entry n-1 nonzero = n still possible
    std::vector<Integer> Candidates; // ascending, as of the last rebuild
    Integer Candidate_Count = 0;     // length of Candidates at the last rebuild
};

struct Link_Area {
    Integer This_Col = 0; // 1-based column where the shared area begins on this board
    Integer This_Row = 0;
    Integer Other_Col = 0; // 1-based column where it begins on the linked board
    Integer Other_Row = 0;
};

struct Region_Cell {
    Integer Board = 0; // 0-based board index
    Integer Col = 0;
    Integer Row = 0;
    Integer Spare = 0; // kept and saved, not interpreted
};

struct Board_Position {
    Integer X = 0; // file units, 20 per cell
    Integer Y = 0;
};

struct Sudoku_Grid_FrameWork {
    std::vector<Integer> Linked_Boards; // 1-based numbers of the linked boards
    std::vector<Link_Area> Link_Areas;  // parallel to Linked_Boards
};

struct Custom_Regions_DataGrid_FrameWork {
    std::vector<Integer> Region_Numbers; // 1-based, ascending
};

template <typename T> using Cell_Grid = std::vector<std::vector<T>>; // [column][row]

// A set of numbers as bits: bit n-1 set = number n.
using Note_Set = std::uint32_t;

struct Sudoku_Boards_FrameWork {
    Integer Board_Type = 0;
    Picture_Link Board_Image; // owned by the board page, not by the game data
    Integer Cols = 0;
    Integer Rows = 0;
    Integer Max_Number = 0;
    Cell_Grid<Integer> Cell_Values;
    Cell_Grid<Byte> Cell_Locked;
    Cell_Grid<Tracking_Array_FrameWork> Cell_Tracking;
    Integer Block_Cols_Max = 0;
    Integer Block_Rows_Max = 0;
    Integer Block_Width_Max = 0;
    Integer Block_Height_Max = 0;
    Flag Wide_Blocks = 0;
    Flag Use_Symbols = 0;
    std::vector<Byte> Symbols; // N single-byte (code page 1252) characters
    Flag Draw_Block_Lines = 0;
    Cell_Grid<std::array<Byte, 4>> Cell_Borders; // top, bottom, left, right
    Cell_Grid<Byte> Cell_Shaded;
    Flag Use_Cell_Colours = 0;
    Cell_Grid<Integer> Cell_Colours; // 0x00BBGGRR
    // The player's own notes (pencil marks) of each empty cell: bit n-1 set = n noted. The
    // copies of a shared cell hold the same notes. Saved only when some cell has notes.
    Cell_Grid<Note_Set> Cell_Notes;
};

// The notes of a cell, 0 where the board keeps none.
Note_Set Notes_Of(const Sudoku_Boards_FrameWork& board, int col, int row);

// A fixed-size short string buffer: a length byte followed by Capacity character bytes.
// The whole buffer is read and written as it stands; bytes past the length are kept.
template <std::size_t Capacity> struct Short_String {
    std::array<Byte, Capacity + 1> Buffer{};

    std::size_t Length() const { return Buffer[0] <= Capacity ? Buffer[0] : Capacity; }
    // The text as single-byte characters (code page 1252, not converted).
    std::string Text() const {
        return std::string(reinterpret_cast<const char*>(Buffer.data() + 1), Length());
    }
    // Sets the text; longer texts are cut at Capacity. Bytes after the text are kept.
    void Assign(const std::string& text) {
        const std::size_t n = text.size() < Capacity ? text.size() : Capacity;
        Buffer[0] = static_cast<Byte>(n);
        for (std::size_t i = 0; i < n; ++i) {
            Buffer[i + 1] = static_cast<Byte>(text[i]);
        }
    }
    bool operator==(const Short_String& other) const { return Buffer == other.Buffer; }
    bool operator!=(const Short_String& other) const { return !(*this == other); }
};

// The game itself: every board with its numbers, locks, candidate tracking and drawing
// attributes, the links between boards, the custom regions, the texts and the info panel.
// It is a value: it can be copied, compared and restored (the boards' pictures are not part
// of it, see Picture_Link).
struct Puzzle_Data {
    std::vector<Sudoku_Boards_FrameWork> Sudoku_Boards;
    std::vector<Sudoku_Grid_FrameWork> Board_Overlaps;
    std::vector<Board_Position> Board_Positions;
    Flag Custom_Regions_On = 0;
    Flag Regions_Only = 0;
    std::vector<std::vector<Region_Cell>> Custom_Regions;
    std::vector<Cell_Grid<Custom_Regions_DataGrid_FrameWork>> Cell_Regions; // [board][col][row]
    Short_String<50> Puzzle_Title;
    Short_String<255> Puzzle_Link;

    // The page's info panel as the file stores it: shown or hidden, and where.
    Flag Info_Visible = 0;
    Integer Info_Left = 10;
    Integer Info_Top = 8;
};

// True when some empty cell of the puzzle has notes of its board's numbers: what a save
// writes.
bool Has_Notes(const Puzzle_Data& data);

// Whether the game changed since it was loaded or saved, and the two display modes.
struct Play_Status {
    bool Game_Modified = false;
    bool Show_Labels = false;
    bool Help_Solve = false;
};

// Where the pointer is: the board whose picture it last entered and the cell under it there.
// Written only by the page's pointer handlers, read when a cell is picked for entry.
struct Hover_State {
    Integer Current_Board = 0;
    Integer Mouse_Col = 0;
    Integer Mouse_Row = 0;
};

// The whole puzzle state: the game data, its status and the hover. One instance is the
// current game; tests and tools build their own.
struct Puzzle_State : Puzzle_Data, Play_Status, Hover_State {};

bool operator==(const Tracking_Array_FrameWork& a, const Tracking_Array_FrameWork& b);
bool operator==(const Link_Area& a, const Link_Area& b);
bool operator==(const Region_Cell& a, const Region_Cell& b);
bool operator==(const Board_Position& a, const Board_Position& b);
bool operator==(const Sudoku_Grid_FrameWork& a, const Sudoku_Grid_FrameWork& b);
bool operator==(const Custom_Regions_DataGrid_FrameWork& a,
                const Custom_Regions_DataGrid_FrameWork& b);
// Every field but the picture.
bool operator==(const Sudoku_Boards_FrameWork& a, const Sudoku_Boards_FrameWork& b);
bool operator==(const Puzzle_Data& a, const Puzzle_Data& b);
inline bool operator!=(const Puzzle_Data& a, const Puzzle_Data& b) {
    return !(a == b);
}

// Appends a board with every array sized and initialised as a new board starts: all cells
// empty and unlocked, every Possible flag set, Candidates empty and Candidate_Count = Cols,
// block lines on, no custom colours (all white), no borders or shading, and the block shape
// of its kind. Returns the new board's index. The picture is the page's business.
int Add_Board_Model(Puzzle_State& state, Integer board_type, Integer cols, Integer rows,
                    Integer max_number, Flag wide_blocks);

// True when the cell lies on an existing board.
bool Cell_Exists(const Puzzle_State& state, int board, int col, int row);

// Debug-build check of the invariants every core operation relies on (square boards of a
// known size, per-cell arrays of the right shape, values in range, links and regions inside
// the puzzle). Returns an empty string when they hold, else a description of the first
// violation.
std::string Describe_Invariant_Violation(const Puzzle_State& state);
