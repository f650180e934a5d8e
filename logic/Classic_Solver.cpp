#include "logic/Classic_Solver.h"

namespace {

using Mask = std::uint16_t;
constexpr Mask All = 0x1FF;

struct Tables {
    std::array<std::array<std::uint8_t, 20>, 81> Peers{};
    std::array<std::array<std::uint8_t, 9>, 27> Units{};
};

Tables Make_Tables() {
    Tables t;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            t.Units[i][j] = static_cast<std::uint8_t>(i * 9 + j);
            t.Units[9 + i][j] = static_cast<std::uint8_t>(j * 9 + i);
            t.Units[18 + i][j] =
                static_cast<std::uint8_t>((i / 3 * 3 + j / 3) * 9 + i % 3 * 3 + j % 3);
        }
    }
    for (int cell = 0; cell < 81; ++cell) {
        const int r = cell / 9;
        const int c = cell % 9;
        int n = 0;
        for (int other = 0; other < 81; ++other) {
            const int orow = other / 9;
            const int ocol = other % 9;
            const bool peer = other != cell &&
                              (orow == r || ocol == c || (orow / 3 == r / 3 && ocol / 3 == c / 3));
            if (peer) {
                t.Peers[cell][n++] = static_cast<std::uint8_t>(other);
            }
        }
    }
    return t;
}

const Tables& Table() {
    static const Tables tables = Make_Tables();
    return tables;
}

struct Board {
    std::array<Mask, 81> Cand;
    std::array<std::int8_t, 81> Value;
    int Filled;
};

class Classic_Search {
  public:
    Classic_Search(int limit) : Limit(limit), T(Table()) {}

    int Limit;
    const Tables& T;
    Classic_Solve_Result Result;

    bool Assign(Board& b, int cell, int digit, std::array<std::uint8_t, 81>& queue,
                int& queued) const {
        const Mask bit = static_cast<Mask>(1U << (digit - 1));
        if (b.Value[cell] != 0) {
            return b.Value[cell] == digit;
        }
        if ((b.Cand[cell] & bit) == 0) {
            return false;
        }
        b.Value[cell] = static_cast<std::int8_t>(digit);
        b.Cand[cell] = bit;
        ++b.Filled;
        for (std::uint8_t p : T.Peers[cell]) {
            if ((b.Cand[p] & bit) == 0) {
                continue;
            }
            if (b.Value[p] != 0) {
                return false;
            }
            b.Cand[p] = static_cast<Mask>(b.Cand[p] & ~bit);
            if (b.Cand[p] == 0) {
                return false;
            }
            if ((b.Cand[p] & (b.Cand[p] - 1)) == 0) {
                queue[queued++] = p;
            }
        }
        return true;
    }

    // Follows naked and hidden singles. False on a contradiction.
    bool Propagate(Board& b, std::array<std::uint8_t, 81>& queue, int queued) const {
        for (;;) {
            while (queued > 0) {
                const int cell = queue[--queued];
                if (b.Value[cell] != 0) {
                    continue;
                }
                const Mask m = b.Cand[cell];
                if (m == 0 || (m & (m - 1)) != 0) {
                    continue;
                }
                if (!Assign(b, cell, __builtin_ctz(m) + 1, queue, queued)) {
                    return false;
                }
            }
            if (b.Filled == 81) {
                return true;
            }
            bool placed = false;
            for (const auto& unit : T.Units) {
                Mask once = 0;
                Mask seen = 0;
                for (std::uint8_t cell : unit) {
                    const Mask c = b.Cand[cell];
                    once = static_cast<Mask>((once & ~c) | (c & ~seen));
                    seen |= c;
                }
                if (seen != All) {
                    return false;
                }
                if (once == 0) {
                    continue;
                }
                for (std::uint8_t cell : unit) {
                    const Mask hit = b.Cand[cell] & once;
                    if (hit == 0 || b.Value[cell] != 0) {
                        continue;
                    }
                    if ((hit & (hit - 1)) != 0) {
                        return false;
                    }
                    if (!Assign(b, cell, __builtin_ctz(hit) + 1, queue, queued)) {
                        return false;
                    }
                    placed = true;
                }
            }
            if (!placed && queued == 0) {
                return true;
            }
        }
    }

    void Search(const Board& b) {
        if (b.Filled == 81) {
            if (Result.Count == 0) {
                Result.Solution = b.Value;
            }
            ++Result.Count;
            return;
        }
        int best = -1;
        int best_count = 10;
        for (int cell = 0; cell < 81; ++cell) {
            if (b.Value[cell] != 0) {
                continue;
            }
            const int count = __builtin_popcount(b.Cand[cell]);
            if (count < best_count) {
                best = cell;
                best_count = count;
                if (count == 2) {
                    break;
                }
            }
        }
        for (Mask rest = b.Cand[best]; rest != 0; rest = static_cast<Mask>(rest & (rest - 1))) {
            Board next = b;
            std::array<std::uint8_t, 81> queue;
            int queued = 0;
            if (Assign(next, best, __builtin_ctz(rest) + 1, queue, queued) &&
                Propagate(next, queue, queued)) {
                Search(next);
            }
            if (Result.Count >= Limit) {
                return;
            }
        }
    }
};

} // namespace

Classic_Solve_Result Solve_Classic(const Classic_Grid& grid, int limit) {
    Classic_Search search(limit < 1 ? 1 : limit);
    Board b;
    b.Cand.fill(All);
    b.Value.fill(0);
    b.Filled = 0;
    std::array<std::uint8_t, 81> queue;
    int queued = 0;
    for (int cell = 0; cell < 81; ++cell) {
        const int digit = grid[cell];
        if (digit != 0 && !search.Assign(b, cell, digit, queue, queued)) {
            return search.Result;
        }
    }
    if (search.Propagate(b, queue, queued)) {
        search.Search(b);
    }
    return search.Result;
}

bool Parse_Classic_Line(const std::string& line, Classic_Grid& grid, std::string& error) {
    std::size_t first = 0;
    std::size_t last = line.size();
    while (first < last && (line[first] == ' ' || line[first] == '\t')) {
        ++first;
    }
    while (last > first &&
           (line[last - 1] == ' ' || line[last - 1] == '\t' || line[last - 1] == '\r')) {
        --last;
    }
    if (last - first != 81) {
        error = "a line holds 81 cells, this one " + std::to_string(last - first);
        return false;
    }
    for (std::size_t i = 0; i < 81; ++i) {
        const char ch = line[first + i];
        if (ch == '.' || ch == '0') {
            grid[i] = 0;
        } else if (ch >= '1' && ch <= '9') {
            grid[i] = static_cast<std::int8_t>(ch - '0');
        } else {
            error =
                std::string("cell ") + std::to_string(i + 1) + " is '" + ch + "', not a digit or .";
            return false;
        }
    }
    return true;
}
