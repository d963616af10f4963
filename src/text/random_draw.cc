// rand() scaled to the 15-bit range the puzzle formulas are written for.
#include "text/random_draw.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace haravoija {

int drawRandom() {
  const std::int64_t value = static_cast<std::int64_t>(std::rand()) * 32768 /
                             (static_cast<std::int64_t>(RAND_MAX) + 1);
  return static_cast<int>(value);
}

void seedFromClock() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

}  // namespace haravoija
