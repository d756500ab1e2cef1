#pragma once
// The rules of a melee fight that need no window: thresholds, tables and damage.

namespace fightrules {

// The "Bonne Attaque" threshold from the hero's attack. The bands leave no gap, so a typed
// fraction such as 10.5 falls into one of them.
int bonneattaque(double attack);

// The "Bonne Parade" threshold from the adversary's parade, never below 0.
double bonneparade(double parade);

// A grave impact from its d20: extra damage 1 to 5, or a critical impact.
struct GraveImpact {
    int extra; // 0 for a critical impact
    bool critical;
};
GraveImpact impactgrave(int d20);

// One d6 times the dice count plus the addend; it may be 0 or less with a negative addend.
double impact(int d6, double diceCount, double addend);
// What gets through a protection, never below 0.
double throughProtection(double impact, double protection);

// A life energy as a bar takes it: a whole number, halves to even, never below 0.
int barValue(double lifeEnergy);
// A bar's maximum: at least 1, which a fight's start makes sure of.
int barMaximum(double lifeEnergy);

} // namespace fightrules
