#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// Times `run` a number of times and prints the median and spread of the figures.
namespace rotaline::bench {

inline void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<size_t>(q * (micros.size() - 1))]; };
    std::printf("%-44s median %9.1f us   p10 %9.1f   p90 %9.1f   (n=%zu)\n", what, at(0.5), at(0.1),
                at(0.9), micros.size());
}

inline std::vector<double> repeat(int times, const std::function<void(int)>& run) {
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        run(i);
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    return micros;
}

}  // namespace rotaline::bench
