#pragma once
// The program's files are in the Windows-1252 code page with CR LF line ends. Reading also
// takes valid UTF-8 (a file edited elsewhere) and any of CR LF, LF or CR.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace cp1252 {

// Characters outside the code page become "?".
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// Valid UTF-8 is read as UTF-8, anything else as Windows-1252.
QString decodeFile(const QByteArray& bytes);

// The lines of a file's text; a final line end does not start another line.
QStringList splitLines(const QString& text);

} // namespace cp1252
