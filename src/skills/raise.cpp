#include "skills/raise.h"

#include "common/textnum.h"
#include "skills/costtables.h"

namespace skills {

QString HeroFields::characteristic(Characteristic c) const {
    switch (c) {
    case Characteristic::Intelligence:
        return intelligence;
    case Characteristic::Adresse:
        return adresse;
    case Characteristic::Force:
        return force;
    case Characteristic::Charisme:
        return charisme;
    case Characteristic::Courage:
        return courage;
    }
    return {};
}

int costCategory(const SkillRow& row, const HeroFields& hero) {
    int valeurapt = 0;
    for (int t = 0; t < heroTypeCount; ++t) {
        const auto type = HeroType(t);
        if (!hero.isTicked(type)) continue;
        // A reserved skill looks at its own type's option only.
        if (row.reservation && row.reservation->type != type) continue;
        if (type == HeroType::Pretre) {
            const int deity = deityIndex(hero.devotion);
            if (deity >= 0) valeurapt = row.deityCategories[deity];
        } else {
            valeurapt = row.typeCategories[t];
        }
    }
    return valeurapt;
}

namespace {

RaiseDecision refused(const QString& message) {
    return {.outcome = RaiseOutcome::Refused, .message = message};
}

bool meetsMinimums(const SkillRow& row, const HeroFields& hero) {
    for (const auto& minimum : row.minimums)
        if (textnum::val(hero.characteristic(minimum.characteristic)) < minimum.value) return false;
    return true;
}

double capValue(const Cap& cap, const HeroFields& hero, QStringView cappingValue) {
    if (const auto* c = std::get_if<Characteristic>(&cap.by))
        return textnum::val(hero.characteristic(*c));
    return textnum::val(cappingValue);
}

} // namespace

std::optional<SkillId> cappingSkill(const SkillRow& row) {
    if (!row.cap) return std::nullopt;
    if (const auto* id = std::get_if<SkillId>(&row.cap->by)) return *id;
    return std::nullopt;
}

RaiseDecision decideRaise(const SkillRow& row, QStringView value, const HeroFields& hero,
                          QStringView cappingValue) {
    const double v = textnum::val(value);
    // At the maximum nothing happens; a value the sheet never holds (negative, or one whose
    // next value lies past the tables) is left alone the same way rather than priced at 0.
    if (v < 0 || v >= maxSkillValue) return {};
    const int newValue = static_cast<int>(textnum::roundHalfEven(v + 1));
    if (newValue > maxSkillValue) return {};

    if (row.reservation && !hero.isTicked(row.reservation->type))
        return refused(row.reservation->message);
    if (!meetsMinimums(row, hero)) return refused(row.minimumMessage);
    if (row.cap && !(capValue(*row.cap, hero, cappingValue) > v)) return refused(row.cap->message);

    const int valeurapt = costCategory(row, hero);
    const int column = valeurapt == 1 || valeurapt == 2 ? valeurapt : 3;
    return {.outcome = RaiseOutcome::Offered,
            .valeurapt = valeurapt,
            .column = column,
            .newValue = newValue,
            .cost = {tablepoints[column][newValue], tableprix[column][newValue]}};
}

} // namespace skills
