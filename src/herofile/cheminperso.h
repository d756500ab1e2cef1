#pragma once
#include "common/controls.h"
#include "common/filelists.h"
#include "common/form.h"

// The hero-folder dialog: the user picks the folder the heroes are saved in. Its label
// `cheminfichierperso` holds the chosen folder, ending with "\", for whoever keeps it.
class Cheminperso : public Form {
    Q_OBJECT
public:
    Cheminperso();

    DriveListBox* Drive;
    DirListBox* Dir;
    Label* cheminfichierperso;
    CommandButton *Ok, *Annuler;

    // Points the lists and the label at a drive-form folder: error 68 for an unknown drive,
    // 76 for a missing folder, as the lists raise them.
    void setFolder(const QString& drivePath);

    // What `Ok` does once the dialog is hidden. Kept for the class, so a dialog created again
    // after being closed by its close box still does it.
    static void onAccepted(Handler handler);
};

inline Cheminperso& cheminperso() {
    return forms::get<Cheminperso>();
}
