// The placement scan and generation run written out plainly: the yardstick for the fast ones.
#ifndef HARAVOIJA_TESTS_REFERENCE_MODEL_H_
#define HARAVOIJA_TESTS_REFERENCE_MODEL_H_

#include <string>
#include <string_view>
#include <vector>

#include "env/random_source.h"
#include "puzzle/generation.h"
#include "puzzle/grid.h"

namespace haravoija::testing {

// Places the word by the exhaustive scan with the program's draws; false (grid unchanged) when
// it fits nowhere.
bool referencePlaceWord(Grid& grid, std::string_view word, bool children, RandomSource& random);

struct ReferenceRun {
  std::vector<std::string> unplacedWords;
  int attempts = 0;
};

// The generation run on the caller's grid; the words must all fit some grid.
ReferenceRun referenceBuildGrid(Grid& grid, const std::vector<std::string>& words, bool children,
                                Sizing sizing, int rows, int columns, RandomSource& random);

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_REFERENCE_MODEL_H_
