#include "equipment/loadlimit.h"

#include "common/messagebox.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "hero/poidstotal.h"

bool heroLoaded() {
    return !perso().force->text().isEmpty();
}

bool overLoadLimit() {
    return equip().poidsmaximum->value() < equip().poidstransporte->value();
}

void chargeMaximumDepassee() {
    msgBox(QStringLiteral("Charge maximum dépassée !"), MsgIcon::Exclamation, QString());
}

namespace {
int heldDepth = 0;
}

LoadChecksHeld::LoadChecksHeld() { ++heldDepth; }
LoadChecksHeld::~LoadChecksHeld() { --heldDepth; }

bool loadChecksActive() { return heldDepth == 0 && heroLoaded(); }

void checkLoad(TextBox& changed) {
    if (!loadChecksActive()) return;
    poidstotal();
    if (overLoadLimit()) {
        chargeMaximumDepassee();
        changed.clear();
    }
}
