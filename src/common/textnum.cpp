#include "common/textnum.h"

#include "common/runtimeerror.h"

#include <charconv>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace textnum {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The digits from `i` on, `i` left past them.
QStringView digitsFrom(QStringView text, qsizetype& i) {
    const qsizetype first = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    return text.sliced(first, i - first);
}

} // namespace

LeadingNumber leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    LeadingNumber number;
    number.negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'+' || text[i] == u'-')) ++i;
    number.whole = digitsFrom(text, i);
    if (i < n && text[i] == u'.') number.fraction = digitsFrom(text, ++i);
    return number;
}

QString plainText(QStringView text) {
    const LeadingNumber number = leadingNumber(text);
    QStringView whole = number.whole, fraction = number.fraction;
    while (!whole.isEmpty() && whole.front() == u'0') whole = whole.sliced(1);
    while (!fraction.isEmpty() && fraction.back() == u'0') fraction.chop(1);
    if (whole.isEmpty() && fraction.isEmpty()) return u"0"_s;
    QString plain = number.negative ? u"-"_s : QString();
    plain += whole.isEmpty() ? u"0"_s : whole.toString();
    if (!fraction.isEmpty()) plain += u'.' + fraction.toString();
    return plain;
}

double val(QStringView text) {
    const LeadingNumber number = leadingNumber(text);
    if (number.whole.isEmpty() && number.fraction.isEmpty()) return 0.0;
    const QString digits = (number.negative ? u"-"_s : QString()) + number.whole.toString() +
                           u'.' + number.fraction.toString();
    const double value = std::strtod(digits.toLatin1().constData(), nullptr);
    return value == 0.0 ? 0.0 : value; // no "-0" leaks out of "-0"
}

namespace {

// A number as printf or to_chars wrote it, its exponent (if any) unfolded into plain digits.
QString unfolded(const char* written) {
    QString text = QString::fromLatin1(written);
    const qsizetype e = text.indexOf(u'e');
    if (e < 0) return text;

    const int exponent = text.mid(e + 1).toInt();
    QString mantissa = text.left(e);
    const bool negative = mantissa.startsWith(u'-');
    if (negative) mantissa.remove(0, 1);
    QString significant = mantissa;
    significant.remove(u'.');
    // The mantissa has one digit before its point: shift the point by the exponent.
    const int pointAt = 1 + exponent;
    QString plain;
    if (pointAt <= 0) {
        plain = QStringLiteral("0.") + QString(-pointAt, u'0') + significant;
    } else if (pointAt >= significant.size()) {
        plain = significant + QString(pointAt - significant.size(), u'0');
    } else {
        plain = significant.left(pointAt) + u'.' + significant.mid(pointAt);
    }
    return negative ? u'-' + plain : plain;
}

} // namespace

QString fmt(double value) {
    if (!std::isfinite(value)) throw RuntimeError(6);
    if (value == 0.0) return QStringLiteral("0");

    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    // Fifteen digits round the very largest numbers up past the largest one a number can
    // hold, which would read back as an overflow.
    if (std::isinf(std::strtod(buf, nullptr))) return fmtExact(value);
    return unfolded(buf);
}

QString fmtExact(double value) {
    if (!std::isfinite(value)) throw RuntimeError(6);
    if (value == 0.0) return QStringLiteral("0");

    char buf[64];
    const std::to_chars_result written = std::to_chars(buf, buf + sizeof buf - 1, value);
    *written.ptr = '\0';
    return unfolded(buf);
}

QString fmtReport(double value) {
    const QString text = fmt(value);
    return text.startsWith(u'-') ? text + u' ' : u' ' + text + u' ';
}

long long roundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }
long long floorInt(double value) { return static_cast<long long>(std::floor(value)); }
long long truncInt(double value) { return static_cast<long long>(std::trunc(value)); }

} // namespace textnum
