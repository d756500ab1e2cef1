#pragma once
// The detail window: the record of the item last selected in the shop, one frame per kind, at
// most one frame shown. The purchase takes the item's name and weight from its kind's frame,
// so the window is never discarded: its close box hides it as "Ok" does.
#include "common/controls.h"
#include "common/form.h"
#include "common/itemrecord.h"

#include <QGroupBox>
#include <array>
#include <vector>

class Detail : public Form {
    Q_OBJECT
public:
    Detail();

    CommandButton* ok;
    std::array<QGroupBox*, 13> cadres{}; // farm..fliv, by kind

    void ok_Click();
    // Hides the twelve frames.
    void cachedetail();
    // Shows the kind's frame alone, the window as tall as that frame needs.
    void montrecadre(int kind);
    // The display routine of every kind (affichearm .. afficheliv): the record's frame shown,
    // each box with its own line, the price and its unit as `lisprix` left them.
    void affiche(const itemrecord::Record& record);

    // The text of the box that shows line `line` of a kind's record, as the user may have
    // edited it.
    QString texte(int kind, int line) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The boxes of each kind's frame in the item file's line order, boxes_[kind][line - 1].
    std::array<std::vector<QWidget*>, 13> boxes_;
};

inline Detail& detail() {
    return forms::get<Detail>();
}

// Reads the selected item's weight, price and price unit into `poidsunite`, `prixunite`,
// `unitemonnaie`, and shows the price with its unit in the shop.
void lisprix(const itemrecord::Record& record);
