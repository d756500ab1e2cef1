#pragma once
#include "common/controls.h"
#include "tools/toolwindow.h"

// The dice roller: a number of dice of 6, 10 or 20 faces, and their sum.
class Des : public ToolWindow {
    Q_OBJECT
public:
    Des();

    void d6_Click() { lance(6); }
    void d10_Click() { lance(10); }
    void d20_Click() { lance(20); }
    void plus_Click();
    void moins_Click();
    void clear_Click();

    TextBox *nb, *resultat;
    CommandButton *plus, *moins, *d6, *d10, *d20, *clear;

private:
    void lance(int faces);
};

inline Des& des() {
    return forms::get<Des>();
}
