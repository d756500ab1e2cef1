#pragma once
// The possession slots of the common table, as the sheets' own boxes.
#include "common/possessions.h"

#include <vector>

class ComboBox;
class TextBox;

// The name box of a slot (1 to the group's count), on its sheet.
ComboBox* slotName(const possessions::Group& group, int slot);
// The slot's companion boxes, in write order.
std::vector<TextBox*> slotCompanions(const possessions::Group& group, int slot);
