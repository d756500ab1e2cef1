#include "tools/combat.h"

#include "common/dialogplace.h"
#include "common/shared.h"
#include "hero/perso.h"
#include "tools/chemin.h"

#include <QCloseEvent>
#include <QMenuBar>

Combat::Combat() : ToolWindow(QStringLiteral("combat"), QStringLiteral("Combat")) {
    auto* central = new QWidget(this);
    auto text = [central](const char* name) {
        return new TextBox(QString::fromUtf8(name), central);
    };
    auto label = [central](const char* name, const char* caption) {
        return new Label(QString::fromUtf8(name), QString::fromUtf8(caption), central);
    };
    auto button = [central](const char* name, const char* caption) {
        return new CommandButton(QString::fromUtf8(name), QString::fromUtf8(caption), central);
    };
    auto pause = [this, central](const char* name, const char* caption) {
        return new OptionButton(QString::fromUtf8(name), QString::fromUtf8(caption), pauseGroup,
                                central);
    };
    auto bar = [central](const char* name) {
        auto* b = new QProgressBar(central);
        b->setObjectName(QString::fromUtf8(name));
        return b;
    };

    combatheros = text("combatheros");
    hc = text("hc");
    ha = text("ha");
    hp = text("hp");
    hpi1 = text("hpi1");
    hpi2 = text("hpi2");
    hpr = text("hpr");
    hev = text("hev");
    combatpnj = new ComboBox(QStringLiteral("combatpnj"), ComboBox::Style::Editable, central);
    acm = text("acm");
    ac = text("ac");
    aa = text("aa");
    ap = text("ap");
    api1 = text("api1");
    api2 = text("api2");
    apr = text("apr");
    aev = text("aev");
    nt = text("nt");
    rheros = label("rheros", "");
    radv = label("radv", "");
    Bar1 = bar("Bar1");
    Bar2 = bar("Bar2");
    pause0 = pause("pause0", "Non");
    pause1 = pause("pause1", "1 sec.");
    pause2 = pause("pause2", "2 sec.");
    fichier = new CheckBox(QStringLiteral("fichier"), QStringLiteral("Fichier"), central);
    fichiers = new FileListBox(QStringLiteral("fichiers"), central);
    fichiers->hide(); // it only tells where the monster files lie
    Command2 = button("Command2", "C&ombat");
    arret = button("arret", "Pause");
    Command7 = button("Command7", "&Effacer");
    Command8 = button("Command8", "Tirage");
    Label4 = label("Label4", "Points d'impact");

    setCentralWidget(central);
    buildLayout();
    buildMenus();
    wireHandlers();
    arret->setEnabled(false); // only a running fight can be paused
    Command8->hide();         // the random adversary is the game master's secret
}

void Combat::buildMenus() {
    auto menu = [this](const char* name, const char* caption) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromUtf8(name));
        return m;
    };
    auto entry = [this](QMenu* m, const char* name, const char* caption,
                        void (Combat::*handler)()) {
        auto* e = new MenuEntry(QString::fromUtf8(name), QString::fromUtf8(caption), this);
        e->onClick([this, handler] { (this->*handler)(); });
        m->addAction(e);
        return e;
    };
    menuregles = menu("menuregles", "Règles");
    menuinitiation =
        entry(menuregles, "menuinitiation", "Initiation", &Combat::menuinitiation_Click);
    menuextension = entry(menuregles, "menuextension", "Extension", &Combat::menuextension_Click);
    menutimer = menu("menutimer", "Timer");
    menunon1 = entry(menutimer, "menunon1", "Non", &Combat::menunon1_Click);
    menu1sec = entry(menutimer, "menu1sec", "1 Seconde", &Combat::menu1sec_Click);
    menu2sec = entry(menutimer, "menu2sec", "2 Secondes", &Combat::menu2sec_Click);
    menufichier = menu("menufichier", "Fichier");
    menunon2 = entry(menufichier, "menunon2", "Non", &Combat::menunon2_Click);
    menuoui = entry(menufichier, "menuoui", "Oui", &Combat::menuoui_Click);
    menufichier->addSeparator();
    menuou = entry(menufichier, "menuou", "Où  ?", &Combat::menuou_Click);
}

