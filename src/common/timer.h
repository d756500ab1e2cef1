#pragma once
// A timer control: it ticks every `interval` milliseconds while it is enabled and its interval
// is not 0, so that setting the interval to 0 stops it as surely as disabling it. Changing the
// interval of a running timer starts its count again. Its handler runs inside runEvent().
#include <QObject>
#include <QTimer>
#include <functional>

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const QString& name, QObject* parent);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return interval_; }
    void setInterval(int milliseconds);
    // Whether ticks are coming: enabled with an interval.
    bool running() const { return timer_.isActive(); }

    void onTimer(std::function<void()> handler) { handler_ = std::move(handler); }

private:
    void apply();
    QTimer timer_;
    bool enabled_ = true;
    int interval_ = 0;
    std::function<void()> handler_;
};
