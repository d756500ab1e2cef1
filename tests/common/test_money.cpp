#include "common/money.h"
#include "common/runtimeerror.h"

#include <QTest>
#include <limits>

class TestMoney : public QObject {
    Q_OBJECT
  private slots:
    void coinWeight_data() {
        QTest::addColumn<double>("gold");
        QTest::addColumn<double>("silver");
        QTest::addColumn<double>("bronze");
        QTest::addColumn<double>("copper");
        QTest::addColumn<qlonglong>("weight");
        QTest::newRow("empty purse") << 0.0 << 0.0 << 0.0 << 0.0 << 0LL;
        QTest::newRow("one gold") << 1.0 << 0.0 << 0.0 << 0.0 << 1LL;
        QTest::newRow("five silver") << 0.0 << 5.0 << 0.0 << 0.0 << 1LL;
        QTest::newRow("four silver") << 0.0 << 4.0 << 0.0 << 0.0 << 0LL;
        QTest::newRow("ten bronze") << 0.0 << 0.0 << 10.0 << 0.0 << 1LL;
        QTest::newRow("nine copper") << 0.0 << 0.0 << 0.0 << 9.0 << 0LL;
        QTest::newRow("bronze and copper together") << 0.0 << 0.0 << 5.0 << 5.0 << 1LL;
        QTest::newRow("sum exactly two") << 1.0 << 2.0 << 4.0 << 2.0 << 2LL;
        QTest::newRow("sum exactly three") << 0.0 << 7.0 << 3.0 << 13.0 << 3LL;
        QTest::newRow("rounded down once, not per coin") << 3.0 << 7.0 << 13.0 << 29.0 << 8LL;
        QTest::newRow("typed fraction") << 2.5 << 0.0 << 0.0 << 0.0 << 2LL;
        QTest::newRow("owing silver rounds down") << 0.0 << -1.0 << 0.0 << 0.0 << -1LL;
        QTest::newRow("large purse") << 123456789.0 << 5.0 << 10.0 << 0.0 << 123456791LL;
        QTest::newRow("beyond any count") << 1e300 << 0.0 << 0.0 << 0.0 << (1LL << 62);
        QTest::newRow("owing beyond any count") << 0.0 << -1e300 << 0.0 << 0.0 << -(1LL << 62);
    }
    void coinWeight() {
        QFETCH(double, gold);
        QFETCH(double, silver);
        QFETCH(double, bronze);
        QFETCH(double, copper);
        QFETCH(qlonglong, weight);
        QCOMPARE(money::coinWeight(gold, silver, bronze, copper), weight);
    }

    void countBeyondAnyNumberOverflows() {
        const double inf = std::numeric_limits<double>::infinity();
        for (const auto& [gold, silver] : {std::pair(inf, 0.0), std::pair(inf, -inf)}) {
            try {
                money::coinWeight(gold, silver, 0, 0);
                QFAIL("no error");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.number(), 6);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestMoney)
#include "test_money.moc"
