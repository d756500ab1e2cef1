#pragma once
// Copies the hero's name and values from the hero sheet into the tool windows, which work on
// these copies only. Called after every change of a copied value and before a tool window
// opens. A tool window not loaded yet is created hidden.
void transfertheros();

class Perso;
// The hero sheet's fields and options that have no work of their own besides the copy.
void wireTransfertheros(Perso& sheet);
