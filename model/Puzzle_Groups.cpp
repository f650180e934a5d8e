#include "model/Puzzle_Groups.h"

#include <algorithm>

#include "model/Board_Geometry.h"

void Puzzle_Shape_Key(const Puzzle_State& state, std::vector<Integer>& key) {
    key.clear();
    key.push_back(state.Regions_Only != 0);
    key.push_back(state.Custom_Regions_On != 0);
    key.push_back(static_cast<Integer>(state.Sudoku_Boards.size()));
    for (const Sudoku_Boards_FrameWork& b : state.Sudoku_Boards) {
        key.insert(key.end(), {b.Board_Type, b.Max_Number, b.Wide_Blocks, b.Block_Cols_Max,
                               b.Block_Rows_Max, b.Block_Width_Max, b.Block_Height_Max});
    }
    key.push_back(static_cast<Integer>(state.Board_Overlaps.size()));
    for (const Sudoku_Grid_FrameWork& o : state.Board_Overlaps) {
        key.push_back(static_cast<Integer>(o.Linked_Boards.size()));
        key.push_back(static_cast<Integer>(o.Link_Areas.size()));
        key.insert(key.end(), o.Linked_Boards.begin(), o.Linked_Boards.end());
        for (const Link_Area& a : o.Link_Areas) {
            key.insert(key.end(), {a.This_Col, a.This_Row, a.Other_Col, a.Other_Row});
        }
    }
    if (state.Custom_Regions_On) {
        key.push_back(static_cast<Integer>(state.Custom_Regions.size()));
        for (const std::vector<Region_Cell>& region : state.Custom_Regions) {
            key.push_back(static_cast<Integer>(region.size()));
            for (const Region_Cell& cell : region) {
                key.insert(key.end(), {cell.Board, cell.Col, cell.Row});
            }
        }
    }
}

namespace {

class Group_Builder {
  public:
    Group_Builder(const Puzzle_State& state, Puzzle_Groups& groups) : State(state), G(groups) {}

    void Build() {
        Number_The_Cells();
        const int boards = static_cast<int>(G.Board_Size.size());
        G.Board_Group_Begin.assign(static_cast<std::size_t>(boards) + 1, 0);
        G.Board_Block_Begin.assign(static_cast<std::size_t>(boards) + 1, 0);
        G.Block_Of_Cell.assign(static_cast<std::size_t>(G.Cells), -1);
        for (int b = 0; b < boards; ++b) {
            G.Board_Group_Begin[b] = static_cast<int>(G.Groups.size());
            Add_Rows_And_Columns(b);
            G.Board_Block_Begin[b] = static_cast<int>(G.Groups.size());
            if (G.Board_Blocks[b]) {
                Add_Blocks(b);
            }
        }
        G.Board_Group_Begin[boards] = static_cast<int>(G.Groups.size());
        G.Board_Block_Begin[boards] = G.Board_Group_Begin[boards];
        G.Region_Group_Begin = static_cast<int>(G.Groups.size());
        if (State.Custom_Regions_On) {
            Add_Regions();
        }
        Index_Region_Members();
        Add_Links();
    }

  private:
    const Puzzle_State& State;
    Puzzle_Groups& G;

    bool Inside(int b, int c, int r) const {
        return b >= 0 && b < static_cast<int>(G.Board_Size.size()) && c >= 0 && r >= 0 &&
               c < G.Board_Size[b] && r < G.Board_Size[b];
    }

    void Number_The_Cells() {
        const int boards = static_cast<int>(State.Sudoku_Boards.size());
        G.Board_First.assign(static_cast<std::size_t>(boards) + 1, 0);
        G.Board_Size.assign(static_cast<std::size_t>(boards), 0);
        G.Board_Blocks.assign(static_cast<std::size_t>(boards), 0);
        int cells = 0;
        for (int b = 0; b < boards; ++b) {
            const Sudoku_Boards_FrameWork& board = State.Sudoku_Boards[b];
            const int n = std::max<Integer>(board.Max_Number, 0);
            G.Board_First[b] = cells;
            G.Board_Size[b] = n;
            G.Board_Blocks[b] = !State.Regions_Only && Has_Block_Kind(board);
            cells += n * n;
        }
        G.Board_First[boards] = cells;
        G.Cells = cells;
        G.Address.resize(static_cast<std::size_t>(cells));
        for (int b = 0; b < boards; ++b) {
            for (int c = 0; c < G.Board_Size[b]; ++c) {
                for (int r = 0; r < G.Board_Size[b]; ++r) {
                    G.Address[G.Cell(b, c, r)] = {b, c, r};
                }
            }
        }
    }

    void Open_Group(Group_Kind kind, int board, int index) {
        Cell_Group group;
        group.Kind = kind;
        group.Board = board;
        group.Index = index;
        group.Begin = static_cast<int>(G.Group_Cells.size());
        G.Groups.push_back(group);
    }
    void Add_Cell(int b, int c, int r) {
        if (Inside(b, c, r)) {
            G.Group_Cells.push_back(G.Cell(b, c, r));
        }
    }
    void Close_Group() { G.Groups.back().End = static_cast<int>(G.Group_Cells.size()); }

