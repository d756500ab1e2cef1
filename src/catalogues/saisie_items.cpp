// Loading and saving the item of the kind shown in the editor.
#include "catalogues/itemnames.h"
#include "catalogues/saisie.h"
#include "common/folderfile.h"
#include "common/itemframe.h"
#include "common/itemrecord.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"
#include "equipment/itemlists.h"
#include "equipment/itemweight.h"

// The whole file is read before any box is touched, so the boxes never mix the lines of two
// items: what a file lacks is emptied rather than left from the item shown before.
void Saisie::nom_Click(int number) {
    const itemrecord::Kind& kind = itemrecord::kind(number);
    const std::vector<QWidget*>& boxes = kinds[number].lines;
    QStringList lines;
    try {
        shared::numfichier = freeFile();
        lines = itemrecord::read(fichier->path() + u'/' + kinds[number].nom()->text() +
                                     kind.extension(),
                                 kind.lineCount());
    } catch (const RuntimeError& error) {
        if (error.number() != 53 && error.number() != 76) throw;
        // Gone since it was listed.
        for (std::size_t line = 1; line < boxes.size(); ++line)
            setLineText(boxes[line], QString());
        msgBox(QStringLiteral("Objet inexistant dans le répertoire des Objet."),
               MsgIcon::Exclamation);
        remplitnoms();
        return;
    }
    for (int line = 1; line <= kind.lineCount(); ++line)
        shared::objetligne[line] = line <= lines.size() ? lines.at(line - 1) : QString();
    // Line 1 is the name in the file; the box keeps the name of the file chosen.
    for (std::size_t line = 1; line < boxes.size(); ++line)
        setLineText(boxes[line], shared::objetligne[static_cast<int>(line) + 1]);
    if (lines.size() < kind.lineCount()) erreurobjet(62);
}

// A failure to write reaches the event boundary, shown under "Erreur !": the old file stays
// whole and the list is not refreshed.
void Saisie::sauve_Click() {
    const int number = static_cast<int>(shared::typesaisie);
    if (number < 1 || number > 12) return;
    const itemrecord::Kind& kind = itemrecord::kind(number);
    const KindControls& controls = kinds[number];
    const QString name = controls.nom()->text();
    if (name.isEmpty()) return;
    shared::numfichier = freeFile();
    const QString unit = controls.up()->text();
    if (!unit.isEmpty() && !itemrecord::isPriceUnit(unit)) {
        msgBox(QStringLiteral("Unité de prix inconnue !"), MsgIcon::Exclamation, QString());
        remplitnoms();
        return;
    }
    if (folderfile::forbiddenName(name)) {
        folderfile::caractereInterdit();
        return;
    }
    // Without a known items folder the file would land in whatever folder the program runs in.
    if (shared::cheminobjets.trimmed().isEmpty()) {
        reportMissingFolderFile();
        return;
    }
    QStringList values;
    for (const QWidget* box : controls.lines)
        values << lineText(box);
    itemrecord::write(folderfile::recordPath(shared::cheminobjets, name + kind.extension()),
                      values);
    controls.nom()->addItem(name);
    remplitnoms();
}
