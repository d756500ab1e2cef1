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
        QTest::newRow("the portrait's folder") << "C:\\images\\arn.png" << "C:\\heros\\" << "images";
        QTest::newRow("a picture gone, its folder kept") << "c:/images/old.png" << "C:\\heros\\"
                                                         << "images";
        QTest::newRow("no portrait") << "" << "C:\\heros\\" << "heros";
        QTest::newRow("its folder gone") << "C:\\parti\\arn.png" << "C:\\heros\\" << "heros";
        QTest::newRow("an unknown drive") << "Q:\\arn.png" << "C:\\heros\\" << "heros";
        QTest::newRow("heroes' folder gone too") << "C:\\parti\\arn.png" << "C:\\perdu\\" << "";
        QTest::newRow("nothing at all") << "" << "" << "";
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
