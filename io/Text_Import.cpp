#include "io/Text_Import.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"
#include "model/Number_Text.h"

namespace {

// Thrown inside the importer only; the public functions turn it into the result's message.
struct Refusal {
    std::string Message;
};

[[noreturn]] void Refuse(const std::string& message) {
    throw Refusal{message};
}

// Where a grid format puts its board: the place the generator uses, one cell from the
// page's corner.
constexpr Integer Board_X = File_Units_Per_Cell;
constexpr Integer Board_Y = File_Units_Per_Cell;

// A first line of up to this many cells is a row of a row-by-row grid; a longer one is a
// whole puzzle on one line, unless no puzzle line has that many cells (see Starts_Rows).
constexpr std::size_t Longest_Row = 9;

// The cells of a grid as numbers, row by row: 0 for an empty cell.
using Cells = std::vector<Integer>;

// True when a board kind holds n numbers (its rows have n cells).
bool Is_Grid_Size(std::size_t n) {
    for (const Board_Kind& kind : Board_Kinds()) {
        if (static_cast<std::size_t>(kind.Max_Number) == n) {
            return true;
        }
    }
    return false;
}

// The size of the board whose puzzle line has this many cells, 0 for none.
int Line_Size(std::size_t cells) {
    for (const Board_Kind& kind : Board_Kinds()) {
        if (static_cast<std::size_t>(kind.Max_Number * kind.Max_Number) == cells) {
            return kind.Max_Number;
        }
    }
    return 0;
}

// The row of the board kind of a grid: n numbers, and where the kind has both block shapes,
// the wide one or the tall one.
const Board_Kind* Grid_Kind(int n, Flag wide) {
    for (const Board_Kind& kind : Board_Kinds()) {
        if (kind.Max_Number == n &&
            (!kind.Shape_By_Wide_Blocks || (kind.Wide_Blocks != 0) == (wide != 0))) {
            return &kind;
        }
    }
    return nullptr;
}

// "a 9x9", "an 8x8".
std::string A_Size(int n) {
    return (n == 8 ? "an " : "a ") + std::to_string(n) + "x" + std::to_string(n);
}

std::string Upper_First(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

std::string Count_Of(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// ---------------------------------------------------------------------------------------
// The text as lines.

// The text without a byte order mark, every line end a single '\n'.
std::string Prepare(const std::string& text) {
    if (text.size() > Largest_Text_Bytes) {
        Refuse("The text is too large to be a puzzle text (more than 8 MiB)");
    }
    if (text.size() >= 2 &&
        ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF'))) {
        Refuse("The text is UTF-16; only UTF-8 text can be read");
    }
    if (text.find('\0') != std::string::npos) {
        Refuse("The text holds a NUL byte, so it is no plain text");
    }
    const std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::string normalized;
    normalized.reserve(text.size() - start);
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == '\r') {
            normalized.push_back('\n');
            i += i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
        } else {
            normalized.push_back(text[i]);
        }
    }
    return normalized;
}

// The width of the blank at line[i]: a space, a tab, a form feed or vertical tab, or a
// UTF-8 no-break space (web pages are full of them); 0 when there is none.
std::size_t Blank_Width(const std::string& line, std::size_t i) {
    const char ch = line[i];
    if (ch == ' ' || ch == '\t' || ch == '\f' || ch == '\v') {
        return 1;
    }
    if (ch == '\xC2' && i + 1 < line.size() && line[i + 1] == '\xA0') {
        return 2;
    }
    return 0;
}

// The line without blanks at either end.
std::string Trimmed(const std::string& line) {
    std::size_t first = 0;
    while (first < line.size() && Blank_Width(line, first) > 0) {
        first += Blank_Width(line, first);
    }
    std::size_t end = line.size();
    while (end > first) {
        if (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\f' ||
            line[end - 1] == '\v') {
            --end;
        } else if (end - first >= 2 && line[end - 2] == '\xC2' && line[end - 1] == '\xA0') {
            end -= 2;
        } else {
            break;
        }
    }
    return line.substr(first, end - first);
}

bool Is_Skipped(const std::string& trimmed) {
    return trimmed.empty() || trimmed[0] == '#';
}

// The lines of a prepared text one after the other, without keeping them all.
class Line_Cursor {
  public:
    explicit Line_Cursor(const std::string& text) : Text(&text) {}

