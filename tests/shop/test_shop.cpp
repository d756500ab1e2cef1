// The shop over a catalogue of every kind on the test's drive C: (the awkward entries a user's
// folder may hold, files in Windows-1252), with a clock that waits at once: listing each kind,
// selecting in buy and sell mode, the totals, haggling and what may still be confirmed, the
// dialogs' close boxes, the shop at start-up and after closing, its folder dialog.
#include "equipment/catalogue.h"

#include "catalogues/cheminsaisie.h"
#include "common/clock.h"
#include "common/cp1252.h"
#include "common/itemframe.h"
#include "common/shared.h"
#include "shop/car.h"
#include "shop/detail.h"
#include "shop/transaction.h"

#include <QDir>

// Beside the sheets' catalogue: accented names in Windows-1252, the start of a longer name, a
// price that is no number, a price without a unit.
const char* const shopItems[] = {"Epée.arm|Epée|1|-2|3|1|4|80|15|PO", "Dague.equ|Dague|1|2|PA",
                                 "Sac.equ|Sac|2|beaucoup|PA", "Clou.equ|Clou|0|0.1|PO",
                                 "Ficelle.equ|Ficelle|1|1|"};

const QString incorrect = QStringLiteral("Objet incorrect dans le répertoire des Objet.\r\n"
                                         "Veuillez utiliser 'Saisie' !");
const QString inexistant = QStringLiteral("Objet inexistant dans le répertoire des Objet.\r\n"
                                          "Veuillez préciser l'endroit du répertoire\r\n"
                                          "Veuillez utiliser 'Saisie' !");

int kindOf(const QString& option) {
    for (const itemrecord::Kind& kind : itemrecord::kinds())
        if (option == QLatin1String(kind.option)) return kind.number;
    qFatal("no kind %s", qPrintable(option));
}

// The user picks an entry of the list, or first a kind and then the entry.
void select(const QString& entry) {
    ItemList& list = *transaction().Listeobjet;
    const auto found = list.findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) qFatal("%s is not listed", qPrintable(entry));
    list.setCurrentItem(found.first());
}
void buy(const QString& option, const QString& entry) {
    transaction().choix[kindOf(option)]->setValue(true);
    select(entry);
}

QString entries() {
    QStringList shown;
    for (int i = 0; i < transaction().Listeobjet->count(); ++i)
        shown << transaction().Listeobjet->item(i)->text();
    return shown.join(u'|');
}

// Data-driven tests over a table of rows: each row named by its first member, the test
// function reading the row of the current case.
template <class Row, std::size_t N> void rowsData(const Row (&rows)[N]) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(rows[i].name) << static_cast<int>(i);
}
template <class Row, std::size_t N> const Row& currentRow(const Row (&rows)[N]) {
    QFETCH(int, row);
    return rows[row];
}

QString boxText(const QString& name) {
    return lineText(detail().findChild<QWidget*>(name));
}

