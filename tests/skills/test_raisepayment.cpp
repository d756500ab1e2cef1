// An accepted raise paid on both sheets: the coin order, the carried weight, the load limit
// and the raise buttons held while the payment runs.
#include "common/messagebox.h"
#include "skills/sheetfixture.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

namespace {

int enabledRaiseButtons(Attrib& a) {
    int enabled = 0;
    for (QPushButton* b : a.findChildren<QPushButton*>())
        if (b->text() == u"+" && b->isEnabled()) ++enabled;
    return enabled;
}

} // namespace

// " Sixième sens" (`survie12`) raised by a cavalier: from "" 1 point and 1 silver, from "1"
// 1 point and 5 silver, from "2" 1 point and 10 silver, from "3" 1 point and 15 silver.
class TestRaisePayment : public QObject {
    Q_OBJECT
private slots:
    void init() { program = std::make_unique<FreshProgram>(); }
    void cleanup() { program.reset(); }

    void bothSheets_data() {
        QTest::addColumn<bool>("hero");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("coins");
        QTest::addColumn<QStringList>("paid"); // `attrib`'s coins afterwards
        QTest::addColumn<QStringList>("twin"); // `equip`'s coins afterwards
        QTest::addColumn<QString>("weight");   // the carried weight afterwards
        const QStringList workedExample{"2", "3", "25", "250"};
        const QStringList workedPaid{"1", "7", "5", "50"};
        QTest::newRow("copper, bronze, silver, then one gold broken")
            << true << "2" << workedExample << workedPaid << workedPaid << "7";
        QTest::newRow("gold only")
            << true << "3" << QStringList{"2", "0", "0", "0"} << QStringList{"0", "5", "0", "0"}
            << QStringList{"0", "5", "0", "0"} << "1";
        QTest::newRow("copper alone")
            << true << "" << QStringList{"0", "0", "0", "250"} << QStringList{"0", "0", "0", "150"}
            << QStringList{"0", "0", "0", "150"} << "15";
        QTest::newRow("empty boxes stay empty")
            << true << "1" << QStringList{"1", "", "", ""} << QStringList{"0", "5", "", ""}
            << QStringList{"0", "5", "", ""} << "1";
        QTest::newRow("part of a gold piece, broken all the same")
            << true << "" << QStringList{"0.5", "", "", ""} << QStringList{"-0.5", "9", "", ""}
            << QStringList{"-0.5", "9", "", ""} << "1";
        QTest::newRow("a decimal fraction stays")
            << true << "" << QStringList{"1", "0.1", "", ""} << QStringList{"0", "9.1", "", ""}
            << QStringList{"0", "9.1", "", ""} << "1";
        QTest::newRow("no hero, sixteen digits to the coin")
            << false << "" << QStringList{"", "", "", "5000000000000005"}
            << QStringList{"", "", "", "4999999999999905"}
            << QStringList{"", "", "", "5000000000000005"} << "499999999999990";
        QTest::newRow("no hero: the other sheet keeps its coins")
            << false << "" << QStringList{"1", "0", "0", "0"} << QStringList{"0", "9", "0", "0"}
            << QStringList{"1", "0", "0", "0"} << "1";
    }
    void bothSheets() {
        QFETCH(bool, hero);
        QFETCH(QString, value);
        QFETCH(QStringList, coins);
        QFETCH(QStringList, paid);
        QFETCH(QStringList, twin);
        QFETCH(QString, weight);
        Attrib& a = sheet::wiredAttrib();
        sheet::setPurse(coins);
        if (hero) sheet::loadHero(10, 10);
        sheet::tick(HeroType::Cavalier);
        a.survie[12]->setText(value);
        a.pointsarepartir->setText(u"7"_s);

        sheet::DialogAnswer accept(u"accepter"_s);
        a.psu[12]->click();
        QCOMPARE(a.survie[12]->text(), textnum::fmt(textnum::val(value) + 1));
        QCOMPARE(a.pointsarepartir->text(), u"6"_s);
        QCOMPARE(sheet::purseOf(purse::Sheet::Attrib), paid);
        QCOMPARE(sheet::purseOf(purse::Sheet::Equip), twin);
        QCOMPARE(perso().poidstransporte->text(), weight);
        QCOMPARE(equip().poidstransporte->text(), weight);
        QCOMPARE(coutpoint().points->caption(), u"1"_s);
        QCOMPARE(coutpoint().prixpoints->caption(), u"0"_s);
        QVERIFY(program->messages.shown.empty());
    }

