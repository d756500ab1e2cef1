// The hero sheet driven through its controls, with the skills and equipment sheets present.
#include "sheet.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/runtimeerror.h"
#include "hero/augment_niv.h"
#include "hero/effacefiche.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <optional>

class TestPerso : public QObject {
    Q_OBJECT
    TestDriveC drive;
    std::optional<FreshProgram> fresh;

    MessageRecorder& messages() { return fresh->messages; }

private slots:
    void init() {
        fresh.emplace();
        perso();
        attrib();
        equip();
        messages().clear(); // only what the test itself sets off
    }
    void cleanup() { fresh.reset(); }

    void startingLists() {
        auto* sexe = onPerso<ComboBox>("sexe");
        QCOMPARE(sexe->count(), 2);
        QCOMPARE(sexe->currentIndex(), -1);
        auto* devotion = onPerso<ComboBox>("devotion");
        const QStringList deities = {"Ardemis", "Belkar", "Marelin", "Ysolde", "Kerem", "Liandre",
                                     "Ourvak",  "Vesna",  "Sandor",  "Gwenna", "Dorvan", "Celvia"};
        QCOMPARE(devotion->count(), deities.size());
        for (int i = 0; i < deities.size(); ++i) QCOMPARE(devotion->list(i), deities[i]);
        QCOMPARE(devotion->text(), QString());
        QVERIFY(!onPerso<CommandButton>("passageniveau")->isEnabled());
        QCOMPARE(read("autre"), QStringLiteral("Autre"));
        QVERIFY(onPerso("trans")->isHidden());
    }

    void closingEndsTheProgram() {
        perso().show();
        perso().close();
        QCOMPARE(fresh->end.ends, 1);
        // Unlike the two other sheets, the hero sheet leaves the settings file alone.
        QVERIFY(!QFileInfo::exists(drive.root() + QStringLiteral("/ambrefer.ini")));
    }

