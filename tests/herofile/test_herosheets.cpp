#include "equipment/equip.h"
#include "hero/perso.h"
#include "herofile/herofile.h"
#include "herofile/herolines.h"
#include "herofile/herosheets.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QImage>
#include <QTest>
#include <optional>

namespace {

// The text of a field, whatever kind of box it is.
std::optional<QString> textOf(QWidget* field) {
    if (auto* box = qobject_cast<TextBox*>(field)) return box->text();
    if (auto* combo = qobject_cast<ComboBox*>(field)) return combo->text();
    if (auto* memo = qobject_cast<MemoBox*>(field)) return memo->text();
    return std::nullopt;
}

// Every field of the three sheets with this name (the purse is on two of them).
QList<QWidget*> fieldsNamed(const QString& name) {
    QList<QWidget*> found;
    for (Form* sheet : {static_cast<Form*>(&perso()), static_cast<Form*>(&attrib()),
                        static_cast<Form*>(&equip())})
        found += sheet->findChildren<QWidget*>(name);
    return found;
}

// A hero the sheets take as it is: strong enough to carry its purse, which the sheets keep as
// counts.
QStringList heroLines() {
    QStringList lines = herolines::values();
    lines[10] = "15"; // force
    lines[210] = "12";
    lines[211] = "7";
    lines[212] = "3";
    lines[213] = "150";
    return lines;
}

QString chosenType() {
    QString chosen;
    for (const OptionButton* option : perso().typeGroup.buttons())
        if (option->value()) chosen += option->objectName();
    return chosen;
}

} // namespace

class TestHeroSheets : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive_.emplace();
        program_.emplace();
        const QStringList lines = heroLines();
        drive_->write("heros/Arn.af", herolines::file(lines, heroFileLines));
        // The two list boxes take only an entry of their list.
        perso().sexe->addItem(lines[1]);
        perso().devotion->addItem(lines[4]);
    }
    void cleanup() {
        program_.reset();
        drive_.reset();
    }

    // Every line reaches the field the layout names, and is saved back as it was read.
    void applyThenCollect() {
        const QStringList lines = heroLines();
        const QStringList controls = herolines::controls();
        const HeroRecord hero = readHeroFile("C:\\heros\\Arn.af");
        applyHero(hero);
        for (int i = 0; i < controls.size(); ++i) {
            if (controls[i].isEmpty()) continue;
            const QList<QWidget*> fields = fieldsNamed(controls[i]);
            QVERIFY2(!fields.isEmpty(), qPrintable(controls[i]));
            for (QWidget* field : fields)
                QVERIFY2(textOf(field) == lines[i], qPrintable(controls[i]));
        }
        QCOMPARE(chosenType(), herolines::type);
        QCOMPARE(perso().cheminportrait, herolines::portrait);
        QCOMPARE(fieldsNamed("piecesor").size(), 2);
        const QString name = lines[0];
        QCOMPARE(perso().windowTitle(), name + " - Feuille de Personnage");
        QCOMPARE(attrib().windowTitle(), name + " - Attributs");
        QCOMPARE(equip().windowTitle(), name + " - Equipement");
        QCOMPARE(program_->messages.count(), 0);
        QVERIFY(collectHero() == hero);
    }

    // The sheet shows what was saved, whatever the hero shown before held.
    void loadingOverAnotherHero() {
        Perso& p = perso();
        p.evinitiale->setText("10");
        p.adresse->setText("12");
        p.protection[1]->setText("Cotte");
        p.malus[1]->setText("2"); // adresse 10
        HeroRecord hero = collectHero();
        hero.evinitiale = "30";
        hero.energievitale = "25";
        hero.protection[1] = {"Harnois", "5", "3", "20"};
        hero.adresse = "9"; // 12 less the harness's 3
        applyHero(hero);
        QCOMPARE(program_->messages.count(), 0);
        QCOMPARE(p.adresse->text(), QString("9"));
        p.malus[1]->setText(""); // taking the harness off gives its 3 back
        QCOMPARE(p.adresse->text(), QString("12"));
    }

    void heroType_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("pretre") << "pretre"
                                << "pretre";
        QTest::newRow("elfebois") << "elfebois"
                                  << "elfebois";
        QTest::newRow("autrerace") << "autrerace"
                                   << "autrerace";
        QTest::newRow("unknown") << "barde"
                                 << "";
    }
    void heroType() {
        QFETCH(QString, stored);
        QFETCH(QString, chosen);
        perso().guerrier->setValue(true); // the hero shown before
        HeroRecord hero = collectHero();
        hero.typeHeros = stored;
        applyHero(hero);
        QCOMPARE(chosenType(), chosen);
        QCOMPARE(collectHero().typeHeros, chosen);
    }

    void portrait_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("pictureShown");
        QTest::newRow("picture") << "C:\\images\\Arn.png" << true;
        QTest::newRow("missing picture") << "C:\\images\\Orik.png" << false;
        QTest::newRow("not a picture") << "C:\\images\\faux.png" << false;
        QTest::newRow("unknown drive") << "Q:\\Arn.png" << false;
    }
    // A hero whose picture has gone still loads whole and keeps the path for the next save.
    void portrait() {
        QFETCH(QString, path);
        QFETCH(bool, pictureShown);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::darkRed);
        QDir(drive_->root()).mkpath("images");
        QVERIFY(picture.save(drive_->root() + "/images/Arn.png"));
        drive_->write("images/faux.png", "pas une image");
        perso().setPortrait("C:\\images\\Arn.png"); // the hero shown before
        HeroRecord hero = collectHero();
        hero.portrait = path;
        hero.notes = "Écrit après le portrait";
        applyHero(hero);
        QCOMPARE(equip().notes->text(), hero.notes);
        QCOMPARE(perso().cheminportrait, path);
        QCOMPARE(!perso().portrait->pixmap().isNull(), pictureShown);
        QCOMPARE(collectHero().portrait, path);
    }

private:
    std::optional<TestDriveC> drive_;
    std::optional<FreshProgram> program_;
};

QTEST_MAIN(TestHeroSheets)
#include "test_herosheets.moc"
