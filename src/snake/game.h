#pragma once
// The snake game apart from its window: the squares, the keys and one step of play. Everything
// counts in the board's pixels; a square is 9 x 9 pixels placed by its left and top.
#include <QString>
#include <array>
#include <vector>

namespace snake {

struct Square {
    int left = 0;
    int top = 0;
    bool operator==(const Square&) const = default;
};

inline constexpr int squareSize = 9;

// `direction`: where the head goes on the next step.
enum Direction : int { Up = 1, Down = 2, Left = 3, Right = 4 };

// The virtual key codes the game answers.
enum KeyCode : int { KeyEscape = 27, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40 };

// What `niveausnake` sets: the step timer's tick and the points a meal is worth.
struct Difficulty {
    int tick;        // milliseconds
    int pointsrepas; // points per meal
};
Difficulty difficulty(long long niveausnake);

// What lblScore reads: "10 points".
QString scoreText(long long score);

class Game {
public:
    Game(); // the snake of seven squares going right, and the first meal

    enum class Key { Ignored, Taken, Escape };
    // A key pressed before the next step. A turn is taken at most once per step and never
    // reverses the snake onto itself; Esc counts only while no turn was taken.
    Key keyDown(int keyCode);

    enum class Step { Goes, Over };
    // One tick: the meal, the move, then the snake against itself and the walls. A meal adds
    // `modsnake::pointsrepas` to `modsnake::scoresnake`.
    Step step();

    // 0 is the head, 1 to longueur - 1 the body, `longueur` the meal.
    std::vector<Square> snake;
    int direction = Right;
    int longueur = 7;
    bool toucheok = true; // a direction key may still be taken before the next step

    const Square& head() const { return snake[0]; }
    const Square& meal() const { return snake[longueur]; }

private:
    bool eats() const;
    bool anyFreeMealCell() const;
    bool onBody(const Square& cell) const;
    Square drawMealCell() const;
    void move();
    bool bitesItself() const;
    bool hitsWall() const;
};

} // namespace snake
