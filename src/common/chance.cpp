#include "common/chance.h"

#include <QtGlobal>
#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <random>
#include <variant>

namespace chance {
namespace {

std::mt19937_64& engine() {
    static std::mt19937_64 e;
    return e;
}

using Draw = std::variant<double, Die>;

std::optional<std::deque<Draw>>& scripted() {
    static std::optional<std::deque<Draw>> draws;
    return draws;
}

// The next scripted draw; none left ends the test here rather than letting it run on.
const Draw& nextScripted() {
    if (scripted()->empty()) qFatal("chance: the scripted random values ran out");
    return scripted()->front();
}

} // namespace

double rnd() {
    if (scripted()) {
        const Draw& draw = nextScripted();
        if (const Die* die = std::get_if<Die>(&draw))
            qFatal("chance: a random value was drawn where the die d%d was scripted", die->size);
        const double r = std::get<double>(draw);
        scripted()->pop_front();
        return r;
    }
    // The top 53 bits make a double that is never 1.
    return static_cast<double>(engine()() >> 11) * 0x1.0p-53;
}

int dice(int faces) {
    if (scripted()) {
        if (const Die* die = std::get_if<Die>(&nextScripted())) {
            if (die->size != faces)
                qFatal("chance: a d%d was drawn where the die d%d was scripted", faces, die->size);
            const int face = die->face;
            scripted()->pop_front();
            return face;
        }
    }
    return static_cast<int>(std::floor(faces * rnd() + 1));
}

void seedFromEntropy() {
    std::random_device device;
    std::array<std::random_device::result_type, 8> words;
    for (auto& word : words)
        word = device();
    std::seed_seq seed(words.begin(), words.end());
    engine().seed(seed);
}

void script(std::vector<double> values) {
    for (double r : values)
        if (!(r >= 0 && r < 1)) qFatal("chance: a scripted random value %g is outside [0, 1)", r);
    scripted() = std::deque<Draw>(values.begin(), values.end());
}

void scriptDice(const std::vector<Die>& dice) {
    for (const Die& die : dice)
        if (die.face < 1 || die.face > die.size)
            qFatal("chance: a scripted face %d does not exist on a d%d", die.face, die.size);
    scripted() = std::deque<Draw>(dice.begin(), dice.end());
}
void unscript() {
    scripted().reset();
}
bool scriptExhausted() {
    return !scripted() || scripted()->empty();
}

bool testSucceeds(int roll, double value, double modifier) {
    if (roll == 1) return true;
    if (roll >= 19) return false;
    return roll + modifier <= value;
}

} // namespace chance
