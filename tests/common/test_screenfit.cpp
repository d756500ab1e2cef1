// Any window fits the screen it opens on, whatever its contents, and opens where its kind
// of window belongs.
#include "common/controls.h"
#include "common/form.h"
#include "support/recorders.h"

#include <QGridLayout>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

namespace {

// A window of `rows` rows of a caption, a box and a button.
class Rows : public Form {
public:
    explicit Rows(int rows, const QString& caption = QStringLiteral("Lignes"))
        : Form(QStringLiteral("rows"), caption) {
        auto* central = new QWidget(this);
        auto* grid = new QGridLayout(central);
        for (int row = 0; row < rows; ++row) {
            grid->addWidget(
                new Label(QStringLiteral("l%1").arg(row), QStringLiteral("Ligne"), central), row,
                0);
            grid->addWidget(new TextBox(QStringLiteral("t%1").arg(row), central), row, 1);
            grid->addWidget(
                new CommandButton(QStringLiteral("b%1").arg(row), QStringLiteral("+"), central),
                row, 2);
        }
        setCentralWidget(central);
    }
};

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void init() { program = std::make_unique<FreshProgram>(); }
    void cleanup() { program.reset(); }

    // Spacing goes first, then row height; only a window that even then is too tall scrolls.
    void tallWindowsShrinkBeforeTheyScroll_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("a few rows") << 5 << false;
        QTest::newRow("too tall as built") << 34 << false;
        QTest::newRow("too tall however tight") << 60 << true;
    }
    void tallWindowsShrinkBeforeTheyScroll() {
        QFETCH(int, rows);
        QFETCH(bool, scrolls);
        Rows window(rows);
        const int natural = window.sizeHint().height();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(screenArea().contains(window.frameGeometry()));
        QCOMPARE(qobject_cast<QScrollArea*>(window.centralWidget()) != nullptr, scrolls);
        auto* last = window.findChild<QWidget*>(QStringLiteral("b%1").arg(rows - 1));
        const int bottom = last->mapTo(&window, QPoint(0, last->height())).y();
        QCOMPARE(bottom > window.height(), scrolls);
        if (natural <= screenArea().height() / 2) QCOMPARE(window.height(), natural);
    }

    void captionReadsWhole() {
        Rows window(1, QStringLiteral("Une fenêtre étroite au titre vraiment très long"));
        window.show();
        QFont bold = window.font();
        bold.setBold(true);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(window.windowTitle()) < window.width());
    }

    // A dialog is centred on the window the user worked in, each time it shows; a tool window
    // stays where its kept position, or the user, put it.
    void placementOnShowing_data() {
        QTest::addColumn<int>("kind"); // 0 dialog, 1 tool with a kept position, 2 tool without
        QTest::newRow("dialog") << 0;
        QTest::newRow("tool with a kept position") << 1;
        QTest::newRow("tool without one") << 2;
    }
    void placementOnShowing() {
        QFETCH(int, kind);
        Rows opener(12);
        opener.show();
        opener.move(20, 30);
        Rows window(2);
        if (kind == 1) window.moveTwips(9000, 1500);
        if (kind == 2) window.setPlacement(Form::Placement::Tool);
        const auto centredOnOpener = [&] {
            return std::abs(window.frameGeometry().center().x() -
                            opener.frameGeometry().center().x()) <= 3;
        };
        window.show();
        QCOMPARE(centredOnOpener(), kind != 1);
        if (kind == 1) QCOMPARE(window.pos(), QPoint(600, 100));
        window.hide();
        window.move(700, 200);
        window.show();
        QCOMPARE(centredOnOpener(), kind == 0);
        QCOMPARE(window.pos() == QPoint(700, 200), kind != 0);
    }

private:
    std::unique_ptr<FreshProgram> program;
};

QTEST_MAIN(TestScreenFit)
#include "test_screenfit.moc"
