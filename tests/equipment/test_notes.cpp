// The notes never hold a line break, however it got there.
#include "equipment/equip.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

class TestNotes : public QObject {
    Q_OBJECT
private slots:
    void enterLeavesTheTextAndTheCaretAtTheStart() {
        TestDriveC drive;
        FreshProgram program;
        MemoBox* notes = equip().notes;
        QTest::keyClicks(notes, QStringLiteral("Epee rouillee"));
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClick(notes, Qt::Key_Enter);
        QCOMPARE(notes->text(), QStringLiteral("Epee rouillee"));
        QCOMPARE(notes->textCursor().position(), 0);
        QTest::keyClicks(notes, QStringLiteral("A "));
        QCOMPARE(notes->text(), QStringLiteral("A Epee rouillee"));
    }

    void writesLoseOnlyTheBreaks_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("CR LF") << "un\r\ndeux" << "undeux";
        QTest::newRow("lone LF") << "un\ndeux" << "undeux";
        QTest::newRow("lone CR keeps the next letter") << "un\rdeux" << "undeux";
        QTest::newRow("trailing CR") << "trois\r" << "trois";
        QTest::newRow("only a CR") << "\r" << "";
        QTest::newRow("LF CR") << "a\n\rb" << "ab";
        QTest::newRow("three pairs") << "a\r\nb\r\nc\r\nd" << "abcd";
        QTest::newRow("no break") << "rien, à garder" << "rien, à garder";
        // clang-format on
    }
    void writesLoseOnlyTheBreaks() {
        QFETCH(QString, written);
        QFETCH(QString, kept);
        TestDriveC drive;
        FreshProgram program;
        equip().notes->setText(written);
        QCOMPARE(equip().notes->text(), kept);
    }

    // A long paste is cleaned in one go: no nesting per line.
    void pasteOfManyLines_data() {
        QTest::addColumn<QString>("lineEnd");
        QTest::newRow("CR LF") << "\r\n";
        QTest::newRow("LF") << "\n";
        QTest::newRow("CR") << "\r";
    }
    void pasteOfManyLines() {
        QFETCH(QString, lineEnd);
        TestDriveC drive;
        FreshProgram program;
        QString pasted, expected;
        for (int i = 0; i < 20000; ++i) {
            pasted += QString::number(i) + lineEnd;
            expected += QString::number(i);
        }
        MemoBox* notes = equip().notes;
        notes->setText(QStringLiteral(">"));
        notes->moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(pasted);
        notes->paste();
        QCOMPARE(notes->text(), QStringLiteral(">") + expected);
    }
};

QTEST_MAIN(TestNotes)
#include "test_notes.moc"
