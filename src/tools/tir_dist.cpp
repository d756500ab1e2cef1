#include "tools/tir_dist.h"

#include "common/chance.h"
#include "common/fitwidth.h"
#include "skills/attrib.h"
#include "tools/shottable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// Arial where the system has it; its sans-serif face otherwise.
QFont arial(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

template <class Control> Control* withFont(Control* control, const QFont& font) {
    control->setFont(font);
    return control;
}

} // namespace

TirDist::TirDist() : ToolWindow(QStringLiteral("tir_dist"), QStringLiteral("Tir")) {
    const QFont small = arial(9.75);
    const QFont large = arial(12);
    QGroupBox* frame = makeFrame1();
    auto* sides = new QHBoxLayout(frame);

    auto* rows = new QGridLayout;
    sides->addLayout(rows, 1);
    Label1 = withFont(new Label(QStringLiteral("Label1"), QStringLiteral("Arme"), frame), small);
    Label3 =
        withFont(new Label(QStringLiteral("Label3"), QStringLiteral("Distance"), frame), small);
    Label4 = withFont(new Label(QStringLiteral("Label4"), QStringLiteral("Cible"), frame), small);
    Label5 =
        withFont(new Label(QStringLiteral("Label5"), QStringLiteral("Difficulté"), frame), small);
    arme = withFont(new ComboBox(QStringLiteral("arme"), ComboBox::Style::List, frame), small);
    arme->setSorted(true);
    distance =
        withFont(new ComboBox(QStringLiteral("distance"), ComboBox::Style::List, frame), small);
    cible = withFont(new ComboBox(QStringLiteral("cible"), ComboBox::Style::List, frame), small);
    for (ComboBox* list : {arme, distance, cible})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    rows->addWidget(Label1, 0, 0);
    rows->addWidget(arme, 0, 1, 1, 3);
    rows->addWidget(Label3, 1, 0);
    rows->addWidget(distance, 1, 1, 1, 3);
    rows->addWidget(Label4, 2, 0);
    rows->addWidget(cible, 2, 1, 1, 3);

    valeur = withFont(new TextBox(QStringLiteral("valeur"), frame), large);
    valeur->setAlignment(Qt::AlignCenter);
    valeur->setMaxLength(3);
    fitToDigits(valeur, 3);
    raz = new CommandButton(QStringLiteral("raz"), QStringLiteral("RAZ"), frame);
    stock = withFont(new Label(QStringLiteral("stock"), QString(), frame), small);
    stock->hide();
    rows->addWidget(Label5, 3, 0);
    rows->addWidget(valeur, 3, 1);
    rows->addWidget(raz, 3, 2);
    rows->addWidget(stock, 3, 3);
    rows->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    sides->addLayout(right);
    auto* frame3 = new QGroupBox(frame);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* adresseRow = new QHBoxLayout(frame3);
    Label2 =
        withFont(new Label(QStringLiteral("Label2"), QStringLiteral("Adresse"), frame3), small);
    adresse = withFont(new TextBox(QStringLiteral("adresse"), frame3), large);
    adresse->setAlignment(Qt::AlignCenter);
    adresse->setReadOnly(true);
    fitToDigits(adresse, 3);
    adresseRow->addWidget(Label2);
    adresseRow->addWidget(adresse);
    right->addWidget(frame3);

    auto* frame2 = new QGroupBox(frame);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* shotRow = new QHBoxLayout(frame2);
    epreuve = withFont(
        new CommandButton(QStringLiteral("epreuve"), QStringLiteral("Epreuve"), frame2), small);
    resultat = withFont(new Label(QStringLiteral("resultat"), QString(), frame2), arial(12, true));
    resultat->setFrameShape(QFrame::Box);
    resultat->setAlignment(Qt::AlignCenter);
    resultat->setMinimumWidth(
        resultat->fontMetrics().horizontalAdvance(QStringLiteral("Réussie !")) +
        resultat->fontMetrics().height());
    shotRow->addWidget(epreuve);
    shotRow->addWidget(resultat, 1);
    right->addWidget(frame2);

    setTabOrder(arme, distance);
    setTabOrder(distance, cible);
    setTabOrder(cible, valeur);
    setTabOrder(valeur, epreuve);
    setTabOrder(epreuve, adresse);
    setTabOrder(adresse, raz);

    arme->onClick([this] { arme_Click(); });
    distance->onClick([this] { distance_Click(); });
    cible->onClick([this] { cible_Click(); });
    raz->onClick([this] { raz_Click(); });
    epreuve->onClick([this] { epreuve_Click(); });
    adresse->onChange([this] {
        if (adresse->text() == QLatin1String("0")) adresse->clear();
    });
}

void TirDist::affichevaleur() {
    const std::optional<QString> found = shot::cell(arme->text(), distance->text(), cible->text());
    if (!found) return;
    valeur->setText(*found);
    rafraich();
}

void TirDist::rafraich() {
    valeur->repaint();
    stock->setCaption(valeur->text());
}

void TirDist::raz_Click() {
    valeur->setText(stock->caption());
}

void TirDist::epreuve_Click() {
    resultat->clear();
    // The die is cast before the checks: a shot that cannot be tested still uses one up.
    const int roll = chance::d20();
    if (adresse->text().isEmpty() || valeur->text() == QLatin1String("HP") ||
        valeur->text().isEmpty())
        return;
    const double bonushab = shot::bonushab(attrib().habilete[2]->value());
    const bool success = shot::shotSucceeds(roll, valeur->value(), bonushab, adresse->value());
    resultat->setCaption(success ? QStringLiteral("Réussie !") : QStringLiteral("Ratée !"));
}

void inittir() {
    TirDist& window = tir_dist();
    for (ComboBox* list : {window.arme, window.distance, window.cible})
        list->clearList();
    window.valeur->clear();
    window.resultat->clear();
    window.adresse->clear();
    for (const QString& weapon : shot::weapons())
        window.arme->addItem(weapon);
    for (const QString& band : shot::distances())
        window.distance->addItem(band);
    for (const QString& size : shot::targets())
        window.cible->addItem(size);
}
