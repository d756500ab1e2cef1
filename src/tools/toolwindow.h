#pragma once
#include "common/form.h"

class QGroupBox;

// A tool window of the sheets' menus: it opens where it was last closed, and closing it keeps
// its place and writes the settings file.
class ToolWindow : public Form {
public:
    using Form::Form;
    void Form_Load() override;
    void Form_Unload() override;

protected:
    // The one frame, `Frame1`, that holds all the window's controls.
    QGroupBox* makeFrame1();
};