    void Add_Rows_And_Columns(int b) {
        const int n = G.Board_Size[b];
        for (int r = 0; r < n; ++r) {
            Open_Group(Group_Kind::Row, b, r);
            for (int c = 0; c < n; ++c) {
                Add_Cell(b, c, r);
            }
            Close_Group();
        }
        for (int c = 0; c < n; ++c) {
            Open_Group(Group_Kind::Column, b, c);
            for (int r = 0; r < n; ++r) {
                Add_Cell(b, c, r);
            }
            Close_Group();
        }
    }

    // The blocks by the board's own block fields. Blocks that would start past the board's
    // edge hold no cell and are left out.
    void Add_Blocks(int b) {
        const Sudoku_Boards_FrameWork& board = State.Sudoku_Boards[b];
        const int n = G.Board_Size[b];
        if (board.Block_Width_Max < 0 || board.Block_Height_Max < 0) {
            return;
        }
        const int across = std::min<Integer>(board.Block_Cols_Max, n - 1) + 1;
        const int down = std::min<Integer>(board.Block_Rows_Max, n - 1) + 1;
        const int width = std::min<Integer>(board.Block_Width_Max, n - 1) + 1;
        const int height = std::min<Integer>(board.Block_Height_Max, n - 1) + 1;
        for (int bi = 0; bi < across; ++bi) {
            for (int bj = 0; bj < down; ++bj) {
                Integer x0 = 0;
                Integer y0 = 0;
                Block_Origin_By_Shape(board, bi, bj, x0, y0);
                Open_Group(Group_Kind::Block, b, bj * across + bi);
                const int group = static_cast<int>(G.Groups.size()) - 1;
                for (int x = x0; x < x0 + width; ++x) {
                    for (int y = y0; y < y0 + height; ++y) {
                        if (Inside(b, x, y)) {
                            G.Block_Of_Cell[G.Cell(b, x, y)] = group;
                        }
                        Add_Cell(b, x, y);
                    }
                }
                Close_Group();
            }
        }
    }

    void Add_Regions() {
        for (std::size_t k = 0; k < State.Custom_Regions.size(); ++k) {
            Open_Group(Group_Kind::Region, -1, static_cast<int>(k));
            for (const Region_Cell& cell : State.Custom_Regions[k]) {
                Add_Cell(cell.Board, cell.Col, cell.Row);
            }
            Close_Group();
        }
    }

    void Index_Region_Members() {
        const int regions = G.Regions();
        std::vector<int> count(static_cast<std::size_t>(G.Cells) + 1, 0);
        std::vector<int> last(static_cast<std::size_t>(G.Cells), -1);
        auto visit = [&](auto&& each) {
            std::fill(last.begin(), last.end(), -1);
            for (int k = 0; k < regions; ++k) {
                const Cell_Group& region = G.Region(k);
                for (int j = region.Begin; j < region.End; ++j) {
                    const int i = G.Group_Cells[j];
                    if (last[i] != k) {
                        last[i] = k;
                        each(i, k);
                    }
                }
            }
        };
        visit([&](int i, int) { ++count[i + 1]; });
        for (int i = 0; i < G.Cells; ++i) {
            count[i + 1] += count[i];
        }
        G.Member_Begin = count;
        G.Members.assign(static_cast<std::size_t>(count[G.Cells]), 0);
        std::vector<int> fill(count.begin(), count.end() - 1);
        visit([&](int i, int k) { G.Members[fill[i]++] = k; });
    }

    void Add_Links() {
        const int boards = static_cast<int>(G.Board_Size.size());
        for (int b = 0; b < boards && b < static_cast<int>(State.Board_Overlaps.size()); ++b) {
            const Sudoku_Grid_FrameWork& overlaps = State.Board_Overlaps[b];
            const std::size_t links =
                std::min(overlaps.Linked_Boards.size(), overlaps.Link_Areas.size());
            for (std::size_t k = 0; k < links; ++k) {
                const Shared_Area area = Shared_Area_Of(State, b, static_cast<int>(k));
                const int t = area.Other_Board;
                for (int c = area.First_Col; c <= area.Last_Col; ++c) {
                    for (int r = area.First_Row; r <= area.Last_Row; ++r) {
                        const int c2 = c + area.Col_Offset;
                        const int r2 = r + area.Row_Offset;
                        if (Inside(b, c, r) && Inside(t, c2, r2)) {
                            G.Links.push_back(
                                {G.Cell(b, c, r), G.Cell(t, c2, r2), G.Board_Size[b]});
                        }
                    }
                }
            }
        }
    }
};

} // namespace

Puzzle_Groups Build_Puzzle_Groups(const Puzzle_State& state) {
    Puzzle_Groups groups;
    Group_Builder(state, groups).Build();
    return groups;
}
