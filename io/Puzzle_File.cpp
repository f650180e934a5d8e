#include "io/Puzzle_File.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"

const char* const New_Version_Message = "A new version of Tessel Sudoku seems to be available.";
const char* const Read_Beyond_End_Message = "Read beyond end of file";

namespace {

// ---------------------------------------------------------------------------------------
// Layout facts.

constexpr std::size_t Version_Bytes = 8;
constexpr std::size_t Title_Buffer_Bytes = 51;
constexpr std::size_t Link_Buffer_Bytes = 256;
constexpr std::size_t Link_Record_Bytes = 20;  // board number + Link_Area
constexpr std::size_t Region_Cell_Bytes = 16;  // Board, Col, Row, Spare
constexpr std::size_t Region_Header_Bytes = 4; // the cell count

// The player's notes follow the last board section in a block of their own: this tag, the
// Int32 length of what follows, the Int32 count of cells, then per cell Int32 board (from 0),
// column, row and the notes (bit n-1 = n). A reader that does not know the block ignores
// it, as it ignores any bytes after the boards.
constexpr Byte Notes_Tag[4] = {'T', 'S', 'N', 'T'};
constexpr std::size_t Notes_Record_Bytes = 16;

// The smallest board section a valid file can hold: a board of one number with no links,
// symbols, colours or regions. Used to refuse an impossible board count up front.
constexpr std::size_t Smallest_Section_Bytes = 4 * 4 + 1 + 1 + 4 + 4 +
                                               4       // kind, size, flags, position, link count
                                               + 4 + 1 // one cell value and lock
                                               + 1 + 1 // block lines, cell colours
                                               + 4     // one cell's borders
                                               + 1 + 1 + 4; // region flags and count

// Larger inputs cannot be puzzle files the game could show; they are refused before they
// are read into memory (this also stops an endless device such as /dev/zero).
constexpr std::uint64_t Largest_File_Bytes = 64u * 1024u * 1024u;

// ---------------------------------------------------------------------------------------
// Reading.

// Thrown inside the reader only; Read_Puzzle_Bytes turns it into the result's message.
struct Refusal {
    std::string Message;
};

[[noreturn]] void Refuse(const std::string& message) {
    throw Refusal{message};
}

class Byte_Reader {
  public:
    explicit Byte_Reader(const std::vector<Byte>& bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - pos_; }
    // The next bytes are these (nothing is read).
    bool Comes(const Byte* tag, std::size_t n) const {
        return Remaining() >= n && std::memcmp(bytes_.data() + pos_, tag, n) == 0;
    }

    // Refuses as a truncated file unless count items of item_bytes each can still be read.
    // Called before anything is allocated for the items.
    void Need(std::uint64_t count, std::uint64_t item_bytes) const {
        if (item_bytes != 0 && count > Remaining() / item_bytes) {
            Refuse(Read_Beyond_End_Message);
        }
    }

    void Raw(Byte* out, std::size_t n) {
        Need(n, 1);
        std::memcpy(out, bytes_.data() + pos_, n);
        pos_ += n;
    }
    Byte Byte_Value() {
        Byte b = 0;
        Raw(&b, 1);
        return b;
    }
    Integer Int32() {
        Byte b[4];
        Raw(b, 4);
        const std::uint32_t u =
            static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        Integer v;
        std::memcpy(&v, &u, sizeof v);
        return v;
    }
    double Double() {
        Byte b[Version_Bytes];
        Raw(b, Version_Bytes);
        std::uint64_t u = 0;
        for (int i = 7; i >= 0; --i) {
            u = (u << 8) | b[i];
        }
        double d;
        std::memcpy(&d, &u, sizeof d);
        return d;
    }

