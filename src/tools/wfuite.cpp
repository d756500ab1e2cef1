#include "tools/wfuite.h"

#include "tools/combat.h"
#include "tools/fight.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Wfuite::Wfuite() : Form(u"wfuite"_s, u"Fuite de "_s) {
    auto* central = new QWidget(this);
    auto label = [central](const QString& name) { return new Label(name, QString(), central); };
    lhev = label(u"lhev"_s);
    lmoins = label(u"lmoins"_s);
    Label1 = label(u"Label1"_s);
    Label2 = label(u"Label2"_s);
    Command1 = new CommandButton(u"Command1"_s, u"&OK !"_s, central);
    blow_ = new QWidget(central);
    auto* blow = new QHBoxLayout(blow_);
    blow->setContentsMargins(0, 0, 0, 0);
    blow->addWidget(new QLabel(u"Energie vitale :"_s, blow_));
    blow->addWidget(lhev);
    blow->addWidget(new QLabel(u"moins"_s, blow_));
    blow->addWidget(lmoins);
    blow->addStretch();
    QSizePolicy keepsRoom = blow_->sizePolicy();
    keepsRoom.setRetainSizeWhenHidden(true);
    blow_->setSizePolicy(keepsRoom);
    blow_->hide();
    auto* column = new QVBoxLayout(central);
    column->addWidget(blow_);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addWidget(Command1, 0, Qt::AlignHCenter);
    // Room for the longest result line, so that the window keeps its size from one flight to
    // the next.
    Label1->setMinimumWidth(
        fontMetrics().horizontalAdvance(u" Le héros est mort pendant sa fuite !!"_s));
    setCentralWidget(central);
    Command1->onClick([this] { Command1_Click(); });
    setDialogKeys(Command1);
}

void Wfuite::showBlow(bool hit) {
    blow_->setVisible(hit);
}

// Closed by its title bar, the result counts as read: the fight must not stay paused with a
// flight already made.
void Wfuite::closeEvent(QCloseEvent* event) {
    event->ignore();
    runEvent([this] { Command1_Click(); });
}

void Wfuite::Command1_Click() {
    hide();
    combat().closePause();
    if (Fight* fight = Fight::running()) fight->endAfterFlight();
}
