#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace kinvarro::bench {

/// Fastest of `runs` timings of `work` in milliseconds; the fastest run is the
/// least disturbed on a shared machine.
template <class Work>
double fastestMs(int runs, Work &&work) {
    double best = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        best = i == 0 ? ms : std::min(best, ms);
    }
    return best;
}

inline void printRatio(const char *what, double ms, const char *baseline, double baselineMs) {
    std::printf("%-40s %9.2f ms = %7.2fx %s (%.2f ms)\n", what, ms, ms / baselineMs, baseline,
                baselineMs);
}

}  // namespace kinvarro::bench
