// Three captions of the skills sheet open the hidden game once each has been clicked, in any
// order; the sheet itself does not change.
#include "skills/attrib.h"
#include "snake/modsnake.h"
#include "snake/snakedebut.h"

namespace {

void showStartOnceAllClicked() {
    if (modsnake::clicsnake1 && modsnake::clicsnake2 && modsnake::clicsnake3) snakeDebut().show();
}

} // namespace

void Attrib::Label16_Click() {
    modsnake::clicsnake1 = true;
    showStartOnceAllClicked();
}

void Attrib::Label25_Click() {
    modsnake::clicsnake2 = true;
    showStartOnceAllClicked();
}

void Attrib::Label33_Click() {
    modsnake::clicsnake3 = true;
    showStartOnceAllClicked();
}
