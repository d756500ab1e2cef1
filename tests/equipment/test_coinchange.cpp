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

    // With a hero each step is weighed as one change: within the load limit both sheets show
    // it, over it the step is refused whole with one message. The purse keeps its worth.
    void withHero_data() {
        QTest::addColumn<QString>("row"); // purse, items' weight, limit, purse after, messages
        for (const char* row : {
                 "|||1000 50 150 1,0,0,0 0",         // the weight falls to the limit
                 "|||1000 95 100 0,0,0,1000 1",      // over: lighter is refused too
                 "300|-1000|| 0 99 300,-1000,0,0 1", // the debt's change weighs too much
                 "300|-1000|| 0 200 200,0,0,0 0",    // paying off the debt ends within the limit
             })
            QTest::newRow(row) << QString(row);
    }
    void withHero() {
        QFETCH(QString, row);
        const QStringList cells = row.split(u' ');
        const QStringList before = cells[0].split(u'|');
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[3]->setText(cells[1]);
        setBothPurses(before);
        loadHero(cells[2].toDouble());

        equip().monnaie->click();

        QCOMPARE(purseTexts(Sheet::Equip).join(u','), cells[3]);
        QCOMPARE(purseTexts(Sheet::Attrib).join(u','), cells[3]);
        QCOMPARE(worth(purseTexts(Sheet::Equip)), worth(before));
        QCOMPARE(program.messages.texts(),
                 QStringList(cells[4].toInt(), QStringLiteral("Charge maximum dépassée !")));
        QCOMPARE(equip().poidstransporte->value(),
                 cells[1].toDouble() + double(money::coinWeight(*purse::counts(Sheet::Equip))));
    }
};

QTEST_MAIN(TestCoinChange)
#include "test_coinchange.moc"
