// Compares the program's placement with the plain reference scan on random
// grids, words and seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "placement_reference.h"
#include "puzzle/placement.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

// Letters chosen so that random words often cross: few distinct letters,
// both cases, and a Finnish one.
const unsigned char kLetters[] = {'A', 'B', 'K', 0x8E /* Ä */, 'a', 'b', 'k', 0x84 /* ä */};

std::string randomWord(std::mt19937& gen, int length) {
  std::string word;
  std::uniform_int_distribution<int> pick(0, 7);
  for (int k = 0; k < length; ++k) word.push_back(static_cast<char>(kLetters[pick(gen)]));
  return word;
}

// A grid whose cells are empty with probability `emptyShare`, otherwise an
// upper-case letter of the test alphabet or, rarely, some other byte.
Grid randomGrid(std::mt19937& gen, int rows, int columns, double emptyShare) {
  Grid grid = create(rows, columns);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  std::uniform_int_distribution<int> pick(0, 3);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      if (chance(gen) < emptyShare) continue;
      grid.setCell(r, c, chance(gen) < 0.02 ? '#' : kLetters[pick(gen)]);
    }
  }
  return grid;
}

// Number of cases: a few seconds in a debug build; HARAVOIJA_DIFFERENTIAL_SCALE
// multiplies it for a long run.
unsigned scaled(unsigned count) {
  const char* scale = std::getenv("HARAVOIJA_DIFFERENTIAL_SCALE");
  return scale == nullptr ? count : count * static_cast<unsigned>(std::max(1, std::atoi(scale)));
}

TEST(PlacementDifferential, MatchesReferenceOnRandomGrids) {
  const double kEmptyShares[] = {1.0, 0.95, 0.8, 0.6, 0.4, 0.2, 0.0};
  int placements = 0;
  int placed = 0;
  const unsigned cases = scaled(4000);
  for (unsigned caseSeed = 0; caseSeed < cases; ++caseSeed) {
    std::mt19937 gen(caseSeed);
    const bool big = caseSeed % 10 == 0;
    std::uniform_int_distribution<int> side(1, big ? 40 : 9);
    const int rows = side(gen);
    const int columns = side(gen);
    const double emptyShare = kEmptyShares[caseSeed % 7];
    const bool children = caseSeed % 3 == 0;
    Grid fast = randomGrid(gen, rows, columns, emptyShare);
    Grid reference = fast;
    std::uniform_int_distribution<int> length(1, std::max(rows, columns) + 2);
    for (int call = 0; call < 8; ++call) {
      const std::string word = randomWord(gen, length(gen));
      const unsigned seed = static_cast<unsigned>(gen());
      std::srand(seed);
      const bool fastPlaced = placeWord(fast, word, children);
      const int nextFast = drawRandom();
      std::srand(seed);
      const bool referencePlaced = testing::referencePlaceWord(reference, word, children);
      const int nextReference = drawRandom();
      ++placements;
      placed += fastPlaced ? 1 : 0;
      ASSERT_EQ(fastPlaced, referencePlaced) << "case " << caseSeed << " call " << call;
      ASSERT_EQ(fast.rows, reference.rows) << "case " << caseSeed << " call " << call;
      ASSERT_EQ(fast.placedWords, reference.placedWords);
      ASSERT_EQ(nextFast, nextReference) << "the number of draws differs";
    }
  }
  // Both outcomes must have been exercised for the comparison to mean much.
  EXPECT_GT(placed, placements / 10);
  EXPECT_LT(placed, placements * 9 / 10);
}

}  // namespace
}  // namespace haravoija
