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

class PaintCounter : public QWidget {
public:
    int paints = 0;
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

    void realSpinWaitTakesItsTime() {
        QElapsedTimer elapsed;
        elapsed.start();
        appclock::spinWait(0.05);
        QVERIFY(elapsed.elapsed() >= 50);
    }

    // A yield serves the queue; the hook sees every yield, numbered from its setting, before the
    // queue is served. A paused wait yields at every turn, and with no hook it sleeps between two
    // events.
    void yieldHookAndPausedWait() {
        QStringList seen;
        QTimer::singleShot(0, [&] { seen << "unhooked"; });
        appclock::yield(); // before the hook: not counted
        appclock::setYieldHook([&](int index) { seen << QString::number(index); });
        QTimer::singleShot(0, [&] { seen << "served"; });
        appclock::yield();
        int turns = 0;
        appclock::yieldWhile([&] { return ++turns <= 2; });
        QCOMPARE(seen, QStringList({"unhooked", "1", "served", "2", "3"}));
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
        QTest::addColumn<QString>("events"); // "what@ms", the last one ending the wait; 0: before
        QTest::addColumn<bool>("visibleAfter");
        QTest::addColumn<bool>("servesEvents");
        QTest::newRow("dialog hidden later") << "hide@30" << false << true;
        QTest::newRow("dialog already hidden") << "hide@0" << false << false;
        QTest::newRow("dialog destroyed") << "delete@30" << false << true;
        QTest::newRow("waiting window closed") << "close-waiter@30" << true << true;
        QTest::newRow("waiting window only hidden") << "hide-waiter@20 hide@60" << false << true;
        QTest::newRow("dialog minimised, then hidden") << "minimise@20 hide@60" << false << true;
    }
    void waitWhileVisible() {
        QFETCH(QString, events);
        QFETCH(bool, visibleAfter);
        QFETCH(bool, servesEvents);
        QPointer<QWidget> dialog = new QWidget;
        QWidget waiter;
        waiter.show();
        CommandButton other(QStringLiteral("Attributs"), QStringLiteral("Attributs"));
        other.show();
        int otherClicks = 0;
        other.onClick([&] { ++otherClicks; });
        dialog->show();
        QTimer::singleShot(0, &other, [&] { QTest::mouseClick(&other, Qt::LeftButton); });
        QStringList steps;
        const QMap<QString, std::function<void()>> actions{
            {"hide", [&] { dialog->hide(); }},
            {"delete", [&] { delete dialog.data(); }},
            {"close-waiter", [&] { waiter.close(); }},
            {"hide-waiter", [&] { waiter.hide(); }},
            {"minimise", [&] {
                 QHideEvent minimised;
                 QApplication::sendEvent(dialog, &minimised);
             }}};
        // What ends the wait comes a while after the click, so the click comes first.
        for (const QString& event : events.split(' ')) {
            const QString what = event.section('@', 0, 0);
            const auto act = [&steps, &actions, what] {
                steps << what;
                actions[what]();
            };
            if (const int ms = event.section('@', 1).toInt())
                QTimer::singleShot(ms, &waiter, act);
            else
                act();
        }
        // A wait that never ends fails rather than hanging the run.
        QTimer::singleShot(5000, &waiter, [&] {
            steps << "watchdog";
            if (dialog) dialog->hide();
        });

        appclock::waitWhileVisible(dialog, &waiter);
        steps << QStringLiteral("returned");

        QCOMPARE(steps.last(2),
                 QStringList({events.section(' ', -1).section('@', 0, 0), "returned"}));
        QCOMPARE(dialog && dialog->isVisible(), visibleAfter);
        QCOMPARE(otherClicks, servesEvents ? 1 : 0);
        delete dialog.data();
    }
};

QTEST_MAIN(TestClock)
#include "test_clock.moc"
