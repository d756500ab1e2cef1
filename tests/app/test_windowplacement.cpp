// The program's windows on a 1366x768 laptop: each fits whole under the panel, swapping sheets
// keeps their corner, a dialog opens centred on the window that opened it.
#include "app/about.h"
#include "app/splash.h"
#include "app/startup.h"
#include "common/messagebox.h"
#include "hero/augment_niv.h"
#include "herofile/cheminperso.h"
#include "skills/sheetfixture.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The offscreen platform draws no title bar: the room a window leaves for one moves its frame's
// centre by half that height; a first window's borders are not known before it shows.
constexpr int titleBarSlack = 12;
constexpr int borderSlack = 3;

QRect screenArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The windows as the user opens them, the program started and its splash clicked away.
const std::map<QString, std::function<QWidget*()>>& openings() {
    static const std::map<QString, std::function<QWidget*()>> open{
        {u"perso"_s, [] { return &perso(); }},
        {u"attrib"_s, [] { return click(perso().Attributs), &attrib(); }},
        {u"equip"_s, [] { return click(perso().Equipement), &equip(); }},
        {u"coutpoint"_s,
         [] {
             click(perso().Attributs);
             coutpoint().affichecout();
             return &coutpoint();
         }},
        {u"augment_niv"_s,
         [] {
             perso().showLevelReached(true);
             click(perso().passageniveau);
             return &augment_niv();
         }},
        {u"cheminperso"_s, [] { return perso().menurepertoire->trigger(), &cheminperso(); }},
        {u"about"_s, [] { return click(perso().Equipement), about().show(), &about(); }},
    };
    return open;
}

// Where a control lies, seen from its window; empty when a frame around it cuts it.
QRect seenPart(QWidget* control) {
    QRect seen(QPoint(0, 0), control->size());
    for (QWidget* w = control; !w->isWindow(); w = w->parentWidget())
        seen =
            seen.translated(w->pos()).intersected(QRect(QPoint(0, 0), w->parentWidget()->size()));
    return seen;
}

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void init() {
        program = std::make_unique<FreshProgram>();
        startProgram();
        click(start().Image1);
    }
    void cleanup() { program.reset(); }

    void fitsTheScreenWhole_data() {
        QTest::addColumn<QString>("window");
        for (const auto& [name, open] : openings())
            QTest::newRow(qPrintable(name)) << name;
    }
    void fitsTheScreenWhole() {
        QFETCH(QString, window);
        QWidget* shown = openings().at(window)();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(shown->objectName(), window);
        QVERIFY2(screenArea().contains(shown->frameGeometry()), "the frame lies on the screen");
        for (QWidget* control : shown->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || !control->isVisible()) continue;
            QVERIFY2(seenPart(control).size() == control->size(),
                     qPrintable(control->objectName()));
        }
        QFont bold = shown->font();
        bold.setBold(true);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(shown->windowTitle()) < shown->width());
        QVERIFY(!shown->windowIcon().isNull());
    }

    // The first sheet is centred; each sheet button then shows its sheet on the corner of the
    // one it replaces, wherever the user has put it.
    void sheetsKeepTheirCorner() {
        const QRect first = perso().frameGeometry();
        QVERIFY(std::abs(first.center().x() - screenArea().center().x()) <= borderSlack);
        QVERIFY(std::abs(first.center().y() - screenArea().center().y()) <= titleBarSlack);

        const QPoint corner(40, 25);
        perso().move(corner);
        const std::vector<std::pair<std::function<QWidget*()>, Form*>> steps{
            {[] { return perso().Attributs; }, &attrib()},
            {[] { return attrib().Equipement; }, &equip()},
            {[] { return equip().Attributs; }, &attrib()},
            {[] { return attrib().personnage; }, &perso()},
            {[] { return perso().Equipement; }, &equip()},
            {[] { return equip().personnage; }, &perso()},
        };
        for (const auto& [button, sheet] : steps) {
            click(button());
            QVERIFY(sheet->isVisible());
            QCOMPARE(sheet->pos(), corner);
        }
    }

    void dialogsOpenCentredOnTheirOpener_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<std::function<QRect()>>("open"); // the dialog's frame while it shows
        const auto coutpointFrame = [] {
            sheet::loadHero(18, 12);
            QRect frame;
            sheet::DialogAnswer answer(u"retour"_s, [&] { frame = coutpoint().frameGeometry(); });
            attrib().psu[12]->click();
            return frame;
        };
        const auto messageFrame = [] {
            setMessageBoxHandler({});
            QRect frame;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                frame = box->frameGeometry();
                box->accept();
            });
            msgBox(u"Un prêtre doit choisir une dévotion."_s, MsgIcon::Exclamation, QString());
            return frame;
        };
        const auto levelFrame = [] {
            perso().showLevelReached(true);
            click(perso().passageniveau);
            return augment_niv().frameGeometry();
        };
        const auto folderFrame = [] {
            perso().menurepertoire->trigger();
            return cheminperso().frameGeometry();
        };
        QTest::newRow("coutpoint") << u"attrib"_s << std::function<QRect()>(coutpointFrame);
        QTest::newRow("message box") << u"attrib"_s << std::function<QRect()>(messageFrame);
        QTest::newRow("augment_niv") << u"perso"_s << std::function<QRect()>(levelFrame);
        QTest::newRow("cheminperso") << u"perso"_s << std::function<QRect()>(folderFrame);
    }
    void dialogsOpenCentredOnTheirOpener() {
        QFETCH(QString, opener);
        QFETCH(std::function<QRect()>, open);
        if (opener == u"attrib"_s) click(perso().Attributs);
        QWidget* from = opener == u"attrib"_s ? static_cast<QWidget*>(&attrib()) : &perso();
        from->move(30, 10); // away from the screen's centre
        QVERIFY(QTest::qWaitForWindowExposed(from));
        const QRect dialog = open();
        const QPoint centre = from->frameGeometry().center();
        QVERIFY2(std::abs(dialog.center().x() - centre.x()) <= borderSlack, qPrintable(opener));
        QVERIFY2(std::abs(dialog.center().y() - centre.y()) <= titleBarSlack, qPrintable(opener));
    }

private:
    std::unique_ptr<FreshProgram> program;
};

// A 1366x768 laptop leaves a window 690 pixels of height under a 48-pixel panel and a 30-pixel
// title bar.
int main(int argc, char** argv) {
    QTemporaryFile screen;
    if (!screen.open()) return 1;
    screen.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 690,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toUtf8());
    TestDriveC drive;
    QApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_windowplacement.moc"
