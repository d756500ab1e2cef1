#include "snake/snakedebut.h"

#include "snake/modsnake.h"
#include "snake/snakegame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SnakeDebut::SnakeDebut() : Form(u"SnakeDebut"_s, u"Snake"_s) {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* frame = new QGroupBox(central);
    auto* row = new QHBoxLayout(frame);

    auto* options = new QVBoxLayout;
    const QString captions[] = {u"Facile"_s, u"Moyen"_s, u"Difficile"_s};
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] =
            new OptionButton(u"Option1_"_s + QString::number(i), captions[i], difficulte, frame);
        options->addWidget(Option1[i]);
    }
    row->addLayout(options);
    row->addSpacing(24);

    auto* buttons = new QVBoxLayout;
    Command1 = new CommandButton(u"Command1"_s, u"Jouer"_s, frame);
    Command2 = new CommandButton(u"Command2"_s, u"Quitter"_s, frame);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    row->addLayout(buttons);

    outer->addWidget(frame);
    setCentralWidget(central);

    Command1->onClick([this] { Command1_Click(); });
    Command2->onClick([this] { Command2_Click(); });
    setPlacement(Placement::Screen);
}

void SnakeDebut::Form_Load() {
    Option1[0]->setValue(true);
    modsnake::niveausnake = 0;
}

void SnakeDebut::Command1_Click() {
    for (std::size_t i = 0; i < Option1.size(); ++i)
        if (Option1[i]->value()) modsnake::niveausnake = static_cast<long long>(i);
    modsnake::clearMarks();
    // A game still loaded (the trigger reached again during play) is given up unseen: each
    // game starts from a fresh window, at the difficulty just chosen.
    if (forms::isLoaded<SnakeGame>()) snakeGame().close();
    SnakeGame& game = snakeGame();
    game.label->setCaption(u"3"_s);
    game.label->show();
    game.Timer1->setEnabled(false);
    game.Timer2->setEnabled(true);
    close();
    game.show();
}

void SnakeDebut::Command2_Click() {
    modsnake::clearMarks();
    close();
}
