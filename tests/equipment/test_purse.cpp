// The purse held on both sheets: the mirror, the load limit and the coins' weight.
#include "equipment/sheetkit.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QSignalSpy>
#include <QTest>

using purse::Coin;
using purse::Sheet;

Q_DECLARE_METATYPE(Sheet)
Q_DECLARE_METATYPE(Coin)

namespace {

Sheet twinOf(Sheet sheet) {
    return sheet == Sheet::Attrib ? Sheet::Equip : Sheet::Attrib;
}

const QString overload = QStringLiteral("Charge maximum dépassée !");

} // namespace

class TestPurse : public QObject {
    Q_OBJECT
private slots:
    void sheets_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::newRow("attrib") << Sheet::Attrib;
        QTest::newRow("equip") << Sheet::Equip;
    }

    void noHeroCopiesNothing_data() { sheets_data(); }
    void noHeroCopiesNothing() {
        QFETCH(Sheet, sheet);
        TestDriveC drive;
        FreshProgram program;
        equip().poidstransporte->setText(QStringLiteral("7"));
        for (Coin coin : purse::coins) {
            QTest::keyClicks(purse::coinBox(sheet, coin), QStringLiteral("12x"));
            QCOMPARE(purse::coinBox(sheet, coin)->text(), QStringLiteral("12x"));
        }
        QCOMPARE(purseTexts(twinOf(sheet)), QStringList({"", "", "", ""}));
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("7"));
        QCOMPARE(program.messages.count(), 0);
    }

    void heroLoadedMirrorsTyping_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<Coin>("coin");
        for (Sheet sheet : {Sheet::Attrib, Sheet::Equip})
            for (Coin coin : purse::coins)
                QTest::addRow("%s coin %d", sheet == Sheet::Attrib ? "attrib" : "equip",
                              static_cast<int>(coin))
                    << sheet << coin;
    }
    void heroLoadedMirrorsTyping() {
        QFETCH(Sheet, sheet);
        QFETCH(Coin, coin);
        TestDriveC drive;
        FreshProgram program;
        loadHero(1000);
        QTest::keyClicks(purse::coinBox(sheet, coin), QStringLiteral("42"));
        QCOMPARE(purse::coinBox(twinOf(sheet), coin)->text(), QStringLiteral("42"));
        QCOMPARE(purse::coinBox(sheet, coin)->text(), QStringLiteral("42"));
        // The other coins are not touched.
        for (Coin other : purse::coins)
            if (other != coin) QCOMPARE(purse::coinBox(twinOf(sheet), other)->text(), QString());
        QCOMPARE(program.messages.count(), 0);
    }

    // With a hero the exchange leaves on the other sheet every digit of the number typed, and
    // stops after one round trip for each key. A number being typed stays as typed in its box;
    // what is not a number, or not only one, is tidied on both sheets.
    void roundTripNormalises_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QString>("row"); // held, typed over it ("" empties it), box, twin
        for (Sheet sheet : {Sheet::Attrib, Sheet::Equip})
            for (const char* row :
                 {"12||0|0", "3|abc|0|0", "3|4abc|4|4", "3|07|7|7", "3|  8|8|8", "3|2.50|2.50|2.5",
                  "3|9.999999999999996|9.999999999999996|9.999999999999996",
                  "3|1.000000000000000001|1.000000000000000001|1.000000000000000001", "12|-5|-5|-5",
                  "12|.5|.5|0.5", "7|-.5|-.5|-0.5",
                  "3|9007199254740993|9007199254740993|9007199254740993",
                  "3|9007199254740992.5|9007199254740992.5|9007199254740992.5"})
                QTest::addRow("%s %s", sheet == Sheet::Attrib ? "attrib" : "equip", row)
                    << sheet << QString(row);
    }
    void roundTripNormalises() {
        QFETCH(Sheet, sheet);
        QFETCH(QString, row);
        const QStringList cells = row.split(u'|');
        TestDriveC drive;
        FreshProgram program;
        setBothPurses({"3", cells[0], "3", "3"});
        loadHero(1e18);
        TextBox* box = purse::coinBox(sheet, Coin::Argent);
        TextBox* twin = purse::coinBox(twinOf(sheet), Coin::Argent);
        QSignalSpy twinChanges(twin, &QLineEdit::textChanged);

        box->selectAll();
        if (cells[1].isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, cells[1]);

        QCOMPARE(box->text(), cells[2]);
        QCOMPARE(twin->text(), cells[3]);
        QVERIFY(twinChanges.count() <= std::max<qsizetype>(cells[1].size(), 1));
        QCOMPARE(program.messages.count(), 0);
    }

    // The carried weight may reach the limit but not pass it.
    void loadLimit_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QString>("coins");
        QTest::addColumn<bool>("accepted");
        for (Sheet sheet : {Sheet::Attrib, Sheet::Equip}) {
            const char* name = sheet == Sheet::Attrib ? "attrib" : "equip";
            QTest::addRow("%s equal to the limit", name) << sheet << "3" << true;
            QTest::addRow("%s one over", name) << sheet << "4" << false;
            QTest::addRow("%s far over", name) << sheet << "400" << false;
        }
    }
    void loadLimit() {
        QFETCH(Sheet, sheet);
        QFETCH(QString, coins);
        QFETCH(bool, accepted);
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[5]->setText(QStringLiteral("7"));
        setBothPurses({"1", "", "", ""});
        loadHero(10);

        purse::coinBox(sheet, Coin::Or)->setText(coins);

        const QString kept = accepted ? coins : QStringLiteral("1");
        QCOMPARE(purse::coinBox(sheet, Coin::Or)->text(), kept);
        QCOMPARE(purse::coinBox(twinOf(sheet), Coin::Or)->text(), kept);
        QCOMPARE(equip().poidstransporte->text(), textnum::fmt(7 + kept.toDouble()));
        QCOMPARE(perso().poidstransporte->text(), equip().poidstransporte->text());
        if (accepted) {
            QCOMPARE(program.messages.count(), 0);
        } else {
            QCOMPARE(program.messages.texts(), QStringList({overload}));
            QCOMPARE(program.messages.last().icon, MsgIcon::Exclamation);
            QCOMPARE(program.messages.last().title, QString());
        }
    }

    // A hero already over the limit (force lowered): even a lighter purse is refused, and the
    // restore shows the message once more.
    void overLimitRefusesEveryChange_data() { sheets_data(); }
    void overLimitRefusesEveryChange() {
        QFETCH(Sheet, sheet);
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[1]->setText(QStringLiteral("20"));
        setBothPurses({"5", "", "", ""});
        loadHero(10);

        purse::coinBox(sheet, Coin::Or)->setText(QStringLiteral("2"));

        QCOMPARE(program.messages.texts(), QStringList({overload, overload}));
        QCOMPARE(purseTexts(sheet), QStringList({"5", "", "", ""}));
        QCOMPARE(purseTexts(twinOf(sheet)), QStringList({"5", "", "", ""}));
    }

    // The coins' weight is the whole part of the whole purse's weight, in tenths: decimal
    // fractions summed in binary would miss 2 by a hair.
    void coinWeight_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QStringList>("coins");
        QTest::addColumn<QString>("weight");
        for (Sheet sheet : {Sheet::Attrib, Sheet::Equip}) {
            const char* name = sheet == Sheet::Attrib ? "attrib" : "equip";
            QTest::addRow("%s 4 argent", name) << sheet << QStringList{"", "4", "", ""} << "0";
            QTest::addRow("%s 5 argent", name) << sheet << QStringList{"", "5", "", ""} << "1";
            QTest::addRow("%s rounded on the whole", name)
                << sheet << QStringList{"", "3", "5", "5"} << "1";
            QTest::addRow("%s binary trap", name)
                << sheet << QStringList{"1", "2", "4", "2"} << "2";
            QTest::addRow("%s decimal tenths", name)
                << sheet << QStringList{"0", "2.3", "3.8", "1.6"} << "1";
            QTest::addRow("%s ten cuivre", name) << sheet << QStringList{"", "", "", "10"} << "1";
            QTest::addRow("%s nine bronze", name) << sheet << QStringList{"", "", "9", ""} << "0";
            QTest::addRow("%s gold", name) << sheet << QStringList{"7", "", "", ""} << "7";
        }
    }
    void coinWeight() {
        QFETCH(Sheet, sheet);
        QFETCH(QStringList, coins);
        QFETCH(QString, weight);
        TestDriveC drive;
        FreshProgram program;
        loadHero(1000);
        for (int i = 0; i < 4; ++i)
            purse::coinBox(sheet, purse::coins[i])->setText(coins[i]);
        QCOMPARE(equip().poidstransporte->text(), weight);
        QCOMPARE(perso().poidstransporte->text(), weight);
    }
};

QTEST_MAIN(TestPurse)
#include "test_purse.moc"
