#pragma once
#include "snake/game.h"

#include <QWidget>

// The field as the game measures it, 307 x 286 pixels: its five lines, the snake and the meal.
class SnakeBoard : public QWidget {
    Q_OBJECT
public:
    SnakeBoard(const snake::Game& game, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const snake::Game& game_;
};
