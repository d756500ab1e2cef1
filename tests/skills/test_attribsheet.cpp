// The skills sheet as a window: its rows, the switching between the sheets and its closing.
#include "equipment/sheetkit.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QGroupBox>
#include <QTest>

namespace {

// Records, in order, the windows that are shown and hidden.
class VisibilityLog : public QObject {
public:
    QStringList events;
    void watch(QWidget* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            events << watched->objectName() + QStringLiteral(" show");
        if (event->type() == QEvent::Hide)
            events << watched->objectName() + QStringLiteral(" hide");
        return false;
    }
};

// Every text of both sheets, by control name.
QMap<QString, QString> sheetTexts() {
    QMap<QString, QString> texts;
    for (Form* sheet : {static_cast<Form*>(&attrib()), static_cast<Form*>(&equip())}) {
        for (auto* box : sheet->findChildren<QLineEdit*>())
            if (!box->objectName().isEmpty())
                texts[sheet->objectName() + u'.' + box->objectName()] = box->text();
        texts[QStringLiteral("equip.notes")] = equip().notes->text();
    }
    return texts;
}

QWidget* control(const QString& name) {
    auto* widget = attrib().findChild<QWidget*>(name);
    if (!widget) qFatal("no control %s on attrib", qPrintable(name));
    return widget;
}

} // namespace

class TestAttribSheet : public QObject {
    Q_OBJECT
private slots:
    // Each row reads across: caption, value, "+", "E", in the group's frame, top to bottom.
    void rows_data() {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("plus");
        QTest::addColumn<QString>("test");
        QTest::addColumn<int>("rows");
        // clang-format off
        QTest::newRow("Habileté") << "Habileté" << "habilete" << "pha" << "eha" << 12;
        QTest::newRow("Sociabilité") << "Sociabilité" << "sociabilite" << "pso" << "eso" << 12;
        QTest::newRow("Science") << "Science" << "science" << "psc" << "esc" << 13;
        QTest::newRow("Survie") << "Survie" << "survie" << "psu" << "esu" << 13;
        // clang-format on
    }
    void rows() {
        QFETCH(QString, group);
        QFETCH(QString, box);
        QFETCH(QString, plus);
        QFETCH(QString, test);
        QFETCH(int, rows);
        TestDriveC drive;
        FreshProgram program;
        attrib().show();
        QVERIFY(QTest::qWaitForWindowExposed(&attrib()));
        int above = -1;
        QGroupBox* frame = nullptr;
        for (int row = 1; row <= rows; ++row) {
            auto* value = static_cast<TextBox*>(control(box + QString::number(row)));
            QWidget* raise = control(plus + QString::number(row));
            QWidget* skillTest = control(test + QString::number(row));
            QCOMPARE(static_cast<QPushButton*>(raise)->text(), QStringLiteral("+"));
            QCOMPARE(static_cast<QPushButton*>(skillTest)->text(), QStringLiteral("E"));
            QLabel* caption = nullptr;
            for (QLabel* label : attrib().findChildren<QLabel*>())
                if (label->buddy() == value) caption = label;
            QVERIFY(caption);
            QVERIFY(caption->text().startsWith(u' '));

            frame = qobject_cast<QGroupBox*>(value->parentWidget());
            QVERIFY(frame);
            QCOMPARE(frame->title(), group);
            const int middle = value->geometry().center().y();
            for (QWidget* other : {static_cast<QWidget*>(caption), raise, skillTest}) {
                QCOMPARE(other->parentWidget(), frame);
                QVERIFY(std::abs(other->geometry().center().y() - middle) <= 2);
            }
            QVERIFY(caption->x() < value->x() && value->x() < raise->x() &&
                    raise->x() < skillTest->x());
            QVERIFY(middle > above);
            above = middle;
        }
    }

