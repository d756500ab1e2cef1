#include "common/clock.h"
#include "common/controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHideEvent>
#include <QPointer>
#include <QTest>
#include <QTime>
#include <QTimer>

namespace {

enum class Scenario {
    HiddenLater,
    AlreadyHidden,
    Destroyed,
    WaiterClosed,
    WaiterHiddenOnly,
    MinimisedThenHidden,
};

class PaintCounter : public QWidget {
  public:
    int paints = 0;

  protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class TestClock : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        appclock::setTimeSource({});
        appclock::setSpinWait({});
        appclock::setYieldHook({});
    }

    void timeOfDay() {
        const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        const double now = appclock::timer();
        const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        QVERIFY(now >= 0 && now < 86400);
        // Around midnight the clock wraps: only compare when it did not.
        if (before <= after) QVERIFY(before <= now && now <= after);

        appclock::setTimeSource([] { return 86399.5; });
        QCOMPARE(appclock::timer(), 86399.5);
    }

    // A spinning wait serves no event, yet what changed is on screen when it returns.
    void spinWaitServesNothingButPaint() {
        QList<double> waits;
        appclock::setSpinWait([&](double seconds) { waits << seconds; });
        PaintCounter window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        const int paintsBefore = window.paints;
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        window.update();
        appclock::spinWait(0.8);
        QCOMPARE(waits, QList<double>{0.8});
        QVERIFY(window.paints > paintsBefore);
        QVERIFY(!served);
        QTRY_VERIFY(served);
    }

    // The wait reads the clock until a tick (1/64 s) beyond the wait: every reading, no more.
    void spinWaitOnTheClock_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("readings");
        QTest::newRow("0 from a tick's start") << 0.0 << "100 100.005 100.01 100.015 100.015625";
        QTest::newRow("0 within a tick") << 0.0 << "100.01 100.015 100.015625";
        QTest::newRow("1 s") << 1.0 << "100 100.5 101 101.01 101.015625";
        QTest::newRow("0.7 s") << 0.7 << "100 100.7 100.703125";
        QTest::newRow("0 over midnight") << 0.0 << "86399.99 86399.995 0.001";
        QTest::newRow("1 s over midnight") << 1.0 << "86399.5 0.4 0.5 0.53";
    }
    void spinWaitOnTheClock() {
        QFETCH(double, seconds);
        QFETCH(QString, readings);
        QStringList left = readings.split(' ');
        struct PastItsTick {};
        appclock::setTimeSource([&] {
            if (left.isEmpty()) throw PastItsTick();
            return left.takeFirst().toDouble();
        });
        QVERIFY_THROWS_NO_EXCEPTION(appclock::spinWait(seconds));
        QCOMPARE(left, QStringList());
    }

    // On the real clock: at least the wait less the part of a tick already gone at its start.
    void realSpinWaitTakesItsTime() {
        QElapsedTimer elapsed;
        elapsed.start();
        appclock::spinWait(0.05);
        QVERIFY(elapsed.elapsed() >= 46);
    }

    void yieldServesPendingEvents() {
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        appclock::yield();
        QVERIFY(served);
    }

    // The hook sees every yield, numbered from its setting, before the queue is served. A
    // paused wait yields at every turn, and with no hook it sleeps between two events.
    void yieldHookAndPausedWait() {
        QStringList seen;
        appclock::yield(); // before the hook: not counted
        appclock::setYieldHook([&](int index) { seen << QString::number(index); });
        QTimer::singleShot(0, [&] { seen << "served"; });
        appclock::yield();
        int turns = 0;
        appclock::yieldWhile([&] { return ++turns <= 2; });
        QCOMPARE(seen, QStringList({"1", "served", "2", "3"}));
        appclock::setYieldHook({});
        bool paused = true;
        turns = 0;
        QTimer::singleShot(150, [&] { paused = false; });
        appclock::yieldWhile([&] { return ++turns && paused; });
        QVERIFY2(turns < 30, "spinning");
    }

    // The wait for a dialog's answer ends when the dialog is really hidden or gone, or when
    // the window that waits is closed; meanwhile the other windows stay live.
    void waitWhileVisible_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<bool>("visibleAfter");
        QTest::addColumn<bool>("servesEvents");
        QTest::newRow("dialog hidden later") << int(Scenario::HiddenLater) << false << true;
        QTest::newRow("dialog already hidden") << int(Scenario::AlreadyHidden) << false << false;
        QTest::newRow("dialog destroyed") << int(Scenario::Destroyed) << false << true;
        QTest::newRow("waiting window closed") << int(Scenario::WaiterClosed) << true << true;
        QTest::newRow("waiting window only hidden")
            << int(Scenario::WaiterHiddenOnly) << false << true;
        QTest::newRow("dialog minimised, then hidden")
            << int(Scenario::MinimisedThenHidden) << false << true;
    }
    void waitWhileVisible() {
        QFETCH(int, scenario);
        QFETCH(bool, visibleAfter);
        QFETCH(bool, servesEvents);
        QPointer<QWidget> dialog = new QWidget;
        QWidget waiter;
        waiter.show();
        CommandButton other(QStringLiteral("Attributs"), QStringLiteral("Attributs"));
        other.show();
        int otherClicks = 0;
        other.onClick([&] { ++otherClicks; });
        QStringList steps;

        dialog->show();
        QTimer::singleShot(0, &other, [&] { QTest::mouseClick(&other, Qt::LeftButton); });
        // What ends the wait comes a while after the click, so the click comes first.
        auto later = [&](int ms, const char* step, std::function<void()> action) {
            QTimer::singleShot(ms, &waiter, [&steps, step, action] {
                steps << QString::fromLatin1(step);
                action();
            });
        };
        switch (Scenario(scenario)) {
        case Scenario::HiddenLater:
            later(30, "hide", [&] { dialog->hide(); });
            break;
        case Scenario::AlreadyHidden:
            dialog->hide();
            break;
        case Scenario::Destroyed:
            later(30, "delete", [&] { delete dialog.data(); });
            break;
        case Scenario::WaiterClosed:
            later(30, "close waiter", [&] { waiter.close(); });
            break;
        case Scenario::WaiterHiddenOnly:
            later(20, "hide waiter", [&] { waiter.hide(); });
            later(60, "hide", [&] { dialog->hide(); });
            break;
        case Scenario::MinimisedThenHidden:
            later(20, "minimise", [&] {
                QHideEvent minimised;
                QApplication::sendEvent(dialog, &minimised);
            });
            later(60, "hide", [&] { dialog->hide(); });
            break;
        }
        // A wait that never ends fails here rather than hanging the run.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&] {
            steps << QStringLiteral("watchdog");
            if (dialog) dialog->hide();
        });
        watchdog.start(5000);

        appclock::waitWhileVisible(dialog, &waiter);
        steps << QStringLiteral("returned");

        QVERIFY(!steps.contains(QStringLiteral("watchdog")));
        QCOMPARE(dialog && dialog->isVisible(), visibleAfter);
        QCOMPARE(otherClicks, servesEvents ? 1 : 0);
        if (Scenario(scenario) == Scenario::WaiterHiddenOnly ||
            Scenario(scenario) == Scenario::MinimisedThenHidden)
            QCOMPARE(steps.last(2), QStringList({"hide", "returned"}));
        delete dialog.data();
    }
};

QTEST_MAIN(TestClock)
#include "test_clock.moc"
