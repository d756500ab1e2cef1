#pragma once
#include "common/controls.h"
#include "common/filelists.h"
#include "tools/toolwindow.h"

#include <QMenu>
#include <QProgressBar>

// The combat window: the hero, copied from the sheets, against an adversary typed in, rolled or
// read from the monster folder, with the rules, the delay between steps and the written report.
// Closing it keeps it: it is hidden with its fields, never discarded.
class Combat : public ToolWindow {
    Q_OBJECT
public:
    Combat();
    void Form_Load() override;
    void Form_Unload() override;

    // The hero's side
    TextBox *combatheros, *hc, *ha, *hp, *hpi1, *hpi2, *hpr, *hev;
    // The adversary's side; `combatpnj` lists the monsters of the monster folder
    ComboBox* combatpnj;
    TextBox *acm, *ac, *aa, *ap, *api1, *api2, *apr, *aev;
    TextBox* nt;
    Label *rheros, *radv;
    QProgressBar *Bar1, *Bar2;
    OptionGroup pauseGroup;
    OptionButton *pause0, *pause1, *pause2;
    CheckBox* fichier;
    FileListBox* fichiers; // the monster folder, never shown
    CommandButton *Command2, *arret, *Command7, *Command8;
    Label* Label4;

    QMenu *menuregles, *menutimer, *menufichier;
    MenuEntry *menuinitiation, *menuextension;
    MenuEntry *menunon1, *menu1sec, *menu2sec;
    MenuEntry *menunon2, *menuoui, *menuou;

    void combatpnj_Click();
    void Command2_Click(); // the fight, combat_fight.cpp
    void arret_Click();
    // "Pause" back on the button, out of reach until the next fight.
    void closePause();
    void Command7_Click();
    void Command8_Click();
    void Label4_Click();
    void hev_Change();
    void fichier_Click();
    void fichier_MouseMove();
    void menunon2_Click();
    void menuoui_Click();
    void menuou_Click();
    void menuinitiation_Click();
    void menuextension_Click();
    void menunon1_Click() { choisitDelai(0); }
    void menu1sec_Click() { choisitDelai(1); }
    void menu2sec_Click() { choisitDelai(2); }
    void pause0_Click() { choisitDelai(0); }
    void pause1_Click() { choisitDelai(1); }
    void pause2_Click() { choisitDelai(2); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopFight();   // a fight running when the window closes goes no further
    void buildLayout(); // combat_layout.cpp
    void buildMenus();
    void wireHandlers();
    // The "Timer" menu, the delay options and `delai` always tell the same delay.
    void choisitDelai(int seconds);
    // The "Fichier" menu follows the report box.
    void showReportChoice(bool report);
    void showRules(bool extension);
};

inline Combat& combat() {
    return forms::get<Combat>();
}

// The combat window's state as the hero sheet's start-up leaves it.
void initCombat();
// Empties the combat's hero side, with the hero cleared from the sheets.
void effaceHerosCombat();
