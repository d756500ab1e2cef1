#include "common/runtimeerror.h"

#include <cerrno>

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

QString RuntimeError::systemReason(int systemError) {
    switch (systemError) {
    case ENOSPC: return QStringLiteral("Disque plein");
    case EDQUOT: return QStringLiteral("Quota du disque dépassé");
    case EFBIG: return QStringLiteral("Fichier trop volumineux");
    case EACCES: return QStringLiteral("Permission refusée");
    case EPERM: return QStringLiteral("Opération non permise");
    case EROFS: return QStringLiteral("Disque en lecture seule");
    case EISDIR: return QStringLiteral("Un dossier porte ce nom");
    case ENOTDIR: return QStringLiteral("Un fichier porte le nom d'un dossier du chemin");
    case ENOENT: return QStringLiteral("Fichier ou dossier introuvable");
    case ENAMETOOLONG: return QStringLiteral("Nom trop long");
    case EIO: return QStringLiteral("Erreur de lecture ou d'écriture du disque");
    case EMFILE:
    case ENFILE: return QStringLiteral("Trop de fichiers ouverts");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("Fichier occupé");
    case ELOOP: return QStringLiteral("Trop de liens symboliques");
    case ENOMEM: return QStringLiteral("Mémoire insuffisante");
    default: return QStringLiteral("Erreur du système n° %1").arg(systemError);
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, describe(number)) {}

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

RuntimeError RuntimeError::onFile(int number, const QString& file, int systemError) {
    RuntimeError error(number);
    error.file_ = file;
    if (systemError != 0) error.reason_ = systemReason(systemError);
    return error;
}

QString RuntimeError::message() const {
    QString text = description_;
    for (const QString* line : {&file_, &reason_})
        if (!line->isEmpty()) text += QStringLiteral("\r\n") + *line;
    return text;
}
