// Clearing the hero from the three sheets ("Nouveau").
#include "sheet.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include "hero/effacefiche.h"


class TestEffacefiche : public QObject {
    Q_OBJECT
    TestDriveC drive;

    // A priest carrying far more than force 1 allows, with every kind of slot and a worn
    // protection's malus taken off adresse: the weights are written before the force, while
    // nothing checks them.
    static void overloadedHero() {
        const std::vector<std::pair<QString, QString>> fields = {
            {"nom", "Arn"},          {"courage", "12"},     {"intelligence", "11"},
            {"charisme", "10"},      {"adresse", "13"},     {"endurance", "40"},
            {"energievitale", "30"}, {"evinitiale", "30"},  {"energieastrale", "5"},
            {"attaque", "10"},       {"parade", "8"},       {"bonusattaque", "1"},
            {"bonusparade", "1"},    {"bonusparade2", "1"}, {"niveau", "3"},
            {"experience", "650"},   {"prochainniveau", "600"},
            {"melee1", "Epée"},      {"attaque1", "1"},     {"parade1", "-1"},
            {"facteur1", "4"},       {"pim11", "1"},        {"pim21", "4"},
            {"poidsmelee1", "80"},   {"distance2", "Arc"},  {"pid12", "1"},
            {"pid22", "3"},          {"portee2", "50"},     {"poidsdistance2", "30"},
            {"munition1", "Flèches"}, {"poidsunitaire1", "0.5"}, {"quantite1", "20"},
            {"protection2", "Cuirasse"}, {"prot2", "4"},    {"malus2", "2"},
            {"poidsprotection2", "120"}, {"autre", "Barde"},
        };
        for (const auto& [name, text] : fields) write(name, text);
        onPerso<OptionButton>("pretre")->click();
        onPerso<ComboBox>("sexe")->setCurrentIndex(1);
        onPerso<ComboBox>("devotion")->setText("Vesna");

        Attrib& a = attrib();
        for (int i = 1; i <= 12; ++i) a.habilete[i]->setText("5");
        for (int i = 1; i <= 13; ++i) a.survie[i]->setText("4");
        a.pointsarepartir->setText("7");
        Equip& e = equip();
        e.vetement[3]->setText("Collier");
        e.poidsvetement[3]->setText("1");
        e.equip[24]->setText("Corde");
        e.poidsequip[24]->setText("10");
        e.piecesor->setText("30");
        e.notes->setText("Doit 3 pièces d'or à l'aubergiste.");
        for (Form* sheet : {static_cast<Form*>(&perso()), static_cast<Form*>(&a), static_cast<Form*>(&e)})
            sheet->setWindowTitle("Arn");

        write("force", "1");
    }

private slots:
    void clearsAHeroOverItsLimitSilently() {
        FreshProgram fresh;
        overloadedHero();
        QCOMPARE(read("adresse"), QStringLiteral("11"));
        QVERIFY(onPerso<CommandButton>("passageniveau")->isEnabled());
        fresh.messages.clear();

        auto* nouveau = perso().findChild<MenuEntry*>("menunouveau");
        QVERIFY(nouveau);
        fresh.messages.answers.push_back(MsgAnswer::Yes);
        nouveau->trigger();

        // Only the question before the unsaved hero goes.
        QCOMPARE(fresh.messages.texts(), QStringList{"Effacer le héros sans l'enregistrer ?"});
        for (TextBox* box : perso().findChildren<TextBox*>()) {
            if (box == perso().trans) continue;
            const QString expected = box == perso().autre ? QStringLiteral("Autre") : QString();
            QVERIFY2(box->text() == expected, qPrintable(box->objectName() + " = " + box->text()));
        }
        for (ComboBox* combo : perso().findChildren<ComboBox*>())
            QVERIFY2(combo->text().isEmpty(), qPrintable(combo->objectName()));
        for (OptionButton* type : perso().typeGroup.buttons()) QVERIFY(!type->isChecked());
        QCOMPARE(perso().malusapplique, (std::array<double, 4>{0, 0, 0, 0}));
        QVERIFY(!onPerso<CommandButton>("passageniveau")->isEnabled());
        QCOMPARE(onPerso<ComboBox>("devotion")->count(), 12); // the lists stay filled
        QCOMPARE(onPerso<ComboBox>("sexe")->count(), 2);

        Attrib& a = attrib();
        for (TextBox* box : a.findChildren<TextBox*>()) {
            const bool coin = box->objectName().startsWith("pieces");
            QVERIFY2(box->text() == (coin ? "0" : ""), qPrintable(box->objectName()));
        }
        Equip& e = equip();
        for (TextBox* box : e.findChildren<TextBox*>()) {
            const bool coin = box->objectName().startsWith("pieces");
            QVERIFY2(box->text() == (coin ? "0" : ""), qPrintable(box->objectName()));
        }
        for (ComboBox* combo : e.findChildren<ComboBox*>()) QVERIFY(combo->text().isEmpty());
        QCOMPARE(e.notes->text(), QString());

        QCOMPARE(perso().windowTitle(), QStringLiteral("Feuille de Personnage"));
        QCOMPARE(a.windowTitle(), QStringLiteral("Attributs"));
        QCOMPARE(e.windowTitle(), QStringLiteral("Equipement"));
    }

    void nothingAppliedSurvivesTheClear() {
        FreshProgram fresh;
        overloadedHero();
        effacefiche();
        // A new hero: taking off its first protection gives back only its own malus.
        write("adresse", "12");
        write("malus1", "1");
        write("malus1", "");
        QCOMPARE(read("adresse"), QStringLiteral("12"));
        // And the new hero's load counts from nothing.
        write("force", "1");
        write("poidsmelee1", "100");
        QCOMPARE(read("poidstransporte"), QStringLiteral("100"));
        QCOMPARE(fresh.messages.count(), 0);
    }
};

QTEST_MAIN(TestEffacefiche)
#include "test_effacefiche.moc"
