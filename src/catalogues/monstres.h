#pragma once
// The monster editor "Monstres et PNJ": the monsters and characters of the monster folder, one
// file each. The user picks one by name, edits its eighteen lines, saves it under its name, or
// empties the form.
#include "catalogues/monsterfile.h"
#include "common/controls.h"
#include "common/filelists.h"
#include "common/form.h"

#include <QGroupBox>
#include <array>

class Monstres : public Form {
    Q_OBJECT
public:
    Monstres();

    ComboBox* fpnjnom;
    // The boxes of the file's lines, lines[1] (fpnjnom) to lines[18], by their names.
    std::array<QWidget*, monsterfile::lineCount + 1> lines{};
    QGroupBox* Frame1;
    CommandButton *sauve, *Efface;
    FileListBox* fichier; // the monster folder, never shown
    MenuEntry* menusauve;

    void fpnjnom_Click();
    void sauve_Click();
    void Efface_Click();
    void menusauve_Click();
};

inline Monstres& monstres() {
    return forms::get<Monstres>();
}
