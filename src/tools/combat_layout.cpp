// The arrangement of the combat window: the hero and the adversary side by side, line for line,
// then the round's results, the round and the options, then the buttons.
#include "tools/combat.h"

#include "common/fitwidth.h"
#include "common/screenfit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Row { Name, Class, Courage, Attack, Parade, Damage, Protection, Life, Bar, Rows };

const char* const rowCaptions[] = {"Nom",        "Classe",         "Courage",
                                   "Attaque",    "Parade",         "Points d'impact",
                                   "Protection", "Energie vitale", ""};

// A fighter's side: one row per value, the same rows on both sides so that they face each other.
QGroupBox* side(const QString& title, QWidget* parent, QWidget* const (&fields)[Rows],
                QWidget* damageAddend, QLabel* damageCaption, int rowHeight) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    for (int row = 0; row < Rows; ++row) {
        grid->setRowMinimumHeight(row, rowHeight);
        if (!fields[row]) {
            grid->addWidget(new QWidget(box), row, 1); // an empty row would lose its spacing
            continue;
        }
        QLabel* caption = row == Damage && damageCaption
                              ? damageCaption
                              : new QLabel(QString::fromUtf8(rowCaptions[row]), box);
        grid->addWidget(caption, row, 0);
        if (row == Damage) {
            auto* damage = new QHBoxLayout;
            damage->addWidget(fields[row]);
            damage->addWidget(new QLabel(QStringLiteral("D6+"), box));
            damage->addWidget(damageAddend);
            damage->addStretch();
            grid->addLayout(damage, row, 1);
        } else {
            grid->addWidget(fields[row], row, 1);
        }
        if (auto* number = qobject_cast<QLineEdit*>(fields[row]); number && row != Name) {
            fitToDigits(number, 4);
            number->setAlignment(Qt::AlignCenter);
        }
    }
    if (auto* addend = qobject_cast<QLineEdit*>(damageAddend)) {
        fitToDigits(addend, 4);
        addend->setAlignment(Qt::AlignCenter);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

} // namespace

void Combat::buildLayout() {
    QWidget* sheet = screenfit::contents(*this);
    combatpnj->setMinimumContentsLength(18);
    combatpnj->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    QWidget* const heros[Rows] = {combatheros, nullptr, hc, ha, hp, hpi1, hpr, hev, Bar1};
    QWidget* const adversaire[Rows] = {combatpnj, acm, ac, aa, ap, api1, apr, aev, Bar2};
    auto* fighters = new QHBoxLayout;
    // Rows as tall as the tallest control, so that the two sides stay face to face.
    const int rowHeight =
        std::max(combatheros->sizeHint().height(), combatpnj->sizeHint().height());
    // Two halves of one width: the results below fall under their side.
    fighters->addWidget(side(QStringLiteral("Heros"), sheet, heros, hpi2, nullptr, rowHeight), 1);
    fighters->addWidget(
        side(QStringLiteral("Adversaire"), sheet, adversaire, api2, Label4, rowHeight), 1);
    for (QProgressBar* bar : {Bar1, Bar2})
        bar->setTextVisible(false);

    // Each side's result under its side, so that it is plain whose it is.
    auto* results = new QGroupBox(QStringLiteral("Résultat du tour"), sheet);
    auto* resultRow = new QHBoxLayout(results);
    for (Label* result : {rheros, radv}) {
        result->setAlignment(Qt::AlignCenter);
        resultRow->addWidget(result, 1);
    }

    auto* round = new QHBoxLayout;
    round->addWidget(new QLabel(QStringLiteral("Nombre de tours"), sheet));
    fitToDigits(nt, 4);
    nt->setAlignment(Qt::AlignCenter);
    round->addWidget(nt);
    round->addStretch();
    auto* timer = new QGroupBox(QStringLiteral("Timer"), sheet);
    auto* timerRow = new QHBoxLayout(timer);
    for (OptionButton* option : {pause0, pause1, pause2})
        timerRow->addWidget(option);
    round->addWidget(timer);
    round->addWidget(fichier);

    auto* buttons = new QHBoxLayout;
    for (CommandButton* b : {Command2, arret, Command7, Command8})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(fichiers);

    auto* column = new QVBoxLayout(sheet);
    column->setSpacing(6);
    column->addLayout(fighters);
    column->addWidget(results);
    column->addLayout(round);
    column->addLayout(buttons);
}
