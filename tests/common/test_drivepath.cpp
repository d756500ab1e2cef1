#include "common/drivepath.h"
#include "support/testenv.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace drivepath;

class TestDrivePath : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive_.emplace();
        drive_->write("Cape.hab", "cape");
        drive_->write("objets/Epee.arm", "epee");
        QDir(drive_->root()).mkpath("Heros");
    }
    void cleanup() { drive_.reset(); }

    // "@" stands for the local root of drive C:.
    void toLocal_data() {
        QTest::addColumn<QString>("drivePath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backslashes") << "C:\\Cape.hab"
                                     << "@/Cape.hab";
        QTest::newRow("slashes, lower-case drive") << "c:/objets/Epee.arm"
                                                   << "@/objets/Epee.arm";
        QTest::newRow("root, slash, name") << QString("C:\\") + "/" + "Cape.hab"
                                           << "@/Cape.hab";
        QTest::newRow("doubled separators") << "C:\\\\objets\\/Epee.arm"
                                            << "@/objets/Epee.arm";
        QTest::newRow("no drive, rooted") << "/Cape.hab"
                                          << "@/Cape.hab";
        QTest::newRow("no drive, bare name") << "Cape.hab"
                                             << "@/Cape.hab";
        QTest::newRow("name case differs") << "C:\\CAPE.HAB"
                                           << "@/Cape.hab";
        QTest::newRow("folder case differs") << "c:\\OBJETS\\epee.ARM"
                                             << "@/objets/Epee.arm";
        QTest::newRow("missing name as given") << "C:\\HEROS\\Nouveau.af"
                                               << "@/Heros/Nouveau.af";
        QTest::newRow("missing folder") << "C:\\absent\\Cape.hab"
                                        << "@/absent/Cape.hab";
        QTest::newRow("parent, not above root") << "C:\\objets\\..\\..\\Cape.hab"
                                                << "@/Cape.hab";
        QTest::newRow("C root") << "C:\\"
                                << "@";
        QTest::newRow("empty") << ""
                               << "@";
        QTest::newRow("Z root") << "z:"
                                << "/";
        QTest::newRow("Z folder, case differs") << "Z:\\\\TMP\\"
                                                << "/tmp";
    }
    void toLocal() {
        QFETCH(QString, drivePath);
        QFETCH(QString, expected);
        QCOMPARE(drivepath::toLocal(drivePath), expected.replace("@", drive_->root()));
    }

    void exactNameWinsOverOtherCase() {
        drive_->write("cape.hab", "other");
        QCOMPARE(drivepath::toLocal("C:\\cape.hab"), drive_->root() + "/cape.hab");
        QCOMPARE(drivepath::toLocal("C:\\Cape.hab"), drive_->root() + "/Cape.hab");
    }

    void toDrive_data() {
        QTest::addColumn<QString>("local"); // "@": drive C:'s local root
        QTest::addColumn<QString>("expected");
        QTest::newRow("file under C") << "@/Heros/Arn.af"
                                      << "C:\\Heros\\Arn.af";
        QTest::newRow("C root") << "@"
                                << "C:\\";
        QTest::newRow("C folder with slash") << "@/objets/"
                                             << "C:\\objets";
        QTest::newRow("sibling sharing the prefix") << "@x/y"
                                                    << "Z:@x\\y";
        QTest::newRow("elsewhere") << "/tmp"
                                   << "Z:\\tmp";
        QTest::newRow("file system root") << "/"
                                          << "Z:\\";
    }
    void toDrive() {
        QFETCH(QString, local);
        QFETCH(QString, expected);
        const QString root = drive_->root();
        expected.replace("@", QString(root).replace('/', '\\'));
        QCOMPARE(drivepath::toDrive(local.replace("@", root)), expected);
    }

    void normalise_data() {
        QTest::addColumn<QString>("drivePath");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing separator") << "c:\\objets\\"
                                            << "C:\\objets";
        QTest::newRow("bare drive") << "c:"
                                    << "C:\\";
        QTest::newRow("doubled root") << "z://"
                                      << "Z:\\";
        QTest::newRow("mixed separators") << "z:/tmp//x/"
                                          << "Z:\\tmp\\x";
        QTest::newRow("no drive") << "objets\\Armes"
                                  << "C:\\objets\\Armes";
        QTest::newRow("empty") << ""
                               << "C:\\";
        QTest::newRow("parent folder") << "C:\\a\\..\\b"
                                       << "C:\\b";
    }
    void normalise() {
        QFETCH(QString, drivePath);
        QFETCH(QString, expected);
        QCOMPARE(drivepath::normalise(drivePath), expected);
    }

    void driveCFollowsEnvironmentAndIsCreated() {
        QTemporaryDir parent;
        const QString wanted = parent.filePath("deep/c");
        qputenv("AMBREFER_DRIVE_C", wanted.toUtf8());
        QCOMPARE(driveCRoot(), wanted);
        QVERIFY(QFileInfo(wanted).isDir());
    }

    void driveCDefaultsToPerUserData() {
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("AMBREFER_DRIVE_C");
        const QString expected =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ambrefer/c";
        QCOMPARE(drivepath::toLocal("Cape.hab"), expected + "/Cape.hab");
        QVERIFY(QFileInfo(expected).isDir());
        QDir(expected).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
    }

private:
    std::optional<TestDriveC> drive_;
};

QTEST_APPLESS_MAIN(TestDrivePath)
#include "test_drivepath.moc"
