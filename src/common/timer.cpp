#include "common/timer.h"

#include "common/eventboundary.h"

Timer::Timer(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (handler_) runEvent(handler_);
    });
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    apply();
}

void Timer::setInterval(int milliseconds) {
    interval_ = milliseconds;
    if (timer_.isActive()) timer_.stop();
    apply();
}

void Timer::apply() {
    if (enabled_ && interval_ > 0) {
        if (!timer_.isActive()) timer_.start(interval_);
    } else {
        timer_.stop();
    }
}
