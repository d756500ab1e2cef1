#pragma once
// The calls that reach outside the program: starting another program and opening a document
// with the desktop's own application. Tests replace them so that nothing is launched.
#include <QString>
#include <functional>

namespace shell {

// The program's own folder, where the help pages and the sibling program lie.
QString programFolder();

// Starts a program without waiting for it; false when it could not be started.
bool startProgram(const QString& path);
// Opens a document in the application the desktop associates with it; false on failure.
bool openDocument(const QString& path);

// Tests: stand-ins for the two calls and for the program's folder; empty restores the real ones.
using Launch = std::function<bool(const QString& path)>;
void setProgramStarter(Launch starter);
void setDocumentOpener(Launch opener);
void setProgramFolder(const QString& folder);

} // namespace shell
