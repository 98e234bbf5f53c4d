#include "arrange/generation_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace kinvarro {
namespace {

/// Drops the edges of `up` that close a cycle, visiting nodes and edges in
/// index order so that the same graph always loses the same edges.
int BreakCycles(std::vector<std::vector<int>> &up) {
    const int n = static_cast<int>(up.size());
    std::vector<char> state(n, 0);  // 0 unseen, 1 on the path, 2 done
    std::vector<std::pair<int, std::size_t>> stack;
    int broken = 0;
    for (int start = 0; start < n; ++start) {
        if (state[start] != 0)
            continue;
        state[start] = 1;
        stack.push_back({start, 0});
        while (!stack.empty()) {
            const int node = stack.back().first;
            const std::size_t edge = stack.back().second;
            if (edge >= up[node].size()) {
                state[node] = 2;
                stack.pop_back();
                continue;
            }
            ++stack.back().second;
            int &target = up[node][edge];
            if (target < 0)
                continue;
            if (state[target] == 1) {
                target = -1;
                ++broken;
            } else if (state[target] == 0) {
                state[target] = 1;
                stack.push_back({target, 0});
            }
        }
    }
    return broken;
}

int Find(std::vector<int> &parent, int v) {
    while (parent[v] != v) {
        parent[v] = parent[parent[v]];
        v = parent[v];
    }
    return v;
}

/// Longest chain of parent groups above each group; `up` must be acyclic.
std::vector<int> Depths(const std::vector<std::vector<int>> &up) {
    const int n = static_cast<int>(up.size());
    std::vector<int> depth(n, -1);
    std::vector<std::pair<int, std::size_t>> stack;
    for (int start = 0; start < n; ++start) {
        if (depth[start] >= 0)
            continue;
        stack.push_back({start, 0});
        depth[start] = -2;
        while (!stack.empty()) {
            auto &[node, edge] = stack.back();
            if (edge < up[node].size()) {
                const int target = up[node][edge++];
                if (target >= 0 && depth[target] == -1) {
                    depth[target] = -2;
                    stack.push_back({target, 0});
                }
                continue;
            }
            int d = 0;
            for (int target : up[node])
                if (target >= 0)
                    d = std::max(d, depth[target] + 1);
            depth[node] = d;
            stack.pop_back();
        }
    }
    return depth;
}

/// Least-squares fit of left edges to `wanted` keeping the order and the
/// minimum distances `advance` (pool-adjacent-violators on shifted values).
std::vector<double> FitRow(const std::vector<double> &wanted, const std::vector<double> &advance) {
    const std::size_t n = wanted.size();
    std::vector<double> offset(n, 0.0);
    for (std::size_t i = 1; i < n; ++i)
        offset[i] = offset[i - 1] + advance[i - 1];
    struct Pool {
        double sum;
        double count;
        std::size_t end;
    };
    std::vector<Pool> pools;
    for (std::size_t i = 0; i < n; ++i) {
        pools.push_back({wanted[i] - offset[i], 1.0, i + 1});
        while (pools.size() > 1) {
            const Pool &last = pools.back();
            const Pool &before = pools[pools.size() - 2];
            if (before.sum / before.count <= last.sum / last.count)
                break;
            Pool merged{before.sum + last.sum, before.count + last.count, last.end};
            pools.pop_back();
            pools.back() = merged;
        }
    }
    std::vector<double> left(n);
    std::size_t i = 0;
    for (const Pool &pool : pools)
        for (; i < pool.end; ++i)
            left[i] = pool.sum / pool.count + offset[i];
    return left;
}

class Arranger {
  public:
    Arranger(const std::vector<LayoutBox> &boxes, const LayoutGaps &gaps)
        : boxes_(boxes), gaps_(gaps), n_(static_cast<int>(boxes.size())) {}

