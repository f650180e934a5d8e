// ALS-XY-Wing: three almost locked sets that share no cell. The middle one (C) is linked to A
// by a restricted common number x and to B by another, y. C cannot lose both x and y (it would
// be left with fewer numbers than cells), so A has no x or B no y, and that one holds all its
// other numbers: when A and B both have a number z, one of them holds it, and a cell that sees
// every z of both cannot hold it. The smallest sets win.

#include "logic/techniques/Almost_Locked_Sets.h"

using namespace als;

namespace {

constexpr int Most_Cells = 4;

struct Found {
    int A = -1;
    int B = -1;
    int C = -1;
    int X = 0;
    int Y = 0;
    int Z = 0;
    std::vector<int> Targets;
    std::size_t Cells = 0;
};

} // namespace

bool Find_Als_Xy_Wing(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Set_Graph& graph = Graph_Of(state, Most_Cells, true);
    const std::vector<Almost_Locked_Set>& sets = graph.Sets;
    const std::vector<std::vector<Neighbour>>& neighbours = graph.Neighbours;
    if (Search_Cancelled()) {
        return false;
    }
    Found best;
    for (std::size_t c = 0; c < sets.size(); ++c) {
        if (Search_Cancelled()) {
            return false;
        }
        const std::vector<Neighbour>& near = neighbours[c];
        for (std::size_t p = 0; p < near.size(); ++p) {
            const Almost_Locked_Set& a = sets[near[p].Set];
            for (std::size_t q = p + 1; q < near.size(); ++q) {
                const Almost_Locked_Set& b = sets[near[q].Set];
                const std::size_t cells = a.Cells.size() + b.Cells.size() + sets[c].Cells.size();
                const Number_Set shared = a.Numbers & b.Numbers;
                if ((best.A >= 0 && cells >= best.Cells) || shared == 0 || !Disjoint(a, b)) {
                    continue;
                }
                for (Number_Set xs = near[p].Linked; xs != 0 && best.Cells != cells; xs &= xs - 1) {
                    const int x = Lowest_Number_Of(xs);
                    for (Number_Set ys = near[q].Linked & ~Bit_Of(x);
                         ys != 0 && best.Cells != cells; ys &= ys - 1) {
                        const int y = Lowest_Number_Of(ys);
                        for (Number_Set zs = shared & ~Bit_Of(x) & ~Bit_Of(y); zs != 0;
                             zs &= zs - 1) {
                            const int z = Lowest_Number_Of(zs);
                            std::vector<int> targets = Seeing_Every(state, {&a, &b}, z);
                            if (!targets.empty()) {
                                best = {near[p].Set, near[q].Set, static_cast<int>(c), x,
                                        y,           z,           std::move(targets),  cells};
                                break;
                            }
                        }
                    }
                }
            }
        }
    }
    if (best.A < 0) {
        return false;
    }
    const Almost_Locked_Set& a = sets[best.A];
    const Almost_Locked_Set& b = sets[best.B];
    const Almost_Locked_Set& c = sets[best.C];
    Fill_Step(state, {&a, &b, &c}, {{&a, &c, best.X}, {&b, &c, best.Y}}, best.Z, best.Targets,
              step);
    const int board = shape.Board_Of_Var(c.Cells.front());
    const std::string x = shape.Number_Text(board, best.X);
    const std::string y = shape.Number_Text(board, best.Y);
    const std::string z = shape.Number_Text(board, best.Z);
    step.Text = "ALS-XY-Wing: " + Sets_Text(shape, {&a, &b, &c}) + ". Every " + x +
                " of A sees every " + x + " of C and every " + y + " of B every " + y +
                " of C; C cannot lose both " + x + " and " + y + ", so A has no " + x +
                " or B no " + y + ", and that one holds all its other numbers, " + z +
                " among them; so " + Cells_Text(shape, best.Targets, -1) + ", which see" +
                (best.Targets.size() == 1 ? "s" : "") + " every " + z +
                " of A and B, cannot hold " + z + ".";
    step.Rating = 80 + (best.Cells > 6 ? 1 : 0);
    return true;
}
