// The hero's own values on the sheet: the load limit from force, the level passage, life energy,
// the priest's deity, the portrait, and the way to the two other sheets.
#include "hero/perso.h"

#include "common/drivepath.h"

#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "equipment/equip.h"
#include "hero/augment_niv.h"
#include "skills/attrib.h"
#include "tools/transfertheros.h"

#include <QFileInfo>
#include <QImageReader>

namespace {

// The level button stands out once the hero has earned the passage.
const QColor levelReached(0xf6, 0xc3, 0x4a);

} // namespace

void Perso::force_Change() {
    const QString limit = force->text().isEmpty() ? QString() : textnum::fmt(force->value() * 100);
    poidsmaximum->setText(limit);
    equip().poidsmaximum->setText(limit);
    transfertheros();
}

void Perso::experience_Change() {
    // No threshold is no passage: an empty one would otherwise be reached by any experience.
    showLevelReached(!prochainniveau->text().isEmpty() &&
                     experience->value() >= prochainniveau->value());
}

void Perso::showLevelReached(bool reached) {
    passageniveau->setEnabled(reached);
    QPalette look;
    if (reached) look.setColor(QPalette::Button, levelReached);
    passageniveau->setPalette(look);
}

void Perso::energievitale_Change() {
    transfertheros();
    if (evinitiale->text().isEmpty()) return;
    // The value stays as written: the player may have a reason.
    if (energievitale->value() > evinitiale->value())
        msgBox(QStringLiteral("L'énergie vitale ne peut pas dépasser sa valeur initiale."),
               MsgIcon::Exclamation);
}

void Perso::passageniveau_Click() { augment_niv().show(); }

bool Perso::pretreSansDevotion() {
    if (!pretre->value() || !devotion->text().isEmpty()) return false;
    msgBox(QStringLiteral("Un prêtre doit choisir une dévotion."), MsgIcon::Exclamation, QString());
    return true;
}

void Perso::Attributs_Click() {
    if (pretreSansDevotion()) return;
    attrib().show();
    hide();
}

void Perso::Equipement_Click() {
    if (pretreSansDevotion()) return;
    equip().show();
    hide();
}

void Perso::setPortrait(const QString& path) {
    if (path.isEmpty()) {
        portrait->clear();
        cheminportrait.clear();
        return;
    }
    const QString local = drivepath::toLocal(path);
    if (!QFileInfo(local).isFile()) throw RuntimeError(53);
    QImageReader reader(local);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) throw RuntimeError(481, QStringLiteral("Image incorrecte"));
    portrait->setPixmap(QPixmap::fromImage(picture).scaled(
        portrait->minimumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    cheminportrait = path;
}