    LayoutResult run() {
        LayoutResult result;
        result.brokenLinks = readParents();
        formGroups();
        assignRows();
        orderRows();
        placeRows();
        result.x.resize(n_);
        result.y.resize(n_);
        result.row.resize(n_);
        std::vector<std::int64_t> rowTop(rows_.size() + 1, 0);
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            std::int64_t height = 0;
            for (int g : rows_[r])
                for (int v : members_[g])
                    height = std::max(height, boxes_[v].height);
            rowTop[r + 1] = rowTop[r] + height + gaps_.row;
        }
        double minLeft = 0;
        bool first = true;
        for (int v = 0; v < n_; ++v) {
            if (groupRow_[group_[v]] < 0)
                continue;
            minLeft = first ? left(v) : std::min(minLeft, left(v));
            first = false;
        }
        std::int64_t familiesWidth = 0;
        for (int v = 0; v < n_; ++v) {
            if (groupRow_[group_[v]] < 0)
                continue;
            result.x[v] = static_cast<std::int64_t>(left(v) - minLeft + 0.5);
            result.row[v] = groupRow_[group_[v]];
            result.y[v] = rowTop[result.row[v]];
            familiesWidth = std::max(familiesWidth, result.x[v] + boxes_[v].width);
        }
        placeLoners(result, familiesWidth, rowTop[rows_.size()]);
        return result;
    }

  private:
    int readParents() {
        std::vector<std::vector<int>> up(n_);
        for (int v = 0; v < n_; ++v)
            for (int p : {boxes_[v].father, boxes_[v].mother})
                if (p >= 0 && p < n_ && p != v)
                    up[v].push_back(p);
        const int broken = BreakCycles(up);
        children_.assign(n_, {});
        parents_.assign(n_, {});
        for (int v = 0; v < n_; ++v)
            for (int p : up[v])
                if (p >= 0) {
                    parents_[v].push_back(p);
                    children_[p].push_back(v);
                }
        return broken;
    }

