#pragma once
#include "common/controls.h"
#include "common/form.h"

#include <array>

// The hidden game's start window: the difficulty, then "Jouer" or "Quitter".
class SnakeDebut : public Form {
    Q_OBJECT
public:
    SnakeDebut();
    void Form_Load() override;

    void Command1_Click(); // "Jouer"
    void Command2_Click(); // "Quitter"

    OptionGroup difficulte;
    std::array<OptionButton*, 3> Option1; // "Facile", "Moyen", "Difficile"
    CommandButton *Command1, *Command2;
};

inline SnakeDebut& snakeDebut() {
    return forms::get<SnakeDebut>();
}
