// The names of the eight directions, side by side.
#include "output/direction_names.h"

namespace haravoija {

DirectionNames directionNames(Direction direction) {
  switch (direction) {
    case Direction::kUp: return {"N", "\342\206\221", "yl\224s"};
    case Direction::kUpRight: return {"NE", "\342\206\227", "yl\224s oikealle"};
    case Direction::kRight: return {"E", "\342\206\222", "oikealle"};
    case Direction::kDownRight: return {"SE", "\342\206\230", "alas oikealle"};
    case Direction::kDown: return {"S", "\342\206\223", "alas"};
    case Direction::kDownLeft: return {"SW", "\342\206\231", "alas vasemmalle"};
    case Direction::kLeft: return {"W", "\342\206\220", "vasemmalle"};
    case Direction::kUpLeft: return {"NW", "\342\206\226", "yl\224s vasemmalle"};
  }
  return {"E", "\342\206\222", "oikealle"};
}

}  // namespace haravoija
