#include "common/money.h"
#include "common/runtimeerror.h"

#include <QTest>
#include <limits>
#include <random>

using namespace Qt::StringLiterals;

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

// A count as a user may type it: mostly whole, sometimes empty, a debt, with a fraction of
// one or two decimals on either side of zero (-2.5 too), or near the largest count held to
// the coin, in hand or owed.
money::Count typedCount(std::mt19937& random) {
    const long long whole = random() % 25, form = random() % 9;
    const money::Count fraction =
        *money::Count::read(QString::asprintf(".%02u", unsigned(1 + random() % 99)));
    return form == 0   ? whole + fraction
           : form == 1 ? -whole - 3
           : form == 2 ? money::Count(0) - fraction
           : form == 3 ? money::Count(-whole - 1) - fraction
           : form == 4 ? money::Count(money::largestExactCount - whole) - fraction
           : form == 5 ? money::Count(whole - money::largestExactCount)
           : form == 6 ? 0
                       : whole;
}

// A rule on a purse: "pay C" cuivre, "credit A U" (a sale for A in unit U), "change" (the
// "Monnaie" steps) or "read" (the counts as the purse writes them back). None when refused.
std::optional<QString> apply(const QString& rule, const QString& purse) {
    const QStringList words = rule.split(u' '), boxes = purse.split(u',');
    std::optional<money::Counts> counts = money::read(boxes[0], boxes[1], boxes[2], boxes[3]);
    if (counts && words[0] == "pay") counts = money::pay(*counts, words[1].toLongLong());
    if (counts && words[0] == "credit") {
        const money::Coin coin = *money::coinOfUnit(words[2]);
        const auto copper = money::toCopper(*money::Count::read(words[1]), coin);
        counts = copper ? money::add(*counts, money::credit(*copper, coin)) : std::nullopt;
    }
    for (int lower = money::Cuivre; counts && words[0] == "change" && lower > money::Or; --lower)
        if (const auto step = money::changeUp((*counts)[lower], (*counts)[lower - 1]))
            std::tie((*counts)[lower], (*counts)[lower - 1]) = std::pair(step->lower, step->upper);
    if (!counts) return std::nullopt;
    QStringList texts;
    for (const money::Count& count : *counts)
        texts << count.text();
    return texts.join(u',');
}

} // namespace

class TestMoney : public QObject {
    Q_OBJECT
    // Whole coins' worth in cuivre, or typed counts' with their debts and fractions.
    static auto copperWorth(const auto& c) { return c[0] * 1000 + c[1] * 100 + c[2] * 10 + c[3]; }
private slots:
    // A gold piece weighs 1, five silver 1, ten bronze or copper 1, rounded down once on the
    // whole purse, its decimals summed exactly; a purse beyond any count weighs the most.
    void coinWeight_data() {
        QTest::addColumn<QString>("row"); // or,argent,bronze,cuivre weight
        const QString beyond = "1" + QString(20, u'0');
        for (const QString& row :
             {u",,, 0"_s, u"1,0,0,0 1"_s, u"0,5,0,0 1"_s, u"0,4,0,0 0"_s, u"0,0,10,0 1"_s,
              u"0,0,0,9 0"_s, u"0,0,5,5 1"_s, u"1,2,4,2 2"_s, u"0,7,3,13 3"_s, u"0,0,0.7,9.3 1"_s,
              u"0,2.3,3.8,1.6 1"_s, u"3,7,13,29 8"_s, u"2.5,0,0,0 2"_s, u"0,-1,0,0 -1"_s,
              u"123456789,5,10,0 123456791"_s, beyond + u",0,0,0 4611686018427387904"_s,
              u"0,-"_s + beyond + u",0,0 -4611686018427387904"_s})
            QTest::newRow(qPrintable(row)) << row;
    }
    void coinWeight() {
        QFETCH(QString, row);
        const QStringList boxes = row.section(u' ', 0, 0).split(u',');
        QCOMPARE(money::coinWeight(boxes[0], boxes[1], boxes[2], boxes[3]),
                 row.section(u' ', 1).toLongLong());
    }

