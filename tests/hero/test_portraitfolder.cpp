// The folder the portrait dialog opens on.
#include "hero/portraitfolder.h"
#include "support/testenv.h"

#include <QDir>
#include <QTest>

class TestPortraitFolder : public QObject {
    Q_OBJECT
private slots:
    void opensWhereThePictureIs_data() {
        QTest::addColumn<QString>("portrait");
        QTest::addColumn<QString>("heroes");
        QTest::addColumn<QString>("expected"); // relative to drive C:
        const char* rows[][4] = {
            {"the portrait's folder", "C:\\images\\arn.png", "C:\\heros\\", "images"},
            {"a picture gone, its folder kept", "c:/images/old.png", "C:\\heros\\", "images"},
            {"no portrait", "", "C:\\heros\\", "heros"},
            {"its folder gone", "C:\\parti\\arn.png", "C:\\heros\\", "heros"},
            {"an unknown drive", "Q:\\arn.png", "C:\\heros\\", "heros"},
            {"heroes' folder gone too", "C:\\parti\\arn.png", "C:\\perdu\\", ""},
            {"nothing at all", "", "", ""},
        };
        for (const auto& [name, portrait, heroes, expected] : rows)
            QTest::newRow(name) << QString(portrait) << QString(heroes) << QString(expected);
    }
    void opensWhereThePictureIs() {
        QFETCH(QString, portrait);
        QFETCH(QString, heroes);
        QFETCH(QString, expected);
        TestDriveC drive(TestDriveC::Setup::Nothing);
        drive.write(QStringLiteral("images/arn.png"), "png");
        QDir(drive.root()).mkdir(QStringLiteral("heros"));
        QCOMPARE(QDir(portraitFolder(portrait, heroes)).canonicalPath(),
                 QDir(drive.root() + u'/' + expected).canonicalPath());
    }
};

QTEST_MAIN(TestPortraitFolder)
#include "test_portraitfolder.moc"
