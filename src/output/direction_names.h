// What the answer keys call each direction: the JSON's compass name, the key
// page's arrow and the console key's Finnish words.
#ifndef HARAVOIJA_OUTPUT_DIRECTION_NAMES_H_
#define HARAVOIJA_OUTPUT_DIRECTION_NAMES_H_

#include <string_view>

#include "puzzle/direction.h"

namespace haravoija {

struct DirectionNames {
  // N NE E SE S SW W NW, N being up.
  std::string_view compass;
  // The arrow pointing that way, UTF-8.
  std::string_view arrow;
  // The direction from the solver's point of view ("alas oikealle"), CP850.
  std::string_view words;
};

DirectionNames directionNames(Direction direction);

}  // namespace haravoija

#endif  // HARAVOIJA_OUTPUT_DIRECTION_NAMES_H_
