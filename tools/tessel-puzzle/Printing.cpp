#include "tools/tessel-puzzle/Printing.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "model/Board_Kinds.h"
#include "model/Cp1252.h"

const char* Verdict_Word(Check_Verdict verdict) {
    switch (verdict) {
    case Check_Verdict::Duplicates:
        return "duplicates";
    case Check_Verdict::All_Completed:
        return "complete";
    case Check_Verdict::Nothing_To_Say:
        break;
    }
    return "none";
}

namespace {

void Number_List(std::ostringstream& out, const std::vector<int>& numbers) {
    out << '[';
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        out << (i ? ", " : "") << numbers[i];
    }
    out << ']';
}

std::vector<int> Possible_Numbers(const Tracking_Array_FrameWork& t) {
    std::vector<int> numbers;
    for (std::size_t k = 0; k < t.Possible.size(); ++k) {
        if (t.Possible[k] != 0) {
            numbers.push_back(static_cast<int>(k) + 1);
        }
    }
    return numbers;
}

} // namespace

std::string State_Json(const Puzzle_State& state, Check_Verdict verdict) {
    std::ostringstream out;
    out << "{\"boards\": [";
    for (std::size_t b = 0; b < state.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        out << (b ? ", " : "") << "{\"type\": " << board.Board_Type
            << ", \"size\": " << board.Max_Number << ", \"cells\": [";
        for (int c = 0; c < board.Cols; ++c) {
            out << (c ? ", " : "") << '[';
            for (int r = 0; r < board.Rows; ++r) {
                const Tracking_Array_FrameWork& t = board.Cell_Tracking[c][r];
                out << (r ? ", " : "") << "{\"value\": " << board.Cell_Values[c][r]
                    << ", \"locked\": " << (board.Cell_Locked[c][r] ? "true" : "false")
                    << ", \"possible\": ";
                Number_List(out, Possible_Numbers(t));
                out << ", \"candidates\": ";
                Number_List(out, std::vector<int>(t.Candidates.begin(), t.Candidates.end()));
                // The player's notes, only where the cell has some.
                const Note_Set notes = board.Cell_Values[c][r] == 0 ? Notes_Of(board, c, r) : 0;
                if (notes != 0) {
                    std::vector<int> noted;
                    for (int n = 1; n <= board.Max_Number && n <= 32; ++n) {
                        if ((notes >> (n - 1) & 1u) != 0) {
                            noted.push_back(n);
                        }
                    }
                    out << ", \"notes\": ";
                    Number_List(out, noted);
                }
                out << '}';
            }
            out << ']';
        }
        out << "]}";
    }
    out << "], \"check\": \"" << Verdict_Word(verdict) << "\"}\n";
    return out.str();
}

std::string State_Text(const Puzzle_State& state) {
    std::ostringstream out;
    for (std::size_t b = 0; b < state.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        out << "board " << b << " (" << Kind_Name(board) << ")\n";
        // Each cell as text and its width in characters (a symbol may take several bytes).
        Cell_Grid<std::pair<std::string, std::size_t>> cells(
            board.Cols, std::vector<std::pair<std::string, std::size_t>>(board.Rows));
        std::size_t width = 1;
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                auto& [text, shown] = cells[c][r];
                const int value = board.Cell_Values[c][r];
                if (value != 0) {
                    // A locked number is marked with a star.
                    text = Number_Text(board, value) + (board.Cell_Locked[c][r] ? "*" : "");
                    shown = board.Cell_Locked[c][r] ? 2 : 1;
                } else {
                    text = "[";
                    shown = 2;
                    for (int n : Possible_Numbers(board.Cell_Tracking[c][r])) {
                        text += Number_Text(board, n);
                        ++shown;
                    }
                    text += "]";
                }
                width = std::max(width, shown);
            }
        }
        for (int r = 0; r < board.Rows; ++r) {
            out << ' ';
            for (int c = 0; c < board.Cols; ++c) {
                const auto& [text, shown] = cells[c][r];
                out << ' ' << text;
                if (c + 1 < board.Cols) {
                    out << std::string(width - shown, ' ');
                }
            }
            out << '\n';
        }
    }
    return out.str();
}

std::string Info_Text(const Puzzle_State& state) {
    std::ostringstream out;
    out << "boards: " << state.Sudoku_Boards.size() << '\n';
    for (std::size_t b = 0; b < state.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[b];
        int givens = 0;
        int entered = 0;
        int locked = 0;
        for (int c = 0; c < board.Cols; ++c) {
            for (int r = 0; r < board.Rows; ++r) {
                const bool filled = board.Cell_Values[c][r] != 0;
                locked += board.Cell_Locked[c][r] ? 1 : 0;
                givens += filled && board.Cell_Locked[c][r] ? 1 : 0;
                entered += filled && !board.Cell_Locked[c][r] ? 1 : 0;
            }
        }
        const Board_Position pos =
            b < state.Board_Positions.size() ? state.Board_Positions[b] : Board_Position{};
        out << "board " << b << ": " << Kind_Name(board) << ", size " << board.Max_Number
            << ", blocks " << board.Block_Width_Max + 1 << "x" << board.Block_Height_Max + 1
            << ", at " << pos.X << "," << pos.Y << ", givens " << givens << ", entered " << entered
            << ", locked cells " << locked;
        if (board.Use_Symbols) {
            out << ", symbols ";
            for (int n = 1; n <= board.Max_Number; ++n) {
                out << Number_Text(board, n);
            }
        }
        out << (board.Draw_Block_Lines ? "" : ", no block lines")
            << (board.Use_Cell_Colours ? ", cell colours" : "") << '\n';
        if (b < state.Board_Overlaps.size()) {
            const Sudoku_Grid_FrameWork& o = state.Board_Overlaps[b];
            for (std::size_t k = 0; k < o.Linked_Boards.size() && k < o.Link_Areas.size(); ++k) {
                const Link_Area& a = o.Link_Areas[k];
                out << "  link to board " << o.Linked_Boards[k] - 1 << ": this (" << a.This_Col
                    << "," << a.This_Row << ") other (" << a.Other_Col << "," << a.Other_Row
                    << ")\n";
            }
        }
    }
    out << "custom regions: " << (state.Custom_Regions_On ? "on" : "off") << ", "
        << state.Custom_Regions.size() << " region(s)";
    for (std::size_t k = 0; k < state.Custom_Regions.size(); ++k) {
        out << (k ? "; " : ": ") << state.Custom_Regions[k].size() << " cells";
        std::vector<int> boards;
        for (const Region_Cell& cell : state.Custom_Regions[k]) {
            bool seen = false;
            for (int x : boards) {
                seen = seen || x == cell.Board;
            }
            if (!seen) {
                boards.push_back(cell.Board);
            }
        }
        out << " on board" << (boards.size() > 1 ? "s " : " ");
        for (std::size_t i = 0; i < boards.size(); ++i) {
            out << (i ? "," : "") << boards[i];
        }
    }
    out << '\n';
    out << "regions only: " << (state.Regions_Only ? "yes" : "no") << '\n';
    out << "info panel: "
        << (state.Info_Visible ? "shown at " + std::to_string(state.Info_Left) + "," +
                                     std::to_string(state.Info_Top)
                               : std::string("hidden"))
        << '\n';
    out << "title: " << Cp1252_To_Utf8(state.Puzzle_Title.Text()) << '\n';
    out << "link: " << Cp1252_To_Utf8(state.Puzzle_Link.Text()) << '\n';
    return out.str();
}
