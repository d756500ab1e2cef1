#include "catalogues/monsterfile.h"

namespace monsterfile {

const std::array<Field, lineCount>& fields() {
    static const std::array<Field, lineCount> table = {{
        {"fpnjnom", BoxShape::Name, "Nom"},
        {"fpnjclasse", BoxShape::Short, "Classe de monstre", 4},
        {"fpnjev", BoxShape::Short, "Energie vitale", 4},
        {"fpnjcourage", BoxShape::Short, "Courage", 2},
        {"fpnjcharisme", BoxShape::Short, "Charisme", 2},
        {"fpnjforce", BoxShape::Short, "Force", 2},
        {"fpnjintelligence", BoxShape::Short, "Intelligence", 2},
        {"fpnjadresse", BoxShape::Short, "Adresse", 2},
        {"fpnjendurance", BoxShape::Short, "Endurance", 4},
        {"fpnjattaque", BoxShape::Short, "Attaque", 2},
        {"fpnjparade", BoxShape::Short, "Parade", 2},
        {"fpnjvitesse", BoxShape::Short, "Vitesse", 4},
        {"fpnjprotection", BoxShape::Short, "Protection", 2},
        {"fpnjpi1", BoxShape::Short, "Points d'impact", 2},
        {"fpnjpi2", BoxShape::Short, "D6+", 2},
        {"fpnjgeneralites", BoxShape::Memo, "Généralités"},
        {"fpnjparticularites", BoxShape::Memo, "Particularités"},
        {"fpnjjeu", BoxShape::Memo, "Le PNJ dans le jeu"},
    }};
    return table;
}

} // namespace monsterfile
