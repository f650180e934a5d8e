#include "logic/Generator.h"

#include <algorithm>

#include "logic/Random.h"
#include "logic/Solver.h"
#include "model/Board_Geometry.h"
#include "model/Puzzle_Description.h"
#include "page/Candidate_Engine.h"
#include "page/Entry_Check.h"
#include "page/Number_Locking.h"

bool Solved_By_Set_Numbers(const Puzzle_State& puzzle, bool help) {
    Puzzle_State play = puzzle;
    play.Help_Solve = help;
    if (play.Sudoku_Boards.empty()) {
        return false;
    }
    if (play.Custom_Regions_On) {
        Build_Cell_Regions(play);
    }
    Recompute_All(play);
    // Each round fills at least one cell, so the rounds are bounded by the cell count.
    while (Set_Numbers_Fill(play) > 0) {
    }
    for (const Sudoku_Boards_FrameWork& board : play.Sudoku_Boards) {
        for (const auto& column : board.Cell_Values) {
            for (Integer v : column) {
                if (v == 0) {
                    return false;
                }
            }
        }
    }
    return Check_Boards(play) == Check_Verdict::All_Completed;
}

Puzzle_Level Grade_By_Game_Help(const Puzzle_State& puzzle) {
    if (Solved_By_Set_Numbers(puzzle, false)) {
        return Puzzle_Level::Easy;
    }
    if (Solved_By_Set_Numbers(puzzle, true)) {
        return Puzzle_Level::Medium;
    }
    return Puzzle_Level::Hard;
}

namespace {

Puzzle_State Empty_Puzzle() {
    Puzzle_State p;
    p.Info_Visible = 0;
    return p;
}

int Add_Board_At(Puzzle_State& p, Integer type, int n, Flag wide, int x, int y) {
    const int b = Add_Board_Model(p, type, n, n, n, wide);
    p.Board_Overlaps.emplace_back();
    p.Board_Positions.push_back({x, y});
    return b;
}

void Link_Both(Puzzle_State& p, int a, int b, int dx, int dy) {
    auto link = [](int d) {
        return d >= 0 ? std::pair<int, int>{d + 1, 1} : std::pair<int, int>{1, -d + 1};
    };
    const auto [a_col, b_col] = link(dx);
    const auto [a_row, b_row] = link(dy);
    p.Board_Overlaps[a].Linked_Boards.push_back(b + 1);
    p.Board_Overlaps[a].Link_Areas.push_back({a_col, a_row, b_col, b_row});
    p.Board_Overlaps[b].Linked_Boards.push_back(a + 1);
    p.Board_Overlaps[b].Link_Areas.push_back({b_col, b_row, a_col, a_row});
}

bool Region_Connected(const std::vector<int>& region_of, int region) {
    std::vector<int> stack;
    std::vector<char> seen(81, 0);
    int size = 0;
    for (int i = 0; i < 81; ++i) {
        size += region_of[i] == region ? 1 : 0;
        if (stack.empty() && region_of[i] == region) {
            stack.push_back(i);
            seen[i] = 1;
        }
    }
    int reached = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++reached;
        const int c = i / 9;
        const int r = i % 9;
        const int nb[4][2] = {{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}};
        for (const auto& q : nb) {
            if (q[0] < 0 || q[0] > 8 || q[1] < 0 || q[1] > 8) {
                continue;
            }
            const int j = q[0] * 9 + q[1];
            if (!seen[j] && region_of[j] == region) {
                seen[j] = 1;
                stack.push_back(j);
            }
        }
    }
    return reached == size;
}

// Nine connected regions of nine cells, made by trading cells between neighbouring regions
// of the standard blocks.
std::vector<int> Random_Jigsaw(Tool_Random& random) {
    std::vector<int> region_of(81);
    for (int i = 0; i < 81; ++i) {
        region_of[i] = (i / 9 / 3) * 3 + (i % 9) / 3; // cell index = column * 9 + row
    }
    auto neighbours = [](int i) {
        std::vector<int> out;
        const int c = i / 9;
        const int r = i % 9;
        if (c > 0)
            out.push_back(i - 9);
        if (c < 8)
            out.push_back(i + 9);
        if (r > 0)
            out.push_back(i - 1);
        if (r < 8)
            out.push_back(i + 1);
        return out;
    };
    int trades = 0;
    for (int tries = 0; tries < 20000 && trades < 120; ++tries) {
        const int x = random.Below(81);
        const std::vector<int> nx = neighbours(x);
        const int y = nx[random.Below(static_cast<int>(nx.size()))];
        const int a = region_of[x];
        const int b = region_of[y];
        if (a == b) {
            continue;
        }
        // x moves from a to b; some cell z of b next to a moves back to a.
        std::vector<int> back;
        for (int z = 0; z < 81; ++z) {
            if (z == x || region_of[z] != b) {
                continue;
            }
            for (int w : neighbours(z)) {
                if (region_of[w] == a && w != x) {
                    back.push_back(z);
                    break;
                }
            }
        }
        if (back.empty()) {
            continue;
        }
        const int z = back[random.Below(static_cast<int>(back.size()))];
        region_of[x] = b;
        region_of[z] = a;
        if (Region_Connected(region_of, a) && Region_Connected(region_of, b)) {
            ++trades;
        } else {
            region_of[x] = a;
            region_of[z] = b;
        }
    }
    return region_of;
}

