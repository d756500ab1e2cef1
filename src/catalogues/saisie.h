#pragma once
// The item editor "Objets": one frame per item kind, built from the item file's table, of
// which the current kind's alone is shown. It creates, loads, clears and saves item files.
#include "common/controls.h"
#include "common/filelists.h"
#include "common/form.h"
#include "common/itemframe.h" // lineText, setLineText for the boxes of its frames

#include <QGroupBox>
#include <array>
#include <vector>

class Saisie : public Form {
    Q_OBJECT
public:
    Saisie();
    void Form_Load() override;
    void Form_Unload() override;

    // The controls of one kind, kinds[1] to kinds[12] in the kind order.
    struct KindControls {
        OptionButton* option = nullptr;
        QGroupBox* frame = nullptr;
        std::vector<QWidget*> lines; // the boxes of the item file's lines, in its order
        ComboBox* nom() const;       // line 1
        ComboBox* up() const;        // the last line
    };
    std::array<KindControls, 13> kinds;
    OptionGroup kindGroup;

    MenuEntry* menusauve;
    QGroupBox* fobjets;
    CommandButton* sauve;
    CommandButton* Efface;
    FileListBox* fichier;

    void menusauve_Click();
    void kind_Click(int kind); // arm_Click ... liv_Click
    void nom_Click(int kind);  // farmnom_Click ... flivnom_Click
    void sauve_Click();
    void Efface_Click();
    void cachecadres();

    // The kind whose option is selected; 0 when none is.
    int selectedKind() const;

private:
    void buildFrame(int kind, QWidget* parent);
};

inline Saisie& saisie() {
    return forms::get<Saisie>();
}
