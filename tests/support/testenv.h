#pragma once
// Every test runs with drive C: in a temporary folder of its own.
#include <QTemporaryDir>

class TestDriveC {
public:
    TestDriveC();
    QString root() const { return dir_.path(); }
    // Writes a file under drive C: given a path relative to its root; returns the local path.
    QString write(const QString& relativePath, const QByteArray& bytes) const;
    QByteArray read(const QString& relativePath) const;
    // Sets up an empty item catalogue: "c:\objets.ini" names "C:\objets\"; returns that
    // folder's local path.
    QString makeItemFolder() const;

private:
    QTemporaryDir dir_;
};
