#include "snake/game.h"

#include "common/chance.h"
#include "snake/modsnake.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace snake {
namespace {

// The snake as the window first shows it. Its tail stands off the 9-pixel lattice that the
// head and the meals keep to; only the move brings the body onto it.
constexpr std::array<Square, 8> startSquares{{
    {180, 72}, // head
    {171, 72},
    {163, 72},
    {155, 72},
    {147, 72},
    {140, 72},
    {132, 72},
    {162, 144}, // the first meal
}};

constexpr std::array<Difficulty, 3> difficulties{{
    {140, 10}, // "Facile"
    {80, 15},  // "Moyen"
    {40, 20},  // "Difficile"
}};

// Meals go on the cells 1 to 32 across and 1 to 26 down: never on the outermost ring.
constexpr int mealColumns = 32;
constexpr int mealRows = 26;

// How a key turns the snake: the new direction, and the one it may not come from.
struct Turn {
    int keyCode;
    Direction to;
    Direction refusedFrom;
};
constexpr std::array<Turn, 4> turns{{
    {KeyLeft, Left, Right},
    {KeyUp, Up, Down},
    {KeyRight, Right, Left},
    {KeyDown, Down, Up},
}};

// How the head moves in each direction: 1 up, 2 down, 3 left, 4 right.
constexpr std::array<Square, 5> headMoves{{{0, 0}, {0, -9}, {0, 9}, {-9, 0}, {9, 0}}};

bool within(const Square& a, const Square& b, int tolerance) {
    return std::abs(a.top - b.top) < tolerance && std::abs(a.left - b.left) < tolerance;
}

} // namespace

Difficulty difficulty(long long niveausnake) {
    return difficulties[std::clamp(niveausnake, 0LL, 2LL)];
}

QString scoreText(long long score) {
    return QString::number(score) + QStringLiteral(" points");
}

Game::Game() : snake(startSquares.begin(), startSquares.end()) {}

Game::Key Game::keyDown(int keyCode) {
    if (!toucheok) return Key::Ignored;
    if (keyCode == KeyEscape) return Key::Escape;
    const auto turn = std::find_if(turns.begin(), turns.end(),
                                   [keyCode](const Turn& t) { return t.keyCode == keyCode; });
    if (turn == turns.end() || direction == turn->refusedFrom) return Key::Ignored;
    // Even a key for the way the snake already goes uses up the step's turn.
    direction = turn->to;
    toucheok = false;
    return Key::Taken;
}

Game::Step Game::step() {
    if (eats()) {
        // The old meal and a new square join the body; a second new square, created at the
        // head like the first, becomes the next meal.
        const Square at = head();
        longueur += 2;
        snake.resize(longueur + 1, at);
        const bool placed = anyFreeMealCell();
        if (placed) snake[longueur] = drawMealCell();
        modsnake::scoresnake += modsnake::pointsrepas;
        // A snake that covers every cell a meal could take has nowhere left to go.
        if (!placed) return Step::Over;
    }
    move();
    toucheok = true;
    if (bitesItself() || hitsWall()) return Step::Over;
    return Step::Goes;
}

bool Game::eats() const {
    // Tested where the last step left them: on the lattice, the head stands on the meal.
    return within(head(), meal(), 8);
}

bool Game::onBody(const Square& cell) const {
    return std::any_of(snake.begin(), snake.begin() + longueur,
                       [&](const Square& s) { return s == cell; });
}

bool Game::anyFreeMealCell() const {
    for (int column = 1; column <= mealColumns; ++column)
        for (int row = 1; row <= mealRows; ++row)
            if (!onBody({squareSize * column, squareSize * row})) return true;
    return false;
}

Square Game::drawMealCell() const {
    Square cell;
    do {
        cell.left = squareSize * static_cast<int>(std::floor(mealColumns * chance::rnd() + 1));
        cell.top = squareSize * static_cast<int>(std::floor(mealRows * chance::rnd() + 1));
    } while (onBody(cell));
    return cell;
}

void Game::move() {
    for (int j = longueur - 1; j >= 1; --j)
        snake[j] = snake[j - 1];
    const Square& by = headMoves[std::clamp(direction, 1, 4)];
    snake[0].left += by.left;
    snake[0].top += by.top;
}

bool Game::bitesItself() const {
    for (int i = longueur - 1; i >= 1; --i)
        if (within(snake[i], head(), squareSize)) return true;
    return false;
}

bool Game::hitsWall() const {
    const Square& h = head();
    return h.top <= -5 || h.left <= -5 || h.left + 1 >= 306 || h.top + 1 >= 252;
}

} // namespace snake
