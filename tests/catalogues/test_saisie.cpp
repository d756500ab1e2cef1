// The item editor: each kind's item file, the save's checks and failures, the folder file it
// saves by, picked files, the listing by kind, kind switching and clearing; the folder dialog
// and the sheets' "Objets" entries.
#include "catalogues/cheminsaisie.h"
#include "catalogues/saisie.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "hero/perso.h"
#include "shop/detail.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QTest>
#include <optional>

namespace {

QStringList listOf(const ComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->listCount(); ++i)
        names << list->list(i);
    return names;
}
QStringList shown(int kind) {
    QStringList texts;
    for (const QWidget* line : saisie().kinds[kind].lines)
        texts << lineText(line);
    return texts;
}
QByteArray lines(const QStringList& values) { // Windows-1252: Latin-1, and œ at 0x9C
    QByteArray bytes;
    for (const QString& value : values)
        bytes += QString(value).replace(u'œ', QChar(0x9c)).toLatin1() + "\r\n";
    return bytes;
}
QStringList driveFiles(const TestDriveC& drive) {
    QStringList files;
    for (QDirIterator it(drive.root(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = QDir(drive.root()).relativeFilePath(it.next());
        files << path + ':' + drive.read(path).toHex();
    }
    return files;
}
const QStringList dague = {"Dague", "12", "10", "3", "1", "4", "80", "20", "PO"};

} // namespace

class TestSaisie : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;
    MessageRecorder& messages() { return program->messages; }
    void load() { // the editor over the item folder, its start-up messages forgotten
        saisie();
        messages().clear();
    }
    void save() { saisie().sauve->click(); }
    static QWidget* box(const QString& name) { return saisie().findChild<QWidget*>(name); }
    static ComboBox* nameBox(int kind) { return saisie().kinds[kind].nom(); }
    static QString label() { return cheminsaisie().cheminfichiersaisie->caption(); }
    static void pick(int kind, const QString& name) {
        nameBox(kind)->setCurrentIndex(nameBox(kind)->findText(name));
        emit nameBox(kind)->activated(nameBox(kind)->currentIndex());
    }
    static void fill(int kind, const QStringList& values) {
        for (int line = 0; line < values.size(); ++line)
            setLineText(saisie().kinds[kind].lines.at(line), values.at(line));
    }

private slots:
    void init() { drive.emplace(), program.emplace(); }
    void cleanup() { program.reset(), drive.reset(); }

    // Each kind's boxes in the file's order, written as typed and read back into their boxes.
    void everyKindRoundTrips_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("boxes");
        const char* kinds[] = {"arm nom at par fr pi1 pi2 poids prix up",
                               "ard nom pi1 pi2 portee poids prix up",
                               "mun nom poids quantite prix up",
                               "pro nom prot malus poids prix up",
                               "hab nom poids prix up",
                               "prv nom poids prix up",
                               "pla nom partie preparation origine effets frequence prix up",
                               "pot nom effets debut duree symptomes poids prix up",
                               "poi nom effets debut duree symptomes poids prix up",
                               "equ nom poids prix up",
                               "bij nom description poids prix up",
                               "liv nom description poids prix up"};
        for (int kind = 1; kind <= 12; ++kind)
            QTest::addRow("%s", kinds[kind - 1]) << kind << kinds[kind - 1];
    }
    void everyKindRoundTrips() {
        QFETCH(int, kind);
        QFETCH(QString, boxes);
        load();
        saisie().kinds[kind].option->setValue(true);
        QStringList names = boxes.split(' '), values;
        const QString ext = names.takeFirst();
        QCOMPARE(saisie().kinds[kind].lines.size(), std::size_t(names.size()));
        for (const QString& name : names) {
            values << (name == "nom"     ? "Cœur, l'épée"
                       : name == "up"    ? (kind == 5 ? "" : "PA")
                       : name == "prix"  ? "12000" // longer than typing allows
                       : name == "poids" ? "1,5"
                                         : "«" + name + "» \"à\", ô");
            setLineText(box('f' + ext + name), values.back());
        }
        save();
        QCOMPARE(drive->read("objets/Cœur, l'épée." + ext), lines(values));
        saisie().Efface->click();
        pick(kind, "Cœur, l'épée");
        QCOMPARE(shown(kind), values);
        QCOMPARE(messages().count(), 0);
    }

    // The save's checks: the unit, case-sensitive, refused with the list refreshed; a name that
    // would leave the folder, refused with nothing written anywhere and no refresh. A name of
    // another case replaces that file.
    void saveChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("result"); // the file written, or the message shown
        for (const char* unit : {"", "PC", "PB", "PA", "PO"})
            QTest::addRow("unit '%s'", unit) << "Dague" << unit << "objets/Dague.arm";
        for (const char* unit : {"po", "P0", "PO ", "Po"})
            QTest::addRow("unit '%s'", unit) << "Dague" << unit << "Unité de prix inconnue !";
        for (const char* name : {"..\\Dague", "a/b", "C:Dague", "Dague?", "*", "<a>", "a|b",
                                 "\"a\"", ".", "..", ".Dague"})
            QTest::addRow("%s", name) << name << "PO"
                                      << "Utilisation d'un caractère interdit !";
        const char* others[][4] = {{"empty name", "", "po", ""},
                                   {"other case", "dAGUE", "PO", "objets/Dague.arm"},
                                   {"accent", "Flèches", "PO", "objets/Flèches.arm"},
                                   {"dots", "Fiole... vide", "PO", "objets/Fiole... vide.arm"}};
        for (auto [tag, name, unit, result] : others)
            QTest::newRow(tag) << QString(name) << QString(unit) << QString(result);
    }
    void saveChecks() {
        QFETCH(QString, name);
        QFETCH(QString, unit);
        QFETCH(QString, result);
        drive->write("objets/Dague.arm", "old");
        QDir(drive->root()).mkpath("objets/a");
        load();
        drive->write("objets/Hache.arm", ""); // listed only if the list is refreshed
        const QStringList before = driveFiles(*drive);
        const QStringList values = QStringList{name} + dague.mid(1, 7) << unit;
        fill(1, values);
        save();
        const bool written = result.startsWith("objets/");
        QCOMPARE(messages().texts(),
                 written || result.isEmpty() ? QStringList() : QStringList{result});
        if (!written) QCOMPARE(driveFiles(*drive), before);
        if (written) QCOMPARE(drive->read(result), lines(values));
        if (messages().count()) QCOMPARE(messages().last().title, QString());
        QCOMPARE(listOf(nameBox(1)).contains("Hache"), written || result.startsWith("Unit"));
    }

    // Where the save writes, by the line of "c:\objets.ini" read at the editor's load; or what
    // it shows, with nothing written anywhere.
    void saveTarget_data() {
        QTest::addColumn<QByteArray>("folderFile"); // null: none
        QTest::addColumn<QString>("saved");         // the file written, or the start of the message
        const QString missing = "fichier 'c:\\objets.ini' introuvable !";
        QTest::newRow("comma") << QByteArray("C:\\Jeux, r\xf4les\\\r\n") << "Jeux, rôles/Dague.arm";
        QTest::newRow("no trailing \\") << QByteArray("C:\\objets\r\n") << "objets/Dague.arm";
        QTest::newRow("empty line") << QByteArray("\r\nC:\\objets\\\r\n") << missing;
        QTest::newRow("missing file") << QByteArray() << missing;
        QTest::newRow("folder gone")
            << QByteArray("C:\\Jeux, r\xf4les\\\r\n") << RuntimeError::describe(76);
        QTest::newRow("drive not writable")
            << QByteArray("Z:\\proc\\\r\n") << RuntimeError::describe(75);
    }
    void saveTarget() {
        QFETCH(QByteArray, folderFile);
        QFETCH(QString, saved);
        drive->write("objets/Dague.arm", "old");
        QDir(drive->root()).mkpath("Jeux, rôles");
        QFile::remove(drive->root() + "/objets.ini");
        if (!folderFile.isNull()) drive->write("objets.ini", folderFile);
        load();
        if (QTest::currentDataTag() == QString("folder gone"))
            QDir(drive->root() + "/Jeux, rôles").removeRecursively();
        const QStringList before = driveFiles(*drive);
        fill(1, dague);
        save();
        if (saved.endsWith(".arm")) {
            QCOMPARE(drive->read(saved), lines(dague));
            return;
        }
        QCOMPARE(driveFiles(*drive), before);
        QVERIFY(!QFile::exists("Dague.arm")); // nor in the working folder
        QCOMPARE(messages().count(), 1);
        QVERIFY(messages().last().text.startsWith(saved));
        QCOMPARE(messages().last().title,
                 QString(saved.startsWith("fichier") ? "Ambrefer" : "Erreur !"));
    }

    void pickedFiles_data() {
        QTest::addColumn<QByteArray>("file"); // null: gone since it was listed
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("other first line, longer, LF only")
            << QByteArray("Autre\n12\n10\n3\n1\n4\n80\n20\nPO\nx\n") << dague.join('|') << "";
        QTest::newRow("short")
            << QByteArray("Dague\r\n12\r\n10") << "Dague|12|10||||||"
            << "Objet incorrect dans le répertoire des Objet.\r\nVeuillez utiliser 'Saisie' !";
        QTest::newRow("gone") << QByteArray() << "Dague||||||||"
                              << "Objet inexistant dans le répertoire des Objet.";
    }
    void pickedFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QString, boxes);
        QFETCH(QString, message);
        drive->write("objets/Dague.arm", "");
        load();
        fill(1, {"Hache", "9", "9", "9", "9", "9", "9", "9", "PB"}); // the item shown before
        if (file.isNull())
            QFile::remove(drive->itemFolder() + "/Dague.arm");
        else
            drive->write("objets/Dague.arm", file);
        pick(1, "Dague");
        QCOMPARE(shown(1), boxes.split('|'));
        QCOMPARE(messages().texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(listOf(nameBox(1)), file.isNull() ? QStringList() : QStringList{"Dague"});
    }

    // Each kind lists its own files, whatever pattern another window left behind.
    void listingByKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("melee") << 1 << QStringList{"abc", "Dague", "Épieu", "Mouche", "Zèbre"};
        QTest::newRow("ranged") << 2 << QStringList{"Arc, court", "Mouche"};
        QTest::newRow("books: none") << 12 << QStringList{"Mouche"};
    }
    void listingByKind() {
        QFETCH(int, kind);
        QFETCH(QStringList, listed);
        for (const char* file : {"Zèbre.arm", "abc.arm", "Dague.ARM", "Épieu.arm", "Arc, court.ard",
                                 "notes.txt", "Sous/Masse.arm"})
            drive->write(QString("objets/") + file, "");
        QDir(drive->itemFolder()).mkdir("Lance.arm");
        load();
        shared::motif = "*.bij"; // as an equipment filter leaves it
        saisie().kinds[kind].option->setValue(true);
        shared::motif = "*.bij";
        setLineText(nameBox(kind), "Mouche");
        save();
        QCOMPARE(listOf(nameBox(kind)), listed);
        QCOMPARE(nameBox(kind)->text(), QString("Mouche"));
        QCOMPARE(shared::motif, "*." + saisie().kinds[kind].option->objectName());
    }

    void switchingAndClearing() {
        load();
        Saisie& window = saisie();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fill(1, dague);
        const int shortHeight = window.height(), shortWidth = window.width();
        window.kinds[8].option->setValue(true);
        QVERIFY(window.kinds[8].frame->isVisible() && !window.kinds[1].frame->isVisible());
        QVERIFY(window.height() > shortHeight);
        QCOMPARE(window.width(), shortWidth);
        window.kinds[1].option->setValue(true);
        QCOMPARE(window.height(), shortHeight);
        QCOMPARE(shown(1), dague);
        window.kinds[8].option->setValue(true);
        window.Efface->click();
        int emptied = 0;
        for (int kind = 1; kind <= 12; emptied += int(shown(kind++).size()))
            QCOMPARE(shown(kind).join(""), QString());
        QCOMPARE(emptied, 73);
        QCOMPARE(listOf(window.kinds[12].up()), QStringList({"PO", "PA", "PB", "PC"}));
        QCOMPARE(QApplication::focusWidget(), nameBox(8));
    }

    // No line break reaches a field, so a file keeps its kind's line count.
    void lineBreaks() {
        load();
        saisie().kinds[11].option->setValue(true);
        auto* memo = static_cast<MemoBox*>(box("fbijdescription"));
        for (auto modifiers : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier})
            QTest::keyClick(memo, Qt::Key_Return, modifiers);
        QApplication::clipboard()->setText("a\r\nb\rc\nd");
        memo->paste();
        QCOMPARE(memo->text(), QString("a b c d"));
        memo->setText("e\nf");
        setLineText(nameBox(11), "Anneau");
        save();
        QCOMPARE(drive->read("objets/Anneau.bij"), QByteArray("Anneau\r\ne f\r\n\r\n\r\n\r\n"));
    }

    // The dialog writes the folder file of its opener's catalogue, and only on Ok; either
    // button hides it and keeps it. A failed write is reported and the dialog stays open.
    // It opens from the editor, which shows potions.
    void folderDialog_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("row"); // the button, the folder, the file written, its line
        QTest::newRow("sub-folder") << 2 << "ok|c:\\jeux, rôles|objets.ini|C:\\Jeux, rôles\\";
        QTest::newRow("root") << 1 << "ok|C:\\|monstres.ini|C:\\";
        QTest::newRow("spells") << 3 << "ok|C:\\objets|sorts.ini|C:\\objets\\";
        QTest::newRow("choice 0") << 0 << "ok|C:\\||";
        QTest::newRow("Cancel") << 2 << "Command1|C:\\||";
        QTest::newRow("failed write") << 2 << "ok|C:\\||";
    }
    void folderDialog() {
        QFETCH(int, choice);
        QFETCH(QString, row);
        const QStringList parts = row.split('|');
        const QString &button = parts[0], &folder = parts[1], &file = parts[2], &line = parts[3];
        drive->write("Jeux, rôles/Masse.arm", "");
        load();
        saisie().kinds[8].option->setValue(true);
        nameBox(1)->setEditText("Dague");
        saisie().menusauve->trigger();
        QCOMPARE(label(), QString("C:\\objets\\"));
        const bool fails = QTest::currentDataTag() == QString("failed write");
        if (fails) QFile::remove(drive->root() + "/objets.ini");
        if (fails) QDir(drive->root()).mkdir("objets.ini");
        cheminsaisie().Dir->setPath(folder);
        shared::choixrepertoire = choice;
        cheminsaisie().findChild<CommandButton*>(button)->click();
        QCOMPARE(cheminsaisie().isVisible(), fails);
        QCOMPARE(messages().texts(),
                 fails ? QStringList{RuntimeError::describe(75) +
                                     "\r\nC:\\objets.ini\r\nUn dossier porte ce nom"}
                       : QStringList());
        QCOMPARE(shared::choixrepertoire, choice);
        for (const QString name : {"objets.ini", "monstres.ini", "sorts.ini"})
            QCOMPARE(drive->read(name), name == file                     ? lines({line})
                                        : name == "objets.ini" && !fails ? "C:\\objets\\\r\n"
                                                                         : QByteArray());
        // A confirmed item folder: the editor shows its melee weapons and saves there.
        QCOMPARE(shared::typesaisie, file == "objets.ini" ? 1 : 8);
        if (file != "objets.ini") return;
        QCOMPARE(listOf(nameBox(1)), QStringList{"Masse"});
        QCOMPARE(nameBox(1)->text(), QString());
        nameBox(1)->setEditText("Fléau");
        save();
        QCOMPARE(listOf(nameBox(1)), QStringList({"Fléau", "Masse"}));
    }

    // Only the hero sheet's entry presets the dialog; without a folder file it silently does not.
    void objetsEntries() {
        QDir(drive->root()).mkpath("objets/Armes");
        load();
        drive->write("objets.ini", "C:\\objets\\Armes\\\r\n");
        attrib().findChild<MenuEntry*>("menusaisie")->trigger();
        QVERIFY(saisie().isVisible() && !cheminsaisie().isVisible());
        QCOMPARE(label(), QString("C:\\objets\\"));
        perso().findChild<MenuEntry*>("menusaisie")->trigger();
        QCOMPARE(label(), QString("C:\\objets\\Armes\\"));
        drive->write("objets.ini", "C:\\absent\\\r\n");
        perso().findChild<MenuEntry*>("menusaisie")->trigger();
        QCOMPARE(label(), QString("C:\\objets\\Armes\\"));
        QCOMPARE(messages().count(), 0);
    }

    // The boxes that explain themselves, alike in the editor and in the shop's detail window:
    // the melee row's and the unit, not the ranged weapons' impact boxes.
    void tooltips_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tips");
        QTest::newRow("melee") << 1
                               << "farmat=Attaque|farmpar=Parade|farmfr=Facteur de Rupture|farmpi1="
                                  "Points d'impact|farmpi2=Points d'impact|farmup=Unité de Prix";
        QTest::newRow("ranged") << 2 << "fardup=Unité de Prix";
    }
    void tooltips() {
        QFETCH(int, kind);
        QFETCH(QString, tips);
        for (const QWidget* frame : std::initializer_list<const QWidget*>{
                 saisie().kinds[kind].frame, detail().cadres[kind]}) {
            QStringList shown;
            for (const QWidget* box : frame->findChildren<QWidget*>())
                if (!box->objectName().isEmpty() && !box->toolTip().isEmpty())
                    shown << box->objectName() + '=' + box->toolTip();
            QCOMPARE(shown.join('|'), tips);
        }
    }

    // After a preset from the folder file the label ends with "\", whether or not the folder
    // list moved, and Ok writes it so.
    void presetLabelEndsWithTheSeparator_data() {
        QTest::addColumn<QString>("row"); // the folder file's line, the label
        for (const char* row :
             {"C:\\objets\\|C:\\objets\\", "C:\\objets|C:\\objets\\", "c:\\OBJETS|c:\\OBJETS\\",
              "C:\\objets/|C:\\objets\\", "C:\\objets\\Armes|C:\\objets\\Armes\\", "C:|C:\\"})
            QTest::newRow(row) << QString(row);
    }
    void presetLabelEndsWithTheSeparator() {
        QFETCH(QString, row);
        const QString line = row.section('|', 0, 0), shown = row.section('|', 1);
        QDir(drive->root()).mkpath("objets/Armes");
        load();
        drive->write("objets.ini", lines({line}));
        saisie().menusauve->trigger();
        QCOMPARE(label(), shown);
        cheminsaisie().ok->click();
        QCOMPARE(drive->read("objets.ini"), lines({shown}));
    }
};

QTEST_MAIN(TestSaisie)
#include "test_saisie.moc"
