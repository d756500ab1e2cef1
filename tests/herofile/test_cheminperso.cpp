#include "herofile/cheminperso.h"
#include "support/recorders.h"
#include "support/runtimeerrors.h"
#include "support/testenv.h"

#include <QDir>
#include <QTest>
#include <optional>

namespace {

void doubleClick(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    const QPoint at = list.visualItemRect(found.first()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

QString shown() {
    return cheminperso().cheminfichierperso->caption();
}

} // namespace

class TestCheminperso : public QObject {
    Q_OBJECT
private slots:
    void init() {
        drive_.emplace();
        QDir(drive_->root()).mkpath("Heros/Anciens");
        program_.emplace();
    }
    void cleanup() {
        Cheminperso::onAccepted({});
        program_.reset();
        drive_.reset();
    }

    void labelShowsTheFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("label");
        QTest::newRow("folder") << "C:\\Heros"
                                << "C:\\Heros\\";
        QTest::newRow("folder with its \\") << "C:\\Heros\\"
                                            << "C:\\Heros\\";
        QTest::newRow("other case: as on disk") << "c:\\heros\\anciens"
                                                << "C:\\Heros\\Anciens\\";
        QTest::newRow("root") << "C:\\"
                              << "C:\\";
        QTest::newRow("drive alone") << "c:"
                                     << "C:\\";
        QTest::newRow("root of the other drive") << "z:\\"
                                                 << "Z:\\";
    }
    void labelShowsTheFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, label);
        cheminperso().setFolder("C:\\Heros\\Anciens"); // somewhere else first
        cheminperso().setFolder(folder);
        QCOMPARE(shown(), label);
        QCOMPARE(cheminperso().Drive->drive(), label.left(2).toLower());
    }

    void userBrowses() {
        Cheminperso& dialog = cheminperso();
        QCOMPARE(dialog.objectName(), QString("cheminperso"));
        dialog.show();
        doubleClick(*dialog.Dir, "Heros");
        QCOMPARE(shown(), QString("C:\\Heros\\"));
        doubleClick(*dialog.Dir, "..");
        QCOMPARE(shown(), QString("C:\\"));
    }

    void userPicksADrive() {
        Cheminperso& dialog = cheminperso();
        dialog.setFolder("C:\\Heros");
        dialog.show();
        QTest::keyClick(dialog.Drive, Qt::Key_Down);
        QCOMPARE(dialog.Drive->drive(), QString("z:"));
        QCOMPARE(shown(), QString("Z:\\"));
        QCOMPARE(dialog.Dir->path(), QString("Z:\\"));
    }

    void buttons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("accepted");
        QTest::newRow("Ok") << "Ok" << 1;
        QTest::newRow("Annuler") << "Annuler" << 0;
    }
    void buttons() {
        QFETCH(QString, button);
        QFETCH(int, accepted);
        int runs = 0;
        bool hiddenFirst = false;
        Cheminperso::onAccepted([&] {
            ++runs;
            hiddenFirst = !cheminperso().isVisible();
        });
        Cheminperso& dialog = cheminperso();
        dialog.setFolder("C:\\Heros");
        dialog.show();
        QTest::mouseClick(dialog.findChild<CommandButton*>(button), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(runs, accepted);
        QCOMPARE(hiddenFirst, accepted == 1);
        QCOMPARE(shown(), QString("C:\\Heros\\"));
        QCOMPARE(program_->messages.count(), 0);
    }

    // Closed by its close box, the dialog is created afresh and Ok still does its work.
    void okAfterReopening() {
        int runs = 0;
        Cheminperso::onAccepted([&] { ++runs; });
        cheminperso().show();
        cheminperso().close();
        QVERIFY(!forms::isLoaded<Cheminperso>());
        cheminperso().show();
        QTest::mouseClick(cheminperso().Ok, Qt::LeftButton);
        QCOMPARE(runs, 1);
    }

private:
    std::optional<TestDriveC> drive_;
    std::optional<FreshProgram> program_;
};

QTEST_MAIN(TestCheminperso)
#include "test_cheminperso.moc"
