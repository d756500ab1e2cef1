#pragma once
// What both measuring programs share: the clock read from the moment the script started the
// process, the peak memory, the first paint of a window, and the lines they print.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <vector>

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

// Prints the lines of a result with the peak memory, and ends the program at once.
[[noreturn]] inline void finish(const QString& lines) {
    std::printf("%speak_kb=%ld\n", qPrintable(lines), peakMemoryKb());
    std::fflush(stdout);
    std::_Exit(0);
}

// The median of a listing's rounds, and the names listed.
[[noreturn]] inline void finishListing(std::vector<double> times, int listed) {
    std::sort(times.begin(), times.end());
    finish(QString::asprintf("listing_ms=%.2f\nlisted=%d\n", times[times.size() / 2], listed));
}

// Once the first window `isSheet` accepts has painted, and the paint is over, `report` runs.
inline void onFirstPaint(std::function<bool(const QWidget*)> isSheet,
                         std::function<void()> report) {
    struct Watch : QObject {
        std::function<bool(const QWidget*)> isSheet;
        std::function<void()> report;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (report && event->type() == QEvent::Paint && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->isWindow() &&
                isSheet(static_cast<QWidget*>(watched)))
                QTimer::singleShot(0, std::exchange(report, nullptr));
            return false;
        }
    };
    auto* watch = new Watch;
    watch->isSheet = std::move(isSheet);
    watch->report = std::move(report);
    qApp->installEventFilter(watch);
}

// Runs the mode the arguments name; a run that waits on something (a message box) would hang
// the script, so none lasts more than a minute.
inline int run(int argc, char** argv, const char* usage,
               const std::function<int(const QStringList&)>& mode) {
    QApplication app(argc, argv);
    QTimer::singleShot(60000, [] {
        std::fprintf(stderr, "no result after 60 s\n");
        std::_Exit(1);
    });
    const int result = mode(QApplication::arguments());
    if (result == 2) std::fprintf(stderr, "usage: %s\n", usage);
    return result == 0 ? app.exec() : result;
}

} // namespace bench
