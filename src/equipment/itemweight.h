#pragma once
// The weight of an item known by its name alone, and the warning for an item file that ends
// too early.

// Looks for the item `nomobjet` under the twelve kinds in their order (".arm" first); the
// first file that opens decides the kind, left in `compteur`. Leaves the weight in
// `objetligne1` ("0" for a plant) and answers true. When no kind has the file, shows
// "Objet inexistant dans le répertoire des Objet." with its two further lines, sets
// `compteur` to 13 and answers false. A file that ends before its weight raises error 62.
bool chargeobjet();

// Called last by every item handler with the error its trap caught (0 for none): error 62,
// an item file that ends too early, shows "Objet incorrect dans le répertoire des Objet."
// and "Veuillez utiliser 'Saisie' !"; any other error ends the handler silently.
void erreurobjet(int trappedError);
