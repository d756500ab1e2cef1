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

void readItemInto(const ComboBox& name, const QString& extension,
                  const std::vector<TextBox*>& values) {
    rafraichlistes();
    QStringList lines;
    const int error = trapErrors([&] {
        TextInput file = openItemFile(name.text(), extension);
        lines = itemrecord::readLines(file, static_cast<int>(values.size()) + 1);
    });
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i]->setText(error ? QString() : lines.at(static_cast<qsizetype>(i) + 1));
    erreurobjet(error);
}
