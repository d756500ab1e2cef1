#pragma once
#include "common/controls.h"
#include "common/form.h"

// The outcome of the hero's flight: the life energy before the adversary's free attack, the
// damage, and two lines of result. Closing it acknowledges it as "&OK !" does.
class Wfuite : public Form {
    Q_OBJECT
public:
    Wfuite();

    Label *lhev, *lmoins, *Label1, *Label2;
    CommandButton* Command1;

    void Command1_Click(); // "&OK !"

protected:
    void closeEvent(QCloseEvent* event) override;
};

inline Wfuite& wfuite() {
    return forms::get<Wfuite>();
}
