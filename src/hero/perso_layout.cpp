// The arrangement of the hero sheet: the hero on the left (identity, characteristics, energies,
// type), what the hero carries on the right (weapons, ammunition, protections, load).
#include "hero/perso.h"

#include "common/fitwidth.h"
#include "common/screenfit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Numbers need only a few characters: keeps the sheet compact whatever the font.
QLabel* caption(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

// A caption and its field side by side in two cells of a grid.
void addField(QGridLayout* grid, int row, int column, const QString& text, QWidget* field) {
    grid->addWidget(caption(text, field, grid->parentWidget()), row, column);
    grid->addWidget(field, row, column + 1);
}

QGroupBox* group(const QString& title, QWidget* parent) { return new QGroupBox(title, parent); }

// A table of slots: one header row, then one row per slot, each cell a control of the slot.
template <std::size_t N>
QGroupBox* slotTable(const QString& title, QWidget* parent, const QStringList& headers,
                     const QStringList& tips, const std::vector<std::array<QWidget*, N>>& rows) {
    auto* box = group(title, parent);
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < headers.size(); ++c) {
        auto* header = new QLabel(headers[c], box);
        header->setToolTip(tips.value(c));
        grid->addWidget(header, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < N; ++c) {
            QWidget* cell = rows[r][c];
            if (auto* number = qobject_cast<QLineEdit*>(cell)) fitToDigits(number, 5);
            if (auto* name = qobject_cast<QComboBox*>(cell)) {
                name->setMinimumContentsLength(16); // item names are long: "Epée à deux mains"
                name->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            }
            grid->addWidget(cell, static_cast<int>(r) + 1, static_cast<int>(c));
        }
    grid->setColumnStretch(0, 1);
    return box;
}

} // namespace

