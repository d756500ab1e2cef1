#include "herofile/cheminperso.h"

#include "common/eventboundary.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

Handler& accepted() {
    static Handler handler;
    return handler;
}

} // namespace

Cheminperso::Cheminperso()
    : Form(QStringLiteral("cheminperso"), QStringLiteral("Répertoire des personnages")) {
    auto* central = new QWidget(this);
    Drive = new DriveListBox(QStringLiteral("Drive"), central);
    Dir = new DirListBox(QStringLiteral("Dir"), central);
    cheminfichierperso = new Label(QStringLiteral("cheminfichierperso"), QString(), central);
    Ok = new CommandButton(QStringLiteral("Ok"), QStringLiteral("Ok"), central);
    Annuler = new CommandButton(QStringLiteral("Annuler"), QStringLiteral("Annuler"), central);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Ok);
    buttons->addWidget(Annuler);
    auto* column = new QVBoxLayout(central);
    column->addWidget(Drive);
    column->addWidget(Dir);
    column->addWidget(cheminfichierperso);
    column->addLayout(buttons);
    setCentralWidget(central);

    connect(Drive, &DriveListBox::driveChanged, this,
            [this] { runEvent([this] { Dir->setPath(Drive->drive()); }); });
    connect(Dir, &DirListBox::pathChanged, this, [this] { showFolder(); });
    Ok->onClick([this] {
        hide();
        if (accepted()) accepted()();
    });
    Annuler->onClick([this] { hide(); });
    showFolder();
}

void Cheminperso::setFolder(const QString& drivePath) {
    Drive->setDrive(drivePath);
    Dir->setPath(drivePath);
    showFolder();
}

void Cheminperso::onAccepted(Handler handler) {
    accepted() = std::move(handler);
}

void Cheminperso::showFolder() {
    const QString folder = Dir->path();
    cheminfichierperso->setCaption(folder.endsWith(u'\\') ? folder : folder + u'\\');
}
