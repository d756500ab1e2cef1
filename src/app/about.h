#pragma once
#include "common/controls.h"
#include "common/form.h"

// What the program is, with a button that closes the window.
class About : public Form {
    Q_OBJECT
  public:
    About();
    void ok_Click();

    CommandButton* ok;
};

inline About& about() {
    return forms::get<About>();
}
