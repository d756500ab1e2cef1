#include "tools/chemin.h"

#include "common/drivepath.h"
#include "common/messagebox.h"
#include "common/runtimeerror.h"
#include "common/textfile.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

Chemin::Chemin() : Form(QStringLiteral("chemin"), QStringLiteral("Où sauvegarder le fichier ?")) {
    auto* central = new QWidget(this);
    drive = new DriveListBox(QStringLiteral("drive"), central);
    Dir = new DirListBox(QStringLiteral("Dir"), central);
    file = new TextBox(QStringLiteral("file"), central);
    Label1 = new Label(QStringLiteral("Label1"), QStringLiteral("Chemin complet :"), central);
    cheminfichier = new Label(QStringLiteral("cheminfichier"), QString(), central);
    cheminfichier->setWordWrap(true);
    flag = new Label(QStringLiteral("flag"), QString(), central);
    flag->hide();
    ok = new CommandButton(QStringLiteral("ok"), QStringLiteral("&Ok !"), central);

    auto* column = new QVBoxLayout(central);
    column->addWidget(drive);
    column->addWidget(Dir);
    column->addWidget(file);
    column->addWidget(Label1);
    column->addWidget(cheminfichier);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    column->addLayout(buttons);
    setCentralWidget(central);
    resize(320, 360);

    connect(drive, &DriveListBox::driveChanged, this,
            [this] { runEvent([this] { drive_Change(); }); });
    connect(Dir, &DirListBox::pathChanged, this, [this] { runEvent([this] { Dir_Change(); }); });
    file->onChange([this] { file_Change(); });
    Label1->onClick([this] { Label1_Click(); });
    ok->onClick([this] { ok_Click(); });
    setDialogKeys(ok);
}

// The program's own folder means nothing on our drives: the report starts at the root of C:.
void Chemin::Form_Load() {
    drive->setDrive(QStringLiteral("c:"));
    Dir->setPath(QStringLiteral("C:\\"));
    file->setText(QStringLiteral("resultat.txt"));
    showPath();
}

void Chemin::drive_Change() {
    const QString letter = drive->drive().toUpper();
    const QString root = letter + u'\\';
    try {
        Dir->setPath(lastFolder_.value(letter, root));
    } catch (const RuntimeError&) {
        Dir->setPath(root); // the folder has gone since
    }
    showPath();
}

void Chemin::Dir_Change() {
    lastFolder_.insert(Dir->path().left(2).toUpper(), Dir->path());
    showPath();
}

void Chemin::file_Change() {
    showPath();
}

void Chemin::showPath() {
    const QString folder = Dir->path();
    // A drive root already ends with its "\".
    cheminfichier->setCaption((folder.size() == 3 ? folder : folder + u'\\') + file->text());
    cheminfichier->repaint();
}

void Chemin::Label1_Click() {
    cheminfichier->setHidden(!cheminfichier->isHidden());
}

// The file is made at once: a path that cannot take a report is refused now, with its reason,
// rather than at the first fight. A file that already holds something may be a hero or a
// record: it is emptied only when the user says so.
void Chemin::ok_Click() {
    if (!file->text().isEmpty()) {
        const QString path = cheminfichier->caption();
        const QFileInfo chosen(drivepath::toLocal(path));
        if (chosen.isFile() && chosen.size() > 0 &&
            msgBox(QStringLiteral("Le fichier %1 existe déjà. Le remplacer ?").arg(path),
                   MsgIcon::Question, std::nullopt, MsgButtons::YesNo,
                   MsgAnswer::No) != MsgAnswer::Yes)
            return;
        TextOutput report(path);
        report.commit();
        confirmed_ = path;
        flag->setCaption(QStringLiteral("1"));
    }
    hide();
}

void Chemin::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

QString cheminRapport() {
    if (forms::isLoaded<Chemin>() && chemin().flag->caption() == u"1")
        return chemin().confirmedPath();
    return QStringLiteral("c:\\resultat.txt");
}
