#include "common/chance.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <iterator>
#include <map>

namespace {

// The child run of this test executes one misuse of the script and must die of it.
const char* const childVariable = "AMBREFER_CHANCE_MISUSE";

} // namespace

class TestChance : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { chance::unscript(); }

    void dice_data() {
        QTest::addColumn<int>("faces");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("roll");
        QTest::newRow("d20, lowest r") << 20 << 0.0 << 1;
        QTest::newRow("d20, just under the second face") << 20 << 0.0499999 << 1;
        QTest::newRow("d20, the second face") << 20 << 0.05 << 2;
        QTest::newRow("d20, highest r") << 20 << 0.99999999999999989 << 20;
        QTest::newRow("d20, 0.15") << 20 << 0.15 << 4;
        QTest::newRow("d6, half") << 6 << 0.5 << 4;
        QTest::newRow("d6, five sixths") << 6 << 5.0 / 6.0 << 6;
        QTest::newRow("d6, highest r") << 6 << 0.9999999 << 6;
        QTest::newRow("d10, 0.95") << 10 << 0.95 << 10;
        QTest::newRow("d10, 0.3") << 10 << 0.3 << 4;
    }
    void dice() {
        QFETCH(int, faces);
        QFETCH(double, r);
        QFETCH(int, roll);
        chance::script({r, r, r});
        QCOMPARE(chance::dice(faces), roll);
        const int named = faces == 6 ? chance::d6() : faces == 10 ? chance::d10() : chance::d20();
        QCOMPARE(named, roll);
        QCOMPARE(chance::rnd(), r);
        QVERIFY(chance::scriptExhausted());
    }

    void scriptIsFollowedInOrder() {
        chance::script({0.1, 0.9, 0.5});
        QVERIFY(!chance::scriptExhausted());
        QCOMPARE(chance::d20(), 3);
        QCOMPARE(chance::d20(), 19);
        QVERIFY(!chance::scriptExhausted());
        QCOMPARE(chance::rnd(), 0.5);
        QVERIFY(chance::scriptExhausted());
    }

    // Unscripted: every value in [0, 1), every face of a die comes up, none beyond.
    void realChance() {
        chance::seedFromEntropy();
        std::map<int, int> faces;
        for (int i = 0; i < 60000; ++i) {
            const double r = chance::rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
            ++faces[chance::d6()];
        }
        QCOMPARE(faces.size(), std::size_t(6));
        QCOMPARE(faces.begin()->first, 1);
        QCOMPARE(faces.rbegin()->first, 6);
        for (const auto& [face, count] : faces)
            QVERIFY2(count > 9000, "a fair die");
    }

    void seedingChangesTheSequence() {
        chance::seedFromEntropy();
        const double first[] = {chance::rnd(), chance::rnd(), chance::rnd()};
        chance::seedFromEntropy();
        const double second[] = {chance::rnd(), chance::rnd(), chance::rnd()};
        QVERIFY(!std::equal(std::begin(first), std::end(first), std::begin(second)));
    }

    // A test that draws more than it scripted, or scripts an impossible value, stops there.
    void misuseFailsLoudly_data() {
        QTest::addColumn<QString>("misuse");
        QTest::addColumn<QString>("message");
        QTest::newRow("runs out") << "runs out"
                                  << "ran out";
        QTest::newRow("one") << "one"
                             << "outside [0, 1)";
        QTest::newRow("negative") << "negative"
                                  << "outside [0, 1)";
        QTest::newRow("dice run out") << "dice run out" << "ran out";
        QTest::newRow("another die") << "another die" << "a d20 was drawn where the die d6 was";
    }
    void misuseFailsLoudly() {
        QFETCH(QString, misuse);
        QFETCH(QString, message);
        const QString asChild = qEnvironmentVariable(childVariable);
        if (!asChild.isEmpty()) {
            if (asChild != misuse) QSKIP("another misuse");
            if (misuse == QLatin1String("runs out")) {
                chance::script({0.5});
                chance::d20();
                chance::d20();
            } else if (misuse.startsWith(QLatin1String("a")) || misuse.startsWith(QLatin1String("d"))) {
                chance::scriptDice({{2, 6}, {6, 6}});
                QCOMPARE(chance::d6(), 2);
                misuse == QLatin1String("another die") ? chance::d20() : chance::d6() + chance::d6();
            } else {
                chance::script({misuse == QLatin1String("one") ? 1.0 : -0.25});
            }
            QFAIL("the misuse went unnoticed");
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(childVariable), misuse);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("misuseFailsLoudly:%1").arg(misuse)});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(QString::fromUtf8(child.readAll()).contains(message));
    }

    void testRule_data() {
        QTest::addColumn<int>("roll");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("1 beats anything") << 1 << -5 << 10 << true;
        QTest::newRow("19 fails anything") << 19 << 30 << 0 << false;
        QTest::newRow("20 fails anything") << 20 << 30 << -10 << false;
        QTest::newRow("at the value") << 12 << 12 << 0 << true;
        QTest::newRow("one over") << 13 << 12 << 0 << false;
        QTest::newRow("modifier pushes over") << 10 << 12 << 3 << false;
        QTest::newRow("modifier brings under") << 15 << 12 << -3 << true;
    }
    void testRule() {
        QFETCH(int, roll);
        QFETCH(int, value);
        QFETCH(int, modifier);
        QFETCH(bool, succeeds);
        QCOMPARE(chance::testSucceeds(roll, value, modifier), succeeds);
    }
};

QTEST_GUILESS_MAIN(TestChance)
#include "test_chance.moc"
