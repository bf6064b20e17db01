#pragma once
// Timing helpers of the benchmarks: the median of many runs of a piece of
// work, and one printed line per figure.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace lumora::bench {

inline double MedianMicroseconds(int runs, const std::function<void()>& work) {
  work();  // warm up caches and allocations
  std::vector<double> times;
  times.reserve(runs);
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[runs / 2];
}

// The goal of these figures is a millisecond; larger ones are marked.
inline void Report(const char* what, double us) {
  std::printf("%-56s %9.1f us%s\n", what, us, us < 1000 ? "" : "   (over 1 ms)");
}

}  // namespace lumora::bench