    // Counts are the decimals their boxes show: whole coins move, a fraction stays as written,
    // and a count beyond whole coins is refused.
    void decimalCounts_data() {
        QTest::addColumn<QString>("row"); // rule | purse | purse after, or "refused"
        for (const char* row :
             {"pay 1|1,0,0,0.1|0,9,9,9.1",             // a candle from a tenth of cuivre
              "pay 1|1.5,0.2,0.3,0.4|0.5,9.2,9.3,9.4", // a fraction on each coin
              "pay 1|2,-0.5,0,0|1,8.5,9,9",            // a debt with a fraction takes change
              "pay 1|0,0,0,1.000000000000000001|0,0,0,0.000000000000000001",
              "pay 1|0,0,0,0.9|refused",    // short by a fraction
              "pay 15|0,0,1.5,0.6|refused", // only fractions would make up the price
              "pay 2|,,,5000000000000005|0,0,0,5000000000000003",
              "pay 1|9007199254740992,,,|9007199254740991,9,9,9",
              "pay 1|9007199254740993,,,|refused", // beyond 2^53
              "credit 1 PA|0,0.1,0,0|0,1.1,0,0", "credit 0.25 PA|0,0,9.9,0|0,0,11.9,5",
              "credit 1 PA|0,9007199254740992,0,0|refused", "change|1,9.9,9.9,99.99|2,0.9,8.9,9.99",
              "change|0,0,0,19.6|0,0,1,9.6", "change|0,0,0,12.7|0,0,1,2.7",
              "change|0,0,0,-15.5|0,0,-1,-5.5",
              "change|9007199254740992,10,,|9007199254740992,10,0,0", // gold takes no more
              "read| 9.60,05,-0,5abc|9.6,5,0,5",
              // half to even past 18 decimals
              "read|0.1234567890123456785,0.1234567890123456775,-0.0000000000000000005,"
              "0.12345678901234567851|"
              "0.123456789012345678,0.123456789012345678,0,0.123456789012345679"})
            QTest::newRow(row) << QString(row);
    }
    void decimalCounts() {
        QFETCH(QString, row);
        const QStringList parts = row.split(u'|');
        QCOMPARE(apply(parts[0], parts[1]).value_or("refused"), parts[2]);
    }

    // Only the whole, non-negative part of each count pays, as one piece at a time would; the
    // rest, fraction or debt, stays with its count; a price is refused exactly when the signed
    // worth or the payable part falls short of it. Shared over units, a price is paid whole,
    // the first units carrying the remainder.
    void paymentAsPerPiece() {
        std::mt19937 random(16);
        for (int round = 0; round < 20000; ++round) {
            // The whole coins' worth in decimals too: those of counts near the largest are worth
            // more cuivre than 64 bits hold.
            money::Counts counts, inHand;
            money::Coins whole;
            for (int coin = 0; coin < 4; ++coin) {
                counts[coin] = typedCount(random);
                inHand[coin] = whole[coin] = std::max(counts[coin].floor(), 0LL);
            }
            const money::Count signedWorth = copperWorth(counts),
                               payableWorth = copperWorth(inHand);
            // Up to a little past what the purse holds either way, so that both ways of falling
            // short are reached; capped, so that paying a piece at a time stays quick.
            const long long most =
                std::min(std::max(payableWorth, signedWorth), money::Count(30000)).floor();
            const long long copper = random() % (most + 2);
            const std::optional<money::Counts> paid = money::pay(counts, copper);
            QCOMPARE(paid.has_value(), copper <= payableWorth && copper <= signedWorth);
            if (!paid) continue;
            const money::Coins expected = perPiece(whole, copper);
            for (int coin = 0; coin < 4; ++coin)
                QCOMPARE((*paid)[coin].text(),
                         (counts[coin] + (expected[coin] - whole[coin])).text());
            const long long units = 1 + random() % 9;
            long long shared = 0, previous = money::share(copper, units, 1);
            for (long long unit = 1; unit <= units; ++unit) {
                const long long part = money::share(copper, units, unit);
                QVERIFY(part <= previous);
                shared += previous = part;
            }
            QVERIFY(money::share(copper, units, 1) - previous <= 1);
            QCOMPARE(shared, copper);
        }
    }

    void toCopperAndCredit_data() {
        QTest::addColumn<QString>("row"); // amount, unit, then or,argent,bronze,cuivre or none
        for (const char* row :
             {"2.5 PC 0,0,0,2", "3.5 PC 0,0,0,4", "0.25 PA 0,0,2,5", "10.5 PA 0,10,5,0",
              "30.4 PB 0,0,30,4", "12 PO 12,0,0,0", "0.005 PA 0,0,0,0", "0.015 PA 0,0,0,2",
              "9007199254740992 PO none", "1 pc none"})
            QTest::newRow(row) << QString(row);
    }
    void toCopperAndCredit() {
        QFETCH(QString, row);
        const QStringList parts = row.split(u' ');
        const std::optional<money::Coin> coin = money::coinOfUnit(parts[1]);
        const std::optional<long long> copper =
            coin ? money::toCopper(*money::Count::read(parts[0]), *coin) : std::nullopt;
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
        const QString inf = QString(400, u'9');
        for (const auto& [gold, silver] : {std::pair(inf, QString()), std::pair(inf, "-" + inf)}) {
            try {
                money::coinWeight(gold, silver, u"0", u"0");
                QFAIL("no error");
            } catch (const RuntimeError& error) {
                QCOMPARE(error.number(), 6);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestMoney)
#include "test_money.moc"
