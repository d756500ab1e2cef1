#pragma once
// What both measuring programs share: the clock read from the moment the script started the
// process, and the peak memory.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace bench {

// Milliseconds since the script's stamp AMBREFER_BENCH_T0 (nanoseconds since the epoch),
// taken just before it started this process.
inline double msSinceProcessStart() {
    const char* stamp = std::getenv("AMBREFER_BENCH_T0");
    const long long t0 = stamp ? std::atoll(stamp) : 0;
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    return (now - t0) / 1e6;
}

inline long peakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class Stopwatch {
public:
    double ms() const {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
            .count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace bench
