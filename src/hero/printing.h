#pragma once
class QPrinter;

// Prints the three sheets of the hero, `perso`, `attrib` and `equip`, one page each, each sheet
// scaled to fill its page.
void imprimeFiches(QPrinter& printer);
