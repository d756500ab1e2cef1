#pragma once
// Whether the sheets hold work that no hero file keeps: the lines a save would write now,
// against those of the hero last loaded, saved or cleared, or found at start-up. Comparing
// what would be written needs no flag kept in step with every writer of the sheets.
#include "herofile/herofile.h"

class QCloseEvent;

// The hero just loaded, saved or cleared: from now on, only a difference from it is work.
void heroKept(const HeroRecord& hero);
bool heroChanged();

// Before a changed hero is lost: asks `question` (question icon, Oui/Non, "Non" the default)
// and answers whether to go on. An unchanged hero goes on without a word.
bool heroMayBeLost(const QString& question);

// A sheet's close box ends the program. With a changed hero only a Oui lets the close go on;
// otherwise the event is ignored and the sheet stays. Answers whether the close goes on.
bool sheetMayClose(QCloseEvent& event);
