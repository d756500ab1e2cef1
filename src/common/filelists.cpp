#include "common/filelists.h"

#include "common/drivepath.h"
#include "common/nameorder.h"
#include "common/runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

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

// A pattern split once into its wildcard parts, for matching a whole folder.
class Pattern {
public:
    explicit Pattern(const QString& pattern) {
        for (const QString& part : pattern.split(u';')) {
            const QString one = part.trimmed();
            // "*.*" takes names without a dot too, as it always has on the old drives.
            if (one == u"*.*") all_ = true;
            if (!one.isEmpty()) parts_.append(one);
        }
    }
    bool matches(const QString& fileName) const {
        if (all_) return true;
        for (const QString& part : parts_)
            if (wildcardMatch(part, fileName)) return true;
        return false;
    }

private:
    QStringList parts_;
    bool all_ = false;
};

// A directory entry that is a file or a link to one. Folders, devices and broken links are
// not files.
bool isFile(DIR* dir, const dirent* entry) {
    if (entry->d_type == DT_REG) return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN) return false;
    struct stat target {};
    return fstatat(dirfd(dir), entry->d_name, &target, 0) == 0 && S_ISREG(target.st_mode);
}

// The matching file names of a local folder, sorted; none when it has gone. Read straight
// from the directory: a catalogue of ten thousand items is listed at every filter.
QStringList filesIn(const QString& localFolder, const QString& pattern) {
    QStringList names;
    DIR* dir = opendir(QFile::encodeName(localFolder).constData());
    if (!dir) return names;
    const Pattern wanted(pattern);
    while (const dirent* entry = readdir(dir)) {
        // A hidden file (what another system leaves beside a catalogue's records, such as
        // "._Dague.arm") is no record; nor are "." and "..".
        const char* raw = entry->d_name;
        if (raw[0] == '.' || !isFile(dir, entry)) continue;
        const QString name = QFile::decodeName(raw);
        if (wanted.matches(name)) names.append(name);
    }
    closedir(dir);
    sortNames(names);
    return names;
}

} // namespace

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

void FileListBox::setPathAndPattern(const QString& drivePath, const QString& pattern) {
    path_ = existingFolder(drivePath);
    pattern_ = pattern;
    refresh();
}

void FileListBox::listSameAs(const FileListBox& other) {
    path_ = other.path_;
    pattern_ = other.pattern_;
    names_ = other.names_;
    showNames();
}

void FileListBox::refresh() {
    names_ = filesIn(drivepath::toLocal(path_), pattern_);
    showNames();
}

void FileListBox::showNames() {
    clear();
    if (isVisible()) addItems(names_);
}

void FileListBox::showEvent(QShowEvent* event) {
    clear();
    addItems(names_);
    QListWidget::showEvent(event);
}

QString FileListBox::list(int index) const {
    return index >= 0 && index < names_.size() ? names_.at(index) : QString();
}

bool FileListBox::matches(const QString& pattern, const QString& fileName) {
    return Pattern(pattern).matches(fileName);
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
