#include "herofile/cheminperso.h"

#include "common/folderlists.h"

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

    linkFolderLists(*Drive, *Dir, *cheminfichierperso);
    Ok->onClick([this] {
        hide();
        if (accepted()) accepted()();
    });
    Annuler->onClick([this] { hide(); });
    setDialogKeys(Ok);
}

void Cheminperso::setFolder(const QString& drivePath) {
    Drive->setDrive(drivePath);
    Dir->setPath(drivePath);
    cheminfichierperso->setCaption(folderLine(Dir->path()));
}

void Cheminperso::onAccepted(Handler handler) {
    accepted() = std::move(handler);
}
