#include "skills/skillcontrols.h"

#include "skills/skilltable.h"

namespace skills {

TextBox* valueBox(Attrib& sheet, SkillId id) {
    switch (id.group) {
    case Group::Habilete:
        return sheet.habilete.at(id.row);
    case Group::Sociabilite:
        return sheet.sociabilite.at(id.row);
    case Group::Science:
        return sheet.science.at(id.row);
    case Group::Survie:
        return sheet.survie.at(id.row);
    }
    return nullptr;
}

CommandButton* raiseButton(Attrib& sheet, SkillId id) {
    switch (id.group) {
    case Group::Habilete:
        return sheet.pha.at(id.row);
    case Group::Sociabilite:
        return sheet.pso.at(id.row);
    case Group::Science:
        return sheet.psc.at(id.row);
    case Group::Survie:
        return sheet.psu.at(id.row);
    }
    return nullptr;
}

CommandButton* testButton(Attrib& sheet, SkillId id) {
    switch (id.group) {
    case Group::Habilete:
        return sheet.eha.at(id.row);
    case Group::Sociabilite:
        return sheet.eso.at(id.row);
    case Group::Science:
        return sheet.esc.at(id.row);
    case Group::Survie:
        return sheet.esu.at(id.row);
    }
    return nullptr;
}

void basculeboutons(Attrib& sheet) {
    for (const SkillRow& row : skillRows()) {
        CommandButton* button = raiseButton(sheet, row.id);
        // Its own state, whatever its parent's.
        button->setEnabled(!button->isEnabledTo(button->parentWidget()));
    }
}

} // namespace skills
