#include "common/cp1252.h"

#include <QStringDecoder>
#include <array>

namespace {

// Bytes 0x80-0x9F of Windows-1252; the five bytes the code page leaves undefined map to the
// C1 control of the same value, as Windows itself reads them, so they survive a round trip.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char encodeOne(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == codePoint) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

namespace cp1252 {

QByteArray encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    // By code point, so a character outside the BMP gives one "?", not two.
    for (char32_t codePoint : text.toUcs4())
        bytes.append(encodeOne(codePoint));
    return bytes;
}

QString decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(value >= 0x80 && value <= 0x9F ? QChar(kHighTable[value - 0x80])
                                                   : QChar(value));
    }
    return text;
}

QString decodeFile(const QByteArray& bytes) {
    // Stateless, so a file ending inside a sequence (a Windows-1252 "é" last) counts as invalid.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decode(bytes) : text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.append(text.mid(start));
    return lines;
}

} // namespace cp1252
