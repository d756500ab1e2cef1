#include "tools/wpause.h"

#include "common/dialogplace.h"
#include "common/shared.h"
#include "tools/combat.h"
#include "tools/fight.h"
#include "tools/wfuite.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Wpause::Wpause() : Form(u"wpause"_s, u"Suite du combat"_s) {
    auto* central = new QWidget(this);
    Label1 = new Label(u"Label1"_s, u"Fuir ou Continuer le combat ?"_s, central);
    Label2 = new Label(u"Label2"_s, u"Que choisissez-vous ?"_s, central);
    Command1 = new CommandButton(u"Command1"_s, u"&Fuir !"_s, central);
    Command2 = new CommandButton(u"Command2"_s, u"&Continuer ..."_s, central);
    auto* column = new QVBoxLayout(central);
    column->addWidget(Label1, 0, Qt::AlignHCenter);
    column->addWidget(Label2, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    column->addLayout(buttons);
    setCentralWidget(central);
    // Room for the caption beside the title bar's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 10 * fontMetrics().height());
    Command1->onClick([this] { Command1_Click(); });
    Command2->onClick([this] { Command2_Click(); });
    setDialogKeys(Command2);
}

void Wpause::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

// The fight stays paused until the flight's result is acknowledged. One flight per fight:
// another would give the adversary a second free attack.
void Wpause::Command1_Click() {
    hide();
    Combat& window = combat();
    window.closePause();
    Wfuite& flight = wfuite();
    showCentredOn(flight, window);
    if (Fight* fight = Fight::running()) fight->flee(flight);
}

void Wpause::Command2_Click() {
    hide();
    shared::enpause = false;
    combat().arret->setText(u"Pause"_s);
}