    // The next line that is not skipped, without blanks at either end, and its number (from
    // 1); false after the last line.
    bool Next(std::string& line, std::size_t& line_no) {
        while (At < Text->size()) {
            const std::size_t end = std::min(Text->find('\n', At), Text->size());
            line = Trimmed(Text->substr(At, end - At));
            At = end + 1;
            line_no = ++Number;
            if (!Is_Skipped(line)) {
                return true;
            }
        }
        return false;
    }

  private:
    const std::string* Text;
    std::size_t At = 0;
    std::size_t Number = 0;
};

// A section header of an .sdk file, such as [Puzzle].
bool Is_Header(const std::string& trimmed) {
    return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

// A line drawn between block rows: "-----------", "---+---+---", "*-----------*", ...
bool Is_Separator(const std::string& trimmed) {
    bool dash = false;
    for (std::size_t i = 0; i < trimmed.size();) {
        const std::size_t blank = Blank_Width(trimmed, i);
        if (blank > 0) {
            i += blank;
            continue;
        }
        const char ch = trimmed[i++];
        if (ch == '-' || ch == '=') {
            dash = true;
        } else if (ch != '+' && ch != '*' && ch != '|') {
            return false;
        }
    }
    return dash;
}

// The characters of a grid line that stand for cells: everything but blanks and '|'.
std::size_t Loose_Cell_Count(const std::string& line) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t blank = Blank_Width(line, i);
        if (blank > 0) {
            i += blank;
        } else {
            count += line[i++] != '|';
        }
    }
    return count;
}

