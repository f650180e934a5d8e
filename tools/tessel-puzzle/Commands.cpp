#include "tools/tessel-puzzle/Commands.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>

#include "engine/Candidate_Engine.h"
#include "engine/Entry_Check.h"
#include "engine/Number_Locking.h"
#include "io/Puzzle_Description.h"
#include "io/Puzzle_File.h"
#include "logic/Generator.h"
#include "logic/Solver.h"
#include "model/Board_Geometry.h"
#include "render/Puzzle_Sheet.h"
#include "session/Game_Session.h"
#include "session/Puzzle_Loading.h"
#include "tools/tessel-puzzle/Import_Commands.h"
#include "tools/tessel-puzzle/Logic_Commands.h"
#include "tools/tessel-puzzle/Printing.h"
#include "tools/tessel-puzzle/Render_Command.h"

const char* const Tool_Usage =
    "usage: tessel-puzzle COMMAND ...\n"
    "  info FILE\n"
    "  check FILE\n"
    "  candidates FILE [--help-solve] [--engine E] [--json]\n"
    "  play FILE [--move B,C,R,N ...] [--help-solve] [--engine E] [--json] [-o OUT]\n"
    "  set-numbers FILE [--help-solve] [--repeat K] [--engine E] [--json] [-o OUT]\n"
    "  solve FILE [--limit K] [-o OUT]\n"
    "  solve --lines FILE      (one classic puzzle a line: solution count up to 2, solution)\n"
    "  hint FILE [--json]\n"
    "  steps FILE [--json]\n"
    "  grade FILE [--json]\n"
    "  grade --lines FILE      (one classic puzzle a line: level, score and rating)\n"
    "  make DESCRIPTION -o FILE\n"
    "  generate KIND [--seed S] [--level easy|medium|hard|expert|extreme]\n"
    "           [--symmetry none|rotational] -o FILE\n"
    "     KIND: classic, 6x6-wide, 6x6-tall, 4x4, 8x8-wide, 8x8-tall, 12x12-wide,\n"
    "           12x12-tall, 16x16, jigsaw, symbols, samurai, twin, butterfly, sohei, windmill\n"
    "  import FILE [--index K] -o OUT [--tall]\n"
    "     FILE: a puzzle as text (one line, .sdk, .ss, .sdm or a description; - for standard\n"
    "     input); K picks one of the puzzles of an .sdm file, from 1 (default 1); --tall\n"
    "     gives 6x6, 8x8 and 12x12 boards tall blocks where the text does not show them\n"
    "  render FILE -o OUT.png|OUT.pdf [--labels] [--help-solve] [--index K] [--tall]\n"
    "     the page as the game shows it (any format the game reads), drawn without a display\n"
    "  print FILE -o OUT.pdf [--labels] [--paper a4|letter] [--index K] [--tall]\n"
    "     the puzzle sheet the game prints: the boards in black on white, scaled to the paper\n"
    "     (by default the locale's), with the title, the kind and the level\n"
    "  --engine fast (the default), reference (the literal candidate engine), or compare\n"
    "     (both, on the same work: reports whether every cell agrees and the time of each)\n";

namespace {

enum Exit_Code { Done = 0, Failed = 1, Bad_Argument = 2 };

struct Usage_Error {
    std::string Message;
};

struct Move {
    int Board = 0;
    int Col = 0;
    int Row = 0;
    int Number = 0;
};

// The arguments of one subcommand.
struct Arguments {
    std::vector<std::string> Positional;
    bool Help_Solve = false;
    bool Labels = false;
    bool Json = false;
    bool Lines = false;
    bool Tall = false;
    std::string Output;
    bool Has_Output = false;
    std::vector<Move> Moves;
    long long Repeat = 1;
    long long Limit = 2;
    std::string Seed;
    std::string Level = "medium";
    std::string Symmetry = "rotational";
    std::string Engine = "fast";
    long long Index = 1;
    std::optional<Sheet_Paper> Paper;
};

bool Whole_Number(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || v < low || v > high) {
        return false;
    }
    value = v;
    return true;
}

