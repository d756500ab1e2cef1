#pragma once
// `changemonnaie`: the upward coin change of `equip`'s purse, cuivre into bronze, bronze into
// argent, argent into or. Each step leaves the lower coin's remainder (empty when none) and
// adds the carried coins to the upper box, which is written even when nothing is carried.
// The remainder keeps the count's sign and fraction, so a negative or fractional purse keeps
// its worth exactly; a step that could not (a count beyond whole coins) is left undone. With a
// hero loaded, each step is weighed as one change: over the load limit it is refused whole,
// with one "Charge maximum dépassée !", and otherwise both sheets show it.
void changemonnaie();
