#include "app/shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace shell {
namespace {

struct StandIns {
    Launch starter;
    Launch opener;
    QString folder;
};

StandIns& standIns() {
    static StandIns s;
    return s;
}

} // namespace

QString programFolder() {
    if (!standIns().folder.isEmpty()) return standIns().folder;
    return QCoreApplication::applicationDirPath();
}

bool startProgram(const QString& path) {
    if (standIns().starter) return standIns().starter(path);
    return QProcess::startDetached(path, {}, programFolder());
}

bool openDocument(const QString& path) {
    if (standIns().opener) return standIns().opener(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void setProgramStarter(Launch starter) { standIns().starter = std::move(starter); }
void setDocumentOpener(Launch opener) { standIns().opener = std::move(opener); }
void setProgramFolder(const QString& folder) { standIns().folder = folder; }

} // namespace shell
