#include "equipment/equip.h"

#include <QGridLayout>

const std::array<QString, 17> Equip::clothingNames = {
    QString(), "tete1", "tete2", "cou1", "cou2", "thorax1", "thorax2", "poignets1", "poignets2",
    "mains1", "mains2", "ceinture1", "ceinture2", "jambes1", "jambes2", "pieds1", "pieds2"};

Equip::Equip() : Form(QStringLiteral("equip"), QStringLiteral("Equipement")) {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    auto text = [&](const QString& name) { return new TextBox(name, central); };
    auto combo = [&](const QString& name) { return new ComboBox(name, ComboBox::Style::Editable, central); };

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
    notes = new MemoBox(QStringLiteral("notes"), central);
    Attributs = new CommandButton(QStringLiteral("Attributs"), QStringLiteral("Attributs"), central);
    personnage = new CommandButton(QStringLiteral("personnage"), QStringLiteral("Personnage"), central);

    // Placeholder arrangement: every control in one grid, in creation order.
    int at = 0;
    for (QWidget* w : central->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        grid->addWidget(w, at / 10, at % 10);
        ++at;
    }
    setCentralWidget(central);
}

void Equip::Form_Unload() { endProgram(); }
