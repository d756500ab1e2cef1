#include "catalogues/saisie.h"

#include "catalogues/catalogfolders.h"
#include "catalogues/cheminsaisie.h"
#include "catalogues/itemnames.h"
#include "common/fieldmemo.h"
#include "common/fitwidth.h"
#include "common/folderfile.h"
#include "common/itemframe.h"
#include "common/itemrecord.h"
#include "common/runtimeerror.h"
#include "common/screenfit.h"
#include "common/shared.h"
#include "common/textfile.h"
#include "herofile/settings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

using itemrecord::BoxShape;

namespace {

QWidget* makeBox(const QString& name, const itemrecord::Field& field, QWidget* parent) {
    switch (field.shape) {
    case BoxShape::Name: {
        auto* box = new ComboBox(name, ComboBox::Style::Editable, parent);
        box->setMinimumContentsLength(16);
        return box;
    }
    case BoxShape::Unit: {
        auto* box = new ComboBox(name, ComboBox::Style::Editable, parent);
        box->setMinimumContentsLength(3);
        return box;
    }
    case BoxShape::Memo: {
        auto* box = new FieldMemoBox(name, parent);
        box->showLines(3, 24);
        return box;
    }
    case BoxShape::Text:
        break;
    }
    auto* box = new TextBox(name, parent);
    box->setMaxLength(field.maxLength);
    if (field.maxLength > 0) fitToDigits(box, field.maxLength + 1);
    if (field.centred) box->setAlignment(Qt::AlignCenter);
    return box;
}

} // namespace

ComboBox* Saisie::KindControls::nom() const {
    return static_cast<ComboBox*>(lines.front());
}
ComboBox* Saisie::KindControls::up() const {
    return static_cast<ComboBox*>(lines.back());
}

Saisie::Saisie() : Form(QStringLiteral("saisie"), QStringLiteral("Objets")) {
    menusauve =
        new MenuEntry(QStringLiteral("menusauve"), QStringLiteral("Répertoire des objets"), this);
    menuBar()->addAction(menusauve);
    menusauve->onClick([this] { menusauve_Click(); });

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setSpacing(4);

    fobjets = new QGroupBox(QStringLiteral("Classe d'objets"), central);
    fobjets->setObjectName(QStringLiteral("fobjets"));
    auto* options = new QGridLayout(fobjets);
    options->setVerticalSpacing(2);
    for (const itemrecord::Kind& kind : itemrecord::kinds()) {
        auto* option = new OptionButton(QString::fromUtf8(kind.option),
                                        QString::fromUtf8(kind.optionCaption), kindGroup, fobjets);
        // Three rows of four: each column holds three kinds in their order.
        options->addWidget(option, (kind.number - 1) % 3, (kind.number - 1) / 3);
        kinds[kind.number].option = option;
        option->onClick([this, number = kind.number] { kind_Click(number); });
    }
    column->addWidget(fobjets);

    auto* below = new QHBoxLayout;
    auto* frames = new QVBoxLayout;
    int widest = 0;
    for (const itemrecord::Kind& kind : itemrecord::kinds()) {
        buildFrame(kind.number, central);
        frames->addWidget(kinds[kind.number].frame);
        widest = std::max(widest, kinds[kind.number].frame->sizeHint().width());
    }
    // One width for every kind: the window only grows taller, and the options stay put under
    // the mouse from one kind to the next.
    for (int kind = 1; kind <= 12; ++kind)
        kinds[kind].frame->setMinimumWidth(widest);
    below->addLayout(frames, 1);
    auto* buttons = new QVBoxLayout;
    sauve = new CommandButton(QStringLiteral("sauve"), QStringLiteral("Sauver"), central);
    Efface = new CommandButton(QStringLiteral("Efface"), QStringLiteral("Effacer"), central);
    // The save button fills the height the frame leaves beside it.
    sauve->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    buttons->addSpacing(fobjets->fontMetrics().height());
    buttons->addWidget(sauve, 1);
    buttons->addWidget(Efface);
    below->addLayout(buttons);
    column->addLayout(below);

    // The lister only serves the editor's name lists; the user never sees it.
    fichier = new FileListBox(QStringLiteral("fichier"), central);
    fichier->hide();
    column->addWidget(fichier);
    setCentralWidget(central);

    sauve->onClick([this] { sauve_Click(); });
    Efface->onClick([this] { Efface_Click(); });
}

void Saisie::buildFrame(int number, QWidget* parent) {
    KindControls& controls = kinds[number];
    controls.frame = buildItemFrame(
        itemrecord::kind(number), parent,
        [](const itemrecord::Kind& kind, const itemrecord::Field& field, QWidget* frame) {
            return makeBox(kind.boxName(field), field, frame);
        },
        controls.lines);
    controls.nom()->onClick([this, number] { nom_Click(number); });
}

// The editor saves where its folder file points, and the folder dialog opens there; without a
// folder file it keeps the folder it had, and the dialog keeps its own.
void Saisie::Form_Load() {
    settings::placeWindow(*this);
    try {
        shared::numfichier = freeFile();
        shared::cheminobjets = folderfile::read(folderfile::objets);
        cheminsaisie().preset(shared::cheminobjets);
    } catch (const RuntimeError&) {
    }
    kinds[1].option->setValue(true); // the melee weapons, their frame alone shown
    for (int kind = 1; kind <= 12; ++kind)
        for (const QString& unit : itemrecord::priceUnits())
            kinds[kind].up()->addItem(unit);
}

// Where the editor stood is kept in the settings file, written when the sheets close.
void Saisie::Form_Unload() {
    settings::keepPosition(*this);
}

void Saisie::menusauve_Click() {
    openFolderDialog(folderfile::objets, nullptr, 2, *this);
}

void Saisie::kind_Click(int kind) {
    shared::motif = itemrecord::kind(kind).pattern();
    shared::typesaisie = kind;
    remplitnoms();
    cachecadres();
    kinds[kind].frame->show();
    // The window takes the height of the frame shown: taller for plants, potions and poisons.
    screenfit::refit(*this);
}

void Saisie::cachecadres() {
    for (int kind = 1; kind <= 12; ++kind)
        kinds[kind].frame->hide();
}

void Saisie::Efface_Click() {
    for (int kind = 1; kind <= 12; ++kind)
        for (QWidget* box : kinds[kind].lines)
            setLineText(box, QString());
    if (shared::typesaisie >= 1 && shared::typesaisie <= 12)
        kinds[shared::typesaisie].nom()->setFocus();
}

int Saisie::selectedKind() const {
    for (int kind = 1; kind <= 12; ++kind)
        if (kinds[kind].option->value()) return kind;
    return 0;
}
