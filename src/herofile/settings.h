#pragma once
// The settings file "c:\ambrefer.ini": the heroes' folder and where the six tool windows were
// last closed. Fifteen lines, CR LF, Windows-1252:
//   1      the heroes' folder, drive form, ending with "\"
//   2..13  top then left, in twips, of `combat`, `Dés`, `epreuves`, `tir_dist`, `transaction`,
//          `saisie`
//   14, 15 written empty, ignored on reading
// The values live in one settings object: `lisini` fills it from the file, a tool window keeps
// its position there when it closes, and `sauveini` writes it out. Closed windows are never
// loaded just to read where they stood.
#include <QString>
#include <array>
#include <optional>

class Form;

namespace settings {

inline constexpr int toolWindowCount = 6;
// The tool windows' names (their objectName), in the file's order.
inline const std::array<QString, toolWindowCount> toolWindows = {
    QStringLiteral("combat"),   QStringLiteral("Dés"),         QStringLiteral("epreuves"),
    QStringLiteral("tir_dist"), QStringLiteral("transaction"), QStringLiteral("saisie")};

// A kept position in twips; a value the file never supplied stays unknown.
struct Position {
    std::optional<int> top, left;
};

struct Settings {
    QString heroFolder = QStringLiteral("c:\\");
    std::array<Position, toolWindowCount> positions;
};

// The one settings object of the program.
Settings& current();

// A tool window's load puts it where it was last closed.
void placeWindow(Form& window);
// A tool window's unload keeps where it stands, before it calls `sauveini`.
void keepPosition(const Form& window);

} // namespace settings

// Writes the settings file anew: the kept values, and the current place of every tool window
// that is open. A failed write is a RuntimeError (75 or 76); the old file then stays whole.
void sauveini();

// Reads the settings file into the settings object, ignoring every read error: a missing or
// short file leaves what it does not supply, a bad line leaves only its own value. Then writes
// the heroes' folder into `perso.trans` and places the tool windows that are open.
void lisini();

// How the skills and equipment sheets close: `sauveini` (a failure is reported, once), then
// the program ends at once.
void sauveiniThenEnd();
