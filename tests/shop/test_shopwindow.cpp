// The shop window over a catalogue: listing each kind, selecting in buy and sell mode, the
// totals, its state at start-up and after closing, and the sheets' entry that opens it.
#include "shopkit.h"

#include "catalogues/cheminsaisie.h"
#include "common/shared.h"
#include "equipment/equip.h"
#include "skills/attrib.h"

#include <QDir>

class TestShopWindow : public QObject, private ShopFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void listing_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("arm") << "arm" << QStringList{"Dague", "Epée", "Epée longue", "Hache"};
        QTest::newRow("ard") << "ard" << QStringList{"Arc, court"};
        QTest::newRow("mun") << "mun" << QStringList{"Flèches"};
        QTest::newRow("pro, upper-case extension") << "pro" << QStringList{"Bouclier"};
        QTest::newRow("hab") << "hab" << QStringList{"Cape"};
        QTest::newRow("prv") << "prv" << QStringList{"Pain"};
        QTest::newRow("pla") << "pla" << QStringList{"Mandragore"};
        QTest::newRow("pot") << "pot" << QStringList{"Philtre"};
        QTest::newRow("poi") << "poi" << QStringList{"Venin"};
        QTest::newRow("equ") << "equ" << QStringList{"Clou", "Corde", "Dague", "Hache", "Sac"};
        QTest::newRow("bij") << "bij" << QStringList{"Anneau"};
        QTest::newRow("liv") << "liv" << QStringList{"Grimoire"};
    }
    void listing() {
        QFETCH(QString, option);
        QFETCH(QStringList, listed);
        transaction().choix[kindOf(option)]->setValue(true);
        QCOMPARE(entries(), listed);
        QCOMPARE(shared::motif, itemrecord::kind(kindOf(option)).pattern());
        QCOMPARE(transaction().Listeobjet->text(), QString());
    }

    // Each kind's price, unit and weight lines, and its frame filled line by line.
    void selection_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QStringList>("boxes"); // name=text of some boxes of the frame
        QTest::newRow("short name of a longer one")
            << "arm"
            << "Epée"
            << "15 PO"
            << "80"
            << QStringList{"farmnom=Epée", "farmat=1", "farmpar=-2", "farmpi2=4", "farmup=PO"};
        QTest::newRow("comma in a name")
            << "ard"
            << "Arc, court"
            << "12 PA"
            << "30" << QStringList{"fardnom=Arc, court", "fardportee=40", "fardprix=12"};
        QTest::newRow("ammunition: the batch")
            << "mun"
            << "Flèches"
            << "5 PA"
            << "20" << QStringList{"fmunpoids=20", "fmunquantite=10"};
        QTest::newRow("protection")
            << "pro"
            << "Bouclier"
            << "20 PO"
            << "100" << QStringList{"fproprot=2", "fpromalus=1", "fpropoids=100"};
        QTest::newRow("clothing") << "hab"
                                  << "Cape"
                                  << "3 PA"
                                  << "15" << QStringList{"fhabpoids=15"};
        QTest::newRow("provisions") << "prv"
                                    << "Pain"
                                    << "2 PC"
                                    << "5" << QStringList{"fprvnom=Pain"};
        QTest::newRow("plant weighs nothing")
            << "pla"
            << "Mandragore"
            << "30 PO"
            << "0"
            << QStringList{"fplaprepa=infusion", "fplaorigine=Forêt, nord", "fplafrequence=rare"};
        QTest::newRow("potion") << "pot"
                                << "Philtre"
                                << "10 PO"
                                << "3"
                                << QStringList{"fpoteffets=soigne", "fpotsymptomes=aucun",
                                               "fpotpoids=3"};
        QTest::newRow("poison") << "poi"
                                << "Venin"
                                << "50 PO"
                                << "1" << QStringList{"fpoiduree="};
        QTest::newRow("empty unit") << "equ"
                                    << "Corde"
                                    << "1 "
                                    << "10" << QStringList{"fequup="};
        QTest::newRow("comma in a description") << "bij"
                                                << "Anneau"
                                                << "90 PO"
                                                << "1" << QStringList{"fbijdescription=Or, rubis"};
        QTest::newRow("quotes") << "liv"
                                << "Grimoire"
                                << "70 PO"
                                << "12" << QStringList{"flivdescription=Sorts \"anciens\", reliés"};
    }
    void selection() {
        QFETCH(QString, option);
        QFETCH(QString, entry);
        QFETCH(QString, price);
        QFETCH(QString, weight);
        QFETCH(QStringList, boxes);
        buy(option, entry);
        QCOMPARE(transaction().valeur_unite->text(), price);
        QCOMPARE(shared::poidsunite, weight);
        QVERIFY(transaction().prixutilisable);
        const int kind = kindOf(option);
        for (int other = 1; other <= itemkinds::count; ++other)
            QCOMPARE(detail().cadres[other]->isVisibleTo(&detail()), other == kind);
        QCOMPARE(detail().texte(kind, 1), entry);
        for (const QString& box : boxes)
            QCOMPARE(boxText(box.section('=', 0, 0)), box.section('=', 1));
        QVERIFY(!detail().isVisible());
        QCOMPARE(messages().count(), 0);
    }

    // A record that cannot be read changes nothing and leaves no price.
    void damagedSelection_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("short file") << "arm"
                                    << "Hache"
                                    << "8 PO"
                                    << "Dague" << QStringList{incorrect};
        QTest::newRow("price no number") << "equ"
                                         << "Clou"
                                         << "0.1 PO"
                                         << "Sac" << QStringList{incorrect};
        QTest::newRow("file gone since listed") << "equ"
                                                << "Clou"
                                                << "0.1 PO"
                                                << "Hache" << QStringList{};
    }
    void damagedSelection() {
        QFETCH(QString, option);
        QFETCH(QString, before);
        QFETCH(QString, price);
        QFETCH(QString, entry);
        QFETCH(QStringList, shown);
        buy(option, before);
        QFile::remove(drive->itemFolder() + "/Hache.equ");
        select(entry);
        QCOMPARE(messages().texts(), shown);
        QCOMPARE(transaction().valeur_unite->text(), price);
        QCOMPARE(detail().texte(kindOf(option), 1), before);
        QVERIFY(!transaction().prixutilisable);
    }

    // The kind comes from the shop's own option, whatever another window left in `motif`.
    void staleSharedPattern() {
        transaction().choix[kindOf("arm")]->setValue(true);
        shared::motif = QStringLiteral("*.equ");
        select("Hache");
        QCOMPARE(transaction().valeur_unite->text(), QStringLiteral("8 PO"));
        QCOMPARE(shared::motif, QStringLiteral("*.arm"));
    }

    void sale_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("kind"); // 0: none shown
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("melee before equipment") << "Hache" << 1 << QStringList{};
        QTest::newRow("plant after six kinds") << "Mandragore" << 7 << QStringList{};
        QTest::newRow("provisions") << "Pain" << 6 << QStringList{};
        QTest::newRow("damaged first kind, no second read")
            << "Dague" << 0 << QStringList{incorrect};
        QTest::newRow("no file") << "Inconnu" << 0 << QStringList{inexistant};
    }
    void sale() {
        QFETCH(QString, entry);
        QFETCH(int, kind);
        QFETCH(QStringList, shown);
        perso().melee[2]->setText("Hache");
        perso().distance[1]->setText("Arc, court");
        perso().munition[2]->setText("Flèches");
        perso().protection[3]->setText("Bouclier");
        equip().vetement[16]->setText("Pain");
        equip().equip[24]->setText("Mandragore");
        equip().equip[3]->setText("Dague");
        equip().equip[4]->setText("Inconnu");
        equip().equip[5]->setText("Hache");
        transaction().vente->setValue(true);
        QCOMPARE(entries(), (QStringList{"Arc, court", "Bouclier", "Dague", "Flèches", "Hache",
                                         "Hache", "Inconnu", "Mandragore", "Pain"}));
        QVERIFY(transaction().quantite->isReadOnly());
        messages().clear();
        select(entry);
        QCOMPARE(messages().texts(), shown);
        QCOMPARE(messages().count() ? messages().last().title : programTitle, programTitle);
        QCOMPARE(transaction().prixutilisable, kind != 0);
        QCOMPARE(transaction().quantite->text(), kind ? "1" : "");
        if (kind) QVERIFY(detail().cadres[kind]->isVisibleTo(&detail()));
        if (kind) QCOMPARE(transaction().prixtotal->text(), transaction().valeur_unite->text());
    }

    void totals_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("total");
        QTest::newRow("in the item's unit") << "Hache"
                                            << "3"
                                            << "6 PA";
        QTest::newRow("decimals written plainly") << "Clou"
                                                  << "3"
                                                  << "0.3 PO";
        QTest::newRow("not a number") << "Clou"
                                      << "abc"
                                      << "0 PO";
        QTest::newRow("cleared") << "Clou"
                                 << ""
                                 << "";
    }
    void totals() {
        QFETCH(QString, entry);
        QFETCH(QString, quantity);
        QFETCH(QString, total);
        buy("equ", entry);
        QCOMPARE(transaction().quantite->text(), QString());
        transaction().quantite->setText("7");
        transaction().quantite->setText(quantity);
        QCOMPARE(transaction().prixtotal->text(), total);
    }

    // As the hero sheet leaves it, and as a closed shop comes back.
    void startupAndReopen() {
        for (int round = 0; round < 2; ++round) {
            Transaction& shop = transaction();
            QVERIFY(shop.achat->value() && !shop.vente->value());
            QCOMPARE(shop.num->caption(), QStringLiteral("0"));
            QVERIFY(shop.hprop->isEnabled() && !shop.bouton->isEnabled());
            QVERIFY(shop.valeur_unite->text().isEmpty() && shop.Listeobjet->count() == 0);
            for (int light = 1; light <= 7; ++light)
                QCOMPARE(shop.lights[light]->color(), qApp->palette().color(QPalette::Button));
            QCOMPARE(car().Slider->value(), 5);
            QVERIFY(!shop.prixutilisable);
            buy("pot", "Philtre");
            shop.moveTwips(1500, 3000);
            shop.close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        const QStringList lines = QString::fromLatin1(drive->read("ambrefer.ini")).split("\r\n");
        QCOMPARE(lines.mid(9, 2), (QStringList{"3000", "1500"}));
    }

    // The shop's load points the folder dialog at the items folder; its menu opens it.
    void folderDialog() {
        QDir().mkpath(drive->root() + "/autres");
        drive->write("objets.ini", "C:\\autres\\\r\n");
        transaction().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        transaction().menusauve->trigger();
        QVERIFY(cheminsaisie().isVisible());
        QCOMPARE(cheminsaisie().cheminfichiersaisie->caption(), QStringLiteral("C:\\autres\\"));
        QCOMPARE(shared::choixrepertoire, 2);
    }

    void menuEntry_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("devotion");
        QTest::addColumn<bool>("opens");
        QTest::newRow("hero sheet, priest without deity") << "perso" << false << false;
        QTest::newRow("hero sheet, priest with deity") << "perso" << true << true;
        QTest::newRow("skills sheet never checks") << "attrib" << false << true;
        QTest::newRow("equipment sheet never checks") << "equip" << false << true;
    }
    void menuEntry() {
        QFETCH(QString, sheet);
        QFETCH(bool, devotion);
        QFETCH(bool, opens);
        perso().pretre->setValue(true);
        if (devotion) perso().devotion->setCurrentIndex(1);
        messages().clear();
        QMainWindow& from = sheet == "attrib"  ? static_cast<QMainWindow&>(attrib())
                            : sheet == "equip" ? static_cast<QMainWindow&>(equip())
                                               : static_cast<QMainWindow&>(perso());
        from.findChild<MenuEntry*>("menutransactions")->trigger();
        QCOMPARE(transaction().isVisible(), opens);
        QCOMPARE(messages().texts(),
                 opens ? QStringList{} : QStringList{"Un prêtre doit choisir une dévotion."});
        if (!opens) QCOMPARE(messages().last().title, QString());
    }
};

QTEST_MAIN(TestShopWindow)
#include "test_shopwindow.moc"
