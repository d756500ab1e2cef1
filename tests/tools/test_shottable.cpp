// The ranged shot's difficulty table, looked up by the lists' exact texts, and the skill
// modifier's bands.
#include "tools/shottable.h"

#include <QTest>

namespace {

const QStringList weapons{"Poignard", "Javelot", "Hache de jet", "Arc",       "Grand Arc",
                          "Arbalète", "Fronde",  "Boomerang",    "Sarbacane", "Caillou"};
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
    // The lists in the order they are filled, each weapon in exactly one group.
    void lists() {
        QCOMPARE(QStringList(shot::weapons().begin(), shot::weapons().end()), weapons);
        QCOMPARE(QStringList(shot::distances().begin(), shot::distances().end()), distances);
        QCOMPARE(QStringList(shot::targets().begin(), shot::targets().end()), targets);
        QStringList grouped;
        for (const auto& [group, cells] : table)
            grouped += group;
        grouped.sort();
        QStringList sorted = weapons;
        sorted.sort();
        QCOMPARE(grouped, sorted);
    }

    // Every cell of the table, for every weapon of every group.
    void wholeTable_data() {
        QTest::addColumn<QStringList>("group");
        QTest::addColumn<QString>("cells");
        for (const auto& [group, cells] : table)
            QTest::newRow(qPrintable(group.join(", "))) << group << cells;
    }
    void wholeTable() {
        QFETCH(QStringList, group);
        QFETCH(QString, cells);
        const QStringList rows = cells.split(" / ");
        QCOMPARE(rows.size(), distances.size());
        for (qsizetype d = 0; d < rows.size(); ++d) {
            const QStringList row = rows[d].split(' ');
            QCOMPARE(row.size(), targets.size());
            for (qsizetype t = 0; t < row.size(); ++t)
                for (const QString& weapon : group)
                    QCOMPARE(shot::cell(weapon, distances[d], targets[t]).value_or("(none)"),
                             row[t]);
        }
    }

    // Texts that are not the lists' own give no cell.
    void noCell_data() {
        QTest::addColumn<QString>("weapon");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("target");
        QTest::newRow("unknown weapon") << "Fusil" << distances[0] << targets[0];
        QTest::newRow("no distance chosen") << "Arc"
                                            << "" << targets[0];
        QTest::newRow("other letter case") << "arc" << distances[0] << targets[0];
        QTest::newRow("accent missing") << "Arc" << distances[0] << "Tres grande (>3m)";
    }
    void noCell() {
        QFETCH(QString, weapon);
        QFETCH(QString, distance);
        QFETCH(QString, target);
        QVERIFY(!shot::cell(weapon, distance, target));
    }

    // Around the edges of the band without modifier, and halves rounded to even.
    void skillBands_data() {
        QTest::addColumn<double>("skill");
        QTest::addColumn<double>("bonus");
        for (auto [skill, bonus] : {std::pair{0.0, 9.0},
                                    {7.5, 2},
                                    {8, 1},
                                    {8.5, 0},
                                    {9, 0},
                                    {10, 0},
                                    {11, 0},
                                    {11.5, 0},
                                    {12, -1},
                                    {12.5, -2},
                                    {13, -2},
                                    {18, -7}})
            QTest::addRow("skill %g", skill) << skill << bonus;
    }
    void skillBands() {
        QFETCH(double, skill);
        QFETCH(double, bonus);
        QCOMPARE(shot::bonushab(skill), bonus);
    }
};

QTEST_GUILESS_MAIN(TestShotTable)
#include "test_shottable.moc"
