// The creation roll ("Tirage").
#include "sheet.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/chance.h"
#include "hero/tirage.h"

namespace {

const QStringList characteristics = {"courage", "intelligence", "charisme", "adresse", "force"};

QStringList skillTexts() {
    QStringList texts;
    Attrib& a = attrib();
    for (int i = 1; i <= 12; ++i) texts << a.habilete[i]->text() << a.sociabilite[i]->text();
    for (int i = 1; i <= 13; ++i) texts << a.science[i]->text() << a.survie[i]->text();
    return texts;
}

} // namespace

class TestTirage : public QObject {
    Q_OBJECT
    TestDriveC drive;

private slots:
    void rollRange_data() {
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QStringList>("rolled");
        QTest::newRow("lowest") << std::vector<double>(5, 0.0) << QStringList(5, "8");
        QTest::newRow("highest") << std::vector<double>(5, 0.999999) << QStringList(5, "13");
        QTest::newRow("each its own die")
            << std::vector<double>{0.1, 0.2, 0.5, 0.7, 0.9}
            << QStringList{"8", "9", "11", "12", "13"};
    }
    void rollRange() {
        QFETCH(std::vector<double>, draws);
        QFETCH(QStringList, rolled);
        FreshProgram fresh;
        for (int i = 1; i <= 12; ++i) attrib().habilete[i]->setText("9");
        for (int i = 1; i <= 13; ++i) attrib().science[i]->setText("9");
        chance::script(draws);
        perso().findChild<MenuEntry*>("menutirage")->trigger();
        QVERIFY(chance::scriptExhausted());
        for (int i = 0; i < characteristics.size(); ++i) QCOMPARE(read(characteristics[i]), rolled[i]);
        QCOMPARE(read("poidsmaximum"), QString::number(rolled[4].toInt() * 100));
        QCOMPARE(skillTexts(), QStringList(50, QString()));
        QCOMPARE(fresh.messages.count(), 0);
    }

    void rolledAdresseIsNetOfWornMaluses() {
        FreshProgram fresh;
        write("protection1", "Casque");
        write("malus1", "2");
        chance::script(std::vector<double>(5, 0.999999));
        tirage();
        QCOMPARE(read("adresse"), QStringLiteral("11"));
        write("protection1", ""); // taking it off gives the rolled 13
        QCOMPARE(read("adresse"), QStringLiteral("13"));
    }
};

QTEST_MAIN(TestTirage)
#include "test_tirage.moc"
