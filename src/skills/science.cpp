#include "skills/grouprows.h"

using namespace Qt::StringLiterals;

namespace skills::rows {

std::vector<SkillRow> science() {
    using enum Characteristic;
    const auto g = Group::Science;
    const SkillId plantes{g, 3}, analyse{g, 11};

    return {
        {.id = {g, 1},
         .caption = u"  Lire et écrire"_s,
         .minimums = {{Intelligence, 12}, {Adresse, 10}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 10."_s,
         .typeCategories = byType(1, 2, 1, 1, 1, 2, 1, 3, 2),
         .deityCategories = {2, 3, 2, 1, 2, 1, 3, 2, 3, 1, 3, 2}},
        {.id = {g, 2},
         .caption = u" Soigner les blessures"_s,
         .minimums = {{Intelligence, 10}, {Adresse, 10}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 10 ; Adresse = 10."_s,
         .typeCategories = byType(1, 1, 2, 3, 2, 2, 1, 1, 2),
         .deityCategories = {3, 2, 1, 1, 3, 2, 2, 1, 2, 1, 3, 2}},
        {.id = {g, 3},
         .caption = u" Trouver des plantes médicinales"_s,
         .minimums = {{Intelligence, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12."_s,
         .typeCategories = byType(2, 3, 3, 2, 1, 1, 1, 1, 2),
         .deityCategories = {3, 3, 2, 3, 1, 2, 1, 1, 3, 1, 1, 3}},
        {.id = {g, 4},
         .caption = u" Neutraliser les poisons"_s,
         .minimums = {{Intelligence, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12."_s,
         .cap = Cap{plantes, u"L'Aptitude de Neutraliser les poisons ne peut pas être suprérieure "
                             u"à celle de Trouver des plantes médicinales."_s},
         .typeCategories = byType(2, 3, 3, 1, 3, 2, 1, 2, 2),
         .deityCategories = {3, 3, 2, 2, 1, 2, 2, 1, 1, 1, 2, 2}},
        {.id = {g, 5},
         .caption = u" Traiter les fièvres et les infections"_s,
         .minimums = {{Intelligence, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12."_s,
         .cap = Cap{plantes, u"L'Aptitude Traiter les fièvres et infections ne peut pas être "
                             u"supérieure à Trouver des plantes médicinales."_s},
         .typeCategories = byType(3, 3, 2, 1, 3, 2, 1, 1, 2),
         .deityCategories = {3, 3, 2, 1, 3, 2, 3, 1, 3, 1, 2, 2}},
        {.id = {g, 6},
         .caption = u" Connaissance des langues"_s,
         .minimums = {{Intelligence, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12."_s,
         .typeCategories = byType(1, 2, 1, 2, 1, 2, 1, 3, 2),
         .deityCategories = {1, 3, 2, 2, 3, 1, 3, 2, 1, 2, 3, 2}},
        {.id = {g, 7},
         .caption = u" Décoder"_s,
         .minimums = {{Intelligence, 13}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 13."_s,
         .cap = Cap{SkillId{g, 1},
                    u"L'Aptitude de Décodage ne peut pas être supérieure à l'Ecriture."_s},
         .typeCategories = byType(3, 3, 2, 2, 1, 1, 1, 3, 2),
         .deityCategories = {3, 3, 1, 3, 2, 2, 3, 2, 1, 3, 3, 3}},
        {.id = {g, 8},
         .caption = u" Connaitre la physique"_s,
         .minimums = {{Intelligence, 11}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 11."_s,
         .typeCategories = byType(1, 2, 1, 3, 3, 3, 1, 2, 2),
         .deityCategories = {2, 2, 2, 3, 3, 1, 3, 2, 1, 2, 1, 3}},
        {.id = {g, 9},
         .caption = u" Réparer les armes"_s,
         .minimums = {{Intelligence, 11}, {Adresse, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 11 ; Adresse = 12."_s,
         .cap = Cap{SkillId{g, 8}, u"L'Aptitude Réparer les armes ne peut pas être supérieure à "
                                   u"Physique élémentaire."_s},
         .typeCategories = byType(2, 1, 1, 3, 3, 3, 1, 3, 2),
         .deityCategories = {2, 1, 3, 3, 3, 2, 2, 3, 3, 3, 1, 3}},
        {.id = {g, 10},
         .caption = u" Connaitre l'alchimie"_s,
         .minimums = {{Intelligence, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12."_s,
         .typeCategories = byType(1, 3, 3, 1, 3, 1, 1, 3, 2),
         .deityCategories = {3, 3, 1, 2, 1, 1, 2, 1, 3, 1, 3, 2}},
        {.id = {g, 11},
         .caption = u" Pratiquer l'analyse alchimique"_s,
         .minimums = {{Intelligence, 12}, {Adresse, 13}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 13."_s,
         .cap = Cap{SkillId{g, 10}, u"L'Aptitude Analyse élémentaire ne peut pas être "
                                    u"supérieure à l'Alchimie élémentaire."_s},
         .typeCategories = byType(2, 3, 3, 1, 3, 1, 1, 3, 2),
         .deityCategories = {3, 3, 1, 2, 1, 1, 2, 1, 3, 1, 3, 2}},
        {.id = {g, 12},
         .caption = u" Préparer drogues et poisons"_s,
         .minimums = {{Intelligence, 12}, {Adresse, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 12."_s,
         .cap = Cap{analyse, u"L'Aptitude Confection de drogues et de poisons ne peut pas être "
                             u"supérieure à l'Analyse alchimique."_s},
         .typeCategories = byType(3, 3, 3, 1, 2, 2, 1, 2, 2),
         .deityCategories = {3, 3, 1, 2, 1, 1, 3, 2, 2, 1, 3, 1}},
        {.id = {g, 13},
         .caption = u" Préparer élixirs et médicaments"_s,
         .minimums = {{Intelligence, 12}, {Adresse, 12}},
         .minimumMessage = u"Valeurs minimum d'augmentation : Intelligence = 12 ; Adresse = 12."_s,
         .cap = Cap{analyse, u"L'Aptitude Préparation elixirs et contrepoisons ne peut pas être "
                             u"supérieure à l'Analyse alchimique."_s},
         .typeCategories = byType(3, 3, 3, 3, 2, 1, 1, 2, 2),
         .deityCategories = {3, 3, 1, 1, 2, 1, 3, 2, 3, 1, 3, 1}},
    };
}

} // namespace skills::rows
