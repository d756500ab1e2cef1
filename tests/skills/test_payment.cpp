// Paying a raise from the purse: the coin order, empty boxes, and nothing lost or made.
#include "skills/payment.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

class TestPayment : public QObject {
    Q_OBJECT
  private slots:
    // Purses as the four boxes' texts, gold first; "refused" when the purse cannot pay.
    void coinOrder_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("price");
        QTest::addColumn<QStringList>("after");
        auto coins = [](const char* g, const char* s, const char* b, const char* c) {
            return QStringList{QString::fromLatin1(g), QString::fromLatin1(s),
                               QString::fromLatin1(b), QString::fromLatin1(c)};
        };
        const QStringList refused = {u"refused"_s};

        QTest::newRow("worked example")
            << coins("2", "3", "25", "250") << 9 << coins("1", "8", "5", "50");
        QTest::newRow("gold only, zero boxes")
            << coins("2", "0", "0", "0") << 15 << coins("0", "5", "0", "0");
        QTest::newRow("gold only, empty boxes")
            << coins("2", "", "", "") << 15 << coins("0", "5", "", "");
        QTest::newRow("one gold at a time")
            << coins("3", "0", "", "") << 12 << coins("1", "8", "", "");
        QTest::newRow("copper alone pays")
            << coins("0", "0", "0", "250") << 2 << coins("0", "0", "0", "50");
        QTest::newRow("copper before bronze")
            << coins("0", "0", "50", "500") << 5 << coins("0", "0", "50", "0");
        QTest::newRow("bronze before silver")
            << coins("0", "4", "30", "") << 3 << coins("0", "4", "0", "");
        QTest::newRow("small change stays")
            << coins("", "2", "19", "199") << 4 << coins("", "0", "9", "99");
        QTest::newRow("exact fortune")
            << coins("1", "4", "9", "199") << 15 << coins("0", "0", "9", "99");
        QTest::newRow("empty copper and bronze skipped")
            << coins("", "3", "", "") << 2 << coins("", "1", "", "");
        QTest::newRow("broken gold adds to silver")
            << coins("1", "-3", "", "") << 7 << coins("0", "0", "", "");
        QTest::newRow("silver fraction kept")
            << coins("1", "0.5", "", "") << 10 << coins("0", "0.5", "", "");
        QTest::newRow("nothing to pay") << coins("1", "", "", "5") << 0 << coins("1", "", "", "5");
        // A gold piece is broken whatever the box holds; the purse keeps its worth.
        QTest::newRow("part of a gold piece")
            << coins("0.5", "", "", "") << 1 << coins("-0.5", "9", "", "");
        QTest::newRow("no gold at all") << coins("", "0", "", "") << 1 << coins("-1", "9", "", "");
        // Worked out at once, however many pieces the steps would move one at a time.
        QTest::newRow("fifty million gold pieces broken")
            << coins("100000000", "-500000000", "", "") << 1 << coins("49999999", "9", "", "");
        QTest::newRow("silver beyond the coin below zero")
            << coins("1000000000000000000", "-5000000000000000000", "", "") << 1 << refused;
        QTest::newRow("copper beyond the coin")
            << coins("", "", "", "1000000000000000000000") << 3 << refused;
        QTest::newRow("a decimal fraction stays")
            << coins("1", "0.1", "", "") << 1 << coins("0", "9.1", "", "");
        QTest::newRow("fractions of hundreds stay")
            << coins("", "", "10.5", "100.5") << 2 << coins("", "", "0.5", "0.5");
        QTest::newRow("a fraction never pays") << coins("90", "9.999999999999996", "", "") << 100
                                               << coins("80", "9.999999999999996", "", "");
        QTest::newRow("the last whole gold piece")
            << coins("9007199254740992", "", "", "") << 1 << coins("9007199254740991", "9", "", "");
    }
    void coinOrder() {
        QFETCH(QStringList, before);
        QFETCH(int, price);
        QFETCH(QStringList, after);
        const auto purse = Purse::fromTexts(before[0], before[1], before[2], before[3]);
        const auto paid = purse ? payecout(*purse, price) : std::nullopt;
        if (after.size() == 1) {
            QVERIFY(!paid);
            return;
        }
        QVERIFY(paid);
        QCOMPARE((QStringList{writeText(paid->piecesor), writeText(paid->piecesargent),
                              writeText(paid->piecesbronze), writeText(paid->piecescuivre)}),
                 after);
    }

    // Any whole purse worth the price pays exactly the price: no coin lost, none made, and
    // never a negative count.
    void paysExactlyThePrice() {
        for (int g : {0, 1, 3})
            for (int s : {0, 2, 11})
                for (int b : {0, 9, 10, 25})
                    for (int c : {0, 99, 100, 250})
                        for (int price = 1; price <= 45; ++price) {
                            const Purse before{g, s, b, c};
                            const money::Count worth = fortune(before);
                            if (worth < price) continue;
                            const auto paid = payecout(before, price);
                            QVERIFY(paid);
                            QVERIFY(fortune(*paid) == worth - price);
                            QVERIFY(*paid->piecesor >= 0 && *paid->piecesargent >= 0 &&
                                    *paid->piecesbronze >= 0 && *paid->piecescuivre >= 0);
                        }
    }
};

QTEST_APPLESS_MAIN(TestPayment)
#include "test_payment.moc"
