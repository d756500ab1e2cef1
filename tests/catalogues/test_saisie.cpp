// The item editor: the item file of each kind, the save's checks and failures, the loading of
// a picked item, the listing by kind, kind switching and clearing.
#include "catalogues/saisie.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <optional>
#include <unistd.h>

namespace {

QWidget* box(const QString& name) {
    auto* found = saisie().findChild<QWidget*>(name);
    if (!found) qFatal("no box %s", qPrintable(name));
    return found;
}

ComboBox* nameBox(int kind) { return saisie().kinds[kind].nom(); }

QStringList listOf(const ComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->listCount(); ++i) names << list->list(i);
    return names;
}

// The user picks a listed name: its Click runs.
void pick(int kind, const QString& name) {
    ComboBox* list = nameBox(kind);
    const int entry = list->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(entry >= 0, qPrintable(name));
    list->setCurrentIndex(entry);
    emit list->activated(entry);
}

void save() { saisie().sauve->click(); }

// Windows-1252 for the few letters these tests use beyond ASCII.
QByteArray cp1252(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'é': bytes += '\xe9'; break;
        case u'è': bytes += '\xe8'; break;
        case u'ô': bytes += '\xf4'; break;
        case u'œ': bytes += '\x9c'; break;
        case u'«': bytes += '\xab'; break;
        case u'»': bytes += '\xbb'; break;
        default: bytes += c.toLatin1();
        }
    }
    return bytes;
}

QByteArray lines(const QStringList& values) {
    QByteArray bytes;
    for (const QString& value : values) bytes += cp1252(value) + "\r\n";
    return bytes;
}

// Every file of drive C:, with its content.
QMap<QString, QByteArray> driveContents(const TestDriveC& drive) {
    QMap<QString, QByteArray> files;
    QDirIterator it(drive.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[path] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5);
    }
    return files;
}

const QString dagueArm = QStringLiteral("objets/Dague.arm");
const QStringList dague = {"Dague", "12", "10", "3", "1", "4", "80", "20", "PO"};

} // namespace

class TestSaisie : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;

    MessageRecorder& messages() { return program->messages; }
    // The editor loaded over the item folder, its start-up messages forgotten.
    Saisie& editor() {
        Saisie& window = saisie();
        messages().clear();
        return window;
    }
    void fillWeapon(const QStringList& values) {
        for (int line = 0; line < values.size(); ++line)
            setLineText(saisie().kinds[1].lines.at(line), values.at(line));
    }
    QStringList weaponBoxes() const {
        QStringList texts;
        for (const QWidget* line : saisie().kinds[1].lines) texts << lineText(line);
        return texts;
    }

