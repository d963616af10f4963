// The program's placement and runs against the plain reference model, one thread against
// two, and the scan masks' window counts; every scan is shared with the helper thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "env/file_system.h"
#include "puzzle/generation.h"
#include "puzzle/placer.h"
#include "puzzle/scan_masks.h"
#include "reference_model.h"
#include "words/word_file.h"
#include "words/word_list.h"

namespace haravoija {
namespace {

const PlacerOptions kShareEveryScan{2, 0, 0};

struct Gen : std::mt19937 {
  using std::mt19937::mt19937;
  int below(int n) { return static_cast<int>((*this)() % static_cast<unsigned>(n)); }
};

// A grid with some cells already holding letters (or another byte).
Grid randomGrid(Gen& gen, int rows, int columns, int filledPercent) {
  Grid grid = create(rows, columns);
  for (std::string& row : grid.rows) {
    for (char& cell : row) {
      if (gen.below(100) < filledPercent) cell = "AK\216B#"[gen.below(5)];
    }
  }
  return grid;
}

TEST(PlacementDifferential, SequencesMatchReference) {
  long placements = 0, placed = 0;
  for (unsigned caseSeed = 0; caseSeed < 500; ++caseSeed) {
    Gen gen(caseSeed);
    // Mostly small grids, some one row or column high, some wider than 256 starts.
    const unsigned kind = caseSeed % 12;
    auto side = [&] { return 1 + gen.below(kind == 0 ? 300 : kind < 3 ? 30 : 10); };
    int rows = kind == 3 ? 1 : side();
    int columns = kind == 4 ? 1 : side();
    if (kind == 0) rows = std::min(rows, 4);
    const int alphabet = 2 + static_cast<int>(caseSeed % 7);
    const bool children = caseSeed % 5 == 0;
    Grid fast = randomGrid(gen, rows, columns, gen.below(4) * 20);
    Grid reference = fast;
    PlatformRandom random;
    Placer placer(fast, random, kShareEveryScan);
    int length = 2 + gen.below(6);
    for (int step = 0; step < 40; ++step) {
      const int op = gen.below(100);
      if (op < 84) {
        // Runs of equal lengths as in a sorted list; now and then beyond the counts.
        if (gen.below(4) == 0)
          length = std::min(kMaxWordLength, 1 + gen.below(std::max(rows, columns) + 3));
        if (gen.below(50) == 0) length = 18 + gen.below(12);
        // Few distinct letters, in both cases, so that words cross.
        std::string word;
        for (int k = 0; k < length; ++k) word += "Ak\204Bs\231Ti"[gen.below(alphabet)];
        const unsigned seed = static_cast<unsigned>(gen());
        std::srand(seed);
        const bool fastPlaced = placer.placeWord(word, children);
        const int nextFast = random.draw();
        std::srand(seed);
        const bool referencePlaced =
            testing::referencePlaceWord(reference, word, children, random).has_value();
        ++placements;
        placed += referencePlaced;
        ASSERT_EQ(fastPlaced, referencePlaced) << "case " << caseSeed << " step " << step;
        ASSERT_EQ(nextFast, random.draw()) << "case " << caseSeed << ": draws differ";
      } else if (op < 92) {
        placer.grow();
        reference.grow();
      } else if (op < 96) {
        placer.clear();
        reference.clear();
      } else {
        rows = kind == 0 ? 1 + gen.below(4) : side();
        columns = side();
        placer.reset(rows, columns);
        reference.reset(rows, columns);
      }
      ASSERT_EQ(fast.rows, reference.rows) << "case " << caseSeed << " step " << step;
      ASSERT_EQ(fast.placedWords, reference.placedWords) << "case " << caseSeed;
    }
  }
  // Both outcomes must be common for the comparison to mean much.
  EXPECT_GT(placed, placements / 5);
  EXPECT_LT(placed, placements * 9 / 10);
}

TEST(PlacementDifferential, WindowCountsMatchRecountAfterEveryChange) {
  // Small grids, and wide ones whose rows span several 64-bit words:
  // the size to start from, and the largest size a reset takes.
  struct Shape {
    unsigned seed;
    int rows;
    int columns;
    int resetRows;
    int resetColumns;
  };
  for (const Shape shape : {Shape{1, 3, 2, 40, 40}, Shape{2, 3, 2, 40, 40}, Shape{3, 3, 2, 40, 40},
                            Shape{4, 3, 150, 5, 220}}) {
    const unsigned seed = shape.seed;
    Gen gen(seed);
    Grid grid = randomGrid(gen, shape.rows, shape.columns, 30);
    ScanMasks masks(grid);
    int length = 0;
    int writes = 0;
    for (int step = 0; step < 200; ++step) {
      const int op = gen.below(100);
      if (op < 10 || length == 0) {
        // A new word length, up to beyond the counts' limit.
        length = 2 + gen.below(24);
        masks.prepare(reinterpret_cast<const unsigned char*>(std::string(32, 'A').data()), length);
      } else if (op < 80) {
        const int r = gen.below(grid.rowCount());
        const int c = gen.below(grid.columnCount());
        if (grid.cell(r, c) != ' ') continue;
        const unsigned char letter = gen.below(2) == 0 ? 'K' : 0x8E;
        grid.setCell(r, c, letter);
        masks.writeCell(r, c, letter);
        ++writes;
      } else if (op < 97) {
        grid.grow();
        masks.grow();
      } else {
        const int rows = 1 + gen.below(shape.resetRows);
        const int columns = 1 + gen.below(shape.resetColumns);
        grid.reset(rows, columns);
        masks.reset(rows, columns);
      }
      ASSERT_EQ(masks.cells().rows, grid.rows);
      // Filled cells in the window from each start, cells outside counting as empty.
      for (int o = 0; o < 4; ++o) {
        const Step d = ScanMasks::kOrientationStep[o];
        for (int r = 0; r < grid.rowCount(); ++r) {
          for (int c = 0; c < grid.columnCount(); ++c) {
            int count = 0;
            for (int t = 0; t < length; ++t) {
              const int tr = r + t * d.row;
              const int tc = c + t * d.column;
              count += tr < grid.rowCount() && tc >= 0 && tc < grid.columnCount() &&
                       grid.cell(tr, tc) != ' ';
            }
            ASSERT_EQ(masks.filledInWindow(o, r, c), std::min(count, ScanMasks::kCountLimit))
                << "seed " << seed << " step " << step << " at " << o << "," << r << "," << c;
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
  WordList list;
  if (auto file = files.openForReading(std::string(HARAVOIJA_SOURCE_DIR) + "/examples/" + name)) {
    (void)importBatchFile(*file, WordFileMode::kPlain, list);
  }
  while (list.size() > count) (void)list.removeLast();
  list.sortLongestFirst();
  return list.words();
}

void expectSameRun(const std::vector<std::string>& words, unsigned seed, bool children,
                   Sizing sizing, int rows, int columns) {
  PlatformRandom random;
  Grid fast = create(rows, columns);
  Grid plain = fast;
  std::srand(seed);
  const BuildResult result =
      buildGrid(fast, words, children, sizing, rows, columns, random, kShareEveryScan);
  const int nextFast = random.draw();
  std::srand(seed);
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
  // Fixed sizes: all words fit, and too small, where the fallback leaves words out.
  expectSameRun(school, 4, false, Sizing::kFixed, 30, 30);
  expectSameRun(exampleWords("elaimet.txt"), 5, true, Sizing::kFixed, 9, 11);
  expectSameRun(many, 6, false, Sizing::kFixed, 1, 40);
}

// The helper does every other chunk of every scan, so its share is there
// whatever the timing.
TEST(GenerationDifferential, OneThreadAndTwoGiveTheSameGrid) {
  const std::vector<std::string> words = exampleWords("sanat-100.txt");
  PlatformRandom random;
  Grid grids[2] = {create(1000, 1000), create(1000, 1000)};
  for (const int threads : {1, 2}) {
    std::srand(2026);
    const BuildResult result = buildGrid(grids[threads - 1], words, false, Sizing::kFixed, 1000,
                                         1000, random, {threads, 0, 0, true});
    EXPECT_EQ(result.placement.helperRows > 0, threads == 2);
  }
  EXPECT_EQ(grids[0].rows, grids[1].rows);
  EXPECT_EQ(grids[0].placedWords, grids[1].placedWords);
}

// A plain scan of this run tests about 1.5 billion starts (8 x 176 x 176 for
// some 6,000 placements); the masks test about 7 million blocks and starts.
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
