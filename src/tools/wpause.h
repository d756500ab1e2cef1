#pragma once
#include "common/controls.h"
#include "common/form.h"

// "Suite du combat": a paused fight goes on, or the hero flees. Closing it only hides it and
// leaves the fight paused; "Reprise" shows it again.
class Wpause : public Form {
    Q_OBJECT
public:
    Wpause();

    Label *Label1, *Label2;
    CommandButton *Command1, *Command2;

    void Command1_Click(); // "&Fuir !"
    void Command2_Click(); // "&Continuer ..."

protected:
    void closeEvent(QCloseEvent* event) override;
};

inline Wpause& wpause() {
    return forms::get<Wpause>();
}
