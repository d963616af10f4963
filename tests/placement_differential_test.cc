// The program's placement and runs against the plain reference model, and one
// thread against two; scans are shared with the helper thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <ranges>
#include <string>
#include <vector>

#include "env/file_system.h"
#include "puzzle/generation.h"
#include "puzzle/placer.h"
#include "reference_model.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

const PlacerOptions kShareEveryScan{2, 0, 0};

// Placements, growth, clears and resets of random grids, some cells holding letters or another
// byte. Debug builds assert the masks' window counts on every start the scan tests.
TEST(PlacementDifferential, SequencesMatchReference) {
  for (unsigned caseSeed = 0; caseSeed < 500; ++caseSeed) {
    std::mt19937 gen(caseSeed);
    auto below = [&](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    // Mostly small grids, some one row or column high, some wider than 256 starts.
    const unsigned kind = caseSeed % 12;
    auto side = [&] { return 1 + below(kind == 0 ? 300 : kind < 3 ? 30 : 10); };
    int rows = kind == 0 ? 1 + below(4) : kind == 3 ? 1 : side();
    int columns = kind == 4 ? 1 : side();
    const int alphabet = 2 + static_cast<int>(caseSeed % 7);
    const bool children = caseSeed % 5 == 0;
    Grid fast = create(rows, columns);
    const int filledPercent = below(4) * 20;
    for (char& cell : fast.rows | std::views::join)
      if (below(100) < filledPercent) cell = "AK\216B#"[below(5)];
    Grid reference = fast;
    PlatformRandom random;
    Placer placer(fast, random, kShareEveryScan);
    int length = 2 + below(6);
    for (int step = 0; step < 40; ++step) {
      const int op = below(100);
      if (op < 84) {
        // Runs of equal lengths as in a sorted list; now and then beyond the counts.
        if (below(4) == 0)
          length = std::min(kMaxWordLength, 1 + below(std::max(rows, columns) + 3));
        if (below(50) == 0) length = 18 + below(12);
        // Few distinct letters, in both cases, so that words cross.
        std::string word;
        for (int k = 0; k < length; ++k) word += "Ak\204Bs\231Ti"[below(alphabet)];
        const unsigned seed = static_cast<unsigned>(gen());
        std::srand(seed);
        const bool fastPlaced = placer.placeWord(word, children);
        const int nextFast = random.draw();
        std::srand(seed);
        const bool referencePlaced = testing::referencePlaceWord(reference, word, children, random);
        ASSERT_EQ(std::pair(fastPlaced, nextFast), std::pair(referencePlaced, random.draw()))
            << "case " << caseSeed << " step " << step << ": placed, next draw";
      } else if (op < 92) {
        placer.grow();
        reference.grow();
      } else if (op < 96) {
        placer.clear();
        reference.clear();
      } else {
        rows = kind == 0 ? 1 + below(4) : side();
        columns = side();
        placer.reset(rows, columns);
        reference.reset(rows, columns);
      }
      ASSERT_EQ(fast.rows, reference.rows) << "case " << caseSeed << " step " << step;
      ASSERT_EQ(fast.placedWords, reference.placedWords) << "case " << caseSeed;
    }
  }
}

// The first `count` words of an example list, longest first.
std::vector<std::string> exampleWords(const std::string& name, std::size_t count = 100000) {
  PosixFileSystem files;
  WordList list;
  if (auto file = files.openForReading(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name)) {
    (void)importBatchFile(*file, WordFileMode::kPlain, list);
  }
  while (list.size() > count) (void)list.removeLast();
  list.sortLongestFirst();
  return list.words();
}

void expectSameRun(const std::vector<std::string>& words, unsigned seed, bool children,
                   Sizing sizing, int rows, int columns, PlacerOptions options = kShareEveryScan) {
  PlatformRandom random;
  Grid fast = create(rows, columns);
  Grid plain = fast;
  std::srand(seed);
  const BuildResult result =
      buildGrid(fast, words, children, sizing, rows, columns, random, options);
  const int nextFast = random.draw();
  std::srand(seed);
  const testing::ReferenceRun expected =
      testing::referenceBuildGrid(plain, words, children, sizing, rows, columns, random);
  EXPECT_EQ(std::tie(fast.rows, fast.placedWords, result.unplacedWords, result.attempts, nextFast),
            std::forward_as_tuple(plain.rows, plain.placedWords, expected.unplacedWords,
                                  expected.attempts, random.draw()))
      << "seed " << seed;
}

TEST(GenerationDifferential, RunsMatchReference) {
  const std::vector<std::string> school = exampleWords("koulu.txt");
  const std::vector<std::string> many = exampleWords("sanat-1000.txt", 120);
  ASSERT_EQ(many.size(), 120u);
  expectSameRun(school, 1, false, Sizing::kSmallest, 1, 1);
  expectSameRun(school, 2, true, Sizing::kSmallest, 1, 1);
  expectSameRun(many, 3, false, Sizing::kSmallest, 1, 1);
  // Fixed sizes that hold all words or leave some out; two with alternate chunks for the helper.
  expectSameRun(school, 4, false, Sizing::kFixed, 30, 30, {2, 0, 0, true});
  expectSameRun(exampleWords("elaimet.txt"), 5, true, Sizing::kFixed, 9, 11, {2, 0, 0, true});
  expectSameRun(many, 6, false, Sizing::kFixed, 1, 40);
}

// With alternate chunks the helper does every other chunk of 4 rows but its first, left to the
// calling thread, whatever the timing: 100 words placed at the first try, 8 x 1000 rows each.
// Blocks of starts keep the steps far below a plain scan's 8 x 10^8 starts.
TEST(GenerationDifferential, OneThreadAndTwoGiveTheSameGrid) {
  const std::vector<std::string> words = exampleWords("sanat-100.txt");
  PlatformRandom random;
  Grid grids[2] = {create(1000, 1000), create(1000, 1000)};
  for (const int threads : {1, 2}) {
    std::srand(2026);
    const BuildResult result = buildGrid(grids[threads - 1], words, false, Sizing::kFixed, 1000,
                                         1000, random, {threads, 0, 0, true});
    EXPECT_EQ(result.placement.helperRows, threads == 2 ? 100 * (8 * 1000 / 2 - 4) : 0);
    EXPECT_LT(result.placement.scanSteps, 8'000'000);
  }
  EXPECT_EQ(grids[0].rows, grids[1].rows);
  EXPECT_EQ(grids[0].placedWords, grids[1].placedWords);
}

}  // namespace
}  // namespace haravoija
