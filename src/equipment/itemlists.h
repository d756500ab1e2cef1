#pragma once
// The item lists: the system's item listers pointed at the items folder, and the equipment
// lines' lists filled by the kind filters.
#include <QStringList>
#include <vector>

class ComboBox;

// Points `transaction.fichier` and `saisie.fichier` at the folder of "c:\objets.ini" with the
// pattern `motif`, loading their windows when needed. On failure shows
// "fichier 'c:\objets.ini' introuvable !" and its two further lines; nothing reaches the caller,
// and a lister not reached yet keeps its folder and pattern.
void rafraichlistes();

// What `rafraichlistes` shows when "c:\objets.ini" cannot be read (once in a batch).
void reportMissingFolderFile();

// While one exists, a missing folder file is reported once, however many listings run: a
// filter or the start-up lists several patterns in a row for one action. A silent batch
// reports nothing: clearing the hero empties every item box and has nothing to list.
class ListingBatch {
public:
    enum class Report { Once, Never };
    explicit ListingBatch(Report report = Report::Once);
    ~ListingBatch();
    ListingBatch(const ListingBatch&) = delete;
    ListingBatch& operator=(const ListingBatch&) = delete;
};

// The names `transaction.fichier` lists, less their last four characters (the dot and the
// kind); a name shorter than that is given whole.
QStringList listedItemNames();

// Refreshes the listers and adds the item names of `motif` to each list.
void listItemsInto(const std::vector<ComboBox*>& lists);

// Empties the twenty-four lines' lists; every line keeps its name and weight, and no handler
// runs.
void videlistes();
// Adds the item names of `motif` to the twenty-four lines' lists.
void remplitlistes();

// The kind filters `equip.Option1`..`Option4`: the lines' lists offer the filter's kinds.
void Option_Click(int filter);

// The start-up listing: the hero sheet's weapon, ammunition and protection slots and the
// clothing slots get their kinds' names, then `equip.Option4` is selected.
void listItemsAtStartup();