  private:
    const std::vector<Byte>& bytes_;
    std::size_t pos_ = 0;
};

std::string Board_Prefix(int board) {
    std::ostringstream out;
    out << "Board " << board + 1;
    return out.str();
}

// A count read from the file: refused when negative, or when the rest of the file is too
// short for count items of at least item_bytes each.
Integer Read_Count(Byte_Reader& in, const std::string& where, const char* field,
                   std::size_t item_bytes) {
    const Integer count = in.Int32();
    if (count < 0) {
        std::ostringstream out;
        out << where << ": " << field << " is " << count << "; a count cannot be negative.";
        Refuse(out.str());
    }
    in.Need(static_cast<std::uint64_t>(count), item_bytes);
    return count;
}

// The size fields of a board section, checked before anything depends on them.
void Check_Board_Size(int board, Integer type, Integer cols, Integer rows, Integer n) {
    std::ostringstream out;
    out << Board_Prefix(board) << ": ";
    const Integer kind_numbers = Numbers_Of_Board_Type(type);
    if (kind_numbers != 0 && n != kind_numbers) {
        out << "Max_Number is " << n << ", but a board of Board_Type " << type << " holds "
            << kind_numbers << " numbers.";
    } else if (kind_numbers == 0 && (n < 1 || n > Largest_Number_Of_Other_Kinds)) {
        out << "Max_Number is " << n << "; a board holds 1 to " << Largest_Number_Of_Other_Kinds
            << " numbers.";
    } else if (cols != n) {
        out << "Cols is " << cols << ", but Max_Number is " << n << "; every board is square.";
    } else if (rows != n) {
        out << "Rows is " << rows << ", but Max_Number is " << n << "; every board is square.";
    } else {
        return;
    }
    Refuse(out.str());
}

void Read_Board_Section(Byte_Reader& in, Puzzle_State& puzzle, int i) {
    const std::string where = Board_Prefix(i);
    const Integer type = in.Int32();
    const Integer cols = in.Int32();
    const Integer rows = in.Int32();
    const Integer n = in.Int32();
    Check_Board_Size(i, type, cols, rows, n);
    const Flag wide = in.Byte_Value();
    const Flag use_symbols = in.Byte_Value();

    Board_Position position;
    position.X = in.Int32();
    position.Y = in.Int32();

    const Integer link_count = Read_Count(in, where, "Link_Count", Link_Record_Bytes);
    Sudoku_Grid_FrameWork overlaps;
    overlaps.Linked_Boards.resize(static_cast<std::size_t>(link_count));
    overlaps.Link_Areas.resize(static_cast<std::size_t>(link_count));
    for (Integer k = 0; k < link_count; ++k) {
        overlaps.Linked_Boards[k] = in.Int32();
        Link_Area& a = overlaps.Link_Areas[k];
        a.This_Col = in.Int32();
        a.This_Row = in.Int32();
        a.Other_Col = in.Int32();
        a.Other_Row = in.Int32();
    }

    // Boards are added as their sections are read, never ahead of the bytes, so memory
    // grows with the file and not with the counts it claims.
    const int index = Add_Board_Model(puzzle, type, cols, rows, n, wide);
    Sudoku_Boards_FrameWork& board = puzzle.Sudoku_Boards[index];
    board.Use_Symbols = use_symbols;
    puzzle.Board_Positions.push_back(position);
    puzzle.Board_Overlaps.push_back(std::move(overlaps));

    for (Integer c = 0; c < n; ++c) {
        for (Integer r = 0; r < n; ++r) {
            const Integer v = in.Int32();
            if (v < 0 || v > n) {
                std::ostringstream out;
                out << where << ", column " << c + 1 << ", row " << r + 1 << ": Cell_Values holds "
                    << v << "; a cell holds 0 to " << n << ".";
                Refuse(out.str());
            }
            board.Cell_Values[c][r] = v;
        }
    }
    for (Integer c = 0; c < n; ++c) {
        for (Integer r = 0; r < n; ++r) {
            board.Cell_Locked[c][r] = in.Byte_Value();
        }
    }
    if (use_symbols) {
        in.Raw(board.Symbols.data(), static_cast<std::size_t>(n));
    }
    board.Draw_Block_Lines = in.Byte_Value();
    board.Use_Cell_Colours = in.Byte_Value();
    for (Integer c = 0; c < n; ++c) {
        for (Integer r = 0; r < n; ++r) {
            in.Raw(board.Cell_Borders[c][r].data(), 4);
            if (board.Use_Cell_Colours) {
                board.Cell_Colours[c][r] = in.Int32();
            }
        }
    }

    // The region data belongs to the whole puzzle; the last section's copy is the one kept.
    puzzle.Custom_Regions_On = in.Byte_Value();
    puzzle.Regions_Only = in.Byte_Value();
    const Integer region_count = Read_Count(in, where, "Region_Count", Region_Header_Bytes);
    std::vector<std::vector<Region_Cell>> regions(static_cast<std::size_t>(region_count));
    for (Integer k = 0; k < region_count; ++k) {
        std::ostringstream field;
        field << "the cell count of region " << k + 1;
        const Integer cells = Read_Count(in, where, field.str().c_str(), Region_Cell_Bytes);
        regions[k].resize(static_cast<std::size_t>(cells));
        for (Region_Cell& cell : regions[k]) {
            cell.Board = in.Int32();
            cell.Col = in.Int32();
            cell.Row = in.Int32();
            cell.Spare = in.Int32();
        }
    }
    puzzle.Custom_Regions = std::move(regions);
}

std::string Check_Range(const std::string& where, const char* field, Integer value, int n) {
    if (value >= 1 && value <= n) {
        return {};
    }
    std::ostringstream out;
    out << where << ": " << field << " is " << value << "; it must lie in 1.." << n << ".";
    return out.str();
}

// Links and regions may name boards that come later in the file, so they are checked once
// every board is read.
void Check_Links_And_Regions(const Puzzle_State& puzzle) {
    const int boards = static_cast<int>(puzzle.Sudoku_Boards.size());
    for (int i = 0; i < boards; ++i) {
        const int n = puzzle.Sudoku_Boards[i].Max_Number;
        const Sudoku_Grid_FrameWork& overlaps = puzzle.Board_Overlaps[i];
        for (std::size_t k = 0; k < overlaps.Linked_Boards.size(); ++k) {
            std::ostringstream where;
            where << Board_Prefix(i) << ", link " << k + 1;
            const Integer t = overlaps.Linked_Boards[k];
            if (t < 1 || t > boards) {
                std::ostringstream out;
                out << where.str() << ": board " << t << " does not exist (the file has " << boards
                    << (boards == 1 ? " board)." : " boards).");
                Refuse(out.str());
            }
            const int other_n = puzzle.Sudoku_Boards[t - 1].Max_Number;
            if (other_n != n) {
                std::ostringstream out;
                out << where.str() << ": board " << t << " holds " << other_n
                    << " numbers, but this board holds " << n
                    << "; linked boards must be the same size.";
                Refuse(out.str());
            }
            const Link_Area& a = overlaps.Link_Areas[k];
            for (const std::string& problem :
                 {Check_Range(where.str(), "This_Col", a.This_Col, n),
                  Check_Range(where.str(), "This_Row", a.This_Row, n),
                  Check_Range(where.str(), "Other_Col", a.Other_Col, n),
                  Check_Range(where.str(), "Other_Row", a.Other_Row, n)}) {
                if (!problem.empty()) {
                    Refuse(problem);
                }
            }
        }
    }

    if (boards == 0) {
        return;
    }
    const std::string owner = Board_Prefix(boards - 1);
    for (std::size_t k = 0; k < puzzle.Custom_Regions.size(); ++k) {
        int region_n = 0;
        int first_board = 0;
        const std::vector<Region_Cell>& region = puzzle.Custom_Regions[k];
        for (std::size_t j = 0; j < region.size(); ++j) {
            const Region_Cell& cell = region[j];
            std::ostringstream where;
            where << owner << ", region " << k + 1 << ", cell " << j + 1;
            std::ostringstream out;
            if (cell.Board < 0 || cell.Board >= boards) {
                out << where.str() << ": Board " << cell.Board
                    << " does not exist (boards are numbered 0.." << boards - 1 << " in regions).";
                Refuse(out.str());
            }
            const Sudoku_Boards_FrameWork& b = puzzle.Sudoku_Boards[cell.Board];
            if (cell.Col < 0 || cell.Col >= b.Cols) {
                out << where.str() << ": Col " << cell.Col << " is outside board " << cell.Board + 1
                    << " (columns 0.." << b.Cols - 1 << ").";
                Refuse(out.str());
            }
            if (cell.Row < 0 || cell.Row >= b.Rows) {
                out << where.str() << ": Row " << cell.Row << " is outside board " << cell.Board + 1
                    << " (rows 0.." << b.Rows - 1 << ").";
                Refuse(out.str());
            }
            if (j == 0) {
                region_n = b.Max_Number;
                first_board = cell.Board;
            } else if (b.Max_Number != region_n) {
                out << where.str() << ": board " << cell.Board + 1 << " holds " << b.Max_Number
                    << " numbers, but the region's first cell lies on board " << first_board + 1
                    << " with " << region_n << "; a region's boards must be the same size.";
                Refuse(out.str());
            }
        }
    }
}

[[noreturn]] void Refuse_Notes(const std::string& why) {
    Refuse("The notes saved after the boards are damaged: " + why + ".");
}

void Read_Notes(Byte_Reader& in, Puzzle_State& puzzle) {
    Byte tag[sizeof Notes_Tag];
    in.Raw(tag, sizeof tag);
    if (in.Remaining() < 4) {
        Refuse_Notes("the block is cut off before its length");
    }
    const Integer length = in.Int32();
    if (length < 4 || static_cast<std::uint64_t>(length) > in.Remaining()) {
        Refuse_Notes("the block's length does not fit the file");
    }
    const Integer count = in.Int32();
    if (count < 0 || static_cast<std::uint64_t>(count) * Notes_Record_Bytes + 4 !=
                         static_cast<std::uint64_t>(length)) {
        Refuse_Notes("the block's length does not match its count of cells");
    }
    const int boards = static_cast<int>(puzzle.Sudoku_Boards.size());
    for (Integer k = 0; k < count; ++k) {
        const Integer b = in.Int32();
        const Integer c = in.Int32();
        const Integer r = in.Int32();
        const Integer bits = in.Int32();
        std::ostringstream where;
        where << "cell " << k + 1 << " of the block";
        if (b < 0 || b >= boards) {
            Refuse_Notes(where.str() + " names a board the file does not have");
        }
        Sudoku_Boards_FrameWork& board = puzzle.Sudoku_Boards[b];
        const Integer n = board.Max_Number;
        if (c < 0 || r < 0 || c >= n || r >= n) {
            Refuse_Notes(where.str() + " lies outside its board");
        }
        const Note_Set notes = static_cast<Note_Set>(bits);
        if (notes == 0 || (n < 32 && (notes >> n) != 0)) {
            Refuse_Notes(where.str() + " notes no number of its board, or one above its highest");
        }
        if (board.Cell_Values[c][r] != 0) {
            Refuse_Notes(where.str() + " holds a number");
        }
        if (board.Cell_Notes[c][r] != 0) {
            Refuse_Notes(where.str() + " is listed twice");
        }
        board.Cell_Notes[c][r] = notes;
    }
    // The copies of a shared cell hold the same notes.
    for (int i = 0; i < boards; ++i) {
        for (std::size_t k = 0; k < puzzle.Board_Overlaps[i].Linked_Boards.size(); ++k) {
            const Shared_Area area = Shared_Area_Of(puzzle, i, static_cast<int>(k));
            const Sudoku_Boards_FrameWork& here = puzzle.Sudoku_Boards[i];
            const Sudoku_Boards_FrameWork& there = puzzle.Sudoku_Boards[area.Other_Board];
            for (int c = area.First_Col; c <= area.Last_Col; ++c) {
                for (int r = area.First_Row; r <= area.Last_Row; ++r) {
                    if (Notes_Of(here, c, r) !=
                        Notes_Of(there, c + area.Col_Offset, r + area.Row_Offset)) {
                        std::ostringstream out;
                        out << "the copies of a cell that boards " << i + 1 << " and "
                            << area.Other_Board + 1 << " share hold different notes";
                        Refuse_Notes(out.str());
                    }
                }
            }
        }
    }
}

Puzzle_State Parse_Puzzle(const std::vector<Byte>& bytes) {
    Byte_Reader in(bytes);
    Puzzle_State puzzle;
    if (in.Double() != 1.0) {
        Refuse(New_Version_Message);
    }
    puzzle.Info_Visible = in.Byte_Value();
    if (puzzle.Info_Visible) {
        puzzle.Info_Left = in.Int32();
        puzzle.Info_Top = in.Int32();
        in.Raw(puzzle.Puzzle_Title.Buffer.data(), Title_Buffer_Bytes);
        in.Raw(puzzle.Puzzle_Link.Buffer.data(), Link_Buffer_Bytes);
    }
    const Integer board_count = Read_Count(in, "The file", "Board_Count", Smallest_Section_Bytes);
    for (Integer i = 0; i < board_count; ++i) {
        Read_Board_Section(in, puzzle, i);
    }
    Check_Links_And_Regions(puzzle);
    // The notes block, when the bytes after the boards start with its tag; anything else
    // that follows the last section is not part of the puzzle.
    if (in.Comes(Notes_Tag, sizeof Notes_Tag)) {
        Read_Notes(in, puzzle);
    }
    return puzzle;
}

// ---------------------------------------------------------------------------------------
// Writing.

class Byte_Writer {
  public:
    void Byte_Value(Byte b) { bytes_.push_back(b); }
    void Raw(const Byte* data, std::size_t n) { bytes_.insert(bytes_.end(), data, data + n); }
    void Int32(Integer v) {
        std::uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        for (int i = 0; i < 4; ++i) {
            bytes_.push_back(static_cast<Byte>(u >> (8 * i)));
        }
    }
    void Double(double d) {
        std::uint64_t u;
        std::memcpy(&u, &d, sizeof u);
        for (int i = 0; i < 8; ++i) {
            bytes_.push_back(static_cast<Byte>(u >> (8 * i)));
        }
    }
    std::vector<Byte> Take() { return std::move(bytes_); }

