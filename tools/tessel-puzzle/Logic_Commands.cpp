#include "tools/tessel-puzzle/Logic_Commands.h"

#include <fstream>
#include <sstream>

#include "io/Puzzle_File.h"
#include "logic/Classic_Solver.h"
#include "logic/Grading.h"
#include "logic/Hint.h"
#include "logic/Stepper.h"

namespace {

enum Exit_Code { Done = 0, Failed = 1 };

std::string Json_String(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        const unsigned char u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            static const char* const hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void Places_Json(std::ostream& out, const std::vector<Number_Place>& places) {
    out << '[';
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Number_Place& p = places[i];
        out << (i ? ", " : "") << '[' << p.Board << ", " << p.Col << ", " << p.Row << ", "
            << p.Number << ']';
    }
    out << ']';
}

void Step_Json_Fields(std::ostream& out, const Step& step) {
    out << "\"technique\": " << Json_String(Technique_Name(step.Kind))
        << ", \"score\": " << Technique_Score(step.Kind)
        << ", \"rating\": " << Rating_Text(step.Rating) << ", \"text\": " << Json_String(step.Text)
        << ", \"placements\": ";
    Places_Json(out, step.Placements);
    out << ", \"eliminations\": ";
    Places_Json(out, step.Eliminations);
    out << ", \"cells\": [";
    for (std::size_t i = 0; i < step.Cells.size(); ++i) {
        const Cell_Place& c = step.Cells[i];
        out << (i ? ", " : "") << '[' << c.Board << ", " << c.Col << ", " << c.Row << ']';
    }
    out << "], \"units\": [";
    for (std::size_t i = 0; i < step.Units.size(); ++i) {
        const Unit_Id& u = step.Units[i];
        out << (i ? ", " : "") << "{\"kind\": \"" << Unit_Kind_Name(u.Kind) << '"';
        if (u.Kind != Unit_Kind::Region) {
            out << ", \"board\": " << u.Board;
        }
        out << ", \"index\": " << u.Index << '}';
    }
    out << ']';
    if (!step.Links.empty()) {
        out << ", \"links\": [";
        for (std::size_t i = 0; i < step.Links.size(); ++i) {
            const Step_Link& l = step.Links[i];
            out << (i ? ", " : "") << "{\"from\": [" << l.From.Board << ", " << l.From.Col << ", "
                << l.From.Row << ", " << l.Number_From << "], \"to\": [" << l.To.Board << ", "
                << l.To.Col << ", " << l.To.Row << ", " << l.Number_To
                << "], \"strong\": " << (l.Strong ? "true" : "false") << '}';
        }
        out << ']';
    }
}

// The first count steps, as an array of step objects.
void Steps_Json(std::ostream& out, const std::vector<Step>& steps, std::size_t count) {
    out << '[';
    for (std::size_t i = 0; i < count; ++i) {
        out << (i ? ", {" : "{");
        Step_Json_Fields(out, steps[i]);
        out << '}';
    }
    out << ']';
}

bool Read(const std::string& path, Puzzle_State& puzzle, std::ostream& err) {
    Puzzle_Read_Result read = Read_Puzzle_File(path);
    if (!read.Ok()) {
        err << path << ": " << read.Error << '\n';
        return false;
    }
    if (read.Puzzle.Sudoku_Boards.empty()) {
        err << path << ": the file holds no board\n";
        return false;
    }
    puzzle = std::move(read.Puzzle);
    return true;
}

} // namespace

int Hint_Command(const std::string& path, bool json, std::ostream& out, std::ostream& err) {
    Puzzle_State puzzle;
    if (!Read(path, puzzle, err)) {
        return Failed;
    }
    const Hint hint = Find_Hint(puzzle);
    switch (hint.Kind) {
    case Hint_Kind::Next_Number:
        if (json) {
            // The step that places the number; the steps that lead to it, if any, under
            // "before".
            out << '{';
            Step_Json_Fields(out, hint.Steps.back());
            if (hint.Steps.size() > 1) {
                out << ", \"before\": ";
                Steps_Json(out, hint.Steps, hint.Steps.size() - 1);
            }
            out << "}\n";
        } else {
            for (const Step& step : hint.Steps) {
                out << step.Text << '\n';
            }
        }
        return Done;
    case Hint_Kind::Wrong_Entries:
        if (json) {
            out << "{\"wrong\": ";
            Places_Json(out, hint.Wrong);
            out << "}\n";
        } else {
            out << hint.Text << '\n';
        }
        return Done;
    case Hint_Kind::No_Solution:
    case Hint_Kind::Many_Solutions:
        if (json) {
            out << "{\"solutions\": " << hint.Solutions << "}\n";
        } else {
            out << hint.Text << '\n';
        }
        return Failed;
    case Hint_Kind::Already_Solved:
        out << (json ? "{\"solved\": true}" : hint.Text) << '\n';
        return Done;
    case Hint_Kind::Undecided:
    case Hint_Kind::No_Logical_Step:
        break;
    }
    err << path << ": " << hint.Text << '\n';
    return Failed;
}

