#include "common/runtimeerror.h"
#include "common/textnum.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace textnum;

class TestTextNum : public QObject {
    Q_OBJECT
private slots:
    void val_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("Mort") << "Mort" << 0.0;
        QTest::newRow("unit after") << "12kg" << 12.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("french decimal") << "2,5" << 2.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("blanks first") << "   42" << 42.0;
        QTest::newRow("tab first") << "\t7" << 7.0;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("plus sign") << "+8" << 8.0;
        QTest::newRow("fraction") << "12.25" << 12.25;
        QTest::newRow("exponent is not read") << "1e3" << 1.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("blank inside stops") << "1 2" << 1.0;
        QTest::newRow("minus zero") << "-0" << 0.0;
        QTest::newRow("arabic-indic digits are not digits") << QString::fromUtf8("\u0663") << 0.0;
    }
    void val() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(textnum::val(text), expected);
        QVERIFY(!std::signbit(textnum::val(text)) || expected < 0);
    }

    // Every digit kept, however many; what the number does not need dropped.
    void plainText_data() {
        QTest::addColumn<QString>("row"); // text|plain text
        for (const char* row : {" -07.50kg|-7.5", "|0", "-.|0", "-0.00|0", "+8|8", "-.5|-0.5",
                                "1.0000000000000000000000000001|1.0000000000000000000000000001"})
            QTest::newRow(row) << QString(row);
    }
    void plainText() {
        QFETCH(QString, row);
        QCOMPARE(textnum::plainText(row.section(u'|', 0, 0)), row.section(u'|', 1));
    }

    void fmt_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("whole") << 1234567.0 << "1234567";
        QTest::newRow("negative") << -12.0 << "-12";
        QTest::newRow("fraction") << 0.1 << "0.1";
        QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.3";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("large unfolds") << 1e20 << "100000000000000000000";
        QTest::newRow("small unfolds") << 1.5e-7 << "0.00000015";
        QTest::newRow("negative small") << -2.5e-6 << "-0.0000025";
        QTest::newRow("rounded to 15") << 2.0 / 3.0 << "0.666666666666667";
    }
    void fmt() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(textnum::fmt(value), expected);
    }

    // Counts keep every digit they need to read back as themselves, and no digit more.
    void fmtExact() {
        for (QString text :
             {"5000000000000005", "12345678901234567168", "0.30000000000000004", "0.1"})
            QCOMPARE(textnum::fmtExact(textnum::val(text)), text);
        QCOMPARE(textnum::fmtExact(-0.0), QStringLiteral("0"));
    }

    // The purse mirror between two sheets stops only when a write finds the text unchanged.
    void fmtIsStableThroughVal() {
        const double samples[] = {0.0, 1.0, -1.0, 0.1, 1.0 / 3.0, 1e15, 123456.789, 1e-9,
                                  9.87654321e18, -4.2e-12, 1e300, 5e-300};
        for (double x : samples) {
            const QString once = textnum::fmt(x);
            QCOMPARE(textnum::fmt(textnum::val(once)), once);
        }
    }

    // Fifteen digits would round these past the largest number, and read back as an overflow.
    void largestNumbersReadBackAsThemselves_data() {
        QTest::addColumn<double>("value");
        constexpr double largest = std::numeric_limits<double>::max();
        QTest::newRow("largest") << largest;
        QTest::newRow("largest, negative") << -largest;
        QTest::newRow("first to round past it") << 1.7976931348623151e308;
    }
    void largestNumbersReadBackAsThemselves() {
        QFETCH(double, value);
        const QString text = textnum::fmt(value);
        QVERIFY(textnum::val(text) == value); // QCOMPARE would forgive the last digits
        QCOMPARE(text.size(), 309 + (value < 0));
    }
    void nonFiniteIsAnOverflow() {
        try {
            textnum::fmt(std::numeric_limits<double>::infinity());
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 6);
        }
    }

    void report() {
        QCOMPARE(fmtReport(7), QString(" 7 "));
        QCOMPARE(fmtReport(-1), QString("-1 "));
        QCOMPARE(fmtReport(0), QString(" 0 "));
        QCOMPARE(fmtReport(2.5), QString(" 2.5 "));
    }

    void wholeNumbers() {
        QCOMPARE(roundHalfEven(0.5), 0LL);
        QCOMPARE(roundHalfEven(1.5), 2LL);
        QCOMPARE(roundHalfEven(2.5), 2LL);
        QCOMPARE(roundHalfEven(-2.5), -2LL);
        QCOMPARE(roundHalfEven(2.6), 3LL);
        QCOMPARE(roundHalfEven(5e12 + 0.5), 5000000000000LL);
        QCOMPARE(floorInt(-1.5), -2LL);
        QCOMPARE(floorInt(1.9), 1LL);
        QCOMPARE(truncInt(-1.5), -1LL);
        QCOMPARE(truncInt(1.9), 1LL);
    }
};

QTEST_APPLESS_MAIN(TestTextNum)
#include "test_textnum.moc"
