#pragma once
// One skill of the sheet `attrib` as data: where it sits, what it takes to raise it and what
// a raise costs each kind of hero. The fifty rows live in skilltable.h; the raise, cost and
// test rules read them and never look at a window.
#include <QString>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace skills {

// The four framed groups, top to bottom of the sheet.
enum class Group { Habilete, Sociabilite, Science, Survie };
inline constexpr int groupCount = 4;

// A skill's place: its group and its row, counted from 1 at the top of the group.
struct SkillId {
    Group group;
    int row;
    bool operator==(const SkillId&) const = default;
};

// The characteristics of `perso` that minimums and caps read.
enum class Characteristic { Intelligence, Adresse, Force, Charisme, Courage };

// The ten hero-type options of `perso`, in the fixed order the raise examines them: when
// several are ticked, the last one that sets a category wins.
enum class HeroType {
    Aventurier,
    Guerrier,
    Nain,
    Magicien,
    Elfe,
    ElfeBois,
    Cavalier,
    Druide,
    Pretre,
    AutreRace
};
inline constexpr int heroTypeCount = 10;
inline constexpr int deityCount = 12;

// A characteristic that must be at least `value` (equal passes).
struct Minimum {
    Characteristic characteristic;
    int value;
};

// The value a skill may not pass: another skill's box or a characteristic of `perso`. The
// raise goes on only while the capping value is strictly greater than the skill's.
struct Cap {
    std::variant<SkillId, Characteristic> by;
    QString message;
};

// The one skill kept for a hero type. Only that type's option is then examined for the cost.
struct Reservation {
    HeroType type;
    QString message;
};

struct SkillRow {
    SkillId id{};
    QString caption{}; // the label's text, leading blank(s) included
    std::optional<Reservation> reservation{};
    std::vector<Minimum> minimums{}; // empty: the raise has no minimum step
    QString minimumMessage{};        // one literal for the skill, whichever minimum failed
    std::optional<Cap> cap{};
    // Cost category 1..3 by hero type, indexed by HeroType. The priest's slot stays 0: a
    // priest's category comes from the deity. A reserved skill leaves the other types at 0.
    std::array<int, heroTypeCount> typeCategories{};
    std::array<int, deityCount> deityCategories{}; // in the order of deities()

    QString valueBox() const;    // "habilete1", "sociabilite12"...
    QString raiseButton() const; // "pha1", "pso12"...
    QString testButton() const;  // "eha1", "eso12"...
};

// Control names on `attrib` for a skill's place, and the group's heading.
QString valueBoxName(SkillId id);
QString raiseButtonName(SkillId id);
QString testButtonName(SkillId id);
QString groupTitle(Group group); // "Habileté", "Sociabilité", "Science", "Survie"
int groupRowCount(Group group);

// Control names on `perso`.
QString characteristicControlName(Characteristic c); // "intelligence", "adresse"...
QString heroTypeControlName(HeroType type);          // "aventurier", ..., "autrerace"

// The deities of `perso.devotion`'s list, in its order.
const std::array<QString, deityCount>& deities();
// The deity whose name equals the text exactly (case, accents and blanks count), or -1.
int deityIndex(QStringView devotion);

} // namespace skills
