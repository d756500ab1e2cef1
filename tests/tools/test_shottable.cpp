// The ranged shot's difficulty table, looked up by the lists' exact texts, and the skill
// modifier's bands.
#include "tools/shottable.h"

#include <QTest>

namespace {

const QStringList distances{"Très proche (2-5m)", "Proche (6-10m)", "Moyen (11-20m)",
                            "Loin (21-40m)", "Très loin (41-60m)"};
const QStringList targets{"Très petite (<0,5m)", "Petite (0,5-1m)", "Moyenne (1-2m)",
                          "Grande (2-3m)", "Très grande (>3m)"};

// Per group of weapons, its cells: one row per distance band, nearest first, one column per
// target size, smallest first.
// clang-format off
const std::pair<QStringList, QString> table[]{
    {{"Poignard"},
     "+4 +2 +1 0 0 / +6 +4 +2 +1 0 / HP HP HP HP HP / HP HP HP HP HP / HP HP HP HP HP"},
    {{"Javelot", "Fronde"},
     "+4 +2 +1 0 0 / +6 +4 +2 +1 0 / +8 +6 +4 +2 +1 / HP HP HP HP HP / HP HP HP HP HP"},
    {{"Hache de jet", "Sarbacane", "Caillou"},
     "+5 +3 +2 0 0 / +7 +5 +3 +2 0 / +9 +7 +5 +3 +2 / HP HP HP HP HP / HP HP HP HP HP"},
    {{"Arc", "Boomerang"},
     "+2 +1 0 0 0 / +4 +2 +1 0 0 / +6 +4 +2 +1 0 / +8 +6 +4 +2 0 / HP HP HP HP HP"},
    {{"Grand Arc"},
     "+2 +1 0 0 0 / +4 +2 +1 0 0 / +6 +4 +2 +1 0 / +8 +6 +4 +2 +1 / +10 +8 +6 +4 +2"},
    {{"Arbalète"},
     "+1 0 0 0 0 / +2 +1 0 0 0 / +4 +2 +1 0 0 / +6 +4 +2 +1 0 / +8 +6 +4 +2 +1"},
};
// clang-format on

} // namespace

class TestShotTable : public QObject {
    Q_OBJECT
private slots:
    void lists() {
        QCOMPARE(QStringList(shot::distances().begin(), shot::distances().end()), distances);
        QCOMPARE(QStringList(shot::targets().begin(), shot::targets().end()), targets);
    }

    // Every cell of the table, for every weapon listed.
    void wholeTable_data() {
        QTest::addColumn<QString>("weapon");
        QTest::addColumn<QString>("cells");
        for (const QString& weapon : shot::weapons()) {
            const auto group =
                std::ranges::find_if(table, [&](auto& g) { return g.first.contains(weapon); });
            QTest::newRow(qPrintable(weapon))
                << weapon << (group == std::end(table) ? "" : group->second);
        }
    }
    void wholeTable() {
        QFETCH(QString, weapon);
        QFETCH(QString, cells);
        QStringList found;
        for (const QString& distance : distances)
            for (const QString& target : targets)
                found << shot::cell(weapon, distance, target).value_or("(none)");
        QCOMPARE(found.join(' '), QString(cells).remove("/ "));
    }

    // Texts that are not the lists' own give no cell.
    void noCell_data() {
        QTest::addColumn<QStringList>("texts"); // weapon, distance, target
        QTest::newRow("unknown weapon") << QStringList{"Fusil", distances[0], targets[0]};
        QTest::newRow("no distance chosen") << QStringList{"Arc", "", targets[0]};
        QTest::newRow("other letter case") << QStringList{"arc", distances[0], targets[0]};
        QTest::newRow("accent missing") << QStringList{"Arc", distances[0], "Tres grande (>3m)"};
    }
    void noCell() {
        QFETCH(QStringList, texts);
        QVERIFY(!shot::cell(texts[0], texts[1], texts[2]));
    }

    // Around the edges of the band without modifier, and halves rounded to even.
    void skillBands() {
        const QString bands = "0:9 7.5:2 8:1 8.5:0 9:0 10:0 11:0 11.5:0 12:-1 12.5:-2 13:-2 18:-7";
        QStringList found;
        for (const QString& band : bands.split(' '))
            found << band.section(':', 0, 0) + ':' +
                         QString::number(shot::bonushab(band.section(':', 0, 0).toDouble()));
        QCOMPARE(found.join(' '), bands);
    }
};

QTEST_GUILESS_MAIN(TestShotTable)
#include "test_shottable.moc"
