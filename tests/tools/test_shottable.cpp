// The ranged shot's difficulty table, looked up by the lists' exact texts.
#include "tools/shottable.h"

#include <QTest>

class TestShotTable : public QObject {
    Q_OBJECT
private slots:
    void groupsShareTheirCells() {
        const QStringList pairs{"Fronde",  "Javelot",      "Sarbacane", "Hache de jet",
                                "Caillou", "Hache de jet", "Boomerang", "Arc"};
        for (int i = 0; i < pairs.size(); i += 2)
            for (const QString& distance : shot::distances())
                for (const QString& target : shot::targets()) {
                    QVERIFY(shot::cell(pairs[i], distance, target));
                    QCOMPARE(shot::cell(pairs[i], distance, target),
                             shot::cell(pairs[i + 1], distance, target));
                }
    }

    // The cells that tell the groups apart, the out-of-range rows and texts outside the lists.
    void cells_data() {
        QTest::addColumn<QString>("weapon");
        QTest::addColumn<int>("distance");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("cell"); // null: no cell
        QTest::newRow("Arbalète far, largest") << "Arbalète" << 3 << 4 << "0";
        QTest::newRow("Arc far, largest") << "Arc" << 3 << 4 << "0";
        QTest::newRow("Grand Arc far, largest") << "Grand Arc" << 3 << 4 << "+1";
        QTest::newRow("Grand Arc farthest") << "Grand Arc" << 4 << 0 << "+10";
        QTest::newRow("Arbalète nearest") << "Arbalète" << 0 << 0 << "+1";
        QTest::newRow("Hache de jet medium") << "Hache de jet" << 2 << 0 << "+9";
        QTest::newRow("Javelot medium") << "Javelot" << 2 << 4 << "+1";
        QTest::newRow("Poignard medium") << "Poignard" << 2 << 4 << "HP";
        QTest::newRow("Arc farthest") << "Arc" << 4 << 4 << "HP";
        QTest::newRow("unknown weapon") << "Fusil" << 0 << 0 << QString();
        QTest::newRow("no distance chosen") << "Arc" << -1 << 0 << QString();
    }
    void cells() {
        QFETCH(QString, weapon);
        QFETCH(int, distance);
        QFETCH(int, target);
        QFETCH(QString, cell);
        const auto found = shot::cell(weapon, distance < 0 ? "" : shot::distances()[distance],
                                      shot::targets()[target]);
        QCOMPARE(found.value_or(QString()), cell);
        QCOMPARE(found.has_value(), !cell.isNull());
    }
};

QTEST_GUILESS_MAIN(TestShotTable)
#include "test_shottable.moc"