    // The dialog is not modal: what it saw may change before "Accepter". Then it shows again,
    // saying what is short now, and nothing is paid.
    void shortWhenAccepted_data() {
        QTest::addColumn<QString>("box"); // emptied while the dialog shows
        QTest::addColumn<QString>("refus");
        QTest::newRow("purse") << "piecesor"
                               << "Vous n'avez pas suffisamment d'argent !";
        QTest::newRow("points") << "pointsarepartir"
                                << "Vous n'avez pas suffisamment de points à répartir !";
    }
    void shortWhenAccepted() {
        QFETCH(QString, box);
        QFETCH(QString, refus);
        Attrib& a = sheet::wiredAttrib();
        sheet::tick(HeroType::Cavalier);
        sheet::setPurse({u"1"_s, u""_s, u""_s, u""_s});
        a.pointsarepartir->setText(u"3"_s);
        sheet::DialogAnswer answer({u"accepter"_s, u"retour"_s},
                                   [&] { a.findChild<TextBox*>(box)->clear(); });
        a.psu[12]->click();
        QCOMPARE(answer.answered, 2);
        QCOMPARE(answer.seen.refus, refus);
        QCOMPARE(a.survie[12]->text() + a.piecesargent->text(), QString());
        QVERIFY(program->messages.shown.empty());
    }

    void buttonsHeldDuringThePayment() {
        Attrib& a = sheet::wiredAttrib();
        sheet::loadHero(10, 10);
        sheet::setPurse({u"1"_s, u"0"_s, u"0"_s, u"0"_s});
        a.pointsarepartir->setText(u"3"_s);
        int enabledWhilePaying = -1;
        a.pointsarepartir->onChange([&] { enabledWhilePaying = enabledRaiseButtons(a); });
        QCOMPARE(enabledRaiseButtons(a), 50);

        sheet::DialogAnswer accept(u"accepter"_s);
        a.psu[12]->click();
        QCOMPARE(a.pointsarepartir->text(), u"2"_s);
        QCOMPARE(enabledWhilePaying, 0);
        QCOMPARE(enabledRaiseButtons(a), 50);
    }

    // A limit of 1000 and other weights `load`. Breaking the gold piece of 1 gold and
    // 5 bronze (weight 1) leaves 9 silver and 5 bronze (weight 2). The message box is answered
    // here so as to see the raise buttons while it shows.
    void loadLimit_data() {
        QTest::addColumn<QStringList>("coins");
        QTest::addColumn<QString>("load");
        QTest::addColumn<bool>("paid");
        const QStringList gold{"1", "0", "5", "0"};
        QTest::newRow("heavier, over the limit") << gold << "999" << false;
        QTest::newRow("heavier, up to the limit") << gold << "998" << true;
        QTest::newRow("already over, heavier") << gold << "1005" << false;
        QTest::newRow("already over, lighter") << QStringList{"0", "5", "0", "0"} << "1005" << true;
        QTest::newRow("already over, as heavy")
            << QStringList{"0", "9", "0", "0"} << "1005" << true;
    }
    void loadLimit() {
        QFETCH(QStringList, coins);
        QFETCH(QString, load);
        QFETCH(bool, paid);
        Attrib& a = sheet::wiredAttrib();
        sheet::setPurse(coins);
        equip().poidsequip[1]->setText(load);
        sheet::loadHero(10, 10);
        sheet::tick(HeroType::Cavalier);
        a.pointsarepartir->setText(u"5"_s);
        int enabledDuringMessage = -1;
        std::vector<MessageBoxRequest> shown;
        setMessageBoxHandler([&](const MessageBoxRequest& request) {
            shown.push_back(request);
            enabledDuringMessage = enabledRaiseButtons(a);
            return MsgAnswer::Ok;
        });

        sheet::DialogAnswer accept(u"accepter"_s);
        a.psu[12]->click();
        QCOMPARE(a.survie[12]->text(), paid ? u"1"_s : QString());
        QCOMPARE(a.pointsarepartir->text(), paid ? u"4"_s : u"5"_s);
        QCOMPARE(enabledRaiseButtons(a), 50);
        if (paid) {
            QVERIFY(shown.empty());
            QVERIFY(sheet::purseOf(purse::Sheet::Attrib) != coins);
            QCOMPARE(sheet::purseOf(purse::Sheet::Equip), sheet::purseOf(purse::Sheet::Attrib));
            return;
        }
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(shown[0].text, u"Charge maximum dépassée !"_s);
        QCOMPARE(shown[0].icon, MsgIcon::Exclamation);
        QCOMPARE(shown[0].title, QString());
        QCOMPARE(enabledDuringMessage, 0);
        QCOMPARE(sheet::purseOf(purse::Sheet::Attrib), coins);
        QCOMPARE(sheet::purseOf(purse::Sheet::Equip), coins);
        QCOMPARE(equip().poidstransporte->text(), textnum::fmt(textnum::val(load) + 1));
    }

private:
    std::unique_ptr<FreshProgram> program;
    TestDriveC drive;
};

QTEST_MAIN(TestRaisePayment)
#include "test_raisepayment.moc"
