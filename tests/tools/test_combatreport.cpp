// The combat report file and the making of its lines.
#include "support/testenv.h"

#include "common/runtimeerror.h"
#include "tools/combatreport.h"

#include <QTest>

using combatreport::line;
using combatreport::nextZone;

class TestCombatReport : public QObject {
    Q_OBJECT
    TestDriveC drive{TestDriveC::Setup::Nothing};

  private slots:
    void lines_data() {
        QTest::addColumn<QString>("built");
        QTest::addColumn<QString>("expected");
        QTest::newRow("texts joined as they stand")
            << line(QString("Courage du héros = "), QString("12")) << "Courage du héros = 12";
        QTest::newRow("numbers between blanks")
            << line(QString("pendant "), 2.0, QString(" assauts !")) << "pendant  2  assauts !";
        QTest::newRow("negative and fraction")
            << line(-1.0, 2.5) << "-1  2.5 ";
        QTest::newRow("to the next zone")
            << line(QString("EV du héros = "), QString("30"), nextZone, QString(" moins"), 4.0)
            << "EV du héros = 30" + QString(12, ' ') + " moins 4 ";
        QTest::newRow("at a boundary: a whole zone")
            << line(QString("Attaque de l'adversaire = 12"), nextZone, QString("Tirage ="), 7.0)
            << "Attaque de l'adversaire = 12" + QString(14, ' ') + "Tirage = 7 ";
        QTest::newRow("empty line to the first zone") << line(nextZone, QString("x"))
                                                       << QString(14, ' ') + "x";
    }
    void lines() {
        QFETCH(QString, built);
        QFETCH(QString, expected);
        QCOMPARE(built, expected);
    }

    // Each opening replaces the file; lines end with CR LF in the 8-bit code page; closing
    // twice is harmless and closing without opening writes nothing.
    void fileLifetime() {
        drive.write("resultat.txt", "an older fight\r\n");
        CombatReport report;
        report.close();
        QCOMPARE(drive.read("resultat.txt"), QByteArray("an older fight\r\n"));
        report.open("c:\\resultat.txt");
        QVERIFY(report.isOpen());
        QCOMPARE(drive.read("resultat.txt"), QByteArray());
        report.writeLine("Parade de l'adversaire réussie");
        report.writeLine(" ");
        report.writeLine("");
        report.close();
        report.close();
        QVERIFY(!report.isOpen());
        report.writeLine("after the close");
        QCOMPARE(drive.read("resultat.txt"),
                 QByteArray("Parade de l'adversaire r\xe9ussie\r\n \r\n\r\n"));
        {
            CombatReport dropped;
            dropped.open("c:\\resultat.txt");
            dropped.writeLine("Coup fatal !");
        }
        QCOMPARE(drive.read("resultat.txt"), QByteArray("Coup fatal !\r\n"));
    }

    void unopenable_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::newRow("no such folder") << "c:\\nowhere\\resultat.txt" << 76;
        QTest::newRow("a folder") << "c:\\" << 75;
        QTest::newRow("bad name") << "c:\\res?ultat.txt" << 52;
    }
    void unopenable() {
        QFETCH(QString, path);
        QFETCH(int, error);
        CombatReport report;
        try {
            report.open(path);
            QFAIL("opened");
        } catch (const RuntimeError& failure) {
            QCOMPARE(failure.number(), error);
        }
        QVERIFY(!report.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestCombatReport)
#include "test_combatreport.moc"
