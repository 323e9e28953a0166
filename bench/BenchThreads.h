#pragma once
// One thread against all cores in the same run, for the benchmarks of the
// work the library splits into bands of rows.

#include "platform/raster/RowBands.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

namespace pinxel::bench {

inline const int AllCores = rowBandLimits().maxBands;

// The work's own time in a run on one thread (the last argument 1) or on
// all cores (0); an all-core run follows the one-thread runs of its other
// arguments and reports its mean time over their median.
class Threads {
public:
    explicit Threads(benchmark::State &state, int argument) : m_state(state), m_oneThread(state.range(argument) == 1)
    {
        for (int i = 0; i < argument; ++i)
            m_key.push_back(state.range(i));
        rowBandLimits().maxBands = m_oneThread ? 1 : AllCores;
    }
    ~Threads() { rowBandLimits().maxBands = AllCores; }

    template <typename Effect> void time(const Effect &effect)
    {
        const auto start = std::chrono::steady_clock::now();
        effect();
        benchmark::ClobberMemory();
        m_spent += std::chrono::steady_clock::now() - start;
    }

    void report()
    {
        static std::map<std::vector<std::int64_t>, std::vector<double>> oneThreadTimes;
        const double mean = std::chrono::duration<double>(m_spent).count() / double(m_state.iterations());
        std::vector<double> &single = oneThreadTimes[m_key];
        if (m_oneThread) {
            single.push_back(mean);
        } else if (!single.empty()) {
            std::vector<double> sorted = single;
            std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2), sorted.end());
            m_state.counters["vs_one_thread"] = mean / sorted[sorted.size() / 2];
        }
    }

private:
    benchmark::State &m_state;
    const bool m_oneThread;
    std::vector<std::int64_t> m_key;
    std::chrono::steady_clock::duration m_spent{};
};

}  // namespace pinxel::bench