bool Parse_Move(const std::string& text, Move& move) {
    std::vector<long long> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        long long v = 0;
        if (!Whole_Number(part, -1000000, 1000000, v)) {
            return false;
        }
        parts.push_back(v);
    }
    if (parts.size() != 4 || text.back() == ',') {
        return false;
    }
    move = {static_cast<int>(parts[0]), static_cast<int>(parts[1]), static_cast<int>(parts[2]),
            static_cast<int>(parts[3])};
    return true;
}

// Reads the options a subcommand accepts, in any order among its positional arguments.
Arguments Parse_Arguments(const std::vector<std::string>& args, const std::string& allowed,
                          std::size_t positional) {
    Arguments a;
    auto accepts = [&](const std::string& option) {
        return (" " + allowed + " ").find(" " + option + " ") != std::string::npos;
    };
    auto value_of = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) {
            throw Usage_Error{args[i] + " needs a value"};
        }
        return args[++i];
    };
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            if (!accepts(arg)) {
                throw Usage_Error{"unknown option " + arg + " for " + args[0]};
            }
            if (arg == "--help-solve") {
                a.Help_Solve = true;
            } else if (arg == "--labels") {
                a.Labels = true;
            } else if (arg == "--json") {
                a.Json = true;
            } else if (arg == "--lines") {
                a.Lines = true;
            } else if (arg == "--tall") {
                a.Tall = true;
            } else if (arg == "-o") {
                a.Output = value_of(i);
                a.Has_Output = true;
                if (a.Output.empty()) {
                    throw Usage_Error{"-o needs a file name"};
                }
            } else if (arg == "--move") {
                Move m;
                if (!Parse_Move(value_of(i), m)) {
                    throw Usage_Error{"a move is written B,C,R,N (board, column, row, number), "
                                      "not \"" +
                                      args[i] + "\""};
                }
                a.Moves.push_back(m);
                // Further moves may follow the same --move.
                while (i + 1 < args.size() && Parse_Move(args[i + 1], m)) {
                    a.Moves.push_back(m);
                    ++i;
                }
            } else if (arg == "--repeat") {
                if (!Whole_Number(value_of(i), 1, 1000000, a.Repeat)) {
                    throw Usage_Error{"--repeat needs a whole number from 1, not \"" + args[i] +
                                      "\""};
                }
            } else if (arg == "--limit") {
                if (!Whole_Number(value_of(i), 1, 1000000, a.Limit)) {
                    throw Usage_Error{"--limit needs a whole number from 1, not \"" + args[i] +
                                      "\""};
                }
            } else if (arg == "--index") {
                if (!Whole_Number(value_of(i), 1, 1000000000, a.Index)) {
                    throw Usage_Error{"--index needs a whole number from 1, not \"" + args[i] +
                                      "\""};
                }
            } else if (arg == "--paper") {
                Sheet_Paper paper = Sheet_Paper::A4;
                if (!Parse_Sheet_Paper(value_of(i), paper)) {
                    throw Usage_Error{"--paper is a4 or letter, not \"" + args[i] + "\""};
                }
                a.Paper = paper;
            } else if (arg == "--seed") {
                a.Seed = value_of(i);
            } else if (arg == "--level") {
                a.Level = value_of(i);
            } else if (arg == "--symmetry") {
                a.Symmetry = value_of(i);
            } else if (arg == "--engine") {
                a.Engine = value_of(i);
                if (a.Engine != "fast" && a.Engine != "reference" && a.Engine != "compare") {
                    throw Usage_Error{"--engine is fast, reference or compare, not \"" + a.Engine +
                                      "\""};
                }
            }
        } else {
            a.Positional.push_back(arg);
        }
    }
    if (a.Positional.size() != positional) {
        throw Usage_Error{args[0] + " takes " + std::to_string(positional) + " file or kind, got " +
                          std::to_string(a.Positional.size())};
    }
    return a;
}

