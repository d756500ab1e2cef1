#include "snake/snakefin.h"

#include "snake/modsnake.h"
#include "snake/snakedebut.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SnakeFin::SnakeFin() : Form(u"SnakeFin"_s, u"GAME OVER"_s) {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    auto label = [&](const QString& name, const QString& caption) {
        auto* l = new Label(name, caption, central);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        column->addWidget(l);
        return l;
    };
    Label1 = label(u"Label1"_s, u"PERDU !"_s);
    QFont big = Label1->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    Label1->setFont(big);
    lblPoint = label(u"lblPoint"_s, u"Votre score est de "_s);
    lblRes = label(u"lblRes"_s, QString());

    auto* buttons = new QHBoxLayout;
    Command1 = new CommandButton(u"Command1"_s, u"Rejouer"_s, central);
    Command2 = new CommandButton(u"Command2"_s, u"Quitter"_s, central);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    column->addLayout(buttons);
    setCentralWidget(central);

    Command1->onClick([this] { Command1_Click(); });
    Command2->onClick([this] { Command2_Click(); });
    setPlacement(Placement::Screen);
}

void SnakeFin::Command1_Click() {
    // The marks stay as they are: the start window comes back on "Facile".
    snakeDebut().show();
    close();
}

void SnakeFin::Command2_Click() {
    modsnake::clearMarks();
    close();
}
