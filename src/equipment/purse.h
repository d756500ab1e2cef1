#pragma once
// The purse, held twice: the four coin boxes of `attrib` and the four of `equip`. While a hero
// is loaded, a change of a coin box on either sheet is weighed with that sheet's coins, undone
// with "Charge maximum dépassée !" when it takes the hero over the load limit (or is too large
// to weigh), and otherwise copied, every digit of its number, into the twin box of the other
// sheet, whose handling copies it back. The exchange stops because writing the text a box
// already holds is no change; on the way a count written by code is tidied on both sheets ("" or
// "abc" as "0", "5abc" as "5"). A box the user is typing in keeps his text, the twin following
// key by key, and is tidied so when he leaves it.
#include "common/money.h"

#include <array>

class TextBox;

namespace purse {

enum class Coin { Or, Argent, Bronze, Cuivre };
inline constexpr std::array<Coin, 4> coins = {Coin::Or, Coin::Argent, Coin::Bronze, Coin::Cuivre};

enum class Sheet { Attrib, Equip };

TextBox* coinBox(Sheet sheet, Coin coin);

// The box of `coin` among one sheet's four coin boxes.
TextBox* boxOf(Coin coin, TextBox* gold, TextBox* silver, TextBox* bronze, TextBox* copper);

// The `piecesor_Change` .. `piecescuivre_Change` handling of either sheet.
void coinChanged(Sheet sheet, Coin coin);
// The user leaves a coin box he typed in: it shows the count it reads as.
void coinLeft(Sheet sheet, Coin coin);

// A sheet's four coin boxes as counts, or to cuivre; none when one is beyond whole coins.
std::optional<money::Counts> counts(Sheet sheet);

// Writes a purse into the four coin boxes of both sheets as one operation: the boxes' own load
// checks and mirror wait, the writer having weighed the purse already. An empty box gets "0".
void writeBothSheets(const money::Counts& counts);

} // namespace purse