// Loads a file as the game does: the reader, then the region index and a full
// recomputation, with "Help me Solve it" as asked.
bool Load_As_Game(const std::string& path, bool help, Puzzle_State& state, std::ostream& err) {
    state = Puzzle_State{};
    state.Help_Solve = help;
    const std::string error = Load_Puzzle_File_Into(state, path);
    if (!error.empty()) {
        err << path << ": " << error << '\n';
        return false;
    }
    return true;
}

bool Save(const std::string& path, const Puzzle_State& state, std::ostream& err) {
    const std::string error = Write_Puzzle_File(path, state);
    if (!error.empty()) {
        err << path << ": " << error << '\n';
        return false;
    }
    return true;
}

void Print_State(const Puzzle_State& state, bool json, std::ostream& out) {
    const Check_Verdict verdict = Check_Boards(state);
    if (json) {
        out << State_Json(state, verdict);
        return;
    }
    out << State_Text(state);
    out << "check: " << Verdict_Word(verdict);
    const char* message = Check_Message(verdict);
    if (message != nullptr && *message != '\0') {
        out << " (" << message << ")";
    }
    out << '\n';
}

int Info(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Puzzle_Read_Result read = Read_Puzzle_File(a.Positional[0]);
    if (!read.Ok()) {
        err << a.Positional[0] << ": " << read.Error << '\n';
        return Failed;
    }
    out << Info_Text(read.Puzzle);
    return Done;
}

int Check(const Arguments& a, std::ostream& out, std::ostream& err) {
    const Puzzle_Read_Result read = Read_Puzzle_File(a.Positional[0]);
    if (!read.Ok()) {
        err << a.Positional[0] << ": " << read.Error << '\n';
        return Failed;
    }
    out << a.Positional[0] << ": good, " << read.Puzzle.Sudoku_Boards.size() << " board(s)\n";
    return Done;
}

// Runs the work with the engine the arguments ask for. With "compare" it runs twice on fresh
// states, the literal engine first, reports whether every cell's candidate tracking agrees
// and how long each run took, and leaves the fast engine's state for the output.
int With_Engine(const Arguments& a, Puzzle_State& state, std::ostream& out,
                const std::function<int(Puzzle_State&)>& work) {
    const Engine_Choice saved = Current_Engine_Choice();
    if (a.Engine != "compare") {
        Set_Engine_Choice(a.Engine == "reference" ? Engine_Choice::Reference : Engine_Choice::Fast);
        const int code = work(state);
        Set_Engine_Choice(saved);
        return code;
    }
    auto timed = [&](Engine_Choice engine, Puzzle_State& s, double& ms) {
        Set_Engine_Choice(engine);
        const auto start = std::chrono::steady_clock::now();
        const int code = work(s);
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                 .count();
        Set_Engine_Choice(saved);
        return code;
    };
    Puzzle_State reference;
    double reference_ms = 0;
    double fast_ms = 0;
    const int code = timed(Engine_Choice::Reference, reference, reference_ms);
    if (code != Done) {
        return code;
    }
    const int fast_code = timed(Engine_Choice::Fast, state, fast_ms);
    if (fast_code != Done) {
        return fast_code;
    }
    long differing = 0;
    for (std::size_t b = 0; b < state.Sudoku_Boards.size(); ++b) {
        const Sudoku_Boards_FrameWork& x = reference.Sudoku_Boards[b];
        const Sudoku_Boards_FrameWork& y = state.Sudoku_Boards[b];
        for (std::size_t c = 0; c < y.Cell_Tracking.size(); ++c) {
            for (std::size_t r = 0; r < y.Cell_Tracking[c].size(); ++r) {
                const Tracking_Array_FrameWork& p = x.Cell_Tracking[c][r];
                const Tracking_Array_FrameWork& q = y.Cell_Tracking[c][r];
                differing += p.Possible != q.Possible || p.Candidates != q.Candidates ||
                             p.Candidate_Count != q.Candidate_Count ||
                             x.Cell_Values[c][r] != y.Cell_Values[c][r];
            }
        }
    }
    out << "engines: " << (differing == 0 ? "identical" : "DIFFERENT") << ", reference "
        << reference_ms << " ms, fast " << fast_ms << " ms";
    if (differing != 0) {
        out << ", " << differing << " cell(s) differ\n";
        return Failed;
    }
    out << '\n';
    return Done;
}

