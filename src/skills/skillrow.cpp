#include "skills/skillrow.h"

using namespace Qt::StringLiterals;

namespace skills {
namespace {

struct GroupNames {
    QString title;
    QString valueBox;
    QString raiseButton;
    QString testButton;
    int rows;
};

const GroupNames& namesOf(Group group) {
    static const std::array<GroupNames, groupCount> names = {{
        {u"Habileté"_s, u"habilete"_s, u"pha"_s, u"eha"_s, 12},
        {u"Sociabilité"_s, u"sociabilite"_s, u"pso"_s, u"eso"_s, 12},
        {u"Science"_s, u"science"_s, u"psc"_s, u"esc"_s, 13},
        {u"Survie"_s, u"survie"_s, u"psu"_s, u"esu"_s, 13},
    }};
    return names[static_cast<int>(group)];
}

} // namespace

QString valueBoxName(SkillId id) {
    return namesOf(id.group).valueBox + QString::number(id.row);
}
QString raiseButtonName(SkillId id) {
    return namesOf(id.group).raiseButton + QString::number(id.row);
}
QString testButtonName(SkillId id) {
    return namesOf(id.group).testButton + QString::number(id.row);
}
QString groupTitle(Group group) {
    return namesOf(group).title;
}
int groupRowCount(Group group) {
    return namesOf(group).rows;
}

QString SkillRow::valueBox() const {
    return valueBoxName(id);
}
QString SkillRow::raiseButton() const {
    return raiseButtonName(id);
}
QString SkillRow::testButton() const {
    return testButtonName(id);
}

QString characteristicControlName(Characteristic c) {
    static const std::array<QString, 5> names = {u"intelligence"_s, u"adresse"_s, u"force"_s,
                                                 u"charisme"_s, u"courage"_s};
    return names[static_cast<int>(c)];
}

QString heroTypeControlName(HeroType type) {
    static const std::array<QString, heroTypeCount> names = {
        u"aventurier"_s, u"guerrier"_s, u"nain"_s,   u"magicien"_s, u"elfe"_s,
        u"elfebois"_s,   u"cavalier"_s, u"druide"_s, u"pretre"_s,   u"autrerace"_s};
    return names[static_cast<int>(type)];
}

const std::array<QString, deityCount>& deities() {
    static const std::array<QString, deityCount> names = {
        u"Ardemis"_s, u"Belkar"_s, u"Marelin"_s, u"Ysolde"_s, u"Kerem"_s,  u"Liandre"_s,
        u"Ourvak"_s,  u"Vesna"_s,  u"Sandor"_s,  u"Gwenna"_s, u"Dorvan"_s, u"Celvia"_s};
    return names;
}

int deityIndex(QStringView devotion) {
    const auto& names = deities();
    for (int i = 0; i < deityCount; ++i)
        if (devotion == names[i]) return i;
    return -1;
}

} // namespace skills