    // Partners (the two parents of one child) form a group kept on one row.
    void formGroups() {
        std::vector<int> root(n_);
        std::iota(root.begin(), root.end(), 0);
        partners_.assign(n_, {});
        for (int v = 0; v < n_; ++v) {
            if (parents_[v].size() != 2)
                continue;
            const int a = parents_[v][0], b = parents_[v][1];
            if (std::find(partners_[a].begin(), partners_[a].end(), b) == partners_[a].end()) {
                partners_[a].push_back(b);
                partners_[b].push_back(a);
            }
            root[Find(root, a)] = Find(root, b);
        }
        std::vector<int> start(n_, -1);
        // Start at the end of a chain of partners so a person with several
        // partners stands between them.
        for (int v = 0; v < n_; ++v) {
            int &s = start[Find(root, v)];
            if (s < 0 || partners_[v].size() < partners_[s].size())
                s = v;
        }
        group_.assign(n_, -1);
        for (int v = 0; v < n_; ++v) {
            if (start[v] < 0)
                continue;
            const int g = static_cast<int>(members_.size());
            members_.push_back({start[v]});
            std::vector<int> &list = members_.back();
            group_[start[v]] = g;
            for (std::size_t i = 0; i < list.size(); ++i)
                for (int p : partners_[list[i]])
                    if (group_[p] < 0) {
                        group_[p] = g;
                        list.push_back(p);
                    }
        }
        // Groups numbered by their first member keep the input order.
        std::vector<int> order(members_.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            return *std::min_element(members_[a].begin(), members_[a].end()) <
                   *std::min_element(members_[b].begin(), members_[b].end());
        });
        std::vector<std::vector<int>> sorted;
        for (int g : order)
            sorted.push_back(std::move(members_[g]));
        members_ = std::move(sorted);
        for (std::size_t g = 0; g < members_.size(); ++g)
            for (int v : members_[g])
                group_[v] = static_cast<int>(g);
    }

    void assignRows() {
        const int groups = static_cast<int>(members_.size());
        std::vector<std::vector<int>> up(groups);
        for (int v = 0; v < n_; ++v)
            for (int p : parents_[v])
                if (group_[p] != group_[v])
                    up[group_[v]].push_back(group_[p]);
        for (auto &list : up) {
            std::sort(list.begin(), list.end());
            list.erase(std::unique(list.begin(), list.end()), list.end());
        }
        BreakCycles(up);
        groupRow_ = Depths(up);
        // A group without parents moves down to stand just above its children.
        std::vector<int> lowest(groups, -1);
        for (int g = 0; g < groups; ++g)
            for (int p : up[g])
                if (p >= 0 && (lowest[p] < 0 || groupRow_[g] < lowest[p]))
                    lowest[p] = groupRow_[g];
        for (int g = 0; g < groups; ++g) {
            bool hasParents = false;
            for (int p : up[g])
                hasParents = hasParents || p >= 0;
            if (!hasParents && lowest[g] > 0)
                groupRow_[g] = lowest[g] - 1;
        }
        // A person linked to nobody joins no generation: in one row such persons
        // made a large tree many times wider than its families. They stand apart.
        for (int g = 0; g < groups; ++g) {
            const int v = members_[g][0];
            if (members_[g].size() == 1 && parents_[v].empty() && children_[v].empty()) {
                groupRow_[g] = -1;
                loners_.push_back(v);
            }
        }
        // Rows left empty by them close up.
        int rowCount = 0;
        for (int g = 0; g < groups; ++g)
            rowCount = std::max(rowCount, groupRow_[g] + 1);
        std::vector<int> used(rowCount, 0);
        for (int g = 0; g < groups; ++g)
            if (groupRow_[g] >= 0)
                used[groupRow_[g]] = 1;
        std::vector<int> renumbered(rowCount, 0);
        int kept = 0;
        for (int r = 0; r < rowCount; ++r) {
            renumbered[r] = kept;
            kept += used[r];
        }
        rows_.assign(kept, {});
        for (int g = 0; g < groups; ++g) {
            if (groupRow_[g] < 0)
                continue;
            groupRow_[g] = renumbered[groupRow_[g]];
            rows_[groupRow_[g]].push_back(g);
        }
    }

    // The unlinked persons in rows under the families, in their table order, wrapped
    // at the families' width (or at a square-ish block when there are no families).
    void placeLoners(LayoutResult &result, std::int64_t familiesWidth,
                     std::int64_t familiesBottom) const {
        std::int64_t area = 0, tallest = 0;
        for (int v : loners_) {
            area += (boxes_[v].width + gaps_.family) * (boxes_[v].height + gaps_.row);
            tallest = std::max(tallest, boxes_[v].height);
        }
        const auto side = static_cast<std::int64_t>(std::sqrt(double(area)));
        const std::int64_t width = std::max({familiesWidth, side, std::int64_t(800)});
        std::int64_t x = 0, y = familiesBottom;
        int row = static_cast<int>(rows_.size());
        for (int v : loners_) {
            if (x > 0 && x + boxes_[v].width > width) {
                x = 0;
                y += tallest + gaps_.row;
                ++row;
            }
            result.x[v] = x;
            result.y[v] = y;
            result.row[v] = row;
            x += boxes_[v].width + gaps_.family;
        }
    }

    void numberRow(int r) {
        int index = 0;
        for (int g : rows_[r])
            for (int v : members_[g])
                position_[v] = index++;
    }

    // Barycentre sweeps on groups; a stable sort keeps siblings together.
    void orderRows() {
        position_.assign(n_, 0);
        const int rowCount = static_cast<int>(rows_.size());
        for (int r = 0; r < rowCount; ++r)
            numberRow(r);
        auto sweep = [&](int r, bool fromParents) {
            std::vector<std::pair<double, int>> keyed;
            for (std::size_t i = 0; i < rows_[r].size(); ++i) {
                const int g = rows_[r][i];
                double sum = 0;
                int count = 0;
                for (int v : members_[g])
                    for (int u : fromParents ? parents_[v] : children_[v]) {
                        sum += position_[u];
                        ++count;
                    }
                keyed.push_back({count > 0 ? sum / count : position_[members_[g][0]], g});
            }
            std::stable_sort(keyed.begin(), keyed.end(),
                             [](const auto &a, const auto &b) { return a.first < b.first; });
            for (std::size_t i = 0; i < keyed.size(); ++i)
                rows_[r][i] = keyed[i].second;
            numberRow(r);
        };
        for (int pass = 0; pass < 4; ++pass) {
            for (int r = 1; r < rowCount; ++r)
                sweep(r, true);
            for (int r = rowCount - 2; r >= 0; --r)
                sweep(r, false);
        }
        for (int r = 1; r < rowCount; ++r)
            sweep(r, true);
    }

    double left(int v) const { return groupLeft_[group_[v]] + memberOffset_[v]; }

    bool shareParent(int a, int b) const {
        for (int v : members_[a])
            for (int w : members_[b])
                for (int p : parents_[v])
                    if (std::find(parents_[w].begin(), parents_[w].end(), p) != parents_[w].end())
                        return true;
        return false;
    }

    void fitRow(int r, bool fromParents) {
        const auto &row = rows_[r];
        std::vector<double> wanted(row.size()), advance(row.size());
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int g = row[i];
            // Brothers and sisters stand as close as partners: no other family's
            // lines pass between them.
            const bool siblings = i + 1 < row.size() && shareParent(g, row[i + 1]);
            advance[i] = groupWidth_[g] + (siblings ? gaps_.partner : gaps_.family);
            double sum = 0;
            int count = 0;
            if (fromParents) {
                for (int v : members_[g]) {
                    if (parents_[v].empty())
                        continue;
                    double centre = 0;
                    for (int p : parents_[v])
                        centre += left(p) + boxes_[p].width / 2.0;
                    centre /= parents_[v].size();
                    sum += centre - memberOffset_[v] - boxes_[v].width / 2.0;
                    ++count;
                }
            } else {
                // Each member over the mean of its children: shorter lines than the
                // middle of their span when a family is lopsided.
                for (int v : members_[g])
                    for (int c : children_[v]) {
                        sum += left(c) + boxes_[c].width / 2.0 - memberOffset_[v] -
                               boxes_[v].width / 2.0;
                        ++count;
                    }
            }
            wanted[i] = count > 0 ? sum / count : groupLeft_[g];
        }
        const std::vector<double> fitted = FitRow(wanted, advance);
        for (std::size_t i = 0; i < row.size(); ++i)
            groupLeft_[row[i]] = fitted[i];
    }

    void setOffsets(int g) {
        double x = 0;
        for (int v : members_[g]) {
            memberOffset_[v] = x;
            x += boxes_[v].width + gaps_.partner;
        }
    }

    // A couple stands the way round that brings each partner nearer to their own
    // parents: a child marrying out stands on the side of its brothers and sisters.
    void turnCouples(int r) {
        const auto distance = [&](int g) {
            double sum = 0;
            for (int v : members_[g])
                for (int p : parents_[v])
                    sum +=
                        std::abs(left(p) + boxes_[p].width / 2.0 - left(v) - boxes_[v].width / 2.0);
            return sum;
        };
        for (int g : rows_[r]) {
            if (members_[g].size() != 2)
                continue;
            const double before = distance(g);
            std::swap(members_[g][0], members_[g][1]);
            setOffsets(g);
            if (distance(g) >= before) {
                std::swap(members_[g][0], members_[g][1]);
                setOffsets(g);
            }
        }
    }

    void placeRows() {
        const int groups = static_cast<int>(members_.size());
        memberOffset_.assign(n_, 0);
        groupWidth_.assign(groups, 0);
        groupLeft_.assign(groups, 0);
        for (int g = 0; g < groups; ++g) {
            setOffsets(g);
            groupWidth_[g] = memberOffset_[members_[g].back()] + boxes_[members_[g].back()].width;
        }
        const int rowCount = static_cast<int>(rows_.size());
        for (int r = 0; r < rowCount; ++r) {
            fitRow(r, true);
            turnCouples(r);
        }
        // Passes beyond four still shorten the lines of deep trees noticeably.
        for (int pass = 0; pass < 12; ++pass) {
            for (int r = 1; r < rowCount; ++r) {
                fitRow(r, true);
                turnCouples(r);
            }
            for (int r = rowCount - 2; r >= 0; --r)
                fitRow(r, false);
        }
        for (int r = 1; r < rowCount; ++r)
            fitRow(r, true);
    }

    const std::vector<LayoutBox> &boxes_;
    LayoutGaps gaps_;
    int n_;
    std::vector<std::vector<int>> parents_, children_, partners_, members_, rows_;
    std::vector<int> group_, groupRow_, position_;
    std::vector<int> loners_;  // persons linked to nobody, in table order
    std::vector<double> memberOffset_, groupWidth_, groupLeft_;
};

}  // namespace

LayoutResult ArrangeGenerations(const std::vector<LayoutBox> &boxes, const LayoutGaps &gaps) {
    return Arranger(boxes, gaps).run();
}

}  // namespace kinvarro