int Candidates(const Arguments& a, std::ostream& out, std::ostream& err) {
    Puzzle_State state;
    const int code = With_Engine(a, state, out, [&](Puzzle_State& s) {
        return Load_As_Game(a.Positional[0], a.Help_Solve, s, err) ? Done : Failed;
    });
    if (code != Done) {
        return code;
    }
    Print_State(state, a.Json, out);
    return Done;
}

int Play_Moves(const Arguments& a, Puzzle_State& state, std::ostream& err) {
    if (!Load_As_Game(a.Positional[0], a.Help_Solve, state, err)) {
        return Failed;
    }
    Game_Session session(state);
    for (std::size_t i = 0; i < a.Moves.size(); ++i) {
        const Move& m = a.Moves[i];
        const std::string name = "move " + std::to_string(i + 1) + " (" + std::to_string(m.Board) +
                                 "," + std::to_string(m.Col) + "," + std::to_string(m.Row) + "," +
                                 std::to_string(m.Number) + ")";
        if (!Cell_Exists(state, m.Board, m.Col, m.Row)) {
            err << name << " is outside the boards\n";
            return Bad_Argument;
        }
        const Sudoku_Boards_FrameWork& board = state.Sudoku_Boards[m.Board];
        if (m.Number < 0 || m.Number > board.Max_Number) {
            err << name << ": the board holds numbers 1 to " << board.Max_Number << " (0 clears)\n";
            return Bad_Argument;
        }
        if (session.Is_Locked(m.Board, m.Col, m.Row)) {
            err << name << ": the cell is locked\n";
            return Bad_Argument;
        }
        session.Enter(m.Board, m.Col, m.Row, m.Number);
    }
    return Done;
}

int Play(const Arguments& a, std::ostream& out, std::ostream& err) {
    Puzzle_State state;
    const int code =
        With_Engine(a, state, out, [&](Puzzle_State& s) { return Play_Moves(a, s, err); });
    if (code != Done) {
        return code;
    }
    Print_State(state, a.Json, out);
    if (a.Has_Output && !Save(a.Output, state, err)) {
        return Failed;
    }
    return Done;
}

int Set_Numbers(const Arguments& a, std::ostream& out, std::ostream& err) {
    Puzzle_State state;
    std::ostringstream rounds;
    long long total = 0;
    long long done = 0;
    const int code = With_Engine(a, state, out, [&](Puzzle_State& s) {
        if (!Load_As_Game(a.Positional[0], a.Help_Solve, s, err)) {
            return static_cast<int>(Failed);
        }
        rounds.str("");
        total = 0;
        done = 0;
        for (; done < a.Repeat; ++done) {
            const int filled = Set_Numbers_Fill(s);
            if (filled == 0) {
                break;
            }
            total += filled;
            rounds << "round " << done + 1 << ": filled " << filled << '\n';
        }
        return static_cast<int>(Done);
    });
    if (code != Done) {
        return code;
    }
    if (!a.Json) {
        out << rounds.str() << "filled " << total << " cell(s) in " << done << " round(s)\n";
    }
    Print_State(state, a.Json, out);
    if (a.Has_Output && !Save(a.Output, state, err)) {
        return Failed;
    }
    return Done;
}

