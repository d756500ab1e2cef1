#include "common/filelists.h"
#include "support/runtimeerrors.h"
#include "support/testenv.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList entries(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

QStringList listed(const FileListBox& box) {
    QStringList names;
    for (int i = 0; i < box.listCount(); ++i)
        names.append(box.list(i));
    return names;
}

void doubleClick(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list.scrollToItem(found.first());
    const QPoint at = list.visualItemRect(found.first()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestFileLists : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive_.emplace();
        for (const char* name :
             {"b.arm", "A.arm", "c.ARM", "Épée.arm", "epieu.arm", "zèbre.arm", "arc.ard",
              "notes.txt", "LISEZMOI", ".cache", "._Dague.arm", "x.arm.bak"})
            drive_->write(QString("objets/") + name, "x");
        QDir(drive_->root()).mkpath("objets/sous.arm");
        QDir(drive_->root()).mkpath("objets/Armes/Lourdes");
        QDir(drive_->root()).mkpath("objets/bijoux");
    }
    void cleanup() { drive_.reset(); }

    void controlsAreNamed() {
        QCOMPARE(FileListBox("fichier").objectName(), QString("fichier"));
        QCOMPARE(DirListBox("Dir").objectName(), QString("Dir"));
        QCOMPARE(DriveListBox("drive").objectName(), QString("drive"));
    }

    void matches_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("expected");
        QTest::newRow("all: with extension") << "*.*"
                                             << "Cape.hab" << true;
        QTest::newRow("all: dot-file") << "*.*"
                                       << ".cache" << true;
        QTest::newRow("all: no extension") << "*.*"
                                           << "LISEZMOI" << true;
        QTest::newRow("extension") << "*.arm"
                                   << "Epee.arm" << true;
        QTest::newRow("extension, other case") << "*.arm"
                                               << "Épée.ARM" << true;
        QTest::newRow("other extension") << "*.arm"
                                         << "arc.ard" << false;
        QTest::newRow("longer extension") << "*.arm"
                                          << "x.armes" << false;
        QTest::newRow("extension not last") << "*.arm"
                                            << "x.arm.bak" << false;
        QTest::newRow("joined: second") << "*.arm;*.ard"
                                        << "arc.ard" << true;
        QTest::newRow("joined with all") << "*.sor;*.*"
                                         << "LISEZMOI" << true;
        QTest::newRow("question mark") << "?pee.arm"
                                       << "épee.arm" << true;
        QTest::newRow("question mark is one") << "?.arm"
                                              << "ab.arm" << false;
        QTest::newRow("prefix") << "a*.arm"
                                << "Arc.arm" << true;
        QTest::newRow("empty pattern") << ""
                                       << "Cape.hab" << false;
    }
    void matches() {
        QFETCH(QString, pattern);
        QFETCH(QString, fileName);
        QFETCH(bool, expected);
        QCOMPARE(FileListBox::matches(pattern, fileName), expected);
    }

    void listsMatchingFilesSorted_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("by extension, any case")
            << "*.arm"
            << QStringList{"A.arm", "b.arm", "c.ARM", "Épée.arm", "epieu.arm", "zèbre.arm"};
        QTest::newRow("two kinds") << "*.ard;*.txt" << QStringList{"arc.ard", "notes.txt"};
        QTest::newRow("every file, no folder, none hidden")
            << "*.*" << QStringList{"A.arm",     "arc.ard",  "b.arm",     "c.ARM",     "Épée.arm",
                                    "epieu.arm", "LISEZMOI", "notes.txt", "x.arm.bak", "zèbre.arm"};
    }
    void listsMatchingFilesSorted() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, names);
        FileListBox box("fichier");
        box.setPath("c:\\objets\\");
        box.setPattern(pattern);
        QCOMPARE(box.pattern(), pattern);
        QCOMPARE(box.listCount(), names.size());
        QCOMPARE(listed(box), names);
        QCOMPARE(box.list(-1), QString());
        QCOMPARE(box.list(names.size()), QString());
    }

    void pathInDriveForm_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("shown");
        QTest::newRow("trailing separator dropped") << "c:\\objets\\"
                                                    << "C:\\objets";
        QTest::newRow("case found on disk") << "C:\\OBJETS\\armes"
                                            << "C:\\objets\\Armes";
        QTest::newRow("drive root") << "C:\\"
                                    << "C:\\";
        QTest::newRow("up to the root") << "C:\\objets\\.."
                                        << "C:\\";
        QTest::newRow("other drive root") << "z:\\"
                                          << "Z:\\";
    }
    void pathInDriveForm() {
        QFETCH(QString, given);
        QFETCH(QString, shown);
        FileListBox files("fichier");
        files.setPath(given);
        QCOMPARE(files.path(), shown);
        DirListBox dirs("Dir");
        dirs.setPath(given);
        QCOMPARE(dirs.path(), shown);
    }

    void badPathKeepsOldPathAndNames_data() {
        QTest::addColumn<QString>("badPath");
        QTest::addColumn<int>("error");
        QTest::newRow("missing folder") << "C:\\absent" << 76;
        QTest::newRow("a file") << "C:\\objets\\b.arm" << 76;
        QTest::newRow("other drive") << "D:\\" << 68;
    }
    void badPathKeepsOldPathAndNames() {
        QFETCH(QString, badPath);
        QFETCH(int, error);
        FileListBox box("fichier");
        box.setPattern("*.ard");
        box.setPath("C:\\objets");
        QCOMPARE(errorOf([&] { box.setPath(badPath); }), error);
        QCOMPARE(box.path(), QString("C:\\objets"));
        QCOMPARE(listed(box), QStringList{"arc.ard"});

        DirListBox dirs("Dir");
        dirs.setPath("C:\\objets");
        QSignalSpy changed(&dirs, &DirListBox::pathChanged);
        QCOMPARE(errorOf([&] { dirs.setPath(badPath); }), error);
        QCOMPARE(dirs.path(), QString("C:\\objets"));
        QCOMPARE(changed.count(), 0);
    }

    void refreshPicksUpNewFiles() {
        FileListBox box("fichier");
        box.setPattern("*.ard");
        box.setPath("C:\\objets");
        drive_->write("objets/Arbalète.ard", "x");
        QCOMPARE(listed(box), QStringList{"arc.ard"});
        box.refresh();
        QCOMPARE(listed(box), QStringList({"Arbalète.ard", "arc.ard"}));
    }

    // A lister never shown makes no rows; shown, it shows what it lists. Another lister of the
    // same folder takes its names without reading the folder again.
    void rowsWhileShown() {
        FileListBox box("fichier");
        box.setPathAndPattern("C:\\objets", "*.ard;*.txt");
        QCOMPARE(box.count(), 0);
        box.show();
        QCOMPARE(entries(box), QStringList({"arc.ard", "notes.txt"}));
        box.setPattern("*.ARM");
        QCOMPARE(entries(box), listed(box));
        FileListBox twin("fichier");
        twin.listSameAs(box);
        QCOMPARE(listed(twin), listed(box));
        QCOMPARE(twin.path() + twin.pattern(), box.path() + box.pattern());
    }

    void dirListShowsParentAndSubFolders_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("drive root: no way up") << "C:\\" << QStringList{"objets"};
        QTest::newRow("folder") << "C:\\objets" << QStringList{"..", "Armes", "bijoux", "sous.arm"};
    }
    void dirListShowsParentAndSubFolders() {
        QFETCH(QString, path);
        QFETCH(QStringList, shown);
        DirListBox dirs("Dir");
        dirs.setPath(path);
        QCOMPARE(entries(dirs), shown);
    }

    void doubleClickOpensFolders() {
        DirListBox dirs("Dir");
        dirs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dirs));
        QSignalSpy changed(&dirs, &DirListBox::pathChanged);

        doubleClick(dirs, "objets");
        QCOMPARE(dirs.path(), QString("C:\\objets"));
        doubleClick(dirs, "Armes");
        QCOMPARE(dirs.path(), QString("C:\\objets\\Armes"));
        QCOMPARE(entries(dirs), QStringList({"..", "Lourdes"}));
        doubleClick(dirs, "..");
        doubleClick(dirs, "..");
        QCOMPARE(dirs.path(), QString("C:\\"));
        QCOMPARE(changed.count(), 4);

        dirs.setPath("c:\\");
        QCOMPARE(changed.count(), 4);
        dirs.setPath("C:\\objets\\bijoux");
        QCOMPARE(changed.count(), 5);
    }

    void doubleClickOnVanishedFolderRefreshes() {
        DirListBox dirs("Dir");
        dirs.setPath("C:\\objets");
        dirs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dirs));
        QSignalSpy changed(&dirs, &DirListBox::pathChanged);
        QDir(drive_->root()).rmdir("objets/bijoux");
        doubleClick(dirs, "bijoux");
        QCOMPARE(dirs.path(), QString("C:\\objets"));
        QCOMPARE(entries(dirs), QStringList({"..", "Armes", "sous.arm"}));
        QCOMPARE(changed.count(), 0);
    }

    void driveChangedOnlyWhenUserPicksAnother() {
        DriveListBox drives("drive");
        QCOMPARE(drives.count(), 2);
        QCOMPARE(drives.drive(), QString("c:"));
        drives.show();
        QVERIFY(QTest::qWaitForWindowExposed(&drives));
        QSignalSpy changed(&drives, &DriveListBox::driveChanged);

        drives.setDrive("Z:\\tmp");
        QCOMPARE(drives.drive(), QString("z:"));
        QCOMPARE(changed.count(), 0);

        QTest::keyClick(&drives, Qt::Key_Up);
        QCOMPARE(drives.drive(), QString("c:"));
        QCOMPARE(changed.count(), 1);
        emit drives.activated(drives.currentIndex()); // the user picks the drive shown
        QCOMPARE(changed.count(), 1);

        QCOMPARE(errorOf([&] { drives.setDrive("d:"); }), 68);
        QCOMPARE(drives.drive(), QString("c:"));
    }

private:
    std::optional<TestDriveC> drive_;
};

QTEST_MAIN(TestFileLists)
#include "test_filelists.moc"
