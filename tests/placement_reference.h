// A plain version of the placement scan kept by the tests as the yardstick
// for the program's placement: every start, every direction, no shortcuts.
#ifndef HARAVOIJA_TESTS_PLACEMENT_REFERENCE_H_
#define HARAVOIJA_TESTS_PLACEMENT_REFERENCE_H_

#include <string_view>

#include "puzzle/grid.h"

namespace haravoija::testing {

// Places the word as the program's placeWord must: same draws, same choice.
bool referencePlaceWord(Grid& grid, std::string_view word, bool children);

}  // namespace haravoija::testing

#endif  // HARAVOIJA_TESTS_PLACEMENT_REFERENCE_H_