  private:
    std::vector<Byte> bytes_;
};

void Write_Regions(Byte_Writer& out, const Puzzle_State& state) {
    out.Byte_Value(state.Custom_Regions_On);
    out.Byte_Value(state.Regions_Only);
    out.Int32(static_cast<Integer>(state.Custom_Regions.size()));
    for (const std::vector<Region_Cell>& region : state.Custom_Regions) {
        out.Int32(static_cast<Integer>(region.size()));
        for (const Region_Cell& cell : region) {
            out.Int32(cell.Board);
            out.Int32(cell.Col);
            out.Int32(cell.Row);
            out.Int32(cell.Spare);
        }
    }
}

void Write_Board_Section(Byte_Writer& out, const Puzzle_State& state, std::size_t i) {
    const Sudoku_Boards_FrameWork& b = state.Sudoku_Boards[i];
    const int n = b.Max_Number;
    out.Int32(b.Board_Type);
    out.Int32(b.Cols);
    out.Int32(b.Rows);
    out.Int32(b.Max_Number);
    out.Byte_Value(b.Wide_Blocks);
    out.Byte_Value(b.Use_Symbols);
    const Board_Position position =
        i < state.Board_Positions.size() ? state.Board_Positions[i] : Board_Position{};
    out.Int32(position.X);
    out.Int32(position.Y);
    static const Sudoku_Grid_FrameWork no_links;
    const Sudoku_Grid_FrameWork& overlaps =
        i < state.Board_Overlaps.size() ? state.Board_Overlaps[i] : no_links;
    out.Int32(static_cast<Integer>(overlaps.Linked_Boards.size()));
    for (std::size_t k = 0; k < overlaps.Linked_Boards.size(); ++k) {
        const Link_Area& a = overlaps.Link_Areas[k];
        out.Int32(overlaps.Linked_Boards[k]);
        out.Int32(a.This_Col);
        out.Int32(a.This_Row);
        out.Int32(a.Other_Col);
        out.Int32(a.Other_Row);
    }
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            out.Int32(b.Cell_Values[c][r]);
        }
    }
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            out.Byte_Value(b.Cell_Locked[c][r]);
        }
    }
    if (b.Use_Symbols) {
        out.Raw(b.Symbols.data(), static_cast<std::size_t>(n));
    }
    out.Byte_Value(b.Draw_Block_Lines);
    out.Byte_Value(b.Use_Cell_Colours);
    for (int c = 0; c < n; ++c) {
        for (int r = 0; r < n; ++r) {
            out.Raw(b.Cell_Borders[c][r].data(), 4);
            if (b.Use_Cell_Colours) {
                out.Int32(b.Cell_Colours[c][r]);
            }
        }
    }
    Write_Regions(out, state);
}

