#include "skills/grouprows.h"

using namespace Qt::StringLiterals;

namespace skills::rows {

std::vector<SkillRow> survie() {
    using enum Characteristic;
    const auto g = Group::Survie;
    const SkillId orientation{g, 1};

    return {
        {.id = orientation,
         .caption = u" Orientation"_s,
         .minimums = {{Intelligence, 10}, {Adresse, 10}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10."_s,
         .typeCategories = byType(1, 1, 1, 3, 1, 1, 1, 2, 2),
         .deityCategories = {1, 2, 2, 2, 2, 2, 1, 3, 2, 2, 3, 3}},
        {.id = {g, 2},
         .caption = u" Cartographie"_s,
         .minimums = {{Intelligence, 10}, {Adresse, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 12."_s,
         .cap = Cap{orientation, u"L'Aptitude Cartographie ne peut pas être supérieure à "
                                 u"l'Orientation."_s},
         .typeCategories = byType(2, 1, 1, 3, 3, 3, 1, 2, 2),
         .deityCategories = {2, 1, 3, 3, 2, 1, 1, 3, 2, 3, 2, 3}},
        {.id = {g, 3},
         .caption = u" Découvrir des chemins"_s,
         .minimums = {{Intelligence, 11}, {Adresse, 10}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 10."_s,
         .cap = Cap{orientation, u"L'Aptitude Découverte des chemins ne peut pas être "
                                 u"supérieure à l'Orientation."_s},
         .typeCategories = byType(2, 1, 1, 3, 1, 2, 1, 2, 2),
         .deityCategories = {2, 1, 2, 3, 2, 2, 1, 3, 1, 3, 2, 3}},
        {.id = {g, 4},
         .caption = u" Connaitre les plantes"_s,
         .minimums = {{Intelligence, 11}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 11."_s,
         .typeCategories = byType(3, 3, 2, 2, 2, 1, 1, 1, 2),
         .deityCategories = {3, 3, 3, 2, 1, 1, 1, 2, 3, 1, 2, 2}},
        {.id = {g, 5},
         .caption = u" Détection des dangers"_s,
         .minimums = {{Intelligence, 10}, {Adresse, 11}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 11."_s,
         .typeCategories = byType(2, 1, 2, 3, 3, 2, 1, 1, 2),
         .deityCategories = {3, 2, 3, 2, 1, 2, 1, 3, 2, 2, 1, 3}},
        {.id = {g, 6},
         .caption = u" Prévision du temps"_s,
         .minimums = {{Intelligence, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12."_s,
         .typeCategories = byType(2, 3, 1, 3, 3, 2, 1, 1, 2),
         .deityCategories = {3, 2, 1, 2, 3, 1, 1, 2, 3, 1, 3, 2}},
        // The message names the bounds that the raise tests.
        {.id = {g, 7},
         .caption = u" Découverte de nourriture"_s,
         .minimums = {{Intelligence, 11}, {Adresse, 11}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 11."_s,
         .typeCategories = byType(2, 2, 2, 3, 2, 1, 1, 1, 2),
         .deityCategories = {2, 1, 2, 3, 2, 3, 1, 3, 2, 1, 3, 2}},
        {.id = {g, 8},
         .caption = u" Poser des pièges"_s,
         .minimums = {{Intelligence, 10}, {Adresse, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 12."_s,
         .typeCategories = byType(2, 2, 1, 3, 3, 2, 1, 2, 2),
         .deityCategories = {3, 2, 3, 3, 2, 3, 1, 2, 2, 3, 1, 3}},
        {.id = {g, 9},
         .caption = u" Pistage"_s,
         .minimums = {{Intelligence, 11}, {Adresse, 10}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 10."_s,
         .typeCategories = byType(3, 2, 1, 3, 1, 2, 1, 2, 2),
         .deityCategories = {3, 1, 3, 3, 2, 3, 1, 3, 2, 3, 2, 3}},
        {.id = {g, 10},
         .caption = u" Connaissance des animaux"_s,
         .minimums = {{Courage, 10}, {Charisme, 10}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Courage = 10 ; Charisme = 10."_s,
         .cap = Cap{Courage, u"L'Aptitude Connaissance des animaux ne peut pas être supérieure "
                             u"au Courage."_s},
         .typeCategories = byType(2, 2, 3, 3, 2, 1, 1, 1, 2),
         .deityCategories = {1, 2, 2, 2, 2, 1, 1, 2, 3, 1, 2, 2}},
        // The message names the bounds that the raise tests.
        {.id = {g, 11},
         .caption = u" Dressage"_s,
         .minimums = {{Courage, 12}, {Charisme, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Courage = 12 ; Charisme = 12."_s,
         .cap = Cap{Courage, u"L'Aptitude Dressage ne peut pas être supérieure au Courage."_s},
         .typeCategories = byType(1, 3, 3, 3, 1, 1, 1, 2, 2),
         .deityCategories = {3, 2, 2, 3, 3, 2, 1, 2, 3, 2, 2, 3}},
        {.id = {g, 12},
         .caption = u" Sixième sens"_s,
         .typeCategories = byType(1, 1, 1, 2, 2, 3, 1, 3, 2),
         .deityCategories = {2, 1, 3, 2, 2, 3, 2, 3, 2, 2, 1, 2}},
        {.id = {g, 13},
         .caption = u" Identification des odeurs, saveurs"_s,
         .typeCategories = byType(2, 3, 2, 1, 3, 2, 1, 3, 2),
         .deityCategories = {3, 2, 3, 2, 1, 3, 3, 3, 2, 1, 2, 2}},
    };
}

} // namespace skills::rows
