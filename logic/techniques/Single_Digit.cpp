// Short chains on one number with names players know: two units that each hold the number in
// two places only (strong links), joined where an end of one sees an end of the other. One of
// the two far ends then holds the number, so a cell that sees both cannot.
// - Skyscraper: both strong links in rows, or both in columns.
// - Two-string kite: one in a row, one in a column, joined in a block.
// - Turbot fish: any other pair (a block or a region holds a strong link).
// - Empty rectangle: a block whose places of the number lie in one row and one column of it,
//   with a strong link from that row; the block then holds the number in that column unless
//   the link's near end does.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

namespace {

struct Strong_Link {
    int A = 0;
    int B = 0;
    int Unit = 0;
};

std::vector<Strong_Link> Strong_Links_Of(const Logic_State& state, int n) {
    std::vector<Strong_Link> links;
    const Constraint_Structure& s = state.Shape().Structure;
    for (std::size_t u = 0; u < s.Units.size(); ++u) {
        const std::vector<int> places = Open_Places(state, static_cast<int>(u), n);
        if (places.size() == 2) {
            links.push_back({places[0], places[1], static_cast<int>(u)});
        }
    }
    return links;
}

bool Is_Line(Unit_Kind k) {
    return k == Unit_Kind::Row || k == Unit_Kind::Column;
}

// The kind of the chain of two strong links joined by the unit of the near ends.
Technique Kind_Of(const Logic_Shape& shape, int first, int second, int near_a, int near_b) {
    const Unit_Kind a = shape.Structure.Unit_Ids[first].Kind;
    const Unit_Kind b = shape.Structure.Unit_Ids[second].Kind;
    if (Is_Line(a) && a == b) {
        return Technique::Skyscraper;
    }
    if (Is_Line(a) && Is_Line(b)) {
        for (int u : shape.Units_Of_Var[near_a]) {
            if (shape.Structure.Unit_Ids[u].Kind == Unit_Kind::Block &&
                shape.Unit_Contains(u, near_b)) {
                return Technique::Two_String_Kite;
            }
        }
    }
    return Technique::Turbot_Fish;
}

bool Find_Two_Links(const Logic_State& state, Technique kind, Step& step) {
    const Logic_Shape& shape = state.Shape();
    for (int n = 1; n <= shape.Highest_Number; ++n) {
        const std::vector<Strong_Link> links = Strong_Links_Of(state, n);
        for (std::size_t i = 0; i < links.size(); ++i) {
            for (std::size_t j = i + 1; j < links.size(); ++j) {
                const Strong_Link& p = links[i];
                const Strong_Link& q = links[j];
                if (p.A == q.A || p.A == q.B || p.B == q.A || p.B == q.B) {
                    continue;
                }
                for (int e = 0; e < 4; ++e) {
                    const int near_p = e & 1 ? p.B : p.A;
                    const int far_p = e & 1 ? p.A : p.B;
                    const int near_q = e & 2 ? q.B : q.A;
                    const int far_q = e & 2 ? q.A : q.B;
                    if (!shape.Sees(near_p, near_q) ||
                        Kind_Of(shape, p.Unit, q.Unit, near_p, near_q) != kind) {
                        continue;
                    }
                    std::vector<int> targets = Seeing_All(state, {far_p, far_q}, n);
                    targets.erase(std::remove_if(targets.begin(), targets.end(),
                                                 [&](int v) { return v == near_p || v == near_q; }),
                                  targets.end());
                    if (targets.empty()) {
                        continue;
                    }
                    for (int v : targets) {
                        step.Var_Eliminations.push_back({v, n});
                    }
                    step.Cell_Vars = {far_p, near_p, near_q, far_q};
                    step.Unit_Indices = {p.Unit, q.Unit};
                    step.Var_Links = {{far_p, near_p, n, n, true},
                                      {near_p, near_q, n, n, false},
                                      {near_q, far_q, n, n, true}};
                    const std::string number = shape.Number_Text(shape.Board_Of_Var(far_p), n);
                    step.Text = std::string(Technique_Name(kind)) + " on " + number + ": in " +
                                shape.Unit_Name(p.Unit) + ", " + number + " can only go in " +
                                Cells_In_Unit_Text(shape, {far_p, near_p}, p.Unit) +
                                ", and in " + shape.Unit_Name(q.Unit) + " only in " +
                                Cells_In_Unit_Text(shape, {near_q, far_q}, q.Unit) + "; " +
                                shape.Cell_Name(near_p) + " and " + shape.Cell_Name(near_q) +
                                " see each other, so " + shape.Cell_Name(far_p) + " or " +
                                shape.Cell_Name(far_q) + " holds " + number + ", and " +
                                Cells_Text(shape, targets, -1) + " cannot hold " + number + ".";
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

bool Find_Skyscraper(const Logic_State& state, Step& step) {
    return Find_Two_Links(state, Technique::Skyscraper, step);
}

bool Find_Two_String_Kite(const Logic_State& state, Step& step) {
    return Find_Two_Links(state, Technique::Two_String_Kite, step);
}

bool Find_Turbot_Fish(const Logic_State& state, Step& step) {
    return Find_Two_Links(state, Technique::Turbot_Fish, step);
}

bool Find_Empty_Rectangle(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    for (int n = 1; n <= shape.Highest_Number; ++n) {
        const std::vector<Strong_Link> links = Strong_Links_Of(state, n);
        for (std::size_t b = 0; b < s.Units.size(); ++b) {
            const int block = static_cast<int>(b);
            if (s.Unit_Ids[b].Kind != Unit_Kind::Block) {
                continue;
            }
            const std::vector<int> places = Open_Places(state, block, n);
            if (places.size() < 2) {
                continue;
            }
            // Lines through the block: one holds every place the other does not.
            std::vector<int> lines;
            for (int v : s.Units[b]) {
                for (int u : shape.Units_Of_Var[v]) {
                    if (Is_Line(s.Unit_Ids[u].Kind) &&
                        std::find(lines.begin(), lines.end(), u) == lines.end()) {
                        lines.push_back(u);
                    }
                }
            }
            for (int row : lines) {
                for (int col : lines) {
                    if (s.Unit_Ids[row].Kind == s.Unit_Ids[col].Kind ||
                        !std::all_of(places.begin(), places.end(), [&](int v) {
                            return shape.Unit_Contains(row, v) || shape.Unit_Contains(col, v);
                        }) ||
                        std::all_of(places.begin(), places.end(),
                                    [&](int v) { return shape.Unit_Contains(row, v); }) ||
                        std::all_of(places.begin(), places.end(),
                                    [&](int v) { return shape.Unit_Contains(col, v); })) {
                        continue;
                    }
                    for (const Strong_Link& link : links) {
                        for (const auto& [near, far] : {std::pair{link.A, link.B},
                                                       std::pair{link.B, link.A}}) {
                            if (!shape.Unit_Contains(row, near) || shape.Unit_Contains(block, near) ||
                                shape.Unit_Contains(block, far) || shape.Unit_Contains(row, far)) {
                                continue;
                            }
                            for (int t : s.Units[col]) {
                                if ((state.Candidates(t) & Bit_Of(n)) == 0 ||
                                    shape.Unit_Contains(block, t) || t == far ||
                                    !shape.Sees(t, far)) {
                                    continue;
                                }
                                step.Var_Eliminations = {{t, n}};
                                step.Cell_Vars = places;
                                step.Cell_Vars.push_back(near);
                                step.Cell_Vars.push_back(far);
                                step.Unit_Indices = {block, row, col, link.Unit};
                                step.Var_Links = {{far, near, n, n, true}};
                                const std::string number =
                                    shape.Number_Text(shape.Board_Of_Var(t), n);
                                step.Text =
                                    "Empty rectangle on " + number + ": in " +
                                    shape.Unit_Name(block) + ", " + number + " can only go in " +
                                    shape.Unit_Name(row) + " or " + shape.Unit_Name(col) +
                                    "; in " + shape.Unit_Name(link.Unit) + " it can only go in " +
                                    Cells_In_Unit_Text(shape, {near, far}, link.Unit) + "; if " +
                                    shape.Cell_Name(t) + " held " + number + ", " +
                                    shape.Cell_Name(far) + " would not, " +
                                    shape.Cell_Name(near) + " would, and " +
                                    shape.Unit_Name(block) + " would have no place left for " +
                                    number + "; so it cannot hold " + number + ".";
                                return true;
                            }
                        }
                    }
                }
            }
        }
    }
    return false;
}