namespace {

// What each kind lists, kinds 1 to 12 (not the folder named like a weapon).
const QStringList listings =
    QString("Dague|Epée|Epée longue|Hache;Arc, court;Carreaux|Flèches;Bouclier;Cape|Chapeau;Pain;"
            "Mandragore;Fiole... vide|Philtre;Venin;Clou|Corde|Dague|Ficelle|Hache|Lance|Sac;"
            "Anneau;Grimoire")
        .split(u';');

// Each kind's price, unit and weight lines, and some boxes of its frame ("name=text").
struct Selection {
    const char *option, *name, *price, *weight, *boxes;
} const selections[] = {
    {"arm", "Epée", "15 PO", "80", "farmnom=Epée|farmat=1|farmpar=-2|farmpi2=4|farmup=PO"},
    {"ard", "Arc, court", "12 PO", "30", "fardnom=Arc, court|fardportee=40|fardprix=12"},
    {"mun", "Flèches", "5 PA", "20", "fmunpoids=20|fmunquantite=10"},
    {"pro", "Bouclier", "20 PO", "100", "fproprot=2|fpromalus=1|fpropoids=100"},
    {"hab", "Cape", "3 PA", "15", "fhabpoids=15"},
    {"prv", "Pain", "2 PC", "5", "fprvnom=Pain"},
    {"pla", "Mandragore", "30 PO", "0", "fplapartie=racine|fplaprepa=|fplafrequence="},
    {"pot", "Philtre", "10 PO", "3", "fpoteffets=soigne|fpotsymptomes=|fpotpoids=3"},
    {"poi", "Venin", "50 PO", "1", "fpoiduree=|fpoipoids=1"},
    {"equ", "Ficelle", "1 ", "1", "fequup="},
    {"bij", "Anneau", "90 PO", "1", "fbijdescription=Or, rubis"},
    {"liv", "Grimoire", "70 PO", "12", "flivdescription=Sorts \"anciens\""}};

// A record that cannot be read after one that could.
struct Damaged {
    const char *name, *option, *before, *price, *entry;
    bool reported;
} const damaged[] = {{"short file", "arm", "Hache", "8 PO", "Dague", true},
                     {"price no number", "equ", "Clou", "0.1 PO", "Sac", true},
                     {"file gone", "equ", "Clou", "0.1 PO", "Hache", false}};

struct Sale {
    const char* name;
    int kind; // 0: nothing shown
    const QString& shown;
} const sales[] = {{"Hache", 1, {}},
                   {"Mandragore", 7, {}},
                   {"Pain", 6, {}},
                   {"Dague", 0, incorrect},
                   {"Inconnu", 0, inexistant}};

struct Total {
    const char *name, *entry, *quantity, *total;
} const totalRows[] = {{"in the item's unit", "Hache", "3", "6 PA"},
                       {"decimals written plainly", "Clou", "3", "0.3 PO"},
                       {"not a number", "Clou", "abc", "0 PO"},
                       {"cleared", "Clou", "", ""}};

QString lightsNow() {
    QString shown;
    for (int light = 1; light <= 7; ++light) {
        const QColor color = transaction().lights[light]->color();
        shown += color == QColor(255, 0, 0) ? u'R' : color == QColor(0, 255, 0) ? u'G' : u'-';
    }
    return shown;
}

void propose(const QString& quantity, const QString& proposal) {
    transaction().quantite->setText(quantity);
    transaction().hprop->setText(proposal);
    transaction().proposer->click();
}

// Proposals, each "quantity proposal answer"; "car N" moves the merchant's character unconfirmed.
struct Verdicts {
    const char* name;
    bool selling;
    const char *proposals, *vprop;
} const verdictRows[] = {
    {"buying", false, "2 21 Pas assez !|2 21.45  D'accord !", "22"},
    {"same quantity, first terms", false, "2 21 Pas assez !|car 0|2 20 Pas assez !", ""},
    {"nothing priced, then five", false, "0 0  D'accord !|5 0 Pas assez !", ""},
    {"quantity not a number", false, "abc 0  D'accord !", "0"},
    {"selling", true, "1 9.3 Trop cher !|1 9.225  D'accord !", "9"}};

// Nothing is weighed, no light turns and the deal is not counted.
const QString both = QStringLiteral("Renseignez une quantité et faites une proposition !");
struct Missing {
    const char *name, *entry, *quantity, *proposal;
    const QString message;
} const missing[] = {{"both", "Philtre", "", "", both},
                     {"no quantity", "Philtre", "", "5", "Renseignez une quantité !"},
                     {"no proposal", "Philtre", "2", "", "Faites une proposition !"},
                     {"negative proposal", "Philtre", "2", "-5", "Faites une proposition !"},
                     {"negative, no quantity", "Philtre", "", "-1", both},
                     {"no item", "", "2", "5", "Choisissez un objet dans la liste !"},
                     {"unknown unit", "Ficelle", "2", "5", "Unité de prix inconnue !"}};

// An agreement stands only until something touches the deal.
struct Event {
    const char* name;
    void (*touch)();
    bool stands;
} const events[] = {
    {"another entry", [] { select("Epée"); }, false},
    {"failed entry", [] { select("Dague"); }, false},
    {"kind", [] { transaction().choix[kindOf("pot")]->setValue(true); }, false},
    {"sale mode", [] { transaction().vente->setValue(true); }, false},
    {"car ok", [] { car().ok->click(); }, false},
    {"refused", [] { propose("1", "1"); }, false},
    {"quantity", [] { transaction().quantite->setText("2"); }, false},
    {"proposal", [] { transaction().hprop->setText("90"); }, false},
    {"agreed again", [] { propose("1", "10"); }, true},
    {"total caption", [] { QTest::mouseClick(transaction().Label4, Qt::LeftButton); }, true},
    {"details", [] { transaction().infos->click(); }, true}};

} // namespace

