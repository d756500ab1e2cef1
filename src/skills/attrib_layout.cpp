// How the skills sheet reads: the four skill groups two by two, each row a caption, its value,
// "+" and "E"; below them the points à répartir, the purse and the way to the other sheets.
#include "equipment/fitwidth.h"
#include "skills/attrib.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <span>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString habileteCaptions[] = {
    u" Combat à mains nues"_s, u" Combat à distance"_s,     u" Escalade"_s,
    u" Natation"_s,            u" Equitation"_s,            u" Serrures et pièges"_s,
    u" Agilité manuelle"_s,    u" Pratique des noeuds"_s,   u" Camouflage"_s,
    u" Dissimulation d'objets"_s, u" Intrusion"_s,          u" Repérage des cachettes"_s};
const QString sociabiliteCaptions[] = {
    u" Diplomatie"_s,    u" Conversion (Prêtres)"_s, u" Circonvenir"_s,
    u" Convaincre"_s,    u" Chant et musique"_s,     u" Dons de conteur"_s,
    u" Séduction"_s,     u" Déguisement"_s,          u" Illusionnisme"_s,
    u" Jeux de hasard"_s, u" Estimation"_s,          u" Marchandage"_s};
const QString scienceCaptions[] = {u"  Lire et écrire"_s,
                                   u" Soigner les blessures"_s,
                                   u" Trouver des plantes médicinales"_s,
                                   u" Neutraliser les poisons"_s,
                                   u" Traiter les fièvres et les infections"_s,
                                   u" Connaissance des langues"_s,
                                   u" Décoder"_s,
                                   u" Connaitre la physique"_s,
                                   u" Réparer les armes"_s,
                                   u" Connaitre l'alchimie"_s,
                                   u" Pratiquer l'analyse alchimique"_s,
                                   u" Préparer drogues et poisons"_s,
                                   u" Préparer élixirs et médicaments"_s};
const QString survieCaptions[] = {u" Orientation"_s,
                                  u" Cartographie"_s,
                                  u" Découvrir des chemins"_s,
                                  u" Connaitre les plantes"_s,
                                  u" Détection des dangers"_s,
                                  u" Prévision du temps"_s,
                                  u" Découverte de nourriture"_s,
                                  u" Poser des pièges"_s,
                                  u" Pistage"_s,
                                  u" Connaissance des animaux"_s,
                                  u" Dressage"_s,
                                  u" Sixième sens"_s,
                                  u" Identification des odeurs, saveurs"_s};

template <std::size_t M>
void makeCaptionFamily(std::array<Label*, M>& family, const QString& prefix,
                       const QString (&captions)[M - 1], QWidget* parent) {
    family[0] = nullptr;
    for (std::size_t row = 1; row < M; ++row)
        family[row] =
            new Label(u"libelle"_s + prefix + QString::number(row), captions[row - 1], parent);
}

QGroupBox* skillGroup(const QString& title, const QString& name, std::span<Label* const> captions,
                      std::span<TextBox* const> values, std::span<CommandButton* const> plus,
                      std::span<CommandButton* const> test, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    auto* rows = new QGridLayout(frame);
    rows->setVerticalSpacing(2);
    for (std::size_t row = 1; row < values.size(); ++row) {
        const int at = static_cast<int>(row) - 1;
        captions[row]->setBuddy(values[row]);
        fitToDigits(values[row], 2);
        fitToCaption(plus[row]);
        fitToCaption(test[row]);
        rows->addWidget(captions[row], at, 0);
        rows->addWidget(values[row], at, 1);
        rows->addWidget(plus[row], at, 2);
        rows->addWidget(test[row], at, 3);
    }
    rows->setColumnStretch(0, 1);
    return frame;
}

} // namespace

void Attrib::makeCaptions(QWidget* central) {
    makeCaptionFamily(libellehabilete, QStringLiteral("habilete"), habileteCaptions, central);
    makeCaptionFamily(libellesociabilite, QStringLiteral("sociabilite"), sociabiliteCaptions,
                      central);
    makeCaptionFamily(libellescience, QStringLiteral("science"), scienceCaptions, central);
    makeCaptionFamily(libellesurvie, QStringLiteral("survie"), survieCaptions, central);
    // The hidden game's trigger knows these three captions by their old names.
    Label16 = libellehabilete[1];
    Label25 = libellehabilete[2];
    Label33 = libellehabilete[3];
    Label16->setObjectName(QStringLiteral("Label16"));
    Label25->setObjectName(QStringLiteral("Label25"));
    Label33->setObjectName(QStringLiteral("Label33"));
}

void Attrib::arrange(QWidget* central) {
    auto* page = new QGridLayout(central);
    page->addWidget(skillGroup(u"Habileté"_s, u"cadrehabilete"_s, libellehabilete, habilete,
                               pha, eha, central),
                    0, 0);
    page->addWidget(skillGroup(u"Sociabilité"_s, u"cadresociabilite"_s, libellesociabilite,
                               sociabilite, pso, eso, central),
                    0, 1);
    page->addWidget(skillGroup(u"Science"_s, u"cadrescience"_s, libellescience, science, psc,
                               esc, central),
                    1, 0);
    page->addWidget(skillGroup(u"Survie"_s, u"cadresurvie"_s, libellesurvie, survie, psu, esu,
                               central),
                    1, 1);

    auto* points = new QHBoxLayout;
    auto* pointsCaption =
        new Label(u"libellepointsarepartir"_s, u"Points restant à répartir"_s, central);
    pointsCaption->setBuddy(pointsarepartir);
    fitToDigits(pointsarepartir, 4);
    points->addWidget(pointsCaption);
    points->addWidget(pointsarepartir);
    points->addWidget(new Label(u"libellepoints"_s, u"points"_s, central));
    points->addStretch();
    page->addLayout(points, 2, 0);

    auto* fortune = new QGroupBox(u"Fortune"_s, central);
    fortune->setObjectName(u"Fortune"_s);
    auto* coins = new QHBoxLayout(fortune);
    const QString coinCaptions[] = {u"P. Or"_s, u"P. Ag"_s, u"P. Br"_s, u"P. Cu"_s};
    for (purse::Coin coin : purse::coins) {
        TextBox* box = coinBox(coin);
        auto* caption = new Label(u"libelle"_s + box->objectName(),
                                  coinCaptions[static_cast<int>(coin)], fortune);
        caption->setBuddy(box);
        fitToDigits(box, 6);
        coins->addWidget(caption);
        coins->addWidget(box);
    }
    coins->addStretch();
    page->addWidget(fortune, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(personnage);
    buttons->addWidget(Equipement);
    page->addLayout(buttons, 3, 0, 1, 2);
}
