#include "equipment/notes.h"

#include "equipment/equip.h"

QString withoutLineBreaks(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

// One pass takes out every line break of a paste at once; the rewrite runs this again, nested,
// and finds nothing left.
void Equip::notes_Change() {
    const QString text = notes->text();
    const QString kept = withoutLineBreaks(text);
    if (kept != text) notes->setText(kept);
}