void Perso::buildLayout() {
    setPlacement(Placement::Sheet);
    QWidget* sheet = screenfit::contents(*this);
    const int line = fontMetrics().height();

    // Identity, with the portrait beside the name and the level.
    auto* identity = group(QStringLiteral("Identité"), sheet);
    auto* idGrid = new QGridLayout(identity);
    addField(idGrid, 0, 0, QStringLiteral("Nom"), nom);
    addField(idGrid, 1, 0, QStringLiteral("Sexe"), sexe);
    addField(idGrid, 2, 0, QStringLiteral("Niveau"), niveau);
    addField(idGrid, 3, 0, QStringLiteral("Expérience"), experience);
    addField(idGrid, 4, 0, QStringLiteral("Prochain niveau"), prochainniveau);
    idGrid->addWidget(passageniveau, 5, 0, 1, 2);
    for (QLineEdit* box : {niveau, experience, prochainniveau}) fitToDigits(box, 6);
    nom->setMinimumContentsLength(16);
    portrait->setFrameShape(QFrame::StyledPanel);
    portrait->setAlignment(Qt::AlignCenter);
    portrait->setMinimumSize(line * 7, line * 9);
    portrait->setToolTip(QStringLiteral("Portrait du héros (menu Perso, Portrait...)"));
    idGrid->addWidget(portrait, 0, 2, 6, 1);
    idGrid->setColumnStretch(1, 1);

    auto* characteristics = group(QStringLiteral("Caractéristiques"), sheet);
    auto* chGrid = new QGridLayout(characteristics);
    int row = 0;
    for (auto [text, box] : {std::pair{QStringLiteral("Courage"), courage},
                             {QStringLiteral("Intelligence"), intelligence},
                             {QStringLiteral("Charisme"), charisme},
                             {QStringLiteral("Adresse"), adresse},
                             {QStringLiteral("Force"), force}}) {
        addField(chGrid, row++, 0, text, box);
        fitToDigits(box, 3);
    }
    chGrid->setRowStretch(row, 1);

    auto* energies = group(QStringLiteral("Énergies et combat"), sheet);
    auto* enGrid = new QGridLayout(energies);
    addField(enGrid, 0, 0, QStringLiteral("Énergie vitale"), energievitale);
    addField(enGrid, 0, 2, QStringLiteral("initiale"), evinitiale);
    addField(enGrid, 1, 0, QStringLiteral("Énergie astrale"), energieastrale);
    addField(enGrid, 2, 0, QStringLiteral("Endurance"), endurance);
    addField(enGrid, 3, 0, QStringLiteral("Attaque"), attaque);
    addField(enGrid, 3, 2, QStringLiteral("bonus"), bonusparade);
    addField(enGrid, 4, 0, QStringLiteral("Parade"), parade);
    addField(enGrid, 4, 2, QStringLiteral("bonus"), bonusparade2);
    addField(enGrid, 5, 0, QStringLiteral("Bonus aux dégâts"), bonusattaque);
    for (QLineEdit* box : {energievitale, evinitiale, energieastrale, endurance, attaque,
                           bonusparade, parade, bonusparade2, bonusattaque})
        fitToDigits(box, 4);
    bonusparade->setToolTip(QStringLiteral("Bonus d'attaque dû à l'adresse"));
    bonusparade2->setToolTip(QStringLiteral("Bonus de parade dû à l'adresse"));
    bonusattaque->setToolTip(QStringLiteral("Bonus aux dégâts dû à la force"));

    // Hero type: two columns of options, the free type last, then the priest's deity.
    auto* type = group(QStringLiteral("Type de héros"), sheet);
    auto* tyGrid = new QGridLayout(type);
    const std::array<OptionButton*, 9> named = {aventurier, guerrier, nain,    magicien, elfe,
                                                elfebois,   cavalier, druide, pretre};
    for (std::size_t i = 0; i < named.size(); ++i)
        tyGrid->addWidget(named[i], static_cast<int>(i % 5), static_cast<int>(i / 5) * 2, 1, 2);
    tyGrid->addWidget(autrerace, 4, 2);
    tyGrid->addWidget(autre, 4, 3);
    autrerace->setToolTip(QStringLiteral("Autre type de héros"));
    tyGrid->addWidget(caption(QStringLiteral("Dévotion"), devotion, type), 5, 0);
    tyGrid->addWidget(devotion, 5, 1, 1, 3);
    tyGrid->setColumnStretch(3, 1);

    // What the hero carries.
    std::vector<std::array<QWidget*, 7>> meleeRows;
    std::vector<std::array<QWidget*, 5>> rangedRows;
    std::vector<std::array<QWidget*, 4>> ammunitionRows, protectionRows;
    for (int i = 1; i <= 3; ++i) {
        meleeRows.push_back(
            {melee[i], armeAttaque[i], armeParade[i], facteur[i], pim1[i], pim2[i], poidsmelee[i]});
        rangedRows.push_back({distance[i], pid1[i], pid2[i], portee[i], poidsdistance[i]});
        protectionRows.push_back({protection[i], prot[i], malus[i], poidsprotection[i]});
    }
    for (int i = 1; i <= 2; ++i)
        ammunitionRows.push_back({munition[i], poidsunitaire[i], quantite[i], poidsmunition[i]});
    const QString dice = QStringLiteral("Nombre de dés de dégâts (D6)");
    const QString added = QStringLiteral("Points de dégâts ajoutés aux dés");
    auto* weapons = slotTable(
        QStringLiteral("Armes de mêlée"), sheet,
        {"Arme", "AT", "PRD", "Rupture", "Dés", "Bonus", "Poids"},
        {QString(), QStringLiteral("Modificateur d'attaque"), QStringLiteral("Modificateur de parade"),
         QStringLiteral("Facteur de rupture"), dice, added, QString()},
        meleeRows);
    auto* ranged = slotTable(QStringLiteral("Armes à distance"), sheet,
                             {"Arme", "Dés", "Bonus", QStringLiteral("Portée"), "Poids"},
                             {QString(), dice, added}, rangedRows);
    auto* ammunition = slotTable(QStringLiteral("Munitions"), sheet,
                                 {"Munition", "Poids unitaire", QStringLiteral("Quantité"), "Poids"},
                                 {QString(), QString(), QString(), QStringLiteral("Poids du lot")},
                                 ammunitionRows);
    auto* protections = slotTable(QStringLiteral("Protections"), sheet,
                                  {"Protection", "PR", "Malus", "Poids"},
                                  {QString(), QStringLiteral("Valeur de protection"),
                                   QStringLiteral("Malus d'adresse")},
                                  protectionRows);

    auto* load = group(QStringLiteral("Charge"), sheet);
    auto* loGrid = new QGridLayout(load);
    addField(loGrid, 0, 0, QStringLiteral("Charge maximum"), poidsmaximum);
    addField(loGrid, 0, 2, QStringLiteral("Poids transporté"), poidstransporte);
    for (QLineEdit* box : {poidsmaximum, poidstransporte}) {
        fitToDigits(box, 6);
        box->setReadOnly(true); // computed from force and from what the hero carries
    }
    loGrid->setColumnStretch(4, 1);

    auto* sheets = new QHBoxLayout;
    sheets->addStretch(1);
    sheets->addWidget(Attributs);
    sheets->addWidget(Equipement);

    auto* left = new QVBoxLayout;
    left->addWidget(identity);
    auto* values = new QHBoxLayout;
    values->addWidget(characteristics);
    values->addWidget(energies, 1);
    left->addLayout(values);
    left->addWidget(type);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    for (QGroupBox* box : {weapons, ranged, ammunition, protections, load}) right->addWidget(box);
    right->addStretch(1);
    right->addLayout(sheets);

    auto* columns = new QHBoxLayout(sheet);
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);

    // Tab follows the sheet as it reads, group by group and each slot along its row, not the
    // order the fields were made in.
    std::vector<QWidget*> order = {nom, sexe, niveau, experience, prochainniveau, passageniveau,
                                   courage, intelligence, charisme, adresse, force,
                                   energievitale, evinitiale, energieastrale, endurance, attaque,
                                   bonusparade, parade, bonusparade2, bonusattaque};
    order.insert(order.end(), named.begin(), named.end());
    order.insert(order.end(), {autrerace, autre, devotion});
    auto alongRows = [&order](const auto& rows) {
        for (const auto& row : rows) order.insert(order.end(), row.begin(), row.end());
    };
    alongRows(meleeRows);
    alongRows(rangedRows);
    alongRows(ammunitionRows);
    alongRows(protectionRows);
    order.insert(order.end(), {poidsmaximum, poidstransporte, Attributs, Equipement});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
