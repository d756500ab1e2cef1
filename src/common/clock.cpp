#include "common/clock.h"

#include "common/eventboundary.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTime>
#include <QWidget>

#include <cmath>

namespace appclock {
namespace {

std::function<double()>& timeSource() {
    static std::function<double()> f;
    return f;
}
std::function<void(double)>& spin() {
    static std::function<void(double)> f;
    return f;
}
std::function<void(int)>& yieldHook() {
    static std::function<void(int)> f;
    return f;
}
int yieldsSinceHook = 0;

// One yield: the test hook's turn, then the queue. A test hook stands in for the user at
// every turn, so only a real user's wait sleeps until something happens.
void yieldOnce(bool mayWaitForEvents) {
    if (yieldHook()) {
        const auto hook = yieldHook(); // the hook may replace itself
        hook(++yieldsSinceHook);
        mayWaitForEvents = false;
    }
    QApplication::processEvents(mayWaitForEvents ? QEventLoop::WaitForMoreEvents
                                                 : QEventLoop::AllEvents);
    leaveIfEnding();
}

// Ends the wait once the dialog is really hidden (a minimised window gets a Hide event but
// stays visible) or the waiting window is closed.
class WaitWatcher : public QObject {
  public:
    WaitWatcher(QEventLoop& loop, QWidget* dialog, QWidget* waiter)
        : loop_(loop), dialog_(dialog), waiter_(waiter) {
        dialog->installEventFilter(this);
        if (waiter) waiter->installEventFilter(this);
    }
    ~WaitWatcher() override {
        if (dialog_) dialog_->removeEventFilter(this);
        if (waiter_) waiter_->removeEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool dialogHidden =
            watched == dialog_ && event->type() == QEvent::Hide && !dialog_->isVisible();
        const bool waiterClosed = watched == waiter_ && event->type() == QEvent::Close;
        if (dialogHidden || waiterClosed) loop_.quit();
        return false;
    }

  private:
    QEventLoop& loop_;
    QPointer<QWidget> dialog_;
    QPointer<QWidget> waiter_;
};

// The clock moves on in ticks of 1/64 s. The wait lasts until a reading, in whole ticks, is
// beyond the first one plus the wait, so a wait of 0 still lasts until the next tick and what
// it was for stays in sight. A reading below the first is the clock passing midnight.
void spinOnClock(double seconds) {
    constexpr double ticksPerSecond = 64;
    constexpr double secondsPerDay = 86400;
    const double start = timer();
    const double end = std::floor(start * ticksPerSecond) + seconds * ticksPerSecond;
    for (;;) {
        double now = timer();
        if (now < start) now += secondsPerDay;
        if (std::floor(now * ticksPerSecond) > end) return;
        QThread::msleep(1);
    }
}

} // namespace

double timer() {
    if (timeSource()) return timeSource()();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void spinWait(double seconds) {
    if (spin())
        spin()(seconds);
    else
        spinOnClock(seconds);
    // What the wait was for (a light, a combat step) must show before the next one, and no
    // other handler may run meanwhile: paint, and serve nothing else.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->repaint();
}

void setTimeSource(std::function<double()> source) {
    timeSource() = std::move(source);
}
void setSpinWait(std::function<void(double)> wait) {
    spin() = std::move(wait);
}

void waitWhileVisible(QWidget* dialog, QWidget* waiter) {
    if (!dialog || !dialog->isVisible()) return;
    QEventLoop loop;
    WaitWatcher watcher(loop, dialog, waiter);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (waiter) QObject::connect(waiter, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    leaveIfEnding();
}

void yield() {
    yieldOnce(false);
}

void yieldWhile(const std::function<bool()>& holding) {
    while (holding())
        yieldOnce(true);
}

void setYieldHook(std::function<void(int)> hook) {
    yieldHook() = std::move(hook);
    yieldsSinceHook = 0;
}

} // namespace appclock