int Steps_Command(const std::string& path, bool json, std::ostream& out, std::ostream& err) {
    Puzzle_State puzzle;
    if (!Read(path, puzzle, err)) {
        return Failed;
    }
    Logic_State state(std::make_shared<const Logic_Shape>(puzzle));
    Confirm_Unique_Solution(state);
    const Steps_Result result = All_Steps(state);
    if (json) {
        out << "{\"steps\": ";
        Steps_Json(out, result.Steps, result.Steps.size());
        out << ", \"solved\": " << (result.Solved ? "true" : "false") << "}\n";
    } else {
        for (std::size_t i = 0; i < result.Steps.size(); ++i) {
            out << i + 1 << ". " << result.Steps[i].Text << '\n';
        }
        out << (result.Solved ? "solved" : "not solved") << '\n';
    }
    if (!result.Solved) {
        err << path << ": " << result.Stop_Reason << '\n';
        return Failed;
    }
    return Done;
}

int Grade_Command(const std::string& path, bool json, std::ostream& out, std::ostream& err) {
    Puzzle_State puzzle;
    if (!Read(path, puzzle, err)) {
        return Failed;
    }
    const Grade_Result grade = Grade_Puzzle(puzzle);
    if (json) {
        out << "{\"level\": \"" << Level_Name(grade.Level) << "\", \"score\": " << grade.Score
            << ", \"rating\": " << Rating_Text(grade.Rating) << ", \"techniques\": {";
        bool first = true;
        for (const auto& [name, count] : grade.Techniques) {
            out << (first ? "" : ", ") << Json_String(name) << ": " << count;
            first = false;
        }
        out << "}}\n";
    } else {
        out << "level: " << Level_Name(grade.Level) << "\nscore: " << grade.Score
            << "\nrating: " << Rating_Text(grade.Rating) << '\n';
        for (const auto& [name, count] : grade.Techniques) {
            out << "  " << name << ": " << count << '\n';
        }
        if (!grade.Solved) {
            out << "not solved by the techniques\n";
        }
    }
    return Done;
}

namespace {

// Runs work on every line of the file that is not blank; a line that is not a classic puzzle
// prints "invalid" in its place and a message, and the exit is then 1.
template <typename Work>
int For_Each_Line(const std::string& path, std::ostream& out, std::ostream& err, Work work) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        err << path << ": cannot be read\n";
        return Failed;
    }
    std::string line;
    long long number = 0;
    bool all_good = true;
    while (std::getline(in, line)) {
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        Classic_Grid grid{};
        std::string error;
        if (!Parse_Classic_Line(line, grid, error)) {
            err << path << ": line " << number << ": " << error << '\n';
            out << "invalid\n";
            all_good = false;
            continue;
        }
        work(grid);
    }
    return all_good ? Done : Failed;
}

} // namespace

int Solve_Lines_Command(const std::string& path, std::ostream& out, std::ostream& err) {
    std::string text;
    const int code = For_Each_Line(path, out, err, [&](const Classic_Grid& grid) {
        const Classic_Solve_Result r = Solve_Classic(grid, 2);
        text = std::to_string(r.Count);
        if (r.Count > 0) {
            text += ' ';
            for (std::int8_t d : r.Solution) {
                text += static_cast<char>('0' + d);
            }
        }
        text += '\n';
        out << text;
    });
    return code;
}

int Grade_Lines_Command(const std::string& path, std::ostream& out, std::ostream& err) {
    return For_Each_Line(path, out, err, [&](const Classic_Grid& grid) {
        Puzzle_State puzzle;
        Add_Board_Model(puzzle, Board_Type_9x9, 9, 9, 9, 0);
        puzzle.Board_Overlaps.resize(1);
        puzzle.Board_Positions.resize(1);
        for (int i = 0; i < 81; ++i) {
            puzzle.Sudoku_Boards[0].Cell_Values[i % 9][i / 9] = grid[i];
            puzzle.Sudoku_Boards[0].Cell_Locked[i % 9][i / 9] = grid[i] != 0 ? 1 : 0;
        }
        const Grade_Result grade = Grade_Puzzle(puzzle);
        out << Level_Name(grade.Level) << ' ' << grade.Score << ' ' << Rating_Text(grade.Rating)
            << '\n';
    });
}
