#include "snake/snakeboard.h"

#include <QPainter>
#include <array>

namespace {

// Line1 to Line5: the field's bottom, top, right and left edges, and the line under the score.
struct BoardLine {
    QLine line;
    int width;
};
constexpr std::array<BoardLine, 5> boardLines{{
    {QLine(0, 252, 312, 252), 1}, // Line1
    {QLine(0, 0, 312, 0), 2},     // Line2
    {QLine(306, 0, 306, 288), 1}, // Line3
    {QLine(0, 0, 0, 288), 1},     // Line4
    {QLine(0, 285, 312, 285), 1}, // Line5
}};

} // namespace

SnakeBoard::SnakeBoard(const snake::Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName(QStringLiteral("board"));
    setFixedSize(307, 286);
    setFocusPolicy(Qt::NoFocus);
}

void SnakeBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const BoardLine& l : boardLines) {
        // A pen of width 2 straddles its line: shift it so the line grows downwards.
        const int shift = l.width / 2;
        painter.setPen(QPen(Qt::black, l.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(l.line.translated(0, shift));
    }
    const auto square = [&](const snake::Square& s, const QColor& colour) {
        painter.fillRect(s.left, s.top, snake::squareSize, snake::squareSize, colour);
    };
    for (int i = 0; i < game_.longueur; ++i)
        square(game_.snake[i], Qt::darkGreen);
    square(game_.meal(), Qt::red);
}
