#pragma once
// A shop over a catalogue of every kind on the test's drive C:, with the awkward entries a
// user's folder may hold, files in Windows-1252.
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/cp1252.h"
#include "hero/perso.h"
#include "shop/car.h"
#include "shop/detail.h"
#include "shop/transaction.h"

#include <QTest>
#include <optional>

inline void writeItem(const TestDriveC& drive, const QString& fileName, const QStringList& lines) {
    drive.write(QStringLiteral("objets/") + fileName, cp1252::encode(lines.join("\r\n") + "\r\n"));
}

inline void writeShopCatalogue(const TestDriveC& drive) {
    writeItem(drive, "Epée.arm", {"Epée", "1", "-2", "3", "1", "4", "80", "15", "PO"});
    writeItem(drive, "Epée longue.arm",
              {"Epée longue", "2", "0", "4", "2", "5", "120", "25", "PO"});
    writeItem(drive, "Dague.arm", {"Dague", "0", "1", "4"}); // ends before its weight
    writeItem(drive, "Dague.equ", {"Dague", "1", "2", "PA"});
    writeItem(drive, "Hache.arm", {"Hache", "0", "0", "2", "1", "3", "60", "8", "PO"});
    writeItem(drive, "Hache.equ", {"Hache", "5", "2", "PA"});
    writeItem(drive, "Arc, court.ard", {"Arc, court", "1", "3", "40", "30", "12", "PA"});
    writeItem(drive, "Flèches.mun", {"Flèches", "20", "10", "5", "PA"});
    writeItem(drive, "Bouclier.PRO", {"Bouclier", "2", "1", "100", "20", "PO"});
    writeItem(drive, "Cape.hab", {"Cape", "15", "3", "PA"});
    writeItem(drive, "Pain.prv", {"Pain", "5", "2", "PC"});
    writeItem(drive, "Mandragore.pla",
              {"Mandragore", "racine", "infusion", "Forêt, nord", "sommeil", "rare", "30", "PO"});
    writeItem(drive, "Philtre.pot",
              {"Philtre", "soigne", "1 tour", "1 heure", "aucun", "3", "10", "PO"});
    writeItem(drive, "Venin.poi", {"Venin", "tue", "2 tours", "", "fièvre", "1", "50", "PO"});
    writeItem(drive, "Corde.equ", {"Corde", "10", "1", ""});     // no unit
    writeItem(drive, "Sac.equ", {"Sac", "2", "beaucoup", "PA"}); // a price that is no number
    writeItem(drive, "Clou.equ", {"Clou", "0", "0.1", "PO"});
    writeItem(drive, "Anneau.bij", {"Anneau", "Or, rubis", "1", "90", "PO"});
    writeItem(drive, "Grimoire.liv", {"Grimoire", "Sorts \"anciens\", reliés", "12", "70", "PO"});
}

const QString incorrect = QStringLiteral("Objet incorrect dans le répertoire des Objet.\r\n"
                                         "Veuillez utiliser 'Saisie' !");
const QString inexistant = QStringLiteral("Objet inexistant dans le répertoire des Objet.\r\n"
                                          "Veuillez préciser l'endroit du répertoire\r\n"
                                          "Veuillez utiliser 'Saisie' !");

// A new drive, catalogue and started program for each test function.
struct ShopFixture {
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;

    void start() {
        drive.emplace();
        writeShopCatalogue(*drive);
        program.emplace();
        perso(); // the start-up prepares the shop
        program->messages.clear();
    }
    void stop() {
        program.reset();
        drive.reset();
    }
    MessageRecorder& messages() { return program->messages; }
};

inline int kindOf(const QString& option) {
    for (const itemrecord::Kind& kind : itemrecord::kinds())
        if (option == QLatin1String(kind.option)) return kind.number;
    qFatal("no kind %s", qPrintable(option));
}

// The text of a box of the detail window, by its name.
inline QString boxText(const QString& name) {
    if (auto* memo = detail().findChild<MemoBox*>(name)) return memo->text();
    if (auto* box = detail().findChild<TextBox*>(name)) return box->text();
    qFatal("no box %s", qPrintable(name));
}

// The user picks a kind, then an entry of the list.
inline void select(const QString& entry) {
    ItemList& list = *transaction().Listeobjet;
    const auto found = list.findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) qFatal("%s is not listed", qPrintable(entry));
    list.setCurrentItem(found.first());
}
inline void buy(const QString& option, const QString& entry) {
    transaction().choix[kindOf(option)]->setValue(true);
    select(entry);
}

inline QStringList entries() {
    QStringList shown;
    for (int i = 0; i < transaction().Listeobjet->count(); ++i)
        shown << transaction().Listeobjet->item(i)->text();
    return shown;
}
