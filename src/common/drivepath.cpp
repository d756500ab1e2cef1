#include "common/drivepath.h"

#include "common/runtimeerror.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

struct DriveForm {
    QChar drive;       // lower case
    QStringList parts; // no empty part, no "." or ".."
};

bool startsWithDrive(QStringView path) {
    return path.size() >= 2 && path.at(1) == u':' &&
           ((path.at(0) >= u'a' && path.at(0) <= u'z') ||
            (path.at(0) >= u'A' && path.at(0) <= u'Z'));
}

DriveForm parse(const QString& drivePath) {
    DriveForm form{u'c', {}};
    QString rest = drivePath;
    if (startsWithDrive(rest)) {
        form.drive = rest.at(0).toLower();
        rest.remove(0, 2);
    }
    rest.replace(u'/', u'\\');
    for (const QString& part : rest.split(u'\\', Qt::SkipEmptyParts)) {
        if (part == u"..") {
            if (!form.parts.isEmpty()) form.parts.removeLast();
        } else if (part != u".") {
            form.parts.append(part);
        }
    }
    return form;
}

QString join(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

// The entry of a folder that is `name` exactly or, failing that, without regard to case;
// empty when there is none.
QString existingName(const QString& folder, const QString& name) {
    if (QFileInfo::exists(join(folder, name))) return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

} // namespace

namespace drivepath {

QString driveCRoot() {
    QString root = qEnvironmentVariable("AMBREFER_DRIVE_C");
    if (root.isEmpty())
        root = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/ambrefer/c");
    root = QDir::cleanPath(QDir(root).absolutePath());
    QDir().mkpath(root);
    return root;
}

QString toLocal(const QString& drivePath) {
    const DriveForm form = parse(drivePath);
    QString local;
    if (form.drive == u'c')
        local = driveCRoot();
    else if (form.drive == u'z')
        local = QStringLiteral("/");
    else
        throw RuntimeError(68);

    bool onDisk = true; // once a component is missing, the rest cannot be looked up
    for (const QString& part : form.parts) {
        QString name = part;
        if (onDisk) {
            const QString found = existingName(local, part);
            onDisk = !found.isEmpty();
            if (onDisk) name = found;
        }
        local = join(local, name);
    }
    return local;
}

QString toDrive(const QString& localPath) {
    const QString local = QDir::cleanPath(QFileInfo(localPath).absoluteFilePath());
    const QString root = driveCRoot();
    QString drive = QStringLiteral("Z:\\");
    QString relative = local.mid(1);
    if (local == root) {
        drive = QStringLiteral("C:\\");
        relative.clear();
    } else if (local.startsWith(join(root, QString()))) {
        drive = QStringLiteral("C:\\");
        relative = local.mid(join(root, QString()).size());
    }
    return drive + relative.replace(u'/', u'\\');
}

QString normalise(const QString& drivePath) {
    const DriveForm form = parse(drivePath);
    return QString(form.drive.toUpper()) + QStringLiteral(":\\") + form.parts.join(u'\\');
}

bool isValidFileName(const QString& drivePath) {
    const QStringView rest =
        startsWithDrive(drivePath) ? QStringView(drivePath).mid(2) : QStringView(drivePath);
    if (rest.trimmed().isEmpty()) return false;
    for (QChar c : rest)
        if (c.unicode() < 0x20 || QStringView(u"*?\"<>|:").contains(c)) return false;
    return true;
}

} // namespace drivepath
