// The hidden game as the user meets it: the three captions of the skills sheet, the start,
// game and end windows, their buttons, keys and close boxes. Timers are driven by hand.
#include "common/chance.h"
#include "hero/perso.h"
#include "skills/attrib.h"
#include "snake/modsnake.h"
#include "snake/snakedebut.h"
#include "snake/snakefin.h"
#include "snake/snakegame.h"
#include "support/recorders.h"
#include "support/testenv.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace {

// What the user does, by word: a caption of the skills sheet, a difficulty, a button, a close
// box, a key, seconds of countdown, a step, a meal put ahead of the snake, the game played to
// its end, or a new start of the program.
void act(const QString& action) {
    // clang-format off
    static const QHash<QString, std::function<void()>> actions{
        {"16", [] { QTest::mouseClick(attrib().Label16, Qt::LeftButton); }},
        {"25", [] { QTest::mouseClick(attrib().Label25, Qt::LeftButton); }},
        {"33", [] { QTest::mouseClick(attrib().Label33, Qt::LeftButton); }},
        {"moyen", [] { snakeDebut().Option1[1]->setValue(true); }},
        {"difficile", [] { snakeDebut().Option1[2]->setValue(true); }},
        {"jouer", [] { snakeDebut().Command1->click(); QVERIFY(QTest::qWaitForWindowActive(&snakeGame())); }},
        {"quitter", [] { snakeDebut().Command2->click(); }},
        {"rejouer", [] { snakeFin().Command1->click(); }},
        {"finquitter", [] { snakeFin().Command2->click(); }},
        {"fermerjeu", [] { snakeGame().close(); }},
        {"fermerdebut", [] { snakeDebut().close(); }},
        {"fermerfin", [] { snakeFin().close(); }},
        {"haut", [] { QTest::keyClick(&snakeGame(), Qt::Key_Up); }},
        {"bas", [] { QTest::keyClick(&snakeGame(), Qt::Key_Down, Qt::KeypadModifier); }},
        {"esc", [] { QTest::keyClick(&snakeGame(), Qt::Key_Escape); }},
        {"seconde", [] { snakeGame().Timer2_Timer(); }},
        {"compte", [] { for (int i = 0; i < 3; ++i) act("seconde"); }},
        {"pas", [] { snakeGame().Timer1_Timer(); }},
        {"repas", [] { snakeGame().game.snake[7] = {207, 72}; chance::script({0, 0}); }},
        {"perdu", [] { act("compte"); while (forms::isLoaded<SnakeGame>()) act("pas"); }},
        {"demarrage", [] { forms::unloadAll(); perso(); }},
    };
    // clang-format on
    actions.value(action)();
}

// The game's windows on screen, then the three marks: the start window with its difficulty,
// the game with its countdown while shown, its tick, its running timers, its head and whether
// it lacks the focus, the end window's texts.
QString state() {
    QStringList shown;
    bool centred = true; // on the screen, wherever the sheet stands
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName().startsWith(u"Snake")) {
            shown << window->objectName();
            const QPoint off = window->frameGeometry().center() -
                               window->screen()->availableGeometry().center();
            centred = centred && std::abs(off.x()) <= 3 && std::abs(off.y()) <= 12;
        }
    shown.sort();
    if (!centred) shown << QStringLiteral("off-centre");
    if (shown.contains(u"SnakeDebut"))
        for (OptionButton* option : snakeDebut().Option1)
            if (option->value()) shown << option->text();
    if (shown.contains(u"SnakeGame")) {
        const SnakeGame& game = snakeGame();
        if (game.label->isVisible()) shown << game.label->caption();
        shown << QString::number(game.Timer1->interval());
        for (const Timer* timer : {game.Timer1, game.Timer2})
            if (timer->running()) shown << timer->objectName();
        shown << QStringLiteral("%1,%2").arg(game.game.head().left).arg(game.game.head().top);
        if (QApplication::focusWidget() != &game) shown << QStringLiteral("unfocused");
    }
    if (shown.contains(u"SnakeFin"))
        shown << snakeFin().Label1->caption()
              << snakeFin().lblPoint->caption() + u'|' + snakeFin().lblRes->caption();
    QString marks;
    for (bool mark : {modsnake::clicsnake1, modsnake::clicsnake2, modsnake::clicsnake3})
        marks += mark ? u'T' : u'F';
    return (shown << marks).join(u' ');
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    TestDriveC drive;

private slots:
    // The three captions in any order open the start window, and every way of clearing the
    // marks asks for all three again; then the buttons, the countdown, Esc and the close boxes.
    void flow_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("state");
        const QString start = QStringLiteral("16 25 33 ");
        auto row = [&](const char* name, const QString& actions, const char* state) {
            QTest::newRow(name) << actions << QString::fromUtf8(state);
        };
        // clang-format off
        row("one missing", "16 16 33", "TFT");
        row("then the third", "16 16 33 25", "SnakeDebut Facile TTT");
        row("33 25 16", "33 25 16", "SnakeDebut Facile TTT");
        row("start-up", "16 25 demarrage 33", "FFT");
        row("Quitter", start + "quitter 16 25", "TTF");
        row("start closed", start + "fermerdebut 16", "SnakeDebut Facile TTT");
        row("Jouer", start + "jouer 16 25", "SnakeGame 3 140 Timer2 180,72 TTF");
        row("Moyen", start + "moyen jouer compte", "SnakeGame 80 Timer1 180,72 FFF");
        row("Difficile", start + "difficile jouer seconde", "SnakeGame 2 40 Timer2 180,72 FFF");
        row("countdown", start + "jouer seconde seconde", "SnakeGame 1 140 Timer2 180,72 FFF");
        row("key in the countdown", start + "jouer bas compte pas", "SnakeGame 140 Timer1 180,81 FFF");
        row("game closed", start + "jouer 25 33 fermerjeu 16", "TFF");
        row("Esc in the countdown", start + "jouer 16 esc", "SnakeDebut Facile FFF");
        row("Esc running", start + "jouer compte 16 esc", "SnakeDebut Facile FFF");
        row("Esc after a turn", start + "jouer compte 16 haut esc", "SnakeGame 140 Timer1 180,72 TFF");
        row("Jouer during a game", start + "difficile jouer compte pas " + start + "jouer",
            "SnakeGame 3 140 Timer2 180,72 FFF");
        row("lost", start + "jouer 16 perdu", "SnakeFin PERDU ! Votre score est de |0 points FFF");
        row("lost on Moyen", start + "moyen jouer repas perdu",
            "SnakeFin PERDU ! Votre score est de |15 points FFF");
        row("end Quitter", start + "jouer perdu 16 25 finquitter 33", "FFT");
        row("Rejouer", start + "difficile jouer perdu 16 rejouer", "SnakeDebut Facile TFF");
        row("end closed", start + "jouer perdu 16 fermerfin", "TFF");
        // clang-format on
    }
    void flow() {
        QFETCH(QString, actions);
        FreshProgram program;
        attrib().show();
        attrib().move(0, 0);
        for (const QString& action : actions.split(u' '))
            act(action);
        QTEST(state(), "state");
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
