// The "Monnaie" button: coins changed upward, then the purse copied to the skills sheet.
#include "equipment/sheetkit.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QTest>

using purse::Sheet;

class TestCoinChange : public QObject {
    Q_OBJECT
private slots:
    void withoutHero_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("cuivre all the way up")
            << QStringList{"", "", "", "1234"} << QStringList{"1", "2", "3", "4"};
        QTest::newRow("empty purse") << QStringList{"", "", "", ""} << QStringList{"0", "", "", ""};
        QTest::newRow("argent empties again")
            << QStringList{"1", "", "3", "27"} << QStringList{"1", "", "5", "7"};
        QTest::newRow("letters count 0")
            << QStringList{"x", "12", "y", "z"} << QStringList{"1", "2", "", ""};
        QTest::newRow("far past 16 bits")
            << QStringList{"", "", "", "400000"} << QStringList{"400", "", "", ""};
        QTest::newRow("negative keeps its sign")
            << QStringList{"", "", "", "-15"} << QStringList{"0", "", "-1", "-5"};
        QTest::newRow("negative carried up")
            << QStringList{"", "", "", "-1234"} << QStringList{"-1", "-2", "-3", "-4"};
        QTest::newRow("fraction stays as written")
            << QStringList{"", "", "", "19.6"} << QStringList{"0", "", "1", "9.6"};
        QTest::newRow("a fraction on each coin")
            << QStringList{"1", "9.9", "9.9", "99.99"} << QStringList{"2", "0.9", "8.9", "9.99"};
        QTest::newRow("sixteen digits") << QStringList{"", "", "", "5000000000000005"}
                                        << QStringList{"5000000000000", "", "", "5"};
        QTest::newRow("gold cannot take one more") << QStringList{"9007199254740992", "10", "", ""}
                                                   << QStringList{"9007199254740992", "10", "", ""};
        QTest::newRow("fractional or kept")
            << QStringList{"2.5", "", "", "1000"} << QStringList{"3.5", "", "", ""};
    }
    void withoutHero() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        TestDriveC drive;
        FreshProgram program;
        for (int i = 0; i < 4; ++i)
            purse::coinBox(Sheet::Equip, purse::coins[i])->setText(before[i]);
        attrib().piecescuivre->setText(QStringLiteral("99"));

        equip().monnaie->click();

        QCOMPARE(purseTexts(Sheet::Equip), after);
        QCOMPARE(purseTexts(Sheet::Attrib), after);
        QCOMPARE(program.messages.count(), 0);
    }

    // Whole counts keep their worth, whatever their sign or size.
    void worthIsKept_data() {
        QTest::addColumn<QStringList>("before");
        QTest::newRow("mixed") << QStringList{"3", "19", "99", "1009"};
        QTest::newRow("negative") << QStringList{"-2", "-17", "5", "-999"};
        QTest::newRow("large") << QStringList{"", "", "327680", "9999999"};
        QTest::newRow("signs mixed") << QStringList{"1", "-3", "12", "-45"};
    }
    void worthIsKept() {
        QFETCH(QStringList, before);
        TestDriveC drive;
        FreshProgram program;
        for (int i = 0; i < 4; ++i)
            purse::coinBox(Sheet::Equip, purse::coins[i])->setText(before[i]);
        equip().monnaie->click();
        const QStringList after = purseTexts(Sheet::Equip);
        QCOMPARE(worth(after), worth(before));
        for (int i = 1; i < 4; ++i)
            QVERIFY2(std::abs(textnum::val(after[i])) < 10, qPrintable(after[i]));
    }

    // A purse right at the load limit changes without losing a coin and without a message.
    void atTheLimit() {
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[3]->setText(QStringLiteral("50"));
        setBothPurses({"", "", "", "1000"});
        loadHero(150);

        equip().monnaie->click();

        QCOMPARE(program.messages.count(), 0);
        QCOMPARE(textnum::val(equip().piecesor->text()), 1.0);
        QCOMPARE(worth(purseTexts(Sheet::Equip)), 1000.0);
        QCOMPARE(worth(purseTexts(Sheet::Attrib)), 1000.0);
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("51"));
    }

    // Over the limit every change is refused; the purse must come out whole all the same.
    void overTheLimitLosesNothing() {
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[3]->setText(QStringLiteral("95"));
        setBothPurses({"", "", "", "1000"});
        loadHero(100);

        equip().monnaie->click();

        QVERIFY(program.messages.count() > 0);
        for (const QString& text : program.messages.texts())
            QCOMPARE(text, QStringLiteral("Charge maximum dépassée !"));
        QCOMPARE(worth(purseTexts(Sheet::Equip)), 1000.0);
        QCOMPARE(worth(purseTexts(Sheet::Attrib)), 1000.0);
    }
};

QTEST_MAIN(TestCoinChange)
#include "test_coinchange.moc"
