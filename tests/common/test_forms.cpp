#include "common/clock.h"
#include "common/controls.h"
#include "common/form.h"
#include "support/recorders.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

struct Tally {
    int made = 0;
    int gone = 0;
    int loads = 0;
    int unloads = 0;
};

// A window whose load may touch itself again and whose button closes it and then goes on.
class Sample : public Form {
  public:
    static inline Tally tally;
    static inline bool loadTouchesItself = false;
    static inline std::function<void(Sample&)> okClick;

    Sample() : Form(QStringLiteral("sample"), QStringLiteral("Exemple")) {
        ++tally.made;
        ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("Ok"), this);
        ok->onClick([this] { okClick(*this); });
        setCentralWidget(ok);
    }
    ~Sample() override { ++tally.gone; }
    void Form_Load() override {
        ++tally.loads;
        if (loadTouchesItself) forms::get<Sample>().ok->setText(QStringLiteral("Chargé"));
    }
    void Form_Unload() override { ++tally.unloads; }

    CommandButton* ok;
};

class Other : public Form {
  public:
    static inline Tally tally;
    Other() : Form(QStringLiteral("other"), QStringLiteral("Autre")) { ++tally.made; }
    void Form_Unload() override { ++tally.unloads; }
};

void deleteDiscarded() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        forms::unloadAll();
        deleteDiscarded();
        Sample::tally = {};
        Other::tally = {};
        Sample::loadTouchesItself = false;
        Sample::okClick = [](Sample&) {};
    }
    void cleanup() {
        forms::unloadAll();
        deleteDiscarded();
    }

    void touchCreatesHiddenAndLoadsOnce() {
        QVERIFY(!forms::isLoaded<Sample>());
        Sample& first = forms::get<Sample>();
        QVERIFY(forms::isLoaded<Sample>());
        QVERIFY(!first.isVisible());
        QCOMPARE(&forms::get<Sample>(), &first);
        QCOMPARE(Sample::tally.made, 1);
        QCOMPARE(Sample::tally.loads, 1);
        QCOMPARE(first.objectName(), QStringLiteral("sample"));
        QCOMPARE(first.windowTitle(), QStringLiteral("Exemple"));
    }

    void loadTouchingItsOwnWindow() {
        Sample::loadTouchesItself = true;
        Sample& window = forms::get<Sample>();
        QCOMPARE(Sample::tally.made, 1);
        QCOMPARE(Sample::tally.loads, 1);
        QCOMPARE(window.ok->text(), QStringLiteral("Chargé"));
    }

    void showGivesTheFocus() {
        Sample& sample = forms::get<Sample>();
        Other& other = forms::get<Other>();
        sample.show();
        QVERIFY(QTest::qWaitForWindowActive(&sample));
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        sample.show(); // already visible: brought back to the front with the focus
        QVERIFY(QTest::qWaitForWindowActive(&sample));
        QVERIFY(other.isVisible());
    }

    // The close box unloads, then discards: the next touch starts afresh.
    void closeBoxUnloadsAndDiscards_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("visible") << true;
        QTest::newRow("hidden") << false;
    }
    void closeBoxUnloadsAndDiscards() {
        QFETCH(bool, shown);
        Sample& window = forms::get<Sample>();
        window.ok->setText(QStringLiteral("changé"));
        window.setVisible(shown);
        QPointer<Sample> old(&window);
        QVERIFY(window.close());
        QCOMPARE(Sample::tally.unloads, 1);
        QVERIFY(!forms::isLoaded<Sample>());
        QVERIFY(!old->isVisible());
        deleteDiscarded();
        QVERIFY(old.isNull());

        Sample& fresh = forms::get<Sample>();
        QCOMPARE(Sample::tally.made, 2);
        QCOMPARE(Sample::tally.loads, 2);
        QCOMPARE(fresh.ok->text(), QStringLiteral("Ok"));
        QVERIFY(!fresh.isVisible());
    }

    // A reference kept past the close: closing it again unloads nothing more, and closing
    // the window that replaced it unloads that one.
    void closedAgainLater() {
        Sample& old = forms::get<Sample>();
        old.show();
        old.close();
        Sample& fresh = forms::get<Sample>();
        old.close();
        old.show();
        old.close();
        QCOMPARE(Sample::tally.unloads, 1);
        QCOMPARE(&forms::get<Sample>(), &fresh);
        fresh.close();
        QCOMPARE(Sample::tally.unloads, 2);
        QVERIFY(!forms::isLoaded<Sample>());
    }

    // A handler that closes its own window may still use it to its end, even when it
    // serves the event queue meanwhile; the window goes once the handler is over.
    void closedByItsOwnHandler() {
        QPointer<Sample> during;
        QString caption;
        Sample::okClick = [&](Sample& window) {
            window.close();
            appclock::yield();
            deleteDiscarded();
            during = &window;
            caption = window.ok->text();
        };
        Sample& window = forms::get<Sample>();
        QPointer<Sample> guard(&window);
        window.show();
        QTest::mouseClick(window.ok, Qt::LeftButton);
        QVERIFY(!during.isNull());
        QCOMPARE(caption, QStringLiteral("Ok"));
        QCOMPARE(Sample::tally.unloads, 1);
        deleteDiscarded();
        QVERIFY(guard.isNull());
        QCOMPARE(Sample::tally.gone, 1);
    }

    void unloadAllRunsNoUnload() {
        forms::get<Sample>().show();
        forms::get<Other>();
        forms::unloadAll();
        QVERIFY(!forms::isLoaded<Sample>());
        QVERIFY(!forms::isLoaded<Other>());
        QCOMPARE(Sample::tally.gone, 1);
        QCOMPARE(Sample::tally.unloads, 0);
        QCOMPARE(Other::tally.unloads, 0);
    }

    // Ending the program from one window's unload runs no other window's unload.
    void endingFromAnUnload() {
        EndRecorder end;
        Sample::okClick = [](Sample& window) { window.close(); };
        struct Ending : Sample {
            void Form_Unload() override { endProgram(); }
        };
        forms::get<Other>().show();
        Ending& ending = forms::get<Ending>();
        ending.show();
        QTest::mouseClick(ending.ok, Qt::LeftButton);
        QCOMPARE(end.ends, 1);
        QCOMPARE(Other::tally.unloads, 0);
        QVERIFY(forms::isLoaded<Other>());
    }

    // --- Positions in twips -----------------------------------------------------------------

    void twipsOnScreen_data() {
        QTest::addColumn<QPoint>("pixels");
        QTest::newRow("top left") << QPoint(0, 0);
        QTest::newRow("inside") << QPoint(100, 200);
        QTest::newRow("partly off to the left") << QPoint(-150, 10);
        QTest::newRow("partly off above") << QPoint(10, -1);
    }
    void twipsOnScreen() {
        QFETCH(QPoint, pixels);
        Sample& window = forms::get<Sample>();
        window.resize(300, 200);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint at = area.topLeft() + pixels;
        window.moveTwips(at.x() * 15, at.y() * 15);
        QCOMPARE(window.pos(), at);
        QCOMPARE(window.leftTwips(), at.x() * 15);
        QCOMPARE(window.topTwips(), at.y() * 15);
        // Twips between two pixels fall on the pixel before.
        window.moveTwips(at.x() * 15 + 14, at.y() * 15 + 7);
        QCOMPARE(window.pos(), at);
    }

    // Off every screen: pulled back whole onto the screen, the nearest place to where it was.
    void twipsOffScreen_data() {
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<int>("side"); // the edges it must touch: 1 left, 2 top, 4 right, 8 bottom
        QTest::newRow("far left") << QPoint(-90000, 1500) << 1;
        QTest::newRow("far above") << QPoint(1500, -90000) << 2;
        QTest::newRow("far right") << QPoint(900000, 1500) << 4;
        QTest::newRow("far below") << QPoint(1500, 900000) << 8;
        QTest::newRow("far below right") << QPoint(900000, 900000) << 12;
        QTest::newRow("extreme") << QPoint(INT_MIN, INT_MAX) << 9;
    }
    void twipsOffScreen() {
        QFETCH(QPoint, twips);
        QFETCH(int, side);
        Sample& window = forms::get<Sample>();
        window.resize(300, 200);
        window.moveTwips(twips.x(), twips.y());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        QVERIFY2(area.contains(frame), "the window lies whole on the screen");
        QCOMPARE(frame.left() == area.left(), bool(side & 1));
        QCOMPARE(frame.top() == area.top(), bool(side & 2));
        QCOMPARE(frame.right() == area.right(), bool(side & 4));
        QCOMPARE(frame.bottom() == area.bottom(), bool(side & 8));
    }
};

QTEST_MAIN(TestForms)
#include "test_forms.moc"
