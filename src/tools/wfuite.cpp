#include "tools/wfuite.h"

#include "tools/combat.h"
#include "tools/fight.h"

#include <QCloseEvent>
#include <QGridLayout>

using namespace Qt::StringLiterals;

Wfuite::Wfuite() : Form(u"wfuite"_s, u"Fuite de "_s) {
    auto* central = new QWidget(this);
    auto label = [central](const QString& name) { return new Label(name, QString(), central); };
    lhev = label(u"lhev"_s);
    lmoins = label(u"lmoins"_s);
    Label1 = label(u"Label1"_s);
    Label2 = label(u"Label2"_s);
    Command1 = new CommandButton(u"Command1"_s, u"&OK !"_s, central);
    auto* grid = new QGridLayout(central);
    grid->addWidget(lhev, 0, 0, Qt::AlignHCenter);
    grid->addWidget(lmoins, 0, 1, Qt::AlignHCenter);
    grid->addWidget(Label1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(Command1, 3, 0, 1, 2, Qt::AlignHCenter);
    // Room for the longest result line, so that the window keeps its size from one flight to
    // the next.
    Label1->setMinimumWidth(
        fontMetrics().horizontalAdvance(u" Le héros est mort pendant sa fuite !!"_s));
    setCentralWidget(central);
    Command1->onClick([this] { Command1_Click(); });
}

// Closed by its title bar, the result counts as read: the fight must not stay paused with a
// flight already made.
void Wfuite::closeEvent(QCloseEvent* event) {
    event->ignore();
    runEvent([this] { Command1_Click(); });
}

void Wfuite::Command1_Click() {
    hide();
    Combat& window = combat();
    window.arret->setText(u"Pause"_s);
    window.arret->setEnabled(false);
    if (Fight* fight = Fight::running()) fight->endAfterFlight();
}
