#pragma once
// The module-level variables that every subsystem shares. They are read again at every use;
// nothing caches them. Counts are wide so that nothing overflows.
#include <QString>
#include <array>

namespace shared {

inline long long numfichier = 0; // file number of the last file opened
inline long long compteur = 0;   // index of the listing, dice and payment loops
inline QString repertoire;       // the folder line just read from a folder file
inline QString motif;            // file pattern of the current listing ("*.arm", "*.pnj"...)
inline long long longnom = 0;    // length of the file name being listed
inline std::array<QString, 13> objetligne; // record line buffers objetligne[1]..objetligne[12]
inline QString nomcourant;                 // name kept across a relisting after a save
inline QString cheminobjets;     // items folder the item editor saves into, ending with "\"
inline long long typesaisie = 0; // item kind being edited, 1 to 12
// Folder file the folder dialog writes: 1 monsters, 2 items, 3 spells.
inline long long choixrepertoire = 0;
inline bool enpause = false;       // combat paused
inline long long delai = 0;        // seconds between two combat steps: 0, 1 or 2
inline bool modeextension = false; // combat under the Extension rules
inline QString prixunite;          // unit price of the item selected in the shop
inline QString unitemonnaie;       // its price unit: "PO", "PA", "PB" or "PC"
inline QString poidsunite;         // its unit weight
inline long long valeurapt = 0;    // cost category of a raise, or the value of a skill test
inline bool accepte = false;       // the cost dialog's answer
inline QString nomobjet;                   // the item name whose weight is being looked up
inline std::array<QString, 13> extensions; // the twelve kind extensions, extensions[1]..[12]

// Back to the start-up values (tests, and a new program run).
void reset();

} // namespace shared
