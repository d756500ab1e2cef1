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
    // The life energy and the damage are told only for a flight the adversary's attack hit.
    void showBlow(bool hit);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* blow_; // the life energy and the damage, with their captions
};

inline Wfuite& wfuite() {
    return forms::get<Wfuite>();
}
