// The cost tables and the cost dialog's verdict.
#include "skills/costdialog.h"
#include "skills/costtables.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

namespace {

std::optional<Purse> purse(const char* gold, const char* silver, const char* bronze,
                           const char* copper) {
    return Purse::fromTexts(QString::fromLatin1(gold), QString::fromLatin1(silver),
                            QString::fromLatin1(bronze), QString::fromLatin1(copper));
}

} // namespace

class TestCostDialog : public QObject {
    Q_OBJECT
  private slots:
    void tableCorners_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("newValue");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("price");
        QTest::newRow("1/1") << 1 << 1 << 1 << 1;
        QTest::newRow("2/1") << 2 << 1 << 1 << 2;
        QTest::newRow("3/1") << 3 << 1 << 1 << 10;
        QTest::newRow("1/18") << 1 << 18 << 6 << 330;
        QTest::newRow("2/18") << 2 << 18 << 8 << 660;
        QTest::newRow("3/18") << 3 << 18 << 10 << 1320;
        QTest::newRow("1/10") << 1 << 10 << 2 << 100;
        QTest::newRow("3/16") << 3 << 16 << 9 << 1040;
        QTest::newRow("unused column 0") << 0 << 5 << 0 << 0;
        QTest::newRow("unused new value 0") << 3 << 0 << 0 << 0;
    }
    void tableCorners() {
        QFETCH(int, column);
        QFETCH(int, newValue);
        QFETCH(int, points);
        QFETCH(int, price);
        QCOMPARE(tablepoints[column][newValue], points);
        QCOMPARE(tableprix[column][newValue], price);
    }

    // Silver: column 2 twice column 1 on every row, column 3 four times it but at value 1;
    // points never fall as the value rises, and never fall from column to column.
    void tableShape() {
        for (int n = 1; n <= maxSkillValue; ++n) {
            QCOMPARE(tableprix[2][n], 2 * tableprix[1][n]);
            if (n > 1) QCOMPARE(tableprix[3][n], 4 * tableprix[1][n]);
            for (int c = 1; c <= 3; ++c) {
                if (n > 1) QVERIFY(tablepoints[c][n] >= tablepoints[c][n - 1]);
                if (c > 1) QVERIFY(tablepoints[c][n] >= tablepoints[c - 1][n]);
            }
        }
    }

    void fortune_data() {
        QTest::addColumn<std::optional<Purse>>("coins");
        QTest::addColumn<QString>("silver");
        QTest::newRow("worked example") << purse("2", "3", "25", "250") << "27";
        QTest::newRow("99 copper are nothing") << purse("0", "0", "0", "99") << "0";
        QTest::newRow("bronze and copper floored apart") << purse("", "", "19", "199") << "2";
        QTest::newRow("empty boxes") << purse("", "", "", "") << "0";
        QTest::newRow("letters") << purse("1 or", "x", "", "") << "10";
        QTest::newRow("decimals") << purse("0.7", "0.3", "19.9", "-0.1") << "7.3";
    }
    void fortune() {
        QFETCH(std::optional<Purse>, coins);
        QFETCH(QString, silver);
        QCOMPARE(skills::fortune(*coins).text(), silver);
    }

    void verdict_data() {
        QTest::addColumn<QString>("points");
        QTest::addColumn<int>("cost");
        QTest::addColumn<int>("price");
        QTest::addColumn<std::optional<Purse>>("coins");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("refus");
        const std::optional<Purse> fifteen = purse("1", "4", "9", "199"); // worth 15
        QTest::newRow("both equal: affordable")
            << "3" << 3 << 15 << fifteen << int(CostVerdict::Affordable) << "";
        QTest::newRow("short of both")
            << "2" << 3 << 16 << fifteen << int(CostVerdict::NoPointsNorMoney)
            << u"Vous n'avez pas suffisamment de points à répartir et d'argent !!"_s;
        QTest::newRow("short of points")
            << "2" << 3 << 15 << fifteen << int(CostVerdict::NoPoints)
            << u"Vous n'avez pas suffisamment de points à répartir !"_s;
        QTest::newRow("short of money") << "3" << 3 << 16 << fifteen << int(CostVerdict::NoMoney)
                                        << u"Vous n'avez pas suffisamment d'argent !"_s;
        QTest::newRow("empty points box")
            << "" << 1 << 1 << fifteen << int(CostVerdict::NoPoints)
            << u"Vous n'avez pas suffisamment de points à répartir !"_s;
        QTest::newRow("250 copper buy 2")
            << "1" << 1 << 2 << purse("0", "0", "0", "250") << int(CostVerdict::Affordable) << "";
        QTest::newRow("250 copper do not buy 3")
            << "1" << 1 << 3 << purse("0", "0", "0", "250") << int(CostVerdict::NoMoney)
            << u"Vous n'avez pas suffisamment d'argent !"_s;
        QTest::newRow("gold beyond whole coins")
            << "1" << 1 << 1 << purse("10000000000000000", "", "", "") << int(CostVerdict::NoMoney)
            << u"Vous n'avez pas suffisamment d'argent !"_s;
        QTest::newRow("a decimal fraction pays")
            << "1" << 1 << 1 << purse("1", "0.1", "", "") << int(CostVerdict::Affordable) << "";
    }
    void verdict() {
        QFETCH(QString, points);
        QFETCH(int, cost);
        QFETCH(int, price);
        QFETCH(std::optional<Purse>, coins);
        QFETCH(int, verdict);
        QFETCH(QString, refus);
        const auto state = affichecout(points, {cost, price}, coins);
        QCOMPARE(int(state.verdict), verdict);
        QCOMPARE(state.refus, refus);
        QCOMPARE(state.accepte, refus.isEmpty());
    }

    void fixedTexts() {
        QCOMPARE(coutpointTitle(), u"Evolution d'Aptitude"_s);
        QCOMPARE(coutpointHeading(),
                 u"L'augmentation d'1 degré de cette aptitude vous  coutera :"_s);
    }
};

QTEST_APPLESS_MAIN(TestCostDialog)
#include "test_costdialog.moc"
