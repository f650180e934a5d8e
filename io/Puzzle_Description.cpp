#include "io/Puzzle_Description.h"

#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "model/Board_Geometry.h"
#include "model/Board_Kinds.h"
#include "model/Cp1252.h"
#include "model/Number_Text.h"

namespace {

struct Parse_Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    std::string w;
    while (in >> w) {
        words.push_back(w);
    }
    return words;
}

int To_Int(const std::string& word, const char* what) {
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (word.empty() || *end != '\0' || v < -1000000 || v > 1000000) {
        throw Parse_Error(std::string("expected a whole number for ") + what + ", got \"" + word +
                          "\"");
    }
    return static_cast<int>(v);
}

// The text after the first word of the line, without surrounding blanks.
std::string Rest_Of_Line(const std::string& line) {
    std::size_t p = line.find_first_not_of(" \t");
    p = line.find_first_of(" \t", p);
    if (p == std::string::npos) {
        return {};
    }
    p = line.find_first_not_of(" \t", p);
    if (p == std::string::npos) {
        return {};
    }
    std::size_t e = line.find_last_not_of(" \t\r");
    return line.substr(p, e - p + 1);
}

struct Board_Options {
    std::string Symbols; // code page 1252 bytes
    bool Unlocked = false;
    bool No_Block_Lines = false;
};

