#include "tools/des.h"

#include "common/chance.h"
#include "common/fitwidth.h"
#include "common/shared.h"

#include <QGridLayout>
#include <QGroupBox>

Des::Des() : ToolWindow(QStringLiteral("Dés"), QStringLiteral(" Dés")) {
    QGroupBox* frame = makeFrame1();
    auto* grid = new QGridLayout(frame);

    plus = new CommandButton(QStringLiteral("plus"), QStringLiteral("+"), frame);
    nb = new TextBox(QStringLiteral("nb"), frame);
    nb->setAlignment(Qt::AlignCenter);
    nb->setMaxLength(2);
    nb->setText(QStringLiteral("1"));
    fitToDigits(nb, 3);
    moins = new CommandButton(QStringLiteral("moins"), QStringLiteral("-"), frame);
    for (CommandButton* button : {plus, moins})
        button->setFixedWidth(nb->width());
    grid->addWidget(plus, 0, 0);
    grid->addWidget(nb, 1, 0);
    grid->addWidget(moins, 2, 0);

    d6 = new CommandButton(QStringLiteral("d6"), QStringLiteral("D6"), frame);
    d10 = new CommandButton(QStringLiteral("d10"), QStringLiteral("D10"), frame);
    d20 = new CommandButton(QStringLiteral("d20"), QStringLiteral("D20"), frame);
    grid->addWidget(d6, 0, 1);
    grid->addWidget(d10, 1, 1);
    grid->addWidget(d20, 2, 1);

    resultat = new TextBox(QStringLiteral("resultat"), frame);
    resultat->setAlignment(Qt::AlignCenter);
    fitToDigits(resultat, 5);
    clear = new CommandButton(QStringLiteral("clear"), QStringLiteral("&Clear"), frame);
    grid->addWidget(resultat, 1, 2);
    grid->addWidget(clear, 2, 2);

    plus->onClick([this] { plus_Click(); });
    moins->onClick([this] { moins_Click(); });
    d6->onClick([this] { d6_Click(); });
    d10->onClick([this] { d10_Click(); });
    d20->onClick([this] { d20_Click(); });
    clear->onClick([this] { clear_Click(); });
}

void Des::plus_Click() {
    nb->setValue(nb->value() + 1);
}

void Des::moins_Click() {
    if (nb->text().isEmpty() || nb->value() == 1) return;
    nb->setValue(nb->value() - 1);
}

void Des::clear_Click() {
    nb->clear();
    resultat->clear();
}

void Des::lance(int faces) {
    shared::compteur = 0;
    long long total = 0;
    resultat->clear();
    if (nb->text().isEmpty()) return;
    const long long count = textnum::roundHalfEven(nb->value());
    for (shared::compteur = 1; shared::compteur <= count; ++shared::compteur)
        total += chance::dice(faces);
    resultat->setText(textnum::fmt(total));
    resultat->repaint();
}
