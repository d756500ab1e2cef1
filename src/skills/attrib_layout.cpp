// How the skills sheet reads: the four skill groups two by two, each row a caption, its value,
// "+" and "E"; below them the purse, and beside it the points à répartir and the way to the
// other sheets.
#include "common/fitwidth.h"
#include "skills/attrib.h"
#include "skills/skilltable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <span>

using namespace Qt::Literals::StringLiterals;

namespace {

using skills::Group;

template <std::size_t M>
void makeCaptionFamily(std::array<Label*, M>& family, Group group, QWidget* parent) {
    family[0] = nullptr;
    for (int row = 1; row < static_cast<int>(M); ++row) {
        const skills::SkillId id{group, row};
        family[row] = new Label(u"libelle"_s + skills::valueBoxName(id),
                                skills::skillRow(id).caption, parent);
    }
}

QGroupBox* skillGroup(Group group, std::span<Label* const> captions,
                      std::span<TextBox* const> values, std::span<CommandButton* const> plus,
                      std::span<CommandButton* const> test, QWidget* parent) {
    auto* frame = new QGroupBox(skills::groupTitle(group), parent);
    frame->setObjectName(u"cadre"_s + skills::valueBoxName({group, 1}).chopped(1));
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
    makeCaptionFamily(libellehabilete, Group::Habilete, central);
    makeCaptionFamily(libellesociabilite, Group::Sociabilite, central);
    makeCaptionFamily(libellescience, Group::Science, central);
    makeCaptionFamily(libellesurvie, Group::Survie, central);
    // The hidden game's trigger knows these three captions by their old names.
    Label16 = libellehabilete[1];
    Label25 = libellehabilete[2];
    Label33 = libellehabilete[3];
    Label16->setObjectName(QStringLiteral("Label16"));
    Label25->setObjectName(QStringLiteral("Label25"));
    Label33->setObjectName(QStringLiteral("Label33"));
}

void Attrib::arrange(QWidget* central) {
    setPlacement(Placement::Sheet);
    auto* page = new QGridLayout(central);
    page->addWidget(skillGroup(Group::Habilete, libellehabilete, habilete, pha, eha, central), 0,
                    0);
    page->addWidget(
        skillGroup(Group::Sociabilite, libellesociabilite, sociabilite, pso, eso, central), 0, 1);
    page->addWidget(skillGroup(Group::Science, libellescience, science, psc, esc, central), 1, 0);
    page->addWidget(skillGroup(Group::Survie, libellesurvie, survie, psu, esu, central), 1, 1);

    auto* points = new QHBoxLayout;
    auto* pointsCaption =
        new Label(u"libellepointsarepartir"_s, u"Points restant à répartir"_s, central);
    pointsCaption->setBuddy(pointsarepartir);
    fitToDigits(pointsarepartir, 4);
    points->addWidget(pointsCaption);
    points->addWidget(pointsarepartir);
    points->addWidget(new Label(u"libellepoints"_s, u"points"_s, central));
    points->addStretch();

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
    page->addWidget(fortune, 2, 0);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(personnage);
    buttons->addWidget(Equipement);
    auto* beside = new QVBoxLayout;
    beside->addLayout(points);
    beside->addStretch();
    beside->addLayout(buttons);
    page->addLayout(beside, 2, 1);
}
