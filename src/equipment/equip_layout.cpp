// How the equipment sheet reads: the clothing from head to feet on the left, the equipment
// lines in two columns with their kind filters on the right, then the purse, the load, the
// notes and the way to the other sheets.
#include "equipment/equip.h"
#include "common/fitwidth.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int weightDigits = 5;
constexpr int itemNameLetters = 16;

// Room for an item's name whatever the font.
void fitItemList(ComboBox* list) {
    list->setMinimumContentsLength(itemNameLetters);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QGroupBox* frame(const QString& title, const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox* clothingFrame(Equip& sheet, QWidget* parent) {
    const QString parts[] = {u"Tête"_s,  u"Cou"_s,      u"Thorax"_s, u"Poignets"_s,
                             u"Mains"_s, u"Ceinture"_s, u"Jambes"_s, u"Pieds"_s};
    auto* clothing = frame(u"Habillement"_s, u"Habillement"_s, parent);
    auto* rows = new QGridLayout(clothing);
    rows->addWidget(new Label(u"libellepoidsvetement"_s, u"Poids"_s, clothing), 0, 2);
    for (int part = 0; part < 8; ++part) {
        const int first = 2 * part + 1; // the part's upper slot; the lower one follows
        auto* caption =
            new Label(u"libelle"_s + Equip::clothingNames[first].chopped(1), parts[part], clothing);
        caption->setBuddy(sheet.vetement[first]);
        rows->addWidget(caption, first, 0, 2, 1, Qt::AlignTop);
        for (int slot = first; slot <= first + 1; ++slot) {
            fitItemList(sheet.vetement[slot]);
            fitToDigits(sheet.poidsvetement[slot], weightDigits);
            rows->addWidget(sheet.vetement[slot], slot, 1);
            rows->addWidget(sheet.poidsvetement[slot], slot, 2);
        }
    }
    rows->setColumnStretch(1, 1);
    rows->setRowStretch(17, 1);
    return clothing;
}

QGroupBox* linesFrame(Equip& sheet, QWidget* parent) {
    auto* lines = frame(u"Equipement"_s, u"Equipement"_s, parent);
    auto* area = new QVBoxLayout(lines);

    auto* filters = new QHBoxLayout;
    for (int i = 1; i <= 4; ++i)
        filters->addWidget(sheet.Option[i]);
    filters->addStretch();
    area->addLayout(filters);

    auto* columns = new QGridLayout;
    columns->addWidget(new Label(u"libellepoidsequip1"_s, u"Poids"_s, lines), 0, 1);
    columns->addWidget(new Label(u"libellepoidsequip2"_s, u"Poids"_s, lines), 0, 4);
    for (int line = 1; line <= 24; ++line) {
        const int row = (line - 1) % 12 + 1;
        const int column = line <= 12 ? 0 : 3;
        fitItemList(sheet.equip[line]);
        fitToDigits(sheet.poidsequip[line], weightDigits);
        columns->addWidget(sheet.equip[line], row, column);
        columns->addWidget(sheet.poidsequip[line], row, column + 1);
    }
    // The Tab key goes across each line, its item then its weight, as on the clothing side.
    for (int line = 1; line <= 24; ++line) {
        QWidget::setTabOrder(sheet.equip[line], sheet.poidsequip[line]);
        if (line < 24) QWidget::setTabOrder(sheet.poidsequip[line], sheet.equip[line + 1]);
    }
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(3, 1);
    columns->setColumnMinimumWidth(2, sheet.fontMetrics().height());
    area->addLayout(columns);
    area->addStretch();
    return lines;
}

QGroupBox* purseFrame(Equip& sheet, QWidget* parent) {
    auto* fortune = frame(u"Fortune"_s, u"Fortune"_s, parent);
    auto* coins = new QFormLayout(fortune);
    const QString captions[] = {u"P. Or"_s, u"P. Argent"_s, u"P. Bronze"_s, u"P. Cuivre"_s};
    for (purse::Coin coin : purse::coins) {
        TextBox* box = sheet.coinBox(coin);
        fitToDigits(box, 8);
        coins->addRow(
            new Label(u"libelle"_s + box->objectName(), captions[static_cast<int>(coin)], fortune),
            box);
    }
    coins->addRow(sheet.monnaie);
    return fortune;
}

QLayout* loadBoxes(Equip& sheet, QWidget* parent) {
    auto* load = new QFormLayout;
    fitToDigits(sheet.poidsmaximum, weightDigits);
    fitToDigits(sheet.poidstransporte, weightDigits);
    load->addRow(new Label(u"libellepoidsmaximum"_s, u"Poids maximum"_s, parent),
                 sheet.poidsmaximum);
    load->addRow(new Label(u"libellepoidstransporte"_s, u"Poids transporté"_s, parent),
                 sheet.poidstransporte);
    return load;
}

QGroupBox* notesFrame(Equip& sheet, QWidget* parent) {
    auto* notes = frame(u"Notes"_s, u"Notes"_s, parent);
    auto* area = new QVBoxLayout(notes);
    sheet.notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->addWidget(sheet.notes);
    return notes;
}

} // namespace

void Equip::arrange(QWidget* central) {
    setPlacement(Placement::Sheet);
    auto* page = new QGridLayout(central);
    page->addWidget(clothingFrame(*this, central), 0, 0, 2, 1);
    page->addWidget(linesFrame(*this, central), 0, 1, 1, 2);

    auto* below = new QHBoxLayout;
    below->addWidget(purseFrame(*this, central));
    below->addLayout(loadBoxes(*this, central));
    below->addWidget(notesFrame(*this, central), 1);
    page->addLayout(below, 1, 1, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Attributs);
    buttons->addWidget(personnage);
    page->addLayout(buttons, 2, 0, 1, 3);
}