    // Tab walks the sheet as it reads: each group in turn, each slot along its row.
    void tabFollowsTheSheet() {
        QStringList expected = {"nom", "sexe", "niveau", "experience", "prochainniveau",
                                "courage", "intelligence", "charisme", "adresse", "force",
                                "energievitale", "evinitiale", "energieastrale", "endurance",
                                "attaque", "bonusparade", "parade", "bonusparade2", "bonusattaque",
                                "aventurier", "guerrier", "nain", "magicien", "elfe", "elfebois",
                                "cavalier", "druide", "pretre", "autrerace", "autre", "devotion"};
        auto rows = [&](int count, const QStringList& prefixes) {
            for (int i = 1; i <= count; ++i)
                for (const QString& prefix : prefixes) expected << prefix + QString::number(i);
        };
        rows(3, {"melee", "attaque", "parade", "facteur", "pim1", "pim2", "poidsmelee"});
        rows(3, {"distance", "pid1", "pid2", "portee", "poidsdistance"});
        rows(2, {"munition", "poidsunitaire", "quantite", "poidsmunition"});
        rows(3, {"protection", "prot", "malus", "poidsprotection"});
        expected << "poidsmaximum" << "poidstransporte" << "Attributs" << "Equipement";

        perso().show();
        QVERIFY(QTest::qWaitForWindowActive(&perso()));
        onPerso<ComboBox>("nom")->setFocus();
        QStringList visited;
        for (int step = 0; step < expected.size(); ++step) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            // An editable combo box takes the focus in its line edit.
            if (qobject_cast<ComboBox*>(focused->parentWidget())) focused = focused->parentWidget();
            visited << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    void forceGivesTheLoadLimit_data() {
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("limit");
        QTest::newRow("whole") << "12" << "1200";
        QTest::newRow("fraction") << "12.5" << "1250";
        QTest::newRow("leading blank") << " 9" << "900";
        QTest::newRow("not a number") << "abc" << "0";
        QTest::newRow("emptied") << "" << "";
    }
    void forceGivesTheLoadLimit() {
        QFETCH(QString, force);
        QFETCH(QString, limit);
        write("force", "7");
        write("force", force);
        QCOMPARE(read("poidsmaximum"), limit);
        QCOMPARE(equip().poidsmaximum->text(), limit);
    }

    // A limit of 100 (force 1) with 40 already carried on the equipment sheet.
    void loadCheck_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("force");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("carried");
        for (const char* field : {"poidsmelee2", "poidsdistance3", "poidsmunition1", "poidsprotection1"}) {
            QTest::addRow("%s below", field) << field << "1" << "59.5" << false << "99.5";
            QTest::addRow("%s at", field) << field << "1" << "60" << false << "100";
            QTest::addRow("%s above", field) << field << "1" << "60.1" << true << "40";
        }
        QTest::newRow("no hero") << "poidsmelee1" << "" << "5000" << false << "";
    }
    void loadCheck() {
        QFETCH(QString, field);
        QFETCH(QString, force);
        QFETCH(QString, weight);
        QFETCH(bool, refused);
        QFETCH(QString, carried);
        equip().poidsequip[1]->setText("40"); // no hero yet: taken without a check
        write("force", force);
        messages().clear();

        write(field, weight);
        QCOMPARE(read(field), refused ? QString() : weight);
        QCOMPARE(read("poidstransporte"), carried);
        QCOMPARE(equip().poidstransporte->text(), carried);
        QCOMPARE(messages().count(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(messages().last().text, QStringLiteral("Charge maximum dépassée !"));
            QCOMPARE(messages().last().icon, MsgIcon::Exclamation);
            QCOMPARE(messages().last().title, QString());
        }
    }

    void malusRoundTrip() {
        write("adresse", "12");
        write("protection3", "Cotte de mailles");
        const std::vector<std::tuple<QString, QString, QString>> steps = {
            {"malus1", "2", "10"},      // taken off
            {"malus1", "3", "9"},       // the old one given back, the new one taken
            {"malus3", "1", "8"},       // slots add up
            {"malus1", "", "11"},       // emptied: given back
            {"protection3", "", "12"},  // the protection taken off gives its malus back
            {"malus2", "x", "12"},      // not a number counts as none
        };
        for (const auto& [field, malus, adresse] : steps) {
            write(field, malus);
            QCOMPARE(read("adresse"), adresse);
        }
        QCOMPARE(perso().malusapplique, (std::array<double, 4>{0, 0, 0, 0}));
    }

    void emptyingASlotEmptiesItsCompanions_data() {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("companions");
        QTest::newRow("melee") << "melee2"
                               << QStringList{"attaque2", "parade2", "facteur2", "pim12", "pim22",
                                              "poidsmelee2"};
        QTest::newRow("ranged") << "distance1"
                                << QStringList{"pid11", "pid21", "portee1", "poidsdistance1"};
        QTest::newRow("ammunition") << "munition2"
                                    << QStringList{"poidsunitaire2", "quantite2", "poidsmunition2"};
        QTest::newRow("protection") << "protection1" << QStringList{"prot1", "malus1", "poidsprotection1"};
    }
    void emptyingASlotEmptiesItsCompanions() {
        QFETCH(QString, slot);
        QFETCH(QStringList, companions);
        write("force", "10"); // a hero, well within its limit
        write(slot, "Objet");
        for (const QString& companion : companions) write(companion, "3");
        write(slot, "Autre objet"); // renamed: the slot keeps its values
        for (const QString& companion : companions) QCOMPARE(read(companion), QStringLiteral("3"));
        write(slot, "");
        for (const QString& companion : companions) QCOMPARE(read(companion), QString());
        QCOMPARE(read("poidstransporte"), QStringLiteral("0"));
        QCOMPARE(messages().count(), 0);
    }

    void ammunitionBatchWeight_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("batch");
        QTest::newRow("arrows") << "0.5" << "20" << "10";
        QTest::newRow("tenths add exactly") << "0.1" << "3" << "0.3";
        QTest::newRow("no unit weight") << "" << "20" << "0";
        QTest::newRow("zero count") << "0.5" << "0" << "0";
        QTest::newRow("zero unit weight") << "0" << "12" << "0";
        QTest::newRow("not a number") << "abc" << "5" << "0";
    }
    void ammunitionBatchWeight() {
        QFETCH(QString, unit);
        QFETCH(QString, count);
        QFETCH(QString, batch);
        // Either figure may come first.
        write("poidsunitaire1", unit);
        write("quantite1", count);
        QCOMPARE(read("poidsmunition1"), batch);
        write("quantite2", count);
        write("poidsunitaire2", unit);
        QCOMPARE(read("poidsmunition2"), batch);
    }

