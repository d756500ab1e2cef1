// The menu entries that reach outside the program: the help page and lanterne.exe.
#include "app/about.h"
#include "app/shell.h"
#include "hero/perso.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestToolEntries : public QObject {
    Q_OBJECT
    TestDriveC drive;
    QStringList started, opened;

    static void trigger(const char* entry) {
        auto* action = perso().findChild<MenuEntry*>(entry);
        if (!action) qFatal("no menu entry %s", entry);
        action->trigger();
    }

private slots:
    void init() {
        started.clear();
        opened.clear();
        shell::setProgramStarter([this](const QString& path) { started << path; return true; });
        shell::setDocumentOpener([this](const QString& path) { opened << path; return true; });
    }
    void cleanup() {
        shell::setProgramStarter({});
        shell::setDocumentOpener({});
        shell::setProgramFolder({});
    }

    void entries_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("missing");
        QTest::newRow("help") << "menuaide" << "help/index.htm" << "fichier index.htm introuvable !";
        QTest::newRow("lanterne") << "menulanterne" << "lanterne.exe"
                                  << "Programme lanterne.exe introuvable !";
    }
    void entries() {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(QString, missing);
        FreshProgram fresh;
        QTemporaryDir program;
        shell::setProgramFolder(program.path());

        trigger(qPrintable(entry));
        QCOMPARE(fresh.messages.texts(), QStringList{missing});
        QCOMPARE(fresh.messages.last().icon, MsgIcon::Exclamation);
        QCOMPARE(fresh.messages.last().title, programTitle);
        QVERIFY(started.isEmpty() && opened.isEmpty());

        const QString path = program.filePath(file);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile present(path);
        QVERIFY(present.open(QIODevice::WriteOnly));
        present.close();
        fresh.messages.clear();
        trigger(qPrintable(entry));
        QCOMPARE(fresh.messages.count(), 0);
        QCOMPARE(started + opened, QStringList{path});
        QCOMPARE(opened.size(), entry == "menuaide" ? 1 : 0);
    }

    void aboutEntry() {
        FreshProgram fresh;
        trigger("menuabout");
        QVERIFY(forms::isLoaded<About>() && about().isVisible());
    }
};

QTEST_MAIN(TestToolEntries)
#include "test_toolentries.moc"
