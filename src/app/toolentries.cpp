#include "app/toolentries.h"

#include "app/shell.h"
#include "common/messagebox.h"

#include <QDir>
#include <QFileInfo>

void runLanterne() {
    const QString program = shell::programFolder() + QStringLiteral("/lanterne.exe");
    if (!QFileInfo(program).isFile()) {
        msgBox(QStringLiteral("Programme lanterne.exe introuvable !"), MsgIcon::Exclamation);
        return;
    }
    // A program that exists but will not start is not reported.
    shell::startProgram(program);
}

void openHelpPage() {
    const QString page = shell::programFolder() + QStringLiteral("/help/index.htm");
    if (!QFileInfo(page).isFile()) {
        msgBox(QStringLiteral("fichier index.htm introuvable !"), MsgIcon::Exclamation);
        return;
    }
    // The desktop may have nothing to show a page with: the user is told where it lies.
    if (!shell::openDocument(page))
        msgBox(QStringLiteral("La page d'aide n'a pas pu être affichée.\r\n"
                              "Vous pouvez l'ouvrir vous-même :\r\n%1")
                   .arg(QDir::toNativeSeparators(page)),
               MsgIcon::Exclamation);
}
