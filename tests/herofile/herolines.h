#pragma once
// A hero file as the tests build it by hand from the layout of the hero file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>

namespace herolines {

// The control each of the 215 value lines fills, in line order; "" for the hero type (line 3)
// and the portrait (line 6), which are no text field.
inline QStringList controls() {
    QStringList names{"nom",           "sexe",          "",
                      "autre",         "devotion",      "",
                      "courage",       "intelligence",  "charisme",
                      "adresse",       "force",         "endurance",
                      "energievitale", "evinitiale",    "energieastrale",
                      "attaque",       "parade",        "bonusattaque",
                      "bonusparade",   "bonusparade2",  "niveau",
                      "experience",    "prochainniveau"};
    const auto perSlot = [&names](int count, const QStringList& fields) {
        for (int n = 1; n <= count; ++n)
            for (const QString& field : fields)
                names << field + QString::number(n);
    };
    perSlot(3, {"melee", "attaque", "parade", "facteur", "pim1", "pim2", "poidsmelee"});
    perSlot(3, {"distance", "pid1", "pid2", "portee", "poidsdistance"});
    perSlot(2, {"munition", "poidsunitaire", "quantite", "poidsmunition"});
    perSlot(3, {"protection", "prot", "malus", "poidsprotection"});
    for (const auto& [group, count] : {std::pair{"habilete", 12}, std::pair{"sociabilite", 12},
                                       std::pair{"science", 13}, std::pair{"survie", 13}})
        for (int n = 1; n <= count; ++n)
            names << group + QString::number(n);
    names << "pointsarepartir";
    for (const char* part :
         {"tete", "cou", "thorax", "poignets", "mains", "ceinture", "jambes", "pieds"})
        for (int n = 1; n <= 2; ++n)
            names << part + QString::number(n) << "poids" + (part + QString::number(n));
    for (int n = 1; n <= 24; ++n)
        names << "equip" + QString::number(n) << "poidsequip" + QString::number(n);
    names << "piecesor"
          << "piecesargent"
          << "piecesbronze"
          << "piecescuivre"
          << "notes";
    return names;
}

inline const QString type = QStringLiteral("pretre");
inline const QString portrait = QStringLiteral("C:\\portraits\\Œil de Brûme.png");

// A value for every line, each different, none empty, with accents and "œ".
inline QStringList values() {
    QStringList lines;
    for (const QString& control : controls())
        lines << control + QStringLiteral(" é œ ") + QString::number(lines.size() + 1);
    lines[2] = type;
    lines[5] = portrait;
    return lines;
}

// Windows-1252 by hand: the values hold only Latin-1 letters and "œ"/"Œ".
inline QByteArray encode(const QString& text) {
    QByteArray bytes;
    for (QChar c : text)
        bytes.append(c == u'œ' ? '\x9C' : c == u'Œ' ? '\x8C' : static_cast<char>(c.unicode()));
    return bytes;
}

// The file: the given lines, then empty ones up to `total`, each ended by CR LF.
inline QByteArray file(const QStringList& lines, int total) {
    QByteArray bytes;
    for (int i = 0; i < total; ++i)
        bytes += (i < lines.size() ? encode(lines[i]) : QByteArray()) + "\r\n";
    return bytes;
}

} // namespace herolines
