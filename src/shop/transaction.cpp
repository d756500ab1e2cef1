#include "shop/transaction.h"

#include "app/sheetmenus.h"
#include "catalogues/cheminsaisie.h"
#include "common/dialogplace.h"
#include "common/folderfile.h"
#include "common/nameorder.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "equipment/itemfile.h"
#include "equipment/itemlists.h"
#include "herofile/settings.h"
#include "shop/car.h"
#include "shop/detail.h"
#include "shop/haggling.h"

#include <QApplication>
#include <QPalette>

// --- ItemList --------------------------------------------------------------------------------

ItemList::ItemList(const QString& name, QWidget* parent) : QListWidget(parent) {
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_ && click_ && !selectedItems().isEmpty()) runEvent(click_);
    });
}

void ItemList::add(const QString& entry) {
    int at = count();
    while (at > 0 && nameBefore(entry, item(at - 1)->text()))
        --at;
    filling_ = true;
    insertItem(at, entry);
    filling_ = false;
}

void ItemList::clearList() {
    filling_ = true;
    clear();
    filling_ = false;
}

QString ItemList::text() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

// --- Light -----------------------------------------------------------------------------------

Light::Light(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    const int side = fontMetrics().height();
    setFixedSize(side, side);
    rest();
}

QColor Light::color() const {
    return palette().color(QPalette::Window);
}

void Light::setColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
    repaint();
}

void Light::rest() {
    setColor(QApplication::palette().color(QPalette::Button));
}

// --- Transaction -----------------------------------------------------------------------------

Transaction::Transaction()
    : ToolWindow(QStringLiteral("transaction"), QStringLiteral("Transaction")) {
    auto* central = new QWidget(this);
    auto text = [&](const char* name) { return new TextBox(QString::fromUtf8(name), central); };
    auto label = [&](const char* name, const QString& caption = QString()) {
        return new Label(QString::fromUtf8(name), caption, central);
    };
    auto button = [&](const char* name, const QString& caption) {
        return new CommandButton(QString::fromUtf8(name), caption, central);
    };

    achat = new OptionButton(QStringLiteral("achat"), QStringLiteral("Achat"), modeGroup, central);
    vente = new OptionButton(QStringLiteral("vente"), QStringLiteral("Vente"), modeGroup, central);
    achat->setChecked(true); // as the window is drawn; nothing runs yet
    for (const itemrecord::Kind& kind : itemrecord::kinds())
        choix[kind.number] = new OptionButton(QString::fromUtf8(kind.option),
                                              kind.shopOptionCaption(), kindGroup, central);
    Listeobjet = new ItemList(QStringLiteral("Listeobjet"), central);
    // The lister only serves the program; the user never sees it.
    fichier = new FileListBox(QStringLiteral("fichier"), central);
    fichier->hide();

    valeur_unite = text("valeur_unite");
    quantite = text("quantite");
    prixtotal = text("prixtotal");
    hprop = text("hprop");
    uniteprix = text("uniteprix");
    for (TextBox* box : {valeur_unite, quantite, prixtotal, hprop, uniteprix})
        box->setAlignment(Qt::AlignCenter);
    valeur_unite->setReadOnly(true);
    prixtotal->setReadOnly(true);
    quantite->setMaxLength(4);
    hprop->setMaxLength(4);
    QFont larger = hprop->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.5);
    hprop->setFont(larger);

    Label4 = label("Label4", QStringLiteral("Prix total"));
    num = label("num", QStringLiteral("0"));
    num->hide();
    vprop = label("vprop");
    reponse = label("reponse");
    vf = label("vf");
    prixnegocie = label("prixnegocie");
    c = label("c");

    infos = button("infos", QStringLiteral("Informations complémentaires"));
    caract = button("caract", QStringLiteral("Caractère du vendeur"));
    proposer = button("proposer", QStringLiteral("Proposer"));
    bouton = button("bouton", QStringLiteral("/!\\ Confirmer la transaction /!\\"));
    bouton->setEnabled(false);
    makeFamily(lights, QStringLiteral("c"),
               [&](const QString& name) { return new Light(name, central); });
    menusauve =
        new MenuEntry(QStringLiteral("menusauve"), QStringLiteral("Répertoire des objets"), this);

    setCentralWidget(central);
    arrange(central);
    connectHandlers();
}

void Transaction::connectHandlers() {
    achat->onClick([this] { achat_Click(); });
    vente->onClick([this] { vente_Click(); });
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        choix[kind]->onClick([this, kind] { choix_Click(kind); });
    Listeobjet->onClick([this] { Listeobjet_Click(); });
    quantite->onChange([this] { quantite_Change(); });
    valeur_unite->onChange([this] { valeur_unite_Change(); });
    hprop->onChange([this] { hprop_Change(); });
    caract->onClick([this] { caract_Click(); });
    infos->onClick([this] { infos_Click(); });
    Label4->onClick([this] { Label4_Click(); });
    proposer->onClick([this] { proposer_Click(); });
    bouton->onClick([this] { bouton_Click(); });
    menusauve->onClick([this] { menusauve_Click(); });
}

