#pragma once
// The hidden game's module variables: the three clicks of the skills sheet that open it, the
// difficulty chosen on the start window, and the current game's score and points per meal.
// Counts are wide so that nothing overflows.

namespace modsnake {

inline bool clicsnake1 = false;   // " Combat à mains nues" was clicked
inline bool clicsnake2 = false;   // " Combat à distance" was clicked
inline bool clicsnake3 = false;   // " Escalade" was clicked
inline long long niveausnake = 0; // 0 "Facile", 1 "Moyen", 2 "Difficile"
inline long long scoresnake = 0;
inline long long pointsrepas = 0;

// Forgets the three clicks: the game opens again only after all three are made anew.
void clearMarks();

// Back to the start-up values (tests, and a new program run).
void reset();

} // namespace modsnake
