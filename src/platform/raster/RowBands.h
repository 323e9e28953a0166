#pragma once
// Whole-picture work split into bands of rows, one per core: the rows of a
// resample or a filter pass are independent, and a picture of millions of
// pixels takes long enough to repay starting threads. Small jobs stay on the
// calling thread.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace pinxel {

// How finely jobs are split: at most maxBands bands (the cores, up to 8), each
// of at least pixelsPerBand pixels of work. The benchmarks and tests set
// maxBands to 1 to compare with one thread, or lower pixelsPerBand to split
// small pictures into many thin bands, while no job runs.
struct RowBandLimits {
    int maxBands = int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    std::int64_t pixelsPerBand = 1 << 20;
};
inline RowBandLimits &rowBandLimits()
{
    static RowBandLimits limits;
    return limits;
}

// The bands a job of rows rows and work pixels is split into.
inline int rowBandCount(int rows, std::int64_t work)
{
    const RowBandLimits &limits = rowBandLimits();
    const int most = std::max(1, std::min(limits.maxBands, rows));
    return int(std::clamp<std::int64_t>(work / std::max<std::int64_t>(limits.pixelsPerBand, 1), 1, most));
}

// Rows first .. first + rows - 1 in count bands of nearly equal height.
struct RowSplit {
    int first = 0;
    int rows = 0;
    int count = 1;
    // Band i's first row; start(count) is one past the last row.
    int start(int i) const { return first + int(std::int64_t(rows) * i / count); }
};

// Helper threads kept for the rounds of one job, so that a job of many short
// rounds (a filter's column strips) starts its threads once. Each round calls
// band(i) once for every i below bands() and returns when all have returned;
// the first exception a band throws is rethrown there. The calling thread and
// the helpers take the bands in turn as each comes free, so that a helper the
// system has not run yet holds no band up: the calling thread takes it.
class RowBandTeam {
public:
    explicit RowBandTeam(int bands) : m_bands(std::max(bands, 1)) {}
    ~RowBandTeam()
    {
        if (m_helpers.empty())
            return;
        m_stopping = true;
        m_work.store(((m_work.load(std::memory_order_relaxed) >> 32) + 1) << 32 | std::uint64_t(m_bands),
                     std::memory_order_release);
        m_work.notify_all();
        for (std::thread &helper : m_helpers)
            helper.join();
    }
    RowBandTeam(const RowBandTeam &) = delete;
    RowBandTeam &operator=(const RowBandTeam &) = delete;

    int bands() const { return m_bands; }

    template <typename Band> void run(const Band &band)
    {
        if (m_bands == 1) {
            band(0);
            return;
        }
        if (m_helpers.empty())
            startHelpers();
        m_job = &band;
        m_call = [](const void *job, int i) { (*static_cast<const Band *>(job))(i); };
        m_done.store(0, std::memory_order_relaxed);
        const std::uint64_t round = (m_work.load(std::memory_order_relaxed) >> 32) + 1;
        m_work.store(round << 32, std::memory_order_release);
        m_work.notify_all();
        takeBands(round);
        await(m_done, [this](int done) { return done == m_bands; });
        if (m_error) {
            std::exception_ptr error = std::exchange(m_error, nullptr);
            std::rethrow_exception(error);
        }
    }

private:
    void startHelpers()
    {
        m_helpers.reserve(std::size_t(m_bands - 1));
        for (int i = 1; i < m_bands; ++i)
            m_helpers.emplace_back([this] {
                for (std::uint64_t seen = 0;;) {
                    seen = await(m_work, [seen](std::uint64_t work) { return work >> 32 != seen; }) >> 32;
                    if (m_stopping)
                        return;
                    takeBands(seen);
                }
            });
    }

    // Runs bands of the round until none is left to take. m_work holds the
    // round in its upper half and the next band to take in its lower half.
    void takeBands(std::uint64_t round)
    {
        std::uint64_t work = m_work.load(std::memory_order_acquire);
        while (work >> 32 == round && int(work & 0xFFFFFFFFu) < m_bands) {
            if (!m_work.compare_exchange_weak(work, work + 1, std::memory_order_acq_rel, std::memory_order_acquire))
                continue;
            attempt(int(work & 0xFFFFFFFFu));
            if (m_done.fetch_add(1, std::memory_order_acq_rel) + 1 == m_bands)
                m_done.notify_one();
            work = m_work.load(std::memory_order_acquire);
        }
    }

    // The value once done(value) holds. Rounds follow each other within
    // microseconds, far sooner than a sleeping thread wakes, so the value is
    // watched for a while (some tens of microseconds) before sleeping on it.
    template <typename T, typename Done> static T await(std::atomic<T> &value, const Done &done)
    {
        for (int spin = 0;; ++spin) {
            const T now = value.load(std::memory_order_acquire);
            if (done(now))
                return now;
            if (spin < 2048) {
#if defined(__x86_64__) || defined(__i386__)
                __builtin_ia32_pause();
#endif
                continue;
            }
            value.wait(now, std::memory_order_acquire);
        }
    }

    void attempt(int i)
    {
        try {
            m_call(m_job, i);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(m_errorLock);
            if (!m_error)
                m_error = std::current_exception();
        }
    }

    const int m_bands;
    std::vector<std::thread> m_helpers;
    // Written before a round starts and read by the helpers after they see it.
    const void *m_job = nullptr;
    void (*m_call)(const void *job, int i) = nullptr;
    bool m_stopping = false;
    std::atomic<std::uint64_t> m_work{0};
    std::atomic<int> m_done{0};  // bands of the round finished
    std::mutex m_errorLock;
    std::exception_ptr m_error;
};

// Calls band(first, end) for bands covering rows [0, rows), each once; work
// is the job's size in pixels.
template <typename Band> void forRowBands(int rows, std::int64_t work, const Band &band)
{
    const int bands = rowBandCount(rows, work);
    if (bands <= 1) {
        band(0, rows);
        return;
    }
    const RowSplit split{0, rows, bands};
    RowBandTeam team(bands);
    team.run([&](int i) { band(split.start(i), split.start(i + 1)); });
}

}  // namespace pinxel
