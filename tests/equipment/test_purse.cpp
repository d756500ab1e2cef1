// The purse held on both sheets: the mirror, the load limit and the coins' weight.
#include "equipment/sheetkit.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using purse::Coin;
using purse::Sheet;

Q_DECLARE_METATYPE(Sheet)
Q_DECLARE_METATYPE(Coin)

namespace {

Sheet twinOf(Sheet sheet) {
    return sheet == Sheet::Attrib ? Sheet::Equip : Sheet::Attrib;
}

const QString overload = QStringLiteral("Charge maximum dépassée !");

const char* sheetName(Sheet sheet) {
    return sheet == Sheet::Attrib ? "attrib" : "equip";
}

// The box's sheet shown and active, the focus in the box, as a user about to type there has it.
void focusOn(TextBox* box) {
    box->window()->show();
    if (!QTest::qWaitForWindowActive(box->window())) qFatal("the sheet never became active");
    box->setFocus();
}

// Types into a box as a user does, key by key: a key named in brackets ("[Ctrl+A]", "[Del]")
// is pressed, anything else typed as it stands.
void typeKeys(TextBox* box, const QString& keys) {
    static const QRegularExpression key(uR"(\[([^\]]+)\]|.)"_s);
    for (const QRegularExpressionMatch& match : key.globalMatch(keys)) {
        if (match.hasCaptured(1))
            QTest::keySequence(box, QKeySequence(match.captured(1)));
        else
            QTest::keyClick(box, match.captured().front().toLatin1());
    }
}

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
                QTest::addRow("%s coin %d", sheetName(sheet), static_cast<int>(coin))
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

    // While the user types, the box keeps every key and the other sheet follows with the count
    // the box reads as; leaving the box tidies it to that count, and both sheets then agree.
    void typingKeepsTheText_data() {
        QTest::addColumn<Sheet>("sheet");
        // held | keys | box while typing | other sheet | both after leaving it
        QTest::addColumn<QString>("row");
        for (Sheet sheet : {Sheet::Attrib, Sheet::Equip})
            for (const char* row :
                 {"12|[Ctrl+A][Del]-3|-3|-3|-3", "0|[End][Backspace]-2|-2|-2|-2",
                  "9|[Ctrl+A][Del]-.5|-.5|-0.5|-0.5", "7|[Ctrl+A][Del]-005|-005|-5|-5",
                  "12|[Ctrl+A]5,5|5,5|5|5", "12|[Ctrl+A]1e3|1e3|1|1", "12|[Ctrl+A][Del]||0|0",
                  "3|[Ctrl+A]abc|abc|0|0", "3|[Ctrl+A]4abc|4abc|4|4", "3|[Ctrl+A]07|07|7|7",
                  "3|[Ctrl+A]  8|  8|8|8", "3|[Ctrl+A]2.50|2.50|2.5|2.5", "12|[Ctrl+A]-5|-5|-5|-5",
                  "12|[Ctrl+A].5|.5|0.5|0.5", "7|[Ctrl+A]-.5|-.5|-0.5|-0.5",
                  "3|[Ctrl+A]9.999999999999996|9.999999999999996|9.999999999999996|"
                  "9.999999999999996",
                  "3|[Ctrl+A]1.000000000000000001|1.000000000000000001|1.000000000000000001|"
                  "1.000000000000000001",
                  "3|[Ctrl+A]9007199254740993|9007199254740993|9007199254740993|9007199254740993",
                  "3|[Ctrl+A]9007199254740992.5|9007199254740992.5|9007199254740992.5|"
                  "9007199254740992.5"})
                QTest::addRow("%s %s", sheetName(sheet), row) << sheet << QString(row);
    }
    void typingKeepsTheText() {
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
        focusOn(box);

        typeKeys(box, cells[1]);
        QCOMPARE(box->text(), cells[2]);
        QCOMPARE(twin->text(), cells[3]);
        QVERIFY(twinChanges.count() <= cells[1].size());

        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(box->text(), cells[4]);
        QCOMPARE(twin->text(), cells[4]);
        QCOMPARE(purseTexts(Sheet::Attrib), purseTexts(Sheet::Equip));
        QCOMPARE(program.messages.count(), 0);
    }

    // The carried weight may reach the limit but not pass it: a count written by code, typed
    // or pasted that takes the hero over it, or is too large to weigh at all, is refused with
    // one message and the box set back; the next key is weighed afresh.
    void loadLimit_data() {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QString>("row"); // keys ("=" writes the rest by code) | kept | refusals
        QTest::addColumn<QString>("pasted");
        const QString beyondAnyWeight = "18" + QString(306, u'0');
        for (Sheet sheet : {Sheet::Attrib, Sheet::Equip}) {
            for (const char* row :
                 {"=3|3|0", "=4|1|1", "=400|1|1", "[End]0|1|1", "[End]0[Backspace]2|2|1"})
                QTest::addRow("%s %s", sheetName(sheet), row) << sheet << QString(row) << "";
            for (const QString& row : {u"[Ctrl+V]|1|1"_s, u"[Ctrl+V][Ctrl+A]2|2|1"_s})
                QTest::addRow("%s %s too large to weigh", sheetName(sheet), qPrintable(row))
                    << sheet << "[Ctrl+A]" + row << beyondAnyWeight;
            QTest::addRow("%s a debt too large to weigh", sheetName(sheet))
                << sheet << u"[Ctrl+A][Ctrl+V]|1|1"_s << "-1" + QString(308, u'0');
        }
    }
    void loadLimit() {
        QFETCH(Sheet, sheet);
        QFETCH(QString, row);
        QFETCH(QString, pasted);
        const QStringList cells = row.split(u'|');
        const QString& kept = cells[1];
        const int refusals = cells[2].toInt();
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[5]->setText(QStringLiteral("7"));
        setBothPurses({"1", "", "", ""});
        loadHero(10);
        TextBox* box = purse::coinBox(sheet, Coin::Or);

        QApplication::clipboard()->setText(pasted);
        if (cells[0].startsWith(u'='))
            box->setText(cells[0].mid(1));
        else
            typeKeys(box, cells[0]);
        QCOMPARE(program.messages.texts(), QStringList(refusals, overload));
        if (refusals > 0) {
            QCOMPARE(program.messages.last().icon, MsgIcon::Exclamation);
            QCOMPARE(program.messages.last().title, QString());
        }
        QCOMPARE(box->text(), kept);
        QCOMPARE(purse::coinBox(twinOf(sheet), Coin::Or)->text(), kept);
        QCOMPARE(equip().poidstransporte->text(), textnum::fmt(7 + kept.toDouble()));
        QCOMPARE(perso().poidstransporte->text(), equip().poidstransporte->text());
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
            const char* name = sheetName(sheet);
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