    void ammunitionCountOverTheLimitIsTakenBack() {
        write("force", "1");
        write("poidsunitaire1", "1");
        write("quantite1", "80");
        QCOMPARE(read("poidstransporte"), QStringLiteral("80"));
        write("quantite1", "150");
        QCOMPARE(messages().texts(), QStringList{QStringLiteral("Charge maximum dépassée !")});
        QCOMPARE(read("quantite1"), QString());
        QCOMPARE(read("poidsmunition1"), QStringLiteral("0"));
        QCOMPARE(read("poidstransporte"), QStringLiteral("0"));
    }

    void heroTypesFormOneGroup() {
        const QStringList types = {"aventurier", "guerrier", "nain",   "magicien", "elfe",
                                   "elfebois",   "cavalier", "druide", "pretre",   "autrerace"};
        auto set = [&] {
            QStringList names;
            for (const QString& type : types)
                if (onPerso<OptionButton>(type)->isChecked()) names << type;
            return names;
        };
        QCOMPARE(set(), QStringList());
        attrib().habilete[1]->setText("7");
        onPerso<OptionButton>("guerrier")->click();
        QCOMPARE(set(), QStringList{"guerrier"});
        onPerso<OptionButton>("pretre")->click();
        QCOMPARE(set(), QStringList{"pretre"});
        onPerso<OptionButton>("pretre")->click(); // a click never clears
        QCOMPARE(set(), QStringList{"pretre"});
        onPerso<OptionButton>("autrerace")->click();
        QCOMPARE(set(), QStringList{"autrerace"});
        onPerso<OptionButton>("autrerace")->setValue(false);
        QCOMPARE(set(), QStringList());
        // A type is recorded, nothing more: no skill of the hero is touched.
        onPerso<OptionButton>("nain")->setValue(true);
        QCOMPARE(attrib().habilete[1]->text(), QStringLiteral("7"));
        for (int i = 2; i <= 12; ++i) QCOMPARE(attrib().habilete[i]->text(), QString());
    }

