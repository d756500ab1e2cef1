// The windows on a 1366x768 laptop: each fits whole under the panel, swapping sheets keeps their
// corner, a dialog or a tool window opens centred on the window that opened it, and a dialog
// answers Enter and Esc. On an 800x600 netbook every window stays whole on the screen.
#include "app/about.h"
#include "app/splash.h"
#include "app/startup.h"
#include "catalogues/saisie.h"
#include "common/dialogplace.h"
#include "common/itemrecord.h"
#include "common/screenfit.h"
#include "hero/augment_niv.h"
#include "hero/portraitfolder.h"
#include "herofile/cheminperso.h"
#include "shop/transaction.h"
#include "skills/sheetfixture.h"
#include "snake/snakedebut.h"
#include "snake/snakefin.h"
#include "support/recorders.h"
#include "support/testenv.h"
#include "tools/combat.h"
#include "tools/wpause.h"

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

// Opens a window as the user does: "coutpoint:5" raising 5 points, "transaction:vente" selling;
// "saisie:3" and "detail:3" show kind 3 after a taller one, so that the window grows and shrinks.
QMainWindow* open(const QString& named) {
    const QString name = named.section(u':', 0, 0), option = named.section(u':', 1);
    if (name.startsWith(u"rows")) return (rows = std::make_unique<Rows>(name.mid(4).toInt())).get();
    if ((name == u"attrib" || name == u"coutpoint") && perso().isVisible())
        perso().Attributs->click();
    if ((name == u"equip" || name == u"about") && perso().isVisible()) perso().Equipement->click();
    if (name == u"coutpoint") coutpoint().points->setCaption(option), coutpoint().affichecout();
    if (name == u"augment_niv") perso().showLevelReached(true), perso().passageniveau->click();
    if (name == u"cheminperso") perso().menurepertoire->trigger();
    if (name == u"about") about().show();
    if (name == u"start") start().show();
    if (name.startsWith(u"Snake")) snakeDebut().show();
    if (name == u"SnakeGame") snakeDebut().Command1->click();
    if (name == u"SnakeFin") snakeFin().show();
    if (name == u"chemin" || name.startsWith(u'w')) open(u"combat"_s), combat().menuoui->trigger();
    if (name == u"chemin") combat().menuou->trigger();
    if (name.startsWith(u'w')) showCentredOn(wpause(), combat());
    if (name == u"wfuite") wpause().Command1->click();
    if (name == u"detail" || name == u"car") open(u"transaction"_s);
    if (name == u"detail" && !option.isEmpty())
        transaction().choix[7]->click(), transaction().choix[option.toInt()]->click();
    if (name == u"detail") transaction().infos->click();
    if (name == u"car") transaction().caract->click();
    if (name == u"cheminsaisie") open(u"saisie"_s)->findChild<QAction*>("menusauve")->trigger();
    const std::map<QString, const char*> tools{
        {u"combat"_s, "menucombat"},     {u"Dés"_s, "menudes"},
        {u"epreuves"_s, "menuepreuves"}, {u"tir_dist"_s, "menutir"},
        {u"saisie"_s, "menusaisie"},     {u"transaction"_s, "menutransactions"},
        {u"sorts"_s, "menusorts"},       {u"monstres"_s, "menumonstres"}};
    if (tools.contains(name)) perso().findChild<QAction*>(tools.at(name))->trigger();
    if (option == u"vente") transaction().vente->click();
    if (name == u"saisie" && !option.isEmpty()) {
        saisie().move(0, 570 - saisie().frameGeometry().height()); // low: growing must lift it
        saisie().kinds[7].option->click(), saisie().kinds[option.toInt()].option->click();
    }
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
        // As after a tool window was closed: the places never kept are 0, 0, which is no place.
        drive.write(u"ambrefer.ini"_s, QStringList(15, u"0"_s).join(u"\r\n").toLatin1());
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

    // Enter presses the push button that has the focus, else a dialog's confirming button but
    // in a list; each dialog opens with the focus where Enter does what it is for. Esc presses
    // its cancelling button or closes it as its close box does; any of them and Space end the
    // splash. The catalogue folder dialog stays above its opener.
    void dialogKeys_data() {
        // dialog, focus ("=x": opened on x, else moved there), key, button pressed, "closed"
        QTest::addColumn<QString>("row");
        QStringList rows =
            u"cheminperso =Ok Return Ok|cheminperso Annuler Return Annuler|cheminperso Dir Return "
            u"-|cheminsaisie =ok Return ok|cheminsaisie Command1 Return Command1|chemin =file "
            u"Return ok|detail:3 =fmunnom Return ok|car =Slider Return ok|wfuite =Command1 Return "
            u"Command1|wpause =Command2 Return Command2|wpause Command1 Return Command1|"
            u"augment_niv =ajouter Return ajouter|augment_niv annuler Return annuler|about =ok "
            u"Return ok|coutpoint =accepter Return accepter|coutpoint refuser Return refuser|"
            u"coutpoint - Esc retour|coutpoint:5 =retour Return retour closed|"
            u"coutpoint:5 - Esc retour|augment_niv - Enter ajouter|start - Return - closed|"
            u"start - Space - closed"_s.split(u'|');
        for (const QString& dialog : u"cheminperso cheminsaisie chemin detail car wfuite wpause "
                                     u"augment_niv about start"_s.split(u' '))
            rows << dialog + u" - Esc - closed"_s;
        for (const QString& row : rows)
            QTest::newRow(qPrintable(row)) << row;
    }
    void dialogKeys() {
        QFETCH(QString, row);
        const QStringList cell = row.split(u' ');
        QMainWindow* dialog = open(cell[0]);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        if (cell[0] == u"cheminsaisie")
            QCOMPARE(dialog->windowHandle()->transientParent(), saisie().windowHandle());
        QObject watch;
        QString pressed = u"-"_s;
        for (auto* button : dialog->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::clicked, &watch,
                    [&pressed, button] { pressed = button->objectName(); });
        if (auto* chosen = dialog->findChild<QWidget*>(cell[1])) chosen->setFocus();
        QWidget* focus = QApplication::focusWidget();
        if (cell[1].startsWith(u'='))
            QCOMPARE(focus ? focus->objectName() : u"-"_s, cell[1].mid(1));
        QTest::keyClick(focus ? focus : dialog, QKeySequence(cell[2])[0].key());
        QCOMPARE(pressed, cell[3]);
        if (cell.size() > 4) QVERIFY(!dialog->isVisible());
    }

    // Every window opens whole on the screen, scrolling what does not fit, even on a netbook's
    // (run there by the app_smallscreen test); the program goes on.
    void everyWindowStaysOnTheScreen_data() {
        QTest::addColumn<QString>("window");
        for (const QString& window :
             u"start perso attrib equip coutpoint augment_niv cheminperso about combat chemin "
             u"wpause wfuite Dés epreuves tir_dist sorts monstres cheminsaisie transaction:vente "
             u"car SnakeDebut SnakeGame SnakeFin"_s.split(u' '))
            QTest::newRow(qPrintable(window)) << window;
        for (int kind = 1; kind <= int(itemrecord::kinds().size()); ++kind)
            for (const char* window : {"saisie", "detail"})
                QTest::addRow("%s:%d", window, kind) << QString::asprintf("%s:%d", window, kind);
    }
    void everyWindowStaysOnTheScreen() {
        QFETCH(QString, window);
        QMainWindow* opened = open(window);
        QVERIFY(opened && QTest::qWaitForWindowExposed(opened));
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            auto* form = qobject_cast<QMainWindow*>(shown);
            if (!form || !form->isVisible()) continue;
            QVERIFY2(area.contains(form->frameGeometry()), qPrintable(form->objectName()));
            QVERIFY(screenfit::contents(*form)->isVisibleTo(form));
        }
        QCOMPARE(program->end.ends, 0);
        for (const MessageBoxRequest& shown : program->messages.shown)
            QVERIFY2(shown.icon != MsgIcon::Critical, qPrintable(shown.text));
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
