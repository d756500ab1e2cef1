// Every row of the four groups against the sheet's own tables: place and caption, minimums at
// the bound and one below, the cap at and just above the value, the category each hero type
// and each deity of a priest pays.
#include "skills/costtables.h"
#include "skills/raise.h"
#include "skills/skilltable.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

namespace {

struct SheetRow {
    const char* group;
    int row;
    const char16_t* caption;
    const char* minimums; // "adresse 11, force 12"
    const char16_t* minimumMessage;
    const char* cap; // capping field: "sociabilite11", "perso.adresse", or "" for none
    const char16_t* capMessage;
    const char* types;   // aventurier..druide, autrerace; "" for the priests' own skill
    const char* deities; // Ardemis..Celvia
};

const SheetRow sheet[] = {
    {"habilete", 1, u" Combat à mains nues", "adresse 11, force 12",
     u"Valeurs minimum d'augmentation : Adresse = 11 ; Force = 12.", "", u"", "312331112",
     "213323221313"},
    {"habilete", 2, u" Combat à distance", "adresse 12",
     u"Valeurs minimum d'augmentation : Adresse = 12.", "", u"", "212311122", "313323122322"},
    {"habilete", 3, u" Escalade", "adresse 11, force 9",
     u"Valeurs minimum d'augmentation : Adresse = 11 ; Force = 9.", "", u"", "111332132",
     "113333321312"},
    {"habilete", 4, u" Natation", "adresse 11, force 9",
     u"Valeurs minimum d'augmentation : Adresse = 11 ; Force = 9.", "", u"", "213223112",
     "321333113332"},
    {"habilete", 5, u" Equitation", "adresse 12, force 9",
     u"Valeurs minimum d'augmentation : Adresse = 12 ; Force = 9.", "", u"", "213223132",
     "113223323333"},
    {"habilete", 6, u" Serrures et pièges", "intelligence 10, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 12.", "perso.adresse",
     u"La valeur de cette aptitude ne peut pas dépasser l'Adresse.", "231133132", "332312331313"},
    {"habilete", 7, u" Agilité manuelle", "intelligence 11, adresse 13",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 13.", "perso.adresse",
     u"La valeur de cette aptitude ne peut pas dépasser l'Adresse.", "221123132", "231332321332"},
    {"habilete", 8, u" Pratique des noeuds", "intelligence 10, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 12.", "perso.adresse",
     u"La valeur de cette aptitude ne peut pas dépasser l'Adresse.", "112233112", "322221322312"},
    {"habilete", 9, u" Camouflage", "intelligence 10, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10.", "", u"", "122322122",
     "222313311323"},
    {"habilete", 10, u" Dissimulation d'objets", "intelligence 10, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10.", "", u"", "111322132",
     "131132121311"},
    {"habilete", 11, u" Intrusion", "intelligence 10, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10.", "", u"", "122312122",
     "222212121332"},
    {"habilete", 12, u" Repérage des cachettes", "intelligence 11, adresse 11",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 11.", "", u"", "231233112",
     "231331221313"},
    {"sociabilite", 1, u" Diplomatie", "intelligence 10, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Charisme = 10.", "", u"", "213112132",
     "121131321221"},
    {"sociabilite", 2, u" Conversion (Prêtres)", "intelligence 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10.", "", u"", "", "111111111111"},
    {"sociabilite", 3, u" Circonvenir", "intelligence 11, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Charisme = 10.", "", u"", "123211132",
     "232132211222"},
    {"sociabilite", 4, u" Convaincre", "intelligence 12, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 12 ; Charisme = 10.", "", u"", "222322132",
     "222132212221"},
    {"sociabilite", 5, u" Chant et musique", "intelligence 10, adresse 11",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 11.", "", u"", "122211132",
     "321122321231"},
    {"sociabilite", 6, u" Dons de conteur", "intelligence 10, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Charisme = 10.", "", u"", "312321112",
     "212121321321"},
    {"sociabilite", 7, u" Séduction", "intelligence 10, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Charisme = 10.", "", u"", "122321132",
     "231232311221"},
    {"sociabilite", 8, u" Déguisement", "intelligence 10, adresse 11",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 11.", "", u"", "232211132",
     "332222312332"},
    {"sociabilite", 9, u" Illusionnisme", "intelligence 10, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Charisme = 10.", "", u"", "123213132",
     "331323311321"},
    {"sociabilite", 10, u" Jeux de hasard", "intelligence 11, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 12.", "", u"", "123332132",
     "312323211321"},
    {"sociabilite", 11, u" Estimation", "intelligence 11",
     u"Valeurs minimum d'augmentation : Intelligence = 11.", "", u"", "211332132", "123211222212"},
    {"sociabilite", 12, u" Marchandage", "intelligence 10, charisme 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Charisme = 10.", "sociabilite11",
     u"L'Aptitude Marchandage ne peut pas être supérieure à Estimation.", "211333132",
     "213212331212"},
    {"science", 1, u"  Lire et écrire", "intelligence 12, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 10.", "", u"", "121112132",
     "232121323132"},
    {"science", 2, u" Soigner les blessures", "intelligence 10, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10.", "", u"", "112322112",
     "321132212132"},
    {"science", 3, u" Trouver des plantes médicinales", "intelligence 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12.", "", u"", "233211112", "332312113113"},
    {"science", 4, u" Neutraliser les poisons", "intelligence 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12.", "science3",
     u"L'Aptitude de Neutraliser les poisons ne peut pas être suprérieure à celle de Trouver des "
     u"plantes médicinales.",
     "233132122", "332212211122"},
    {"science", 5, u" Traiter les fièvres et les infections", "intelligence 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12.", "science3",
     u"L'Aptitude Traiter les fièvres et infections ne peut pas être supérieure à Trouver des "
     u"plantes médicinales.",
     "332132112", "332132313122"},
    {"science", 6, u" Connaissance des langues", "intelligence 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12.", "", u"", "121212132", "132231321232"},
    {"science", 7, u" Décoder", "intelligence 13",
     u"Valeurs minimum d'augmentation : Intelligence = 13.", "science1",
     u"L'Aptitude de Décodage ne peut pas être supérieure à l'Ecriture.", "332211132",
     "331322321333"},
    {"science", 8, u" Connaitre la physique", "intelligence 11",
     u"Valeurs minimum d'augmentation : Intelligence = 11.", "", u"", "121333122", "222331321213"},
    {"science", 9, u" Réparer les armes", "intelligence 11, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 12.", "science8",
     u"L'Aptitude Réparer les armes ne peut pas être supérieure à Physique élémentaire.",
     "211333132", "213332233313"},
    {"science", 10, u" Connaitre l'alchimie", "intelligence 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12.", "", u"", "133131132", "331211213132"},
    {"science", 11, u" Pratiquer l'analyse alchimique", "intelligence 12, adresse 13",
     u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 13.", "science10",
     u"L'Aptitude Analyse élémentaire ne peut pas être supérieure à l'Alchimie élémentaire.",
     "233131132", "331211213132"},
    {"science", 12, u" Préparer drogues et poisons", "intelligence 12, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 12.", "science11",
     u"L'Aptitude Confection de drogues et de poisons ne peut pas être supérieure à l'Analyse "
     u"alchimique.",
     "333122122", "331211322131"},
    {"science", 13, u" Préparer élixirs et médicaments", "intelligence 12, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 12.", "science11",
     u"L'Aptitude Préparation elixirs et contrepoisons ne peut pas être supérieure à l'Analyse "
     u"alchimique.",
     "333321122", "331121323131"},
    {"survie", 1, u" Orientation", "intelligence 10, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10.", "", u"", "111311122",
     "122222132233"},
    {"survie", 2, u" Cartographie", "intelligence 10, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 12.", "survie1",
     u"L'Aptitude Cartographie ne peut pas être supérieure à l'Orientation.", "211333122",
     "213321132323"},
    {"survie", 3, u" Découvrir des chemins", "intelligence 11, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 10.", "survie1",
     u"L'Aptitude Découverte des chemins ne peut pas être supérieure à l'Orientation.", "211312122",
     "212322131323"},
    {"survie", 4, u" Connaitre les plantes", "intelligence 11",
     u"Valeurs minimum d'augmentation : Intelligence = 11.", "", u"", "332221112", "333211123122"},
    {"survie", 5, u" Détection des dangers", "intelligence 10, adresse 11",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 11.", "", u"", "212332112",
     "323212132213"},
    {"survie", 6, u" Prévision du temps", "intelligence 12",
     u"Valeurs minimum d'augmentation : Intelligence = 12.", "", u"", "231332112", "321231123132"},
    {"survie", 7, u" Découverte de nourriture", "intelligence 11, adresse 11",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 11.", "", u"", "222321112",
     "212323132132"},
    {"survie", 8, u" Poser des pièges", "intelligence 10, adresse 12",
     u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 12.", "", u"", "221332122",
     "323323122313"},
    {"survie", 9, u" Pistage", "intelligence 11, adresse 10",
     u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 10.", "", u"", "321312122",
     "313323132323"},
    {"survie", 10, u" Connaissance des animaux", "courage 10, charisme 10",
     u"Valeurs minimum d'augmentation : Courage = 10 ; Charisme = 10.", "perso.courage",
     u"L'Aptitude Connaissance des animaux ne peut pas être supérieure au Courage.", "223321112",
     "122221123122"},
    {"survie", 11, u" Dressage", "courage 12, charisme 12",
     u"Valeurs minimum d'augmentation : Courage = 12 ; Charisme = 12.", "perso.courage",
     u"L'Aptitude Dressage ne peut pas être supérieure au Courage.", "133311122", "322332123223"},
    {"survie", 12, u" Sixième sens", "", u"", "", u"", "111223132", "213223232212"},
    {"survie", 13, u" Identification des odeurs, saveurs", "", u"", "", u"", "232132132",
     "323213332122"},
};

Group groupNamed(const QString& name) {
    static const QStringList names = {u"habilete"_s, u"sociabilite"_s, u"science"_s, u"survie"_s};
    return Group(names.indexOf(name));
}

const SkillRow& rowOf(const SheetRow& s) {
    return skillRow({groupNamed(QString::fromLatin1(s.group)), s.row});
}

QString* field(HeroFields& hero, const QString& characteristic) {
    if (characteristic == u"intelligence") return &hero.intelligence;
    if (characteristic == u"adresse") return &hero.adresse;
    if (characteristic == u"force") return &hero.force;
    if (characteristic == u"charisme") return &hero.charisme;
    if (characteristic == u"courage") return &hero.courage;
    qFatal("unknown characteristic");
}

QList<std::pair<QString, int>> minimumsOf(const SheetRow& s) {
    QList<std::pair<QString, int>> pairs;
    for (const auto& part : QString::fromLatin1(s.minimums).split(u", "_s, Qt::SkipEmptyParts)) {
        const auto words = part.split(u' ');
        pairs.append({words[0], words[1].toInt()});
    }
    return pairs;
}

// A priest of no known deity with every characteristic at 15: meets every minimum and
// every cap by a characteristic for a skill at 14, and may raise the priests' skill.
HeroFields allAt15() {
    const QString v = u"15"_s;
    return {.intelligence = v, .adresse = v, .force = v, .charisme = v, .courage = v};
}

HeroFields ableHero() {
    HeroFields hero = allAt15();
    hero.tick(HeroType::Pretre);
    return hero;
}

const std::array<HeroType, 9> tableTypes = {
    HeroType::Aventurier, HeroType::Guerrier, HeroType::Nain,   HeroType::Magicien, HeroType::Elfe,
    HeroType::ElfeBois,   HeroType::Cavalier, HeroType::Druide, HeroType::AutreRace};

} // namespace