    void priestNeedsADeity_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("deity");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("refused");
        for (const char* button : {"Attributs", "Equipement"}) {
            QTest::addRow("priest without deity, %s", button) << "pretre" << "" << button << true;
            QTest::addRow("priest of Kerem, %s", button) << "pretre" << "Kerem" << button << false;
            QTest::addRow("warrior without deity, %s", button) << "guerrier" << "" << button << false;
            QTest::addRow("no type, %s", button) << "" << "" << button << false;
        }
    }
    void priestNeedsADeity() {
        QFETCH(QString, type);
        QFETCH(QString, deity);
        QFETCH(QString, button);
        QFETCH(bool, refused);
        if (!type.isEmpty()) onPerso<OptionButton>(type)->click();
        onPerso<ComboBox>("devotion")->setText(deity);
        perso().show();

        onPerso<CommandButton>(button)->click();
        Form& other = button == "Attributs" ? static_cast<Form&>(attrib()) : equip();
        QCOMPARE(other.isVisible(), !refused);
        QCOMPARE(perso().isVisible(), refused);
        QCOMPARE(messages().count(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(messages().last().text, QStringLiteral("Un prêtre doit choisir une dévotion."));
            QCOMPARE(messages().last().icon, MsgIcon::Exclamation);
            QCOMPARE(messages().last().title, QString());
        }
    }

    void levelButton_data() {
        QTest::addColumn<QString>("experience");
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("reached");
        QTest::newRow("below") << "99" << "100" << false;
        QTest::newRow("reached") << "100" << "100" << true;
        QTest::newRow("beyond") << "250" << "100" << true;
        QTest::newRow("no threshold") << "500" << "" << false;
        QTest::newRow("no experience") << "" << "100" << false;
    }
    void levelButton() {
        QFETCH(QString, experience);
        QFETCH(QString, next);
        QFETCH(bool, reached);
        auto* button = onPerso<CommandButton>("passageniveau");
        const QColor rest = button->palette().color(QPalette::Button);
        // Whichever is written last, the button tells the truth.
        for (bool thresholdFirst : {true, false}) {
            effacefiche();
            if (thresholdFirst) write("prochainniveau", next);
            write("experience", experience);
            if (!thresholdFirst) write("prochainniveau", next);
            QCOMPARE(button->isEnabled(), reached);
            QCOMPARE(button->palette().color(QPalette::Button) != rest, reached);
        }
    }

    void levelPassage_data() {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("newLevel");
        QTest::addColumn<QString>("newPoints");
        QTest::newRow("some points left") << "1" << "4" << "OK" << "2" << "14";
        QTest::newRow("no points") << "3" << "" << "OK" << "4" << "10";
        QTest::newRow("points not a number") << "" << "abc" << "OK" << "1" << "10";
        QTest::newRow("cancelled") << "3" << "4" << "Annuler" << "3" << "4";
    }
    void levelPassage() {
        QFETCH(QString, level);
        QFETCH(QString, points);
        QFETCH(QString, button);
        QFETCH(QString, newLevel);
        QFETCH(QString, newPoints);
        write("niveau", level);
        attrib().pointsarepartir->setText(points);
        write("prochainniveau", "100");
        write("experience", "120");

        onPerso<CommandButton>("passageniveau")->click();
        QVERIFY(augment_niv().isVisible());
        QVERIFY(augment_niv().message->text().contains(textnum::fmt(textnum::val(level) + 1)));
        const bool accepted = button == QStringLiteral("OK");
        CommandButton* answer = accepted ? augment_niv().ajouter : augment_niv().annuler;
        QCOMPARE(answer->text(), button);
        answer->click();
        QVERIFY(!augment_niv().isVisible());
        QCOMPARE(read("niveau"), newLevel);
        QCOMPARE(attrib().pointsarepartir->text(), newPoints);
        // One passage per threshold reached; a cancelled one can still be taken.
        QCOMPARE(onPerso<CommandButton>("passageniveau")->isEnabled(), !accepted);
    }

    void lifeEnergyAboveItsStart_data() {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("energy");
        QTest::addColumn<bool>("warned");
        QTest::newRow("above") << "30" << "31" << true;
        QTest::newRow("equal") << "30" << "30" << false;
        QTest::newRow("below") << "30" << "12" << false;
        QTest::newRow("dead") << "30" << "Mort" << false;
        QTest::newRow("dead at zero") << "0" << "Mort" << false;
        QTest::newRow("no initial value") << "" << "99" << false;
    }
    void lifeEnergyAboveItsStart() {
        QFETCH(QString, initial);
        QFETCH(QString, energy);
        QFETCH(bool, warned);
        write("evinitiale", initial);
        write("energievitale", energy);
        QCOMPARE(read("energievitale"), energy); // kept as written
        QCOMPARE(messages().count(), warned ? 1 : 0);
        if (warned)
            QCOMPARE(messages().last().text,
                     QStringLiteral("L'énergie vitale ne peut pas dépasser sa valeur initiale."));
    }

    void portrait() {
        TestDriveC drive;
        QImage image(40, 60, QImage::Format_RGB32);
        image.fill(Qt::darkRed);
        QVERIFY(image.save(drive.write("portraits/heros.png", {})));
        const QString picture = QStringLiteral("C:\\portraits\\heros.png");
        perso().setPortrait(picture);
        QVERIFY(!onPerso<Label>("portrait")->pixmap().isNull());
        QCOMPARE(perso().cheminportrait, picture);
        try {
            perso().setPortrait(QStringLiteral("C:\\portraits\\absent.png"));
            QFAIL("a missing picture was taken");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 53);
        }
        QCOMPARE(perso().cheminportrait, picture); // the old portrait stays
    }
};

QTEST_MAIN(TestPerso)
#include "test_perso.moc"
