// The game's rules without its window, played from scripted keys and random numbers.
#include "common/chance.h"
#include "snake/game.h"
#include "snake/modsnake.h"

#include <QTest>

namespace {

using snake::Game;

QString cell(const snake::Square& s) {
    return QStringLiteral("%1,%2").arg(s.left).arg(s.top);
}

void columns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("draws"); // the random numbers, in order
    QTest::addColumn<QString>("meal");  // where the first meal stands instead of 162,144
}
void row(const char* name, const char* script, const char* expected, const char* draws = "",
         const char* meal = "") {
    QTest::newRow(name) << QString(script) << QString(expected) << QString(draws) << QString(meal);
}

// A new game at 10 points a meal, its meal moved where the row says ("full": the body on every
// meal cell but the one named, the meal under the head). The script's U, D, L, R and E press
// the arrows and Esc, another letter its own key code, "." runs one step, "*" steps on until
// the game ends. Then the facts the row names are compared: over (the step that ended the
// game), head, tail (the last body square), meal, direction, toucheok, esc, score, longueur.
void play() {
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QFETCH(QString, draws);
    QFETCH(QString, meal);
    modsnake::reset();
    modsnake::pointsrepas = 10;
    std::vector<double> randoms;
    for (const QString& r : draws.split(u' ', Qt::SkipEmptyParts))
        randoms.push_back(r.toDouble());
    chance::script(randoms);
    Game game;
    if (meal.startsWith(u"full")) {
        game.snake.clear();
        for (int top = 9; top <= 234; top += 9)
            for (int left = 9; left <= 288; left += 9)
                if (!meal.endsWith(cell({left, top}))) game.snake.push_back({left, top});
        game.longueur = static_cast<int>(game.snake.size());
        game.snake.push_back(game.snake[0]);
    } else if (!meal.isEmpty()) {
        game.snake[7] = {meal.section(u',', 0, 0).toInt(), meal.section(u',', 1).toInt()};
    }

    int steps = 0, over = 0;
    bool esc = false;
    const auto step = [&] {
        ++steps;
        if (game.step() == Game::Step::Over) over = steps;
    };
    const QString arrows = QStringLiteral("LURD"); // 37 to 40
    for (QChar c : script) {
        if (c == u'.')
            step();
        else if (c == u'*')
            while (!over && steps < 1000)
                step();
        else if (c == u'E')
            esc |= game.keyDown(27) == Game::Key::Escape;
        else
            game.keyDown(arrows.contains(c) ? 37 + arrows.indexOf(c) : c.unicode());
        if (over) break;
    }
    const auto n = [](int number) { return QString::number(number); };
    const QStringList facts =
        QStringLiteral("over=%1 head=%2 tail=%3 meal=%4 direction=%5 toucheok=%6 esc=%7 score=%8 "
                       "longueur=%9")
            .arg(n(over), cell(game.head()), cell(game.snake[game.longueur - 1]), cell(game.meal()),
                 n(game.direction), n(game.toucheok), n(esc), n(modsnake::scoresnake),
                 n(game.longueur))
            .split(u' ');
    for (const QString& fact : expected.split(u' '))
        QVERIFY2(facts.contains(fact), qPrintable(facts.join(u' ')));
    QVERIFY(chance::scriptExhausted());
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    // Straight runs from the starting snake, and its off-lattice tail met on the way.
    void runs_data() {
        columns();
        row("right wall", "*", "over=14 head=306,72");
        row("right, a step before", ".............", "over=0 head=297,72");
        row("top wall", "U*", "over=9 head=180,-9");
        row("bottom wall", "D*", "over=20 head=180,252");
        row("left wall", "U.L*", "over=22 head=-9,63");
        row("off-lattice tail bitten", "D.L.L.U*", "over=4 head=162,72");
        row("tail gone by", "D.L.L.L.U*", "over=14 head=153,-9");
    }
    void runs() { play(); }

    // At most one turn per step, never back onto the body; Esc only before a turn.
    void keys_data() {
        columns();
        row("reverse refused", "L", "direction=4 toucheok=1");
        row("second turn ignored", "UL", "direction=1 toucheok=0");
        row("repeat uses the turn", "RD", "direction=4 toucheok=0");
        row("refused key keeps the turn", "LD", "direction=2");
        row("other key keeps the turn", "AD", "direction=2");
        row("a step frees the turn", "U.L", "direction=3 head=180,63");
        row("Esc", "LE", "esc=1 direction=4");
        row("Esc after a turn", "UE", "esc=0 direction=1");
    }
    void keys() { play(); }

    // A meal is tested before the move, adds two squares that reach the tail a step apart, and
    // the next one is drawn off the body; a body on every other cell leaves one to find, a body
    // on all of them ends the game, the meal counted.
    void meals_data() {
        columns();
        // clang-format off
        row("on the next cell", ".", "score=0 longueur=7 meal=189,72", "", "189,72");
        row("eaten a step later", "..", "score=10 longueur=9 tail=189,72 meal=9,9", "0 0", "189,72");
        row("new square at the tail", "...", "tail=140,72", "0 0", "189,72");
        row("drawn again off the body", "..", "meal=288,234", "0.6 0.28 0.63 0.28 0.99 0.99", "189,72");
        row("first meal", "D........L...", "over=0 score=10 longueur=9 tail=162,144", "0 0", "");
        row("7 pixels off", ".", "score=10", "0 0", "180,79");
        row("8 pixels off", ".", "score=0", "", "180,80");
        row("one cell free", ".", "over=1 score=10 meal=288,234", "0.6 0.28 0.99 0.99", "full 288,234");
        row("none free", ".", "over=1 score=10 meal=9,9", "", "full");
        // clang-format on
    }
    void meals() { play(); }
};

QTEST_APPLESS_MAIN(TestGame)
#include "test_game.moc"
