#include "catalogues/sorts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>

using spellfile::BoxShape;

namespace {

QWidget* makeBox(const spellfile::Field& field, QWidget* parent) {
    const QString name = QString::fromUtf8(field.box);
    if (field.shape == BoxShape::Text) return new TextBox(name, parent);
    if (field.shape == BoxShape::List) {
        auto* list = new ComboBox(name, ComboBox::Style::Editable, parent);
        list->setMinimumContentsLength(14);
        return list;
    }
    auto* memo = new FieldMemoBox(name, parent);
    memo->showLines(3, 24);
    return memo;
}

} // namespace

Sorts::Sorts() : Form(QStringLiteral("sorts"), QStringLiteral("Gestion des sorts")) {
    menusauve =
        new MenuEntry(QStringLiteral("menusauve"), QStringLiteral("Répertoire des sorts"), this);
    menuBar()->addAction(menusauve);

    auto* central = new QWidget(this);
    std::array<Label*, spellfile::lineCount + 1> labels{};
    for (int line = 1; line <= spellfile::lineCount; ++line) {
        const spellfile::Field& field = spellfile::fields()[line - 1];
        lines[line] = makeBox(field, central);
        if (field.labelName)
            labels[line] = new Label(QString::fromUtf8(field.labelName),
                                     QString::fromUtf8(field.label), central);
    }
    sortsformule = static_cast<ComboBox*>(lines[1]);
    sortsformule2 = static_cast<TextBox*>(lines[2]);
    sortsliste = static_cast<ComboBox*>(lines[3]);
    sortsdieux = static_cast<ComboBox*>(lines[4]);
    sortscout = static_cast<FieldMemoBox*>(lines[5]);
    sortsportee = static_cast<FieldMemoBox*>(lines[6]);
    sortsduree = static_cast<FieldMemoBox*>(lines[7]);
    sortscondition = static_cast<FieldMemoBox*>(lines[8]);
    sortsepreuve = static_cast<FieldMemoBox*>(lines[9]);
    sortsrefus = static_cast<FieldMemoBox*>(lines[10]);
    sortsdescription = static_cast<FieldMemoBox*>(lines[11]);
    sortstechnique = static_cast<FieldMemoBox*>(lines[12]);
    lib1 = labels[8];
    lib2 = labels[9];
    lib3 = labels[10];
    // The description says the most: it gets a line more.
    sortsdescription->showLines(4, 24);

    restriction = new CheckBox(QStringLiteral("restriction"), QString(), central);
    restriction->setToolTip(QStringLiteral("Si coché : permet d'avoir les formules d'une classe."));
    sortsauver = new CommandButton(QStringLiteral("sortsauver"), QStringLiteral("Sauver"), central);
    sortseffacer =
        new CommandButton(QStringLiteral("sortseffacer"), QStringLiteral("Effacer"), central);
    // The lister only serves the name list; the user never sees it.
    fichier = new FileListBox(QStringLiteral("fichier"), central);
    fichier->hide();

    auto* grid = new QGridLayout(central);
    grid->setVerticalSpacing(2);
    grid->addWidget(labels[1], 0, 0);
    grid->addWidget(labels[3], 0, 1, 1, 2);
    grid->addWidget(sortsformule, 1, 0);
    auto* criteria = new QHBoxLayout;
    criteria->addWidget(sortsliste, 1);
    criteria->addWidget(sortsdieux, 1);
    criteria->addWidget(restriction);
    grid->addLayout(criteria, 1, 1, 1, 2);
    grid->addWidget(sortsformule2, 2, 0);
    // Cost, range and duration, then the miracle's three lines, side by side.
    for (int line = 5; line <= 10; ++line) {
        const int row = line <= 7 ? 3 : 5;
        const int column = (line - 5) % 3;
        grid->addWidget(labels[line], row, column);
        grid->addWidget(lines[line], row + 1, column);
    }
    grid->addWidget(labels[11], 7, 0, 1, 3);
    grid->addWidget(sortsdescription, 8, 0, 1, 3);
    grid->addWidget(labels[12], 9, 0, 1, 3);
    grid->addWidget(sortstechnique, 10, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sortsauver);
    buttons->addWidget(sortseffacer);
    buttons->addWidget(fichier);
    grid->addLayout(buttons, 11, 0, 1, 3);
    setCentralWidget(central);

    enablePriestControls(false);

    menusauve->onClick([this] { menusauve_Click(); });
    sortsformule->onClick([this] { sortsformule_Click(); });
    sortsliste->onClick([this] { sortsliste_Click(); });
    sortsdieux->onClick([this] { sortsdieux_Click(); });
    restriction->onClick([this] { restriction_Click(); });
    sortsauver->onClick([this] { sortsauver_Click(); });
    sortseffacer->onClick([this] { sortseffacer_Click(); });
}

void Sorts::enablePriestControls(bool priest) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             sortsdieux, lib1, lib2, lib3, sortscondition, sortsepreuve, sortsrefus})
        control->setEnabled(priest);
}
