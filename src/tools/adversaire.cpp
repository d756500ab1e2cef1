// The adversary's side of the combat window: read from the monster folder, rolled, or cleared.
#include "tools/combat.h"

#include "common/chance.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"

#include <optional>

namespace {

// The monster file's lines 1 to 15 and the fields they fill; a line not read into the combat
// has none.
std::array<QWidget*, 16> fieldsByLine(Combat& c) {
    return {nullptr, c.combatpnj, c.acm, c.aev, c.ac,    nullptr, nullptr, nullptr,
            nullptr, nullptr,     c.aa,  c.ap,  nullptr, c.apr,   c.api1,  c.api2};
}

void put(QWidget* field, const QString& text) {
    if (auto* name = qobject_cast<ComboBox*>(field))
        name->setText(text);
    else
        static_cast<TextBox*>(field)->setText(text);
}

} // namespace

// Field N on line N, each line whole: a comma or a quote in a name shifts nothing. A file cut
// short, or gone, empties what it does not give, so that no adversary is half of another.
void Combat::combatpnj_Click() {
    const QString path = fichiers->path() + u'/' + combatpnj->text() + QStringLiteral(".pnj");
    const auto fields = fieldsByLine(*this);
    std::optional<RuntimeError> failure;
    std::optional<TextInput> monster;
    shared::numfichier = freeFile();
    try {
        monster.emplace(path);
    } catch (const RuntimeError& error) {
        failure = error;
    }
    for (std::size_t line = 1; line < fields.size(); ++line) {
        QString text;
        if (!failure) {
            try {
                text = monster->lineInput();
            } catch (const RuntimeError& error) {
                failure = error;
            }
        }
        shared::objetligne[1] = text;
        if (fields[line]) put(fields[line], text);
    }
    if (failure) throw *failure;
}

void Combat::Command7_Click() {
    combatpnj->setText(QString());
    for (TextBox* box : {nt, acm, ac, aa, ap, apr, api1, api2, aev})
        box->clear();
    pause0->setValue(true);
    fichier->setValue(false);
    rheros->clear();
    radv->clear();
    Command2->setEnabled(true);
}

// The one source of chance was seeded at start-up: each roll here is already a new one.
void Combat::Command8_Click() {
    nt->clear();
    auto roll = [](int from) {
        return textnum::fmt(static_cast<long long>(6 * chance::rnd() + from));
    };
    ac->setText(roll(8));
    aa->setText(roll(8));
    ap->setText(roll(8));
    apr->setText(roll(0));
    api1->setText(QStringLiteral("1"));
    api2->setText(roll(0));
    aev->setText(roll(30));
    for (QProgressBar* bar : {Bar1, Bar2}) {
        bar->setMaximum(100);
        bar->setValue(100);
    }
    rheros->clear();
    radv->clear();
    rheros->repaint();
    radv->repaint();
    Command2->setEnabled(true);
}
