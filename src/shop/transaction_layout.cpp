// Where the shop's controls stand: the mode, the kinds and the list along the top, the price
// below them, then the haggling and the confirmation.
#include "shop/transaction.h"

#include "common/fitwidth.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

Label* caption(const QString& text, QWidget* parent) {
    auto* label = new Label(QString(), text, parent);
    label->setTextFormat(Qt::PlainText); // keeps a caption's leading blank
    return label;
}

// A label that shows a value, drawn like a read-only box.
void framed(Label* label) {
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText); // " D'accord !" keeps its blank
    label->setMinimumHeight(label->fontMetrics().height() + 6);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
}

} // namespace

void Transaction::arrange(QWidget* central) {
    auto* column = new QVBoxLayout(central);
    column->setSpacing(6);

    auto* top = new QHBoxLayout;
    auto* modes = new QGroupBox(QStringLiteral("Transaction"), central);
    auto* modeColumn = new QVBoxLayout(modes);
    modeColumn->addWidget(achat);
    modeColumn->addWidget(vente);
    modeColumn->addStretch();
    top->addWidget(modes);

    auto* kinds = new QGroupBox(QStringLiteral("Choix"), central);
    auto* kindGrid = new QGridLayout(kinds);
    kindGrid->setVerticalSpacing(2);
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        kindGrid->addWidget(choix[kind], (kind - 1) % 6, (kind - 1) / 6);
    top->addWidget(kinds);

    auto* listFrame = new QGroupBox(QStringLiteral("Liste"), central);
    auto* listColumn = new QVBoxLayout(listFrame);
    Listeobjet->setMinimumWidth(Listeobjet->fontMetrics().horizontalAdvance(QString(24, u'M')) / 2);
    listColumn->addWidget(Listeobjet);
    listColumn->addWidget(fichier);
    top->addWidget(listFrame, 1);
    column->addLayout(top);

    auto* price = new QGridLayout;
    price->addWidget(caption(QStringLiteral("Valeur à l'unité"), central), 0, 0, Qt::AlignHCenter);
    price->addWidget(caption(QStringLiteral("Quantité"), central), 0, 1, Qt::AlignHCenter);
    auto* totalCaption = new QHBoxLayout;
    totalCaption->addWidget(Label4);
    totalCaption->addWidget(num);
    price->addLayout(totalCaption, 0, 2, Qt::AlignHCenter);
    price->addWidget(valeur_unite, 1, 0);
    price->addWidget(quantite, 1, 1);
    price->addWidget(prixtotal, 1, 2);
    price->addWidget(infos, 1, 3);
    fitToDigits(quantite, 6);
    column->addLayout(price);

    auto* haggle = new QGridLayout;
    haggle->setHorizontalSpacing(12); // the captions over the answers stand apart
    haggle->addWidget(caption(QStringLiteral("Prix proposé par le Héros"), central), 0, 0, 1, 2);
    haggle->addWidget(hprop, 1, 0);
    haggle->addWidget(uniteprix, 1, 1);
    fitToDigits(hprop, 6);
    fitToDigits(uniteprix, 3);
    haggle->addWidget(caract, 1, 2);
    haggle->addWidget(proposer, 1, 3);
    haggle->addWidget(caption(QStringLiteral("Prix initial du commerçant"), central), 2, 0, 1, 2);
    haggle->addWidget(caption(QStringLiteral("Réponse du commerçant"), central), 2, 2, 1, 2);
    framed(vprop);
    framed(reponse);
    haggle->addWidget(vprop, 3, 0, 1, 2);
    haggle->addWidget(reponse, 3, 2, 1, 2);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch();
    for (int light = 1; light <= 7; ++light)
        row->addWidget(lights[light]);
    row->addStretch();
    haggle->addLayout(row, 4, 0, 1, 4);
    column->addLayout(haggle);

    auto* confirm = new QVBoxLayout;
    confirm->setSpacing(0);
    confirm->addWidget(caption(QStringLiteral("Voulez-vous confirmer"), central), 0,
                       Qt::AlignHCenter);
    confirm->addWidget(caption(QStringLiteral(" la transaction ?"), central), 0, Qt::AlignHCenter);
    confirm->addSpacing(4);
    confirm->addWidget(bouton);
    column->addLayout(confirm);

    // The working values of haggling stay out of sight, each with what it holds beside it.
    const std::pair<Label*, QString> working[] = {
        {vf, QStringLiteral("Valeur finale")},
        {prixnegocie, QStringLiteral("Prix negocié")},
        {c, QStringLiteral("pourcentage")},
    };
    for (const auto& [value, meaning] : working) {
        value->hide();
        caption(meaning, central)->hide();
    }

    menuBar()->addAction(menusauve);
}
