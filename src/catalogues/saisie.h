#pragma once
#include "common/controls.h"
#include "common/filelists.h"
#include "common/form.h"

// The item editor. Its file list `fichier` lists the files of the kind being edited.
class Saisie : public Form {
    Q_OBJECT
public:
    Saisie();
    void Form_Load() override;
    void Form_Unload() override;

    OptionGroup kindGroup;
    OptionButton* arm;
    FileListBox* fichier;

    void arm_Click();
};

inline Saisie& saisie() { return forms::get<Saisie>(); }
