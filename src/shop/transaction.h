#pragma once
#include "common/filelists.h"
#include "common/form.h"

// The shop. Its file list `fichier` is the lister of item files for every window.
class Transaction : public Form {
    Q_OBJECT
public:
    Transaction();
    void Form_Load() override;
    void Form_Unload() override;

    FileListBox* fichier;
};

inline Transaction& transaction() { return forms::get<Transaction>(); }
