// X-Wing, Swordfish and Jellyfish. The base units are k rows (or k columns) of one board
// that share no cell and each hold every number; the cover units are k columns (rows) of
// any boards that hold every place of the number in the bases. The number then stands once
// in each base, in k different cells, and each cover holds it at most once, so every cover
// holds one of those k: no cell of a cover outside the bases can hold it. This holds for
// any units of that kind, so it is sound on shared cells and across boards.

#include <algorithm>
#include <cstdint>

#include "logic/techniques/Technique_Finders.h"

namespace {

const char* Fish_Name(int size) {
    return size == 2 ? "X-Wing" : size == 3 ? "Swordfish" : "Jellyfish";
}

struct Fish_Search {
    const Logic_Shape& Shape;
    int Size;
    Unit_Kind Cover_Kind;
    std::vector<int> Places; // every place of the number in the bases
    std::vector<int> Covers;

    bool Covered(int var) const {
        for (int c : Covers) {
            if (Shape.Unit_Contains(c, var)) {
                return true;
            }
        }
        return false;
    }

    // Chooses covers for the first uncovered place among the units of the cover kind that
    // hold it, until every place is covered by exactly Size covers.
    bool Find_Covers() {
        int open = -1;
        for (int v : Places) {
            if (!Covered(v)) {
                open = v;
                break;
            }
        }
        if (open < 0) {
            return static_cast<int>(Covers.size()) == Size;
        }
        if (static_cast<int>(Covers.size()) == Size) {
            return false;
        }
        for (int u : Shape.Units_Of_Var[open]) {
            if (Shape.Structure.Unit_Ids[u].Kind != Cover_Kind ||
                std::find(Covers.begin(), Covers.end(), u) != Covers.end()) {
                continue;
            }
            Covers.push_back(u);
            if (Find_Covers()) {
                return true;
            }
            Covers.pop_back();
        }
        return false;
    }
};

} // namespace

