// Numbered menus: the item lines, then a prompt that takes only a listed digit.
#ifndef HARAVOIJA_APP_MENU_H_
#define HARAVOIJA_APP_MENU_H_

#include <optional>
#include <span>
#include <string_view>

#include "app/console.h"

namespace haravoija {

// Prints `lines`, then prompts until a line is exactly one digit from "1" to
// the digit `choices` (1..9); any other line gets the bare prompt again.
// Returns the digit's value, or nothing at the end of input.
[[nodiscard]] std::optional<int> askMenu(std::span<const std::string_view> lines, int choices,
                                         Console& console);

// The difficulty menu: 1 normal, 2 children's puzzle.
[[nodiscard]] std::optional<int> askDifficulty(Console& console);
// The size menu: 1 smallest grid, 2 a size the user gives.
[[nodiscard]] std::optional<int> askSizing(Console& console);
// The end menu: 1 save, 2 new puzzle, 3 new puzzle with the same settings,
// 4 start over, 5 quit.
[[nodiscard]] std::optional<int> askEndChoice(Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_MENU_H_
