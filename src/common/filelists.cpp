#include "common/filelists.h"

#include "common/drivepath.h"
#include "common/nameorder.h"
#include "common/runtimeerror.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kDriveCRootPath = QStringLiteral("C:\\");

// The drive form, with the case found on disk, of an existing folder; error 76 otherwise.
QString existingFolder(const QString& drivePath) {
    const QString local = drivepath::toLocal(drivepath::normalise(drivePath));
    if (!QFileInfo(local).isDir()) throw RuntimeError(76);
    return drivepath::toDrive(local);
}

bool sameLetter(QChar a, QChar b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

// "*" any run of characters, "?" any one character, anything else itself without regard to
// case; the whole name must match.
bool wildcardMatch(QStringView pattern, QStringView name) {
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern.at(p) == u'?' || sameLetter(pattern.at(p), name.at(n)))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}

// The matching file names of a local folder; none when it has gone.
QStringList filesIn(const QString& localFolder, const QString& pattern) {
    QStringList names;
    for (const QString& fileName : QDir(localFolder).entryList(QDir::Files | QDir::Hidden))
        if (FileListBox::matches(pattern, fileName)) names.append(fileName);
    sortNames(names);
    return names;
}

} // namespace

void sortNames(QStringList& names) { std::sort(names.begin(), names.end(), nameBefore); }

QStringList matchingFiles(const QString& drivePath, const QString& pattern) {
    return filesIn(drivepath::toLocal(existingFolder(drivePath)), pattern);
}

FileListBox::FileListBox(const QString& name, QWidget* parent)
    : QListWidget(parent), path_(kDriveCRootPath) {
    setObjectName(name);
    refresh();
}

void FileListBox::setPath(const QString& drivePath) {
    path_ = existingFolder(drivePath);
    refresh();
}

void FileListBox::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileListBox::refresh() {
    clear();
    addItems(filesIn(drivepath::toLocal(path_), pattern_));
}

QString FileListBox::list(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

bool FileListBox::matches(const QString& pattern, const QString& fileName) {
    for (const QString& part : pattern.split(u';')) {
        const QString one = part.trimmed();
        // "*.*" takes names without a dot too, as it always has on the old drives.
        if (one == u"*.*") return true;
        if (!one.isEmpty() && wildcardMatch(one, fileName)) return true;
    }
    return false;
}

DirListBox::DirListBox(const QString& name, QWidget* parent)
    : QListWidget(parent), path_(kDriveCRootPath) {
    setObjectName(name);
    fill();
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* entry) { open(entry->text()); });
}

void DirListBox::setPath(const QString& drivePath) {
    const QString folder = existingFolder(drivePath);
    const bool changed = folder != path_;
    path_ = folder;
    fill();
    if (changed) emit pathChanged();
}

void DirListBox::fill() {
    QStringList names =
        QDir(drivepath::toLocal(path_)).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    sortNames(names);
    clear();
    const bool atDriveRoot = path_.endsWith(u'\\');
    if (!atDriveRoot) addItem(QStringLiteral(".."));
    addItems(names);
}

void DirListBox::open(const QString& entry) {
    try {
        setPath(path_ + u'\\' + entry);
    } catch (const RuntimeError&) {
        fill(); // the folder went away since the list was filled
    }
}

DriveListBox::DriveListBox(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    addItems({QStringLiteral("c:"), QStringLiteral("z:")});
    connect(this, &QComboBox::activated, this, [this] {
        if (drive() == shown_) return;
        shown_ = drive();
        emit driveChanged();
    });
}

QString DriveListBox::drive() const {
    return currentText();
}

void DriveListBox::setDrive(const QString& drive) {
    const int index = findText(drive.left(2).toLower());
    if (index < 0) throw RuntimeError(68);
    setCurrentIndex(index);
    shown_ = currentText();
}
