// How the next puzzle is made: kept between puzzles made from the same words.
#ifndef HARAVOIJA_APP_PUZZLE_SETTINGS_H_
#define HARAVOIJA_APP_PUZZLE_SETTINGS_H_

#include "puzzle/generation.h"
#include "text/limits.h"

namespace haravoija {

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
