// X-Wing, Swordfish and Jellyfish. The base units are k rows (or k columns) of one board
// that share no cell and each hold every number; the cover units are k columns (rows) of
// any boards that hold every place of the number in the bases. The number then stands once
// in each base, in k different cells, and each cover holds it at most once, so every cover
// holds one of those k: no cell of a cover outside the bases can hold it. This holds for
// any units of that kind, so it is sound on shared cells and across boards.

#include <algorithm>

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
                    if (!places.empty() && static_cast<int>(places.size()) <= size + 3) {
                        bases.push_back(static_cast<int>(u));
                        base_places.push_back(std::move(places));
                    }
                }
                const bool found = For_Each_Combination(
                    static_cast<int>(bases.size()), size, [&](const std::vector<int>& pick) {
                        std::vector<int> places;
                        for (int i : pick) {
                            places.insert(places.end(), base_places[i].begin(),
                                          base_places[i].end());
                        }
                        std::vector<int> lines; // the cover lines of this board the places meet
                        for (int v : places) {
                            for (int u : shape.Units_Of_Var[v]) {
                                if (s.Unit_Ids[u].Kind == cover_kind && s.Unit_Ids[u].Board == b &&
                                    std::find(lines.begin(), lines.end(), u) == lines.end()) {
                                    lines.push_back(u);
                                }
                            }
                        }
                        if (static_cast<int>(lines.size()) <= size) {
                            return false; // no fins: a plain fish, found before
                        }
                        auto in_any = [&](const std::vector<int>& units, int v) {
                            return std::any_of(units.begin(), units.end(),
                                               [&](int u) { return shape.Unit_Contains(u, v); });
                        };
                        std::vector<int> chosen;
                        for (int i : pick) {
                            chosen.push_back(bases[i]);
                        }
                        return For_Each_Combination(
                            static_cast<int>(lines.size()), size, [&](const std::vector<int>& c) {
                                std::vector<int> covers;
                                for (int i : c) {
                                    covers.push_back(lines[i]);
                                }
                                std::vector<int> fins;
                                for (int v : places) {
                                    if (!in_any(covers, v)) {
                                        fins.push_back(v);
                                    }
                                }
                                if (fins.empty() || fins.size() > 3) {
                                    return false;
                                }
                                std::vector<int> targets;
                                step.Var_Eliminations.clear();
                                for (int cover : covers) {
                                    for (int v : s.Units[cover]) {
                                        if ((state.Candidates(v) & Bit_Of(n)) == 0 ||
                                            in_any(chosen, v) ||
                                            std::find(targets.begin(), targets.end(), v) !=
                                                targets.end() ||
                                            !std::all_of(fins.begin(), fins.end(), [&](int f) {
                                                return shape.Sees(v, f);
                                            })) {
                                            continue;
                                        }
                                        targets.push_back(v);
                                        step.Var_Eliminations.push_back({v, n});
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
                                for (int u : covers) {
                                    cover_names.push_back(shape.Unit_Name(u));
                                }
                                step.Unit_Indices = chosen;
                                step.Unit_Indices.insert(step.Unit_Indices.end(), covers.begin(),
                                                         covers.end());
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
