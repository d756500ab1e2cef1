#pragma once
// The combat report: one line per step of a fight, written to a plain text file that stays
// open from the start of the fight to its end (the flight adds its own lines before closing
// it).
#include <QString>
#include <memory>

class TextOutput;

namespace combatreport {

// "Next zone" in a line: blanks up to the start of the next 14-character print zone.
struct NextZone {};
inline constexpr NextZone nextZone{};

// A line is its parts joined with no separator. A number gets a leading blank (or "-") and
// a trailing blank, a text is taken as it stands.
class Line {
public:
    Line& operator<<(const QString& text);
    Line& operator<<(double number);
    Line& operator<<(NextZone);
    const QString& text() const { return text_; }

private:
    QString text_;
};

template <class... Parts> QString line(const Parts&... parts) {
    Line built;
    (built << ... << parts);
    return built.text();
}

} // namespace combatreport

class CombatReport {
public:
    CombatReport();
    ~CombatReport(); // a report still open is closed, whatever went wrong
    CombatReport(const CombatReport&) = delete;
    CombatReport& operator=(const CombatReport&) = delete;

    // Opens the file at a drive path and empties it at once, so that a path that cannot be
    // written is known before the fight. Throws the RuntimeError that stops it.
    void open(const QString& drivePath);
    bool isOpen() const { return output_ != nullptr; }
    void writeLine(const QString& line);
    // Writes the file out. Closing a report that is not open does nothing; a failed write
    // throws its RuntimeError, and the report is closed all the same.
    void close();

private:
    std::unique_ptr<TextOutput> output_;
};