// The empty puzzle of a kind, false for an unknown kind.
bool Template_Of(const std::string& kind, Tool_Random& random, Puzzle_State& p) {
    p = Empty_Puzzle();
    if (kind == "classic" || kind == "symbols") {
        const int b = Add_Board_At(p, Board_Type_9x9, 9, 0, 20, 20);
        if (kind == "symbols") {
            p.Sudoku_Boards[b].Use_Symbols = 1;
            const std::string symbols = "ABCDEFGHI";
            for (int k = 0; k < 9; ++k) {
                p.Sudoku_Boards[b].Symbols[k] = static_cast<Byte>(symbols[k]);
            }
        }
    } else if (kind == "6x6-wide" || kind == "6x6-tall") {
        Add_Board_At(p, Board_Type_6x6, 6, kind == "6x6-wide" ? 1 : 0, 20, 20);
    } else if (kind == "samurai") {
        const int offsets[5][2] = {{0, 0}, {12, 0}, {6, 6}, {0, 12}, {12, 12}};
        for (const auto& off : offsets) {
            Add_Board_At(p, Board_Type_9x9, 9, 0, 20 + off[0] * 20, 20 + off[1] * 20);
        }
        for (int k : {0, 1, 3, 4}) {
            Link_Both(p, k, 2, offsets[2][0] - offsets[k][0], offsets[2][1] - offsets[k][1]);
        }
    } else if (kind == "jigsaw") {
        const int b = Add_Board_At(p, Board_Type_9x9, 9, 0, 20, 20);
        p.Sudoku_Boards[b].Draw_Block_Lines = 0;
        p.Custom_Regions_On = 1;
        p.Regions_Only = 1;
        const std::vector<int> region_of = Random_Jigsaw(random);
        p.Custom_Regions.assign(9, {});
        for (int i = 0; i < 81; ++i) {
            p.Custom_Regions[region_of[i]].push_back({b, i / 9, i % 9, 0});
        }
        Build_Cell_Regions(p);
        Draw_Region_Borders(p);
    } else {
        return false;
    }
    return true;
}

void Set_Variable(Puzzle_State& p, const Constraint_Structure& s, int v, int value) {
    for (int cell : s.Cells_Of_Var[v]) {
        for (std::size_t b = p.Sudoku_Boards.size(); b-- > 0;) {
            if (cell >= s.Board_Offset[b]) {
                Sudoku_Boards_FrameWork& board = p.Sudoku_Boards[b];
                const int local = cell - s.Board_Offset[b];
                board.Cell_Values[local / board.Rows][local % board.Rows] = value;
                board.Cell_Locked[local / board.Rows][local % board.Rows] = value != 0 ? 1 : 0;
                break;
            }
        }
    }
}

struct Attempt {
    Puzzle_State Puzzle;
    Puzzle_Level Level = Puzzle_Level::Easy;
    int Givens = 0;
};

// One puzzle: a random full grid, then givens taken away in random order for as long as
// the puzzle stays acceptable for the level asked (solvable by the game's help for easy and
// medium, unique for hard).
std::string Make_Attempt(const std::string& kind, Tool_Random& random, Puzzle_Level level,
                         Attempt& out) {
    Puzzle_State p;
    Constraint_Structure s;
    Solve_Result full;
    for (int layout = 0;; ++layout) {
        if (!Template_Of(kind, random, p)) {
            return "unknown kind \"" + kind +
                   "\" (classic, 6x6-wide, 6x6-tall, samurai, jigsaw, symbols)";
        }
        if (layout >= 50) {
            return "no full grid found for this kind";
        }
        s = Build_Constraint_Structure(p);
        full = Solve_Structure(s, 1, &random, 20000);
        if (full.Count == 1) {
            break;
        }
    }
    for (int v = 0; v < s.Var_Count; ++v) {
        Set_Variable(p, s, v, full.Solution[v]);
    }
    std::vector<int> order(s.Var_Count);
    for (int v = 0; v < s.Var_Count; ++v) {
        order[v] = v;
    }
    random.Shuffle(order);
    int givens = s.Var_Count;
    for (int v : order) {
        Set_Variable(p, s, v, 0);
        bool keep_out = false;
        if (level == Puzzle_Level::Hard) {
            keep_out = Count_Solutions(p, 2).Count == 1;
        } else {
            keep_out = Solved_By_Set_Numbers(p, level == Puzzle_Level::Medium);
        }
        if (keep_out) {
            --givens;
        } else {
            Set_Variable(p, s, v, full.Solution[v]);
        }
    }
    out.Puzzle = std::move(p);
    out.Level = Grade_By_Game_Help(out.Puzzle);
    out.Givens = givens;
    return {};
}

} // namespace

Generate_Result Generate_Puzzle(const std::string& kind, std::uint64_t seed, Puzzle_Level level) {
    Generate_Result result;
    Tool_Random random(seed);
    const int attempts = level == Puzzle_Level::Easy ? 1 : 8;
    bool have = false;
    Attempt best;
    for (int a = 0; a < attempts; ++a) {
        Attempt attempt;
        result.Error = Make_Attempt(kind, random, level, attempt);
        if (!result.Error.empty()) {
            return result;
        }
        // The closest level wins; between equals the first one made.
        const bool better = !have || (attempt.Level <= level && attempt.Level > best.Level);
        if (better) {
            best = std::move(attempt);
            have = true;
        }
        if (best.Level == level) {
            break;
        }
    }
    result.Puzzle = std::move(best.Puzzle);
    result.Reached = best.Level;
    result.Givens = best.Givens;
    return result;
}