// ---------------------------------------------------------------------------------------
// Files.

Note_Set Note_Range(Integer n) {
    return n >= 32 ? ~Note_Set{0} : n <= 0 ? 0 : (Note_Set{1} << n) - 1;
}

// Every cell with notes, on every board (the copies of a shared cell each).
void Write_Notes(Byte_Writer& out, const Puzzle_State& state) {
    std::vector<Integer> records;
    for (std::size_t b = 0; b < state.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                // A filled cell keeps no notes; only numbers of the board can be noted.
                const Note_Set notes = board.Cell_Values[c][r] == 0
                                           ? Notes_Of(board, c, r) & Note_Range(board.Max_Number)
                                           : 0;
                if (notes != 0) {
                    records.insert(records.end(),
                                   {static_cast<Integer>(b), c, r, static_cast<Integer>(notes)});
                }
            }
        }
    }
    const Integer count = static_cast<Integer>(records.size() / 4);
    out.Raw(Notes_Tag, sizeof Notes_Tag);
    out.Int32(static_cast<Integer>(4 + count * Notes_Record_Bytes));
    out.Int32(count);
    for (const Integer v : records) {
        out.Int32(v);
    }
}

std::string Errno_Text(int error) {
    return std::strerror(error);
}

std::string Open_Failure_Message(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return "File not found";
    case EACCES:
    case EPERM:
        return "File access denied";
    default:
        return "Cannot open the file: " + Errno_Text(error);
    }
}

