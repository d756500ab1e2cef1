#include "common/itemrecord.h"

#include "common/itemkinds.h"
#include "common/shared.h"
#include "common/textfile.h"
#include "common/textnum.h"

#include <QRegularExpression>
#include <cmath>

namespace itemrecord {
namespace {

const char* const pointsImpact = "Points d'impact";

// A box of at most `length` characters, which centres its text.
Field shortBox(const char* name, const char* label, const char* tooltip, int length, int row = 0,
               const char* after = nullptr) {
    return {name, label, tooltip, BoxShape::Text, length, true, row, after};
}
Field text(const char* name, const char* label, int row = 0, bool centred = false) {
    return {name, label, nullptr, BoxShape::Text, 0, centred, row};
}
Field memo(const char* name, const char* label, int row = 0) {
    return {name, label, nullptr, BoxShape::Memo, 0, false, row};
}
Field weight(int row = 0) {
    return shortBox("poids", "Poids", nullptr, 4, row);
}
Field price(int row = 0) {
    return shortBox("prix", "Prix", nullptr, 4, row);
}
Field unit(int row = 0) {
    return {"up", "U.P.", "Unité de Prix", BoxShape::Unit, 0, false, row};
}
const Field name = {"nom", "Nom", nullptr, BoxShape::Name};
Field shopNamed(Field field, const char* shopName) {
    field.shopName = shopName;
    return field;
}

// Kinds whose files have the same lines.
const std::vector<Field> weighed = {name, weight(), price(), unit()};
const std::vector<Field> described = {name, memo("description", "Description"), weight(), price(),
                                      unit()};
const std::vector<Field> brewed = {name,
                                   memo("effets", "Effets"),
                                   text("debut", "Début"),
                                   text("duree", "Durée", 1),
                                   memo("symptomes", "Symptômes", 1),
                                   weight(1),
                                   price(1),
                                   unit(1)};

} // namespace

const std::array<Kind, 12>& kinds() {
    static const std::array<Kind, 12> table = {{
        {1,
         "arm",
         "Armes de mélée",
         "Armes de mélée",
         {name, shortBox("at", "AT", "Attaque", 2), shortBox("par", "PAR", "Parade", 2),
          shortBox("fr", "FR", "Facteur de Rupture", 2),
          shortBox("pi1", "PI1", pointsImpact, 2, 0, "D6+"),
          shortBox("pi2", "PI2", pointsImpact, 2), weight(), price(), unit()}},
        {2,
         "ard",
         "Armes à distance",
         "Armes à distance",
         // Only the melee row's impact boxes explain themselves.
         {name, shortBox("pi1", "PI1", nullptr, 2, 0, "D6+"), shortBox("pi2", "PI2", nullptr, 2),
          shortBox("portee", "Portée", nullptr, 4), weight(), price(), unit()}},
        {3,
         "mun",
         "Munitions",
         "Munitions",
         {name, weight(), shortBox("quantite", "Quantité", nullptr, 2), price(), unit()}},
        {4,
         "pro",
         "Protection",
         "Protection",
         {name, shortBox("prot", "Prot", "Protection", 2),
          shortBox("malus", "Malus AD", "Malus d'Adresse", 2), weight(), price(), unit()},
         "Protections"},
        {5, "hab", "Habillement", "Habillement", weighed},
        {6, "prv", "Provisions", "Provisions", weighed},
        {7,
         "pla",
         "Plantes",
         "Plantes",
         {name, text("partie", "Partie utilisée"),
          shopNamed(text("preparation", "Préparation", 1), "prepa"),
          text("origine", "Lieu d'origine"), memo("effets", "Effets", 1),
          text("frequence", "Fréquence", 1, true), price(1), unit(1)}},
        {8, "pot", "Potions", "Potions", brewed},
        {9, "poi", "Poisons", "Poisons", brewed},
        {10, "equ", "Equipement", "Equipement", weighed},
        {11, "bij", "Bijoux et joyaux", "Bijoux et Joyaux", described},
        {12, "liv", "Livres et parchemins", "Livres et Parchemins", described,
         "Livres et Parchemins"},
    }};
    return table;
}

const Kind& kind(int number) {
    return kinds().at(static_cast<std::size_t>(number - 1));
}

bool Kind::tall() const {
    for (const Field& field : lines)
        if (field.row > 0) return true;
    return false;
}

QString Kind::extension() const {
    return itemkinds::extension.at(number);
}

QString Kind::pattern() const {
    return u'*' + extension();
}

QString Kind::frame() const {
    return u'f' + QString::fromUtf8(option);
}

QString Kind::boxName(const Field& field) const {
    return frame() + QString::fromUtf8(field.name);
}

QString Kind::shopBoxName(const Field& field) const {
    return frame() + QString::fromUtf8(field.shopName ? field.shopName : field.name);
}

QString Kind::shopOptionCaption() const {
    return QString::fromUtf8(shopCaption ? shopCaption : optionCaption);
}

QStringList read(const QString& drivePath, int count) {
    TextInput file(drivePath);
    QStringList lines;
    while (lines.size() < count && !file.eof())
        lines << file.lineInput();
    return lines;
}

void write(const QString& drivePath, const QStringList& values) {
    TextOutput file(drivePath);
    for (const QString& value : values)
        file.printLine(oneLine(value));
    file.commit();
}

const QStringList& priceUnits() {
    static const QStringList units = {QStringLiteral("PO"), QStringLiteral("PA"),
                                      QStringLiteral("PB"), QStringLiteral("PC")};
    return units;
}

bool isPriceUnit(const QString& unit) {
    return priceUnits().contains(unit);
}

QString oneLine(QString value) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    return value.replace(lineBreak, QStringLiteral(" "));
}

QStringList readLines(TextInput& file, int count) {
    QStringList lines;
    for (int line = 1; line <= count; ++line) {
        lines << file.lineInput();
        shared::objetligne[line] = lines.back();
    }
    return lines;
}

QString Record::weight() const {
    const int at = itemkinds::weightLine(kind);
    return at == 0 ? QStringLiteral("0") : line(at);
}

QString Record::price() const {
    return line(itemrecord::kind(kind).priceLine());
}

QString Record::unit() const {
    return line(itemrecord::kind(kind).unitLine());
}

Record readRecord(TextInput& file, int number) {
    return Record{number, readLines(file, kind(number).lineCount())};
}

bool isPrice(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[ \\t]*[+-]?([0-9]|\\.[0-9])"));
    // Far beyond any coin, yet far below the largest double: a four-digit quantity, a margin
    // and a thousand coppers to the gold piece all stay finite.
    constexpr double largest = 1e290;
    return number.match(text).hasMatch() && std::abs(textnum::val(text)) < largest;
}

} // namespace itemrecord
