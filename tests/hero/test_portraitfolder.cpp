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
        QTest::addColumn<QString>("expected"); // on drive C:
        const char* rows[][4] = {{"the picture's", "c:/images/arn.png", "C:\\heros\\", "images"},
                                 {"its folder gone", "C:\\parti\\arn.png", "C:\\heros\\", "heros"},
                                 {"an unknown drive", "Q:\\arn.png", "C:\\heros\\", "heros"},
                                 {"both gone", "C:\\parti\\arn.png", "C:\\perdu\\", ""}};
        for (auto [name, portrait, heroes, expected] : rows)
            QTest::newRow(name) << QString(portrait) << QString(heroes) << QString(expected);
    }
    void opensWhereThePictureIs() {
        QFETCH(QString, portrait);
        QFETCH(QString, heroes);
        QFETCH(QString, expected);
        TestDriveC drive(TestDriveC::Setup::Nothing);
        QDir(drive.root()).mkpath(QStringLiteral("images"));
        QDir(drive.root()).mkpath(QStringLiteral("heros"));
        QCOMPARE(QDir(portraitFolder(portrait, heroes)), QDir(drive.root() + u'/' + expected));
    }
};

QTEST_MAIN(TestPortraitFolder)
#include "test_portraitfolder.moc"
