// The one source of random numbers: every draw of the program goes through
// drawRandom(), so that a given srand seed fixes every puzzle byte for byte.
#ifndef HARAVOIJA_TEXT_RANDOM_DRAW_H_
#define HARAVOIJA_TEXT_RANDOM_DRAW_H_

namespace haravoija {

// The largest value drawRandom() yields.
inline constexpr int kRandomMax = 32767;

// One value of the platform's rand() scaled to 0..32767 (the top 15 bits
// where RAND_MAX is 2^31-1; rand() itself where RAND_MAX is 32767).
int drawRandom();

// Seeds the generator with the current calendar time.
void seedFromClock();

}  // namespace haravoija

#endif  // HARAVOIJA_TEXT_RANDOM_DRAW_H_
