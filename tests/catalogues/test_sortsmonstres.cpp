// The spell and monster editors: their files, the save's checks and failures, picked files,
// the spell filter and the priest controls, the listings and the sheets' entries.
#include "catalogues/cheminsaisie.h"
#include "catalogues/monstres.h"
#include "catalogues/sorts.h"
#include "common/itemframe.h"
#include "common/runtimeerror.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"
#include "tools/combat.h"

#include <QDirIterator>
#include <QTest>
#include <optional>

namespace {

QByteArray bytes(const QStringList& values) { // Windows-1252: Latin-1, œ 0x9C, ’ 0x92
    QByteArray out;
    for (QString value : values)
        out += value.replace(u'œ', QChar(0x9c)).replace(u'’', QChar(0x92)).toLatin1() + "\r\n";
    return out;
}
QString listOf(const ComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->listCount(); ++i)
        names << list->list(i);
    return names.join(' ');
}
// An error box opens with the error's description; the file and the reason follow it.
QStringList descriptions(QStringList messages) {
    for (QString& message : messages) message = message.section(QStringLiteral("\r\n"), 0, 0);
    return messages;
}

QStringList driveFiles(const TestDriveC& drive) { // with their sizes
    QStringList files;
    for (QDirIterator it(drive.root(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next() + ':' + QString::number(it.fileInfo().size());
    return files;
}
void trigger(const QString& sheet, const QString& entry) {
    QWidget& from = sheet == "attrib"  ? static_cast<QWidget&>(attrib())
                    : sheet == "equip" ? static_cast<QWidget&>(equip())
                                       : static_cast<QWidget&>(perso());
    from.findChild<MenuEntry*>(entry)->trigger();
}

// Either editor, seen the same way.
struct Editor {
    bool spell;
    int count() const { return spell ? 12 : 18; }
    QWidget* line(int n) const { return spell ? sorts().lines[n] : monstres().lines[n]; }
    ComboBox* names() const { return spell ? sorts().sortsformule : monstres().fpnjnom; }
    QString file(const QString& name) const {
        return (spell ? "sorts/" : "monstres/") + name + (spell ? ".sor" : ".pnj");
    }
    void open() const { trigger("perso", spell ? "menusorts" : "menumonstres"); }
    void save() const { (spell ? sorts().sortsauver : monstres().sauve)->click(); }
    void pick(const QString& name) const { pickFromList(names(), names()->findText(name)); }
    QStringList shown() const {
        QStringList texts;
        for (int n = 1; n <= count(); ++n)
            texts << lineText(line(n));
        return texts;
    }
    void fill(const QStringList& values) const {
        for (int n = 1; n <= count(); ++n)
            setLineText(line(n), values.value(n - 1));
    }
};

} // namespace

class TestSortsMonstres : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;

private slots:
    void init() {
        drive.emplace(), program.emplace();
        drive->write("sorts.ini", "C:\\sorts\\\r\n");
        drive->write("monstres.ini", "C:\\monstres\\\r\n");
        QDir(drive->root()).mkpath("sorts"), QDir(drive->root()).mkpath("monstres");
        perso();
        program->messages.clear();
    }
    void cleanup() { program.reset(), drive.reset(); }

    // A file picked fills what it has; what it lacks, or all of it when it has gone since it was
    // listed, is emptied, never left from the record shown before. A monster's name is line 1.
    void pickedFiles_data() {
        QTest::addColumn<bool>("spell");
        QTest::addColumn<int>("lines"); // -1: gone
        for (bool spell : {true, false})
            for (int lines : {5, 30, 1, 0, -1})
                QTest::addRow("%s, %d", spell ? "spell" : "monster", lines) << spell << lines;
    }
    void pickedFiles() {
        QFETCH(bool, spell);
        QFETCH(int, lines);
        const Editor editor{spell};
        QStringList file, expected{"Cible"};
        for (int n = 1; n <= lines; ++n)
            file << QString("Ligne %1").arg(n);
        drive->write(editor.file("Cible"), "");
        editor.open();
        editor.fill(QStringList(editor.count(), "avant"));
        if (lines < 0) QFile::remove(drive->root() + '/' + editor.file("Cible"));
        if (lines >= 0) drive->write(editor.file("Cible"), bytes(file));
        editor.pick("Cible");
        if (!spell && lines > 0) expected[0] = file[0];
        for (int n = 2; n <= editor.count(); ++n)
            expected << file.value(n - 1);
        QCOMPARE(editor.shown(), expected);
        QCOMPARE(program->messages.count(), 0);
    }

    // The checks in their order, then where the save writes, byte for byte, what is read back;
    // or what it shows (a number: that error under "Erreur !"), nothing written and the list not
    // rebuilt. A box's limit holds typing only; a line break left in a value becomes a blank.
    void saves_data() {
        QTest::addColumn<QString>("row"); // editor; class; name; folder line ("~": none); outcome
        const char* rows[] = {
            "sorts;;;C:\\Jeux, rôles\\;Renseignez un utilisateur !",
            "sorts;Elfe;;C:\\Jeux, rôles\\;Donnez un nom à votre formule !",
            "monstres;;;C:\\Jeux, rôles\\;Renseignez un nom !",
            "sorts;Elfe;a/b;C:\\Jeux, rôles\\;Utilisation d'un caractère interdit !",
            "monstres;;..\\Orque;C:\\Jeux, rôles\\;Utilisation d'un caractère interdit !",
            "sorts;Elfe;..;C:\\Jeux, rôles\\;Utilisation d'un caractère interdit !",
            "sorts;Elfe;Fiole... vide;C:\\Jeux, rôles\\;Jeux, rôles/Fiole... vide.sor",
            "monstres;;Cœur, l’ami;C:\\Jeux, rôles\\;Jeux, rôles/Cœur, l’ami.pnj",
            "sorts;Elfe;Soin;C:\\Jeux, rôles;Jeux, rôles/Soin.sor",
            "monstres;;ancien;C:\\monstres;monstres/Ancien.pnj",
            "sorts;Elfe;Soin;~;53",
            "monstres;;Orque;;76",
            "sorts;Elfe;Soin;C:\\parti\\;76",
            "monstres;;Orque;Z:\\proc\\;75"};
        for (const char* row : rows)
            QTest::newRow(row) << QString(row);
    }
    void saves() {
        QFETCH(QString, row);
        const QStringList cell = row.split(';');
        const Editor editor{cell[0] == "sorts"};
        const bool saved = cell[4].contains('/');
        const QString outcome = cell[4].toInt() ? RuntimeError::describe(cell[4].toInt()) : cell[4];
        drive->write(editor.file("Ancien"), "");
        QDir(drive->root()).mkpath("Jeux, rôles");
        editor.open();
        drive->write(editor.file("Nouveau"), ""); // listed by a save only
        QFile::remove(drive->root() + '/' + cell[0] + ".ini");
        if (cell[3] != "~") drive->write(cell[0] + ".ini", bytes({cell[3]}));
        const QStringList before = driveFiles(*drive);
        QStringList values{cell[2], "12000", cell[1]};
        for (int n = 4; n <= editor.count(); ++n)
            values << (n % 4 == 0 ? "" : QString("«l%1» \"à\", ô’œ").arg(n));
        values.last() = "x\ny";
        editor.fill(values);
        editor.save();
        values.last() = "x y";
        QCOMPARE(descriptions(program->messages.texts()), saved ? QStringList() : QStringList{outcome});
        QCOMPARE(editor.names()->text(), cell[2]);
        if (saved) QCOMPARE(drive->read(outcome), bytes(values));
        QCOMPARE(listOf(editor.names()).contains("Nouveau"), saved && outcome.startsWith("mon"));
        if (saved && cell[2] != "ancien") {
            editor.fill(QStringList(editor.count(), "avant"));
            editor.pick(cell[2]);
            QCOMPARE(editor.shown(), values);
        }
        QCOMPARE(driveFiles(*drive).size(), before.size() + (saved && cell[2] != "ancien"));
        if (saved) return;
        QCOMPARE(driveFiles(*drive), before);
        QCOMPARE(program->messages.last().title, QString(cell[4].toInt() ? "Erreur !" : ""));
        QCOMPARE(program->messages.last().icon,
                 outcome.startsWith("Utilisation") ? MsgIcon::Exclamation : MsgIcon::Critical);
    }

    // The class, the deity and the filter: the list, then the box, the seven priest controls,
    // the deity and the name after each sequence of steps. The filter's comparisons are exact;
    // a spell too short to tell its class is left out. Typing (the box's Change) does nothing.
    void spellEditor_data() {
        QTest::addColumn<QString>("row"); // steps; listed; state
        const char* all = "Bénir Boule Charme Court Foudre magie Ronce Soin Vide";
        const char* rows[] = {"created;*;0 0 Vesna ",
                              "type Magicien|check;Boule Charme;1 0 Vesna ",
                              "pick 4|deity |check;Bénir Foudre Soin;1 1  ",
                              "pick 4|deity Ardemis|check;Bénir Soin;1 1 Ardemis ",
                              "deity |check;Vide;1 0  ",
                              "type prêtre|check;;1 0 Vesna ",
                              "pick 4|check|pick 0;*;0 0  ",
                              "pick 4|check|pickdeity 1;*;0 1 Belkar ",
                              "pick 4|check|name Neuf|save;Bénir Boule Charme Court Foudre magie "
                              "Neuf Ronce Soin Vide;1 1 Vesna Neuf",
                              "pick 4|check|name Neuf|nofile|check;Bénir;0 1 Vesna Neuf",
                              "load Soin;*;0 1 Ardemis Soin",
                              "pick 4|load Ronce;*;0 0 Sandor Ronce",
                              "pick 4|type Elfe;*;0 1 Vesna ",
                              "load Soin|clear;*;0 1  "};
        for (const char* row : rows)
            QTest::newRow(row) << QString(row).replace("*", all);
    }
    void spellEditor() {
        QFETCH(QString, row);
        const QStringList cell = row.split(';');
        for (const char* s :
             {"Boule,Magicien,", "Charme,Elfe,", "magie,magicien,", "Ronce,Elfe des Bois,Sandor",
              "Vide,,", "Bénir,Prêtre,", "Soin,Prêtre,Ardemis", "Foudre,Prêtre,Belkar"}) {
            const QStringList f = QString(s).split(',');
            drive->write("sorts/" + f[0] + ".sor",
                         bytes(QStringList{f[0], "", f[1], f[2]} + QStringList(8)));
        }
        drive->write("sorts/Court.sor", bytes({"Court", "", ""}));
        Editor{true}.open();
        Sorts& w = sorts();
        w.sortsdieux->setText("Vesna");
        for (const QString& step : cell[0].split('|')) {
            const QString what = step.section(' ', 1);
            if (step.startsWith("pick ")) pickFromList(w.sortsliste, what.toInt());
            if (step.startsWith("pickdeity")) pickFromList(w.sortsdieux, what.toInt());
            if (step.startsWith("type")) w.sortsliste->setText(what);
            if (step.startsWith("deity")) w.sortsdieux->setText(what);
            if (step.startsWith("name")) w.sortsformule->setText(what);
            if (step.startsWith("load")) Editor{true}.pick(what);
            if (step == "check") w.restriction->click();
            if (step == "save") w.sortsauver->click();
            if (step == "clear") w.sortseffacer->click();
            if (step == "nofile") QFile::remove(drive->root() + "/sorts.ini");
        }
        QCOMPARE(listOf(w.sortsformule), cell[1]);
        bool enabled = true;
        for (auto* name :
             {"sortsdieux", "lib1", "lib2", "lib3", "sortscondition", "sortsepreuve", "sortsrefus"})
            enabled = enabled && w.findChild<QWidget*>(name)->isEnabled();
        QCOMPARE(QString("%1 %2 %3 %4")
                     .arg(int(w.restriction->value()))
                     .arg(int(enabled))
                     .arg(w.sortsdieux->text(), w.sortsformule->text()),
                 cell[2]);
        const bool failed = row.contains("nofile");
        QCOMPARE(program->messages.texts(),
                 failed ? QStringList{RuntimeError::describe(53) +
                                      "\r\nC:\\sorts.ini\r\nFichier ou dossier introuvable"}
                        : QStringList());
    }

    // The sheets' entries and the folder dialog list both monster lists alike, texts emptied.
    // A folder file missing ("~"), empty or naming a folder gone is rewritten "c:\" in silence,
    // the window open; the next use lists the root of C:. Only the hero sheet lists the spells.
    void listings_data() {
        QTest::addColumn<QString>("row"); // sheet or dialog; entry or editor; folder; listed twice
        const char* rows[] = {"perso;menucombat;C:\\monstres\\;abc Ogre Zombi;abc Ogre Zombi",
                              "perso;menucombat;~;abc Ogre Zombi;Racine",
                              "attrib;menucombat;C:\\parti\\;abc Ogre Zombi;Racine",
                              "perso;menumonstres;;abc Ogre Zombi;Racine",
                              "equip;menumonstres;C:\\monstres\\;abc Ogre Zombi;abc Ogre Zombi",
                              "perso;menusorts;C:\\parti\\;;Racine",
                              "attrib;menusorts;~;;",
                              "dialog;monstres;vide;;",
                              "dialog;sorts;monstres;Éclair;Éclair"};
        for (const char* row : rows)
            QTest::newRow(row) << QString(row);
    }
    void listings() {
        QFETCH(QString, row);
        const QStringList cell = row.split(';');
        for (const char* file : {"Zombi.pnj", "abc.PNJ", "Ogre.pnj", "notes.txt", "Éclair.sor"})
            drive->write(QString("monstres/") + file, "");
        drive->write("Racine.sor", ""), drive->write("Racine.pnj", "");
        QDir(drive->root()).mkpath("vide");
        const bool spells = cell[1].endsWith("sorts"), dialog = cell[0] == "dialog";
        const bool reset = cell[4] == "Racine" || cell[2] == "~";
        const bool unlisted = spells && cell[0] == "attrib";
        const QString ini = spells ? "sorts.ini" : "monstres.ini";
        Editor{spells}.open();
        combat().combatpnj->setText("x"), Editor{spells}.names()->setText("x");
        QFile::remove(drive->root() + '/' + ini);
        if (cell[2] != "~" && !dialog) drive->write(ini, bytes({cell[2]}));
        for (int use = 3; use <= 4; ++use) {
            if (dialog) {
                (spells ? sorts().menusauve : monstres().menusauve)->trigger();
                cheminsaisie().Dir->setPath("C:\\" + cell[2]);
                cheminsaisie().ok->click();
            } else {
                trigger(cell[0], cell[1]);
            }
            QCOMPARE(listOf(Editor{spells}.names()), cell[use]);
            if (!spells) QCOMPARE(listOf(combat().combatpnj), cell[use]);
        }
        const char* texts = unlisted ? "xx" : spells ? "x" : ""; // the lists' and the adversary's
        QCOMPARE(Editor{spells}.names()->text() + combat().combatpnj->text(), QString(texts));
        QCOMPARE(drive->read(ini), reset    ? "c:\\\r\n"
                                   : dialog ? bytes({"C:\\" + cell[2] + "\\"})
                                            : bytes({cell[2]}));
        if (!dialog && !unlisted)
            QCOMPARE(cheminsaisie().cheminfichiersaisie->caption(),
                     reset ? "C:\\" : "C:\\monstres\\");
        QCOMPARE(QString("%1 %2")
                     .arg(sorts().sortsdieux->listCount())
                     .arg(sorts().sortsliste->listCount()),
                 spells ? "12 5" : "0 0");
        QWidget* window = spells ? static_cast<QWidget*>(&sorts()) : &monstres();
        QVERIFY((cell[1] == "menucombat" ? &combat() : window)->isVisible());
        QCOMPARE(program->messages.count(), 0);
    }
};

QTEST_MAIN(TestSortsMonstres)
#include "test_sortsmonstres.moc"