// The length of the well-formed UTF-8 character at text[i], 0 when there is none there.
std::size_t Utf8_Length(const std::string& text, std::size_t i) {
    const auto at = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
    };
    const unsigned lead = at(0);
    const auto tail = [&](std::size_t k, unsigned low, unsigned high) {
        return at(k) >= low && at(k) <= high;
    };
    if (lead >= 0xC2 && lead <= 0xDF) {
        return tail(1, 0x80, 0xBF) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return tail(1, low, high) && tail(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return tail(1, low, high) && tail(2, 0x80, 0xBF) && tail(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

// "the character 'x'", or "the byte 0x07" for a control byte or a byte that starts no
// UTF-8 character.
std::string Character_At(const std::string& line, std::size_t i) {
    const unsigned char byte = static_cast<unsigned char>(line[i]);
    if (byte >= 0x20 && byte < 0x7F) {
        return std::string("the character '") + line[i] + "'";
    }
    const std::size_t length = Utf8_Length(line, i);
    if (length > 0) {
        return "the character '" + line.substr(i, length) + "'";
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(byte));
    return std::string("the byte ") + hex;
}

// The cells of a grid line: '.' and '0' empty, the digits 1 to 9, and the letters A to G in
// either case for 10 to 16. Blanks and '|' are left out; a character that is no cell is
// refused.
Cells Grid_Cells(const std::string& line, std::size_t line_no) {
    Cells cells;
    for (std::size_t i = 0; i < line.size();) {
        const std::size_t blank = Blank_Width(line, i);
        if (blank > 0) {
            i += blank;
            continue;
        }
        const char ch = line[i];
        const int n = Number_Of_Char(ch, Largest_Max_Number());
        if (ch == '.' || ch == '0') {
            cells.push_back(0);
        } else if (n > 0) {
            cells.push_back(n);
        } else if (ch != '|') {
            Refuse("Line " + std::to_string(line_no) + " has " + Character_At(line, i) +
                   ", which is no number");
        }
        ++i;
    }
    return cells;
}

// Refuses a number above the board's highest.
void Check_Numbers(const Cells& cells, int n, std::size_t line_no) {
    for (const Integer v : cells) {
        if (v > n) {
            Refuse("Line " + std::to_string(line_no) + " has the number " + Number_Text(v) + "; " +
                   A_Size(n) + " board holds 1 to " +
                   (n <= 9 ? std::to_string(n) : "9 and A to " + Number_Text(n)));
        }
    }
}

// ---------------------------------------------------------------------------------------
// Givens that clash.

struct Cell_Ref {
    int Board = 0;
    int Col = 0;
    int Row = 0;
};

// True when b is the copy of a on a board that a's board is linked to.
bool Is_Copy(const Puzzle_State& p, const Cell_Ref& a, const Cell_Ref& b) {
    const int links = static_cast<int>(p.Board_Overlaps[a.Board].Linked_Boards.size());
    for (int k = 0; k < links; ++k) {
        const Shared_Area s = Shared_Area_Of(p, a.Board, k);
        if (s.Other_Board == b.Board && s.Contains(a.Col, a.Row) && a.Col + s.Col_Offset == b.Col &&
            a.Row + s.Row_Offset == b.Row) {
            return true;
        }
    }
    return false;
}

bool Same_Cell(const Puzzle_State& p, const Cell_Ref& a, const Cell_Ref& b) {
    return (a.Board == b.Board && a.Col == b.Col && a.Row == b.Row) || Is_Copy(p, a, b) ||
           Is_Copy(p, b, a);
}

std::string Cell_Name(const Cell_Ref& cell, bool with_board) {
    return (with_board ? "board " + std::to_string(cell.Board + 1) + ", " : std::string()) +
           "column " + std::to_string(cell.Col + 1) + ", row " + std::to_string(cell.Row + 1);
}

// Looks for two locked cells of one unit (row, column, block or custom region) that hold the
// same number: board by board the cells in reading order, then the regions. Returns the
// message, starting in lower case, or "".
class Clash_Finder {
  public:
    explicit Clash_Finder(const Puzzle_State& p) : P(p), Many_Boards(p.Sudoku_Boards.size() > 1) {}

    std::string Find() {
        for (int b = 0; b < static_cast<int>(P.Sudoku_Boards.size()); ++b) {
            if (Board_Units(b)) {
                return Message;
            }
        }
        if (P.Custom_Regions_On) {
            for (const std::vector<Region_Cell>& region : P.Custom_Regions) {
                if (Region(region)) {
                    return Message;
                }
            }
        }
        return {};
    }

  private:
    const Puzzle_State& P;
    const bool Many_Boards;
    std::string Message;

    // The given number of a cell, 0 for none.
    Integer Given(const Cell_Ref& cell) const {
        const Sudoku_Boards_FrameWork& board = P.Sudoku_Boards[cell.Board];
        const Integer n = board.Cell_Values[cell.Col][cell.Row];
        return n >= 1 && n <= board.Max_Number && n <= Largest_Max_Number() &&
                       board.Cell_Locked[cell.Col][cell.Row]
                   ? n
                   : 0;
    }

    void Report(const Cell_Ref& earlier, const Cell_Ref& cell, const char* unit_name) {
        const bool one_board = earlier.Board == cell.Board;
        const bool prefix = Many_Boards && one_board;
        Message = (prefix ? "board " + std::to_string(cell.Board + 1) + ": " : std::string()) +
                  Cell_Name(earlier, Many_Boards && !one_board) + " and " +
                  Cell_Name(cell, Many_Boards && !one_board) + " both hold the given " +
                  Number_Text(P.Sudoku_Boards[cell.Board], Given(cell)) + "; a " + unit_name +
                  " holds each number only once";
    }

    // Rows, columns and blocks (unless Regions_Only) of one board in one pass.
    bool Board_Units(int b) {
        const Sudoku_Boards_FrameWork& board = P.Sudoku_Boards[b];
        const int n = board.Cols;
        const bool blocks = !P.Regions_Only && Has_Block_Kind(board);
        // Per unit and number, the cell that holds it, as column * n + row + 1; 0 for none.
        const std::vector<int> none(static_cast<std::size_t>(n) + 1, 0);
        std::vector<std::vector<int>> rows(n, none), columns(n, none), block_cells(n * n, none);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < n; ++c) {
                const Integer v = Given({b, c, r});
                if (v == 0) {
                    continue;
                }
                Integer origin_col = 0;
                Integer origin_row = 0;
                if (blocks) {
                    Block_Origin_Of_Cell(P, b, c, r, origin_col, origin_row);
                }
                int* const seen[3] = {&rows[r][v], &columns[c][v],
                                      blocks ? &block_cells[origin_col * n + origin_row][v]
                                             : nullptr};
                const char* const names[3] = {"row", "column", "block"};
                for (int k = 0; k < 3; ++k) {
                    if (seen[k] != nullptr && *seen[k] != 0) {
                        Report({b, (*seen[k] - 1) / n, (*seen[k] - 1) % n}, {b, c, r}, names[k]);
                        return true;
                    }
                }
                for (int* slot : seen) {
                    if (slot != nullptr) {
                        *slot = c * n + r + 1;
                    }
                }
            }
        }
        return false;
    }

    bool Region(const std::vector<Region_Cell>& region) {
        std::vector<int> first(static_cast<std::size_t>(Largest_Max_Number()) + 1, -1);
        for (std::size_t k = 0; k < region.size(); ++k) {
            const Cell_Ref cell{region[k].Board, region[k].Col, region[k].Row};
            const Integer v = Given(cell);
            if (v == 0) {
                continue;
            }
            if (first[v] < 0) {
                first[v] = static_cast<int>(k);
                continue;
            }
            const Region_Cell& e = region[first[v]];
            const Cell_Ref earlier{e.Board, e.Col, e.Row};
            if (!Same_Cell(P, earlier, cell)) {
                Report(earlier, cell, "region");
                return true;
            }
        }
        return false;
    }
};

// Locked numbers on the boards; a cell that a link copies from an earlier board is that
// board's cell and is counted there.
int Count_Givens(const Puzzle_State& p) {
    int givens = 0;
    for (int b = 0; b < static_cast<int>(p.Sudoku_Boards.size()); ++b) {
        const Sudoku_Boards_FrameWork& board = p.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                if (board.Cell_Values[c][r] == 0 || !board.Cell_Locked[c][r]) {
                    continue;
                }
                bool copy = false;
                const int links = static_cast<int>(p.Board_Overlaps[b].Linked_Boards.size());
                for (int k = 0; k < links && !copy; ++k) {
                    const Shared_Area s = Shared_Area_Of(p, b, k);
                    copy = s.Other_Board < b && s.Contains(c, r);
                }
                givens += copy ? 0 : 1;
            }
        }
    }
    return givens;
}

