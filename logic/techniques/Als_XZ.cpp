// ALS-XZ: two almost locked sets that share no cell, linked by a restricted common number x
// (every x of the one sees every x of the other, so at most one of them holds x). The one
// without x holds all its other numbers; so when both have another number z, one of them
// holds z, and a cell that sees every z of both cannot hold it. The smallest sets win.

#include "logic/techniques/Almost_Locked_Sets.h"

using namespace als;

namespace {

// Sets of more cells than this are not looked for: a person does not find them.
constexpr int Most_Cells = 4;

struct Found {
    int A = -1;
    int B = -1;
    int X = 0;
    int Z = 0;
    std::vector<int> Targets;
    std::size_t Cells = 0;
};

} // namespace

bool Find_Als_Xz(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const std::vector<Almost_Locked_Set>& sets = Graph_Of(state, Most_Cells, false).Sets;
    Found best;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (Search_Cancelled()) {
            return false;
        }
        const Almost_Locked_Set& a = sets[i];
        for (std::size_t j = i + 1; j < sets.size(); ++j) {
            const Almost_Locked_Set& b = sets[j];
            const std::size_t cells = a.Cells.size() + b.Cells.size();
            const Number_Set common = a.Numbers & b.Numbers;
            if ((best.A >= 0 && cells >= best.Cells) || Number_Count(common) < 2 ||
                (a.Units_Seen & b.Units_Seen) == 0 || !Disjoint(a, b)) {
                continue;
            }
            const Number_Set linked = Restricted_Common(state, a, b);
            if (linked == 0) {
                continue;
            }
            const int x = Lowest_Number_Of(linked);
            for (Number_Set rest = common & ~Bit_Of(x); rest != 0; rest &= rest - 1) {
                const int z = Lowest_Number_Of(rest);
                std::vector<int> targets = Seeing_Every(state, {&a, &b}, z);
                if (!targets.empty()) {
                    best = {
                        static_cast<int>(i), static_cast<int>(j), x, z, std::move(targets), cells};
                    break;
                }
            }
        }
    }
    if (best.A < 0) {
        return false;
    }
    const Almost_Locked_Set& a = sets[best.A];
    const Almost_Locked_Set& b = sets[best.B];
    Fill_Step(state, {&a, &b}, {{&a, &b, best.X}}, best.Z, best.Targets, step);
    const int board = shape.Board_Of_Var(a.Cells.front());
    const std::string x = shape.Number_Text(board, best.X);
    const std::string z = shape.Number_Text(board, best.Z);
    step.Text = "ALS-XZ: " + Sets_Text(shape, {&a, &b}) + ". Every " + x + " of A sees every " + x +
                " of B, so A or B has no " + x + " and holds all its other numbers, " + z +
                " among them; so " + Cells_Text(shape, best.Targets, -1) + ", which see" +
                (best.Targets.size() == 1 ? "s" : "") + " every " + z + " of both, cannot hold " +
                z + ".";
    step.Rating = 80 + (best.Cells > 4 ? 1 : 0);
    return true;
}
