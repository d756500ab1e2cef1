#include "common/textfile.h"

#include "common/cp1252.h"
#include "common/drivepath.h"
#include "common/runtimeerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

int liveOutputs = 0;

QString localFile(const QString& drivePath) {
    if (!drivepath::isValidFileName(drivePath)) throw RuntimeError(52);
    return drivepath::toLocal(drivePath);
}

bool folderExists(const QFileInfo& file) {
    return QFileInfo(file.absolutePath()).isDir();
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

TextInput::TextInput(const QString& drivePath) {
    const QString local = localFile(drivePath);
    const QFileInfo info(local);
    if (info.isDir()) throw RuntimeError(75);
    if (!info.exists()) throw RuntimeError(folderExists(info) ? 53 : 76);
    QFile file(local);
    if (!file.open(QIODevice::ReadOnly)) throw RuntimeError(75);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw RuntimeError(75);
    lines_ = cp1252::splitLines(cp1252::decodeFile(bytes));
}

QString TextInput::lineInput() {
    if (eof()) throw RuntimeError(62);
    const QString rest = lines_.at(line_).mid(column_);
    ++line_;
    column_ = 0;
    return rest;
}

QString TextInput::input() {
    if (eof()) throw RuntimeError(62);
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

TextOutput::TextOutput(const QString& drivePath, Mode mode) : localPath_(localFile(drivePath)) {
    const QFileInfo info(localPath_);
    if (info.isDir()) throw RuntimeError(75);
    if (!folderExists(info)) throw RuntimeError(76);
    if (mode == Mode::Append && info.exists()) {
        QFile old(localPath_);
        if (!old.open(QIODevice::ReadOnly)) throw RuntimeError(75);
        bytes_ = old.readAll();
        if (old.error() != QFileDevice::NoError) throw RuntimeError(75);
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
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes_) == bytes_.size() && file.commit())
        return;
    // The folder may have gone since the file was opened.
    throw RuntimeError(folderExists(QFileInfo(localPath_)) ? 75 : 76);
}

int freeFile() {
    return liveOutputs + 1;
}
