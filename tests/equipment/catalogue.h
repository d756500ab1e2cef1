#pragma once
// An item catalogue of every kind in the test's drive C:, with the awkward entries a user's
// folder may hold, and the sheets loaded over it with their item handlers.
#include "support/recorders.h"
#include "support/testenv.h"

#include "equipment/equip.h"
#include "equipment/itemhandlers.h"
#include "hero/perso.h"

#include <QDir>
#include <QTest>
#include <QStringList>
#include <optional>

inline void writeItem(const TestDriveC& drive, const QString& fileName, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    drive.write(QStringLiteral("objets/") + fileName, bytes);
}

inline void writeCatalogue(const TestDriveC& drive) {
    writeItem(drive, "Epée longue.arm", {"Epée longue", "1", "-2", "3", "1", "4", "80", "15", "PO"});
    writeItem(drive, "Hache.arm", {"Hache", "0", "0", "2", "1", "3", "60", "8", "PO"});
    writeItem(drive, "Hache.equ", {"Hache", "5", "2", "PA"});
    writeItem(drive, "Dague.arm", {"Dague", "0", "1", "4"}); // ends before its weight
    writeItem(drive, "Arc, court.ard", {"Arc, court", "1", "3", "40", "30", "12", "PO"});
    writeItem(drive, "Flèches.mun", {"Flèches", "20", "10", "5", "PA"});
    writeItem(drive, "Carreaux.mun", {"Carreaux", "5", "3", "2", "PA"});
    writeItem(drive, "Bouclier.PRO", {"Bouclier", "2", "1", "100", "20", "PO"});
    writeItem(drive, "Cape.hab", {"Cape", "15", "3", "PA"});
    writeItem(drive, "Chapeau.hab", {"Chapeau"}); // only its name
    writeItem(drive, "Pain.prv", {"Pain", "5", "2", "PC"});
    writeItem(drive, "Mandragore.pla", {"Mandragore", "racine", "", "", "", "", "30", "PO"});
    writeItem(drive, "Philtre.pot", {"Philtre", "soigne", "", "", "", "3", "10", "PO"});
    writeItem(drive, "Venin.poi", {"Venin", "tue", "", "", "", "1", "50", "PO"});
    writeItem(drive, "Fiole... vide.pot", {"Fiole... vide", "", "", "", "", "2", "1", "PC"});
    writeItem(drive, "Corde.equ", {"Corde", "10", "1", "PA"});
    writeItem(drive, "Anneau.bij", {"Anneau", "Or, rubis", "1", "90", "PO"});
    writeItem(drive, "Grimoire.liv", {"Grimoire", "Sorts \"anciens\"", "12", "70", "PO"});
    writeItem(drive, "Sac", {"Sac"});           // no extension, shorter than a kind
    writeItem(drive, "Lanterne", {"Lanterne"}); // no extension
    writeItem(drive, "Lance.equ", {"Lance", "7", "4", "PA"});
    QDir(drive.itemFolder()).mkdir(QStringLiteral("Lance.arm")); // a folder, not an item
}

// A fresh program over the catalogue: the hero sheet, whose load lists the items.
struct CatalogueProgram {
    explicit CatalogueProgram(const TestDriveC& drive) {
        writeCatalogue(drive);
        perso();
        program.messages.clear();
    }
    FreshProgram program;
};

// What a test class over the catalogue holds: a new drive and program for each test function,
// started by its init() and ended by its cleanup().
struct CatalogueFixture {
    std::optional<TestDriveC> drive;
    std::optional<CatalogueProgram> program;

    void start() {
        drive.emplace();
        program.emplace(*drive);
    }
    void stop() {
        program.reset();
        drive.reset();
    }
    MessageRecorder& messages() { return program->program.messages; }
};

inline QStringList listOf(const ComboBox* box) {
    QStringList names;
    for (int i = 0; i < box->listCount(); ++i) names << box->list(i);
    return names;
}

// The user picks an entry of the list: the box shows it and its Click runs.
inline void choose(ComboBox* box, const QString& name) {
    const int entry = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0) qFatal("%s is not offered by %s", qPrintable(name), qPrintable(box->objectName()));
    box->setCurrentIndex(entry);
    emit box->activated(entry);
}

// A hero whose load limit is `limit`, without the hero sheet's force rules getting in the way.
inline void loadHero(double limit) {
    perso().force->setText(QStringLiteral("10"));
    perso().poidsmaximum->setValue(limit);
    equip().poidsmaximum->setValue(limit);
}