// A new drive, catalogue and started program for each test function.
class TestShop : public QObject, private CatalogueFixture {
    Q_OBJECT
    QList<double> waits;
    QStringList seen; // the lights at each wait

private slots:
    void init() {
        start();
        for (const char* file : shopItems) {
            QStringList lines = QString::fromUtf8(file).split(u'|');
            const QString name = lines.takeFirst();
            drive->write("objets/" + name, cp1252::encode(lines.join("\r\n") + "\r\n"));
        }
        appclock::setSpinWait([this](double seconds) {
            waits << seconds;
            seen << lightsNow();
        });
    }
    void cleanup() {
        stop();
        waits.clear();
        seen.clear();
    }

    void listing_data() {
        QTest::addColumn<int>("kind");
        for (const itemrecord::Kind& kind : itemrecord::kinds())
            QTest::newRow(kind.option) << kind.number;
    }
    void listing() {
        QFETCH(int, kind);
        transaction().choix[kind]->setValue(true);
        QCOMPARE(entries(), listings[kind - 1]);
        QCOMPARE(shared::motif, itemrecord::kind(kind).pattern());
        QCOMPARE(transaction().Listeobjet->text(), QString());
    }

    void selection_data() { rowsData(selections); }
    void selection() {
        const Selection& row = currentRow(selections);
        buy(row.option, row.name);
        QCOMPARE(transaction().valeur_unite->text(), row.price);
        QCOMPARE(shared::poidsunite, row.weight);
        QVERIFY(transaction().prixutilisable);
        for (int kind = 1; kind <= 12; ++kind)
            QCOMPARE(detail().cadres[kind]->isVisibleTo(&detail()), kind == kindOf(row.option));
        for (const QString& box : QString::fromUtf8(row.boxes).split(u'|'))
            QCOMPARE(boxText(box.section('=', 0, 0)), box.section('=', 1));
        QCOMPARE(messages().count(), 0);
    }

    // Nothing changes and no price is left; the kind stays the shop's own, whatever another
    // window left in the shared pattern.
    void damagedSelection_data() { rowsData(damaged); }
    void damagedSelection() {
        const Damaged& row = currentRow(damaged);
        buy(row.option, row.before);
        QFile::remove(drive->itemFolder() + "/Hache.equ");
        select(row.entry);
        QCOMPARE(messages().texts(), row.reported ? QStringList{incorrect} : QStringList{});
        QCOMPARE(transaction().valeur_unite->text(), row.price);
        QCOMPARE(detail().texte(kindOf(row.option), 1), row.before);
        QVERIFY(!transaction().prixutilisable);
        shared::motif = QStringLiteral("*.pot");
        select(row.before);
        QCOMPARE(transaction().valeur_unite->text(), row.price);
    }

