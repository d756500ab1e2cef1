#pragma once
// What the coin and weight boxes of both sheets share: whether a hero is there to weigh, and
// the refusal when the carried weight passes the load limit.

// A hero is loaded while `perso.force` is not empty; without one nothing is weighed.
bool heroLoaded();

// Whether `equip.poidstransporte` is above `equip.poidsmaximum` (equal passes).
bool overLoadLimit();

// "Charge maximum dépassée !", exclamation icon, empty title.
void chargeMaximumDepassee();

class TextBox;

// The load check of a weight that changed: with a hero loaded and no writer holding the checks
// back, the carried weight is recomputed, and a weight that takes it over the limit brings
// "Charge maximum dépassée !" and is emptied.
void checkLoad(TextBox& changed);

// While a whole hero or a whole payment is written into the sheets, the boxes' own load checks
// and purse mirror wait: intermediate totals mean nothing, and the writer weighs once at the end.
class LoadChecksHeld {
public:
    LoadChecksHeld();
    ~LoadChecksHeld();
    LoadChecksHeld(const LoadChecksHeld&) = delete;
    LoadChecksHeld& operator=(const LoadChecksHeld&) = delete;
};

// Whether the boxes of a loaded hero check their load now: a hero is there and no writer holds
// the checks back.
bool loadChecksActive();