void Combat::wireHandlers() {
    combatpnj->onClick([this] { combatpnj_Click(); });
    Command2->onClick([this] { Command2_Click(); });
    arret->onClick([this] { arret_Click(); });
    Command7->onClick([this] { Command7_Click(); });
    Command8->onClick([this] { Command8_Click(); });
    Label4->onClick([this] { Label4_Click(); });
    hev->onChange([this] { hev_Change(); });
    fichier->onClick([this] { fichier_Click(); });
    fichier->installEventFilter(this);
    pause0->onClick([this] { pause0_Click(); });
    pause1->onClick([this] { pause1_Click(); });
    pause2->onClick([this] { pause2_Click(); });
}

// A window created again ticks the rules the fights run under.
void Combat::Form_Load() {
    ToolWindow::Form_Load();
    showRules(shared::modeextension);
}

// The window keeps its fields: closing only hides it, and its place is written down.
void Combat::Form_Unload() {
    stopFight();
    hide();
    ToolWindow::Form_Unload();
}

void Combat::closeEvent(QCloseEvent* event) {
    event->ignore();
    runEvent([this] { Form_Unload(); });
}

bool Combat::eventFilter(QObject* watched, QEvent* event) {
    // The path may have changed since the last time: the tip is written as it shows.
    if (watched == fichier &&
        (event->type() == QEvent::ToolTip || event->type() == QEvent::MouseMove))
        runEvent([this] { fichier_MouseMove(); });
    return Form::eventFilter(watched, event);
}

void Combat::hev_Change() {
    perso().energievitale->setText(hev->text());
}

void Combat::Label4_Click() {
    Command8->setHidden(!Command8->isHidden());
}

void Combat::choisitDelai(int seconds) {
    menunon1->setChecked(seconds == 0);
    menu1sec->setChecked(seconds == 1);
    menu2sec->setChecked(seconds == 2);
    shared::delai = seconds;
    OptionButton* option = seconds == 0 ? pause0 : seconds == 1 ? pause1 : pause2;
    // Its Click comes back here once, with nothing left to change.
    if (!option->value()) option->setValue(true);
}

void Combat::showReportChoice(bool report) {
    menunon2->setChecked(!report);
    menuoui->setChecked(report);
    menuou->setEnabled(report);
}

void Combat::fichier_Click() {
    showReportChoice(fichier->value());
}

void Combat::menunon2_Click() {
    showReportChoice(false);
    fichier->setValue(false);
}

void Combat::menuoui_Click() {
    showReportChoice(true);
    fichier->setValue(true);
}

void Combat::fichier_MouseMove() {
    fichier->setToolTip(QStringLiteral(" Le chemin de sauvegarde du rapport est dans : ") +
                        cheminRapport());
}

void Combat::menuou_Click() {
    showCentredOn(chemin(), *this);
}

void Combat::showRules(bool extension) {
    menuinitiation->setChecked(!extension);
    menuextension->setChecked(extension);
    shared::modeextension = extension;
}

void Combat::menuinitiation_Click() {
    showRules(false);
}

void Combat::menuextension_Click() {
    showRules(true);
}

void initCombat() {
    Combat& c = combat();
    c.menunon1->setChecked(true);
    c.menu1sec->setChecked(false);
    c.menu2sec->setChecked(false);
    c.pause0->setValue(true);
    c.menunon2->setChecked(true);
    c.menuoui->setChecked(false);
    c.menuou->setEnabled(false);
    c.fichier->setValue(false);
    c.nt->clear();
    for (QProgressBar* bar : {c.Bar1, c.Bar2}) {
        bar->setMaximum(100);
        bar->setValue(0);
    }
}

void effaceHerosCombat() {
    Combat& c = combat();
    for (TextBox* box : {c.combatheros, c.hc, c.ha, c.hp, c.hpi1, c.hpi2, c.hpr, c.hev})
        box->clear();
}
