// The number prompts for a fixed grid size: parsing and asking.
#ifndef HARAVOIJA_APP_NUMBER_ANSWER_H_
#define HARAVOIJA_APP_NUMBER_ANSWER_H_

#include <optional>
#include <string_view>

#include "app/console.h"

namespace haravoija {

// The count in `line` when the line is: optional leading white space, an
// optional "+" or "-", one or more decimal digits and nothing after them,
// with a value from 1 to kMaxGridSide. Nothing otherwise; a line of any number of
// digits is handled without overflow.
[[nodiscard]] std::optional<int> parseGridSide(std::string_view line);

enum class GridSide { kRows, kColumns };

// Asks for the row or column count until a line passes parseGridSide; each
// refused line gets its two error lines. Nothing at the end of input.
[[nodiscard]] std::optional<int> askGridSide(GridSide side, Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_APP_NUMBER_ANSWER_H_