    // Without its folder file the shop still looks among its kind's files only.
    void selectionWithoutFolderFile() {
        buy("equ", "Corde");
        QFile::remove(drive->root() + "/objets.ini");
        transaction().fichier->setPattern(QStringLiteral("*.*")); // "Hache.arm" comes first
        select("Hache");
        QCOMPARE(transaction().valeur_unite->text(), QStringLiteral("2 PA"));
        QCOMPARE(messages().count(), 1);
    }

    void sale_data() { rowsData(sales); }
    void sale() {
        const Sale& row = currentRow(sales);
        const std::pair<ComboBox*, const char*> held[] = {
            {perso().melee[2], "Hache"},      {perso().distance[1], "Arc, court"},
            {perso().munition[2], "Flèches"}, {perso().protection[3], "Bouclier"},
            {equip().vetement[16], "Pain"},   {equip().equip[24], "Mandragore"},
            {equip().equip[3], "Dague"},      {equip().equip[4], "Inconnu"},
            {equip().equip[5], "Hache"}};
        for (const auto& [slot, name] : held)
            slot->setText(name);
        transaction().vente->setValue(true);
        QCOMPARE(entries(),
                 "Arc, court|Bouclier|Dague|Flèches|Hache|Hache|Inconnu|Mandragore|Pain");
        QVERIFY(transaction().quantite->isReadOnly());
        select("Hache"); // a priced possession first: what fails after it is priced at nothing
        messages().clear();
        select(row.name);
        QCOMPARE(messages().texts().join(""), row.shown);
        QCOMPARE(transaction().prixutilisable, row.kind != 0);
        QCOMPARE(transaction().quantite->text(), "1");
        QCOMPARE(transaction().prixtotal->text().isEmpty(), !row.kind);
        if (!row.kind) return;
        QVERIFY(detail().cadres[row.kind]->isVisibleTo(&detail()));
        QCOMPARE(transaction().prixtotal->text(), transaction().valeur_unite->text());
    }

    void totals_data() { rowsData(totalRows); }
    void totals() {
        const Total& row = currentRow(totalRows);
        buy("equ", row.entry);
        transaction().quantite->setText("7");
        transaction().quantite->setText(row.quantity);
        QCOMPARE(transaction().prixtotal->text(), row.total);
    }

