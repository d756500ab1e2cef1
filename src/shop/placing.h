#pragma once
// Where one bought unit lands on the hero's sheets. The place is worked out before anything is
// written, so that the unit can be weighed with exactly what its placing will add.
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class ComboBox;
class TextBox;

struct Placement {
    ComboBox* name = nullptr; // the free slot or line; none when every line is taken
    QString nameText;         // the name it gets
    std::vector<std::pair<TextBox*, QString>> values; // then its values, in write order
    double weight = 0;                                // what the unit adds to the carried weight

    bool hasRoom() const { return name != nullptr; }
    // Writes the name and then the values. The unit was weighed whole beforehand: the boxes'
    // own load checks are held back.
    void write() const;
};

// The weapon and ammunition readers: the item file named by the detail window's name box of
// the kind, in the folder of the shop's lister, lines 1 to 7 (".arm"), 1 to 5 (".ard"), 1 and
// 2 (".mun"), each whole. Error 53 for a missing file or an empty name, 62 for a short file.
QStringList lisarme();
QStringList lisarmedist();
QStringList lismunition();

// A weapon or ammunition unit from its file's fields: the first free slot of its kind on the
// hero sheet takes the file's name and fields; with every slot taken, an equipment line takes
// the detail window's name and the weight rounded half to even.
Placement achetearme(const QStringList& fields);
Placement achetearmedist(const QStringList& fields);
Placement achetemunition(const QStringList& fields);

// A unit of the nine other kinds (4 to 12): an equipment line with the detail window's name
// and weight, rounded half to even; a plant weighs 0. Protections and clothing too: they are
// carried, not worn. Any other kind is nowhere to place: no name.
Placement acheteobjet(int kind);

// The first free equipment line for `nomachat`, its weight box getting `poidsachat` (a whole
// number); no room when all twenty-four are taken.
Placement rangeequipement(const QString& nomachat, double poidsachat);

// What a confirmation buys: the kind selected in the shop and, for weapons and ammunition,
// the fields of the item's file, read once before the first unit is paid.
struct Article {
    int kind = 0;
    QStringList fields;
};

// Reads the article of a kind. A missing file, or no name to place, shows "Objet inexistant
// dans le répertoire des Objet." and its two further lines; a file that ends early, the
// warning of an incorrect item. None then.
std::optional<Article> lisarticle(int kind);

// Where the next unit of the article goes, by the kind: achetearme, achetearmedist,
// achetemunition, or acheteobjet for every other kind.
Placement placement(const Article& article);

// "Vous ne pouvez plus rien acheter." / "   Vous n'avez plus de place !"
void plusDePlace();
