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

Field name(const char* box) {
    return {box, "Nom", nullptr, BoxShape::Name};
}
Field unit(const char* box, int row = 0) {
    return {box, "U.P.", "Unité de Prix", BoxShape::Unit, 0, false, row};
}
// A box of at most `length` characters, which centres its text.
Field shortBox(const char* box, const char* label, const char* tooltip, int length, int row = 0,
               const char* after = nullptr) {
    return {box, label, tooltip, BoxShape::Text, length, true, row, after};
}
Field weight(const char* box, int row = 0) {
    return shortBox(box, "Poids", nullptr, 4, row);
}
Field price(const char* box, int row = 0) {
    return shortBox(box, "Prix", nullptr, 4, row);
}
Field text(const char* box, const char* label, int row = 0, bool centred = false) {
    return {box, label, nullptr, BoxShape::Text, 0, centred, row};
}
Field memo(const char* box, const char* label, int row = 0) {
    return {box, label, nullptr, BoxShape::Memo, 0, false, row};
}
Field shopNamed(Field field, const char* shopBox) {
    field.shopBox = shopBox;
    return field;
}

} // namespace

const std::array<Kind, 12>& kinds() {
    static const std::array<Kind, 12> table = {{
        {1,
         "arm",
         "Armes de mélée",
         "farm",
         "Armes de mélée",
         {name("farmnom"), shortBox("farmat", "AT", "Attaque", 2),
          shortBox("farmpar", "PAR", "Parade", 2),
          shortBox("farmfr", "FR", "Facteur de Rupture", 2),
          shortBox("farmpi1", "PI1", pointsImpact, 2, 0, "D6+"),
          shortBox("farmpi2", "PI2", pointsImpact, 2), weight("farmpoids"), price("farmprix"),
          unit("farmup")}},
        {2,
         "ard",
         "Armes à distance",
         "fard",
         "Armes à distance",
         {name("fardnom"), shortBox("fardpi1", "PI1", pointsImpact, 2, 0, "D6+"),
          shortBox("fardpi2", "PI2", pointsImpact, 2), shortBox("fardportee", "Portée", nullptr, 4),
          weight("fardpoids"), price("fardprix"), unit("fardup")}},
        {3,
         "mun",
         "Munitions",
         "fmun",
         "Munitions",
         {name("fmunnom"), weight("fmunpoids"), shortBox("fmunquantite", "Quantité", nullptr, 2),
          price("fmunprix"), unit("fmunup")}},
        {4,
         "pro",
         "Protection",
         "fpro",
         "Protection",
         {name("fpronom"), shortBox("fproprot", "Prot", "Protection", 2),
          shortBox("fpromalus", "Malus AD", "Malus d'Adresse", 2), weight("fpropoids"),
          price("fproprix"), unit("fproup")},
         "Protections"},
        {5,
         "hab",
         "Habillement",
         "fhab",
         "Habillement",
         {name("fhabnom"), weight("fhabpoids"), price("fhabprix"), unit("fhabup")}},
        {6,
         "prv",
         "Provisions",
         "fprv",
         "Provisions",
         {name("fprvnom"), weight("fprvpoids"), price("fprvprix"), unit("fprvup")}},
        {7,
         "pla",
         "Plantes",
         "fpla",
         "Plantes",
         {name("fplanom"), text("fplapartie", "Partie utilisée"),
          shopNamed(text("fplapreparation", "Préparation", 1), "fplaprepa"),
          text("fplaorigine", "Lieu d'origine"), memo("fplaeffets", "Effets", 1),
          text("fplafrequence", "Fréquence", 1, true), price("fplaprix", 1), unit("fplaup", 1)}},
        {8,
         "pot",
         "Potions",
         "fpot",
         "Potions",
         {name("fpotnom"), memo("fpoteffets", "Effets"), text("fpotdebut", "Début"),
          text("fpotduree", "Durée", 1), memo("fpotsymptomes", "Symptômes", 1),
          weight("fpotpoids", 1), price("fpotprix", 1), unit("fpotup", 1)}},
        {9,
         "poi",
         "Poisons",
         "fpoi",
         "Poisons",
         {name("fpoinom"), memo("fpoieffets", "Effets"), text("fpoidebut", "Début"),
          text("fpoiduree", "Durée", 1), memo("fpoisymptomes", "Symptômes", 1),
          weight("fpoipoids", 1), price("fpoiprix", 1), unit("fpoiup", 1)}},
        {10,
         "equ",
         "Equipement",
         "fequ",
         "Equipement",
         {name("fequnom"), weight("fequpoids"), price("fequprix"), unit("fequup")}},
        {11,
         "bij",
         "Bijoux et joyaux",
         "fbij",
         "Bijoux et Joyaux",
         {name("fbijnom"), memo("fbijdescription", "Description"), weight("fbijpoids"),
          price("fbijprix"), unit("fbijup")}},
        {12,
         "liv",
         "Livres et parchemins",
         "fliv",
         "Livres et Parchemins",
         {name("flivnom"), memo("flivdescription", "Description"), weight("flivpoids"),
          price("flivprix"), unit("flivup")},
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

bool isPriceUnit(const QString& unit) { return priceUnits().contains(unit); }

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
