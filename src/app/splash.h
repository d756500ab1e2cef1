#pragma once
#include "common/controls.h"
#include "common/form.h"

// The start-up window: it brings up the hero sheet and stays over it until its picture is
// clicked, or Enter, Esc or Space is pressed.
class Start : public Form {
    Q_OBJECT
  public:
    Start();
    void Form_Load() override;
    void Image1_Click();

    Label* Image1;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

inline Start& start() {
    return forms::get<Start>();
}
