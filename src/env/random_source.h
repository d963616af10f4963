// Where chance comes from: every random draw of the program goes through a
// RandomSource, so that a test can hand in a known sequence of draws and the
// program's own source, seeded alike, gives the same puzzle byte for byte.
#ifndef HARAVOIJA_ENV_RANDOM_SOURCE_H_
#define HARAVOIJA_ENV_RANDOM_SOURCE_H_

namespace haravoija {

// The largest value a draw yields; every formula that scales a draw is
// written for values 0..kRandomMax.
inline constexpr int kRandomMax = 32767;

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // One value from 0 to kRandomMax.
  virtual int draw() = 0;
  // Starts a new sequence from the current calendar time.
  virtual void seedFromClock() = 0;
};

// The platform's rand(), scaled to 0..kRandomMax (the top 15 bits where
// RAND_MAX is 2^31-1, rand() itself where it is 32767), seeded with srand.
class PlatformRandom final : public RandomSource {
 public:
  int draw() override;
  void seedFromClock() override;
};

}  // namespace haravoija

#endif  // HARAVOIJA_ENV_RANDOM_SOURCE_H_
