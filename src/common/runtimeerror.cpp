#include "common/runtimeerror.h"

QString RuntimeError::describe(int number) {
    switch (number) {
    case 6: return QStringLiteral("Dépassement de capacité");
    case 9: return QStringLiteral("L'indice n'appartient pas à la sélection");
    case 11: return QStringLiteral("Division par zéro");
    case 13: return QStringLiteral("Type incompatible");
    case 52: return QStringLiteral("Nom ou numéro de fichier incorrect");
    case 53: return QStringLiteral("Fichier introuvable");
    case 62: return QStringLiteral("L'entrée dépasse la fin de fichier");
    case 68: return QStringLiteral("Périphérique non disponible");
    case 75: return QStringLiteral("Erreur d'accès au chemin/fichier");
    case 76: return QStringLiteral("Chemin d'accès introuvable");
    default: return QStringLiteral("Erreur d'exécution %1").arg(number);
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, describe(number)) {}

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}
