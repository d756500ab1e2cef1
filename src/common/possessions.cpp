#include "common/possessions.h"

namespace possessions {

namespace {

Group bodyPart(const char* part) {
    const QString name = QString::fromUtf8(part);
    return {Sheet::Equip, name, 2, {QStringLiteral("poids") + name}};
}

} // namespace

const std::array<Group, groupCount>& groups() {
    static const std::array<Group, groupCount> all = {
        Group{Sheet::Perso,
              QStringLiteral("melee"),
              3,
              {QStringLiteral("attaque"), QStringLiteral("parade"), QStringLiteral("facteur"),
               QStringLiteral("pim1"), QStringLiteral("pim2"), QStringLiteral("poidsmelee")}},
        Group{Sheet::Perso,
              QStringLiteral("distance"),
              3,
              {QStringLiteral("pid1"), QStringLiteral("pid2"), QStringLiteral("portee"),
               QStringLiteral("poidsdistance")}},
        Group{Sheet::Perso,
              QStringLiteral("munition"),
              2,
              {QStringLiteral("poidsunitaire"), QStringLiteral("quantite"),
               QStringLiteral("poidsmunition")}},
        Group{Sheet::Perso,
              QStringLiteral("protection"),
              3,
              {QStringLiteral("prot"), QStringLiteral("malus"), QStringLiteral("poidsprotection")}},
        bodyPart("tete"),
        bodyPart("cou"),
        bodyPart("thorax"),
        bodyPart("poignets"),
        bodyPart("mains"),
        bodyPart("ceinture"),
        bodyPart("jambes"),
        bodyPart("pieds"),
        Group{Sheet::Equip, QStringLiteral("equip"), 24, {QStringLiteral("poidsequip")}, false},
    };
    return all;
}

} // namespace possessions
