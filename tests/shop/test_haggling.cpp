// The merchant's rules: his margin, his price, his threshold as the shop writes it, his verdict,
// under the C locale and under a French one alike.
#include "common/textnum.h"
#include "shop/haggling.h"

#include <QLocale>
#include <QTest>
#include <clocale>

namespace {

struct Terms {
    const char* name;
    bool buying;
    double quantity, price;
    int character;
    const char *merchant, *threshold;
    double refused, agreed;
} const terms[] = {{"buying two", true, 2, 10, 5, "22", "21.45", 21, 21.5},
                   {"selling two", false, 2, 10, 5, "18", "18.45", 19, 18.4},
                   {"buying at the threshold", true, 1, 115, 7, "131", "126.415", 126.41, 126.415},
                   {"selling at the threshold", false, 1, 115, 7, "99", "102.465", 102.47, 102.465},
                   {"half down to even", true, 1, 12.5, 0, "12", "12", 11.9, 12},
                   {"half up to even", true, 1, 13.5, 0, "14", "14", 13.9, 14},
                   {"no quantity", true, 0, 10, 5, "0", "0", -1, 0},
                   {"no overflow", true, 9999, 1e18, 10, "11998800000000000000000",
                    "11398860000000000000000", 1e22, 1.2e22}};

} // namespace

class TestHaggling : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }

    void terms_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("french");
        for (int i = 0; i < int(std::size(::terms)); ++i)
            for (bool french : {false, true})
                QTest::addRow("%s%s", ::terms[i].name, french ? ", fr" : "") << i << french;
    }
    void terms() {
        QFETCH(int, row);
        QFETCH(bool, french);
        if (french) {
            std::setlocale(LC_ALL, "fr_FR.UTF-8");
            QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        }
        const Terms& t = ::terms[row];
        const double margin = haggling::margin(t.character);
        const double asked = haggling::merchantPrice(t.buying, t.quantity, t.price, margin);
        QCOMPARE(textnum::fmt(asked), t.merchant);
        const QString written = textnum::fmt(haggling::threshold(t.buying, asked, margin));
        QCOMPARE(written, t.threshold);
        // The verdict reads the threshold back from its text.
        QVERIFY(!haggling::agrees(t.buying, t.refused, textnum::val(written)));
        QVERIFY(haggling::agrees(t.buying, t.agreed, textnum::val(written)));
    }

    void margins() {
        QStringList written;
        for (int character = 0; character <= 10; ++character)
            written << textnum::fmt(haggling::margin(character));
        QCOMPARE(written.join(' '), "0 0.02 0.04 0.06 0.08 0.1 0.12 0.14 0.16 0.18 0.2");
    }
};

QTEST_MAIN(TestHaggling)
#include "test_haggling.moc"
