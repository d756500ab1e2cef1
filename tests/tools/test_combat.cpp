// The combat window: the copy of the hero and what makes it, the options in step, the report
// file, the adversary read, rolled and cleared.
#include "hero/sheet.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include "common/chance.h"
#include "common/shared.h"
#include "tools/chemin.h"
#include "tools/combat.h"

#include <QGroupBox>
#include <QHelpEvent>

namespace {

// The texts of the combat's fields, joined by `sep`.
QString texts(const QString& names, QChar sep = '|') {
    QStringList shown;
    for (const QString& name : names.split(' '))
        shown << (name == "combatpnj" ? combat().combatpnj->text() : on(combat(), name)->text());
    return shown.join(sep);
}
const QString heroSide = "combatheros hc hev ha hp hpi1 hpi2 hpr";
const QString adversary = "combatpnj acm aev ac aa ap apr api1 api2";

// Which entries, options and boxes are set, by name, then the delay and the rules.
QString options() {
    QStringList set;
    for (QObject* control : combat().findChildren<QObject*>())
        if (control->property("checked").toBool()) set << control->objectName().remove("menu");
    set.sort();
    return set.join(' ') + ' ' + QString::number(shared::delai) +
           (shared::modeextension ? " ext" : "");
}

// A user's click on a button or choice of a menu entry of that name; false when there is none.
bool act(QWidget& window, const QString& name) {
    if (auto* button = window.findChild<QAbstractButton*>(name))
        button->click();
    else if (auto* entry = window.findChild<MenuEntry*>(name))
        entry->trigger();
    return window.findChild<QAbstractButton*>(name) || window.findChild<MenuEntry*>(name);
}

QString tip() {
    QHelpEvent rest(QEvent::ToolTip, {}, {});
    QApplication::sendEvent(combat().fichier, &rest);
    return combat().fichier->toolTip().remove(" Le chemin de sauvegarde du rapport est dans : ");
}

} // namespace

class TestCombat : public QObject {
    Q_OBJECT
    TestDriveC drive;

private slots:
    void copy_data() {
        QTest::addColumn<QString>("hero"); // field=text ...
        QTest::addColumn<QString>("shown");
        QTest::newRow("sums") << "nom=Arn courage=12 energievitale=30 attaque=10 bonusparade=1 "
                                 "attaque1=-2 parade=8 bonusparade2=2 parade1=1 pim11=2 pim21=3 "
                                 "bonusattaque=1 prot1=2 prot3=1"
                              << "Arn|12|30|9|11|2|4|3";
        QTest::newRow("zeros")
            << "courage=0 energievitale=0 pim11=0 attaque=2 bonusparade=-2 prot2=0"
            << "|0|0|||||";
        QTest::newRow("fractions, -0, text")
            << "attaque=10 bonusparade=0.5 parade=-0 pim21=2,5 bonusattaque=0.25 courage=Mort"
            << "|Mort||10.5|||2.25|";
    }
    void copy() {
        QFETCH(QString, hero);
        QFETCH(QString, shown);
        FreshProgram fresh;
        for (const QString& field : hero.split(' '))
            write(field.section('=', 0, 0), field.section('=', 1));
        QCOMPARE(texts(heroSide), shown);
        QVERIFY(!combat().isVisible());
        fresh.messages.answers.push_back(MsgAnswer::Yes); // cleared without being saved
        perso().menunouveau->trigger(); // a cleared hero leaves nothing behind, name included
        QCOMPARE(texts(heroSide), QStringLiteral("|||||||"));
    }

    // The life energy a fight writes reaches the sheet and comes back without a second round.
    void lifeEnergyRoundTrip() {
        FreshProgram fresh;
        write("evinitiale", "20");
        combat().hev->setText("25");
        QCOMPARE(read("energievitale") + combat().hev->text(), QStringLiteral("2525"));
        QCOMPARE(fresh.messages.texts(),
                 QStringList{"L'énergie vitale ne peut pas dépasser sa valeur initiale."});
    }

