#pragma once
// Reaching the three sheets' controls by their names, as a player or a tool would find them.
#include "equipment/equip.h"
#include "hero/perso.h"
#include "skills/attrib.h"

#include <QTest>

template <class Control = TextBox> Control* on(QWidget& window, const QString& name) {
    auto* control = window.findChild<Control*>(name);
    if (!control) qFatal("no control %s on %s", qPrintable(name), qPrintable(window.objectName()));
    return control;
}

template <class Control = TextBox> Control* onPerso(const QString& name) {
    return on<Control>(perso(), name);
}

// Writes a field as code or typing would: its Change runs when the text differs.
inline void write(const QString& name, const QString& text) {
    if (auto* combo = perso().findChild<ComboBox*>(name))
        combo->setText(text);
    else
        onPerso(name)->setText(text);
}

inline QString read(const QString& name) {
    if (auto* combo = perso().findChild<ComboBox*>(name)) return combo->text();
    return onPerso(name)->text();
}
