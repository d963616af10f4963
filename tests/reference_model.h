// The placement scan and the generation run written out plainly, with no
// shortcut: the yardstick for the program's fast placement and its runs.
#ifndef HARAVOIJA_TESTS_REFERENCE_MODEL_H_
#define HARAVOIJA_TESTS_REFERENCE_MODEL_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "env/random_source.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"
#include "puzzle/placement.h"

namespace haravoija::testing {

// Places the word by the exhaustive scan, with the program's draws; the
// placement written, or nothing (grid unchanged).
std::optional<Placement> referencePlaceWord(Grid& grid, std::string_view word, bool children,
                                            RandomSource& random);

struct ReferenceRun {
  std::vector<std::string> unplacedWords;
  int attempts = 0;
  std::vector<Placement> placements;  // of grid.placedWords, in the same order
};

// The generation run on the caller's grid; the words must all fit some grid.
ReferenceRun referenceBuildGrid(Grid& grid, const std::vector<std::string>& words, bool children,
                                Sizing sizing, int rows, int columns, RandomSource& random);

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_REFERENCE_MODEL_H_
