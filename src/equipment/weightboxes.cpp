#include "equipment/weightboxes.h"

#include "common/controls.h"
#include "common/shared.h"
#include "equipment/loadlimit.h"

void weightBoxChanged(TextBox& box) {
    if (box.text().isEmpty()) shared::objetligne[1].clear();
    checkLoad(box);
}
