// The generation run: from a word list to a grid, at the smallest size that
// holds every word or at a fixed size that may leave words out.
#ifndef HARAVOIJA_PUZZLE_GENERATION_H_
#define HARAVOIJA_PUZZLE_GENERATION_H_

#include <string>
#include <string_view>
#include <vector>

#include "puzzle/grid.h"
#include "text/console.h"

namespace haravoija {

enum class Sizing { kSmallest, kFixed };

struct BuildResult {
  enum class Status {
    kBuilt,    // the grid holds the placed words
    kNoWords,  // nothing was done: a run needs at least one word
  };
  Status status = Status::kBuilt;
  // Words a fixed size had to leave out, in list order (and any word of
  // fewer than two letters, which fits nowhere).
  std::vector<std::string> unplacedWords;
  // Passes over the word list (strict and tolerant attempts; the size
  // estimate is not counted).
  int attempts = 0;
};

// Runs the generation on `grid` (created by the caller at rows x columns for
// a fixed size, 1 x 1 for the smallest; the run resets it to that size
// itself, a fixed count below 1 counting as 1). Prints its two opening lines
// when it runs. With an empty word list it prints nothing, leaves the grid
// alone and returns kNoWords.
[[nodiscard]] BuildResult buildGrid(Grid& grid, const std::vector<std::string>& words,
                                    bool children, Sizing sizing, int rows, int columns,
                                    Console& console);

// The same run with every placement made by `place` (placeWord or an
// equivalent) instead of the run's own placement engine, which a null
// `place` selects (for comparing placement implementations).
using PlaceFunction = bool (*)(Grid& grid, std::string_view word, bool children);
[[nodiscard]] BuildResult buildGridWith(Grid& grid, const std::vector<std::string>& words,
                                        bool children, Sizing sizing, int rows, int columns,
                                        Console& console, PlaceFunction place);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_GENERATION_H_
