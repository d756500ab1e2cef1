// The settings file "c:\ambrefer.ini": written when a sheet closes, read back by `lisini`.
#include "equipment/equip.h"
#include "hero/perso.h"
#include "catalogues/saisie.h"
#include "herofile/settings.h"
#include "shop/transaction.h"
#include "skills/attrib.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QDir>
#include <QTest>
#include <limits>

namespace {

// Stand-ins for two tool windows, known to the settings by their names.
class Combat : public Form {
public:
    Combat() : Form(QStringLiteral("combat"), QStringLiteral("Combat")) { resize(200, 150); }
};
class Des : public Form {
public:
    Des() : Form(QStringLiteral("Dés"), QStringLiteral("Dés")) { resize(200, 150); }
};

constexpr int K = std::numeric_limits<int>::min(); // a position the file leaves as it was

QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// The lines a file written from these settings holds.
QStringList linesOf(const settings::Settings& s) {
    QStringList lines{s.heroFolder};
    for (const settings::Position& at : s.positions)
        lines << QString::number(at.top.value_or(0)) << QString::number(at.left.value_or(0));
    return lines << QString() << QString();
}

settings::Settings sample() {
    settings::Settings s;
    s.heroFolder = QStringLiteral("C:\\Héros\\");
    for (int i = 0; i < settings::toolWindowCount; ++i)
        s.positions[i] = {150 * (i + 1), 300 * (i + 1)};
    return s;
}

bool samePositions(const settings::Settings& a, const settings::Settings& b) {
    for (int i = 0; i < settings::toolWindowCount; ++i)
        if (a.positions[i].top != b.positions[i].top || a.positions[i].left != b.positions[i].left)
            return false;
    return a.heroFolder == b.heroFolder;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { settings::current() = {}; }

    // Closing a sheet writes fifteen CR LF lines in Windows-1252, an open tool window where it
    // stands and a closed one where it was kept, then ends the program.
    void writtenWhenASheetCloses_data() {
        QTest::addColumn<bool>("skills");
        QTest::newRow("attrib") << true;
        QTest::newRow("equip") << false;
    }
    void writtenWhenASheetCloses() {
        QFETCH(bool, skills);
        TestDriveC drive;
        FreshProgram program;
        settings::current() = sample();
        forms::get<Des>().moveTwips(1500, 750);
        Form& sheet = skills ? static_cast<Form&>(attrib()) : static_cast<Form&>(equip());
        sheet.close();

        settings::Settings expected = sample();
        expected.positions[1] = {750, 1500};
        QByteArray bytes = fileOf(linesOf(expected));
        bytes.replace("C:\\H?ros", "C:\\H\xe9ros");
        QCOMPARE(drive.read(QStringLiteral("ambrefer.ini")), bytes);
        QCOMPARE(program.end.ends, 1);
        QCOMPARE(program.messages.count(), 0);
        QVERIFY(!forms::isLoaded<Combat>());
    }

    // The shop and the item editor open where they were; closing the shop writes the file.
    void shopAndEditorKeepTheirPlaces() {
        TestDriveC drive;
        FreshProgram program;
        settings::current() = sample();
        Transaction& shop = transaction();
        Saisie& editor = saisie();
        QCOMPARE(shop.topTwips(), 750);
        QCOMPARE(shop.leftTwips(), 1500);
        QCOMPARE(editor.topTwips(), 900);
        QCOMPARE(editor.leftTwips(), 1800);

        editor.moveTwips(450, 300);
        editor.close();
        QVERIFY(drive.read(QStringLiteral("ambrefer.ini")).isEmpty()); // kept, not yet written
        shop.moveTwips(3000, 1500);
        shop.close();

        settings::Settings expected = sample();
        expected.positions[4] = {1500, 3000};
        expected.positions[5] = {300, 450};
        QByteArray bytes = fileOf(linesOf(expected));
        bytes.replace("C:\\H?ros", "C:\\H\xe9ros");
        QCOMPARE(drive.read(QStringLiteral("ambrefer.ini")), bytes);
    }

    void nothingChosenYet() {
        TestDriveC drive;
        FreshProgram program;
        sauveini();
        QCOMPARE(
            drive.read(QStringLiteral("ambrefer.ini")),
            fileOf({"c:\\", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "", ""}));
    }

    // A tool window that closes keeps its place for the next file and the next opening.
    void keptWhenAToolWindowCloses() {
        TestDriveC drive;
        FreshProgram program;
        forms::get<Combat>().moveTwips(2250, 1200);
        settings::keepPosition(forms::get<Combat>());
        forms::get<Combat>().close();
        QVERIFY(!forms::isLoaded<Combat>());
        sauveini();
        const QByteArray written = drive.read(QStringLiteral("ambrefer.ini"));
        QVERIFY(written.startsWith("c:\\\r\n1200\r\n2250\r\n0\r\n"));

        settings::placeWindow(forms::get<Combat>());
        QCOMPARE(forms::get<Combat>().leftTwips(), 2250);
        QCOMPARE(forms::get<Combat>().topTwips(), 1200);
    }

    void readBackPlacesOpenWindows() {
        TestDriveC drive;
        FreshProgram program;
        settings::current() = sample();
        sauveini();
        settings::current() = {};
        Combat& combat = forms::get<Combat>();

        lisini();

        QVERIFY(samePositions(settings::current(), sample()));
        QCOMPARE(perso().trans->text(), QStringLiteral("C:\\Héros\\"));
        QCOMPARE(combat.topTwips(), 150);
        QCOMPARE(combat.leftTwips(), 300);
        QVERIFY(!forms::isLoaded<Des>());
        settings::placeWindow(forms::get<Des>());
        QCOMPARE(forms::get<Des>().topTwips(), 300);
        QCOMPARE(forms::get<Des>().leftTwips(), 600);
    }

    // Whatever the file does not supply stays as it was; a bad line loses only its own value.
    void readWhatCanBeRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QList<int>>("values"); // the twelve positions, K where kept
        const QList<int> none(12, K);
        QTest::newRow("missing") << QByteArray() << "C:\\Héros\\" << none;
        QTest::newRow("empty") << QByteArray("") << "C:\\Héros\\" << none;
        QTest::newRow("folder only") << QByteArray("Z:\\jeux\\") << "Z:\\jeux\\" << none;
        QTest::newRow("folder without its separator")
            << QByteArray("c:\\heros\r\n") << "c:\\heros\\" << none;
        QTest::newRow("short") << QByteArray("c:\\a\\\r\n15\r\n30\r\n45\r\n") << "c:\\a\\"
                               << QList<int>{15, 30, 45, K, K, K, K, K, K, K, K, K};
        QTest::newRow("bad lines")
            << fileOf({"", "abc", "30", "12abc", "", " 60 ", "-75", "1e3", "7.5", "2,5", "90",
                       "99999999999", "105", "ignored", "ignored"})
            << "C:\\Héros\\" << QList<int>{K, 30, K, K, 60, -75, K, 8, K, 90, K, 105};
        QTest::newRow("LF ends, Windows-1252 folder")
            << QByteArray("c:\\H\xe9ros\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n") << "c:\\Héros\\"
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    }
    void readWhatCanBeRead() {
        QFETCH(QByteArray, file);
        QFETCH(QString, folder);
        QFETCH(QList<int>, values);
        TestDriveC drive;
        FreshProgram program;
        if (!file.isNull()) drive.write(QStringLiteral("ambrefer.ini"), file);
        settings::current() = sample();

        lisini();

        const settings::Settings before = sample();
        const settings::Settings& read = settings::current();
        QCOMPARE(read.heroFolder, folder);
        QCOMPARE(perso().trans->text(), folder);
        for (int n = 0; n < 12; ++n) {
            const settings::Position& was = before.positions[n / 2];
            const settings::Position& now = read.positions[n / 2];
            const std::optional<int> expected =
                values[n] == K ? (n % 2 ? was.left : was.top) : std::optional<int>(values[n]);
            QVERIFY2((n % 2 ? now.left : now.top) == expected, qPrintable(QString::number(n)));
        }
        QCOMPARE(program.messages.count(), 0);
    }

    // A settings file that cannot be written is reported once; the program still ends.
    void failedWriteAtExit() {
        TestDriveC drive;
        FreshProgram program;
        QVERIFY(QDir(drive.root()).mkdir(QStringLiteral("ambrefer.ini")));
        attrib().close();
        QCOMPARE(program.messages.count(), 1);
        QCOMPARE(program.messages.last().title, QStringLiteral("Erreur !"));
        QCOMPARE(program.messages.last().icon, MsgIcon::Critical);
        QCOMPARE(program.end.ends, 1);
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