// ---------------------------------------------------------------------------------------
// The grid formats.

// One board of a grid format: size, block shape and the cells row by row.
struct Grid {
    int Size = 9;
    Flag Wide = 1;
    ::Cells Cells;
};

// Puts the cells, row by row, on the board as its givens.
void Fill_Board(Sudoku_Boards_FrameWork& board, const Cells& cells) {
    const int n = board.Max_Number;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const Integer v = cells[static_cast<std::size_t>(r * n + c)];
            board.Cell_Values[c][r] = v;
            board.Cell_Locked[c][r] = v != 0 ? 1 : 0;
        }
    }
}

Puzzle_State Board_Of(const Grid& grid) {
    Puzzle_State p;
    const int n = grid.Size;
    const Board_Kind& kind = *Grid_Kind(n, grid.Wide);
    Add_Board_Model(p, kind.Board_Type, n, n, n, kind.Wide_Blocks);
    p.Board_Overlaps.emplace_back();
    p.Board_Positions.push_back({Board_X, Board_Y});
    Fill_Board(p.Sudoku_Boards[0], grid.Cells);
    return p;
}

// The extension of a name hint, in lower case and without the dot.
std::string Extension_Of(const std::string& hint) {
    const std::size_t slash = hint.find_last_of('/');
    const std::size_t dot = hint.find_last_of('.');
    std::string ext = (dot == std::string::npos || (slash != std::string::npos && dot < slash))
                          ? hint
                          : hint.substr(dot + 1);
    for (char& ch : ext) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return ext;
}

struct Scan_Result {
    Text_Format Format = Text_Format::None;
    std::size_t Count = 0;
    Grid Chosen;            // grid formats: the puzzle asked for
    Puzzle_State Described; // the description format: its puzzle
};

