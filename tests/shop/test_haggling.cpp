// The merchant's rules: his margin, his price, his threshold as the shop writes it, his verdict.
#include "common/textnum.h"
#include "shop/haggling.h"

#include <QLocale>
#include <QTest>
#include <clocale>

class TestHaggling : public QObject {
    Q_OBJECT
private slots:
    void margins() {
        const QStringList expected{"0",    "0.02", "0.04", "0.06", "0.08", "0.1",
                                   "0.12", "0.14", "0.16", "0.18", "0.2"};
        for (int position = 0; position <= 10; ++position)
            QCOMPARE(textnum::fmt(haggling::margin(position)), expected[position]);
    }

    void terms_data() {
        QTest::addColumn<bool>("buying");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("price");
        QTest::addColumn<int>("character");
        QTest::addColumn<QString>("merchant");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<double>("refused");
        QTest::addColumn<double>("agreed");
        QTest::newRow("buying two") << true << 2.0 << 10.0 << 5 << "22"
                                    << "21.45" << 21.0 << 21.5;
        QTest::newRow("selling two") << false << 2.0 << 10.0 << 5 << "18"
                                     << "18.45" << 19.0 << 18.4;
        QTest::newRow("decimals kept") << true << 1.0 << 10.0 << 5 << "11"
                                       << "10.725" << 10.7 << 10.8;
        QTest::newRow("threshold itself agrees") << true << 1.0 << 115.0 << 7 << "131"
                                                 << "126.415" << 126.41 << 126.415;
        QTest::newRow("selling at threshold") << false << 1.0 << 115.0 << 7 << "99"
                                              << "102.465" << 102.47 << 102.465;
        QTest::newRow("half down to even") << true << 1.0 << 12.5 << 0 << "12"
                                           << "12" << 11.9 << 12.0;
        QTest::newRow("half up to even") << true << 1.0 << 13.5 << 0 << "14"
                                         << "14" << 13.9 << 14.0;
        QTest::newRow("no quantity") << true << 0.0 << 10.0 << 5 << "0"
                                     << "0" << -1.0 << 0.0;
        QTest::newRow("no overflow") << true << 9999.0 << 1e18 << 10 << "11998800000000000000000"
                                     << "11398860000000000000000" << 1e22 << 1.2e22;
    }
    // The same under a French default locale: nothing goes through it.
    void terms() {
        for (const char* locale : {"C", "fr_FR.UTF-8"}) {
            std::setlocale(LC_ALL, locale);
            QLocale::setDefault(QLocale(QString::fromLatin1(locale).left(5)));
            QFETCH(bool, buying);
            QFETCH(double, quantity);
            QFETCH(double, price);
            QFETCH(int, character);
            QFETCH(QString, merchant);
            QFETCH(QString, threshold);
            QFETCH(double, refused);
            QFETCH(double, agreed);
            const double margin = haggling::margin(character);
            const double asked = haggling::merchantPrice(buying, quantity, price, margin);
            QCOMPARE(textnum::fmt(asked), merchant);
            const QString written = textnum::fmt(haggling::threshold(buying, asked, margin));
            QCOMPARE(written, threshold);
            // The verdict reads the threshold back from its text.
            QVERIFY(!haggling::agrees(buying, refused, textnum::val(written)));
            QVERIFY(haggling::agrees(buying, agreed, textnum::val(written)));
        }
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestHaggling)
#include "test_haggling.moc"