class TestSkillTable : public QObject {
    Q_OBJECT

    static void addRows() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(sheet)); ++i)
            QTest::newRow(qPrintable(QStringLiteral("%1%2").arg(sheet[i].group).arg(sheet[i].row)))
                << i;
    }

  private slots:
    void sheetOrder() {
        QCOMPARE(skillRows().size(), std::size(sheet));
        for (size_t i = 0; i < std::size(sheet); ++i)
            QCOMPARE(skillRows()[i].caption, QString::fromUtf16(sheet[i].caption));
    }

    void placeAndControls_data() { addRows(); }
    void placeAndControls() {
        QFETCH(int, index);
        const SheetRow& s = sheet[index];
        const SkillRow& row = rowOf(s);
        QCOMPARE(row.caption, QString::fromUtf16(s.caption));
        const QString n = QString::number(s.row);
        QCOMPARE(row.valueBox(), QString::fromLatin1(s.group) + n);
        const QString suffix = QString::fromLatin1(s.group).left(2) + n; // "ha1", "so12"...
        QCOMPARE(row.raiseButton(), u'p' + suffix);
        QCOMPARE(row.testButton(), u'e' + suffix);
    }

    // Each message is a literal of its own; it must still name the bounds the raise tests.
    void minimumMessageNamesItsBounds_data() { addRows(); }
    void minimumMessageNamesItsBounds() {
        QFETCH(int, index);
        const SkillRow& row = rowOf(sheet[index]);
        if (row.minimums.empty()) {
            QVERIFY(row.minimumMessage.isEmpty());
            return;
        }
        static const QStringList names = {u"Intelligence"_s, u"Adresse"_s, u"Force"_s,
                                          u"Charisme"_s, u"Courage"_s};
        QStringList pairs;
        for (const auto& m : row.minimums)
            pairs << names[int(m.characteristic)] + u" = "_s + QString::number(m.value);
        QCOMPARE(row.minimumMessage,
                 u"Valeurs minimum d'augmentation : "_s + pairs.join(u" ; "_s) + u'.');
    }

    void minimums_data() { addRows(); }
    void minimums() {
        QFETCH(int, index);
        const SheetRow& s = sheet[index];
        const SkillRow& row = rowOf(s);
        const auto pairs = minimumsOf(s);

        HeroFields atBounds = ableHero();
        for (const auto& [name, bound] : pairs)
            *field(atBounds, name) = QString::number(bound);
        // Caps by a characteristic stay clear of a skill at 0.
        QCOMPARE(decideRaise(row, u"0", atBounds, u"18").outcome, RaiseOutcome::Offered);

        for (const auto& [name, bound] : pairs) {
            HeroFields below = atBounds;
            *field(below, name) = QString::number(bound - 1);
            const auto decision = decideRaise(row, u"0", below, u"18");
            QCOMPARE(decision.outcome, RaiseOutcome::Refused);
            QCOMPARE(decision.message, QString::fromUtf16(s.minimumMessage));
        }
        if (pairs.isEmpty()) {
            // Without minimums an empty sheet raises too.
            HeroFields empty;
            QCOMPARE(decideRaise(row, u"", empty).outcome, RaiseOutcome::Offered);
        }
    }

    void cap_data() { addRows(); }
    void cap() {
        QFETCH(int, index);
        const SheetRow& s = sheet[index];
        const SkillRow& row = rowOf(s);
        const QString capField = QString::fromLatin1(s.cap);
        HeroFields hero = ableHero();
        auto raiseWithCapAt = [&](const QString& capValue) {
            if (capField.startsWith(u"perso.")) *field(hero, capField.mid(6)) = capValue;
            return decideRaise(row, u"14", hero, capValue);
        };

        const auto below = raiseWithCapAt(u"15"_s);
        QCOMPARE(below.outcome, RaiseOutcome::Offered);
        QCOMPARE(below.newValue, 15);

        const auto at = raiseWithCapAt(u"14"_s);
        if (capField.isEmpty()) {
            QVERIFY(!row.cap);
            QCOMPARE(at.outcome, RaiseOutcome::Offered);
            return;
        }
        QCOMPARE(at.outcome, RaiseOutcome::Refused);
        QCOMPARE(at.message, QString::fromUtf16(s.capMessage));
        if (!capField.startsWith(u"perso.")) QCOMPARE(valueBoxName(*cappingSkill(row)), capField);
    }

    void categories_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("type"); // a HeroType
        QTest::addColumn<QString>("devotion");
        QTest::addColumn<int>("expected"); // -1: the reservation refuses
        for (int i = 0; i < int(std::size(sheet)); ++i) {
            const SheetRow& s = sheet[i];
            const QString name = QStringLiteral("%1%2/").arg(s.group).arg(s.row);
            for (int t = 0; t < 9; ++t) {
                const int expected = *s.types ? s.types[t] - '0' : -1;
                QTest::newRow(qPrintable(name + heroTypeControlName(tableTypes[t])))
                    << i << int(tableTypes[t]) << QString() << expected;
            }
            for (int d = 0; d < deityCount; ++d)
                QTest::newRow(qPrintable(name + deities()[d]))
                    << i << int(HeroType::Pretre) << deities()[d] << s.deities[d] - '0';
            QTest::newRow(qPrintable(name + u"no deity"_s))
                << i << int(HeroType::Pretre) << QString() << 0;
            QTest::newRow(qPrintable(name + u"deity in other case"_s))
                << i << int(HeroType::Pretre) << u"gwenna"_s << 0;
        }
    }
    void categories() {
        QFETCH(int, index);
        QFETCH(int, type);
        QFETCH(QString, devotion);
        QFETCH(int, expected);
        const SkillRow& row = rowOf(sheet[index]);
        HeroFields hero = allAt15();
        hero.tick(HeroType(type));
        hero.devotion = devotion;

        const auto decision = decideRaise(row, u"0", hero, u"18");
        if (expected < 0) {
            QCOMPARE(decision.outcome, RaiseOutcome::Refused);
            QCOMPARE(decision.message, u"Aptitude réservée aux prêtres."_s);
            return;
        }
        QCOMPARE(decision.outcome, RaiseOutcome::Offered);
        QCOMPARE(decision.valeurapt, expected);
        const int column = expected == 0 ? 3 : expected;
        QCOMPARE(decision.column, column);
        QCOMPARE(decision.newValue, 1);
        QCOMPARE(decision.cost.points, tablepoints[column][1]);
        QCOMPARE(decision.cost.price, tableprix[column][1]);
    }
};

QTEST_APPLESS_MAIN(TestSkillTable)
#include "test_skilltable.moc"