// The shop keeps the folder it buys from; without a folder file it keeps the one it had.
// `motif` is left to whoever is listing.
void Transaction::Form_Load() {
    ToolWindow::Form_Load();
    try {
        shared::numfichier = freeFile();
        shared::cheminobjets = folderfile::read(folderfile::objets);
        cheminsaisie().preset(shared::cheminobjets);
    } catch (const RuntimeError&) {
    }
    detail().hide();
    detail().cachedetail();
}

// Where the shop stood is kept for the next time it opens.
void Transaction::Form_Unload() {
    hide();
    ToolWindow::Form_Unload();
}

int Transaction::choixCourant() const {
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        if (choix[kind]->value()) return kind;
    return 0;
}

// Every change of mode starts afresh: nothing priced, nothing proposed, nothing to confirm.
// One possession is sold at a time: selling, the quantity is not the user's to type.
void Transaction::changeMode(bool selling) {
    for (int kind = 1; kind <= itemkinds::count; ++kind)
        choix[kind]->setEnabled(!selling);
    effacetransaction();
    Listeobjet->clearList();
    num->setCaption(QStringLiteral("0"));
    hprop->setEnabled(true);
    quantite->setReadOnly(selling);
    prixutilisable = false;
}

void Transaction::achat_Click() {
    changeMode(false);
}

void Transaction::vente_Click() {
    changeMode(true);
    listepossessions();
}

void Transaction::choix_Click(int kind) {
    shared::motif = itemrecord::kind(kind).pattern();
    effaceprix();
    bouton->setEnabled(false);
    prixutilisable = false;
    remplitboutique();
    detail().montrecadre(kind);
}

// Even when the folder file could not be read, the lister lists the shop's pattern in the
// folder it already had, never another kind's files.
void Transaction::pointeFichier() {
    rafraichlistes();
    fichier->setPattern(shared::motif);
}

void Transaction::remplitboutique() {
    pointeFichier();
    Listeobjet->clearList();
    for (const QString& name : listedItemNames())
        Listeobjet->add(name);
}

TextInput Transaction::ouvreobjet() {
    const QString wanted = Listeobjet->text();
    for (int entry = 0; entry < fichier->listCount(); ++entry) {
        const QString file = fichier->list(entry);
        shared::longnom = file.size();
        if (shared::longnom >= 4 && file.left(shared::longnom - 4) == wanted)
            return openItemFile(wanted, file.right(4));
    }
    throw RuntimeError(53);
}

void Transaction::effaceprix() {
    valeur_unite->clear();
    quantite->clear();
    prixtotal->clear();
}

void Transaction::effacetransaction() {
    effaceprix();
    hprop->clear();
    uniteprix->clear();
    vprop->setCaption(QString());
    reponse->setCaption(QString());
    bouton->setEnabled(false);
}

// The total stays in the item's own unit; coins are counted only when the deal is confirmed.
// A new quantity is a new deal to agree on.
void Transaction::quantite_Change() {
    bouton->setEnabled(false);
    valeur_unite_Change();
}

void Transaction::valeur_unite_Change() {
    if (quantite->text().isEmpty()) {
        prixtotal->clear();
        return;
    }
    const double total = quantite->value() * textnum::val(shared::prixunite);
    prixtotal->setText(textnum::fmt(total) + u' ' + shared::unitemonnaie);
}

// A proposal changed after an agreement is not what the merchant agreed to.
void Transaction::hprop_Change() {
    bouton->setEnabled(false);
    uniteprix->setText(hprop->text().isEmpty() ? QString() : shared::unitemonnaie);
}

void Transaction::caract_Click() {
    showCentredOn(car(), *this);
    hprop->setEnabled(true);
}

void Transaction::infos_Click() {
    showCentredOn(detail(), *this);
}

// The folder dialog opens without waiting; its Ok writes the items folder.
void Transaction::menusauve_Click() {
    shared::choixrepertoire = 2;
    showCentredOn(cheminsaisie(), *this);
}

void Transaction::Label4_Click() {
    num->setHidden(!num->isHidden());
}

void preparerBoutique() {
    Transaction& shop = transaction();
    shop.achat->setValue(true);
    shop.valeur_unite->clear();
    shop.num->setCaption(QStringLiteral("0"));
    shop.hprop->setEnabled(true);
    for (int light = 1; light <= 7; ++light)
        shop.lights[light]->rest();
    shop.bouton->setEnabled(false);
    car().Slider->setValue(5);
}

void sheetmenus::menutransactions_Click(Sheet from) {
    if (refusedBeforeTool(from)) return;
    lisini();
    transaction().show();
}
