#include "gedcom_placement_literal.h"

#include <algorithm>
#include <climits>

namespace kinvarro::bench {

PlacementResult PlaceGenerationsLiterally(const std::vector<PlacementElement> &elements) {
    const int n = int(elements.size());
    PlacementResult result;
    auto &x = result.x;
    auto &y = result.y;
    x.assign(std::size_t(n), 0);
    y.resize(std::size_t(n));
    for (int m = 0; m < n; ++m)
        y[std::size_t(m)] = 50 * std::int64_t(m);
    auto father = [&](int m) { return elements[std::size_t(m)].father; };
    auto mother = [&](int m) { return elements[std::size_t(m)].mother; };
    auto w = [&](int m) { return elements[std::size_t(m)].width; };
    auto X = [&](int m) -> std::int64_t & { return x[std::size_t(m)]; };
    auto Y = [&](int m) -> std::int64_t & { return y[std::size_t(m)]; };
    auto hasChildren = [&](int m) {
        for (int k = 0; k < n; ++k) {
            if (father(k) == m || mother(k) == m)
                return true;
        }
        return false;
    };

    // 1. Levels of descent.
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (int m = 0; m < n; ++m) {
            if (father(m) >= 0 && Y(father(m)) > Y(m)) {
                std::swap(Y(father(m)), Y(m));
                exchanged = true;
            }
            if (mother(m) >= 0 && Y(mother(m)) > Y(m)) {
                std::swap(Y(mother(m)), Y(m));
                exchanged = true;
            }
        }
    }
    // 2. Roots.
    for (int m = 0; m < n; ++m) {
        if (father(m) >= 0 || mother(m) >= 0)
            continue;
        X(m) -= 100;
        std::int64_t smallest = LLONG_MAX;
        for (int k = 0; k < n; ++k) {
            if (father(k) == m || mother(k) == m)
                smallest = std::min(smallest, Y(k));
        }
        if (smallest != LLONG_MAX)
            Y(m) = smallest - 50;
    }
    // 3. Children.
    for (int m = 0; m < n; ++m) {
        std::int64_t t = -1;
        if (father(m) >= 0)
            t = Y(father(m));
        if (mother(m) >= 0)
            t = father(m) >= 0 ? std::max(t, Y(mother(m))) : Y(mother(m));
        if (t != -1 && t + 50 < Y(m)) {
            X(m) -= 100;
            Y(m) = t + 50;
        }
    }
    // 4. Loners.
    std::int64_t top = LLONG_MAX;
    for (int m = 0; m < n; ++m)
        top = std::min(top, Y(m));
    top -= 50;
    std::int64_t run = 0;
    for (int m = 0; m < n; ++m) {
        if (father(m) < 0 && mother(m) < 0 && !hasChildren(m)) {
            Y(m) = top;
            X(m) = run;
            run += w(m) + 30;
        }
    }
    // 5. Row gaps.
    for (int m = 0; m < n; ++m) {
        bool near = false;
        std::int64_t g = LLONG_MAX;
        for (int k = 0; k < n; ++k) {
            const std::int64_t d = Y(k) - Y(m);
            if (d > 0 && d < 100)
                near = true;
            if (d > 0)
                g = std::min(g, d);
        }
        if (near || g == LLONG_MAX)
            continue;
        const std::int64_t from = Y(m);
        for (int k = 0; k < n; ++k) {
            if (Y(k) > from)
                Y(k) += 50 - g;
        }
    }
    // 6. Spreading.
    for (long long moves = 1; moves != 0;) {
        moves = 0;
        for (int m = 0; m < n; ++m) {
            const std::int64_t r = X(m) + w(m) + 20;
            for (int k = 0; k < n; ++k) {
                if (k != m && Y(k) == Y(m) && X(m) <= X(k) && X(k) <= r) {
                    X(k) = r + 5;
                    ++moves;
                    k = -1;
                }
            }
        }
    }
    // 7. Centring.
    auto isFree = [&](int e, std::int64_t c) {
        for (int u = 0; u < n; ++u) {
            if (Y(u) == Y(e) && c <= X(u) + w(u) + 20 && X(u) <= c + w(e) + 20)
                return false;
        }
        return true;
    };
    for (long long previous = INT_MAX;;) {
        long long moves = 0;
        for (int e = 0; e < n; ++e) {
            for (const int p : {father(e), mother(e)}) {
                if (p < 0)
                    continue;
                const std::int64_t c = X(p) + w(p) / 2 - w(e) / 2;
                if (isFree(e, c)) {
                    X(e) = c;
                    ++moves;
                    break;
                }
            }
        }
        if (moves >= previous)
            break;
        previous = moves;
    }
    // 8. Origin.
    std::int64_t minX = 268435455;
    std::int64_t minY = 268435455;
    for (int m = 0; m < n; ++m) {
        minX = std::min(minX, X(m));
        minY = std::min(minY, Y(m));
    }
    for (int m = 0; m < n; ++m) {
        X(m) = X(m) - minX + 25;
        Y(m) = Y(m) - minY + 25;
    }
    return result;
}

}  // namespace kinvarro::bench
