#include "herofile/herofile.h"

#include "common/folderfile.h"
#include "common/textfile.h"

namespace {

template <class Numbered, class Visit> void fromOne(Numbered& values, Visit&& visit) {
    for (std::size_t n = 1; n < values.size(); ++n)
        visit(values[n]);
}

// Every value of a hero in its file line's order (see the table in herofile.h). Reader and
// writer both walk this one list, so they cannot disagree on the layout.
template <class Record, class Visit> void inFileOrder(Record& hero, Visit&& visit) {
    for (auto* value :
         {&hero.nom,           &hero.sexe,         &hero.typeHeros,      &hero.autre,
          &hero.devotion,      &hero.portrait,     &hero.courage,        &hero.intelligence,
          &hero.charisme,      &hero.adresse,      &hero.force,          &hero.endurance,
          &hero.energievitale, &hero.evinitiale,   &hero.energieastrale, &hero.attaque,
          &hero.parade,        &hero.bonusattaque, &hero.bonusparade,    &hero.bonusparade2,
          &hero.niveau,        &hero.experience,   &hero.prochainniveau})
        visit(*value);
    fromOne(hero.melee, [&](auto& slot) {
        for (auto* value : {&slot.name, &slot.attaque, &slot.parade, &slot.facteur, &slot.pim1,
                            &slot.pim2, &slot.poidsmelee})
            visit(*value);
    });
    fromOne(hero.distance, [&](auto& slot) {
        for (auto* value : {&slot.name, &slot.pid1, &slot.pid2, &slot.portee, &slot.poidsdistance})
            visit(*value);
    });
    fromOne(hero.munition, [&](auto& slot) {
        for (auto* value : {&slot.name, &slot.poidsunitaire, &slot.quantite, &slot.poidsmunition})
            visit(*value);
    });
    fromOne(hero.protection, [&](auto& slot) {
        for (auto* value : {&slot.name, &slot.prot, &slot.malus, &slot.poidsprotection})
            visit(*value);
    });
    fromOne(hero.habilete, visit);
    fromOne(hero.sociabilite, visit);
    fromOne(hero.science, visit);
    fromOne(hero.survie, visit);
    visit(hero.pointsarepartir);
    const auto nameThenWeight = [&](auto& item) {
        visit(item.name);
        visit(item.poids);
    };
    fromOne(hero.vetement, nameThenWeight);
    fromOne(hero.equip, nameThenWeight);
    for (auto* value :
         {&hero.piecesor, &hero.piecesargent, &hero.piecesbronze, &hero.piecescuivre, &hero.notes})
        visit(*value);
}

// A value must stay on its own line: the notes may hold line ends.
QString oneLine(QString value) {
    for (QChar& c : value)
        if (c == u'\r' || c == u'\n') c = u' ';
    return value;
}

} // namespace

HeroRecord readHeroFile(const QString& drivePath) {
    TextInput file(drivePath);
    HeroRecord hero;
    inFileOrder(hero, [&file](QString& value) { value = file.lineInput(); });
    return hero;
}

QStringList heroLines(const HeroRecord& hero) {
    QStringList lines;
    lines.reserve(heroFileLines);
    inFileOrder(hero, [&lines](const QString& value) { lines << oneLine(value); });
    while (lines.size() < heroFileLines)
        lines << QString();
    return lines;
}

void writeHeroFile(const QString& drivePath, const HeroRecord& hero) {
    TextOutput file(drivePath);
    for (const QString& line : heroLines(hero))
        file.printLine(line);
    file.commit();
}

bool isValidHeroName(const QString& name) {
    return !name.isEmpty() && !folderfile::forbiddenName(name);
}

QString heroFilePath(const QString& folder, const QString& name) {
    const bool separated = folder.endsWith(u'\\') || folder.endsWith(u'/');
    return folder + (separated ? QString() : QStringLiteral("\\")) + name + QStringLiteral(".af");
}
