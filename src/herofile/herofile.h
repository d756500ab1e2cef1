#pragma once
// A hero as its file keeps it: the text of every field of the three sheets, unchanged.
//
// The hero file is the heroes' folder, the hero's name and ".af": 232 lines in Windows-1252 with
// CR LF line ends, one value per line. A CR or LF inside a value is written as a blank so that
// the lines never shift.
//
//   lines    content
//   1-6      `nom`, sex, hero type (the set option's control name, or empty), `autre`,
//            `devotion`, portrait path (drive form)
//   7-11     `courage`, `intelligence`, `charisme`, `adresse` (as shown, malus already taken),
//            `force`
//   12-20    `endurance`, `energievitale`, `evinitiale`, astral energy, `attaque`, `parade`,
//            `bonusattaque`, `bonusparade`, `bonusparade2`
//   21-23    level, `experience`, `prochainniveau`
//   24-44    melee slots 1-3: name, `attaqueN`, `paradeN`, `facteurN`, `pim1N`, `pim2N`,
//            `poidsmeleeN`
//   45-59    ranged slots 1-3: name, `pid1N`, `pid2N`, `porteeN`, `poidsdistanceN`
//   60-67    ammunition slots 1-2: name, `poidsunitaireN`, `quantiteN`, `poidsmunitionN`
//   68-79    protection slots 1-3: name, `protN`, `malusN`, `poidsprotectionN`
//   80-129   the fifty skills: `habilete1..12`, `sociabilite1..12`, `science1..13`,
//            `survie1..13`
//   130      `pointsarepartir`
//   131-162  clothing `tete1`, `tete2`, `cou1`, `cou2`, `thorax1`, `thorax2`, `poignets1`,
//            `poignets2`, `mains1`, `mains2`, `ceinture1`, `ceinture2`, `jambes1`, `jambes2`,
//            `pieds1`, `pieds2`: name then weight
//   163-210  lines `equip1..24`: name then `poidsequipN`
//   211-214  `piecesor`, `piecesargent`, `piecesbronze`, `piecescuivre`
//   215      notes
//   216-232  written empty, ignored on reading
#include <QString>
#include <QStringList>
#include <array>

// Numbered like the sheets' controls: [1]..[N]; [0] stays empty.
template <class T, int N> using FromOne = std::array<T, N + 1>;

struct HeroRecord {
    QString nom, sexe;
    QString typeHeros; // objectName of the set option of `perso.typeGroup`, or empty
    QString autre, devotion;
    QString portrait; // the picture's path in drive form
    QString courage, intelligence, charisme, adresse, force;
    QString endurance, energievitale, evinitiale, energieastrale;
    QString attaque, parade, bonusattaque, bonusparade, bonusparade2;
    QString niveau, experience, prochainniveau;

    struct MeleeSlot {
        QString name, attaque, parade, facteur, pim1, pim2, poidsmelee;
        bool operator==(const MeleeSlot&) const = default;
    };
    struct RangedSlot {
        QString name, pid1, pid2, portee, poidsdistance;
        bool operator==(const RangedSlot&) const = default;
    };
    struct AmmunitionSlot {
        QString name, poidsunitaire, quantite, poidsmunition;
        bool operator==(const AmmunitionSlot&) const = default;
    };
    struct ProtectionSlot {
        QString name, prot, malus, poidsprotection;
        bool operator==(const ProtectionSlot&) const = default;
    };
    struct CarriedItem {
        QString name, poids;
        bool operator==(const CarriedItem&) const = default;
    };

    FromOne<MeleeSlot, 3> melee;
    FromOne<RangedSlot, 3> distance;
    FromOne<AmmunitionSlot, 2> munition;
    FromOne<ProtectionSlot, 3> protection;

    FromOne<QString, 12> habilete, sociabilite;
    FromOne<QString, 13> science, survie;
    QString pointsarepartir;

    FromOne<CarriedItem, 16> vetement; // in the order of Equip::clothingNames
    FromOne<CarriedItem, 24> equip;
    QString piecesor, piecesargent, piecesbronze, piecescuivre;
    QString notes;

    bool operator==(const HeroRecord&) const = default;
};

inline constexpr int heroFileLines = 232;
inline constexpr int heroValueLines = 215; // a shorter file is not a hero

// Parses the whole file before anything uses it. RuntimeError 53 when missing, 62 when it has
// fewer than heroValueLines lines, and the other file errors of TextInput.
HeroRecord readHeroFile(const QString& drivePath);

// The heroFileLines lines of the hero's file, without their line ends.
QStringList heroLines(const HeroRecord& hero);

// Replaces the file atomically: on a RuntimeError (75, 76...) the old file is left whole.
void writeHeroFile(const QString& drivePath, const HeroRecord& hero);

// A name that can be saved: not empty, and no name that a catalogue refuses either (none of
// \ / : * ? " < > |, no leading ".")
bool isValidHeroName(const QString& name);

// The hero file of a name in a folder, whether or not the folder ends with "\".
QString heroFilePath(const QString& folder, const QString& name);
