#pragma once
// The catalogue-folder dialog "Répertoire de stockage": the user picks the folder of the items,
// the spells or the monsters, and Ok writes it into that catalogue's folder file. Ok and Cancel
// hide it; it keeps its folder between uses.
#include "common/controls.h"
#include "common/filelists.h"
#include "common/form.h"

#include <QGroupBox>

class Cheminsaisie : public Form {
    Q_OBJECT
public:
    Cheminsaisie();

    QGroupBox* Frame1;
    DriveListBox* drive;
    DirListBox* Dir;
    Label* cheminfichiersaisie;
    CommandButton* ok;
    CommandButton* Command1;

    // Points the dialog at a folder line as a folder file holds it: the drive, the label with
    // the line as it stands but ending with "\", then the folder list, whose move shows its own
    // folder in the label. Error 68 or 76 leaves the dialog as it was.
    void preset(const QString& folder);

    void ok_Click();
    void Command1_Click();
};

inline Cheminsaisie& cheminsaisie() {
    return forms::get<Cheminsaisie>();
}