bool Find_Fish(const Logic_State& state, int size, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    const int boards = static_cast<int>(shape.Number_Texts.size());
    for (int n = 1; n <= shape.Highest_Number; ++n) {
        for (const Unit_Kind base_kind : {Unit_Kind::Row, Unit_Kind::Column}) {
            const Unit_Kind cover_kind =
                base_kind == Unit_Kind::Row ? Unit_Kind::Column : Unit_Kind::Row;
            for (int b = 0; b < boards; ++b) {
                std::vector<int> bases;
                std::vector<std::vector<int>> base_places;
                for (std::size_t u = 0; u < s.Units.size(); ++u) {
                    const Unit_Id& id = s.Unit_Ids[u];
                    if (id.Kind != base_kind || id.Board != b) {
                        continue;
                    }
                    std::vector<int> places = Open_Places(state, static_cast<int>(u), n);
                    if (places.size() >= 2 && static_cast<int>(places.size()) <= size) {
                        bases.push_back(static_cast<int>(u));
                        base_places.push_back(std::move(places));
                    }
                }
                const bool found = For_Each_Combination(
                    static_cast<int>(bases.size()), size, [&](const std::vector<int>& pick) {
                        Fish_Search search{shape, size, cover_kind, {}, {}};
                        for (int i : pick) {
                            for (int v : base_places[i]) {
                                if (std::find(search.Places.begin(), search.Places.end(), v) !=
                                    search.Places.end()) {
                                    return false; // the bases share a cell
                                }
                                search.Places.push_back(v);
                            }
                        }
                        if (!search.Find_Covers()) {
                            return false;
                        }
                        std::sort(search.Covers.begin(), search.Covers.end(), [&](int x, int y) {
                            const Unit_Id& a = s.Unit_Ids[x];
                            const Unit_Id& b = s.Unit_Ids[y];
                            return a.Board != b.Board ? a.Board < b.Board : a.Index < b.Index;
                        });
                        std::vector<int> chosen;
                        for (int i : pick) {
                            chosen.push_back(bases[i]);
                        }
                        auto in_bases = [&](int v) {
                            for (int u : chosen) {
                                if (shape.Unit_Contains(u, v)) {
                                    return true;
                                }
                            }
                            return false;
                        };
                        step.Var_Eliminations.clear();
                        std::vector<int> targets;
                        for (int c : search.Covers) {
                            for (int v : s.Units[c]) {
                                if ((state.Candidates(v) & Bit_Of(n)) != 0 && !in_bases(v) &&
                                    std::find(targets.begin(), targets.end(), v) == targets.end()) {
                                    targets.push_back(v);
                                    step.Var_Eliminations.push_back({v, n});
                                }
                            }
                        }
                        if (targets.empty()) {
                            return false;
                        }
                        std::vector<std::string> base_names;
                        std::vector<std::string> cover_names;
                        for (int u : chosen) {
                            base_names.push_back(shape.Unit_Name(u));
                        }
                        for (int u : search.Covers) {
                            cover_names.push_back(shape.Unit_Name(u));
                        }
                        step.Unit_Indices = chosen;
                        step.Unit_Indices.insert(step.Unit_Indices.end(), search.Covers.begin(),
                                                 search.Covers.end());
                        step.Cell_Vars = search.Places;
                        const std::string number = shape.Number_Text(b, n);
                        step.Text = std::string(Fish_Name(size)) + ": in " +
                                    Join_Words(base_names) + ", " + number + " can only go in " +
                                    Join_Words(cover_names) + ", so no other cell of those " +
                                    (cover_kind == Unit_Kind::Row ? "rows" : "columns") +
                                    " can hold " + number + " (" + Cells_Text(shape, targets, -1) +
                                    ").";
                        return true;
                    });
                if (found) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool Find_X_Wing(const Logic_State& state, Step& step) {
    return Find_Fish(state, 2, step);
}

bool Find_Swordfish(const Logic_State& state, Step& step) {
    return Find_Fish(state, 3, step);
}

bool Find_Jellyfish(const Logic_State& state, Step& step) {
    return Find_Fish(state, 4, step);
}

// Finned (and sashimi) fish: k base lines of one board whose places of the number lie in k
// cover lines but for a few fins. Either the number stands in a fin, or the fish holds and the
// covers hold it within the bases; a cell of a cover outside the bases that sees every fin
// cannot hold it either way. A sashimi fish is the same with a cover that meets one base only.
namespace {

bool Find_Finned_Fish(const Logic_State& state, int size, Step& step) {
    const Logic_Shape& shape = state.Shape();
    const Constraint_Structure& s = shape.Structure;
    const int boards = static_cast<int>(shape.Number_Texts.size());
    const int vars = state.Var_Count();
    std::vector<int> base_line(vars);
    std::vector<int> cover_line(vars);
    std::vector<int> fins;
    std::vector<int> targets;
    for (int n = 1; n <= shape.Highest_Number; ++n) {
        for (const Unit_Kind base_kind : {Unit_Kind::Row, Unit_Kind::Column}) {
            const Unit_Kind cover_kind =
                base_kind == Unit_Kind::Row ? Unit_Kind::Column : Unit_Kind::Row;
            for (int b = 0; b < boards; ++b) {
                // Each cell's base and cover line on this board, by index (-1: not on it).
                std::fill(base_line.begin(), base_line.end(), -1);
                std::fill(cover_line.begin(), cover_line.end(), -1);
                for (std::size_t cell = 0; cell < s.Places.size(); ++cell) {
                    const Cell_Place& p = s.Places[cell];
                    if (p.Board == b) {
                        const int v = s.Var_Of_Cell[cell];
                        base_line[v] = base_kind == Unit_Kind::Row ? p.Row : p.Col;
                        cover_line[v] = base_kind == Unit_Kind::Row ? p.Col : p.Row;
                    }
                }
                std::vector<int> bases;
                std::vector<std::vector<int>> base_places;
                std::vector<std::uint32_t> base_covers;
                for (std::size_t u = 0; u < s.Units.size(); ++u) {
                    const Unit_Id& id = s.Unit_Ids[u];
                    if (id.Kind != base_kind || id.Board != b) {
                        continue;
                    }
                    std::vector<int> places = Open_Places(state, static_cast<int>(u), n);
                    if (places.empty() || static_cast<int>(places.size()) > size + 3) {
                        continue;
                    }
                    std::uint32_t covers = 0;
                    for (int v : places) {
                        covers |= std::uint32_t{1} << cover_line[v];
                    }
                    bases.push_back(static_cast<int>(u));
                    base_places.push_back(std::move(places));
                    base_covers.push_back(covers);
                }
                const bool found = For_Each_Combination(
                    static_cast<int>(bases.size()), size, [&](const std::vector<int>& pick) {
                        std::uint32_t lines = 0;
                        std::uint32_t base_set = 0;
                        for (int i : pick) {
                            lines |= base_covers[i];
                            base_set |= std::uint32_t{1} << s.Unit_Ids[bases[i]].Index;
                        }
                        if (Number_Count(lines) <= size || Number_Count(lines) > size + 2) {
                            return false; // no fins (a plain fish, found before), or too many
                        }
                        std::vector<int> line_list;
                        for (std::uint32_t rest = lines; rest != 0; rest &= rest - 1) {
                            line_list.push_back(__builtin_ctz(rest));
                        }
                        return For_Each_Combination(
                            static_cast<int>(line_list.size()), size,
                            [&](const std::vector<int>& c) {
                                std::uint32_t covers = 0;
                                for (int i : c) {
                                    covers |= std::uint32_t{1} << line_list[i];
                                }
                                fins.clear();
                                for (int i : pick) {
                                    for (int v : base_places[i]) {
                                        if ((covers >> cover_line[v] & 1) == 0) {
                                            fins.push_back(v);
                                        }
                                    }
                                }
                                if (fins.empty() || fins.size() > 3) {
                                    return false;
                                }
                                for (int f : fins) {
                                    if (f != fins[0] && !shape.Sees(f, fins[0])) {
                                        return false; // no cell sees fins apart
                                    }
                                }
                                targets.clear();
                                for (int v : s.Peers[fins[0]]) {
                                    if ((state.Candidates(v) & Bit_Of(n)) == 0 ||
                                        cover_line[v] < 0 || (covers >> cover_line[v] & 1) == 0 ||
                                        (base_set >> base_line[v] & 1) != 0 ||
                                        !std::all_of(fins.begin() + 1, fins.end(), [&](int f) {
                                            return v != f && shape.Sees(v, f);
                                        })) {
                                        continue;
                                    }
                                    targets.push_back(v);
                                }
                                if (targets.empty()) {
                                    return false;
                                }
                                std::vector<int> chosen;
                                std::vector<int> places;
                                for (int i : pick) {
                                    chosen.push_back(bases[i]);
                                    places.insert(places.end(), base_places[i].begin(),
                                                  base_places[i].end());
                                }
                                std::vector<int> cover_units;
                                for (std::size_t u = 0; u < s.Units.size(); ++u) {
                                    const Unit_Id& id = s.Unit_Ids[u];
                                    if (id.Kind == cover_kind && id.Board == b &&
                                        (covers >> id.Index & 1) != 0) {
                                        cover_units.push_back(static_cast<int>(u));
                                    }
                                }
                                std::vector<std::string> base_names;
                                std::vector<std::string> cover_names;
                                for (int u : chosen) {
                                    base_names.push_back(shape.Unit_Name(u));
                                }
                                for (int u : cover_units) {
                                    cover_names.push_back(shape.Unit_Name(u));
                                }
                                step.Var_Eliminations.clear();
                                for (int v : targets) {
                                    step.Var_Eliminations.push_back({v, n});
                                }
                                step.Unit_Indices = chosen;
                                step.Unit_Indices.insert(step.Unit_Indices.end(),
                                                         cover_units.begin(), cover_units.end());
                                step.Cell_Vars = places;
                                const std::string number = shape.Number_Text(b, n);
                                step.Text =
                                    "Finned " + std::string(Fish_Name(size)) + ": in " +
                                    Join_Words(base_names) + ", " + number + " can only go in " +
                                    Join_Words(cover_names) + " or in the fin" +
                                    (fins.size() == 1 ? " " : "s ") +
                                    Cells_Text(shape, fins, -1) + ", so " +
                                    Cells_Text(shape, targets, -1) + ", in those " +
                                    (cover_kind == Unit_Kind::Row ? "rows" : "columns") +
                                    " and seeing the fin" + (fins.size() == 1 ? "" : "s") +
                                    ", cannot hold " + number + ".";
                                return true;
                            });
                    });
                if (found) {
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

bool Find_Finned_X_Wing(const Logic_State& state, Step& step) {
    return Find_Finned_Fish(state, 2, step);
}

bool Find_Finned_Swordfish(const Logic_State& state, Step& step) {
    return Find_Finned_Fish(state, 3, step);
}

bool Find_Finned_Jellyfish(const Logic_State& state, Step& step) {
    return Find_Finned_Fish(state, 4, step);
}
