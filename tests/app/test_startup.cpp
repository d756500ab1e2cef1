#include "app/about.h"
#include "app/splash.h"
#include "app/startup.h"
#include "hero/perso.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        drive_ = std::make_unique<TestDriveC>();
        program_ = std::make_unique<FreshProgram>();
    }
    void cleanup() {
        program_.reset();
        drive_.reset();
    }

    // On a machine with no file at all on drive C:, the program starts on the splash over
    // the hero sheet and stays up.
    void startsWithNothingOnDriveC() {
        QVERIFY(QDir(drive_->root()).isEmpty());
        startProgram();
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
        QVERIFY(forms::isLoaded<Perso>());
        QVERIFY(perso().isVisible());
        QVERIFY(start().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&start()));
        QVERIFY(start().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(start().frameGeometry().intersects(perso().frameGeometry()));

        // Stays up: the event loop keeps running, nothing asked to end, no error shown.
        QEventLoop running;
        QTimer::singleShot(100, &running, [&] { running.exit(7); });
        QCOMPARE(running.exec(), 7);
        QCOMPARE(program_->end.ends, 0);
        for (const MessageBoxRequest& shown : program_->messages.shown)
            QVERIFY2(shown.title != QStringLiteral("Erreur !"), qPrintable(shown.text));
        QVERIFY(perso().isVisible());

        // Hiding every window does not end the program either.
        start().hide();
        perso().hide();
        QTimer::singleShot(50, &running, [&] { running.exit(8); });
        QCOMPARE(running.exec(), 8);
    }

    void qtTextsAreFrench() {
        startProgram();
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
                 QStringLiteral("Annuler"));
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove(u'&'), QStringLiteral("Oui"));
    }

    void clickingTheSplashHidesIt() {
        startProgram();
        QVERIFY(QTest::qWaitForWindowExposed(&start()));
        QTest::mouseClick(start().Image1, Qt::LeftButton);
        QVERIFY(!start().isVisible());
        QVERIFY(perso().isVisible());
        QCOMPARE(program_->end.ends, 0);
    }

    void aboutShowsOurTextAndCloses() {
        About& window = about();
        QVERIFY(!window.isVisible());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString description =
            window.findChild<QLabel*>(QStringLiteral("description"))->text();
        QVERIFY(description.contains(QStringLiteral("héros")));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("titre"))->text(), programTitle);

        QTest::mouseClick(window.ok, Qt::LeftButton);
        QVERIFY(!forms::isLoaded<About>());
        QCOMPARE(program_->end.ends, 0);
        about().show();
        QVERIFY(about().isVisible());
    }

  private:
    std::unique_ptr<TestDriveC> drive_;
    std::unique_ptr<FreshProgram> program_;
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
