#pragma once
// What every item box of the hero and equipment sheets does when its name changes: the item
// listers are refreshed, and an emptied name empties the values that went with the item.
#include <vector>

class ComboBox;
class TextBox;

void itemNameChanged(const ComboBox& name, const std::vector<TextBox*>& values);
