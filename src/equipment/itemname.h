#pragma once
// What every item box of the hero and equipment sheets does when its name changes: the item
// listers are refreshed, and an emptied name empties the values that went with the item.
#include <QString>
#include <vector>

class ComboBox;
class TextBox;

void itemNameChanged(const ComboBox& name, const std::vector<TextBox*>& values);

// What every item box of the sheets does when an item is chosen from its list: the item file of
// the box's kind is read, its lines after the name going into `values` in order. An item that
// cannot be read empties them rather than leaving the values of the one chosen before.
void readItemInto(const ComboBox& name, const QString& extension,
                  const std::vector<TextBox*>& values);
