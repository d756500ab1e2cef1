#include "equipment/itemname.h"

#include "common/controls.h"
#include "equipment/itemfile.h"
#include "equipment/itemlists.h"
#include "equipment/itemweight.h"

void itemNameChanged(const ComboBox& name, const std::vector<TextBox*>& values) {
    rafraichlistes();
    erreurobjet(trapErrors([&] {
        if (!name.text().isEmpty()) return;
        for (TextBox* box : values) box->clear();
    }));
}
