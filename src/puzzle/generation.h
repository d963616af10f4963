// The generation run: from a word list to a grid, at the smallest size that
// holds every word or at a fixed size that may leave words out.
#ifndef HARAVOIJA_PUZZLE_GENERATION_H_
#define HARAVOIJA_PUZZLE_GENERATION_H_

#include <string>
#include <vector>

#include "env/random_source.h"
#include "puzzle/grid.h"
#include "puzzle/placer_options.h"

namespace haravoija {

enum class Sizing { kSmallest, kFixed };

struct BuildResult {
  enum class Status {
    kBuilt,    // the grid holds the placed words
    kNoWords,  // nothing was done: a run needs at least one word
  };
  Status status = Status::kBuilt;
  // Words a fixed size had to leave out, in list order (and any word that
  // fits no grid at all, such as one of a single letter).
  std::vector<std::string> unplacedWords;
  // Passes over the word list (strict and tolerant attempts; the size
  // estimate is not counted).
  int attempts = 0;
  // The cost of the placements, the size estimate's included.
  PlacerStats placement;
};

// Runs the generation on `grid`, placing the words in list order: at
// rows x columns for a fixed size (a count below 1 counts as 1), or at the
// smallest size that holds them all, found by an estimate and a search that
// grows the grid. Every draw comes from `random`. With an empty word list it
// leaves the grid alone, draws nothing and returns kNoWords. The options
// say how many threads share a large scan; the grid is the same either way.
[[nodiscard]] BuildResult buildGrid(Grid& grid, const std::vector<std::string>& words,
                                    bool children, Sizing sizing, int rows, int columns,
                                    RandomSource& random, PlacerOptions options = {});

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_GENERATION_H_
