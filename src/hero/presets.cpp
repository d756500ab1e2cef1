#include "hero/presets.h"

#include "hero/perso.h"
#include "skills/attrib.h"

#include <utility>

void presetType() {
    Perso& p = perso();
    // The fighting trades start trained to fight bare-handed; scholars and mystics hardly.
    const std::pair<OptionButton*, int> starts[] = {
        {p.aventurier, 2}, {p.guerrier, 3}, {p.nain, 3},   {p.magicien, 0}, {p.elfe, 1},
        {p.elfebois, 2},   {p.cavalier, 3}, {p.druide, 1}, {p.pretre, 1}};
    for (const auto& [type, start] : starts)
        if (type->value()) attrib().habilete[1]->setValue(start);
}
