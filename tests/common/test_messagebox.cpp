#include "common/messagebox.h"
#include "support/recorders.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// What the real box showed, read while it was up.
struct Shown {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next real box the way a user would: a click on the button captioned `press`,
// or a key when `press` is "Escape" or "Enter".
void answerNextBox(const QString& press, Shown& shown) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, press, &shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        shown = {box->windowTitle(), box->text(), box->textFormat(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons())
            shown.buttons << button->text();
        shown.buttons.sort();
        if (press == QLatin1String("Escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (press == QLatin1String("Enter")) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            for (QAbstractButton* button : box->buttons())
                if (button->text() == press) button->click();
        }
    });
    poll->start(5);
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
  private slots:
    void recorderKeepsWhatWasShown() {
        MessageRecorder messages;
        messages.answers = {MsgAnswer::No, MsgAnswer::Cancel};
        QCOMPARE(msgBox(QStringLiteral("Sauvegarder ?"), MsgIcon::Exclamation, std::nullopt,
                        MsgButtons::YesNoCancel),
                 MsgAnswer::No);
        QCOMPARE(msgBox(QStringLiteral("Encore ?"), MsgIcon::None, QStringLiteral("Dés"),
                        MsgButtons::OkCancel),
                 MsgAnswer::Cancel);
        QCOMPARE(msgBox(QStringLiteral("Un prêtre doit choisir une dévotion."),
                        MsgIcon::Exclamation, QString()),
                 MsgAnswer::Ok);
        QCOMPARE(messages.count(), 3);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Ambrefer"));
        QCOMPARE(messages.shown[0].buttons, MsgButtons::YesNoCancel);
        QCOMPARE(messages.shown[1].title, QStringLiteral("Dés"));
        QCOMPARE(messages.shown[2].title, QString());
        QCOMPARE(messages.last().icon, MsgIcon::Exclamation);
        QCOMPARE(messages.texts().first(), QStringLiteral("Sauvegarder ?"));
    }

    // The real box: French buttons, the program's title by default, the answer clicked; Enter
    // presses the default button, the first one unless another is given.
    void realBox_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<std::optional<MsgAnswer>>("preset");
        const auto row = [](const char* name, MsgButtons buttons, const char* press,
                            MsgAnswer answer, const QStringList& captions,
                            std::optional<MsgAnswer> preset = std::nullopt) {
            QTest::newRow(name) << int(buttons) << QString::fromUtf8(press) << int(answer)
                                << captions << preset;
        };
        const QStringList ok{"OK"}, okCancel{"Annuler", "OK"}, yesNo{"Non", "Oui"},
            yesNoCancel{"Annuler", "Non", "Oui"};
        row("OK clicked", MsgButtons::Ok, "OK", MsgAnswer::Ok, ok);
        row("OK by Escape", MsgButtons::Ok, "Escape", MsgAnswer::Ok, ok);
        row("Annuler clicked", MsgButtons::OkCancel, "Annuler", MsgAnswer::Cancel, okCancel);
        row("OK by Enter", MsgButtons::OkCancel, "Enter", MsgAnswer::Ok, okCancel);
        row("Non clicked", MsgButtons::YesNo, "Non", MsgAnswer::No, yesNo);
        row("Oui by Enter", MsgButtons::YesNo, "Enter", MsgAnswer::Yes, yesNo);
        row("yes/no by Escape", MsgButtons::YesNo, "Escape", MsgAnswer::No, yesNo);
        row("Non by Enter", MsgButtons::YesNo, "Enter", MsgAnswer::No, yesNo, MsgAnswer::No);
        row("Oui of three", MsgButtons::YesNoCancel, "Oui", MsgAnswer::Yes, yesNoCancel);
        row("Oui of three by Enter", MsgButtons::YesNoCancel, "Enter", MsgAnswer::Yes, yesNoCancel);
        row("three by Escape", MsgButtons::YesNoCancel, "Escape", MsgAnswer::Cancel, yesNoCancel);
    }
    void realBox() {
        QFETCH(int, buttons);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(QStringList, captions);
        QFETCH(std::optional<MsgAnswer>, preset);
        Shown shown;
        answerNextBox(press, shown);
        const MsgAnswer given = msgBox(QStringLiteral("Voulez-vous continuer ?"), MsgIcon::None,
                                       std::nullopt, MsgButtons(buttons), preset);
        QCOMPARE(int(given), answer);
        QCOMPARE(shown.buttons, captions);
        QCOMPARE(shown.title, programTitle);
    }

    void realBoxLooks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<QString>("title"); // when titled
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<int>("shownIcon");
        QTest::newRow("line breaks")
            << "Objet inexistant.\r\nVeuillez utiliser 'Saisie' !" << int(MsgIcon::Information)
            << false << QString() << "Objet inexistant.\nVeuillez utiliser 'Saisie' !"
            << int(QMessageBox::Information);
        QTest::newRow("lone carriage return")
            << "Un\rDeux" << int(MsgIcon::Critical) << true << "Erreur !"
            << "Un\nDeux" << int(QMessageBox::Critical);
        QTest::newRow("markup-like text stays text")
            << "Nom <b>interdit</b> & co" << int(MsgIcon::Exclamation) << true << "Saisie"
            << "Nom <b>interdit</b> & co" << int(QMessageBox::Warning);
        QTest::newRow("no icon") << "Transaction enregistrée !" << int(MsgIcon::None) << false
                                 << QString() << "Transaction enregistrée !"
                                 << int(QMessageBox::NoIcon);
    }
    void realBoxLooks() {
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(bool, titled);
        QFETCH(QString, title);
        QFETCH(QString, shownText);
        QFETCH(int, shownIcon);
        Shown shown;
        answerNextBox(QStringLiteral("OK"), shown);
        msgBox(text, MsgIcon(icon), titled ? std::optional(title) : std::nullopt);
        QCOMPARE(shown.text, shownText);
        QCOMPARE(shown.format, Qt::PlainText);
        QCOMPARE(int(shown.icon), shownIcon);
        QCOMPARE(shown.title, titled ? title : programTitle);
    }

    // The empty title: the window system would put the program's name in its place.
    void realBoxEmptyTitle() {
        Shown shown;
        answerNextBox(QStringLiteral("OK"), shown);
        msgBox(QStringLiteral("Un prêtre doit choisir une dévotion."), MsgIcon::Exclamation,
               QString());
        QVERIFY(!shown.text.isEmpty());
        QVERIFY(shown.title.trimmed().isEmpty());
        QVERIFY(!shown.title.isEmpty());
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_messagebox.moc"
