// The program's placement against the plain scan of tests/reference_model.h:
// random sequences of placements, grows, clears and resets on random grids,
// whole generation runs on the example lists, one thread against two, and
// the window counts of the scan masks against a recount from the cells.
// Every scan is shared with the helper thread here, however small.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "puzzle/generation.h"
#include "puzzle/placer.h"
#include "puzzle/scan_masks.h"
#include "reference_model.h"
#include "text/file_system.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

const PlacerOptions kShareEveryScan{2, 0, 0};

// Cases multiplied by HARAVOIJA_DIFFERENTIAL_SCALE for a long run.
int scaled(int count) {
  const char* scale = std::getenv("HARAVOIJA_DIFFERENTIAL_SCALE");
  return scale == nullptr ? count : count * std::max(1, std::atoi(scale));
}

// Few distinct letters, both cases and Finnish ones, so that words cross.
std::string randomWord(std::mt19937& gen, int length, int alphabet) {
  static const unsigned char kLetters[] = {'A', 'k',          0x84 /* ä */, 'B',
                                           's', 0x99 /* Ö */, 'T',          'i'};
  std::string word;
  for (int k = 0; k < length; ++k) {
    word.push_back(static_cast<char>(kLetters[gen() % static_cast<unsigned>(alphabet)]));
  }
  return word;
}

// A grid with some cells already holding letters (or another byte).
Grid randomGrid(std::mt19937& gen, int rows, int columns, int filledPercent) {
  static const unsigned char kCells[] = {'A', 'K', 0x8E /* Ä */, 'B', '#'};
  Grid grid = create(rows, columns);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      if (static_cast<int>(gen() % 100) < filledPercent) grid.setCell(r, c, kCells[gen() % 5]);
    }
  }
  return grid;
}

struct Totals {
  long placements = 0;
  long placed = 0;
};

void runSequence(unsigned caseSeed, Totals& totals) {
  std::mt19937 gen(caseSeed);
  // Mostly small grids, some one row or column high, some rows wider than
  // a block of 256 starts.
  const int kind = static_cast<int>(caseSeed % 12);
  const int maxSide = kind == 0 ? 300 : kind < 3 ? 30 : 10;
  auto side = [&] { return 1 + static_cast<int>(gen() % static_cast<unsigned>(maxSide)); };
  int rows = kind == 3 ? 1 : side();
  int columns = kind == 4 ? 1 : side();
  if (kind == 0) rows = std::min(rows, 4);
  const int alphabet = 2 + static_cast<int>(caseSeed % 7);
  const bool children = caseSeed % 5 == 0;
  Grid fast = randomGrid(gen, rows, columns, static_cast<int>(gen() % 4) * 20);
  Grid reference = fast;
  PlatformRandom random;
  Placer placer(fast, random, kShareEveryScan);
  int length = 2 + static_cast<int>(gen() % 6);
  for (int step = 0; step < 40; ++step) {
    const unsigned op = gen() % 100;
    if (op < 84) {
      // Runs of equal lengths, as in a sorted list, with jumps between;
      // now and then longer than the counts go (the word rules allow 79).
      if (gen() % 4 == 0) {
        length = std::min(79, 1 + static_cast<int>(gen() % (std::max(rows, columns) + 3)));
      }
      if (gen() % 50 == 0) length = 18 + static_cast<int>(gen() % 12);
      const std::string word = randomWord(gen, length, alphabet);
      const unsigned seed = static_cast<unsigned>(gen());
      std::srand(seed);
      const bool fastPlaced = placer.placeWord(word, children);
      const int nextFast = random.draw();
      std::srand(seed);
      const bool referencePlaced =
          testing::referencePlaceWord(reference, word, children, random).has_value();
      ++totals.placements;
      totals.placed += referencePlaced ? 1 : 0;
      ASSERT_EQ(fastPlaced, referencePlaced) << "case " << caseSeed << " step " << step;
      ASSERT_EQ(nextFast, random.draw()) << "case " << caseSeed << ": draws differ";
    } else if (op < 92) {
      placer.grow();
      reference.grow();
    } else if (op < 96) {
      placer.clear();
      reference.clear();
    } else {
      rows = kind == 0 ? 1 + static_cast<int>(gen() % 4) : side();
      columns = side();
      placer.reset(rows, columns);
      reference.reset(rows, columns);
    }
    ASSERT_EQ(fast.rows, reference.rows) << "case " << caseSeed << " step " << step;
    ASSERT_EQ(fast.placedWords, reference.placedWords) << "case " << caseSeed;
  }
}

