// The fight's buttons of the combat window.
#include "tools/combat.h"

#include "common/dialogplace.h"
#include "common/shared.h"
#include "tools/fight.h"
#include "tools/wpause.h"

using namespace Qt::StringLiterals;

void Combat::Command2_Click() {
    // One fight at a time, however the button is reached.
    if (Fight::running()) return;
    Fight fight(*this);
    fight.run();
}

void Combat::arret_Click() {
    shared::enpause = true;
    showCentredOn(wpause(), *this);
    arret->setText(u"Reprise"_s);
}

void Combat::closePause() {
    arret->setText(u"Pause"_s);
    arret->setEnabled(false);
}

void Combat::stopFight() {
    if (Fight* fight = Fight::running()) fight->abandon();
}