int Solve(const Arguments& a, std::ostream& out, std::ostream& err) {
    Puzzle_Read_Result read = Read_Puzzle_File(a.Positional[0]);
    if (!read.Ok()) {
        err << a.Positional[0] << ": " << read.Error << '\n';
        return Failed;
    }
    const Constraint_Structure structure = Build_Constraint_Structure(read.Puzzle);
    const Solve_Result result = Solve_Structure(structure, static_cast<int>(a.Limit));
    if (result.Count == 0) {
        out << "no solution\n";
    } else if (result.Count == 1 && a.Limit > 1) {
        out << "unique\n";
    } else {
        out << "at least " << result.Count << " solution" << (result.Count > 1 ? "s" : "") << '\n';
    }
    if (a.Has_Output) {
        if (result.Count == 0) {
            err << "no solution to write\n";
            return Failed;
        }
        Apply_Solution(read.Puzzle, structure, result.Solution);
        if (!Save(a.Output, read.Puzzle, err)) {
            return Failed;
        }
    }
    return Done;
}

int Make(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (!a.Has_Output) {
        throw Usage_Error{"make needs -o FILE"};
    }
    std::string text;
    const std::string& path = a.Positional[0];
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            err << path << ": cannot be read\n";
            return Failed;
        }
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const Description_Result made = Parse_Description(text);
    if (!made.Ok()) {
        err << path << ": " << made.Error << '\n';
        return Failed;
    }
    // What the writer produces must come back through the reader.
    const Puzzle_Read_Result back = Read_Puzzle_Bytes(Write_Puzzle_Bytes(made.Puzzle));
    if (!back.Ok()) {
        err << path << ": the puzzle would be refused: " << back.Error << '\n';
        return Failed;
    }
    if (!Save(a.Output, made.Puzzle, err)) {
        return Failed;
    }
    const Solve_Result solutions = Count_Solutions(made.Puzzle, 2);
    out << "wrote " << a.Output << ": " << made.Puzzle.Sudoku_Boards.size() << " board(s), "
        << (solutions.Count == 0   ? "no solution"
            : solutions.Count == 1 ? "unique solution"
                                   : "more than one solution")
        << '\n';
    return Done;
}

int Generate(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (!a.Has_Output) {
        throw Usage_Error{"generate needs -o FILE"};
    }
    Puzzle_Level level = Puzzle_Level::Medium;
    if (!Parse_Level(a.Level, level)) {
        throw Usage_Error{"--level is easy, medium, hard, expert or extreme, not \"" + a.Level +
                          "\""};
    }
    Generate_Options options;
    options.Two_Threads = true;
    if (!Parse_Symmetry(a.Symmetry, options.Symmetry)) {
        throw Usage_Error{"--symmetry is none or rotational, not \"" + a.Symmetry + "\""};
    }
    std::uint64_t seed = 0;
    if (a.Seed.empty()) {
        std::random_device device;
        seed = (static_cast<std::uint64_t>(device()) << 32) | device();
    } else {
        char* end = nullptr;
        seed = std::strtoull(a.Seed.c_str(), &end, 10);
        if (a.Seed[0] == '-' || *end != '\0' || a.Seed.size() > 20) {
            throw Usage_Error{"--seed needs a whole number from 0, not \"" + a.Seed + "\""};
        }
    }
    if (!Is_Puzzle_Kind(a.Positional[0])) {
        throw Usage_Error{"unknown kind \"" + a.Positional[0] + "\" (" + Puzzle_Kind_Names() + ")"};
    }
    const Generate_Result made = Generate_Puzzle(a.Positional[0], seed, level, options);
    if (!made.Ok()) {
        err << "tessel-puzzle: " << made.Error << '\n';
        return Failed;
    }
    if (!Save(a.Output, made.Puzzle, err)) {
        return Failed;
    }
    out << "wrote " << a.Output << ": " << a.Positional[0] << ", seed " << seed << ", level "
        << Level_Name(made.Reached) << " (asked " << Level_Name(level) << "), score " << made.Score
        << ", " << made.Givens << " givens, " << (made.Symmetric ? "symmetric" : "not symmetric")
        << '\n';
    if (level > Highest_Level_Of_Kind(a.Positional[0])) {
        out << "a " << a.Positional[0] << " puzzle is never harder than "
            << Level_Name(Highest_Level_Of_Kind(a.Positional[0]))
            << "; this is one of that level\n";
    } else if (!made.Level_Reached()) {
        out << "the level asked was not reached within the search budget; this is the closest "
               "puzzle found\n";
    }
    return Done;
}

} // namespace