private slots:
    void init() {
        drive.emplace();
        program.emplace();
    }
    void cleanup() {
        program.reset();
        drive.reset();
    }

    // Each kind's boxes in the file's order; each value typed is written as typed, and read
    // back into the same box.
    void everyKindRoundTrips_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("melee") << 1 << ".arm"
                               << QStringList{"farmnom", "farmat",  "farmpar",  "farmfr", "farmpi1",
                                              "farmpi2", "farmpoids", "farmprix", "farmup"};
        QTest::newRow("ranged") << 2 << ".ard"
                                << QStringList{"fardnom",   "fardpi1",  "fardpi2", "fardportee",
                                               "fardpoids", "fardprix", "fardup"};
        QTest::newRow("ammunition")
            << 3 << ".mun"
            << QStringList{"fmunnom", "fmunpoids", "fmunquantite", "fmunprix", "fmunup"};
        QTest::newRow("protection") << 4 << ".pro"
                                    << QStringList{"fpronom", "fproprot", "fpromalus", "fpropoids",
                                                   "fproprix", "fproup"};
        QTest::newRow("clothing, empty unit")
            << 5 << ".hab" << QStringList{"fhabnom", "fhabpoids", "fhabprix", "fhabup"};
        QTest::newRow("provisions")
            << 6 << ".prv" << QStringList{"fprvnom", "fprvpoids", "fprvprix", "fprvup"};
        QTest::newRow("plants") << 7 << ".pla"
                                << QStringList{"fplanom",    "fplapartie",    "fplapreparation",
                                               "fplaorigine", "fplaeffets",   "fplafrequence",
                                               "fplaprix",   "fplaup"};
        QTest::newRow("potions") << 8 << ".pot"
                                 << QStringList{"fpotnom",       "fpoteffets", "fpotdebut",
                                                "fpotduree",     "fpotsymptomes", "fpotpoids",
                                                "fpotprix",      "fpotup"};
        QTest::newRow("poisons") << 9 << ".poi"
                                 << QStringList{"fpoinom",       "fpoieffets", "fpoidebut",
                                                "fpoiduree",     "fpoisymptomes", "fpoipoids",
                                                "fpoiprix",      "fpoiup"};
        QTest::newRow("equipment")
            << 10 << ".equ" << QStringList{"fequnom", "fequpoids", "fequprix", "fequup"};
        QTest::newRow("jewels") << 11 << ".bij"
                                << QStringList{"fbijnom", "fbijdescription", "fbijpoids",
                                               "fbijprix", "fbijup"};
        QTest::newRow("books") << 12 << ".liv"
                               << QStringList{"flivnom", "flivdescription", "flivpoids",
                                              "flivprix", "flivup"};
    }
    void everyKindRoundTrips() {
        QFETCH(int, kind);
        QFETCH(QString, extension);
        QFETCH(QStringList, boxes);
        Saisie& window = editor();
        window.kinds[kind].option->setValue(true);
        QCOMPARE(window.kinds[kind].lines.size(), std::size_t(boxes.size()));
        QStringList values;
        for (const QString& name : boxes) {
            QString value = QStringLiteral("«%1» \"è\", ô").arg(name); // quotes and commas
            if (name.endsWith("nom")) value = "Cœur, l'épée";
            if (name.endsWith("up")) value = kind == 5 ? "" : "PA";
            if (name.endsWith("prix")) value = "12000"; // longer than its box takes by typing
            if (name.endsWith("poids")) value = "1,5";
            setLineText(box(name), value);
            values << value;
        }
        save();
        QCOMPARE(messages().texts(), QStringList());
        QCOMPARE(drive->read("objets/Cœur, l'épée" + extension), lines(values));
        QCOMPARE(listOf(nameBox(kind)), QStringList{"Cœur, l'épée"});

        window.Efface->click();
        pick(kind, "Cœur, l'épée");
        for (int line = 0; line < boxes.size(); ++line)
            QCOMPARE(lineText(box(boxes.at(line))), values.at(line));
        QCOMPARE(messages().count(), 0);
    }

    void unitCheck_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("saved");
        for (const char* unit : {"", "PC", "PB", "PA", "PO"}) QTest::addRow("'%s'", unit) << unit << true;
        for (const char* unit : {"po", "P0", "PO ", " PO", "Po", "pièces"})
            QTest::addRow("'%s'", unit) << unit << false;
    }
    void unitCheck() {
        QFETCH(QString, unit);
        QFETCH(bool, saved);
        editor();
        fillWeapon(dague);
        setLineText(saisie().kinds[1].up(), unit);
        drive->write("objets/Hache.arm", lines({"Hache", "", "", "", "", "", "", "", ""}));
        save();
        QCOMPARE(QFile::exists(drive->root() + "/" + dagueArm), saved);
        QCOMPARE(messages().texts(), saved ? QStringList() : QStringList{"Unité de prix inconnue !"});
        if (!saved) {
            QCOMPARE(messages().last().icon, MsgIcon::Exclamation);
            QCOMPARE(messages().last().title, QString());
        }
        // Either way the list is refreshed from the folder.
        QCOMPARE(listOf(nameBox(1)), saved ? QStringList({"Dague", "Hache"}) : QStringList{"Hache"});
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");    // written, relative to drive C:; empty for none
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("listed");
        const QStringList refused{"Utilisation d'un caractère interdit !"};
        for (const char* name : {"..\\Dague", "a/b", "C:Dague", "Dague?", "Da*gue", "<a>", "a|b",
                                 "\"a\"", "a..b", "..", "\\"})
            QTest::addRow("%s", name) << name << "" << refused << QStringList{"Dague"};
        QTest::newRow("empty name: nothing") << "" << "" << QStringList() << QStringList{"Dague"};
        QTest::newRow("other case replaces the file, keeps its name")
            << "dAGUE" << "objets/Dague.arm" << QStringList() << QStringList{"Dague"};
        QTest::newRow("accented name, as on disk")
            << "Flèches" << "objets/Flèches.arm" << QStringList() << QStringList{"Dague", "Flèches"};
        QTest::newRow("dots inside a word are kept")
            << "Fiole. vide" << "objets/Fiole. vide.arm" << QStringList()
            << QStringList{"Dague", "Fiole. vide"};
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, listed);
        drive->write(dagueArm, lines(dague));
        editor();
        QDir(drive->root()).mkpath("objets/a"); // "a/b" must not land in it
        const auto before = driveContents(*drive);
        // A file appears meanwhile: a refused save does not refresh the list.
        drive->write("objets/Zèbre.arm", lines({"Zèbre", "", "", "", "", "", "", "", ""}));
        fillWeapon({name, "1", "2", "3", "4", "5", "6", "7", "PO"});
        save();
        QCOMPARE(messages().texts(), shown);
        if (!shown.isEmpty()) QCOMPARE(messages().last().title, QString());
        auto after = driveContents(*drive);
        after.remove(drive->root() + "/objets/Zèbre.arm");
        if (file.isEmpty()) {
            QCOMPARE(after, before);
            QCOMPARE(listOf(nameBox(1)), listed);
        } else {
            QCOMPARE(drive->read(file), lines({name, "1", "2", "3", "4", "5", "6", "7", "PO"}));
            QCOMPARE(after.size(), before.size() + (before.contains(drive->root() + "/" + file) ? 0 : 1));
            QCOMPARE(listOf(nameBox(1)), listed + QStringList{"Zèbre"});
        }
    }

    void saveFailures_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("error");
        QTest::newRow("folder gone") << "gone" << 76;
        QTest::newRow("drive not writable") << "proc" << 75;
        QTest::newRow("read-only folder") << "readonly" << 75;
        QTest::newRow("a folder in the file's place") << "folder" << 75;
    }
    void saveFailures() {
        QFETCH(QString, failure);
        QFETCH(int, error);
        if (failure == "readonly" && geteuid() == 0) QSKIP("permissions do not bind the superuser");
        const QByteArray old = lines({"Dague", "0", "0", "0", "0", "0", "1", "1", "PC"});
        drive->write(dagueArm, old);
        editor();
        const QString folder = drive->itemFolder();
        if (failure == "gone") QDir(folder).removeRecursively();
        if (failure == "proc") shared::cheminobjets = "Z:\\proc\\";
        if (failure == "readonly")
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (failure == "folder") {
            QFile::remove(drive->root() + "/" + dagueArm);
            QDir(folder).mkdir("Dague.arm");
        }
        if (failure != "gone") drive->write("objets/Zèbre.arm", "");
        fillWeapon(dague);
        save();
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        QCOMPARE(messages().texts(), QStringList{RuntimeError::describe(error)});
        QCOMPARE(messages().last().icon, MsgIcon::Critical);
        QCOMPARE(messages().last().title, QString("Erreur !"));
        if (failure == "readonly") QCOMPARE(drive->read(dagueArm), old);
        QVERIFY(!QFile::exists("/proc/Dague.arm"));
        QVERIFY(!listOf(nameBox(1)).contains("Zèbre"));
    }

    // Where the editor saves, from the line of "c:\objets.ini" it read at its load.
    void folderLines_data() {
        QTest::addColumn<QByteArray>("folderFile"); // empty: no folder file
        QTest::addColumn<QString>("saved");         // relative to drive C:, empty: nothing
        QTest::newRow("comma") << QByteArray("C:\\Jeux, r\xf4les\\Objets\\\r\n")
                               << "Jeux, rôles/Objets/Dague.arm";
        QTest::newRow("no trailing \\") << QByteArray("C:\\objets\r\n") << "objets/Dague.arm";
        QTest::newRow("other case, LF only") << QByteArray("c:\\OBJETS\\\n") << "objets/Dague.arm";
        QTest::newRow("empty line") << QByteArray("\r\nC:\\objets\\\r\n") << "";
        QTest::newRow("blank line") << QByteArray("   \r\n") << "";
        QTest::newRow("missing file") << QByteArray() << "";
    }
    void folderLines() {
        QFETCH(QByteArray, folderFile);
        QFETCH(QString, saved);
        QDir(drive->root()).mkpath("Jeux, rôles/Objets");
        if (folderFile.isEmpty())
            QFile::remove(drive->root() + "/objets.ini");
        else
            drive->write("objets.ini", folderFile);
        const QString workingFolder = QDir::currentPath();
        const auto before = driveContents(*drive);
        editor();
        fillWeapon(dague);
        save();
        if (saved.isEmpty()) {
            QCOMPARE(driveContents(*drive), before);
            QVERIFY(!QFile::exists(workingFolder + "/Dague.arm"));
            QCOMPARE(messages().count(), 1);
            QVERIFY(messages().last().text.startsWith("fichier 'c:\\objets.ini' introuvable !"));
        } else {
            QCOMPARE(drive->read(saved), lines(dague));
            QCOMPARE(messages().count(), 0);
            QCOMPARE(listOf(nameBox(1)), QStringList{"Dague"});
        }
    }

    void pickedFiles_data() {
        QTest::addColumn<QByteArray>("file"); // empty: gone since it was listed
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("message");
        QTest::newRow("whole") << lines(dague) << dague << "";
        QTest::newRow("first line differs: the file's name stays")
            << lines(QStringList{"Poignard"} + dague.mid(1)) << dague << "";
        QTest::newRow("longer: the rest is ignored")
            << lines(dague + QStringList{"en trop", "encore"}) << dague << "";
        QTest::newRow("LF only") << QByteArray("Dague\n12\n10\n3\n1\n4\n80\n20\nPO\n") << dague << "";
        QTest::newRow("short: what it lacks is emptied")
            << QByteArray("Dague\r\n12\r\n10") << QStringList{"Dague", "12", "10", "", "", "", "", "", ""}
            << "Objet incorrect dans le répertoire des Objet.\r\nVeuillez utiliser 'Saisie' !";
        QTest::newRow("gone") << QByteArray() << QStringList{"Dague", "", "", "", "", "", "", "", ""}
                              << "Objet inexistant dans le répertoire des Objet.";
    }
    void pickedFiles() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, boxes);
        QFETCH(QString, message);
        drive->write(dagueArm, lines(dague));
        editor();
        fillWeapon({"Hache", "9", "9", "9", "9", "9", "9", "9", "PB"}); // the item shown before
        if (file.isEmpty())
            QFile::remove(drive->root() + "/" + dagueArm);
        else
            drive->write(dagueArm, file);
        pick(1, "Dague");
        QCOMPARE(weaponBoxes(), boxes);
        QCOMPARE(messages().texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(messages().last().icon, MsgIcon::Exclamation);
            QCOMPARE(messages().last().title, QString("Ambrefer"));
        }
        QCOMPARE(listOf(nameBox(1)), file.isEmpty() ? QStringList() : QStringList{"Dague"});
    }

    // Each kind lists its own files, whatever pattern another window left behind.
    void listingByKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("afterSave");
        QTest::newRow("melee") << 1 << "*.arm" << QStringList{"abc", "Dague", "Épieu", "Zèbre"}
                               << QStringList{"abc", "Dague", "Épieu", "Mouche", "Zèbre"};
        QTest::newRow("ranged") << 2 << "*.ard" << QStringList{"Arc, court"}
                                << QStringList{"Arc, court", "Mouche"};
        QTest::newRow("books: none") << 12 << "*.liv" << QStringList() << QStringList{"Mouche"};
    }
    void listingByKind() {
        QFETCH(int, kind);
        QFETCH(QString, pattern);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, afterSave);
        for (const char* file : {"Zèbre.arm", "abc.arm", "Dague.ARM", "Épieu.arm", "Arc, court.ard",
                                 "notes.txt", "arm", "Sous/Masse.arm"})
            drive->write(QString("objets/") + file, "x\r\n");
        QDir(drive->itemFolder()).mkdir("Lance.arm");
        Saisie& window = editor();
        shared::motif = "*.bij"; // as an equipment filter leaves it
        window.kinds[kind].option->setValue(true);
        QCOMPARE(listOf(nameBox(kind)), listed);

        shared::motif = "*.bij";
        setLineText(nameBox(kind), "Mouche");
        save();
        QCOMPARE(listOf(nameBox(kind)), afterSave);
        QCOMPARE(nameBox(kind)->text(), QString("Mouche"));
        QCOMPARE(shared::motif, pattern);
    }

    void switchingAndClearing() {
        Saisie& window = editor();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fillWeapon(dague);
        const int shortHeight = window.height();
        window.kinds[8].option->setValue(true);
        QVERIFY(window.kinds[8].frame->isVisible());
        QVERIFY(!window.kinds[1].frame->isVisible());
        QVERIFY(window.height() > shortHeight);
        setLineText(box("fpoteffets"), "Soigne");
        window.kinds[5].option->setValue(true);
        QCOMPARE(window.height(), shortHeight);
        window.kinds[1].option->setValue(true);
        QCOMPARE(weaponBoxes(), dague);
        QCOMPARE(shared::typesaisie, 1);

        window.kinds[8].option->setValue(true);
        window.Efface->click();
        int emptied = 0;
        for (int kind = 1; kind <= 12; ++kind) {
            for (QWidget* line : window.kinds[kind].lines) {
                QCOMPARE(lineText(line), QString());
                ++emptied;
            }
            QCOMPARE(listOf(window.kinds[kind].up()), QStringList({"PO", "PA", "PB", "PC"}));
        }
        QCOMPARE(emptied, 73);
        QCOMPARE(QApplication::focusWidget(), nameBox(8));
        QVERIFY(window.kinds[8].frame->isVisible());
    }

    // No line break ever reaches a field: every file keeps its kind's line count.
    void lineBreaks_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "";
        QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "";
        QTest::newRow("Ctrl+keypad Enter") << int(Qt::Key_Enter) << int(Qt::ControlModifier) << "";
        QTest::newRow("pasted CR LF") << 0 << 0 << "\r\n";
        QTest::newRow("pasted CR") << 0 << 0 << "\r";
        QTest::newRow("pasted LF") << 0 << 0 << "\n";
    }
    void lineBreaks() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, pasted);
        Saisie& window = editor();
        window.kinds[11].option->setValue(true);
        window.show();
        auto* description = static_cast<MemoBox*>(box("fbijdescription"));
        description->setFocus();
        QTest::keyClicks(description, "Or");
        if (key)
            QTest::keyClick(description, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else {
            QApplication::clipboard()->setText("fin" + pasted + "rubis");
            description->paste();
        }
        QTest::keyClicks(description, "x");
        QCOMPARE(description->text(), key ? QString("Orx") : QString("Orfin rubisx"));

        // A break written by code is saved as a blank.
        description->setText("a\nb");
        setLineText(nameBox(11), "Anneau");
        save();
        QCOMPARE(drive->read("objets/Anneau.bij"), QByteArray("Anneau\r\na b\r\n\r\n\r\n\r\n"));
    }
};

QTEST_MAIN(TestSaisie)
#include "test_saisie.moc"
