// The "E" buttons' test: the rule on the d20 and the exact text of the result box.
#include "common/runtimeerror.h"
#include "skills/skilltest.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

class TestSkillTest : public QObject {
    Q_OBJECT
  private slots:
    void result_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("roll");
        QTest::addColumn<QString>("text");
        const QString ok = u"\r\n\nEpreuve réussie."_s, ko = u"\r\n\nEpreuve échouée."_s;
        QTest::newRow("réussie") << "12" << 7 << u" Aptitude = 12  ;  Tirage = 7"_s + ok;
        QTest::newRow("roll equal to the value")
            << "12" << 12 << u" Aptitude = 12  ;  Tirage = 12"_s + ok;
        QTest::newRow("échouée") << "12" << 13 << u" Aptitude = 12  ;  Tirage = 13"_s + ko;
        QTest::newRow("1 always succeeds") << "0" << 1 << u" Aptitude = 0  ;  Tirage = 1"_s + ok;
        QTest::newRow("empty box is 0") << "" << 2 << u" Aptitude = 0  ;  Tirage = 2"_s + ko;
        QTest::newRow("18 passes 18") << "18" << 18 << u" Aptitude = 18  ;  Tirage = 18"_s + ok;
        QTest::newRow("19 always fails") << "25" << 19 << u" Aptitude = 25  ;  Tirage = 19"_s + ko;
        QTest::newRow("20 always fails") << "25" << 20 << u" Aptitude = 25  ;  Tirage = 20"_s + ko;
        QTest::newRow("12.5 is 12") << "12.5" << 13 << u" Aptitude = 12  ;  Tirage = 13"_s + ko;
        QTest::newRow("13.5 is 14") << "13.5" << 14 << u" Aptitude = 14  ;  Tirage = 14"_s + ok;
        QTest::newRow("-3 with 1") << "-3" << 1 << u" Aptitude = -3  ;  Tirage = 1"_s + ok;
        QTest::newRow("-3 with 2") << "-3" << 2 << u" Aptitude = -3  ;  Tirage = 2"_s + ko;
        QTest::newRow("2 with 3") << "2" << 3 << u" Aptitude = 2  ;  Tirage = 3"_s + ko;
    }
    void result() {
        QFETCH(QString, value);
        QFETCH(int, roll);
        QFETCH(QString, text);
        const auto test = epreuveaptitude(value, roll);
        QCOMPARE(test.text, text);
        QCOMPARE(test.tirageapt, roll);
        QCOMPARE(test.resultatapt, test.success ? u"réussie."_s : u"échouée."_s);
        QVERIFY(text.endsWith(test.resultatapt));
    }

    void title() { QCOMPARE(epreuveTitle(), u"Epreuve d'Aptitude"_s); }

    void valueMustFitSixteenBits_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("valeurapt"); // 0: too large for the tested value
        QTest::newRow("32767") << "32767" << 32767;
        QTest::newRow("-32768") << "-32768" << -32768;
        QTest::newRow("-32768.5 rounds to even") << "-32768.5" << -32768;
        QTest::newRow("32767.5 rounds past") << "32767.5" << 0;
        QTest::newRow("32768") << "32768" << 0;
        QTest::newRow("-32769") << "-32769" << 0;
        QTest::newRow("huge") << "1000000000000000000000" << 0;
    }
    void valueMustFitSixteenBits() {
        QFETCH(QString, value);
        QFETCH(int, valeurapt);
        try {
            QCOMPARE(epreuveaptitude(value, 1).valeurapt, valeurapt);
            QVERIFY(valeurapt != 0);
        } catch (const RuntimeError& e) {
            QCOMPARE(valeurapt, 0);
            QCOMPARE(e.number(), 6);
        }
    }
};

QTEST_APPLESS_MAIN(TestSkillTest)
#include "test_skilltest.moc"
