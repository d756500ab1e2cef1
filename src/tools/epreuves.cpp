#include "tools/epreuves.h"

#include "common/chance.h"
#include "common/fitwidth.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const QString reussie = QStringLiteral("Réussie !");
const QString ratee = QStringLiteral("Ratée !");

struct Row {
    const char* button;
    const char* caption;
    CommandButton* Epreuves::*buttonField;
    void (Epreuves::*click)();
    const char* value;
    TextBox* Epreuves::*valueField;
    int number;
};

// Top to bottom, as on screen.
const Row rows[] = {
    {"courage", "&Courage", &Epreuves::courage, &Epreuves::courage_Click, "co", &Epreuves::co, 1},
    {"intelligence", "&Intelligence", &Epreuves::intelligence, &Epreuves::intelligence_Click,
     "inte", &Epreuves::inte, 2},
    {"charisme", "C&harisme", &Epreuves::charisme, &Epreuves::charisme_Click, "ch", &Epreuves::ch,
     3},
    {"adresse", "&Adresse", &Epreuves::adresse, &Epreuves::adresse_Click, "ad", &Epreuves::ad, 4},
    {"force", "&Force", &Epreuves::force, &Epreuves::force_Click, "fo", &Epreuves::fo, 5},
    {"endurance", "En&durance", &Epreuves::endurance, &Epreuves::endurance_Click, "endu",
     &Epreuves::endu, 8},
    {"attaque", "A&ttaque", &Epreuves::attaque, &Epreuves::attaque_Click, "at", &Epreuves::at, 6},
    {"parade", "&Parade", &Epreuves::parade, &Epreuves::parade_Click, "pa", &Epreuves::pa, 7},
};

// A computed 0 shows as an empty box.
void zeroShownEmpty(TextBox* box) {
    box->onChange([box] {
        if (box->text() == QLatin1String("0")) box->clear();
    });
}

} // namespace

Epreuves::Epreuves() : ToolWindow(QStringLiteral("epreuves"), QStringLiteral("Epreuves")) {
    QGroupBox* frame = makeFrame1();
    auto* column = new QVBoxLayout(frame);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    column->addLayout(grid);

    signe = new Label(QStringLiteral("signe"), QStringLiteral("+ / -"), frame);
    grid->addWidget(signe, 0, 2, Qt::AlignHCenter);
    const int widestResult = fontMetrics().horizontalAdvance(reussie) + fontMetrics().height();
    for (int line = 0; line < 8; ++line) {
        const Row& row = rows[line];
        const int n = row.number;
        auto* button = new CommandButton(QString::fromLatin1(row.button),
                                         QString::fromUtf8(row.caption), frame);
        button->onClick([this, click = row.click] { (this->*click)(); });
        this->*row.buttonField = button;

        valeur[n] = new TextBox(QString::fromLatin1(row.value), frame);
        this->*row.valueField = valeur[n];
        valeur[n]->setReadOnly(true);
        valeur[n]->setAlignment(Qt::AlignCenter);
        fitToDigits(valeur[n], 3);
        fact[n] = new TextBox(QStringLiteral("fact%1").arg(n), frame);
        fact[n]->setAlignment(Qt::AlignCenter);
        fact[n]->setMaxLength(3);
        fitToDigits(fact[n], 3);
        Check[n] = new CheckBox(QStringLiteral("Check%1").arg(n), QString(), frame);
        resultats[n] = new Label(QStringLiteral("Label%1").arg(n), QString(), frame);
        resultats[n]->setMinimumWidth(widestResult);

        grid->addWidget(button, line + 1, 0);
        grid->addWidget(valeur[n], line + 1, 1);
        grid->addWidget(fact[n], line + 1, 2);
        grid->addWidget(Check[n], line + 1, 4);
        grid->addWidget(resultats[n], line + 1, 5);
    }
    auto* separator = new QFrame(frame);
    separator->setObjectName(QStringLiteral("Frame3"));
    separator->setFrameShape(QFrame::VLine);
    grid->addWidget(separator, 1, 3, 8, 1);

    for (TextBox* box : {ad, at, pa})
        zeroShownEmpty(box);

    auto* buttons = new QHBoxLayout;
    lancer = new CommandButton(QStringLiteral("lancer"), QStringLiteral("&Epreuve"), frame);
    tirage = new Label(QStringLiteral("tirage"), QString(), frame);
    tirage->setAlignment(Qt::AlignCenter);
    tirage->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000")));
    QSizePolicy keepPlace = tirage->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    tirage->setSizePolicy(keepPlace);
    tirage->hide();
    Efface = new CommandButton(QStringLiteral("Efface"), QStringLiteral("E&ffacement"), frame);
    buttons->addWidget(lancer);
    buttons->addWidget(tirage, 1);
    buttons->addWidget(Efface);
    column->addLayout(buttons);

    lancer->onClick([this] { lancer_Click(); });
    Efface->onClick([this] { Efface_Click(); });
    resultats[7]->onClick([this] { Label7_Click(); });
}

void Epreuves::toggleRow(int number) {
    Check[number]->setValue(!Check[number]->value());
}

void Epreuves::lancer_Click() {
    for (int n = 1; n <= 8; ++n)
        resultats[n]->clear();
    // By row number, so endurance is tested last; the roll shown is the last one made.
    for (int n = 1; n <= 8; ++n) {
        if (!Check[n]->value() || valeur[n]->text().isEmpty()) continue;
        const int roll = chance::d20();
        tirage->setCaption(textnum::fmt(roll));
        const bool success = chance::testSucceeds(roll, valeur[n]->value(), fact[n]->value());
        resultats[n]->setCaption(success ? reussie : ratee);
    }
}

void Epreuves::Efface_Click() {
    for (int n = 1; n <= 8; ++n) {
        resultats[n]->clear();
        Check[n]->setValue(false);
        fact[n]->clear();
    }
    tirage->clear();
}

void Epreuves::Label7_Click() {
    tirage->setHidden(!tirage->isHidden());
}

void Epreuves::clearTests() {
    for (int n = 1; n <= 8; ++n) {
        Check[n]->setValue(false);
        resultats[n]->clear();
    }
}
