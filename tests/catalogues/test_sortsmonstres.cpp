// The spell and monster editors: their files, the save's checks and failures, picked files,
// the spell filter and the priest controls, the listings and the sheets' entries.
#include "catalogues/cheminsaisie.h"
#include "catalogues/monstres.h"
#include "catalogues/sorts.h"
#include "common/fieldmemo.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"
#include "tools/combat.h"

#include <QApplication>
#include <QDirIterator>
#include <QKeyEvent>
#include <QTest>
#include <optional>

namespace {

QByteArray bytes(const QStringList& values) { // Windows-1252: Latin-1, œ 0x9C, ’ 0x92
    QByteArray out;
    for (const QString& value : values)
        out += QString(value).replace(u'œ', QChar(0x9c)).replace(u'’', QChar(0x92)).toLatin1() +
               "\r\n";
    return out;
}
QStringList listOf(const ComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->listCount(); ++i)
        names << list->list(i);
    return names;
}
QStringList driveFiles(const TestDriveC& drive) {
    QStringList files;
    for (QDirIterator it(drive.root(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = QDir(drive.root()).relativeFilePath(it.next());
        files << path + ':' + drive.read(path).toHex();
    }
    return files;
}
void trigger(QWidget& sheet, const char* entry) {
    sheet.findChild<MenuEntry*>(entry)->trigger();
}
QWidget& sheetNamed(const QString& name) {
    return name == "attrib"  ? static_cast<QWidget&>(attrib())
           : name == "equip" ? static_cast<QWidget&>(equip())
                             : static_cast<QWidget&>(perso());
}

// One editor, spells or monsters, seen the same way.
struct Editor {
    bool spell;
    int count() const { return spell ? 12 : 18; }
    QWidget* line(int n) const { return spell ? sorts().lines[n] : monstres().lines[n]; }
    ComboBox* names() const { return spell ? sorts().sortsformule : monstres().fpnjnom; }
    QString folder() const { return spell ? "sorts/" : "monstres/"; }
    QString file(const QString& name) const { return folder() + name + (spell ? ".sor" : ".pnj"); }
    void open() const { trigger(perso(), spell ? "menusorts" : "menumonstres"); }
    void save() const { (spell ? sorts().sortsauver : monstres().sauve)->click(); }
    void pick(const QString& name) const { pickFromList(names(), names()->findText(name)); }
    QStringList shown() const {
        QStringList texts;
        for (int n = 1; n <= count(); ++n)
            texts << lineText(line(n));
        return texts;
    }
    void fill(const QStringList& values) const {
        for (int n = 1; n <= values.size(); ++n)
            setLineText(line(n), values.at(n - 1));
    }
};

} // namespace

class TestSortsMonstres : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;
    MessageRecorder& messages() { return program->messages; }
    // A spell of the filter's catalogue: its class and deity.
    void spell(const QString& name, const QString& classe, const QString& dieu) {
        drive->write("sorts/" + name + ".sor",
                     bytes({name, "", classe, dieu, "", "", "", "", "", "", "", ""}));
    }

private slots:
    void init() {
        drive.emplace(), program.emplace();
        drive->write("sorts.ini", "C:\\sorts\\\r\n");
        drive->write("monstres.ini", "C:\\monstres\\\r\n");
        QDir(drive->root()).mkpath("sorts"), QDir(drive->root()).mkpath("monstres");
        perso();
        messages().clear();
    }
    void cleanup() { program.reset(), drive.reset(); }

    // Every line written as shown, byte for byte, and read back into its box; a box's limit
    // holds typing only, and a line break left in a value is written as a blank.
    void roundTrip_data() {
        QTest::addColumn<bool>("spell");
        QTest::newRow("spell") << true;
        QTest::newRow("monster") << false;
    }
    void roundTrip() {
        QFETCH(bool, spell);
        const Editor editor{spell};
        editor.open();
        QStringList values{"Cœur, l’ami"}, written;
        for (int n = 2; n <= editor.count(); ++n)
            values << (n == 2 ? "12000" : n % 4 == 0 ? "" : QString("«l%1» \"à\", ô’œ").arg(n));
        values[editor.count() - 1] = "x\ny";
        editor.fill(values);
        editor.save();
        written = values;
        written.last() = "x y";
        QCOMPARE(drive->read(editor.file(values[0])), bytes(written));
        QCOMPARE(listOf(editor.names()), QStringList{values[0]});
        (spell ? sorts().sortseffacer : monstres().Efface)->click();
        QCOMPARE(editor.shown().join(""), QString());
        editor.pick(values[0]);
        QCOMPARE(editor.shown(), written);
        QCOMPARE(messages().count(), 0);
    }

    // The checks in their order, then where the save writes, or what it shows with nothing
    // written and the list not rebuilt.
    void saveOutcome_data() {
        QTest::addColumn<bool>("spell");
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("folderFile"); // null: none
        QTest::addColumn<QString>("outcome");       // the file written, or the message
        const QByteArray comma = "C:\\Jeux, r\xf4les\\\r\n";
        const QString interdit = "Utilisation d'un caractère interdit !";
        QTest::newRow("no class, no name") << true << ""
                                           << "" << comma << "Renseignez un utilisateur !";
        QTest::newRow("no class") << true << ""
                                  << "Soin" << comma << "Renseignez un utilisateur !";
        QTest::newRow("no spell name") << true << "Elfe"
                                       << "" << comma << "Donnez un nom à votre formule !";
        QTest::newRow("no monster name") << false << ""
                                         << "" << comma << "Renseignez un nom !";
        QTest::newRow("slash") << true << "Elfe"
                               << "a/b" << comma << interdit;
        QTest::newRow("up") << false << ""
                            << "..\\Orque" << comma << interdit;
        QTest::newRow("colon") << false << ""
                               << "C:Orque" << comma << interdit;
        QTest::newRow("comma") << false << ""
                               << "Orque" << comma << "Jeux, rôles/Orque.pnj";
        QTest::newRow("spell, comma") << true << "Elfe"
                                      << "Soin" << comma << "Jeux, rôles/Soin.sor";
        QTest::newRow("no trailing \\")
            << false << ""
            << "Orque" << QByteArray("C:\\monstres\r\n") << "monstres/Orque.pnj";
        QTest::newRow("other case")
            << false << ""
            << "ancien" << QByteArray("C:\\monstres\\\r\n") << "monstres/Ancien.pnj";
        QTest::newRow("missing") << true << "Elfe"
                                 << "Soin" << QByteArray() << RuntimeError::describe(53);
        QTest::newRow("empty line")
            << false << ""
            << "Orque" << QByteArray("\r\nC:\\monstres\\\r\n") << RuntimeError::describe(76);
        QTest::newRow("folder gone") << true << "Elfe"
                                     << "Soin" << comma << RuntimeError::describe(76);
        QTest::newRow("not writable")
            << false << ""
            << "Orque" << QByteArray("Z:\\proc\\\r\n") << RuntimeError::describe(75);
    }
    void saveOutcome() {
        QFETCH(bool, spell);
        QFETCH(QString, classe);
        QFETCH(QString, name);
        QFETCH(QByteArray, folderFile);
        QFETCH(QString, outcome);
        const Editor editor{spell};
        drive->write(editor.file("Ancien"), "");
        if (QTest::currentDataTag() != QString("folder gone"))
            QDir(drive->root()).mkpath("Jeux, rôles");
        editor.open();
        drive->write(editor.file("Nouveau"), ""); // listed by a save only
        const QString ini = spell ? "sorts.ini" : "monstres.ini";
        QFile::remove(drive->root() + '/' + ini);
        if (!folderFile.isNull()) drive->write(ini, folderFile);
        const QStringList before = driveFiles(*drive);
        editor.fill({name, "", classe});
        editor.save();
        const bool saved = outcome.endsWith(".pnj") || outcome.endsWith(".sor");
        QCOMPARE(messages().texts(), saved ? QStringList() : QStringList{outcome});
        if (saved) {
            QStringList values{name, "", classe};
            while (values.size() < editor.count())
                values << "";
            QCOMPARE(drive->read(outcome), bytes(values));
            QCOMPARE(driveFiles(*drive).size(),
                     before.size() + (outcome.contains("Ancien") ? 0 : 1));
        } else {
            QCOMPARE(driveFiles(*drive), before);
            QCOMPARE(messages().last().title, QString(outcome.endsWith('!') ? "" : "Erreur !"));
            QCOMPARE(messages().last().icon, outcome == "Utilisation d'un caractère interdit !"
                                                 ? MsgIcon::Exclamation
                                                 : MsgIcon::Critical);
        }
        QCOMPARE(listOf(editor.names()).contains("Nouveau"),
                 saved && outcome.startsWith(editor.folder()));
        QCOMPARE(editor.names()->text(), name);
    }

    // A file picked fills what it has; what it lacks is emptied, never left from before.
    void pickedFiles_data() {
        QTest::addColumn<bool>("spell");
        QTest::addColumn<int>("lines");    // -1: gone since it was listed
        QTest::addColumn<QString>("name"); // the name box afterwards
        for (bool spell : {true, false}) {
            const char* editor = spell ? "spell" : "monster";
            QTest::addRow("%s, short", editor) << spell << 5 << (spell ? "Cible" : "Ligne 1");
            QTest::addRow("%s, long", editor) << spell << 30 << (spell ? "Cible" : "Ligne 1");
            QTest::addRow("%s, empty", editor) << spell << 0 << "Cible";
            QTest::addRow("%s, gone", editor) << spell << -1 << "Cible";
        }
    }
    void pickedFiles() {
        QFETCH(bool, spell);
        QFETCH(int, lines);
        QFETCH(QString, name);
        const Editor editor{spell};
        QStringList file;
        for (int n = 1; n <= lines; ++n)
            file << QString("Ligne %1").arg(n);
        drive->write(editor.file("Cible"), "");
        editor.open();
        if (spell) pickFromList(sorts().sortsliste, 4); // a priest's controls, enabled
        editor.fill(QStringList(editor.count(), "avant"));
        if (lines < 0)
            QFile::remove(drive->root() + '/' + editor.file("Cible"));
        else
            drive->write(editor.file("Cible"), bytes(file));
        editor.pick("Cible");
        QStringList expected{name};
        for (int n = 2; n <= editor.count(); ++n)
            expected << (n <= lines ? file[n - 1] : "");
        QCOMPARE(editor.shown(), expected);
        if (spell) QVERIFY(!sorts().lib1->isEnabled());
        QCOMPARE(messages().count(), 0);
    }

    // The four rules, exact: case and accents count; a spell too short to tell is left out.
    void filter_data() {
        QTest::addColumn<QString>("classe");
        QTest::addColumn<QString>("dieu");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("listed");
        const QString all = "Bénir Boule Charme Court Foudre magie Ronce Soin Vide";
        QTest::newRow("off") << "Prêtre"
                             << "Belkar" << false << all;
        QTest::newRow("Magicien") << "Magicien"
                                  << "" << true << "Boule Charme";
        QTest::newRow("Prêtre") << "Prêtre"
                                << "" << true << "Bénir Foudre Soin";
        QTest::newRow("Prêtre, Ardemis") << "Prêtre"
                                         << "Ardemis" << true << "Bénir Soin";
        QTest::newRow("Elfe des Bois") << "Elfe des Bois"
                                       << "" << true << "Ronce";
        QTest::newRow("empty") << ""
                               << "" << true << "Vide";
        QTest::newRow("other case") << "prêtre"
                                    << "" << true << "";
    }
    void filter() {
        QFETCH(QString, classe);
        QFETCH(QString, dieu);
        QFETCH(bool, checked);
        QFETCH(QString, listed);
        spell("Boule", "Magicien", ""), spell("Charme", "Elfe", ""),
            spell("Ronce", "Elfe des Bois", "");
        spell("Soin", "Prêtre", "Ardemis"), spell("Bénir", "Prêtre", ""),
            spell("Foudre", "Prêtre", "Belkar");
        spell("magie", "magicien", ""), spell("Vide", "", "");
        drive->write("sorts/Court.sor", bytes({"Court", "", ""}));
        Editor{true}.open();
        Sorts& editor = sorts();
        Editor{true}.fill({"Soin", "x", classe, dieu, "x", "x", "x", "x", "x", "x", "x", "x"});
        editor.restriction->setValue(!checked);
        editor.restriction->click();
        QCOMPARE(listOf(editor.sortsformule).join(' '), listed);
        QCOMPARE(Editor{true}.shown(),
                 QStringList({"", "", classe, dieu, "", "", "", "", "", "", "", ""}));
        QCOMPARE(messages().count(), 0);
    }

    // Choosing a class or a deity unchecks the filter and lists every spell; a save lists them
    // all too, the box still checked. A folder file gone is reported, the list kept.
    void filterAfter_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("listed");
        QTest::newRow("class") << "class" << false << "Boule Soin";
        QTest::newRow("deity") << "deity" << false << "Boule Soin";
        QTest::newRow("save") << "save" << true << "Boule Neuf Soin";
        QTest::newRow("no folder file") << "uncheck" << false << "Soin";
    }
    void filterAfter() {
        QFETCH(QString, action);
        QFETCH(bool, checked);
        QFETCH(QString, listed);
        spell("Boule", "Magicien", ""), spell("Soin", "Prêtre", "");
        Editor{true}.open();
        Sorts& editor = sorts();
        pickFromList(editor.sortsliste, editor.sortsliste->findText("Prêtre"));
        editor.restriction->click();
        QCOMPARE(listOf(editor.sortsformule), QStringList{"Soin"});
        editor.sortsformule->setEditText("Neuf");
        if (action == "class") pickFromList(editor.sortsliste, 0);
        if (action == "deity") pickFromList(editor.sortsdieux, 1);
        if (action == "save") editor.sortsauver->click();
        if (action == "uncheck") QFile::remove(drive->root() + "/sorts.ini");
        if (action == "uncheck") editor.restriction->click();
        QCOMPARE(editor.restriction->value(), checked);
        QCOMPARE(listOf(editor.sortsformule).join(' '), listed);
        QCOMPARE(editor.sortsformule->text(),
                 QString(action == "save" || action == "uncheck" ? "Neuf" : ""));
        QCOMPARE(messages().texts(),
                 action == "uncheck" ? QStringList{RuntimeError::describe(53)} : QStringList());
    }

    // The seven priest controls follow the class chosen or loaded, not typed nor cleared.
    void priestControls_data() {
        QTest::addColumn<QString>("steps"); // "pick C", "load S", "type C", "clear"
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("dieu");
        QTest::newRow("created") << "" << false << "Vesna";
        QTest::newRow("chosen") << "pick Prêtre" << true << "Vesna";
        QTest::newRow("chosen, other") << "pick Prêtre|pick Druide" << false << "";
        QTest::newRow("loaded") << "load Soin" << true << "Ardemis";
        QTest::newRow("loaded, other") << "pick Prêtre|load Ronce" << false << "Sandor";
        QTest::newRow("typed") << "type Prêtre" << false << "Vesna";
        QTest::newRow("typed away") << "pick Prêtre|type Elfe" << true << "Vesna";
        QTest::newRow("cleared") << "load Soin|clear" << true << "";
    }
    void priestControls() {
        QFETCH(QString, steps);
        QFETCH(bool, enabled);
        QFETCH(QString, dieu);
        spell("Soin", "Prêtre", "Ardemis"), spell("Ronce", "Druide", "Sandor");
        Editor{true}.open();
        Sorts& editor = sorts();
        editor.sortsdieux->setEditText("Vesna");
        for (const QString& step : steps.split('|', Qt::SkipEmptyParts)) {
            const QString what = step.section(' ', 1);
            if (step.startsWith("pick"))
                pickFromList(editor.sortsliste, editor.sortsliste->findText(what));
            if (step.startsWith("load")) Editor{true}.pick(what);
            if (step.startsWith("type"))
                for (const QChar c : what) { // as typed, accents included
                    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, c);
                    QApplication::sendEvent(editor.sortsliste->lineEdit(), &key);
                }
            if (step.startsWith("type")) QVERIFY(editor.sortsliste->text().endsWith(what));
            if (step == "clear") editor.sortseffacer->click();
        }
        for (const char* name :
             {"sortsdieux", "lib1", "lib2", "lib3", "sortscondition", "sortsepreuve", "sortsrefus"})
            QCOMPARE(editor.findChild<QWidget*>(name)->isEnabled(), enabled);
        QCOMPARE(editor.sortsdieux->text(), dieu);
    }

    // Both monster lists hold the same names, texts emptied, from the sheets' entries and from
    // the folder dialog; an empty folder empties them.
    void listings_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("listed");
        QTest::newRow("combat") << "menucombat"
                                << "monstres"
                                << "abc Ogre Zombi";
        QTest::newRow("editor") << "menumonstres"
                                << "monstres"
                                << "abc Ogre Zombi";
        QTest::newRow("dialog") << "dialog 1"
                                << "vide"
                                << "";
        QTest::newRow("spells, dialog") << "dialog 3"
                                        << "monstres"
                                        << "Éclair";
    }
    void listings() {
        QFETCH(QString, how);
        QFETCH(QString, folder);
        QFETCH(QString, listed);
        for (const char* file : {"Zombi.pnj", "abc.PNJ", "Ogre.pnj", "notes.txt", "Éclair.sor"})
            drive->write(QString("monstres/") + file, "");
        QDir(drive->root()).mkpath("vide");
        Editor{true}.open();
        Editor{false}.open();
        monstres().fpnjnom->setEditText("x"), combat().combatpnj->setEditText("x");
        sorts().sortsformule->setEditText("x");
        if (how.startsWith("dialog")) {
            (how.endsWith('1') ? monstres().menusauve : sorts().menusauve)->trigger();
            cheminsaisie().Dir->setPath("C:\\" + folder);
            cheminsaisie().ok->click();
            QCOMPARE(drive->read(how.endsWith('1') ? "monstres.ini" : "sorts.ini"),
                     "C:\\" + folder.toLatin1() + "\\\r\n");
        } else {
            trigger(perso(), qPrintable(how));
            QCOMPARE(cheminsaisie().cheminfichiersaisie->caption(), "C:\\" + folder + "\\");
        }
        ComboBox* names = how.endsWith('3') ? sorts().sortsformule : monstres().fpnjnom;
        QCOMPARE(listOf(names).join(' '), listed);
        QCOMPARE(names->text(), QString());
        if (!how.endsWith('3')) QCOMPARE(listOf(combat().combatpnj), listOf(names));
        if (!how.endsWith('3')) QCOMPARE(combat().combatpnj->text(), QString());
    }

    // A folder file missing, empty or naming a folder gone is rewritten "c:\" in silence, the
    // window open; the next use lists the root of C:. Only the hero sheet lists the spells.
    void sheetEntries_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QByteArray>("folderFile"); // null: none
        const QByteArray gone = "C:\\parti\\\r\n";
        QTest::newRow("perso combat missing") << "perso"
                                              << "menucombat" << QByteArray();
        QTest::newRow("attrib combat gone") << "attrib"
                                            << "menucombat" << gone;
        QTest::newRow("perso monsters empty") << "perso"
                                              << "menumonstres" << QByteArray("\r\n");
        QTest::newRow("equip monsters gone") << "equip"
                                             << "menumonstres" << gone;
        QTest::newRow("perso spells gone") << "perso"
                                           << "menusorts" << gone;
        QTest::newRow("attrib spells missing") << "attrib"
                                               << "menusorts" << QByteArray();
        QTest::newRow("equip spells empty") << "equip"
                                            << "menusorts" << QByteArray("");
    }
    void sheetEntries() {
        QFETCH(QString, sheet);
        QFETCH(QString, entry);
        QFETCH(QByteArray, folderFile);
        const bool spells = entry == "menusorts";
        const QString ini = spells ? "sorts.ini" : "monstres.ini";
        drive->write(spells ? "Racine.sor" : "Racine.pnj", "");
        QFile::remove(drive->root() + '/' + ini);
        if (!folderFile.isNull()) drive->write(ini, folderFile);
        QWidget& from = sheetNamed(sheet);
        trigger(from, qPrintable(entry));
        QWidget& window = spells                  ? static_cast<QWidget&>(sorts())
                          : entry == "menucombat" ? static_cast<QWidget&>(combat())
                                                  : static_cast<QWidget&>(monstres());
        QVERIFY(window.isVisible());
        QCOMPARE(drive->read(ini), QByteArray("c:\\\r\n"));
        QCOMPARE(messages().count(), 0);
        trigger(from, qPrintable(entry));
        const QStringList root = spells && sheet != "perso" ? QStringList() : QStringList{"Racine"};
        QCOMPARE(listOf(spells ? sorts().sortsformule : monstres().fpnjnom), root);
        if (!spells) QCOMPARE(listOf(combat().combatpnj), root);
        if (spells) QCOMPARE(sorts().fichier->path(), QString("C:\\"));
        if (spells)
            QCOMPARE(sorts().sortsdieux->listCount() + sorts().sortsliste->listCount(), 12 + 5);
    }
};

QTEST_MAIN(TestSortsMonstres)
#include "test_sortsmonstres.moc"
