// Saving, listing and reading heroes through the hero sheet as the user does it.
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/cp1252.h"
#include "equipment/equip.h"
#include "equipment/loadlimit.h"
#include "hero/effacefiche.h"
#include "hero/perso.h"
#include "herofile/cheminperso.h"
#include "herofile/herosheets.h"
#include "herofile/settings.h"
#include "skills/attrib.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace {

// A hero as a player keeps one: numbers where numbers go, a malus on adresse, a load over
// half its limit, accents in the notes.
HeroRecord warrior(const QString& name, int force, int lineWeight) {
    HeroRecord hero;
    hero.nom = name;
    hero.sexe = QStringLiteral("Féminin");
    hero.typeHeros = QStringLiteral("guerrier");
    hero.autre = QStringLiteral("Autre");
    hero.courage = "12";
    hero.intelligence = "11";
    hero.charisme = "10";
    hero.adresse = "9"; // 11 less the chain mail's malus
    hero.force = QString::number(force);
    hero.endurance = "30";
    hero.evinitiale = "30";
    hero.energievitale = "25";
    hero.attaque = "10";
    hero.parade = "8";
    hero.niveau = "2";
    hero.experience = "150";
    hero.prochainniveau = "200";
    hero.melee[1] = {"Epée", "1", "0", "4", "1", "4", "50"};
    hero.protection[1] = {"Cotte de mailles", "4", "2", "150"};
    for (int i = 1; i <= 12; ++i) hero.habilete[i] = QString::number(i % 7);
    hero.pointsarepartir = "10";
    hero.vetement[1] = {"Capuche", "5"};
    hero.equip[1] = {"Sac à dos", QString::number(lineWeight)};
    hero.piecesor = "3";
    hero.piecesargent = "12";
    hero.piecesbronze = "0";
    hero.piecescuivre = "7";
    hero.notes = QStringLiteral("Dette envers l'aubergiste ; cœur brisé.");
    return hero;
}

// A hero with every field of the three sheets filled in, as numbers where numbers go: three
// protections take their malus off adresse, and the hero carries more than half its limit.
HeroRecord fullHero() {
    HeroRecord hero = warrior(QStringLiteral("Œdwyn le Hardi"), 6, 40);
    hero.typeHeros = QStringLiteral("pretre");
    hero.autre = QStringLiteral("Demi-elfe");
    hero.devotion = QStringLiteral("Liandre");
    hero.portrait = QStringLiteral("C:\\portraits\\Œdwyn.png");
    hero.energieastrale = "18";
    hero.bonusattaque = "1";
    hero.bonusparade = "2";
    hero.bonusparade2 = "1";
    hero.adresse = "7"; // 13 less 1 + 2 + 3
    for (int n = 1; n <= 3; ++n) {
        const QString k = QString::number(n);
        hero.melee[n] = {"Lame " + k, k, "-" + k, "3", "1", k, QString::number(10 * n)};
        hero.distance[n] = {"Arc " + k, "1", k, QString::number(20 * n), QString::number(5 * n)};
        hero.protection[n] = {"Cuir " + k, k, k, QString::number(15 * n)};
    }
    for (int n = 1; n <= 2; ++n)
        hero.munition[n] = {"Flèches " + QString::number(n), "0.5", "20", "10"};
    for (int i = 1; i <= 12; ++i) hero.sociabilite[i] = QString::number(i % 5);
    for (int i = 1; i <= 13; ++i) hero.science[i] = QString::number(i % 4);
    for (int i = 1; i <= 13; ++i) hero.survie[i] = QString::number(i % 6);
    for (int n = 1; n <= 16; ++n) hero.vetement[n] = {"Habit " + QString::number(n), "2"};
    for (int n = 1; n <= 24; ++n) hero.equip[n] = {"Objet n°" + QString::number(n), "3"};
    hero.piecesbronze = "4";
    return hero;
}

} // namespace

class TestHeroIo : public QObject {
    Q_OBJECT
    std::optional<TestDriveC> drive;
    std::optional<FreshProgram> program;