TEST(PlacementDifferential, SequencesMatchReference) {
  Totals totals;
  const int cases = scaled(500);
  for (int caseSeed = 0; caseSeed < cases; ++caseSeed) {
    runSequence(static_cast<unsigned>(caseSeed), totals);
    if (::testing::Test::HasFatalFailure()) return;
  }
  // Both outcomes must be common for the comparison to mean much.
  EXPECT_GT(totals.placed, totals.placements / 5);
  EXPECT_LT(totals.placed, totals.placements * 9 / 10);
}

// Filled cells in the window of `length` cells from (row, column) along a
// count orientation, cells outside the grid counting as empty.
int recount(const Grid& grid, int orientation, int row, int column, int length) {
  const Step step = ScanMasks::kOrientationStep[orientation];
  int count = 0;
  for (int t = 0; t < length; ++t) {
    const int r = row + t * step.row;
    const int c = column + t * step.column;
    if (r < grid.rowCount() && c >= 0 && c < grid.columnCount()) {
      count += grid.cell(r, c) != static_cast<unsigned char>(kEmptyCell);
    }
  }
  return std::min(count, ScanMasks::kCountLimit);
}

TEST(PlacementDifferential, WindowCountsMatchRecountAfterEveryChange) {
  for (unsigned seed = 1; seed <= static_cast<unsigned>(scaled(3)); ++seed) {
    std::mt19937 gen(seed);
    Grid grid = randomGrid(gen, 3, 2, 30);
    ScanMasks masks(grid);
    int length = 0;
    int writes = 0;
    for (int step = 0; step < 200; ++step) {
      const unsigned op = gen() % 100;
      if (op < 10 || length == 0) {
        // A new word length, up to beyond the counts' limit.
        length = 2 + static_cast<int>(gen() % 24);
        const std::string letters(static_cast<std::size_t>(length), 'A');
        masks.prepare(reinterpret_cast<const unsigned char*>(letters.data()), length);
      } else if (op < 80) {
        const int r = static_cast<int>(gen() % static_cast<unsigned>(grid.rowCount()));
        const int c = static_cast<int>(gen() % static_cast<unsigned>(grid.columnCount()));
        if (grid.cell(r, c) != static_cast<unsigned char>(kEmptyCell)) continue;
        const unsigned char letter = gen() % 2 == 0 ? 'K' : 0x8E;
        grid.setCell(r, c, letter);
        masks.writeCell(r, c, letter);
        ++writes;
      } else if (op < 97) {
        grid.grow();
        masks.grow();
      } else {
        const int rows = 1 + static_cast<int>(gen() % 40);
        const int columns = 1 + static_cast<int>(gen() % 40);
        grid.reset(rows, columns);
        masks.reset(rows, columns);
      }
      ASSERT_EQ(masks.cells().rows, grid.rows);
      ASSERT_EQ(masks.windowLength(), length);
      for (int o = 0; o < 4; ++o) {
        for (int r = 0; r < grid.rowCount(); ++r) {
          for (int c = 0; c < grid.columnCount(); ++c) {
            ASSERT_EQ(masks.filledInWindow(o, r, c), recount(grid, o, r, c, length))
                << "seed " << seed << " step " << step << " orientation " << o << " at " << r << ","
                << c;
          }
        }
      }
    }
    EXPECT_GT(writes, 60);
  }
}

// The first `count` words of an example list, longest first.
std::vector<std::string> exampleWords(const std::string& name, std::size_t count = 100000) {
  PosixFileSystem files;
  const std::unique_ptr<InputFile> file =
      files.openForReading(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name);
  WordList list;
  if (file) (void)importBatchFile(*file, WordFileMode::kPlain, list);
  std::vector<std::string> words = list.words();
  if (words.size() > count) words.resize(count);
  list = WordList();
  for (const std::string& word : words) list.add(word);
  list.sortLongestFirst();
  return list.words();
}

