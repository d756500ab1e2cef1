#include "app/about.h"

#include "app/artwork.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

About::About() : Form(QStringLiteral("about"), QStringLiteral("A propos d'Ambrefer")) {
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    auto* picture = new QLabel(central);
    picture->setPixmap(artwork::emblem(96));
    row->addWidget(picture, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    auto* name = new Label(QStringLiteral("titre"), QStringLiteral("Ambrefer"), central);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    name->setFont(big);
    column->addWidget(name);
    column->addWidget(new Label(
        QStringLiteral("description"),
        QStringLiteral("La feuille de personnage du héros, ses aptitudes et son équipement,\n"
                       "avec les outils du maître de jeu pour les parties de jeu de rôle."),
        central));
    ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("OK"), central);
    ok->onClick([this] { ok_Click(); });
    setDialogKeys(ok);
    column->addWidget(ok, 0, Qt::AlignRight);
    row->addLayout(column);
    setCentralWidget(central);
}

void About::ok_Click() {
    close();
}
