#include "skills/attrib.h"

#include "app/sheetmenus.h"
#include "equipment/equip.h"
#include "hero/perso.h"
#include "herofile/herochanges.h"
#include "herofile/settings.h"
#include "skills/skillbuttons.h"

Attrib::Attrib() : Form(QStringLiteral("attrib"), QStringLiteral("Aptitudes")) {
    auto* central = new QWidget(this);
    auto skill = [&](const QString& name) {
        auto* box = new TextBox(name, central);
        box->setMaxLength(2);
        return box;
    };
    auto text = [&](const QString& name) { return new TextBox(name, central); };
    auto plus = [&](const QString& name) {
        return new CommandButton(name, QStringLiteral("+"), central);
    };
    auto test = [&](const QString& name) {
        return new CommandButton(name, QStringLiteral("E"), central);
    };

    makeFamily(habilete, QStringLiteral("habilete"), skill);
    makeFamily(sociabilite, QStringLiteral("sociabilite"), skill);
    makeFamily(science, QStringLiteral("science"), skill);
    makeFamily(survie, QStringLiteral("survie"), skill);
    makeFamily(pha, QStringLiteral("pha"), plus);
    makeFamily(pso, QStringLiteral("pso"), plus);
    makeFamily(psc, QStringLiteral("psc"), plus);
    makeFamily(psu, QStringLiteral("psu"), plus);
    makeFamily(eha, QStringLiteral("eha"), test);
    makeFamily(eso, QStringLiteral("eso"), test);
    makeFamily(esc, QStringLiteral("esc"), test);
    makeFamily(esu, QStringLiteral("esu"), test);
    makeCaptions(central);

    pointsarepartir = text(QStringLiteral("pointsarepartir"));
    piecesor = text(QStringLiteral("piecesor"));
    piecesargent = text(QStringLiteral("piecesargent"));
    piecesbronze = text(QStringLiteral("piecesbronze"));
    piecescuivre = text(QStringLiteral("piecescuivre"));
    personnage =
        new CommandButton(QStringLiteral("personnage"), QStringLiteral("Personnage"), central);
    Equipement =
        new CommandButton(QStringLiteral("Equipement"), QStringLiteral("Equipement"), central);

    arrange(central);
    setCentralWidget(central);
    connectHandlers();
    connectSkillButtons(*this);
    sheetmenus::build(*this, Sheet::Attrib);
}

void Attrib::connectHandlers() {
    personnage->onClick([this] { personnage_Click(); });
    Equipement->onClick([this] { Equipement_Click(); });
    Label16->onClick([this] { Label16_Click(); });
    Label25->onClick([this] { Label25_Click(); });
    Label33->onClick([this] { Label33_Click(); });
    for (purse::Coin coin : purse::coins) {
        coinBox(coin)->onChange([coin] { purse::coinChanged(purse::Sheet::Attrib, coin); });
        coinBox(coin)->onLeave([coin] { purse::coinLeft(purse::Sheet::Attrib, coin); });
    }
}

TextBox* Attrib::coinBox(purse::Coin coin) const {
    return purse::boxOf(coin, piecesor, piecesargent, piecesbronze, piecescuivre);
}

void Attrib::personnage_Click() {
    hide();
    perso().show();
}

void Attrib::Equipement_Click() {
    hide();
    equip().show();
}

void Attrib::Form_Unload() {
    sauveiniThenEnd();
}

void Attrib::closeEvent(QCloseEvent* event) {
    if (sheetMayClose(*event)) Form::closeEvent(event);
}
