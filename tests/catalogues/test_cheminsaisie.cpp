// The catalogue-folder dialog and the folder files it writes; the sheets' "Objets" entries.
#include "catalogues/cheminsaisie.h"
#include "catalogues/saisie.h"
#include "common/folderfile.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/runtimeerrors.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <optional>

namespace {

void doubleClick(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    const QPoint at = list.visualItemRect(found.first()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

QString label() { return cheminsaisie().cheminfichiersaisie->caption(); }

QStringList listOf(const ComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->listCount(); ++i) names << list->list(i);
    return names;
}

} // namespace

class TestCheminsaisie : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;

    MessageRecorder& messages() { return program->messages; }

private slots:
    void init() {
        drive.emplace();
        QDir(drive->root()).mkpath("objets/Armes");
        QDir(drive->root()).mkpath("Jeux, rôles");
        drive->write("objets/Armes/Masse.arm", "Masse\r\n");
        program.emplace();
    }
    void cleanup() {
        program.reset();
        drive.reset();
    }

    void folderFiles_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QString>("line");     // empty: error 76 or 53
        QTest::newRow("comma and accent")
            << QByteArray("C:\\Jeux, r\xf4les\\\r\n") << "C:\\Jeux, rôles\\";
        QTest::newRow("quotes kept") << QByteArray("\"C:\\a\"\r\n") << "\"C:\\a\"";
        QTest::newRow("no trailing \\") << QByteArray("C:\\objets\r\n") << "C:\\objets";
        QTest::newRow("first of two lines, LF only") << QByteArray("C:\\a\\\nC:\\b\\\n") << "C:\\a\\";
        QTest::newRow("empty line") << QByteArray("\r\n") << "";
        QTest::newRow("empty file") << QByteArray("") << "";
        QTest::newRow("missing") << QByteArray() << "";
    }
    void folderFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        if (!bytes.isNull()) drive->write("sorts.ini", bytes);
        const int error = errorOf([&] { QCOMPARE(folderfile::read(folderfile::sorts), line); });
        QCOMPARE(error, line.isEmpty() ? (bytes.isNull() ? 53 : 76) : 0);
        if (line.isEmpty()) return;
        // Written back, the line is the same bytes, in CR LF.
        folderfile::write(folderfile::monstres, line);
        QCOMPARE(drive->read("monstres.ini"), bytes.left(bytes.indexOf('\n')).replace("\r", "") + "\r\n");
    }

    void ok_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");    // the folder file written; empty: none
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("items, sub-folder")
            << 2 << "ok" << "C:\\objets\\Armes" << "objets.ini" << QByteArray("C:\\objets\\Armes\\\r\n");
        QTest::newRow("items, root") << 2 << "ok" << "C:\\" << "objets.ini" << QByteArray("C:\\\r\n");
        QTest::newRow("items, comma and accent")
            << 2 << "ok" << "c:\\jeux, rôles" << "objets.ini" << QByteArray("C:\\Jeux, r\xf4les\\\r\n");
        QTest::newRow("monsters") << 1 << "ok" << "C:\\objets" << "monstres.ini"
                                  << QByteArray("C:\\objets\\\r\n");
        QTest::newRow("spells") << 3 << "ok" << "C:\\objets" << "sorts.ini"
                                << QByteArray("C:\\objets\\\r\n");
        QTest::newRow("no opener yet: only hides") << 0 << "ok" << "C:\\objets\\Armes" << "" << QByteArray();
        QTest::newRow("Cancel") << 2 << "Command1" << "C:\\objets\\Armes" << "" << QByteArray();
    }
    void ok() {
        QFETCH(int, choice);
        QFETCH(QString, button);
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        const QByteArray items = drive->read("objets.ini");
        Cheminsaisie& dialog = cheminsaisie();
        dialog.show();
        doubleClick(*dialog.Dir, "objets"); // somewhere else first
        dialog.Dir->setPath(folder);
        shared::choixrepertoire = choice;
        dialog.findChild<CommandButton*>(button)->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(forms::isLoaded<Cheminsaisie>());
        QCOMPARE(shared::choixrepertoire, choice);
        for (const char* folderFile : {"objets.ini", "monstres.ini", "sorts.ini"})
            QCOMPARE(drive->read(folderFile), folderFile == file ? bytes
                                              : QString(folderFile) == "objets.ini" ? items
                                                                                    : QByteArray());
        QCOMPARE(messages().count(), 0);
    }

    // Confirming an item folder while the editor shows another kind: the editor saves there,
    // and shows that folder's melee weapons.
    void okSwitchesTheEditor() {
        Saisie& editor = saisie();
        editor.kinds[8].option->setValue(true);
        editor.kinds[1].nom()->setEditText("Dague");
        shared::motif = "*.liv";
        editor.menusauve->trigger();
        Cheminsaisie& dialog = cheminsaisie();
        QVERIFY(dialog.isVisible());
        QCOMPARE(shared::choixrepertoire, 2);
        QCOMPARE(label(), QString("C:\\objets\\"));
        doubleClick(*dialog.Dir, "Armes");
        dialog.ok->click();
        QCOMPARE(shared::cheminobjets, QString("C:\\objets\\Armes\\"));
        QCOMPARE(shared::typesaisie, 1);
        QVERIFY(editor.kinds[1].option->value());
        QVERIFY(editor.kinds[1].frame->isVisibleTo(&editor));
        QVERIFY(!editor.kinds[8].frame->isVisibleTo(&editor));
        QCOMPARE(listOf(editor.kinds[1].nom()), QStringList{"Masse"});
        QCOMPARE(editor.kinds[1].nom()->text(), QString());

        editor.kinds[1].nom()->setEditText("Fléau");
        editor.sauve->click();
        QVERIFY(QFile::exists(drive->root() + "/objets/Armes/Fléau.arm"));
        QCOMPARE(listOf(editor.kinds[1].nom()), QStringList({"Fléau", "Masse"}));
        QCOMPARE(messages().count(), 0);
    }

    void failedWriteKeepsTheDialog() {
        Cheminsaisie& dialog = cheminsaisie();
        dialog.preset("C:\\objets\\Armes\\");
        QFile::remove(drive->root() + "/objets.ini");
        QDir(drive->root()).mkdir("objets.ini"); // a folder in the file's place
        shared::cheminobjets = "C:\\objets\\";
        shared::choixrepertoire = 2;
        dialog.show();
        dialog.ok->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages().texts(), QStringList{RuntimeError::describe(75)});
        QCOMPARE(messages().last().title, QString("Erreur !"));
        QCOMPARE(shared::cheminobjets, QString("C:\\objets\\"));
        QVERIFY(!forms::isLoaded<Saisie>());
    }

    void drives() {
        Cheminsaisie& dialog = cheminsaisie();
        QCOMPARE(dialog.drive->count(), 2);
        QVERIFY(dialog.drive->itemText(0).startsWith("C:"));
        QVERIFY(dialog.drive->itemText(1).startsWith("Z:"));
        dialog.preset("C:\\objets\\Armes\\");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(dialog.drive, Qt::Key_Down);
        QCOMPARE(label(), QString("Z:\\"));
        QCOMPARE(dialog.Dir->path(), QString("Z:\\"));

        // Drive C: cannot be read any more: reported, and the list shows Z: again.
        const QString blocker = drive->write("fichier", "x");
        qputenv("AMBREFER_DRIVE_C", (blocker + "/c").toUtf8());
        QTest::keyClick(dialog.drive, Qt::Key_Up);
        QCOMPARE(messages().texts(), QStringList{RuntimeError::describe(76)});
        QCOMPARE(messages().last().title, QString("Erreur !"));
        QCOMPARE(dialog.drive->drive(), QString("z:"));
        QCOMPARE(label(), QString("Z:\\"));
    }

    // A preset takes the folder line as it stands; the list's move shows the folder found.
    void presets_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("shown"); // empty: refused, the dialog unchanged
        QTest::newRow("as written") << "C:\\objets\\" << "C:\\objets\\";
        QTest::newRow("other case") << "c:\\OBJETS\\armes\\" << "C:\\objets\\Armes\\";
        QTest::newRow("gone") << "C:\\absent\\" << "";
        QTest::newRow("other drive") << "D:\\objets\\" << "";
    }
    void presets() {
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        Cheminsaisie& dialog = cheminsaisie();
        dialog.preset("Z:\\");
        QCOMPARE(errorOf([&] { dialog.preset(folder); }) != 0, shown.isEmpty());
        QCOMPARE(label(), shown.isEmpty() ? QString("Z:\\") : shown);
        QCOMPARE(dialog.drive->drive(), shown.isEmpty() ? QString("z:") : QString("c:"));
    }

    // The hero sheet's entry points the dialog at the items folder; the other sheets' only
    // show the editor. A folder file that cannot be read is passed over in silence.
    void objetsEntries_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QByteArray>("folderFile");
        QTest::addColumn<QString>("shown");
        QTest::newRow("hero sheet") << "perso" << QByteArray("C:\\objets\\Armes\\\r\n")
                                    << "C:\\objets\\Armes\\";
        QTest::newRow("hero sheet, no folder file") << "perso" << QByteArray() << "C:\\objets\\";
        QTest::newRow("skills sheet") << "attrib" << QByteArray("C:\\objets\\Armes\\\r\n")
                                      << "C:\\objets\\";
        QTest::newRow("equipment sheet") << "equip" << QByteArray("C:\\objets\\Armes\\\r\n")
                                         << "C:\\objets\\";
    }
    void objetsEntries() {
        QFETCH(QString, sheet);
        QFETCH(QByteArray, folderFile);
        QFETCH(QString, shown);
        QMainWindow& window = sheet == "perso"    ? static_cast<QMainWindow&>(perso())
                              : sheet == "attrib" ? static_cast<QMainWindow&>(attrib())
                                                  : static_cast<QMainWindow&>(equip());
        saisie();
        QCOMPARE(label(), QString("C:\\objets\\")); // the editor's load preset it
        messages().clear();
        if (folderFile.isEmpty())
            QFile::remove(drive->root() + "/objets.ini");
        else
            drive->write("objets.ini", folderFile);
        window.findChild<MenuEntry*>("menusaisie")->trigger();
        QVERIFY(saisie().isVisible());
        QCOMPARE(label(), shown);
        QVERIFY(!cheminsaisie().isVisible());
        QCOMPARE(messages().count(), 0);
    }
};

QTEST_MAIN(TestCheminsaisie)
#include "test_cheminsaisie.moc"
