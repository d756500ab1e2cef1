#include "herofile/herolist.h"
#include "support/runtimeerrors.h"
#include "support/testenv.h"

#include <QDir>
#include <QTest>
#include <optional>

class TestHeroList : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive_.emplace();
        for (const char* name : {"zoé.af", "Arn.AF", "bran.af", "Élise.af", "Arn le Brave.af",
                                 "notes.txt", "arn.af.bak", "sansextension", "Orik.afx"})
            drive_->write(QString("heros/") + name, "x");
        QDir(drive_->root()).mkpath("heros/dossier.af");
        QDir(drive_->root()).mkpath("vide");
    }
    void cleanup() { drive_.reset(); }

    void listsTheHeroes_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("with its \\") << "C:\\heros\\";
        QTest::newRow("without") << "C:\\heros";
        QTest::newRow("other case, slashes") << "c:/HEROS/";
    }
    // Sorted once the extension is gone: "Arn" before "Arn le Brave", "Élise" among the E.
    void listsTheHeroes() {
        QFETCH(QString, folder);
        QCOMPARE(savedHeroes(folder), QStringList({"Arn", "Arn le Brave", "bran", "Élise", "zoé"}));
    }

    void emptyFolder() { QCOMPARE(savedHeroes("C:\\vide\\"), QStringList()); }

    void missingFolder() {
        QCOMPARE(errorOf([] { savedHeroes("C:\\absent\\"); }), 76);
    }

private:
    std::optional<TestDriveC> drive_;
};

QTEST_GUILESS_MAIN(TestHeroList)
#include "test_herolist.moc"