// The cells of each group that '|' cuts a line into, empty groups left out.
std::vector<std::size_t> Bar_Groups(const std::string& line) {
    std::vector<std::size_t> groups;
    std::size_t start = 0;
    for (std::size_t bar = 0; bar <= line.size(); ++bar) {
        if (bar == line.size() || line[bar] == '|') {
            const std::size_t in_group = Loose_Cell_Count(line.substr(start, bar - start));
            if (in_group > 0) {
                groups.push_back(in_group);
            }
            start = bar + 1;
        }
    }
    return groups;
}

// The block shape of a board of n numbers whose first row is the line: a kind with wide and
// tall blocks (6x6, 8x8, 12x12) has tall ones when '|' cuts the row into groups as wide as a
// tall block, wide ones when it cuts it into groups as wide as a wide block, and otherwise
// the shape chosen for the import.
Flag Block_Shape_Of_Row(const std::string& line, int n, bool tall) {
    const std::vector<std::size_t> groups = Bar_Groups(line);
    for (const Flag wide : {Flag{0}, Flag{1}}) {
        const Board_Kind* kind = Grid_Kind(n, wide);
        if (kind == nullptr || !kind->Shape_By_Wide_Blocks || groups.size() < 2) {
            continue;
        }
        const auto width = static_cast<std::size_t>(kind->Block_Width);
        if (std::all_of(groups.begin(), groups.end(), [&](std::size_t g) { return g == width; })) {
            return wide;
        }
    }
    return tall ? 0 : 1;
}

// The size of a grid of one row a line by its first row: 9 or 6 cells, or 4, 8, 12 or 16
// when another row follows (a lone short line is measured against 9, as is a first row of
// no board's size). `rest` stands after the first row.
int Grid_Size_Of_First_Row(std::size_t cells, Line_Cursor rest) {
    if (cells == 6 || cells == 9) {
        return static_cast<int>(cells);
    }
    std::string line;
    std::size_t line_no = 0;
    while (rest.Next(line, line_no) && !Is_Header(line)) {
        if (!Is_Separator(line)) {
            return Is_Grid_Size(cells) ? static_cast<int>(cells) : 9;
        }
    }
    return 9;
}

// One row a line (.sdk and .ss), from the first line that is not skipped.
void Scan_Rows(Line_Cursor lines, const std::string& ext, bool tall, Scan_Result& out) {
    Grid grid;
    int rows = 0;
    bool framed = false;
    std::string line;
    std::size_t line_no = 0;
    while (lines.Next(line, line_no)) {
        if (Is_Header(line)) {
            if (rows == 0) {
                continue;
            }
            break; // a later section of an .sdk file ([State], ...) is not the puzzle
        }
        if (Is_Separator(line)) {
            framed = true;
            continue;
        }
        if (rows > 0 && rows == grid.Size) {
            Refuse("Line " + std::to_string(line_no) + " follows the puzzle's last row; " +
                   A_Size(grid.Size) + " puzzle has " + std::to_string(grid.Size) + " rows");
        }
        const Cells cells = Grid_Cells(line, line_no);
        framed = framed || line.find('|') != std::string::npos;
        if (rows == 0) {
            grid.Size = Grid_Size_Of_First_Row(cells.size(), lines);
            grid.Wide = Block_Shape_Of_Row(line, grid.Size, tall);
        }
        if (static_cast<int>(cells.size()) != grid.Size) {
            Refuse("Line " + std::to_string(line_no) + " has " +
                   Count_Of(cells.size(), "cell", "cells") + "; a row needs " +
                   std::to_string(grid.Size));
        }
        Check_Numbers(cells, grid.Size, line_no);
        grid.Cells.insert(grid.Cells.end(), cells.begin(), cells.end());
        ++rows;
    }
    if (rows == 0) {
        Refuse("The text holds no puzzle");
    }
    if (rows < grid.Size) {
        Refuse("The text ends after " + Count_Of(static_cast<std::size_t>(rows), "row", "rows") +
               "; " + A_Size(grid.Size) + " puzzle has " + std::to_string(grid.Size));
    }
    const std::string clash = Clash_Finder(Board_Of(grid)).Find();
    if (!clash.empty()) {
        Refuse(Upper_First(clash));
    }
    out.Format = ext == "ss" || (framed && ext != "sdk") ? Text_Format::Ss : Text_Format::Sdk;
    out.Count = 1;
    out.Chosen = std::move(grid);
}