class Parser {
  public:
    explicit Parser(const std::string& text) {
        std::istringstream in(text);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            Lines.push_back(line);
        }
    }

    Description_Result Run() {
        Description_Result result;
        try {
            while (Next_Statement()) {
                Statement();
            }
            Finish();
            result.Puzzle = std::move(P);
        } catch (const Parse_Error& e) {
            result.Error = (Line_No > 0 ? "line " + std::to_string(Line_No) + ": " : "") + e.what();
        }
        return result;
    }

  private:
    std::vector<std::string> Lines;
    std::size_t At = 0;
    int Line_No = 0;
    std::string Line;
    Puzzle_State P;
    bool Info_Set = false;
    bool Info_Hidden = false;
    bool Region_Borders = false;
    std::map<std::string, int> Region_Names; // region-map character -> region index

    // Skips a line with no word on it: the blanks are those that separate words, form feed
    // and vertical tab included.
    static bool Is_Skipped(const std::string& line) {
        const std::size_t p = line.find_first_not_of(" \t\f\v\r");
        return p == std::string::npos || line[p] == '#';
    }

    bool Next_Statement() {
        while (At < Lines.size() && Is_Skipped(Lines[At])) {
            ++At;
        }
        if (At >= Lines.size()) {
            return false;
        }
        Line = Lines[At];
        Line_No = static_cast<int>(++At);
        return true;
    }

    // The cells of the next grid line: blanks and '|' are left out.
    std::string Grid_Line(const char* what) {
        if (!Next_Statement()) {
            throw Parse_Error(std::string("the file ends inside ") + what);
        }
        std::string bytes;
        if (!Utf8_To_Cp1252(Line, bytes)) {
            throw Parse_Error("a character that code page 1252 cannot hold");
        }
        std::string cells;
        for (char ch : bytes) {
            if (ch != ' ' && ch != '\t' && ch != '|') {
                cells.push_back(ch);
            }
        }
        return cells;
    }

    int Board_Index(const std::string& word) {
        const int b = To_Int(word, "a board");
        if (b < 0 || b >= static_cast<int>(P.Sudoku_Boards.size())) {
            throw Parse_Error("there is no board " + word + " (boards count from 0)");
        }
        return b;
    }

    void Check_Cell(int b, int c, int r) {
        if (!Cell_Exists(P, b, c, r)) {
            throw Parse_Error("cell (" + std::to_string(c) + ", " + std::to_string(r) +
                              ") is not on board " + std::to_string(b));
        }
    }

    Board_Options Options(const std::vector<std::string>& words, std::size_t from, int n) {
        Board_Options o;
        for (std::size_t i = from; i < words.size(); ++i) {
            const std::string& w = words[i];
            if (w.rfind("symbols=", 0) == 0) {
                if (!Utf8_To_Cp1252(w.substr(8), o.Symbols)) {
                    throw Parse_Error("a symbol that code page 1252 cannot hold");
                }
                if (static_cast<int>(o.Symbols.size()) != n) {
                    throw Parse_Error("symbols= needs exactly " + std::to_string(n) +
                                      " characters");
                }
                for (std::size_t k = 0; k < o.Symbols.size(); ++k) {
                    if (o.Symbols[k] == '.' || o.Symbols[k] == '#' || o.Symbols[k] == '|' ||
                        o.Symbols.find(o.Symbols[k]) != k) {
                        throw Parse_Error("symbols must differ and may not be '.', '#' or '|'");
                    }
                }
            } else if (w == "unlocked") {
                o.Unlocked = true;
            } else if (w == "no-block-lines") {
                o.No_Block_Lines = true;
            } else {
                throw Parse_Error("unknown board option \"" + w + "\"");
            }
        }
        return o;
    }

    int New_Board(Integer type, int n, Flag wide, int x, int y, const Board_Options& o) {
        const int b = Add_Board_Model(P, type, n, n, n, wide);
        P.Board_Overlaps.emplace_back();
        P.Board_Positions.push_back({x, y});
        Sudoku_Boards_FrameWork& board = P.Sudoku_Boards[b];
        if (!o.Symbols.empty()) {
            board.Use_Symbols = 1;
            for (int k = 0; k < n; ++k) {
                board.Symbols[k] = static_cast<Byte>(o.Symbols[k]);
            }
        }
        board.Draw_Block_Lines = o.No_Block_Lines ? 0 : 1;
        return b;
    }

    // The number a grid character stands for on a board: 0 for an empty cell, -1 for a
    // character that is no number of the board.
    static int Number_Of(const Sudoku_Boards_FrameWork& board, char ch) {
        if (ch == '.') {
            return 0;
        }
        if (board.Use_Symbols) {
            for (int k = 0; k < board.Max_Number; ++k) {
                if (static_cast<char>(board.Symbols[k]) == ch) {
                    return k + 1;
                }
            }
            return -1;
        }
        if (ch == '0') {
            return 0;
        }
        return Number_Of_Char(ch, board.Max_Number);
    }

    void Put(int b, int c, int r, char ch, bool unlocked) {
        Sudoku_Boards_FrameWork& board = P.Sudoku_Boards[b];
        const int n = Number_Of(board, ch);
        if (n < 0) {
            throw Parse_Error(std::string("'") + ch + "' is no number of board " +
                              std::to_string(b));
        }
        board.Cell_Values[c][r] = n;
        board.Cell_Locked[c][r] = (n != 0 && !unlocked) ? 1 : 0;
    }

    // Links two boards whose positions put their cells on the same grid, both ways, and
    // makes the copies of every shared cell agree.
    void Join(int a, int b) {
        const Sudoku_Boards_FrameWork& ba = P.Sudoku_Boards[a];
        const Sudoku_Boards_FrameWork& bb = P.Sudoku_Boards[b];
        const int n = ba.Max_Number;
        const int ux = P.Board_Positions[b].X - P.Board_Positions[a].X;
        const int uy = P.Board_Positions[b].Y - P.Board_Positions[a].Y;
        if (a == b || bb.Max_Number != n || ux % File_Units_Per_Cell != 0 ||
            uy % File_Units_Per_Cell != 0 || ux / File_Units_Per_Cell >= n ||
            -ux / File_Units_Per_Cell >= n || uy / File_Units_Per_Cell >= n ||
            -uy / File_Units_Per_Cell >= n) {
            throw Parse_Error("boards " + std::to_string(a) + " and " + std::to_string(b) +
                              " do not overlap cell on cell (same size, positions on the "
                              "20-unit grid, less than a board apart)");
        }
        Link_Boards_Both_Ways(P, a, b, ux / File_Units_Per_Cell, uy / File_Units_Per_Cell);

        const Shared_Area s =
            Shared_Area_Of(P, a, static_cast<int>(P.Board_Overlaps[a].Link_Areas.size() - 1));
        for (int c = s.First_Col; c <= s.Last_Col; ++c) {
            for (int r = s.First_Row; r <= s.Last_Row; ++r) {
                Sudoku_Boards_FrameWork& x = P.Sudoku_Boards[a];
                Sudoku_Boards_FrameWork& y = P.Sudoku_Boards[b];
                Integer& vx = x.Cell_Values[c][r];
                Integer& vy = y.Cell_Values[c + s.Col_Offset][r + s.Row_Offset];
                Byte& lx = x.Cell_Locked[c][r];
                Byte& ly = y.Cell_Locked[c + s.Col_Offset][r + s.Row_Offset];
                if (vx != 0 && vy != 0 && vx != vy) {
                    throw Parse_Error("boards " + std::to_string(a) + " and " + std::to_string(b) +
                                      " hold different numbers in a "
                                      "shared cell");
                }
                if (vx == 0) {
                    vx = vy;
                    lx = ly;
                } else {
                    vy = vx;
                    ly = lx;
                }
            }
        }
    }

    void Board_Statement(const std::vector<std::string>& w) {
        if (w.size() < 4) {
            throw Parse_Error("board needs a kind (" + Board_Kind_Names() + ") and X Y");
        }
        const Board_Kind* kind = Find_Board_Kind_Named(w[1].c_str());
        if (kind == nullptr) {
            throw Parse_Error("unknown board kind \"" + w[1] + "\" (" + Board_Kind_Names() + ")");
        }
        const int n = kind->Max_Number;
        const int x = To_Int(w[2], "X");
        const int y = To_Int(w[3], "Y");
        const Board_Options o = Options(w, 4, n);
        const int b = New_Board(kind->Board_Type, n, kind->Wide_Blocks, x, y, o);
        for (int r = 0; r < n; ++r) {
            const std::string cells = Grid_Line("a board's rows");
            if (static_cast<int>(cells.size()) != n) {
                throw Parse_Error("a row of this board needs " + std::to_string(n) +
                                  " cells, it has " + std::to_string(cells.size()));
            }
            for (int c = 0; c < n; ++c) {
                Put(b, c, r, cells[c], o.Unlocked);
            }
        }
    }

    void Samurai_Statement(const std::vector<std::string>& w) {
        if (w.size() < 3) {
            throw Parse_Error("samurai needs X Y");
        }
        const int x = To_Int(w[1], "X");
        const int y = To_Int(w[2], "Y");
        const Board_Options o = Options(w, 3, 9);
        const int first = static_cast<int>(P.Sudoku_Boards.size());
        for (const auto& off : Samurai_Offsets) {
            New_Board(Board_Type_9x9, 9, 0, x + off[0] * File_Units_Per_Cell,
                      y + off[1] * File_Units_Per_Cell, o);
        }
        for (int r = 0; r < Samurai_Side; ++r) {
            const std::string cells = Grid_Line("the samurai rows");
            if (cells.size() != Samurai_Side) {
                throw Parse_Error("a samurai row needs 21 cells, it has " +
                                  std::to_string(cells.size()));
            }
            for (int c = 0; c < Samurai_Side; ++c) {
                bool on_board = false;
                for (int k = 0; k < Samurai_Boards; ++k) {
                    const int bc = c - Samurai_Offsets[k][0];
                    const int br = r - Samurai_Offsets[k][1];
                    if (bc >= 0 && bc < 9 && br >= 0 && br < 9) {
                        Put(first + k, bc, br, cells[c], o.Unlocked);
                        on_board = true;
                    }
                }
                if (!on_board && cells[c] != '.' && cells[c] != '-') {
                    throw Parse_Error("a samurai row has a number outside the five boards");
                }
            }
        }
        for (int k = 0; k < Samurai_Boards; ++k) {
            if (k != Samurai_Centre) {
                Join(first + k, first + Samurai_Centre);
            }
        }
    }

    void Add_To_Region(int region, int b, int c, int r) {
        if (static_cast<int>(P.Custom_Regions.size()) <= region) {
            P.Custom_Regions.resize(region + 1);
        }
        P.Custom_Regions[region].push_back({b, c, r, 0});
        P.Custom_Regions_On = 1;
    }

    void Region_Statement(const std::vector<std::string>& w) {
        if (w.size() < 2) {
            throw Parse_Error("region needs its cells as BOARD:COL,ROW");
        }
        const int region = static_cast<int>(P.Custom_Regions.size());
        for (std::size_t i = 1; i < w.size(); ++i) {
            const std::size_t colon = w[i].find(':');
            const std::size_t comma = w[i].find(',');
            if (colon == std::string::npos || comma == std::string::npos || comma < colon) {
                throw Parse_Error("a region cell is written BOARD:COL,ROW, not \"" + w[i] + "\"");
            }
            const int b = Board_Index(w[i].substr(0, colon));
            const int c = To_Int(w[i].substr(colon + 1, comma - colon - 1), "a column");
            const int r = To_Int(w[i].substr(comma + 1), "a row");
            Check_Cell(b, c, r);
            Add_To_Region(region, b, c, r);
        }
    }

    void Region_Map_Statement(const std::vector<std::string>& w) {
        if (w.size() != 2) {
            throw Parse_Error("region-map needs one board index");
        }
        const int b = Board_Index(w[1]);
        const int n = P.Sudoku_Boards[b].Max_Number;
        for (int r = 0; r < n; ++r) {
            const std::string cells = Grid_Line("a region map");
            if (static_cast<int>(cells.size()) != n) {
                throw Parse_Error("a region map row needs " + std::to_string(n) + " cells");
            }
            for (int c = 0; c < n; ++c) {
                if (cells[c] == '.') {
                    continue;
                }
                const std::string name(1, cells[c]);
                auto found = Region_Names.find(name);
                if (found == Region_Names.end()) {
                    found =
                        Region_Names.emplace(name, static_cast<int>(P.Custom_Regions.size())).first;
                    P.Custom_Regions.emplace_back();
                }
                Add_To_Region(found->second, b, c, r);
            }
        }
    }

    void Statement() {
        const std::vector<std::string> w = Words(Line);
        const std::string& key = w[0];
        if (key == "title" || key == "link") {
            std::string bytes;
            if (!Utf8_To_Cp1252(Rest_Of_Line(Line), bytes)) {
                throw Parse_Error("a character that code page 1252 cannot hold");
            }
            const std::size_t limit = key == "title" ? 50 : 255;
            if (bytes.size() > limit) {
                throw Parse_Error("the " + key + " is longer than " + std::to_string(limit) +
                                  " characters");
            }
            if (key == "title") {
                P.Puzzle_Title.Assign(bytes);
            } else {
                P.Puzzle_Link.Assign(bytes);
            }
            Info_Set = true;
        } else if (key == "info") {
            if (w.size() == 2 && w[1] == "hidden") {
                Info_Hidden = true;
            } else if (w.size() == 3) {
                P.Info_Left = To_Int(w[1], "the panel's left");
                P.Info_Top = To_Int(w[2], "the panel's top");
                Info_Set = true;
            } else {
                throw Parse_Error("info needs LEFT TOP or the word hidden");
            }
        } else if (key == "board") {
            Board_Statement(w);
        } else if (key == "samurai") {
            Samurai_Statement(w);
        } else if (key == "join") {
            if (w.size() != 3) {
                throw Parse_Error("join needs two board indices");
            }
            Join(Board_Index(w[1]), Board_Index(w[2]));
        } else if (key == "region") {
            Region_Statement(w);
        } else if (key == "region-map") {
            Region_Map_Statement(w);
        } else if (key == "regions-only") {
            P.Regions_Only = 1;
        } else if (key == "borders" && w.size() == 2 && w[1] == "regions") {
            Region_Borders = true;
        } else if (key == "border") {
            if (w.size() != 5) {
                throw Parse_Error("border needs BOARD COL ROW and edges from t, b, l, r");
            }
            const int b = Board_Index(w[1]);
            const int c = To_Int(w[2], "a column");
            const int r = To_Int(w[3], "a row");
            Check_Cell(b, c, r);
            for (char e : w[4]) {
                const std::string edges = "tblr";
                const std::size_t k = edges.find(e);
                if (k == std::string::npos) {
                    throw Parse_Error("border edges are t, b, l and r");
                }
                P.Sudoku_Boards[b].Cell_Borders[c][r][k] = 1;
            }
        } else if (key == "colour" || key == "color") {
            if (w.size() != 5 && w.size() != 7) {
                throw Parse_Error("colour needs BOARD COL ROW [COL2 ROW2] #RRGGBB");
            }
            const int b = Board_Index(w[1]);
            const int c1 = To_Int(w[2], "a column");
            const int r1 = To_Int(w[3], "a row");
            const int c2 = w.size() == 7 ? To_Int(w[4], "a column") : c1;
            const int r2 = w.size() == 7 ? To_Int(w[5], "a row") : r1;
            Check_Cell(b, c1, r1);
            Check_Cell(b, c2, r2);
            const std::string& hex = w.back();
            char* end = nullptr;
            const unsigned long rgb =
                hex.size() == 7 && hex[0] == '#' ? std::strtoul(hex.c_str() + 1, &end, 16) : 0;
            if (end == nullptr || *end != '\0') {
                throw Parse_Error("a colour is written #RRGGBB");
            }
            // The file keeps colours as 0x00BBGGRR.
            const Integer stored =
                static_cast<Integer>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
            Sudoku_Boards_FrameWork& board = P.Sudoku_Boards[b];
            board.Use_Cell_Colours = 1;
            for (int c = std::min(c1, c2); c <= std::max(c1, c2); ++c) {
                for (int r = std::min(r1, r2); r <= std::max(r1, r2); ++r) {
                    board.Cell_Colours[c][r] = stored;
                }
            }
        } else {
            throw Parse_Error("unknown statement \"" + key + "\"");
        }
    }

    void Finish() {
        Line_No = 0;
        if (P.Sudoku_Boards.empty()) {
            throw Parse_Error("the description has no board");
        }
        P.Info_Visible = (Info_Set && !Info_Hidden) ? 1 : 0;
        for (const std::vector<Region_Cell>& region : P.Custom_Regions) {
            if (region.empty()) {
                throw Parse_Error("a region has no cell");
            }
        }
        if (P.Custom_Regions_On) {
            Build_Cell_Regions(P);
        }
        if (Region_Borders) {
            if (!P.Custom_Regions_On) {
                throw Parse_Error("borders regions needs at least one region");
            }
            Draw_Region_Borders(P);
        }
        const std::string problem = Describe_Invariant_Violation(P);
        if (!problem.empty()) {
            throw Parse_Error(problem);
        }
    }
};

} // namespace

