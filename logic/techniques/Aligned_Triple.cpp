// Aligned triple exclusion: three cells that at least two cells with two or three numbers each
// see. A way of filling the three is ruled out when two of them that see each other would
// hold the same number, or when it would take every number of one of the cells that see all
// three. A number of one of the three that every way left out leaves out cannot stand there.
// The cells are taken as the aligned pair exclusion takes two: the third sees the first or the
// second.

#include <algorithm>

#include "logic/techniques/Technique_Finders.h"

namespace {

// The cells with two or three numbers that see the cell, in order.
std::vector<std::vector<int>> Excluders(const Logic_State& state) {
    const Logic_Shape& shape = state.Shape();
    std::vector<std::vector<int>> out(state.Var_Count());
    for (int v = 0; v < state.Var_Count(); ++v) {
        if (state.Value(v) != 0) {
            continue;
        }
        for (int w : shape.Structure.Peers[v]) {
            const int count = Number_Count(state.Candidates(w));
            if (state.Value(w) == 0 && count >= 2 && count <= 3) {
                out[v].push_back(w);
            }
        }
    }
    return out;
}

std::vector<int> Common(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> out;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

struct Triple_Result {
    Number_Set Allowed[3] = {0, 0, 0};
    std::vector<int> Used; // the excluders that ruled a way out
};

// Every way of filling the three cells, and the numbers of each that some way left uses.
Triple_Result Ways(const Logic_State& state, const int cells[3], const std::vector<int>& common) {
    const Logic_Shape& shape = state.Shape();
    const bool sees[3] = {shape.Sees(cells[0], cells[1]), shape.Sees(cells[0], cells[2]),
                          shape.Sees(cells[1], cells[2])};
    Triple_Result r;
    std::vector<char> used(common.size(), 0);
    for (Number_Set as = state.Candidates(cells[0]); as != 0; as &= as - 1) {
        const Number_Set a = as & (~as + 1);
        for (Number_Set bs = state.Candidates(cells[1]); bs != 0; bs &= bs - 1) {
            const Number_Set b = bs & (~bs + 1);
            if (a == b && sees[0]) {
                continue;
            }
            for (Number_Set cs = state.Candidates(cells[2]); cs != 0; cs &= cs - 1) {
                const Number_Set c = cs & (~cs + 1);
                if ((a == c && sees[1]) || (b == c && sees[2])) {
                    continue;
                }
                const Number_Set taken = a | b | c;
                bool out = false;
                for (std::size_t k = 0; k < common.size() && !out; ++k) {
                    if ((state.Candidates(common[k]) & ~taken) == 0) {
                        out = true;
                        used[k] = 1;
                    }
                }
                if (!out) {
                    r.Allowed[0] |= a;
                    r.Allowed[1] |= b;
                    r.Allowed[2] |= c;
                }
            }
        }
    }
    for (std::size_t k = 0; k < common.size(); ++k) {
        if (used[k]) {
            r.Used.push_back(common[k]);
        }
    }
    return r;
}

// "8", "8 or 9" as written in the cell.
std::string Or_Numbers(const Logic_Shape& shape, int var, Number_Set numbers) {
    std::string text = Numbers_Text(shape, shape.Board_Of_Var(var), numbers);
    const std::size_t and_at = text.rfind(" and ");
    return and_at == std::string::npos ? text : text.replace(and_at, 5, " or ");
}

} // namespace

bool Find_Aligned_Triple_Exclusion(const Logic_State& state, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const std::vector<std::vector<int>> excluders = Excluders(state);
    std::vector<int> base;
    for (int v = 0; v < state.Var_Count(); ++v) {
        if (state.Value(v) == 0 && Number_Count(state.Candidates(v)) >= 2 &&
            excluders[v].size() >= 2) {
            base.push_back(v);
        }
    }
    std::vector<int> third;
    for (std::size_t i = 0; i < base.size(); ++i) {
        if (Search_Cancelled()) {
            return false;
        }
        const int a = base[i];
        for (std::size_t j = i + 1; j < base.size(); ++j) {
            const int b = base[j];
            const std::vector<int> ab = Common(excluders[a], excluders[b]);
            if (ab.size() < 2) {
                continue;
            }
            // The third cell: after b, seeing a or b, with at least two excluders shared.
            third.clear();
            for (int p : {a, b}) {
                for (int c : shape.Structure.Peers[p]) {
                    if (c > b && state.Value(c) == 0 && Number_Count(state.Candidates(c)) >= 2 &&
                        excluders[c].size() >= 2) {
                        third.push_back(c);
                    }
                }
            }
            std::sort(third.begin(), third.end());
            third.erase(std::unique(third.begin(), third.end()), third.end());
            for (int c : third) {
                const std::vector<int> abc = Common(ab, excluders[c]);
                if (abc.size() < 2) {
                    continue;
                }
                const int cells[3] = {a, b, c};
                const Triple_Result r = Ways(state, cells, abc);
                bool removes = false;
                for (int k = 0; k < 3; ++k) {
                    removes = removes || (state.Candidates(cells[k]) & ~r.Allowed[k]) != 0;
                }
                if (!removes) {
                    continue;
                }
                std::vector<std::string> parts;
                for (int k = 0; k < 3; ++k) {
                    const Number_Set gone = state.Candidates(cells[k]) & ~r.Allowed[k];
                    if (gone != 0) {
                        Add_Eliminations(state, cells[k], gone, step);
                        parts.push_back(shape.Cell_Name(cells[k]) + " cannot hold " +
                                        Numbers_Text(shape, shape.Board_Of_Var(cells[k]), gone));
                    }
                }
                step.Cell_Vars = {a, b, c};
                step.Cell_Vars.insert(step.Cell_Vars.end(), r.Used.begin(), r.Used.end());
                std::vector<std::string> with_numbers;
                for (int v : r.Used) {
                    with_numbers.push_back(
                        shape.Cell_Name(v) + " (" +
                        Numbers_Text(shape, shape.Board_Of_Var(v), state.Candidates(v)) + ")");
                }
                // Each number it leaves out, as "no such way puts 8 in row 6, column 5".
                std::vector<std::string> none;
                for (int k = 0; k < 3; ++k) {
                    const Number_Set gone = state.Candidates(cells[k]) & ~r.Allowed[k];
                    if (gone != 0) {
                        none.push_back(Or_Numbers(shape, cells[k], gone) + " in " +
                                       shape.Cell_Name(cells[k]));
                    }
                }
                step.Text = "Aligned triple exclusion: " + Cells_Text(shape, {a, b, c}, -1) +
                            " all see " + Join_Words(with_numbers) +
                            ". Fill the three with their numbers, never one number twice where "
                            "two of them see each other and never taking every number of one of "
                            "those cells: no such way puts " +
                            Join_Words(none) + ", so " + Join_Words(parts) + ".";
                return true;
            }
        }
    }
    return false;
}
