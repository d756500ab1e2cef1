#include "common/clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTime>
#include <QWidget>

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

// Quits the loop when the watched widget is hidden or closed.
class HideWatcher : public QObject {
public:
    HideWatcher(QEventLoop& loop, QWidget* dialog, QWidget* waiter) : loop_(loop) {
        dialog->installEventFilter(this);
        if (waiter) waiter->installEventFilter(this);
        waiter_ = waiter;
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool dialogHidden = watched != waiter_ && event->type() == QEvent::Hide;
        const bool waiterClosed = watched == waiter_ && (event->type() == QEvent::Close ||
                                                         event->type() == QEvent::Hide);
        if (dialogHidden || waiterClosed) loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
    QPointer<QWidget> waiter_;
};

} // namespace

double timer() {
    if (timeSource()) return timeSource()();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void spinWait(double seconds) {
    if (spin()) {
        spin()(seconds);
    } else {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < seconds * 1000.0) QThread::msleep(5);
    }
    // What the wait was for (a light, a combat step) must show before the next one.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void setTimeSource(std::function<double()> source) { timeSource() = std::move(source); }
void setSpinWait(std::function<void(double)> wait) { spin() = std::move(wait); }

void waitWhileVisible(QWidget* dialog, QWidget* waiter) {
    if (!dialog || !dialog->isVisible()) return;
    QEventLoop loop;
    QPointer<QWidget> guard(dialog);
    QPointer<QWidget> waiterGuard(waiter);
    HideWatcher watcher(loop, dialog, waiter);
    QObject::connect(dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (waiter) QObject::connect(waiter, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    loop.exec();
    if (guard) guard->removeEventFilter(&watcher);
    if (waiterGuard) waiterGuard->removeEventFilter(&watcher);
}

void yield() { QApplication::processEvents(); }

} // namespace appclock
