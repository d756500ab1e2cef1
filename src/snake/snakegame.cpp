#include "snake/snakegame.h"

#include "snake/modsnake.h"
#include "snake/snakeboard.h"
#include "snake/snakedebut.h"
#include "snake/snakefin.h"

#include <QCloseEvent>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace {

// The one place where Qt's keys become the codes the game answers; the keypad's arrows arrive
// as arrows too.
int virtualKeyCode(const QKeyEvent& event) {
    static const std::pair<int, int> codes[] = {{Qt::Key_Escape, snake::KeyEscape},
                                                {Qt::Key_Left, snake::KeyLeft},
                                                {Qt::Key_Up, snake::KeyUp},
                                                {Qt::Key_Right, snake::KeyRight},
                                                {Qt::Key_Down, snake::KeyDown}};
    for (const auto& [key, code] : codes)
        if (event.key() == key) return code;
    return 0;
}

} // namespace

SnakeGame::SnakeGame() : Form(u"SnakeGame"_s, u"Snake"_s) {
    board = new SnakeBoard(game, this);

    lblScore = new Label(u"lblScore"_s, snake::scoreText(0), board);
    lblScore->setGeometry(72, 256, 169, 25);
    lblScore->setAlignment(Qt::AlignCenter);
    QFont scoreFont = lblScore->font();
    scoreFont.setPointSize(12);
    lblScore->setFont(scoreFont);

    label = new Label(u"label"_s, QString(), board);
    label->setGeometry(104, 24, 129, 150);
    label->setAlignment(Qt::AlignCenter);
    QFont digitFont = label->font();
    digitFont.setPointSize(72);
    digitFont.setBold(true);
    label->setFont(digitFont);

    setCentralWidget(board);
    // The arrows belong to the game: the window keeps the focus itself, whichever window had
    // it before, and no control of it may take the focus away.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();

    Timer1 = new Timer(u"Timer1"_s, this);
    Timer2 = new Timer(u"Timer2"_s, this);
    Timer1->onTimer([this] { Timer1_Timer(); });
    Timer2->onTimer([this] { Timer2_Timer(); });
    Timer1->setEnabled(false);
    Timer2->setInterval(1000);
    setPlacement(Placement::Screen);
}

void SnakeGame::Form_Load() {
    game = snake::Game();
    modsnake::scoresnake = 0;
    const snake::Difficulty level = snake::difficulty(modsnake::niveausnake);
    Timer1->setInterval(level.tick);
    modsnake::pointsrepas = level.pointsrepas;
}

void SnakeGame::Timer2_Timer() {
    const long long left = textnum::truncInt(textnum::val(label->caption())) - 1;
    label->setCaption(textnum::fmt(left));
    label->repaint();
    if (left == 0) {
        label->hide();
        Timer2->setEnabled(false);
        Timer1->setEnabled(true);
    }
}

void SnakeGame::Timer1_Timer() {
    const snake::Game::Step outcome = game.step();
    lblScore->setCaption(snake::scoreText(modsnake::scoresnake));
    board->update();
    if (outcome == snake::Game::Step::Over) {
        // No step may come after the last one, even while this window goes away.
        Timer1->setEnabled(false);
        SnakeFin& fin = snakeFin();
        fin.lblRes->setCaption(lblScore->caption());
        close();
        fin.show();
    }
}

void SnakeGame::Form_KeyDown(int keyCode) {
    if (game.keyDown(keyCode) != snake::Game::Key::Escape) return;
    // Esc gives the game up: nothing runs on unseen, and the start window offers another.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    close();
    snakeDebut().show();
}

void SnakeGame::Form_QueryUnload() {
    Timer1->setInterval(0);
}

void SnakeGame::Form_Unload() {
    modsnake::clearMarks();
}

void SnakeGame::keyPressEvent(QKeyEvent* event) {
    if (const int code = virtualKeyCode(*event)) {
        runEvent([this, code] { Form_KeyDown(code); });
        event->accept();
        return;
    }
    Form::keyPressEvent(event);
}

void SnakeGame::closeEvent(QCloseEvent* event) {
    runEvent([this] { Form_QueryUnload(); });
    Form::closeEvent(event);
}
