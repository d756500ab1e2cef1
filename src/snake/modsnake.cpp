#include "snake/modsnake.h"

namespace modsnake {

void clearMarks() {
    clicsnake1 = clicsnake2 = clicsnake3 = false;
}

void reset() {
    clearMarks();
    niveausnake = scoresnake = pointsrepas = 0;
}

} // namespace modsnake
