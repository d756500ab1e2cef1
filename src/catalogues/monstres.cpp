#include "catalogues/monstres.h"

#include "catalogues/catalogfolders.h"
#include "common/fieldmemo.h"
#include "common/itemframe.h"
#include "common/fitwidth.h"
#include "common/folderfile.h"
#include "common/itemrecord.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/shared.h"
#include "common/textfile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

using monsterfile::BoxShape;

namespace {

QWidget* makeBox(const monsterfile::Field& field, QWidget* parent) {
    const QString name = QString::fromUtf8(field.box);
    if (field.shape == BoxShape::Name) {
        auto* list = new ComboBox(name, ComboBox::Style::Editable, parent);
        list->setMinimumContentsLength(24);
        return list;
    }
    if (field.shape == BoxShape::Memo) {
        auto* memo = new FieldMemoBox(name, parent);
        memo->showLines(4, 60);
        return memo;
    }
    auto* box = new TextBox(name, parent);
    box->setMaxLength(field.maxLength);
    fitToDigits(box, field.maxLength + 1);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

Label* makeLabel(int line, QWidget* parent) {
    return new Label(QStringLiteral("Label%1").arg(line),
                     QString::fromUtf8(monsterfile::fields()[line - 1].label), parent);
}

} // namespace

Monstres::Monstres() : Form(QStringLiteral("monstres"), QStringLiteral("Monstres et PNJ")) {
    menusauve = new MenuEntry(QStringLiteral("menusauve"),
                              QStringLiteral("Répertoire des monstres et PNJ"), this);
    menuBar()->addAction(menusauve);

    auto* central = new QWidget(this);
    Frame1 = new QGroupBox(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    for (int line = 1; line <= monsterfile::lineCount; ++line)
        lines[line] = makeBox(monsterfile::fields()[line - 1], Frame1);
    fpnjnom = static_cast<ComboBox*>(lines[1]);

    auto* frame = new QVBoxLayout(Frame1);
    frame->setSpacing(2);
    auto* name = new QHBoxLayout;
    name->addWidget(makeLabel(1, Frame1));
    name->addWidget(fpnjnom, 1);
    frame->addLayout(name);
    // The values in two rows, each label over its box; the damage reads "n D6+ m".
    auto* values = new QGridLayout;
    values->setHorizontalSpacing(12);
    values->setVerticalSpacing(1);
    values->setRowMinimumHeight(2, 2 * fontMetrics().height());
    for (int line = 2; line <= 14; ++line) {
        const int row = line <= 8 ? 0 : 2, column = line <= 8 ? line - 2 : line - 9;
        values->addWidget(makeLabel(line, Frame1), row, column, 1, line < 14 ? 1 : 2,
                          Qt::AlignHCenter | Qt::AlignBottom);
        if (line < 14) values->addWidget(lines[line], row + 1, column, Qt::AlignHCenter);
    }
    auto* damage = new QHBoxLayout;
    damage->setSpacing(4);
    damage->addStretch();
    damage->addWidget(lines[14]);
    damage->addWidget(makeLabel(15, Frame1));
    damage->addWidget(lines[15]);
    damage->addStretch();
    values->addLayout(damage, 3, 5, 1, 2);
    frame->addLayout(values);
    for (int line = 16; line <= 18; ++line) {
        frame->addWidget(makeLabel(line, Frame1));
        frame->addWidget(lines[line]);
    }

    sauve = new CommandButton(QStringLiteral("sauve"), QStringLiteral("Sauver"), central);
    Efface = new CommandButton(QStringLiteral("Efface"), QStringLiteral("Effacer"), central);
    fichier = new FileListBox(QStringLiteral("fichier"), central);
    fichier->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(sauve);
    buttons->addWidget(Efface);
    buttons->addWidget(fichier);
    auto* column = new QVBoxLayout(central);
    column->setSpacing(4);
    column->addWidget(Frame1);
    column->addLayout(buttons);
    setCentralWidget(central);

    menusauve->onClick([this] { menusauve_Click(); });
    fpnjnom->onClick([this] { fpnjnom_Click(); });
    sauve->onClick([this] { sauve_Click(); });
    Efface->onClick([this] { Efface_Click(); });
}

// Each line the file has goes into its box, the first into the name; what it lacks, or all of
// it when the file has gone since it was listed, is emptied rather than left from the monster
// shown before, and the name then keeps the name chosen.
void Monstres::fpnjnom_Click() {
    QStringList read;
    try {
        shared::numfichier = freeFile();
        read = itemrecord::read(fichier->path() + u'/' + fpnjnom->text() + monsterfile::extension,
                                monsterfile::lineCount);
    } catch (const RuntimeError&) {
    }
    for (int line = 1; line <= monsterfile::lineCount; ++line)
        if (line > 1 || line <= read.size())
            setLineText(lines[line], line <= read.size() ? read.at(line - 1) : QString());
}

// A failure to find the folder or to write reaches the event boundary, shown under "Erreur !":
// nothing is written and the lists stay as they were.
void Monstres::sauve_Click() {
    const QString name = fpnjnom->text();
    if (name.isEmpty()) {
        msgBox(QStringLiteral("Renseignez un nom !"), MsgIcon::Critical, QString());
        return;
    }
    if (!saveRecord(folderfile::monstres, name, monsterfile::extension,
                    std::span(lines).subspan(1)))
        return;
    chargemonstres();
    fpnjnom->setText(shared::nomcourant);
}

void Monstres::Efface_Click() {
    for (int line = 1; line <= monsterfile::lineCount; ++line)
        setLineText(lines[line], QString());
}

void Monstres::menusauve_Click() {
    openFolderDialog(folderfile::monstres, fichier, 1, *this);
}
