#include "common/textfile.h"

#include "common/cp1252.h"
#include "common/drivepath.h"
#include "common/runtimeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int liveOutputs = 0;

// A failed read or write names its file as the program named it, and the system's reason.
[[noreturn]] void fail(int number, const QString& drivePath, int systemError = 0) {
    throw RuntimeError::onFile(number, drivepath::normalise(drivePath), systemError);
}

QString localFile(const QString& drivePath) {
    if (!drivepath::isValidFileName(drivePath)) fail(52, drivePath);
    try {
        return drivepath::toLocal(drivePath);
    } catch (const RuntimeError& error) {
        fail(error.number(), drivePath);
    }
}

bool folderExists(const QFileInfo& file) {
    return QFileInfo(file.absolutePath()).isDir();
}

QByteArray systemPath(const QString& local) {
    return QFile::encodeName(local);
}

// Why a path cannot be reached: nothing of that name, or a file where a folder should be,
// on the way to it or in its place.
int reachError(const QString& local) {
    struct stat info {};
    if (::stat(systemPath(local).constData(), &info) != 0) return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// The system's reason for a failed open, asked of the system itself: Qt keeps only its own
// wording of it.
int readError(const QString& local) {
    const int fd = ::open(systemPath(local).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

// Why a file could not be replaced. What the saving refuses by itself (a folder in the way, a
// read-only file, a folder that cannot be written) is asked of the system again; otherwise
// the system's error of the failed step, caught as it failed.
int writeError(const QString& local, const QFileDevice& file, int caught) {
    const QFileInfo info(local);
    if (info.isDir()) return EISDIR;
    if (!folderExists(info)) return reachError(info.absolutePath());
    if (info.exists() && ::access(systemPath(local).constData(), W_OK) != 0) return errno;
    if (::access(systemPath(info.absolutePath()).constData(), W_OK) != 0) return errno;
    if (caught == 0 && file.error() == QFileDevice::ResourceError) return ENOSPC;
    return caught;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

TextInput::TextInput(const QString& drivePath) : drivePath_(drivePath) {
    const QString local = localFile(drivePath);
    const QFileInfo info(local);
    if (info.isDir()) fail(75, drivePath, EISDIR);
    if (!info.exists()) fail(folderExists(info) ? 53 : 76, drivePath, reachError(local));
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly)) fail(75, drivePath, readError(local));
    const QByteArray bytes = file.readAll();
    const int caught = errno;
    if (file.error() != QFileDevice::NoError) fail(75, drivePath, caught);
    lines_ = cp1252::splitLines(cp1252::decodeFile(bytes));
}

QString TextInput::lineInput() {
    if (eof()) fail(62, drivePath_);
    const QString rest = lines_.at(line_).mid(column_);
    ++line_;
    column_ = 0;
    return rest;
}

QString TextInput::input() {
    if (eof()) fail(62, drivePath_);
    const QString& line = lines_.at(line_);
    qsizetype start = column_;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;

    QString field;
    qsizetype after = 0; // where the search for the delimiter goes on
    if (start < line.size() && line.at(start) == u'"') {
        const qsizetype close = line.indexOf(u'"', start + 1);
        const qsizetype end = close < 0 ? line.size() : close;
        field = line.mid(start + 1, end - start - 1);
        after = close < 0 ? line.size() : close + 1;
    } else {
        const qsizetype comma = line.indexOf(u',', start);
        after = comma < 0 ? line.size() : comma;
        field = line.mid(start, after - start);
        while (!field.isEmpty() && isBlank(field.back()))
            field.chop(1);
    }

    const qsizetype comma = line.indexOf(u',', after);
    if (comma < 0) {
        ++line_;
        column_ = 0;
    } else {
        column_ = comma + 1;
    }
    return field;
}

TextOutput::TextOutput(const QString& drivePath, Mode mode)
    : drivePath_(drivePath), localPath_(localFile(drivePath)) {
    const QFileInfo info(localPath_);
    if (info.isDir()) fail(75, drivePath, EISDIR);
    if (!folderExists(info)) fail(76, drivePath, reachError(info.absolutePath()));
    if (mode == Mode::Append && info.exists()) {
        QFile old(localPath_);
        if (!old.open(QIODevice::ReadOnly)) fail(75, drivePath, readError(localPath_));
        bytes_ = old.readAll();
        const int caught = errno;
        if (old.error() != QFileDevice::NoError) fail(75, drivePath, caught);
    }
    ++liveOutputs;
}

TextOutput::~TextOutput() {
    --liveOutputs;
}

void TextOutput::printLine(const QString& line) {
    bytes_.append(cp1252::encode(line));
    bytes_.append("\r\n");
}

void TextOutput::commit() {
    QSaveFile file(localPath_);
    // Unbuffered: a buffered write that the disk cuts short is still committed as a success.
    // The system's error is caught as soon as a step fails, before anything else can change it.
    errno = 0;
    bool done = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (done) done = file.write(bytes_) == bytes_.size();
    if (done) done = file.commit();
    if (done) return;
    const int caught = errno;
    // The folder may have gone since the file was opened.
    fail(folderExists(QFileInfo(localPath_)) ? 75 : 76, drivePath_,
         writeError(localPath_, file, caught));
}

int freeFile() {
    return liveOutputs + 1;
}
