// Confirming agreed deals through the shop, over a catalogue on the test's drive C: and a
// merchant who asks his list price, with a clock that waits at once: where bought units land,
// the load limit, the purse unit by unit, item files gone at confirmation, sales, and the
// removal of a sold possession from each kind of slot group.
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/clock.h"
#include "common/cp1252.h"
#include "common/itemframe.h"
#include "equipment/sheetkit.h"
#include "hero/poidstotal.h"
#include "shop/car.h"
#include "shop/detail.h"
#include "shop/possessionslots.h"
#include "shop/transaction.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <optional>

namespace {

const char* const catalogue[] = {
    "Epée.arm|Epée|1|-2|3|1|4|3.5|15|PO",
    "Hache.arm|Hache|0|0|2|1|3|60|8|PO",
    "Arc.ard|Arc|1|3|40|30|12|PA",
    "Flèches.mun|Flèches|20|10|5|PA",
    "Bouclier.pro|Bouclier|2|1|100|20|PO",
    "Pain.prv|Pain|5|2|PC",
    "Mandragore.pla|Mandragore|racine|infusion|Forêt|sommeil|rare|30|PO"};

// deal: the kind option (or "vente"), the entry, the quantity, the proposal, the purse, the load
// limit ("-": no hero, "=": the hero's present weight). held: boxes filled first, a slot's name
// and its companions in write order ("melee2=Hache,0,,,1,,60"); "equip1-23" names those lines
// "X". change: after the agreement, boxes of the sheets or the detail window, or "/file=lines"
// rewriting an item file ("/file" removes it). expected: boxes or slots as held gives them,
// "purse" on both sheets, the shop's "list"; said: the messages.
struct Deal {
    const char *name, *deal, *held, *change, *expected, *said;
};

const Deal placings[] = {
    {"melee slot", "arm Epée 1 15 100,0,0,0 1e3", "", "", "melee1=Epée,1,-2,3,1,4,3.5", "done"},
    {"slots full: first free line", "arm Epée 1 15 100,0,0,0 1e3", "melee1-3|equip1=X", "",
     "equip2=Epée,4", "done"},
    {"ranged slot", "ard Arc 1 12 100,0,0,0 1e3", "distance1=X", "", "distance2=Arc,1,3,40,30",
     "done"},
    {"ammunition slot", "mun Flèches 1 5 100,0,0,0 1e3", "", "", "munition1=Flèches,,,20", "done"},
    {"protection carried", "pro Bouclier 1 20 100,0,0,0 1e3", "", "",
     "equip1=Bouclier,100|protection1=,,,|purse=80,0,0,0", "done"},
    {"plant", "pla Mandragore 1 30 100,0,0,0 1e3", "", "", "equip1=Mandragore,0", "done"}};

// Ten gold weigh 10; paying 2 cuivre breaks them into 9, 9, 9, 8, which weigh 12.
const Deal limits[] = {
    {"equal accepted", "prv Pain 1 2 10,0,0,0 17", "", "",
     "equip1=Pain,5|poidstransporte=17|purse=9,9,9,8", "done"},
    {"one more refused", "prv Pain 1 2 10,0,0,0 16", "", "",
     "equip1=,|poidstransporte=10|purse=10,0,0,0", "heavy"},
    {"no hero", "prv Pain 1 2 10,0,0,0 -", "", "", "equip1=,|purse=10,0,0,0", "heavy"}};

const Deal payments[] = {
    {"money out, first units pay more", "prv Pain 3 7 ,,,6 1e3", "", "",
     "equip2=Pain,5|equip3=,|purse=0,0,0,1", "poor"},
    {"nothing to buy", "prv Pain 0 0 0,0,0,5 1e3", "", "", "equip1=,|purse=0,0,0,5", "done"},
    {"beyond the box", "prv Pain 10000 20000 100,0,0,0 1e3", "", "", "equip1=,", "poor"},
    {"no room", "prv Pain 3 6 0,0,0,10 1e3", "equip1-23", "", "equip24=Pain,5|purse=0,0,0,8",
     "full full"},
    {"a debt counts", "mun Flèches 1 8 1,-5,0,0 1e3", "", "", "purse=1,-5,0,0", "poor"},
    {"a decimal fraction stays", "prv Pain 1 2 1,0,0,0.1 1e3", "", "", "purse=0,9,9,8.1", "done"},
    // 2.7 for 0.6 of a loaf: the loaf owes 4.5 cuivre, half to even.
    {"a fractional quantity's share", "prv Pain 0.6 2.7 1,0,0,0 1e3", "", "", "purse=0,9,9,6",
     "done"},
    // Counts kept to the coin, however many digits they hold; none paid or credited past 2^53.
    {"bought, sixteen digits", "prv Pain 1 2 ,,,5000000000000005 1e18", "", "",
     "equip1=Pain,5|purse=0,0,0,5000000000000003", "done"},
    {"bought, beyond", "prv Pain 1 2 10000000000000000,0,0,5 1e18", "", "",
     "purse=10000000000000000,0,0,5", "poor"},
    {"sold up to 2^53", "vente Arc 1 12 ,9007199254740980,,5 1e18", "distance1=Arc", "",
     "purse=0,9007199254740992,0,5", "done"},
    {"sold, beyond", "vente Arc 1 12 ,9007199254740990,, 1e18", "distance1=Arc", "",
     "distance1=Arc,,,,|purse=,9007199254740990,,", "poor"}};

const Deal itemFiles[] = {
    {"file gone", "arm Epée 1 15 9,0,0,0 1e3", "", "/Epée.arm", "melee1=,,,,,,|purse=9,0,0,0",
     "missing"},
    {"short file", "arm Epée 1 15 9,0,0,0 1e3", "", "/Epée.arm=Epée", "purse=9,0,0,0", "incorrect"},
    {"no name to place", "prv Pain 1 2 1,0,0,0 1e3", "", "fprvnom=", "equip1=,|purse=1,0,0,0",
     "missing"}};

const Deal sales[] = {{"credit in whole coins", "vente Arc 1 10.5 1,2,3,4 1e3",
                       "distance1=Arc,,,,30", "", "distance1=,,,,|list=|purse=1,12,8,4", "done"},
                      {"credited to a decimal fraction", "vente Arc 1 12 0,0.1,0,0 1e3",
                       "distance1=Arc", "", "distance1=,,,,|purse=0,12.1,0,0", "done"},
                      {"relisted, first in search order", "vente Hache 1 8 ,,, 1e3",
                       "melee1=Hache|melee2=Epée|equip3=Hache", "",
                       "melee1=Epée,,,,,,|equip3=Hache,|list=Epée,Hache", "done"},
                      {"nothing matched", "vente Pain 1 2 0,0,0,0 1e3", "equip1=Pain",
                       "equip1=", "list=|purse=0,0,0,0", ""},
                      {"heavier at the limit", "vente Mandragore 1 1 0,0,0,0 0",
                       "equip1=Mandragore,0", "", "equip1=Mandragore,0|purse=0,0,0,0", "charge"},
                      {"lighter, still over", "vente Hache 1 8 0,0,0,0 5", "melee1=Hache,,,,,,60",
                       "", "melee1=,,,,,,|poidstransporte=8|purse=8,0,0,0", "done"},
                      {"no hero", "vente Mandragore 1 1 0,0,0,0 -", "equip1=Mandragore", "",
                       "purse=1,0,0,0", "done"}};

// Sold for nothing by a hero standing at his load limit: no message may come in mid-move.
const Deal removals[] = {
    {"moving up with companions",
     "vente Epée 1 0 0,0,0,0 =", "melee1=Epée,1,,,,,4|melee2=Hache,0,,,1,,60|melee3=Dague,,,,,,10",
     "", "melee1=Hache,0,,,1,,60|melee2=Dague,,,,,,10|melee3=,,,,,,", "done"},
    {"last slot", "vente Hache 1 0 0,0,0,0 =", "melee1=Epée|melee3=Hache,,,,,,10", "",
     "melee1=Epée,,,,,,|melee3=,,,,,,", "done"},
    {"lines in place", "vente Pain 1 0 0,0,0,0 =", "equip7=Pain,10|equip8=Sac,2", "",
     "equip7=,|equip8=Sac,2", "done"},
    {"body slots", "vente Pain 1 0 0,0,0,0 =", "thorax1=Pain,15|thorax2=Gilet,5", "",
     "thorax1=Gilet,5|thorax2=,", "done"},
    {"malus back", "vente Bouclier 1 0 0,0,0,0 =",
     "adresse=12|protection1=Bouclier,,2,100|protection2=Cotte,,1,30", "",
     "protection1=Cotte,,1,30|protection2=,,,|adresse=11", "done"},
    {"ammunition batch kept",
     "vente Flèches 1 0 0,0,0,0 =", "munition1=Flèches,2,10|munition2=Carreaux,1.5,3,5", "",
     "munition1=Carreaux,1.5,3,5|munition2=,,,|poidstransporte=5", "done"},
    {"exact names", "vente Hache 1 0 0,0,0,0 =", "equip1=hache|equip2= Hache|equip3=Hache", "",
     "equip1=hache,|equip2= Hache,|equip3=,", "done"}};

const std::map<QString, QString> messages = {
    {"done", "I:Transaction enregistrée !"},
    {"poor", "C:Vous n'avez pas assez d'argent !"},
    {"heavy", "C:Objet trop lourd"},
    {"full", "C:Vous ne pouvez plus rien acheter.\r\n   Vous n'avez plus de place !"},
    {"charge", "E:Charge maximum dépassée !"},
    {"missing", "E@Objet inexistant dans le répertoire des Objet.\r\nVeuillez préciser "
                "l'endroit du répertoire\r\nVeuillez utiliser 'Saisie' !"},
    {"incorrect",
     "E@Objet incorrect dans le répertoire des Objet.\r\nVeuillez utiliser 'Saisie' !"}};

// A possession slot's name box and its companions; any other box alone.
std::vector<QWidget*> boxes(const QString& name) {
    for (const possessions::Group& group : possessions::groups())
        for (int slot = 1; slot <= group.slotCount; ++slot)
            if (possessions::nameField(group, slot) == name) {
                std::vector<QWidget*> all = {slotName(group, slot)};
                for (TextBox* companion : slotCompanions(group, slot))
                    all.push_back(companion);
                return all;
            }
    for (QWidget* window : std::initializer_list<QWidget*>{&perso(), &equip(), &detail()})
        if (QWidget* found = window->findChild<QWidget*>(name)) return {found};
    qFatal("no box %s", qPrintable(name));
}

// The texts of a slot or a box, "purse" on both sheets, the shop's "list", joined by commas.
QString text(const QString& name) {
    QStringList texts;
    if (name == "purse" && purseTexts(purse::Sheet::Attrib) == purseTexts(purse::Sheet::Equip))
        texts = purseTexts(purse::Sheet::Attrib);
    for (int i = 0; name == "list" && i < transaction().Listeobjet->count(); ++i)
        texts << transaction().Listeobjet->item(i)->text();
    for (const QWidget* one :
         name == "purse" || name == "list" ? std::vector<QWidget*>() : boxes(name))
        texts << lineText(one);
    return texts.join(u',');
}

void fill(const QString& held) {
    static const QRegularExpression range("^(\\D+)(\\d+)-(\\d+)$");
    for (const QString& part : held.split(u'|', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch named = range.match(part);
        for (int n = named.captured(2).toInt(); named.hasMatch() && n <= named.captured(3).toInt();
             ++n)
            fill(named.captured(1) + QString::number(n) + "=X");
        const QStringList texts = part.section(u'=', 1).split(u',');
        const std::vector<QWidget*> filled =
            named.hasMatch() ? std::vector<QWidget*>() : boxes(part.section(u'=', 0, 0));
        for (std::size_t i = 0; i < filled.size() && i < std::size_t(texts.size()); ++i)
            setLineText(filled[i], texts[qsizetype(i)]);
    }
}

} // namespace

class TestConfirmation : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;

