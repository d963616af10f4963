// How the next puzzle is made: kept between puzzles made from the same words.
#ifndef HARAVOIJA_APP_PUZZLE_SETTINGS_H_
#define HARAVOIJA_APP_PUZZLE_SETTINGS_H_

#include "puzzle/generation.h"

namespace haravoija {

// The largest row or column count the user may ask for.
inline constexpr int kMaxGridSide = 1000;

struct PuzzleSettings {
  // Words only rightwards and downwards.
  bool children = false;
  // Smallest grid that holds every word, or rows x columns.
  Sizing sizing = Sizing::kSmallest;
  // Used only with Sizing::kFixed; both 1..kMaxGridSide.
  int rows = 1;
  int columns = 1;
};

}  // namespace haravoija

#endif  // HARAVOIJA_APP_PUZZLE_SETTINGS_H_
