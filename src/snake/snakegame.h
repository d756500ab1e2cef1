#pragma once
#include "common/controls.h"
#include "common/form.h"
#include "common/timer.h"
#include "snake/game.h"

class SnakeBoard;

// The game window: the board, the countdown, the score, and the two timers that run the game.
class SnakeGame : public Form {
    Q_OBJECT
public:
    SnakeGame();
    void Form_Load() override;
    void Form_QueryUnload();
    void Form_Unload() override;

    void Timer2_Timer(); // the countdown, each second
    void Timer1_Timer(); // one step of the game
    void Form_KeyDown(int keyCode);

    snake::Game game;
    Label* label;    // the countdown's one big digit
    Label* lblScore; // "0 points"
    Timer *Timer1, *Timer2;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    SnakeBoard* board;
};

inline SnakeGame& snakeGame() {
    return forms::get<SnakeGame>();
}
