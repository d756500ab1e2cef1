// The "E" buttons: the d20 against the row's own value box, and the result box's exact text.
#include "common/chance.h"
#include "common/messagebox.h"
#include "skills/sheetfixture.h"
#include "skills/skilltable.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QTest>

using namespace skills;
using namespace Qt::StringLiterals;

namespace {

// The random number that makes the d20 show `roll`.
double rollOf(int roll) {
    return (roll - 0.5) / 20;
}

} // namespace

class TestSkillTestWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { program = std::make_unique<FreshProgram>(); }
    void cleanup() { program.reset(); }

    void resultBox_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("roll");
        QTest::addColumn<QString>("text");
        auto text = [](const char* value, int roll, const char* outcome) {
            return u" Aptitude = "_s + QString::fromUtf8(value) + u"  ;  Tirage = "_s +
                   QString::number(roll) + u"\r\n\nEpreuve "_s + QString::fromUtf8(outcome);
        };
        QTest::newRow("réussie") << "12" << 7 << text("12", 7, "réussie.");
        QTest::newRow("roll equal to the value") << "12" << 12 << text("12", 12, "réussie.");
        QTest::newRow("échouée") << "12" << 13 << text("12", 13, "échouée.");
        QTest::newRow("1 succeeds at 0") << "0" << 1 << text("0", 1, "réussie.");
        QTest::newRow("empty box fails 2") << "" << 2 << text("0", 2, "échouée.");
        QTest::newRow("18 fails 19") << "18" << 19 << text("18", 19, "échouée.");
        QTest::newRow("20 fails") << "30" << 20 << text("30", 20, "échouée.");
        QTest::newRow("12.5 is 12") << "12.5" << 13 << text("12", 13, "échouée.");
        QTest::newRow("13.5 is 14") << "13.5" << 14 << text("14", 14, "réussie.");
        QTest::newRow("-3, 1 succeeds") << "-3" << 1 << text("-3", 1, "réussie.");
        QTest::newRow("-3, 2 fails") << "-3" << 2 << text("-3", 2, "échouée.");
    }
    void resultBox() {
        QFETCH(QString, value);
        QFETCH(int, roll);
        QFETCH(QString, text);
        Attrib& a = sheet::wiredAttrib();
        a.habilete[3]->setText(value);
        chance::script({rollOf(roll)});
        a.eha[3]->click();
        QVERIFY(chance::scriptExhausted());
        QCOMPARE(program->messages.count(), 1);
        const MessageBoxRequest& box = program->messages.last();
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, u"Epreuve d'Aptitude"_s);
        QCOMPARE(box.icon, MsgIcon::Information);
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QCOMPARE(a.habilete[3]->text(), value);
    }

    // Every row holds a value of its own; each "E" shows its own row's value.
    void eachTestButtonTestsItsOwnRow() {
        Attrib& a = sheet::wiredAttrib();
        const auto& rows = skillRows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            valueBox(a, rows[i].id)->setText(QString::number(i));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            chance::script({rollOf(20)});
            testButton(a, rows[i].id)->click();
            QCOMPARE(program->messages.last().text.section(u"  ;"_s, 0, 0),
                     u" Aptitude = "_s + QString::number(i));
        }
        QCOMPARE(program->messages.count(), int(rows.size()));
    }

private:
    std::unique_ptr<FreshProgram> program;
    TestDriveC drive;
};

QTEST_MAIN(TestSkillTestWindow)
#include "test_skilltestwindow.moc"
