// Phases 6 and 7 of the placement on per-row ordered structures.
#include <algorithm>
#include <limits>
#include <map>
#include <set>

#include "persistence/gedcom_placement_steps.h"

namespace kinvarro::placement {
namespace {

// Elements of one row that share an x form a group; a push moves whole
// groups, so a pass costs a logarithm per group touched, not per element.
class RowGroups {
  public:
    RowGroups(const Coordinates &x, const std::vector<int> &rowOf, int rowCount)
        : rows_(std::size_t(rowCount)), groupOf_(x.size()) {
        groups_.reserve(2 * x.size());
        for (std::size_t e = 0; e < x.size(); ++e) {
            auto &row = rows_[std::size_t(rowOf[e])];
            const auto found = row.find(x[e]);
            if (found == row.end()) {
                groupOf_[e] = newGroup(x[e], 1);
                row.emplace(x[e], groupOf_[e]);
            } else {
                groupOf_[e] = found->second;
                ++groups_[std::size_t(found->second)].members;
            }
        }
    }

    std::int64_t xOf(int e) { return groups_[std::size_t(find(groupOf_[std::size_t(e)]))].x; }

    /// Element m's turn: every other element of its row with x in
    /// [x(m), r] goes to r + 5. Returns how many moved.
    long long push(int m, int row, std::int64_t r) {
        auto &groups = rows_[std::size_t(row)];
        const int own = find(groupOf_[std::size_t(m)]);
        const std::int64_t xm = groups_[std::size_t(own)].x;
        const auto at = groups.find(xm);
        const auto past = groups.upper_bound(r);
        if (groups_[std::size_t(own)].members == 1 && std::next(at) == past)
            return 0;
        // m stays where it is as a group of its own; the rest of its group moves.
        --groups_[std::size_t(own)].members;
        const int alone = newGroup(xm, 1);
        groupOf_[std::size_t(m)] = alone;
        std::vector<int> moving;
        for (auto it = at; it != past; ++it) {
            if (groups_[std::size_t(it->second)].members > 0)
                moving.push_back(it->second);
        }
        groups.erase(at, past);
        groups.emplace(xm, alone);
        long long moves = 0;
        for (const int g : moving)
            moves += groups_[std::size_t(g)].members;
        if (moving.empty())
            return 0;
        const std::int64_t target = r + 5;
        int into;
        if (const auto there = groups.find(target); there != groups.end()) {
            into = there->second;
        } else {
            into = moving.front();
            groups_[std::size_t(into)].x = target;
            groups.emplace(target, into);
        }
        for (const int g : moving) {
            if (g == into)
                continue;
            groups_[std::size_t(g)].parent = into;
            groups_[std::size_t(into)].members += groups_[std::size_t(g)].members;
        }
        return moves;
    }

  private:
    struct Group {
        int parent;
        std::int64_t x;
        long long members;
    };

    int newGroup(std::int64_t x, long long members) {
        groups_.push_back({int(groups_.size()), x, members});
        return int(groups_.size()) - 1;
    }

    int find(int g) {
        int root = g;
        while (groups_[std::size_t(root)].parent != root)
            root = groups_[std::size_t(root)].parent;
        while (groups_[std::size_t(g)].parent != root) {
            const int next = groups_[std::size_t(g)].parent;
            groups_[std::size_t(g)].parent = root;
            g = next;
        }
        return root;
    }

    std::vector<std::map<std::int64_t, int>> rows_;
    std::vector<Group> groups_;
    std::vector<int> groupOf_;
};

// Elements of each row ordered by x. After the spreading no element starts
// within another's width plus 20, so the boxes' ends (x + w + 20) rise with
// x, and the centring keeps it so: whether a place is free depends only on
// the nearest element on each side.
class RowOrder {
  public:
    RowOrder(const std::vector<PlacementElement> &elements, const Coordinates &x,
             const std::vector<int> &rowOf, int rowCount)
        : elements_(elements), rows_(std::size_t(rowCount)) {
        for (std::size_t e = 0; e < x.size(); ++e)
            rows_[std::size_t(rowOf[e])].emplace(x[e], int(e));
    }

    /// True when no element u of the row has c <= x(u) + w(u) + 20 and
    /// x(u) <= c + width + 20.
    bool isFree(int row, std::int64_t c, std::int64_t width) const {
        const auto &members = rows_[std::size_t(row)];
        const auto right = members.lower_bound({c, std::numeric_limits<int>::min()});
        if (right != members.end() && right->first <= c + width + 20)
            return false;
        if (right == members.begin())
            return true;
        const auto left = std::prev(right);
        return left->first + elements_[std::size_t(left->second)].width + 20 < c;
    }

