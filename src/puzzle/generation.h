// The generation run: from a word list to a grid, at the smallest size that
// holds every word or at a fixed size that may leave words out.
#ifndef HARAVOIJA_PUZZLE_GENERATION_H_
#define HARAVOIJA_PUZZLE_GENERATION_H_

#include <string>
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
  // Words a fixed size had to leave out, in list order.
  std::vector<std::string> unplacedWords;
};

// Runs the generation on `grid` (created by the caller at rows x columns for
// a fixed size, 1 x 1 for the smallest). Prints its two opening lines when it
// runs. With an empty word list it prints nothing, leaves the grid alone and
// returns kNoWords.
[[nodiscard]] BuildResult buildGrid(Grid& grid, const std::vector<std::string>& words,
                                    bool children, Sizing sizing, int rows, int columns,
                                    Console& console);

}  // namespace haravoija

#endif  // HARAVOIJA_PUZZLE_GENERATION_H_
