#include "equipment/equip.h"

#include "app/sheetmenus.h"
#include "equipment/coinchange.h"
#include "equipment/itemhandlers.h"
#include "equipment/weightboxes.h"
#include "hero/perso.h"
#include "herofile/herochanges.h"
#include "herofile/settings.h"
#include "skills/attrib.h"

const std::array<QString, 17> Equip::clothingNames = {
    QString(),   "tete1",     "tete2",     "cou1",   "cou2",   "thorax1",
    "thorax2",   "poignets1", "poignets2", "mains1", "mains2", "ceinture1",
    "ceinture2", "jambes1",   "jambes2",   "pieds1", "pieds2"};

Equip::Equip() : Form(QStringLiteral("equip"), QStringLiteral("Equipement")) {
    auto* central = new QWidget(this);
    auto text = [&](const QString& name) { return new TextBox(name, central); };
    auto combo = [&](const QString& name) {
        return new ComboBox(name, ComboBox::Style::Editable, central);
    };

    vetement[0] = nullptr;
    poidsvetement[0] = nullptr;
    for (int i = 1; i <= 16; ++i) {
        vetement[i] = combo(clothingNames[i]);
        poidsvetement[i] = text(QStringLiteral("poids") + clothingNames[i]);
    }
    makeFamily(equip, QStringLiteral("equip"), combo);
    makeFamily(poidsequip, QStringLiteral("poidsequip"), text);
    const QString filterCaptions[] = {QString(), "arm, ard, mun, pro", "pla, pot, poi, liv",
                                      "hab, prv, equ, bij", "Tout"};
    makeFamily(Option, QStringLiteral("Option"), [&](const QString& name) {
        return new OptionButton(name, filterCaptions[name.right(1).toInt()], filterGroup, central);
    });

    poidsmaximum = text(QStringLiteral("poidsmaximum"));
    poidstransporte = text(QStringLiteral("poidstransporte"));
    piecesor = text(QStringLiteral("piecesor"));
    piecesargent = text(QStringLiteral("piecesargent"));
    piecesbronze = text(QStringLiteral("piecesbronze"));
    piecescuivre = text(QStringLiteral("piecescuivre"));
    monnaie = new CommandButton(QStringLiteral("monnaie"), QStringLiteral("Monnaie"), central);
    monnaie->setToolTip(QStringLiteral(
        "Permet une conversion automatique de Cu vers Br, Br vers Ag et Ag vers Or."));
    notes = new MemoBox(QStringLiteral("notes"), central);
    Attributs =
        new CommandButton(QStringLiteral("Attributs"), QStringLiteral("Attributs"), central);
    personnage =
        new CommandButton(QStringLiteral("personnage"), QStringLiteral("Personnage"), central);

    arrange(central);
    setCentralWidget(central);
    connectHandlers();
    connectItemHandlers(*this);
    sheetmenus::build(*this, Sheet::Equip);
}

void Equip::connectHandlers() {
    Attributs->onClick([this] { Attributs_Click(); });
    personnage->onClick([this] { personnage_Click(); });
    monnaie->onClick([this] { monnaie_Click(); });
    notes->onChange([this] { notes_Change(); });
    for (purse::Coin coin : purse::coins) {
        coinBox(coin)->onChange([coin] { purse::coinChanged(purse::Sheet::Equip, coin); });
        coinBox(coin)->onLeave([coin] { purse::coinLeft(purse::Sheet::Equip, coin); });
    }
    for (int i = 1; i <= 16; ++i)
        poidsvetement[i]->onChange([box = poidsvetement[i]] { weightBoxChanged(*box); });
    for (int i = 1; i <= 24; ++i)
        poidsequip[i]->onChange([box = poidsequip[i]] { weightBoxChanged(*box); });
}

TextBox* Equip::coinBox(purse::Coin coin) const {
    return purse::boxOf(coin, piecesor, piecesargent, piecesbronze, piecescuivre);
}

void Equip::Attributs_Click() {
    attrib().show();
    hide();
}

void Equip::personnage_Click() {
    hide();
    perso().show();
}

// Without a hero the two purses are not kept equal: the change's result is copied across here.
void Equip::monnaie_Click() {
    changemonnaie();
    for (purse::Coin coin : purse::coins)
        attrib().coinBox(coin)->setText(coinBox(coin)->text());
}

void Equip::Form_Unload() {
    sauveiniThenEnd();
}

void Equip::closeEvent(QCloseEvent* event) {
    if (sheetMayClose(*event)) Form::closeEvent(event);
}
