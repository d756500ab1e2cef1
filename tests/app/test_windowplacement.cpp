// The windows on a 1366x768 laptop: each fits whole under the panel, swapping sheets keeps their
// corner, a dialog opens centred on the window that opened it.
#include "app/about.h"
#include "app/splash.h"
#include "app/startup.h"
#include "hero/augment_niv.h"
#include "hero/portraitfolder.h"
#include "herofile/cheminperso.h"
#include "skills/sheetfixture.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The offscreen platform draws no title bar: the room left for one moves a frame's centre by
// half its height; a first window's borders are not known before it shows.
constexpr int titleSlack = 12, borderSlack = 3;

// Any other window: a column of buttons.
struct Rows : Form {
    explicit Rows(int rows) : Form(u"rows"_s, u"Lignes"_s) {
        auto* column = new QVBoxLayout(new QWidget(this));
        for (int row = 0; row < rows; ++row)
            column->addWidget(new CommandButton(u"b"_s + QString::number(row), u"+"_s));
        setCentralWidget(column->parentWidget());
    }
};
std::unique_ptr<Rows> rows;

// Opens a window as the user does.
QMainWindow* open(const QString& name) {
    if (name.startsWith(u"rows")) return (rows = std::make_unique<Rows>(name.mid(4).toInt())).get();
    if ((name == u"attrib" || name == u"coutpoint") && perso().isVisible())
        perso().Attributs->click();
    if ((name == u"equip" || name == u"about") && perso().isVisible()) perso().Equipement->click();
    if (name == u"coutpoint") coutpoint().affichecout();
    if (name == u"augment_niv") perso().showLevelReached(true), perso().passageniveau->click();
    if (name == u"cheminperso") perso().menurepertoire->trigger();
    if (name == u"about") about().show();
    const std::map<QString, const char*> tools{
        {u"combat"_s, "menucombat"},     {u"Dés"_s, "menudes"},
        {u"epreuves"_s, "menuepreuves"}, {u"tir_dist"_s, "menutir"},
        {u"saisie"_s, "menusaisie"},     {u"transaction"_s, "menutransactions"},
        {u"sorts"_s, "menusorts"},       {u"monstres"_s, "menumonstres"}};
    if (tools.contains(name)) perso().findChild<QAction*>(tools.at(name))->trigger();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name) return static_cast<QMainWindow*>(window);
    return nullptr;
}

bool centredOn(const QRect& frame, const QRect& on) {
    const QPoint offset = frame.center() - on.center();
    return std::abs(offset.x()) <= borderSlack && std::abs(offset.y()) <= titleSlack;
}

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
    TestDriveC drive;
    std::unique_ptr<FreshProgram> program;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
private slots:
    void init() {
        program = std::make_unique<FreshProgram>();
        startProgram();
        start().Image1_Click();
    }
    void cleanup() {
        rows.reset();
        program.reset();
    }

    // Spacing goes first, then row height; only a window too tall however tight scrolls. A
    // dialog is centred on its opener, moved away from the screen's centre.
    void fitsTheScreenWhole_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("scrolls");
        for (const char* sheet : {"perso", "attrib", "equip", "rows30"})
            QTest::newRow(sheet) << QString() << false;
        QTest::newRow("rows60") << QString() << true;
        QTest::newRow("coutpoint") << u"attrib"_s << false;
        QTest::newRow("augment_niv") << u"perso"_s << false;
        QTest::newRow("cheminperso") << u"perso"_s << false;
        QTest::newRow("about") << u"equip"_s << false;
        for (const char* tool : {"combat", "Dés", "epreuves", "tir_dist", "transaction", "saisie",
                                 "sorts", "monstres"})
            QTest::newRow(tool) << u"perso"_s << false;
    }
    void fitsTheScreenWhole() {
        QFETCH(QString, opener);
        QFETCH(bool, scrolls);
        QWidget* from = opener.isEmpty() ? nullptr : open(opener);
        if (from) from->move(30, 10);
        QMainWindow* shown = open(QTest::currentDataTag());
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QVERIFY(area.contains(shown->frameGeometry()));
        QCOMPARE(qobject_cast<QScrollArea*>(shown->centralWidget()) != nullptr, scrolls);
        for (QWidget* c : shown->findChildren<QWidget*>())
            if (!scrolls && !c->objectName().isEmpty() && c->isVisible())
                QVERIFY2(shown->rect().contains(QRect(c->mapTo(shown, QPoint()), c->size())),
                         qPrintable(c->objectName()));
        QFont bold = shown->font();
        bold.setBold(true);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(shown->windowTitle()) < shown->width());
        QVERIFY(!shown->windowIcon().isNull());
        if (from) QVERIFY(centredOn(shown->frameGeometry(), from->frameGeometry()));
    }

    // The first sheet is centred; a sheet button shows its sheet on the corner of the one it
    // replaces, wherever the user has put it.
    void sheetsKeepTheirCorner() {
        QVERIFY(centredOn(perso().frameGeometry(), area));
        perso().move(40, 25);
        const std::pair<QPushButton*, Form*> steps[] = {
            {perso().Attributs, &attrib()}, {attrib().Equipement, &equip()},
            {equip().Attributs, &attrib()}, {attrib().personnage, &perso()},
            {perso().Equipement, &equip()}, {equip().personnage, &perso()}};
        for (auto [button, sheet] : steps) {
            button->click();
            QVERIFY(sheet->isVisible());
            QCOMPARE(sheet->pos(), QPoint(40, 25));
        }
    }

    // A tool window alone keeps the place its settings give it.
    void toolWindowsKeepTheirPlace() {
        Rows tool(2);
        tool.moveTwips(9000, 1500);
        tool.show();
        QCOMPARE(tool.pos(), QPoint(600, 100));
    }

    // The portrait dialog opens in the picture's folder, else the heroes' one, else on C:.
    void portraitDialogStartsWhereThePictureIs_data() {
        QTest::addColumn<QString>("portrait");
        QTest::addColumn<QString>("heroes");
        QTest::addColumn<QString>("expected"); // under drive C:
        const char* rows[][4] = {{"the picture's", "c:/objets/arn.png", "C:\\", "objets"},
                                 {"its folder gone", "C:\\parti\\arn.png", "C:\\objets", "objets"},
                                 {"an unknown drive", "Q:\\arn.png", "C:\\objets\\", "objets"},
                                 {"both gone", "C:\\parti\\arn.png", "C:\\perdu\\", ""}};
        for (auto [name, portrait, heroes, expected] : rows)
            QTest::newRow(name) << QString(portrait) << QString(heroes) << QString(expected);
    }
    void portraitDialogStartsWhereThePictureIs() {
        QFETCH(QString, portrait);
        QFETCH(QString, heroes);
        QFETCH(QString, expected);
        QCOMPARE(QDir(portraitFolder(portrait, heroes)), QDir(drive.root() + u'/' + expected));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "test_windowplacement.moc"
