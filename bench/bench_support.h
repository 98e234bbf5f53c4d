#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace kinvarro::bench {

/// Fastest of `runs` timings of `work`, in milliseconds. The fastest run is the
/// least disturbed by other work on a shared machine.
inline double fastestMs(int runs, const std::function<void()> &work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    return *std::min_element(times.begin(), times.end());
}

inline void printRatio(const char *what, double ms, const char *baseline, double baselineMs) {
    std::printf("%-40s %9.2f ms  = %7.2fx %s (%.2f ms)\n", what, ms, ms / baselineMs, baseline,
                baselineMs);
}

}  // namespace kinvarro::bench