    // As the hero sheet leaves it, and as a closed shop comes back, where it was left.
    void startupAndReopen() {
        for (int round = 0; round < 2; ++round) {
            Transaction& shop = transaction();
            QVERIFY(shop.achat->value() && !shop.vente->value() && !shop.prixutilisable);
            QCOMPARE(shop.num->caption(), QStringLiteral("0"));
            QVERIFY(shop.hprop->isEnabled() && !shop.bouton->isEnabled());
            QVERIFY(shop.valeur_unite->text().isEmpty() && shop.Listeobjet->count() == 0);
            for (int light = 1; light <= 7; ++light)
                QCOMPARE(shop.lights[light]->color(), qApp->palette().color(QPalette::Button));
            QCOMPARE(car().Slider->value(), 5);
            QVERIFY(shop.frameGeometry().height() < 690);
            buy("pot", "Philtre");
            shop.moveTwips(1500, 3000);
            shop.close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const QStringList lines = QString::fromLatin1(drive->read("ambrefer.ini")).split("\r\n");
        QCOMPARE(lines.mid(9, 2), (QStringList{"3000", "1500"}));
        // Its load points the folder dialog at the items folder; its menu opens the dialog.
        QDir().mkpath(drive->root() + "/autres");
        drive->write("objets.ini", "C:\\autres\\\r\n");
        transaction().menusauve->trigger();
        QVERIFY(cheminsaisie().isVisible());
        QCOMPARE(cheminsaisie().cheminfichiersaisie->caption(), QStringLiteral("C:\\autres\\"));
        QCOMPARE(shared::choixrepertoire, 2);
    }

    void lights() {
        buy("pot", "Philtre");
        // A proposal for another quantity is weighed as a first one.
        for (const auto& [quantity, interval] : {std::pair("2", 0.7), {"2", 0.1}, {"3", 0.7}}) {
            waits.clear();
            seen.clear();
            propose(quantity, "1");
            QCOMPARE(waits, QList<double>(8, interval));
            QCOMPARE(seen.join(' '),
                     "RRRRRRR GRRRRRR GGRRRRR GGGRRRR GGGGRRR GGGGGRR GGGGGGR GGGGGGG");
            QCOMPARE(lightsNow(), QStringLiteral("-------"));
        }
        QCOMPARE(transaction().num->caption(), QStringLiteral("1"));
    }

    void verdicts_data() { rowsData(verdictRows); }
    void verdicts() {
        const Verdicts& row = currentRow(verdictRows);
        if (row.selling) {
            equip().equip[2]->setText("Philtre");
            transaction().vente->setValue(true);
            select("Philtre");
        } else {
            buy("pot", "Philtre");
        }
        for (const QString& step : QString::fromUtf8(row.proposals).split(u'|')) {
            if (step.startsWith("car ")) {
                car().Slider->setValue(step.mid(4).toInt());
                continue;
            }
            propose(step.section(' ', 0, 0), step.section(' ', 1, 1));
            QCOMPARE(transaction().reponse->caption(), step.section(' ', 2));
            QCOMPARE(transaction().bouton->isEnabled(), step.endsWith("D'accord !"));
        }
        QCOMPARE(transaction().vprop->caption(), row.vprop);
        QCOMPARE(transaction().c->caption(), QStringLiteral("0.1"));
        QCOMPARE(messages().count(), 0);
    }

    void missingInputs_data() { rowsData(missing); }
    void missingInputs() {
        const Missing& row = currentRow(missing);
        const bool rope = row.entry == QLatin1String("Ficelle");
        if (*row.entry) buy(rope ? "equ" : "pot", row.entry);
        propose(row.quantity, row.proposal);
        QCOMPARE(messages().texts(), QStringList{row.message});
        QCOMPARE(messages().last().title, QString());
        QCOMPARE(messages().last().icon, rope ? MsgIcon::Exclamation : MsgIcon::None);
        QVERIFY(waits.isEmpty());
        QCOMPARE(transaction().num->caption(), QStringLiteral("0"));
    }

    void confirmation_data() { rowsData(events); }
    void confirmation() {
        const Event& row = currentRow(events);
        buy("arm", "Hache");
        propose("1", "9");
        QVERIFY(transaction().bouton->isEnabled());
        row.touch();
        QCOMPARE(transaction().bouton->isEnabled(), row.stands);
    }

    void dialogsCloseBoxes() {
        // The merchant keeps his character; closing his dialog starts a new deal.
        buy("pot", "Philtre");
        transaction().caract->click();
        car().Slider->setValue(8);
        propose("1", "1");
        car().close();
        QVERIFY(forms::isLoaded<Car>() && !car().isVisible());
        QCOMPARE(car().Slider->value(), 8);
        QCOMPARE(transaction().num->caption(), QStringLiteral("0"));

        // The detail window keeps its record, and its height follows its frame.
        const int tall = detail().height();
        buy("arm", "Epée");
        const int low = detail().height();
        QVERIFY(low < tall);
        transaction().infos->click();
        detail().close();
        QVERIFY(forms::isLoaded<Detail>() && !detail().isVisible());
        transaction().infos->click();
        QVERIFY(detail().isVisible() && detail().cadres[1]->isVisible());
        QCOMPARE(boxText("farmnom"), QStringLiteral("Epée"));
        transaction().choix[kindOf("poi")]->setValue(true);
        QCOMPARE(detail().height(), tall);
        transaction().choix[kindOf("liv")]->setValue(true);
        QCOMPARE(detail().height(), low);
        QVERIFY(detail().ok->height() >= detail().cadres[12]->height());
    }
};

QTEST_MAIN(TestShop)
#include "test_shop.moc"
