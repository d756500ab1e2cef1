#pragma once
// What raising a skill by one costs, in points à répartir (`tablepoints`) and in silver
// pieces (`tableprix`), indexed [column 1..3][new value 1..18]. Column 1 is the cheapest.
// These are the game's fixed rules, so they are constant data rather than tables that
// `initcouts` fills at start-up; column 0 and new value 0 stay 0 and are never read.
#include <array>

namespace skills {

inline constexpr int maxSkillValue = 18;
using CostTable = std::array<std::array<int, maxSkillValue + 1>, 4>;

inline constexpr CostTable tablepoints = {{
    {},
    {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 5, 6, 6, 6},
    {0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 5, 6, 7, 7, 7, 8},
    {0, 1, 1, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6, 7, 7, 8, 9, 9, 10},
}};

inline constexpr CostTable tableprix = {{
    {},
    {0, 1, 5, 10, 15, 25, 35, 50, 65, 80, 100, 120, 145, 170, 200, 225, 260, 290, 330},
    {0, 2, 10, 20, 30, 50, 70, 100, 130, 160, 200, 240, 290, 340, 400, 450, 520, 580, 660},
    {0, 10, 20, 40, 60, 100, 140, 200, 260, 320, 400, 480, 580, 680, 800, 900, 1040, 1160, 1320},
}};

} // namespace skills