// Reads the whole of an open descriptor, at most limit bytes; a longer input gives too_large.
std::string Read_All(int fd, std::uint64_t limit, const std::string& too_large,
                     std::vector<Byte>& bytes) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return "Cannot read the file: " + Errno_Text(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return "Cannot read the file: it is a folder";
    }
    if (S_ISREG(info.st_mode) && static_cast<std::uint64_t>(info.st_size) > limit) {
        return too_large;
    }
    if (S_ISREG(info.st_mode)) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    Byte chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return "Cannot read the file: " + Errno_Text(errno);
        }
        if (got == 0) {
            return {};
        }
        if (bytes.size() + static_cast<std::size_t>(got) > limit) {
            return too_large;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

std::string Write_All(int fd, const std::vector<Byte>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Errno_Text(errno);
        }
        done += static_cast<std::size_t>(put);
    }
    return {};
}

std::string Folder_Of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

std::string Name_Of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path a save really replaces: a symbolic link is followed so that the link stays.
std::string Resolve_Target(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (resolved != nullptr) {
            std::string result(resolved);
            std::free(resolved);
            return result;
        }
    }
    return path;
}

} // namespace

Puzzle_Read_Result Read_Puzzle_Bytes(const std::vector<Byte>& bytes) {
    Puzzle_Read_Result result;
    try {
        result.Puzzle = Parse_Puzzle(bytes);
    } catch (const Refusal& refusal) {
        result.Error = refusal.Message;
        result.Puzzle = Puzzle_State{};
    }
    return result;
}

