#pragma once
// The spell editor "Gestion des sorts": the spells and miracles of the spell folder, one file
// each. The user picks a spell by name, edits its twelve lines, saves it under its name, or
// narrows the name list to one class (and, for priests, one deity).
#include "catalogues/spellfile.h"
#include "common/controls.h"
#include "common/fieldmemo.h"
#include "common/filelists.h"
#include "common/form.h"

#include <array>

class Sorts : public Form {
    Q_OBJECT
public:
    Sorts();

    ComboBox* sortsformule;
    TextBox* sortsformule2;
    ComboBox *sortsliste, *sortsdieux;
    FieldMemoBox *sortscout, *sortsportee, *sortsduree, *sortscondition, *sortsepreuve, *sortsrefus,
        *sortsdescription, *sortstechnique;
    CheckBox* restriction;
    CommandButton *sortsauver, *sortseffacer;
    FileListBox* fichier; // the spell folder, never shown
    Label *lib1, *lib2, *lib3;
    MenuEntry* menusauve;

    // The boxes of the file's lines, lines[1] to lines[12].
    std::array<QWidget*, spellfile::lineCount + 1> lines{};

    void sortsformule_Click();
    void sortsauver_Click();
    void sortseffacer_Click();
    void sortsliste_Click();
    void sortsdieux_Click();
    void restriction_Click();
    void menusauve_Click();

private:
    // The deity and the miracle's lines, which only a priest's spell fills.
    void enablePriestControls(bool priest);
};

inline Sorts& sorts() {
    return forms::get<Sorts>();
}

// Empties the editor's twelve lines and puts the cursor in the name.
void effacesort();
