#pragma once
// The one source of chance. Seeded once at start-up; tests script the values it returns.
#include <vector>

namespace chance {

double rnd(); // in [0, 1)

// The whole part of faces x rnd() + 1.
int dice(int faces);
inline int d6() {
    return dice(6);
}
inline int d10() {
    return dice(10);
}
inline int d20() {
    return dice(20);
}

// The test rule of skills and characteristic tests: a d20 of 1 always succeeds, 19 or 20
// always fail, otherwise the roll plus the modifier must be at most the tested value.
bool testSucceeds(int roll, double value, double modifier = 0);

// Once, at start-up.
void seedFromEntropy();

// Tests: the next rnd() values, in order, each in [0, 1). Running past the end aborts the
// test loudly.
void script(std::vector<double> values);
// Tests: the next dice as (face, die size) pairs, in order. A draw of another die size, or
// running past the end, aborts the test loudly.
struct Die {
    int face;
    int size;
};
void scriptDice(const std::vector<Die>& dice);
void unscript();
bool scriptExhausted();

} // namespace chance
