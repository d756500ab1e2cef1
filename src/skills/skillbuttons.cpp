#include "skills/skillbuttons.h"

#include "skills/skillcontrols.h"
#include "skills/skillraise.h"
#include "skills/skilltable.h"

void connectSkillButtons(Attrib& sheet) {
    for (const skills::SkillRow& row : skills::skillRows()) {
        const skills::SkillId id = row.id;
        skills::raiseButton(sheet, id)->onClick([id] { skills::raiseSkill(id); });
        skills::testButton(sheet, id)->onClick([id] { skills::testSkill(id); });
    }
}
