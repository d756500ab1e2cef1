#include "hero/augment_niv.h"

#include "hero/perso.h"
#include "skills/attrib.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

AugmentNiv::AugmentNiv() : Form(QStringLiteral("augment_niv"), QStringLiteral("Passage de niveau")) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    message = new Label(QStringLiteral("message"), QString(), central);
    column->addWidget(message);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ajouter = new CommandButton(QStringLiteral("ajouter"), QStringLiteral("OK"), central);
    annuler = new CommandButton(QStringLiteral("annuler"), QStringLiteral("Annuler"), central);
    buttons->addWidget(ajouter);
    buttons->addWidget(annuler);
    column->addLayout(buttons);
    setCentralWidget(central);
    ajouter->onClick([this] { ajouter_Click(); });
    annuler->onClick([this] { annuler_Click(); });
    setDialogKeys(ajouter);
}

void AugmentNiv::setVisible(bool visible) {
    // Says what the passage brings, from the level the sheet holds now, before the dialog is
    // sized to it.
    if (visible && !isVisible())
        message->setCaption(QStringLiteral("Votre héros passe au niveau %1.\n"
                                           "Il reçoit 10 points à répartir entre ses aptitudes.")
                                .arg(textnum::fmt(perso().niveau->value() + 1)));
    Form::setVisible(visible);
}

void AugmentNiv::ajouter_Click() {
    Perso& hero = perso();
    hero.niveau->setValue(hero.niveau->value() + 1);
    TextBox* points = attrib().pointsarepartir;
    points->setValue(points->value() + 10);
    // One passage per threshold: the button waits for more experience or a new threshold.
    hero.showLevelReached(false);
    hide();
}

void AugmentNiv::annuler_Click() { hide(); }
