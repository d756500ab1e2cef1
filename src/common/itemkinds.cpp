#include "common/itemkinds.h"

namespace itemkinds {

const std::array<QString, count + 1> optionCaption = {
    QString(),
    QStringLiteral("Armes de mélée"),
    QStringLiteral("Armes à distance"),
    QStringLiteral("Munitions"),
    QStringLiteral("Protections"),
    QStringLiteral("Habillement"),
    QStringLiteral("Provisions"),
    QStringLiteral("Plantes"),
    QStringLiteral("Potions"),
    QStringLiteral("Poisons"),
    QStringLiteral("Equipement"),
    QStringLiteral("Bijoux et joyaux"),
    QStringLiteral("Livres et Parchemins")};

int kindOfPattern(const QString& wanted) {
    for (int kind = 1; kind <= count; ++kind)
        if (pattern(kind) == wanted) return kind;
    return 0;
}

namespace {

using Look = DetailField::Look;

struct Box {
    const char* suffix; // appended to the frame's name; none for a lone label
    const char* label;
    const char* tooltip;
    int line;
    Look look = Look::Figure;
    int row = 0;
};

DetailFrame frame(const char* name, const char* caption, std::initializer_list<Box> boxes) {
    DetailFrame made{QString::fromUtf8(name), QString::fromUtf8(caption), false, {}};
    for (const Box& box : boxes) {
        made.fields.push_back({box.suffix ? made.name + QString::fromUtf8(box.suffix) : QString(),
                               QString::fromUtf8(box.label), QString::fromUtf8(box.tooltip),
                               box.line, box.look, box.row});
        made.twoRows = made.twoRows || box.row == 1;
    }
    return made;
}

// Tooltips that several frames share.
constexpr const char* unitTip = "Unité de Prix";
constexpr const char* impactTip = "Points d'impact";

// Name, weight, price and unit: clothing, provisions, equipment.
DetailFrame plainFrame(const char* name, const char* caption) {
    return frame(name, caption,
                 {{"nom", "Nom", "", 1, Look::Text}, {"poids", "Poids", "", 2}, {"prix", "Prix", "", 3},
                  {"up", "U.P.", unitTip, 4}});
}

// Potions and poisons: the same boxes on two rows.
DetailFrame brewFrame(const char* name, const char* caption) {
    return frame(name, caption,
                 {{"nom", "Nom", "", 1, Look::Text},
                  {"effets", "Effets", "", 2, Look::Long},
                  {"debut", "Début", "", 3, Look::Text},
                  {"duree", "Durée", "", 4, Look::Text, 1},
                  {"symptomes", "Symptômes", "", 5, Look::Long, 1},
                  {"poids", "Poids", "", 6, Look::Figure, 1},
                  {"prix", "Prix", "", 7, Look::Figure, 1},
                  {"up", "U.P.", unitTip, 8, Look::Figure, 1}});
}

// Jewels, books and scrolls: a name, a description, then weight, price and unit.
DetailFrame describedFrame(const char* name, const char* caption) {
    return frame(name, caption,
                 {{"nom", "Nom", "", 1, Look::Text},
                  {"description", "Description", "", 2, Look::Long},
                  {"poids", "Poids", "", 3},
                  {"prix", "Prix", "", 4},
                  {"up", "U.P.", unitTip, 5}});
}

const std::array<DetailFrame, count + 1>& frames() {
    static const std::array<DetailFrame, count + 1> all = {
        DetailFrame{},
        frame("farm", "Armes de mélée",
              {{"nom", "Nom", "", 1, Look::Text},
               {"at", "AT", "Attaque", 2},
               {"par", "PAR", "Parade", 3},
               {"fr", "FR", "Facteur de Rupture", 4},
               {"pi1", "PI1", impactTip, 5},
               {nullptr, "D6+", "", 0},
               {"pi2", "PI2", impactTip, 6},
               {"poids", "Poids", "", 7},
               {"prix", "Prix", "", 8},
               {"up", "U.P.", unitTip, 9}}),
        frame("fard", "Armes à distance",
              {{"nom", "Nom", "", 1, Look::Text},
               {"pi1", "PI1", impactTip, 2},
               {nullptr, "D6+", "", 0},
               {"pi2", "PI2", impactTip, 3},
               {"portee", "Portée", "", 4},
               {"poids", "Poids", "", 5},
               {"prix", "Prix", "", 6},
               {"up", "U.P.", unitTip, 7}}),
        frame("fmun", "Munitions",
              {{"nom", "Nom", "", 1, Look::Text},
               {"poids", "Poids", "", 2},
               {"quantite", "Quantité", "", 3},
               {"prix", "Prix", "", 4},
               {"up", "U.P.", unitTip, 5}}),
        frame("fpro", "Protection",
              {{"nom", "Nom", "", 1, Look::Text},
               {"prot", "Prot", "Protection", 2},
               {"malus", "Malus AD", "Malus d'Adresse", 3},
               {"poids", "Poids", "", 4},
               {"prix", "Prix", "", 5},
               {"up", "U.P.", unitTip, 6}}),
        plainFrame("fhab", "Habillement"),
        plainFrame("fprv", "Provisions"),
        frame("fpla", "Plantes",
              {{"nom", "Nom", "", 1, Look::Text},
               {"partie", "Partie utilisée", "", 2, Look::Text},
               {"origine", "Lieu d'origine", "", 4, Look::Text},
               {"prepa", "Préparation", "", 3, Look::Text, 1},
               {"effets", "Effets", "", 5, Look::Long, 1},
               {"frequence", "Fréquence", "", 6, Look::Figure, 1},
               {"prix", "Prix", "", 7, Look::Figure, 1},
               {"up", "U.P.", unitTip, 8, Look::Figure, 1}}),
        brewFrame("fpot", "Potions"),
        brewFrame("fpoi", "Poisons"),
        plainFrame("fequ", "Equipement"),
        describedFrame("fbij", "Bijoux et Joyaux"),
        describedFrame("fliv", "Livres et Parchemins"),
    };
    return all;
}

} // namespace

const DetailFrame& detailFrame(int kind) { return frames().at(kind); }

} // namespace itemkinds