    template <std::size_t N> void addRows(const Deal (&deals)[N]) {
        QTest::addColumn<quintptr>("deal");
        for (const Deal& deal : deals)
            QTest::newRow(deal.name) << reinterpret_cast<quintptr>(&deal);
    }
    static const Deal& row() {
        QFETCH(quintptr, deal);
        return *reinterpret_cast<const Deal*>(deal);
    }

    void confirm(const Deal& row) {
        const QStringList deal = QString(row.deal).split(u' ');
        fill(row.held);
        setBothPurses(deal[4].split(u','));
        poidstotal();
        if (deal[5] != "-")
            loadHero(deal[5] == "=" ? equip().poidstransporte->value() : deal[5].toDouble());
        Transaction& shop = transaction();
        shop.findChild<OptionButton*>(deal[0])->setValue(true);
        shop.Listeobjet->setCurrentItem(
            shop.Listeobjet->findItems(deal[1], Qt::MatchExactly | Qt::MatchCaseSensitive)
                .value(0));
        shop.quantite->setText(deal[2]);
        shop.hprop->setText(deal[3]);
        shop.proposer->click();
        QVERIFY(shop.bouton->isEnabled());
        const QString change = row.change;
        if (change.startsWith(u'/') && !change.contains(u'='))
            QFile::remove(drive->itemFolder() + change);
        else if (change.startsWith(u'/'))
            drive->write("objets" + change.section(u'=', 0, 0), change.section(u'=', 1).toUtf8());
        else
            fill(change);
        program->messages.clear();
        shop.bouton->click();
        QVERIFY(!shop.bouton->isEnabled());
        check(row);
    }

