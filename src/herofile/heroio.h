#pragma once
// The saved heroes as the hero sheet offers them: saving the three sheets into the heroes'
// folder, the list of saved heroes in `perso.nom`, reading one back, and choosing the folder.

// Fills the list of `perso.nom` with the heroes of the heroes' folder; the name typed stays.
void remplitheros();

// "Sauvegarder": writes the hero as the heroes' folder + `nom` + ".af".
void sauvegardeHeros();

// Choosing a hero in `perso.nom`: reads its file into the three sheets.
void chargeHeros();

// "Répertoire des personnages": opens the hero-folder dialog on the current folder.
void ouvreRepertoireHeros();

// The dialog's "Ok": keeps the folder, writes the settings file and lists its heroes.
void repertoireHerosChoisi();
