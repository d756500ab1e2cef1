#pragma once
// The merchant's character: a slider from the friendliest (0) to the grumpiest (10). The
// dialog lives as long as the program: its close box and Esc answer as "OK !" does, so the
// position shown is always the one the next deal uses.
#include "common/controls.h"
#include "common/form.h"

#include <QSlider>

class Car : public Form {
    Q_OBJECT
public:
    Car();

    QSlider* Slider;
    CommandButton* ok;

    void ok_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
};

inline Car& car() {
    return forms::get<Car>();
}
