#pragma once
// The fifty skills of `attrib`, in sheet order: Habileté 1-12, Sociabilité 1-12,
// Science 1-13, Survie 1-13. Built once, never changed.
#include "skills/skillrow.h"

namespace skills {

const std::vector<SkillRow>& skillRows();

// The row at a place; the place must exist (row 1..groupRowCount(group)).
const SkillRow& skillRow(SkillId id);

} // namespace skills
