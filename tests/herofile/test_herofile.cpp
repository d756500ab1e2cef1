#include "herofile/herofile.h"
#include "herofile/herolines.h"
#include "support/runtimeerrors.h"
#include "support/testenv.h"

#include <QDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

const QString arnPath = QStringLiteral("C:\\heros\\Arn.af");

} // namespace

class TestHeroFile : public QObject {
    Q_OBJECT
private slots:
    void init() { drive_.emplace(); }
    void cleanup() { drive_.reset(); }

    void roundTrip() {
        const QByteArray expected = herolines::file(herolines::values(), heroFileLines);
        drive_->write("heros/lu.af", expected);
        const HeroRecord hero = readHeroFile("C:\\heros\\lu.af");

        writeHeroFile(arnPath, hero);
        const QByteArray written = drive_->read("heros/Arn.af");
        QCOMPARE(written.count("\r\n"), heroFileLines);
        QCOMPARE(written.count('\n'), heroFileLines);
        QCOMPARE(written.count('\r'), heroFileLines);
        QVERIFY(written.contains("\x9C") && written.contains("\xE9"));
        QCOMPARE(written, expected);
        QVERIFY(readHeroFile(arnPath) == hero);
    }

    void readErrors_data() {
        QTest::addColumn<int>("lines"); // -1: no file
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << -1 << arnPath << 53;
        QTest::newRow("missing folder") << -1 << "C:\\absent\\Arn.af" << 76;
        QTest::newRow("empty file") << 0 << arnPath << 62;
        QTest::newRow("214 lines") << 214 << arnPath << 62;
        QTest::newRow("215 lines, no blank tail") << 215 << arnPath << 0;
        QTest::newRow("a folder in the way") << -1 << "C:\\heros" << 75;
    }
    void readErrors() {
        QFETCH(int, lines);
        QFETCH(QString, path);
        QFETCH(int, error);
        QDir(drive_->root()).mkpath("heros");
        if (lines >= 0) drive_->write("heros/Arn.af", herolines::file(herolines::values(), lines));
        QCOMPARE(errorOf([&] { readHeroFile(path); }), error);
    }

    // The notes are the one multi-line field; any value holding a line end must not shift the
    // lines after it.
    void lineEndsBecomeBlanks_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("CR LF") << "Dette\r\nenvers Orik"
                               << "Dette  envers Orik";
        QTest::newRow("LF") << "Dette\nenvers Orik"
                            << "Dette envers Orik";
        QTest::newRow("CR") << "Dette\renvers Orik"
                            << "Dette envers Orik";
        QTest::newRow("ending the value") << "Dette\n\n"
                                          << "Dette  ";
    }
    void lineEndsBecomeBlanks() {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QDir(drive_->root()).mkpath("heros");
        HeroRecord hero;
        hero.nom = "Arn\nle Brave";
        hero.notes = value;
        hero.piecesor = "12";
        writeHeroFile(arnPath, hero);
        const QList<QByteArray> lines = drive_->read("heros/Arn.af").split('\n');
        QCOMPARE(lines.size(), heroFileLines + 1); // the last line end leaves an empty tail
        QCOMPARE(lines[0], QByteArray("Arn le Brave\r"));
        QCOMPARE(lines[210], QByteArray("12\r"));
        QCOMPARE(lines[214], herolines::encode(written) + '\r');
        QCOMPARE(readHeroFile(arnPath).notes, written);
    }

    // Running out of room part-way through a save keeps the hero saved before.
    void failedSaveKeepsOldFile() {
        const QByteArray old = herolines::file(herolines::values(), heroFileLines);
        drive_->write("heros/Arn.af", old);
        HeroRecord hero = readHeroFile(arnPath);
        hero.notes = "Une note plus longue qu'avant.";
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &small);
        const int error = errorOf([&] { writeHeroFile(arnPath, hero); });
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(error, 75);
        QCOMPARE(drive_->read("heros/Arn.af"), old);
        QCOMPARE(QDir(drive_->root() + "/heros").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Arn.af"});
    }

    void heroNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Arn" << true;
        QTest::newRow("blanks, accents, oe") << "Élise la Sœur" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dots inside") << "Arn... le Brave" << true;
        for (const char* dotted : {".", "..", ".Arn"})
            QTest::addRow("%s", dotted) << QString(dotted) << false;
        for (const char* forbidden : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::addRow("holding %s", forbidden) << QString("Arn%1Brave").arg(forbidden) << false;
    }
    void heroNames() {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidHeroName(name), valid);
    }

private:
    std::optional<TestDriveC> drive_;
};

QTEST_APPLESS_MAIN(TestHeroFile)
#include "test_herofile.moc"
