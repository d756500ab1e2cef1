// Printing the three sheets.
#include "sheet.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include "hero/printing.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

class TestPrinting : public QObject {
    Q_OBJECT
    TestDriveC drive;

    static int pages(const QString& pdf) {
        QFile file(pdf);
        if (!file.open(QIODevice::ReadOnly)) return -1;
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
    }

private slots:
    void threeSheetsThreePages_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("sheets never shown") << false;
        QTest::newRow("hero sheet on screen") << true;
    }
    void threeSheetsThreePages() {
        QFETCH(bool, shown);
        FreshProgram fresh;
        write("nom", "Arn");
        if (shown) perso().show();
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(folder.filePath("fiches.pdf"));
        imprimeFiches(printer);
        QCOMPARE(pages(printer.outputFileName()), 3);
        QCOMPARE(perso().isVisible(), shown); // printing shows or hides nothing
        QVERIFY(!attrib().isVisible() && !equip().isVisible());
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