int Run_Tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << Tool_Usage;
        return args.empty() ? Bad_Argument : Done;
    }
    const std::string& command = args[0];
    try {
        if (command == "info") {
            return Info(Parse_Arguments(args, "", 1), out, err);
        }
        if (command == "check") {
            return Check(Parse_Arguments(args, "", 1), out, err);
        }
        if (command == "candidates") {
            return Candidates(Parse_Arguments(args, "--help-solve --engine --json", 1), out, err);
        }
        if (command == "play") {
            return Play(Parse_Arguments(args, "--move --help-solve --engine --json -o", 1), out,
                        err);
        }
        if (command == "set-numbers") {
            return Set_Numbers(Parse_Arguments(args, "--help-solve --repeat --engine --json -o", 1),
                               out, err);
        }
        if (command == "solve") {
            const Arguments a = Parse_Arguments(args, "--limit -o --lines", 1);
            if (a.Lines && (a.Has_Output || a.Limit != 2)) {
                throw Usage_Error{"solve --lines takes no other option"};
            }
            return a.Lines ? Solve_Lines_Command(a.Positional[0], out, err) : Solve(a, out, err);
        }
        if (command == "hint") {
            const Arguments a = Parse_Arguments(args, "--json", 1);
            return Hint_Command(a.Positional[0], a.Json, out, err);
        }
        if (command == "steps") {
            const Arguments a = Parse_Arguments(args, "--json", 1);
            return Steps_Command(a.Positional[0], a.Json, out, err);
        }
        if (command == "grade") {
            const Arguments a = Parse_Arguments(args, "--json --lines", 1);
            if (a.Lines && a.Json) {
                throw Usage_Error{"grade --lines prints plain lines, not --json"};
            }
            return a.Lines ? Grade_Lines_Command(a.Positional[0], out, err)
                           : Grade_Command(a.Positional[0], a.Json, out, err);
        }
        if (command == "make") {
            return Make(Parse_Arguments(args, "-o", 1), out, err);
        }
        if (command == "generate") {
            return Generate(Parse_Arguments(args, "--seed --level --symmetry -o", 1), out, err);
        }
        if (command == "import") {
            const Arguments a = Parse_Arguments(args, "--index --tall -o", 1);
            if (!a.Has_Output) {
                throw Usage_Error{"import needs -o FILE"};
            }
            return Import_Text(a.Positional[0], a.Index, a.Tall, a.Output, out, err);
        }
        if (command == "render") {
            const Arguments a = Parse_Arguments(args, "--labels --help-solve --index --tall -o", 1);
            if (!a.Has_Output) {
                throw Usage_Error{"render needs -o OUT.png or -o OUT.pdf"};
            }
            return Render_Puzzle(a.Positional[0], a.Index, a.Tall, a.Output, a.Labels, a.Help_Solve,
                                 out, err);
        }
        if (command == "print") {
            const Arguments a = Parse_Arguments(args, "--labels --paper --index --tall -o", 1);
            if (!a.Has_Output) {
                throw Usage_Error{"print needs -o OUT.pdf"};
            }
            return Print_Puzzle(a.Positional[0], a.Index, a.Tall, a.Output, a.Labels, a.Paper, out,
                                err);
        }
        throw Usage_Error{"unknown command \"" + command + "\""};
    } catch (const Usage_Error& e) {
        err << "tessel-puzzle: " << e.Message << '\n' << Tool_Usage;
        return Bad_Argument;
    }
}
