#pragma once
// `changemonnaie`: the upward coin change of `equip`'s purse, cuivre into bronze, bronze into
// argent, argent into or. Each step leaves the lower coin's remainder (empty when none) and
// adds the carried coins to the upper box, which is written even when nothing is carried.
// Counts are rounded half to even first; the remainder keeps the count's sign, so a negative
// or fractional purse keeps its worth.
void changemonnaie();
