// The sheets' one menu bar, and the entries that reach outside the program.
#include "app/about.h"
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
        shell::setProgramStarter([this](const QString& path) { started << path; return true; });
        shell::setDocumentOpener([this](const QString& path) { opened << path; return true; });
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
    // catalogues and the other two sheets never ask.
    void priestCheck_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("checked");
        const struct { const char *entry, *window; bool checked; } rows[] = {
            {"menucombat", "combat", true},        {"menudes", "Dés", true},
            {"menuepreuves", "epreuves", true},    {"menutransactions", "transaction", true},
            {"menutir", "tir_dist", false},        {"menusaisie", "saisie", false},
            {"menusorts", "sorts", false},         {"menumonstres", "monstres", false}};
        for (const auto& row : rows)
            QTest::newRow(row.entry) << row.entry << QString::fromUtf8(row.window) << row.checked;
    }
    void priestCheck() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(bool, checked);
        for (const QString from : {"perso", "attrib", "equip"}) {
            FreshProgram fresh;
            perso().findChild<OptionButton*>("pretre")->click();
            trigger(qPrintable(entry), from);
            const bool refused = checked && from == "perso";
            QCOMPARE(fresh.messages.texts().contains("Un prêtre doit choisir une dévotion."), refused);
            auto* shown = qobject_cast<QWidget*>(findTopLevel(window));
            QCOMPARE(shown && shown->isVisible(), !refused);
        }
    }

    // Only the tool entries read the settings file first: a position changed in the file
    // moves "Dés" when it is chosen again, never the item editor.
    void settingsReadFirst_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("moved");
        QTest::newRow("Dés") << "menudes" << "Dés" << 4 << true;
        QTest::newRow("Objets") << "menusaisie" << "saisie" << 12 << false;
    }
    void settingsReadFirst() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(int, line);
        QFETCH(bool, moved);
        FreshProgram fresh;
        trigger(qPrintable(entry));
        auto* shown = qobject_cast<QWidget*>(findTopLevel(window));
        QVERIFY(shown && shown->isVisible());
        const QPoint before = shown->pos();
        QStringList lines(15);
        lines[0] = "c:\\";
        lines[line - 1] = QString::number((before.y() + 40) * 15);
        lines[line] = QString::number((before.x() + 30) * 15);
        drive.write("ambrefer.ini", lines.join("\r\n").toLatin1() + "\r\n");
        trigger(qPrintable(entry));
        QCOMPARE(shown->pos(), moved ? before + QPoint(30, 40) : before);
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
        for (const QString from : {"perso", "attrib", "equip"}) {
            FreshProgram fresh;
            trigger("menuabout", from);
            QVERIFY(forms::isLoaded<About>() && about().isVisible());
        }
    }
};

QTEST_MAIN(TestToolEntries)
#include "test_toolentries.moc"
