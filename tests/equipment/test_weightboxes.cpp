// The load check of the forty weight boxes of the equipment sheet.
#include "common/shared.h"
#include "equipment/sheetkit.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QTest>

namespace {

const QString overload = QStringLiteral("Charge maximum dépassée !");

TextBox* weightBox(const QString& name) {
    auto* box = equip().findChild<TextBox*>(name);
    if (!box) qFatal("no weight box %s", qPrintable(name));
    return box;
}

QStringList weightBoxNames() {
    QStringList names;
    for (int i = 1; i <= 16; ++i)
        names << QStringLiteral("poids") + Equip::clothingNames[i];
    for (int i = 1; i <= 24; ++i)
        names << QStringLiteral("poidsequip%1").arg(i);
    return names;
}

} // namespace

class TestWeightBoxes : public QObject {
    Q_OBJECT
private slots:
    // Tab goes from an item to its weight box, then to the next item, on both sides.
    void tabReachesEachWeightAfterItsItem() {
        TestDriveC drive;
        FreshProgram program;
        Equip& e = equip();
        e.show();
        QVERIFY(QTest::qWaitForWindowActive(&e));
        QList<QWidget*> expected;
        for (int i = 1; i <= 16; ++i)
            expected << e.vetement[i] << e.poidsvetement[i];
        for (int i = 1; i <= 24; ++i)
            expected << e.equip[i] << e.poidsequip[i];
        expected.front()->setFocus();
        for (qsizetype n = 1; n < expected.size(); ++n) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // An editable list takes the focus in its own line edit.
            QVERIFY2(focus == expected[n] || focus->parentWidget() == expected[n],
                     qPrintable(expected[n]->objectName()));
        }
    }

    void everyBox_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : weightBoxNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    // Up to the limit is accepted; past it the message comes and the whole box is emptied.
    void everyBox() {
        QFETCH(QString, name);
        TestDriveC drive;
        FreshProgram program;
        perso().poidsmelee[1]->setText(QStringLiteral("4"));
        setBothPurses({"1", "", "", ""});
        loadHero(15);

        weightBox(name)->setText(QStringLiteral("10"));
        QCOMPARE(program.messages.count(), 0);
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("15"));

        weightBox(name)->setText(QStringLiteral("11"));
        QCOMPARE(program.messages.texts(), QStringList({overload}));
        QCOMPARE(program.messages.last().icon, MsgIcon::Exclamation);
        QCOMPARE(program.messages.last().title, QString());
        QCOMPARE(weightBox(name)->text(), QString());
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("5"));
        QCOMPARE(perso().poidstransporte->text(), QStringLiteral("5"));
    }

    void typedDigitByDigit() {
        TestDriveC drive;
        FreshProgram program;
        loadHero(100);
        QTest::keyClicks(equip().poidsequip[7], QStringLiteral("15"));
        QCOMPARE(program.messages.count(), 0);
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("15"));
        QTest::keyClick(equip().poidsequip[7], Qt::Key_0);
        QCOMPARE(program.messages.texts(), QStringList({overload}));
        QCOMPARE(equip().poidsequip[7]->text(), QString());
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("0"));
    }

    // Over the limit for another reason, a change that stays over is refused, even emptying
    // a box: the message shows again for the emptied box.
    void alreadyOverTheLimit() {
        TestDriveC drive;
        FreshProgram program;
        equip().poidsequip[1]->setText(QStringLiteral("30"));
        weightBox(QStringLiteral("poidstete1"))->setText(QStringLiteral("5"));
        loadHero(20);

        weightBox(QStringLiteral("poidstete1"))->setText(QString());

        QCOMPARE(program.messages.texts(), QStringList({overload}));
        QCOMPARE(weightBox(QStringLiteral("poidstete1"))->text(), QString());
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("30"));

        weightBox(QStringLiteral("poidstete1"))->setText(QStringLiteral("2"));
        QCOMPARE(program.messages.texts(), QStringList({overload, overload, overload}));
        QCOMPARE(weightBox(QStringLiteral("poidstete1"))->text(), QString());
    }

    void withoutHeroAnyWeightGoes() {
        TestDriveC drive;
        FreshProgram program;
        equip().poidsmaximum->setText(QStringLiteral("1"));
        equip().poidstransporte->setText(QStringLiteral("3"));
        for (const QString& name : weightBoxNames())
            weightBox(name)->setText(QStringLiteral("999"));
        QCOMPARE(program.messages.count(), 0);
        QCOMPARE(equip().poidstransporte->text(), QStringLiteral("3"));
    }

    void emptiedBoxEmptiesTheLineBuffer_data() {
        QTest::addColumn<bool>("hero");
        QTest::newRow("no hero") << false;
        QTest::newRow("hero") << true;
    }
    void emptiedBoxEmptiesTheLineBuffer() {
        QFETCH(bool, hero);
        TestDriveC drive;
        FreshProgram program;
        if (hero) loadHero(100);
        weightBox(QStringLiteral("poidsmains2"))->setText(QStringLiteral("3"));
        shared::objetligne[1] = QStringLiteral("3");
        equip().poidsequip[2]->setText(QStringLiteral("4"));
        QCOMPARE(shared::objetligne[1], QStringLiteral("3"));
        weightBox(QStringLiteral("poidsmains2"))->setText(QString());
        QCOMPARE(shared::objetligne[1], QString());
    }
};

QTEST_MAIN(TestWeightBoxes)
#include "test_weightboxes.moc"
