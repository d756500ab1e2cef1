#include "common/money.h"
#include "common/runtimeerror.h"

#include <QTest>
#include <limits>
#include <random>

namespace {

// The payment as the old program made it, one copper piece at a time.
money::Coins perPiece(money::Coins coins, long long copper) {
    auto& [gold, silver, bronze, cuivre] = coins;
    for (; copper > 0; --copper, --cuivre) {
        if (cuivre != 0) continue;
        if (bronze == 0) {
            if (silver == 0) --gold, silver += 10;
            --silver, bronze += 10;
        }
        --bronze, cuivre += 10;
    }
    return coins;
}

// A count as a user may type it: mostly whole, sometimes empty, with a fraction or below 0.
double typedCount(std::mt19937& random) {
    const double whole = random() % 25, form = random() % 6;
    return form == 0 ? whole + 0.25 : form == 1 ? -whole - 3 : form == 2 ? 0 : whole;
}

} // namespace

class TestMoney : public QObject {
    Q_OBJECT
    // Whole coins' worth in cuivre, or typed counts' with their debts and fractions.
    static auto copperWorth(const auto& c) { return 1000 * c[0] + 100 * c[1] + 10 * c[2] + c[3]; }
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

    // Only the whole, non-negative part of each count pays, as one piece at a time would; the
    // rest stays with its count; a price above what can pay is refused. Shared over units, a
    // price is paid whole, the first units carrying the remainder.
    void paymentAsPerPiece() {
        std::mt19937 random(16);
        for (int round = 0; round < 20000; ++round) {
            money::Counts counts;
            for (double& count : counts)
                count = typedCount(random);
            const money::Coins whole = money::payable(counts);
            const long long worth = copperWorth(whole);
            const long long copper = random() % (worth + 2);
            const std::optional<money::Counts> paid = money::pay(counts, copper);
            QCOMPARE(paid.has_value(), copper <= worth && copper <= copperWorth(counts));
            if (!paid) continue;
            const money::Coins expected = perPiece(whole, copper);
            for (int coin = 0; coin < 4; ++coin)
                QCOMPARE((*paid)[coin], expected[coin] + counts[coin] - double(whole[coin]));
            const long long units = 1 + random() % 9;
            long long shared = 0;
            for (long long unit = 1; unit <= units; ++unit)
                shared += money::share(copper, units, unit);
            QCOMPARE(shared, copper);
            QVERIFY(money::share(copper, units, 1) - money::share(copper, units, units) <= 1);
        }
        QVERIFY(!money::pay(money::Counts{1e30, 0, 0, 5}, 5)); // no count past whole coins
        QCOMPARE(money::pay(money::Coins{1, 0, 0, 0}, 1), (money::Coins{0, 9, 9, 9}));
    }

    // An amount in a unit as whole cuivre, and a sale's credit in whole coins.
    void toCopperAndCredit_data() {
        QTest::addColumn<QString>("row"); // amount, unit, then or,argent,bronze,cuivre or none
        for (const char* row :
             {"2.5 PC 0,0,0,2", "3.5 PC 0,0,0,4", "0.25 PA 0,0,2,5", "10.5 PA 0,10,5,0",
              "30.4 PB 0,0,30,4", "12 PO 12,0,0,0", "1e300 PO none", "1 pc none"})
            QTest::newRow(row) << QString(row);
    }
    void toCopperAndCredit() {
        QFETCH(QString, row);
        const QStringList parts = row.split(u' ');
        const std::optional<money::Coin> coin = money::coinOfUnit(parts[1]);
        const std::optional<long long> copper =
            coin ? money::toCopper(parts[0].toDouble(), *coin) : std::nullopt;
        QCOMPARE(copper.has_value(), parts[2] != "none");
        if (!copper) return;
        const money::Coins credited = money::credit(*copper, *coin);
        QCOMPARE(copperWorth(credited), *copper);
        QStringList counts;
        for (long long count : credited)
            counts << QString::number(count);
        QCOMPARE(counts.join(u','), parts[2]);
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