    // Puts a hero on the sheets as a player would have built it, then saves it.
    void save(const HeroRecord& hero) {
        {
            const LoadChecksHeld held;
            applyHero(hero);
        }
        perso().sauvegarde->trigger();
    }
    void choose(const QString& name) {
        pickFromList(perso().nom, perso().nom->findText(name));
    }

private slots:
    void init() {
        drive.emplace();
        program.emplace();
        perso();
    }
    void cleanup() {
        program.reset();
        drive.reset();
    }

    void savedHeroComesBackWhole() {
        const HeroRecord hero = warrior(QStringLiteral("Aëlys"), 4, 150);
        save(hero);
        QCOMPARE(program->messages.count(), 0);

        const QByteArray bytes = drive->read(QStringLiteral("Aëlys.af"));
        QCOMPARE(bytes.count("\r\n"), 232);
        QCOMPARE(bytes.count('\n'), 232);
        QVERIFY(bytes.contains(cp1252::encode(QStringLiteral("cœur brisé"))));

        effacefiche();
        QVERIFY(perso().force->text().isEmpty());
        choose(QStringLiteral("Aëlys"));
        QCOMPARE(program->messages.count(), 0);
        QVERIFY(collectHero() == hero);
        QCOMPARE(attrib().piecesor->text(), QStringLiteral("3"));
        QCOMPARE(attrib().windowTitle(), QStringLiteral("Aëlys - Attributs"));
        QCOMPARE(equip().windowTitle(), QStringLiteral("Aëlys - Equipement"));
        QCOMPARE(perso().windowTitle(), QStringLiteral("Aëlys - Feuille de Personnage"));
        QCOMPARE(perso().poidstransporte->text(), QStringLiteral("361"));

        // Taking the chain mail off gives its malus back once.
        perso().malus[1]->setText(QString());
        QCOMPARE(perso().adresse->text(), QStringLiteral("11"));
    }

    void everyFieldComesBack() {
        const HeroRecord hero = fullHero();
        save(hero);
        QCOMPARE(program->messages.texts(), QStringList());
        const QString file = QStringLiteral("Œdwyn le Hardi.af");
        const QByteArray bytes = drive->read(file);
        QCOMPARE(bytes.count("\r\n"), 232);
        QCOMPARE(bytes.count('\n'), 232);
        QCOMPARE(bytes.count('\r'), 232);
        QVERIFY(bytes.startsWith(cp1252::encode(hero.nom) + "\r\n"));

        effacefiche();
        choose(hero.nom);
        QCOMPARE(program->messages.texts(), QStringList());
        QVERIFY(collectHero() == hero);
        QVERIFY(perso().poidstransporte->value() * 2 > perso().poidsmaximum->value());
        for (int n = 1; n <= 3; ++n) perso().malus[n]->setText(QString());
        QCOMPARE(perso().adresse->text(), QStringLiteral("13"));
    }

    void lightHeroOverHeavyOne() {
        // The light hero's sword is heavier: written while the anvil of the heavy hero is still
        // carried, it would go over the light hero's limit.
        HeroRecord heavy = warrior(QStringLiteral("Lourd"), 10, 10);
        heavy.equip[24] = {QStringLiteral("Enclume"), QStringLiteral("700")};
        HeroRecord light = warrior(QStringLiteral("Leger"), 3, 10);
        light.melee[1].poidsmelee = QStringLiteral("80");
        save(heavy);
        save(light);
        choose(QStringLiteral("Lourd"));
        program->messages.clear();

        choose(QStringLiteral("Leger"));
        QCOMPARE(program->messages.texts(), QStringList());
        QVERIFY(collectHero() == light);
        QCOMPARE(perso().poidstransporte->text(), QStringLiteral("251"));
    }

    void heroOverItsLimitIsWarnedOnceAndKeepsEverything() {
        save(warrior(QStringLiteral("Surcharge"), 1, 500));
        effacefiche();
        program->messages.clear();
        choose(QStringLiteral("Surcharge"));
        QCOMPARE(program->messages.texts(), QStringList{QStringLiteral("Charge maximum dépassée !")});
        QCOMPARE(equip().poidsequip[1]->text(), QStringLiteral("500"));
        QCOMPARE(perso().poidsprotection[1]->text(), QStringLiteral("150"));
    }

