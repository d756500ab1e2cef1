#include "common/chance.h"

#include <QtGlobal>
#include <array>
#include <cmath>
#include <deque>
#include <optional>
#include <random>

namespace chance {
namespace {

std::mt19937_64& engine() {
    static std::mt19937_64 e;
    return e;
}

std::optional<std::deque<double>>& scripted() {
    static std::optional<std::deque<double>> values;
    return values;
}

} // namespace

double rnd() {
    auto& values = scripted();
    if (values) {
        if (values->empty()) qFatal("chance: the scripted random values ran out");
        const double r = values->front();
        values->pop_front();
        return r;
    }
    // The top 53 bits make a double that is never 1.
    return static_cast<double>(engine()() >> 11) * 0x1.0p-53;
}

int dice(int faces) {
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
    scripted() = std::deque<double>(values.begin(), values.end());
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