    void check(const Deal& row) {
        QStringList shown, said;
        for (const MessageBoxRequest& message : program->messages.shown)
            shown << QString("NCEIQ").mid(int(message.icon), 1) +
                         (message.title.isEmpty() ? u':' : u'@') + message.text;
        for (const QString& code : QString(row.said).split(u' ', Qt::SkipEmptyParts))
            said << messages.at(code);
        QCOMPARE(shown, said);
        for (const QString& field : QString::fromUtf8(row.expected).split(u'|'))
            QCOMPARE(text(field.section(u'=', 0, 0)), field.section(u'=', 1));
    }

private slots:
    void init() {
        drive.emplace();
        for (const char* item : catalogue) {
            QStringList lines = QString::fromUtf8(item).split(u'|');
            const QString file = lines.takeFirst();
            drive->write("objets/" + file, cp1252::encode(lines.join("\r\n") + "\r\n"));
        }
        program.emplace();
        perso();
        car().Slider->setValue(0); // the merchant agrees to his list price
        appclock::setSpinWait([](double) {});
    }
    void cleanup() {
        program.reset();
        drive.reset();
    }

    void placing_data() { addRows(placings); }
    void placing() { confirm(row()); }
    void loadLimit_data() { addRows(limits); }
    void loadLimit() { confirm(row()); }
    void payment_data() { addRows(payments); }
    void payment() { confirm(row()); }
    void itemFile_data() { addRows(itemFiles); }
    void itemFile() { confirm(row()); }
    void sale_data() { addRows(sales); }
    void sale() { confirm(row()); }

    void removal_data() { addRows(removals); }
    void removal() { confirm(row()); }
};

QTEST_MAIN(TestConfirmation)
#include "test_confirmation.moc"
