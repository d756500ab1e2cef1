#include "skills/attrib.h"

#include <QGridLayout>

Attrib::Attrib() : Form(QStringLiteral("attrib"), QStringLiteral("Aptitudes")) {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    auto text = [&](const QString& name) { return new TextBox(name, central); };
    auto plus = [&](const QString& name) { return new CommandButton(name, QStringLiteral("+"), central); };
    auto test = [&](const QString& name) { return new CommandButton(name, QStringLiteral("E"), central); };

    makeFamily(habilete, QStringLiteral("habilete"), text);
    makeFamily(sociabilite, QStringLiteral("sociabilite"), text);
    makeFamily(science, QStringLiteral("science"), text);
    makeFamily(survie, QStringLiteral("survie"), text);
    makeFamily(pha, QStringLiteral("pha"), plus);
    makeFamily(pso, QStringLiteral("pso"), plus);
    makeFamily(psc, QStringLiteral("psc"), plus);
    makeFamily(psu, QStringLiteral("psu"), plus);
    makeFamily(eha, QStringLiteral("eha"), test);
    makeFamily(eso, QStringLiteral("eso"), test);
    makeFamily(esc, QStringLiteral("esc"), test);
    makeFamily(esu, QStringLiteral("esu"), test);

    pointsarepartir = text(QStringLiteral("pointsarepartir"));
    piecesor = text(QStringLiteral("piecesor"));
    piecesargent = text(QStringLiteral("piecesargent"));
    piecesbronze = text(QStringLiteral("piecesbronze"));
    piecescuivre = text(QStringLiteral("piecescuivre"));
    personnage = new CommandButton(QStringLiteral("personnage"), QStringLiteral("Personnage"), central);
    Equipement = new CommandButton(QStringLiteral("Equipement"), QStringLiteral("Equipement"), central);

    // Placeholder arrangement: every control in one grid, in creation order.
    int at = 0;
    for (QWidget* w : central->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        grid->addWidget(w, at / 12, at % 12);
        ++at;
    }
    setCentralWidget(central);
}

void Attrib::Form_Unload() { endProgram(); }
