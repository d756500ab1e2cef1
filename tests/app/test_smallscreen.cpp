// Every window of the program on an 800x600 netbook's screen: each opens whole on the screen,
// scrolling what does not fit, and the program goes on.
#include "app/about.h"
#include "app/splash.h"
#include "app/startup.h"
#include "catalogues/cheminsaisie.h"
#include "catalogues/monstres.h"
#include "catalogues/saisie.h"
#include "catalogues/sorts.h"
#include "common/dialogplace.h"
#include "common/itemrecord.h"
#include "common/screenfit.h"
#include "hero/augment_niv.h"
#include "herofile/cheminperso.h"
#include "shop/car.h"
#include "shop/detail.h"
#include "shop/transaction.h"
#include "skills/sheetfixture.h"
#include "snake/snakedebut.h"
#include "snake/snakefin.h"
#include "snake/snakegame.h"
#include "support/recorders.h"
#include "support/testenv.h"
#include "tools/chemin.h"
#include "tools/combat.h"
#include "tools/wfuite.h"
#include "tools/wpause.h"

#include <QScreen>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

void menu(const char* entry) {
    perso().findChild<QAction*>(QString::fromLatin1(entry))->trigger();
}

// How the user reaches each window. A kind is chosen after a tall kind, so that the window both
// grows and shrinks for it; the editor stands low on the screen first, so that growing lifts it.
struct Opening {
    QString name;
    std::function<void()> steps;
};
std::vector<Opening> openings() {
    std::vector<Opening> rows{
        {u"start"_s, [] { start().show(); }},
        {u"perso"_s, [] {}},
        {u"attrib"_s, [] { perso().Attributs->click(); }},
        {u"equip"_s, [] { perso().Equipement->click(); }},
        {u"coutpoint"_s, [] { perso().Attributs->click(), coutpoint().affichecout(); }},
        {u"augment_niv"_s, [] { perso().showLevelReached(true), perso().passageniveau->click(); }},
        {u"cheminperso"_s, [] { perso().menurepertoire->trigger(); }},
        {u"about"_s, [] { menu("menuabout"); }},
        {u"combat"_s, [] { menu("menucombat"); }},
        {u"chemin"_s, [] { menu("menucombat"), combat().menuou_Click(); }},
        {u"wpause"_s, [] { menu("menucombat"), showCentredOn(wpause(), combat()); }},
        {u"wfuite"_s, [] { menu("menucombat"), showCentredOn(wfuite(), combat()); }},
        {u"Dés"_s, [] { menu("menudes"); }},
        {u"epreuves"_s, [] { menu("menuepreuves"); }},
        {u"tir_dist"_s, [] { menu("menutir"); }},
        {u"sorts"_s, [] { menu("menusorts"); }},
        {u"monstres"_s, [] { menu("menumonstres"); }},
        {u"cheminsaisie"_s, [] { menu("menusaisie"), saisie().menusauve->trigger(); }},
        {u"transaction"_s, [] { menu("menutransactions"), transaction().vente->click(); }},
        {u"car"_s, [] { menu("menutransactions"), transaction().caract->click(); }},
        {u"SnakeDebut"_s, [] { snakeDebut().show(); }},
        {u"SnakeGame"_s, [] { snakeDebut().Command1->click(); }},
        {u"SnakeFin"_s, [] { snakeFin().show(); }}};
    for (const itemrecord::Kind& kind : itemrecord::kinds()) {
        const int number = kind.number;
        rows.push_back({u"saisie "_s + kind.option, [number] {
                            menu("menusaisie");
                            saisie().move(0, 570 - saisie().frameGeometry().height());
                            saisie().kinds[7].option->click();
                            saisie().kinds[number].option->click();
                        }});
        rows.push_back({u"detail "_s + kind.option, [number] {
                            menu("menutransactions");
                            transaction().choix[7]->click();
                            transaction().choix[number]->click();
                            transaction().infos->click();
                        }});
    }
    return rows;
}

} // namespace

class TestSmallScreen : public QObject {
    Q_OBJECT
    TestDriveC drive;
    std::unique_ptr<FreshProgram> program;
    static QRect screenArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }
private slots:
    void init() {
        program = std::make_unique<FreshProgram>();
        startProgram();
        start().Image1_Click();
    }
    void cleanup() { program.reset(); }

    void everyWindowStaysOnTheScreen_data() {
        QCOMPARE(screenArea().size(), QSize(800, 600));
        QTest::addColumn<int>("row");
        const std::vector<Opening> rows = openings();
        for (std::size_t row = 0; row < rows.size(); ++row)
            QTest::newRow(qPrintable(rows[row].name)) << int(row);
    }
    void everyWindowStaysOnTheScreen() {
        QFETCH(int, row);
        const Opening opening = openings()[std::size_t(row)];
        opening.steps();
        const QString name = opening.name.section(u' ', 0, 0);
        QWidget* opened = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<QMainWindow*>(window);
            if (!form || !form->isVisible()) continue;
            if (form->objectName() == name) opened = form;
            QVERIFY2(screenArea().contains(form->frameGeometry()), qPrintable(form->objectName()));
            QVERIFY(screenfit::contents(*form)->isVisibleTo(form));
        }
        QVERIFY2(opened, "not shown");
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        QCOMPARE(program->end.ends, 0);
        for (const MessageBoxRequest& shown : program->messages.shown)
            QVERIFY2(shown.icon != MsgIcon::Critical, qPrintable(shown.text));
    }
};

QTEST_MAIN(TestSmallScreen)
#include "test_smallscreen.moc"
