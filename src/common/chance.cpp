#include "common/chance.h"

#include <QtGlobal>
#include <cmath>
#include <deque>
#include <optional>
#include <random>

namespace chance {
namespace {

std::mt19937_64& engine() {
    static std::mt19937_64 e{std::random_device{}()};
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
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine());
}

int dice(int faces) { return static_cast<int>(std::floor(faces * rnd() + 1)); }

void seedFromEntropy() { engine().seed(std::random_device{}()); }

void script(std::vector<double> values) { scripted() = std::deque<double>(values.begin(), values.end()); }
void unscript() { scripted().reset(); }
bool scriptExhausted() { return !scripted() || scripted()->empty(); }

} // namespace chance
