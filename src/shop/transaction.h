#pragma once
// The shop: buying catalogue items and selling the hero's possessions, with haggling. Its
// file list `fichier` is the lister of item files for every window.
#include "common/controls.h"
#include "common/family.h"
#include "common/filelists.h"
#include "common/form.h"
#include "common/itemkinds.h"
#include "common/itemrecord.h"
#include "common/textfile.h"
#include "tools/toolwindow.h"

#include <QFrame>
#include <QListWidget>

// The shop's list: its entries sorted as every list of names, duplicates kept. Its Click runs
// when the user selects an entry, never when code fills or clears it.
class ItemList : public QListWidget {
    Q_OBJECT
public:
    explicit ItemList(const QString& name, QWidget* parent = nullptr);
    void add(const QString& entry);
    void clearList();
    QString text() const; // the selected entry, "" when none is
    void onClick(Handler handler) { click_ = std::move(handler); }

private:
    bool filling_ = false;
    Handler click_;
};

// One of the haggling lights: a small square of one colour.
class Light : public QFrame {
    Q_OBJECT
public:
    explicit Light(const QString& name, QWidget* parent = nullptr);
    QColor color() const;
    void setColor(const QColor& color); // repainted at once
    void rest();                        // the colour of a light that is off
};

class Transaction : public ToolWindow {
    Q_OBJECT
public:
    Transaction();
    void Form_Load() override;
    void Form_Unload() override;

    OptionGroup modeGroup;
    OptionButton *achat, *vente;
    OptionGroup kindGroup;
    std::array<OptionButton*, 13> choix{}; // arm..liv, by kind
    ItemList* Listeobjet;
    FileListBox* fichier;
    TextBox *valeur_unite, *quantite, *prixtotal, *hprop, *uniteprix;
    Label *Label4, *num, *vprop, *reponse;
    Label *vf, *prixnegocie, *c; // working values of haggling, never seen
    CommandButton *infos, *caract, *proposer, *bouton;
    Family<Light, 7> lights; // c1..c7, left to right
    MenuEntry* menusauve;

    // The deal. A usable price: the selected item's record was read whole and its price line
    // is a number. The quantity the deal's first proposal priced (q0): an agreed proposal is
    // the price of that many units.
    bool prixutilisable = false;
    double quantitenegociee = 0;
    bool transactionok = false; // no unit of the confirmation was refused for want of room

    void achat_Click();
    void vente_Click();
    void choix_Click(int kind); // arm_Click .. liv_Click
    void Listeobjet_Click();
    void quantite_Change();
    void valeur_unite_Change();
    void hprop_Change();
    void caract_Click();
    void infos_Click();
    void Label4_Click();
    void proposer_Click();
    void bouton_Click(); // confirmation.cpp
    void menusauve_Click();

    void remplitboutique();
    // Opens the file of the selected buy-mode entry; error 53 when the lister has none.
    TextInput ouvreobjet();
    void effaceprix();
    void effacetransaction();
    // The kind whose option is selected, 0 for none.
    int choixCourant() const;

private:
    void arrange(QWidget* central); // transaction_layout.cpp
    void connectHandlers();
    void changeMode(bool selling);
    void pointeFichier(); // the lister on the items folder and `motif`
    void boucle();
    void selectionAchat();
    void selectionVente();
};

inline Transaction& transaction() {
    return forms::get<Transaction>();
}

// What the hero sheet's start-up sets on the shop: buy mode, the price and the counter
// cleared, the proposal open, the lights at rest, no confirmation, a neutral merchant.
void preparerBoutique();

// The routines of sell mode's listing: every possession of the hero, in search order, added
// to the shop's list.
void listepossessions();