    void callers_data() {
        QTest::addColumn<QString>("caller");
        for (const QString& caller :
             QStringLiteral(
                 "courage intelligence charisme adresse force endurance energievitale attaque "
                 "parade pim11 pim21 prot1 prot2 prot3 malus1 malus2 malus3 attaque1 parade1 "
                 "bonusattaque bonusparade bonusparade2 aventurier guerrier nain magicien elfe "
                 "elfebois cavalier druide pretre autrerace menutirage nom")
                 .split(' '))
            QTest::newRow(qPrintable(caller)) << caller;
    }
    void callers() {
        QFETCH(QString, caller);
        FreshProgram fresh;
        write("nom", "Arn");
        perso().sauvegarde->trigger();
        combat().combatheros->setText("x"); // what a copy that does not run leaves behind
        chance::script({0, 0, 0, 0, 0});
        if (caller == "nom")
            pickFromList(perso().nom, 0);
        else if (!act(perso(), caller))
            write(caller, "3");
        QCOMPARE(texts("combatheros hc") + fresh.messages.texts().join(""),
                 "Arn|" + read("courage"));
    }

    void combatEntry_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("opens"); // for a priest without a deity
        QTest::newRow("perso") << "perso" << false;
        QTest::newRow("attrib") << "attrib" << true;
        QTest::newRow("equip") << "equip" << true;
    }
    void combatEntry() {
        QFETCH(QString, sheet);
        QFETCH(bool, opens);
        FreshProgram fresh;
        write("nom", "Arn");
        perso().pretre->click();
        Combat& c = combat();
        c.pause2->click();
        c.fichier->click();
        c.combatheros->setText("x");
        for (QWidget* from : std::initializer_list<QWidget*>{&perso(), &attrib(), &equip()})
            if (from->objectName() == sheet) act(*from, "menucombat");
        QCOMPARE(fresh.messages.count(), opens ? 0 : 1);
        QCOMPARE(c.isVisible() && c.pause0->value() && !c.fichier->value(), opens);
        QCOMPARE(c.combatheros->text(), QString(opens ? "Arn" : "x"));
    }

    void options_data() {
        QTest::addColumn<QString>("action"); // a menu entry, or a click on an option or the box
        QTest::addColumn<QString>("shown");  // what is set, "menu" left out
        QTest::newRow("start") << "" << QStringLiteral("initiation non1 non2 pause0 0");
        QTest::newRow("menu") << "menu2sec" << QStringLiteral("2sec initiation non2 pause2 2");
        QTest::newRow("option") << "pause1" << QStringLiteral("1sec initiation non2 pause1 1");
        QTest::newRow("box") << "fichier" << QStringLiteral("fichier initiation non1 oui pause0 0");
        QTest::newRow("oui") << "menuoui" << QStringLiteral("fichier initiation non1 oui pause0 0");
        QTest::newRow("ext") << "menuextension"
                             << QStringLiteral("extension non1 non2 pause0 0 ext");
    }
    void options() {
        QFETCH(QString, action);
        QFETCH(QString, shown);
        FreshProgram fresh;
        shared::modeextension = true;
        perso();
        Combat& c = combat();
        act(c, action);
        QCOMPARE(::options(), shown);
        QCOMPARE(c.menuou->isEnabled(), c.fichier->value());
        QVERIFY(c.Bar1->maximum() == 100 && c.Bar2->value() == 0 && c.Command8->isHidden());
        c.acm->setText("25");
        c.moveTwips(1500, 3000);
        c.close(); // hidden with what it holds, and the settings written
        QVERIFY(drive.read("ambrefer.ini").contains("\r\n3000\r\n1500\r\n"));
        c.move(0, 0);
        perso().findChild<MenuEntry*>("menucombat")->trigger(); // back where it was closed
        QVERIFY(c.isVisible() && c.acm->text() == "25" && c.pause0->value() && !c.fichier->value());
        QVERIFY(c.topTwips() == 3000 && c.leftTwips() == 1500);
        QCOMPARE(c.menuextension->checked() && shared::modeextension, shown.endsWith("ext"));
        QCOMPARE(drive.read("ambrefer.ini").count("\r\n"), 15);
    }

    // Each side's result of the round shows whole, under its own side.
    void results() {
        FreshProgram fresh;
        Combat& c = combat();
        c.show();
        for (auto [result, side] : {std::pair{"rheros", "Heros"}, {"radv", "Adversaire"}}) {
            auto* label = c.findChild<Label*>(result);
            for (const QString caption :
                 {"Bonne Prd ratée !", "Coup de Maître !", "Attaque fatale !"})
                QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
            const int centre = label->mapTo(&c, label->rect().center()).x();
            const auto boxes = c.findChildren<QGroupBox*>();
            auto* box = *std::find_if(boxes.begin(), boxes.end(),
                                      [&](QGroupBox* b) { return b->title() == side; });
            const int left = box->mapTo(&c, QPoint()).x();
            QVERIFY(centre > left && centre < left + box->width());
        }
    }

    // Ok confirms the path shown, unless the name is empty; a path that cannot be written is
    // refused with its reason; a file that holds something is replaced only on a Oui.
    void reportPath_data() {
        // folders opened, drives picked, "=name" typed; last, the answer to replacing a file
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("root") << QStringList{} << "C:\\resultat.txt";
        QTest::newRow("folder") << QStringList{"rapports"} << "C:\\rapports\\resultat.txt";
        QTest::newRow("no name") << QStringList{"rapports", "="} << "C:\\rapports\\";
        QTest::newRow("drive, bad name") << QStringList{"rapports", "z:", "=a?b"} << "Z:\\a?b";
        QTest::newRow("and back") << QStringList{"rapports", "=duel.txt", "z:", "c:", "Oui"}
                                  << "C:\\rapports\\duel.txt";
        QTest::newRow("other case")
            << QStringList{"rapports", "=DUEL.TXT", "Non"} << "C:\\rapports\\DUEL.TXT";
    }
    void reportPath() {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        FreshProgram fresh;
        drive.write("rapports/duel.txt", "ancien rapport");
        drive.write("rapports/resultat.txt", ""); // an empty file is taken without a word
        const bool answered = QStringList{"Oui", "Non"}.contains(steps.value(steps.size() - 1));
        const QString answer = answered ? steps.takeLast() : "";
        if (answered)
            fresh.messages.answers.push_back(answer == "Oui" ? MsgAnswer::Yes : MsgAnswer::No);
        QCOMPARE(tip(), QStringLiteral("c:\\resultat.txt"));
        combat().menuoui->trigger();
        combat().menuou->trigger();
        Chemin& dialog = chemin();
        for (const QString& step : steps) {
            if (step.startsWith('='))
                dialog.file->setText(step.mid(1));
            else if (step.endsWith(':'))
                pickFromList(dialog.drive, dialog.drive->findText(step));
            else
                emit dialog.Dir->itemActivated(dialog.Dir->findItems(step, Qt::MatchExactly)[0]);
        }
        QCOMPARE(dialog.cheminfichier->caption(), shown);
        dialog.ok->click();
        const bool refused = shown.contains('?') || answer == "Non";
        const bool confirmed = !refused && !shown.endsWith('\\');
        QCOMPARE(dialog.isVisible(), refused);
        const QString question = "Le fichier " + shown + " existe déjà. Le remplacer ?";
        QCOMPARE(fresh.messages.texts().contains(question), answered);
        if (answered)
            QVERIFY(fresh.messages.last().icon == MsgIcon::Question &&
                    fresh.messages.last().buttons == MsgButtons::YesNo &&
                    fresh.messages.last().defaultAnswer == MsgAnswer::No);
        QCOMPARE(drive.read("rapports/duel.txt"),
                 QByteArray(answer == "Oui" ? "" : "ancien rapport"));
        QCOMPARE(fresh.messages.count() == 1 && fresh.messages.last().title == "Erreur !",
                 refused && !answered);
        QCOMPARE(tip(), confirmed ? shown : "c:\\resultat.txt");
        QCOMPARE(dialog.flag->caption(), QString(confirmed ? "1" : ""));
        if (confirmed) QCOMPARE(drive.read(shown.mid(3).replace('\\', '/')), QByteArray());
        dialog.close(); // closed from its title bar, it keeps what was confirmed
        QCOMPARE(cheminRapport(), confirmed ? shown : "c:\\resultat.txt");
    }

    void monster_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("shown"); // the adversary's fields, then the messages' titles
        const QByteArray full =
            "Gob, \"le chef\"\r\n20\r\n15\r\n9\r\n1\r\n2\r\n3\r\n4\r\n5\r\n11\r\n"
            "7\r\n8\r\n2\r\n1\r\n3\r\nPetit\r\nRusé\r\nPartout\r\n";
        const QString gob = "Gob, \"le chef\"|20|15|9|11|7|2|1|3";
        QTest::newRow("full") << "Gobelin.pnj" << full << gob;
        QTest::newRow("upper-case extension") << "Gobelin.PNJ" << full << gob;
        QTest::newRow("short") << "Gobelin.pnj" << QByteArray("Gob\r\n20\r\n15\r\n9")
                               << "Gob|20|15|9|||||Erreur !";
        QTest::newRow("missing") << "Orc.pnj" << full << "||||||||Erreur !";
    }
    void monster() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, shown);
        FreshProgram fresh;
        const QString folder = "monstres/" + QString(QTest::currentDataTag());
        drive.write(folder + '/' + file, content);
        Combat& c = combat();
        c.fichiers->setPath("C:\\" + folder);
        c.combatpnj->addItem("Gobelin");
        for (const char* name : {"acm", "aev", "ac", "aa", "ap", "apr", "api1", "api2"})
            on(c, name)->setText("99"); // the monster before
        pickFromList(c.combatpnj, 0);
        QString fields = texts(adversary);
        for (const MessageBoxRequest& message : fresh.messages.shown)
            fields += message.title;
        QCOMPARE(fields, shown);
    }

    void tirage_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("shown"); // ac aa ap apr api1 api2 aev, then what stays
        QTest::newRow("lowest") << 0.0 << "8 8 8 0 1 0 30 Ogre 40";
        QTest::newRow("highest") << 0.99999 << "13 13 13 5 1 5 35 Ogre 40";
    }
    void tirage() {
        QFETCH(double, r);
        QFETCH(QString, shown);
        FreshProgram fresh;
        write("courage", "12");
        Combat& c = combat();
        c.combatpnj->setText("Ogre");
        c.acm->setText("40");
        c.nt->setText("4");
        c.rheros->setCaption("Touché");
        c.Command2->setEnabled(false);
        chance::script(std::vector<double>(6, r));
        c.Label4_Click();
        QTest::mouseClick(c.Command8, Qt::LeftButton);
        QVERIFY(chance::scriptExhausted());
        QCOMPARE(texts("ac aa ap apr api1 api2 aev combatpnj acm nt", ' '), shown + ' ');
        QVERIFY(c.Bar1->value() == 100 && c.Bar2->maximum() == 100 && c.rheros->text() == "");
        QVERIFY(c.Command2->isEnabled());

        // "&Effacer" clears the adversary and the round, never the hero nor the bars.
        c.pause2->setValue(true);
        c.fichier->setValue(true);
        c.radv->setCaption("Touché");
        QTest::mouseClick(c.Command7, Qt::LeftButton);
        QCOMPARE(texts(adversary + " nt"), QStringLiteral("|||||||||"));
        QVERIFY(c.radv->text().isEmpty() && c.pause0->value() && !c.fichier->value());
        QVERIFY(c.Bar2->value() == 100 && c.hc->text() == "12");
    }
};

QTEST_MAIN(TestCombat)
#include "test_combat.moc"