std::string Read_Whole_File(const std::string& path, std::uint64_t limit,
                            const std::string& too_large, std::vector<Byte>& bytes) {
    bytes.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return Open_Failure_Message(errno);
    }
    const std::string failure = Read_All(fd, limit, too_large, bytes);
    close(fd);
    if (!failure.empty()) {
        bytes.clear();
    }
    return failure;
}

Puzzle_Read_Result Read_Puzzle_File(const std::string& path) {
    Puzzle_Read_Result result;
    std::vector<Byte> bytes;
    result.Error = Read_Whole_File(path, Largest_File_Bytes,
                                   "The file is too large to be a puzzle file", bytes);
    if (!result.Ok()) {
        return result;
    }
    return Read_Puzzle_Bytes(bytes);
}

std::vector<Byte> Write_Puzzle_Bytes(const Puzzle_State& state) {
    Byte_Writer out;
    out.Double(1.0);
    out.Byte_Value(state.Info_Visible ? 1 : 0);
    if (state.Info_Visible) {
        out.Int32(state.Info_Left);
        out.Int32(state.Info_Top);
        out.Raw(state.Puzzle_Title.Buffer.data(), Title_Buffer_Bytes);
        out.Raw(state.Puzzle_Link.Buffer.data(), Link_Buffer_Bytes);
    }
    out.Int32(static_cast<Integer>(state.Sudoku_Boards.size()));
    for (std::size_t i = 0; i < state.Sudoku_Boards.size(); ++i) {
        Write_Board_Section(out, state, i);
    }
    if (Has_Notes(state)) {
        Write_Notes(out, state);
    }
    return out.Take();
}

