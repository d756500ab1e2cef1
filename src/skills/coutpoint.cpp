#include "skills/coutpoint.h"

#include "common/shared.h"
#include "skills/attrib.h"
#include "skills/costdialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

Coutpoint::Coutpoint() : Form(u"coutpoint"_s, skills::coutpointTitle()) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);

    auto* frame = new QGroupBox(central);
    auto* figures = new QGridLayout(frame);
    auto label = [&](const QString& name, const QString& caption) {
        auto* l = new Label(name, caption, frame);
        l->setTextFormat(Qt::PlainText); // keeps the heading's two blanks
        return l;
    };
    figures->addWidget(label(u"entete"_s, skills::coutpointHeading()), 0, 0, 1, 2);
    points = label(u"points"_s, QString());
    prixpoints = label(u"prixpoints"_s, QString());
    figures->addWidget(points, 1, 0, Qt::AlignRight);
    figures->addWidget(label(u"unitepoints"_s, u"points"_s), 1, 1);
    figures->addWidget(prixpoints, 2, 0, Qt::AlignRight);
    figures->addWidget(label(u"uniteprix"_s, u"pièces d'argent"_s), 2, 1);
    figures->setColumnStretch(1, 1);
    column->addWidget(frame);

    refus = new TextBox(u"refus"_s, central);
    refus->setReadOnly(true);
    QPalette red = refus->palette();
    red.setColor(QPalette::Text, Qt::red);
    refus->setPalette(red);
    // The longest shortage must read whole, its start included.
    int widest = 0;
    for (skills::CostVerdict shortage : skills::shortages)
        widest =
            std::max(widest, refus->fontMetrics().horizontalAdvance(skills::refusText(shortage)));
    refus->setMinimumWidth(widest + 2 * refus->fontMetrics().height());
    column->addWidget(refus);

    auto* buttons = new QHBoxLayout;
    accepter = new CommandButton(u"accepter"_s, u"Accepter"_s, central);
    refuser = new CommandButton(u"refuser"_s, u"Refuser"_s, central);
    retour = new CommandButton(u"retour"_s, u"Retour"_s, central);
    for (CommandButton* b : {accepter, refuser, retour})
        buttons->addWidget(b);
    column->addLayout(buttons);
    setCentralWidget(central);

    accepter->onClick([this] { accepter_Click(); });
    refuser->onClick([this] { refuser_Click(); });
    retour->onClick([this] { retour_Click(); });
    // Esc never closes the dialog away: it answers as "Retour" does.
    setDialogKeys(accepter, retour);
}

void Coutpoint::Form_Unload() {
    shared::accepte = false;
}

void Coutpoint::affichecout() {
    refus->setText(QString());
    retour->hide();
    accepter->hide();
    refuser->hide();
    shared::accepte = false;

    Attrib& sheet = attrib();
    const auto purse =
        skills::Purse::fromTexts(sheet.piecesor->text(), sheet.piecesargent->text(),
                                 sheet.piecesbronze->text(), sheet.piecescuivre->text());
    const skills::RaiseCost cost{static_cast<int>(textnum::val(points->caption())),
                                 static_cast<int>(textnum::val(prixpoints->caption()))};
    const auto verdict = skills::affichecout(sheet.pointsarepartir->text(), cost, purse);

    refus->setText(verdict.refus);
    refus->setVisible(!verdict.accepte);
    retour->setVisible(!verdict.accepte);
    accepter->setVisible(verdict.accepte);
    refuser->setVisible(verdict.accepte);
    // Shown with its answer's buttons, so that the focus goes to the one Enter should press.
    show();
    shared::accepte = verdict.accepte;
}

void Coutpoint::accepter_Click() {
    hide();
}

void Coutpoint::refuser_Click() {
    shared::accepte = false;
    hide();
}

void Coutpoint::retour_Click() {
    shared::accepte = false;
    hide();
}
