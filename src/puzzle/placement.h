// Placing one word into the grid: the exhaustive scan that prefers crossings.
#ifndef HARAVOIJA_PUZZLE_PLACEMENT_H_
#define HARAVOIJA_PUZZLE_PLACEMENT_H_

#include <string_view>

#include "puzzle/grid.h"

namespace haravoija {

enum class Direction {
  kDownRight = 1,
  kUpRight = 2,
  kUpLeft = 3,
  kDownLeft = 4,
  kRight = 5,
  kDown = 6,
  kLeft = 7,
  kUp = 8,
};

struct Placement {
  int row = 0;
  int column = 0;
  Direction direction = Direction::kRight;
};

struct PlacementTest {
  bool fits = false;
  int sharedLetters = 0;
};

// Tests one placement; when it fits and `write` is set, writes the word
// upper-cased and appends it, as passed, to placedWords.
PlacementTest tryPlacement(Grid& grid, std::string_view word, Placement placement, bool write);

// Draws three random values and places the word where it shares the most
// letters (fewer than its length minus one), ties going to the first in scan
// order. False, with the grid unchanged, when no placement qualifies.
[[nodiscard]] bool placeWord(Grid& grid, std::string_view word, bool children);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_PLACEMENT_H_