// What a puzzle line of this many cells lacks: the classic 81 (or 36), or the cells of the
// board size nearest the count when that is another one.
std::string Line_Length_Advice(std::size_t count) {
    int nearest = 9;
    const auto distance = [count](int n) {
        const long long cells = static_cast<long long>(n) * n;
        return std::llabs(cells - static_cast<long long>(count));
    };
    for (const Board_Kind& kind : Board_Kinds()) {
        if (distance(kind.Max_Number) < distance(nearest)) {
            nearest = kind.Max_Number;
        }
    }
    if (nearest == 9 || nearest == 6) {
        return "a puzzle line needs 81, or 36 for a 6x6 board";
    }
    return "a puzzle line needs " + std::to_string(nearest * nearest) + " for " + A_Size(nearest) +
           " board";
}

// One puzzle a line (a single puzzle line, or an .sdm file). Every line is checked, so the
// count is that of puzzles that can all be imported. Boards whose kind has two block shapes
// take the one chosen for the import.
void Scan_Puzzle_Lines(Line_Cursor lines, const std::string& ext, std::size_t wanted, bool tall,
                       Scan_Result& out) {
    const Flag wide = tall ? 0 : 1;
    // One board per size, refilled for each line to look for clashes.
    std::map<int, Puzzle_State> boards;
    std::string line;
    std::size_t line_no = 0;
    while (lines.Next(line, line_no)) {
        const Cells cells = Grid_Cells(line, line_no);
        const int n = Line_Size(cells.size());
        if (n == 0) {
            Refuse("Line " + std::to_string(line_no) + " has " +
                   Count_Of(cells.size(), "cell", "cells") + "; " +
                   Line_Length_Advice(cells.size()));
        }
        Check_Numbers(cells, n, line_no);
        auto board = boards.find(n);
        if (board == boards.end()) {
            board = boards.emplace(n, Board_Of(Grid{n, wide, cells})).first;
        }
        Puzzle_State& p = board->second;
        Fill_Board(p.Sudoku_Boards[0], cells);
        const std::string clash = Clash_Finder(p).Find();
        if (!clash.empty()) {
            Refuse("Line " + std::to_string(line_no) + ": " + clash);
        }
        if (out.Count == wanted) {
            out.Chosen = Grid{n, wide, cells};
        }
        ++out.Count;
    }
    out.Format =
        out.Count > 1 || ext == "sdm" ? Text_Format::Puzzle_Lines : Text_Format::Puzzle_Line;
}

// ---------------------------------------------------------------------------------------
// The description format.

bool Starts_Description(const std::string& trimmed) {
    return Is_Description_Statement(trimmed.substr(0, trimmed.find_first_of(" \t")));
}

void Scan_Description(const std::string& normalized, Scan_Result& out) {
    Description_Result d = Parse_Description(normalized);
    if (!d.Ok()) {
        Refuse(Upper_First(d.Error));
    }
    Puzzle_State& p = d.Puzzle;
    // In the shape a read file has: no region index, and with the panel hidden no texts or
    // place, which a file does not keep.
    p.Cell_Regions.clear();
    if (!p.Info_Visible) {
        const Puzzle_State fresh;
        p.Puzzle_Title = fresh.Puzzle_Title;
        p.Puzzle_Link = fresh.Puzzle_Link;
        p.Info_Left = fresh.Info_Left;
        p.Info_Top = fresh.Info_Top;
    }
    const std::string clash = Clash_Finder(p).Find();
    if (!clash.empty()) {
        Refuse(Upper_First(clash));
    }
    out.Format = Text_Format::Description;
    out.Count = 1;
    out.Described = std::move(p);
}