std::string Write_Puzzle_File(const std::string& path, const Puzzle_State& state) {
    const std::vector<Byte> bytes = Write_Puzzle_Bytes(state);
    const std::string target = Resolve_Target(path);
    const std::string failed = "Cannot save the puzzle: ";

    // Only a regular file is ever replaced: a folder or a device at the target stays as it is.
    struct stat old_info {};
    const bool target_exists = stat(target.c_str(), &old_info) == 0;
    if (target_exists && S_ISDIR(old_info.st_mode)) {
        return failed + "the target is a folder";
    }
    if (target_exists && !S_ISREG(old_info.st_mode)) {
        return failed + "the target is not a regular file";
    }

    std::string temp = Folder_Of(target) + "/." + Name_Of(target) + ".XXXXXX";
    std::vector<char> temp_name(temp.begin(), temp.end());
    temp_name.push_back('\0');
    const int fd = mkstemp(temp_name.data());
    if (fd < 0) {
        const int error = errno;
        return failed + (error == EACCES || error == EPERM ? std::string("File access denied")
                                                           : Errno_Text(error));
    }
    temp.assign(temp_name.data());

    // The new file gets the permissions of the one it replaces, else the usual ones.
    mode_t mode = 0666;
    if (target_exists) {
        mode = old_info.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }

    std::string problem;
    if (fchmod(fd, mode) != 0) {
        problem = Errno_Text(errno);
    }
    if (problem.empty()) {
        problem = Write_All(fd, bytes);
    }
    if (problem.empty() && fsync(fd) != 0) {
        problem = Errno_Text(errno);
    }
    if (close(fd) != 0 && problem.empty()) {
        problem = Errno_Text(errno);
    }
    if (problem.empty() && rename(temp.c_str(), target.c_str()) != 0) {
        problem = Errno_Text(errno);
    }
    if (!problem.empty()) {
        unlink(temp.c_str());
        return failed + problem;
    }

    // Make the rename itself durable; a failure here no longer endangers either file.
    const int folder = open(Folder_Of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return {};
}
