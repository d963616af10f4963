// Drives one Placer through long random sequences of placements, resets,
// clears and grows, next to a grid handled by the plain reference scan, and
// checks that both grids stay byte for byte the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "placement_reference.h"
#include "puzzle/placer.h"
#include "text/random_draw.h"

namespace haravoija {
namespace {

// Number of sequences: a few seconds in a debug build; raise it with
// HARAVOIJA_DIFFERENTIAL_SCALE (a multiplier) for a long run.
int scaled(int count) {
  const char* scale = std::getenv("HARAVOIJA_DIFFERENTIAL_SCALE");
  return scale == nullptr ? count : count * std::max(1, std::atoi(scale));
}

std::string randomWord(std::mt19937& gen, int length, int alphabet) {
  static const unsigned char kLetters[] = {'A', 'k',          0x84 /* ä */, 'B',
                                           's', 0x99 /* Ö */, 'T',          'i'};
  std::uniform_int_distribution<int> pick(0, alphabet - 1);
  std::string word;
  for (int k = 0; k < length; ++k) word.push_back(static_cast<char>(kLetters[pick(gen)]));
  return word;
}

struct Totals {
  long placements = 0;
  long placed = 0;
};

void runSequence(unsigned caseSeed, Totals& totals) {
  std::mt19937 gen(caseSeed);
  // Mostly small grids; now and then rows wider than one block of starts.
  const int kind = caseSeed % 16;
  const int maxSide = kind == 0 ? 300 : kind < 3 ? 24 : 10;
  std::uniform_int_distribution<int> side(1, maxSide);
  int rows = side(gen);
  int columns = side(gen);
  if (kind == 0) rows = std::min(rows, 3);
  const int alphabet = 2 + static_cast<int>(caseSeed % 7);
  const bool children = caseSeed % 5 == 0;

  Grid fast = create(rows, columns);
  Grid reference = fast;
  Placer placer(fast);
  std::uniform_int_distribution<int> operation(0, 99);
  int currentLength = 2 + static_cast<int>(gen() % 6);
  for (int step = 0; step < 40; ++step) {
    const int op = operation(gen);
    if (op < 84) {
      // Runs of equal lengths, as in a sorted word list, with jumps between.
      if (gen() % 4 == 0)
        currentLength = 1 + static_cast<int>(gen() % (std::max(rows, columns) + 3));
      std::string word = randomWord(gen, currentLength, alphabet);
      if (gen() % 200 == 0 && !word.empty()) word[gen() % word.size()] = ' ';
      const unsigned seed = static_cast<unsigned>(gen());
      std::srand(seed);
      const bool fastPlaced = placer.place(word, children);
      const int nextFast = drawRandom();
      std::srand(seed);
      const bool referencePlaced = testing::referencePlaceWord(reference, word, children);
      const int nextReference = drawRandom();
      ++totals.placements;
      totals.placed += referencePlaced ? 1 : 0;
      ASSERT_EQ(fastPlaced, referencePlaced) << "case " << caseSeed << " step " << step;
      ASSERT_EQ(nextFast, nextReference) << "case " << caseSeed << " step " << step;
    } else if (op < 92) {
      placer.grow();
      reference.grow();
    } else if (op < 96) {
      placer.clear();
      reference.clear();
    } else {
      rows = side(gen);
      columns = side(gen);
      if (kind == 0) rows = std::min(rows, 3);
      placer.reset(rows, columns);
      reference.reset(rows, columns);
    }
    ASSERT_EQ(fast.rows, reference.rows) << "case " << caseSeed << " step " << step;
    ASSERT_EQ(fast.placedWords, reference.placedWords) << "case " << caseSeed << " step " << step;
  }
}

TEST(PlacerDifferential, SequencesMatchReference) {
  Totals totals;
  const int cases = scaled(1500);
  for (int caseSeed = 0; caseSeed < cases; ++caseSeed) {
    runSequence(static_cast<unsigned>(caseSeed), totals);
    if (::testing::Test::HasFatalFailure()) return;
  }
  EXPECT_GT(totals.placed, totals.placements / 5);
  EXPECT_LT(totals.placed, totals.placements * 9 / 10);
  RecordProperty("placements", std::to_string(totals.placements));
}

TEST(PlacerDifferential, WordsLongerThanTheMasksCover) {
  // More letters than the padding of the masks: the placer falls back to
  // the cell-by-cell scan and must still agree.
  for (unsigned seed = 1; seed <= 5; ++seed) {
    std::mt19937 gen(seed);
    Grid fast = create(3, 120);
    Grid reference = fast;
    Placer placer(fast);
    for (int call = 0; call < 6; ++call) {
      const std::string word = randomWord(gen, call % 2 == 0 ? 95 : 4, 2);
      std::srand(seed * 100 + static_cast<unsigned>(call));
      const bool fastPlaced = placer.place(word, false);
      std::srand(seed * 100 + static_cast<unsigned>(call));
      ASSERT_EQ(fastPlaced, testing::referencePlaceWord(reference, word, false));
      ASSERT_EQ(fast.rows, reference.rows);
    }
    EXPECT_EQ(fast.placedWords, reference.placedWords);
    EXPECT_FALSE(fast.placedWords.empty());
  }
}

}  // namespace
}  // namespace haravoija