void expectSameRun(const std::vector<std::string>& words, unsigned seed, bool children,
                   Sizing sizing, int rows, int columns) {
  PlatformRandom random;
  std::srand(seed);
  Grid fast = create(rows, columns);
  const BuildResult result =
      buildGrid(fast, words, children, sizing, rows, columns, random, kShareEveryScan);
  const int nextFast = random.draw();
  std::srand(seed);
  Grid plain = create(rows, columns);
  const testing::ReferenceRun expected =
      testing::referenceBuildGrid(plain, words, children, sizing, rows, columns, random);
  EXPECT_EQ(fast.rows, plain.rows) << "seed " << seed;
  EXPECT_EQ(fast.placedWords, plain.placedWords) << "seed " << seed;
  EXPECT_EQ(result.unplacedWords, expected.unplacedWords) << "seed " << seed;
  EXPECT_EQ(result.attempts, expected.attempts) << "seed " << seed;
  EXPECT_EQ(nextFast, random.draw()) << "seed " << seed << ": draws differ";
}

TEST(GenerationDifferential, RunsMatchReference) {
  const std::vector<std::string> school = exampleWords("koulu.txt");
  const std::vector<std::string> many = exampleWords("sanat-1000.txt", 120);
  ASSERT_EQ(many.size(), 120u);
  expectSameRun(school, 1, false, Sizing::kSmallest, 1, 1);
  expectSameRun(school, 2, true, Sizing::kSmallest, 1, 1);
  expectSameRun(many, 3, false, Sizing::kSmallest, 1, 1);
  // Fixed sizes: all words fit, and too small, where the fallback leaves
  // words out.
  expectSameRun(school, 4, false, Sizing::kFixed, 30, 30);
  expectSameRun(exampleWords("elaimet.txt"), 5, true, Sizing::kFixed, 9, 11);
  expectSameRun(many, 6, false, Sizing::kFixed, 1, 40);
  for (unsigned seed = 10; seed < 10 + static_cast<unsigned>(scaled(1)) - 1; ++seed) {
    expectSameRun(exampleWords("sanat-3000.txt"), seed, seed % 2 == 1, Sizing::kSmallest, 1, 1);
  }
}

// On a grid large enough that the helper joins nearly every scan, however
// late it wakes.
TEST(GenerationDifferential, OneThreadAndTwoGiveTheSameGrid) {
  const std::vector<std::string> words = exampleWords("sanat-100.txt");
  PlatformRandom random;
  std::srand(2026);
  Grid one = create(1000, 1000);
  const BuildResult single =
      buildGrid(one, words, false, Sizing::kFixed, 1000, 1000, random, PlacerOptions{1, 0, 0});
  std::srand(2026);
  Grid two = create(1000, 1000);
  const BuildResult shared =
      buildGrid(two, words, false, Sizing::kFixed, 1000, 1000, random, kShareEveryScan);
  EXPECT_EQ(one.rows, two.rows);
  EXPECT_EQ(one.placedWords, two.placedWords);
  // How many rows the helper took depends on the machine's timing, so the
  // test does not require any: the grids must agree either way.
  EXPECT_EQ(single.placement.helperRows, 0);
}

// The placements take the fast path: a plain scan tests every start one by
// one, 8 x 176 x 176 for each of some 6,000 placements of this run, about
// 1.5 billion; the masks test about 7 million blocks and single starts.
TEST(GenerationDifferential, ThreeThousandWordsTakeTheFastPath) {
  const std::vector<std::string> words = exampleWords("sanat-3000.txt");
  ASSERT_EQ(words.size(), 3000u);
  PlatformRandom random;
  std::srand(2026);
  Grid grid = create(1, 1);
  const BuildResult result = buildGrid(grid, words, false, Sizing::kSmallest, 1, 1, random);
  EXPECT_EQ(grid.placedWords.size(), 3000u);
  EXPECT_GT(result.placement.scanSteps, 1'000'000);
  EXPECT_LT(result.placement.scanSteps, 21'000'000);
}

}  // namespace
}  // namespace haravoija
