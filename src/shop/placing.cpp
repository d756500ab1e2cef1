#include "shop/placing.h"

#include "common/controls.h"
#include "common/itemkinds.h"
#include "common/itemrecord.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "equipment/itemfile.h"
#include "equipment/itemlists.h"
#include "equipment/itemweight.h"
#include "equipment/loadlimit.h"
#include "shop/detail.h"
#include "shop/possessionslots.h"

#include <cmath>

namespace {

// The hero sheet's slots of the weapon and ammunition kinds: the possession group, and the
// companions that the file's lines 2 onward fill, in order. The last line read is the weight.
struct SlotFamily {
    std::size_t group;
    std::vector<std::size_t> companions;
};
const SlotFamily families[] = {{}, {0, {0, 1, 2, 3, 4, 5}}, {1, {0, 1, 2, 3}}, {2, {2}}};

QStringList lisfichier(int kind) {
    TextInput file = openItemFile(detail().texte(kind, 1), itemkinds::extension[kind]);
    return itemrecord::readLines(file, static_cast<int>(families[kind].companions.size()) + 1);
}

double rounded(const QString& weight) {
    return std::nearbyint(textnum::val(weight));
}

Placement inSlot(int kind, const QStringList& fields) {
    const SlotFamily& family = families[kind];
    const possessions::Group& group = possessions::groups()[family.group];
    const QString& weight = fields.back();
    for (int slot = 1; slot <= group.slotCount; ++slot) {
        ComboBox* name = slotName(group, slot);
        if (!name->text().isEmpty()) continue;
        Placement placement{name, fields.front(), {}, textnum::val(weight)};
        const std::vector<TextBox*> companions = slotCompanions(group, slot);
        for (std::size_t i = 0; i < family.companions.size(); ++i)
            placement.values.emplace_back(companions[family.companions[i]],
                                          fields[static_cast<qsizetype>(i) + 1]);
        return placement;
    }
    return rangeequipement(detail().texte(kind, 1), rounded(weight));
}

} // namespace

void Placement::write() const {
    // The names written list nothing: no listing message comes between two writes.
    const ListingBatch quiet(ListingBatch::Report::Never);
    const LoadChecksHeld held;
    name->setText(nameText);
    for (const auto& [box, text] : values)
        box->setText(text);
}

QStringList lisarme() {
    return lisfichier(1);
}
QStringList lisarmedist() {
    return lisfichier(2);
}
QStringList lismunition() {
    return lisfichier(3);
}

Placement achetearme(const QStringList& fields) {
    return inSlot(1, fields);
}
Placement achetearmedist(const QStringList& fields) {
    return inSlot(2, fields);
}
Placement achetemunition(const QStringList& fields) {
    return inSlot(3, fields);
}

Placement acheteobjet(int kind) {
    if (kind < 4 || kind > itemkinds::count) return {};
    const int line = itemkinds::weightLine(kind);
    return rangeequipement(detail().texte(kind, 1),
                           line == 0 ? 0 : rounded(detail().texte(kind, line)));
}

Placement rangeequipement(const QString& nomachat, double poidsachat) {
    const possessions::Group& lines = possessions::groups().back();
    for (int line = 1; line <= lines.slotCount; ++line) {
        ComboBox* name = slotName(lines, line);
        if (name->text().isEmpty())
            return {name,
                    nomachat,
                    {{slotCompanions(lines, line).front(), textnum::fmt(poidsachat)}},
                    poidsachat};
    }
    return {nullptr, nomachat, {}, poidsachat};
}

namespace {

// The kinds a file fills a hero sheet's slot with: their reader and their placer.
struct SlotKind {
    QStringList (*reader)();
    Placement (*placer)(const QStringList&);
};
const SlotKind slotKinds[] = {
    {}, {lisarme, achetearme}, {lisarmedist, achetearmedist}, {lismunition, achetemunition}};

bool fillsSlot(int kind) {
    return kind >= 1 && kind <= 3;
}

} // namespace

Placement placement(const Article& article) {
    if (fillsSlot(article.kind)) return slotKinds[article.kind].placer(article.fields);
    return acheteobjet(article.kind);
}

std::optional<Article> lisarticle(int kind) {
    Article article{kind, {}};
    const int error = trapErrors([&] {
        if (fillsSlot(kind)) article.fields = slotKinds[kind].reader();
        // The places only fill up during a purchase: the first unit's name is every unit's.
        if (placement(article).nameText.isEmpty()) throw RuntimeError(53);
    });
    if (error == 0) return article;
    if (error == 62)
        erreurobjet(error);
    else
        objetInexistant();
    return std::nullopt;
}

void plusDePlace() {
    msgBox(QStringLiteral("Vous ne pouvez plus rien acheter.\r\n   Vous n'avez plus de place !"),
           MsgIcon::Critical, QString());
}
