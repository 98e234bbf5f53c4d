#include "persistence/gedcom_placement.h"

#include <algorithm>
#include <limits>

#include "persistence/gedcom_gauge.h"
#include "persistence/gedcom_placement_steps.h"

namespace kinvarro {
namespace {

using placement::Coordinates;

bool hasParent(const PlacementElement &e) {
    return e.father >= 0 || e.mother >= 0;
}

// Phase 1: bubble parents above their children; with a cycle of parent
// links the exchanges never settle, so `maxPasses` ends them.
void sortLevels(const std::vector<PlacementElement> &elements, Coordinates &y, long long maxPasses,
                GedcomGauge *gauge) {
    const int n = int(elements.size());
    for (long long pass = 0; pass < maxPasses; ++pass) {
        bool exchanged = false;
        for (int m = 0; m < n; ++m) {
            const int f = elements[std::size_t(m)].father;
            if (f >= 0 && y[std::size_t(f)] > y[std::size_t(m)]) {
                std::swap(y[std::size_t(f)], y[std::size_t(m)]);
                exchanged = true;
            }
            const int q = elements[std::size_t(m)].mother;
            if (q >= 0 && y[std::size_t(q)] > y[std::size_t(m)]) {
                std::swap(y[std::size_t(q)], y[std::size_t(m)]);
                exchanged = true;
            }
        }
        if (gauge) {
            gauge->step();
            if (gauge->cancelled())
                return;
        }
        if (!exchanged)
            return;
    }
}

// Phases 2 to 4: roots above their highest child, children right below their
// lower parent, loners in one row above everything.
void placeRootsAndLoners(const std::vector<PlacementElement> &elements, Coordinates &x,
                         Coordinates &y) {
    const std::size_t n = elements.size();
    std::vector<bool> hasChildren(n, false);
    std::vector<std::int64_t> highestChild(n, std::numeric_limits<std::int64_t>::max());
    for (std::size_t c = 0; c < n; ++c) {
        for (const int parent : {elements[c].father, elements[c].mother}) {
            if (parent >= 0) {
                hasChildren[std::size_t(parent)] = true;
                highestChild[std::size_t(parent)] =
                    std::min(highestChild[std::size_t(parent)], y[c]);
            }
        }
    }
    // A root's children all have a parent, so no root moves a child's row.
    for (std::size_t m = 0; m < n; ++m) {
        if (hasParent(elements[m]))
            continue;
        x[m] -= 100;
        if (hasChildren[m])
            y[m] = highestChild[m] - 50;
    }
    for (std::size_t m = 0; m < n; ++m) {
        const PlacementElement &e = elements[m];
        if (!hasParent(e))
            continue;
        std::int64_t t = std::numeric_limits<std::int64_t>::min();
        if (e.father >= 0)
            t = std::max(t, y[std::size_t(e.father)]);
        if (e.mother >= 0)
            t = std::max(t, y[std::size_t(e.mother)]);
        if (t + 50 < y[m]) {
            x[m] -= 100;
            y[m] = t + 50;
        }
    }
    if (n == 0)
        return;
    const std::int64_t top = *std::min_element(y.begin(), y.end()) - 50;
    std::int64_t run = 0;
    for (std::size_t m = 0; m < n; ++m) {
        if (hasParent(elements[m]) || hasChildren[m])
            continue;
        y[m] = top;
        x[m] = run;
        run += elements[m].width + 30;
    }
}

// Phase 5: in index order, a gap of 100 or more below an element's row
// closes to 50 by lifting every lower row. Rows keep their order, so each
// lift is a suffix addition over the row numbers (a Fenwick tree).
void closeRowGaps(Coordinates &y) {
    int rowCount = 0;
    const std::vector<int> rowOf = placement::rowNumbers(y, &rowCount);
    std::vector<std::int64_t> firstY(std::size_t(rowCount), 0);
    for (std::size_t m = 0; m < y.size(); ++m)
        firstY[std::size_t(rowOf[m])] = y[m];
    std::vector<std::int64_t> lift(std::size_t(rowCount) + 1, 0);
    auto liftFrom = [&](int row, std::int64_t amount) {
        for (int i = row + 1; i <= rowCount; i += i & -i)
            lift[std::size_t(i)] += amount;
    };
    auto rowY = [&](int row) {
        std::int64_t sum = firstY[std::size_t(row)];
        for (int i = row + 1; i > 0; i -= i & -i)
            sum += lift[std::size_t(i)];
        return sum;
    };
    for (std::size_t m = 0; m < y.size(); ++m) {
        const int row = rowOf[m];
        if (row + 1 >= rowCount)
            continue;
        const std::int64_t gap = rowY(row + 1) - rowY(row);
        if (gap >= 100)
            liftFrom(row + 1, 50 - gap);
    }
    for (std::size_t m = 0; m < y.size(); ++m)
        y[m] = rowY(rowOf[m]);
}

// Phase 8: the top-left element to (25, 25).
void moveToOrigin(Coordinates &x, Coordinates &y) {
    constexpr std::int64_t kStart = 268435455;
    std::int64_t minX = kStart;
    std::int64_t minY = kStart;
    for (std::size_t m = 0; m < x.size(); ++m) {
        minX = std::min(minX, x[m]);
        minY = std::min(minY, y[m]);
    }
    for (std::size_t m = 0; m < x.size(); ++m) {
        x[m] = x[m] - minX + 25;
        y[m] = y[m] - minY + 25;
    }
}

}  // namespace

PlacementResult PlaceGenerations(const std::vector<PlacementElement> &elements,
                                 GedcomGauge *gauge) {
    const std::size_t n = elements.size();
    PlacementResult result;
    Coordinates &x = result.x;
    Coordinates &y = result.y;
    x.assign(n, 0);
    y.resize(n);
    for (std::size_t m = 0; m < n; ++m)
        y[m] = 50 * std::int64_t(m);

    if (gauge)
        gauge->show(gauge->caption(Msg::mPlacing), 0, gauge->maximum());
    result.ownAncestors = placement::countOwnAncestors(elements);
    // Without a cycle every exchange lessens the number of ancestors standing
    // below a descendant, so the passes end by themselves. A cycle exchanges
    // forever, so then 2n + 2 passes end it and the import goes on.
    const long long maxPasses =
        result.ownAncestors > 0 ? 2 * (long long)n + 2 : std::numeric_limits<long long>::max();
    sortLevels(elements, y, maxPasses, gauge);
    if (gauge && gauge->cancelled())
        return result;  // the import drops the places
    placeRootsAndLoners(elements, x, y);
    closeRowGaps(y);

    if (gauge)
        gauge->show(gauge->caption(Msg::mReplacing), 0, 0);
    placement::spreadRows(elements, x, y, [gauge](long long moves) {
        if (!gauge)
            return;
        const int clamped = int(std::min<long long>(moves, std::numeric_limits<int>::max()));
        if (gauge->maximum() == 0)
            gauge->setMaximum(clamped);
        gauge->setPosition(gauge->maximum() - clamped);
    });
    if (gauge)
        gauge->show(gauge->caption(Msg::mReplacing), 0, 100);
    placement::centreChildren(elements, x, y);
    moveToOrigin(x, y);
    return result;
}

}  // namespace kinvarro