    void startsAsAptitudes() {
        TestDriveC drive;
        FreshProgram program;
        QCOMPARE(attrib().windowTitle(), QStringLiteral("Aptitudes"));
        QCOMPARE(equip().windowTitle(), QStringLiteral("Equipement"));
        QCOMPARE(static_cast<QLabel*>(control(QStringLiteral("Label16")))->text(),
                 QStringLiteral(" Combat à mains nues"));
        QCOMPARE(static_cast<QLabel*>(control(QStringLiteral("Label25")))->text(),
                 QStringLiteral(" Combat à distance"));
        QCOMPARE(static_cast<QLabel*>(control(QStringLiteral("Label33")))->text(),
                 QStringLiteral(" Escalade"));
        QCOMPARE(static_cast<QLabel*>(control(QStringLiteral("Label16")))->buddy(),
                 attrib().habilete[1]);
    }

    // Two characters typed at most; code writes are never cut.
    void valueBoxesTakeTwoTypedCharacters() {
        TestDriveC drive;
        FreshProgram program;
        for (TextBox* box : {attrib().habilete[1], attrib().sociabilite[12], attrib().science[13],
                             attrib().survie[7]}) {
            QTest::keyClicks(box, QStringLiteral("123"));
            QCOMPARE(box->text(), QStringLiteral("12"));
            box->setText(QStringLiteral("1234"));
            QCOMPARE(box->text(), QStringLiteral("1234"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QStringLiteral("123"));
            QTest::keyClicks(box, QStringLiteral("9"));
            QCOMPARE(box->text(), QStringLiteral("123"));
        }
        QTest::keyClicks(attrib().pointsarepartir, QStringLiteral("12345"));
        QCOMPARE(attrib().pointsarepartir->text(), QStringLiteral("12345"));
    }

    void switchingSheets_data() {
        QTest::addColumn<bool>("hero");
        QTest::newRow("no hero") << false;
        QTest::newRow("hero") << true;
    }
    // Sheet buttons hide and show in their own order, and leave every field as it was.
    void switchingSheets() {
        QFETCH(bool, hero);
        TestDriveC drive;
        FreshProgram program;
        int n = 0;
        for (auto* box : attrib().findChildren<TextBox*>())
            box->setText(QString::number(++n % 19));
        for (auto* box : equip().findChildren<TextBox*>())
            box->setText(QString::number(++n % 7));
        equip().notes->setText(QStringLiteral("Dette envers Arn"));
        if (hero) loadHero(1e6);
        const QMap<QString, QString> before = sheetTexts();

        VisibilityLog log;
        for (QWidget* sheet : {static_cast<QWidget*>(&attrib()), static_cast<QWidget*>(&equip()),
                               static_cast<QWidget*>(&perso())})
            log.watch(sheet);
        attrib().show();
        attrib().Equipement->click();
        equip().Attributs->click();
        attrib().personnage->click();
        perso().hide();
        equip().show();
        equip().personnage->click();

        QCOMPARE(log.events, QStringList({"attrib show", "attrib hide", "equip show", "attrib show",
                                          "equip hide", "attrib hide", "perso show", "perso hide",
                                          "equip show", "equip hide", "perso show"}));
        QCOMPARE(sheetTexts(), before);
        QCOMPARE(program.messages.count(), 0);
    }

    // Closing either sheet writes the settings file and ends the program, nothing else.
    void closing_data() {
        QTest::addColumn<bool>("skills");
        QTest::newRow("attrib") << true;
        QTest::newRow("equip") << false;
    }
    void closing() {
        QFETCH(bool, skills);
        TestDriveC drive;
        FreshProgram program;
        perso().show();
        Form& sheet = skills ? static_cast<Form&>(attrib()) : static_cast<Form&>(equip());
        sheet.show();
        sheet.close();
        QCOMPARE(program.end.ends, 1);
        QCOMPARE(drive.read(QStringLiteral("ambrefer.ini")).count("\r\n"), 15);
        QVERIFY(perso().isVisible());
        QCOMPARE(program.messages.count(), 0);
    }
};

QTEST_MAIN(TestAttribSheet)
#include "test_attribsheet.moc"
