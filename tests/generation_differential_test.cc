// Whole generation runs on real word lists, once with the run's own
// placement and once with the plain reference scan: the grids must be the
// same byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "placement_reference.h"
#include "puzzle/generation.h"
#include "test_util.h"
#include "text/selection_sort.h"

namespace haravoija {
namespace {

// The first `count` words of an example list (UTF-8, one a line) in console
// bytes, longest first.
std::vector<std::string> exampleWords(const std::string& name, std::size_t count) {
  std::ifstream file(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
  std::vector<std::string> words;
  std::string line;
  while (words.size() < count && std::getline(file, line)) {
    std::string word;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(line[i]);
      if (c == 0xC3 && i + 1 < line.size()) {
        const unsigned char next = static_cast<unsigned char>(line[++i]);
        word.push_back(static_cast<char>(next == 0xA4 ? 0x84 : next == 0xA5 ? 0x86 : 0x94));
      } else {
        word.push_back(static_cast<char>(c));
      }
    }
    words.push_back(word);
  }
  std::vector<long long> keys;
  for (const std::string& word : words) keys.push_back(-static_cast<long long>(word.size()));
  applySortOrder(words, selectionSortOrder(keys));
  return words;
}

void expectSameRuns(const std::vector<std::string>& words, unsigned seed, bool children,
                    Sizing sizing, int rows, int columns) {
  testing::FakeConsole console;
  std::srand(seed);
  Grid fast = create(rows, columns);
  const BuildResult fastResult = buildGrid(fast, words, children, sizing, rows, columns, console);
  std::srand(seed);
  Grid plain = create(rows, columns);
  const BuildResult plainResult = buildGridWith(plain, words, children, sizing, rows, columns,
                                                console, testing::referencePlaceWord);
  EXPECT_EQ(fast.rows, plain.rows) << "seed " << seed;
  EXPECT_EQ(fast.placedWords, plain.placedWords) << "seed " << seed;
  EXPECT_EQ(fastResult.unplacedWords, plainResult.unplacedWords) << "seed " << seed;
  EXPECT_EQ(fastResult.attempts, plainResult.attempts) << "seed " << seed;
}

TEST(GenerationDifferential, RealWordsSameGridAsReference) {
  const std::vector<std::string> words = exampleWords("sanat-3000.txt", 300);
  ASSERT_EQ(words.size(), 300u);
  expectSameRuns(words, 1, false, Sizing::kSmallest, 1, 1);
  expectSameRuns(words, 2, true, Sizing::kSmallest, 1, 1);
  // A fixed size too small for all of them: the tolerant fallback.
  const std::vector<std::string> some(words.begin(), words.begin() + 60);
  expectSameRuns(some, 3, false, Sizing::kFixed, 20, 24);
}

// Long runs for a release build: HARAVOIJA_DIFFERENTIAL_SCALE set.
TEST(GenerationDifferential, LongListsSameGridAsReference) {
  if (std::getenv("HARAVOIJA_DIFFERENTIAL_SCALE") == nullptr) {
    GTEST_SKIP() << "set HARAVOIJA_DIFFERENTIAL_SCALE to run";
  }
  const std::vector<std::string> words300 = exampleWords("sanat-1000.txt", 300);
  const std::vector<std::string> words3000 = exampleWords("sanat-3000.txt", 3000);
  for (unsigned seed = 10; seed < 14; ++seed) {
    expectSameRuns(words300, seed, seed % 2 == 1, Sizing::kSmallest, 1, 1);
    expectSameRuns(words3000, seed, seed % 2 == 1, Sizing::kSmallest, 1, 1);
  }
}

}  // namespace
}  // namespace haravoija
