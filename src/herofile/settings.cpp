#include "herofile/settings.h"

#include "common/eventboundary.h"
#include "common/form.h"
#include "common/runtimeerror.h"
#include "common/textfile.h"
#include "common/textnum.h"
#include "hero/perso.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

const QString settingsFile = QStringLiteral("c:\\ambrefer.ini");
constexpr int positionLines = 2 * settings::toolWindowCount;

int toolIndex(const QString& name) {
    for (int i = 0; i < settings::toolWindowCount; ++i)
        if (settings::toolWindows[i] == name) return i;
    return -1;
}

// The open tool window of that name; a window that was closed is not loaded again.
Form* openToolWindow(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(widget);
        if (form && form->objectName() == name && forms::find(typeid(*form)) == form) return form;
    }
    return nullptr;
}

// A window never placed is written at 0, 0: there it has no kept place, and it opens where
// its placement puts it.
void place(Form& window, const settings::Position& at) {
    if (at.top.value_or(0) == 0 && at.left.value_or(0) == 0) return;
    window.moveTwips(at.left.value_or(window.leftTwips()), at.top.value_or(window.topTwips()));
}

QString withTrailingSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('\\')) && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('\\');
    return folder;
}

// A position line holds a number of twips; anything else is a bad line.
std::optional<int> twips(const QString& line) {
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    const QString trimmed = line.trimmed();
    if (!number.match(trimmed).hasMatch()) return std::nullopt;
    const double value = textnum::val(trimmed);
    if (std::abs(value) > 1e9) return std::nullopt;
    return static_cast<int>(textnum::roundHalfEven(value));
}

// The lines the file supplies, as many as can be read; a missing file supplies none.
QStringList readableLines() {
    QStringList lines;
    try {
        TextInput input(settingsFile);
        while (!input.eof() && lines.size() < 1 + positionLines)
            lines << input.lineInput();
    } catch (const RuntimeError&) {
    }
    return lines;
}

} // namespace

namespace settings {

Settings& current() {
    static Settings kept;
    return kept;
}

void placeWindow(Form& window) {
    window.setPlacement(Form::Placement::Tool);
    const int index = toolIndex(window.objectName());
    if (index >= 0) place(window, current().positions[index]);
}

void keepPosition(const Form& window) {
    const int index = toolIndex(window.objectName());
    if (index < 0) return;
    current().positions[index] = {window.topTwips(), window.leftTwips()};
}

} // namespace settings

void sauveini() {
    const settings::Settings& kept = settings::current();
    TextOutput output(settingsFile);
    output.printLine(withTrailingSeparator(kept.heroFolder));
    for (int i = 0; i < settings::toolWindowCount; ++i) {
        settings::Position at = kept.positions[i];
        if (const Form* open = openToolWindow(settings::toolWindows[i]))
            at = {open->topTwips(), open->leftTwips()};
        output.printLine(textnum::fmt(at.top.value_or(0)));
        output.printLine(textnum::fmt(at.left.value_or(0)));
    }
    output.printLine(QString());
    output.printLine(QString());
    output.commit();
}

void lisini() {
    settings::Settings& kept = settings::current();
    const QStringList lines = readableLines();
    if (!lines.isEmpty() && !lines[0].trimmed().isEmpty())
        kept.heroFolder = withTrailingSeparator(lines[0]);
    for (int n = 1; n < lines.size(); ++n) {
        const std::optional<int> value = twips(lines[n]);
        if (!value) continue;
        settings::Position& at = kept.positions[(n - 1) / 2];
        (n % 2 == 1 ? at.top : at.left) = value;
    }

    perso().trans->setText(kept.heroFolder);
    for (int i = 0; i < settings::toolWindowCount; ++i)
        if (Form* open = openToolWindow(settings::toolWindows[i])) place(*open, kept.positions[i]);
}

void sauveiniThenEnd() {
    runEvent(sauveini);
    endProgram();
}
