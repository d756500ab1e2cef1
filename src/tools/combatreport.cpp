#include "tools/combatreport.h"

#include "common/textfile.h"
#include "common/textnum.h"

namespace combatreport {

namespace {
constexpr int zoneWidth = 14;
}

Line& Line::operator<<(const QString& text) {
    text_ += text;
    return *this;
}

Line& Line::operator<<(double number) {
    text_ += textnum::fmtReport(number);
    return *this;
}

// A line already at a zone boundary moves on a whole zone: a text that fills its zone
// exactly must not run into what follows.
Line& Line::operator<<(NextZone) {
    const qsizetype next = (text_.size() / zoneWidth + 1) * zoneWidth;
    text_ = text_.leftJustified(next, u' ');
    return *this;
}

} // namespace combatreport

CombatReport::CombatReport() = default;

CombatReport::~CombatReport() {
    try {
        close();
    } catch (...) {
        // Nothing is left to tell it to: the program or the window is going away.
    }
}

void CombatReport::open(const QString& drivePath) {
    close();
    auto output = std::make_unique<TextOutput>(drivePath, TextOutput::Mode::Replace);
    output->commit();
    output_ = std::move(output);
}

void CombatReport::writeLine(const QString& line) {
    if (output_) output_->printLine(line);
}

void CombatReport::close() {
    if (!output_) return;
    const std::unique_ptr<TextOutput> output = std::move(output_);
    output->commit();
}
