#include "catalogues/spellfile.h"

namespace spellfile {

const std::array<Field, lineCount>& fields() {
    static const std::array<Field, lineCount> table = {{
        {"sortsformule", BoxShape::List, "Label1", "Formule"},
        {"sortsformule2", BoxShape::Text, nullptr, nullptr},
        {"sortsliste", BoxShape::List, "Label2", "Classe"},
        {"sortsdieux", BoxShape::List, nullptr, nullptr},
        {"sortscout", BoxShape::Memo, "Label3", "Coût"},
        {"sortsportee", BoxShape::Memo, "Label4", "Portée"},
        {"sortsduree", BoxShape::Memo, "Label5", "Durée"},
        {"sortscondition", BoxShape::Memo, "lib1", "Condition"},
        {"sortsepreuve", BoxShape::Memo, "lib2", "    Epreuve  de prodige"},
        {"sortsrefus", BoxShape::Memo, "lib3", "Refus du miracle "},
        {"sortsdescription", BoxShape::Memo, "Label6", "Description et effets"},
        {"sortstechnique", BoxShape::Memo, "Label7", "Technique magique"},
    }};
    return table;
}

const QStringList& classes() {
    static const QStringList names = {QStringLiteral("Druide"), QStringLiteral("Elfe"),
                                      QStringLiteral("Elfe des Bois"), QStringLiteral("Magicien"),
                                      pretre};
    return names;
}

bool listed(const QString& classe, const QString& dieu, const QString& line3,
            const QString& line4) {
    if (classe == QStringLiteral("Magicien"))
        return line3 == QStringLiteral("Magicien") || line3 == QStringLiteral("Elfe");
    if (classe == pretre)
        return line3 == pretre && (dieu.isEmpty() || line4.isEmpty() || line4 == dieu);
    return line3 == classe;
}

} // namespace spellfile