    void move(int row, int e, std::int64_t from, std::int64_t to) {
        auto &members = rows_[std::size_t(row)];
        members.erase({from, e});
        members.emplace(to, e);
    }

  private:
    const std::vector<PlacementElement> &elements_;
    std::vector<std::set<std::pair<std::int64_t, int>>> rows_;
};

}  // namespace

std::vector<int> rowNumbers(const Coordinates &y, int *rowCount) {
    Coordinates values = y;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::vector<int> rowOf(y.size());
    for (std::size_t e = 0; e < y.size(); ++e)
        rowOf[e] = int(std::lower_bound(values.begin(), values.end(), y[e]) - values.begin());
    *rowCount = int(values.size());
    return rowOf;
}

void spreadRows(const std::vector<PlacementElement> &elements, Coordinates &x, const Coordinates &y,
                const std::function<void(long long)> &passDone) {
    int rowCount = 0;
    const std::vector<int> rowOf = rowNumbers(y, &rowCount);
    for (;;) {
        RowGroups groups(x, rowOf, rowCount);
        long long moves = 0;
        for (std::size_t m = 0; m < x.size(); ++m) {
            const std::int64_t r = groups.xOf(int(m)) + elements[m].width + 20;
            moves += groups.push(int(m), rowOf[m], r);
        }
        for (std::size_t e = 0; e < x.size(); ++e)
            x[e] = groups.xOf(int(e));
        passDone(moves);
        if (moves == 0)
            return;
    }
}

void centreChildren(const std::vector<PlacementElement> &elements, Coordinates &x,
                    const Coordinates &y) {
    int rowCount = 0;
    const std::vector<int> rowOf = rowNumbers(y, &rowCount);
    RowOrder order(elements, x, rowOf, rowCount);
    auto tryParent = [&](std::size_t e, int parent) {
        if (parent < 0)
            return false;
        const std::int64_t c = x[std::size_t(parent)] + elements[std::size_t(parent)].width / 2 -
                               elements[e].width / 2;
        if (!order.isFree(rowOf[e], c, elements[e].width))
            return false;
        order.move(rowOf[e], int(e), x[e], c);
        x[e] = c;
        return true;
    };
    long long previous = std::numeric_limits<int>::max();
    for (;;) {
        long long moves = 0;
        for (std::size_t e = 0; e < x.size(); ++e) {
            if (tryParent(e, elements[e].father) || tryParent(e, elements[e].mother))
                ++moves;
        }
        if (moves >= previous)
            return;
        previous = moves;
    }
}

int countOwnAncestors(const std::vector<PlacementElement> &elements) {
    // Tarjan's strongly connected components without recursion, over the
    // links from each element to its parents.
    const int n = int(elements.size());
    std::vector<int> index(std::size_t(n), -1), low(std::size_t(n), 0);
    std::vector<bool> onStack(std::size_t(n), false);
    std::vector<int> stack;
    std::vector<std::pair<int, int>> work;  // element, next parent slot
    int counter = 0;
    int ownAncestors = 0;
    auto parentAt = [&](int v, int slot) {
        return slot == 0 ? elements[std::size_t(v)].father : elements[std::size_t(v)].mother;
    };
    for (int start = 0; start < n; ++start) {
        if (index[std::size_t(start)] >= 0)
            continue;
        work.push_back({start, 0});
        index[std::size_t(start)] = low[std::size_t(start)] = counter++;
        stack.push_back(start);
        onStack[std::size_t(start)] = true;
        while (!work.empty()) {
            auto &[v, slot] = work.back();
            if (slot < 2) {
                const int p = parentAt(v, slot++);
                if (p < 0)
                    continue;
                if (index[std::size_t(p)] < 0) {
                    index[std::size_t(p)] = low[std::size_t(p)] = counter++;
                    stack.push_back(p);
                    onStack[std::size_t(p)] = true;
                    work.push_back({p, 0});
                } else if (onStack[std::size_t(p)]) {
                    low[std::size_t(v)] = std::min(low[std::size_t(v)], index[std::size_t(p)]);
                }
                continue;
            }
            const int done = v;
            work.pop_back();
            if (!work.empty()) {
                const int up = work.back().first;
                low[std::size_t(up)] = std::min(low[std::size_t(up)], low[std::size_t(done)]);
            }
            if (low[std::size_t(done)] != index[std::size_t(done)])
                continue;
            int size = 0;
            int member;
            do {
                member = stack.back();
                stack.pop_back();
                onStack[std::size_t(member)] = false;
                ++size;
            } while (member != done);
            const PlacementElement &e = elements[std::size_t(done)];
            if (size > 1 || e.father == done || e.mother == done)
                ownAncestors += size;
        }
    }
    return ownAncestors;
}

}  // namespace kinvarro::placement
