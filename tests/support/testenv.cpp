#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestDriveC::TestDriveC(Setup setup) {
    qputenv("AMBREFER_DRIVE_C", dir_.path().toUtf8());
    if (setup == Setup::ItemFolder) makeItemFolder();
}

QString TestDriveC::write(const QString& relativePath, const QByteArray& bytes) const {
    const QString path = dir_.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write test fixture %s", qPrintable(path));
    file.write(bytes);
    return path;
}

QByteArray TestDriveC::read(const QString& relativePath) const {
    QFile file(dir_.filePath(relativePath));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void TestDriveC::makeItemFolder() const {
    write(QStringLiteral("objets.ini"), "C:\\objets\\\r\n");
    QDir().mkpath(itemFolder());
}

QString TestDriveC::itemFolder() const { return QDir(dir_.path()).filePath(QStringLiteral("objets")); }