Description_Result Parse_Description(const std::string& text) {
    Parser parser(text);
    return parser.Run();
}

bool Is_Description_Statement(const std::string& word) {
    for (const char* statement :
         {"board", "samurai", "title", "link", "info", "join", "region", "region-map",
          "regions-only", "borders", "border", "colour", "color"}) {
        if (word == statement) {
            return true;
        }
    }
    return false;
}

void Draw_Region_Borders(Puzzle_State& puzzle) {
    for (std::size_t b = 0; b < puzzle.Sudoku_Boards.size(); ++b) {
        Sudoku_Boards_FrameWork& board = puzzle.Sudoku_Boards[b];
        const auto& index = puzzle.Cell_Regions[b];
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const auto& mine = index[c][r].Region_Numbers;
                if (mine.empty()) {
                    continue;
                }
                const int dc[4] = {0, 0, -1, 1};
                const int dr[4] = {-1, 1, 0, 0};
                for (int e = 0; e < 4; ++e) {
                    const int nc = c + dc[e];
                    const int nr = r + dr[e];
                    const bool inside = nc >= 0 && nr >= 0 && nc < board.Cols && nr < board.Rows;
                    if (!inside || index[nc][nr].Region_Numbers != mine) {
                        board.Cell_Borders[c][r][e] = 1;
                    }
                }
            }
        }
    }
}
