#pragma once
// Every test runs with drive C: in a temporary folder of its own. Unless asked for nothing on
// it, it starts as a set-up program has it: "c:\objets.ini" names the item folder
// "C:\objets\", empty, so that the item listings of every window find their catalogue.
#include <QTemporaryDir>

class TestDriveC {
public:
    enum class Setup { ItemFolder, Nothing };
    explicit TestDriveC(Setup setup = Setup::ItemFolder);
    QString root() const { return dir_.path(); }
    // Writes a file under drive C: given a path relative to its root; returns the local path.
    QString write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;
    // The item folder's local path.
    QString itemFolder() const;

private:
    void makeItemFolder() const;
    QTemporaryDir dir_;
};
