#pragma once
// Numbers live as the text of fields. These helpers read and write that text the one way
// the whole program agrees on, whatever the system locale says.
#include <QString>

namespace textnum {

// Leading numeric value: blanks skipped, optional sign, digits, optional "." and digits;
// anything else ends the number. Empty or non-numeric text is 0 ("2,5" is 2, "12kg" is 12).
double val(QStringView text);

// The same leading number as it is written: its sign, the digits before its point and those
// after it. No digit at all is 0.
struct LeadingNumber {
    bool negative = false;
    QStringView whole, fraction;
};
LeadingNumber leadingNumber(QStringView text);

// That leading number written plainly, every digit kept however many there are: no blank, no
// "+", no leading zero, no trailing decimal zero, "0" for no digit and never "-0"
// (" -07.50kg" is "-7.5", ".5" is "0.5").
QString plainText(QStringView text);

// Plain decimal text for a field or a file: "." separator, at most 15 significant digits,
// never an exponent, "-0" written as "0". fmt(val(fmt(x))) == fmt(x) for every finite x. The
// largest numbers, which 15 digits would round past any number, are written as fmtExact().
QString fmt(double value);
inline QString fmt(long long value) { return QString::number(value); }
inline QString fmt(int value) { return QString::number(value); }

// The same plain text with every digit it takes to read back as the very same number
// (val(fmtExact(x)) == x), "0.1" still for 0.1: for numbers that must not change in their
// sixteenth or seventeenth digit, such as a coin count too large to be money.
QString fmtExact(double value);

// A number in a report line: a leading blank (or "-") and one trailing blank, " 7 ".
QString fmtReport(double value);

// Conversions to whole numbers, computed in 64 bits so no 16-bit count overflows.
long long roundHalfEven(double value); // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
long long floorInt(double value);      // -1.5 -> -2
long long truncInt(double value);      // -1.5 -> -1

} // namespace textnum
