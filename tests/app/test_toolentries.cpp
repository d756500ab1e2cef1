// The sheets' one menu bar, and the entries that reach outside the program.
#include "app/shell.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

class TestToolEntries : public QObject {
    Q_OBJECT
    TestDriveC drive;
    QStringList started, opened;
    bool browser = true; // the desktop has something to show the help page with

    static QMainWindow& sheet(const QString& name) {
        if (name == "attrib") return attrib();
        if (name == "equip") return equip();
        return perso();
    }
    static void trigger(const char* entry, const QString& from = "perso") {
        auto* action = sheet(from).findChild<MenuEntry*>(entry);
        if (!action) qFatal("no menu entry %s", entry);
        action->trigger();
    }

    static QObject* findTopLevel(const QString& name) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == name) return widget;
        return nullptr;
    }

private slots:
    void init() {
        started.clear();
        opened.clear();
        shell::setProgramStarter([this](const QString& path) {
            started << path;
            return true;
        });
        shell::setDocumentOpener([this](const QString& path) {
            opened << path;
            return browser;
        });
    }
    void cleanup() {
        shell::setProgramStarter({});
        shell::setDocumentOpener({});
        shell::setProgramFolder({});
    }

    // Each sheet has the same entries, in the same order, as actions of its own.
    void bars() {
        FreshProgram fresh;
        const QStringList tools{"menucombat",   "menudes",          "menuepreuves", "menutir",
                                "menulanterne", "menutransactions", "menusaisie",   "menusorts",
                                "menumonstres", "menuaide",         "menuabout"};
        for (const QString name : {"perso", "attrib", "equip"}) {
            QStringList shown;
            for (QAction* action : sheet(name).menuBar()->actions())
                shown << (action->menu() ? action->menu()->objectName() : action->objectName());
            QCOMPARE(shown, name == "perso" ? QStringList{"menuperso"} + tools : tools);
            for (QAction* action : sheet(name).menuBar()->actions())
                QVERIFY(action->menu() || action->parent() == &sheet(name));
        }
    }

    // A priest without a deity is stopped on the hero sheet by four entries; "Tir", the
    // catalogues, "A propos" and the other two sheets never ask.
    void priestCheck_data() {
        QTest::addColumn<QString>("row"); // entry, window, checked on the hero sheet
        for (const char* row :
             {"menucombat combat 1", "menudes Dés 1", "menuepreuves epreuves 1",
              "menutransactions transaction 1", "menutir tir_dist 0", "menusaisie saisie 0",
              "menusorts sorts 0", "menumonstres monstres 0", "menuabout about 0"})
            QTest::newRow(row) << QString::fromUtf8(row);
    }
    void priestCheck() {
        QFETCH(QString, row);
        const QStringList cell = row.split(u' ');
        for (const QString from : {"perso", "attrib", "equip"}) {
            FreshProgram fresh;
            perso().findChild<OptionButton*>("pretre")->click();
            trigger(qPrintable(cell[0]), from);
            const bool refused = cell[2] == "1" && from == "perso";
            QCOMPARE(fresh.messages.texts().contains("Un prêtre doit choisir une dévotion."),
                     refused);
            auto* shown = qobject_cast<QWidget*>(findTopLevel(cell[1]));
            QCOMPARE(shown && shown->isVisible(), !refused);
        }
    }

    // Only the tool entries read the settings file first: a position changed in the file
    // moves "Dés" when it is chosen again, never the item editor.
    void settingsReadFirst_data() {
        QTest::addColumn<QString>("row"); // entry, window, the top's line in the file, moved
        QTest::newRow("Dés") << "menudes Dés 4 1";
        QTest::newRow("Objets") << "menusaisie saisie 12 0";
    }
    void settingsReadFirst() {
        QFETCH(QString, row);
        const QStringList cell = row.split(u' ');
        FreshProgram fresh;
        trigger(qPrintable(cell[0]));
        auto* shown = qobject_cast<QWidget*>(findTopLevel(cell[1]));
        QVERIFY(shown && shown->isVisible());
        const QPoint before = shown->pos();
        QStringList lines(15);
        lines[0] = "c:\\";
        lines[cell[2].toInt() - 1] = QString::number((before.y() + 40) * 15);
        lines[cell[2].toInt()] = QString::number((before.x() + 30) * 15);
        drive.write("ambrefer.ini", lines.join("\r\n").toLatin1() + "\r\n");
        trigger(qPrintable(cell[0]));
        QCOMPARE(shown->pos(), cell[3] == "1" ? before + QPoint(30, 40) : before);
    }

    // A missing file is reported; a present one is started or opened, in silence if it can be.
    void entries_data() {
        QTest::addColumn<QString>("row"); // entry; file; message when missing; when not shown
        QTest::newRow("help") << "menuaide;help/index.htm;fichier index.htm introuvable !";
        QTest::newRow("no browser") << "menuaide;help/index.htm;fichier index.htm introuvable !;La "
                                       "page d'aide n'a pas pu être affichée.\r\nVous pouvez "
                                       "l'ouvrir vous-même :\r\n";
        QTest::newRow("lanterne")
            << "menulanterne;lanterne.exe;Programme lanterne.exe introuvable !";
    }
    void entries() {
        QFETCH(QString, row);
        const QStringList cell = row.split(u';');
        browser = cell.size() < 4;
        FreshProgram fresh;
        QTemporaryDir program;
        shell::setProgramFolder(program.path());
        trigger(qPrintable(cell[0]));
        QCOMPARE(fresh.messages.texts(), QStringList{cell[2]});
        QCOMPARE(fresh.messages.last().icon, MsgIcon::Exclamation);
        QCOMPARE(fresh.messages.last().title, programTitle);
        QVERIFY(started.isEmpty() && opened.isEmpty());
        const QString path = program.filePath(cell[1]);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile present(path);
        QVERIFY(present.open(QIODevice::WriteOnly));
        present.close();
        fresh.messages.clear();
        trigger(qPrintable(cell[0]));
        QCOMPARE(fresh.messages.texts().join(u'|'),
                 browser ? QString() : cell[3] + QDir::toNativeSeparators(path));
        if (!browser) QCOMPARE(fresh.messages.last().icon, MsgIcon::Exclamation);
        QCOMPARE(started + opened, QStringList{path});
        QCOMPARE(opened.size(), cell[0] == "menuaide" ? 1 : 0);
    }
};

QTEST_MAIN(TestToolEntries)
#include "test_toolentries.moc"