    void unreadableFileLeavesTheSheets_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("description");
        const QString pastEnd = QStringLiteral("L'entrée dépasse la fin de fichier\r\nC:\\Court.af");
        QTest::newRow("short") << QByteArray("Court\r\n").repeated(214) << pastEnd;
        QTest::newRow("empty") << QByteArray() << pastEnd;
    }
    void unreadableFileLeavesTheSheets() {
        QFETCH(QByteArray, content);
        QFETCH(QString, description);
        const HeroRecord shown = warrior(QStringLiteral("Present"), 4, 100);
        save(shown);
        drive->write(QStringLiteral("Court.af"), content);
        perso().menurepertoire->trigger(); // the list is refilled with the folder's heroes
        cheminperso().Ok->click();
        program->messages.clear();

        choose(QStringLiteral("Court"));
        QCOMPARE(program->messages.count(), 1);
        QCOMPARE(program->messages.last().text, description);
        QCOMPARE(program->messages.last().title, QStringLiteral("Erreur !"));
        QCOMPARE(program->messages.last().icon, MsgIcon::Critical);
        HeroRecord expected = shown;
        expected.nom = QStringLiteral("Court"); // the list's text is the name chosen
        QVERIFY(collectHero() == expected);
    }

    void forbiddenNamesWriteNothing_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"", "a\\b", "a/b", "c:x", "x*", "x?", "\"x\"", "<x", "x>", "x|y"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void forbiddenNamesWriteNothing() {
        QFETCH(QString, name);
        HeroRecord hero = warrior(name, 4, 10);
        save(hero);
        QCOMPARE(program->messages.texts(),
                 QStringList{QStringLiteral("Utilisation d'un caractère interdit !")});
        QCOMPARE(program->messages.last().icon, MsgIcon::Exclamation);
        QCOMPARE(program->messages.last().title, QString());
        QCOMPARE(QDir(drive->root()).entryList({"*.af"}, QDir::Files), QStringList());
    }

    // A save that cannot be written says why and is never taken for done: the list stays.
    void saveIntoAFolderThatCannotHoldIt_data() {
        QTest::addColumn<bool>("plainFile"); // else the folder has gone
        QTest::addColumn<QString>("reason");
        QTest::newRow("gone") << false << "Fichier ou dossier introuvable";
        QTest::newRow("a plain file") << true << "Un fichier porte le nom d'un dossier du chemin";
    }
    void saveIntoAFolderThatCannotHoldIt() {
        QFETCH(bool, plainFile);
        QFETCH(QString, reason);
        if (plainFile) drive->write(QStringLiteral("parti"), "x");
        settings::current().heroFolder = QStringLiteral("C:\\parti\\");
        save(warrior(QStringLiteral("Perdu"), 4, 10));
        QCOMPARE(program->messages.texts(),
                 QStringList{"Chemin d'accès introuvable\r\nC:\\parti\\Perdu.af\r\n" + reason});
        QCOMPARE(program->messages.last().title, QStringLiteral("Erreur !"));
        QCOMPARE(program->messages.last().icon, MsgIcon::Critical);
        QCOMPARE(perso().nom->listCount(), 0);
        QCOMPARE(QFileInfo(drive->root() + QStringLiteral("/parti")).isFile(), plainFile);
    }

    // Without "c:\objets.ini" every item box written refreshes the listers in vain.
    void missingItemFolderFileIsToldOnceOrNotAtAll() {
        save(warrior(QStringLiteral("Sans"), 4, 10));
        QFile::remove(drive->root() + QStringLiteral("/objets.ini"));
        effacefiche();
        QCOMPARE(program->messages.count(), 0); // clearing the hero says nothing

        choose(QStringLiteral("Sans"));
        QCOMPARE(program->messages.count(), 1);
        QVERIFY(program->messages.last().text.startsWith(
            QStringLiteral("fichier 'c:\\objets.ini' introuvable !")));
        QCOMPARE(equip().poidsequip[1]->text(), QStringLiteral("10"));
    }

    void listFollowsSavesAndTheFolder() {
        drive->write(QStringLiteral("heros/zora.AF"), {});
        drive->write(QStringLiteral("heros/Brom.af"), {});
        drive->write(QStringLiteral("heros/notes.txt"), {});
        save(warrior(QStringLiteral("alric"), 4, 10));
        QCOMPARE(perso().nom->listCount(), 1);

        perso().menurepertoire->trigger();
        Cheminperso& dialog = cheminperso();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.cheminfichierperso->caption(), QStringLiteral("C:\\"));
        dialog.setFolder(QStringLiteral("C:\\heros"));
        dialog.Ok->click();
        QVERIFY(!dialog.isVisible());
        QStringList listed;
        for (int i = 0; i < perso().nom->listCount(); ++i) listed << perso().nom->list(i);
        QCOMPARE(listed, (QStringList{"Brom", "zora"}));
        QCOMPARE(perso().trans->text(), QStringLiteral("C:\\heros\\"));
        QVERIFY(drive->read(QStringLiteral("ambrefer.ini")).startsWith("C:\\heros\\\r\n"));

        save(warrior(QStringLiteral("Cassia"), 4, 10));
        listed.clear();
        for (int i = 0; i < perso().nom->listCount(); ++i) listed << perso().nom->list(i);
        QCOMPARE(listed, (QStringList{"Brom", "Cassia", "zora"}));
        QCOMPARE(perso().nom->text(), QStringLiteral("Cassia"));
    }

    // Closing a sheet, the program quitting and "Nouveau" go at once with the hero as last
    // loaded, saved or cleared (or as the program started); with work since, only on a Oui.
    void unsavedWorkIsAskedFor_data() {
        // What is done ("field=text" an edit), then the sheet closed, "quit" or "Nouveau", then
        // the answer, none when nothing may be asked.
        QTest::addColumn<QString>("steps");
        for (const char* steps :
             {"perso", "save equip", "save clear load attrib", "experience=40 clear Nouveau",
              "experience=40 experience= quit", "save load habilete1=6 attrib Oui",
              "save poidsequip2=10 equip Non", "save load experience=40 quit Non",
              "experience=40 gone save perso Oui", "save piecesor=9 Nouveau Non",
              "experience=40 Nouveau Oui"})
            QTest::newRow(steps) << QString(steps);
    }
    void unsavedWorkIsAskedFor() {
        QFETCH(QString, steps);
        QStringList done = steps.split(' ');
        const QString answer = done.last() == "Oui" || done.last() == "Non" ? done.takeLast() : "";
        const QString action = done.takeLast();
        for (const QString& step : done) {
            if (step == "save") save(warrior("Aldric", 4, 10));
            if (step == "load") choose("Aldric");
            if (step == "clear") effacefiche();
            if (step == "gone") settings::current().heroFolder = "C:\\parti\\";
            for (Form* sheet : {(Form*)&perso(), (Form*)&attrib(), (Form*)&equip()})
                if (auto* box = sheet->findChild<TextBox*>(step.section('=', 0, 0)))
                    box->setText(step.section('=', 1));
        }
        program->messages.clear();
        program->messages.answers.push_back(answer == "Non" ? MsgAnswer::No : MsgAnswer::Yes);
        const QStringList before = heroLines(collectHero());
        Form& sheet = action == "attrib"  ? (Form&)attrib()
                      : action == "equip" ? (Form&)equip()
                                          : perso();
        sheet.show();
        if (action == "Nouveau") perso().menunouveau->trigger();
        if (action == "quit") QApplication::closeAllWindows();
        if (action != "Nouveau" && action != "quit") sheet.close();

        const QString question = action == "Nouveau"
                                     ? "Effacer le héros sans l'enregistrer ?"
                                     : "Le héros a été modifié depuis son dernier enregistrement. "
                                       "Quitter sans l'enregistrer ?";
        QCOMPARE(program->messages.texts(),
                 answer.isEmpty() ? QStringList() : QStringList{question});
        if (!answer.isEmpty())
            QVERIFY(program->messages.last().buttons == MsgButtons::YesNo &&
                    program->messages.last().icon == MsgIcon::Question &&
                    program->messages.last().defaultAnswer == MsgAnswer::No);
        const bool goesOn = answer != "Non";
        if (action == "Nouveau") QCOMPARE(perso().nom->text().isEmpty(), goesOn);
        if (action != "Nouveau") QCOMPARE(program->end.ends == 1 && !sheet.isVisible(), goesOn);
        if (!goesOn) QCOMPARE(heroLines(collectHero()), before);
    }
};

QTEST_MAIN(TestHeroIo)
#include "test_heroio.moc"
