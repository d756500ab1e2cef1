#include "herofile/herochanges.h"

#include "common/eventboundary.h"
#include "common/messagebox.h"
#include "hero/perso.h"
#include "herofile/herosheets.h"

#include <QCloseEvent>

namespace {

QStringList& keptLines() {
    static QStringList lines;
    return lines;
}

} // namespace

void heroKept(const HeroRecord& hero) {
    keptLines() = heroLines(hero);
}

// Before the hero sheet's load nothing has been kept, and nothing is worth asking about.
bool heroChanged() {
    return forms::isLoaded<Perso>() && heroLines(collectHero()) != keptLines();
}

bool heroMayBeLost(const QString& question) {
    return !heroChanged() || msgBox(question, MsgIcon::Question, std::nullopt, MsgButtons::YesNo,
                                    MsgAnswer::No) == MsgAnswer::Yes;
}

bool sheetMayClose(QCloseEvent& event) {
    // A failure while asking keeps the sheet, and the hero with it.
    bool mayClose = false;
    runEvent([&mayClose] {
        mayClose = heroMayBeLost(QStringLiteral("Le héros a été modifié depuis son dernier "
                                                "enregistrement. Quitter sans l'enregistrer ?"));
    });
    if (!mayClose) event.ignore();
    return mayClose;
}
