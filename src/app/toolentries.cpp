#include "app/toolentries.h"

#include "app/shell.h"
#include "common/messagebox.h"

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
    shell::openDocument(page);
}
