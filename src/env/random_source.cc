// rand() scaled to the 15-bit range the puzzle formulas are written for.
#include "env/random_source.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace haravoija {

int PlatformRandom::draw() {
  const std::int64_t value = static_cast<std::int64_t>(std::rand()) * (kRandomMax + 1) /
                             (static_cast<std::int64_t>(RAND_MAX) + 1);
  return static_cast<int>(value);
}

void PlatformRandom::seedFromClock() { std::srand(static_cast<unsigned>(std::time(nullptr))); }

}  // namespace haravoija