// Whether the text's first line starts a grid of one row a line rather than a list of
// puzzle lines. A header, a separator or a short line starts rows, and so does a row of a
// size that no puzzle line has (12). Sixteen cells are both a row of a 16x16 board and a 4x4
// puzzle line: they are rows in a text with '|' or separators in its first section, or with
// exactly sixteen lines there of which one holds a number above 4 (a 16x16 puzzle given only
// 1 to 4 could never have one solution).
bool Starts_Rows(const std::string& line, Line_Cursor lines) {
    const std::size_t cells = Loose_Cell_Count(line);
    if (Is_Header(line) || Is_Separator(line) || cells <= Longest_Row) {
        return true;
    }
    if (!Is_Grid_Size(cells)) {
        return false;
    }
    if (Line_Size(cells) == 0) {
        return true;
    }
    std::string next;
    std::size_t line_no = 0;
    std::size_t rows = 0;
    bool above_four = false;
    while (lines.Next(next, line_no) && !Is_Header(next)) {
        if (Is_Separator(next) || next.find('|') != std::string::npos) {
            return true;
        }
        for (const char ch : next) {
            above_four = above_four || Number_Of_Char(ch, Largest_Max_Number()) > 4;
        }
        ++rows;
    }
    return rows == cells && above_four;
}

// Finds the format and checks every puzzle of the text; keeps puzzle `wanted` (from 0).
Scan_Result Scan(const std::string& text, const std::string& name_hint, std::size_t wanted,
                 bool tall) {
    const std::string normalized = Prepare(text);
    const Line_Cursor lines(normalized);
    std::string line;
    std::size_t line_no = 0;
    if (!Line_Cursor(lines).Next(line, line_no)) {
        Refuse("The text holds no puzzle");
    }
    const std::string ext = Extension_Of(name_hint);
    Scan_Result out;
    if (Starts_Description(line)) {
        Scan_Description(normalized, out);
    } else if (Starts_Rows(line, lines)) {
        Scan_Rows(lines, ext, tall, out);
    } else {
        Scan_Puzzle_Lines(lines, ext, wanted, tall, out);
    }
    return out;
}

} // namespace

const char* Text_Format_Name(Text_Format format) {
    switch (format) {
    case Text_Format::Puzzle_Line:
        return "one line";
    case Text_Format::Puzzle_Lines:
        return "sdm";
    case Text_Format::Sdk:
        return "sdk";
    case Text_Format::Ss:
        return "ss";
    case Text_Format::Description:
        return "description";
    case Text_Format::None:
        break;
    }
    return "none";
}

Text_Import_Result Import_Puzzle_Text(const std::string& text, std::size_t index,
                                      const std::string& name_hint, bool tall_blocks) {
    Text_Import_Result result;
    try {
        Scan_Result scan = Scan(text, name_hint, index, tall_blocks);
        if (index >= scan.Count) {
            Refuse("The text holds " + Count_Of(scan.Count, "puzzle", "puzzles") +
                   "; there is no puzzle " + std::to_string(index + 1));
        }
        result.Puzzle = scan.Format == Text_Format::Description ? std::move(scan.Described)
                                                                : Board_Of(scan.Chosen);
        result.Format = scan.Format;
        result.Puzzle_Count = scan.Count;
        result.Puzzle_Index = index;
        result.Givens = Count_Givens(result.Puzzle);
    } catch (const Refusal& refusal) {
        result = Text_Import_Result{};
        result.Error = refusal.Message;
    }
    return result;
}

std::string Read_Puzzle_Text_File(const std::string& path, std::string& text) {
    std::vector<Byte> bytes;
    const std::string error =
        Read_Whole_File(path, Largest_Text_Bytes,
                        "The file is too large to be a puzzle text (more than 8 MiB)", bytes);
    text.assign(bytes.begin(), bytes.end());
    return error;
}

Text_Import_Result Import_Puzzle_Text_File(const std::string& path, std::size_t index,
                                           bool tall_blocks) {
    std::string text;
    Text_Import_Result result;
    result.Error = Read_Puzzle_Text_File(path, text);
    return result.Ok() ? Import_Puzzle_Text(text, index, path, tall_blocks) : result;
}
