#pragma once
// The benchmarks' game folder: a System folder of 400 description files (about 40,000 lines
// of class, skin, face and voice lines), and small timing helpers.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace rosterdesk::bench {

// Writes the files into `system` and returns how many lines they hold.
std::size_t generateSystemFolder(const std::filesystem::path& system);

template <typename Work>
double millisecondsOf(const Work& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace rosterdesk::bench
