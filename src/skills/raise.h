#pragma once
// The decision behind a skill's "+" button (`pha1_Click` .. `psu13_Click`): may the skill be
// raised, and at what cost? The caller then shows the refusal (critical icon, OK, empty
// title) or writes the two figures into `coutpoint` and runs the cost dialog (costdialog.h).
#include "skills/skillrow.h"

namespace skills {

// What the raise reads on `perso`, as the fields hold it.
struct HeroFields {
    QString intelligence{}, adresse{}, force{}, charisme{}, courage{}; // box texts
    std::array<bool, heroTypeCount> ticked{};                          // indexed by HeroType
    QString devotion{};                                                // `perso.devotion`'s text

    QString characteristic(Characteristic c) const;
    bool isTicked(HeroType type) const { return ticked[static_cast<int>(type)]; }
    void tick(HeroType type) { ticked[static_cast<int>(type)] = true; }
};

struct RaiseCost {
    int points = 0; // `tablepoints`(column, new value): caption of `coutpoint.points`
    int price = 0;  // `tableprix`(column, new value): caption of `coutpoint.prixpoints`
};

enum class RaiseOutcome {
    Ignored, // nothing at all happens: no message, no dialog
    Refused, // show `message`; nothing changes
    Offered  // go on to the cost dialog with `cost`
};

struct RaiseDecision {
    RaiseOutcome outcome = RaiseOutcome::Ignored;
    QString message{}; // Refused: the reservation's, minimum or cap message
    int valeurapt = 0; // Offered: the cost category, 0 when no type or deity matched
    int column = 0;    // Offered: 1, 2, or 3 for anything else
    int newValue = 0;  // Offered: the value the box holds once the raise is paid
    RaiseCost cost{};  // Offered
};

// The category (`valeurapt`) the hero pays for the skill: the type options in HeroType order,
// the last ticked one that sets a category winning; a ticked priest sets the category of
// the deity that `devotion` names exactly, and nothing when it names none. 0: none matched.
int costCategory(const SkillRow& row, const HeroFields& hero);

// The skill whose value box caps this one, if any; the caller passes that box's text to
// decideRaise(). A cap by `perso.adresse` or `perso.courage` is read from HeroFields.
std::optional<SkillId> cappingSkill(const SkillRow& row);

// Decides one raise. `value` is the text of the skill's own value box, `cappingValue` the
// text of the capping skill's box (unused unless cappingSkill(row) names one). Tests in this
// order: the value (18, or anything the tables have no new value for, is ignored), the
// reservation, the minimums, the cap. A non-whole value raises to the whole number nearest
// value + 1, halves to even.
RaiseDecision decideRaise(const SkillRow& row, QStringView value, const HeroFields& hero,
                          QStringView cappingValue = {});

} // namespace skills
